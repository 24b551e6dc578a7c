#include "RecurringRepository.h"

#include "Clock.h"
#include "Database.h"
#include "SqlRows.h"
#include "SqlValues.h"
#include "SyncedTable.h"

#include <QDebug>
#include <QSqlQuery>

namespace {

constexpr char kTable[] = "recurring_transactions";
constexpr char kRepository[] = "RecurringRepository";

// recurringFromQuery reads by these positions. The last four columns came with
// later migrations, so they follow deleted_at.
const QString kColumns = QStringLiteral(
    "id, account_id, payee, memo, amount, category_id, frequency, start_date, end_date, next_due_date, auto_post, "
    "is_active, transfer_dest_account_id, version, sync_status, server_id, created_at, updated_at, deleted_at, "
    "lead_days, interval_count, semimonthly_day_1, semimonthly_day_2");

QString withColumns(const char* sql)
{
    return QString::fromLatin1(sql).arg(kColumns);
}

// An invalid date has no text and goes in as NULL, which the NOT NULL date
// columns refuse: the write fails with its log line instead of storing ''.
QVariant dateOrNull(const QDate& date)
{
    return SqlValues::textOrNull(SqlValues::dateText(date));
}

QVariant optionalDateOrNull(const std::optional<QDate>& date)
{
    return date ? dateOrNull(*date) : QVariant(QMetaType::fromType<QString>());
}

// Saved all the same: the engine quarantines such a record when it meets it,
// and the log tells where the broken date came from.
void warnIfBroken(const RecurringTransaction& record, const char* operation)
{
    if (!isBrokenRecurringDate(record.nextDueDate))
        return;
    qWarning().noquote() << SqlRows::operationName(kRepository, operation)
                         << "saving recurring with broken nextDueDate:" << "id=" + record.id
                         << "payee=" + record.payee << "nextDueDate=" + dateTextForLog(record.nextDueDate)
                         << "startDate=" + dateTextForLog(record.startDate)
                         << "frequency=" + QString::number(static_cast<int>(record.frequency));
}

// account_id to server_id, in column order: what insert and update both write
// ahead of the timestamps.
QVariantList templateValues(const RecurringTransaction& record)
{
    return {record.accountId, SqlValues::bindText(record.payee), SqlValues::bindText(record.memo),
            QVariant::fromValue<qint64>(record.amount), SqlValues::textOrNull(record.categoryId),
            frequencyToString(record.frequency), dateOrNull(record.startDate), optionalDateOrNull(record.endDate),
            dateOrNull(record.nextDueDate), SqlValues::flag(record.autoPost), SqlValues::flag(record.isActive),
            SqlValues::bindText(record.transferDestAccountId), record.version, syncStatusToText(record.syncStatus),
            SqlValues::bindText(record.serverId)};
}

// The columns of the later migrations, which follow the timestamps.
QVariantList scheduleValues(const RecurringTransaction& record)
{
    return {record.leadDays, record.intervalCount, record.semimonthlyDay1, record.semimonthlyDay2};
}

} // namespace

RecurringRepository::RecurringRepository(Database* database, QObject* parent)
    : QObject(parent)
    , m_database(database)
{
}

SyncedTable RecurringRepository::syncedTable() const
{
    return SyncedTable(m_database->database(), kTable, kRepository);
}

bool RecurringRepository::emitIf(bool changed)
{
    if (changed)
        emit recurringChanged();
    return changed;
}

int RecurringRepository::emitIfChanged(int changed)
{
    emitIf(changed > 0);
    return changed;
}

RecurringTransaction RecurringRepository::recurringFromQuery(const QSqlQuery& query)
{
    RecurringTransaction record;
    record.id = SqlValues::text(query, 0);
    record.accountId = SqlValues::text(query, 1);
    record.payee = SqlValues::text(query, 2);
    record.memo = SqlValues::text(query, 3);
    record.amount = query.value(4).toLongLong();
    record.categoryId = SqlValues::text(query, 5);
    record.frequency = frequencyFromString(SqlValues::text(query, 6));
    record.startDate = SqlValues::parseDate(SqlValues::text(query, 7));
    const QString endDate = SqlValues::text(query, 8);
    if (!endDate.isEmpty())
        record.endDate = SqlValues::parseDate(endDate);
    record.nextDueDate = SqlValues::parseDate(SqlValues::text(query, 9));
    record.autoPost = query.value(10).toLongLong() != 0;
    record.isActive = query.value(11).toLongLong() != 0;
    record.transferDestAccountId = SqlValues::text(query, 12);
    record.version = query.value(13).toInt();
    record.syncStatus = syncStatusFromText(SqlValues::text(query, 14));
    record.serverId = SqlValues::text(query, 15);
    record.createdAt = SqlValues::parseTimestamp(SqlValues::text(query, 16));
    record.updatedAt = SqlValues::parseTimestamp(SqlValues::text(query, 17));
    record.deletedAt = SqlValues::optionalTimestamp(query, 18);
    record.leadDays = query.value(19).toInt();
    record.intervalCount = query.value(20).toInt();
    record.semimonthlyDay1 = query.value(21).toInt();
    record.semimonthlyDay2 = query.value(22).toInt();
    return record;
}

