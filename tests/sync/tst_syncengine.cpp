#include "SyncTestSupport.h"
#include "TestMain.h"

#include "sync/SyncRecords.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QNetworkAccessManager>
#include <QRegularExpression>

using namespace SyncTest;
using State = SyncEngine::SyncState;

namespace {

// A run that brings nothing new: it changed no row, so it says nothing of data.
const QStringList kOneRun{"state Syncing...", "state Synced", "completed"};

// Processes what is due now, zero-delay timers included.
void settleEvents()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

} // namespace

// The engine's states, timers and triggers.
class TestSyncEngine : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void stateTexts_data();
    void stateTexts();
    void successfulRunSignalsInOrder();
    void dataChangedOnlyAfterWrittenRows_data();
    void dataChangedOnlyAfterWrittenRows();
    void triggerDuringAFailingRunGivesNoFurtherRun();
    void signedOutSendsNothing();
    void debounceCollapsesABurst();
    void periodicTimer();
    void triggersAndRefusedRefreshDuringARun();
    void heldTriggersGiveOneRunAfterRelease();
    void fullResyncRequestedDuringARun();
    void forceFullSyncMarksEverythingAtOnce();
    void forceFullSyncIsAllOrNothing();
    void heldRunWritesNothingInsideAnImport();

private:
    Device* device() const { return m_world->device(); }
    SyncEngine* engine() const { return m_world->device()->engine; }
    FakeHttpServer* http() const { return m_world->http(); }
    int pullCount() const { return int(m_world->pulls().size()); }
    // The engine's signals by name, in order.
    QStringList m_log;

    std::unique_ptr<SyncWorld> m_world;
};

void TestSyncEngine::init()
{
    m_world = std::make_unique<SyncWorld>();
    QVERIFY(m_world->isReady());
    QVERIFY(device()->open());
    m_log.clear();
    connect(engine(), &SyncEngine::stateChanged, this,
            [this](State state) { m_log.append(QStringLiteral("state ") + SyncEngine::syncStateText(state)); });
    connect(engine(), &SyncEngine::syncCompleted, this, [this] { m_log.append(QStringLiteral("completed")); });
    connect(engine(), &SyncEngine::syncFailed, this,
            [this](const QString& error) { m_log.append(QStringLiteral("failed ") + error); });
    connect(engine(), &SyncEngine::dataChanged, this, [this] { m_log.append(QStringLiteral("dataChanged")); });
}

void TestSyncEngine::cleanup()
{
    m_world.reset();
}

void TestSyncEngine::stateTexts_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("text");
    QTest::newRow("idle") << 0 << QStringLiteral("Synced");
    QTest::newRow("syncing") << 1 << QStringLiteral("Syncing...");
    QTest::newRow("error") << 2 << QStringLiteral("Sync error");
    QTest::newRow("offline") << 3 << QStringLiteral("Offline");
    QTest::newRow("beyond") << 4 << QStringLiteral("Unknown");
}

void TestSyncEngine::stateTexts()
{
    QFETCH(int, state);
    QFETCH(QString, text);
    QCOMPARE(SyncEngine::syncStateText(static_cast<State>(state)), text);
}

void TestSyncEngine::successfulRunSignalsInOrder()
{
    QCOMPARE(engine()->state(), State::Idle);
    QVERIFY(!engine()->isPullCaughtUp());
    // The time of the run is there for whoever hears of its end.
    QString stampedWhenCompleted;
    connect(engine(), &SyncEngine::syncCompleted, this, [&] {
        stampedWhenCompleted = device()->preferences->getString(SyncEngine::kLastSyncTimestampKey);
    });
    QVERIFY(device()->sync());
    QCOMPARE(m_log, kOneRun);
    QCOMPARE(stampedWhenCompleted, QStringLiteral("2024-03-05T14:07:09Z"));
    QVERIFY(engine()->isPullCaughtUp());
    QCOMPARE(engine()->lastError(), QString());
    // Nothing was pending, so nothing was pushed.
    QCOMPARE(m_world->pushes().size(), 0);
    QCOMPARE(pullCount(), 1);
}

void TestSyncEngine::dataChangedOnlyAfterWrittenRows_data()
{
    QTest::addColumn<int>("fromElsewhere");
    QTest::addColumn<bool>("ownRowsAgain");
    QTest::addColumn<QStringList>("emitted");

    QTest::newRow("nothing at the server") << 0 << false << kOneRun;
    QTest::newRow("our own rows, pulled again unchanged") << 0 << true << kOneRun;
    QTest::newRow("another device's account") << 1 << false << kOneRun + QStringList{"dataChanged"};
    QTest::newRow("three of them, once") << 3 << true << kOneRun + QStringList{"dataChanged"};
}

