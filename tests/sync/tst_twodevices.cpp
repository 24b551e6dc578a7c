#include "SyncTestSupport.h"
#include "TestMain.h"

#include "data/CategoryService.h"
#include "data/SqlTransaction.h"
#include "data/SqlValues.h"

#include <QElapsedTimer>
#include <QJsonArray>

using namespace SyncTest;

// Two ledgers of one user, opened one after the other in this process, each
// with its own session, syncing through the fake services.
class TestTwoDevices : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstSyncCopiesEveryTable();
    void editAgainstEdit();
    void deleteAgainstEdit_data();
    void deleteAgainstEdit();
    void editWhileItsPushIsInFlight();
    void defaultsAndOpeningBalancesMadeOnBothDevices();
    void accountDeletedAndRestored();
    void tenThousandTransactions();

    void serverDownDuringPush();
    void failureOnPullPageThree();
    void failureOnPushBatchTwoOfThree();
    void replyLostAfterTheServerApplied();
    void hangFailsTheRunAtTheTimeOut();
    void unauthorizedThenRefreshed();
    void bodiesThatAreNotJson_data();
    void bodiesThatAreNotJson();

private:
    // A syncs, B syncs, A syncs; then both ledgers hold the same rows, nothing
    // is pending, and one more run on each moves and schedules nothing.
    void converge();
    void checkQuiet(Device& device, const Snapshot& expected);
    // Opens the device for the statements, and closes it after.
    template<typename Work>
    void on(Device& device, Work work)
    {
        QVERIFY(device.open());
        work();
        device.close();
    }
    void settle(Device& device)
    {
        on(device, [&] { QVERIFY(device.settle()); });
    }
    // An account with a few rows of every kind, made on A and synced to B.
    void sharedBaseline();
    int pushRequests() const { return int(http()->requestsTo(fakeSync()->pushPath()).size()); }
    FakeHttpServer* http() const { return m_world->services.http(); }
    FakeSyncService* fakeSync() const { return m_world->services.sync(); }

    std::unique_ptr<OnlineTest::OnlineWorld> m_world;
    std::unique_ptr<Device> m_a;
    std::unique_ptr<Device> m_b;
    QString m_accountId;
    QString m_transactionId;
};

void TestTwoDevices::init()
{
    Clock::setFixedNow(baseTime());
    m_world = std::make_unique<OnlineTest::OnlineWorld>();
    QVERIFY(m_world->services.start());
    m_a = std::make_unique<Device>(&m_world->services, m_world->userId, QStringLiteral("A"));
    m_b = std::make_unique<Device>(&m_world->services, m_world->userId, QStringLiteral("B"));
    QVERIFY(m_a->client()->isAuthenticated());
    QVERIFY(m_b->client()->isAuthenticated());
}

void TestTwoDevices::cleanup()
{
    m_a.reset();
    m_b.reset();
    m_world.reset();
    Clock::reset();
}

void TestTwoDevices::checkQuiet(Device& device, const Snapshot& expected)
{
    on(device, [&] {
        const int pushesBefore = pushRequests();
        QSignalSpy accountsChanged(device.accounts, &AccountRepository::accountsChanged);
        QSignalSpy transactionsChanged(device.transactions, &TransactionRepository::transactionsChanged);
        QSignalSpy categoriesChanged(device.categories, &CategoryRepository::categoriesChanged);
        QSignalSpy recurringChanged(device.recurring, &RecurringRepository::recurringChanged);
        QSignalSpy reconciliationsChanged(device.reconciliations, &ReconciliationRepository::reconciliationsChanged);
        QVERIFY(device.sync());
        QCOMPARE(pushRequests(), pushesBefore);
        QCOMPARE(accountsChanged.count() + transactionsChanged.count() + categoriesChanged.count()
                     + recurringChanged.count() + reconciliationsChanged.count(),
                 0);
        QVERIFY(!device.debounceTimer()->isActive());
        QVERIFY(device.engine->isPullCaughtUp());
        QVERIFY(device.snapshot() == expected);
    });
}

