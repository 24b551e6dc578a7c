#include "LedgerFixture.h"
#include "TestMain.h"

#include "data/ReconciliationRepository.h"

#include <QRegularExpression>

using namespace LedgerFixture;

namespace {

const QDateTime kCompleted(QDate(2024, 2, 3), QTime(9, 15), QTimeZone::utc());

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

QString describe(const Reconciliation& r)
{
    return LedgerFixture::describe(r, r.id, r.accountId, r.statementDate, r.statementBalance, r.reconciledBalance,
                                   stamp(r.completedAt));
}

} // namespace

class TestReconciliationRepository : public QObject
{
    Q_OBJECT

private slots:
    void init() { m.emplace(); QVERIFY(m->ready); }
    void cleanup() { m.reset(); }

    void insertAndUpdateRoundTrip();
    void insertFillsTimesAndRefusesBrokenRecords();
    void listsAndLatest();
    void deleteAndRestoreWithTheAccount();
    void syncOperations();

private:
    std::optional<RepositoryLedger<ReconciliationRepository>> m;
};

void TestReconciliationRepository::insertAndUpdateRoundTrip()
{
    QSignalSpy changed(&m->repo, &ReconciliationRepository::reconciliationsChanged);
    Reconciliation reconciliation = makeReconciliation(QStringLiteral("r1"), QStringLiteral("acc"), QDate(2024, 1, 31));
    reconciliation.statementBalance = -9007199254740993LL; // beyond a double's exact range
    reconciliation.version = 2;
    reconciliation.syncStatus = SyncStatus::Synced;
    reconciliation.serverId = QStringLiteral("srv-1");
    QVERIFY(m->repo.insert(reconciliation));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(describe(*m->repo.findById(QStringLiteral("r1"))), describe(reconciliation));
    QCOMPARE(m->db.scalar(QStringLiteral("SELECT statement_date || ' ' || completed_at FROM reconciliations")).toString(),
             QStringLiteral("2024-01-31 2024-02-03T09:15:00Z"));
    QVERIFY(!m->repo.findById(QStringLiteral("r2")).has_value());

    // A pulled record overwrites everything but its creation and deletion times.
    Reconciliation pulled = reconciliation;
    pulled.accountId = QStringLiteral("other");
    pulled.statementDate = QDate(2024, 2, 1);
    pulled.statementBalance = 1;
    pulled.reconciledBalance = 2;
    pulled.completedAt = fixedNow();
    pulled.version = 7;
    pulled.serverId = QStringLiteral("srv");
    pulled.updatedAt = fixedNow().addDays(-1);
    pulled.createdAt = fixedNow();
    pulled.deletedAt = fixedNow();
    QVERIFY(m->repo.update(pulled));
    QCOMPARE(changed.count(), 2);
    pulled.createdAt = kCompleted;
    pulled.deletedAt.reset();
    QCOMPARE(describe(*m->repo.findById(QStringLiteral("r1"))), describe(pulled));

    // updated_at is NOT NULL and is not filled in here: the pull always has one.
    pulled.updatedAt = QDateTime();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^ReconciliationRepository::update failed: ")));
    QVERIFY(!m->repo.update(pulled));
    QCOMPARE(changed.count(), 2);
}

