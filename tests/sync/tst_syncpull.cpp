#include "SyncTestSupport.h"
#include "TestMain.h"

#include "data/SqlValues.h"
#include "sync/SyncRecords.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QUuid>

using namespace SyncTest;
using namespace SyncRecords;

namespace {

// A server record: what a push sent, with the server's id (and version).
QJsonObject record(QJsonObject payload, const QString& serverId, int version = -1)
{
    payload.remove(QStringLiteral("server_id"));
    payload.insert(QStringLiteral("id"), serverId);
    if (version >= 0)
        payload.insert(QStringLiteral("version"), version);
    return payload;
}

// A page of these arrays ({"transactions": [...], ...}).
QJsonObject page(QJsonObject arrays, const QString& cursor = QString(), bool hasMore = false)
{
    arrays.insert(QStringLiteral("has_more"), hasMore);
    if (!cursor.isEmpty())
        arrays.insert(QStringLiteral("cursor"), cursor);
    return arrays;
}

QStringList sortedLines(const QList<SplitLine>& lines)
{
    QStringList keys;
    for (const SplitLine& line : lines)
        keys.append(QStringLiteral("%1 %2 %3").arg(line.categoryId).arg(line.amount).arg(line.memo));
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

    void pagesAfterTheCursorFiftyAtMost();
    void morePagesWithoutMovingOnIsAnError_data();
    void morePagesWithoutMovingOnIsAnError();
    void recurringArrayAndItsOlderName();
    void integrityOnlyWarns();
    void cursorBelongsToTheSignedInUser();

    void versionAndDeletionRules_data();
    void versionAndDeletionRules();
    void deletionsElsewhere();
    void brokenDatesAreSkipped_data();
    void brokenDatesAreSkipped();
    void recurringScheduleNumbersStay();
    void splitLinesAreRewritten();
    void rowFoundByServerId();
    void unchangedRecordsAreNotWritten();
    void aPageAnnouncesEachAccountOnce();

    void parentsBeforeChildren();
    void transactionBeforeItsAccount();
    void splitLineWithoutCategoryWaits();

private:
    Device* device() const { return m_world->device(); }
    void servePage(const QJsonObject& page) const { m_world->servePage(page); }
    QString deferred() const { return device()->preferences->getString(SyncEngine::kDeferredRecordsKey); }
    // A local account and a synced transaction in it, as after an earlier sync.
    Transaction syncedTransaction(int version = 1);
    QString m_accountId;

    std::unique_ptr<SyncWorld> m_world;
};

void TestSyncPull::init()
{
    m_world = std::make_unique<SyncWorld>();
    QVERIFY(m_world->isReady());
    QVERIFY(device()->open());
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

void TestSyncPull::pagesAfterTheCursorFiftyAtMost()
{
    QVERIFY(device()->sync());
    QCOMPARE(m_world->pulls().first().query.query(), QStringLiteral("limit=200"));
    QVERIFY(device()->engine->isPullCaughtUp());
    const QString cursor = device()->cursor();
    QVERIFY(!cursor.isEmpty());

    // Each page's cursor is stored; a run stops after fifty pages.
    for (int i = 1; i <= 50; ++i)
        servePage(page({{kAccountsKey, QJsonArray()}}, QStringLiteral("c%1").arg(i), true));
    m_world->http()->clearRequests();
    QVERIFY(device()->sync());
    QCOMPARE(m_world->pulls().size(), 50);
    QCOMPARE(m_world->pulls().first().query.query(), QStringLiteral("cursor=%1&limit=200").arg(cursor));
    QCOMPARE(m_world->pulls().last().query.queryItemValue(QStringLiteral("cursor")), QStringLiteral("c49"));
    QVERIFY(!device()->engine->isPullCaughtUp());
    QCOMPARE(device()->cursor(), QStringLiteral("c50"));

    // The next run goes on from there.
    m_world->http()->clearRequests();
    servePage(page({{kAccountsKey, QJsonArray()}}, QStringLiteral("c51")));
    QVERIFY(device()->sync());
    QCOMPARE(m_world->pulls().size(), 1);
    QCOMPARE(m_world->pulls().first().query.queryItemValue(QStringLiteral("cursor")), QStringLiteral("c50"));
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
    const QString stored = device()->cursor();
    Account remote = newAccount(QStringLiteral("Arrived"));
    servePage(page({{kAccountsKey, QJsonArray{record(accountPayload(remote), QStringLiteral("srv-r"))}}},
                   sameCursor ? stored : QString(), true));
    m_world->http()->clearRequests();
    QVERIFY(!device()->sync());
    QCOMPARE(device()->engine->lastError(), QStringLiteral("Pull failed: the server did not move past page 1"));
    QCOMPARE(m_world->pulls().size(), 1);
    // The page itself is good and stays applied; the cursor stays where it was.
    QVERIFY(device()->accounts->findById(remote.id).has_value());
    QCOMPARE(device()->cursor(), stored);
}

void TestSyncPull::recurringArrayAndItsOlderName()
{
    const RecurringTransaction current = newRecurring(m_accountId, QStringLiteral("Current key"), -1);
    const RecurringTransaction older = newRecurring(m_accountId, QStringLiteral("Older key"), -2);
    servePage(page({{kRecurringKey, QJsonArray{record(recurringPayload(current), "s1")}},
                    {kRecurringFallbackKey, QJsonArray{record(recurringPayload(older), "s2")}}}));
    QVERIFY(device()->sync());
    QVERIFY(device()->recurring->findById(current.id).has_value());
    QVERIFY(!device()->recurring->findById(older.id).has_value());

    // Only the older name: it is read.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("not an object")));
    servePage(page({{kRecurringFallbackKey, QJsonArray{record(recurringPayload(older), "s2"), "junk"}}}));
    QVERIFY(device()->sync());
    QVERIFY(device()->recurring->findById(older.id).has_value());
}

void TestSyncPull::integrityOnlyWarns()
{
    for (int i = 0; i < 38; ++i)
        QVERIFY(device()->categories->insert(newCategory(QStringLiteral("Category %1").arg(i))));
    servePage(page({{"integrity", QJsonObject{{"category_count", 40}}}}));
    QTest::ignoreMessage(QtWarningMsg, "Fewer categories locally than the server has: local=38 server=40 "
                                       "(informational only — use Force Full Sync if data appears wrong)");
    QVERIFY(device()->sync());
    QCOMPARE(device()->categories->countLive(), 38);
}

void TestSyncPull::cursorBelongsToTheSignedInUser()
{
    QVERIFY(device()->sync());
    const QString adaCursor = device()->cursor();
    QCOMPARE(device()->preferences->getString(SyncEngine::kCursorUserKey), m_world->userId());

    // Bob signs in on this ledger; his account waits at the server.
    FakeAuthService* auth = m_world->services()->auth();
    const QString bob = auth->addUser(QStringLiteral("bob@example.test"), QStringLiteral("Bob"));
    Account bobs = newAccount(QStringLiteral("Bob's"));
    m_world->fake()->putRow(bob, QStringLiteral("account"), bobs.id, 1, accountPayload(bobs));
    const FakeAuthService::TokenPair pair = auth->signIn(bob);
    device()->client()->tokenManager()->setTokens(pair.accessToken, pair.refreshToken);
    m_world->http()->clearRequests();
    QVERIFY(device()->sync());
    // Ada's cursor would skip Bob's changes (the service refuses it outright).
    QVERIFY(!m_world->pulls().first().query.hasQueryItem(QStringLiteral("cursor")));
    QVERIFY(device()->accounts->findById(bobs.id).has_value());
    QCOMPARE(device()->preferences->getString(SyncEngine::kCursorUserKey), bob);
    QVERIFY(device()->cursor() != adaCursor);

    // And Bob's cursor is his alone again the next time.
    m_world->http()->clearRequests();
    QVERIFY(device()->sync());
    QVERIFY(m_world->pulls().first().query.hasQueryItem(QStringLiteral("cursor")));
}

void TestSyncPull::versionAndDeletionRules_data()
{
    QTest::addColumn<bool>("localPending");
    QTest::addColumn<bool>("localDeleted");
    QTest::addColumn<bool>("serverDeleted");
    QTest::addColumn<int>("serverVersion");
    QTest::addColumn<bool>("expectDeleted");
    QTest::addColumn<int>("expectVersion");
    QTest::addColumn<SyncStatus>("expectStatus");
    QTest::addColumn<bool>("takesServerValues");
    // The local row is at version 2 in every case.
    QTest::newRow("newer") << false << false << false << 3 << false << 3 << SyncStatus::Synced << true;
    QTest::newRow("older, local edit") << true << false << false << 1 << false << 2 << SyncStatus::Pending << false;
    QTest::newRow("deleted there, newer") << false << false << true << 3 << true << 3 << SyncStatus::Synced << true;
    QTest::newRow("deleted there, same version")
        << false << false << true << 2 << true << 2 << SyncStatus::Synced << true;
    QTest::newRow("deleted here, live there, newer")
        << false << true << false << 3 << false << 3 << SyncStatus::Synced << true;
    // The deletion stays and goes out again above the server's version.
    QTest::newRow("deleted here, live there, same version")
        << false << true << false << 2 << true << 3 << SyncStatus::Pending << true;
    QTest::newRow("deleted on both") << false << true << true << 2 << true << 2 << SyncStatus::Synced << true;
}

void TestSyncPull::versionAndDeletionRules()
{
    QFETCH(bool, localPending);
    QFETCH(bool, localDeleted);
    QFETCH(bool, serverDeleted);
    QFETCH(int, serverVersion);
    QFETCH(bool, expectDeleted);
    QFETCH(int, expectVersion);
    QFETCH(SyncStatus, expectStatus);
    QFETCH(bool, takesServerValues);

    Transaction local = syncedTransaction(2);
    if (localDeleted)
        QVERIFY(device()->transactions->applyServerDeletion(local.id, baseTime(), m_accountId));
    if (localPending) {
        local.syncStatus = SyncStatus::Pending;
        QVERIFY(device()->transactions->update(local));
        device()->debounceTimer()->stop();
        // The row goes out first; the server's answer accepts nothing.
        m_world->http()->injectFault("POST", m_world->fake()->pushPath(),
                                     FakeFault::respond(FakeResponse::json(200, QJsonObject())), 1);
    }
    // The server's record never moves the row to another account or rewrites its birth.
    Transaction server = local;
    server.memo = QStringLiteral("from the server");
    server.accountId = QStringLiteral("some other account");
    server.createdAt = baseTime().addDays(-30);
    const QDateTime serverDeletion = baseTime().addSecs(3600);
    if (serverDeleted)
        server.deletedAt = serverDeletion;
    servePage(page({{kTransactionsKey,
                     QJsonArray{record(transactionPayload(server, {}), QStringLiteral("srv-new"), serverVersion)}}}));
    QSignalSpy changed(device()->transactions, &TransactionRepository::transactionsChanged);
    QVERIFY(device()->sync());

    const Transaction stored = *device()->transactions->findById(local.id);
    QCOMPARE(stored.deletedAt.has_value(), expectDeleted);
    if (expectDeleted && !localDeleted)
        QCOMPARE(*stored.deletedAt, serverDeletion);
    QCOMPARE(stored.version, expectVersion);
    QCOMPARE(stored.syncStatus, expectStatus);
    QCOMPARE(stored.memo, takesServerValues ? server.memo : QString());
    QCOMPARE(stored.serverId, takesServerValues ? QStringLiteral("srv-new") : local.serverId);
    QCOMPARE(stored.accountId, m_accountId);
    QCOMPARE(stored.createdAt, local.createdAt);
    if (!takesServerValues)
        QCOMPARE(changed.count(), 0);
}

void TestSyncPull::deletionsElsewhere()
{
    // Deleted records never seen here: no transaction; a category is kept as
    // a deleted row, for rows filed under it elsewhere.
    Transaction gone = newTransaction(m_accountId, QStringLiteral("Gone"), -1);
    gone.deletedAt = baseTime();
    Category goneCategory = newCategory(QStringLiteral("Old category"));
    goneCategory.deletedAt = baseTime();
    // And a reconciliation known here, deleted on another device.
    Reconciliation local = newReconciliation(m_accountId, QDate(2024, 2, 29), 5000);
    local.syncStatus = SyncStatus::Synced;
    local.serverId = QStringLiteral("srv-rec");
    QVERIFY(device()->reconciliations->insert(local));
    Reconciliation server = local;
    server.version = 2;
    server.deletedAt = baseTime();
    servePage(page({{kTransactionsKey, QJsonArray{record(transactionPayload(gone, {}), "s1")}},
                    {kCategoriesKey, QJsonArray{record(categoryPayload(goneCategory), "s2")}},
                    {kReconciliationsKey, QJsonArray{record(reconciliationPayload(server), local.serverId)}}}));
    QVERIFY(device()->sync());
    QVERIFY(!device()->transactions->findById(gone.id).has_value());
    QCOMPARE(device()->categories->findById(goneCategory.id)->deletedAt, std::optional<QDateTime>(baseTime()));
    QCOMPARE(device()->categories->countLive(), 0);
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
    QTest::newRow("no such day") << QStringLiteral("2024-02-30") << QDate();
    QTest::newRow("date-time") << QStringLiteral("2024-03-05T23:30:00-05:00") << QDate(2024, 3, 5);
}

void TestSyncPull::brokenDatesAreSkipped()
{
    QFETCH(QString, date);
    QFETCH(QDate, stored);
    Transaction server = newTransaction(m_accountId, QStringLiteral("Dated"), -1);
    QJsonObject transaction = record(transactionPayload(server, {}), "s1");
    transaction.insert(QStringLiteral("date"), date);
    Reconciliation reconciliation = newReconciliation(m_accountId, QDate(2024, 1, 31), 0);
    QJsonObject statement = record(reconciliationPayload(reconciliation), "s2");
    statement.insert(QStringLiteral("statement_date"), date);
    servePage(page({{kTransactionsKey, QJsonArray{transaction}}, {kReconciliationsKey, QJsonArray{statement}}}));
    if (!stored.isValid()) {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("broken date: %1").arg(server.id)));
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("broken statementDate: %1").arg(reconciliation.id)));
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
    QJsonObject changed = record(recurringPayload(local), "s1", 2);
    changed.insert(QStringLiteral("payee"), QStringLiteral("Gym & Spa"));
    changed.remove(QStringLiteral("interval_count"));
    RecurringTransaction fresh = newRecurring(m_accountId, QStringLiteral("New"), -1);
    fresh.intervalCount = 6;
    QJsonObject unknown = record(recurringPayload(fresh), "s2");
    unknown.remove(QStringLiteral("interval_count"));
    servePage(page({{kRecurringKey, QJsonArray{changed, unknown}}}));
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
    const SplitLine first = newSplitLine(food.id, -1000, QStringLiteral("bread"));
    SplitLine second = newSplitLine(home.id, -2000);
    servePage(page({{kTransactionsKey, QJsonArray{record(transactionPayload(split, {first, second}), "s1")}}}));
    QVERIFY(device()->sync());
    QCOMPARE(sortedLines(device()->splitLines->listByTransaction(split.id)), sortedLines({first, second}));

    // Other lines replace them.
    second.memo = QStringLiteral("towels");
    QJsonObject changed = record(transactionPayload(split, {first, second}), "s1", 2);
    servePage(page({{kTransactionsKey, QJsonArray{changed}}}));
    QVERIFY(device()->sync());
    QCOMPARE(sortedLines(device()->splitLines->listByTransaction(split.id)), sortedLines({first, second}));

    // No longer split: the lines go.
    changed.insert(QStringLiteral("version"), 3);
    changed.insert(QStringLiteral("is_split"), false);
    changed.remove(QStringLiteral("split_lines"));
    servePage(page({{kTransactionsKey, QJsonArray{changed}}}));
    QVERIFY(device()->sync());
    QVERIFY(device()->splitLines->listByTransaction(split.id).isEmpty());
    QCOMPARE(device()->transactions->findById(split.id)->isSplit, false);
}

