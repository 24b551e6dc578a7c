#include "AccountUiTestSupport.h"
#include "MainWindowTestSupport.h"
#include "TestMain.h"

#include "account/Client.h"
#include "app/MainMenus.h"
#include "app/MainWindow.h"
#include "data/Clock.h"
#include "data/Identifiers.h"
#include "data/PreferencesRepository.h"
#include "data/RecurringRepository.h"
#include "data/TransactionWriter.h"
#include "data/TransferService.h"
#include "register/RegisterModel.h"
#include "register/RegisterScreen.h"
#include "services/ImportService.h"
#include "state/RecurringAutoPoster.h"
#include "sync/SyncEngine.h"
#include "sync/SyncRecords.h"
#include "widgets/Appearance.h"
#include "widgets/ModalDialog.h"
#include "widgets/ThemeManager.h"

#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QShortcut>
#include <QSignalSpy>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryFile>
#include <QStackedWidget>
#include <QStyledItemDelegate>

#include <cmath>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void startPage_data();
    void startPage();
    void firstPaintBeforeTheRows();
    void registerBuiltForTheFirstAccount_data();
    void registerBuiltForTheFirstAccount();
    void cardTextColours();
    void accountListLooksAsAStyleSheetDrewIt_data();
    void accountListLooksAsAStyleSheetDrewIt();
    void frameShortcutsAndPreferences();
    void wholePathAgainstTheFakeServices();
    void signedOutCardsTotalsAndPostings();
    void editDeleteAndShareAccounts();
    void balancesOfTheAccountsWritten();
};

void TestMainWindow::startPage_data()
{
    QTest::addColumn<Start>("start");
    QTest::addColumn<QString>("lastViewed");
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("currentRow");
    QTest::newRow("signed out, no accounts") << Start::SignedOut << "" << "welcomeScreen" << -1;
    QTest::newRow("signed in, no accounts") << Start::SignedIn << "" << "emptyStatePage" << -1;
    QTest::newRow("signed out, stale last viewed") << Start::SignedOut << "gone" << "registerScreen" << 0;
    QTest::newRow("signed in, last viewed") << Start::SignedIn << "B" << "registerScreen" << 1;
}

void TestMainWindow::startPage()
{
    QFETCH(Start, start);
    QFETCH(QString, lastViewed);
    WindowWorld world(start);
    const QStringList ids = lastViewed.isEmpty() ? QStringList()
                                                 : QStringList({world.addAccount("A").id, world.addAccount("B").id});
    world.state->currentAccountId = lastViewed == u"B" ? ids.at(1) : lastViewed;
    world.open();
    QTEST(world.page(), "page");
    QCOMPARE(world.text("summaryLabel") == u"No accounts", lastViewed.isEmpty());
    QTEST(world.list()->currentRow(), "currentRow");
    QCOMPARE(world.state->currentAccountId, ids.value(world.list()->currentRow()));
}

