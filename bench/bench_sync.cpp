// Times a first sync of 10,000 transactions over the fake sync service, on the
// loopback interface in this process: device A pushes them (batches of 500,
// each after the reply to the one before; the push ends where the first pull
// request begins) and pulls its own changes back, then device B, an empty
// ledger of the same user, pulls them all until it has caught up. Prints rows per
// second; the aim is under 60 s for each. The fake service shares the GUI
// thread with the engine, as the program and the tests run them.
// Usage: taskset -c 0,1 bench_sync [transactions, default 10000] [rounds, default 3]

#include "BenchTiming.h"
#include "FakeServices.h"

#include "account/Client.h"
#include "account/ClientConfig.h"
#include "account/MemoryTokenStore.h"
#include "account/TokenStore.h"
#include "data/AccountRepository.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/Identifiers.h"
#include "data/SqlTransaction.h"
#include "data/TransactionRepository.h"
#include "state/AppState.h"
#include "sync/SyncEngine.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>

#include <sched.h>

#include <algorithm>
#include <memory>

namespace {

constexpr int kAccounts = 5;
constexpr int kRunTimeoutMs = 600000;
constexpr double kAimMs = 60000;

// One ledger of the user with its own signed-in client, wired as the program wires it.
class Device
{
public:
    Device(FakeServices* services, const QString& userId, const QString& path)
    {
        OrvaAccount::ClientConfig config;
        config.authBaseUrl = services->authBaseUrl().toString();
        config.realmSlug = services->realm();
        config.accountApiUrl = services->accountApiUrl().toString();
        config.clientId = services->auth()->clientId();
        config.appName = QStringLiteral("Orvalen Vellumry");
        config.appVersion = QStringLiteral("1.1.10");
        auto store = std::make_unique<OrvaAccount::MemoryTokenStore>();
        const FakeAuthService::TokenPair pair = services->auth()->signIn(userId);
        store->write(OrvaAccount::TokenStore::accessTokenKey(), pair.accessToken);
        store->write(OrvaAccount::TokenStore::refreshTokenKey(), pair.refreshToken);
        m_client = std::make_unique<OrvaAccount::Client>(config, std::move(store));
        m_client->syncApiClient()->setBaseUrl(services->syncApiUrl());
        m_client->initialize();
        m_ready = state.openLedger(path);
        if (m_ready)
            state.connectOnline(m_client.get(), services->syncApiUrl());
    }

    bool isReady() const { return m_ready && m_client->isAuthenticated(); }

    // One run to its end; false when it failed or timed out.
    bool sync()
    {
        QEventLoop loop;
        bool completed = false;
        QObject::connect(state.syncEngine, &SyncEngine::syncCompleted, &loop, [&] {
            completed = true;
            loop.quit();
        });
        QObject::connect(state.syncEngine, &SyncEngine::syncFailed, &loop, &QEventLoop::quit);
        QTimer::singleShot(kRunTimeoutMs, &loop, &QEventLoop::quit);
        state.syncEngine->syncNow();
        loop.exec();
        return completed;
    }

    // Runs until the pull has caught up, the follow-up run started at once.
    bool settle()
    {
        for (int run = 0; run < 10; ++run) {
            if (!sync())
                return false;
            QTimer* debounce = state.syncEngine->findChild<QTimer*>(QStringLiteral("syncDebounceTimer"));
            if ((!debounce || !debounce->isActive()) && state.syncEngine->isPullCaughtUp())
                return true;
            if (debounce)
                debounce->stop();
        }
        return false;
    }