void TestSyncEngine::dataChangedOnlyAfterWrittenRows()
{
    QFETCH(int, fromElsewhere);
    QFETCH(bool, ownRowsAgain);
    QFETCH(QStringList, emitted);
    QVERIFY(device()->accounts->insert(newAccount(QStringLiteral("Ours"))));
    QVERIFY(device()->sync());
    device()->debounceTimer()->stop();
    for (int i = 0; i < fromElsewhere; ++i) {
        const Account remote = newAccount(QStringLiteral("From elsewhere %1").arg(i));
        m_world->fake()->putRow(m_world->userId(), QStringLiteral("account"), remote.id, 1,
                                SyncRecords::accountPayload(remote));
    }
    if (ownRowsAgain)
        engine()->requestFullResync();

    m_log.clear();
    QVERIFY(device()->sync());
    QCOMPARE(m_log, emitted);
    QCOMPARE(countWhere(QStringLiteral("accounts")), 1 + fromElsewhere);
}

void TestSyncEngine::triggerDuringAFailingRunGivesNoFurtherRun()
{
    QVERIFY(device()->accounts->insert(newAccount(QStringLiteral("Pending"))));
    http()->setRouteDelay("POST", m_world->fake()->pushPath(), 200);
    http()->injectFault("GET", m_world->fake()->pullPath(), FakeFault::status(503), 1);
    engine()->syncNow();
    engine()->syncNow();
    QTRY_COMPARE(m_log.count(QStringLiteral("failed Pull failed (HTTP 503)")), 1);
    settleEvents();
    QCOMPARE(m_log, QStringList({"state Syncing...", "state Sync error", "failed Pull failed (HTTP 503)"}));
    QCOMPARE(engine()->state(), State::Error);

    // The next trigger starts afresh, and the old request does not add a run;
    // the last error outlives the success.
    m_log.clear();
    QVERIFY(device()->sync());
    settleEvents();
    QCOMPARE(m_log, kOneRun);
    QCOMPARE(pullCount(), 2);
    QCOMPARE(engine()->lastError(), QStringLiteral("Pull failed (HTTP 503)"));
}

void TestSyncEngine::signedOutSendsNothing()
{
    bool signedIn = false;
    engine()->setSignedInCheck([&signedIn] { return signedIn; });
    engine()->syncNow();
    settleEvents();
    QCOMPARE(http()->requestCount(), 0);
    QCOMPARE(m_log, QStringList());

    // From Error, signing out returns to Idle once.
    signedIn = true;
    http()->injectFault("GET", m_world->fake()->pullPath(), FakeFault::status(500), 1);
    QVERIFY(!device()->sync());
    signedIn = false;
    m_log.clear();
    engine()->syncNow();
    engine()->syncNow();
    QCOMPARE(m_log, QStringList({"state Synced"}));
    QCOMPARE(pullCount(), 1);
}

void TestSyncEngine::debounceCollapsesABurst()
{
    QTimer* debounce = device()->debounceTimer();
    QVERIFY(debounce->isSingleShot());
    QCOMPARE(debounce->interval(), 2000);

    QElapsedTimer sinceLast;
    qint64 startedAfter = -1;
    connect(engine(), &SyncEngine::stateChanged, this, [&](State state) {
        if (state == State::Syncing && startedAfter < 0)
            startedAfter = sinceLast.elapsed();
    });
    for (int i = 0; i < 10; ++i) {
        engine()->scheduleSync();
        sinceLast.start();
    }
    QCOMPARE(m_log, QStringList());
    QTRY_COMPARE_WITH_TIMEOUT(m_log.count(QStringLiteral("completed")), 1, 5000);
    QVERIFY2(startedAfter >= 1990, qPrintable(QString::number(startedAfter)));
    settleEvents();
    QCOMPARE(m_log, kOneRun);
}

void TestSyncEngine::periodicTimer()
{
    QTimer* periodic = device()->periodicTimer();
    QVERIFY(!periodic->isActive());

    // The first run starts at once.
    engine()->startPeriodicSync(300000);
    QCOMPARE(engine()->state(), State::Syncing);
    QCOMPARE(periodic->interval(), 300000);
    QTRY_COMPARE(m_log.count(QStringLiteral("completed")), 1);

    // Stopping leaves a scheduled sync alone.
    engine()->scheduleSync();
    engine()->stopPeriodicSync();
    QVERIFY(!periodic->isActive());
    QVERIFY(device()->debounceTimer()->isActive());
    device()->debounceTimer()->stop();

    // Every interval brings a run, until stopped.
    engine()->startPeriodicSync(50);
    QTRY_VERIFY(m_log.count(QStringLiteral("completed")) >= 4);
    engine()->stopPeriodicSync();
    QTRY_COMPARE(engine()->state(), State::Idle);
    const qsizetype runs = m_log.count(QStringLiteral("completed"));
    settleEvents();
    QCOMPARE(m_log.count(QStringLiteral("completed")), runs);
}

