#include "ScreenshotTour.h"

#include "AccountActions.h"
#include "EmptyStatePage.h"
#include "HelpActions.h"
#include "MainWindow.h"
#include "ToolWindows.h"
#include "account/ui/AccountScreen.h"
#include "data/AccountRepository.h"
#include "data/TransactionRepository.h"
#include "register/RegisterModel.h"
#include "register/RegisterScreen.h"
#include "register/TransactionActions.h"
#include "screens/WelcomeScreen.h"
#include "services/SampleDataService.h"
#include "state/AppState.h"
#include "update/Manifest.h"
#include "update/ui/UpdateDialog.h"
#include "update/ui/WhatsNewDialog.h"
#include "widgets/ModalDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPixmap>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTableView>

#include <memory>
#include <utility>

namespace {

const QString ProductName = QStringLiteral("Orvalen Vellumry");

// Lets queued work run: the screens reload through their coalescers, layouts settle.
void settle()
{
    for (int round = 0; round < 4; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

QWidgetList shownWindows()
{
    QWidgetList windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && !qobject_cast<QMenu*>(widget))
            windows.append(widget);
    }
    return windows;
}

// A key pressed on the register's table, as a person presses it.
void press(QWidget* table, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    QCoreApplication::sendEvent(table, &event);
}

} // namespace

ScreenshotTour::ScreenshotTour(AppState* state)
    : m_state(state)
{
}

QStringList ScreenshotTour::capture(const QString& directory)
{
    m_failures.clear();
    QStringList written;
    if (!QDir().mkpath(directory)) {
        m_failures.append(QStringLiteral("cannot make %1").arg(directory));
        return written;
    }
    for (const ThemeManager::Theme theme : {ThemeManager::Light, ThemeManager::Dark}) {
        const QString themeName = theme == ThemeManager::Dark ? QStringLiteral("dark") : QStringLiteral("light");
        m_visitor = [this, &written, &directory, themeName](QWidget* window, const QString& name) {
            const QString file = QStringLiteral("%1-%2.png").arg(name, themeName);
            const QPixmap picture = window->grab();
            if (picture.isNull() || !picture.save(QDir(directory).filePath(file), "PNG"))
                m_failures.append(QStringLiteral("%1: not written").arg(file));
            else
                written.append(file);
        };
        tourTheme(theme);
    }
    m_visitor = nullptr;
    return written;
}

void ScreenshotTour::visit(ThemeManager::Theme theme, const Visitor& visitor)
{
    m_failures.clear();
    m_visitor = visitor;
    tourTheme(theme);
    m_visitor = nullptr;
}

void ScreenshotTour::tourTheme(ThemeManager::Theme theme)
{
    m_state->themeManager->setTheme(theme);

    MainWindow window(m_state);
    window.resize(1280, 900);
    window.show();
    if (!SampleDataService(m_state->database).hasSampleData())
        window.helpActions()->loadSampleData();
    const QList<Account> accounts = m_state->accountRepository->listActive();
    if (accounts.isEmpty()) {
        m_failures.append(QStringLiteral("no account to show"));
        return;
    }
    window.selectAccount(accounts.first().id);
    window.statusBar()->clearMessage();
    take(&window, QStringLiteral("main-window"));
    take(window.findChild<RegisterScreen*>(), QStringLiteral("register"));

    auto* pages = window.findChild<QStackedWidget*>(QStringLiteral("pageStack"));
    QWidget* shown = pages->currentWidget();
    const std::pair<QWidget*, QString> others[] = {{window.welcomeScreen(), QStringLiteral("welcome-page")},
                                                    {window.emptyStatePage(), QStringLiteral("empty-state-page")}};
    for (const auto& [page, name] : others) {
        pages->setCurrentWidget(page);
        take(&window, name);
    }
    pages->setCurrentWidget(shown);

    captureWindows(&window);
    captureForms(&window);
    captureBoxes(&window);
}

void ScreenshotTour::captureWindows(MainWindow* window)
{
    ToolWindows* tools = window->toolWindows();
    takeWindow(window, QStringLiteral("reports"), [tools] { tools->showReportsWindow(); });
    takeWindow(window, QStringLiteral("recurring"), [tools] { tools->showRecurringWindow(); });
    takeWindow(window, QStringLiteral("search"), [tools] { tools->showSearchWindow(); });
    takeWindow(window, QStringLiteral("categories"), [tools] { tools->showCategoriesWindow(); });
    takeWindow(window, QStringLiteral("preferences"), [tools] { tools->showSettingsWindow(); });
    takeWindow(window, QStringLiteral("import"), [tools] { tools->showImportWindow(); });
    takeWindow(window, QStringLiteral("payees"), [tools] { tools->showPayeesWindow(); });
    takeWindow(window, QStringLiteral("reconciliation-history"), [tools] { tools->showReconciliationHistoryWindow(); });
    takeWindow(window, QStringLiteral("reconcile"), [tools] { tools->showReconciliationWindow(); });

    // Signed out, as here, the menu offers the sign-in instead: the screen is shown as it first looks.
    auto* account = new OrvaAccount::AccountScreen(m_state->accountClient);
    takeWindow(window, QStringLiteral("account-screen"), [account, window] {
        ToolWindows::showToolWindow(account, QString(), {600, 550}, window);
    });
    delete account;
}

