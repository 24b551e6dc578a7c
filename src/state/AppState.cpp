#include "AppState.h"

#include "AppPaths.h"
#include "LedgerGate.h"
#include "account/AccountClient.h"
#include "account/ApiClient.h"
#include "account/AuthClient.h"
#include "account/Client.h"
#include "account/ClientConfig.h"
#include "account/TokenManager.h"
#include "data/AccountRepository.h"
#include "data/AccountService.h"
#include "data/CategoryRepository.h"
#include "data/CategoryService.h"
#include "data/Database.h"
#include "data/Money.h"
#include "data/OpeningBalanceService.h"
#include "data/PreferencesRepository.h"
#include "data/ReconciliationRepository.h"
#include "data/ReconciliationService.h"
#include "data/RecurringRepository.h"
#include "data/RecurringService.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionRepository.h"
#include "data/TransactionWriter.h"
#include "data/TransferService.h"
#include "services/BackupService.h"
#include "services/ImportService.h"
#include "services/ReportService.h"
#include "sync/AccountSharingService.h"
#include "sync/SyncEngine.h"

#include <QCoreApplication>
#include <QDebug>
#include <QSettings>
#include <QUrl>

namespace {

// Our own online services; the environment points a test or staging build elsewhere.
const char* const kDefaultAuthBaseUrl = "https://auth.orvalenworks.com";
const char* const kDefaultAccountApiUrl = "https://api.orvalenworks.com/account/v1";
const char* const kDefaultSyncApiUrl = "https://api.orvalenworks.com/vellumry/v1";
const char* const kDefaultPortalUrl = "https://account.orvalenworks.com";
const char* const kBuiltInClientId = "5e0d7a13c94b2f86a1d3e07b6c25f948";

constexpr int kPeriodicSyncMs = 300000;

// Unset and empty are the same; a value is used as it is.
QString environment(const char* name, const char* fallback)
{
    const QByteArray value = qgetenv(name);
    return value.isEmpty() ? QString::fromUtf8(fallback) : QString::fromUtf8(value);
}

} // namespace

// The rules hold no state of their own beyond the repositories they write through.
struct AppState::LedgerRules
{
    TransactionWriter writer;
    TransferService transfers;
    OpeningBalanceService openingBalances;
    AccountService accounts;
    ReconciliationService reconciliations;
};

AppState::AppState(QObject* parent)
    : QObject(parent)
{
}

AppState::~AppState() = default;

OrvaAccount::ClientConfig AppState::clientConfigFromEnvironment()
{
    OrvaAccount::ClientConfig config;
    config.authBaseUrl = environment("AUTH_BASE_URL", kDefaultAuthBaseUrl);
    config.realmSlug = environment("AUTH_REALM_SLUG", "orvalen");
    config.accountApiUrl = environment("ACCOUNT_API_URL", kDefaultAccountApiUrl);
    config.clientId = environment("AUTH_CLIENT_ID", kBuiltInClientId);
    config.appId = QStringLiteral("com.orvalenworks.vellumry");
    config.appName = QStringLiteral("Orvalen Vellumry");
    config.appVersion = QCoreApplication::applicationVersion();
    config.platform = QString();
    config.accountPortalUrl = environment("ACCOUNT_PORTAL_URL", kDefaultPortalUrl);
    return config;
}

QString AppState::syncApiUrlFromEnvironment()
{
    return environment("SYNC_API_URL", kDefaultSyncApiUrl);
}

bool AppState::openLedger(const QString& databasePath)
{
    database = new Database(this);
    qInfo() << "Opening database at:" << databasePath;
    if (!database->open(databasePath) || !database->migrate()) {
        // A first start that failed, on a full disk say, leaves no empty file
        // behind for the next start to take for a ledger.
        database->discardNewFile();
        return false;
    }

    accountRepository = new AccountRepository(database, this);
    transactionRepository = new TransactionRepository(database, this);
    categoryRepository = new CategoryRepository(database, this);
    preferencesRepository = new PreferencesRepository(database, this);
    splitLineRepository = new SplitLineRepository(database, this);
    recurringRepository = new RecurringRepository(database, this);
    reconciliationRepository = new ReconciliationRepository(database, this);

    categoryService = new CategoryService(categoryRepository, this);
    recurringService = new RecurringService(recurringRepository, transactionRepository, accountRepository, this);
    reportService = new ReportService(database, this);
    importService = new ImportService(transactionRepository, categoryRepository, splitLineRepository,
                                      accountRepository, this);
    backupService = new BackupService(database, this);
    ledgerGate = new LedgerGate(importService, this);

    m_rules.reset(new LedgerRules{
        TransactionWriter(database, transactionRepository, splitLineRepository, categoryRepository),
        TransferService(accountRepository),
        OpeningBalanceService(database, transactionRepository, accountRepository),
        AccountService(database, accountRepository, transactionRepository, recurringRepository,
                       reconciliationRepository),
        ReconciliationService(database, transactionRepository, reconciliationRepository)});
    transactionWriter = &m_rules->writer;
    transferService = &m_rules->transfers;
    openingBalanceService = &m_rules->openingBalances;
    accountService = &m_rules->accounts;
    reconciliationService = &m_rules->reconciliations;
    return true;
}

