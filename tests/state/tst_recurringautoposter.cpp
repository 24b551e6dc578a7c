#include "OnlineTestSupport.h"
#include "TestMain.h"

#include "account/Client.h"
#include "data/AccountRepository.h"
#include "data/Clock.h"
#include "data/Identifiers.h"
#include "data/RecurringRepository.h"
#include "data/TransactionRepository.h"
#include "state/AppState.h"
#include "state/RecurringAutoPoster.h"
#include "sync/SyncEngine.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QTimer>

namespace {

enum class Trigger { Start, Hourly, CaughtUpSync, UnfinishedPull };

// A ledger with one account and a rent that posts itself, due today or next
// month, signed in or out of the fake services.
struct PosterWorld
{
    bool open(bool signedIn, bool due = true)
    {
        Clock::setFixedNow(QDateTime(QDate(2024, 3, 5), QTime(9, 0), QTimeZone::utc()));
        if (!online.services.start() || !dir.isValid())
            return false;
        client = std::make_unique<OrvaAccount::Client>(
            OnlineTest::configFor(online.services),
            signedIn ? OnlineTest::signedInStore(online.services.auth(), online.userId)
                     : std::make_unique<OrvaAccount::MemoryTokenStore>());
        client->initialize();
        state = std::make_unique<AppState>();
        if (!state->openLedger(dir.filePath(QStringLiteral("vellumry.db"))))
            return false;
        state->connectOnline(client.get(), online.services.syncApiUrl());

        Account account;
        std::tie(account.id, account.name) = std::tuple(newId(), QStringLiteral("Checking"));
        account.createdAt = account.updatedAt = Clock::nowUtc();
        RecurringTransaction rent;
        std::tie(rent.id, rent.accountId, rent.payee, rent.amount) = std::tuple(newId(), account.id, "Rent", -700);
        rent.startDate = rent.nextDueDate = due ? Clock::today() : Clock::today().addMonths(1);
        rent.createdAt = rent.updatedAt = Clock::nowUtc();
        rent.autoPost = true;
        accountId = account.id;
        return client->isAuthenticated() == signedIn && state->accountRepository->insert(account)
               && state->recurringRepository->insert(rent);
    }

    ~PosterWorld()
    {
        state.reset();
        Clock::reset();
    }

    OnlineTest::OnlineWorld online;
    QTemporaryDir dir;
    std::unique_ptr<OrvaAccount::Client> client;
    std::unique_ptr<AppState> state;
    QString accountId;
};

} // namespace

Q_DECLARE_METATYPE(Trigger)

// When the due entries post themselves: while signed out at start and every
// hour, while signed in only after a sync whose pull caught up.
class TestRecurringAutoPoster : public QObject
{
    Q_OBJECT

private slots:
    void postsOnItsTriggers_data();
    void postsOnItsTriggers();
};

void TestRecurringAutoPoster::postsOnItsTriggers_data()
{
    QTest::addColumn<bool>("signedIn");
    QTest::addColumn<bool>("due");
    QTest::addColumn<Trigger>("trigger");
    QTest::addColumn<int>("posted");

    QTest::newRow("signed out, at start") << false << true << Trigger::Start << 1;
    QTest::newRow("signed out, on the hour") << false << true << Trigger::Hourly << 1;
    QTest::newRow("signed out, nothing due") << false << false << Trigger::Hourly << 0;
    QTest::newRow("signed in, at start") << true << true << Trigger::Start << 0;
    QTest::newRow("signed in, on the hour") << true << true << Trigger::Hourly << 0;
    QTest::newRow("signed in, a sync that caught up") << true << true << Trigger::CaughtUpSync << 1;
    QTest::newRow("signed in, a pull stopped at its page limit") << true << true << Trigger::UnfinishedPull << 0;
}

void TestRecurringAutoPoster::postsOnItsTriggers()
{
    QFETCH(bool, signedIn);
    QFETCH(bool, due);
    QFETCH(Trigger, trigger);
    QFETCH(int, posted);
    PosterWorld world;
    QVERIFY(world.open(signedIn, due));
    RecurringAutoPoster poster(world.state.get());
    QSignalSpy reported(&poster, &RecurringAutoPoster::posted);
    SyncEngine* engine = world.state->syncEngine;

    switch (trigger) {
    case Trigger::Start: poster.postAtStart(); break;
    case Trigger::Hourly: {
        // The hour is up: the timer fires as it would.
        QTimer* hourly = poster.findChild<QTimer*>(QStringLiteral("hourlyRecurringTimer"));
        QCOMPARE(QVariantList({hourly->isActive(), hourly->interval()}), QVariantList({true, 3600000}));
        QVERIFY(QMetaObject::invokeMethod(hourly, "timeout"));
        break;
    }
    case Trigger::CaughtUpSync:
        engine->syncNow();
        QTRY_VERIFY(!engine->isRunning());
        QVERIFY(engine->isPullCaughtUp());
        break;
    case Trigger::UnfinishedPull:
        QVERIFY(!engine->isPullCaughtUp());
        emit engine->syncCompleted();
        break;
    }
    const QList<QVariant> counts = posted > 0 ? QList<QVariant>{posted} : QList<QVariant>();
    QCOMPARE(reported.size() == 1 ? reported.constFirst() : QList<QVariant>(), counts);
    QCOMPARE(world.state->transactionRepository->listByAccount(world.accountId).size(), posted);
}

VELLUMRY_TEST_GUILESS_MAIN(TestRecurringAutoPoster)
#include "tst_recurringautoposter.moc"