void TestSyncPull::rowFoundByServerId()
{
    // Records without a client id: a known server id finds its row; an
    // unknown one makes a new row under a new id.
    const Transaction local = syncedTransaction();
    QJsonObject known = record(transactionPayload(local, {}), local.serverId, 2);
    known.remove(QStringLiteral("client_id"));
    known.insert(QStringLiteral("payee"), QStringLiteral("Matched"));
    Transaction other = newTransaction(m_accountId, QStringLiteral("Stranger"), -7);
    QJsonObject unknown = record(transactionPayload(other, {}), QStringLiteral("srv-unknown"));
    unknown.remove(QStringLiteral("client_id"));
    servePage(page({{kTransactionsKey, QJsonArray{known, unknown}}}));
    QVERIFY(device()->sync());
    QCOMPARE(device()->transactions->findById(local.id)->payee, QStringLiteral("Matched"));
    QVERIFY(!device()->transactions->findById(other.id).has_value());
    const QList<Transaction> rows = device()->transactions->listByAccount(m_accountId);
    QCOMPARE(rows.size(), 2);
    const Transaction made = rows.first().id == local.id ? rows.last() : rows.first();
    QCOMPARE(made.serverId, QStringLiteral("srv-unknown"));
    QCOMPARE(made.payee, QStringLiteral("Stranger"));
    QVERIFY(!QUuid::fromString(made.id).isNull());
}

