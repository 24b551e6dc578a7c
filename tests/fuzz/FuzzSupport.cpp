#include "FuzzSupport.h"

#include "TestEnvironment.h"
#include "data/Clock.h"

#include <QCoreApplication>
#include <QDir>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimeZone>

#include <cstdio>
#include <cstdlib>

namespace {

void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    prepareTestEnvironment();
    qputenv("LC_ALL", "C.UTF-8");
    qInstallMessageHandler(quietMessages);
    static int argc = 1;
    static char name[] = "vellumry-fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    Clock::setFixedNow(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9), QTimeZone::utc()));
    return 0;
}

void fuzzFailure(const QString& what)
{
    std::fprintf(stderr, "fuzz target: %s\n", qPrintable(what));
    std::abort();
}

FuzzLedger& freshLedger()
{
    static FuzzLedger ledger;
    ledger.reset();
    return ledger;
}

QString fuzzFilePath(const QString& name)
{
    return QDir(testRootPath()).filePath(name);
}

FuzzLedger::FuzzLedger()
{
    if (!m_database.open(QStringLiteral(":memory:")) || !m_database.migrate())
        fuzzFailure(QStringLiteral("the ledger cannot be opened and migrated"));
    QSqlQuery tables(m_database.database());
    if (!tables.exec(QStringLiteral("SELECT name, type FROM pragma_table_list WHERE schema = 'main'")))
        fuzzFailure(QStringLiteral("the tables cannot be listed: ") + tables.lastError().text());
    QStringList counts;
    while (tables.next()) {
        const QString name = tables.value(0).toString();
        const QString type = tables.value(1).toString();
        // Every table with rows of its own is counted, SQLite's and the
        // search index's shadow tables included.
        if (type == QLatin1String("table") || type == QLatin1String("shadow"))
            counts.append(QStringLiteral("SELECT '%1', COUNT(*) FROM \"%1\"").arg(name));
        // The schema, and the version table that says which migrations ran,
        // stay as the migrations left them.
        if (type == QLatin1String("table") && name != QLatin1String("schema_version")
            && name != QLatin1String("sqlite_schema"))
            m_tables.append(name);
        // A full-text index is emptied through itself, never through its
        // shadow tables; only FTS5 tables take 'delete-all', and any other
        // virtual table makes reset() fail loudly.
        else if (type == QLatin1String("virtual"))
            m_searchIndexes.append(name);
    }
    m_countStatement = counts.join(QLatin1String(" UNION ALL "));
    m_freshCounts = rowCounts();
}

void FuzzLedger::reset()
{
    // Foreign keys would make the order of the deletes matter; the pragma
    // only takes effect outside a transaction.
    exec(QStringLiteral("PRAGMA foreign_keys = OFF"));
    QSqlQuery begin(m_database.database());
    if (!begin.exec(QStringLiteral("BEGIN")))
        fuzzFailure(QStringLiteral("the last input left a transaction open: ") + begin.lastError().text());
    for (const QString& table : std::as_const(m_tables))
        exec(QStringLiteral("DELETE FROM \"%1\"").arg(table));
    for (const QString& index : std::as_const(m_searchIndexes))
        exec(QStringLiteral("INSERT INTO \"%1\"(\"%1\") VALUES ('delete-all')").arg(index));
    exec(QStringLiteral("COMMIT"));
    exec(QStringLiteral("PRAGMA foreign_keys = ON"));
    if (rowCounts() != m_freshCounts)
        fuzzFailure(QStringLiteral("the ledger is not empty after a reset"));
}

QMap<QString, qint64> FuzzLedger::rowCounts()
{
    QSqlQuery query(m_database.database());
    if (!query.exec(m_countStatement))
        fuzzFailure(QStringLiteral("the tables cannot be counted: ") + query.lastError().text());
    QMap<QString, qint64> counts;
    while (query.next())
        counts.insert(query.value(0).toString(), query.value(1).toLongLong());
    return counts;
}

void FuzzLedger::exec(const QString& statement)
{
    QSqlQuery query(m_database.database());
    if (!query.exec(statement))
        fuzzFailure(QStringLiteral("%1 failed: %2").arg(statement, query.lastError().text()));
}