void ScreenshotTour::captureForms(MainWindow* window)
{
    AccountActions* actions = window->accountActions();
    takeForm(QStringLiteral("new-account"), [actions] { actions->showNewAccountDialog(); });
    takeForm(QStringLiteral("edit-account"), [actions] { actions->showEditAccountDialog(); });

    auto* registerScreen = window->findChild<RegisterScreen*>();
    takeForm(QStringLiteral("new-transaction"),
             [this, registerScreen] { click(registerScreen, "newTransactionButton", QStringLiteral("new-transaction")); });
    takeForm(QStringLiteral("register-filter"),
             [this, registerScreen] { click(registerScreen, "filterButton", QStringLiteral("register-filter")); });

    // The newest stored row current in the register: its details (Alt+Return), its memorize form
    // (Ctrl+M) and the split editor its menu opens.
    auto* table = registerScreen->findChild<QTableView*>(QStringLiteral("registerTable"));
    const auto* model = qobject_cast<const RegisterModel*>(table->model());
    const int row = model->entryRow() == 0 ? 1 : model->entryRow() - 1;
    table->setCurrentIndex(model->index(row, RegisterModel::PayeeColumn));
    takeForm(QStringLiteral("transaction-details"), [table] { press(table, Qt::Key_Return, Qt::AltModifier); });
    takeForm(QStringLiteral("memorize-transaction"), [table] { press(table, Qt::Key_M, Qt::ControlModifier); });
    const Transaction stored =
        m_state->transactionRepository->findById(model->transactionAt(row).id).value_or(Transaction());
    takeForm(QStringLiteral("split-editor"),
             [this, &stored, window] { TransactionActions::editSplits(m_state, stored, window); });

    // The forms of the tool windows.
    ToolWindows* tools = window->toolWindows();
    const auto formOf = [this](const std::function<void()>& open, const char* button, const QString& picture) {
        const QWidgetList before = shownWindows();
        open();
        for (QWidget* opened : shownWindows()) {
            if (before.contains(opened))
                continue;
            takeForm(picture, [this, opened, button, picture] { click(opened, button, picture); });
            opened->close();
        }
    };
    formOf([tools] { tools->showRecurringWindow(); }, "newRecurringButton", QStringLiteral("recurring-form"));
    formOf([tools] { tools->showCategoriesWindow(); }, "newCategoryButton", QStringLiteral("category-form"));
    formOf([tools] { tools->showSettingsWindow(); }, "accentButton", QStringLiteral("accent-colors"));
}

void ScreenshotTour::captureBoxes(MainWindow* window)
{
    QMessageBox about(QMessageBox::NoIcon, HelpActions::tr("About Orvalen Vellumry"), HelpActions::aboutText(),
                      QMessageBox::Ok, window);
    about.setIconPixmap(QApplication::windowIcon().pixmap(64, 64));
    about.show();
    take(&about, QStringLiteral("about"));

    QMessageBox sheet(QMessageBox::Information, HelpActions::tr("Keyboard Shortcuts"),
                      HelpActions::keyboardShortcutsSheet(), QMessageBox::Ok, window);
    sheet.show();
    take(&sheet, QStringLiteral("keyboard-shortcuts"));

    OrvaUpdate::Artifact artifact;
    artifact.version = QStringLiteral("1.2.0");
    artifact.url = QUrl(QStringLiteral("https://downloads.orvalenworks.com/vellumry/1.2.0/"));
    OrvaUpdate::UpdateDialog update(artifact, QCoreApplication::applicationVersion(), ProductName, window);
    update.show();
    take(&update, QStringLiteral("update-available"));

    const QString version = QCoreApplication::applicationVersion();
    OrvaUpdate::WhatsNewDialog whatsNew(
        QStringLiteral("## %1\n\n- Menus for every screen\n- Keyboard shortcuts for the register\n"
                       "- Reconcile from the account list\n")
            .arg(version),
        version, version, ProductName, window, QUrl());
    whatsNew.show();
    take(&whatsNew, QStringLiteral("whats-new"));
}

void ScreenshotTour::takeWindow(MainWindow* window, const QString& name, const std::function<void()>& open)
{
    const QWidgetList before = shownWindows();
    open();
    QWidget* opened = nullptr;
    for (QWidget* widget : shownWindows()) {
        if (widget != window && !before.contains(widget))
            opened = widget;
    }
    if (!opened) {
        m_failures.append(QStringLiteral("%1: no window opened").arg(name));
        return;
    }
    take(opened, name);
    opened->close();
}

void ScreenshotTour::takeForm(const QString& name, const std::function<void()>& open)
{
    bool shown = false;
    ModalDialog::setNextHandler([this, name, &shown](QDialog* dialog) {
        shown = true;
        take(dialog, name);
        dialog->reject();
    });
    open();
    if (!shown) {
        ModalDialog::clearNextHandler();
        m_failures.append(QStringLiteral("%1: no form opened").arg(name));
    }
}

void ScreenshotTour::take(QWidget* widget, const QString& name)
{
    settle();
    if (widget)
        m_visitor(widget, name);
    else
        m_failures.append(QStringLiteral("%1: no window").arg(name));
}

void ScreenshotTour::click(QWidget* parent, const char* buttonName, const QString& picture)
{
    if (auto* button = parent->findChild<QAbstractButton*>(QLatin1String(buttonName)))
        button->click();
    else
        m_failures.append(QStringLiteral("%1: no button %2").arg(picture, QLatin1String(buttonName)));
}
