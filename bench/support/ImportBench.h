#pragma once

#include "services/ImportResult.h"

#include <QList>
#include <QPair>
#include <QString>

#include <functional>

class ImportService;

// What the import benchmarks share: timing one import on a ledger file, and the
// two floors they compare with, both run by the sqlite3 shell in one
// transaction against a ledger with the same schema, triggers and foreign keys:
// the rows that import stored written back as one INSERT statement per row (as
// a dump writes them), and the same rows in one INSERT ... SELECT per table.
// Per row, each statement pays for its own journal and full-text flush as the
// program once did; the one-statement floor is what SQLite needs for the rows.

struct TimedImport
{
    double ms = 0;
    ImportResult result;
    int changeSignals = 0; // transactionsChanged signals the import sent
};

// Opens the ledger with the repositories and the import service, as the program
// builds them, and times `run` on the service.
TimedImport timeImport(const QString& ledgerPath, const std::function<ImportResult(ImportService&)>& run);

struct ShellRace
{
    const char* importName = "";
    int rounds = 3;
    int rows = 0; // transactions that every round stores
    double aim = 0; // against the one-statement floor
    // Id and name of each empty account the ledgers start with.
    QList<QPair<QString, QString>> accounts;
    std::function<TimedImport(const QString& ledgerPath)> import;
    // Empty when the import stored what it should, else what went wrong.
    std::function<QString(const ImportResult&)> check;
};

// Each round makes three such ledgers in `folder`, imports into one and lets the
// shell insert the same rows into the others, once per row and once per table;
// prints every round, the medians, the minima and the ratios. Returns the last
// import's ledger, or empty after a failure it printed.
QString raceTheShell(const QString& folder, const ShellRace& race);

// -1 when the ledger cannot be read.
int countRows(const QString& ledgerPath, const QString& table);
