#include "SyncTestSupport.h"
#include "TestMain.h"
#include "TestScale.h"

#include "data/CategoryService.h"
#include "data/SqlTransaction.h"
#include "data/SqlValues.h"

#include <QElapsedTimer>

#include <functional>

using namespace SyncTest;

// Two ledgers of one user, opened one after the other in this process, each
// with its own session, syncing through the fake services.
class TestTwoDevices : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void editAgainstEdit();
    void deleteAgainstEdit_data();
    void deleteAgainstEdit();
    void editWhileItsPushIsInFlight();
    void defaultsAndOpeningBalancesMadeOnBothDevices();
    void accountDeletedAndRestored();
    void manyTransactionsInSequentialBatches();

    void pushWithoutAnAnswer_data();
    void pushWithoutAnAnswer();
    void failureOnPullPageThree();
    void failureOnPushBatchTwoOfThree();
    void hangFailsTheRunAtTheTimeOut();
    void unauthorizedThenRefreshed();
    void bodiesThatAreNotJson_data();
    void bodiesThatAreNotJson();

private:
    // A syncs, B syncs, A syncs; then both ledgers hold the same rows, nothing
    // is pending, and one more run on each moves and schedules nothing.
    void converge();
    // Opens the device for the statements, and closes it after.
    template<typename Work>
    void on(Device& device, Work work)
    {
        QVERIFY(device.open());
        work();
        device.close();
    }
    // An account with a few rows of every kind, made on A and synced to B.
    void sharedBaseline();
    // An edit of the baseline's plain transaction, as the register makes it.
    void editTransaction(Device& device, const std::function<void(Transaction&)>& change);
    // An account with this many transactions, made on A.
    void manyTransactions(int count);
    QList<FakeRequest> pulls() const { return m_world->pulls(); }
    FakeHttpServer* http() const { return m_world->http(); }
    FakeSyncService* fakeSync() const { return m_world->fake(); }

    std::unique_ptr<SyncWorld> m_world;
    Device* m_a = nullptr;
    Device* m_b = nullptr;
    QString m_accountId;
    QString m_transactionId;
};

void TestTwoDevices::init()
{
    m_world = std::make_unique<SyncWorld>(2);
    QVERIFY(m_world->isReady());
    m_a = m_world->device(0);
    m_b = m_world->device(1);
}

void TestTwoDevices::cleanup()
{
    m_world.reset();
}

void TestTwoDevices::converge()
{
    for (Device* device : {m_a, m_b, m_a})
        on(*device, [&] { QVERIFY(device->settle()); });
    QList<Snapshot> snapshots;
    for (Device* device : {m_a, m_b}) {
        on(*device, [&] {
            snapshots.append(device->snapshot());
            QCOMPARE(device->pendingCount(), 0);
            const qsizetype pushesBefore = m_world->pushes().size();
            QSignalSpy accounts(device->accounts, &AccountRepository::accountsChanged);
            QSignalSpy transactions(device->transactions, &TransactionRepository::transactionsChanged);
            QSignalSpy categories(device->categories, &CategoryRepository::categoriesChanged);
            QSignalSpy recurring(device->recurring, &RecurringRepository::recurringChanged);
            QSignalSpy reconciliations(device->reconciliations, &ReconciliationRepository::reconciliationsChanged);
            QVERIFY(device->sync());
            QCOMPARE(m_world->pushes().size(), pushesBefore);
            QCOMPARE(accounts.count() + transactions.count() + categories.count() + recurring.count()
                         + reconciliations.count(),
                     0);
            QVERIFY(!device->debounceTimer()->isActive());
            QVERIFY(device->engine->isPullCaughtUp());
            QVERIFY(device->snapshot() == snapshots.last());
        });
    }
    for (auto it = snapshots.first().cbegin(); it != snapshots.first().cend(); ++it)
        QCOMPARE(snapshots.last().value(it.key()), *it);
}

