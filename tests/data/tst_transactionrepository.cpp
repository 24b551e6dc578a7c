#include "LedgerFixture.h"
#include "TempDatabase.h"
#include "TestMain.h"

#include "data/Clock.h"
#include "data/TransactionRepository.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlQuery>

using namespace LedgerFixture;

namespace {

const QString kAccount = QStringLiteral("acc-1");
const QString kOther = QStringLiteral("acc-2");

// Compares every stored field of two records.
void compareRecords(const Transaction& actual, const Transaction& expected)
{
    QCOMPARE(actual.id, expected.id);
    QCOMPARE(actual.accountId, expected.accountId);
    QCOMPARE(actual.date, expected.date);
    QCOMPARE(actual.payee, expected.payee);
    QCOMPARE(actual.memo, expected.memo);
    QCOMPARE(actual.amount, expected.amount);
    QCOMPARE(actual.categoryId, expected.categoryId);
    QCOMPARE(actual.checkNumber, expected.checkNumber);
    QCOMPARE(actual.cleared, expected.cleared);
    QCOMPARE(actual.reconciled, expected.reconciled);
    QCOMPARE(actual.transferLinkId, expected.transferLinkId);
    QCOMPARE(actual.transferDestAccountId, expected.transferDestAccountId);
    QCOMPARE(actual.isSplit, expected.isSplit);
    QCOMPARE(actual.recurringId, expected.recurringId);
    QCOMPARE(actual.version, expected.version);
    QCOMPARE(actual.syncStatus, expected.syncStatus);
    QCOMPARE(actual.serverId, expected.serverId);
    QCOMPARE(actual.createdAt, expected.createdAt);
    QCOMPARE(actual.updatedAt, expected.updatedAt);
    QCOMPARE(actual.deletedAt.has_value(), expected.deletedAt.has_value());
    if (actual.deletedAt)
        QCOMPARE(*actual.deletedAt, *expected.deletedAt);
}

QStringList idsOf(const QList<Transaction>& list)
{
    QStringList ids;
    for (const Transaction& t : list)
        ids.append(t.id);
    return ids;
}

QString column(TempDatabase& db, const char* name, const QString& id)
{
    const QVariant value = db.scalar(QStringLiteral("SELECT %1 FROM transactions WHERE id = ?").arg(QLatin1String(name)), {id});
    return value.isNull() ? QStringLiteral("<NULL>") : value.toString();
}

} // namespace

class TestTransactionRepository : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void insertKeepsEveryField();
    void insertStoresTheLedgerTextForms();
    void insertFailuresLogAndEmitNothing_data();
    void insertFailuresLogAndEmitNothing();
    void updateWritesWhatItIsGiven();
    void updateFailureLogs();
    void lookupsFilterAndOrder();
    void lastByPayeeMatchesExactly();
    void mappingReadsLooseStoredForms();
    void softDeleteKeepsTheRowForSync();
    void deletionCascadesByAccount();
    void syncMarks();
    void serverDeletionTouchesNothingElse();
    void bulkWriteAnnouncesEachAccountOnceAtTheEnd();
    void bulkWriteInsertsSurviveAFailedRow();

private:
    std::unique_ptr<TempDatabase> m_db;
    std::unique_ptr<TransactionRepository> m_repo;
};

void TestTransactionRepository::init()
{
    Clock::setFixedNow(fixedNow());
    m_db = std::make_unique<TempDatabase>();
    QVERIFY(m_db->isReady());
    QVERIFY(addAccount(*m_db, kAccount));
    QVERIFY(addAccount(*m_db, kOther));
    QVERIFY(addCategory(*m_db, QStringLiteral("cat-food"), QStringLiteral("Food")));
    m_repo = std::make_unique<TransactionRepository>(m_db->database());
}

void TestTransactionRepository::cleanup()
{
    m_repo.reset();
    m_db.reset();
    Clock::reset();
}

