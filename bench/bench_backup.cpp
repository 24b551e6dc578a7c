// Times the backup archive on a generated heavy ledger (100,000 transactions):
// the export, and the restore into an empty ledger, next to the floors of the
// same work done by the standard tools: `unzip -p` inflating every entry of the
// archive plus the sqlite3 shell inserting the same rows in one transaction,
// once as one INSERT per row and once as one INSERT ... SELECT per table.

#include "BenchTiming.h"
#include "LedgerGenerator.h"

#include "data/Database.h"
#include "services/BackupService.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <functional>

namespace {

constexpr int kRuns = 5;
const char* const kTables[] = {"accounts", "categories", "transactions", "split_lines",
                               "recurring_transactions", "reconciliations"};

void printTiming(const QString& what, const Timing& timing, const QString& note = QString())
{
    benchOut() << "  " << what.leftJustified(52) << " median " << msText(timing.medianMs) << "   min "
               << msText(timing.minMs);
    if (timing.maxMs > 0)
        benchOut() << "   max " << msText(timing.maxMs);
    if (!note.isEmpty())
        benchOut() << "   " << note;
    benchOut() << Qt::endl;
}

QString ratioText(double value, double floor)
{
    return QString::number(value / floor, 'f', 2);
}

// Runs a tool to completion; stdin and stdout may be files.
bool runTool(const QString& program, const QStringList& arguments, const QString& input = QString(),
             const QString& output = QProcess::nullDevice())
{
    QProcess process;
    if (!input.isEmpty())
        process.setStandardInputFile(input);
    process.setStandardOutputFile(output);
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        benchOut() << program << " failed: " << process.readAllStandardError() << Qt::endl;
        return false;
    }
    return true;
}

bool copyFresh(const QString& from, const QString& to)
{
    QFile::remove(to);
    QFile::remove(to + QLatin1String("-wal"));
    QFile::remove(to + QLatin1String("-shm"));
    return QFile::copy(from, to);
}