void TestTwoDevices::converge()
{
    settle(*m_a);
    settle(*m_b);
    settle(*m_a);

    Snapshot onA;
    Snapshot onB;
    on(*m_a, [&] {
        onA = m_a->snapshot();
        QCOMPARE(m_a->pendingCount(), 0);
    });
    on(*m_b, [&] {
        onB = m_b->snapshot();
        QCOMPARE(m_b->pendingCount(), 0);
    });
    for (auto it = onA.tables.cbegin(); it != onA.tables.cend(); ++it)
        QCOMPARE(onB.tables.value(it.key()), *it);
    checkQuiet(*m_a, onA);
    checkQuiet(*m_b, onB);
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
        SplitLine first;
        first.categoryId = parent.id;
        first.amount = -1000;
        first.memo = QStringLiteral("lamp");
        SplitLine second = first;
        second.categoryId = child.id;
        second.amount = -2000;
        second.memo = QString();
        for (SplitLine line : {first, second}) {
            line.id = newId();
            line.transactionId = split.id;
            line.createdAt = split.createdAt;
            line.updatedAt = split.updatedAt;
            QVERIFY(m_a->splitLines->insert(line));
        }

        RecurringTransaction rent = newRecurring(m_accountId, QStringLiteral("Rent"), -120000);
        rent.intervalCount = 2;
        rent.leadDays = 3;
        rent.endDate = QDate(2025, 1, 1);
        QVERIFY(m_a->recurring->insert(rent));
        QVERIFY(m_a->reconciliations->insert(newReconciliation(m_accountId, QDate(2024, 2, 29), 150000)));
    });
    converge();
}

void TestTwoDevices::firstSyncCopiesEveryTable()
{
    sharedBaseline();
    on(*m_b, [&] {
        QCOMPARE(m_b->accounts->listActive().size(), 1);
        QCOMPARE(m_b->categories->countLive(), 2);
        QCOMPARE(m_b->transactions->listByAccount(m_accountId).size(), 2);
        QCOMPARE(m_b->recurring->listAll().size(), 1);
        QCOMPARE(m_b->recurring->listAll().first().intervalCount, 2);
        QCOMPARE(m_b->reconciliations->listByAccount(m_accountId).size(), 1);
        QCOMPARE(countWhere(QStringLiteral("split_lines"), QStringLiteral("1")), 2);
        QVERIFY(!m_b->preferences->getString(SyncEngine::kLastSyncTimestampKey).isEmpty());
    });
}

void TestTwoDevices::editAgainstEdit()
{
    sharedBaseline();
    const auto edit = [this](Device& device, const QString& payee) {
        on(device, [&] {
            Transaction transaction = *device.transactions->findById(m_transactionId);
            transaction.payee = payee;
            tick();
            touch(transaction);
            QVERIFY(device.transactions->update(transaction));
        });
    };
    edit(*m_a, QStringLiteral("Edited on A"));
    edit(*m_b, QStringLiteral("Edited on B"));
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
    on(editor, [&] {
        Transaction transaction = *editor.transactions->findById(m_transactionId);
        transaction.memo = QStringLiteral("edited");
        touch(transaction);
        QVERIFY(editor.transactions->update(transaction));
    });
    converge();
    // Whichever reached the server first, the deletion holds on both.
    on(*m_a, [&] { QVERIFY(m_a->transactions->findById(m_transactionId)->deletedAt.has_value()); });
    on(*m_b, [&] { QVERIFY(m_b->transactions->findById(m_transactionId)->deletedAt.has_value()); });
}