void TestTransactionRepository::insertKeepsEveryField()
{
    Transaction t = newTransaction(kAccount, QDate(2024, 2, 29), QStringLiteral("Café Ünïcode"), -123456);
    t.memo = QStringLiteral("memo text");
    t.categoryId = QStringLiteral("cat-food");
    t.checkNumber = QStringLiteral("1042");
    t.cleared = true;
    t.reconciled = true;
    t.transferLinkId = QStringLiteral("link-id");
    t.transferDestAccountId = kOther;
    t.isSplit = true;
    t.recurringId = QStringLiteral("rec-1");
    t.version = 7;
    t.syncStatus = SyncStatus::Conflict;
    t.serverId = QStringLiteral("srv-9");
    t.updatedAt = fixedNow().addSecs(30);

    QSignalSpy changed(m_repo.get(), &TransactionRepository::transactionsChanged);
    QVERIFY(m_repo->insert(t));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toString(), kAccount);

    const std::optional<Transaction> found = m_repo->findById(t.id);
    QVERIFY(found);
    compareRecords(*found, t);
}

void TestTransactionRepository::insertStoresTheLedgerTextForms()
{
    // A record with only what the table requires: no category, texts never set.
    Transaction bare;
    bare.id = QStringLiteral("bare");
    bare.accountId = kAccount;
    bare.date = QDate(2024, 1, 9);
    bare.createdAt = fixedNow();
    bare.updatedAt = fixedNow();
    QVERIFY(m_repo->insert(bare));

    QCOMPARE(column(*m_db, "date", bare.id), QStringLiteral("2024-01-09"));
    QCOMPARE(column(*m_db, "created_at", bare.id), QStringLiteral("2024-03-05T14:07:09Z"));
    QCOMPARE(column(*m_db, "category_id", bare.id), QStringLiteral("<NULL>"));
    // Unset texts are stored as text: a payee never typed does not break NOT NULL.
    QCOMPARE(column(*m_db, "payee", bare.id), QString());
    QCOMPARE(column(*m_db, "memo", bare.id), QString());
    QCOMPARE(column(*m_db, "cleared", bare.id), QStringLiteral("0"));
    QCOMPARE(column(*m_db, "sync_status", bare.id), QStringLiteral("pending"));
    QCOMPARE(column(*m_db, "version", bare.id), QStringLiteral("1"));
    QCOMPARE(column(*m_db, "deleted_at", bare.id), QStringLiteral("<NULL>"));

    const std::optional<Transaction> found = m_repo->findById(bare.id);
    QVERIFY(found);
    QVERIFY(found->categoryId.isEmpty());
    QVERIFY(!found->deletedAt);
}

void TestTransactionRepository::insertFailuresLogAndEmitNothing_data()
{
    QTest::addColumn<QString>("accountId");
    QTest::addColumn<QString>("categoryId");
    QTest::addColumn<bool>("withCreatedAt");
    QTest::addColumn<bool>("duplicateId");

    QTest::newRow("createdAt never set") << kAccount << QString() << false << false;
    QTest::newRow("account names no row") << QStringLiteral("nowhere") << QString() << true << false;
    QTest::newRow("category names no row") << kAccount << QStringLiteral("nothing") << true << false;
    QTest::newRow("duplicate id") << kAccount << QString() << true << true;
}

void TestTransactionRepository::insertFailuresLogAndEmitNothing()
{
    QFETCH(QString, accountId);
    QFETCH(QString, categoryId);
    QFETCH(bool, withCreatedAt);
    QFETCH(bool, duplicateId);

    Transaction t = newTransaction(accountId, QDate(2024, 1, 2), QStringLiteral("Payee"), 100);
    t.categoryId = categoryId;
    if (!withCreatedAt)
        t.createdAt = QDateTime();
    if (duplicateId) {
        Transaction first = newTransaction(kAccount, QDate(2024, 1, 1), QStringLiteral("First"), 5);
        first.id = t.id;
        QVERIFY(m_repo->insert(first));
    }

    QSignalSpy changed(m_repo.get(), &TransactionRepository::transactionsChanged);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^TransactionRepository::insert failed: .+")));
    QVERIFY(!m_repo->insert(t));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE payee = 'Payee'")).toInt(), 0);
}

