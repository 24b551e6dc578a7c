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

// The floor of one statement per table: the rows the import stored, read from its
// ledger and inserted in one INSERT ... SELECT each, in one transaction.
QByteArray selectRowsScript(const QString& importLedgerPath)
{
    QByteArray path = importLedgerPath.toUtf8();
    path.replace('\'', "''");
    return "PRAGMA foreign_keys=ON;\nATTACH '" + path
           + "' AS stored;\nBEGIN;\n"
             "INSERT INTO categories SELECT * FROM stored.categories ORDER BY rowid;\n"
             "INSERT INTO transactions SELECT * FROM stored.transactions ORDER BY rowid;\n"
             "INSERT INTO split_lines SELECT * FROM stored.split_lines ORDER BY rowid;\n"
             "COMMIT;\n";
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
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
    const QString selectPath = dir.filePath(QStringLiteral("select.sql"));
    QByteArray script;
    QString lastImportLedger;
    QList<double> importMs;
    QList<double> shellMs;
    QList<double> selectMs;
    std::printf("Import vs the sqlite3 shell, side by side, each into a fresh ledger\n");
    for (int round = 0; round < race.rounds; ++round) {
        const QString importLedger = dir.filePath(QStringLiteral("import-%1.db").arg(round));
        const QString shellLedger = dir.filePath(QStringLiteral("shell-%1.db").arg(round));
        const QString selectLedger = dir.filePath(QStringLiteral("select-%1.db").arg(round));
        if (!makeLedger(importLedger, race.accounts) || !makeLedger(shellLedger, race.accounts)
            || !makeLedger(selectLedger, race.accounts)) {
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
            if (!writeFile(scriptPath, script) || !writeFile(selectPath, selectRowsScript(importLedger))) {
                std::printf("  cannot write the shell scripts\n");
                return QString();
            }
        }
        bool shellOk = false;
        const double shellRun = runSqliteShell(shell, shellLedger, scriptPath, &shellOk);
        bool selectOk = false;
        const double selectRun = runSqliteShell(shell, selectLedger, selectPath, &selectOk);
        if (!shellOk || !selectOk || countRows(shellLedger, QStringLiteral("transactions")) != race.rows
            || countRows(selectLedger, QStringLiteral("transactions")) != race.rows) {
            std::printf("  the shell did not store the rows\n");
            return QString();
        }
        lastImportLedger = importLedger;
        importMs.append(run.ms);
        shellMs.append(shellRun);
        selectMs.append(selectRun);
        std::printf("  round %d: %s %8.1f ms   shell, one INSERT per row %8.1f ms   shell, one INSERT ... SELECT "
                    "%8.1f ms   transactionsChanged signals: %d\n",
                    round + 1, race.importName, run.ms, shellRun, selectRun, run.changeSignals);
    }
    const auto perRow = [&race](double ms) { return ms * 1000 / race.rows; };
    const double importMedian = median(importMs);
    const double shellMedian = median(shellMs);
    const double selectMedian = median(selectMs);
    const double importMin = *std::min_element(importMs.cbegin(), importMs.cend());
    const double shellMin = *std::min_element(shellMs.cbegin(), shellMs.cend());
    const double selectMin = *std::min_element(selectMs.cbegin(), selectMs.cend());
    std::printf("  median: %s %8.1f ms (%.1f us/row)   one INSERT per row %8.1f ms (%.1f us/row)   "
                "one INSERT ... SELECT %8.1f ms (%.1f us/row)\n",
                race.importName, importMedian, perRow(importMedian), shellMedian, perRow(shellMedian), selectMedian,
                perRow(selectMedian));
    std::printf("  min:    %s %8.1f ms   one INSERT per row %8.1f ms   one INSERT ... SELECT %8.1f ms\n",
                race.importName, importMin, shellMin, selectMin);
    std::printf("  max:    %s %8.1f ms   one INSERT per row %8.1f ms   one INSERT ... SELECT %8.1f ms\n",
                race.importName, *std::max_element(importMs.cbegin(), importMs.cend()),
                *std::max_element(shellMs.cbegin(), shellMs.cend()),
                *std::max_element(selectMs.cbegin(), selectMs.cend()));
    std::printf("  ratio %s / one-statement floor: %.2f (median), %.2f (min); aim <= %.2f\n", race.importName,
                importMedian / selectMedian, importMin / selectMin, race.aim);
    std::printf("  ratio %s / per-row floor: %.2f (median), %.2f (min)\n", race.importName,
                importMedian / shellMedian, importMin / shellMin);
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
