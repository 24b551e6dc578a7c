// Times a CSV import of 100,000 rows into one account against the floor: the
// same rows inserted by the sqlite3 shell, in one transaction, into a ledger with
// the same schema and triggers. The shell's script is written from what the
// import stored, so both sides insert identical rows. Parsing alone is timed too.
// Last, the file is imported once more into the filled account: duplicate detection alone.
// Usage: bench_import [rows, default 100000] [rounds, default 3]

#include "BenchTiming.h"

#include "data/Account.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Database.h"
#include "data/Identifiers.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionRepository.h"
#include "services/CsvParser.h"
#include "services/ImportService.h"
#include "services/ImportText.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimeZone>

#include <algorithm>
#include <cstdio>

namespace {

const char* const kAccountId = "bench-account";

const char* const kNameWords[] = {"Maple", "Marina", "Oakwood", "Cedar", "Harbor", "Summit", "Riverside",
                                  "Golden", "Pioneer", "Sunrise", "Silver", "Redwood", "Lakeside", "Union",
                                  "Granite", "Willow", "Beacon", "Liberty", "Evergreen", "Pacific"};
const char* const kKinds[] = {"Market", "Bakery", "Pharmacy", "Hardware", "Cafe", "Diner", "Auto Repair",
                              "Dental", "Books", "Fitness", "Cleaners", "Florist", "Grill", "Pizza", "Fuel"};
const char* const kCategories[] = {"Groceries", "Dining", "Fuel", "Utilities", "Rent", "Salary", "Health",
                                   "Home:Repairs", "Subscriptions", "Gifts", "Travel", "Insurance", "Books",
                                   "Clothing", "Pets", "Fitness", "Coffee", "Parking", "Phone", "Charity"};

template <typename T, std::size_t N>
constexpr int countOf(const T (&)[N])
{
    return int(N);
}

// A bank export: dates over ten years, a payee vocabulary of 300 names, signed
// amounts (every third grouped and quoted), memos with the odd quoted line break,
// and twenty categories. Date, amount and payee never repeat, so every row imports.
QByteArray generateCsv(int rows)
{
    QRandomGenerator random(20240305);
    QByteArray out = "Date,Payee,Amount,Memo,Category\r\n";
    out.reserve(qsizetype(rows) * 72);
    const QDate first(2015, 1, 1);
    const int rowsPerDay = qMax(1, rows / 3650);
    for (int row = 0; row < rows; ++row) {
        out += first.addDays(row / rowsPerDay).toString(QStringLiteral("MM/dd/yyyy")).toLatin1() + ',';
        QByteArray payee = QByteArray(kNameWords[random.bounded(countOf(kNameWords))]) + ' '
                           + kKinds[random.bounded(countOf(kKinds))];
        out += row % 9 == 0 ? '"' + payee + ", Inc.\"" : payee;
        out += ',';
        // 399989 is prime, so the rows of one day never share an amount.
        const qint64 cents = qint64(row) * 7919 % 399989 - 300000;
        const qint64 magnitude = cents < 0 ? -cents : cents;
        QByteArray whole = QByteArray::number(magnitude / 100);
        const bool grouped = row % 3 == 0 && whole.size() > 3;
        if (grouped)
            whole.insert(whole.size() - 3, ',');
        const QByteArray amount =
            (cents < 0 ? "-" : "") + whole + '.' + QByteArray::number(magnitude % 100).rightJustified(2, '0');
        out += grouped ? '"' + amount + '"' : amount;
        out += ',';
        out += row % 50 == 0 ? QByteArray("\"Paid \"\"in full\"\"\nreceipt kept\"") : "Ref " + QByteArray::number(row);
        out += ',';
        out += kCategories[random.bounded(countOf(kCategories))];
        out += "\r\n";
    }
    return out;
}

// A migrated ledger holding one empty checking account, closed again.
bool makeLedger(const QString& path)
{
    Database database;
    if (!database.open(path) || !database.migrate())
        return false;
    AccountRepository accounts(&database);
    Account account;
    account.id = QLatin1String(kAccountId);
    account.name = QStringLiteral("Checking");
    account.createdAt = QDateTime(QDate(2024, 1, 1), QTime(0, 0), QTimeZone::utc());
    account.updatedAt = account.createdAt;
    return accounts.insert(account);
}

struct ImportRun
{
    double ms = 0;
    ImportResult result;
    int changeSignals = 0;
};

ImportRun runImport(const QString& ledgerPath, const QString& csvPath)
{
    ImportRun run;
    Database database;
    if (!database.open(ledgerPath))
        return run;
    TransactionRepository transactions(&database);
    CategoryRepository categories(&database);
    SplitLineRepository splitLines(&database);
    AccountRepository accounts(&database);
    ImportService service(&transactions, &categories, &splitLines, &accounts);
    QObject::connect(&transactions, &TransactionRepository::transactionsChanged, &service,
                     [&run] { ++run.changeSignals; });
    CsvImportOptions options;
    options.memoColumn = 3;
    options.categoryColumn = 4;
    options.hasHeaderRow = true;
    QElapsedTimer timer;
    timer.start();
    run.result = service.importCsv(csvPath, QLatin1String(kAccountId), options);
    run.ms = double(timer.nsecsElapsed()) / 1e6;
    return run;
}

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

// INSERT statements, one per row as a dump writes them, for every row of `table`.
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

// What the import stored, as a script for the sqlite3 shell.
QByteArray shellScript(const QString& importedLedger)
{
    Database database;
    if (!database.open(importedLedger))
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
    script += "COMMIT;\n";
    return script;
}

int countRows(const QString& ledgerPath)
{
    Database database;
    if (!database.open(ledgerPath))
        return -1;
    QSqlQuery query(database.database());
    if (!query.exec(QStringLiteral("SELECT COUNT(*) FROM transactions")) || !query.next())
        return -1;
    return query.value(0).toInt();
}

// Wall time of `sqlite3 ledger < script`, process start included.
double runShell(const QString& shell, const QString& ledgerPath, const QString& scriptPath, bool* ok)
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

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int rows = args.size() > 1 ? qMax(1, args.at(1).toInt()) : 100000;
    const int rounds = args.size() > 2 ? qMax(1, args.at(2).toInt()) : 3;
    const QString shell = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
    if (shell.isEmpty()) {
        std::printf("bench_import: the sqlite3 shell is not installed\n");
        return 1;
    }
    QTemporaryDir dir;
    const QString csvPath = dir.filePath(QStringLiteral("bank.csv"));
    const QByteArray csv = generateCsv(rows);
    QFile csvFile(csvPath);
    if (!dir.isValid() || !csvFile.open(QIODevice::WriteOnly) || csvFile.write(csv) != csv.size()) {
        std::printf("bench_import: cannot write the CSV file\n");
        return 1;
    }
    csvFile.close();
    std::printf("bench_import: %d rows, %.1f MB of CSV, %d rounds\n", rows, double(csv.size()) / 1e6, rounds);

