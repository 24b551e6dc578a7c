#include "FakeServices.h"
#include "TestMain.h"

#include "account/Client.h"
#include "account/FileTokenStore.h"
#include "account/TokenStore.h"
#include "state/AppState.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/Identifiers.h"
#include "data/Money.h"
#include "data/CategoryService.h"
#include "data/PreferencesRepository.h"
#include "data/ReconciliationRepository.h"
#include "data/RecurringService.h"
#include "data/SplitLineRepository.h"
#include "services/BackupService.h"
#include "services/ReportService.h"
#include "sync/AccountSharingService.h"
#include "data/RecurringRepository.h"
#include "data/TransactionRepository.h"
#include "state/LedgerGate.h"
#include "services/ImportService.h"
#include "sync/SyncEngine.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QTimer>

#include <memory>

namespace {

// Writes preferences into a fresh ledger in `dir` before the state opens it.
void seedPreferences(const QString& dir, const QList<QPair<QString, QString>>& preferences)
{
    Database database;
    QVERIFY(database.open(dir + QStringLiteral("/vellumry.db")));
    QVERIFY(database.migrate());
    for (const auto& [key, value] : preferences) {
        QSqlQuery query(database.database());
        query.prepare(QStringLiteral("INSERT INTO preferences (key, value) VALUES (?, ?)"));
        query.addBindValue(key);
        query.addBindValue(value);
        QVERIFY(query.exec());
    }
}

Account accountWithStartingBalance(const QString& name, qint64 startingBalance)
{
    Account account;
    account.id = newId();
    account.name = name;
    account.startingBalance = startingBalance;
    account.createdAt = QDateTime(QDate(2024, 1, 2), QTime(8, 0), QTimeZone::utc());
    account.updatedAt = account.createdAt;
    return account;
}

// The sync engine's 2000 ms single-shot debounce.
QTimer* debounceOf(SyncEngine* engine)
{
    const QList<QTimer*> timers = engine->findChildren<QTimer*>(QString(), Qt::FindDirectChildrenOnly);
    for (QTimer* timer : timers) {
        if (timer->isSingleShot() && timer->interval() == 2000)
            return timer;
    }
    return nullptr;
}

const char* const kEndpointVariables[] = {"AUTH_BASE_URL", "AUTH_REALM_SLUG", "ACCOUNT_API_URL", "SYNC_API_URL",
                                          "AUTH_CLIENT_ID", "ACCOUNT_PORTAL_URL"};

} // namespace

class TestAppState : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QCoreApplication::setApplicationVersion(QStringLiteral("1.1.10")); }
    void init();
    void cleanup();
    void buildsEverythingWithDefaults();
    void storedPreferencesApply();
    void endpointsComeFromTheEnvironment();
    void currentAccount();
    void ledgerEditsScheduleSync();
    void importHoldsSyncRuns();
    void restoredSessionRegistersTheDeviceAndSyncs();
    void openingBalancesAreBackfilled();

private:
    AppState* startState();

    std::unique_ptr<QTemporaryDir> m_dataDir;
    std::unique_ptr<AppState> m_state;
};

void TestAppState::init()
{
    m_dataDir = std::make_unique<QTemporaryDir>();
    qputenv("VELLUMRY_DATA_DIR", QFile::encodeName(m_dataDir->path()));
    setAmountAutoDecimal(false);
}

void TestAppState::cleanup()
{
    m_state.reset();
    for (const char* name : kEndpointVariables)
        qunsetenv(name);
    m_dataDir.reset();
}

AppState* TestAppState::startState()
{
    m_state = std::make_unique<AppState>();
    return m_state->initialize() ? m_state.get() : nullptr;
}

