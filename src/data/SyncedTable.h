#pragma once

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>

#include <optional>

// The sync-column writes that every synced table shares (accounts, categories,
// transactions, recurring_transactions, reconciliations). A repository calls
// these with its own table and operation names and emits its own change signal
// when they report a change; the table name is always a constant, never input.
//
// Deletion is soft: it stamps deleted_at, makes the row pending and raises its
// version, so that it is pushed like any other edit.
class SyncedTable
{
public:
    SyncedTable(QSqlDatabase& db, const char* table, const char* repositoryName);

    bool softDelete(const QString& id) const;
    // The statement softDelete runs, for a repository that keeps it compiled:
    // its values are the deletion time twice, then the id.
    static QString softDeleteStatement(const QString& table);
    bool restore(const QString& id) const;
    // Logs nothing: the caller (the sync engine) looks only at the result.
    bool markSynced(const QString& id, const QString& serverId) const;
    // Rows changed; soft-deleted rows are never touched. 0 on failure, which
    // `ok` tells from a table with nothing to change.
    int markAllPendingForResync(bool* ok = nullptr) const;
    // Binds the server's deletion time, or NULL (which makes the row live again);
    // version, status and updated_at stay, so the row is not pushed back.
    bool applyServerDeletion(const QString& id, const std::optional<QDateTime>& deletedAt) const;

    // The cascade pair of the tables that hang off an account. Restore brings back
    // only rows deleted at or after `deletedSince` (an ISO time text), so rows the
    // user had deleted on their own before stay deleted. Both give 0 on failure;
    // `ok` tells a failure from an account with nothing to change.
    int softDeleteByAccount(const QString& accountId, bool* ok = nullptr) const;
    int restoreByAccount(const QString& accountId, const QString& deletedSince, bool* ok = nullptr) const;

private:
    QString operation(const char* name) const;

    QSqlDatabase& m_db;
    QString m_table;
    QString m_repositoryName;
};
