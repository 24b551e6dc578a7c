#include "LedgerFiles.h"

#include "data/Database.h"

#include <QCryptographicHash>
#include <QFile>
#include <QList>
#include <QRandomGenerator>
#include <QSqlQuery>

#include <sqlite3.h>

namespace LedgerFiles {

namespace {

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray randomBytes()
{
    QList<quint32> words(1024);
    QRandomGenerator(73).fillRange(words.data(), words.size());
    return QByteArray(reinterpret_cast<const char*>(words.constData()), words.size() * int(sizeof(quint32)));
}

bool runSql(const QString& path, const QByteArray& sql)
{
    sqlite3* db = nullptr;
    const bool ran = sqlite3_open(QFile::encodeName(path).constData(), &db) == SQLITE_OK
                     && sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    return sqlite3_close(db) == SQLITE_OK && ran;
}

} // namespace

bool make(const QString& path, Made made, const QByteArray& sql)
{
    switch (made) {
    case Made::Nothing:
        return !QFile::exists(path);
    case Made::Empty:
        return writeBytes(path, QByteArray());
    case Made::RandomBytes:
        return writeBytes(path, randomBytes());
    case Made::Database:
        return runSql(path, sql);
    case Made::DamagedDatabase: {
        QFile file(path);
        return runSql(path, sql) && file.open(QIODevice::ReadWrite) && file.seek(100)
               && file.write(QByteArray(12, '\xff')) == 12;
    }
    case Made::Ledger:
        return makeLedger(path, Database::migrations().constLast().version, sql);
    case Made::OlderLedger:
        return makeLedger(path, Database::migrations().constLast().version - 1, sql);
    }
    return false;
}

bool makeLedger(const QString& path, int version, const QByteArray& sql)
{
    {
        Database ledger;
        if (!ledger.open(path) || !migrateUpTo(ledger, version))
            return false;
    }
    return sql.isEmpty() || runSql(path, sql);
}

bool migrateUpTo(Database& database, int version)
{
    QSqlQuery create(database.database());
    bool ok = create.exec(
        QStringLiteral("CREATE TABLE IF NOT EXISTS schema_version (  version INTEGER PRIMARY KEY,  "
                       "name    TEXT NOT NULL,  applied_at TEXT NOT NULL DEFAULT (datetime('now')))"));
    for (const Database::Migration& migration : Database::migrations()) {
        QFile script(QLatin1String(migration.resourcePath));
        if (migration.version <= version) {
            ok = ok && script.open(QIODevice::ReadOnly | QIODevice::Text)
                 && database.applyMigration(migration.version, QLatin1String(migration.name),
                                            QString::fromUtf8(script.readAll()));
        }
    }
    return ok;
}

QByteArray checksum(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex();
}

QStringList journalsBeside(const QString& path)
{
    QStringList found;
    for (const char* suffix : {"-journal", "-shm", "-wal"}) {
        if (QFile::exists(path + QLatin1String(suffix)))
            found.append(QLatin1String(suffix));
    }
    return found;
}

} // namespace LedgerFiles
