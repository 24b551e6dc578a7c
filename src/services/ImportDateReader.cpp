#include "ImportDateReader.h"

#include <QCalendar>
#include <QList>

namespace {

struct DateFormat
{
    QString pattern;
    bool twoDigitYear = false;
};

DateFormat dateFormat(const QString& pattern)
{
    return {pattern, hasTwoDigitYear(pattern)};
}

QDate readDate(const QString& text, const DateFormat& format)
{
    if (!format.twoDigitYear)
        return QDate::fromString(text, format.pattern);

    // QDate reads "yy" as 19yy and so refuses 29 February 00 (1900 was no leap
    // year). Across 1900-1999 the Julian calendar has a leap year exactly when
    // the expanded year (2000-2069 or 1970-1999) has one, so the day is read in
    // that calendar and then moved to the expanded year.
    static const QCalendar julian(QCalendar::System::Julian);
    const QDate read = QDate::fromString(text, format.pattern, julian);
    if (!read.isValid())
        return QDate();
    int year = read.year(julian);
    if (year >= 1900 && year <= 1999)
        year = expandTwoDigitYear(year - 1900);
    return QDate(year, read.month(julian), read.day(julian));
}

const QList<DateFormat>& guessedFormats()
{
    static const QList<DateFormat> formats{
        dateFormat(QStringLiteral("yyyy-MM-dd")),   dateFormat(QStringLiteral("yyyyMMdd")),
        dateFormat(QStringLiteral("MM/dd/yyyy")),   dateFormat(QStringLiteral("M/d/yyyy")),
        dateFormat(QStringLiteral("M/dd/yyyy")),    dateFormat(QStringLiteral("MM/d/yyyy")),
        dateFormat(QStringLiteral("dd/MM/yyyy")),   dateFormat(QStringLiteral("d/M/yyyy")),
        dateFormat(QStringLiteral("d/MM/yyyy")),    dateFormat(QStringLiteral("dd/M/yyyy")),
        dateFormat(QStringLiteral("MM/dd/yy")),     dateFormat(QStringLiteral("M/d/yy")),
        dateFormat(QStringLiteral("yyyy/MM/dd")),   dateFormat(QStringLiteral("MMMM d, yyyy")),
        dateFormat(QStringLiteral("MMM d, yyyy")),
    };
    return formats;
}

} // namespace

int expandTwoDigitYear(int twoDigitYear)
{
    return twoDigitYear < 70 ? 2000 + twoDigitYear : 1900 + twoDigitYear;
}

bool hasTwoDigitYear(QStringView format)
{
    bool quoted = false;
    bool twoDigits = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == u'\'') {
            quoted = !quoted; // a doubled quote toggles twice and stays literal
            continue;
        }
        if (quoted || c != u'y')
            continue;
        qsizetype run = 1;
        while (i + run < format.size() && format.at(i + run) == u'y')
            ++run;
        if (run >= 4)
            return false;
        twoDigits = twoDigits || run == 2;
        i += run - 1;
    }
    return twoDigits;
}

QDate readDate(const QString& text, const QString& format)
{
    return readDate(text, dateFormat(format));
}

QDate guessDate(const QString& text)
{
    for (const DateFormat& format : guessedFormats()) {
        const QDate date = readDate(text, format);
        if (date.isValid())
            return date;
    }
    return QDate();
}

ImportDateReader::ImportDateReader(const QString& format)
    : m_format(format)
{
}

QDate ImportDateReader::read(const QString& text)
{
    const auto known = m_read.constFind(text);
    if (known != m_read.cend())
        return *known;
    QDate date;
    if (!m_format.isEmpty())
        date = readDate(text, m_format);
    if (!date.isValid())
        date = guessDate(text);
    m_read.insert(text, date);
    return date;
}
