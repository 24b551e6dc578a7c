#include "SyncTestSupport.h"
#include "TestMain.h"

#include "data/SqlValues.h"
#include "sync/SyncRecords.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QUuid>

using namespace SyncTest;

namespace {

const QString kCursorKey = QStringLiteral("syncCursor");

// A server record: what a push sent, with the server's id (and version).
QJsonObject record(QJsonObject payload, const QString& serverId, int version = -1)
{
    payload.remove(QStringLiteral("server_id"));
    payload.insert(QStringLiteral("id"), serverId);
    if (version >= 0)
        payload.insert(QStringLiteral("version"), version);
    return payload;
}

QJsonObject page(const QString& key, const QJsonArray& records, const QString& cursor = QString(),
                 bool hasMore = false)
{
    QJsonObject page{{key, records}, {QStringLiteral("has_more"), hasMore}};
    if (!cursor.isEmpty())
        page.insert(QStringLiteral("cursor"), cursor);
    return page;
}

QStringList sortedLines(const QList<SplitLine>& lines, QStringList* ids = nullptr)
{
    QStringList keys;
    for (const SplitLine& line : lines) {
        keys.append(QStringLiteral("%1 %2 %3").arg(line.categoryId).arg(line.amount).arg(line.memo));
        if (ids)
            ids->append(line.id);
    }
    keys.sort();
    return keys;
}

} // namespace

// The second half of a run: pages after the cursor, and what each record does.
class TestSyncPull : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstRequestCarriesOnlyTheLimit();
    void fiftyPagesAtMostPerRun();
    void morePagesWithoutMovingOnIsAnError_data();
    void morePagesWithoutMovingOnIsAnError();
    void recurringArrayAndItsOlderName();
    void integrityOnlyWarns();
    void cursorBelongsToTheSignedInUser();

    void newerRecordOverwritesTheRow();
    void olderRecordLeavesTheRowPending();
    void deletionAgainstTheLocalRow_data();
    void deletionAgainstTheLocalRow();
    void deletedRecordsWithoutALocalRow();
    void reconciliationDeletedElsewhere();
    void brokenDatesAreSkipped_data();
    void brokenDatesAreSkipped();
    void recurringScheduleNumbersStay();
    void splitLinesAreRewritten();
    void rowFoundByServerId();
    void unchangedRecordsAreNotWritten();

    void parentsBeforeChildren();
    void transactionBeforeItsAccount();
    void splitLineWithoutCategoryWaits();

private:
    Device* device() const { return m_world->device.get(); }
    FakeServices* services() const { return m_world->services(); }
    QList<FakeRequest> pulls() const { return m_world->http()->requestsTo(m_world->fake()->pullPath()); }
    // A local account and a synced transaction in it, as after an earlier sync.
    Transaction syncedTransaction(int version = 1);
    QString m_accountId;

    std::unique_ptr<OneDevice> m_world;
};

void TestSyncPull::init()
{
    m_world = std::make_unique<OneDevice>();
    QVERIFY(m_world->isReady());
    Account account = newAccount(QStringLiteral("Checking"));
    account.syncStatus = SyncStatus::Synced;
    m_accountId = account.id;
    QVERIFY(device()->accounts->insert(account));
    device()->debounceTimer()->stop();
}

void TestSyncPull::cleanup()
{
    m_world.reset();
}

Transaction TestSyncPull::syncedTransaction(int version)
{
    Transaction transaction = newTransaction(m_accountId, QStringLiteral("Local"), -100);
    transaction.version = version;
    transaction.syncStatus = SyncStatus::Synced;
    transaction.serverId = QStringLiteral("srv-") + transaction.id;
    device()->transactions->insert(transaction);
    device()->debounceTimer()->stop();
    return transaction;
}

void TestSyncPull::firstRequestCarriesOnlyTheLimit()
{
    QVERIFY(device()->sync());
    QCOMPARE(pulls().first().query.queryItems(),
             (QList<QPair<QString, QString>>{{QStringLiteral("limit"), QStringLiteral("200")}}));
    QVERIFY(device()->engine->isPullCaughtUp());
    const QString cursor = device()->preferences->getString(kCursorKey);
    QVERIFY(!cursor.isEmpty());
    QVERIFY(device()->sync());
    QCOMPARE(pulls().last().query.queryItems(),
             (QList<QPair<QString, QString>>{{QStringLiteral("cursor"), cursor}, {QStringLiteral("limit"), QStringLiteral("200")}}));
}

