#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QUrl;

class AccountRepository;
class AccountService;
class AccountSharingService;
class BackupService;
class CategoryRepository;
class CategoryService;
class Database;
class ImportService;
class LedgerGate;
class OpeningBalanceService;
class PreferencesRepository;
class ReconciliationRepository;
class ReconciliationService;
class RecurringRepository;
class RecurringService;
class ReportService;
class SplitLineRepository;
class SyncEngine;
class ThemeManager;
class TransactionRepository;
class TransactionWriter;
class TransferService;

namespace OrvaAccount {
class Client;
struct ClientConfig;
}

// Owns the database, the repositories, the services, the online account
// client and the sync engine, and wires them together. Screens and dialogs
// receive an AppState* and reach everything through its members; all of them are
// children of the state and live as long as it does. The state knows no widget:
// the window layer attaches the theme manager.
class AppState : public QObject
{
    Q_OBJECT

public:
    explicit AppState(QObject* parent = nullptr);
    ~AppState() override;

    // The program's start-up: the ledger in the data directory, the online
    // client from the environment, the stored preferences, the default
    // categories and the restored session. False only when the database cannot
    // be opened or migrated.
    bool initialize();

    // The steps of initialize() that tests, tools and benchmarks use alone.
    // Opens and migrates the ledger at `databasePath`, then builds the seven
    // repositories, the services, the ledger's rules and the ledger gate.
    bool openLedger(const QString& databasePath);
    // Builds the sync engine and the sharing service on `client`'s sync API,
    // pointed at `syncApiUrl`, and wires them to the ledger: the signed-in
    // check, the owner of the sync cursor, the change triggers and the gate.
    // The client is used as it is; it must outlive the state.
    void connectOnline(OrvaAccount::Client* client, const QUrl& syncApiUrl);

    void setCurrentAccountId(const QString& accountId);

    // Gives every account that lacks one its opening-balance transaction (at
    // start-up and after every sync run); returns how many got one.
    int backfillOpeningBalances();

    // The service endpoints and client identity: the environment, else our own.
    static OrvaAccount::ClientConfig clientConfigFromEnvironment();
    static QString syncApiUrlFromEnvironment();

    Database* database = nullptr;
    AccountRepository* accountRepository = nullptr;
    TransactionRepository* transactionRepository = nullptr;
    CategoryRepository* categoryRepository = nullptr;
    PreferencesRepository* preferencesRepository = nullptr;
    SplitLineRepository* splitLineRepository = nullptr;
    RecurringRepository* recurringRepository = nullptr;
    ReconciliationRepository* reconciliationRepository = nullptr;
    CategoryService* categoryService = nullptr;
    RecurringService* recurringService = nullptr;
    ReportService* reportService = nullptr;
    ImportService* importService = nullptr;
    BackupService* backupService = nullptr;
    LedgerGate* ledgerGate = nullptr;
    // The rules that write several rows for one user action, built once with
    // the ledger: screens and dialogs reach them here and never make their own.
    TransactionWriter* transactionWriter = nullptr;
    TransferService* transferService = nullptr;
    OpeningBalanceService* openingBalanceService = nullptr;
    AccountService* accountService = nullptr;
    ReconciliationService* reconciliationService = nullptr;
    AccountSharingService* sharingService = nullptr;
    OrvaAccount::Client* accountClient = nullptr;
    SyncEngine* syncEngine = nullptr;
    // Set by the window layer, which owns the look; null without one.
    ThemeManager* themeManager = nullptr;
    QString currentAccountId;

public slots:
    void onLoginSucceeded();

signals:
    void currentAccountChanged(QString accountId);
    void databaseReady();

private:
    void registerDeviceAndStartSync();

    struct LedgerRules;
    std::unique_ptr<LedgerRules> m_rules;
};
