#pragma once

#include "BackupTables.h"

#include <QByteArray>
#include <QObject>
#include <QStringList>

#include <array>

class Database;

// How an import treats a row whose id is already stored. Any other value acts
// as ReplaceAll.
enum class BackupImportMode { SkipExisting = 0, ReplaceAll = 1, KeepNewer = 2 };

// The outcome of one import. The counters are indexed by backupTableIndex().
struct BackupImportResult
{
    static constexpr int kListedErrors = 100;

    std::array<qint32, kBackupTableCount> imported{};
    // Rows whose stored row stays, by the import mode.
    std::array<qint32, kBackupTableCount> skipped{};
    // The first kListedErrors problems in the order they were met, then, when
    // there were more, one line that counts the others. Every row that was
    // refused or could not be stored is one problem.
    QStringList errors;
    // Every problem, listed or not.
    int errorCount = 0;
};

// Writes the whole ledger into a ZIP archive held in memory, and reads such an
// archive back. The archive is a file format that other copies of the program
// read: one indented JSON file per row, "<folder>/<id>.json", and a top-level
// "manifest.json" (version 1, the row counts and the export time).
class BackupService : public QObject
{
    Q_OBJECT

public:
    // Size limits, checked against the ZIP directory before anything is inflated.
    static constexpr qint64 kMaxArchiveBytes = qint64(1) << 30;
    static constexpr qint64 kMaxRowEntryBytes = qint64(1) << 20;
    static constexpr qint64 kMaxManifestBytes = qint64(64) << 10;

    explicit BackupService(Database* database, QObject* parent = nullptr);

    // The complete archive, or an empty array when a table could not be read or
    // the archive could not be written (a valid archive is never empty).
    QByteArray exportBackup() const;

    // Restores the archive's rows inside one SQL transaction. Rows that fail on
    // a reference to a row further on in the archive are retried after the
    // others. Emits nothing: the caller reloads what it shows.
    BackupImportResult importBackup(const QByteArray& archive, BackupImportMode mode) const;

private:
    Database* m_database;
};
