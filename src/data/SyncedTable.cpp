#include "SyncedTable.h"

#include "SqlValues.h"

#include <QSqlQuery>

SyncedTable::SyncedTable(QSqlDatabase& db, const char* table, const char* repositoryName)
    : m_db(db)
    , m_table(QLatin1String(table))
    , m_repositoryName(QLatin1String(repositoryName))
{
}

QString SyncedTable::operation(const char* name) const
{
    return m_repositoryName + QLatin1String("::") + QLatin1String(name);
}

namespace {

bool run(QSqlQuery& query, const QString& operation)
{
    if (query.exec())
        return true;
    SqlValues::logFailure(operation, query);
    return false;
}

int rowsChanged(QSqlQuery& query, const QString& operation, bool* ok)
{
    const bool done = run(query, operation);
    if (ok)
        *ok = done;
    return done ? query.numRowsAffected() : 0;
}

} // namespace

QString SyncedTable::softDeleteStatement(const QString& table)
{
    return QStringLiteral("UPDATE %1 SET deleted_at = ?, sync_status = 'pending', updated_at = ?, "
                          "version = version + 1 WHERE id = ?")
        .arg(table);
}

bool SyncedTable::softDelete(const QString& id) const
{
    const QString now = SqlValues::nowText();
    QSqlQuery query(m_db);
    query.prepare(softDeleteStatement(m_table));
    query.addBindValue(now);
    query.addBindValue(now);
    query.addBindValue(id);
    return run(query, operation("softDelete"));
}

bool SyncedTable::restore(const QString& id) const
{
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("UPDATE %1 SET deleted_at = NULL, sync_status = 'pending', updated_at = ?, "
                                 "version = version + 1 WHERE id = ?").arg(m_table));
    query.addBindValue(SqlValues::nowText());
    query.addBindValue(id);
    return run(query, operation("restore"));
}

bool SyncedTable::markSynced(const QString& id, const QString& serverId) const
{
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("UPDATE %1 SET sync_status='synced', server_id=? WHERE id=?").arg(m_table));
    query.addBindValue(serverId);
    query.addBindValue(id);
    return query.exec();
}

int SyncedTable::markAllPendingForResync(bool* ok) const
{
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("UPDATE %1 SET sync_status = 'pending' "
                                 "WHERE deleted_at IS NULL AND sync_status != 'pending'").arg(m_table));
    return rowsChanged(query, operation("markAllPendingForResync"), ok);
}

bool SyncedTable::applyServerDeletion(const QString& id, const std::optional<QDateTime>& deletedAt) const
{
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("UPDATE %1 SET deleted_at=? WHERE id=?").arg(m_table));
    query.addBindValue(SqlValues::timestampOrNull(deletedAt));
    query.addBindValue(id);
    return run(query, operation("applyServerDeletion"));
}

int SyncedTable::softDeleteByAccount(const QString& accountId, bool* ok) const
{
    const QString now = SqlValues::nowText();
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("UPDATE %1 SET deleted_at = ?, sync_status = 'pending', updated_at = ?, "
                                 "version = version + 1 WHERE account_id = ? AND deleted_at IS NULL")
                      .arg(m_table));
    query.addBindValue(now);
    query.addBindValue(now);
    query.addBindValue(accountId);
    return rowsChanged(query, operation("softDeleteByAccount"), ok);
}

int SyncedTable::restoreByAccount(const QString& accountId, const QString& deletedSince, bool* ok) const
{
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("UPDATE %1 SET deleted_at = NULL, updated_at = ?, sync_status = 'pending', "
                                 "version = version + 1 WHERE account_id = ? AND deleted_at >= ?")
                      .arg(m_table));
    query.addBindValue(SqlValues::nowText());
    query.addBindValue(accountId);
    query.addBindValue(deletedSince);
    return rowsChanged(query, operation("restoreByAccount"), ok);
}
