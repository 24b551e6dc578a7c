#include "TempDatabase.h"
#include "TestMain.h"

#include "data/Clock.h"
#include "data/ReconciliationRepository.h"
#include "data/SqlValues.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTimeZone>

namespace {

const QDateTime kNow(QDate(2024, 3, 5), QTime(14, 7, 9), QTimeZone::utc());
const QDateTime kCompleted(QDate(2024, 2, 3), QTime(9, 15), QTimeZone::utc());

void insertAccount(TempDatabase& db, const QString& id)
{
    QVERIFY(db.exec(QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) "
                                   "VALUES (?, ?, '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')"),
                    {id, id}));
}

Reconciliation makeReconciliation(const QString& id, const QString& accountId, const QDate& statementDate)
{
    Reconciliation reconciliation;
    reconciliation.id = id;
    reconciliation.accountId = accountId;
    reconciliation.statementDate = statementDate;
    reconciliation.statementBalance = 150000;
    reconciliation.reconciledBalance = 149900;
    reconciliation.completedAt = kCompleted;
    reconciliation.createdAt = kCompleted;
    reconciliation.updatedAt = kCompleted;
    return reconciliation;
}

QStringList idsOf(const QList<Reconciliation>& reconciliations)
{
    QStringList ids;
    for (const Reconciliation& reconciliation : reconciliations)
        ids.append(reconciliation.id);
    return ids;
}

QString columnOf(TempDatabase& db, const QString& column, const QString& id)
{
    return db.scalar(QStringLiteral("SELECT %1 FROM reconciliations WHERE id = ?").arg(column), {id}).toString();
}

} // namespace

class TestReconciliationRepository : public QObject
{
    Q_OBJECT

private slots:
    void init() { Clock::setFixedNow(kNow); }
    void cleanup() { Clock::reset(); }

    void insertRoundTrip();
    void insertFillsMissingTimes();
    void insertRefusesBrokenRecords();
    void listsAndLatest();
    void updateFromThePull();
    void deleteAndRestoreWithTheAccount();
    void syncOperations();
    void serverDeletion();
};

void TestReconciliationRepository::insertRoundTrip()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    insertAccount(db, QStringLiteral("acc"));
    ReconciliationRepository repository(db.database());
    QSignalSpy changed(&repository, &ReconciliationRepository::reconciliationsChanged);

    Reconciliation reconciliation = makeReconciliation(QStringLiteral("r1"), QStringLiteral("acc"), QDate(2024, 1, 31));
    reconciliation.statementBalance = -9007199254740993LL; // beyond a double's exact range
    reconciliation.version = 2;
    reconciliation.syncStatus = SyncStatus::Synced;
    reconciliation.serverId = QStringLiteral("srv-1");
    QVERIFY(repository.insert(reconciliation));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(columnOf(db, QStringLiteral("statement_date"), QStringLiteral("r1")), QStringLiteral("2024-01-31"));
    QCOMPARE(columnOf(db, QStringLiteral("completed_at"), QStringLiteral("r1")), QStringLiteral("2024-02-03T09:15:00Z"));

    const Reconciliation read = *repository.findById(QStringLiteral("r1"));
    QCOMPARE(read.accountId, QStringLiteral("acc"));
    QCOMPARE(read.statementDate, QDate(2024, 1, 31));
    QCOMPARE(read.statementBalance, reconciliation.statementBalance);
    QCOMPARE(read.reconciledBalance, qint64(149900));
    QCOMPARE(read.completedAt, kCompleted);
    QCOMPARE(read.version, 2);
    QCOMPARE(read.syncStatus, SyncStatus::Synced);
    QCOMPARE(read.serverId, QStringLiteral("srv-1"));
    QCOMPARE(read.createdAt, kCompleted);
    QCOMPARE(read.updatedAt, kCompleted);
    QVERIFY(!read.deletedAt.has_value());
    QVERIFY(!repository.findById(QStringLiteral("r2")).has_value());
}

