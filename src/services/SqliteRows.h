#pragma once

#include <QByteArrayView>
#include <QDate>
#include <QSqlDatabase>
#include <QString>
#include <QVariantList>

struct sqlite3_stmt;

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
    // Tests turn the direct reads off to run the QSqlQuery path on the same data.
    static void setEnabled(bool enabled);

    bool isValid() const { return m_statement != nullptr; }
    // The next row; false at the end or on an error.
    bool next();

    bool isNull(int column) const;
    qint64 int64(int column) const;
    // NULL reads as the empty text.
    QString text(int column) const;
    // A stored "yyyy-MM-dd" date; anything else is read as SqlValues reads it.
    QDate date(int column) const;

private:
    QByteArrayView utf8(int column) const;

    sqlite3_stmt* m_statement = nullptr;
    bool m_finished = false;
};
