#include "FakeUpdateSite.h"
#include "MainWindowTestSupport.h"
#include "TestMain.h"

#include "app/Application.h"
#include "app/HelpActions.h"
#include "app/MainMenus.h"
#include "data/ReconciliationRepository.h"
#include "register/RegisterModel.h"
#include "update/ReleaseNotesFetcher.h"
#include "widgets/FileDialog.h"
#include "widgets/MessageBox.h"
#include "widgets/ModalDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSettings>
#include <QTableView>
#include <QTableWidget>

namespace {

// What a test writes behind an open window's back, so that only the refresh
// the window runs before it is shown again can bring it on screen.
enum class Probe { None, Account, DeletedAccount, Recurring, Category, Payee, AccountName, Group };

const QString ProbeText = QStringLiteral("Probe");

void collectTexts(const QAbstractItemModel* model, const QModelIndex& parent, QStringList& texts)
{
    for (int row = 0; row < model->rowCount(parent); ++row) {
        for (int column = 0; column < model->columnCount(parent); ++column)
            texts.append(model->index(row, column, parent).data().toString());
        collectTexts(model, model->index(row, 0, parent), texts);
    }
}

// Every text a window holds in its labels, fields, combo boxes, lists, tables and trees.
QString shownTexts(const QWidget* window)
{
    QStringList texts;
    for (const QLabel* label : window->findChildren<QLabel*>())
        texts.append(label->text());
    for (const QLineEdit* edit : window->findChildren<QLineEdit*>())
        texts.append(edit->text());
    for (const QComboBox* combo : window->findChildren<QComboBox*>())
        collectTexts(combo->model(), QModelIndex(), texts);
    for (const QAbstractItemView* view : window->findChildren<QAbstractItemView*>())
        collectTexts(view->model(), QModelIndex(), texts);
    return texts.join(QLatin1Char('\n'));
}

QAction* actionByText(const QList<QAction*>& actions, const QString& text)
{
    for (QAction* action : actions) {
        if (action->text() == text)
            return action;
    }
    qFatal("no menu item %s", qPrintable(text));
}

// Stands in for the system browser on https addresses, for the whole run.
FakeBrowser& webBrowser()
{
    static FakeBrowser browser;
    return browser;
}

// The window's sample ledger, the register of its first account showing.
struct MenuWorld : WindowWorld
{
    explicit MenuWorld(Start start, bool sampleData = true)
        : WindowWorld(start)
    {
        open();
        activate();
        if (sampleData) {
            choose(QStringLiteral("&Help/Load &Sample Data"));
            QTest::keyClick(window.get(), Qt::Key_1, Qt::AltModifier);
        }
        if (start == Start::SignedIn) {
            auto* debounce = state->syncEngine->findChild<QTimer*>(QStringLiteral("syncDebounceTimer"));
            QTRY_VERIFY(state->syncEngine->state() == SyncEngine::SyncState::Idle && !debounce->isActive());
        }
        window->statusBar()->clearMessage();
    }

    void activate() const
    {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    // "Menu/Item" chooses the item with the keyboard in its open menu; anything else is a key sequence.
    void choose(const QString& how) const
    {
        if (!how.contains(QLatin1Char('/'))) {
            QTest::keySequence(window.get(), QKeySequence(how));
            return;
        }
        QMenuBar* bar = window->menuBar();
        QAction* menuAction = actionByText(bar->actions(), how.section(QLatin1Char('/'), 0, 0));
        bar->setActiveAction(menuAction);
        QMenu* menu = menuAction->menu();
        QTRY_VERIFY(menu->isVisible());
        menu->setActiveAction(actionByText(menu->actions(), how.section(QLatin1Char('/'), 1)));
        QTest::keyClick(menu, Qt::Key_Return);
    }

    QList<QWidget*> toolWindows() const
    {
        QList<QWidget*> windows;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget != window.get() && widget->isVisible() && !qobject_cast<QMenu*>(widget)
                && widget->windowType() != Qt::ToolTip)
                windows.append(widget);
        }
        return windows;
    }

