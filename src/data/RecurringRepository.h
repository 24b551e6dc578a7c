#pragma once

#include "RecurringTransaction.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>

#include <optional>

class Database;
class QSqlQuery;
class SyncedTable;

// The only code that reads and writes the recurring_transactions table. Writes
// take the record's version, status and times as given: the caller decides them
// for a local edit, the sync engine passes the server's.
class RecurringRepository : public QObject
{
    Q_OBJECT

public:
    explicit RecurringRepository(Database* database, QObject* parent = nullptr);

    // Live records: active first, then by next due date, then payee ignoring case.
    QList<RecurringTransaction> listAll() const;
    // Live, active records due on or before today, in no set order.
    QList<RecurringTransaction> listDue() const;
    // Soft-deleted rows included.
    std::optional<RecurringTransaction> findById(const QString& id) const;
    // Every row waiting for a push, soft-deleted ones included.
    QList<RecurringTransaction> listPending() const;

    // Both log, but never refuse, a record whose next due date is broken.
    bool insert(const RecurringTransaction& record);
    // Writes every field but created_at and deleted_at, the account included:
    // the recurring form may move a template to another account.
    bool update(const RecurringTransaction& record);
    bool softDelete(const QString& id);

    int softDeleteByAccount(const QString& accountId, bool* ok = nullptr);
    // Brings back only rows deleted at or after `deletedSince` (ISO time text).
    int restoreByAccount(const QString& accountId, const QString& deletedSince, bool* ok = nullptr);
    int markAllPendingForResync(bool* ok = nullptr);
    // Emits nothing: a push does not make the screens reload.
    bool markSynced(const QString& id, const QString& serverId);
    bool applyServerDeletion(const QString& id, const std::optional<QDateTime>& deletedAt);

    static RecurringTransaction recurringFromQuery(const QSqlQuery& query);

signals:
    void recurringChanged();

private:
    SyncedTable syncedTable() const;
    bool emitIf(bool changed);
    int emitIfChanged(int changed);

    Database* m_database;
};
