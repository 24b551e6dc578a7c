#pragma once

#include "account/ui/AccountScreen.h"

#include <QObject>
#include <QPointer>
#include <QSize>

class AppState;
class CategoriesScreen;
class ImportScreen;
class PayeeScreen;
class QMainWindow;
class ReconciliationHistoryScreen;
class RecurringScreen;
class ReportsScreen;
class SearchScreen;
class SettingsScreen;

// The screens the main window opens as windows of their own. Each is made on
// first use and kept while the main window lives (it is their parent), then
// refreshed and raised on every later request; a reconciliation window is made
// anew for every request and goes when it closes. The pointers are guarded, so
// a window destroyed with its parent is made again on the next request.
class ToolWindows : public QObject
{
    Q_OBJECT

public:
    ToolWindows(AppState* state, QMainWindow* window);

    // Titles `window`, parents it to `parent` as a window of its own sized
    // `size` the first time (a size the user gave it later stands), and brings
    // it to the front, restored when it was minimised.
    static void showToolWindow(QWidget* window, const QString& title, QSize size, QWidget* parent);

public slots:
    void showReportsWindow();
    void showRecurringWindow();
    void showSearchWindow();
    void showCategoriesWindow();
    void showSettingsWindow();
    void showImportWindow();
    void showPayeesWindow();
    // These two need a current account.
    void showReconciliationWindow();
    void showReconciliationHistoryWindow();
    // Only while signed in; anyone else is offered the sign-in.
    void showOrvalenAccountScreen(OrvaAccount::AccountScreen::Tab tab = OrvaAccount::AccountScreen::ProfileTab);

signals:
    // A screen wrote transactions: the register and the account list follow.
    void transactionsWritten();
    // Payees were renamed or merged: the register follows.
    void payeesChanged();
    void deletedAccountRestored();

private:
    // The window in `slot`, made (and connected) when there is none.
    template<typename Screen>
    Screen* screen(QPointer<Screen>& slot, void (ToolWindows::*connectOnce)(Screen*) = nullptr);
    // Refreshes the window in `slot` and shows it.
    template<typename Screen>
    Screen* present(QPointer<Screen>& slot, void (Screen::*refresh)(), const QString& title, QSize size,
                    void (ToolWindows::*connectOnce)(Screen*) = nullptr);
    void connectRecurring(RecurringScreen* screen);
    void connectSettings(SettingsScreen* screen);
    void connectImport(ImportScreen* screen);
    void connectPayees(PayeeScreen* screen);

    AppState* m_state;
    QMainWindow* m_window;
    QPointer<ReportsScreen> m_reports;
    QPointer<RecurringScreen> m_recurring;
    QPointer<SearchScreen> m_search;
    QPointer<CategoriesScreen> m_categories;
    QPointer<SettingsScreen> m_settings;
    QPointer<ImportScreen> m_import;
    QPointer<PayeeScreen> m_payees;
    QPointer<ReconciliationHistoryScreen> m_reconciliationHistory;
    QPointer<OrvaAccount::AccountScreen> m_accountScreen;
};
