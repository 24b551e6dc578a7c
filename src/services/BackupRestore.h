#pragma once

#include "BackupService.h"
#include "BackupTables.h"

#include <QJsonObject>
#include <QList>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

#include <array>
#include <memory>
#include <optional>
#include <unordered_map>

// Writes the rows of a backup into the ledger by the import mode's rule. Keys
// of a row file name columns, but they come from a file: only the table's real
// columns are accepted, every identifier is quoted and every value bound.
// Statements are prepared once per table and column list, so a restore of
// thousands of alike rows runs a handful of statements. New transactions go in
// many to a statement (MultiRowInsert): one at a time, each would write the
// full-text index on its own.
class MultiRowInsert;

class BackupRestore
{
public:
    enum class Outcome {
        Written,  // inserted, or stored over the existing row
        Kept,     // the existing row stays, by the mode or because its transaction was kept
        Rejected, // the row file is not a row of the table (see Refusal)
        Failed,   // the statement failed; a row it refers to may still come
    };

    // Why a row was Rejected.
    enum class Refusal {
        None,
        NoId,
        UnknownColumn,  // a key that is no column of the table
        NotAValue,      // an array or object, which no column holds
        UnreadableDate, // a date column whose text the ledger would not read back
        NoTransaction,  // a split line without the id of its transaction
    };

    struct RowOutcome
    {
        Outcome outcome = Outcome::Written;
        Refusal refusal = Refusal::None;
        QString column;        // the key a refusal is about
        QString databaseError; // the database's own words for a Failed row
    };

    BackupRestore(QSqlDatabase& db, BackupImportMode mode);
    ~BackupRestore();

    // The outcome of the row the caller gave with `tag`.
    struct Settled
    {
        int tag;
        RowOutcome outcome;
    };

    // One row of any table but split_lines, named by `tag` for the caller.
    // Returns the outcomes known now, in the order the rows were given: a new
    // transaction is held back to go in with the next ones, and its outcome
    // comes with a later call or with flush().
    QList<Settled> restoreRow(BackupTable table, const QJsonObject& row, int tag);
    // Writes the rows held back; a row refused among them fails alone.
    QList<Settled> flush();

    // Split lines, in archive order. A transaction that this restore inserted or
    // overwrote gets exactly the backup's lines (its stored lines go first); the
    // lines of any other transaction are kept and the backup's counted as kept.
    // Returns the outcome of each line, in the order given.
    QList<RowOutcome> restoreSplitLines(const QList<QJsonObject>& lines);

private:
    // A row file as columns and bound values, the sync columns left out.
    struct Fields
    {
        QStringList columns;
        QVariantList values;
        QString id;
    };

    // The statement last used for a table, reused while the column lists repeat.
    struct CachedStatement
    {
        QStringList columns;
        QSqlQuery* query = nullptr;
    };

    struct TableState
    {
        bool loaded = false;
        QSet<QString> columns;
        // A table empty when the restore began holds only the rows it inserted:
        // an id it did not insert needs no lookup.
        bool emptyAtStart = false;
        QSet<QString> inserted;
        QSqlQuery* lookup = nullptr;
        CachedStatement insert;
        CachedStatement update;
    };

    // A new row as the columns and values an INSERT writes.
    struct NewRow
    {
        QStringList columns;
        QVariantList values;
        QString id;
        int tag = 0;
    };

    TableState& state(BackupTable table);
    // A Rejected outcome when the row file is no row of the table.
    std::optional<RowOutcome> readFields(BackupTable table, const QJsonObject& row, Fields* fields);
    NewRow newRow(BackupTable table, const Fields& fields) const;
    RowOutcome insertRow(BackupTable table, const NewRow& row);
    RowOutcome updateRow(BackupTable table, const Fields& fields);
    bool replaces(const QJsonObject& row, const QString& storedUpdatedAt) const;
    QSqlQuery& insertStatement(BackupTable table, const QStringList& columns);
    QSqlQuery& updateStatement(BackupTable table, const QStringList& columns);
    QSqlQuery& statement(const QString& sql);

    QSqlDatabase& m_db;
    BackupImportMode m_mode;
    std::array<TableState, kBackupTableCount> m_tables;
    // Prepared once per text and kept for the whole restore.
    std::unordered_map<QString, std::unique_ptr<QSqlQuery>> m_statements;
    // New transactions waiting to go in together, all with one column list.
    QList<NewRow> m_held;
    QSet<QString> m_heldIds;
    std::unique_ptr<MultiRowInsert> m_heldInsert;
    QStringList m_heldInsertColumns;
    QSet<QString> m_overwrittenTransactions;
};