void TestMainWindow::wholePathAgainstTheFakeServices()
{
    WindowWorld world(Start::SignedOut);
    MainWindow* window = world.open();
    ModalDialog::setNextHandler([](QDialog* form) {
        QTest::keyClicks(child(form, "nameEdit"), QStringLiteral("Checking"));
        retype(form, "startingBalanceField", QStringLiteral("250"));
        clickOk(form);
    });
    QTest::mouseClick(child<QPushButton>(window, "primaryButton"), Qt::LeftButton);
    QCOMPARE(world.page(), QStringLiteral("registerScreen"));
    ModalDialog::setNextHandler([](QDialog* form) {
        QTest::keyClicks(child(form, "payeeEdit"), QStringLiteral("Grocer"));
        retype(form, "amountField", QStringLiteral("12.50"));
        clickOk(form);
    });
    QTest::mouseClick(child<QPushButton>(window, "newTransactionButton"), Qt::LeftButton);
    QTRY_COMPARE(world.cards(), QStringList{"Checking|$237.50|color: #2e7d32;|Checking"});
    // A due entry waits for a sync that caught up with the server.
    world.addDueRecurring(world.state->currentAccountId);
    emit world.state->syncEngine->syncCompleted();
    QCOMPARE(world.cards().first().section('|', 1, 1), QStringLiteral("$237.50"));

    // Signing in through the browser syncs at once and posts it; the register stays.
    QAction* signOut = window->findChild<QAction*>(QStringLiteral("signOutAction"));
    window->findChild<QAction*>(QStringLiteral("accountAction"))->trigger();
    QTRY_COMPARE(world.services.sync()->rows(world.userId, QStringLiteral("transaction")).size(), 3);
    QTRY_COMPARE(world.text("syncLabel"), QStringLiteral("Synced"));
    QCOMPARE(QVariantList({world.cards().first().section('|', 1, 1), world.page(), signOut->isVisible()}),
             QVariantList({"$230.50", "registerScreen", true}));
    // A run that pulls nothing leaves the register's rows alone; one that pulls
    // a row of the shown account reads them once.
    const auto* model = window->findChild<RegisterModel*>();
    QSignalSpy resets(model, &QAbstractItemModel::modelReset);
    QSignalSpy runs(world.state->syncEngine, &SyncEngine::syncCompleted);
    world.state->syncEngine->syncNow();
    QTRY_COMPARE(runs.count(), 1);
    QCoreApplication::processEvents();
    QCOMPARE(resets.count(), 0);

    // The hourly check posts nothing while signed in.
    world.addDueRecurring(world.state->currentAccountId);
    window->findChild<RecurringAutoPoster*>()->onHourlyCheck();
    QCOMPARE(world.balance(world.state->accountRepository->listActive().first()), 23050);

    // What another device added comes with the next run, into the card and the
    // register; the entry due above posts once that run has caught up.
    Transaction remote;
    std::tie(remote.id, remote.accountId, remote.payee, remote.amount) =
        std::tuple(newId(), world.state->currentAccountId, "Bakery", -300);
    remote.date = Clock::today();
    remote.createdAt = remote.updatedAt = Clock::nowUtc();
    world.services.sync()->putRow(world.userId, QStringLiteral("transaction"), remote.id, 1,
                                  SyncRecords::transactionPayload(remote, {}));
    world.state->syncEngine->syncNow();
    QTRY_COMPARE(world.cards().first().section('|', 1, 1), QStringLiteral("$220.50"));
    QTRY_VERIFY(model->match(model->index(0, RegisterModel::PayeeColumn), Qt::DisplayRole, QStringLiteral("Bakery"))
                    .size() == 1);
    QTRY_COMPARE(runs.count(), 2);
    QCoreApplication::processEvents();
    QCOMPARE(resets.count(), 1);

    signOut->trigger();
    QTRY_COMPARE(world.page(), QStringLiteral("welcomeScreen"));
    QCOMPARE(QVariantList({world.text("syncLabel"), window->findChild<QAction*>("accountAction")->statusTip(),
                           child<QLabel>(child(window, "welcomeScreen"), "titleLabel")->text(), signOut->isVisible()}),
             QVariantList({"Not signed in", "Sign in or sign up", "Welcome back", false}));
}

// The window shows the account list and the register's header before it reads
// a balance or a row: blank where a figure will be, never a wrong one. Once it
// has painted, the balances, the totals and the rows follow.
void TestMainWindow::firstPaintBeforeTheRows()
{
    WindowWorld world(Start::SignedOut);
    const QString checking = world.addAccount(QStringLiteral("Checking")).id;
    world.addAccount(QStringLiteral("Savings"));
    world.addTransaction(checking, QStringLiteral("Pay"), 250000, QDate(2024, 3, 1), ScreenLedger::Cleared);
    world.addTransaction(checking, QStringLiteral("Rent"), -90000);
    world.state->setCurrentAccountId(checking);
    MainWindow* window = world.openFirstPaint();
    const auto* rows = qobject_cast<RegisterModel*>(child<QTableView>(window, "registerTable")->model());
    const auto shown = [&] {
        const auto* screen = child<RegisterScreen>(window, "registerScreen");
        QStringList figures;
        for (const char* name : {"titleLabel", "clearedLabel", "unclearedLabel", "balanceLabel"})
            figures.append(child<QWidget>(screen, name)->property("text").toString());
        return QVariantList({world.cards(), world.text("summaryLabel"), figures, rows->rowCount(), world.page()});
    };
    QCOMPARE(shown(), QVariantList({QStringList({"Checking|||Checking", "Savings|||Checking"}), "",
                                    QStringList({"Checking", "", "", ""}), 0, "registerScreen"}));
    // The pages not shown are not built for the first paint.
    QCOMPARE(child<QStackedWidget>(window, "pageStack")->count(), 1);
    QTRY_COMPARE(shown(), QVariantList({QStringList({"Checking|$1,600.00|color: #2e7d32;|Checking",
                                                     "Savings|$0.00|color: #2e7d32;|Checking"}),
                                        "Total: $1,600.00", QStringList({"Checking", "$2,500.00", "-$900.00", "$1,600.00"}),
                                        3, "registerScreen"}));
    // The entry row is current, ready for typing.
    QCOMPARE(child<QTableView>(window, "registerTable")->currentIndex().row(), rows->entryRow());
}

