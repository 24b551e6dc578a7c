#include "OnlineTestSupport.h"
#include "ScreenTestSupport.h"
#include "TestMain.h"

#include "account/Client.h"
#include "app/MainWindow.h"
#include "app/RecurringAutoPoster.h"
#include "app/StatusBar.h"
#include "data/PreferencesRepository.h"
#include "data/RecurringRepository.h"
#include "services/CsvImportOptions.h"
#include "services/ImportService.h"
#include "sync/SyncEngine.h"
#include "widgets/ElidedLabel.h"
#include "widgets/ThemeManager.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QShortcut>
#include <QSignalSpy>
#include <QStackedWidget>

namespace {

enum class Start { SignedOut, SignedIn };

// A window on a fresh ledger (light theme, "now" pinned), its online client
// talking to the fake services and signing in through the fake browser.
struct WindowWorld : OnlineTest::OnlineWorld, ScreenLedger
{
    explicit WindowWorld(Start start)
    {
        if (!services.start())
            qFatal("the fake services did not start");
        client = std::make_unique<OrvaAccount::Client>(
            OnlineTest::configFor(services), start == Start::SignedIn ? OnlineTest::signedInStore(services.auth(), userId)
                                                                      : std::make_unique<OrvaAccount::MemoryTokenStore>());
        client->initialize();
        state->connectOnline(client.get(), services.syncApiUrl());
        QObject::connect(client->authClient(), &OrvaAccount::AuthClient::loginSucceeded, state.get(),
                         &AppState::onLoginSucceeded);
        state->themeManager = new ThemeManager(state->preferencesRepository, state.get());
        state->themeManager->setTheme(ThemeManager::Light);
    }
    ~WindowWorld()
    {
        window.reset();
        state.reset();
    }

    MainWindow* open()
    {
        window = std::make_unique<MainWindow>(state.get());
        window->show();
        return window.get();
    }
    QString page() const { return child<QStackedWidget>(window.get(), "pageStack")->currentWidget()->objectName(); }
    QString message() const { return window->statusBarWidget()->currentMessage(); }
    QListWidget* list() const { return child<QListWidget>(window.get(), "accountList"); }
    // Name | balance | its colour | detail line, per card.
    QStringList cards() const
    {
        QStringList rows;
        for (int row = 0; row < list()->count(); ++row) {
            const QWidget* card = list()->itemWidget(list()->item(row));
            const auto* balance = child<QLabel>(card, "balanceLabel");
            rows.append({child<ElidedLabel>(card, "nameLabel")->fullText() + '|' + balance->text() + '|'
                         + balance->styleSheet() + '|' + child<QLabel>(card, "detailLabel")->text()});
        }
        return rows;
    }
    QString summary() const { return child<QLabel>(window.get(), "summaryLabel")->text(); }
    void addDueRecurring(const QString& accountId)
    {
        RecurringTransaction record;
        record.id = newId();
        record.accountId = accountId;
        record.payee = QStringLiteral("Rent");
        record.amount = -700;
        record.startDate = record.nextDueDate = now().date();
        record.autoPost = true;
        record.createdAt = record.updatedAt = now();
        QVERIFY(state->recurringRepository->insert(record));
    }
    qint64 balance(const Account& account) const
    {
        return state->transactionRepository->balance(account.id, BalanceMode::Current);
    }

