#include "MainWindow.h"

#include "AccountActions.h"
#include "AccountListPanel.h"
#include "EmptyStatePage.h"
#include "HelpActions.h"
#include "MainMenus.h"
#include "StatusBar.h"
#include "ToolWindows.h"
#include "account/AuthClient.h"
#include "account/Client.h"
#include "data/AccountRepository.h"
#include "data/PreferencesRepository.h"
#include "data/RecurringService.h"
#include "register/RegisterScreen.h"
#include "screens/RecurringFormDialog.h"
#include "screens/WelcomeScreen.h"
#include "state/AppState.h"
#include "state/RecurringAutoPoster.h"
#include "sync/SyncEngine.h"
#include "widgets/LedgerWatch.h"
#include "widgets/ThemeManager.h"

#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QSplitter>
#include <QStackedWidget>

#include <utility>

namespace {

const char* const kGeometryKey = "mainwindow/geometry";
const char* const kSplitterKey = "mainwindow/splitter";
const char* const kSignedInBeforeKey = "auth/hasSignedInBefore";

constexpr int kStatusMs = 3000;
constexpr int kErrorStatusMs = 5000;
constexpr int kSyncCompleteMs = 2000;

} // namespace

MainWindow::MainWindow(AppState* state, QWidget* parent)
    : QMainWindow(parent)
    , m_state(state)
{
    setWindowTitle(tr("Orvalen Vellumry"));
    const QByteArray geometry = QSettings().value(QLatin1String(kGeometryKey)).toByteArray();
    if (geometry.isEmpty() || !restoreGeometry(geometry))
        resize(1280, 900);

    m_menus = new MainMenus(menuBar(), MainMenus::developerItemsFromEnvironment(), this);
    m_menus->action(MainMenus::Command::OrvalenAccount)->setStatusTip(tr("Sign in or sign up"));
    setupAccountActions();
    setupToolWindows();

    connect(state->preferencesRepository, &PreferencesRepository::changed, this,
            &MainWindow::applyPreferenceChange);

    m_pageStack = new QStackedWidget;
    m_pageStack->setObjectName(QStringLiteral("pageStack"));

    setupAccountList();

    m_statusBar = new StatusBar(this);
    setStatusBar(m_statusBar);
    m_statusBar->refreshColors();
    setupHelpActions();
    connectMenus();

    setupThemeConnections();
    setupAuthConnections();
    // The window shows before the balances and the rows are read: they follow
    // once it has painted (fillIn).
    m_accountList->rebuild(AccountListPanel::Balances::Later);

    m_autoPoster = new RecurringAutoPoster(state, this);
    connect(m_autoPoster, &RecurringAutoPoster::posted, this, &MainWindow::onAutoPosted);
    m_autoPoster->postAtStart();

    new LedgerWatch(state, LedgerPart::RecurringDue | LedgerPart::Recurring, [this] { refreshRecurringDue(); }, this);
    refreshRecurringDue();

    restoreCurrentAccount(RegisterScreen::Rows::Later);
    // Accounts that a first sync brings in are shown without a click.
    connect(state->syncEngine, &SyncEngine::syncCompleted, this, [this] {
        if (m_state->currentAccountId.isEmpty())
            restoreCurrentAccount();
    });
}

RegisterScreen* MainWindow::registerScreen()
{
    if (m_registerScreen)
        return m_registerScreen;
    m_registerScreen = new RegisterScreen(m_state);
    m_registerScreen->setObjectName(QStringLiteral("registerScreen"));
    // The register always shows the current account, which the window reconciles.
    connect(m_registerScreen, &RegisterScreen::reconcileRequested, m_toolWindows,
            &ToolWindows::showReconciliationWindow);
    connect(m_registerScreen, &RegisterScreen::editAccountRequested, m_accountActions,
            &AccountActions::showEditAccountDialog);
    connect(m_registerScreen, &RegisterScreen::errorMessage, this,
            [this](const QString& text) { m_statusBar->showTimedMessage(text, kErrorStatusMs); });
    setupMemorizeForm();
    m_pageStack->addWidget(m_registerScreen);
    return m_registerScreen;
}

