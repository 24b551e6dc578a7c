#include "ReconciliationRepository.h"

#include "Database.h"
#include "SqlRows.h"
#include "SqlValues.h"
#include "SyncedTable.h"

#include <QSqlQuery>

namespace {

constexpr char kTable[] = "reconciliations";
constexpr char kRepository[] = "ReconciliationRepository";

// Schema order; reconciliationFromQuery reads by these positions.
const QString kColumns = QStringLiteral(
    "id, account_id, statement_date, statement_balance, reconciled_balance, completed_at, version, sync_status, "
    "server_id, created_at, updated_at, deleted_at");

QString withColumns(const char* sql)
{
    return QString::fromLatin1(sql).arg(kColumns);
}

// created_at and updated_at are NOT NULL; a screen that records a finished
// reconciliation may leave them to us.
QString timestampOrNow(const QDateTime& time)
{
    return time.isValid() ? SqlValues::timestampText(time) : SqlValues::nowText();
}

} // namespace

ReconciliationRepository::ReconciliationRepository(Database* database, QObject* parent)
    : QObject(parent)
    , m_database(database)
{
}

SyncedTable ReconciliationRepository::syncedTable() const
{
    return SyncedTable(m_database->database(), kTable, kRepository);
}

int ReconciliationRepository::emitIfChanged(int changed)
{
    if (changed > 0)
        emit reconciliationsChanged();
    return changed;
}

Reconciliation ReconciliationRepository::reconciliationFromQuery(const QSqlQuery& query)
{
    Reconciliation reconciliation;
    reconciliation.id = SqlValues::text(query, 0);
    reconciliation.accountId = SqlValues::text(query, 1);
    reconciliation.statementDate = SqlValues::parseDate(SqlValues::text(query, 2));
    reconciliation.statementBalance = query.value(3).toLongLong();
    reconciliation.reconciledBalance = query.value(4).toLongLong();
    reconciliation.completedAt = SqlValues::parseTimestamp(SqlValues::text(query, 5));
    reconciliation.version = query.value(6).toInt();
    reconciliation.syncStatus = syncStatusFromText(SqlValues::text(query, 7));
    reconciliation.serverId = SqlValues::text(query, 8);
    reconciliation.createdAt = SqlValues::parseTimestamp(SqlValues::text(query, 9));
    reconciliation.updatedAt = SqlValues::parseTimestamp(SqlValues::text(query, 10));
    reconciliation.deletedAt = SqlValues::optionalTimestamp(query, 11);
    return reconciliation;
}

QList<Reconciliation> ReconciliationRepository::listByAccount(const QString& accountId) const
{
    return SqlRows::list<Reconciliation>(
        m_database->database(),
        withColumns("SELECT %1 FROM reconciliations WHERE account_id = ? AND deleted_at IS NULL "
                    "ORDER BY statement_date DESC"),
        {accountId}, &ReconciliationRepository::reconciliationFromQuery);
}

std::optional<Reconciliation> ReconciliationRepository::latestForAccount(const QString& accountId) const
{
    return SqlRows::first<Reconciliation>(
        m_database->database(),
        withColumns("SELECT %1 FROM reconciliations WHERE account_id = ? AND deleted_at IS NULL "
                    "ORDER BY statement_date DESC LIMIT 1"),
        {accountId}, &ReconciliationRepository::reconciliationFromQuery);
}

std::optional<Reconciliation> ReconciliationRepository::findById(const QString& id) const
{
    return SqlRows::first<Reconciliation>(m_database->database(),
                                          withColumns("SELECT %1 FROM reconciliations WHERE id = ?"), {id},
                                          &ReconciliationRepository::reconciliationFromQuery);
}

QList<Reconciliation> ReconciliationRepository::listPending() const
{
    return SqlRows::list<Reconciliation>(m_database->database(),
                                         withColumns("SELECT %1 FROM reconciliations WHERE sync_status = 'pending'"),
                                         {}, &ReconciliationRepository::reconciliationFromQuery);
}

bool ReconciliationRepository::insert(const Reconciliation& reconciliation)
{
    QSqlQuery query(m_database->database());
    const bool done = SqlRows::write(
        query,
        QStringLiteral("INSERT INTO reconciliations (id, account_id, statement_date, statement_balance, "
                       "reconciled_balance, completed_at, version, sync_status, server_id, created_at, updated_at) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {reconciliation.id, reconciliation.accountId, SqlValues::textOrNull(SqlValues::dateText(reconciliation.statementDate)),
         QVariant::fromValue<qint64>(reconciliation.statementBalance),
         QVariant::fromValue<qint64>(reconciliation.reconciledBalance),
         SqlValues::timestampOrNull(reconciliation.completedAt), reconciliation.version,
         syncStatusToText(reconciliation.syncStatus), reconciliation.serverId,
         timestampOrNow(reconciliation.createdAt), timestampOrNow(reconciliation.updatedAt)},
        SqlRows::operationName(kRepository, "insert"));
    if (done)
        emit reconciliationsChanged();
    return done;
}

bool ReconciliationRepository::update(const Reconciliation& reconciliation)
{
    QSqlQuery query(m_database->database());
    const bool done = SqlRows::write(
        query,
        QStringLiteral("UPDATE reconciliations SET account_id=?, statement_date=?, statement_balance=?, "
                       "reconciled_balance=?, completed_at=?, version=?, sync_status=?, server_id=?, updated_at=? "
                       "WHERE id=?"),
        {reconciliation.accountId, SqlValues::textOrNull(SqlValues::dateText(reconciliation.statementDate)),
         QVariant::fromValue<qint64>(reconciliation.statementBalance),
         QVariant::fromValue<qint64>(reconciliation.reconciledBalance),
         SqlValues::timestampOrNull(reconciliation.completedAt), reconciliation.version,
         syncStatusToText(reconciliation.syncStatus), reconciliation.serverId,
         SqlValues::timestampOrNull(reconciliation.updatedAt), reconciliation.id},
        SqlRows::operationName(kRepository, "update"));
    if (done)
        emit reconciliationsChanged();
    return done;
}

int ReconciliationRepository::softDeleteByAccount(const QString& accountId, bool* ok)
{
    return emitIfChanged(syncedTable().softDeleteByAccount(accountId, ok));
}

int ReconciliationRepository::restoreByAccount(const QString& accountId, const QString& deletedSince, bool* ok)
{
    return emitIfChanged(syncedTable().restoreByAccount(accountId, deletedSince, ok));
}

int ReconciliationRepository::markAllPendingForResync(bool* ok)
{
    return emitIfChanged(syncedTable().markAllPendingForResync(ok));
}

bool ReconciliationRepository::markSynced(const QString& id, const QString& serverId)
{
    return syncedTable().markSynced(id, serverId);
}

bool ReconciliationRepository::applyServerDeletion(const QString& id, const std::optional<QDateTime>& deletedAt)
{
    const bool done = syncedTable().applyServerDeletion(id, deletedAt);
    if (done)
        emit reconciliationsChanged();
    return done;
}
