#pragma once

#include <QHash>
#include <QLatin1StringView>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>

#include <functional>

// The few reads of the synced tables that the sync library makes itself, on
// the program's connection: whole batches and pages at once, where a query
// per row through the repositories would make a large sync crawl. The table
// is always one of the five names below, never input.
namespace SyncTables {

inline constexpr QLatin1StringView kAccounts("accounts");
inline constexpr QLatin1StringView kCategories("categories");
inline constexpr QLatin1StringView kRecurring("recurring_transactions");
inline constexpr QLatin1StringView kTransactions("transactions");
inline constexpr QLatin1StringView kReconciliations("reconciliations");

// A row's version and its updated_at, as a change entry's payload writes it.
struct RowVersion
{
    int version = 0;
    QString updatedAt;
};

// By id, for those of the ids that have a row (soft-deleted ones included).
QHash<QString, RowVersion> versions(QLatin1StringView table, const QStringList& ids);

// Server id -> local id, for every row that has a server id.
QHash<QString, QString> localIdsByServerId(QLatin1StringView table);

// Runs "SELECT * FROM <table> WHERE id IN (...)" over the ids, a slice at a
// time, and hands each row to `each`.
bool forEachRow(QLatin1StringView table, const QStringList& ids, const std::function<void(const QSqlQuery&)>& each);

// The rows with these ids, each read by the repository's own row reader,
// which takes the columns in table order: the order of "SELECT *".
template<typename Record>
QHash<QString, Record> rowsById(QLatin1StringView table, const QStringList& ids, Record (*read)(const QSqlQuery&))
{
    QHash<QString, Record> rows;
    forEachRow(table, ids, [&rows, read](const QSqlQuery& query) {
        Record record = read(query);
        rows.insert(record.id, record);
    });
    return rows;
}

} // namespace SyncTables