void MainWindow::reloadRegister()
{
    // Not built yet, it reads its rows when it is first shown.
    if (m_registerScreen)
        m_registerScreen->reload();
}

WelcomeScreen* MainWindow::welcomeScreen()
{
    if (m_welcomeScreen)
        return m_welcomeScreen;
    m_welcomeScreen = new WelcomeScreen(m_state);
    m_welcomeScreen->setObjectName(QStringLiteral("welcomeScreen"));
    m_welcomeScreen->setReturningUser(
        !isSignedIn() && QSettings().value(QLatin1String(kSignedInBeforeKey), false).toBool());
    connect(m_welcomeScreen, &WelcomeScreen::createAccountRequested, m_accountActions,
            &AccountActions::showNewAccountDialog);
    connect(m_welcomeScreen, &WelcomeScreen::signInRequested, m_state->accountClient->authClient(),
            &OrvaAccount::AuthClient::login);
    m_pageStack->addWidget(m_welcomeScreen);
    return m_welcomeScreen;
}

EmptyStatePage* MainWindow::emptyStatePage()
{
    if (m_emptyStatePage)
        return m_emptyStatePage;
    m_emptyStatePage = new EmptyStatePage;
    m_emptyStatePage->setObjectName(QStringLiteral("emptyStatePage"));
    connect(m_emptyStatePage, &EmptyStatePage::createAccountRequested, m_accountActions,
            &AccountActions::showNewAccountDialog);
    m_pageStack->addWidget(m_emptyStatePage);
    return m_emptyStatePage;
}

void MainWindow::connectMenus()
{
    using Command = MainMenus::Command;
    const std::pair<Command, std::function<void()>> targets[] = {
        {Command::NewTransaction,
         [this] {
             if (m_registerScreen)
                 m_registerScreen->cancelEdit();
         }},
        {Command::NewAccount, [this] { m_accountActions->showNewAccountDialog(); }},
        {Command::Import, [this] { m_toolWindows->showImportWindow(); }},
        {Command::OrvalenAccount, [this] { m_toolWindows->showOrvalenAccountScreen(); }},
        {Command::SignOut, [this] { m_state->accountClient->authClient()->logout(); }},
        {Command::Quit, [this] { close(); }},
        {Command::Find, [this] { m_toolWindows->showSearchWindow(); }},
        {Command::Preferences, [this] { m_toolWindows->showSettingsWindow(); }},
        {Command::EditAccount, [this] { m_accountActions->showEditAccountDialog(); }},
        {Command::Reconcile, [this] { m_toolWindows->showReconciliationWindow(); }},
        {Command::ReconciliationHistory, [this] { m_toolWindows->showReconciliationHistoryWindow(); }},
        {Command::RenamePayees, [this] { m_toolWindows->showPayeesWindow(); }},
        {Command::ShareAccount, [this] { m_accountActions->showShareAccountDialog(); }},
        {Command::DeleteAccount, [this] { m_accountActions->deleteCurrentAccount(); }},
        {Command::Reports, [this] { m_toolWindows->showReportsWindow(); }},
        {Command::Recurring, [this] { m_toolWindows->showRecurringWindow(); }},
        {Command::Categories, [this] { m_toolWindows->showCategoriesWindow(); }},
        {Command::About, [this] { m_helpActions->showAboutBox(); }},
        {Command::WhatsNew, [this] { m_helpActions->showWhatsNewDialog(); }},
        {Command::CheckForUpdates, [this] { m_helpActions->checkForUpdates(); }},
        {Command::SendFeedback, [this] { m_helpActions->sendFeedback(); }},
        {Command::KeyboardShortcuts, [this] { m_helpActions->showKeyboardShortcuts(); }},
        {Command::LoadSampleData, [this] { m_helpActions->loadSampleData(); }},
        {Command::ClearSampleData, [this] { m_helpActions->clearSampleData(); }},
    };
    for (const auto& [command, target] : targets) {
        if (QAction* action = m_menus->action(command))
            connect(action, &QAction::triggered, this, target);
    }
}