    // What the user sees: the windows besides the main one (title, size, whether
    // they show the probe), the box or form that was answered, the status
    // message with its time-out, the page, and the address given to the browser.
    // A window asked for a size its layout cannot fit in opens as small as the
    // layout allows: it reads as the size asked for (`asked`, by title).
    QString scene(const QHash<QString, QSize>& asked = {}) const
    {
        QStringList windows;
        for (const QWidget* widget : toolWindows()) {
            QSize size = widget->size();
            const QSize wanted = asked.value(widget->windowTitle());
            if (wanted.isValid() && size == wanted.expandedTo(widget->minimumSizeHint()))
                size = wanted;
            windows.append(QStringLiteral("%1 %2x%3%4")
                               .arg(widget->windowTitle())
                               .arg(size.width())
                               .arg(size.height())
                               .arg(shownTexts(widget).contains(ProbeText) ? QStringLiteral(" +Probe") : QString()));
        }
        windows.sort();
        const QString box = MessageBox::lastTitle() + MessageBox::lastText() == m_boxBefore ? QString()
                                                                                            : MessageBox::lastTitle();
        const QList<QUrl> opened = webBrowser().openedUrls().mid(m_openedBefore);
        return QStringList({windows.join(QStringLiteral("; ")), m_dialog + box, timedMessage(), page(),
                            opened.isEmpty() ? QString() : opened.last().toString()})
            .join(QStringLiteral(" | "));
    }

    // Forms are cancelled and boxes answered Cancel: each says what it was and changes nothing.
    void trigger(const QString& how)
    {
        m_boxBefore = MessageBox::lastTitle() + MessageBox::lastText();
        m_openedBefore = int(webBrowser().openedUrls().size());
        m_dialog.clear();
        ModalDialog::setNextHandler([this](QDialog* dialog) {
            m_dialog = dialog->windowTitle();
            dialog->reject();
        });
        MessageBox::setNextAnswer(QMessageBox::Cancel);
        choose(how);
        ModalDialog::clearNextHandler();
        MessageBox::clearNextAnswer();
    }

    void writeProbe(Probe probe)
    {
        const QString current = state->currentAccountId;
        switch (probe) {
        case Probe::None:
            break;
        case Probe::Account:
            addAccount(ProbeText);
            break;
        case Probe::DeletedAccount:
            QVERIFY(state->accountRepository->softDelete(addAccount(ProbeText).id));
            break;
        case Probe::Recurring: {
            RecurringTransaction record;
            std::tie(record.id, record.accountId, record.payee, record.amount) = std::tuple(newId(), current, ProbeText, -100);
            record.startDate = record.nextDueDate = now().date().addMonths(1);
            record.createdAt = record.updatedAt = now();
            QVERIFY(state->recurringRepository->insert(record));
            break;
        }
        case Probe::Category:
            addCategory(newId(), ProbeText);
            break;
        case Probe::Payee:
            addTransaction(current, ProbeText, -100, now().date());
            break;
        case Probe::AccountName: {
            Account account = *state->accountRepository->findById(current);
            account.name = ProbeText;
            QVERIFY(state->accountRepository->update(account));
            break;
        }
        case Probe::Group:
            services.account()->createGroup(userId, ProbeText);
            break;
        }
    }

private:
    int m_openedBefore = 0;
    QString m_dialog;
    QString m_boxBefore;
};

// The menus as built: "menu > item | keys | role", separators as "menu > -".
QStringList menuRows(QMainWindow* window)
{
    QStringList rows;
    for (const QAction* menuAction : window->menuBar()->actions()) {
        for (const QAction* item : menuAction->menu()->actions()) {
            rows.append(item->isSeparator() ? menuAction->text() + QStringLiteral(" > -")
                                            : QStringLiteral("%1 > %2 | %3 | %4")
                                                  .arg(menuAction->text(), item->text(),
                                                       item->shortcut().toString(QKeySequence::PortableText))
                                                  .arg(int(item->menuRole())));
        }
    }
    return rows;
}

} // namespace

Q_DECLARE_METATYPE(Probe)

class TestMainMenus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void menuBar_data();
    void menuBar();
    void everyItemOpensWhatItNames_data();
    void everyItemOpensWhatItNames();
    void commandsThatNeedAnAccount_data();
    void commandsThatNeedAnAccount();
    void clearingSampleData_data();
    void clearingSampleData();
    void sampleDataThatCannotBeClearedSaysSo();
    void theDueCountWaitsForTheMessageToEnd();
    void newTransactionQuitAndTheSheet();
    void updateFlowsReportInTheStatusBar();
    void accountListMenuOpensTheAccountsWindows();
    void aPersonsDayFromTheMainWindow();
    void cleanupTestCase();

