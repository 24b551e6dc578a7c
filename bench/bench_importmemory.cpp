// Peak memory of one import (or CSV preview, or QIF analysis) of a generated file,
// for choosing and checking the size limits of the import files. Each case runs in
// a process of its own, so that its peak is its own; the file is written in small
// pieces before the peak is read.
// Usage:
//   bench_importmemory                  the largest accepted file of each shape
//                                       that the limits are about, beside the bound
//   bench_importmemory <csv|qif> <megabytes> <shape> [import|preview|analysis|reimport|small]
// CSV shapes: rows     "1/2/15,,12" rows: about the shortest rows that all import
//             utf16    the same rows in UTF-16: half as many in as many bytes
//             bank     bank-export rows of about 70 bytes that all import
//             fields   "1,2,...,9" rows: short fields, no row reads as a transaction
//             longrow  a header, then one row of short fields as long as the file
// QIF shapes: records  "D1/2/15 T12 ^": about the shortest records that all import
//             bank     records of about 90 bytes with payee, memo, category, check
//             splits   one record whose split lines fill the file
//             categories  a category list of about the shortest entries
// Modes: reimport imports the file once (in a process of its own) and measures the
// second import of it into the filled account; small measures a file of two rows
// into the account that file filled.

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
#include <QProcess>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>
#include <functional>

