#include "AccountRepository.h"

#include "Database.h"
#include "SqlRows.h"
#include "SqlTransaction.h"
#include "SqlValues.h"
#include "SyncedTable.h"

#include <QSqlQuery>

namespace {

constexpr char kTable[] = "accounts";
constexpr char kRepository[] = "AccountRepository";

// Schema order; accountFromQuery reads by these positions.
const QString kColumns = QStringLiteral(
    "id, name, account_type, currency, institution, account_number_last4, starting_balance, sort_order, "
    "is_shared, version, sync_status, server_id, created_at, updated_at, deleted_at");

QString withColumns(const char* sql)
{
    return QString::fromLatin1(sql).arg(kColumns);
}

} // namespace

AccountRepository::AccountRepository(Database* database, QObject* parent)
    : QObject(parent)
    , m_database(database)
    , m_findById(withColumns("SELECT %1 FROM accounts WHERE id = ?"))
{
}

SyncedTable AccountRepository::syncedTable() const
{
    return SyncedTable(m_database->database(), kTable, kRepository);
}

bool AccountRepository::emitIf(bool changed)
{
    if (changed)
        emit accountsChanged();
    return changed;
}

Account AccountRepository::accountFromQuery(const QSqlQuery& query)
{
    Account account;
    account.id = SqlValues::text(query, 0);
    account.name = SqlValues::text(query, 1);
    account.accountType = accountTypeFromString(SqlValues::text(query, 2));
    account.currency = currencyFromCode(SqlValues::text(query, 3));
    account.institution = SqlValues::text(query, 4);
    account.accountNumberLast4 = SqlValues::text(query, 5);
    account.startingBalance = query.value(6).toLongLong();
    account.sortOrder = query.value(7).toInt();
    account.isShared = query.value(8).toInt() != 0;
    account.version = query.value(9).toInt();
    account.syncStatus = syncStatusFromText(SqlValues::text(query, 10));
    account.serverId = SqlValues::text(query, 11);
    account.createdAt = SqlValues::parseTimestamp(SqlValues::text(query, 12));
    account.updatedAt = SqlValues::parseTimestamp(SqlValues::text(query, 13));
    account.deletedAt = SqlValues::optionalTimestamp(query, 14);
    return account;
}

QList<Account> AccountRepository::listActive() const
{
    return SqlRows::list<Account>(m_database->database(),
                                  withColumns("SELECT %1 FROM accounts WHERE deleted_at IS NULL ORDER BY sort_order, name"),
                                  {}, &AccountRepository::accountFromQuery);
}

QList<Account> AccountRepository::listDeleted() const
{
    return SqlRows::list<Account>(m_database->database(),
                                  withColumns("SELECT %1 FROM accounts WHERE deleted_at IS NOT NULL ORDER BY name"), {},
                                  &AccountRepository::accountFromQuery);
}

QList<Account> AccountRepository::listPending() const
{
    return SqlRows::list<Account>(m_database->database(),
                                  withColumns("SELECT %1 FROM accounts WHERE sync_status = 'pending'"), {},
                                  &AccountRepository::accountFromQuery);
}

std::optional<Account> AccountRepository::findById(const QString& id) const
{
    KeptQuery::Run run(m_findById, m_database->database(), {id});
    if (!run.ok() || !run.query().next())
        return std::nullopt;
    return accountFromQuery(run.query());
}

bool AccountRepository::insert(const Account& account)
{
    QSqlQuery query(m_database->database());
    return emitIf(SqlRows::write(
        query,
        QStringLiteral("INSERT INTO accounts (id, name, account_type, currency, institution, account_number_last4, "
                       "starting_balance, sort_order, is_shared, version, sync_status, server_id, created_at, "
                       "updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {account.id, account.name, accountTypeToString(account.accountType), currencyCode(account.currency),
         account.institution, account.accountNumberLast4, QVariant::fromValue<qint64>(account.startingBalance),
         account.sortOrder, SqlValues::flag(account.isShared), account.version, syncStatusToText(account.syncStatus),
         account.serverId, SqlValues::timestampOrNull(account.createdAt),
         SqlValues::timestampOrNull(account.updatedAt)},
        SqlRows::operationName(kRepository, "insert")));
}

bool AccountRepository::update(const Account& account)
{
    QSqlQuery query(m_database->database());
    return emitIf(SqlRows::write(
        query,
        QStringLiteral("UPDATE accounts SET name=?, account_type=?, currency=?, institution=?, "
                       "account_number_last4=?, starting_balance=?, sort_order=?, is_shared=?, version=?, "
                       "sync_status=?, server_id=?, updated_at=? WHERE id=?"),
        {account.name, accountTypeToString(account.accountType), currencyCode(account.currency), account.institution,
         account.accountNumberLast4, QVariant::fromValue<qint64>(account.startingBalance), account.sortOrder,
         SqlValues::flag(account.isShared), account.version, syncStatusToText(account.syncStatus), account.serverId,
         SqlValues::timestampOrNull(account.updatedAt), account.id},
        SqlRows::operationName(kRepository, "update")));
}

bool AccountRepository::updateSortOrders(const QList<QPair<QString, int>>& orders)
{
    QSqlDatabase& db = m_database->database();
    SqlTransaction transaction(db);
    // Without a transaction of its own the reorder could not be undone half-way
    // (and would commit someone else's open transaction), so it does not start.
    if (!transaction.isActive())
        return false;

    QSqlQuery query(db);
    query.prepare(QStringLiteral("UPDATE accounts SET sort_order=?, updated_at=?, sync_status='pending' WHERE id=?"));
    for (const auto& [id, order] : orders) {
        query.addBindValue(order);
        query.addBindValue(SqlValues::nowText());
        query.addBindValue(id);
        if (!query.exec())
            return false; // the guard rolls every earlier pair back
    }
    if (!transaction.commit())
        return false;
    emit accountsChanged();
    return true;
}

bool AccountRepository::softDelete(const QString& id)
{
    return emitIf(syncedTable().softDelete(id));
}

bool AccountRepository::restore(const QString& id)
{
    return emitIf(syncedTable().restore(id));
}

int AccountRepository::markAllPendingForResync(bool* ok)
{
    const int changed = syncedTable().markAllPendingForResync(ok);
    emitIf(changed > 0);
    return changed;
}

bool AccountRepository::markSynced(const QString& id, const QString& serverId)
{
    return syncedTable().markSynced(id, serverId);
}

bool AccountRepository::applyServerDeletion(const QString& id, const std::optional<QDateTime>& deletedAt)
{
    return emitIf(syncedTable().applyServerDeletion(id, deletedAt));
}
