#pragma once

#include "register/RegisterScreen.h"

#include <QMainWindow>

class AccountActions;
class AccountListPanel;
class AppState;
class EmptyStatePage;
class HelpActions;
class MainMenus;
class QSplitter;
class QStackedWidget;
class RecurringAutoPoster;
class StatusBar;
class ToolWindows;
class WelcomeScreen;

// The one top-level window: the account list on the left, and on the right a
// page stack with the welcome page, the register of the current account and
// the page a signed-in user without accounts sees. It follows the sign-in
// state, the sync engine and the automatic posting of recurring transactions.
// What its menus open lives in the classes it holds: the account actions, the
// tool windows and the Help menu's actions.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(AppState* state, QWidget* parent = nullptr);

    // New, edit, delete and share: the slots the menus call.
    AccountActions* accountActions() const { return m_accountActions; }
    ToolWindows* toolWindows() const { return m_toolWindows; }
    HelpActions* helpActions() const { return m_helpActions; }
    MainMenus* menus() const { return m_menus; }
    // The pages, each built and added to the page stack when first asked for:
    // a start without accounts builds no register.
    RegisterScreen* registerScreen();
    WelcomeScreen* welcomeScreen();
    EmptyStatePage* emptyStatePage();

public slots:
    // Rebuilds the account list, its totals and the account count now.
    void onAccountsChanged();
    // Makes the account current and shows its register.
    void selectAccount(const QString& accountId);

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The menus are built first; their commands are connected once everything they reach exists.
    void connectMenus();
    void setupAccountActions();
    void setupToolWindows();
    void setupHelpActions();
    // The recurring form in its memorize mode, which the register cannot reach itself.
    void setupMemorizeForm();
    void setupAccountList();
    void setupThemeConnections();
    void setupAuthConnections();
    void updateAuthUI();
    // The menus and the status line; the page is left to the caller.
    void showAuthState();
    void restoreCurrentAccount(RegisterScreen::Rows rows = RegisterScreen::Rows::Now);
    void showAccount(const QString& accountId, RegisterScreen::Rows rows);
    // The balances and the register's rows, read once the window has first painted.
    void fillIn();
    // The empty-state page while signed in, else the welcome page.
    void showNoAccountPage();
    void applyPreferenceChange(const QString& key);
    void refreshRecurringDue();
    void onAutoPosted(int count);
    void onAccountContextMenu(const QPoint& globalPos, const QString& accountId);
    void onAccountDeleted();
    void onSampleDataCleared();
    void reloadRegister();
    void reloadRegisterAndAccounts();
    bool isSignedIn() const;

    AppState* m_state;
    MainMenus* m_menus = nullptr;
    AccountActions* m_accountActions = nullptr;
    ToolWindows* m_toolWindows = nullptr;
    HelpActions* m_helpActions = nullptr;
    AccountListPanel* m_accountList = nullptr;
    QSplitter* m_splitter = nullptr;
    WelcomeScreen* m_welcomeScreen = nullptr;
    RegisterScreen* m_registerScreen = nullptr;
    EmptyStatePage* m_emptyStatePage = nullptr;
    QStackedWidget* m_pageStack = nullptr;
    StatusBar* m_statusBar = nullptr;
    RecurringAutoPoster* m_autoPoster = nullptr;
    bool m_painted = false;
};
