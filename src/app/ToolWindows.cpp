#include "ToolWindows.h"

#include "CurrentAccount.h"
#include "account/AuthClient.h"
#include "account/Client.h"
#include "screens/CategoriesScreen.h"
#include "screens/ImportScreen.h"
#include "screens/PayeeScreen.h"
#include "screens/ReconciliationHistoryScreen.h"
#include "screens/ReconciliationScreen.h"
#include "screens/RecurringScreen.h"
#include "screens/ReportsScreen.h"
#include "screens/SearchScreen.h"
#include "screens/SettingsScreen.h"
#include "state/AppState.h"

#include <QMainWindow>

ToolWindows::ToolWindows(AppState* state, QMainWindow* window)
    : QObject(window)
    , m_state(state)
    , m_window(window)
{
}

void ToolWindows::showToolWindow(QWidget* window, const QString& title, QSize size, QWidget* parent)
{
    window->setWindowTitle(title);
    if (!window->parentWidget()) {
        window->setParent(parent, Qt::Window);
        window->resize(size);
    }
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    if (window->isHidden())
        window->show();
    window->raise();
    window->activateWindow();
}

template<typename Screen>
Screen* ToolWindows::screen(QPointer<Screen>& slot, void (ToolWindows::*connectOnce)(Screen*))
{
    if (!slot) {
        slot = new Screen(m_state);
        if (connectOnce)
            (this->*connectOnce)(slot);
    }
    return slot;
}

template<typename Screen>
Screen* ToolWindows::present(QPointer<Screen>& slot, void (Screen::*refresh)(), const QString& title, QSize size,
                             void (ToolWindows::*connectOnce)(Screen*))
{
    Screen* window = screen(slot, connectOnce);
    (window->*refresh)();
    showToolWindow(window, title, size, m_window);
    return window;
}

void ToolWindows::showReportsWindow()
{
    present(m_reports, &ReportsScreen::refresh, tr("Reports"), {800, 600});
}

void ToolWindows::showRecurringWindow()
{
    present(m_recurring, &RecurringScreen::reload, tr("Recurring Transactions"), {700, 500},
            &ToolWindows::connectRecurring);
}

void ToolWindows::connectRecurring(RecurringScreen* recurring)
{
    // The screen follows the recurring table itself, through its own coalescer.
    connect(recurring, &RecurringScreen::transactionsChanged, this, &ToolWindows::transactionsWritten);
}

void ToolWindows::showSearchWindow()
{
    present(m_search, &SearchScreen::populateFilterCombos, tr("Search Transactions"), {800, 550})
        ->focusSearchField();
}

void ToolWindows::showCategoriesWindow()
{
    present(m_categories, &CategoriesScreen::reload, tr("Categories"), {600, 500});
}

void ToolWindows::showSettingsWindow()
{
    present(m_settings, &SettingsScreen::refresh, tr("Preferences"), {500, 550}, &ToolWindows::connectSettings);
}

void ToolWindows::connectSettings(SettingsScreen* settings)
{
    connect(settings, &SettingsScreen::deletedAccountRestored, this, &ToolWindows::deletedAccountRestored);
}

void ToolWindows::showImportWindow()
{
    present(m_import, &ImportScreen::refresh, tr("Import Transactions"), {650, 600}, &ToolWindows::connectImport);
}

void ToolWindows::connectImport(ImportScreen* import)
{
    connect(import, &ImportScreen::importCompleted, this, &ToolWindows::transactionsWritten);
}

void ToolWindows::showPayeesWindow()
{
    present(m_payees, &PayeeScreen::loadPayees, tr("Payee Management"), {550, 500}, &ToolWindows::connectPayees);
}

void ToolWindows::connectPayees(PayeeScreen* payees)
{
    connect(payees, &PayeeScreen::payeesChanged, this, &ToolWindows::payeesChanged);
}

void ToolWindows::showReconciliationWindow()
{
    const std::optional<Account> account = CurrentAccount::require(m_state, m_window);
    if (!account)
        return;
    auto* reconciliation = new ReconciliationScreen(m_state);
    reconciliation->setAttribute(Qt::WA_DeleteOnClose);
    connect(reconciliation, &ReconciliationScreen::reconciliationCompleted, reconciliation, [this, reconciliation] {
        emit transactionsWritten();
        reconciliation->close();
    });
    connect(reconciliation, &ReconciliationScreen::cancelled, reconciliation, &QWidget::close);
    reconciliation->start(account->id);
    showToolWindow(reconciliation, tr("Reconcile \u2014 %1").arg(account->name), {1100, 720}, m_window);
}

void ToolWindows::showReconciliationHistoryWindow()
{
    const QString accountId = CurrentAccount::requireId(m_state, m_window);
    if (accountId.isEmpty())
        return;
    ReconciliationHistoryScreen* history = screen(m_reconciliationHistory);
    history->setAccount(accountId);
    showToolWindow(history, tr("Reconciliation History"), {750, 500}, m_window);
}

void ToolWindows::showOrvalenAccountScreen(OrvaAccount::AccountScreen::Tab tab)
{
    OrvaAccount::AuthClient* auth = m_state->accountClient->authClient();
    if (!m_state->accountClient->isAuthenticated()) {
        auth->login();
        return;
    }
    if (!m_accountScreen) {
        m_accountScreen = new OrvaAccount::AccountScreen(m_state->accountClient);
        m_accountScreen->setWindowTitle(tr("Orvalen Account"));
        connect(m_accountScreen, &OrvaAccount::AccountScreen::logoutRequested, auth, &OrvaAccount::AuthClient::logout);
    }
    m_accountScreen->showTab(tab);
    m_accountScreen->refreshAll();
    showToolWindow(m_accountScreen, tr("Orvalen Account"), {600, 550}, m_window);
}