// Whether the label's text is drawn in that colour: its inkiest pixel lies
// between the background and the colour (anti-aliasing blends the two).
static bool drawsIn(QWidget* label, const QColor& color)
{
    const QImage image = label->grab().toImage();
    const QColor background = image.pixelColor(0, 0);
    const auto distance = [](const QColor& a, const QColor& b) {
        return std::hypot(a.red() - b.red(), a.green() - b.green(), a.blue() - b.blue());
    };
    QColor inkiest = background;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (distance(image.pixelColor(x, y), background) > distance(inkiest, background))
                inkiest = image.pixelColor(x, y);
        }
    }
    const double full = distance(color, background);
    const double share = distance(inkiest, background) / full;
    if (full < 1 || share < 0.5)
        return false;
    const auto blend = [&](int ink, int paper) { return paper + share * (ink - paper); };
    return std::hypot(inkiest.red() - blend(color.red(), background.red()),
                      inkiest.green() - blend(color.green(), background.green()),
                      inkiest.blue() - blend(color.blue(), background.blue()))
        < 12;
}

void TestMainWindow::registerBuiltForTheFirstAccount_data()
{
    QTest::addColumn<Start>("start");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("button");
    QTest::newRow("signed out") << Start::SignedOut << "welcomeScreen" << "primaryButton";
    QTest::newRow("signed in") << Start::SignedIn << "emptyStatePage" << "createAccountButton";
}

// A start without accounts builds no register: what would reload it, or reset
// its entry row, leaves it unbuilt. The first account shown builds it, joined
// to the window as one built at the start.
void TestMainWindow::registerBuiltForTheFirstAccount()
{
    QFETCH(Start, start);
    QFETCH(QString, page);
    QFETCH(QString, button);
    WindowWorld world(start);
    MainWindow* window = world.open();
    const auto pages = [&] {
        const auto* stack = child<QStackedWidget>(window, "pageStack");
        QStringList names;
        for (int index = 0; index < stack->count(); ++index)
            names.append(stack->widget(index)->objectName());
        return QVariantList({world.page(), names, int(window->findChildren<RegisterScreen*>().size())});
    };
    world.state->preferencesRepository->setBool(QStringLiteral("registerTwoLine"), true);
    window->menus()->action(MainMenus::Command::NewTransaction)->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(pages(), QVariantList({page, QStringList{page}, 0}));

    ModalDialog::setNextHandler([](QDialog* form) {
        QTest::keyClicks(child(form, "nameEdit"), QStringLiteral("Checking"));
        clickOk(form);
    });
    QTest::mouseClick(child<QPushButton>(window, button.toLatin1().constData()), Qt::LeftButton);
    QCOMPARE(pages(), QVariantList({"registerScreen", QStringList{page, "registerScreen"}, 1}));

    auto* screen = child<RegisterScreen>(window, "registerScreen");
    const QString id = world.state->currentAccountId;
    emit screen->errorMessage(QStringLiteral("The row was not saved"));
    QString editedName;
    ModalDialog::setNextHandler([&editedName](QDialog* form) {
        editedName = child<QLineEdit>(form, "nameEdit")->text();
        form->reject();
    });
    emit screen->editAccountRequested(id);
    emit screen->reconcileRequested(id);
    QStringList reconciling;
    for (const QWidget* top : QApplication::topLevelWidgets()) {
        if (top->isVisible() && top->windowTitle().startsWith(QStringLiteral("Reconcile")))
            reconciling.append(top->windowTitle());
    }
    QCOMPARE(QVariantList({world.timedMessage(), editedName, reconciling}),
             QVariantList({"The row was not saved (5000 ms)", "Checking", QStringList{"Reconcile \u2014 Checking"}}));
}

