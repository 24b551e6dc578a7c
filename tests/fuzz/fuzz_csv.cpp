#include "FuzzSupport.h"

#include "services/CsvParser.h"
#include "services/ImportText.h"

#include <QStringDecoder>

#include <cstddef>
#include <cstdint>

// The bytes of a CSV file as the import reads them: decoded, then split into rows.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // Qt's own decoder is the second opinion on what is well-formed UTF-8.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString asUtf8 = utf8.decode(bytes);
    if (isStrictUtf8(bytes) == utf8.hasError())
        fuzzFailure(QStringLiteral("isStrictUtf8 and Qt disagree on whether the bytes are UTF-8"));
    const QString text = decodeImportText(bytes);
    if (!utf8.hasError() && !bytes.startsWith("\xEF\xBB\xBF") && text != asUtf8)
        fuzzFailure(QStringLiteral("well-formed UTF-8 without a byte-order mark was not read as UTF-8"));

    CsvParseReport report;
    const QList<QStringList> rows = parseCsv(text, &report);
    if (report.unterminatedQuote) {
        if (report.unterminatedQuoteLine < 1 || report.unterminatedQuoteRow >= rows.size())
            fuzzFailure(QStringLiteral("an open quote is reported on line %1, row %2 of %3")
                            .arg(report.unterminatedQuoteLine)
                            .arg(report.unterminatedQuoteRow)
                            .arg(rows.size()));
    } else if (report.unterminatedQuoteLine != 0 || report.unterminatedQuoteRow != -1) {
        fuzzFailure(QStringLiteral("every quote closed, yet a line or row of an open quote is reported"));
    }
    for (const QStringList& row : rows) {
        for (const QString& field : row) {
            if (field != field.trimmed())
                fuzzFailure(QStringLiteral("a field is not trimmed: ") + field);
        }
    }

    // Limits only ever mark rows: the same rows come, in the same order, and a
    // marked one holds no more than the limits let it keep.
    constexpr qsizetype kFields = 3;
    constexpr qsizetype kChars = 16;
    CsvRowReader limited(text, {kFields, kChars});
    QStringList row;
    qsizetype index = 0;
    while (limited.next(&row)) {
        if (index >= rows.size())
            fuzzFailure(QStringLiteral("limits made more rows than %1").arg(rows.size()));
        const QStringList& whole = rows.at(index);
        if (!limited.lastRowTooLong() && row != whole)
            fuzzFailure(QStringLiteral("row %1 within the limits reads apart from the row without them").arg(index));
        if (limited.lastRowTooLong()
            && (row.size() > kFields || row.size() > whole.size() || row != whole.first(row.size())))
            fuzzFailure(QStringLiteral("row %1 past the limits keeps what is not its first fields").arg(index));
        ++index;
    }
    if (index != rows.size())
        fuzzFailure(QStringLiteral("limits made %1 rows of %2").arg(index).arg(rows.size()));
    return 0;
}