void TestSyncPull::unchangedRecordsAreNotWritten()
{
    const Transaction local = syncedTransaction();
    const Account account = *device()->accounts->findById(m_accountId);
    RecurringTransaction recurring = newRecurring(m_accountId, QStringLiteral("Rent"), -1000);
    recurring.syncStatus = SyncStatus::Synced;
    QVERIFY(device()->recurring->insert(recurring));
    // Fractions of a second that the ledger does not store change nothing either.
    QJsonObject finer = record(transactionPayload(local, {}), local.serverId);
    finer.insert(QStringLiteral("updated_at"), SqlValues::timestampText(local.updatedAt).chopped(1) + ".000Z");
    servePage(page({{kTransactionsKey, QJsonArray{record(transactionPayload(local, {}), local.serverId), finer}},
                    {kAccountsKey, QJsonArray{record(accountPayload(account), QString())}},
                    {kRecurringKey, QJsonArray{record(recurringPayload(recurring), QString())}}}));
    device()->debounceTimer()->stop();
    QSignalSpy transactionsChanged(device()->transactions, &TransactionRepository::transactionsChanged);
    QSignalSpy accountsChanged(device()->accounts, &AccountRepository::accountsChanged);
    QSignalSpy recurringChanged(device()->recurring, &RecurringRepository::recurringChanged);
    QVERIFY(device()->sync());
    QCOMPARE(transactionsChanged.count() + accountsChanged.count() + recurringChanged.count(), 0);
    QVERIFY(!device()->debounceTimer()->isActive());
}