void TestSyncPull::fiftyPagesAtMostPerRun()
{
    QVERIFY(device()->sync());
    for (int i = 1; i <= 50; ++i)
        servePage(services(), page(SyncRecords::kAccountsKey, {}, QStringLiteral("c%1").arg(i), true));
    QSignalSpy completed(device()->engine, &SyncEngine::syncCompleted);
    m_world->http()->clearRequests();
    QVERIFY(device()->sync());
    QCOMPARE(completed.count(), 1);
    QCOMPARE(pulls().size(), 50);
    QVERIFY(!device()->engine->isPullCaughtUp());
    QCOMPARE(device()->preferences->getString(kCursorKey), QStringLiteral("c50"));

    // The next run goes on from there.
    m_world->http()->clearRequests();
    servePage(services(), page(SyncRecords::kAccountsKey, {}, QStringLiteral("c51"), false));
    QVERIFY(device()->sync());
    QCOMPARE(pulls().size(), 1);
    QCOMPARE(pulls().first().query.queryItemValue(QStringLiteral("cursor")), QStringLiteral("c50"));
    QVERIFY(device()->engine->isPullCaughtUp());
}

void TestSyncPull::morePagesWithoutMovingOnIsAnError_data()
{
    QTest::addColumn<bool>("sameCursor");
    QTest::newRow("no cursor") << false;
    QTest::newRow("the same cursor") << true;
}

void TestSyncPull::morePagesWithoutMovingOnIsAnError()
{
    QFETCH(bool, sameCursor);
    QVERIFY(device()->sync());
    const QString stored = device()->preferences->getString(kCursorKey);
    Account remote = newAccount(QStringLiteral("Arrived"));
    servePage(services(),
              page(SyncRecords::kAccountsKey, {record(SyncRecords::accountPayload(remote), QStringLiteral("srv-r"))},
                   sameCursor ? stored : QString(), true));
    m_world->http()->clearRequests();
    QVERIFY(!device()->sync());
    QCOMPARE(device()->engine->lastError(), QStringLiteral("Pull failed: the server did not move past page 1"));
    QCOMPARE(pulls().size(), 1);
    // The page itself is good and stays applied; the cursor stays where it was.
    QVERIFY(device()->accounts->findById(remote.id).has_value());
    QCOMPARE(device()->preferences->getString(kCursorKey), stored);
}

void TestSyncPull::recurringArrayAndItsOlderName()
{
    const RecurringTransaction current = newRecurring(m_accountId, QStringLiteral("Current key"), -1);
    const RecurringTransaction older = newRecurring(m_accountId, QStringLiteral("Older key"), -2);
    QJsonObject both = page(SyncRecords::kRecurringKey, {record(SyncRecords::recurringPayload(current), "s1")});
    both.insert(SyncRecords::kRecurringFallbackKey, QJsonArray{record(SyncRecords::recurringPayload(older), "s2")});
    servePage(services(), both);
    QVERIFY(device()->sync());
    QVERIFY(device()->recurring->findById(current.id).has_value());
    QVERIFY(!device()->recurring->findById(older.id).has_value());

    // Only the older name: it is read.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("not an object")));
    servePage(services(), page(SyncRecords::kRecurringFallbackKey,
                               {record(SyncRecords::recurringPayload(older), "s2"), QStringLiteral("junk")}));
    QVERIFY(device()->sync());
    QVERIFY(device()->recurring->findById(older.id).has_value());
}

void TestSyncPull::integrityOnlyWarns()
{
    for (int i = 0; i < 38; ++i)
        QVERIFY(device()->categories->insert(newCategory(QStringLiteral("Category %1").arg(i))));
    QJsonObject withCount = page(SyncRecords::kAccountsKey, {});
    withCount.insert(QStringLiteral("integrity"), QJsonObject{{QStringLiteral("category_count"), 40}});
    servePage(services(), withCount);
    QTest::ignoreMessage(QtWarningMsg, "Fewer categories locally than the server has: local=38 server=40 "
                                       "(informational only — use Force Full Sync if data appears wrong)");
    QVERIFY(device()->sync());

    withCount.insert(QStringLiteral("integrity"), QJsonObject{{QStringLiteral("category_count"), 0}});
    servePage(services(), withCount);
    QTest::failOnWarning(QRegularExpression(QStringLiteral("Fewer categories")));
    QVERIFY(device()->sync());
    QCOMPARE(device()->categories->countLive(), 38);
}