void TestTwoDevices::editWhileItsPushIsInFlight()
{
    sharedBaseline();
    on(*m_a, [&] {
        Transaction transaction = *m_a->transactions->findById(m_transactionId);
        transaction.payee = QStringLiteral("First edit");
        touch(transaction);
        QVERIFY(m_a->transactions->update(transaction));

        // The user edits again while the push of the first edit is at the server.
        const QMetaObject::Connection editor =
            connect(http(), &FakeHttpServer::requestReceived, m_a->engine, [&](const FakeRequest& request) {
                if (request.route != fakeSync()->pushPath())
                    return;
                Transaction again = *m_a->transactions->findById(m_transactionId);
                again.payee = QStringLiteral("Second edit");
                tick();
                touch(again);
                m_a->transactions->update(again);
            });
        QVERIFY(m_a->sync());
        disconnect(editor);

        const Transaction stored = *m_a->transactions->findById(m_transactionId);
        QCOMPARE(stored.payee, QStringLiteral("Second edit"));
        QCOMPARE(stored.version, 3);
        QCOMPARE(stored.syncStatus, SyncStatus::Pending);
        QCOMPARE(stored.serverId, fakeSync()->row(m_world->userId, QStringLiteral("transaction"), m_transactionId)
                                      ->serverId);
        QVERIFY(m_a->debounceTimer()->isActive());
    });
    converge();
    on(*m_b, [&] {
        const Transaction onB = *m_b->transactions->findById(m_transactionId);
        QCOMPARE(onB.payee, QStringLiteral("Second edit"));
        QCOMPARE(onB.version, 3);
    });
}

void TestTwoDevices::defaultsAndOpeningBalancesMadeOnBothDevices()
{
    // Both ledgers seed the default categories before they ever sync.
    for (Device* device : {m_a.get(), m_b.get()}) {
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
    for (Device* device : {m_a.get(), m_b.get()}) {
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
        QCOMPARE(countWhere(QStringLiteral("categories"), QStringLiteral("is_default = 1"))
                     , countWhere(QStringLiteral("categories"), QStringLiteral("1")));
    });
    QCOMPARE(fakeSync()->rows(m_world->userId, QStringLiteral("transaction")).size(), 1);
}

void TestTwoDevices::accountDeletedAndRestored()
{
    sharedBaseline();
    QString deletedSince;
    on(*m_a, [&] {
        deletedSince = SqlValues::nowText();
        QVERIFY(m_a->accounts->softDelete(m_accountId));
        QVERIFY(m_a->transactions->softDeleteByAccount(m_accountId) > 0);
        QVERIFY(m_a->recurring->softDeleteByAccount(m_accountId) > 0);
        QVERIFY(m_a->reconciliations->softDeleteByAccount(m_accountId) > 0);
    });
    converge();
    on(*m_b, [&] {
        QVERIFY(m_b->accounts->listActive().isEmpty());
        QVERIFY(m_b->transactions->listByAccount(m_accountId).isEmpty());
        QVERIFY(m_b->recurring->listAll().isEmpty());
        QVERIFY(m_b->reconciliations->listByAccount(m_accountId).isEmpty());
    });

    tick(60);
    on(*m_a, [&] {
        QVERIFY(m_a->accounts->restore(m_accountId));
        QVERIFY(m_a->transactions->restoreByAccount(m_accountId, deletedSince) > 0);
        QVERIFY(m_a->recurring->restoreByAccount(m_accountId, deletedSince) > 0);
        QVERIFY(m_a->reconciliations->restoreByAccount(m_accountId, deletedSince) > 0);
    });
    converge();
    on(*m_b, [&] {
        QCOMPARE(m_b->accounts->listActive().size(), 1);
        QCOMPARE(m_b->transactions->listByAccount(m_accountId).size(), 2);
        QCOMPARE(m_b->recurring->listAll().size(), 1);
        QCOMPARE(m_b->reconciliations->listByAccount(m_accountId).size(), 1);
    });
}