void TestMainWindow::cardTextColours()
{
    WindowWorld world(Start::SignedOut);
    world.addAccount(QStringLiteral("A Checking"));
    world.addAccount(QStringLiteral("B Loan"), Currency::USD, AccountType::Loan);
    MainWindow* window = world.open();
    QTRY_VERIFY(!world.cards().first().section('|', 1, 1).isEmpty());
    QStringList drawn;
    for (int row = 0; row < world.list()->count(); ++row) {
        QWidget* card = world.list()->itemWidget(world.list()->item(row));
        for (const auto& [name, color] : {std::pair("iconLabel", effectiveAccentColor()),
                                          std::pair("nameLabel", QColor(QStringLiteral("#12211B"))),
                                          std::pair("detailLabel", QColor(QStringLiteral("#4A6358"))),
                                          std::pair("balanceLabel", row == 0 ? QColor(QStringLiteral("#2e7d32"))
                                                                             : QColor(QStringLiteral("#12211B")))})
            drawn.append(QLatin1String(name) + (drawsIn(child<QLabel>(card, name), color) ? "" : " not") + " drawn");
    }
    QCOMPARE(drawn, QStringList({"iconLabel drawn", "nameLabel drawn", "detailLabel drawn", "balanceLabel drawn",
                                 "iconLabel drawn", "nameLabel drawn", "detailLabel drawn", "balanceLabel drawn"}));

    // A new accent colours the icons; a dark theme the names and details.
    const auto card = [&world] { return world.list()->itemWidget(world.list()->item(1)); };
    world.state->themeManager->setAccentColor(QColor(QStringLiteral("#8e24aa")));
    QTRY_VERIFY(card() && drawsIn(child<QLabel>(card(), "iconLabel"), QColor(QStringLiteral("#8e24aa"))));
    world.state->themeManager->setTheme(ThemeManager::Dark);
    QTRY_VERIFY(card() && drawsIn(child<QLabel>(card(), "nameLabel"), QColor(QStringLiteral("#FFFFFF"))));
    QVERIFY(drawsIn(child<QLabel>(card(), "detailLabel"), QColor(QStringLiteral("#8FAF9F"))));
    Q_UNUSED(window);
}

void TestMainWindow::accountListLooksAsAStyleSheetDrewIt_data()
{
    QTest::addColumn<bool>("dark");
    QTest::newRow("light") << false;
    QTest::newRow("dark") << true;
}

// The list takes its look from palettes, a delegate and a padded frame. The
// same look as a style sheet gives it, with the items' padding, a hovered and a
// selected item and a scroll bar, must draw the same pixels.
void TestMainWindow::accountListLooksAsAStyleSheetDrewIt()
{
    QFETCH(bool, dark);
    WindowWorld world(Start::SignedOut);
    for (int i = 1; i <= 16; ++i)
        world.addAccount(QStringLiteral("Account %1").arg(i), Currency::USD, AccountType(i % 7));
    world.open();
    QListWidget* list = world.list();
    if (dark) {
        // The window follows a theme changed while it is open.
        world.state->themeManager->setTheme(ThemeManager::Dark);
        QTRY_VERIFY(
            drawsIn(child<QLabel>(list->itemWidget(list->item(0)), "nameLabel"), QColor(QStringLiteral("#FFFFFF"))));
    }
    auto* frame = child<QWidget>(world.window.get(), "accountListFrame");
    list->setCurrentRow(1);
    const auto hoverThirdItem = [list, frame] {
        // From another item: the pointer may rest there since an earlier window.
        QTest::mouseMove(list->viewport(), list->visualItemRect(list->item(0)).center());
        QTest::mouseMove(list->viewport(), list->visualItemRect(list->item(2)).center());
        QCoreApplication::processEvents();
        return frame->grab().toImage();
    };
    const auto pick = [dark](const char* darkColor, const char* lightColor) {
        return QColor(QLatin1String(dark ? darkColor : lightColor)).name();
    };
    const QImage drawn = hoverThirdItem();

    frame->layout()->setContentsMargins(0, 0, 0, 0);
    list->setItemDelegate(new QStyledItemDelegate(list));
    list->setStyleSheet(
        QStringLiteral("QListWidget { background-color: %1; border: none; outline: none; padding: 6px 0; "
                       "font-size: %2pt; } QListWidget::item { padding: 7px 14px; border: none; } "
                       "QListWidget::item:hover { background-color: %3; } "
                       "QListWidget::item:selected { background-color: %4; }")
            .arg(pick("#152420", "#EDF3EF"), QString::number(scaledAppFont().pointSize()),
                 pick("#1E3530", "#E2EDE7"), pick("#26574A", "#D2E5DC")));
    QCoreApplication::processEvents();
    QVERIFY(list->verticalScrollBar()->isVisible());
    const QImage sheet = hoverThirdItem();
    QCOMPARE(drawn.size(), sheet.size());
    QVERIFY(drawn == sheet);
    // The hovered and the selected item each have a colour of their own.
    const auto colourAt = [&drawn, list, frame](int row) {
        const QPoint corner = list->visualItemRect(list->item(row)).topLeft() + QPoint(2, 2);
        return drawn.pixelColor(list->viewport()->mapTo(frame, corner)).name();
    };
    QCOMPARE(QStringList({colourAt(0), colourAt(1), colourAt(2)}),
             QStringList({pick("#152420", "#EDF3EF"), pick("#26574A", "#D2E5DC"), pick("#1E3530", "#E2EDE7")}));
}