void TestSyncPull::cursorBelongsToTheSignedInUser()
{
    QVERIFY(device()->sync());
    const QString adaCursor = device()->preferences->getString(kCursorKey);
    QCOMPARE(device()->preferences->getString(SyncEngine::kCursorUserKey), m_world->world->userId);

    // Bob signs in on this ledger; his account waits at the server.
    FakeAuthService* auth = services()->auth();
    const QString bob = auth->addUser(QStringLiteral("bob@example.test"), QStringLiteral("Bob"));
    Account bobs = newAccount(QStringLiteral("Bob's"));
    m_world->fake()->putRow(bob, QStringLiteral("account"), bobs.id, 1, SyncRecords::accountPayload(bobs));
    const FakeAuthService::TokenPair pair = auth->signIn(bob);
    device()->client()->tokenManager()->setTokens(pair.accessToken, pair.refreshToken);
    m_world->http()->clearRequests();
    QVERIFY(device()->sync());
    // Ada's cursor would skip Bob's changes (the service refuses it outright).
    QVERIFY(!pulls().first().query.hasQueryItem(QStringLiteral("cursor")));
    QVERIFY(device()->accounts->findById(bobs.id).has_value());
    QCOMPARE(device()->preferences->getString(SyncEngine::kCursorUserKey), bob);
    QVERIFY(device()->preferences->getString(kCursorKey) != adaCursor);

    // And Bob's cursor is his alone again the next time.
    m_world->http()->clearRequests();
    QVERIFY(device()->sync());
    QVERIFY(pulls().first().query.hasQueryItem(QStringLiteral("cursor")));
}

void TestSyncPull::newerRecordOverwritesTheRow()
{
    const Transaction local = syncedTransaction();
    Transaction server = local;
    server.payee = QStringLiteral("Server");
    server.accountId = QStringLiteral("some other account");
    server.createdAt = baseTime().addDays(-30);
    server.cleared = true;
    servePage(services(), page(SyncRecords::kTransactionsKey,
                               {record(SyncRecords::transactionPayload(server, {}), QStringLiteral("srv-9"), 3)}));
    QVERIFY(device()->sync());
    const Transaction stored = *device()->transactions->findById(local.id);
    QCOMPARE(stored.payee, QStringLiteral("Server"));
    QCOMPARE(stored.cleared, true);
    QCOMPARE(stored.version, 3);
    QCOMPARE(stored.syncStatus, SyncStatus::Synced);
    QCOMPARE(stored.serverId, QStringLiteral("srv-9"));
    QCOMPARE(stored.accountId, m_accountId);
    QCOMPARE(stored.createdAt, local.createdAt);
}

void TestSyncPull::olderRecordLeavesTheRowPending()
{
    Transaction local = syncedTransaction(3);
    local.syncStatus = SyncStatus::Pending;
    local.payee = QStringLiteral("Mine");
    QVERIFY(device()->transactions->update(local));
    Transaction server = local;
    server.payee = QStringLiteral("Theirs");
    servePage(services(), page(SyncRecords::kTransactionsKey,
                               {record(SyncRecords::transactionPayload(server, {}), local.serverId, 2)}));
    device()->debounceTimer()->stop();
    QSignalSpy changed(device()->transactions, &TransactionRepository::transactionsChanged);
    // The pending row goes out first; the server's answer leaves it pending.
    m_world->http()->injectFault("POST", m_world->fake()->pushPath(),
                                 FakeFault::respond(FakeResponse::json(200, QJsonObject())), 1);
    QVERIFY(device()->sync());
    const Transaction stored = *device()->transactions->findById(local.id);
    QCOMPARE(stored.payee, QStringLiteral("Mine"));
    QCOMPARE(stored.version, 3);
    QCOMPARE(stored.syncStatus, SyncStatus::Pending);
    QCOMPARE(changed.count(), 0);
}