void TestTransactionRepository::updateWritesWhatItIsGiven()
{
    Transaction t = newTransaction(kAccount, QDate(2024, 1, 2), QStringLiteral("Old payee"), -500);
    QVERIFY(m_repo->insert(t));

    Transaction edited = t;
    edited.accountId = kOther;                  // never moves the row
    edited.createdAt = fixedNow().addDays(-9);  // never rewrites creation
    edited.date = QDate(2024, 1, 3);
    edited.payee = QStringLiteral("New payee");
    edited.memo = QStringLiteral("note");
    edited.amount = -750;
    edited.categoryId = QStringLiteral("cat-food");
    edited.checkNumber = QStringLiteral("77");
    edited.cleared = true;
    edited.isSplit = true;
    edited.version = 5;
    edited.syncStatus = SyncStatus::Synced;
    edited.serverId = QStringLiteral("srv");
    edited.updatedAt = fixedNow().addSecs(600);

    QSignalSpy changed(m_repo.get(), &TransactionRepository::transactionsChanged);
    QVERIFY(m_repo->update(edited));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toString(), kOther); // the record's account, as given

    Transaction expected = edited;
    expected.accountId = kAccount;
    expected.createdAt = t.createdAt;
    compareRecords(*m_repo->findById(t.id), expected);

    // Clearing the category stores NULL again.
    edited.categoryId.clear();
    QVERIFY(m_repo->update(edited));
    QCOMPARE(column(*m_db, "category_id", t.id), QStringLiteral("<NULL>"));

    // An id that names no row changes nothing but still counts as done.
    Transaction ghost = newTransaction(kAccount, QDate(2024, 1, 1), QStringLiteral("Ghost"), 1);
    QVERIFY(m_repo->update(ghost));
    QVERIFY(!m_repo->findById(ghost.id));
}

void TestTransactionRepository::updateFailureLogs()
{
    Transaction t = newTransaction(kAccount, QDate(2024, 1, 2), QStringLiteral("Payee"), -500);
    QVERIFY(m_repo->insert(t));
    t.categoryId = QStringLiteral("no-such-category");
    QSignalSpy changed(m_repo.get(), &TransactionRepository::transactionsChanged);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^TransactionRepository::update failed: .+")));
    QVERIFY(!m_repo->update(t));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(column(*m_db, "category_id", t.id), QStringLiteral("<NULL>"));
}

void TestTransactionRepository::lookupsFilterAndOrder()
{
    Transaction older = newTransaction(kAccount, QDate(2024, 1, 5), QStringLiteral("A"), 1);
    Transaction sameDayEarly = newTransaction(kAccount, QDate(2024, 2, 1), QStringLiteral("B"), 2);
    Transaction sameDayLate = newTransaction(kAccount, QDate(2024, 2, 1), QStringLiteral("C"), 3);
    sameDayLate.createdAt = fixedNow().addSecs(1);
    Transaction reconciled = newTransaction(kAccount, QDate(2023, 12, 1), QStringLiteral("D"), 4);
    reconciled.reconciled = true;
    Transaction deleted = newTransaction(kAccount, QDate(2024, 3, 1), QStringLiteral("E"), 5);
    Transaction elsewhere = newTransaction(kOther, QDate(2024, 1, 1), QStringLiteral("F"), 6);
    // Inserted out of order, so that table order cannot pass for the sort.
    for (const Transaction& t : {sameDayLate, older, deleted, sameDayEarly, reconciled, elsewhere})
        QVERIFY(m_repo->insert(t));
    QVERIFY(m_repo->softDelete(deleted.id));

    QCOMPARE(idsOf(m_repo->listByAccount(kAccount)),
             QStringList({sameDayLate.id, sameDayEarly.id, older.id, reconciled.id}));
    QCOMPARE(idsOf(m_repo->listUnreconciled(kAccount)), QStringList({older.id, sameDayEarly.id, sameDayLate.id}));
    QVERIFY(m_repo->listByAccount(QStringLiteral("nowhere")).isEmpty());
    QVERIFY(!m_repo->findById(QStringLiteral("nothing")));

    QVERIFY(m_repo->markSynced(older.id, QStringLiteral("s1")));
    QStringList pending = idsOf(m_repo->listPending());
    pending.sort();
    QStringList expected{sameDayLate.id, sameDayEarly.id, reconciled.id, deleted.id, elsewhere.id};
    expected.sort();
    QCOMPARE(pending, expected);
}

