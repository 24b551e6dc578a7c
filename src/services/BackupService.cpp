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
#include <functional>
#include <utility>

namespace {

const QString kManifestName = QStringLiteral("manifest.json");
const QString kRowSuffix = QStringLiteral(".json");
constexpr int kBackupVersion = 1;

// Problems past the first hundred are counted, not listed: an archive of
// 100,000 refused rows would otherwise come back as 100,000 lines.
void addError(BackupImportResult* result, const QString& text)
{
    ++result->errorCount;
    if (result->errors.size() < BackupImportResult::kListedErrors)
        result->errors.append(text);
}

void addUnlistedCount(BackupImportResult* result)
{
    const int unlisted = result->errorCount - int(result->errors.size());
    if (unlisted > 0)
        result->errors.append(BackupService::tr("... and %n more problem(s)", nullptr, unlisted));
}

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
bool readRow(const ZipReader& zip, qint64 index, QJsonObject* row, BackupImportResult* result)
{
    const QString path = zip.entryName(index);
    QByteArray bytes;
    const ZipReader::ReadStatus status = zip.read(index, BackupService::kMaxRowEntryBytes, &bytes);
    if (status != ZipReader::ReadStatus::Ok) {
        addError(result, entryError(path, status));
        return false;
    }
    // An empty object is a row without its fields: the row's own check names
    // the one that is missing.
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    if (!document.isObject()) {
        addError(result, BackupService::tr("%1: invalid JSON").arg(path));
        return false;
    }
    *row = document.object();
    return true;
}

// Why a row was not stored, for the user.
QString rowError(const QString& path, const BackupRestore::RowOutcome& outcome)
{
    using Refusal = BackupRestore::Refusal;
    if (outcome.outcome == BackupRestore::Outcome::Failed)
        return BackupService::tr("%1: could not be stored (%2)").arg(path, outcome.databaseError);
    switch (outcome.refusal) {
    case Refusal::NoId:
        return BackupService::tr("%1: the row has no id").arg(path);
    case Refusal::UnknownColumn:
        return BackupService::tr("%1: \"%2\" is not a column of this table").arg(path, outcome.column);
    case Refusal::NotAValue:
        return BackupService::tr("%1: \"%2\" holds a list or an object instead of a value").arg(path, outcome.column);
    case Refusal::UnreadableDate:
        return BackupService::tr("%1: \"%2\" holds no date in the form yyyy-MM-dd").arg(path, outcome.column);
    case Refusal::NoTransaction:
        return BackupService::tr("%1: the split line names no transaction").arg(path);
    case Refusal::None:
        break;
    }
    return BackupService::tr("%1: unexpected error").arg(path);
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

// Written rows are imported, kept ones skipped; a row that was refused or
// could not be stored is an error, never a skip: skipped means the stored row stays.
void count(BackupImportResult* result, BackupTable table, const QString& path,
           const BackupRestore::RowOutcome& outcome)
{
    const auto index = static_cast<std::size_t>(backupTableIndex(table));
    switch (outcome.outcome) {
    case BackupRestore::Outcome::Written:
        ++result->imported[index];
        break;
    case BackupRestore::Outcome::Kept:
        ++result->skipped[index];
        break;
    case BackupRestore::Outcome::Rejected:
    case BackupRestore::Outcome::Failed:
        addError(result, rowError(path, outcome));
        break;
    }
}

struct PendingRow
{
    BackupTable table;
    QString path;
    QJsonObject row;
};

// Rows on their way through the restore until their outcome is known; each
// outcome goes to `take` in the order the rows were given.
class RestoreQueue
{
public:
    using Take = std::function<void(const PendingRow&, const BackupRestore::RowOutcome&)>;

    RestoreQueue(BackupRestore& restore, Take take)
        : m_restore(restore)
        , m_take(std::move(take))
    {
    }

    void restore(const PendingRow& row)
    {
        const int tag = m_nextTag++;
        m_waiting.insert(tag, row);
        settle(m_restore.restoreRow(row.table, row.row, tag));
    }

    void flush() { settle(m_restore.flush()); }

private:
    void settle(const QList<BackupRestore::Settled>& settled)
    {
        for (const BackupRestore::Settled& done : settled)
            m_take(m_waiting.take(done.tag), done.outcome);
    }

    BackupRestore& m_restore;
    Take m_take;
    QHash<int, PendingRow> m_waiting;
    int m_nextTag = 0;
};

// Writes the rows of every table; the caller holds the transaction.
void restoreRows(QSqlDatabase& db, const ZipReader& zip, BackupImportMode mode, BackupImportResult* result)
{
    BackupRestore restore(db, mode);
    const std::array<QList<qint64>, kBackupTableCount> entries = rowEntries(zip);
    QList<PendingRow> failed;
    QList<QJsonObject> splitLines;
    QStringList splitLinePaths;
    RestoreQueue firstPass(restore, [&](const PendingRow& row, const BackupRestore::RowOutcome& outcome) {
        if (outcome.outcome == BackupRestore::Outcome::Failed)
            failed.append(row);
        else
            count(result, row.table, row.path, outcome);
    });
    for (const BackupTableInfo& table : kBackupTables) {
        for (const qint64 index : entries[static_cast<std::size_t>(backupTableIndex(table.table))]) {
            QJsonObject row;
            if (!readRow(zip, index, &row, result))
                continue;
            if (table.table == BackupTable::SplitLines) {
                splitLines.append(row);
                splitLinePaths.append(zip.entryName(index));
                continue;
            }
            firstPass.restore({table.table, zip.entryName(index), row});
        }
        firstPass.flush();
    }

    // A row may refer to one that comes later in the archive (a category before
    // its parent): retry the failures while a pass still writes something.
    bool progress = true;
    QList<BackupRestore::RowOutcome> lastFailures;
    while (progress && !failed.isEmpty()) {
        progress = false;
        QList<PendingRow> stillFailing;
        lastFailures.clear();
        RestoreQueue pass(restore, [&](const PendingRow& row, const BackupRestore::RowOutcome& outcome) {
            if (outcome.outcome == BackupRestore::Outcome::Failed) {
                stillFailing.append(row);
                lastFailures.append(outcome);
                return;
            }
            progress = progress || outcome.outcome == BackupRestore::Outcome::Written;
            count(result, row.table, row.path, outcome);
        });
        for (const PendingRow& pending : std::as_const(failed))
            pass.restore(pending);
        pass.flush();
        failed = stillFailing;
    }
    for (qsizetype i = 0; i < failed.size(); ++i)
        count(result, failed.at(i).table, failed.at(i).path, lastFailures.at(i));

    // Split lines go last, once every transaction they could belong to is settled.
    const QList<BackupRestore::RowOutcome> lineOutcomes = restore.restoreSplitLines(splitLines);
    for (qsizetype i = 0; i < lineOutcomes.size(); ++i)
        count(result, BackupTable::SplitLines, splitLinePaths.at(i), lineOutcomes.at(i));
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
        addError(&result, tr("Backup file too large: the limit is 1 GiB"));
        return result;
    }
    const ZipReader zip(archive);
    if (archive.isEmpty() || !zip.isOpen()) {
        addError(&result, tr("Failed to open ZIP archive"));
        return result;
    }

    QByteArray manifestBytes;
    const qint64 manifestIndex = zip.indexOf(kManifestName);
    if (manifestIndex >= 0) {
        const ZipReader::ReadStatus status = zip.read(manifestIndex, kMaxManifestBytes, &manifestBytes);
        if (status != ZipReader::ReadStatus::Ok) {
            addError(&result, entryError(kManifestName, status));
            return result;
        }
    }
    if (manifestBytes.isEmpty()) {
        addError(&result, tr("Invalid backup: missing manifest.json"));
        return result;
    }
    const QJsonValue version = QJsonDocument::fromJson(manifestBytes).object().value(QStringLiteral("version"));
    if (!version.isUndefined() && !version.isDouble()) {
        // "1" as text is no version 0, and saying so would send the user looking for the wrong program.
        addError(&result, tr("Unsupported backup version: the version is not a number"));
        return result;
    }
    if (version.toDouble() != kBackupVersion) {
        addError(&result, tr("Unsupported backup version: %1").arg(version.toDouble()));
        return result;
    }

    QSqlDatabase& db = m_database->database();
    SqlSavepoint savepoint(db, QStringLiteral("backup_restore"));
    if (!savepoint.isActive()) {
        addError(&result, tr("Could not save the restored data"));
        return result;
    }
    restoreRows(db, zip, mode, &result);
    if (!savepoint.release()) {
        // First, so that no number of row problems hides it.
        result.errors.prepend(tr("Could not save the restored data"));
        ++result.errorCount;
        for (int i = 0; i < kBackupTableCount; ++i) {
            const auto index = static_cast<std::size_t>(i);
            result.skipped[index] += result.imported[index];
            result.imported[index] = 0;
        }
        return result;
    }
    addUnlistedCount(&result);
    if (std::any_of(result.imported.cbegin(), result.imported.cend(), [](int count) { return count > 0; }))
        m_database->announceLedgerReset();
    return result;
}