void TestTwoDevices::tenThousandTransactions()
{
    constexpr int kAccounts = 5;
    constexpr int kTransactions = 10000;
    QStringList accountIds;
    on(*m_a, [&] {
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

    QElapsedTimer total;
    total.start();
    // Slow enough answers that a second batch sent early would meet the first.
    fakeSync()->setPushReplyDelay(5);
    const int pushesBefore = int(fakeSync()->pushBatchSizes().size());
    QElapsedTimer run;
    qint64 pushMs = -1;
    connect(http(), &FakeHttpServer::requestReceived, this, [&](const FakeRequest& request) {
        if (pushMs < 0 && request.route == fakeSync()->pullPath())
            pushMs = run.elapsed();
    });
    qint64 echoPullMs = 0;
    on(*m_a, [&] {
        m_a->debounceTimer()->stop();
        run.start();
        QVERIFY(m_a->sync(120000));
        echoPullMs = run.elapsed() - pushMs;
    });
    const QList<int> batches = fakeSync()->pushBatchSizes().mid(pushesBefore);
    QCOMPARE(batches, QList<int>(20, 500));
    QCOMPARE(fakeSync()->overlappingPushCount(), 0);
    fakeSync()->setPushReplyDelay(0);
    disconnect(http(), &FakeHttpServer::requestReceived, this, nullptr);

    QElapsedTimer pull;
    on(*m_b, [&] {
        pull.start();
        QVERIFY(m_b->settle());
        QCOMPARE(countWhere(QStringLiteral("transactions"), QStringLiteral("1")), kTransactions);
    });
    const qint64 pullMs = pull.elapsed();
    converge();
    const auto perSecond = [](qint64 ms) { return kTransactions * 1000 / qMax<qint64>(1, ms); };
    qInfo().noquote() << QStringLiteral("10,000 rows: push %1 ms (%2 rows/s); pull of the unchanged echo on A %3 ms "
                                        "(%4 rows/s); first pull on B %5 ms (%6 rows/s); whole test %7 ms")
                             .arg(pushMs)
                             .arg(perSecond(pushMs))
                             .arg(echoPullMs)
                             .arg(perSecond(echoPullMs))
                             .arg(pullMs)
                             .arg(perSecond(pullMs))
                             .arg(total.elapsed());
}

void TestTwoDevices::serverDownDuringPush()
{
    on(*m_a, [&] {
        const Account account = newAccount(QStringLiteral("Cash"));
        QVERIFY(m_a->accounts->insert(account));
        QVERIFY(m_a->transactions->insert(newTransaction(account.id, QStringLiteral("Kiosk"), -300)));
        http()->injectFault("POST", fakeSync()->pushPath(), FakeFault::drop());
        QVERIFY(!m_a->sync());
        QCOMPARE(m_a->engine->state(), SyncEngine::SyncState::Error);
        QCOMPARE(m_a->engine->lastError(), QStringLiteral("Push failed (HTTP 0)"));
        QCOMPARE(m_a->pendingCount(), 2);
        http()->clearFaults();
    });
    converge();
}

void TestTwoDevices::failureOnPullPageThree()
{
    on(*m_a, [&] {
        const Account account = newAccount(QStringLiteral("Busy"));
        QVERIFY(m_a->accounts->insert(account));
        for (int i = 0; i < 700; ++i)
            QVERIFY(m_a->transactions->insert(newTransaction(account.id, QStringLiteral("Shop %1").arg(i), -i - 1)));
    });
    settle(*m_a);

    http()->clearRequests();
    injectAfter(http(), "GET", fakeSync()->pullPath(), 2, FakeFault::status(500));
    on(*m_b, [&] {
        QVERIFY(!m_b->sync());
        QCOMPARE(m_b->engine->lastError(), QStringLiteral("Pull failed (HTTP 500)"));
        const QList<FakeRequest> pulls = http()->requestsTo(fakeSync()->pullPath());
        QCOMPARE(pulls.size(), 3);
        // Pages one and two are applied, and the cursor after page two is kept.
        const QString afterPageTwo = pulls.at(2).query.queryItemValue(QStringLiteral("cursor"));
        QCOMPARE(m_b->preferences->getString(QStringLiteral("syncCursor")), afterPageTwo);
        QCOMPARE(countWhere(QStringLiteral("transactions"), QStringLiteral("1")), 399);

        http()->clearRequests();
        QVERIFY(m_b->sync());
        QCOMPARE(http()->requestsTo(fakeSync()->pullPath()).first().query.queryItemValue(QStringLiteral("cursor")),
                 afterPageTwo);
        QCOMPARE(countWhere(QStringLiteral("transactions"), QStringLiteral("1")), 700);
    });
    converge();
}

void TestTwoDevices::failureOnPushBatchTwoOfThree()
{
    on(*m_a, [&] {
        const Account account = newAccount(QStringLiteral("Many"));
        QVERIFY(m_a->accounts->insert(account));
        for (int i = 0; i < 1199; ++i)
            QVERIFY(m_a->transactions->insert(newTransaction(account.id, QStringLiteral("Shop"), -i - 1)));
        injectAfter(http(), "POST", fakeSync()->pushPath(), 1, FakeFault::status(500));
        QVERIFY(!m_a->sync());
        QCOMPARE(m_a->engine->lastError(), QStringLiteral("Push failed (HTTP 500)"));
        QCOMPARE(fakeSync()->pushBatchSizes(), QList<int>({500}));
        QCOMPARE(m_a->pendingCount(), 700);
        // No pull after a failed push.
        QVERIFY(http()->requestsTo(fakeSync()->pullPath()).isEmpty());
        QVERIFY(m_a->sync());
        QCOMPARE(fakeSync()->pushBatchSizes(), QList<int>({500, 500, 200}));
    });
    converge();
}

void TestTwoDevices::replyLostAfterTheServerApplied()
{
    on(*m_a, [&] {
        m_a->api()->setTransferTimeout(500);
        const Account account = newAccount(QStringLiteral("Lost"));
        QVERIFY(m_a->accounts->insert(account));
        http()->injectFault("POST", fakeSync()->pushPath(), FakeFault::truncate(), 1);
        QVERIFY(!m_a->sync());
        QCOMPARE(m_a->engine->lastError(), QStringLiteral("Push failed (HTTP 0)"));
        QCOMPARE(m_a->pendingCount(), 1);
        QCOMPARE(fakeSync()->rows(m_world->userId, QStringLiteral("account")).size(), 1);
    });
    converge();
    QCOMPARE(fakeSync()->rows(m_world->userId, QStringLiteral("account")).first().version, 1);
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
        const int refreshesBefore = m_world->services.auth()->refreshCount();
        http()->injectFault("POST", fakeSync()->pushPath(), FakeFault::status(401), 1);
        QVERIFY(m_a->sync());
        QCOMPARE(m_world->services.auth()->refreshCount(), refreshesBefore + 1);
        QCOMPARE(m_a->pendingCount(), 0);
        QCOMPARE(m_a->engine->state(), SyncEngine::SyncState::Idle);
    });
    converge();
}