private:
    FakeUpdateSite m_site;
};

void TestMainMenus::initTestCase()
{
    QVERIFY(m_site.start());
    m_site.putNotes(QStringLiteral("1.1.10"), QStringLiteral("# 1.1.10\n\nFaster register"));
    Application::setDownloadSite(m_site.siteUrl());
    OrvaUpdate::ReleaseNotesFetcher::setLanguage(QStringLiteral("en"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.1.10"));
    qputenv("VELLUMRY_DEV", "1");
    webBrowser().setFollowsLinks(false);
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &webBrowser(), "open");
}

void TestMainMenus::cleanupTestCase()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

void TestMainMenus::init()
{
    // The offscreen platform says what it cannot do; anything else logged is a fault.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support)")));
}

void TestMainMenus::cleanup()
{
    MessageBox::clearNextAnswer();
    ModalDialog::clearNextHandler();
}

void TestMainMenus::menuBar_data()
{
    QTest::addColumn<QByteArray>("developer");
    QTest::addColumn<QStringList>("helpEnd");
    QTest::newRow("VELLUMRY_DEV unset") << QByteArray() << QStringList({"&Help > &Keyboard Shortcuts |  | 0"});
    QTest::newRow("VELLUMRY_DEV empty") << QByteArray("") << QStringList({"&Help > &Keyboard Shortcuts |  | 0"});
    QTest::newRow("VELLUMRY_DEV set") << QByteArray("1")
                                      << QStringList({"&Help > &Keyboard Shortcuts |  | 0", "&Help > -",
                                                      "&Help > Load &Sample Data |  | 0",
                                                      "&Help > &Clear Sample Data |  | 0"});
}

void TestMainMenus::menuBar()
{
    QFETCH(QByteArray, developer);
    QFETCH(QStringList, helpEnd);
    if (developer.isNull())
        qunsetenv("VELLUMRY_DEV");
    else
        qputenv("VELLUMRY_DEV", developer);
    WindowWorld world(Start::SignedOut);
    const QStringList rows = menuRows(world.open());
    qputenv("VELLUMRY_DEV", "1");
    const QString quit = QKeySequence(QKeySequence::Quit).toString(QKeySequence::PortableText);
    const QString find = QKeySequence(QKeySequence::Find).toString(QKeySequence::PortableText);
    QCOMPARE(rows, QStringList({"&File > &New Transaction | Ctrl+N | 0",
                                "&File > New &Account | Ctrl+Shift+N | 0",
                                "&File > -",
                                "&File > &Import... |  | 0",
                                "&File > -",
                                "&File > Orvalen &Account... |  | 0",
                                "&File > -",
                                "&File > Sign &Out |  | 0",
                                "&File > -",
                                "&File > &Quit | " + quit + " | 6",
                                "&Edit > &Find... | " + find + " | 0",
                                "&Edit > -",
                                "&Edit > &Preferences... |  | 5",
                                "&Account > &Edit... |  | 0",
                                "&Account > &Reconcile... | Ctrl+R | 0",
                                "&Account > Reconciliation &History... |  | 0",
                                "&Account > Rename &Payees... |  | 0",
                                "&Account > -",
                                "&Account > &Share... |  | 0",
                                "&Account > -",
                                "&Account > &Delete |  | 0",
                                "&View > &Reports | Ctrl+2 | 0",
                                "&View > Re&curring Transactions | Ctrl+3 | 0",
                                "&View > C&ategories | Ctrl+4 | 0",
                                "&Help > &About Orvalen Vellumry |  | 4",
                                "&Help > What's &New... |  | 0",
                                "&Help > Check for &Updates... |  | 0",
                                "&Help > Send &Feedback... |  | 0",
                                "&Help > -"})
                 + helpEnd);
}

void TestMainMenus::everyItemOpensWhatItNames_data()
{
    QTest::addColumn<Start>("start");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("opened");
    QTest::addColumn<Probe>("probe");
    QTest::addColumn<QString>("again");

    const auto row = [](const char* name, Start start, const char* how, const QString& opened, Probe probe = Probe::None,
                        const QString& again = QString()) {
        QTest::newRow(name) << start << QString::fromUtf8(how) << opened << probe << again;
    };
    const auto window = [](const QString& title) { return title + QStringLiteral(" |  |  | registerScreen | "); };
    const auto box = [](const QString& title) { return QStringLiteral(" | ") + title + " |  | registerScreen | "; };
    const Start out = Start::SignedOut;
    const Start in = Start::SignedIn;

    row("new account", out, "Ctrl+Shift+N", box("New Account"));
    row("import", out, "&File/&Import...", window("Import Transactions 650x600"), Probe::Account,
        window("Import Transactions 900x700 +Probe"));
    row("account screen", in, "&File/Orvalen &Account...", window("Orvalen Account 600x550"), Probe::Group,
        window("Orvalen Account 900x700 +Probe"));
    row("sign out", in, "&File/Sign &Out", " |  |  | welcomeScreen | ");
    row("find", out, "Ctrl+F", window("Search Transactions 800x550"), Probe::Account,
        window("Search Transactions 900x700 +Probe"));
    row("preferences", out, "&Edit/&Preferences...", window("Preferences 500x550"), Probe::DeletedAccount,
        window("Preferences 900x700 +Probe"));
    row("edit account", out, "&Account/&Edit...", box("Edit Account"));
    row("reconcile", out, "Ctrl+R", window("Reconcile \u2014 Main Checking 1100x720"), Probe::Payee,
        window("Reconcile \u2014 Main Checking 1100x720; Reconcile \u2014 Main Checking 1100x720 +Probe"));
    row("reconciliation history", out, "&Account/Reconciliation &History...",
        window("Reconciliation History 750x500"), Probe::AccountName, window("Reconciliation History 900x700 +Probe"));
    row("rename payees", out, "&Account/Rename &Payees...", window("Payee Management 550x500"), Probe::Payee,
        window("Payee Management 900x700 +Probe"));
    row("share", in, "&Account/&Share...", box("Share Account"));
    row("delete", out, "&Account/&Delete", box("Delete Account"));
    row("reports", out, "Ctrl+2", window("Reports 800x600"), Probe::Account, window("Reports 900x700 +Probe"));
    row("recurring", out, "Ctrl+3", window("Recurring Transactions 700x500"), Probe::Recurring,
        window("Recurring Transactions 900x700 +Probe"));
    row("categories", out, "Ctrl+4", window("Categories 600x500"), Probe::Category,
        window("Categories 900x700 +Probe"));
    row("about", out, "&Help/&About Orvalen Vellumry", box("About Orvalen Vellumry"));
    row("what's new", out, "&Help/What's &New...", window("What's New in Orvalen Vellumry 1.1.10 520x420"));
    row("check for updates", out, "&Help/Check for &Updates...",
        " |  | Orvalen Vellumry is up to date (version 1.1.10) (5000 ms) | registerScreen | ");
    row("feedback", out, "&Help/Send &Feedback...",
        " |  |  | registerScreen | https://feedback.orvalenworks.com/?tags=vellumry");
    row("keyboard shortcuts", out, "&Help/&Keyboard Shortcuts", box("Keyboard Shortcuts"));
    row("load sample data again", out, "&Help/Load &Sample Data", box("Sample Data"));
    row("clear sample data, signed out", out, "&Help/&Clear Sample Data",
        " |  | Sample data cleared (3000 ms) | welcomeScreen | ");
    row("clear sample data, signed in", in, "&Help/&Clear Sample Data",
        " |  | Sample data cleared (3000 ms) | emptyStatePage | ");
}

void TestMainMenus::everyItemOpensWhatItNames()
{
    QFETCH(Start, start);
    QFETCH(QString, how);
    QFETCH(Probe, probe);
    MenuWorld world(start);

    world.trigger(how);
    QFETCH(QString, opened);
    QHash<QString, QSize> asked;
    static const QRegularExpression sized(QStringLiteral("^(.*) (\\d+)x(\\d+)$"));
    for (const QString& window : opened.section(QStringLiteral(" | "), 0, 0).split(QStringLiteral("; "))) {
        if (const QRegularExpressionMatch match = sized.match(window); match.hasMatch())
            asked.insert(match.captured(1), QSize(match.captured(2).toInt(), match.captured(3).toInt()));
    }
    QTRY_COMPARE(world.scene(asked), opened);
    if (probe == Probe::None)
        return;

    // Again, after the user resized and minimised it: the same window, refreshed, raised, restored, as large as left.
    for (QWidget* window : world.toolWindows()) {
        if (!window->windowTitle().startsWith(QStringLiteral("Reconcile \u2014"))) {
            window->resize(900, 700);
            window->showMinimized();
        }
    }
    world.activate();
    world.writeProbe(probe);
    world.trigger(how);
    QFETCH(QString, again);
    // Only the refresh before the show can have put the probe on screen by now; the sign-in service answers later.
    if (probe == Probe::Group)
        QTRY_COMPARE(world.scene(), again);
    else
        QCOMPARE(world.scene(), again);
    for (const QWidget* window : world.toolWindows())
        QVERIFY(!window->isMinimized());
}

void TestMainMenus::commandsThatNeedAnAccount_data()
{
    QTest::addColumn<QString>("how");
    for (const char* how : {"Ctrl+R", "&Account/&Reconcile...", "&Account/Reconciliation &History...",
                            "&Account/&Edit...", "&Account/&Share...", "&Account/&Delete"})
        QTest::newRow(how) << QString::fromLatin1(how);
}

void TestMainMenus::commandsThatNeedAnAccount()
{
    QFETCH(QString, how);
    MenuWorld world(Start::SignedOut, false);
    world.trigger(how);
    QCOMPARE(world.scene(), QStringLiteral(" |  | Select an account first (3000 ms) | welcomeScreen | "));
}

void TestMainMenus::clearingSampleData_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("afterwards");
    QTest::newRow("a sample account current") << "Savings" << " |  | Select an account first (3000 ms)";
    QTest::newRow("the user's own account current") << "Own"
                                                     << "Reconcile \u2014 Own 1100x720 |  | Sample data cleared (3000 ms)";
}

