// Times the transaction store's screen queries on a generated heavy ledger:
// the register of a 50,000-row account against the same SELECT run alone
// through SQLite, every account's balance in each mode (one query per account,
// and the grouped query against the same SELECT alone), search and the payee list.
// The register's peak memory is measured in processes of their own: this
// program started again as `bench_transactionstore --peak WHAT LEDGER ACCOUNT`
// opens the ledger, reads the account's register once (WHAT: open, select,
// registerRows) and prints its peak resident set size, which /usr/bin/time -v
// reports as "Maximum resident set size" when it starts the same command.

#include "BenchLedger.h"
#include "BenchTiming.h"

#include "data/Clock.h"
#include "data/Database.h"
#include "data/SqlValues.h"
#include "data/TransactionRepository.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QTextStream>

#include <sqlite3.h>

#include <algorithm>
#include <functional>

namespace {

constexpr int kRuns = 9;

// One warm-up run, then kRuns timed ones.
Timing measure(const std::function<void()>& work)
{
    work();
    return timeRuns(kRuns, work);
}

void printTiming(const QString& what, const Timing& timing, const QString& note = QString())
{
    benchOut() << "  " << what.leftJustified(46) << " median " << msText(timing.medianMs) << "   min " << msText(timing.minMs);
    if (!note.isEmpty())
        benchOut() << "   " << note;
    benchOut() << Qt::endl;
}

// The register's SELECT, as the repository runs it.
const char* const kRegisterSql =
    "SELECT t.id, t.account_id, t.date, t.payee, t.memo, t.amount, t.category_id, t.check_number, t.cleared, "
    "t.reconciled, t.transfer_link_id, t.transfer_dest_account_id, t.is_split, t.recurring_id, t.version, "
    "t.sync_status, t.server_id, t.created_at, t.updated_at, t.deleted_at, "
    "CASE WHEN c.parent_id IS NOT NULL THEN COALESCE((SELECT p.name FROM categories p WHERE p.id = c.parent_id), '') "
    "|| ' > ' || c.name ELSE c.name END AS category_name FROM transactions t LEFT JOIN categories c ON t.category_id = c.id "
    "WHERE t.account_id = ? AND t.deleted_at IS NULL ORDER BY t.date ASC, t.created_at ASC";

// The floor: prepare, bind, step through every row and read every column in its
// stored type, on the program's own connection.
qint64 rawRegisterSelect(sqlite3* handle, const QByteArray& accountId)
{
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(handle, kRegisterSql, -1, &statement, nullptr) != SQLITE_OK)
        return -1;
    sqlite3_bind_text(statement, 1, accountId.constData(), static_cast<int>(accountId.size()), SQLITE_STATIC);
    qint64 checksum = 0;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        const int columns = sqlite3_column_count(statement);
        for (int c = 0; c < columns; ++c) {
            if (sqlite3_column_type(statement, c) == SQLITE_INTEGER) {
                checksum += sqlite3_column_int64(statement, c);
            } else {
                const unsigned char* text = sqlite3_column_text(statement, c);
                checksum += sqlite3_column_bytes(statement, c) + (text ? text[0] : 0);
            }
        }
    }
    sqlite3_finalize(statement);
    return checksum;
}

// The same SELECT through Qt's driver, every value read, nothing mapped.
qint64 qtRegisterSelect(QSqlDatabase& db, const QString& accountId)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QLatin1String(kRegisterSql));
    query.addBindValue(accountId);
    query.exec();
    qint64 rows = 0;
    while (query.next()) {
        for (int c = 0; c < 21; ++c)
            query.value(c);
        ++rows;
    }
    return rows;
}

const QList<QPair<BalanceMode, QString>> kModes{{BalanceMode::Current, QStringLiteral("Current")},
                                                {BalanceMode::Cleared, QStringLiteral("Cleared")},
                                                {BalanceMode::AsOfToday, QStringLiteral("AsOfToday")}};

