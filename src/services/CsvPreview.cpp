#include "CsvPreview.h"

#include "CsvParser.h"
#include "ImportText.h"

#include <QFile>

#include <optional>
#include <utility>

CsvPreview readCsvPreview(const QString& filePath, int maxRows, const ImportLimits& limits)
{
    CsvPreview preview;
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return preview;
    const std::optional<QString> text = readImportText(file, limits.csvFileBytes);
    if (!text) {
        preview.tooLarge = true;
        return preview;
    }
    preview.opened = true;
    CsvRowReader reader(*text, {limits.csvRowFields, limits.csvRowChars});
    QStringList row;
    while (preview.rows.size() < maxRows && reader.next(&row))
        preview.rows.append(std::move(row));
    preview.moreRows = reader.next(&row);
    return preview;
}
