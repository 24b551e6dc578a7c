#include "SqlValues.h"

#include "Clock.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimeZone>

namespace SqlValues {

QString timestampText(const QDateTime& time)
{
    if (!time.isValid())
        return QString();
    return time.toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss'Z'"));
}

QString nowText()
{
    return timestampText(Clock::nowUtc());
}

QDateTime parseTimestamp(const QString& text)
{
    if (text.isEmpty())
        return QDateTime();
    QDateTime time = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (!time.isValid())
        time = QDateTime::fromString(text, Qt::ISODate);
    if (!time.isValid())
        return QDateTime();
    // A text without an offset is taken as UTC, the form the ledger writes.
    if (time.timeSpec() == Qt::LocalTime)
        time.setTimeZone(QTimeZone::utc());
    return time.toUTC();
}

QString dateText(const QDate& date)
{
    return date.isValid() ? date.toString(QStringLiteral("yyyy-MM-dd")) : QString();
}

QDate parseDate(const QString& text)
{
    return QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
}

QVariant textOrNull(const QString& text)
{
    return text.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(text);
}

QVariant timestampOrNull(const std::optional<QDateTime>& time)
{
    if (!time || !time->isValid())
        return QVariant(QMetaType::fromType<QString>());
    return timestampText(*time);
}

QString text(const QSqlQuery& query, int column)
{
    return query.value(column).toString();
}

std::optional<QDateTime> optionalTimestamp(const QSqlQuery& query, int column)
{
    const QString value = query.value(column).toString();
    if (value.isEmpty())
        return std::nullopt;
    return parseTimestamp(value);
}

void logFailure(QStringView operation, const QSqlQuery& query)
{
    qWarning().noquote() << operation.toString() + QLatin1String(" failed:") << query.lastError().text();
}

} // namespace SqlValues