void TestAppState::buildsEverythingWithDefaults()
{
    m_state = std::make_unique<AppState>();
    QSignalSpy readySpy(m_state.get(), &AppState::databaseReady);
    QVERIFY(m_state->initialize());
    QCOMPARE(readySpy.count(), 1);

    AppState* state = m_state.get();
    const QList<QObject*> members = {
        state->database, state->accountRepository, state->transactionRepository, state->categoryRepository,
        state->preferencesRepository, state->splitLineRepository, state->recurringRepository,
        state->reconciliationRepository, state->categoryService, state->recurringService, state->reportService,
        state->importService, state->backupService, state->ledgerGate, state->sharingService,
        state->accountClient, state->syncEngine};
    for (QObject* member : members) {
        QVERIFY(member);
        QCOMPARE(member->parent(), state);
    }

    // The ledger's rules are built once, with the ledger.
    QVERIFY(state->transactionWriter && state->transferService && state->openingBalanceService
            && state->accountService && state->reconciliationService);

    QVERIFY(!isAmountAutoDecimal());
    // The look belongs to the window layer.
    QVERIFY(!state->themeManager);
    QVERIFY(state->currentAccountId.isEmpty());
    // Signed out: the defaults are seeded (twice over, adding nothing the second time).
    QCOMPARE(state->categoryRepository->countLive(), 56);
    QVERIFY(!state->accountClient->isAuthenticated());
    QCOMPARE(state->syncEngine->state(), SyncEngine::SyncState::Idle);
}

void TestAppState::storedPreferencesApply()
{
    seedPreferences(m_dataDir->path(), {{QStringLiteral("amountAutoDecimal"), QStringLiteral("1")},
                                        {QStringLiteral("lastViewedAccountId"), QStringLiteral("gone-account")}});
    AppState* state = startState();
    QVERIFY(state);
    QVERIFY(isAmountAutoDecimal());
    // A stale account id is kept; the window decides what to show.
    QCOMPARE(state->currentAccountId, QStringLiteral("gone-account"));
}

void TestAppState::endpointsComeFromTheEnvironment()
{
    OrvaAccount::ClientConfig defaults = AppState::clientConfigFromEnvironment();
    QCOMPARE(defaults.realmSlug, QStringLiteral("orvalen"));
    QCOMPARE(defaults.clientId, QStringLiteral("5e0d7a13c94b2f86a1d3e07b6c25f948"));
    QCOMPARE(defaults.appId, QStringLiteral("com.orvalenworks.vellumry"));
    QCOMPARE(defaults.appName, QStringLiteral("Orvalen Vellumry"));
    QCOMPARE(defaults.appVersion, QCoreApplication::applicationVersion());
    QVERIFY(defaults.platform.isEmpty());
    QCOMPARE(QUrl(defaults.accountApiUrl).path(), QStringLiteral("/account/v1"));
    QCOMPARE(QUrl(AppState::syncApiUrlFromEnvironment()).path(), QStringLiteral("/vellumry/v1"));

    qputenv("AUTH_BASE_URL", "http://127.0.0.1:1/auth/");
    qputenv("AUTH_REALM_SLUG", "");
    qputenv("SYNC_API_URL", "http://127.0.0.1:2/sync");
    qputenv("AUTH_CLIENT_ID", "abc");
    const OrvaAccount::ClientConfig custom = AppState::clientConfigFromEnvironment();
    // Used as given: no trimming, no slash rule; empty is the same as unset.
    QCOMPARE(custom.authBaseUrl, QStringLiteral("http://127.0.0.1:1/auth/"));
    QCOMPARE(custom.realmSlug, QStringLiteral("orvalen"));
    QCOMPARE(custom.clientId, QStringLiteral("abc"));
    QCOMPARE(AppState::syncApiUrlFromEnvironment(), QStringLiteral("http://127.0.0.1:2/sync"));
}