void MainWindow::setupAccountActions()
{
    m_accountActions = new AccountActions(m_state, this);
    connect(m_accountActions, &AccountActions::accountCreated, this, &MainWindow::selectAccount);
    connect(m_accountActions, &AccountActions::accountEdited, this, [this] {
        onAccountsChanged();
        reloadRegister();
    });
    connect(m_accountActions, &AccountActions::accountDeleted, this, &MainWindow::onAccountDeleted);
    connect(m_accountActions, &AccountActions::accountScreenRequested, this,
            [this](OrvaAccount::AccountScreen::Tab tab) { m_toolWindows->showOrvalenAccountScreen(tab); });
}

void MainWindow::setupToolWindows()
{
    m_toolWindows = new ToolWindows(m_state, this);
    connect(m_toolWindows, &ToolWindows::transactionsWritten, this, &MainWindow::reloadRegisterAndAccounts);
    connect(m_toolWindows, &ToolWindows::payeesChanged, this, &MainWindow::reloadRegister);
    connect(m_toolWindows, &ToolWindows::deletedAccountRestored, this, &MainWindow::onAccountsChanged);
}

void MainWindow::setupHelpActions()
{
    m_helpActions = new HelpActions(m_state, this, m_statusBar);
    connect(m_helpActions, &HelpActions::sampleDataLoaded, this, &MainWindow::onAccountsChanged);
    connect(m_helpActions, &HelpActions::sampleDataCleared, this, &MainWindow::onSampleDataCleared);
}

void MainWindow::setupMemorizeForm()
{
    m_registerScreen->setMemorizeForm([this](const RecurringTransaction& seed, QWidget* parent) {
        return RecurringFormDialog::memorize(m_state, seed, parent);
    });
}

void MainWindow::setupAccountList()
{
    m_accountList = new AccountListPanel(m_state);
    connect(m_accountList, &AccountListPanel::accountActivated, this, &MainWindow::selectAccount);
    connect(m_accountList, &AccountListPanel::contextMenuRequested, this, &MainWindow::onAccountContextMenu);
    connect(m_accountList, &AccountListPanel::rebuilt, this,
            [this](int count) { m_statusBar->setAccountCount(count); });

    m_splitter = new QSplitter(Qt::Horizontal);
    m_splitter->setObjectName(QStringLiteral("mainSplitter"));
    m_splitter->addWidget(m_accountList);
    m_splitter->addWidget(m_pageStack);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setCollapsible(0, false);
    m_splitter->setCollapsible(1, false);
    m_splitter->setChildrenCollapsible(false);
    QSettings settings;
    if (settings.contains(QLatin1String(kSplitterKey)))
        m_splitter->restoreState(settings.value(QLatin1String(kSplitterKey)).toByteArray());
    else
        m_splitter->setSizes({280, 1000});
    setCentralWidget(m_splitter);
}

void MainWindow::setupThemeConnections()
{
    ThemeManager* theme = m_state->themeManager;
    if (!theme)
        return;
    connect(theme, &ThemeManager::themeChanged, this, [this] {
        m_statusBar->refreshColors();
        m_accountList->refreshStyle();
        m_accountList->requestRebuild();
    });
    connect(theme, &ThemeManager::accentChanged, this, [this] {
        m_statusBar->refreshColors();
        m_accountList->requestRebuild();
    });
}

