#include "BackupRestore.h"

#include "data/MultiRowInsert.h"
#include "data/SqlValues.h"

#include <QJsonValue>
#include <QSqlError>

#include <cmath>
#include <utility>

namespace {

const QString kIdKey = QStringLiteral("id");
const QString kUpdatedAtKey = QStringLiteral("updated_at");
const QString kSyncStatusKey = QStringLiteral("sync_status");
const QString kServerIdKey = QStringLiteral("server_id");
const QString kVersionKey = QStringLiteral("version");
const QString kTransactionIdKey = QStringLiteral("transaction_id");
const QString kPending = QStringLiteral("pending");

QString quoted(const QString& identifier)
{
    QString text = identifier;
    text.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString quotedTable(BackupTable table)
{
    return quoted(QLatin1String(backupTableInfo(table).name));
}

bool isSyncColumn(const QString& key)
{
    return key == kSyncStatusKey || key == kServerIdKey || key == kVersionKey;
}

// The SQL value of a JSON value; false for arrays and objects, which no column holds.
bool sqlValue(const QJsonValue& value, QVariant* out)
{
    switch (value.type()) {
    case QJsonValue::Null:
        *out = QVariant();
        return true;
    case QJsonValue::Bool:
        *out = QVariant(value.toBool() ? 1 : 0);
        return true;
    case QJsonValue::Double: {
        // Whole numbers (all that the ledger writes) go in as 64-bit integers;
        // the parser keeps them exact. A fraction is bound as it stands rather than cut.
        const QVariant number = value.toVariant();
        if (number.typeId() == QMetaType::LongLong) {
            *out = number;
            return true;
        }
        const double real = value.toDouble();
        const bool whole = std::trunc(real) == real && std::fabs(real) < 9.2e18;
        *out = whole ? QVariant(static_cast<qint64>(real)) : QVariant(real);
        return true;
    }
    case QJsonValue::String:
        *out = value.toString();
        return true;
    default:
        return false;
    }
}

QString textOf(const QJsonObject& row, const QString& key)
{
    const QJsonValue value = row.value(key);
    return value.isString() ? value.toString() : QString();
}

void bindAll(QSqlQuery& query, const QVariantList& values)
{
    for (qsizetype i = 0; i < values.size(); ++i)
        query.bindValue(static_cast<int>(i), values.at(i));
}

// The columns that hold a calendar date. The ledger reads them as "yyyy-MM-dd"
// and sorts and compares them as text, so a restored date must be in exactly
// that form; only an optional one may be empty.
struct DateColumn
{
    BackupTable table;
    const char* name;
    bool optional;
};

constexpr DateColumn kDateColumns[] = {
    {BackupTable::Transactions, "date", false},
    {BackupTable::Recurring, "start_date", false},
    {BackupTable::Recurring, "end_date", true},
    {BackupTable::Recurring, "next_due_date", false},
    {BackupTable::Reconciliations, "statement_date", false},
};

// False when the value of a date column is no date the ledger reads back as
// written. NULL is left to the column's own constraint.
bool isReadableDate(BackupTable table, const QString& column, const QJsonValue& value)
{
    for (const DateColumn& date : kDateColumns) {
        if (date.table != table || column != QLatin1String(date.name))
            continue;
        if (value.isNull())
            return true;
        if (!value.isString())
            return false;
        const QString text = value.toString();
        if (text.isEmpty())
            return date.optional;
        const QDate read = SqlValues::parseDate(text);
        return SqlValues::isStorableDate(read) && SqlValues::dateText(read) == text;
    }
    return true;
}

BackupRestore::RowOutcome outcomeOf(BackupRestore::Outcome outcome)
{
    BackupRestore::RowOutcome result;
    result.outcome = outcome;
    return result;
}

BackupRestore::RowOutcome rejected(BackupRestore::Refusal refusal, const QString& column = QString())
{
    return {BackupRestore::Outcome::Rejected, refusal, column, QString()};
}

BackupRestore::RowOutcome failed(const QSqlQuery& query)
{
    return {BackupRestore::Outcome::Failed, BackupRestore::Refusal::None, QString(),
            query.lastError().databaseText()};
}

} // namespace

BackupRestore::BackupRestore(QSqlDatabase& db, BackupImportMode mode)
    : m_db(db)
    , m_mode(mode)
{
}

BackupRestore::~BackupRestore() = default;

QList<BackupRestore::Settled> BackupRestore::restoreRow(BackupTable table, const QJsonObject& row, int tag)
{
    // A row whose outcome is known at once comes after the held ones.
    const auto settle = [this, tag](const RowOutcome& outcome) {
        QList<Settled> settled = flush();
        settled.append({tag, outcome});
        return settled;
    };
    Fields fields;
    if (const std::optional<RowOutcome> refused = readFields(table, row, &fields))
        return settle(*refused);

    // An id held back is not stored yet: the lookup must find it.
    QList<Settled> settled = m_heldIds.contains(fields.id) ? flush() : QList<Settled>();
    TableState& tableState = state(table);
    bool found = false;
    QString storedUpdatedAt;
    if (!tableState.emptyAtStart || tableState.inserted.contains(fields.id)) {
        if (!tableState.lookup) {
            tableState.lookup = &statement(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?")
                                               .arg(quoted(kUpdatedAtKey), quotedTable(table), quoted(kIdKey)));
        }
        QSqlQuery& lookup = *tableState.lookup;
        lookup.bindValue(0, fields.id);
        if (!lookup.exec())
            return settled + settle(failed(lookup));
        found = lookup.next();
        storedUpdatedAt = found ? lookup.value(0).toString() : QString();
        lookup.finish();
    }

    if (!found) {
        NewRow newOne = newRow(table, fields);
        newOne.tag = tag;
        if (table != BackupTable::Transactions)
            return settled + settle(insertRow(table, newOne));
        if (!m_held.isEmpty() && m_held.first().columns != newOne.columns)
            settled += flush();
        m_heldIds.insert(newOne.id);
        m_held.append(std::move(newOne));
        if (m_held.size() >= MultiRowInsert::kMaxRows)
            settled += flush();
        return settled;
    }
    if (m_mode == BackupImportMode::SkipExisting)
        return settled + settle(outcomeOf(Outcome::Kept));
    if (m_mode == BackupImportMode::KeepNewer && !replaces(row, storedUpdatedAt))
        return settled + settle(outcomeOf(Outcome::Kept));
    return settled + settle(updateRow(table, fields));
}

QList<BackupRestore::Settled> BackupRestore::flush()
{
    QList<Settled> settled;
    if (m_held.isEmpty())
        return settled;
    const QList<NewRow> held = std::exchange(m_held, {});
    m_heldIds.clear();
    QStringList columns;
    for (const QString& column : held.first().columns)
        columns.append(quoted(column));
    if (!m_heldInsert || m_heldInsertColumns != columns) {
        m_heldInsert = std::make_unique<MultiRowInsert>(m_db, quotedTable(BackupTable::Transactions), columns);
        m_heldInsertColumns = columns;
    }
    QVariantList values;
    values.reserve(held.size() * columns.size());
    for (const NewRow& row : held)
        values.append(row.values);
    const bool together = m_heldInsert->insert(values);
    for (const NewRow& row : held) {
        if (together) {
            state(BackupTable::Transactions).inserted.insert(row.id);
            settled.append({row.tag, outcomeOf(Outcome::Written)});
        } else {
            settled.append({row.tag, insertRow(BackupTable::Transactions, row)});
        }
    }
    return settled;
}

QList<BackupRestore::RowOutcome> BackupRestore::restoreSplitLines(const QList<QJsonObject>& lines)
{
    // An overwritten transaction takes the backup's lines, or none: its stored
    // lines have other ids and would otherwise stay beside the restored ones.
    QHash<QString, QString> notCleared; // the database's error by transaction id
    QSqlQuery& clear = statement(
        QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(quotedTable(BackupTable::SplitLines), quoted(kTransactionIdKey)));
    for (const QString& transactionId : std::as_const(m_overwrittenTransactions)) {
        clear.bindValue(0, transactionId);
        if (!clear.exec())
            notCleared.insert(transactionId, clear.lastError().databaseText());
    }

    QList<RowOutcome> outcomes;
    outcomes.reserve(lines.size());
    for (const QJsonObject& line : lines) {
        const QString transactionId = textOf(line, kTransactionIdKey);
        Fields fields;
        if (const std::optional<RowOutcome> refused = readFields(BackupTable::SplitLines, line, &fields))
            outcomes.append(*refused);
        else if (transactionId.isEmpty())
            outcomes.append(rejected(Refusal::NoTransaction));
        else if (!state(BackupTable::Transactions).inserted.contains(transactionId)
                 && !m_overwrittenTransactions.contains(transactionId))
            outcomes.append(outcomeOf(Outcome::Kept));
        else if (notCleared.contains(transactionId))
            outcomes.append({Outcome::Failed, Refusal::None, QString(), notCleared.value(transactionId)});
        else
            outcomes.append(insertRow(BackupTable::SplitLines, newRow(BackupTable::SplitLines, fields)));
    }
    return outcomes;
}

BackupRestore::TableState& BackupRestore::state(BackupTable table)
{
    TableState& tableState = m_tables[static_cast<std::size_t>(backupTableIndex(table))];
    if (!tableState.loaded) {
        tableState.loaded = true;
        QSqlQuery any(m_db);
        tableState.emptyAtStart =
            any.exec(QStringLiteral("SELECT 1 FROM %1 LIMIT 1").arg(quotedTable(table))) && !any.next();
        QSqlQuery info(m_db);
        if (info.exec(QStringLiteral("PRAGMA table_info(%1)").arg(quotedTable(table)))) {
            while (info.next())
                tableState.columns.insert(info.value(1).toString());
        } else {
            SqlValues::logFailure(u"BackupRestore::state", info);
        }
    }
    return tableState;
}

std::optional<BackupRestore::RowOutcome> BackupRestore::readFields(BackupTable table, const QJsonObject& row,
                                                                   Fields* fields)
{
    const bool synced = backupTableInfo(table).synced;
    const QSet<QString>& columns = state(table).columns;
    fields->columns.reserve(row.size());
    fields->values.reserve(row.size());
    for (auto it = row.constBegin(); it != row.constEnd(); ++it) {
        const QString key = it.key();
        if (!columns.contains(key))
            return rejected(Refusal::UnknownColumn, key);
        // The file's sync columns describe the row on the device that exported
        // it; the restore sets its own.
        if (synced && isSyncColumn(key))
            continue;
        QVariant value;
        if (!sqlValue(it.value(), &value))
            return rejected(Refusal::NotAValue, key);
        if (!isReadableDate(table, key, it.value()))
            return rejected(Refusal::UnreadableDate, key);
        if (key == kIdKey)
            fields->id = it.value().toString();
        fields->columns.append(key);
        fields->values.append(value);
    }
    if (fields->id.isEmpty())
        return rejected(Refusal::NoId);
    return std::nullopt;
}

BackupRestore::NewRow BackupRestore::newRow(BackupTable table, const Fields& fields) const
{
    NewRow row{fields.columns, fields.values, fields.id};
    if (backupTableInfo(table).synced) {
        // A restored row is a local change that no server has seen yet.
        row.columns << kSyncStatusKey << kServerIdKey << kVersionKey;
        row.values << kPending << QVariant() << 1;
    }
    return row;
}

BackupRestore::RowOutcome BackupRestore::insertRow(BackupTable table, const NewRow& row)
{
    QSqlQuery& insert = insertStatement(table, row.columns);
    bindAll(insert, row.values);
    if (!insert.exec())
        return failed(insert);
    state(table).inserted.insert(row.id);
    return outcomeOf(Outcome::Written);
}

BackupRestore::RowOutcome BackupRestore::updateRow(BackupTable table, const Fields& fields)
{
    QStringList columns;
    QVariantList values;
    for (qsizetype i = 0; i < fields.columns.size(); ++i) {
        if (fields.columns.at(i) == kIdKey)
            continue;
        columns.append(fields.columns.at(i));
        values.append(fields.values.at(i));
    }
    if (backupTableInfo(table).synced) {
        columns.append(kSyncStatusKey);
        values.append(kPending);
    }
    if (columns.isEmpty())
        return outcomeOf(Outcome::Written);
    values.append(fields.id);
    QSqlQuery& update = updateStatement(table, columns);
    bindAll(update, values);
    if (!update.exec())
        return failed(update);
    if (table == BackupTable::Transactions)
        m_overwrittenTransactions.insert(fields.id);
    return outcomeOf(Outcome::Written);
}

bool BackupRestore::replaces(const QJsonObject& row, const QString& storedUpdatedAt) const
{
    // A row file without a time cannot be older than anything.
    const QString fileText = textOf(row, kUpdatedAtKey);
    if (fileText.isEmpty())
        return true;
    // Times compare as instants: "2024-03-05T14:07:09Z" and "2024-03-05T15:07:09+01:00"
    // are the same moment, whatever their texts say when sorted.
    const QDateTime fileTime = SqlValues::parseTimestamp(fileText);
    if (!fileTime.isValid())
        return false;
    const QDateTime storedTime = SqlValues::parseTimestamp(storedUpdatedAt);
    return !storedTime.isValid() || fileTime > storedTime;
}

QSqlQuery& BackupRestore::insertStatement(BackupTable table, const QStringList& columns)
{
    CachedStatement& cache = state(table).insert;
    if (cache.query && cache.columns == columns)
        return *cache.query;
    QString names;
    QString marks;
    for (const QString& column : columns) {
        if (!names.isEmpty()) {
            names += QLatin1String(", ");
            marks += QLatin1String(", ");
        }
        names += quoted(column);
        marks += QLatin1Char('?');
    }
    cache.columns = columns;
    cache.query = &statement(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(quotedTable(table), names, marks));
    return *cache.query;
}

QSqlQuery& BackupRestore::updateStatement(BackupTable table, const QStringList& columns)
{
    CachedStatement& cache = state(table).update;
    if (cache.query && cache.columns == columns)
        return *cache.query;
    QStringList assignments;
    for (const QString& column : columns)
        assignments.append(quoted(column) + QLatin1String(" = ?"));
    // The overwritten row keeps its server id, and its version moves past the
    // stored one, so that the next sync pushes the restored row instead of
    // pulling the old one back over it.
    if (backupTableInfo(table).synced)
        assignments.append(QStringLiteral("%1 = %1 + 1").arg(quoted(kVersionKey)));
    cache.columns = columns;
    cache.query = &statement(QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?")
                                 .arg(quotedTable(table), assignments.join(QLatin1String(", ")), quoted(kIdKey)));
    return *cache.query;
}

QSqlQuery& BackupRestore::statement(const QString& sql)
{
    std::unique_ptr<QSqlQuery>& query = m_statements[sql];
    if (!query) {
        query = std::make_unique<QSqlQuery>(m_db);
        query->prepare(sql);
    }
    return *query;
}