    const QString text = decodeImportText(csv);
    const double decode = timeRuns(5, [&] { decodeImportText(csv); }).minMs / 1e3;
    qsizetype parsedRows = 0;
    const double parse = timeRuns(5, [&] { parsedRows = parseCsv(text).size(); }).minMs / 1e3;
    std::printf("Parsing alone (best of 5; MB = 10^6 bytes of the file)\n");
    std::printf("  decodeImportText   %8.1f ms  %8.1f MB/s\n", decode * 1000, double(csv.size()) / 1e6 / decode);
    std::printf("  parseCsv           %8.1f ms  %8.1f MB/s  (aim >= 50 MB/s), %lld rows\n", parse * 1000,
                double(csv.size()) / 1e6 / parse, static_cast<long long>(parsedRows));

    QByteArray script;
    const QString scriptPath = dir.filePath(QStringLiteral("rows.sql"));
    QString lastImportLedger;
    QList<double> importMs;
    QList<double> shellMs;
    std::printf("Import vs the sqlite3 shell, side by side, each into a fresh ledger\n");
    for (int round = 0; round < rounds; ++round) {
        const QString importLedger = dir.filePath(QStringLiteral("import-%1.db").arg(round));
        const QString shellLedger = dir.filePath(QStringLiteral("shell-%1.db").arg(round));
        if (!makeLedger(importLedger) || !makeLedger(shellLedger)) {
            std::printf("bench_import: cannot create the ledgers\n");
            return 1;
        }
        const ImportRun run = runImport(importLedger, csvPath);
        if (run.result.failed || run.result.imported != rows) {
            std::printf("bench_import: the import stored %d of %d rows (failed: %d)\n", run.result.imported, rows,
                        int(run.result.failed));
            return 1;
        }
        if (script.isEmpty()) {
            script = shellScript(importLedger);
            QFile scriptFile(scriptPath);
            if (!scriptFile.open(QIODevice::WriteOnly) || scriptFile.write(script) != script.size()) {
                std::printf("bench_import: cannot write the shell script\n");
                return 1;
            }
        }
        bool shellOk = false;
        const double shellRun = runShell(shell, shellLedger, scriptPath, &shellOk);
        if (!shellOk || countRows(shellLedger) != rows) {
            std::printf("bench_import: the shell did not store the rows\n");
            return 1;
        }
        lastImportLedger = importLedger;
        importMs.append(run.ms);
        shellMs.append(shellRun);
        std::printf("  round %d: importCsv %8.1f ms   sqlite3 shell %8.1f ms   ratio %.2f   "
                    "transactionsChanged signals: %d\n",
                    round + 1, run.ms, shellRun, run.ms / shellRun, run.changeSignals);
    }
    const double importMedian = median(importMs);
    const double shellMedian = median(shellMs);
    std::printf("  median: importCsv %8.1f ms (%.1f us/row)   sqlite3 shell %8.1f ms (%.1f us/row)\n", importMedian,
                importMedian * 1000 / rows, shellMedian, shellMedian * 1000 / rows);
    std::printf("  ratio importCsv / sqlite3 shell: %.2f (median), %.2f (best of each); aim <= 3.00\n",
                importMedian / shellMedian,
                *std::min_element(importMs.cbegin(), importMs.cend())
                    / *std::min_element(shellMs.cbegin(), shellMs.cend()));
    std::printf("  shell script: %.1f MB of INSERT statements, one per row, in one transaction\n",
                double(script.size()) / 1e6);

    // The same file again: every row is found among the account's live rows.
    const ImportRun again = runImport(lastImportLedger, csvPath);
    std::printf("Importing the file again into the filled account\n");
    std::printf("  importCsv %8.1f ms: %d imported, %d duplicates skipped, %d transactionsChanged signals\n",
                again.ms, again.result.imported, again.result.duplicatesSkipped, again.changeSignals);
    return 0;
}