void TestTransactionRepository::lastByPayeeMatchesExactly()
{
    Transaction first = newTransaction(kAccount, QDate(2024, 1, 5), QStringLiteral("Grocer"), -100);
    Transaction latest = newTransaction(kAccount, QDate(2024, 2, 5), QStringLiteral("Grocer"), -200);
    Transaction deleted = newTransaction(kAccount, QDate(2024, 3, 5), QStringLiteral("Grocer"), -300);
    Transaction elsewhere = newTransaction(kOther, QDate(2024, 4, 5), QStringLiteral("Grocer"), -400);
    for (const Transaction& t : {first, latest, deleted, elsewhere})
        QVERIFY(m_repo->insert(t));
    QVERIFY(m_repo->softDelete(deleted.id));

    const std::optional<Transaction> found = m_repo->lastByPayee(QStringLiteral("Grocer"), kAccount);
    QVERIFY(found);
    QCOMPARE(found->id, latest.id);
    QVERIFY(!m_repo->lastByPayee(QStringLiteral("grocer"), kAccount));
    QVERIFY(!m_repo->lastByPayee(QStringLiteral("Groc"), kAccount));
}

void TestTransactionRepository::mappingReadsLooseStoredForms()
{
    // Rows written by older builds or other writers: NULL texts, an unknown
    // status, an empty deletion time and a timestamp with an offset.
    QVERIFY(m_db->exec(QStringLiteral(
        "INSERT INTO transactions (id, account_id, date, payee, memo, amount, check_number, cleared, version, "
        "sync_status, created_at, updated_at, deleted_at) VALUES ('loose', ?, '2024-01-02', 'P', NULL, 9, NULL, 5, "
        "3, 'weird', '2024-03-05T16:07:09.500+02:00', '2024-03-05T14:07:09Z', '')"),
                       {kAccount}));
    const std::optional<Transaction> t = m_repo->findById(QStringLiteral("loose"));
    QVERIFY(t);
    QVERIFY(t->memo.isEmpty());
    QVERIFY(t->checkNumber.isEmpty());
    QVERIFY(t->cleared); // any non-zero flag is set
    QCOMPARE(t->syncStatus, SyncStatus::Pending);
    QCOMPARE(t->createdAt, fixedNow().addMSecs(500));
    QVERIFY(!t->deletedAt);
    QCOMPARE(t->version, 3);
}

void TestTransactionRepository::softDeleteKeepsTheRowForSync()
{
    QSignalSpy changed(m_repo.get(), &TransactionRepository::transactionsChanged);
    QVERIFY(!m_repo->softDelete(QStringLiteral("does-not-exist")));
    QCOMPARE(changed.count(), 0);

    Transaction t = newTransaction(kAccount, QDate(2024, 1, 2), QStringLiteral("Payee"), -500);
    t.syncStatus = SyncStatus::Synced;
    t.version = 2;
    QVERIFY(m_repo->insert(t));
    changed.clear();

    Clock::setFixedNow(fixedNow().addSecs(3600));
    QVERIFY(m_repo->softDelete(t.id));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toString(), kAccount);

    const std::optional<Transaction> found = m_repo->findById(t.id);
    QVERIFY(found);
    QVERIFY(found->deletedAt);
    QCOMPARE(*found->deletedAt, fixedNow().addSecs(3600));
    QCOMPARE(found->updatedAt, *found->deletedAt);
    QCOMPARE(found->version, 3);
    QCOMPARE(found->syncStatus, SyncStatus::Pending);
    QVERIFY(m_repo->listByAccount(kAccount).isEmpty());
    QCOMPARE(idsOf(m_repo->listPending()), QStringList{t.id});
}

