#pragma once

#include <QObject>
#include <QString>
#include <QThread>

#include <functional>

class AppState;
class LedgerWatch;

// Tells the register's own writes from everybody else's. The register makes
// each of its writes through ownWrite() and then shows the written rows itself,
// so the change signals of that write ask for no reload. Any other change to the
// account's transactions, to the categories, the accounts or the whole ledger
// (a sync pull, an import, a restore, another window) leaves the register stale
// and asks for one coalesced reload, through the LedgerWatch every view uses. A change that lands while a dialog of the
// write runs its own event loop is somebody else's: the write itself runs on
// the event-loop level it started on.
class RegisterChangeWatch : public QObject
{
    Q_OBJECT

public:
    // `reload` runs once at the end of a turn in which a change was heard, or
    // when flush() finds one waiting; it reloads only a stale register.
    RegisterChangeWatch(AppState* state, std::function<void()> reload, QObject* parent);

    // A register switched to another account is stale until its first reload.
    void setAccount(const QString& accountId);
    bool isStale() const { return m_stale; }
    // After a reload that showed the ledger as it stands.
    void markShown() { m_stale = false; }
    // Stale whatever the ledger did, and a reload asked for.
    void markStale();
    // The reload asked for, now.
    void flush();
    // A reload asked for again when the register is still stale: one that was
    // skipped while the register was busy (a cell being typed in) runs once
    // it is free.
    void requestIfStale();

    template <typename Write>
    auto ownWrite(Write&& write)
    {
        const int outer = m_ownLevel;
        m_ownLevel = QThread::currentThread()->loopLevel();
        auto result = write();
        m_ownLevel = outer;
        return result;
    }

private:
    bool isOwn(const QString& accountId) const;

    LedgerWatch* m_watch;
    QString m_accountId;
    bool m_stale = true;
    int m_ownLevel = -1; // the level of the write under way; -1 for none
};
