#pragma once

#include <QString>

// How the columns of a CSV file map onto a transaction; filled by the import screen.
struct CsvImportOptions
{
    // 0-based field indexes. Date, payee and amount are always mapped.
    int dateColumn = 0;
    int payeeColumn = 1;
    int amountColumn = 2;
    // -1 for none.
    int memoColumn = -1;
    int categoryColumn = -1;
    // The first row holds column names and is not imported.
    bool hasHeaderRow = false;
    // A QDate::fromString format such as "MM/dd/yyyy"; empty means detect.
    QString dateFormat;
};