// The sample rows are gone from the ledger, not marked deleted: none of them may stay current.
void TestMainMenus::clearingSampleData()
{
    QFETCH(QString, current);
    MenuWorld world(Start::SignedOut);
    const QString own = world.addAccount(QStringLiteral("Own")).id;
    QTRY_COMPARE(world.list()->count(), 4);
    const QList<QListWidgetItem*> items = world.list()->findItems(QString(), Qt::MatchContains);
    for (QListWidgetItem* item : items) {
        if (child<QLabel>(world.list()->itemWidget(item), "nameLabel")->toolTip() == current)
            QTest::mouseClick(world.list()->viewport(), Qt::LeftButton, {}, world.list()->visualItemRect(item).center());
    }
    QCOMPARE(world.state->accountRepository->findById(world.state->currentAccountId)->name, current);
    world.trigger(QStringLiteral("&Help/&Clear Sample Data"));
    QTRY_COMPARE(world.list()->count(), 1);
    QCOMPARE(QStringList({world.page(), world.state->currentAccountId}),
             QStringList({"welcomeScreen", current == u"Own" ? own : QString()}));
    world.activate();
    world.trigger(QStringLiteral("Ctrl+R"));
    QTEST(world.scene().section(QStringLiteral(" | "), 0, 2), "afterwards");
}

