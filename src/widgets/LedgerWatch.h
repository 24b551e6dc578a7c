#pragma once

#include <QFlags>
#include <QObject>
#include <QString>

#include <functional>

class AppState;
class ReloadCoalescer;

// The parts of the ledger a view shows, by the change signal that makes it stale.
enum class LedgerPart {
    Accounts = 0x01,        // AccountRepository::accountsChanged
    Transactions = 0x02,    // TransactionRepository::transactionsChanged
    Categories = 0x04,      // CategoryRepository::categoriesChanged
    Recurring = 0x08,       // RecurringRepository::recurringChanged
    Reconciliations = 0x10, // ReconciliationRepository::reconciliationsChanged
    RecurringDue = 0x20,    // RecurringService::pendingCountChanged
};
Q_DECLARE_FLAGS(LedgerParts, LedgerPart)
Q_DECLARE_OPERATORS_FOR_FLAGS(LedgerParts)

// Keeps a view in step with the ledger: it listens to the change signals of
// the parts the view shows, and always to the ledger's reset (a restore, the
// sample data), and calls the view's reload once per event-loop turn, however
// many of them that turn brought. A view never connects those signals itself,
// so none of them can be forgotten.
class LedgerWatch : public QObject
{
    Q_OBJECT

public:
    LedgerWatch(AppState* state, LedgerParts parts, std::function<void()> reload, QObject* parent);

    // From now on only the transactions of `accountId` concern the view; a
    // change that names no account (many rows at once) still does.
    void setAccount(const QString& accountId);

    // A change of the view's transactions for which `isOwn` holds asks for
    // nothing: the view made it and shows it itself.
    void setOwnChangeTest(std::function<bool(const QString& accountId)> isOwn);

    // A reload at the end of this event-loop turn, as a change signal asks.
    void request();
    // The waiting reload now, before reading what it would show.
    void flush();
    bool isPending() const;

signals:
    // A change the view does not show yet, heard now; the reload follows at the
    // end of the turn.
    void changed();

private:
    void onChange();
    void onTransactionsChanged(const QString& accountId);

    ReloadCoalescer* m_reloader;
    std::function<bool(const QString&)> m_isOwn;
    bool m_oneAccount = false;
    QString m_accountId;
};
