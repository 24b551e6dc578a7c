// Times a CSV import of 100,000 rows into one account against two floors: the
// same rows inserted by the sqlite3 shell, in one transaction, into a ledger with
// the same schema and triggers, once as one INSERT per row and once as one
// INSERT ... SELECT. The shell's rows are read from what the import stored, so
// every side inserts identical rows. Parsing alone is timed too.
// Last, the file is imported once more into the filled account: duplicate detection alone.
// Usage: bench_import [rows, default 100000] [rounds, default 3]

#include "BenchTiming.h"
#include "ImportBench.h"

#include "services/CsvParser.h"
#include "services/ImportService.h"
#include "services/ImportText.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

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

TimedImport runImport(const QString& ledgerPath, const QString& csvPath)
{
    return timeImport(ledgerPath, [&csvPath](ImportService& service) {
        CsvImportOptions options;
        options.memoColumn = 3;
        options.categoryColumn = 4;
        options.hasHeaderRow = true;
        return service.importCsv(csvPath, QLatin1String(kAccountId), options);
    });
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int rows = args.size() > 1 ? qMax(1, args.at(1).toInt()) : 100000;
    const int rounds = args.size() > 2 ? qMax(1, args.at(2).toInt()) : 3;
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

    ShellRace race;
    race.importName = "importCsv";
    race.rounds = rounds;
    race.rows = rows;
    race.aim = 3.0;
    race.accounts = {{QLatin1String(kAccountId), QStringLiteral("Checking")}};
    race.import = [&csvPath](const QString& ledger) { return runImport(ledger, csvPath); };
    race.check = [rows](const ImportResult& result) {
        if (!result.failed && result.imported == rows)
            return QString();
        return QStringLiteral("stored %1 of %2 rows (failed: %3)").arg(result.imported).arg(rows).arg(int(result.failed));
    };
    const QString lastImportLedger = raceTheShell(dir.path(), race);
    if (lastImportLedger.isEmpty())
        return 1;

    // The same file again: every row is found among the account's live rows.
    const TimedImport again = runImport(lastImportLedger, csvPath);
    std::printf("Importing the file again into the filled account\n");
    std::printf("  importCsv %8.1f ms: %d imported, %d duplicates skipped, %d transactionsChanged signals\n",
                again.ms, again.result.imported, again.result.duplicatesSkipped, again.changeSignals);
    return 0;
}
