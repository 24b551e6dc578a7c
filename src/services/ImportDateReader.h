#pragma once

#include <QDate>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringView>

// Which number comes first in a date like 03/04/2025.
enum class ImportDateOrder { MonthFirst, DayFirst };

// The year a two-digit year stands for: 00-69 are 2000-2069, 70-99 are 1970-1999.
int expandTwoDigitYear(int twoDigitYear);

// True when a QDate::fromString format writes the year with two digits ("yy"
// outside quoted text, and no "yyyy").
bool hasTwoDigitYear(QStringView format);

// A date read with a QDate::fromString format; a two-digit year is expanded by
// expandTwoDigitYear. Invalid when the text does not fit the format.
QDate readDate(const QString& text, const QString& format);

// The first of the usual bank-export formats that reads the text as a valid date:
// ISO and compact ISO first, then the numeric formats of the given order before
// those of the other (month first: 03/04/2025 is 4 March and 13/04/2025 is
// 13 April), two-digit years in the given order, year-first with slashes and
// written-out month names. Invalid when none fits.
QDate guessDate(const QString& text, ImportDateOrder order = ImportDateOrder::MonthFirst);

// True when only a day-first format reads the text ("24/03/2022", "24/03/22"):
// no month-first nor order-free format fits it.
bool readsOnlyDayFirst(const QString& text);

// Reads the date cells of one import: with the chosen format first, then by
// guessDate in one order for the whole file. The order is decided before the
// first read from every date cell, the way a QIF file's is: day first as soon as
// one cell only reads day first, else month first. Cell by cell, a file of
// 24/03/2022 and 08/04/2022 would give 24 March and 4 August.
class ImportDateReader
{
public:
    explicit ImportDateReader(const QString& format);

    // Every date cell of the file, before the first read(). Cells the chosen
    // format reads say nothing about the order.
    void survey(const QString& text);
    ImportDateOrder order() const { return m_order; }

    QDate read(const QString& text);

private:
    QString m_format;
    ImportDateOrder m_order = ImportDateOrder::MonthFirst;
    // A file repeats its dates thousands of times, and each try of a format
    // costs microseconds, so distinct texts are remembered, up to a bound that a
    // file of all-different cells cannot push memory past.
    QSet<QString> m_surveyed;
    QHash<QString, QDate> m_read;
};
