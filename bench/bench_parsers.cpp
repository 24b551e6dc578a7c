// Throughput of the import parsers on generated files of tens of megabytes:
// decoding, CSV splitting and QIF reading, each timed alone and together.
// Usage: bench_parsers [megabytes per file, default 40]

#include "BenchTiming.h"

#include "services/CsvParser.h"
#include "services/ImportText.h"
#include "services/QifParser.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QRandomGenerator>
#include <QStringList>

#include <cstdio>

namespace {

constexpr int kRuns = 3;

const char* const kPayees[] = {
    "Corner Bakery", "ACME Corp Payroll", "City Water & Power", "Caf\xC3\xA9 du March\xC3\xA9",
    "Hardware Store #12", "Netstream", "Dr. M\xC3\xBCller", "Fuel Stop", "Rent", "Bookshop",
};
const char* const kCategories[] = {
    "Groceries", "Salary", "Utilities", "Dining", "Home:Repairs", "Subscriptions", "Health", "Auto:Fuel",
};

QByteArray amountText(QRandomGenerator& random, bool grouped)
{
    const qint64 cents = qint64(random.bounded(400000)) - 300000;
    const qint64 magnitude = cents < 0 ? -cents : cents;
    QByteArray whole = QByteArray::number(magnitude / 100);
    if (grouped && whole.size() > 3)
        whole.insert(whole.size() - 3, ',');
    return (cents < 0 ? "-" : "") + whole + '.' + QByteArray::number(magnitude % 100).rightJustified(2, '0');
}

QByteArray generateCsv(qsizetype targetBytes)
{
    QRandomGenerator random(42);
    QByteArray out;
    out.reserve(targetBytes + 256);
    out += "Date,Payee,Amount,Memo,Category\r\n";
    int row = 0;
    while (out.size() < targetBytes) {
        ++row;
        out += QByteArray::number(1 + row % 12) + '/' + QByteArray::number(1 + row % 28) + "/2024,";
        const QByteArray payee = kPayees[random.bounded(10)];
        // A fifth of the payees and all grouped amounts need quotes, as bank exports write them.
        out += row % 5 == 0 ? '"' + payee + ", Inc.\"" : payee;
        out += ',';
        const bool grouped = row % 3 == 0;
        out += grouped ? '"' + amountText(random, true) + '"' : amountText(random, false);
        out += ',';
        if (row % 7 == 0)
            out += "\"Said \"\"thanks\"\"\nat the counter\"";
        else
            out += "Ref " + QByteArray::number(row);
        out += ',';
        out += kCategories[random.bounded(8)];
        out += "\r\n";
    }
    return out;
}

QByteArray generateQif(qsizetype targetBytes)
{
    QRandomGenerator random(7);
    QByteArray out;
    out.reserve(targetBytes + 256);
    out += "!Type:Cat\nNGroceries\nE\n^\nNSalary\nI\n^\n";
    const char* const accounts[] = {"Checking", "Savings", "Visa Card"};
    int record = 0;
    for (int block = 0; out.size() < targetBytes; ++block) {
        const char* account = accounts[block % 3];
        out += "!Account\nN" + QByteArray(account) + "\nT" + (block % 3 == 2 ? "CCard" : "Bank") + "\n^\n";
        out += block % 3 == 2 ? "!Type:CCard\n" : "!Type:Bank\n";
        for (int i = 0; i < 1000 && out.size() < targetBytes; ++i, ++record) {
            out += 'D' + QByteArray::number(1 + record % 12) + '/' + QByteArray::number(1 + record % 28) + "'24\n";
            out += 'T' + amountText(random, record % 2 == 0) + '\n';
            out += 'P' + QByteArray(kPayees[random.bounded(10)]) + '\n';
            out += "MRef " + QByteArray::number(record) + '\n';
            if (record % 10 == 0)
                out += "N" + QByteArray::number(1000 + record) + '\n';
            out += record % 3 == 0 ? "CX\n" : "C*\n";
            if (record % 6 == 0) {
                out += "L[" + QByteArray(accounts[(block + 1) % 3]) + "]\n";
            } else if (record % 9 == 0) {
                out += "LGroceries\nSGroceries/Home\n$-10.00\nEFood\nSDining\n$-5.50\nEDrinks\n";
            } else {
                out += 'L' + QByteArray(kCategories[random.bounded(8)]) + "/Home\n";
            }
            out += "^\n";
        }
    }
    return out;
}

void report(const char* what, qsizetype bytes, double seconds, const char* extra = "")
{
    std::printf("  %-28s %8.1f ms  %8.1f MB/s%s\n", what, seconds * 1000.0, double(bytes) / 1e6 / seconds, extra);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int megabytes = args.size() > 1 ? qMax(1, args.at(1).toInt()) : 40;
    const qsizetype target = qsizetype(megabytes) * 1000 * 1000;
    std::printf("bench_parsers: files of about %d MB, best of %d runs (MB = 10^6 bytes of the file)\n", megabytes,
                kRuns);

    {
        const QByteArray bytes = generateCsv(target);
        const QString text = decodeImportText(bytes);
        qsizetype rows = 0;
        std::printf("CSV: %.1f MB, UTF-8\n", double(bytes.size()) / 1e6);
        report("decodeImportText", bytes.size(), timeRuns(kRuns, [&] { decodeImportText(bytes); }).minMs / 1e3);
        const double parse = timeRuns(kRuns, [&] { rows = parseCsv(text).size(); }).minMs / 1e3;
        report("parseCsv", bytes.size(), parse, "  (target >= 50 MB/s)");
        report("decode + parseCsv", bytes.size(),
               timeRuns(kRuns, [&] { rows = parseCsv(decodeImportText(bytes)).size(); }).minMs / 1e3);
        std::printf("  rows: %lld\n", static_cast<long long>(rows));
    }
    {
        const QByteArray bytes = generateQif(target);
        const QString text = decodeImportText(bytes);
        qsizetype records = 0;
        std::printf("QIF: %.1f MB, UTF-8\n", double(bytes.size()) / 1e6);
        report("decodeImportText", bytes.size(), timeRuns(kRuns, [&] { decodeImportText(bytes); }).minMs / 1e3);
        const double parse =
            timeRuns(kRuns, [&] { records = parseQif(text, QifDateOrder::Detect).records.size(); }).minMs / 1e3;
        report("parseQif", bytes.size(), parse, "  (target >= 30 MB/s)");
        report("decode + parseQif", bytes.size(),
               timeRuns(kRuns, [&] {
                   records = parseQif(decodeImportText(bytes), QifDateOrder::Detect).records.size();
               }).minMs / 1e3);
        std::printf("  records: %lld\n", static_cast<long long>(records));
    }
    return 0;
}
