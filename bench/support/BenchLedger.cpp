#include "BenchLedger.h"

#include <QElapsedTimer>
#include <QSqlDriver>
#include <QSqlQuery>

BenchLedger::BenchLedger(const LedgerShape& shape)
{
    if (!m_dir.isValid() || !m_state.openLedger(path())) {
        m_error = QStringLiteral("cannot create the ledger");
        return;
    }
    QElapsedTimer generation;
    generation.start();
    if (!LedgerGenerator(shape).generate(sql(), &m_ledger)) {
        m_error = QStringLiteral("cannot generate the ledger");
        return;
    }
    m_generationMs = generation.elapsed();
    // Measure reads of the database file, not of a write-ahead log.
    QSqlQuery checkpoint(sql());
    checkpoint.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
}

QString BenchLedger::path() const
{
    return m_dir.filePath(QStringLiteral("vellumry.db"));
}

sqlite3* BenchLedger::handle()
{
    const QVariant handle = sql().driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}
