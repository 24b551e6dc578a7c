#pragma once

#include <QObject>
#include <QString>

class AccountRepository;
class AccountSharingService;
class BackupService;
class CategoryRepository;
class CategoryService;
class Database;
class ImportService;
class PreferencesRepository;
class ReconciliationRepository;
class RecurringRepository;
class RecurringService;
class ReportService;
class SplitLineRepository;
class SyncEngine;
class ThemeManager;
class TransactionRepository;

namespace OrvaAccount {
class Client;
struct ClientConfig;
}

// Owns the database, the repositories, the services, the online account
// client, the sync engine and the theme manager. Screens and dialogs receive an
// AppState* and reach everything through its members; all of them are children
// of the state and live as long as it does.
class AppState : public QObject
{
    Q_OBJECT

public:
    explicit AppState(QObject* parent = nullptr);

    // Builds everything in order, applies the stored preferences and wires the
    // sync triggers. False only when the database cannot be opened or migrated.
    bool initialize();

    void setCurrentAccountId(const QString& accountId);

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
    AccountSharingService* sharingService = nullptr;
    OrvaAccount::Client* accountClient = nullptr;
    SyncEngine* syncEngine = nullptr;
    ThemeManager* themeManager = nullptr;
    QString currentAccountId;

public slots:
    void onLoginSucceeded();

signals:
    void currentAccountChanged(QString accountId);
    void databaseReady();

private:
    void applyStoredPreferences();
    void wireSync();
    void registerDeviceAndStartSync();
};
