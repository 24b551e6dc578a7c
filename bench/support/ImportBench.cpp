#include "ImportBench.h"

#include "data/Account.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Database.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionRepository.h"
#include "services/ImportService.h"
#include "state/AppState.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>
#include <QTimeZone>
#include <QVariant>

#include <algorithm>
#include <cstdio>

namespace {

QByteArray sqlLiteral(const QVariant& value)
{
    if (value.isNull())
        return "NULL";
    if (value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Int)
        return QByteArray::number(value.toLongLong());
    QByteArray text = value.toString().toUtf8();
    text.replace('\'', "''");
    return '\'' + text + '\'';
}

void appendInserts(QSqlDatabase& db, const char* table, const char* columns, QByteArray* script)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid").arg(QLatin1String(columns), QLatin1String(table)));
    const int count = query.record().count();
    while (query.next()) {
        *script += "INSERT INTO ";
        *script += table;
        *script += " (";
        *script += columns;
        *script += ") VALUES (";
        for (int c = 0; c < count; ++c) {
            if (c > 0)
                *script += ", ";
            *script += sqlLiteral(query.value(c));
        }
        *script += ");\n";
    }
}

QString sqliteShell()
{
    return QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
}

QByteArray storedRowsScript(const QString& ledgerPath)
{
    Database database;
    if (!database.open(ledgerPath))
        return QByteArray();
    QByteArray script = "PRAGMA foreign_keys=ON;\nBEGIN;\n";
    appendInserts(database.database(), "categories",
                  "id, name, category_type, parent_id, is_tax_relevant, tax_category, icon, color, is_default, "
                  "account_id, version, sync_status, server_id, created_at, updated_at",
                  &script);
    appendInserts(database.database(), "transactions",
                  "id, account_id, date, payee, memo, amount, category_id, check_number, cleared, reconciled, "
                  "transfer_link_id, transfer_dest_account_id, is_split, recurring_id, version, sync_status, "
                  "server_id, created_at, updated_at",
                  &script);
    appendInserts(database.database(), "split_lines",
                  "id, transaction_id, category_id, amount, memo, created_at, updated_at", &script);
    script += "COMMIT;\n";
    return script;
}

double runSqliteShell(const QString& shell, const QString& ledgerPath, const QString& scriptPath, bool* ok)
{
    QProcess process;
    process.setStandardInputFile(scriptPath);
    QElapsedTimer timer;
    timer.start();
    process.start(shell, {QStringLiteral("-bail"), ledgerPath});
    *ok = process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    if (!*ok)
        std::printf("  sqlite3 failed: %s\n", process.readAllStandardError().constData());
    return ms;
}

// A migrated ledger holding the empty accounts, closed again.
bool makeLedger(const QString& path, const QList<QPair<QString, QString>>& accounts)
{
    Database database;
    if (!database.open(path) || !database.migrate())
        return false;
    AccountRepository repository(&database);
    for (const auto& [id, name] : accounts) {
        Account account;
        account.id = id;
        account.name = name;
        account.createdAt = QDateTime(QDate(2024, 1, 1), QTime(0, 0), QTimeZone::utc());
        account.updatedAt = account.createdAt;
        if (!repository.insert(account))
            return false;
    }
    return true;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

} // namespace

TimedImport timeImport(const QString& ledgerPath, const std::function<ImportResult(ImportService&)>& run)
{
    TimedImport timed;
    AppState state;
    if (!state.openLedger(ledgerPath)) {
        timed.result.failed = true;
        return timed;
    }
    QObject::connect(state.transactionRepository, &TransactionRepository::transactionsChanged, &state,
                     [&timed] { ++timed.changeSignals; });
    QElapsedTimer timer;
    timer.start();
    timed.result = run(*state.importService);
    timed.ms = double(timer.nsecsElapsed()) / 1e6;
    return timed;
}

QString raceTheShell(const QString& folder, const ShellRace& race)
{
    const QString shell = sqliteShell();
    if (shell.isEmpty()) {
        std::printf("  the sqlite3 shell is not installed\n");
        return QString();
    }
    const QDir dir(folder);
    const QString scriptPath = dir.filePath(QStringLiteral("rows.sql"));
    QByteArray script;
    QString lastImportLedger;
    QList<double> importMs;
    QList<double> shellMs;
    std::printf("Import vs the sqlite3 shell, side by side, each into a fresh ledger\n");
    for (int round = 0; round < race.rounds; ++round) {
        const QString importLedger = dir.filePath(QStringLiteral("import-%1.db").arg(round));
        const QString shellLedger = dir.filePath(QStringLiteral("shell-%1.db").arg(round));
        if (!makeLedger(importLedger, race.accounts) || !makeLedger(shellLedger, race.accounts)) {
            std::printf("  cannot create the ledgers\n");
            return QString();
        }
        const TimedImport run = race.import(importLedger);
        const QString failure = race.check(run.result);
        if (!failure.isEmpty()) {
            std::printf("  %s: %s\n", race.importName, qPrintable(failure));
            return QString();
        }
        if (script.isEmpty()) {
            script = storedRowsScript(importLedger);
            QFile scriptFile(scriptPath);
            if (!scriptFile.open(QIODevice::WriteOnly) || scriptFile.write(script) != script.size()) {
                std::printf("  cannot write the shell script\n");
                return QString();
            }
        }
        bool shellOk = false;
        const double shellRun = runSqliteShell(shell, shellLedger, scriptPath, &shellOk);
        if (!shellOk || countRows(shellLedger, QStringLiteral("transactions")) != race.rows) {
            std::printf("  the shell did not store the rows\n");
            return QString();
        }
        lastImportLedger = importLedger;
        importMs.append(run.ms);
        shellMs.append(shellRun);
        std::printf("  round %d: %s %8.1f ms   sqlite3 shell %8.1f ms   ratio %.2f   "
                    "transactionsChanged signals: %d\n",
                    round + 1, race.importName, run.ms, shellRun, run.ms / shellRun, run.changeSignals);
    }
    const double importMedian = median(importMs);
    const double shellMedian = median(shellMs);
    std::printf("  median: %s %8.1f ms (%.1f us/row)   sqlite3 shell %8.1f ms (%.1f us/row)\n", race.importName,
                importMedian, importMedian * 1000 / race.rows, shellMedian, shellMedian * 1000 / race.rows);
    std::printf("  ratio %s / sqlite3 shell: %.2f (median), %.2f (best of each); aim <= %.2f\n", race.importName,
                importMedian / shellMedian,
                *std::min_element(importMs.cbegin(), importMs.cend())
                    / *std::min_element(shellMs.cbegin(), shellMs.cend()),
                race.aim);
    std::printf("  shell script: %.1f MB of INSERT statements (%d split lines), one per row, in one transaction\n",
                double(script.size()) / 1e6, countRows(lastImportLedger, QStringLiteral("split_lines")));
    return lastImportLedger;
}

int countRows(const QString& ledgerPath, const QString& table)
{
    Database database;
    if (!database.open(ledgerPath))
        return -1;
    QSqlQuery query(database.database());
    if (!query.exec(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)) || !query.next())
        return -1;
    return query.value(0).toInt();
}
