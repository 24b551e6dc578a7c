#include "SqlValues.h"

#include "Clock.h"
#include "WriteFailureWatch.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimeZone>

namespace {

// The number written by `count` ASCII digits at `from`, or -1.
int digits(const QString& text, qsizetype from, int count)
{
    int value = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        const char16_t ch = text.at(i).unicode();
        if (ch < u'0' || ch > u'9')
            return -1;
        value = value * 10 + (ch - u'0');
    }
    return value;
}

// Writes `value` as `count` digits, zero-padded, at `out`, and moves past them.
void writeDigits(QChar*& out, int value, int count)
{
    for (int i = count - 1; i >= 0; --i) {
        out[i] = QChar(char16_t(u'0' + value % 10));
        value /= 10;
    }
    out += count;
}

// "yyyy-MM-dd" at `out`, for years 1 to 9999.
void writeDate(QChar*& out, const QDate& date)
{
    writeDigits(out, date.year(), 4);
    *out++ = u'-';
    writeDigits(out, date.month(), 2);
    *out++ = u'-';
    writeDigits(out, date.day(), 2);
}

bool hasFourDigitYear(const QDate& date)
{
    return date.year() >= 1 && date.year() <= 9999;
}

// The date of a text that starts "yyyy-MM-dd"; invalid when it does not.
QDate leadingDate(const QString& text)
{
    if (text.size() < 10 || text.at(4) != u'-' || text.at(7) != u'-')
        return QDate();
    const int year = digits(text, 0, 4);
    const int month = digits(text, 5, 2);
    const int day = digits(text, 8, 2);
    if (year < 0 || month < 0 || day < 0)
        return QDate();
    return QDate(year, month, day);
}

} // namespace

namespace SqlValues {

QString timestampText(const QDateTime& time)
{
    if (!time.isValid())
        return QString();
    const QDateTime utc = time.toUTC();
    const QDate day = utc.date();
    if (!hasFourDigitYear(day))
        return utc.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss'Z'"));
    // Digit by digit, as QDateTime::toString would write it: an import writes
    // two per row, and the formatter costs more than the row's insert.
    const QTime clock = utc.time();
    QString text(20, Qt::Uninitialized);
    QChar* out = text.data();
    writeDate(out, day);
    *out++ = u'T';
    writeDigits(out, clock.hour(), 2);
    *out++ = u':';
    writeDigits(out, clock.minute(), 2);
    *out++ = u':';
    writeDigits(out, clock.second(), 2);
    *out = u'Z';
    return text;
}

QString nowText()
{
    return timestampText(Clock::nowUtc());
}

QDateTime parseTimestamp(const QString& text)
{
    if (text.isEmpty())
        return QDateTime();
    if (text.size() == 20 && text.at(10) == u'T' && text.at(13) == u':' && text.at(16) == u':'
        && text.at(19) == u'Z') {
        const QDate day = leadingDate(text);
        const int hour = digits(text, 11, 2);
        const int minute = digits(text, 14, 2);
        const int second = digits(text, 17, 2);
        const QTime time = hour < 0 || minute < 0 || second < 0 ? QTime() : QTime(hour, minute, second);
        if (day.isValid() && time.isValid())
            return QDateTime(day, time, Qt::UTC);
    }
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
    if (!date.isValid())
        return QString();
    if (!hasFourDigitYear(date))
        return date.toString(QStringLiteral("yyyy-MM-dd"));
    QString text(10, Qt::Uninitialized);
    QChar* out = text.data();
    writeDate(out, date);
    return text;
}

QDate parseDate(const QString& text)
{
    if (text.size() == 10) {
        const QDate date = leadingDate(text);
        if (date.isValid())
            return date;
    }
    return QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
}

bool isStorableDate(const QDate& date)
{
    return date.isValid() && date.year() >= 1 && date.year() <= 9999;
}

QVariant bindText(const QString& text)
{
    return text.isNull() ? QVariant(QStringLiteral("")) : QVariant(text);
}

QVariant bindTimestamp(const QDateTime& time)
{
    return textOrNull(timestampText(time));
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
    WriteFailureWatch::note(query.lastError());
}

QString failureCause(const QSqlError& error)
{
    const QString words = error.databaseText();
    return words.isEmpty() ? error.text() : words;
}

} // namespace SqlValues