// The rows of every backed-up table as INSERT statements, written by the shell
// itself, wrapped in one transaction with foreign keys on, as the restore runs.
bool writeInsertScript(const QString& sqlite3, const QString& database, const QString& script)
{
    QString commands;
    for (const char* table : kTables)
        commands += QStringLiteral(".mode insert %1\nSELECT * FROM %1;\n").arg(QLatin1String(table));
    const QString commandFile = script + QLatin1String(".commands");
    const QString body = script + QLatin1String(".body");
    QFile file(commandFile);
    if (!file.open(QIODevice::WriteOnly) || file.write(commands.toUtf8()) < 0)
        return false;
    file.close();
    if (!runTool(sqlite3, {database}, commandFile, body))
        return false;
    QFile rows(body);
    QFile out(script);
    if (!rows.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
        return false;
    out.write("PRAGMA foreign_keys=ON;\nBEGIN;\n");
    out.write(rows.readAll());
    out.write("COMMIT;\n");
    return true;
}

// The same rows as one INSERT ... SELECT per table from the source ledger.
bool writeSelectScript(const QString& source, const QString& script)
{
    QString text = QStringLiteral("PRAGMA foreign_keys=ON;\nATTACH '%1' AS stored;\nBEGIN;\n")
                       .arg(QString(source).replace(QLatin1Char('\''), QLatin1String("''")));
    for (const char* table : kTables)
        text += QStringLiteral("INSERT INTO %1 SELECT * FROM stored.%1 ORDER BY rowid;\n").arg(QLatin1String(table));
    text += QLatin1String("COMMIT;\n");
    QFile file(script);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) > 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // `bench_backup FOLDER` keeps the ledgers, the archive and the script there for a look afterwards.
    QTemporaryDir dir(argc > 1 ? QDir(QString::fromLocal8Bit(argv[1])).filePath(QStringLiteral("bench_backup-XXXXXX"))
                               : QDir::tempPath() + QLatin1String("/bench_backup-XXXXXX"));
    dir.setAutoRemove(argc <= 1);
    const QString sourcePath = dir.filePath(QStringLiteral("source.db"));
    const QString emptyPath = dir.filePath(QStringLiteral("empty.db"));
    const QString targetPath = dir.filePath(QStringLiteral("target.db"));
    const QString archivePath = dir.filePath(QStringLiteral("backup.zip"));
    const QString scriptPath = dir.filePath(QStringLiteral("inserts.sql"));
    const QString selectPath = dir.filePath(QStringLiteral("select.sql"));
    const QString unzip = QStandardPaths::findExecutable(QStringLiteral("unzip"));
    const QString sqlite3 = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
    if (!dir.isValid() || unzip.isEmpty() || sqlite3.isEmpty()) {
        benchOut() << "needs a temporary folder, unzip and the sqlite3 shell" << Qt::endl;
        return 1;
    }

    {
        Database empty;
        if (!empty.open(emptyPath) || !empty.migrate()) {
            benchOut() << "cannot create the empty ledger" << Qt::endl;
            return 1;
        }
    }

    QByteArray archive;
    GeneratedLedger ledger;
    {
        Database source;
        if (!copyFresh(emptyPath, sourcePath) || !source.open(sourcePath) || !LedgerGenerator().generate(source.database(), &ledger)) {
            benchOut() << "cannot generate the ledger" << Qt::endl;
            return 1;
        }
        benchOut() << "Ledger: " << ledger.transactionRows << " transactions, " << ledger.splitLines << " split lines, "
                   << ledger.accountIds.size() << " accounts, " << ledger.categoryIds.size() << " categories"
                   << Qt::endl << Qt::endl;

        const BackupService service(&source);
        const Timing exportTiming = timeRuns(kRuns, [&] { archive = service.exportBackup(); });
        if (archive.isEmpty()) {
            benchOut() << "the export failed" << Qt::endl;
            return 1;
        }
        benchOut() << "Export (" << archive.size() / 1024 << " KiB archive)" << Qt::endl;
        printTiming(QStringLiteral("BackupService::exportBackup"), exportTiming);
        benchOut() << Qt::endl;
    }
    QFile file(archivePath);
    if (!file.open(QIODevice::WriteOnly) || file.write(archive) != archive.size()) {
        benchOut() << "cannot write the archive" << Qt::endl;
        return 1;
    }
    file.close();
    if (!writeInsertScript(sqlite3, sourcePath, scriptPath) || !writeSelectScript(sourcePath, selectPath)) {
        benchOut() << "cannot write the INSERT script" << Qt::endl;
        return 1;
    }

    // Restore into an empty ledger; opening the file is not timed.
    BackupImportResult result;
    std::unique_ptr<Database> target;
    const Timing restore = timeRuns(
        kRuns,
        [&] {
            const BackupService service(target.get());
            result = service.importBackup(archive, BackupImportMode::ReplaceAll);
        },
        [&] {
            target.reset();
            target = std::make_unique<Database>();
            if (!copyFresh(emptyPath, targetPath) || !target->open(targetPath))
                benchOut() << "cannot open the target ledger" << Qt::endl;
        });
    target.reset();
    int rows = 0;
    for (const qint32 n : result.imported)
        rows += n;
    if (!result.errors.isEmpty() || result.imported[2] != ledger.transactionRows) {
        benchOut() << "the restore failed: " << result.errors.join(QLatin1String("; ")) << Qt::endl;
        return 1;
    }

    const Timing inflate = timeRuns(kRuns, [&] { runTool(unzip, {QStringLiteral("-p"), archivePath}); });
    const Timing insert = timeRuns(
        kRuns, [&] { runTool(sqlite3, {targetPath}, scriptPath); }, [&] { copyFresh(emptyPath, targetPath); });
    const Timing select = timeRuns(
        kRuns, [&] { runTool(sqlite3, {targetPath}, selectPath); }, [&] { copyFresh(emptyPath, targetPath); });

    benchOut() << "Restore into an empty ledger (" << rows << " rows)" << Qt::endl;
    printTiming(QStringLiteral("BackupService::importBackup (ReplaceAll)"), restore);
    printTiming(QStringLiteral("unzip -p archive > /dev/null"), inflate);
    printTiming(QStringLiteral("sqlite3 shell, the same rows, one INSERT per row"), insert);
    printTiming(QStringLiteral("sqlite3 shell, one INSERT ... SELECT per table"), select);
    const double rowFloorMedian = inflate.medianMs + insert.medianMs;
    const double rowFloorMin = inflate.minMs + insert.minMs;
    const double floorMedian = inflate.medianMs + select.medianMs;
    const double floorMin = inflate.minMs + select.minMs;
    printTiming(QStringLiteral("per-row floor (unzip + INSERT per row)"),
                {rowFloorMin, rowFloorMedian, inflate.maxMs + insert.maxMs});
    printTiming(QStringLiteral("one-statement floor (unzip + INSERT ... SELECT)"),
                {floorMin, floorMedian, inflate.maxMs + select.maxMs});
    benchOut() << "  ratio importBackup / one-statement floor: " << ratioText(restore.medianMs, floorMedian)
               << " (median), " << ratioText(restore.minMs, floorMin) << " (min); aim <= 3.00" << Qt::endl;
    benchOut() << "  ratio importBackup / per-row floor: " << ratioText(restore.medianMs, rowFloorMedian)
               << " (median), " << ratioText(restore.minMs, rowFloorMin) << " (min)" << Qt::endl;
    return 0;
}
