#include "BackupService.h"

#include "BackupRestore.h"
#include "ZipReader.h"
#include "ZipWriter.h"

#include "data/Clock.h"
#include "data/Database.h"
#include "data/SqlTransaction.h"
#include "data/SqlValues.h"

#include <QDebug>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>

namespace {

const QString kManifestName = QStringLiteral("manifest.json");
const QString kRowSuffix = QStringLiteral(".json");
constexpr int kBackupVersion = 1;

// The JSON form of a column value, by the type the driver reports.
QJsonValue jsonValue(const QVariant& value)
{
    if (value.isNull())
        return QJsonValue(QJsonValue::Null);
    switch (value.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
        return QJsonValue(value.toLongLong());
    case QMetaType::Double:
        return QJsonValue(value.toDouble());
    case QMetaType::Bool:
        return QJsonValue(value.toBool() ? 1 : 0);
    default:
        return QJsonValue(value.toString());
    }
}

QString entryError(const QString& path, ZipReader::ReadStatus status)
{
    switch (status) {
    case ZipReader::ReadStatus::TooLarge:
        return BackupService::tr("%1: entry too large").arg(path);
    case ZipReader::ReadStatus::Damaged:
        return BackupService::tr("%1: damaged entry (checksum or data error)").arg(path);
    default:
        return BackupService::tr("%1: unexpected error").arg(path);
    }
}

// The row object of one entry; false, with the problem noted, when there is none.
bool readRow(const ZipReader& zip, qint64 index, QJsonObject* row, QStringList* errors)
{
    const QString path = zip.entryName(index);
    QByteArray bytes;
    const ZipReader::ReadStatus status = zip.read(index, BackupService::kMaxRowEntryBytes, &bytes);
    if (status != ZipReader::ReadStatus::Ok) {
        errors->append(entryError(path, status));
        return false;
    }
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    if (!document.isObject() || document.object().isEmpty()) {
        errors->append(BackupService::tr("%1: invalid JSON").arg(path));
        return false;
    }
    *row = document.object();
    return true;
}

// The row entries of each table, in directory order: "<folder>/....json".
std::array<QList<qint64>, kBackupTableCount> rowEntries(const ZipReader& zip)
{
    QHash<QString, int> tableOfFolder;
    for (const BackupTableInfo& table : kBackupTables)
        tableOfFolder.insert(QLatin1String(table.folder), backupTableIndex(table.table));
    std::array<QList<qint64>, kBackupTableCount> entries;
    const qint64 count = zip.entryCount();
    for (qint64 index = 0; index < count; ++index) {
        const QString name = zip.entryName(index);
        if (!name.endsWith(kRowSuffix))
            continue;
        const qsizetype slash = name.indexOf(QLatin1Char('/'));
        const int table = slash > 0 ? tableOfFolder.value(name.left(slash), -1) : -1;
        if (table >= 0)
            entries[static_cast<std::size_t>(table)].append(index);
    }
    return entries;
}

void count(BackupImportResult* result, BackupTable table, BackupRestore::Outcome outcome)
{
    const auto index = static_cast<std::size_t>(backupTableIndex(table));
    if (outcome == BackupRestore::Outcome::Written)
        ++result->imported[index];
    else
        ++result->skipped[index];
}

struct PendingRow
{
    BackupTable table;
    QJsonObject row;
};

// Writes the rows of every table; the caller holds the transaction.
void restoreRows(QSqlDatabase& db, const ZipReader& zip, BackupImportMode mode, BackupImportResult* result)
{
    BackupRestore restore(db, mode);
    const std::array<QList<qint64>, kBackupTableCount> entries = rowEntries(zip);
    QList<PendingRow> failed;
    QList<QJsonObject> splitLines;
    for (const BackupTableInfo& table : kBackupTables) {
        for (const qint64 index : entries[static_cast<std::size_t>(backupTableIndex(table.table))]) {
            QJsonObject row;
            if (!readRow(zip, index, &row, &result->errors))
                continue;
            if (table.table == BackupTable::SplitLines) {
                splitLines.append(row);
                continue;
            }
            const BackupRestore::Outcome outcome = restore.restoreRow(table.table, row);
            if (outcome == BackupRestore::Outcome::Failed)
                failed.append({table.table, row});
            else
                count(result, table.table, outcome);
        }
    }

    // A row may refer to one that comes later in the archive (a category before
    // its parent): retry the failures while a pass still writes something.
    bool progress = true;
    while (progress && !failed.isEmpty()) {
        progress = false;
        QList<PendingRow> stillFailing;
        for (const PendingRow& pending : std::as_const(failed)) {
            const BackupRestore::Outcome outcome = restore.restoreRow(pending.table, pending.row);
            if (outcome == BackupRestore::Outcome::Failed) {
                stillFailing.append(pending);
                continue;
            }
            progress = progress || outcome == BackupRestore::Outcome::Written;
            count(result, pending.table, outcome);
        }
        failed = stillFailing;
    }
    for (const PendingRow& pending : std::as_const(failed))
        count(result, pending.table, BackupRestore::Outcome::Failed);

    // Split lines go last, once every transaction they could belong to is settled.
    const QList<BackupRestore::Outcome> lineOutcomes = restore.restoreSplitLines(splitLines);
    for (const BackupRestore::Outcome outcome : lineOutcomes)
        count(result, BackupTable::SplitLines, outcome);
}

} // namespace