void TestTransactionRepository::deletionCascadesByAccount()
{
    Transaction lone = newTransaction(kAccount, QDate(2024, 1, 1), QStringLiteral("Deleted alone"), 1);
    Transaction a = newTransaction(kAccount, QDate(2024, 1, 2), QStringLiteral("A"), 2);
    Transaction b = newTransaction(kAccount, QDate(2024, 1, 3), QStringLiteral("B"), 3);
    Transaction other = newTransaction(kOther, QDate(2024, 1, 4), QStringLiteral("Other"), 4);
    for (const Transaction& t : {lone, a, b, other})
        QVERIFY(m_repo->insert(t));
    QVERIFY(m_repo->softDelete(lone.id)); // the user deleted it an hour before the account

    QSignalSpy changed(m_repo.get(), &TransactionRepository::transactionsChanged);
    const QDateTime accountDeleted = fixedNow().addSecs(3600);
    Clock::setFixedNow(accountDeleted);
    QCOMPARE(m_repo->softDeleteByAccount(kAccount), 2);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toString(), kAccount);
    QCOMPARE(m_repo->findById(a.id)->version, 2);
    QVERIFY(!m_repo->findById(other.id)->deletedAt);

    // Nothing left to delete: no signal.
    QCOMPARE(m_repo->softDeleteByAccount(kAccount), 0);
    QCOMPARE(changed.count(), 1);

    // A threshold after the account's deletion brings nothing back.
    QCOMPARE(m_repo->restoreByAccount(kAccount, SqlValues::timestampText(accountDeleted.addSecs(1))), 0);
    QCOMPARE(changed.count(), 1);

    Clock::setFixedNow(accountDeleted.addSecs(120));
    QCOMPARE(m_repo->restoreByAccount(kAccount, SqlValues::timestampText(accountDeleted.addSecs(-10))), 2);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(idsOf(m_repo->listByAccount(kAccount)), QStringList({b.id, a.id}));
    const Transaction restored = *m_repo->findById(a.id);
    QCOMPARE(restored.version, 3);
    QCOMPARE(restored.syncStatus, SyncStatus::Pending);
    QCOMPARE(restored.updatedAt, accountDeleted.addSecs(120));
    // Deleted on its own before the account went: stays deleted.
    QVERIFY(m_repo->findById(lone.id)->deletedAt);
}

void TestTransactionRepository::syncMarks()
{
    Transaction a = newTransaction(kAccount, QDate(2024, 1, 2), QStringLiteral("A"), 2);
    Transaction b = newTransaction(kOther, QDate(2024, 1, 3), QStringLiteral("B"), 3);
    Transaction gone = newTransaction(kAccount, QDate(2024, 1, 4), QStringLiteral("Gone"), 4);
    for (const Transaction& t : {a, b, gone})
        QVERIFY(m_repo->insert(t));
    QVERIFY(m_repo->softDelete(gone.id));

    QSignalSpy changed(m_repo.get(), &TransactionRepository::transactionsChanged);
    QVERIFY(m_repo->markSynced(a.id, QStringLiteral("srv-a")));
    QVERIFY(m_repo->markSynced(gone.id, QStringLiteral("srv-gone")));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(m_repo->findById(a.id)->syncStatus, SyncStatus::Synced);
    QCOMPARE(m_repo->findById(a.id)->serverId, QStringLiteral("srv-a"));
    QCOMPARE(m_repo->findById(a.id)->version, 1);

    // Only the synced live row goes back to pending; b already is, gone is deleted.
    QCOMPARE(m_repo->markAllPendingForResync(), 1);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toString(), QString());
    QCOMPARE(m_repo->findById(a.id)->syncStatus, SyncStatus::Pending);
    QCOMPARE(m_repo->findById(gone.id)->syncStatus, SyncStatus::Synced);

    QCOMPARE(m_repo->markAllPendingForResync(), 0);
    QCOMPARE(changed.count(), 1);
}

