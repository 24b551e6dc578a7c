#include "ImportDateReader.h"

#include <QCalendar>
#include <QList>
#include <QStringList>

namespace {

// Distinct cell texts remembered per import: far more dates than ten years of
// daily rows, and a few hundred kilobytes at most.
constexpr qsizetype kRememberedTexts = 8192;

// Which order a format reads: one with the year first, or a month name, fits
// any file.
enum class FormatOrder { Either, MonthFirst, DayFirst };

struct DateFormat
{
    QString pattern;
    FormatOrder order = FormatOrder::Either;
    bool twoDigitYear = false;
};

DateFormat dateFormat(const char* pattern, FormatOrder order = FormatOrder::Either)
{
    const QString text = QLatin1String(pattern);
    return {text, order, hasTwoDigitYear(text)};
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

// The numeric format with day and month the other way round: "MM/dd/yy" and
// "dd/MM/yy" are twins.
DateFormat twin(const DateFormat& format)
{
    QStringList parts = format.pattern.split(QLatin1Char('/'));
    parts.swapItemsAt(0, 1);
    const FormatOrder order = format.order == FormatOrder::MonthFirst ? FormatOrder::DayFirst : FormatOrder::MonthFirst;
    return {parts.join(QLatin1Char('/')), order, format.twoDigitYear};
}

// The formats in the order they are tried. Month first is the usual list of
// bank exports; day first is its mirror image, every numeric format swapped for
// its twin, so that it too falls back on the other order for four-digit years.
const QList<DateFormat>& guessedFormats(ImportDateOrder order)
{
    constexpr FormatOrder md = FormatOrder::MonthFirst;
    constexpr FormatOrder dm = FormatOrder::DayFirst;
    static const QList<DateFormat> monthFirst{
        dateFormat("yyyy-MM-dd"),       dateFormat("yyyyMMdd"),         dateFormat("MM/dd/yyyy", md),
        dateFormat("M/d/yyyy", md),     dateFormat("M/dd/yyyy", md),    dateFormat("MM/d/yyyy", md),
        dateFormat("dd/MM/yyyy", dm),   dateFormat("d/M/yyyy", dm),     dateFormat("d/MM/yyyy", dm),
        dateFormat("dd/M/yyyy", dm),    dateFormat("MM/dd/yy", md),     dateFormat("M/d/yy", md),
        dateFormat("yyyy/MM/dd"),       dateFormat("MMMM d, yyyy"),     dateFormat("MMM d, yyyy"),
    };
    static const QList<DateFormat> dayFirst = [] {
        QList<DateFormat> formats;
        for (const DateFormat& format : monthFirst)
            formats.append(format.order == FormatOrder::Either ? format : twin(format));
        return formats;
    }();
    return order == ImportDateOrder::DayFirst ? dayFirst : monthFirst;
}

// Whether the list reads the text with one of its day-first formats (wanted
// DayFirst), or with one of the others.
bool readsWith(const QString& text, ImportDateOrder list, FormatOrder wanted)
{
    for (const DateFormat& format : guessedFormats(list)) {
        if ((wanted == FormatOrder::DayFirst) == (format.order == FormatOrder::DayFirst)
            && readDate(text, format).isValid())
            return true;
    }
    return false;
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
    const bool twoDigitYear = hasTwoDigitYear(format);
    return readDate(text, DateFormat{format, FormatOrder::Either, twoDigitYear});
}

QDate guessDate(const QString& text, ImportDateOrder order)
{
    for (const DateFormat& format : guessedFormats(order)) {
        const QDate date = readDate(text, format);
        if (date.isValid())
            return date;
    }
    return QDate();
}

bool readsOnlyDayFirst(const QString& text)
{
    // The month-first list holds every month-first and order-free format; the
    // day-first list every day-first one, two-digit years included.
    return !readsWith(text, ImportDateOrder::MonthFirst, FormatOrder::MonthFirst)
           && readsWith(text, ImportDateOrder::DayFirst, FormatOrder::DayFirst);
}

ImportDateReader::ImportDateReader(const QString& format)
    : m_format(format)
{
}

void ImportDateReader::survey(const QString& text)
{
    if (m_order == ImportDateOrder::DayFirst || m_surveyed.contains(text))
        return;
    if (m_surveyed.size() < kRememberedTexts)
        m_surveyed.insert(text);
    if (!m_format.isEmpty() && readDate(text, m_format).isValid())
        return;
    if (readsOnlyDayFirst(text)) {
        m_order = ImportDateOrder::DayFirst;
        m_surveyed.clear();
    }
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
        date = guessDate(text, m_order);
    if (m_read.size() < kRememberedTexts)
        m_read.insert(text, date);
    return date;
}
