#include "CsvParser.h"

#include <utility>

namespace {

// A line that held nothing but blanks (or one empty quoted field) is no row.
bool isBlankRow(const QStringList& row)
{
    return row.size() == 1 && row.constFirst().isEmpty();
}

int lineOf(const QString& text, qsizetype position)
{
    int line = 1;
    for (qsizetype i = 0; i < position; ++i) {
        const QChar c = text.at(i);
        if (c == u'\n' || (c == u'\r' && (i + 1 >= text.size() || text.at(i + 1) != u'\n')))
            ++line;
    }
    return line;
}

// The field being read is `pending` followed by the unquoted run text[runStart, i).
// Runs are only copied into `pending` when a quote interrupts them, so a plain
// field costs one allocation.
class CsvReader
{
public:
    explicit CsvReader(const QString& text)
        : m_text(text)
        , m_data(text.constData())
        , m_size(text.size())
    {
    }

    QList<QStringList> read(CsvParseReport* report);

private:
    QStringView run(qsizetype end) const { return QStringView(m_data + m_runStart, end - m_runStart); }
    void endField(qsizetype end);
    bool endRow();

    const QString& m_text;
    const QChar* m_data;
    qsizetype m_size;
    qsizetype m_runStart = 0;
    QString m_pending;
    QStringList m_row;
    QList<QStringList> m_rows;
};

void CsvReader::endField(qsizetype end)
{
    if (m_pending.isEmpty()) {
        m_row.append(run(end).trimmed().toString());
    } else {
        m_pending.append(run(end));
        m_row.append(m_pending.trimmed());
        m_pending.clear();
    }
}

bool CsvReader::endRow()
{
    const qsizetype width = m_row.size();
    const bool kept = !isBlankRow(m_row);
    if (kept)
        m_rows.append(std::move(m_row));
    // Rows of one file tend to have one width: size the next row like this one.
    m_row = QStringList();
    m_row.reserve(width);
    return kept;
}

QList<QStringList> CsvReader::read(CsvParseReport* report)
{
    bool inQuotes = false;
    qsizetype openQuote = -1;
    for (qsizetype i = 0; i < m_size; ++i) {
        const char16_t c = m_data[i].unicode();
        if (inQuotes) {
            if (c != u'"')
                continue;
            if (i + 1 < m_size && m_data[i + 1] == u'"') {
                m_pending.append(run(i + 1)); // keeps one of the two quotes
                ++i;
            } else {
                m_pending.append(run(i));
                inQuotes = false;
            }
            m_runStart = i + 1;
            continue;
        }
        switch (c) {
        case u'"':
            m_pending.append(run(i));
            inQuotes = true;
            openQuote = i;
            m_runStart = i + 1;
            break;
        case u',':
            endField(i);
            m_runStart = i + 1;
            break;
        case u'\r':
        case u'\n':
            endField(i);
            endRow();
            if (c == u'\r' && i + 1 < m_size && m_data[i + 1] == u'\n')
                ++i;
            m_runStart = i + 1;
            break;
        default:
            break;
        }
    }

    // A last line without a line end still counts, unless it is blank.
    bool lastRowKept = false;
    if (m_runStart < m_size || !m_pending.isEmpty() || !m_row.isEmpty()) {
        endField(m_size);
        lastRowKept = endRow();
    }

    if (report) {
        *report = CsvParseReport();
        if (inQuotes) {
            report->unterminatedQuote = true;
            report->unterminatedQuoteLine = lineOf(m_text, openQuote);
            // No line ended after the open quote, so its field is in the last row.
            report->unterminatedQuoteRow = lastRowKept ? int(m_rows.size() - 1) : -1;
        }
    }
    return m_rows;
}

} // namespace

QList<QStringList> parseCsv(const QString& text, CsvParseReport* report)
{
    return CsvReader(text).read(report);
}