void TestTwoDevices::sharedBaseline()
{
    on(*m_a, [&] {
        const Account account = newAccount(QStringLiteral("Checking"));
        m_accountId = account.id;
        QVERIFY(m_a->accounts->insert(account));
        const Category parent = newCategory(QStringLiteral("Utilities"));
        const Category child = newCategory(QStringLiteral("Electric"), parent.id);
        QVERIFY(m_a->categories->insert(parent));
        QVERIFY(m_a->categories->insert(child));

        Transaction plain = newTransaction(m_accountId, QStringLiteral("Grocer"), -4250);
        plain.categoryId = child.id;
        plain.cleared = true;
        m_transactionId = plain.id;
        QVERIFY(m_a->transactions->insert(plain));

        Transaction split = newTransaction(m_accountId, QStringLiteral("Market"), -3000);
        split.isSplit = true;
        QVERIFY(m_a->transactions->insert(split));
        for (SplitLine line : {newSplitLine(parent.id, -1000, QStringLiteral("lamp")), newSplitLine(child.id, -2000)}) {
            line = stamped(line);
            line.transactionId = split.id;
            QVERIFY(m_a->splitLines->insert(line));
        }

        RecurringTransaction rent = newRecurring(m_accountId, QStringLiteral("Rent"), -120000);
        rent.intervalCount = 2;
        rent.leadDays = 3;
        rent.endDate = QDate(2025, 1, 1);
        QVERIFY(m_a->recurring->insert(rent));
        QVERIFY(m_a->reconciliations->insert(newReconciliation(m_accountId, QDate(2024, 2, 29), 150000)));
    });
    // B held nothing before, so the equal snapshots show every table copied.
    converge();
}

void TestTwoDevices::editTransaction(Device& device, const std::function<void(Transaction&)>& change)
{
    Transaction transaction = *device.transactions->findById(m_transactionId);
    change(transaction);
    tick();
    touch(transaction);
    QVERIFY(device.transactions->update(transaction));
}

void TestTwoDevices::manyTransactions(int count)
{
    const Account account = newAccount(QStringLiteral("Busy"));
    QVERIFY(m_a->accounts->insert(account));
    for (int i = 0; i < count; ++i)
        QVERIFY(m_a->transactions->insert(newTransaction(account.id, QStringLiteral("Shop %1").arg(i), -i - 1)));
}

void TestTwoDevices::editAgainstEdit()
{
    sharedBaseline();
    on(*m_a, [&] { editTransaction(*m_a, [](Transaction& t) { t.payee = QStringLiteral("Edited on A"); }); });
    on(*m_b, [&] { editTransaction(*m_b, [](Transaction& t) { t.payee = QStringLiteral("Edited on B"); }); });
    converge();
    // A reached the server first; B's edit of the same version gave way.
    on(*m_b, [&] { QCOMPARE(m_b->transactions->findById(m_transactionId)->payee, QStringLiteral("Edited on A")); });
}

void TestTwoDevices::deleteAgainstEdit_data()
{
    QTest::addColumn<bool>("deleteOnA");
    QTest::newRow("A deletes, B edits") << true;
    QTest::newRow("A edits, B deletes") << false;
}

void TestTwoDevices::deleteAgainstEdit()
{
    QFETCH(bool, deleteOnA);
    sharedBaseline();
    Device& deleter = deleteOnA ? *m_a : *m_b;
    Device& editor = deleteOnA ? *m_b : *m_a;
    on(deleter, [&] { QVERIFY(deleter.transactions->softDelete(m_transactionId)); });
    on(editor, [&] { editTransaction(editor, [](Transaction& t) { t.memo = QStringLiteral("edited"); }); });
    converge();
    // Whichever reached the server first, the deletion holds on both.
    for (Device* device : {m_a, m_b})
        on(*device, [&] { QVERIFY(device->transactions->findById(m_transactionId)->deletedAt.has_value()); });
}

void TestTwoDevices::editWhileItsPushIsInFlight()
{
    sharedBaseline();
    on(*m_a, [&] {
        editTransaction(*m_a, [](Transaction& t) { t.payee = QStringLiteral("First edit"); });
        // The user edits again while the push of the first edit is at the server.
        const QMetaObject::Connection editor =
            connect(http(), &FakeHttpServer::requestReceived, m_a->engine, [&](const FakeRequest& request) {
                if (request.route == fakeSync()->pushPath())
                    editTransaction(*m_a, [](Transaction& t) { t.payee = QStringLiteral("Second edit"); });
            });
        QVERIFY(m_a->sync());
        disconnect(editor);

        // Not marked synced unsent; only the server id is recorded.
        const Transaction stored = *m_a->transactions->findById(m_transactionId);
        QCOMPARE(stored.payee, QStringLiteral("Second edit"));
        QCOMPARE(stored.version, 3);
        QCOMPARE(stored.syncStatus, SyncStatus::Pending);
        QCOMPARE(stored.serverId,
                 fakeSync()->row(m_world->userId(), QStringLiteral("transaction"), m_transactionId)->serverId);
        QVERIFY(m_a->debounceTimer()->isActive());
    });
    converge();
    on(*m_b, [&] { QCOMPARE(m_b->transactions->findById(m_transactionId)->payee, QStringLiteral("Second edit")); });
}