void TestTwoDevices::bodiesThatAreNotJson_data()
{
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<bool>("onPush");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("runSucceeds");
    QTest::addColumn<QString>("error");
    // A push answered with something else accepted nothing: the rows go again.
    QTest::newRow("push, 200") << QByteArray("POST") << true << 200 << true << QString();
    QTest::newRow("push, 500") << QByteArray("POST") << true << 500 << false
                               << QStringLiteral("Push failed (HTTP 500)");
    QTest::newRow("pull, 200") << QByteArray("GET") << false << 200 << false
                               << QStringLiteral("Pull failed: the reply was not a page of changes");
    QTest::newRow("pull, 502") << QByteArray("GET") << false << 502 << false
                               << QStringLiteral("Pull failed (HTTP 502)");
}

void TestTwoDevices::bodiesThatAreNotJson()
{
    QFETCH(QByteArray, method);
    QFETCH(bool, onPush);
    QFETCH(int, status);
    QFETCH(bool, runSucceeds);
    QFETCH(QString, error);
    sharedBaseline();
    on(*m_a, [&] {
        QVERIFY(m_a->accounts->insert(newAccount(QStringLiteral("Garbled"))));
        const QString cursorBefore = m_a->preferences->getString(QStringLiteral("syncCursor"));
        http()->injectFault(method, onPush ? fakeSync()->pushPath() : fakeSync()->pullPath(),
                            FakeFault::notJson(status), 1);
        QCOMPARE(m_a->sync(), runSucceeds);
        QCOMPARE(m_a->engine->lastError(), error);
        QCOMPARE(m_a->pendingCount(), onPush ? 1 : 0);
        if (!onPush)
            QCOMPARE(m_a->preferences->getString(QStringLiteral("syncCursor")), cursorBefore);
    });
    converge();
}

VELLUMRY_TEST_GUILESS_MAIN(TestTwoDevices)
#include "tst_twodevices.moc"
