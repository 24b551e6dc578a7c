#pragma once

#include <QCoreApplication>
#include <QString>

class QFileInfo;

// Looks at the file the ledger is to be opened from, read-only, before the
// program's connection may write to it: opened as the ledger, another
// program's database would get the ledger's tables and a WAL journal even if
// it were refused afterwards. Nothing is written, and no journal or
// shared-memory file is made beside it.
class LedgerFileCheck
{
    Q_DECLARE_TR_FUNCTIONS(LedgerFileCheck)

public:
    enum class Verdict {
        // No file, an empty one, or a database without any table: a new ledger.
        Fresh,
        // A ledger, brought up to date by the migrations.
        Ledger,
        // A database of something else, a ledger's tables without the record
        // of its migrations, or a ledger with tables gone: never to be changed
        // by us.
        NotLedger,
        // SQLite could not read it (not a database at all, a damaged one).
        Unreadable,
        // A ledger, or the place for a new one, that this user cannot write.
        ReadOnly,
        // Not read (a lock held, a journal only a writer may roll back): the
        // program's own open finds out, as for a ledger.
        Unknown,
    };

    struct Result
    {
        Verdict verdict = Verdict::Fresh;
        // Why the file cannot be opened: SQLite's words, that it is no ledger
        // (with a second line saying why), or that it is read-only.
        QString cause;
    };

    static Result inspect(const QString& path);
    // The cause for a ledger file that SQLite could open for reading only.
    static QString readOnlyFile(const QString& path);

private:
    static Result inspectContent(const QFileInfo& file);
    static QString readOnlyCause(const QFileInfo& file);
};
