#include "SyncTables.h"

#include "data/SqlValues.h"

#include <QStringList>

#include <functional>

namespace SyncTables {

namespace {

// Well below SQLite's limit on bound values in one statement.
constexpr qsizetype kSlice = 400;

QString placeholders(qsizetype count)
{
    QStringList marks(count, QStringLiteral("?"));
    return marks.join(QLatin1Char(','));
}

bool selectSlices(const QString& sqlWithPlaceholders, const QStringList& ids,
                  const std::function<void(const QSqlQuery&)>& each)
{
    for (qsizetype from = 0; from < ids.size(); from += kSlice) {
        const QStringList slice = ids.mid(from, kSlice);
        QSqlQuery query(QSqlDatabase::database());
        query.setForwardOnly(true);
        if (!query.prepare(sqlWithPlaceholders.arg(placeholders(slice.size()))))
            return false;
        for (const QString& id : slice)
            query.addBindValue(id);
        if (!query.exec())
            return false;
        while (query.next())
            each(query);
    }
    return true;
}

} // namespace

QHash<QString, RowVersion> versions(QLatin1StringView table, const QStringList& ids)
{
    QHash<QString, RowVersion> found;
    selectSlices(QStringLiteral("SELECT id, version, updated_at FROM %1 WHERE id IN (%2)").arg(table, QStringLiteral("%1")),
                 ids, [&found](const QSqlQuery& query) {
                     // In the form a payload carries it, whatever form it was stored in.
                     const QString updatedAt =
                         SqlValues::timestampText(SqlValues::parseTimestamp(SqlValues::text(query, 2)));
                     found.insert(SqlValues::text(query, 0), RowVersion{query.value(1).toInt(), updatedAt});
                 });
    return found;
}

QHash<QString, QString> localIdsByServerId(QLatin1StringView table)
{
    QHash<QString, QString> ids;
    QSqlQuery query(QSqlDatabase::database());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT server_id, id FROM %1 WHERE server_id IS NOT NULL AND server_id != ''")
                        .arg(table)))
        return ids;
    while (query.next())
        ids.insert(SqlValues::text(query, 0), SqlValues::text(query, 1));
    return ids;
}

bool forEachRow(QLatin1StringView table, const QStringList& ids, const std::function<void(const QSqlQuery&)>& each)
{
    return selectSlices(QStringLiteral("SELECT * FROM %1 WHERE id IN (%2)").arg(table, QStringLiteral("%1")), ids,
                        each);
}

} // namespace SyncTables