BackupService::BackupService(Database* database, QObject* parent)
    : QObject(parent)
    , m_database(database)
{
}

QByteArray BackupService::exportBackup() const
{
    QSqlDatabase& db = m_database->database();
    const QDateTime now = Clock::nowUtc();
    ZipWriter zip;
    QJsonObject manifest;
    for (const BackupTableInfo& table : kBackupTables) {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        // A backup that silently lacks a table would restore as if those rows never
        // existed, so a table that cannot be read fails the whole export.
        if (!query.exec(QStringLiteral("SELECT * FROM %1").arg(QLatin1String(table.name)))) {
            SqlValues::logFailure(u"BackupService export query", query);
            return QByteArray();
        }
        const QSqlRecord record = query.record();
        QStringList columns;
        for (int c = 0; c < record.count(); ++c)
            columns.append(record.fieldName(c));
        const int idColumn = record.indexOf(QStringLiteral("id"));
        const QString folder = QLatin1String(table.folder);
        int rows = 0;
        while (query.next()) {
            QJsonObject row;
            for (int c = 0; c < columns.size(); ++c)
                row.insert(columns.at(c), jsonValue(query.value(c)));
            const QString id = idColumn >= 0 ? query.value(idColumn).toString() : QString();
            const QString path = QStringLiteral("%1/%2.json").arg(folder, id);
            if (!zip.addFile(path, QJsonDocument(row).toJson(QJsonDocument::Indented), now)) {
                qWarning().noquote() << "BackupService export failed:" << zip.errorString();
                return QByteArray();
            }
            ++rows;
        }
        if (query.lastError().isValid()) {
            SqlValues::logFailure(u"BackupService export query", query);
            return QByteArray();
        }
        manifest.insert(QLatin1String(table.countKey), rows);
    }
    manifest.insert(QStringLiteral("exportedAt"), SqlValues::timestampText(now));
    manifest.insert(QStringLiteral("version"), kBackupVersion);
    if (!zip.addFile(kManifestName, QJsonDocument(manifest).toJson(QJsonDocument::Indented), now)) {
        qWarning().noquote() << "BackupService export failed:" << zip.errorString();
        return QByteArray();
    }
    const QByteArray archive = zip.finish();
    if (archive.isEmpty())
        qWarning().noquote() << "BackupService export failed:" << zip.errorString();
    return archive;
}

BackupImportResult BackupService::importBackup(const QByteArray& archive, BackupImportMode mode) const
{
    BackupImportResult result;
    if (archive.size() > kMaxArchiveBytes) {
        result.errors.append(tr("Backup file too large: the limit is 1 GiB"));
        return result;
    }
    const ZipReader zip(archive);
    if (archive.isEmpty() || !zip.isOpen()) {
        result.errors.append(tr("Failed to open ZIP archive"));
        return result;
    }

    QByteArray manifestBytes;
    const qint64 manifestIndex = zip.indexOf(kManifestName);
    if (manifestIndex >= 0) {
        const ZipReader::ReadStatus status = zip.read(manifestIndex, kMaxManifestBytes, &manifestBytes);
        if (status != ZipReader::ReadStatus::Ok) {
            result.errors.append(entryError(kManifestName, status));
            return result;
        }
    }
    if (manifestBytes.isEmpty()) {
        result.errors.append(tr("Invalid backup: missing manifest.json"));
        return result;
    }
    const int version = QJsonDocument::fromJson(manifestBytes).object().value(QStringLiteral("version")).toInt();
    if (version != kBackupVersion) {
        result.errors.append(tr("Unsupported backup version: %1").arg(version));
        return result;
    }

    QSqlDatabase& db = m_database->database();
    SqlSavepoint savepoint(db, QStringLiteral("backup_restore"));
    if (!savepoint.isActive()) {
        result.errors.append(tr("Could not save the restored data"));
        return result;
    }
    restoreRows(db, zip, mode, &result);
    if (!savepoint.release()) {
        result.errors.append(tr("Could not save the restored data"));
        for (int i = 0; i < kBackupTableCount; ++i) {
            const auto index = static_cast<std::size_t>(i);
            result.skipped[index] += result.imported[index];
            result.imported[index] = 0;
        }
        return result;
    }
    if (std::any_of(result.imported.cbegin(), result.imported.cend(), [](int count) { return count > 0; }))
        m_database->announceLedgerReset();
    return result;
}
