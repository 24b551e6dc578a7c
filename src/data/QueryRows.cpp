#include "QueryRows.h"

#include "SqlRows.h"
#include "SqlValues.h"

QueryRows::QueryRows(QSqlDatabase& db, const QString& sql, const QVariantList& values)
    : m_own(std::in_place, db)
    , m_query(&*m_own)
    , m_ok(SqlRows::select(*m_query, sql, values))
{
}

QString QueryRows::text(int column) const
{
    return SqlValues::text(*m_query, column);
}

QDate QueryRows::date(int column) const
{
    return SqlValues::parseDate(text(column));
}

QDateTime QueryRows::timestamp(int column) const
{
    return SqlValues::parseTimestamp(text(column));
}