void MainWindow::setupAuthConnections()
{
    OrvaAccount::AuthClient* auth = m_state->accountClient->authClient();
    SyncEngine* sync = m_state->syncEngine;
    connect(auth, &OrvaAccount::AuthClient::stateChanged, this, &MainWindow::updateAuthUI);
    connect(auth, &OrvaAccount::AuthClient::loginSucceeded, this,
            [this] { m_statusBar->showMessage(tr("Signed in successfully"), kStatusMs); });
    connect(auth, &OrvaAccount::AuthClient::loginFailed, this, [this](const QString& error) {
        m_statusBar->showMessage(tr("Sign-in failed: %1").arg(error), kErrorStatusMs);
    });
    connect(sync, &SyncEngine::stateChanged, this,
            [this](SyncEngine::SyncState syncState) { m_statusBar->setSyncText(SyncEngine::syncStateText(syncState)); });
    connect(sync, &SyncEngine::syncCompleted, this,
            [this] { m_statusBar->showMessage(tr("Sync complete"), kSyncCompleteMs); });
    connect(sync, &SyncEngine::syncFailed, this, [this](const QString& error) {
        m_statusBar->showMessage(tr("Sync failed: %1").arg(error), kErrorStatusMs);
    });
    // The register follows the rows a pull writes through their own change
    // signals: a second full read here would only repeat its reload.
    connect(sync, &SyncEngine::dataChanged, m_accountList, &AccountListPanel::requestRebuild);
    // The page follows from the current account (restoreCurrentAccount).
    showAuthState();
}

bool MainWindow::isSignedIn() const
{
    return m_state->accountClient->isAuthenticated();
}

void MainWindow::showAuthState()
{
    const bool signedIn = isSignedIn();
    m_menus->action(MainMenus::Command::SignOut)->setVisible(signedIn);
    m_menus->action(MainMenus::Command::OrvalenAccount)
        ->setStatusTip(signedIn ? tr("Manage your account") : tr("Sign in or sign up"));
    m_statusBar->setSyncText(signedIn ? SyncEngine::syncStateText(m_state->syncEngine->state())
                                      : tr("Not signed in"));
}

void MainWindow::updateAuthUI()
{
    showAuthState();
    if (!isSignedIn()) {
        WelcomeScreen* welcome = welcomeScreen();
        welcome->setReturningUser(QSettings().value(QLatin1String(kSignedInBeforeKey), false).toBool());
        m_pageStack->setCurrentWidget(welcome);
        return;
    }
    if (!m_welcomeScreen)
        return;
    m_welcomeScreen->setReturningUser(false);
    if (m_pageStack->currentWidget() != m_welcomeScreen)
        return;
    if (m_state->currentAccountId.isEmpty())
        m_pageStack->setCurrentWidget(emptyStatePage());
    else
        selectAccount(m_state->currentAccountId);
}

void MainWindow::onAccountsChanged()
{
    m_accountList->rebuild();
}

void MainWindow::selectAccount(const QString& accountId)
{
    showAccount(accountId, RegisterScreen::Rows::Now);
}

void MainWindow::showAccount(const QString& accountId, RegisterScreen::Rows rows)
{
    m_state->setCurrentAccountId(accountId);
    RegisterScreen* screen = registerScreen();
    screen->setAccount(accountId, rows);
    m_pageStack->setCurrentWidget(screen);
    m_accountList->setCurrentAccount(accountId);
}

void MainWindow::restoreCurrentAccount(RegisterScreen::Rows rows)
{
    const QString current = m_state->currentAccountId;
    // A deleted account is still found: one a sync deleted stays on screen.
    if (!current.isEmpty() && m_state->accountRepository->findById(current)) {
        showAccount(current, rows);
        return;
    }
    const QList<Account> accounts = m_state->accountRepository->listActive();
    if (!accounts.isEmpty())
        showAccount(accounts.first().id, rows);
    else
        showNoAccountPage();
}

void MainWindow::showNoAccountPage()
{
    m_pageStack->setCurrentWidget(isSignedIn() ? static_cast<QWidget*>(emptyStatePage()) : welcomeScreen());
}