void TestReconciliationRepository::insertFillsTimesAndRefusesBrokenRecords()
{
    Reconciliation fresh = makeReconciliation(QStringLiteral("r1"), QStringLiteral("acc"), QDate(2024, 2, 29));
    fresh.createdAt = QDateTime();
    QVERIFY(m->repo.insert(fresh));
    QCOMPARE(m->repo.findById(QStringLiteral("r1"))->createdAt, fixedNow());
    QCOMPARE(m->repo.findById(QStringLiteral("r1"))->updatedAt, kCompleted);

    fresh.id = QStringLiteral("r2");
    fresh.updatedAt = QDateTime();
    QVERIFY(m->repo.insert(fresh));
    QCOMPARE(m->repo.findById(QStringLiteral("r2"))->createdAt, fixedNow());
    QCOMPARE(m->repo.findById(QStringLiteral("r2"))->updatedAt, fixedNow());

    // An unknown account, no statement date or no completion time are refused.
    QSignalSpy changed(&m->repo, &ReconciliationRepository::reconciliationsChanged);
    const QRegularExpression failed(QStringLiteral("^ReconciliationRepository::insert failed: "));
    Reconciliation unfinished = makeReconciliation(QStringLiteral("r5"), QStringLiteral("acc"), QDate(2024, 1, 31));
    unfinished.completedAt = QDateTime();
    for (const Reconciliation& broken :
         {makeReconciliation(QStringLiteral("r3"), QStringLiteral("no-such-account"), QDate(2024, 1, 31)),
          makeReconciliation(QStringLiteral("r4"), QStringLiteral("acc"), QDate()), unfinished}) {
        QTest::ignoreMessage(QtWarningMsg, failed);
        QVERIFY(!m->repo.insert(broken));
    }
    QCOMPARE(changed.count(), 0);
    QCOMPARE(m->db.scalar(QStringLiteral("SELECT COUNT(*) FROM reconciliations")).toInt(), 2);
}

void TestReconciliationRepository::listsAndLatest()
{
    QVERIFY(!m->repo.latestForAccount(QStringLiteral("acc")).has_value());
    QVERIFY(m->repo.insert(makeReconciliation(QStringLiteral("jan"), QStringLiteral("acc"), QDate(2024, 1, 31))));
    QVERIFY(m->repo.insert(makeReconciliation(QStringLiteral("mar"), QStringLiteral("acc"), QDate(2024, 3, 31))));
    QVERIFY(m->repo.insert(makeReconciliation(QStringLiteral("feb"), QStringLiteral("acc"), QDate(2024, 2, 29))));
    QVERIFY(m->repo.insert(makeReconciliation(QStringLiteral("apr"), QStringLiteral("other"), QDate(2024, 4, 30))));
    QCOMPARE(idsOf(m->repo.listByAccount(QStringLiteral("acc"))), (QStringList{"mar", "feb", "jan"}));
    QCOMPARE(m->repo.latestForAccount(QStringLiteral("acc"))->id, QStringLiteral("mar"));

    // A deleted reconciliation, however recent, is never the one to continue from.
    QVERIFY(applyServerDeletion(m->repo, QStringLiteral("mar"), fixedNow()));
    QCOMPARE(m->repo.latestForAccount(QStringLiteral("acc"))->id, QStringLiteral("feb"));
    QCOMPARE(idsOf(m->repo.listByAccount(QStringLiteral("acc"))), (QStringList{"feb", "jan"}));
    QCOMPARE(m->repo.softDeleteByAccount(QStringLiteral("acc")), 2);
    QVERIFY(!m->repo.latestForAccount(QStringLiteral("acc")).has_value());
}

void TestReconciliationRepository::deleteAndRestoreWithTheAccount()
{
    for (const char* id : {"x1", "x2", "early"})
        QVERIFY(m->repo.insert(makeReconciliation(QLatin1String(id), QStringLiteral("acc"), QDate(2024, 1, 31))));
    QVERIFY(m->repo.insert(makeReconciliation(QStringLiteral("keep"), QStringLiteral("other"), QDate(2024, 2, 29))));
    checkAccountCascade(m->db, "reconciliations", m->repo, &ReconciliationRepository::reconciliationsChanged);
}

void TestReconciliationRepository::syncOperations()
{
    QVERIFY(m->repo.insert(makeReconciliation(QStringLiteral("a"), QStringLiteral("acc"), QDate(2024, 1, 31))));
    QVERIFY(m->repo.insert(makeReconciliation(QStringLiteral("b"), QStringLiteral("acc"), QDate(2024, 2, 29))));
    checkSyncOperations(m->repo, &ReconciliationRepository::reconciliationsChanged);
}

VELLUMRY_TEST_GUILESS_MAIN(TestReconciliationRepository)
#include "tst_reconciliationrepository.moc"