void TestSyncEngine::triggersAndRefusedRefreshDuringARun()
{
    // A refresh refused for another request on the shared client. (In the
    // program that also signs the user out, who may well sign in again before
    // a pull returns; here the session stays.) Between runs it only shows the
    // error state.
    disconnect(device()->api(), &OrvaAccount::ApiClient::authenticationRequired, device()->client()->authClient(),
               nullptr);
    emit device()->api()->authenticationRequired();
    QCOMPARE(m_log, QStringList({"state Sync error"}));
    QCOMPARE(http()->requestCount(), 0);

    m_log.clear();
    http()->setRouteDelay("GET", m_world->fake()->pullPath(), 300);
    engine()->syncNow();
    QTRY_COMPARE(pullCount(), 1);

    // Now while the pull is out; then three more triggers.
    emit device()->api()->authenticationRequired();
    QCOMPARE(engine()->state(), State::Error);
    for (int i = 0; i < 3; ++i)
        engine()->syncNow();
    QCOMPARE(pullCount(), 1);
    QVERIFY(engine()->isRunning());

    // The run ends through its own reply; the triggers made one more run after it.
    QTRY_COMPARE(m_log.count(QStringLiteral("completed")), 2);
    settleEvents();
    QCOMPARE(m_log, QStringList({"state Syncing...", "state Sync error"}) + kOneRun.mid(1) + kOneRun);
    QCOMPARE(pullCount(), 2);
}

void TestSyncEngine::fullResyncRequestedDuringARun()
{
    QVERIFY(device()->accounts->insert(newAccount(QStringLiteral("Checking"))));
    QVERIFY(device()->sync());
    http()->setRouteDelay("GET", m_world->fake()->pullPath(), 300);
    engine()->syncNow();
    QTRY_COMPARE(pullCount(), 2);

    // The run under way stores its page's cursor after the request; the next
    // run still pulls from the beginning.
    engine()->requestFullResync();
    engine()->syncNow();
    QTRY_COMPARE(pullCount(), 3);
    QVERIFY(!m_world->pulls().constLast().query.hasQueryItem(QStringLiteral("cursor")));
    QTRY_COMPARE(m_log.count(QStringLiteral("completed")), 3);
}

namespace {

// One live row in each synced table and a deleted transaction, all synced.
QString seedSyncedLedger(Device* device)
{
    const Account account = newAccount(QStringLiteral("Checking"));
    Transaction gone = newTransaction(account.id, QStringLiteral("Gone"), -100);
    const bool seeded = device->accounts->insert(account) && device->categories->insert(newCategory("Food"))
                        && device->recurring->insert(newRecurring(account.id, QStringLiteral("Rent"), -90000))
                        && device->transactions->insert(newTransaction(account.id, QStringLiteral("Bakery"), -450))
                        && device->transactions->insert(gone) && device->transactions->softDelete(gone.id)
                        && device->reconciliations->insert(newReconciliation(account.id, QDate(2024, 2, 29), 0))
                        && device->sync() && device->pendingCount() == 0;
    return seeded ? gone.id : QString();
}

// Pending rows per synced table, then whether the cursor and the last sync time are kept.
QVariantList resyncState(Device* device)
{
    QVariantList state;
    for (const QString& table : kSyncedTables)
        state.append(countWhere(table, QStringLiteral("sync_status = 'pending'")));
    state << device->preferences->get(QStringLiteral("syncCursor")).has_value()
          << device->preferences->get(SyncEngine::kLastSyncTimestampKey).has_value();
    return state;
}

} // namespace

void TestSyncEngine::forceFullSyncMarksEverythingAtOnce()
{
    const QString goneId = seedSyncedLedger(device());
    QVERIFY(!goneId.isEmpty());
    QCOMPARE(resyncState(device()), QVariantList({0, 0, 0, 0, 0, true, true}));
    const qsizetype pushes = m_world->pushes().size();

    QTest::ignoreMessage(QtInfoMsg, "Force Full Sync: marked pending — accounts: 1 categories: 1 transactions: 1 "
                                    "recurrings: 1 reconciliations: 1");
    QVERIFY(engine()->forceFullSync());
    // The run has started but not yet been answered; a deleted row keeps its status.
    QCOMPARE(resyncState(device()), QVariantList({1, 1, 1, 1, 1, false, false}));
    QCOMPARE(countWhere(QStringLiteral("transactions"), QStringLiteral("sync_status = 'synced'")), 1);
    QVERIFY(engine()->isRunning());

    QTRY_COMPARE(m_log.count(QStringLiteral("completed")), 2);
    QCOMPARE(m_world->pushes().size(), pushes + 1);
    QCOMPARE(m_world->pushes().constLast().jsonBody().value(QLatin1String("changes")).toArray().size(), 5);
    QVERIFY(!m_world->pulls().constLast().query.hasQueryItem(QStringLiteral("cursor")));
    QCOMPARE(resyncState(device()), QVariantList({0, 0, 0, 0, 0, true, true}));
}

