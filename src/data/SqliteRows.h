#pragma once

#include "SqliteStatement.h"

#include <QByteArrayView>
#include <QDate>
#include <QDateTime>
#include <QSqlDatabase>
#include <QString>
#include <QVariantList>

struct sqlite3;

// A forward-only read straight on the program's SQLite connection, for the few
// queries whose results can run to every transaction of the ledger. Qt's driver
// turns every text cell into UTF-16 and a QVariant before the caller sees it,
// which there costs more than the query itself; here a text is converted once,
// and only when asked for.
//
// Usable only where this program's SQLite library is the very build that runs
// the connection (available()); callers read through QSqlQuery otherwise.
class SqliteRows
{
public:
    // Prepares `sql` on `db` and binds `values` in order (texts, integers, NULLs).
    SqliteRows(QSqlDatabase& db, const QString& sql, const QVariantList& values);
    ~SqliteRows();

    SqliteRows(const SqliteRows&) = delete;
    SqliteRows& operator=(const SqliteRows&) = delete;

    // True when `db` is an open SQLite connection run by the same SQLite build
    // this program links; the answer about the build is found once per process.
    static bool available(QSqlDatabase& db);
    // Tests turn the direct reads and writes off to run the QSqlQuery path on the same data.
    static void setEnabled(bool enabled);
    // The connection's own handle, or nullptr when it is not an open SQLite
    // connection. Only for use once available() said yes.
    static sqlite3* handle(QSqlDatabase& db);

    bool isValid() const { return m_valid; }
    // The next row; false at the end or on an error.
    bool next();

    bool isNull(int column) const;
    qint64 int64(int column) const;
    // NULL reads as the empty text.
    QString text(int column) const;
    // The cell's own bytes, valid until the next row.
    QByteArrayView utf8(int column) const;
    // A stored "yyyy-MM-dd" date; anything else is read as SqlValues reads it.
    QDate date(int column) const;
    // A stored timestamp, read as SqlValues reads it; invalid for NULL.
    QDateTime timestamp(int column) const;

private:
    SqliteStatement m_statement;
    const QVariantList m_values; // bound where they are
    bool m_valid = false;
    bool m_finished = false;
};
