#pragma once

#include "ImportLimits.h"

#include <QList>
#include <QString>
#include <QStringList>

// The first rows of a CSV file, for the import screen to show while the user
// maps the columns.
struct CsvPreview
{
    // False when the file could not be opened, or was refused for its size.
    bool opened = false;
    // Larger than the limits allow: nothing was read, and the import would
    // refuse it too (ImportService::csvSizeProblem()).
    bool tooLarge = false;
    // At most the number of rows asked for, the header row included, read as
    // the import reads them (decodeImportText, then the CSV rules of parseCsv).
    // A row longer than the limits allow holds only its first fields.
    QList<QStringList> rows;
    // The file holds rows after those.
    bool moreRows = false;
};

// Reads the first maxRows rows of the file and stops: a file of a million rows
// is decoded, but only the rows shown are parsed, and of a row only what the
// limits let a row hold.
CsvPreview readCsvPreview(const QString& filePath, int maxRows, const ImportLimits& limits);
