#pragma once

#include "FakeServices.h"
#include "OnlineTestSupport.h"
#include "account/Client.h"
#include "account/TokenManager.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/Identifiers.h"
#include "data/PreferencesRepository.h"
#include "data/ReconciliationRepository.h"
#include "data/RecurringRepository.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionRepository.h"
#include "state/AppState.h"
#include "sync/SyncEngine.h"

#include <QEventLoop>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <vector>

// Shared by the sync tests: ledgers ("devices") that sync with the fake
// services, one open at a time on the program's one connection.
namespace SyncTest {

inline const QStringList kSyncedTables{"accounts", "categories", "recurring_transactions", "transactions",
                                       "reconciliations"};

inline QDateTime baseTime()
{
    return QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9), QTimeZone::utc());
}

// Table -> rows, every column but created_at (a pull never rewrites it, so a
// row two devices made under one id keeps two birth times). Split lines are
// (transaction, category, amount, memo): their ids differ on every device.
using Snapshot = QMap<QString, QStringList>;

inline QStringList tableRows(const QString& sql)
{
    QStringList rows;
    QSqlQuery query(QSqlDatabase::database());
    if (!query.exec(sql))
        return {QStringLiteral("query failed: ") + sql};
    const QSqlRecord columns = query.record();
    while (query.next()) {
        QStringList values;
        for (int i = 0; i < columns.count(); ++i) {
            if (columns.fieldName(i) != QLatin1String("created_at"))
                values.append(columns.fieldName(i) + QLatin1Char('=') + query.value(i).toString());
        }
        rows.append(values.join(QLatin1Char('|')));
    }
    return rows;
}