void TestSyncPull::aPageAnnouncesEachAccountOnce()
{
    Account savings = newAccount(QStringLiteral("Savings"));
    QVERIFY(device()->accounts->insert(savings));
    device()->debounceTimer()->stop();
    QJsonArray records;
    for (int i = 0; i < 200; ++i) {
        const Transaction server = newTransaction(i % 2 ? savings.id : m_accountId, QStringLiteral("Pulled"), -i);
        records.append(record(transactionPayload(server, {}), QStringLiteral("srv-%1").arg(i), 1));
    }
    servePage(page({{kTransactionsKey, records}}));
    QSignalSpy changed(device()->transactions, &TransactionRepository::transactionsChanged);
    QVERIFY(device()->sync());
    QCOMPARE(countWhere(QStringLiteral("transactions")), 200);
    QCOMPARE(changed, (QList<QList<QVariant>>{{m_accountId}, {savings.id}}));
}

void TestSyncPull::parentsBeforeChildren()
{
    const Category parent = newCategory(QStringLiteral("Utilities"));
    const Category child = newCategory(QStringLiteral("Electric"), parent.id);
    const Category grandchild = newCategory(QStringLiteral("Night rate"), child.id);
    servePage(page({{kCategoriesKey, QJsonArray{record(categoryPayload(grandchild), "s3"),
                                                record(categoryPayload(child), "s2"),
                                                record(categoryPayload(parent), "s1")}}}));
    QVERIFY(device()->sync());
    QCOMPARE(device()->categories->categoryPath(grandchild.id), QStringLiteral("Utilities > Electric > Night rate"));
    QVERIFY(deferred().isEmpty());
}