    std::unique_ptr<OrvaAccount::Client> client;
    std::unique_ptr<MainWindow> window;
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void accountCardsAndTotals();
    void shortcutsMenuAndReorder();
    void signedOutAutoPostAndMessages();
    void signedInPostsOnlyAfterACaughtUpSync();
};

void TestMainWindow::accountCardsAndTotals()
{
    WindowWorld world(Start::SignedOut);
    MainWindow* window = world.open();
    QCOMPARE(world.summary(), QStringLiteral("No accounts"));
    QCOMPARE(child<QLabel>(window, "accountCountLabel")->text(), QStringLiteral("0 account(s)"));

    Account checking = world.addAccount(QStringLiteral("Checking"));
    checking.institution = QStringLiteral("First Bank");
    checking.accountNumberLast4 = QStringLiteral("1234");
    QVERIFY(world.state->accountRepository->update(checking));
    const Account savings = world.addAccount(QStringLiteral("Savings"));
    const Account euro = world.addAccount(QStringLiteral("Euro"), Currency::EUR, AccountType::Savings);
    const Account card = world.addAccount(QStringLiteral("Visa"), Currency::USD, AccountType::CreditCard);
    const Account loan = world.addAccount(QStringLiteral("Car"), Currency::USD, AccountType::Loan);
    for (const auto& [account, amount] : {std::pair{checking, 1000}, {savings, 2000}, {euro, 500}, {card, -5000},
                                          {loan, 2000}})
        world.addTransaction(account.id, QStringLiteral("Start"), amount, world.now().date());
    // Every write above asked for a rebuild; they make one.
    QSignalSpy rebuilt(child<QWidget>(window, "accountListPanel"), SIGNAL(rebuilt(int)));
    QTRY_COMPARE(world.list()->count(), 5);
    QCOMPARE(rebuilt.count(), 1);
    QCOMPARE(world.cards(), QStringList({"Car|-$20.00|color: #c62828;|Loan",
                                         "Checking|$10.00|color: #2e7d32;|First Bank  \u00B7  *1234",
                                         "Euro|\u20AC5.00|color: #2e7d32;|Savings",
                                         "Savings|$20.00|color: #2e7d32;|Checking",
                                         "Visa|$50.00|color: #12211b;|Credit Card"}));
    QCOMPARE(world.summary(), QStringLiteral("Total (USD): $0.00  Total (EUR): \u20AC5.00"));
    QCOMPARE(child<QLabel>(window, "accountCountLabel")->text(), QStringLiteral("5 account(s)"));

    // As of today leaves out tomorrow's row.
    world.addTransaction(checking.id, QStringLiteral("Later"), 900, world.now().date().addDays(1));
    world.state->preferencesRepository->set(QStringLiteral("dashboardBalanceMode"), QStringLiteral("asOfToday"));
    QCOMPARE(world.cards().at(1), "Checking|$10.00|color: #2e7d32;|First Bank  \u00B7  *1234");
    QCOMPARE(world.summary(), QStringLiteral("Today (USD): $0.00  Today (EUR): \u20AC5.00"));
}

void TestMainWindow::shortcutsMenuAndReorder()
{
    WindowWorld world(Start::SignedOut);
    QList<Account> accounts;
    for (int i = 1; i <= 11; ++i)
        accounts.append(world.addAccount(QStringLiteral("Account %1").arg(i, 2, 10, QLatin1Char('0'))));
    MainWindow* window = world.open();
    QVERIFY(QTest::qWaitForWindowActive(window));

    QStringList keys;
    for (const QShortcut* shortcut : window->findChildren<QShortcut*>())
        keys.append(shortcut->key().toString());
    QCOMPARE(keys, QStringList({"Alt+1", "Alt+2", "Alt+3", "Alt+4", "Alt+5", "Alt+6", "Alt+7", "Alt+8", "Alt+9",
                                "Alt+0"}));
    QTest::keyClick(window, Qt::Key_0, Qt::AltModifier);
    QCOMPARE(world.state->currentAccountId, accounts.at(9).id);
    QCOMPARE(world.list()->currentRow(), 9);

    QListWidget* list = world.list();
    QCOMPARE(contextMenuAt(list, QPoint(20, list->viewport()->height() - 5)), QStringList{"New Account..."});

    // Dropping the third card on top stores the new order in one write.
    QSignalSpy written(world.state->accountRepository, &AccountRepository::accountsChanged);
    QVERIFY(list->model()->moveRow(QModelIndex(), 2, QModelIndex(), 0));
    QCOMPARE(written.count(), 1);
    QStringList names;
    for (const Account& account : world.state->accountRepository->listActive())
        names.append(account.name);
    QCOMPARE(names.mid(0, 4), QStringList({"Account 03", "Account 01", "Account 02", "Account 04"}));
    QTRY_COMPARE(world.cards().first().section('|', 0, 0), QStringLiteral("Account 03"));
}

void TestMainWindow::signedOutAutoPostAndMessages()
{
    WindowWorld world(Start::SignedOut);
    const Account checking = world.addAccount(QStringLiteral("Checking"));
    const Account savings = world.addAccount(QStringLiteral("Savings"));
    world.addDueRecurring(checking.id);
    MainWindow* window = world.open();
    QCOMPARE(world.message(), QStringLiteral("Auto-posted 1 recurring transaction(s)"));
    QCOMPARE(world.cards().first().section('|', 1, 1), QStringLiteral("-$7.00"));
    emit world.client->authClient()->loginFailed(QStringLiteral("boom"));
    QCOMPARE(world.message(), QStringLiteral("Sign-in failed: boom"));

    // The hourly posting waits for an import's transaction to end.
    world.addDueRecurring(checking.id);
    QTemporaryDir dir;
    QFile csv(dir.filePath(QStringLiteral("bank.csv")));
    QVERIFY(csv.open(QIODevice::WriteOnly));
    for (int i = 0; i < 150; ++i)
        csv.write(QStringLiteral("2024-01-02,Bakery %1,-4.50\n").arg(i).toUtf8());
    csv.close();
    QList<qint64> balancesDuringImport;
    connect(world.state->importService, &ImportService::importProgress, window, [&](int current, int total) {
        if (current < total) {
            window->findChild<RecurringAutoPoster*>()->onHourlyCheck();
            balancesDuringImport.append(world.balance(checking));
        }
    });
    QCOMPARE(world.state->importService->importCsv(csv.fileName(), savings.id, CsvImportOptions()).imported, 150);
    QCOMPARE(balancesDuringImport, QList<qint64>{-700});
    QCOMPARE(world.balance(checking), -1400);
}

void TestMainWindow::signedInPostsOnlyAfterACaughtUpSync()
{
    WindowWorld world(Start::SignedIn);
    MainWindow* window = world.open();
    QCOMPARE(world.page(), QStringLiteral("emptyStatePage"));
    const Account checking = world.addAccount(QStringLiteral("Checking"));
    world.addDueRecurring(checking.id);

    window->findChild<RecurringAutoPoster*>()->onHourlyCheck();
    // A run that stopped with pages still waiting posts nothing, but shows
    // the account it brought.
    emit world.state->syncEngine->syncCompleted();
    QCOMPARE(world.balance(checking), 0);
    QCOMPARE(world.message(), QStringLiteral("Sync complete"));
    QCOMPARE(world.state->currentAccountId, checking.id);

    world.state->syncEngine->syncNow();
    QTRY_COMPARE(world.message(), QStringLiteral("Auto-posted 1 recurring transaction(s)"));
    QCOMPARE(world.balance(checking), -700);

    QAction* signOut = window->findChild<QAction*>(QStringLiteral("signOutAction"));
    QVERIFY(signOut->isVisible());
    signOut->trigger();
    QTRY_VERIFY(!signOut->isVisible());
    QCOMPARE(window->findChild<QAction*>(QStringLiteral("accountAction"))->statusTip(),
             QStringLiteral("Sign in or sign up"));
    QCOMPARE(child<QLabel>(window, "syncLabel")->text(), QStringLiteral("Not signed in"));
    QCOMPARE(world.page(), QStringLiteral("welcomeScreen"));
}

VELLUMRY_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