void TestAppState::currentAccount()
{
    AppState* state = startState();
    QVERIFY(state);
    QSignalSpy changed(state, &AppState::currentAccountChanged);
    state->setCurrentAccountId(QStringLiteral("a1"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(state->preferencesRepository->getString(QStringLiteral("lastViewedAccountId"), QString()),
             QStringLiteral("a1"));

    // The same id again neither writes nor emits.
    QVERIFY(state->preferencesRepository->set(QStringLiteral("lastViewedAccountId"), QStringLiteral("x")));
    state->setCurrentAccountId(QStringLiteral("a1"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(state->preferencesRepository->getString(QStringLiteral("lastViewedAccountId"), QString()),
             QStringLiteral("x"));
}

void TestAppState::ledgerEditsScheduleSync()
{
    AppState* state = startState();
    QVERIFY(state);
    QTimer* debounce = debounceOf(state->syncEngine);
    QVERIFY(debounce);
    debounce->stop();

    Account account;
    account.id = newId();
    account.name = QStringLiteral("Checking");
    account.createdAt = account.updatedAt = Clock::nowUtc();
    QVERIFY(state->accountRepository->insert(account));
    QVERIFY(debounce->isActive());

    debounce->stop();
    Transaction transaction;
    transaction.id = newId();
    transaction.accountId = account.id;
    transaction.date = QDate(2024, 5, 1);
    transaction.payee = QStringLiteral("Grocer");
    transaction.amount = -1250;
    transaction.createdAt = transaction.updatedAt = Clock::nowUtc();
    QVERIFY(state->transactionRepository->insert(transaction));
    QVERIFY(debounce->isActive());

    debounce->stop();
    QVERIFY(state->categoryRepository->softDelete(state->categoryRepository->listAll().constFirst().id));
    QVERIFY(debounce->isActive());

    // Recurring changes wait for the next run.
    debounce->stop();
    RecurringTransaction recurring;
    recurring.id = newId();
    recurring.accountId = account.id;
    recurring.payee = QStringLiteral("Rent");
    recurring.amount = -90000;
    recurring.startDate = recurring.nextDueDate = QDate(2024, 6, 1);
    recurring.createdAt = recurring.updatedAt = Clock::nowUtc();
    QVERIFY(state->recurringRepository->insert(recurring));
    QVERIFY(!debounce->isActive());
}

void TestAppState::importHoldsSyncRuns()
{
    AppState* state = startState();
    QVERIFY(state);
    Account account;
    account.id = newId();
    account.name = QStringLiteral("Checking");
    account.createdAt = account.updatedAt = Clock::nowUtc();
    QVERIFY(state->accountRepository->insert(account));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bank.csv"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    // Enough rows for progress to be reported while the transaction is open.
    file.write("Date,Payee,Amount\n");
    for (int i = 0; i < 150; ++i)
        file.write(QStringLiteral("2024-01-02,Bakery %1,-4.50\n").arg(i).toUtf8());
    file.close();

    QList<bool> heldDuringImport;
    QStringList work;
    auto gone = std::make_unique<QObject>();
    connect(state->importService, &ImportService::importProgress, this, [&](int current, int total) {
        if (current >= total)
            return;
        heldDuringImport.append(state->syncEngine->isHeld());
        // A writer that runs on its own waits for the import's transaction to end.
        state->ledgerGate->whenFree(this, [&] { work.append(QStringLiteral("posted")); });
        state->ledgerGate->whenFree(gone.get(), [&] { work.append(QStringLiteral("gone")); });
        gone.reset();
        QVERIFY(state->ledgerGate->isBusy());
        QCOMPARE(work, QStringList());
    });
    CsvImportOptions options;
    options.hasHeaderRow = true;
    options.dateColumn = 0;
    options.payeeColumn = 1;
    options.amountColumn = 2;
    const ImportResult result = state->importService->importCsv(path, account.id, options);
    QCOMPARE(result.imported, 150);
    QCOMPARE(heldDuringImport, QList<bool>{true});
    QVERIFY(!state->syncEngine->isHeld());
    QCOMPARE(work, QStringList{QStringLiteral("posted")});
    state->ledgerGate->whenFree(this, [&] { work.append(QStringLiteral("now")); });
    QCOMPARE(work.size(), 2);
}

void TestAppState::restoredSessionRegistersTheDeviceAndSyncs()
{
    FakeServices services;
    QVERIFY(services.start());
    const QString userId = services.auth()->addUser(QStringLiteral("ada@example.test"), QStringLiteral("Ada"));
    qputenv("AUTH_BASE_URL", services.authBaseUrl().toString().toUtf8());
    qputenv("AUTH_REALM_SLUG", services.realm().toUtf8());
    qputenv("ACCOUNT_API_URL", services.accountApiUrl().toString().toUtf8());
    qputenv("SYNC_API_URL", services.syncApiUrl().toString().toUtf8());
    qputenv("AUTH_CLIENT_ID", services.auth()->clientId().toUtf8());

    // The session a previous run left in the user's token store.
    const FakeAuthService::TokenPair pair = services.auth()->signIn(userId);
    OrvaAccount::FileTokenStore store(OrvaAccount::FileTokenStore::defaultFolder(QStringLiteral("com.orvalenworks.vellumry")));
    QVERIFY(store.write(OrvaAccount::TokenStore::accessTokenKey(), pair.accessToken));
    QVERIFY(store.write(OrvaAccount::TokenStore::refreshTokenKey(), pair.refreshToken));

    AppState* state = startState();
    QVERIFY(state);
    QVERIFY(state->accountClient->isAuthenticated());

    QTRY_COMPARE(services.account()->devices(userId).size(), 1);
    // The default categories reach the server; the run completes and catches up.
    QTRY_COMPARE_WITH_TIMEOUT(services.sync()->rows(userId).size(), 56, 15000);
    QTRY_VERIFY(state->syncEngine->isPullCaughtUp());
    QCOMPARE(state->syncEngine->state(), SyncEngine::SyncState::Idle);
    QVERIFY(!state->preferencesRepository->getString(QStringLiteral("lastSyncTimestamp"), QString()).isEmpty());

    // Signing out stops the periodic sync.
    state->accountClient->authClient()->logout();
    QTRY_VERIFY(!state->accountClient->isAuthenticated());
    store.remove(OrvaAccount::TokenStore::accessTokenKey());
    store.remove(OrvaAccount::TokenStore::refreshTokenKey());
}

void TestAppState::openingBalancesAreBackfilled()
{
    // An account of an older version, its opening balance still on the account.
    const Account older = accountWithStartingBalance(QStringLiteral("Checking"), 5000);
    {
        Database database;
        QVERIFY(database.open(m_dataDir->path() + QStringLiteral("/vellumry.db")));
        QVERIFY(database.migrate());
        QVERIFY(AccountRepository(&database).insert(older));
    }
    AppState* state = startState();
    QVERIFY(state);
    const std::optional<Transaction> opening = state->transactionRepository->openingBalanceTransaction(older.id);
    QVERIFY(opening);
    QCOMPARE(opening->amount, 5000);
    QCOMPARE(opening->date, QDate(2024, 1, 2));
    QCOMPARE(state->accountRepository->findById(older.id)->startingBalance, 0);

    // Every sync run that ends looks again: a pulled account gets one too.
    const Account pulled = accountWithStartingBalance(QStringLiteral("Savings"), -700);
    QVERIFY(state->accountRepository->insert(pulled));
    emit state->syncEngine->dataChanged();
    QCOMPARE(state->transactionRepository->balance(pulled.id, BalanceMode::Current), -700);
    QCOMPARE(state->transactionRepository->openingBalanceTransaction(pulled.id)->amount, -700);
    QCOMPARE(state->accountRepository->findById(pulled.id)->startingBalance, 0);
}

VELLUMRY_TEST_GUILESS_MAIN(TestAppState)
#include "tst_appstate.moc"
