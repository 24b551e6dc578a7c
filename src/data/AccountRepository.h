#pragma once

#include "Account.h"
#include "KeptQuery.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

#include <optional>

class Database;
class QSqlQuery;
class SyncedTable;

// The only code that reads and writes the accounts table. Writes take the
// record's version, status and times as given: the caller decides them for a
// local edit, the sync engine passes the server's.
class AccountRepository : public QObject
{
    Q_OBJECT

public:
    explicit AccountRepository(Database* database, QObject* parent = nullptr);

    // Live accounts by sort order, then name.
    QList<Account> listActive() const;
    // Soft-deleted accounts by name (what can be restored).
    QList<Account> listDeleted() const;
    // Every row waiting for a push, soft-deleted ones included.
    QList<Account> listPending() const;
    // Soft-deleted rows included.
    std::optional<Account> findById(const QString& id) const;

    bool insert(const Account& account);
    bool update(const Account& account);
    // All pairs (account id, position) or none, with one accountsChanged().
    bool updateSortOrders(const QList<QPair<QString, int>>& orders);
    bool softDelete(const QString& id);
    bool restore(const QString& id);

    int markAllPendingForResync(bool* ok = nullptr);
    bool markSynced(const QString& id, const QString& serverId);
    bool applyServerDeletion(const QString& id, const std::optional<QDateTime>& deletedAt);

    static Account accountFromQuery(const QSqlQuery& query);

signals:
    void accountsChanged();

private:
    SyncedTable syncedTable() const;
    bool emitIf(bool changed);

    Database* m_database;
    // Asked for at every register write.
    mutable KeptQuery m_findById;
};