void TestTwoDevices::defaultsAndOpeningBalancesMadeOnBothDevices()
{
    // Both ledgers seed the default categories before they ever sync.
    for (Device* device : {m_a, m_b}) {
        on(*device, [&] {
            CategoryService(device->categories).seedIfEmpty();
            QVERIFY(device->categories->countLive() > 10);
        });
        tick(60);
    }
    on(*m_a, [&] {
        const Account account = newAccount(QStringLiteral("Savings"));
        m_accountId = account.id;
        QVERIFY(m_a->accounts->insert(account));
    });
    converge();

    // Then both fill in the account's opening balance, under the same id.
    for (Device* device : {m_a, m_b}) {
        on(*device, [&] {
            Transaction opening = newTransaction(m_accountId, QStringLiteral("Opening Balance"), 50000);
            opening.id = openingBalanceTransactionId(m_accountId);
            QVERIFY(device->transactions->insert(opening));
        });
        tick(60);
    }
    converge();
    on(*m_b, [&] {
        QCOMPARE(m_b->transactions->listByAccount(m_accountId).size(), 1);
        QCOMPARE(countWhere(QStringLiteral("categories"), QStringLiteral("is_default = 1")),
                 countWhere(QStringLiteral("categories")));
    });
    QCOMPARE(fakeSync()->rows(m_world->userId(), QStringLiteral("transaction")).size(), 1);
}

void TestTwoDevices::accountDeletedAndRestored()
{
    sharedBaseline();
    const auto countsOnB = [&] {
        QList<qsizetype> counts;
        on(*m_b, [&] {
            counts = {m_b->accounts->listActive().size(), m_b->transactions->listByAccount(m_accountId).size(),
                      m_b->recurring->listAll().size(), m_b->reconciliations->listByAccount(m_accountId).size()};
        });
        return counts;
    };
    QString deletedSince;
    on(*m_a, [&] {
        deletedSince = SqlValues::nowText();
        QVERIFY(m_a->accounts->softDelete(m_accountId));
        QVERIFY(m_a->transactions->softDeleteByAccount(m_accountId) > 0);
        QVERIFY(m_a->recurring->softDeleteByAccount(m_accountId) > 0);
        QVERIFY(m_a->reconciliations->softDeleteByAccount(m_accountId) > 0);
    });
    converge();
    QCOMPARE(countsOnB(), QList<qsizetype>({0, 0, 0, 0}));

    tick(60);
    on(*m_a, [&] {
        QVERIFY(m_a->accounts->restore(m_accountId));
        QVERIFY(m_a->transactions->restoreByAccount(m_accountId, deletedSince) > 0);
        QVERIFY(m_a->recurring->restoreByAccount(m_accountId, deletedSince) > 0);
        QVERIFY(m_a->reconciliations->restoreByAccount(m_accountId, deletedSince) > 0);
    });
    converge();
    QCOMPARE(countsOnB(), QList<qsizetype>({1, 2, 1, 1}));
}

