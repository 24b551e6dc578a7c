#include "BackupRestore.h"

#include "data/SqlValues.h"

#include <QJsonValue>
#include <QVariant>

#include <cmath>

namespace {

const QString kIdKey = QStringLiteral("id");
const QString kUpdatedAtKey = QStringLiteral("updated_at");
const QString kSyncStatusKey = QStringLiteral("sync_status");
const QString kServerIdKey = QStringLiteral("server_id");
const QString kVersionKey = QStringLiteral("version");
const QString kTransactionIdKey = QStringLiteral("transaction_id");

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

} // namespace

BackupRestore::BackupRestore(QSqlDatabase& db, BackupImportMode mode)
    : m_db(db)
    , m_mode(mode)
{
}

BackupRestore::Outcome BackupRestore::restoreRow(BackupTable table, QJsonObject row)
{
    if (backupTableInfo(table).synced) {
        // A restored row is a local change the server has not seen yet.
        row.insert(kSyncStatusKey, QStringLiteral("pending"));
        row.insert(kServerIdKey, QJsonValue::Null);
        row.insert(kVersionKey, 1);
    }
    const QString id = textOf(row, kIdKey);
    if (id.isEmpty() || !acceptsKeys(table, row))
        return Outcome::Rejected;

    QSqlQuery& lookup = statement(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?")
                                     .arg(quoted(kUpdatedAtKey), quotedTable(table), quoted(kIdKey)));
    lookup.bindValue(0, id);
    if (!lookup.exec())
        return Outcome::Failed;
    const bool found = lookup.next();
    const QString storedUpdatedAt = found ? lookup.value(0).toString() : QString();
    lookup.finish();

    if (!found)
        return insertRow(table, row);
    if (m_mode == BackupImportMode::SkipExisting)
        return Outcome::Kept;
    if (m_mode == BackupImportMode::KeepNewer && !replaces(row, storedUpdatedAt))
        return Outcome::Kept;
    return updateRow(table, row, id);
}

QList<BackupRestore::Outcome> BackupRestore::restoreSplitLines(const QList<QJsonObject>& lines)
{
    // An overwritten transaction takes the backup's lines, or none: its stored
    // lines have other ids and would otherwise stay beside the restored ones.
    QSet<QString> notCleared;
    for (const QString& transactionId : std::as_const(m_overwrittenTransactions)) {
        QSqlQuery& clear = statement(QStringLiteral("DELETE FROM %1 WHERE %2 = ?")
                                        .arg(quotedTable(BackupTable::SplitLines), quoted(kTransactionIdKey)));
        clear.bindValue(0, transactionId);
        if (!clear.exec())
            notCleared.insert(transactionId);
    }

    QList<Outcome> outcomes;
    outcomes.reserve(lines.size());
    for (const QJsonObject& line : lines) {
        const QString transactionId = textOf(line, kTransactionIdKey);
        if (transactionId.isEmpty() || textOf(line, kIdKey).isEmpty())
            outcomes.append(Outcome::Rejected);
        else if (!m_insertedTransactions.contains(transactionId) && !m_overwrittenTransactions.contains(transactionId))
            outcomes.append(Outcome::Kept);
        else if (notCleared.contains(transactionId))
            outcomes.append(Outcome::Failed);
        else if (!acceptsKeys(BackupTable::SplitLines, line))
            outcomes.append(Outcome::Rejected);
        else
            outcomes.append(insertRow(BackupTable::SplitLines, line));
    }
    return outcomes;
}

bool BackupRestore::acceptsKeys(BackupTable table, const QJsonObject& row)
{
    TableColumns& columns = m_columns[static_cast<std::size_t>(backupTableIndex(table))];
    if (!columns.loaded) {
        columns.loaded = true;
        QSqlQuery info(m_db);
        if (info.exec(QStringLiteral("PRAGMA table_info(%1)").arg(quotedTable(table)))) {
            while (info.next())
                columns.names.insert(info.value(1).toString());
        } else {
            SqlValues::logFailure(u"BackupRestore::acceptsKeys", info);
        }
    }
    for (auto it = row.constBegin(); it != row.constEnd(); ++it) {
        if (!columns.names.contains(it.key()))
            return false;
    }
    return true;
}

BackupRestore::Outcome BackupRestore::insertRow(BackupTable table, const QJsonObject& row)
{
    QString columns;
    QString marks;
    QVariantList values;
    values.reserve(row.size());
    for (auto it = row.constBegin(); it != row.constEnd(); ++it) {
        QVariant value;
        if (!sqlValue(it.value(), &value))
            return Outcome::Rejected;
        if (!values.isEmpty()) {
            columns += QLatin1String(", ");
            marks += QLatin1String(", ");
        }
        columns += quoted(it.key());
        marks += QLatin1Char('?');
        values.append(value);
    }
    QSqlQuery& insert = statement(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(quotedTable(table), columns, marks));
    bindAll(insert, values);
    if (!insert.exec())
        return Outcome::Failed;
    if (table == BackupTable::Transactions)
        m_insertedTransactions.insert(row.value(kIdKey).toString());
    return Outcome::Written;
}

BackupRestore::Outcome BackupRestore::updateRow(BackupTable table, const QJsonObject& row, const QString& id)
{
    const bool synced = backupTableInfo(table).synced;
    QString assignments;
    QVariantList values;
    values.reserve(row.size());
    for (auto it = row.constBegin(); it != row.constEnd(); ++it) {
        const QString& key = it.key();
        // The row keeps its server id, and its version moves past the stored one,
        // so that the next sync pushes the restored row instead of pulling the old one back.
        if (key == kIdKey || (synced && (key == kServerIdKey || key == kVersionKey)))
            continue;
        QVariant value;
        if (!sqlValue(it.value(), &value))
            return Outcome::Rejected;
        if (!assignments.isEmpty())
            assignments += QLatin1String(", ");
        assignments += quoted(key) + QLatin1String(" = ?");
        values.append(value);
    }
    if (synced) {
        if (!assignments.isEmpty())
            assignments += QLatin1String(", ");
        assignments += QStringLiteral("%1 = %1 + 1").arg(quoted(kVersionKey));
    }
    if (assignments.isEmpty())
        return Outcome::Written;
    values.append(id);
    QSqlQuery& update = statement(
        QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?").arg(quotedTable(table), assignments, quoted(kIdKey)));
    bindAll(update, values);
    if (!update.exec())
        return Outcome::Failed;
    if (table == BackupTable::Transactions)
        m_overwrittenTransactions.insert(id);
    return Outcome::Written;
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

QSqlQuery& BackupRestore::statement(const QString& sql)
{
    std::unique_ptr<QSqlQuery>& query = m_statements[sql];
    if (!query) {
        query = std::make_unique<QSqlQuery>(m_db);
        query->prepare(sql);
    }
    return *query;
}