QList<RecurringTransaction> RecurringRepository::listAll() const
{
    return SqlRows::list<RecurringTransaction>(
        m_database->database(),
        withColumns("SELECT %1 FROM recurring_transactions WHERE deleted_at IS NULL "
                    "ORDER BY is_active DESC, next_due_date ASC, payee COLLATE NOCASE ASC"),
        {}, &RecurringRepository::recurringFromQuery);
}

QList<RecurringTransaction> RecurringRepository::listDue() const
{
    return SqlRows::list<RecurringTransaction>(
        m_database->database(),
        withColumns("SELECT %1 FROM recurring_transactions WHERE deleted_at IS NULL AND is_active = 1 "
                    "AND next_due_date <= ?"),
        {SqlValues::dateText(Clock::today())}, &RecurringRepository::recurringFromQuery);
}

std::optional<RecurringTransaction> RecurringRepository::findById(const QString& id) const
{
    return SqlRows::first<RecurringTransaction>(m_database->database(),
                                                withColumns("SELECT %1 FROM recurring_transactions WHERE id = ?"),
                                                {id}, &RecurringRepository::recurringFromQuery);
}

QList<RecurringTransaction> RecurringRepository::listPending() const
{
    return SqlRows::list<RecurringTransaction>(
        m_database->database(), withColumns("SELECT %1 FROM recurring_transactions WHERE sync_status = 'pending'"),
        {}, &RecurringRepository::recurringFromQuery);
}

bool RecurringRepository::insert(const RecurringTransaction& record)
{
    warnIfBroken(record, "insert");
    QSqlQuery query(m_database->database());
    return emitIf(SqlRows::write(
        query,
        QStringLiteral("INSERT INTO recurring_transactions (id, account_id, payee, memo, amount, category_id, "
                       "frequency, start_date, end_date, next_due_date, auto_post, is_active, "
                       "transfer_dest_account_id, version, sync_status, server_id, created_at, updated_at, lead_days, "
                       "interval_count, semimonthly_day_1, semimonthly_day_2) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        QVariantList{record.id} + templateValues(record)
            + QVariantList{SqlValues::bindTimestamp(record.createdAt), SqlValues::bindTimestamp(record.updatedAt)}
            + scheduleValues(record),
        SqlRows::operationName(kRepository, "insert")));
}

bool RecurringRepository::update(const RecurringTransaction& record)
{
    warnIfBroken(record, "update");
    QSqlQuery query(m_database->database());
    return emitIf(SqlRows::write(
        query,
        QStringLiteral("UPDATE recurring_transactions SET account_id=?, payee=?, memo=?, amount=?, category_id=?, "
                       "frequency=?, start_date=?, end_date=?, next_due_date=?, auto_post=?, is_active=?, "
                       "transfer_dest_account_id=?, version=?, sync_status=?, server_id=?, updated_at=?, lead_days=?, "
                       "interval_count=?, semimonthly_day_1=?, semimonthly_day_2=? WHERE id=?"),
        templateValues(record) + QVariantList{SqlValues::bindTimestamp(record.updatedAt)} + scheduleValues(record)
            + QVariantList{record.id},
        SqlRows::operationName(kRepository, "update")));
}

bool RecurringRepository::softDelete(const QString& id)
{
    return emitIf(syncedTable().softDelete(id));
}

int RecurringRepository::softDeleteByAccount(const QString& accountId, bool* ok)
{
    return emitIfChanged(syncedTable().softDeleteByAccount(accountId, ok));
}

int RecurringRepository::restoreByAccount(const QString& accountId, const QString& deletedSince, bool* ok)
{
    return emitIfChanged(syncedTable().restoreByAccount(accountId, deletedSince, ok));
}

int RecurringRepository::markAllPendingForResync(bool* ok)
{
    return emitIfChanged(syncedTable().markAllPendingForResync(ok));
}

bool RecurringRepository::markSynced(const QString& id, const QString& serverId)
{
    return syncedTable().markSynced(id, serverId);
}

bool RecurringRepository::applyServerDeletion(const QString& id, const std::optional<QDateTime>& deletedAt)
{
    return emitIf(syncedTable().applyServerDeletion(id, deletedAt));
}