void TestSyncPull::transactionBeforeItsAccount()
{
    // The transaction's page comes before its account's, which another
    // device made later; a failure in between keeps the waiting record.
    const Account late = newAccount(QStringLiteral("Late"));
    const Transaction early = newTransaction(late.id, QStringLiteral("Early"), -1);
    servePage(page({{kTransactionsKey, QJsonArray{record(transactionPayload(early, {}), "s1")}}},
                   QStringLiteral("c1"), true));
    m_world->http()->injectFault("GET", m_world->fake()->pullPath(), FakeFault::status(500), 1);
    QVERIFY(!device()->sync());
    QVERIFY(!device()->transactions->findById(early.id).has_value());
    QVERIFY(deferred().contains(early.id));
    QCOMPARE(device()->cursor(), QStringLiteral("c1"));

    servePage(page({{kAccountsKey, QJsonArray{record(accountPayload(late), "s2")}}}, QStringLiteral("c2")));
    QVERIFY(device()->sync());
    QCOMPARE(device()->transactions->findById(early.id)->accountId, late.id);
    QVERIFY(!device()->preferences->get(SyncEngine::kDeferredRecordsKey).has_value());
}

void TestSyncPull::splitLineWithoutCategoryWaits()
{
    const Category later = newCategory(QStringLiteral("Arrives later"));
    Transaction split = newTransaction(m_accountId, QStringLiteral("Split"), -300);
    split.isSplit = true;
    const SplitLine known = newSplitLine(later.id, -100);
    const QJsonObject broken = record(transactionPayload(split, {known, newSplitLine(QString(), -200)}), "s1");
    servePage(page({{kTransactionsKey, QJsonArray{broken}}}));
    QVERIFY(device()->sync());
    // Neither the transaction nor half its lines: the whole record waits.
    QVERIFY(!device()->transactions->findById(split.id).has_value());
    QVERIFY(device()->splitLines->listByTransaction(split.id).isEmpty());
    QCOMPARE(QJsonDocument::fromJson(deferred().toUtf8()).object().value(kTransactionsKey), QJsonArray{broken});

    // Still waiting after another run, from the start of the server's changes.
    device()->preferences->remove(QStringLiteral("syncCursor"));
    QVERIFY(device()->sync());
    QVERIFY(deferred().contains(split.id));

    // A newer version with its category in place replaces it.
    servePage(page({{kTransactionsKey, QJsonArray{record(transactionPayload(split, {known}), "s1", 2)}},
                    {kCategoriesKey, QJsonArray{record(categoryPayload(later), "s2")}}}));
    QVERIFY(device()->sync());
    QCOMPARE(device()->transactions->findById(split.id)->version, 2);
    QCOMPARE(device()->splitLines->listByTransaction(split.id).size(), 1);
    QVERIFY(!device()->preferences->get(SyncEngine::kDeferredRecordsKey).has_value());
}

VELLUMRY_TEST_GUILESS_MAIN(TestSyncPull)
#include "tst_syncpull.moc"