void TestTwoDevices::manyTransactionsInSequentialBatches()
{
    constexpr int kAccounts = 5;
    // Three batches still show them sent one after the other.
    constexpr int kTransactions = volumeForBuild(10000, 1200);
    on(*m_a, [&] {
        QStringList accountIds;
        for (int i = 0; i < kAccounts; ++i) {
            const Account account = newAccount(QStringLiteral("Account %1").arg(i));
            accountIds.append(account.id);
            QVERIFY(m_a->accounts->insert(account));
        }
        QVERIFY(m_a->sync());
        QSqlDatabase db = QSqlDatabase::database();
        SqlTransaction batch(db);
        for (int i = 0; i < kTransactions; ++i) {
            Transaction transaction = newTransaction(accountIds.at(i % kAccounts), QStringLiteral("Payee %1").arg(i % 97),
                                                     -(i + 1), QDate(2024, 1, 1).addDays(i % 300));
            transaction.memo = QStringLiteral("row %1").arg(i);
            QVERIFY(m_a->transactions->insert(transaction));
        }
        QVERIFY(batch.commit());
    });

    // Slow enough answers that a second batch sent early would meet the first.
    fakeSync()->setPushReplyDelay(5);
    const int pushesBefore = int(fakeSync()->pushBatchSizes().size());
    QElapsedTimer run;
    qint64 pushMs = -1;
    connect(http(), &FakeHttpServer::requestReceived, this, [&](const FakeRequest& request) {
        if (pushMs < 0 && request.route == fakeSync()->pullPath())
            pushMs = run.elapsed();
    });
    on(*m_a, [&] {
        m_a->debounceTimer()->stop();
        run.start();
        QVERIFY(m_a->sync(120000));
    });
    disconnect(http(), &FakeHttpServer::requestReceived, this, nullptr);
    QList<int> batches;
    for (int left = kTransactions; left > 0; left -= 500)
        batches.append(qMin(500, left));
    QCOMPARE(fakeSync()->pushBatchSizes().mid(pushesBefore), batches);
    QCOMPARE(fakeSync()->overlappingPushCount(), 0);
    fakeSync()->setPushReplyDelay(0);

    QElapsedTimer pull;
    on(*m_b, [&] {
        pull.start();
        QVERIFY(m_b->settle());
        QCOMPARE(countWhere(QStringLiteral("transactions")), kTransactions);
    });
    const qint64 pullMs = pull.elapsed();
    converge();
    qInfo().noquote() << QStringLiteral("%5 rows: push %1 ms (%2 rows/s); first pull on B %3 ms (%4 rows/s)")
                             .arg(pushMs)
                             .arg(kTransactions * 1000 / qMax<qint64>(1, pushMs))
                             .arg(pullMs)
                             .arg(kTransactions * 1000 / qMax<qint64>(1, pullMs))
                             .arg(kTransactions);
}

void TestTwoDevices::pushWithoutAnAnswer_data()
{
    QTest::addColumn<FakeFault>("fault");
    QTest::addColumn<int>("rowsAtServer");
    QTest::newRow("server down") << FakeFault::drop() << 0;
    QTest::newRow("reply lost after the server applied it") << FakeFault::truncate() << 2;
}

void TestTwoDevices::pushWithoutAnAnswer()
{
    QFETCH(FakeFault, fault);
    QFETCH(int, rowsAtServer);
    on(*m_a, [&] {
        m_a->api()->setTransferTimeout(500);
        const Account account = newAccount(QStringLiteral("Cash"));
        QVERIFY(m_a->accounts->insert(account));
        QVERIFY(m_a->transactions->insert(newTransaction(account.id, QStringLiteral("Kiosk"), -300)));
        http()->injectFault("POST", fakeSync()->pushPath(), fault);
        QVERIFY(!m_a->sync());
        QCOMPARE(m_a->engine->state(), SyncEngine::SyncState::Error);
        QCOMPARE(m_a->engine->lastError(), QStringLiteral("Push failed (HTTP 0)"));
        QCOMPARE(m_a->pendingCount(), 2);
        QCOMPARE(fakeSync()->rows(m_world->userId()).size(), rowsAtServer);
        http()->clearFaults();
    });
    converge();
    // Sent again, the rows the server already had are the same version.
    for (const FakeSyncService::Row& row : fakeSync()->rows(m_world->userId()))
        QCOMPARE(row.version, 1);
}

void TestTwoDevices::failureOnPullPageThree()
{
    on(*m_a, [&] {
        manyTransactions(700);
        QVERIFY(m_a->settle());
    });

    http()->clearRequests();
    injectAfter(http(), "GET", fakeSync()->pullPath(), 2, FakeFault::status(500));
    on(*m_b, [&] {
        QVERIFY(!m_b->sync());
        QCOMPARE(m_b->engine->lastError(), QStringLiteral("Pull failed (HTTP 500)"));
        QCOMPARE(pulls().size(), 3);
        // Pages one and two are applied, and the cursor after page two is kept.
        const QString afterPageTwo = pulls().at(2).query.queryItemValue(QStringLiteral("cursor"));
        QCOMPARE(m_b->cursor(), afterPageTwo);
        QCOMPARE(countWhere(QStringLiteral("transactions")), 399);

        http()->clearRequests();
        QVERIFY(m_b->sync());
        QCOMPARE(pulls().first().query.queryItemValue(QStringLiteral("cursor")), afterPageTwo);
        QCOMPARE(countWhere(QStringLiteral("transactions")), 700);
    });
    converge();
}

