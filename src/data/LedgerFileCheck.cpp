#include "LedgerFileCheck.h"

#include "Database.h"

#include <QFileInfo>
#include <QList>
#include <QStringList>
#include <QUrl>

#include <sqlite3.h>

#include <memory>

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

// A ledger's record of its migrations names each as this build does.
bool namesAgree(const QList<QStringList>& applied)
{
    for (const QStringList& row : applied) {
        for (const Database::Migration& migration : Database::migrations()) {
            if (row.at(0) == QString::number(migration.version) && row.at(1) != QLatin1String(migration.name))
                return false;
        }
    }
    return true;
}

} // namespace

LedgerFileCheck::Result LedgerFileCheck::inspect(const QString& path)
{
    const QFileInfo file(path);
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

    const Result notLedger{Verdict::NotLedger, tr("This file is not an Orvalen Vellumry ledger.")};
    if (!objects.contains(QStringList{QStringLiteral("table"), QStringLiteral("schema_version")}))
        return notLedger;
    // Other programs keep a schema_version table too; ours names the migrations.
    QList<QStringList> applied;
    if (!readRows(opened, "SELECT version, name FROM schema_version", applied) || !namesAgree(applied))
        return notLedger;
    // A first start that failed leaves the table empty, and nothing beside it.
    if (applied.isEmpty() && objects.size() > 1)
        return notLedger;
    return {Verdict::Ledger, QString()};
}