void TestReconciliationRepository::insertFillsMissingTimes()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    insertAccount(db, QStringLiteral("acc"));
    ReconciliationRepository repository(db.database());

    Reconciliation fresh = makeReconciliation(QStringLiteral("r1"), QStringLiteral("acc"), QDate(2024, 2, 29));
    fresh.createdAt = QDateTime();
    QVERIFY(repository.insert(fresh));
    QCOMPARE(columnOf(db, QStringLiteral("created_at"), QStringLiteral("r1")), QStringLiteral("2024-03-05T14:07:09Z"));
    QCOMPARE(columnOf(db, QStringLiteral("updated_at"), QStringLiteral("r1")), QStringLiteral("2024-02-03T09:15:00Z"));

    Reconciliation bare = makeReconciliation(QStringLiteral("r2"), QStringLiteral("acc"), QDate(2024, 2, 29));
    bare.createdAt = QDateTime();
    bare.updatedAt = QDateTime();
    QVERIFY(repository.insert(bare));
    QCOMPARE(repository.findById(QStringLiteral("r2"))->createdAt, kNow);
    QCOMPARE(repository.findById(QStringLiteral("r2"))->updatedAt, kNow);
}

void TestReconciliationRepository::insertRefusesBrokenRecords()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    insertAccount(db, QStringLiteral("acc"));
    ReconciliationRepository repository(db.database());
    QSignalSpy changed(&repository, &ReconciliationRepository::reconciliationsChanged);
    const QRegularExpression failed(QStringLiteral("^ReconciliationRepository::insert failed: "));

    QTest::ignoreMessage(QtWarningMsg, failed);
    QVERIFY(!repository.insert(makeReconciliation(QStringLiteral("r1"), QStringLiteral("no-such-account"),
                                                  QDate(2024, 1, 31))));
    QTest::ignoreMessage(QtWarningMsg, failed);
    QVERIFY(!repository.insert(makeReconciliation(QStringLiteral("r2"), QStringLiteral("acc"), QDate())));
    Reconciliation unfinished = makeReconciliation(QStringLiteral("r3"), QStringLiteral("acc"), QDate(2024, 1, 31));
    unfinished.completedAt = QDateTime();
    QTest::ignoreMessage(QtWarningMsg, failed);
    QVERIFY(!repository.insert(unfinished));

    QCOMPARE(changed.count(), 0);
    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM reconciliations")).toInt(), 0);
}

void TestReconciliationRepository::listsAndLatest()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    insertAccount(db, QStringLiteral("acc"));
    insertAccount(db, QStringLiteral("other"));
    ReconciliationRepository repository(db.database());
    QVERIFY(!repository.latestForAccount(QStringLiteral("acc")).has_value());

    QVERIFY(repository.insert(makeReconciliation(QStringLiteral("jan"), QStringLiteral("acc"), QDate(2024, 1, 31))));
    QVERIFY(repository.insert(makeReconciliation(QStringLiteral("mar"), QStringLiteral("acc"), QDate(2024, 3, 31))));
    QVERIFY(repository.insert(makeReconciliation(QStringLiteral("feb"), QStringLiteral("acc"), QDate(2024, 2, 29))));
    QVERIFY(repository.insert(makeReconciliation(QStringLiteral("apr"), QStringLiteral("other"), QDate(2024, 4, 30))));
    QCOMPARE(idsOf(repository.listByAccount(QStringLiteral("acc"))), (QStringList{"mar", "feb", "jan"}));
    QCOMPARE(repository.latestForAccount(QStringLiteral("acc"))->id, QStringLiteral("mar"));

    // A deleted reconciliation, however recent, is never the one to continue from.
    QVERIFY(db.exec(QStringLiteral("UPDATE reconciliations SET deleted_at = '2024-04-01T00:00:00Z' WHERE id = 'mar'")));
    QCOMPARE(repository.latestForAccount(QStringLiteral("acc"))->id, QStringLiteral("feb"));
    QCOMPARE(idsOf(repository.listByAccount(QStringLiteral("acc"))), (QStringList{"feb", "jan"}));
    QVERIFY(repository.findById(QStringLiteral("mar"))->deletedAt.has_value());

    QVERIFY(db.exec(QStringLiteral("UPDATE reconciliations SET deleted_at = '2024-04-01T00:00:00Z' "
                                   "WHERE account_id = 'acc'")));
    QVERIFY(!repository.latestForAccount(QStringLiteral("acc")).has_value());
    QVERIFY(repository.listByAccount(QStringLiteral("acc")).isEmpty());
}

