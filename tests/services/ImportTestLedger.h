#pragma once

#include "TempDatabase.h"

#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionRepository.h"
#include "services/ImportService.h"

#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>

// "imported/duplicates/unreadable/database errors", with " failed" when the import failed.
inline QString outcome(const ImportResult& result)
{
    return QStringLiteral("%1/%2/%3/%4%5")
        .arg(result.imported)
        .arg(result.duplicatesSkipped)
        .arg(result.unparseableSkipped)
        .arg(result.databaseErrors)
        .arg(result.failed ? QStringLiteral(" failed") : QString());
}

// A fresh migrated ledger with the import service wired to its repositories as
// the program wires them, and a folder for the files to import. One at a time.
struct ImportTestLedger
{
    bool isReady() const { return db.isReady() && files.isValid(); }

    // The file's path (named "import-N" unless a name is given), or empty when it could not be written.
    QString writeFile(const QByteArray& bytes, const QString& name = QString())
    {
        const QString path = files.filePath(name.isEmpty() ? QStringLiteral("import-%1").arg(++fileCount) : name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return QString();
        return path;
    }

    // Every row of the query, its columns joined with '|'.
    QStringList rows(const QString& sql)
    {
        QSqlQuery query(db.sql());
        if (!query.exec(sql))
            return {QStringLiteral("query failed")};
        return rowTexts(query);
    }

    // From now on every COMMIT fails: a deferred foreign key that each transaction
    // insert breaks lets the rows go in and the end of the transaction refuse them.
    bool failEveryCommit()
    {
        return db.exec(QStringLiteral("CREATE TABLE commit_trap (account_id TEXT REFERENCES accounts(id) "
                                      "DEFERRABLE INITIALLY DEFERRED)"))
               && db.exec(QStringLiteral("CREATE TRIGGER commit_trap_ai AFTER INSERT ON transactions BEGIN "
                                         "INSERT INTO commit_trap VALUES ('no-such-account'); END"));
    }

    TempDatabase db;
    TransactionRepository transactions{db.database()};
    CategoryRepository categories{db.database()};
    SplitLineRepository splitLines{db.database()};
    AccountRepository accounts{db.database()};
    ImportService service{&transactions, &categories, &splitLines, &accounts};
    QTemporaryDir files;
    int fileCount = 0;
};
