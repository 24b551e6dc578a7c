#include "Database.h"

#include "LedgerFileCheck.h"
#include "SqlValues.h"
#include "SqliteRows.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

#include <sqlite3.h>

namespace {

const char* const kConnectionName = "qt_sql_default_connection";

const char* const kCreateSchemaVersion =
    "CREATE TABLE IF NOT EXISTS schema_version (  version INTEGER PRIMARY KEY,  "
    "name    TEXT NOT NULL,  applied_at TEXT NOT NULL DEFAULT (datetime('now')))";

void appendStatement(QStringList& statements, QString& buffer)
{
    QString statement = buffer.trimmed();
    buffer.clear();
    if (statement.isEmpty() || statement == QLatin1String(";"))
        return;
    if (statement.endsWith(QLatin1Char(';')))
        statement.chop(1);
    statement = statement.trimmed();
    if (!statement.isEmpty())
        statements.append(statement);
}

} // namespace

QStringList splitSqlStatements(const QString& script)
{
    QStringList statements;
    QString buffer;
    int depth = 0;

    const QStringList lines = script.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const QString t = line.trimmed();
        if (t.startsWith(QLatin1String("--")))
            continue;

        buffer += line;
        buffer += QLatin1Char('\n');

        const QString upper = t.toUpper();
        if (upper.contains(QLatin1String("BEGIN")))
            ++depth;
        if (upper.startsWith(QLatin1String("END")) && depth >= 1)
            --depth;

        if (depth != 0 || !t.endsWith(QLatin1Char(';')))
            continue;
        appendStatement(statements, buffer);
    }
    appendStatement(statements, buffer);
    return statements;
}

Database::Database(QObject* parent)
    : QObject(parent)
{
}

Database::~Database()
{
    if (m_opened) {
        m_db.close();
        m_opened = false;
    }
    // Release our handle before the registration goes, so Qt does not warn that
    // the connection is still in use.
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QLatin1String(kConnectionName));
}

bool Database::open(const QString& path)
{
    m_path = path;
    m_failureCause.clear();
    const LedgerFileCheck::Result check = LedgerFileCheck::inspect(path);
    switch (check.verdict) {
    case LedgerFileCheck::Verdict::NotLedger:
    case LedgerFileCheck::Verdict::Unreadable:
    case LedgerFileCheck::Verdict::ReadOnly:
        return refuse(check.cause);
    case LedgerFileCheck::Verdict::Fresh:
    case LedgerFileCheck::Verdict::Ledger:
    case LedgerFileCheck::Verdict::Unknown:
        break;
    }

    m_madeFile = !QFileInfo::exists(path);
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QLatin1String(kConnectionName));
    m_db.setDatabaseName(path);
    if (!m_db.open()) {
        qCritical().noquote() << "Failed to open database:" << m_db.lastError().text();
        m_failureCause = SqlValues::failureCause(m_db.lastError());
        return false;
    }
    // Permissions the file system keeps to itself (another user's ACL, say)
    // leave SQLite only a read-only file. Closed before the first statement,
    // the connection has made no -wal or -shm file it could not take away.
    if (SqliteRows::available(m_db) && sqlite3_db_readonly(SqliteRows::handle(m_db), "main") == 1) {
        m_db.close();
        return refuse(LedgerFileCheck::readOnlyFile(path));
    }

    QSqlQuery pragma(m_db);
    pragma.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    pragma.exec(QStringLiteral("PRAGMA foreign_keys=ON"));
    m_opened = true;
    return true;
}

bool Database::refuse(const QString& cause)
{
    m_failureCause = cause;
    qCritical().noquote() << "Failed to open database:" << m_failureCause;
    return false;
}

const QList<Database::Migration>& Database::migrations()
{
    static const QList<Migration> list = {
        {1, "initial", ":/sql/sql/migrations/001_initial.sql",
         "accounts categories transactions split_lines recurring_transactions reconciliations transaction_templates "
         "sync_queue preferences transactions_fts"},
        {2, "recon_sync", ":/sql/sql/migrations/002_recon_sync.sql", ""},
        {3, "recurring_lead_days", ":/sql/sql/migrations/003_recurring_lead_days.sql", ""},
        {4, "recurring_interval", ":/sql/sql/migrations/004_recurring_interval.sql", ""},
        {5, "recurring_semimonthly", ":/sql/sql/migrations/005_recurring_semimonthly.sql", ""},
    };
    return list;
}

bool Database::migrate()
{
    QSqlQuery create(m_db);
    if (!create.exec(QLatin1String(kCreateSchemaVersion))) {
        qCritical().noquote() << "Failed to create schema_version table:" << create.lastError().text();
        m_failureCause = SqlValues::failureCause(create.lastError());
        return false;
    }

    int current = 0;
    QSqlQuery max(m_db);
    if (max.exec(QStringLiteral("SELECT MAX(version) FROM schema_version")) && max.next())
        current = max.value(0).toInt();

    for (const Migration& migration : migrations()) {
        if (migration.version <= current)
            continue;

        const QString path = QLatin1String(migration.resourcePath);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            const QString message = QStringLiteral("Cannot read migration file: %1").arg(path);
            qCritical().noquote() << message;
            m_failureCause = message;
            emit migrationError(migration.version, message);
            return false;
        }
        const QString script = QString::fromUtf8(file.readAll());
        if (!applyMigration(migration.version, QLatin1String(migration.name), script))
            return false;
    }
    return true;
}

bool Database::applyMigration(int version, const QString& name, const QString& script)
{
    m_db.transaction();

    const QStringList statements = splitSqlStatements(script);
    for (const QString& statement : statements) {
        QSqlQuery query(m_db);
        if (!query.exec(statement)) {
            qCritical() << "Migration" << version << "failed:" << query.lastError().text() << "\nStatement:"
                        << statement.left(200);
            return abandonMigration(version, query.lastError());
        }
    }

    QSqlQuery record(m_db);
    record.prepare(QStringLiteral("INSERT INTO schema_version (version, name) VALUES (?, ?)"));
    record.addBindValue(version);
    record.addBindValue(name);
    if (!record.exec())
        return abandonMigration(version, record.lastError());

    // In WAL mode the pages reach the disk only now: a full disk fails the
    // commit, after every statement went through.
    if (!m_db.commit()) {
        qCritical() << "Migration" << version << "failed:" << m_db.lastError().text();
        return abandonMigration(version, m_db.lastError());
    }
    qInfo() << "Applied migration" << version << name;
    emit migrationApplied(version, name);
    return true;
}

bool Database::abandonMigration(int version, const QSqlError& error)
{
    m_db.rollback();
    m_failureCause = SqlValues::failureCause(error);
    emit migrationError(version, error.text());
    return false;
}

QSqlDatabase& Database::database()
{
    return m_db;
}

bool Database::isOpen() const
{
    return m_opened;
}

QString Database::failureCause() const
{
    return m_failureCause;
}

void Database::discardNewFile()
{
    if (!m_madeFile)
        return;
    m_madeFile = false;
    m_db.close();
    m_opened = false;
    for (const char* suffix : {"", "-wal", "-shm", "-journal"})
        QFile::remove(m_path + QLatin1String(suffix));
}

void Database::announceLedgerReset()
{
    emit ledgerReset();
}