inline int countWhere(const QString& table, const QString& condition = QStringLiteral("1"))
{
    QSqlQuery query(QSqlDatabase::database());
    if (!query.exec(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2").arg(table, condition)) || !query.next())
        return -1;
    return query.value(0).toInt();
}

// One ledger file with its own signed-in client (its own session, tokens in
// memory). The client lives as long as the device; the database, the
// repositories and the engine (an AppState wired as the program wires it) only
// while the device is open.
class Device
{
public:
    Device(FakeServices* services, const QString& userId, const QString& name)
        : m_name(name)
        , m_syncUrl(services->syncApiUrl())
    {
        m_client = std::make_unique<OrvaAccount::Client>(OnlineTest::configFor(*services),
                                                         OnlineTest::signedInStore(services->auth(), userId));
        m_client->syncApiClient()->setBaseUrl(m_syncUrl);
        m_client->initialize();
    }
    ~Device() { close(); }
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;

    OrvaAccount::Client* client() const { return m_client.get(); }
    OrvaAccount::ApiClient* api() const { return m_client->syncApiClient(); }

    bool open()
    {
        m_state = std::make_unique<AppState>();
        if (!m_dir.isValid() || !m_state->openLedger(m_dir.filePath(QStringLiteral("vellumry.db"))))
            return false;
        m_state->connectOnline(m_client.get(), m_syncUrl);
        accounts = m_state->accountRepository;
        transactions = m_state->transactionRepository;
        categories = m_state->categoryRepository;
        recurring = m_state->recurringRepository;
        reconciliations = m_state->reconciliationRepository;
        splitLines = m_state->splitLineRepository;
        preferences = m_state->preferencesRepository;
        engine = m_state->syncEngine;
        return true;
    }

    // The ledger and its engine go; the client stays with the device.
    void close() { m_state.reset(); }

    QTimer* debounceTimer() const { return engine->findChild<QTimer*>(QStringLiteral("syncDebounceTimer")); }
    QTimer* periodicTimer() const { return engine->findChild<QTimer*>(QStringLiteral("periodicSyncTimer")); }
    QString cursor() const { return preferences->getString(QStringLiteral("syncCursor")); }

    // One run: true when it completed, false when it failed or never ended.
    // Waits in an event loop of its own rather than by polling, so that the
    // requests go out and come in as fast as they would in the program.
    bool sync(int timeoutMs = 30000)
    {
        QSignalSpy completed(engine, &SyncEngine::syncCompleted);
        QSignalSpy failed(engine, &SyncEngine::syncFailed);
        QEventLoop loop;
        QObject::connect(engine, &SyncEngine::syncCompleted, &loop, &QEventLoop::quit);
        QObject::connect(engine, &SyncEngine::syncFailed, &loop, &QEventLoop::quit);
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        engine->syncNow();
        if (completed.count() + failed.count() == 0)
            loop.exec();
        if (completed.count() + failed.count() == 0)
            qWarning("the sync run did not end");
        else if (completed.count() == 0)
            qWarning().noquote() << m_name << "sync failed:" << engine->lastError();
        return completed.count() > 0;
    }

    // Runs until nothing is left to do: the follow-up run that local writes
    // scheduled is started at once instead of after its 2000 ms, and a pull
    // stopped at its page limit goes on.
    bool settle(int maxRuns = 10)
    {
        for (int run = 0; run < maxRuns; ++run) {
            if (!sync())
                return false;
            if (!debounceTimer()->isActive() && engine->isPullCaughtUp())
                return true;
            debounceTimer()->stop();
        }
        qWarning("the device did not settle");
        return false;
    }

    int pendingCount() const
    {
        int pending = 0;
        for (const QString& table : kSyncedTables)
            pending += countWhere(table, QStringLiteral("sync_status = 'pending'"));
        return pending;
    }

    Snapshot snapshot() const
    {
        Snapshot snapshot;
        for (const QString& table : kSyncedTables)
            snapshot.insert(table, tableRows(QStringLiteral("SELECT * FROM %1 ORDER BY id").arg(table)));
        snapshot.insert(QStringLiteral("split_lines"),
                        tableRows(QStringLiteral("SELECT transaction_id, category_id, amount, memo "
                                                 "FROM split_lines ORDER BY 1, 2, 3, 4")));
        return snapshot;
    }

    AccountRepository* accounts = nullptr;
    TransactionRepository* transactions = nullptr;
    CategoryRepository* categories = nullptr;
    RecurringRepository* recurring = nullptr;
    ReconciliationRepository* reconciliations = nullptr;
    SplitLineRepository* splitLines = nullptr;
    PreferencesRepository* preferences = nullptr;
    SyncEngine* engine = nullptr;

private:
    QString m_name;
    QUrl m_syncUrl;
    QTemporaryDir m_dir;
    std::unique_ptr<OrvaAccount::Client> m_client;
    std::unique_ptr<AppState> m_state;
};

// New rows as the screens would make them: fresh id, pending, stamped now.
template<typename Record>
Record stamped(Record record)
{
    record.id = newId();
    record.createdAt = Clock::nowUtc();
    record.updatedAt = record.createdAt;
    return record;
}

inline Account newAccount(const QString& name)
{
    Account account;
    account.name = name;
    return stamped(account);
}

inline Category newCategory(const QString& name, const QString& parentId = QString())
{
    Category category;
    category.name = name;
    category.parentId = parentId;
    return stamped(category);
}

inline Transaction newTransaction(const QString& accountId, const QString& payee, qint64 amount,
                                  const QDate& date = QDate(2024, 3, 1))
{
    Transaction transaction;
    transaction.accountId = accountId;
    transaction.date = date;
    transaction.payee = payee;
    transaction.amount = amount;
    return stamped(transaction);
}

inline Reconciliation newReconciliation(const QString& accountId, const QDate& statementDate, qint64 balance)
{
    Reconciliation reconciliation;
    reconciliation.accountId = accountId;
    reconciliation.statementDate = statementDate;
    reconciliation.statementBalance = balance;
    reconciliation.reconciledBalance = balance;
    reconciliation.completedAt = Clock::nowUtc();
    return stamped(reconciliation);
}

inline RecurringTransaction newRecurring(const QString& accountId, const QString& payee, qint64 amount)
{
    RecurringTransaction recurring;
    recurring.accountId = accountId;
    recurring.payee = payee;
    recurring.amount = amount;
    recurring.startDate = QDate(2024, 3, 1);
    recurring.nextDueDate = QDate(2024, 4, 1);
    return stamped(recurring);
}

inline SplitLine newSplitLine(const QString& categoryId, qint64 amount, const QString& memo = QString())
{
    SplitLine line;
    line.categoryId = categoryId;
    line.amount = amount;
    line.memo = memo;
    return line;
}

// A local edit as the screens make it: a new version, pending, stamped now.
template<typename Record>
void touch(Record& record)
{
    record.version += 1;
    record.syncStatus = SyncStatus::Pending;
    record.updatedAt = Clock::nowUtc();
}

// Lets the clock move on, so that every edit has its own updated_at.
inline void tick(int seconds = 1)
{
    Clock::setFixedNow(Clock::nowUtc().addSecs(seconds));
}

// The fault hits the request after `skip` good ones of the route.
inline void injectAfter(FakeHttpServer* http, const QByteArray& method, const QString& route, int skip,
                        const FakeFault& fault)
{
    if (skip > 0)
        http->injectFault(method, route, FakeFault::delay(0), skip);
    http->injectFault(method, route, fault, 1);
}

// The fake services with one user, Ada, and her devices (closed), each with
// its own session; the clock pinned.
class SyncWorld
{
public:
    explicit SyncWorld(int deviceCount = 1)
    {
        Clock::setFixedNow(baseTime());
        m_started = m_online.services.start();
        for (int i = 0; i < deviceCount; ++i) {
            m_devices.push_back(std::make_unique<Device>(&m_online.services, m_online.userId,
                                                         QStringLiteral("device %1").arg(i + 1)));
        }
    }
    ~SyncWorld()
    {
        m_devices.clear();
        Clock::reset();
    }
    SyncWorld(const SyncWorld&) = delete;
    SyncWorld& operator=(const SyncWorld&) = delete;

    bool isReady() const
    {
        return m_started && std::all_of(m_devices.cbegin(), m_devices.cend(), [](const auto& device) {
                   return device->client()->isAuthenticated();
               });
    }
    Device* device(int index = 0) const { return m_devices.at(index).get(); }
    QString userId() const { return m_online.userId; }
    FakeServices* services() { return &m_online.services; }
    FakeHttpServer* http() { return m_online.services.http(); }
    FakeSyncService* fake() { return m_online.services.sync(); }
    QList<FakeRequest> pulls() { return http()->requestsTo(fake()->pullPath()); }
    QList<FakeRequest> pushes() { return http()->requestsTo(fake()->pushPath()); }
    // The next pull is answered with this page instead of the server's own.
    void servePage(const QJsonObject& page)
    {
        http()->injectFault("GET", fake()->pullPath(), FakeFault::respond(FakeResponse::json(200, page)), 1);
    }

private:
    OnlineTest::OnlineWorld m_online;
    std::vector<std::unique_ptr<Device>> m_devices;
    bool m_started = false;
};

} // namespace SyncTest
