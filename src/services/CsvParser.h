#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <limits>

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

// The most a row may hold before it is too long to read: more fields, or more
// characters from its first to its last (line ends inside quotes included).
struct CsvRowLimits
{
    qsizetype fields = std::numeric_limits<qsizetype>::max();
    qsizetype chars = std::numeric_limits<qsizetype>::max();
};

// Reads comma-separated text one row at a time, so that a caller can walk a
// large file without holding all its rows. A double quote starts or ends
// quoting anywhere in a field, and two of them inside quotes stand for one.
// Outside quotes LF, CR LF and a lone CR all end a line. Fields are trimmed.
// A blank line (or one holding only an empty quoted field) is no row, except
// the last line of a text without a final line end, which is kept unless it is
// wholly empty: "a\n   " gives [a] and [""], "a\n\"\"" gives only [a].
class CsvRowReader
{
public:
    // The text must outlive the reader.
    explicit CsvRowReader(QStringView text, CsvRowLimits limits = {});

    // The next row, or false once the text has no more.
    bool next(QStringList* row);
    // The row next() gave last went past the limits: it holds only the fields
    // that came before, up to the limits, and must not be taken for the row.
    bool lastRowTooLong() const { return m_tooLong; }

    // Once next() has returned false: whether the text ended inside a quoted
    // field, the 1-based line on which that quote opened, and whether the last
    // row returned holds that field (no row is returned for a text like "a\n\"").
    bool endedInsideQuotes() const { return m_inQuotes; }
    int openQuoteLine() const;
    bool lastRowHoldsOpenQuote() const { return m_inQuotes && m_lastRowAtEnd; }

private:
    QStringView run(qsizetype end) const { return m_text.sliced(m_runStart, end - m_runStart); }
    // False, and the row marked too long, once the row has gone past the limits
    // at `end`: nothing more of it is kept.
    bool keeps(qsizetype end);
    void appendPending(qsizetype end);
    void endField(qsizetype end);
    void startRow(qsizetype start);

    QStringView m_text;
    CsvRowLimits m_limits;
    qsizetype m_rowStart = 0;
    bool m_rowTooLong = false; // the row being read
    qsizetype m_rowFields = 0; // the fields it has had, kept or not
    bool m_tooLong = false;    // the row given last
    qsizetype m_position = 0;
    // The field being read is m_pending followed by the unquoted run
    // m_text[m_runStart, m_position). A run is only copied into m_pending when a
    // quote interrupts it, so a plain field costs one allocation.
    qsizetype m_runStart = 0;
    QString m_pending;
    QStringList m_row;
    bool m_inQuotes = false;
    qsizetype m_openQuote = -1;
    bool m_atEnd = false;
    bool m_lastRowAtEnd = false;
};

// Every row of the text, as CsvRowReader reads them; pass a report to learn
// whether the text ended inside an open quote.
QList<QStringList> parseCsv(const QString& text, CsvParseReport* report = nullptr);