void TestSyncPull::deletionAgainstTheLocalRow_data()
{
    QTest::addColumn<bool>("localDeleted");
    QTest::addColumn<bool>("serverDeleted");
    QTest::addColumn<int>("serverVersion");
    QTest::addColumn<bool>("expectDeleted");
    QTest::addColumn<int>("expectVersion");
    QTest::addColumn<SyncStatus>("expectStatus");
    // The local row is at version 2 in every case.
    QTest::newRow("deleted there, newer") << false << true << 3 << true << 3 << SyncStatus::Synced;
    QTest::newRow("deleted there, same version") << false << true << 2 << true << 2 << SyncStatus::Synced;
    QTest::newRow("deleted here, live there, newer") << true << false << 3 << false << 3 << SyncStatus::Synced;
    // The deletion stays and goes out again above the server's version.
    QTest::newRow("deleted here, live there, same version") << true << false << 2 << true << 3 << SyncStatus::Pending;
    QTest::newRow("deleted on both") << true << true << 2 << true << 2 << SyncStatus::Synced;
}

void TestSyncPull::deletionAgainstTheLocalRow()
{
    QFETCH(bool, localDeleted);
    QFETCH(bool, serverDeleted);
    QFETCH(int, serverVersion);
    QFETCH(bool, expectDeleted);
    QFETCH(int, expectVersion);
    QFETCH(SyncStatus, expectStatus);

    Transaction local = syncedTransaction(2);
    if (localDeleted)
        QVERIFY(device()->transactions->applyServerDeletion(local.id, baseTime(), m_accountId));
    Transaction server = local;
    server.memo = QStringLiteral("from the server");
    const QDateTime serverDeletion = baseTime().addSecs(3600);
    if (serverDeleted)
        server.deletedAt = serverDeletion;
    servePage(services(), page(SyncRecords::kTransactionsKey,
                               {record(SyncRecords::transactionPayload(server, {}), local.serverId, serverVersion)}));
    QVERIFY(device()->sync());

    const Transaction stored = *device()->transactions->findById(local.id);
    QCOMPARE(stored.deletedAt.has_value(), expectDeleted);
    if (expectDeleted && !localDeleted)
        QCOMPARE(*stored.deletedAt, serverDeletion);
    QCOMPARE(stored.version, expectVersion);
    QCOMPARE(stored.syncStatus, expectStatus);
    QCOMPARE(stored.memo, QStringLiteral("from the server"));
}

void TestSyncPull::deletedRecordsWithoutALocalRow()
{
    Transaction gone = newTransaction(m_accountId, QStringLiteral("Gone"), -1);
    gone.deletedAt = baseTime();
    Category goneCategory = newCategory(QStringLiteral("Old category"));
    goneCategory.deletedAt = baseTime();
    QJsonObject both = page(SyncRecords::kTransactionsKey, {record(SyncRecords::transactionPayload(gone, {}), "s1")});
    both.insert(SyncRecords::kCategoriesKey, QJsonArray{record(SyncRecords::categoryPayload(goneCategory), "s2")});
    servePage(services(), both);
    QVERIFY(device()->sync());
    QVERIFY(!device()->transactions->findById(gone.id).has_value());
    // A category is kept as a deleted row, for rows filed under it elsewhere.
    const std::optional<Category> kept = device()->categories->findById(goneCategory.id);
    QVERIFY(kept.has_value());
    QCOMPARE(kept->deletedAt, std::optional<QDateTime>(baseTime()));
    QCOMPARE(device()->categories->countLive(), 0);
}

void TestSyncPull::reconciliationDeletedElsewhere()
{
    Reconciliation local = newReconciliation(m_accountId, QDate(2024, 2, 29), 5000);
    local.syncStatus = SyncStatus::Synced;
    local.serverId = QStringLiteral("srv-rec");
    QVERIFY(device()->reconciliations->insert(local));
    Reconciliation server = local;
    server.version = 2;
    server.deletedAt = baseTime();
    servePage(services(), page(SyncRecords::kReconciliationsKey,
                               {record(SyncRecords::reconciliationPayload(server), local.serverId)}));
    QVERIFY(device()->sync());
    const Reconciliation stored = *device()->reconciliations->findById(local.id);
    QCOMPARE(stored.deletedAt, std::optional<QDateTime>(baseTime()));
    QCOMPARE(stored.version, 2);
    QVERIFY(device()->reconciliations->listByAccount(m_accountId).isEmpty());
}

void TestSyncPull::brokenDatesAreSkipped_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QDate>("stored");
    QTest::newRow("before 2000") << QStringLiteral("1999-12-31") << QDate();
    QTest::newRow("empty") << QString() << QDate();
    QTest::newRow("day first") << QStringLiteral("31/12/2024") << QDate();
    QTest::newRow("date-time") << QStringLiteral("2024-03-05T10:00:00Z") << QDate(2024, 3, 5);
}

