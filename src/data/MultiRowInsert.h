#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <memory>

class SqliteStatement;

// Writes rows of one table many to an INSERT statement. A statement is the
// unit in which SQLite journals a write and in which the full-text index of
// transactions flushes the terms its insert trigger collected: one row per
// statement writes the index once per row, hundreds of rows per statement
// once for all of them, through the same triggers and foreign keys.
class MultiRowInsert
{
public:
    static constexpr int kMaxRows = 500;

    // `table` and `columns` go into the SQL as they stand: constants, or names
    // the caller has quoted.
    MultiRowInsert(QSqlDatabase& db, const QString& table, const QStringList& columns);
    ~MultiRowInsert();

    MultiRowInsert(const MultiRowInsert&) = delete;
    MultiRowInsert& operator=(const MultiRowInsert&) = delete;

    // Inserts the rows whose values follow one another in `values`, each in
    // column order: all of them, or none when one is refused (a constraint, a
    // trigger). Up to kMaxRows rows go in one statement.
    bool insert(const QVariantList& values);

private:
    bool insertChunk(const QVariantList& values, int rows);
    QString sql(int rows) const;

    // A prepared statement for one number of rows: the full one is kept, and
    // the last of another size, since a batch's last statement repeats its size.
    struct Prepared
    {
        int rows = 0;
        std::unique_ptr<SqliteStatement> direct;
        std::unique_ptr<QSqlQuery> query;
    };
    Prepared& prepared(int rows);

    QSqlDatabase& m_db;
    QString m_head;
    QString m_rowMarks;
    qsizetype m_columnCount;
    Prepared m_full;
    Prepared m_other;
};
