#include "LedgerFiles.h"

#include "data/Database.h"

#include <QCryptographicHash>
#include <QFile>
#include <QList>
#include <QRandomGenerator>

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
    case Made::Ledger: {
        Database ledger;
        return ledger.open(path) && ledger.migrate();
    }
    }
    return false;
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