void TestMainWindow::frameShortcutsAndPreferences()
{
    QSettings().clear();
    WindowWorld world(Start::SignedOut);
    QStringList ids;
    for (int i = 1; i <= 11; ++i)
        ids.append(world.addAccount(QStringLiteral("Account %1").arg(i, 2, 10, QLatin1Char('0'))).id);
    world.addDueRecurring(ids.first(), WindowWorld::Posting::ByHand);
    MainWindow* window = world.open();
    QCOMPARE(window->size(), QSize(1280, 900));
    QCOMPARE(world.text("recurringDueLabel"), QStringLiteral("  \u2022  1 recurring due"));
    QVERIFY(QTest::qWaitForWindowActive(window));
    // Alt+1 .. Alt+0 for the first ten; the eleventh has none.
    QCOMPARE(window->findChildren<QShortcut*>().size(), 10);
    QTest::keyClick(window, Qt::Key_0, Qt::AltModifier);
    QCOMPARE(QVariantList({world.state->currentAccountId, world.list()->currentRow()}), QVariantList({ids.at(9), 9}));
    QListWidget* list = world.list();
    QCOMPARE(contextMenuAt(list, QPoint(20, list->viewport()->height() - 5)), QStringList{"New Account..."});

    // Dropping the third card on top stores the new order in one write; the list is rebuilt in it.
    QSignalSpy written(world.state->accountRepository, &AccountRepository::accountsChanged);
    QSignalSpy rebuilt(child<QWidget>(window, "accountListPanel"), SIGNAL(rebuilt(int)));
    QVERIFY(list->model()->moveRow(QModelIndex(), 2, QModelIndex(), 0));
    QTRY_COMPARE(rebuilt.count(), 1);
    QCOMPARE(QVariantList({written.count(), world.cards().first()}),
             QVariantList({1, "Account 03|$0.00|color: #2e7d32;|Checking"}));
    // With no account current, a completed sync shows the first.
    world.state->currentAccountId.clear();
    emit world.state->syncEngine->syncCompleted();
    QCOMPARE(world.state->currentAccountId, ids.at(2));

    // A register preference reloads the register only; the balance mode the list only.
    rebuilt.clear();
    QSignalSpy reloaded(window->findChild<RegisterModel*>(), &QAbstractItemModel::modelReset);
    world.state->preferencesRepository->setBool(QStringLiteral("registerShowBalance"), false);
    QCoreApplication::processEvents(); // a rebuild asked for would run now
    QCOMPARE(QList<int>({int(rebuilt.count()), int(reloaded.count())}), QList<int>({0, 1}));
    world.state->preferencesRepository->set(QStringLiteral("dashboardBalanceMode"), QStringLiteral("cleared"));
    QTRY_COMPARE(QList<int>({int(rebuilt.count()), int(reloaded.count())}), QList<int>({1, 1}));
    world.state->themeManager->setTheme(ThemeManager::Dark);
    QTRY_COMPARE(QStringList({world.cards().first(), child<QLabel>(window, "syncLabel")->styleSheet()}),
             QStringList({"Account 03|$0.00|color: #66bb6a;|Checking", "color: #8FAF9F;"}));

    // A wider window widens the register, not the list; neither side can be pushed out of sight.
    auto* splitter = child<QSplitter>(window, "mainSplitter");
    splitter->setSizes({300, 700});
    window->resize(window->width() + 200, window->height());
    QTRY_COMPARE(splitter->sizes().first(), 300);
    splitter->setSizes({0, 2000});
    const int narrowest = splitter->sizes().first();
    splitter->setSizes({2000, 0});
    QCOMPARE(QList<bool>({narrowest >= 260, splitter->sizes().last() > 0}), QList<bool>({true, true}));
    splitter->setSizes({400, 600});
    window->resize(1000, 700);
    const QByteArray splitterState = splitter->saveState();
    QVERIFY(window->close() && QSettings().value(QStringLiteral("mainwindow/splitter")) == splitterState);
    QTRY_COMPARE(world.open()->size(), QSize(1000, 700));
    // A stored geometry that cannot be restored counts as none.
    QSettings().setValue(QStringLiteral("mainwindow/geometry"), QByteArray("not a geometry"));
    QCOMPARE(world.open()->size(), QSize(1280, 900));
}

