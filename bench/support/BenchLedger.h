#pragma once

#include "LedgerGenerator.h"

#include "data/Database.h"
#include "state/AppState.h"

#include <QSqlDatabase>
#include <QString>
#include <QTemporaryDir>

struct sqlite3;

// The generated ledger every benchmark measures: a fresh file in a temporary
// folder, opened as the program opens it (its repositories and services built
// by AppState), filled by LedgerGenerator and checkpointed.
class BenchLedger
{
public:
    explicit BenchLedger(const LedgerShape& shape = LedgerShape());

    // False, with the reason in error(), when the file could not be made or filled.
    bool isReady() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }

    AppState* state() { return &m_state; }
    Database* database() { return m_state.database; }
    QSqlDatabase& sql() { return m_state.database->database(); }
    const GeneratedLedger& ledger() const { return m_ledger; }
    qint64 generationMs() const { return m_generationMs; }
    QString path() const;
    // The connection's own SQLite handle, for the raw floor; nullptr when the driver is not SQLite.
    sqlite3* handle();

private:
    QTemporaryDir m_dir;
    AppState m_state;
    GeneratedLedger m_ledger;
    qint64 m_generationMs = 0;
    QString m_error;
};
