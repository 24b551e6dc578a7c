#include "SqlRows.h"

#include "SqlValues.h"

namespace SqlRows {

namespace {

bool prepareAndRun(QSqlQuery& query, const QString& sql, const QVariantList& values)
{
    if (!query.prepare(sql))
        return false;
    for (const QVariant& value : values)
        query.addBindValue(value);
    return query.exec();
}

} // namespace

QString operationName(const char* repository, const char* operation)
{
    return QLatin1String(repository) + QLatin1String("::") + QLatin1String(operation);
}

bool select(QSqlQuery& query, const QString& sql, const QVariantList& values)
{
    query.setForwardOnly(true);
    return prepareAndRun(query, sql, values);
}

bool write(QSqlQuery& query, const QString& sql, const QVariantList& values, QStringView operation)
{
    if (prepareAndRun(query, sql, values))
        return true;
    SqlValues::logFailure(operation, query);
    return false;
}

} // namespace SqlRows