void TestMainWindow::signedOutCardsTotalsAndPostings()
{
    WindowWorld world(Start::SignedOut);
    QList<Account> accounts;
    using Row = std::tuple<QString, Currency, AccountType, int>;
    for (const auto& [name, currency, type, amount] :
         {Row{"Car", Currency::USD, AccountType::Loan, 2000}, Row{"Checking", Currency::USD, AccountType::Checking, 1700},
          Row{"Euro", Currency::EUR, AccountType::Savings, 500}, Row{"Savings", Currency::USD, AccountType::Checking, 2000},
          Row{"Visa", Currency::USD, AccountType::CreditCard, -5000}}) {
        accounts.append(world.addAccount(name, currency, type));
        world.addTransaction(accounts.last().id, QStringLiteral("Start"), amount, world.now().date());
    }
    Account checking = accounts.at(1);
    std::tie(checking.institution, checking.accountNumberLast4) = std::tuple("First Bank", "1234");
    QVERIFY(world.state->accountRepository->update(checking));
    world.addDueRecurring(checking.id);
    MainWindow* window = world.open();
    QCOMPARE(world.timedMessage(), QStringLiteral("Auto-posted 1 recurring transaction(s) (5000 ms)"));
    QCOMPARE(world.cards(), QStringList({"Car|-$20.00|color: #c62828;|Loan",
                                         "Checking|$10.00|color: #2e7d32;|First Bank  \u00B7  *1234",
                                         "Euro|\u20AC5.00|color: #2e7d32;|Savings",
                                         "Savings|$20.00|color: #2e7d32;|Checking",
                                         "Visa|$50.00|color: #12211b;|Credit Card"}));
    QCOMPARE(QStringList({world.text("summaryLabel"), world.text("accountCountLabel")}),
             QStringList({"Total (USD): $0.00  Total (EUR): \u20AC5.00", "5 account(s)"}));
    // Each card is as tall as it asks to be: the items' padding must not clip the name's descenders.
    const auto squeezed = [&world] {
        QStringList names;
        for (int row = 0; row < world.list()->count(); ++row) {
            const QWidget* card = world.list()->itemWidget(world.list()->item(row));
            if (card->height() < card->sizeHint().height())
                names.append(child<QLabel>(card, "nameLabel")->toolTip());
        }
        return names;
    };
    QTRY_COMPARE(squeezed(), QStringList());
    emit world.client->authClient()->loginFailed(QStringLiteral("boom"));
    QCOMPARE(world.timedMessage(), QStringLiteral("Sign-in failed: boom (5000 ms)"));

    // Writes of one turn rebuild the list once; as of today leaves out tomorrow's row.
    QSignalSpy rebuilt(child<QWidget>(window, "accountListPanel"), SIGNAL(rebuilt(int)));
    for (int day : {1, 2})
        world.addTransaction(checking.id, QStringLiteral("Later"), 900, world.now().date().addDays(day));
    QTRY_COMPARE(rebuilt.count(), 1);
    world.state->preferencesRepository->set(QStringLiteral("dashboardBalanceMode"), QStringLiteral("asOfToday"));
    QTRY_COMPARE(QStringList({world.cards().at(1).section('|', 0, 1), world.text("summaryLabel")}),
             QStringList({"Checking|$10.00", "Today (USD): $0.00  Today (EUR): \u20AC5.00"}));

    // The hourly posting waits for an import's transaction to end.
    world.addDueRecurring(checking.id);
    QTemporaryFile csv;
    QVERIFY(csv.open() && csv.write("2024-01-02,Bakery,-4.50\n") && csv.flush());
    QList<qint64> duringImport;
    connect(world.state->importService, &ImportService::importTransactionStarted, window, [&] {
        window->findChild<RecurringAutoPoster*>()->onHourlyCheck();
        duringImport.append(world.balance(checking));
    });
    QCOMPARE(world.state->importService->importCsv(csv.fileName(), accounts.at(3).id, {}).imported, 1);
    QCOMPARE(duringImport, QList<qint64>{1000 + 1800});
    QCOMPARE(world.balance(checking), 300 + 1800);
}

