#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <QVariantList>

struct sqlite3_stmt;

// A statement prepared straight on the program's SQLite connection. Binding
// through QSqlQuery costs several times what SQLite itself spends on a value,
// which decides the time of a write of thousands of rows; here a value costs
// next to nothing. Usable only where SqliteRows::available() said yes.
class SqliteStatement
{
public:
    SqliteStatement(QSqlDatabase& db, const QString& sql);
    ~SqliteStatement();

    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    bool isValid() const { return m_statement != nullptr; }

    // Binds the values in order from the first parameter on, as Qt's driver
    // binds them: NULL for a null value or a null QString, integers and reals
    // as numbers, anything else as its text. False when one does not fit.
    // SQLite reads the texts where they are: `values` must stay as it is until
    // the statement has run.
    bool bind(const QVariantList& values);
    // Runs a write to its end and makes the statement ready for new values.
    // False when it failed; SQLite has then undone all of this statement.
    bool exec();
    // The database's words for the last failure.
    QString errorText() const { return m_error; }

    sqlite3_stmt* get() const { return m_statement; }

private:
    sqlite3_stmt* m_statement = nullptr;
    QString m_error;
};
