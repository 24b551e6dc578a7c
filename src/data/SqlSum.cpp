#include "SqlSum.h"

#include <QSqlError>

namespace SqlSum {

QString columns(const QString& expression, const QString& name, Form form)
{
    if (form == Form::Plain)
        return QStringLiteral("SUM(%1) AS %2_high, NULL AS %2_low").arg(expression, name);
    return QStringLiteral("SUM((%1) >> 32) AS %2_high, SUM((%1) & 4294967295) AS %2_low").arg(expression, name);
}

QString orderKey(const QString& expression, Form form)
{
    return (form == Form::Plain ? QStringLiteral("SUM(%1)") : QStringLiteral("TOTAL(%1)")).arg(expression);
}

MoneySum read(const QSqlQuery& query, int column)
{
    const qint64 sumOrHigh = query.value(column).toLongLong();
    // A plain sum leaves the low half NULL; so does a group without rows, 0 either way.
    if (query.isNull(column + 1))
        return sumOrHigh;
    // high * 2^32 is (high >> 32) * 2^64 plus its low 32 bits moved up.
    MoneySum sum = MoneySum::fromWords(sumOrHigh >> 32, quint64(sumOrHigh) << 32);
    return sum += query.value(column + 1).toLongLong();
}

bool overflowed(const QSqlQuery& query)
{
    return query.lastError().databaseText().contains(QLatin1String("integer overflow"));
}

} // namespace SqlSum