void TestTransactionRepository::serverDeletionTouchesNothingElse()
{
    Transaction t = newTransaction(kAccount, QDate(2024, 1, 2), QStringLiteral("A"), 2);
    t.syncStatus = SyncStatus::Synced;
    t.version = 4;
    QVERIFY(m_repo->insert(t));

    QSignalSpy changed(m_repo.get(), &TransactionRepository::transactionsChanged);
    const QDateTime when(QDate(2024, 2, 1), QTime(8, 30), QTimeZone::utc());
    QVERIFY(m_repo->applyServerDeletion(t.id, when, kAccount));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toString(), kAccount);
    Transaction found = *m_repo->findById(t.id);
    QCOMPARE(*found.deletedAt, when);
    QCOMPARE(found.version, 4);
    QCOMPARE(found.syncStatus, SyncStatus::Synced);
    QCOMPARE(found.updatedAt, t.updatedAt);

    // No time makes it live again, still without a push of its own.
    QVERIFY(m_repo->applyServerDeletion(t.id, std::nullopt, kAccount));
    found = *m_repo->findById(t.id);
    QVERIFY(!found.deletedAt);
    QCOMPARE(found.version, 4);
    QCOMPARE(found.syncStatus, SyncStatus::Synced);
    QCOMPARE(changed.count(), 2);
}

void TestTransactionRepository::bulkWriteAnnouncesEachAccountOnceAtTheEnd()
{
    QSignalSpy changed(m_repo.get(), &TransactionRepository::transactionsChanged);
    m_repo->beginBulkWrite();
    m_repo->beginBulkWrite(); // an inner unit of work nests
    for (int i = 0; i < 3; ++i)
        QVERIFY(m_repo->insert(newTransaction(kOther, QDate(2024, 1, 2), QStringLiteral("B%1").arg(i), i)));
    const Transaction a = newTransaction(kAccount, QDate(2024, 1, 3), QStringLiteral("A"), 7);
    QVERIFY(m_repo->insert(a));
    Transaction edited = a;
    edited.memo = QStringLiteral("edited");
    QVERIFY(m_repo->update(edited));
    m_repo->endBulkWrite();
    QCOMPARE(changed.count(), 0);
    QCOMPARE(m_repo->markAllPendingForResync(), 0);
    QVERIFY(m_repo->markSynced(a.id, QStringLiteral("srv-a")));
    QCOMPARE(m_repo->markAllPendingForResync(), 1);
    QCOMPARE(changed.count(), 0);

    m_repo->endBulkWrite();
    QCOMPARE(changed.count(), 3);
    QCOMPARE(changed.at(0).at(0).toString(), kOther);
    QCOMPARE(changed.at(1).at(0).toString(), kAccount);
    QCOMPARE(changed.at(2).at(0).toString(), QString());
    QCOMPARE(m_repo->listByAccount(kOther).size(), 3);
    QCOMPARE(m_repo->findById(a.id)->memo, QStringLiteral("edited"));

    // Afterwards, and after an unbalanced end, every write announces itself again.
    m_repo->endBulkWrite();
    QVERIFY(m_repo->insert(newTransaction(kAccount, QDate(2024, 1, 4), QStringLiteral("C"), 1)));
    QCOMPARE(changed.count(), 4);
}

void TestTransactionRepository::bulkWriteInsertsSurviveAFailedRow()
{
    // A bulk write reuses one prepared insert: a row the table refuses must not
    // spoil the rows after it.
    const Transaction first = newTransaction(kAccount, QDate(2024, 1, 2), QStringLiteral("First"), 1);
    Transaction clash = newTransaction(kAccount, QDate(2024, 1, 3), QStringLiteral("Clash"), 2);
    clash.id = first.id;
    Transaction third = newTransaction(kAccount, QDate(2024, 1, 4), QStringLiteral("Third"), 3);
    third.categoryId = QStringLiteral("cat-food");
    third.memo = QStringLiteral("memo");

    m_repo->beginBulkWrite();
    QVERIFY(m_repo->insert(first));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^TransactionRepository::insert failed: .+")));
    QVERIFY(!m_repo->insert(clash));
    QVERIFY(m_repo->insert(third));
    m_repo->endBulkWrite();

    compareRecords(*m_repo->findById(first.id), first);
    compareRecords(*m_repo->findById(third.id), third);
    QCOMPARE(m_repo->listByAccount(kAccount).size(), 2);
}

VELLUMRY_TEST_GUILESS_MAIN(TestTransactionRepository)
#include "tst_transactionrepository.moc"
