#pragma once

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringView>

// The year a two-digit year stands for: 00-69 are 2000-2069, 70-99 are 1970-1999.
int expandTwoDigitYear(int twoDigitYear);

// True when a QDate::fromString format writes the year with two digits ("yy"
// outside quoted text, and no "yyyy").
bool hasTwoDigitYear(QStringView format);

// A date read with a QDate::fromString format; a two-digit year is expanded by
// expandTwoDigitYear. Invalid when the text does not fit the format.
QDate readDate(const QString& text, const QString& format);

// The first of the usual bank-export formats that reads the text as a valid date:
// ISO and compact ISO first, month-first before day-first (so 03/04/2025 is
// 4 March and 13/04/2025 is 13 April), then two-digit years, year-first with
// slashes and written-out month names. Invalid when none fits.
QDate guessDate(const QString& text);

// Reads the date cells of one import: with the chosen format first, then by
// guessDate. A file repeats its dates thousands of times, and each try of a
// format costs microseconds, so every distinct text is read only once.
class ImportDateReader
{
public:
    explicit ImportDateReader(const QString& format);

    QDate read(const QString& text);

private:
    QString m_format;
    QHash<QString, QDate> m_read;
};
