#pragma once

#include "data/Account.h"
#include "data/BalanceMode.h"
#include "data/MoneySum.h"

#include <QHash>
#include <QList>
#include <QStringList>
#include <QWidget>

class AccountItemDelegate;
class AppState;
class LedgerWatch;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QShortcut;

// The left side of the main window: a card per active account with its
// balance in the dashboard balance mode, and the totals per currency under
// them. The cards can be dragged into another order; Alt+1 to Alt+0 pick the
// first ten accounts. The list follows the ledger once per event-loop turn
// however many change signals arrive in it: when only some accounts'
// transactions changed, their balances and the totals are read again; any
// other change rebuilds the whole list.
class AccountListPanel : public QWidget
{
    Q_OBJECT

public:
    explicit AccountListPanel(AppState* state, QWidget* parent = nullptr);

    QListWidget* list() const { return m_list; }

    // How rebuild() shows the balances. Later lists the cards with blank
    // balances and totals, and leaves the balances to the next rebuild, so that
    // a window's first paint does not wait for them.
    enum class Balances { Now, Later };
    // Rebuilds the whole list at once (taking up what the change signals asked for).
    void rebuild(Balances balances = Balances::Now);
    // Rebuilds the whole list when control returns to the event loop.
    void requestRebuild();
    // Highlights the row of the account, when it is listed.
    void setCurrentAccount(const QString& accountId);
    // The list's and the summary line's colours, after a theme change.
    void refreshStyle();

signals:
    // A click on a card or its shortcut.
    void accountActivated(const QString& accountId);
    // A right-click, on a card (its account) or on empty space (empty id).
    void contextMenuRequested(const QPoint& globalPos, const QString& accountId);
    // The list shows the ledger again: rebuilt, or some balances read anew.
    void rebuilt(int accountCount);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void rebuildNow(Balances balances = Balances::Now);
    // What the change signals of this turn asked for.
    void followLedger();
    void refreshBalances(const QStringList& accountIds);
    void showTotals();
    void persistOrder();
    void refitItems();
    void rebuildShortcuts();
    QString summaryStyleSheet() const;

    AppState* m_state;
    QWidget* m_listFrame;
    QListWidget* m_list;
    AccountItemDelegate* m_delegate;
    QLabel* m_summaryLabel;
    QList<QShortcut*> m_shortcuts;
    LedgerWatch* m_rebuilder;
    // What the list shows, for a refresh of some balances.
    QList<Account> m_accounts;
    QHash<QString, MoneySum> m_balances;
    BalanceMode m_mode = BalanceMode::Current;
    bool m_balancesShown = false;
    // Since the list last followed the ledger: accounts whose transactions
    // changed, or a change that only a rebuild can show.
    QStringList m_changedAccounts;
    bool m_rebuildNeeded = false;
};