void measureBalances(const TransactionRepository& repository, const GeneratedLedger& ledger)
{
    for (const auto& [mode, name] : kModes) {
        const Timing all = measure([&] {
            for (const QString& account : ledger.accountIds)
                repository.balance(account, mode);
        });
        const Timing one = measure([&] { repository.balance(ledger.accountIds.first(), mode); });
        printTiming(name + QLatin1String(", one query per account"), all,
                    QStringLiteral("big account alone %1").arg(msText(one.medianMs)));
    }
}

// The grouped balance query of TransactionRepository::balances, run alone.
QByteArray groupedBalanceSql(BalanceMode mode)
{
    const char* condition = mode == BalanceMode::Cleared     ? " AND (cleared = 1 OR reconciled = 1)"
                            : mode == BalanceMode::AsOfToday ? " AND date < ?"
                                                             : "";
    return QByteArray("SELECT a.id, a.starting_balance + COALESCE(s.total, 0) FROM accounts a "
                      "LEFT JOIN (SELECT account_id, SUM(amount) AS total FROM transactions "
                      "WHERE deleted_at IS NULL")
        + condition + " GROUP BY account_id) s ON s.account_id = a.id WHERE a.deleted_at IS NULL";
}

qint64 rawGroupedBalances(sqlite3* handle, BalanceMode mode)
{
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(handle, groupedBalanceSql(mode).constData(), -1, &statement, nullptr) != SQLITE_OK)
        return -1;
    const QByteArray tomorrow = SqlValues::dateText(Clock::today().addDays(1)).toUtf8();
    if (mode == BalanceMode::AsOfToday)
        sqlite3_bind_text(statement, 1, tomorrow.constData(), static_cast<int>(tomorrow.size()), SQLITE_STATIC);
    qint64 checksum = 0;
    while (sqlite3_step(statement) == SQLITE_ROW)
        checksum += sqlite3_column_int64(statement, 1) + sqlite3_column_bytes(statement, 0);
    sqlite3_finalize(statement);
    return checksum;
}

// The account list's query: every balance at once, against the floor.
void measureGroupedBalances(const TransactionRepository& repository, sqlite3* handle)
{
    for (const auto& [mode, name] : kModes) {
        const Timing grouped = measure([&] { repository.balances(mode); });
        const Timing floor = measure([&] { rawGroupedBalances(handle, mode); });
        printTiming(name + QLatin1String(", balances() in one query"), grouped);
        printTiming(name + QLatin1String(", same SELECT alone (floor)"), floor,
                    QStringLiteral("ratio %1 (median), %2 (min); aim <= 1.30")
                        .arg(grouped.medianMs / floor.medianMs, 0, 'f', 2)
                        .arg(grouped.minMs / floor.minMs, 0, 'f', 2));
    }
}

int ftsMatches(QSqlDatabase& db, const QString& text)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT COUNT(*) FROM transactions_fts WHERE transactions_fts MATCH ?"));
    query.addBindValue(buildFtsMatchQuery(text));
    return query.exec() && query.next() ? query.value(0).toInt() : -1;
}

// The peak resident set of this process image (VmHWM). getrusage would also
// count the parent's pages that the fork copied before the exec.
long maxResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// The child process of the peak measurement: prints its peak in KiB.
int peakRun(const QString& what, const QString& ledgerPath, const QString& accountId)
{
    AppState state;
    if (!state.openLedger(ledgerPath))
        return 1;
    RegisterRows rows; // held until the peak has been read
    if (what == QLatin1String("select"))
        rawRegisterSelect(*static_cast<sqlite3* const*>(state.database->database().driver()->handle().constData()),
                          accountId.toUtf8());
    else if (what == QLatin1String("registerRows"))
        rows = state.transactionRepository->registerRows(accountId);
    benchOut() << maxResidentKiB() << Qt::endl;
    return 0;
}

// Runs peakRun in a process of its own; the peak in KiB, or -1.
long peakOf(const QString& what, const QString& ledgerPath, const QString& accountId)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--peak"), what, ledgerPath, accountId});
    if (!child.waitForFinished(-1) || child.exitCode() != 0)
        return -1;
    bool ok = false;
    const long kib = child.readAllStandardOutput().trimmed().toLong(&ok);
    return ok ? kib : -1;
}

