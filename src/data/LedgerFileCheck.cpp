#include "LedgerFileCheck.h"

#include "Database.h"

#include <QDir>
#include <QFileInfo>
#include <QList>
#include <QSet>
#include <QStringList>
#include <QUrl>

#include <sqlite3.h>

#include <algorithm>
#include <memory>
#include <utility>

namespace {

struct CloseConnection
{
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};

struct FinalizeStatement
{
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};

// Every row of a query, its columns read as text; false when SQLite failed,
// its error code and words then being the connection's.
bool readRows(sqlite3* db, const char* sql, QList<QStringList>& rows)
{
    sqlite3_stmt* prepared = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &prepared, nullptr) != SQLITE_OK)
        return false;
    const std::unique_ptr<sqlite3_stmt, FinalizeStatement> statement(prepared);
    const int columns = sqlite3_column_count(prepared);
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(prepared)) == SQLITE_ROW) {
        QStringList row;
        for (int column = 0; column < columns; ++column)
            row.append(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(prepared, column))));
        rows.append(row);
    }
    return step == SQLITE_DONE;
}

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

LedgerFileCheck::Result LedgerFileCheck::inspect(const QString& path)
{
    // SQLite's name for a database in memory: no file, and to Qt a resource
    // path whose folder cannot be written.
    if (path == QLatin1String(":memory:"))
        return {Verdict::Fresh, QString()};
    const QFileInfo file(path);
    const Result content = inspectContent(file);
    if (content.verdict == Verdict::NotLedger || content.verdict == Verdict::Unreadable)
        return content;
    const QString readOnly = readOnlyCause(file);
    if (!readOnly.isEmpty())
        return {Verdict::ReadOnly, readOnly};
    return content;
}

QString LedgerFileCheck::readOnlyFile(const QString& path)
{
    return tr("The file %1 is read-only.").arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
}

QString LedgerFileCheck::readOnlyCause(const QFileInfo& file)
{
    if (file.exists() && !file.isWritable())
        return readOnlyFile(file.filePath());
    // SQLite makes its journal and shared-memory files beside the ledger.
    const QFileInfo folder(file.absolutePath());
    if (folder.isDir() && !folder.isWritable())
        return tr("The folder %1 is read-only.").arg(QDir::toNativeSeparators(folder.absoluteFilePath()));
    return QString();
}

LedgerFileCheck::Result LedgerFileCheck::inspectContent(const QFileInfo& file)
{
    if (!file.exists() || file.size() == 0)
        return {Verdict::Fresh, QString()};

    // With no journal beside it the file holds the whole database and is read
    // as immutable: SQLite then takes no lock and makes no -wal or -shm file,
    // as a plain read-only open of a WAL database would. A journal beside it
    // belongs to the database and is read with it.
    const QString absolute = file.absoluteFilePath();
    const bool journal = QFileInfo::exists(absolute + QLatin1String("-wal"))
                         || QFileInfo::exists(absolute + QLatin1String("-journal"));
    QUrl uri = QUrl::fromLocalFile(absolute);
    uri.setQuery(journal ? QStringLiteral("mode=ro") : QStringLiteral("immutable=1"));

    sqlite3* opened = nullptr;
    const int openResult =
        sqlite3_open_v2(uri.toEncoded().constData(), &opened, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
    const std::unique_ptr<sqlite3, CloseConnection> db(opened);
    if (openResult != SQLITE_OK)
        return {Verdict::Unknown, QString()};

    QList<QStringList> objects;
    if (!readRows(opened, "SELECT type, name FROM sqlite_master WHERE name NOT LIKE 'sqlite\\_%' ESCAPE '\\'",
                  objects)) {
        const int code = sqlite3_errcode(opened) & 0xff;
        if (code == SQLITE_NOTADB || code == SQLITE_CORRUPT)
            return {Verdict::Unreadable, QString::fromUtf8(sqlite3_errmsg(opened))};
        // A lock held, a journal only a writer can roll back: the program's
        // own open, which waits for locks, finds out.
        return {Verdict::Unknown, QString()};
    }
    if (objects.isEmpty())
        return {Verdict::Fresh, QString()};
    QSet<QString> tables;
    for (const QStringList& object : std::as_const(objects)) {
        if (object.at(0) == QLatin1String("table"))
            tables.insert(object.at(1).toLower());
    }

    const auto notLedger = [](const QString& why) {
        return Result{Verdict::NotLedger, tr("This file is not an Orvalen Vellumry ledger.") + QLatin1Char('\n') + why};
    };
    const QString noRecord = tr("It has no record of a ledger's migrations.");
    if (!tables.contains(QStringLiteral("schema_version")))
        return notLedger(noRecord);
    QList<QStringList> applied;
    if (!readRows(opened, "SELECT version, name FROM schema_version ORDER BY version", applied)) {
        return notLedger(
            tr("Its record of migrations cannot be read: %1").arg(QString::fromUtf8(sqlite3_errmsg(opened))));
    }
    // A first start that failed leaves the table empty, and nothing beside it.
    if (applied.isEmpty())
        return objects.size() > 1 ? notLedger(noRecord) : Result{Verdict::Ledger, QString()};

    // Other programs keep a schema_version table too. A ledger's starts with
    // our migrations, in order and under our names; those of a newer build
    // may follow.
    const QList<Database::Migration>& migrations = Database::migrations();
    const qsizetype known = std::min(applied.size(), migrations.size());
    QStringList missing;
    for (qsizetype i = 0; i < known; ++i) {
        const QString version = QString::number(migrations.at(i).version);
        const QString name = QLatin1String(migrations.at(i).name);
        const QStringList& row = applied.at(i);
        if (row.at(0) != version || row.at(1) != name) {
            return notLedger(tr("Its record of migrations lists %1 %2 where a ledger has %3 %4.")
                                 .arg(row.at(0), quoted(row.at(1)), version, quoted(name)));
        }
        const QStringList made =
            QString::fromLatin1(migrations.at(i).tables).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (const QString& table : made) {
            if (!tables.contains(table))
                missing.append(quoted(table));
        }
    }
    if (missing.size() == 1)
        return notLedger(tr("Its table %1 is missing.").arg(missing.constFirst()));
    if (!missing.isEmpty())
        return notLedger(tr("Its tables %1 are missing.").arg(missing.join(QLatin1String(", "))));
    return {Verdict::Ledger, QString()};
}
