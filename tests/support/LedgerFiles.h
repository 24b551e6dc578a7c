#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class Database;

// Files that may lie where the ledger is to be opened, and what is left of
// them afterwards.
namespace LedgerFiles {

enum class Made {
    Nothing,
    Empty,
    RandomBytes,
    // `sql` run by another program on a new database, closed after.
    Database,
    // The same with its first page's table header overwritten.
    DamagedDatabase,
    // A whole ledger, made and closed by the program, then `sql` run by
    // another program.
    Ledger,
    // The same, one migration short of this build's.
    OlderLedger,
};

bool make(const QString& path, Made made, const QByteArray& sql = QByteArray());
// A ledger the program took up to `version`, closed, then `sql` run by another program.
bool makeLedger(const QString& path, int version, const QByteArray& sql = QByteArray());
// Applies the migrations up to `version` to an open, unmigrated ledger.
bool migrateUpTo(Database& database, int version);
// SHA-256 of the file's bytes; empty when there is no file.
QByteArray checksum(const QString& path);
// The journal and shared-memory files beside it, as "-journal", "-shm", "-wal".
QStringList journalsBeside(const QString& path);

} // namespace LedgerFiles