void MainWindow::applyPreferenceChange(const QString& key)
{
    static const QStringList registerKeys{"registerTwoLine", "registerNewestFirst", "registerShowBalance",
                                          "registerHighlightOverdrawn", "weekStartDay", "theme"};
    if (registerKeys.contains(key))
        reloadRegister();
    else if (key == QLatin1String("dashboardBalanceMode"))
        m_accountList->requestRebuild();
}

void MainWindow::refreshRecurringDue()
{
    m_statusBar->setRecurringDueCount(m_state->recurringService->pendingCount());
}

void MainWindow::onAutoPosted(int count)
{
    m_statusBar->showMessage(tr("Auto-posted %n recurring transaction(s)", nullptr, count), kErrorStatusMs);
    onAccountsChanged();
}

void MainWindow::onAccountContextMenu(const QPoint& globalPos, const QString& accountId)
{
    QMenu menu;
    menu.addAction(tr("New Account..."), m_accountActions, &AccountActions::showNewAccountDialog);
    if (!accountId.isEmpty()) {
        const std::optional<Account> account = m_state->accountRepository->findById(accountId);
        const QString name = account ? account->name : QString();
        // The commands work on the current account: the one clicked becomes it first.
        const auto onAccount = [this, accountId](std::function<void()> command) {
            return [this, accountId, command] {
                selectAccount(accountId);
                command();
            };
        };
        menu.addSeparator();
        menu.addAction(tr("Edit \"%1\"...").arg(name), this,
                       onAccount([this] { m_accountActions->showEditAccountDialog(); }));
        menu.addAction(tr("Reconcile..."), this, onAccount([this] { m_toolWindows->showReconciliationWindow(); }));
        menu.addAction(tr("Reconciliation History..."), this,
                       onAccount([this] { m_toolWindows->showReconciliationHistoryWindow(); }));
        menu.addAction(tr("Rename Payees..."), this, onAccount([this] { m_toolWindows->showPayeesWindow(); }));
        menu.addSeparator();
        menu.addAction(tr("Share..."), this, onAccount([this] { m_accountActions->showShareAccountDialog(); }));
        menu.addSeparator();
        menu.addAction(tr("Delete \"%1\"").arg(name), this,
                       [this, accountId] { m_accountActions->deleteAccount(accountId); });
    }
    menu.exec(globalPos);
}

void MainWindow::onAccountDeleted()
{
    if (m_state->currentAccountId.isEmpty())
        showNoAccountPage();
    onAccountsChanged();
}

void MainWindow::onSampleDataCleared()
{
    onAccountsChanged();
    // The sample accounts are gone from the ledger, not just deleted: none of them can stay current.
    if (!m_state->currentAccountId.isEmpty() && !m_state->accountRepository->findById(m_state->currentAccountId))
        m_state->setCurrentAccountId(QString());
    showNoAccountPage();
}

void MainWindow::reloadRegisterAndAccounts()
{
    reloadRegister();
    onAccountsChanged();
}

void MainWindow::paintEvent(QPaintEvent* event)
{
    QMainWindow::paintEvent(event);
    if (std::exchange(m_painted, true))
        return;
    // Queued: the rest of this first paint, and its flush to the screen, come first.
    QMetaObject::invokeMethod(this, &MainWindow::fillIn, Qt::QueuedConnection);
}

void MainWindow::fillIn()
{
    m_accountList->rebuild();
    // Queued behind the list's repaint: the balances show while the rows are read.
    QMetaObject::invokeMethod(this, &MainWindow::reloadRegister, Qt::QueuedConnection);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    QSettings settings;
    settings.setValue(QLatin1String(kGeometryKey), saveGeometry());
    settings.setValue(QLatin1String(kSplitterKey), m_splitter->saveState());
    QMainWindow::closeEvent(event);
}