// A write to some accounts' transactions reads their balances again into the
// cards the list has, in the mode shown, and the totals follow; any other
// change of the ledger makes the cards anew.
void TestMainWindow::balancesOfTheAccountsWritten()
{
    WindowWorld world(Start::SignedOut);
    const Account checking = world.addAccount(QStringLiteral("Checking"));
    Account savings = world.addAccount(QStringLiteral("Savings"));
    const Account visa = world.addAccount(QStringLiteral("Visa"), Currency::USD, AccountType::CreditCard);
    Transaction pay = world.addTransaction(checking.id, QStringLiteral("Pay"), 100000);
    Transaction fuel = world.addTransaction(visa.id, QStringLiteral("Fuel"), -4000);
    world.state->setCurrentAccountId(checking.id);
    MainWindow* window = world.open();
    const auto cardWidgets = [&world] {
        QList<QWidget*> cards;
        for (int row = 0; row < world.list()->count(); ++row)
            cards.append(world.list()->itemWidget(world.list()->item(row)));
        return cards;
    };
    const QList<QWidget*> firstCards = cardWidgets();
    QSignalSpy followed(child<QWidget>(window, "accountListPanel"), SIGNAL(rebuilt(int)));
    // Name and balance per card, the totals, whether the cards are those first made, and the turns followed.
    const auto shown = [&] {
        QStringList cards;
        for (const QString& card : world.cards())
            cards.append(card.section('|', 0, 2));
        return QVariantList({cards, world.text("summaryLabel"), cardWidgets() == firstCards, int(followed.count())});
    };

    TransactionWriter* writer = world.state->transactionWriter;
    Transaction bakery = pay;
    std::tie(bakery.id, bakery.payee, bakery.amount) = std::tuple(newId(), QStringLiteral("Bakery"), -1250);
    Transaction toSavings = bakery;
    std::tie(toSavings.id, toSavings.payee, toSavings.amount) = std::tuple(newId(), QStringLiteral("Savings"), -20000);
    Transaction intoSavings = world.state->transferService->buildCounterpart(toSavings, savings.id);
    const QString green = QStringLiteral("color: #2e7d32;"), plain = QStringLiteral("color: #12211b;");
    using Step = std::tuple<const char*, std::function<bool()>, QStringList, QString>;
    const QList<Step> steps{
        {"a row of one account", [&] { return writer->insert(bakery); },
         {"Checking|$987.50|" + green, "Savings|$0.00|" + green, "Visa|$40.00|" + plain}, "Total: $947.50"},
        {"a transfer, both accounts", [&] { return writer->insertTransfer(intoSavings, toSavings); },
         {"Checking|$787.50|" + green, "Savings|$200.00|" + green, "Visa|$40.00|" + plain}, "Total: $947.50"},
        {"a transfer deleted, both legs", [&] { return writer->remove(toSavings); },
         {"Checking|$987.50|" + green, "Savings|$0.00|" + green, "Visa|$40.00|" + plain}, "Total: $947.50"},
        {"an edit", [&] {
             fuel.amount = -6000;
             return writer->update(fuel, {});
         },
         {"Checking|$987.50|" + green, "Savings|$0.00|" + green, "Visa|$60.00|" + plain}, "Total: $927.50"},
    };
    int turns = 0;
    for (const auto& [what, write, cards, totals] : steps) {
        QVERIFY2(write(), what);
        const QVariantList expected{cards, totals, true, ++turns};
        QTRY_COMPARE(shown(), expected);
    }

    // In the cleared mode the cards are made anew; a write reads the cleared balance.
    world.state->preferencesRepository->set(QStringLiteral("dashboardBalanceMode"), QStringLiteral("cleared"));
    turns += 2;
    QTRY_COMPARE(shown().at(3).toInt(), turns - 1);
    QVERIFY(writer->toggleCleared(pay));
    const QVariantList cleared{
        QStringList({"Checking|$1,000.00|" + green, "Savings|$0.00|" + green, "Visa|$0.00|" + plain}),
        "Cleared: $1,000.00", false, turns};
    QTRY_COMPARE(shown(), cleared);
    // A renamed account is a change of the accounts: the whole list again.
    savings.name = QStringLiteral("Rainy Day");
    QVERIFY(world.state->accountRepository->update(savings));
    QTRY_COMPARE(shown().at(0).toStringList().at(1), "Rainy Day|$0.00|" + green);
}