void TestSyncEngine::forceFullSyncIsAllOrNothing()
{
    QVERIFY(!seedSyncedLedger(device()).isEmpty());
    const QString stamp = device()->preferences->getString(SyncEngine::kLastSyncTimestampKey);
    // The last of the five tables refuses: the four before it are not left marked.
    QSqlQuery refuse(QSqlDatabase::database());
    QVERIFY(refuse.exec(QStringLiteral("CREATE TRIGGER refuse_resync BEFORE UPDATE ON reconciliations "
                                       "BEGIN SELECT RAISE(ABORT, 'refused'); END")));

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("markAllPendingForResync failed:")));
    QTest::ignoreMessage(QtInfoMsg, QRegularExpression(QStringLiteral("^Force Full Sync: marked pending")));
    QTest::ignoreMessage(QtWarningMsg, "Force Full Sync: the rows could not be marked; nothing was changed");
    QVERIFY(!engine()->forceFullSync());
    QCOMPARE(QVariantList({device()->pendingCount(),
                           device()->preferences->getString(SyncEngine::kLastSyncTimestampKey)}),
             QVariantList({0, stamp}));

    // The run still pulls from the beginning.
    QTRY_COMPARE(m_log.count(QStringLiteral("completed")), 2);
    QVERIFY(!m_world->pulls().constLast().query.hasQueryItem(QStringLiteral("cursor")));
}

void TestSyncEngine::heldTriggersGiveOneRunAfterRelease()
{
    engine()->holdRuns();
    engine()->holdRuns();
    engine()->syncNow();
    engine()->scheduleSync();
    engine()->startPeriodicSync(300000);
    engine()->releaseRuns();
    settleEvents();
    QVERIFY(engine()->isHeld());
    QCOMPARE(http()->requestCount(), 0);
    QCOMPARE(engine()->state(), State::Idle);

    engine()->releaseRuns();
    QVERIFY(!engine()->isHeld());
    QTRY_COMPARE(m_log.count(QStringLiteral("completed")), 1);
    settleEvents();
    QCOMPARE(pullCount(), 1);
    // A release without a hold changes nothing.
    engine()->releaseRuns();
    QVERIFY(!engine()->isHeld());
    engine()->stopPeriodicSync();
    device()->debounceTimer()->stop();
}

void TestSyncEngine::heldRunWritesNothingInsideAnImport()
{
    // Another device's account waits at the server.
    Account remote = newAccount(QStringLiteral("From elsewhere"));
    m_world->fake()->putRow(m_world->userId(), QStringLiteral("account"), remote.id, 1,
                            SyncRecords::accountPayload(remote));
    http()->setRouteDelay("GET", m_world->fake()->pullPath(), 100);
    engine()->syncNow();
    QTRY_COMPARE(pullCount(), 1);

    // An import starts: it holds runs and opens its transaction; its progress
    // dialog lets events through while the page arrives.
    engine()->holdRuns();
    QSqlDatabase db = QSqlDatabase::database();
    QVERIFY(db.transaction());
    QSignalSpy answered(device()->api()->findChild<QNetworkAccessManager*>(), &QNetworkAccessManager::finished);
    QVERIFY(answered.wait(5000));
    settleEvents();
    QCOMPARE(m_log.count(QStringLiteral("completed")), 0);
    QCOMPARE(engine()->state(), State::Syncing);
    QCOMPARE(countWhere(QStringLiteral("accounts")), 0);

    // The import gives up; its rollback takes nothing of the sync with it.
    QVERIFY(db.rollback());
    engine()->releaseRuns();
    QTRY_COMPARE(m_log.count(QStringLiteral("completed")), 1);
    QVERIFY(device()->accounts->findById(remote.id).has_value());
    QVERIFY(!device()->cursor().isEmpty());
    QCOMPARE(pullCount(), 1);
}

VELLUMRY_TEST_GUILESS_MAIN(TestSyncEngine)
#include "tst_syncengine.moc"
