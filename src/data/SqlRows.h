#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <optional>

// The read and write steps every repository repeats: prepare, bind in order,
// execute, map rows. Reads are silent on failure (an empty result); writes log
// "<Repository>::<operation> failed:" with the driver's text.
namespace SqlRows {

// Prepares `sql` forward-only, binds `values` in order and executes it.
bool select(QSqlQuery& query, const QString& sql, const QVariantList& values = {});

// Prepares `sql`, binds `values` in order and executes it; logs on failure.
bool write(QSqlQuery& query, const QString& sql, const QVariantList& values, QStringView operation);

template <typename Row, typename Map>
QList<Row> list(QSqlDatabase& db, const QString& sql, const QVariantList& values, Map map)
{
    QList<Row> rows;
    QSqlQuery query(db);
    if (!select(query, sql, values))
        return rows;
    while (query.next())
        rows.append(map(query));
    return rows;
}

template <typename Row, typename Map>
std::optional<Row> first(QSqlDatabase& db, const QString& sql, const QVariantList& values, Map map)
{
    QSqlQuery query(db);
    if (!select(query, sql, values) || !query.next())
        return std::nullopt;
    return map(query);
}

// "<Repository>::<operation>", the prefix of a failed write's log line.
QString operationName(const char* repository, const char* operation);

} // namespace SqlRows
