#include "SqlFastRead.h"

#include "SqlValues.h"

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

namespace SqlFastRead {

QDate date(const QString& text)
{
    if (text.size() == 10) {
        const QDate parsed = leadingDate(text);
        if (parsed.isValid())
            return parsed;
    }
    return SqlValues::parseDate(text);
}

QDateTime timestamp(const QString& text)
{
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
    return SqlValues::parseTimestamp(text);
}

} // namespace SqlFastRead
