#pragma once

#include <QCoreApplication>
#include <QString>

struct ImportLimits;
struct ImportResult;

// What the import screen's summary page says about one import: what was
// imported, each kind of row left out when there were any, and what went wrong.
class ImportSummary
{
    Q_DECLARE_TR_FUNCTIONS(ImportSummary)

public:
    // The limits the import read the file with, for the rows it refused as too long.
    static QString text(const ImportResult& result, const ImportLimits& limits);
};
