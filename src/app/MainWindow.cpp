#include "MainWindow.h"

#include "AccountActions.h"
#include "AccountListPanel.h"
#include "EmptyStatePage.h"
#include "RecurringAutoPoster.h"
#include "StatusBar.h"
#include "account/AuthClient.h"
#include "account/Client.h"
#include "data/AccountRepository.h"
#include "data/Database.h"
#include "data/PreferencesRepository.h"
#include "data/RecurringRepository.h"
#include "data/RecurringService.h"
#include "register/RegisterScreen.h"
#include "screens/WelcomeScreen.h"
#include "state/AppState.h"
#include "sync/SyncEngine.h"
#include "widgets/ReloadCoalescer.h"
#include "widgets/ThemeManager.h"

#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QSplitter>
#include <QStackedWidget>

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

    setupMenuBar();
    setupAccountActions();

    m_registerScreen = new RegisterScreen(state);
    m_registerScreen->setObjectName(QStringLiteral("registerScreen"));
    connect(m_registerScreen, &RegisterScreen::editAccountRequested, m_accountActions,
            &AccountActions::showEditAccountDialog);
    connect(m_registerScreen, &RegisterScreen::errorMessage, this,
            [this](const QString& text) { m_statusBar->showTimedMessage(text, kErrorStatusMs); });

    connect(state->preferencesRepository, &PreferencesRepository::changed, this,
            &MainWindow::applyPreferenceChange);

    m_welcomeScreen = new WelcomeScreen(state);
    m_welcomeScreen->setObjectName(QStringLiteral("welcomeScreen"));
    connect(m_welcomeScreen, &WelcomeScreen::createAccountRequested, m_accountActions,
            &AccountActions::showNewAccountDialog);
    connect(m_welcomeScreen, &WelcomeScreen::signInRequested, state->accountClient->authClient(),
            &OrvaAccount::AuthClient::login);
    m_emptyStatePage = new EmptyStatePage;
    m_emptyStatePage->setObjectName(QStringLiteral("emptyStatePage"));
    connect(m_emptyStatePage, &EmptyStatePage::createAccountRequested, m_accountActions,
            &AccountActions::showNewAccountDialog);

    m_pageStack = new QStackedWidget;
    m_pageStack->setObjectName(QStringLiteral("pageStack"));
    m_pageStack->addWidget(m_welcomeScreen);
    m_pageStack->addWidget(m_registerScreen);
    m_pageStack->addWidget(m_emptyStatePage);

    setupAccountList();

    m_statusBar = new StatusBar(this);
    setStatusBar(m_statusBar);
    m_statusBar->refreshColors();

    setupThemeConnections();
    setupAuthConnections();
    onAccountsChanged();

    m_autoPoster = new RecurringAutoPoster(state, this);
    connect(m_autoPoster, &RecurringAutoPoster::posted, this, &MainWindow::onAutoPosted);
    m_autoPoster->postAtStart();

    m_recurringDueRefresher = new ReloadCoalescer([this] { refreshRecurringDue(); }, this);
    refreshRecurringDue();
    connect(state->recurringService, &RecurringService::pendingCountChanged, m_recurringDueRefresher,
            &ReloadCoalescer::request);
    connect(state->recurringRepository, &RecurringRepository::recurringChanged, m_recurringDueRefresher,
            &ReloadCoalescer::request);
    connect(state->database, &Database::ledgerReset, m_recurringDueRefresher, &ReloadCoalescer::request);

    restoreCurrentAccount();
    // Accounts that a first sync brings in are shown without a click.
    connect(state->syncEngine, &SyncEngine::syncCompleted, this, [this] {
        if (m_state->currentAccountId.isEmpty())
            restoreCurrentAccount();
    });
}

void MainWindow::setupMenuBar()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    m_accountAction = file->addAction(tr("Orvalen &Account..."));
    m_accountAction->setObjectName(QStringLiteral("accountAction"));
    m_accountAction->setStatusTip(tr("Sign in or sign up"));
    connect(m_accountAction, &QAction::triggered, this, [this] { showOrvalenAccountScreen(); });
    file->addSeparator();
    m_signOutAction = file->addAction(tr("Sign &Out"));
    m_signOutAction->setObjectName(QStringLiteral("signOutAction"));
    connect(m_signOutAction, &QAction::triggered, m_state->accountClient->authClient(),
            &OrvaAccount::AuthClient::logout);
}