void AppState::connectOnline(OrvaAccount::Client* client, const QUrl& syncApiUrl)
{
    accountClient = client;
    client->syncApiClient()->setBaseUrl(syncApiUrl);
    syncEngine = new SyncEngine(client->syncApiClient(), accountRepository, transactionRepository,
                                categoryRepository, recurringRepository, reconciliationRepository,
                                splitLineRepository, preferencesRepository, this);
    sharingService = new AccountSharingService(client->syncApiClient(), this);

    syncEngine->setSignedInCheck([client] { return client->isAuthenticated(); });
    syncEngine->setUserIdSource([client] {
        return OrvaAccount::TokenManager::accessTokenSubject(client->tokenManager()->accessToken());
    });

    connect(accountRepository, &AccountRepository::accountsChanged, syncEngine, &SyncEngine::scheduleSync);
    connect(transactionRepository, &TransactionRepository::transactionsChanged, syncEngine,
            [this] { syncEngine->scheduleSync(); });
    connect(categoryRepository, &CategoryRepository::categoriesChanged, syncEngine, &SyncEngine::scheduleSync);
    // A restore or the sample data leave pending rows behind them.
    connect(database, &Database::ledgerReset, syncEngine, &SyncEngine::scheduleSync);

    // No sync run may write inside an import's open SQL transaction.
    connect(ledgerGate, &LedgerGate::busyChanged, syncEngine, [this](bool busy) {
        if (busy)
            syncEngine->holdRuns();
        else
            syncEngine->releaseRuns();
    });
}

bool AppState::initialize()
{
    if (!openLedger(databaseFilePath()))
        return false;

    const OrvaAccount::ClientConfig config = clientConfigFromEnvironment();
    const QUrl syncUrl(syncApiUrlFromEnvironment());
    qInfo() << "Auth:" << config.authBaseUrl << "Account:" << config.accountApiUrl << "Sync:" << syncUrl;
    connectOnline(new OrvaAccount::Client(config, this), syncUrl);

    setAmountAutoDecimal(preferencesRepository->getBool(QStringLiteral("amountAutoDecimal"), false));

    categoryService->seedIfEmpty();
    backfillOpeningBalances();
    // A pull may bring accounts without their opening-balance row.
    connect(syncEngine, &SyncEngine::dataChanged, this,
            [this] { ledgerGate->whenFree(this, [this] { backfillOpeningBalances(); }); });
    connect(syncEngine, &SyncEngine::syncCompleted, this, [this] { categoryService->seedDefaultCategories(); });

    accountClient->initialize();
    if (!accountClient->isAuthenticated())
        categoryService->seedDefaultCategories();

    OrvaAccount::AuthClient* auth = accountClient->authClient();
    connect(auth, &OrvaAccount::AuthClient::loginSucceeded, this, &AppState::onLoginSucceeded);
    connect(auth, &OrvaAccount::AuthClient::logoutCompleted, syncEngine, &SyncEngine::stopPeriodicSync);

    if (accountClient->isAuthenticated()) {
        auth->refreshToken([this](bool ok) {
            const bool authenticated = accountClient->isAuthenticated();
            qInfo() << "Startup token refresh:" << (ok ? "ok" : "failed") << "— authenticated=" << authenticated;
            // A refresh the server refused has signed the user out by now; an
            // offline start keeps the session and syncs when it can.
            if (authenticated) {
                qInfo() << "Startup: starting auto-sync + immediate sync";
                registerDeviceAndStartSync();
            }
        });
    }

    if (const std::optional<QString> last = preferencesRepository->get(QStringLiteral("lastViewedAccountId")))
        currentAccountId = *last;

    emit databaseReady();
    return true;
}

int AppState::backfillOpeningBalances()
{
    return openingBalanceService->backfill();
}

void AppState::registerDeviceAndStartSync()
{
    accountClient->accountClient()->registerDevice();
    syncEngine->startPeriodicSync(kPeriodicSyncMs);
    syncEngine->scheduleSync();
}

void AppState::onLoginSucceeded()
{
    QSettings().setValue(QStringLiteral("auth/hasSignedInBefore"), true);
    qInfo() << "loginSucceeded: starting auto-sync + immediate sync";
    registerDeviceAndStartSync();
}

void AppState::setCurrentAccountId(const QString& accountId)
{
    if (accountId == currentAccountId)
        return;
    currentAccountId = accountId;
    preferencesRepository->set(QStringLiteral("lastViewedAccountId"), accountId);
    emit currentAccountChanged(accountId);
}
