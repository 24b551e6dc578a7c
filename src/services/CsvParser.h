#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What a caller needs to tell the user about a parse beyond its rows.
struct CsvParseReport
{
    // The text ended inside a quoted field, so that field took in everything
    // from its opening quote to the end of the text.
    bool unterminatedQuote = false;
    // The 1-based line on which that quote opened.
    int unterminatedQuoteLine = 0;
    // The index of the row holding that field, or -1 when no row was kept.
    int unterminatedQuoteRow = -1;
};

// Splits comma-separated text into rows of trimmed fields. A double quote starts
// or ends quoting anywhere in a field, and two of them inside quotes stand for
// one. Outside quotes LF, CR LF and a lone CR all end a line; blank lines are
// dropped. Every text gives some rows; pass a report to learn whether the text
// ended inside an open quote.
QList<QStringList> parseCsv(const QString& text, CsvParseReport* report = nullptr);