namespace {

const char* const kAccountId = "bench-account";
// What an import may take at most, for the largest file it accepts.
constexpr long kBoundMegabytes = 1024;

long peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

QByteArray shortDate(qint64 index)
{
    return QDate(2015, 1, 1).addDays(index % 3650).toString(QStringLiteral("M/d/yy")).toLatin1();
}

// The piece of the file that comes at `index`: a row, a record, a field.
using Piece = std::function<QByteArray(qint64 index)>;

Piece csvPiece(const QByteArray& shape)
{
    if (shape == "utf16")
        return [](qint64 i) {
            const QString row = QString::fromLatin1(shortDate(i) + ",," + QByteArray::number(i / 3650) + '\n');
            const QByteArray text(reinterpret_cast<const char*>(row.utf16()), row.size() * 2);
            return i == 0 ? QByteArray("\xFF\xFE") + text : text;
        };
    if (shape == "fields")
        return [](qint64) { return QByteArray("1,2,3,4,5,6,7,8,9\n"); };
    if (shape == "rows")
        return [](qint64 i) { return shortDate(i) + ",," + QByteArray::number(i / 3650) + '\n'; };
    if (shape == "longrow")
        return [](qint64 i) { return i == 0 ? QByteArray("Date,Payee,Amount\n") : QByteArray("12,"); };
    return [](qint64 i) {
        const QDate day = QDate(2015, 1, 1).addDays(i % 3650);
        return day.toString(QStringLiteral("MM/dd/yyyy")).toLatin1() + ",Harbor Market " + QByteArray::number(i % 300)
               + ',' + QByteArray::number(-i) + ".25,Ref " + QByteArray::number(i) + ",Groceries\n";
    };
}

Piece qifPiece(const QByteArray& shape)
{
    const QByteArray header = "!Account\nNChecking\nTBank\n^\n!Type:Bank\n";
    if (shape == "records")
        return [header](qint64 i) {
            return (i == 0 ? header : QByteArray()) + 'D' + shortDate(i) + "\nT" + QByteArray::number(i / 3650)
                   + "\n^\n";
        };
    if (shape == "splits")
        return [header](qint64 i) {
            return i == 0 ? header + "D1/2/15\nT-1\nPSplit\n" : "SFood\n$-1\n";
        };
    if (shape == "categories")
        return [](qint64 i) {
            return (i == 0 ? QByteArray("!Type:Cat\n") : QByteArray()) + 'N' + QByteArray::number(i, 36) + "\n^\n";
        };
    return [header](qint64 i) {
        const QDate day = QDate(2015, 1, 1).addDays(i % 3650);
        return (i == 0 ? header : QByteArray()) + 'D' + day.toString(QStringLiteral("MM/dd/yyyy")).toLatin1()
               + "\nT-" + QByteArray::number(i) + ".25\nPHarbor Market " + QByteArray::number(i % 300) + "\nMRef "
               + QByteArray::number(i) + "\nN" + QByteArray::number(1000 + i % 9000) + "\nLGroceries\nCX\n^\n";
    };
}

bool writeFile(const QString& path, const Piece& piece, qint64 bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray chunk;
    qint64 written = 0;
    for (qint64 index = 0;; ++index) {
        const QByteArray next = piece(index);
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

// A new ledger with the one account, or one that a first import filled.
bool openLedger(Database& database, const QString& path)
{
    const bool filled = QFile::exists(path);
    if (!database.open(path) || !database.migrate())
        return false;
    if (filled)
        return true;
    AccountRepository repository(&database);
    Account account;
    account.id = QLatin1String(kAccountId);
    account.name = QStringLiteral("Checking");
    account.createdAt = QDateTime(QDate(2024, 1, 1), QTime(0, 0), QTimeZone::utc());
    account.updatedAt = account.createdAt;
    return repository.insert(account);
}

// The ledger an import runs on, with the service and the repositories it uses.
struct BenchLedger
{
    explicit BenchLedger(const QString& path)
        : ready(openLedger(database, path))
    {
    }

    Database database;
    bool ready; // opened before the repositories below are made
    TransactionRepository transactions{&database};
    CategoryRepository categories{&database};
    SplitLineRepository splitLines{&database};
    AccountRepository accounts{&database};
    ImportService service{&transactions, &categories, &splitLines, &accounts};
};

// What the user waits through with a frozen window: a timer fires when the
// import lets events through (which is when the window repaints) and it is
// due; a 50 ms one does not keep those moments busy, as a zero one would.
struct Pauses
{
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 firstMs = -1;
    qint64 longestMs = 0;

    void eventsRan()
    {
        const qint64 now = clock.elapsed();
        if (firstMs < 0)
            firstMs = now;
        longestMs = qMax(longestMs, now - last);
        last = now;
    }
    // Events that never ran before the end ran first when the import returned.
    void end()
    {
        longestMs = qMax(longestMs, clock.elapsed() - last);
        if (firstMs < 0)
            firstMs = clock.elapsed();
    }
};

ImportResult importFile(ImportService& service, bool qif, const QString& path, const QByteArray& shape)
{
    if (qif)
        return service.importQif({path}, {{QStringLiteral("Checking"), QLatin1String(kAccountId)}});
    CsvImportOptions options;
    options.hasHeaderRow = shape == "longrow";
    options.memoColumn = 3;
    options.categoryColumn = 4;
    return service.importCsv(path, QLatin1String(kAccountId), options);
}

// The first import of a re-import case, in a process of its own, so that the
// peak of the measured one is its own.
int fillLedger(const QString& format, const QString& path, const QString& ledgerPath, const QByteArray& shape)
{
    BenchLedger ledger(ledgerPath);
    if (!ledger.ready)
        return 1;
    const ImportResult result = importFile(ledger.service, format == QLatin1String("qif"), path, shape);
    return result.failed ? 1 : 0;
}

// Two rows that import into the account the big file filled.
QByteArray smallFile(bool qif)
{
    return qif ? QByteArray("!Account\nNChecking\nTBank\n^\n!Type:Bank\nD3/4/21\nT-12.50\nPShop\n^\n"
                            "D3/5/21\nT7\nPShop\n^\n")
               : QByteArray("3/4/21,Shop,-12.50\n3/5/21,Shop,7\n");
}

int runCase(const QString& format, double megabytes, const QByteArray& shape, const QString& mode)
{
    const bool qif = format == QLatin1String("qif");
    const qint64 bytes = qint64(megabytes * 1e6);
    QTemporaryDir dir;
    const QString path = dir.filePath(qif ? QStringLiteral("bank.qif") : QStringLiteral("bank.csv"));
    if (!dir.isValid() || !writeFile(path, qif ? qifPiece(shape) : csvPiece(shape), bytes)) {
        std::printf("bench_importmemory: cannot write the file\n");
        return 1;
    }
    const QString ledgerPath = dir.filePath(QStringLiteral("ledger.db"));
    QString importPath = path;
    QString filled;
    if (mode == QLatin1String("reimport") || mode == QLatin1String("small")) {
        QElapsedTimer fillTimer;
        fillTimer.start();
        if (QProcess::execute(QCoreApplication::applicationFilePath(),
                              {QStringLiteral("--fill"), format, path, ledgerPath, QString::fromLatin1(shape)})
            != 0) {
            std::printf("bench_importmemory: the first import failed\n");
            return 1;
        }
        filled = QStringLiteral(", first import %1 s").arg(double(fillTimer.elapsed()) / 1e3, 0, 'f', 1);
        if (mode == QLatin1String("small")) {
            importPath = dir.filePath(qif ? QStringLiteral("small.qif") : QStringLiteral("small.csv"));
            QFile small(importPath);
            if (!small.open(QIODevice::WriteOnly) || small.write(smallFile(qif)) < 0) {
                std::printf("bench_importmemory: cannot write the small file\n");
                return 1;
            }
        }
    }
    const long before = peakMegabytes();
    QElapsedTimer timer;
    timer.start();
    BenchLedger ledger(ledgerPath);
    if (!ledger.ready) {
        std::printf("bench_importmemory: cannot create the ledger\n");
        return 1;
    }
    ImportService& service = ledger.service;
    const double limit = double(qif ? service.limits().qifFileBytes : service.limits().csvFileBytes) / 1e6;

    Pauses pauses;
    QTimer ticks;
    ticks.setInterval(50);
    QObject::connect(&ticks, &QTimer::timeout, &ticks, [&pauses] { pauses.eventsRan(); });
    ticks.start();
    pauses.clock.start();
    QString outcome;
    if (mode == QLatin1String("preview")) {
        const CsvPreview preview = readCsvPreview(path, 100, service.limits());
        outcome = QStringLiteral("%1 rows shown, more rows: %2, too large: %3")
                      .arg(preview.rows.size())
                      .arg(preview.moreRows ? "yes" : "no", preview.tooLarge ? "yes" : "no");
    } else if (mode == QLatin1String("analysis")) {
        const QifAnalysis analysis = service.analyzeQif({path});
        outcome = QStringLiteral("%1 records, %2 sources, %3 problems")
                      .arg(analysis.totalRecords)
                      .arg(analysis.sources.size())
                      .arg(analysis.problems.size());
    } else {
        const ImportResult result = importFile(service, qif, importPath, shape);
        outcome = QStringLiteral("%1 imported, %2 duplicates, %3 unreadable, %4 too long, failed: %5 %6")
                      .arg(result.imported)
                      .arg(result.duplicatesSkipped)
                      .arg(result.unparseableSkipped)
                      .arg(result.oversizedSkipped)
                      .arg(result.failed ? "yes" : "no", result.failureReason);
    }
    pauses.end();
    std::printf("%s %.1f MB \"%s\" %s (limit %.1f MB): %s\n", qPrintable(format), double(bytes) / 1e6,
                shape.constData(), qPrintable(mode), limit, qPrintable(outcome));
    std::printf("  %.1f s, events first let through after %.1f s, longest stretch without %.1f s; "
                "peak %ld MB (%ld MB before), bound %ld MB%s\n",
                double(timer.elapsed()) / 1e3, double(pauses.firstMs) / 1e3, double(pauses.longestMs) / 1e3,
                peakMegabytes(), before, kBoundMegabytes, qPrintable(filled));
    std::fflush(stdout);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // The migrations announce themselves; the figures are what this prints.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type != QtInfoMsg && type != QtDebugMsg)
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    const QStringList args = app.arguments();
    if (args.size() == 6 && args.at(1) == QLatin1String("--fill"))
        return fillLedger(args.at(2), args.at(3), args.at(4), args.at(5).toLatin1());
    if (args.size() >= 4)
        return runCase(args.at(1), args.at(2).toDouble(), args.at(3).toLatin1(),
                       args.size() > 4 ? args.at(4) : QStringLiteral("import"));
    if (args.size() != 1) {
        std::printf("usage: bench_importmemory [<csv|qif> <megabytes> <shape> "
                    "[import|preview|analysis|reimport|small]]\n");
        return 2;
    }

    // The largest files the limits accept, each case in a process of its own:
    // imported first, and again into the account they filled, and a small file
    // into the largest account one file makes.
    const ImportLimits limits;
    const QString csv = QString::number(double(limits.csvFileBytes) / 1e6);
    const QString qif = QString::number(double(limits.qifFileBytes) / 1e6);
    const QList<QStringList> cases{
        {"csv", csv, "rows", "import"},       {"csv", csv, "utf16", "import"},     {"csv", csv, "longrow", "import"},
        {"csv", csv, "longrow", "preview"},   {"csv", csv, "bank", "import"},      {"qif", qif, "records", "import"},
        {"qif", qif, "records", "analysis"},  {"qif", qif, "bank", "import"},      {"qif", qif, "splits", "import"},
        {"qif", qif, "categories", "import"}, {"csv", csv, "rows", "reimport"},    {"csv", csv, "utf16", "reimport"},
        {"csv", csv, "bank", "reimport"},     {"qif", qif, "records", "reimport"}, {"qif", qif, "bank", "reimport"},
        {"qif", qif, "categories", "reimport"}, {"csv", csv, "rows", "small"},
    };
    int failures = 0;
    for (const QStringList& arguments : cases) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(app.applicationFilePath(), arguments);
        if (!child.waitForFinished(-1) || child.exitCode() != 0)
            ++failures;
    }
    return failures == 0 ? 0 : 1;
}
