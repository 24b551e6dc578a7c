#pragma once

#include "data/Database.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

// Every fuzz target links this file, whose LLVMFuzzerInitialize isolates the
// process like a test's main (temporary HOME, XDG and data folders), drops
// the log (one line per input would slow the search to a crawl and bury the
// sanitizer's report), makes the application object and pins "now".

// Reports a broken expectation and aborts, which libFuzzer and the
// sanitizers take as a crash of the current input.
[[noreturn]] void fuzzFailure(const QString& what);

// A migrated ledger in memory on the program's connection, opened once per
// process and emptied before each input: every input meets the same fresh
// ledger without paying for the migrations again.
class FuzzLedger
{
public:
    FuzzLedger();

    Database* database() { return &m_database; }

    // Empties every table and the search index, then fails unless the ledger
    // is exactly as the migrations left it: a leftover row would make one
    // input's result depend on the inputs before it.
    void reset();

    // Table -> number of rows, for every table including SQLite's own and
    // the search index's shadow tables.
    QMap<QString, qint64> rowCounts();

private:
    void exec(const QString& statement);

    Database m_database;
    QStringList m_tables;
    QStringList m_searchIndexes;
    QString m_countStatement;
    QMap<QString, qint64> m_freshCounts;
};

// The ledger of this process, emptied for the next input.
FuzzLedger& freshLedger();

// The temporary folder of this process joined with name.
QString fuzzFilePath(const QString& name);
