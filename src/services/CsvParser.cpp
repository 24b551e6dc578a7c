#include "CsvParser.h"

#include <utility>

namespace {

// A line that held nothing but blanks (or one empty quoted field) is no row.
bool isBlankRow(const QStringList& row)
{
    return row.size() == 1 && row.constFirst().isEmpty();
}

// Whether a field written as `raw` (quotes and all) holds nothing but blanks,
// read by the same quoting rules as the reader: "" inside quotes is a quote.
bool isBlankField(QStringView raw)
{
    bool inQuotes = false;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw.at(i) != u'"') {
            if (!raw.at(i).isSpace())
                return false;
            continue;
        }
        if (inQuotes && i + 1 < raw.size() && raw.at(i + 1) == u'"')
            return false;
        inQuotes = !inQuotes;
    }
    return true;
}

int lineOf(QStringView text, qsizetype position)
{
    int line = 1;
    for (qsizetype i = 0; i < position; ++i) {
        const QChar c = text.at(i);
        if (c == u'\n' || (c == u'\r' && (i + 1 >= text.size() || text.at(i + 1) != u'\n')))
            ++line;
    }
    return line;
}

} // namespace

CsvRowReader::CsvRowReader(QStringView text, CsvRowLimits limits)
    : m_text(text)
    , m_limits(limits)
{
}

bool CsvRowReader::keeps(qsizetype end)
{
    if (m_rowTooLong)
        return false;
    if (end - m_rowStart <= m_limits.chars)
        return true;
    m_rowTooLong = true;
    m_pending = QString();
    return false;
}

void CsvRowReader::appendPending(qsizetype end)
{
    if (keeps(end))
        m_pending.append(run(end));
}

void CsvRowReader::endField(qsizetype end)
{
    ++m_rowFields;
    if (!keeps(end))
        return;
    if (m_row.size() >= m_limits.fields) {
        m_rowTooLong = true;
        m_pending = QString();
        return;
    }
    if (m_pending.isEmpty()) {
        m_row.append(run(end).trimmed().toString());
    } else {
        m_pending.append(run(end));
        m_row.append(m_pending.trimmed());
        m_pending.clear();
    }
}

void CsvRowReader::startRow(qsizetype start)
{
    m_runStart = start;
    m_rowStart = start;
    m_rowTooLong = false;
    m_rowFields = 0;
}

bool CsvRowReader::next(QStringList* row)
{
    const QChar* data = m_text.data();
    const qsizetype size = m_text.size();
    bool inQuotes = m_inQuotes;
    for (qsizetype i = m_position; i < size; ++i) {
        const char16_t c = data[i].unicode();
        if (inQuotes) {
            if (c != u'"')
                continue;
            if (i + 1 < size && data[i + 1] == u'"') {
                appendPending(i + 1); // keeps one of the two quotes
                ++i;
            } else {
                appendPending(i);
                inQuotes = false;
            }
            m_runStart = i + 1;
            continue;
        }
        switch (c) {
        case u'"':
            appendPending(i);
            inQuotes = true;
            m_openQuote = i;
            m_runStart = i + 1;
            break;
        case u',':
            endField(i);
            m_runStart = i + 1;
            break;
        case u'\r':
        case u'\n': {
            endField(i);
            // A line of blanks is no row, however long: only a field that was
            // not kept needs its text looked at again.
            const bool blank = m_rowTooLong
                                   ? m_rowFields == 1 && isBlankField(m_text.sliced(m_rowStart, i - m_rowStart))
                                   : isBlankRow(m_row);
            if (c == u'\r' && i + 1 < size && data[i + 1] == u'\n')
                ++i;
            if (blank) {
                m_row.clear();
                startRow(i + 1);
                break;
            }
            m_position = i + 1;
            m_tooLong = m_rowTooLong;
            startRow(i + 1);
            // Rows of one file tend to have one width: size the next row like this one.
            const qsizetype width = m_row.size();
            row->swap(m_row);
            m_row.clear();
            m_row.reserve(width);
            return true;
        }
        default:
            break;
        }
    }
    m_position = size;
    m_inQuotes = inQuotes;
    if (m_atEnd)
        return false;
    m_atEnd = true;
    // The last line needs no line end and is kept even when blank; only a line
    // with nothing at all in it (or an empty quoted field) gives no row.
    if (m_row.isEmpty() && m_pending.isEmpty() && m_runStart >= size && !m_rowTooLong)
        return false;
    endField(size);
    m_tooLong = m_rowTooLong;
    row->swap(m_row);
    m_row.clear();
    m_lastRowAtEnd = true;
    return true;
}

int CsvRowReader::openQuoteLine() const
{
    return m_inQuotes ? lineOf(m_text, m_openQuote) : 0;
}

QList<QStringList> parseCsv(const QString& text, CsvParseReport* report)
{
    CsvRowReader reader(text);
    QList<QStringList> rows;
    QStringList row;
    while (reader.next(&row))
        rows.append(std::move(row));
    if (report) {
        *report = CsvParseReport();
        if (reader.endedInsideQuotes()) {
            report->unterminatedQuote = true;
            report->unterminatedQuoteLine = reader.openQuoteLine();
            // No line ended after the open quote, so its field is in the last row.
            report->unterminatedQuoteRow = reader.lastRowHoldsOpenQuote() ? int(rows.size() - 1) : -1;
        }
    }
    return rows;
}
