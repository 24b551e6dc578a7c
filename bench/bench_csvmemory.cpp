// Peak memory of one CSV import (or preview) of a generated file, for choosing and
// checking the CSV size limit. The file is written in small pieces, so the peak is
// the import's own. Run it under /usr/bin/time -v, or read the figure it prints.
// Usage: bench_csvmemory <megabytes> <shape> [import|preview]
//   shapes: fields  "1,2,...,9" rows: short fields, no row reads as a transaction
//           rows    "1/2/15,,12" rows: about the shortest rows that all import
//           bank    bank-export rows of about 70 bytes that all import

#include "data/Account.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Database.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionRepository.h"
#include "services/CsvPreview.h"
#include "services/ImportService.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>

#include <sys/resource.h>

#include <cstdio>

namespace {

const char* const kAccountId = "bench-account";

long peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

QByteArray row(const QByteArray& shape, qint64 index)
{
    if (shape == "fields")
        return "1,2,3,4,5,6,7,8,9\n";
    const QDate day = QDate(2015, 1, 1).addDays(index % 3650);
    if (shape == "rows")
        return day.toString(QStringLiteral("M/d/yy")).toLatin1() + ",," + QByteArray::number(index / 3650) + '\n';
    return day.toString(QStringLiteral("MM/dd/yyyy")).toLatin1() + ",Harbor Market " + QByteArray::number(index % 300)
           + ',' + QByteArray::number(-index) + ".25,Ref " + QByteArray::number(index) + ",Groceries\n";
}

bool writeFile(const QString& path, const QByteArray& shape, qint64 bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray chunk;
    qint64 written = 0;
    for (qint64 index = 0;; ++index) {
        const QByteArray next = row(shape, index);
        if (written + next.size() > bytes)
            break;
        chunk += next;
        written += next.size();
        if (chunk.size() >= (1 << 20)) {
            if (file.write(chunk) != chunk.size())
                return false;
            chunk.clear();
        }
    }
    return file.write(chunk) == chunk.size();
}

bool makeLedger(Database& database, const QString& path)
{
    if (!database.open(path) || !database.migrate())
        return false;
    AccountRepository repository(&database);
    Account account;
    account.id = QLatin1String(kAccountId);
    account.name = QStringLiteral("Checking");
    account.createdAt = QDateTime(QDate(2024, 1, 1), QTime(0, 0), QTimeZone::utc());
    account.updatedAt = account.createdAt;
    return repository.insert(account);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::printf("usage: bench_csvmemory <megabytes> <fields|rows|bank> [import|preview]\n");
        return 2;
    }
    const qint64 bytes = qint64(args.at(1).toDouble() * 1e6);
    const QByteArray shape = args.at(2).toLatin1();
    const bool preview = args.size() > 3 && args.at(3) == QLatin1String("preview");

    QTemporaryDir dir;
    const QString csvPath = dir.filePath(QStringLiteral("bank.csv"));
    if (!dir.isValid() || !writeFile(csvPath, shape, bytes)) {
        std::printf("bench_csvmemory: cannot write the CSV file\n");
        return 1;
    }
    std::printf("bench_csvmemory: %.1f MB of \"%s\" rows, %s; limit %.1f MB\n", double(bytes) / 1e6,
                shape.constData(), preview ? "preview" : "import", double(ImportService::kMaxCsvFileBytes) / 1e6);
    const long before = peakMegabytes();

    QElapsedTimer timer;
    timer.start();
    if (preview) {
        const CsvPreview result = readCsvPreview(csvPath, 50);
        std::printf("  preview: %lld rows, more rows: %s, too large: %s\n", static_cast<long long>(result.rows.size()),
                    result.moreRows ? "yes" : "no", result.tooLarge ? "yes" : "no");
    } else {
        Database database;
        if (!makeLedger(database, dir.filePath(QStringLiteral("ledger.db")))) {
            std::printf("bench_csvmemory: cannot create the ledger\n");
            return 1;
        }
        TransactionRepository transactions(&database);
        CategoryRepository categories(&database);
        SplitLineRepository splitLines(&database);
        AccountRepository accounts(&database);
        ImportService service(&transactions, &categories, &splitLines, &accounts);
        CsvImportOptions options;
        options.memoColumn = 3;
        options.categoryColumn = 4;
        const ImportResult result = service.importCsv(csvPath, QLatin1String(kAccountId), options);
        std::printf("  import: %d imported, %d unreadable, too large: %s, failed: %s\n", result.imported,
                    result.unparseableSkipped, result.fileTooLarge ? "yes" : "no", result.failed ? "yes" : "no");
    }
    std::printf("  %.1f s; peak resident memory %ld MB (%ld MB before the import); aim < 1024 MB\n",
                double(timer.elapsed()) / 1e3, peakMegabytes(), before);
    return 0;
}