void TestReconciliationRepository::updateFromThePull()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    insertAccount(db, QStringLiteral("acc"));
    insertAccount(db, QStringLiteral("acc2"));
    ReconciliationRepository repository(db.database());
    QVERIFY(repository.insert(makeReconciliation(QStringLiteral("r"), QStringLiteral("acc"), QDate(2024, 1, 31))));
    QSignalSpy changed(&repository, &ReconciliationRepository::reconciliationsChanged);

    Reconciliation pulled = *repository.findById(QStringLiteral("r"));
    pulled.accountId = QStringLiteral("acc2");
    pulled.statementDate = QDate(2024, 2, 1);
    pulled.statementBalance = 1;
    pulled.reconciledBalance = 2;
    pulled.completedAt = kNow;
    pulled.version = 7;
    pulled.syncStatus = SyncStatus::Synced;
    pulled.serverId = QStringLiteral("srv");
    pulled.updatedAt = kNow.addDays(-1);
    pulled.createdAt = kNow;                 // never written by update
    pulled.deletedAt = kNow;                 // never written by update
    QVERIFY(repository.update(pulled));
    QCOMPARE(changed.count(), 1);

    const Reconciliation read = *repository.findById(QStringLiteral("r"));
    QCOMPARE(read.accountId, QStringLiteral("acc2"));
    QCOMPARE(read.statementDate, QDate(2024, 2, 1));
    QCOMPARE(read.statementBalance, qint64(1));
    QCOMPARE(read.reconciledBalance, qint64(2));
    QCOMPARE(read.completedAt, kNow);
    QCOMPARE(read.version, 7);
    QCOMPARE(read.syncStatus, SyncStatus::Synced);
    QCOMPARE(read.serverId, QStringLiteral("srv"));
    QCOMPARE(read.updatedAt, kNow.addDays(-1));
    QCOMPARE(read.createdAt, kCompleted);
    QVERIFY(!read.deletedAt.has_value());

    // updated_at is NOT NULL and is not filled in here: the pull always has one.
    pulled.updatedAt = QDateTime();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^ReconciliationRepository::update failed: ")));
    QVERIFY(!repository.update(pulled));
    QCOMPARE(changed.count(), 1);
}

void TestReconciliationRepository::deleteAndRestoreWithTheAccount()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    insertAccount(db, QStringLiteral("acc"));
    insertAccount(db, QStringLiteral("other"));
    ReconciliationRepository repository(db.database());
    QVERIFY(repository.insert(makeReconciliation(QStringLiteral("jan"), QStringLiteral("acc"), QDate(2024, 1, 31))));
    QVERIFY(repository.insert(makeReconciliation(QStringLiteral("feb"), QStringLiteral("acc"), QDate(2024, 2, 29))));
    QVERIFY(repository.insert(makeReconciliation(QStringLiteral("keep"), QStringLiteral("other"), QDate(2024, 2, 29))));
    // One the user had lost an hour before the account was deleted.
    const QDateTime anHourEarlier = kNow.addSecs(-3600);
    QVERIFY(repository.insert(makeReconciliation(QStringLiteral("early"), QStringLiteral("acc"), QDate(2023, 12, 31))));
    QVERIFY(db.exec(QStringLiteral("UPDATE reconciliations SET deleted_at = ?, version = 4 WHERE id = 'early'"),
                    {SqlValues::timestampText(anHourEarlier)}));
    QSignalSpy changed(&repository, &ReconciliationRepository::reconciliationsChanged);

    QCOMPARE(repository.softDeleteByAccount(QStringLiteral("acc")), 2);
    QCOMPARE(changed.count(), 1);
    Reconciliation jan = *repository.findById(QStringLiteral("jan"));
    QCOMPARE(jan.deletedAt, std::optional<QDateTime>(kNow));
    QCOMPARE(jan.updatedAt, kNow);
    QCOMPARE(jan.version, 2);
    QCOMPARE(jan.syncStatus, SyncStatus::Pending);
    QVERIFY(!repository.findById(QStringLiteral("keep"))->deletedAt.has_value());
    QCOMPARE(repository.findById(QStringLiteral("early"))->deletedAt, std::optional<QDateTime>(anHourEarlier));

    // Nothing live is left: nothing changes, the earlier times stay, no signal.
    Clock::setFixedNow(kNow.addSecs(60));
    QCOMPARE(repository.softDeleteByAccount(QStringLiteral("acc")), 0);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(repository.findById(QStringLiteral("jan"))->deletedAt, std::optional<QDateTime>(kNow));

    // The account's deletion time less ten seconds brings back exactly what went with it.
    const QString threshold = SqlValues::timestampText(kNow.addSecs(-10));
    QCOMPARE(repository.restoreByAccount(QStringLiteral("acc"), threshold), 2);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(idsOf(repository.listByAccount(QStringLiteral("acc"))), (QStringList{"feb", "jan"}));
    jan = *repository.findById(QStringLiteral("jan"));
    QCOMPARE(jan.version, 3);
    QCOMPARE(jan.updatedAt, kNow.addSecs(60));
    const Reconciliation early = *repository.findById(QStringLiteral("early"));
    QCOMPARE(early.deletedAt, std::optional<QDateTime>(anHourEarlier));
    QCOMPARE(early.version, 4);

    QCOMPARE(repository.restoreByAccount(QStringLiteral("acc"), threshold), 0);
    QCOMPARE(changed.count(), 2);
}