    AppState state;

private:
    std::unique_ptr<OrvaAccount::Client> m_client;
    bool m_ready = false;
};

int countTransactions()
{
    QSqlQuery query(QSqlDatabase::database());
    return query.exec(QStringLiteral("SELECT COUNT(*) FROM transactions")) && query.next() ? query.value(0).toInt()
                                                                                          : -1;
}

bool fillLedger(Device& device, int transactions)
{
    QStringList accountIds;
    for (int i = 0; i < kAccounts; ++i) {
        Account account;
        account.id = newId();
        account.name = QStringLiteral("Account %1").arg(i);
        account.createdAt = Clock::nowUtc();
        account.updatedAt = account.createdAt;
        accountIds.append(account.id);
        if (!device.state.accountRepository->insert(account))
            return false;
    }
    // The accounts first, as they would have been synced before their rows.
    if (!device.sync())
        return false;
    SqlTransaction batch(device.state.database->database());
    TransactionBulkWrite bulk(device.state.transactionRepository);
    for (int i = 0; i < transactions; ++i) {
        Transaction transaction;
        transaction.id = newId();
        transaction.accountId = accountIds.at(i % kAccounts);
        transaction.date = QDate(2024, 1, 1).addDays(i % 300);
        transaction.payee = QStringLiteral("Payee %1").arg(i % 97);
        transaction.memo = QStringLiteral("row %1").arg(i);
        transaction.amount = -(i + 1);
        transaction.createdAt = Clock::nowUtc();
        transaction.updatedAt = transaction.createdAt;
        if (!device.state.transactionRepository->insert(transaction))
            return false;
    }
    return batch.commit();
}

QString rate(int rows, double ms)
{
    return QStringLiteral("%1 rows/s").arg(qRound(rows * 1000.0 / qMax(1.0, ms)));
}

// The engine reports every batch and page; only warnings and worse are kept.
QtMessageHandler g_defaultHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        g_defaultHandler(type, context, message);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    g_defaultHandler = qInstallMessageHandler(quietHandler);
    const QStringList args = app.arguments();
    const int transactions = args.size() > 1 ? qMax(1, args.at(1).toInt()) : 10000;
    const int rounds = args.size() > 2 ? qMax(1, args.at(2).toInt()) : 3;
    cpu_set_t cpus;
    CPU_ZERO(&cpus);
    const int cores = sched_getaffinity(0, sizeof(cpus), &cpus) == 0 ? CPU_COUNT(&cpus) : -1;
    benchOut() << "bench_sync: " << transactions << " transactions over " << kAccounts << " accounts, " << rounds
               << " rounds, on " << cores << " cores (run it under taskset -c 0,1 for two)" << Qt::endl;

    QList<double> pushMs;
    QList<double> runMs;
    QList<double> pullMs;
    for (int round = 0; round < rounds; ++round) {
        FakeServices services;
        QTemporaryDir dir;
        if (!dir.isValid() || !services.start()) {
            benchOut() << "cannot start the fake services" << Qt::endl;
            return 1;
        }
        const QString userId = services.auth()->addUser(QStringLiteral("ada@example.test"), QStringLiteral("Ada"));
        double push = -1;
        double run = -1;
        {
            Device a(&services, userId, dir.filePath(QStringLiteral("a.db")));
            if (!a.isReady() || !fillLedger(a, transactions)) {
                benchOut() << "cannot fill device A" << Qt::endl;
                return 1;
            }
            QElapsedTimer timer;
            // The push ends where the first pull begins.
            QObject::connect(services.http(), &FakeHttpServer::requestReceived, &app,
                             [&](const FakeRequest& request) {
                                 if (push < 0 && request.route == services.sync()->pullPath())
                                     push = double(timer.nsecsElapsed()) / 1e6;
                             });
            timer.start();
            if (!a.sync()) {
                benchOut() << "device A's run failed" << Qt::endl;
                return 1;
            }
            run = double(timer.nsecsElapsed()) / 1e6;
            QObject::disconnect(services.http(), &FakeHttpServer::requestReceived, &app, nullptr);
        }
        Device b(&services, userId, dir.filePath(QStringLiteral("b.db")));
        QElapsedTimer timer;
        timer.start();
        if (!b.isReady() || !b.settle() || countTransactions() != transactions) {
            benchOut() << "device B's first pull failed" << Qt::endl;
            return 1;
        }
        const double pull = double(timer.nsecsElapsed()) / 1e6;
        pushMs.append(push);
        runMs.append(run);
        pullMs.append(pull);
        benchOut() << "  round " << round + 1 << ": push " << msText(push) << " (" << rate(transactions, push)
                   << ")   A's whole run " << msText(run) << "   first pull on B " << msText(pull) << " ("
                   << rate(transactions, pull) << ")" << Qt::endl;
    }
    const auto report = [&](const char* what, const QList<double>& values) {
        const double middle = median(values);
        const auto [least, most] = std::minmax_element(values.cbegin(), values.cend());
        benchOut() << "  " << QString::fromLatin1(what).leftJustified(30) << " median " << msText(middle) << " ("
                   << rate(transactions, middle) << ")   min " << msText(*least) << " ("
                   << rate(transactions, *least) << ")   max " << msText(*most) << " (" << rate(transactions, *most)
                   << ")" << (middle < kAimMs ? "" : "   !! over the aim of 60 s") << Qt::endl;
    };
    report("push", pushMs);
    report("A's run (push, own pull)", runMs);
    report("first pull on B", pullMs);
    return 0;
}
