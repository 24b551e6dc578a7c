#include "QueryRows.h"

#include "SharedTexts.h"
#include "SqlRows.h"
#include "SqlValues.h"

QueryRows::QueryRows(QSqlDatabase& db, const QString& sql, const QVariantList& values)
    : m_query(db)
    , m_ok(SqlRows::select(m_query, sql, values))
{
}

QString QueryRows::text(int column) const
{
    return SqlValues::text(m_query, column);
}

QString QueryRows::sharedText(int column, SharedTexts& texts) const
{
    return texts.shared(text(column));
}

QDate QueryRows::date(int column) const
{
    return SqlValues::parseDate(text(column));
}

QDateTime QueryRows::timestamp(int column) const
{
    return SqlValues::parseTimestamp(text(column));
}