void TestReconciliationRepository::syncOperations()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    insertAccount(db, QStringLiteral("acc"));
    ReconciliationRepository repository(db.database());
    QVERIFY(repository.insert(makeReconciliation(QStringLiteral("a"), QStringLiteral("acc"), QDate(2024, 1, 31))));
    QVERIFY(repository.insert(makeReconciliation(QStringLiteral("b"), QStringLiteral("acc"), QDate(2024, 2, 29))));
    QSignalSpy changed(&repository, &ReconciliationRepository::reconciliationsChanged);

    QCOMPARE(repository.listPending().size(), 2);
    QCOMPARE(repository.markAllPendingForResync(), 0);
    QVERIFY(repository.markSynced(QStringLiteral("a"), QStringLiteral("srv-a")));
    QVERIFY(repository.markSynced(QStringLiteral("b"), QStringLiteral("srv-b")));
    QCOMPARE(changed.count(), 0);
    QVERIFY(repository.listPending().isEmpty());
    QCOMPARE(repository.findById(QStringLiteral("a"))->serverId, QStringLiteral("srv-a"));

    QVERIFY(db.exec(QStringLiteral("UPDATE reconciliations SET deleted_at = '2024-03-01T00:00:00Z' WHERE id = 'b'")));
    QCOMPARE(repository.markAllPendingForResync(), 1);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(idsOf(repository.listPending()), QStringList{QStringLiteral("a")});
}

void TestReconciliationRepository::serverDeletion()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    insertAccount(db, QStringLiteral("acc"));
    ReconciliationRepository repository(db.database());
    Reconciliation reconciliation = makeReconciliation(QStringLiteral("a"), QStringLiteral("acc"), QDate(2024, 1, 31));
    reconciliation.version = 3;
    reconciliation.syncStatus = SyncStatus::Synced;
    QVERIFY(repository.insert(reconciliation));
    QSignalSpy changed(&repository, &ReconciliationRepository::reconciliationsChanged);

    // Another device's deletion: the time is the server's; version and status stay.
    const QDateTime deletedAt(QDate(2024, 3, 1), QTime(8, 0), QTimeZone::utc());
    QVERIFY(repository.applyServerDeletion(QStringLiteral("a"), deletedAt));
    Reconciliation stored = *repository.findById(QStringLiteral("a"));
    QCOMPARE(stored.deletedAt, std::optional<QDateTime>(deletedAt));
    QCOMPARE(stored.version, 3);
    QCOMPARE(stored.syncStatus, SyncStatus::Synced);
    QVERIFY(repository.listByAccount(QStringLiteral("acc")).isEmpty());
    QCOMPARE(changed.count(), 1);

    QVERIFY(repository.applyServerDeletion(QStringLiteral("a"), std::nullopt));
    QCOMPARE(repository.findById(QStringLiteral("a"))->deletedAt, std::nullopt);
    QCOMPARE(idsOf(repository.listByAccount(QStringLiteral("acc"))), QStringList{QStringLiteral("a")});
    QCOMPARE(changed.count(), 2);
}

VELLUMRY_TEST_GUILESS_MAIN(TestReconciliationRepository)
#include "tst_reconciliationrepository.moc"