void TestTwoDevices::failureOnPushBatchTwoOfThree()
{
    on(*m_a, [&] {
        manyTransactions(1199);
        injectAfter(http(), "POST", fakeSync()->pushPath(), 1, FakeFault::status(500));
        QVERIFY(!m_a->sync());
        QCOMPARE(m_a->engine->lastError(), QStringLiteral("Push failed (HTTP 500)"));
        QCOMPARE(fakeSync()->pushBatchSizes(), QList<int>({500}));
        QCOMPARE(m_a->pendingCount(), 700);
        // The account went first; no pull after a failed push.
        const QJsonObject first = http()->requests().first().jsonBody().value("changes").toArray().first().toObject();
        QCOMPARE(first.value(QLatin1String("entity_type")), QJsonValue("account"));
        QVERIFY(pulls().isEmpty());

        // The rest goes in order, one batch after the other, then the pull.
        http()->clearRequests();
        QVERIFY(m_a->sync());
        QCOMPARE(fakeSync()->pushBatchSizes(), QList<int>({500, 500, 200}));
        QStringList routes;
        for (const FakeRequest& request : http()->requests())
            routes.append(request.route);
        QCOMPARE(routes.mid(0, 3), QStringList({fakeSync()->pushPath(), fakeSync()->pushPath(), fakeSync()->pullPath()}));
    });
    converge();
}

void TestTwoDevices::hangFailsTheRunAtTheTimeOut()
{
    sharedBaseline();
    on(*m_b, [&] {
        m_b->api()->setTransferTimeout(500);
        http()->injectFault("GET", fakeSync()->pullPath(), FakeFault::hang(), 1);
        QElapsedTimer waited;
        waited.start();
        QVERIFY(!m_b->sync());
        QVERIFY(waited.elapsed() >= 400);
        QCOMPARE(m_b->engine->lastError(), QStringLiteral("Pull failed (HTTP 0)"));
        QVERIFY(m_b->sync());
        QCOMPARE(m_b->engine->state(), SyncEngine::SyncState::Idle);
    });
    converge();
}

void TestTwoDevices::unauthorizedThenRefreshed()
{
    on(*m_a, [&] {
        QVERIFY(m_a->accounts->insert(newAccount(QStringLiteral("Refreshed"))));
        const int refreshesBefore = m_world->services()->auth()->refreshCount();
        http()->injectFault("POST", fakeSync()->pushPath(), FakeFault::status(401), 1);
        QVERIFY(m_a->sync());
        QCOMPARE(m_world->services()->auth()->refreshCount(), refreshesBefore + 1);
        QCOMPARE(m_a->pendingCount(), 0);
        QCOMPARE(m_a->engine->state(), SyncEngine::SyncState::Idle);
    });
    converge();
}

void TestTwoDevices::bodiesThatAreNotJson_data()
{
    QTest::addColumn<bool>("onPush");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("error");
    // A push answered with something else accepted nothing: the rows go again.
    QTest::newRow("push") << true << 200 << QString();
    QTest::newRow("pull") << false << 200 << QStringLiteral("Pull failed: the reply was not a page of changes");
    QTest::newRow("pull, 502") << false << 502 << QStringLiteral("Pull failed (HTTP 502)");
}

void TestTwoDevices::bodiesThatAreNotJson()
{
    QFETCH(bool, onPush);
    QFETCH(int, status);
    QFETCH(QString, error);
    sharedBaseline();
    on(*m_a, [&] {
        QVERIFY(m_a->accounts->insert(newAccount(QStringLiteral("Garbled"))));
        const QString cursorBefore = m_a->cursor();
        http()->injectFault(onPush ? "POST" : "GET", onPush ? fakeSync()->pushPath() : fakeSync()->pullPath(),
                            FakeFault::notJson(status), 1);
        QCOMPARE(m_a->sync(), error.isEmpty());
        QCOMPARE(m_a->engine->lastError(), error);
        QCOMPARE(m_a->pendingCount(), onPush ? 1 : 0);
        if (!onPush)
            QCOMPARE(m_a->cursor(), cursorBefore);
    });
    converge();
}

VELLUMRY_TEST_GUILESS_MAIN(TestTwoDevices)
#include "tst_twodevices.moc"