void TestMainWindow::editDeleteAndShareAccounts()
{
    WindowWorld world(Start::SignedOut);
    FakeAccountService* group = world.services.account();
    group->addMember(group->createGroup(world.userId, "Lovelace"), world.services.auth()->addUser("bob@example.test"));
    const QString savings = world.addAccount(QStringLiteral("Savings")).id, id = world.addAccount("Checking").id;
    QCOMPARE(world.state->backfillOpeningBalances(), 2);
    Transaction transfer = world.addTransaction(id, QStringLiteral("Transfer to Savings"));
    transfer.transferDestAccountId = savings;
    QVERIFY(world.state->transactionRepository->update(transfer));
    MainWindow* window = world.open();
    // The register asks; the form renames the account and moves it to euros.
    const auto edit = [&](const QString& name, const QList<QMessageBox::StandardButton>& answers) {
        std::for_each(answers.begin(), answers.end(), &MessageBox::setNextAnswer);
        ModalDialog::setNextHandler([name](QDialog* form) {
            retype(form, "nameEdit", name);
            QTest::keyClicks(child(form, "currencyCombo"), QStringLiteral("EUR"));
            retype(form, "startingBalanceField", QStringLiteral("20"));
            clickOk(form);
        });
        emit child<RegisterScreen>(window, "registerScreen")->editAccountRequested(id);
        return QStringList({world.cards().first(), MessageBox::lastTitle()});
    };
    // Euros would break the transfer to Savings: Cancel drops every edit. Without a name nothing is asked or saved.
    const QStringList unchanged{"Checking|-$1.00|color: #c62828;|Checking", "Change currency?"};
    QCOMPARE(edit("Everyday", {QMessageBox::Cancel}), unchanged);
    QCOMPARE(edit(QString(), {}), unchanged);
    // The other edits are saved; the opening balance stays 0.
    QCOMPARE(edit("Everyday", {QMessageBox::Save, QMessageBox::No}),
             QStringList({"Everyday|-\u20AC1.00|color: #c62828;|Checking", "Starting Balance"}));

    // Everyday, then Savings alone.
    const QPoint card = world.list()->visualItemRect(world.list()->item(0)).center();
    QCOMPARE(contextMenuAt(world.list(), card),
             QStringList({"New Account...", "Edit \"Everyday\"...", "Reconcile...", "Reconciliation History...",
                          "Rename Payees...", "Share...", "Delete \"Everyday\""}));
    MessageBox::setNextAnswer(QMessageBox::Yes);
    contextMenuAt(world.list(), card, QStringLiteral("Delete \"Everyday\""));
    QCOMPARE(QVariantList({world.page(), world.state->currentAccountId, world.list()->count()}),
             QVariantList({"welcomeScreen", "", 1}));

    // Sharing Savings: "Learn More" leads to the account screen, which a signed-out user reaches by signing in.
    MessageBox::setNextChoice(0);
    contextMenuAt(world.list(), card, QStringLiteral("Share..."));
    QCOMPARE(MessageBox::lastTitle(), QStringLiteral("Sign In Required"));
    QTRY_COMPARE(world.text("syncLabel"), QStringLiteral("Synced"));
    // The test owns the debounce's interval: a sync it schedules stays scheduled until the test has looked.
    auto* debounce = world.state->syncEngine->findChild<QTimer*>(QStringLiteral("syncDebounceTimer"));
    debounce->setInterval(std::chrono::hours(1));
    bool scheduled = false;
    ModalDialog::setNextHandler([&](QDialog* dialog) {
        debounce->stop();
        QSignalSpy changed(dialog, SIGNAL(sharingChanged()));
        QVERIFY(AccountUiTest::click(dialog, QStringLiteral("shareButton")));
        QTRY_COMPARE(changed.count(), 1);
        scheduled = debounce->isActive();
    });
    contextMenuAt(world.list(), card, QStringLiteral("Share..."));
    QCOMPARE(QVariantList({ModalDialog::lastTitle(), world.services.sync()->shares(savings).size(), scheduled}),
             QVariantList({"Share Account", 1, true}));
}

VELLUMRY_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