void TestSyncPull::brokenDatesAreSkipped()
{
    QFETCH(QString, date);
    QFETCH(QDate, stored);
    Transaction server = newTransaction(m_accountId, QStringLiteral("Dated"), -1);
    QJsonObject transaction = record(SyncRecords::transactionPayload(server, {}), "s1");
    transaction.insert(QStringLiteral("date"), date);
    Reconciliation reconciliation = newReconciliation(m_accountId, QDate(2024, 1, 31), 0);
    QJsonObject statement = record(SyncRecords::reconciliationPayload(reconciliation), "s2");
    statement.insert(QStringLiteral("statement_date"), date);
    QJsonObject both = page(SyncRecords::kTransactionsKey, {transaction});
    both.insert(SyncRecords::kReconciliationsKey, QJsonArray{statement});
    servePage(services(), both);
    if (!stored.isValid()) {
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("^applyTransactionChange: skipping server record "
                                                               "with broken date: %1 Dated")
                                                    .arg(server.id)));
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("^applyReconciliation: skipping server record with "
                                                               "broken statementDate: %1")
                                                    .arg(reconciliation.id)));
    }
    QVERIFY(device()->sync());
    QCOMPARE(device()->transactions->findById(server.id).has_value(), stored.isValid());
    QCOMPARE(device()->reconciliations->findById(reconciliation.id).has_value(), stored.isValid());
    if (stored.isValid())
        QCOMPARE(device()->transactions->findById(server.id)->date, stored);
}

void TestSyncPull::recurringScheduleNumbersStay()
{
    RecurringTransaction local = newRecurring(m_accountId, QStringLiteral("Gym"), -3000);
    local.intervalCount = 3;
    local.syncStatus = SyncStatus::Synced;
    QVERIFY(device()->recurring->insert(local));
    QJsonObject changed = record(SyncRecords::recurringPayload(local), "s1", 2);
    changed.insert(QStringLiteral("payee"), QStringLiteral("Gym & Spa"));
    changed.remove(QStringLiteral("interval_count"));
    RecurringTransaction fresh = newRecurring(m_accountId, QStringLiteral("New"), -1);
    fresh.intervalCount = 6;
    QJsonObject unknown = record(SyncRecords::recurringPayload(fresh), "s2");
    unknown.remove(QStringLiteral("interval_count"));
    servePage(services(), page(SyncRecords::kRecurringKey, {changed, unknown}));
    QVERIFY(device()->sync());
    const RecurringTransaction stored = *device()->recurring->findById(local.id);
    QCOMPARE(stored.payee, QStringLiteral("Gym & Spa"));
    QCOMPARE(stored.intervalCount, 3);
    QCOMPARE(stored.version, 2);
    QCOMPARE(device()->recurring->findById(fresh.id)->intervalCount, 1);
}

void TestSyncPull::splitLinesAreRewritten()
{
    const Category food = newCategory(QStringLiteral("Food"));
    const Category home = newCategory(QStringLiteral("Home"));
    QVERIFY(device()->categories->insert(food));
    QVERIFY(device()->categories->insert(home));
    Transaction split = newTransaction(m_accountId, QStringLiteral("Market"), -3000);
    split.isSplit = true;
    SplitLine first;
    first.categoryId = food.id;
    first.amount = -1000;
    first.memo = QStringLiteral("bread");
    SplitLine second;
    second.categoryId = home.id;
    second.amount = -2000;
    const QJsonObject asSplit = record(SyncRecords::transactionPayload(split, {first, second}), "s1");
    servePage(services(), page(SyncRecords::kTransactionsKey, {asSplit}));
    QVERIFY(device()->sync());
    QStringList firstIds;
    const QStringList expected = sortedLines({first, second});
    QCOMPARE(sortedLines(device()->splitLines->listByTransaction(split.id), &firstIds), expected);

    // The same lines again, even at a newer version, stay as they are; other
    // lines replace them.
    QJsonObject newer = asSplit;
    newer.insert(QStringLiteral("version"), 2);
    servePage(services(), page(SyncRecords::kTransactionsKey, {asSplit, newer}));
    QVERIFY(device()->sync());
    QCOMPARE(device()->transactions->findById(split.id)->version, 2);
    QStringList sameIds;
    sortedLines(device()->splitLines->listByTransaction(split.id), &sameIds);
    QCOMPARE(sameIds, firstIds);
    second.memo = QStringLiteral("towels");
    QJsonObject otherLines = record(SyncRecords::transactionPayload(split, {first, second}), "s1", 3);
    servePage(services(), page(SyncRecords::kTransactionsKey, {otherLines}));
    QVERIFY(device()->sync());
    QStringList newIds;
    QCOMPARE(sortedLines(device()->splitLines->listByTransaction(split.id), &newIds), sortedLines({first, second}));
    for (const QString& id : std::as_const(newIds))
        QVERIFY(!firstIds.contains(id));

    // No longer split: the lines go.
    QJsonObject whole = otherLines;
    whole.insert(QStringLiteral("version"), 4);
    whole.insert(QStringLiteral("is_split"), false);
    whole.remove(QStringLiteral("split_lines"));
    servePage(services(), page(SyncRecords::kTransactionsKey, {whole}));
    QVERIFY(device()->sync());
    QVERIFY(device()->splitLines->listByTransaction(split.id).isEmpty());
    QCOMPARE(device()->transactions->findById(split.id)->isSplit, false);
}

