// Times a QIF import of 100,000 records over four accounts, 30% of them the legs
// of transfers between those accounts, against two floors: the same rows inserted
// by the sqlite3 shell, in one transaction, into a ledger with the same schema and
// triggers, once as one INSERT per row and once as one INSERT ... SELECT per table.
// The shell's rows are read from what the import stored, so every side inserts
// identical rows (split lines and transfer links included). Reading
// the files alone is timed first; last, the files are imported once more into the
// filled accounts, where every record is a duplicate.
// Usage: bench_qifimport [records, default 100000] [rounds, default 3]

#include "BenchTiming.h"
#include "ImportBench.h"

#include "services/ImportService.h"
#include "services/ImportText.h"
#include "services/QifParser.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QTemporaryDir>

#include <array>
#include <cstdio>

namespace {

struct SourceAccount
{
    const char* name;
    const char* type;
    const char* id;
};
constexpr std::array<SourceAccount, 4> kAccounts{{{"Checking", "Bank", "bench-checking"},
                                                  {"Savings", "Bank", "bench-savings"},
                                                  {"Visa Card", "CCard", "bench-visa"},
                                                  {"Cash", "Cash", "bench-cash"}}};

const char* const kPayees[] = {"Maple Market", "Oakwood Bakery", "Cedar Pharmacy", "Harbor Hardware",
                               "Summit Cafe",  "Riverside Diner", "Golden Books",  "Pioneer Fuel",
                               "Sunrise Dental", "Silver Fitness", "ACME Payroll",  "City Water"};
const char* const kCategories[] = {"Groceries", "Dining", "Fuel", "Utilities", "Rent", "Salary", "Health",
                                   "Home:Repairs", "Subscriptions", "Gifts", "Travel", "Insurance"};

template <typename T, std::size_t N>
constexpr int countOf(const T (&)[N])
{
    return int(N);
}

struct GeneratedQif
{
    QList<QByteArray> files; // one export per account
    int records = 0;
    int pairs = 0;
};

// "D12/25'2024" style dates over ten years, amounts that never repeat (so every
// record imports), cleared marks, check numbers, categories with classes, a split
// every 25th plain record, and transfer legs spread evenly between the records.
GeneratedQif generateQif(int records)
{
    GeneratedQif qif;
    qif.pairs = records * 3 / 20; // 30% of the records are legs
    const int plain = records - 2 * qif.pairs;
    const int events = plain + qif.pairs;
    qif.records = plain + 2 * qif.pairs;

    std::array<QByteArray, kAccounts.size()> out;
    for (std::size_t a = 0; a < kAccounts.size(); ++a) {
        out[a].reserve(qsizetype(records) * 70 / int(kAccounts.size()));
        out[a] += QByteArray("!Account\nN") + kAccounts[a].name + "\nT" + kAccounts[a].type + "\n^\n!Type:"
                  + kAccounts[a].type + '\n';
    }
    out[0].prepend("!Type:Cat\nNSalary\nI\n^\nNGroceries\nE\n^\n");

    const QDate first(2015, 1, 1);
    const int perDay = qMax(1, events / 3650);
    int pairsMade = 0;
    for (int e = 0; e < events; ++e) {
        const QDate date = first.addDays(e / perDay);
        const QByteArray dateLine =
            'D' + QByteArray::number(date.month()) + '/' + QByteArray::number(date.day()) + '\''
            + QByteArray::number(date.year()) + '\n';
        // 1000003 is prime: e -> e * 7919 mod p never repeats below p.
        const qint64 cents = qint64(e) * 7919 % 1000003 + 1;
        const QByteArray magnitude =
            QByteArray::number(cents / 100) + '.' + QByteArray::number(cents % 100).rightJustified(2, '0');
        const bool transfer = qint64(e + 1) * qif.pairs / events > qint64(e) * qif.pairs / events;
        if (transfer) {
            const int from = pairsMade % 3;
            const int to = from + 1;
            ++pairsMade;
            out[from] += dateLine + "T-" + magnitude + "\nPTransfer\nL[" + kAccounts[to].name + "]\nMRef "
                         + QByteArray::number(e) + "\nCX\n^\n";
            out[to] += dateLine + 'T' + magnitude + "\nPTransfer\nL[" + kAccounts[from].name + "]\nMRef "
                       + QByteArray::number(e) + "\n^\n";
            continue;
        }
        QByteArray& file = out[e % kAccounts.size()];
        file += dateLine + 'T' + (e % 5 == 0 ? "" : "-") + magnitude + "\nP" + kPayees[e % countOf(kPayees)]
                + "\nMRef " + QByteArray::number(e) + '\n';
        if (e % 10 == 0)
            file += 'N' + QByteArray::number(1000 + e) + '\n';
        file += e % 3 == 0 ? "CX\n" : "C*\n";
        if (e % 25 == 0)
            file += "LGroceries\nSGroceries/Home\n$-1.00\nEFood\nSDining\n$-0.50\nEDrinks\n";
        else
            file += QByteArray("L") + kCategories[e % countOf(kCategories)] + "/Home\n";
        file += "^\n";
    }
    for (QByteArray& file : out)
        qif.files.append(file);
    return qif;
}

TimedImport runImport(const QString& ledgerPath, const QStringList& paths)
{
    return timeImport(ledgerPath, [&paths](ImportService& service) {
        QHash<QString, QString> mapping;
        for (const SourceAccount& source : kAccounts)
            mapping.insert(QLatin1String(source.name), QLatin1String(source.id));
        return service.importQif(paths, mapping);
    });
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int records = args.size() > 1 ? qMax(20, args.at(1).toInt()) : 100000;
    const int rounds = args.size() > 2 ? qMax(1, args.at(2).toInt()) : 3;
    QTemporaryDir dir;
    const GeneratedQif qif = generateQif(records);
    QStringList paths;
    qsizetype bytes = 0;
    for (int i = 0; i < qif.files.size(); ++i) {
        paths.append(dir.filePath(QStringLiteral("account-%1.qif").arg(i)));
        QFile file(paths.last());
        const QByteArray& bytesOfFile = qif.files.at(i);
        if (!dir.isValid() || !file.open(QIODevice::WriteOnly) || file.write(bytesOfFile) != bytesOfFile.size()) {
            std::printf("bench_qifimport: cannot write the QIF files\n");
            return 1;
        }
        bytes += bytesOfFile.size();
    }
    std::printf("bench_qifimport: %d records (%d transfer pairs) in %d files, %.1f MB of QIF, %d rounds\n",
                qif.records, qif.pairs, int(paths.size()), double(bytes) / 1e6, rounds);

    QList<QString> texts;
    for (const QByteArray& file : qif.files)
        texts.append(decodeImportText(file));
    qsizetype parsed = 0;
    const double parse = timeRuns(5, [&] {
                             parsed = 0;
                             for (const QString& text : texts)
                                 parsed += parseQif(text, QifDateOrder::Detect).records.size();
                         }).minMs
                         / 1e3;
    const double decodeParse = timeRuns(5, [&] {
                                   for (const QByteArray& file : qif.files)
                                       parseQif(decodeImportText(file), QifDateOrder::Detect);
                               }).minMs
                               / 1e3;
    std::printf("Reading the files (best of 5; MB = 10^6 bytes of the files)\n");
    std::printf("  parseQif           %8.1f ms  %8.1f MB/s  (aim >= 30 MB/s), %lld records\n", parse * 1000,
                double(bytes) / 1e6 / parse, static_cast<long long>(parsed));
    std::printf("  decode + parseQif  %8.1f ms  %8.1f MB/s\n", decodeParse * 1000, double(bytes) / 1e6 / decodeParse);

    ShellRace race;
    race.importName = "importQif";
    race.rounds = rounds;
    race.rows = qif.records;
    race.aim = 3.0;
    for (const SourceAccount& source : kAccounts)
        race.accounts.append({QLatin1String(source.id), QLatin1String(source.name)});
    race.import = [&paths](const QString& ledger) { return runImport(ledger, paths); };
    race.check = [&qif](const ImportResult& result) {
        if (!result.failed && result.imported == qif.records && result.transfersLinked == qif.pairs)
            return QString();
        return QStringLiteral("stored %1 of %2 records, linked %3 of %4 pairs (failed: %5)")
            .arg(result.imported)
            .arg(qif.records)
            .arg(result.transfersLinked)
            .arg(qif.pairs)
            .arg(int(result.failed));
    };
    const QString lastImportLedger = raceTheShell(dir.path(), race);
    if (lastImportLedger.isEmpty())
        return 1;

    const TimedImport again = runImport(lastImportLedger, paths);
    std::printf("Importing the files again into the filled accounts\n");
    std::printf("  importQif %8.1f ms: %d imported, %d duplicates skipped, %d transfers linked\n", again.ms,
                again.result.imported, again.result.duplicatesSkipped, again.result.transfersLinked);
    return 0;
}
