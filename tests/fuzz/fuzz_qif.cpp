#include "FuzzSupport.h"

#include "services/ImportText.h"
#include "services/QifParser.h"

#include <cstddef>
#include <cstdint>

// The text of a QIF file through the parser, in each order of day and month.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = decodeImportText(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    for (const QifDateOrder order : {QifDateOrder::Detect, QifDateOrder::MonthFirst, QifDateOrder::DayFirst}) {
        const QifParseResult result = parseQif(text, order);
        if (result.dateOrder == QifDateOrder::Detect)
            fuzzFailure(QStringLiteral("the parse did not settle the order of day and month"));
        if (order != QifDateOrder::Detect && result.dateOrder != order)
            fuzzFailure(QStringLiteral("the parse did not keep the order it was given"));
        // Records without a valid date are counted as skipped, never returned.
        for (const QifRecord& record : result.records) {
            if (!record.date.isValid())
                fuzzFailure(QStringLiteral("a record without a valid date was returned"));
        }
    }
    return 0;
}