void TestSyncPull::rowFoundByServerId()
{
    const Transaction local = syncedTransaction();
    QJsonObject known = record(SyncRecords::transactionPayload(local, {}), local.serverId, 2);
    known.remove(QStringLiteral("client_id"));
    known.insert(QStringLiteral("payee"), QStringLiteral("Matched"));
    Transaction other = newTransaction(m_accountId, QStringLiteral("Stranger"), -7);
    QJsonObject unknown = record(SyncRecords::transactionPayload(other, {}), QStringLiteral("srv-unknown"));
    unknown.remove(QStringLiteral("client_id"));
    servePage(services(), page(SyncRecords::kTransactionsKey, {known, unknown}));
    QVERIFY(device()->sync());
    QCOMPARE(device()->transactions->findById(local.id)->payee, QStringLiteral("Matched"));
    QVERIFY(!device()->transactions->findById(other.id).has_value());
    const QList<Transaction> rows = device()->transactions->listByAccount(m_accountId);
    QCOMPARE(rows.size(), 2);
    for (const Transaction& row : rows) {
        if (row.id != local.id) {
            QCOMPARE(row.serverId, QStringLiteral("srv-unknown"));
            QCOMPARE(row.payee, QStringLiteral("Stranger"));
            QCOMPARE(QUuid::fromString(row.id).isNull(), false);
        }
    }
}

void TestSyncPull::unchangedRecordsAreNotWritten()
{
    const Transaction local = syncedTransaction();
    const Account account = *device()->accounts->findById(m_accountId);
    RecurringTransaction recurring = newRecurring(m_accountId, QStringLiteral("Rent"), -1000);
    recurring.syncStatus = SyncStatus::Synced;
    QVERIFY(device()->recurring->insert(recurring));
    QJsonObject all = page(SyncRecords::kTransactionsKey,
                           {record(SyncRecords::transactionPayload(local, {}), local.serverId)});
    all.insert(SyncRecords::kAccountsKey, QJsonArray{record(SyncRecords::accountPayload(account), QString())});
    all.insert(SyncRecords::kRecurringKey, QJsonArray{record(SyncRecords::recurringPayload(recurring), QString())});
    servePage(services(), all);
    device()->debounceTimer()->stop();
    QSignalSpy transactionsChanged(device()->transactions, &TransactionRepository::transactionsChanged);
    QSignalSpy accountsChanged(device()->accounts, &AccountRepository::accountsChanged);
    QSignalSpy recurringChanged(device()->recurring, &RecurringRepository::recurringChanged);
    QVERIFY(device()->sync());
    QCOMPARE(transactionsChanged.count(), 0);
    QCOMPARE(accountsChanged.count(), 0);
    QCOMPARE(recurringChanged.count(), 0);
    QVERIFY(!device()->debounceTimer()->isActive());

    // A record that only adds fractions of a second changes nothing stored either.
    QJsonObject finer = record(SyncRecords::transactionPayload(local, {}), local.serverId);
    finer.insert(QStringLiteral("updated_at"), SqlValues::timestampText(local.updatedAt).chopped(1) + ".000Z");
    servePage(services(), page(SyncRecords::kTransactionsKey, {finer}));
    QVERIFY(device()->sync());
    QCOMPARE(transactionsChanged.count(), 0);
}