// The median of three runs of peakOf.
long medianPeakOf(const QString& what, const QString& ledgerPath, const QString& accountId)
{
    QList<double> peaks;
    for (int run = 0; run < 3; ++run)
        peaks.append(double(peakOf(what, ledgerPath, accountId)));
    return long(median(peaks));
}

void measurePeaks(const QString& ledgerPath, const QString& accountId, qsizetype rowCount)
{
    const long open = medianPeakOf(QStringLiteral("open"), ledgerPath, accountId);
    const long select = medianPeakOf(QStringLiteral("select"), ledgerPath, accountId);
    const long rows = medianPeakOf(QStringLiteral("registerRows"), ledgerPath, accountId);
    const auto mib = [](long kib) { return QString::number(double(kib) / 1024, 'f', 1) + QLatin1String(" MiB"); };
    const auto perRow = [rowCount](long kib) { return QString::number(double(kib) * 1024 / double(rowCount), 'f', 0); };
    const double ratio = double(rows - open) / double(select - open);
    benchOut() << "Peak resident memory of a process that opens the ledger and reads the register once "
                  "(median of 3 processes each)"
               << Qt::endl;
    benchOut() << "  ledger opened, nothing read                  " << mib(open) << Qt::endl;
    benchOut() << "  same SELECT alone, sqlite3 C API (floor)     " << mib(select) << "   (+" << mib(select - open)
               << ", " << perRow(select - open) << " bytes a row)" << Qt::endl;
    benchOut() << "  TransactionRepository::registerRows          " << mib(rows) << "   (+" << mib(rows - open) << ", "
               << perRow(rows - open) << " bytes a row)" << Qt::endl;
    benchOut() << "  ratio of the bytes a row: " << QString::number(ratio, 'f', 2) << "; aim <= 3.00"
               << (ratio <= 3.0 ? "" : "  !! over the aim") << Qt::endl
               << Qt::endl;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 5 && args.at(1) == QLatin1String("--peak"))
        return peakRun(args.at(2), args.at(3), args.at(4));
    BenchLedger bench;
    if (!bench.isReady()) {
        benchOut() << bench.error() << Qt::endl;
        return 1;
    }
    QSqlDatabase& db = bench.sql();
    const GeneratedLedger& ledger = bench.ledger();
    const qint64 generationMs = bench.generationMs();

    const TransactionRepository& repository = *bench.state()->transactionRepository;
    const QString big = ledger.accountIds.first();

    benchOut() << "Ledger: " << ledger.transactionRows << " transactions (" << ledger.liveRows << " live, "
          << ledger.deletedRows << " deleted) over " << ledger.accountIds.size() << " accounts, "
          << ledger.payees.size() << " payees, " << ledger.categoryIds.size() << " categories, "
          << ledger.splitTransactions << " splits with " << ledger.splitLines << " lines, " << ledger.transferPairs
          << " transfer pairs" << Qt::endl;
    benchOut() << "  generated in " << generationMs << " ms, file "
          << QFileInfo(bench.path()).size() / 1024 << " KiB" << Qt::endl << Qt::endl;

    // Register of the big account against the floor.
    sqlite3* handle = bench.handle();
    if (!handle) {
        benchOut() << "no SQLite handle" << Qt::endl;
        return 1;
    }
    qsizetype registerSize = 0;
    // The two run in turns, so that both see the same load.
    const QByteArray bigUtf8 = big.toUtf8();
    registerSize = repository.registerRows(big).size();
    rawRegisterSelect(handle, bigUtf8);
    QList<double> rowsRuns;
    QList<double> rawRuns;
    for (int run = 0; run < kRuns; ++run) {
        rowsRuns.append(timeRuns(1, [&] { repository.registerRows(big); }).medianMs);
        rawRuns.append(timeRuns(1, [&] { rawRegisterSelect(handle, bigUtf8); }).medianMs);
    }
    const auto timingOf = [](QList<double> runs) {
        std::sort(runs.begin(), runs.end());
        return Timing{runs.first(), runs.at(runs.size() / 2), runs.last()};
    };
    const Timing registerRows = timingOf(rowsRuns);
    const Timing raw = timingOf(rawRuns);
    const Timing qtOnly = measure([&] { qtRegisterSelect(db, big); });
    benchOut() << "Register of the big account (" << registerSize << " rows)" << Qt::endl;
    printTiming(QStringLiteral("TransactionRepository::registerRows"), registerRows,
                QStringLiteral("max %1").arg(msText(registerRows.maxMs)));
    printTiming(QStringLiteral("same SELECT alone, sqlite3 C API (floor)"), raw,
                QStringLiteral("max %1").arg(msText(raw.maxMs)));
    printTiming(QStringLiteral("same SELECT through QSqlQuery, no mapping"), qtOnly);
    const double rowsRatio = registerRows.medianMs / raw.medianMs;
    benchOut() << "  ratio registerRows / floor: " << QString::number(rowsRatio, 'f', 2) << " (median), "
               << QString::number(registerRows.minMs / raw.minMs, 'f', 2) << " (min); aim <= 1.30"
               << (rowsRatio <= 1.3 ? "" : "  !! over the aim") << Qt::endl;
    benchOut() << "  ratio registerRows / QSqlQuery read: " << QString::number(registerRows.medianMs / qtOnly.medianMs, 'f', 2)
          << " (median), " << QString::number(registerRows.minMs / qtOnly.minMs, 'f', 2) << " (min)" << Qt::endl
          << Qt::endl;
    measurePeaks(bench.path(), big, registerSize);

    // Balances: one account-list rebuild, one query per account or all at once.
    benchOut() << "Balances of all " << ledger.accountIds.size() << " accounts (one account-list rebuild)" << Qt::endl;
    measureBalances(repository, ledger);
    measureGroupedBalances(repository, handle);
    benchOut() << Qt::endl;

    // Search: at most 200 rows, newest first.
    benchOut() << "Search (aim: worst case < 100 ms)" << Qt::endl;
    const QStringList searches{ledger.rarePrefix, ledger.commonPrefix, QStringLiteral("s"), QStringLiteral("maple mar"),
                               QString()};
    for (const QString& text : searches) {
        qsizetype rows = 0;
        const Timing timing = measure([&] { rows = repository.search(text, {}).size(); });
        const QString label = text.isEmpty() ? QStringLiteral("no text (newest rows)") : QStringLiteral("\"%1\"").arg(text);
        const QString note = text.isEmpty() ? QStringLiteral("%1 rows").arg(rows)
                                            : QStringLiteral("%1 rows of %2 index matches").arg(rows).arg(ftsMatches(db, text));
        printTiming(label, timing, note);
    }
    SearchFilter filter;
    filter.accountId = big;
    filter.dateFrom = QDate(2020, 1, 1);
    qsizetype filtered = 0;
    const Timing filteredTiming = measure([&] { filtered = repository.search(ledger.commonPrefix, filter).size(); });
    printTiming(QStringLiteral("\"%1\", big account, since 2020").arg(ledger.commonPrefix), filteredTiming,
                QStringLiteral("%1 rows").arg(filtered));
    benchOut() << Qt::endl;

    benchOut() << "Payees" << Qt::endl;
    qsizetype payees = 0;
    const Timing payeeTiming = measure([&] { payees = repository.distinctPayees().size(); });
    printTiming(QStringLiteral("distinctPayees"), payeeTiming, QStringLiteral("%1 payees").arg(payees));
    benchOut() << Qt::endl;

    // Not part of the schema: what an index that covers the balance query would
    // buy, measured on the same ledger for the decision whether to add one.
    QSqlQuery index(db);
    if (!index.exec(QStringLiteral("CREATE INDEX bench_balance_cover ON transactions "
                                   "(account_id, deleted_at, cleared, reconciled, date, amount)"))) {
        benchOut() << "cannot create the candidate index" << Qt::endl;
        return 1;
    }
    benchOut() << "Balances again with a candidate covering index "
             "(account_id, deleted_at, cleared, reconciled, date, amount), not in the schema"
          << Qt::endl;
    measureBalances(repository, ledger);
    measureGroupedBalances(repository, handle);
    return 0;
}