// A row of the user's own in a sample account keeps the sample accounts: the
// clear says it failed instead of saying it cleared them.
void TestMainMenus::sampleDataThatCannotBeClearedSaysSo()
{
    MenuWorld world(Start::SignedOut);
    const Transaction own = world.addTransaction(QStringLiteral("sample-acct-visa"), QStringLiteral("Shop"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^SampleDataService::clearSampleData failed: ")));
    world.trigger(QStringLiteral("&Help/&Clear Sample Data"));
    QCOMPARE(QStringList({world.scene(), MessageBox::lastText()}),
             QStringList({" | Sample Data |  | registerScreen | ",
                          "The sample data could not be cleared completely. Sample accounts that hold transactions "
                          "of your own are kept; delete those transactions and clear again."}));
    QStringList left;
    for (const Transaction& t : world.state->transactionRepository->listByAccount(QStringLiteral("sample-acct-visa")))
        left.append(t.id);
    QCOMPARE(QVariantList({world.list()->count(), left}), QVariantList({3, QStringList(own.id)}));
}

// Clearing the sample data recounts the recurring entries due while "Sample data
// cleared" shows: the count comes on screen when the message has gone, not over it.
void TestMainMenus::theDueCountWaitsForTheMessageToEnd()
{
    MenuWorld world(Start::SignedOut);
    world.addDueRecurring(world.addAccount(QStringLiteral("Own")).id, WindowWorld::Posting::ByHand);
    // One of the sample entries is due as well, so that the clear changes the count.
    for (RecurringTransaction sample : world.state->recurringRepository->listAll()) {
        if (sample.payee == u"Pinecrest Apartments") {
            sample.nextDueDate = world.now().date();
            QVERIFY(world.state->recurringRepository->update(sample));
        }
    }
    auto* due = child<QLabel>(world.window.get(), "recurringDueLabel");
    QTRY_COMPARE(due->text(), QStringLiteral("  \u2022  2 recurring due"));
    world.trigger(QStringLiteral("&Help/&Clear Sample Data"));
    QTRY_COMPARE(due->text(), QStringLiteral("  \u2022  1 recurring due"));
    QCOMPARE(QVariantList({world.message(), due->isVisible()}), QVariantList({"Sample data cleared", false}));
    for (QTimer* timer : world.window->statusBar()->findChildren<QTimer*>(Qt::FindDirectChildrenOnly)) {
        if (timer->isActive())
            timer->start(0); // the message's own time-out, run out now
    }
    QTRY_COMPARE(world.message(), QString());
    QCOMPARE(QVariantList({due->isVisible(), due->text()}), QVariantList({true, "  \u2022  1 recurring due"}));
}

void TestMainMenus::newTransactionQuitAndTheSheet()
{
    MenuWorld world(Start::SignedOut);
    auto* table = child<QTableView>(world.window.get(), "registerTable");
    auto* model = qobject_cast<RegisterModel*>(table->model());
    // A stored row is current; Ctrl+N drops it and starts a new one in the entry row, its editor open.
    const QModelIndex stored = model->index(model->entryRow() == 0 ? 1 : 0, RegisterModel::PayeeColumn);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(stored).center());
    QVERIFY(table->currentIndex().row() != model->entryRow());
    world.trigger(QStringLiteral("Ctrl+N"));
    QCOMPARE(QVariantList({table->currentIndex().row(), table->currentIndex().column(),
                           table->isAncestorOf(QApplication::focusWidget()), model->editRow()}),
             QVariantList({model->entryRow(), int(RegisterModel::DateColumn), true, -1}));

    world.trigger(QStringLiteral("&Help/&Keyboard Shortcuts"));
    const QString sheet = MessageBox::lastText();
    QVERIFY2(sheet.contains(QStringLiteral("<b>Ctrl+Return</b></td><td>Save transaction"))
                 && sheet.contains(QStringLiteral("<b>Alt+1 &ndash; Alt+9</b></td><td>Switch to account 1&ndash;9"))
                 && sheet.contains(QStringLiteral("<b>Ctrl+F</b></td><td>Search transactions")),
             qPrintable(sheet));
    QCOMPARE(sheet, HelpActions::keyboardShortcutsSheet());
    world.trigger(QStringLiteral("&Help/&About Orvalen Vellumry"));
    QVERIFY2(MessageBox::lastText().startsWith(
                 QStringLiteral("<h3>Orvalen Vellumry</h3><p>Version 1.1.10</p><p>A digital vellumry register for "
                                "tracking household finances.</p>")),
             qPrintable(MessageBox::lastText()));

    // Quit closes the window the way closing it does, geometry saved. Its key is the platform's, where it has one.
    world.window->resize(1100, 800);
    world.trigger(QStringLiteral("&File/&Quit"));
    QCOMPARE(QVariantList({world.window->isVisible(), QSettings().contains(QStringLiteral("mainwindow/geometry"))}),
             QVariantList({false, true}));
}

void TestMainMenus::updateFlowsReportInTheStatusBar()
{
    MenuWorld world(Start::SignedOut, false);
    const auto busy = [&] {
        const auto* label = child<QLabel>(world.window.get(), "progressLabel");
        return label->isVisible() ? label->text() : QString();
    };
    world.trigger(QStringLiteral("&Help/Check for &Updates..."));
    QCOMPARE(busy(), QStringLiteral("Checking for updates\u2026"));
    QTRY_COMPARE(world.message(), QStringLiteral("Orvalen Vellumry is up to date (version 1.1.10)"));
    QCOMPARE(busy(), QString());

    world.trigger(QStringLiteral("&Help/What's &New..."));
    QCOMPARE(busy(), QStringLiteral("Loading release notes\u2026"));
    QTRY_COMPARE(world.toolWindows().size(), 1);
    QCOMPARE(QVariantList({busy(), world.toolWindows().first()->parentWidget() == world.window.get()}),
             QVariantList({QString(), true}));
}

void TestMainMenus::accountListMenuOpensTheAccountsWindows()
{
    MenuWorld world(Start::SignedOut);
    QListWidget* list = world.list();
    const QPoint savings = list->visualItemRect(list->item(1)).center();
    for (const char* choice : {"Reconcile...", "Reconciliation History...", "Rename Payees..."})
        contextMenuAt(list, savings, QString::fromLatin1(choice));
    QStringList titles;
    for (const QWidget* window : world.toolWindows())
        titles.append(window->windowTitle());
    titles.sort();
    QCOMPARE(QVariantList({titles, list->currentRow(), world.state->accountRepository->findById(
                                                            world.state->currentAccountId)->name}),
             QVariantList({QStringList({"Payee Management", "Reconcile \u2014 Savings", "Reconciliation History"}), 1,
                           "Savings"}));
}

void TestMainMenus::aPersonsDayFromTheMainWindow()
{
    MenuWorld world(Start::SignedOut, false);
    MainWindow* window = world.window.get();
    // The first account, from the welcome page.
    ModalDialog::setNextHandler([](QDialog* form) {
        QTest::keyClicks(child(form, "nameEdit"), QStringLiteral("Checking"));
        retype(form, "startingBalanceField", QStringLiteral("1000"));
        clickOk(form);
    });
    QTest::mouseClick(child<QPushButton>(window, "primaryButton"), Qt::LeftButton);

    // File > Import...: a bank's CSV export into it.
    QTemporaryDir dir;
    QFile csv(dir.filePath(QStringLiteral("bank.csv")));
    QVERIFY(csv.open(QIODevice::WriteOnly)
            && csv.write("Date,Payee,Amount\n2024-02-01,Grocer,-45.00\n2024-02-03,Paycheck,1500.00\n"
                         "2024-02-10,Electric,-80.00\n")
            && csv.flush());
    world.choose(QStringLiteral("&File/&Import..."));
    QWidget* import = world.toolWindows().value(0);
    QVERIFY(import);
    FileDialog::setNextFileNames({csv.fileName()});
    QTest::mouseClick(child(import, "browseButton"), Qt::LeftButton);
    QTest::mouseClick(child(import, "importButton"), Qt::LeftButton);
    QVERIFY2(import->findChild<QPlainTextEdit*>()->toPlainText().contains(QLatin1String("3")),
             qPrintable(import->findChild<QPlainTextEdit*>()->toPlainText()));
    QTest::mouseClick(child(import, "doneButton"), Qt::LeftButton);
    import->close();
    QTRY_COMPARE(world.cards(), QStringList{"Checking|$2,375.00|color: #2e7d32;|Checking"});
    auto* table = child<QTableView>(window, "registerTable");
    QCOMPARE(table->model()->rowCount(), 5);

    // The register's Reconcile button: all cleared, the statement agrees, finished.
    world.activate();
    QTest::mouseClick(child(window, "reconcileButton"), Qt::LeftButton);
    QWidget* reconcile = world.toolWindows().value(0);
    QCOMPARE(reconcile->windowTitle(), QStringLiteral("Reconcile \u2014 Checking"));
    auto* ticks = child<QTableWidget>(reconcile, "transactionTable");
    for (int row = 0; row < ticks->rowCount(); ++row) {
        if (qobject_cast<QCheckBox*>(ticks->cellWidget(row, 0))->isChecked())
            continue;
        QTest::mouseClick(ticks->viewport(), Qt::LeftButton, {}, ticks->visualRect(ticks->model()->index(row, 2)).center());
        QTest::keyClick(ticks, Qt::Key_Space);
    }
    auto* balance = child(reconcile, "statementBalanceField");
    balance->setFocus();
    QTest::keyClick(balance, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(balance, QStringLiteral("2375"));
    MessageBox::setNextAnswer(QMessageBox::Ok);
    QTest::mouseClick(child(reconcile, "finishButton"), Qt::LeftButton);
    QTRY_VERIFY(world.toolWindows().isEmpty());
    const QString checking = world.state->currentAccountId;
    QCOMPARE(QVariantList({world.state->transactionRepository->listUnreconciled(checking).size(),
                           world.state->reconciliationRepository->listByAccount(checking).size()}),
             QVariantList({0, 1}));

    // Ctrl+M on the grocer's row memorizes it; Ctrl+3 lists it among the recurring transactions.
    world.activate();
    auto* model = qobject_cast<RegisterModel*>(table->model());
    int grocer = 0;
    while (model->index(grocer, RegisterModel::PayeeColumn).data().toString() != u"Grocer")
        ++grocer;
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                      table->visualRect(model->index(grocer, RegisterModel::DateColumn)).center());
    QString formTitle;
    ModalDialog::setNextHandler([&formTitle](QDialog* form) {
        formTitle = form->windowTitle();
        clickOk(form);
    });
    QTest::keyClick(table, Qt::Key_M, Qt::ControlModifier);
    const RecurringTransaction memorized = world.state->recurringRepository->listAll().value(0);
    QCOMPARE(QVariantList({formTitle, child<QLabel>(window, "statusLabel")->text(), memorized.payee,
                           memorized.amount, memorized.nextDueDate}),
             QVariantList({"Memorize Transaction", "Transaction memorized as recurring", "Grocer", -4500,
                           QDate(2024, 2, 1)}));
    world.choose(QStringLiteral("Ctrl+3"));
    QWidget* recurring = world.toolWindows().value(0);
    QVERIFY(shownTexts(recurring).contains(QLatin1String("Grocer")));
    recurring->close();

    // A second account, deleted, then restored in Preferences.
    world.activate();
    ModalDialog::setNextHandler([](QDialog* form) {
        QTest::keyClicks(child(form, "nameEdit"), QStringLiteral("Old"));
        clickOk(form);
    });
    world.choose(QStringLiteral("Ctrl+Shift+N"));
    MessageBox::setNextAnswer(QMessageBox::Yes);
    world.choose(QStringLiteral("&Account/&Delete"));
    QCOMPARE(world.list()->count(), 1);
    world.choose(QStringLiteral("&Edit/&Preferences..."));
    QWidget* preferences = world.toolWindows().value(0);
    auto* pages = child<QListWidget>(preferences, "categoryList");
    const QListWidgetItem* dataPage = pages->findItems(QStringLiteral("Data & Sync"), Qt::MatchExactly).value(0);
    QVERIFY(dataPage);
    QTest::mouseClick(pages->viewport(), Qt::LeftButton, {}, pages->visualItemRect(dataPage).center());
    auto* deleted = child<QListWidget>(preferences, "deletedAccountsList");
    QTest::mouseClick(deleted->viewport(), Qt::LeftButton, {}, deleted->visualItemRect(deleted->item(0)).center());
    QTest::mouseClick(child(preferences, "restoreButton"), Qt::LeftButton);
    QTRY_COMPARE(world.cards().size(), 2);
    QCOMPARE(world.cards().last(), QStringLiteral("Old|$0.00|color: #2e7d32;|Checking"));
    preferences->close();

    // Ctrl+F: the search field has the keys.
    world.activate();
    world.choose(QStringLiteral("Ctrl+F"));
    QWidget* search = world.toolWindows().value(0);
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("searchEdit"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Paycheck"));
    auto* results = child<QAbstractItemView>(search, "resultsView");
    QTRY_COMPARE(results->model()->rowCount(), 1);
    QVERIFY(shownTexts(search).contains(QLatin1String("Paycheck")));
}

VELLUMRY_TEST_MAIN(TestMainMenus)
#include "tst_mainmenus.moc"