void TestSyncPull::parentsBeforeChildren()
{
    const Category parent = newCategory(QStringLiteral("Utilities"));
    const Category child = newCategory(QStringLiteral("Electric"), parent.id);
    const Category grandchild = newCategory(QStringLiteral("Night rate"), child.id);
    servePage(services(), page(SyncRecords::kCategoriesKey,
                               {record(SyncRecords::categoryPayload(grandchild), "s3"),
                                record(SyncRecords::categoryPayload(child), "s2"),
                                record(SyncRecords::categoryPayload(parent), "s1")}));
    QVERIFY(device()->sync());
    QCOMPARE(device()->categories->categoryPath(grandchild.id), QStringLiteral("Utilities > Electric > Night rate"));
    QVERIFY(!device()->preferences->get(SyncEngine::kDeferredRecordsKey).has_value());
}

void TestSyncPull::transactionBeforeItsAccount()
{
    // The transaction's page comes before its account's, which another
    // device made later; a failure in between keeps the waiting record.
    const Account late = newAccount(QStringLiteral("Late"));
    const Transaction early = newTransaction(late.id, QStringLiteral("Early"), -1);
    servePage(services(), page(SyncRecords::kTransactionsKey,
                               {record(SyncRecords::transactionPayload(early, {}), "s1")}, QStringLiteral("c1"), true));
    m_world->http()->injectFault("GET", m_world->fake()->pullPath(), FakeFault::status(500), 1);
    QVERIFY(!device()->sync());
    QVERIFY(!device()->transactions->findById(early.id).has_value());
    QVERIFY(device()->preferences->getString(SyncEngine::kDeferredRecordsKey).contains(early.id));
    QCOMPARE(device()->preferences->getString(kCursorKey), QStringLiteral("c1"));

    servePage(services(), page(SyncRecords::kAccountsKey, {record(SyncRecords::accountPayload(late), "s2")},
                               QStringLiteral("c2")));
    QVERIFY(device()->sync());
    QCOMPARE(device()->transactions->findById(early.id)->accountId, late.id);
    QVERIFY(!device()->preferences->get(SyncEngine::kDeferredRecordsKey).has_value());
}

void TestSyncPull::splitLineWithoutCategoryWaits()
{
    const Category later = newCategory(QStringLiteral("Arrives later"));
    Transaction split = newTransaction(m_accountId, QStringLiteral("Split"), -300);
    split.isSplit = true;
    SplitLine known;
    known.categoryId = later.id;
    known.amount = -100;
    SplitLine blank;
    blank.amount = -200;
    const QJsonObject broken = record(SyncRecords::transactionPayload(split, {known, blank}), "s1");
    servePage(services(), page(SyncRecords::kTransactionsKey, {broken}));
    QVERIFY(device()->sync());
    // Neither the transaction nor half its lines: the whole record waits.
    QVERIFY(!device()->transactions->findById(split.id).has_value());
    QVERIFY(device()->splitLines->listByTransaction(split.id).isEmpty());
    const QJsonObject waiting =
        QJsonDocument::fromJson(device()->preferences->getString(SyncEngine::kDeferredRecordsKey).toUtf8()).object();
    QCOMPARE(waiting.value(SyncRecords::kTransactionsKey).toArray(), QJsonArray{broken});

    // Still waiting after another run, from the start of the server's changes.
    device()->preferences->remove(kCursorKey);
    QVERIFY(device()->sync());
    QVERIFY(device()->preferences->getString(SyncEngine::kDeferredRecordsKey).contains(split.id));

    // A newer version with both categories in place replaces it.
    QJsonObject mended = record(SyncRecords::transactionPayload(split, {known}), "s1", 2);
    QJsonObject mendedPage = page(SyncRecords::kTransactionsKey, {mended});
    mendedPage.insert(SyncRecords::kCategoriesKey, QJsonArray{record(SyncRecords::categoryPayload(later), "s2")});
    servePage(services(), mendedPage);
    QVERIFY(device()->sync());
    QCOMPARE(device()->transactions->findById(split.id)->version, 2);
    QCOMPARE(device()->splitLines->listByTransaction(split.id).size(), 1);
    QVERIFY(!device()->preferences->get(SyncEngine::kDeferredRecordsKey).has_value());
}

VELLUMRY_TEST_GUILESS_MAIN(TestSyncPull)
#include "tst_syncpull.moc"