void MainWindow::setupAccountActions()
{
    m_accountActions = new AccountActions(m_state, this);
    connect(m_accountActions, &AccountActions::accountCreated, this, &MainWindow::selectAccount);
    connect(m_accountActions, &AccountActions::accountEdited, this, [this] {
        onAccountsChanged();
        m_registerScreen->reload();
    });
    connect(m_accountActions, &AccountActions::accountDeleted, this, &MainWindow::onAccountDeleted);
    connect(m_accountActions, &AccountActions::accountScreenRequested, this,
            &MainWindow::showOrvalenAccountScreen);
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
    connect(sync, &SyncEngine::dataChanged, this, [this] {
        m_accountList->requestRebuild();
        m_registerScreen->reload();
    });
    updateAuthUI();
}

bool MainWindow::isSignedIn() const
{
    return m_state->accountClient->isAuthenticated();
}

void MainWindow::updateAuthUI()
{
    const bool signedIn = isSignedIn();
    m_signOutAction->setVisible(signedIn);
    m_accountAction->setStatusTip(signedIn ? tr("Manage your account") : tr("Sign in or sign up"));
    if (!signedIn) {
        m_statusBar->setSyncText(tr("Not signed in"));
        m_welcomeScreen->setReturningUser(QSettings().value(QLatin1String(kSignedInBeforeKey), false).toBool());
        m_pageStack->setCurrentWidget(m_welcomeScreen);
        return;
    }
    m_statusBar->setSyncText(SyncEngine::syncStateText(m_state->syncEngine->state()));
    m_welcomeScreen->setReturningUser(false);
    if (m_pageStack->currentWidget() != m_welcomeScreen)
        return;
    if (m_state->currentAccountId.isEmpty())
        m_pageStack->setCurrentWidget(m_emptyStatePage);
    else
        selectAccount(m_state->currentAccountId);
}

void MainWindow::onAccountsChanged()
{
    m_accountList->rebuild();
}

void MainWindow::selectAccount(const QString& accountId)
{
    m_state->setCurrentAccountId(accountId);
    m_registerScreen->setAccount(accountId);
    m_pageStack->setCurrentWidget(m_registerScreen);
    m_accountList->setCurrentAccount(accountId);
}

void MainWindow::restoreCurrentAccount()
{
    const QString current = m_state->currentAccountId;
    // A deleted account is still found: one a sync deleted stays on screen.
    if (!current.isEmpty() && m_state->accountRepository->findById(current)) {
        selectAccount(current);
        return;
    }
    const QList<Account> accounts = m_state->accountRepository->listActive();
    if (!accounts.isEmpty())
        selectAccount(accounts.first().id);
    else
        showNoAccountPage();
}

void MainWindow::showNoAccountPage()
{
    m_pageStack->setCurrentWidget(isSignedIn() ? static_cast<QWidget*>(m_emptyStatePage) : m_welcomeScreen);
}

void MainWindow::applyPreferenceChange(const QString& key)
{
    static const QStringList registerKeys{"registerTwoLine", "registerNewestFirst", "registerShowBalance",
                                          "registerHighlightOverdrawn", "weekStartDay", "theme"};
    if (registerKeys.contains(key))
        m_registerScreen->reload();
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
        // The actions work on the current account: the one clicked becomes it first.
        const auto onAccount = [this, accountId](void (AccountActions::*action)()) {
            return [this, accountId, action] {
                selectAccount(accountId);
                (m_accountActions->*action)();
            };
        };
        menu.addSeparator();
        menu.addAction(tr("Edit \"%1\"...").arg(name), this, onAccount(&AccountActions::showEditAccountDialog));
        menu.addSeparator();
        menu.addAction(tr("Share..."), this, onAccount(&AccountActions::showShareAccountDialog));
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

void MainWindow::showOrvalenAccountScreen(OrvaAccount::AccountScreen::Tab tab)
{
    // The screen manages a signed-in account; anyone else is offered the sign-in.
    if (!isSignedIn()) {
        m_state->accountClient->authClient()->login();
        return;
    }
    if (!m_accountScreen) {
        m_accountScreen = new OrvaAccount::AccountScreen(m_state->accountClient, this);
        m_accountScreen->setWindowFlag(Qt::Window);
        m_accountScreen->setWindowTitle(tr("Orvalen Account"));
        m_accountScreen->resize(600, 550);
        connect(m_accountScreen, &OrvaAccount::AccountScreen::logoutRequested, m_state->accountClient->authClient(),
                &OrvaAccount::AuthClient::logout);
    }
    m_accountScreen->showTab(tab);
    m_accountScreen->refreshAll();
    m_accountScreen->setWindowState(m_accountScreen->windowState() & ~Qt::WindowMinimized);
    m_accountScreen->show();
    m_accountScreen->raise();
    m_accountScreen->activateWindow();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    QSettings settings;
    settings.setValue(QLatin1String(kGeometryKey), saveGeometry());
    settings.setValue(QLatin1String(kSplitterKey), m_splitter->saveState());
    QMainWindow::closeEvent(event);
}
