// Times each report of the report service on the generated 100,000-transaction
// ledger against its own SQL run alone through SQLite. The statements are
// caught as the service runs them (a trace on the connection), so the floor is
// the very SQL the service sends, never a copy that could drift from it.
// Usage: bench_reports (build with -DCMAKE_BUILD_TYPE=Release to measure)

#include "BenchLedger.h"
#include "BenchTiming.h"

#include "services/ReportService.h"

#include <QCoreApplication>
#include <QSqlQuery>

#include <sqlite3.h>

#include <functional>

namespace {

constexpr int kRuns = 9;
constexpr double kAllowedRatio = 2.0;

// The median of kRuns timed runs after a warm-up, in milliseconds.
double medianMs(const std::function<void()>& work)
{
    work();
    return timeRuns(kRuns, work).medianMs;
}

// The statements the connection runs while tracing is on.
int recordStatement(unsigned type, void* context, void* statement, void*)
{
    if (type == SQLITE_TRACE_STMT)
        static_cast<QList<QByteArray>*>(context)->append(sqlite3_sql(static_cast<sqlite3_stmt*>(statement)));
    return 0;
}

QList<QByteArray> statementsOf(sqlite3* handle, const std::function<void()>& report)
{
    QList<QByteArray> statements;
    sqlite3_trace_v2(handle, SQLITE_TRACE_STMT, &recordStatement, &statements);
    report();
    sqlite3_trace_v2(handle, 0, nullptr, nullptr);
    return statements;
}

// The floor: prepare, bind, step through every row and read every column in its
// stored type. Parameters are bound from `values` by position, as the service
// binds them; -1 when the statement does not take exactly those.
qint64 runAlone(sqlite3* handle, const QByteArray& sql, const QList<QByteArray>& values)
{
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(handle, sql.constData(), int(sql.size()), &statement, nullptr) != SQLITE_OK)
        return -1;
    if (sqlite3_bind_parameter_count(statement) != values.size()) {
        sqlite3_finalize(statement);
        return -1;
    }
    for (int i = 0; i < values.size(); ++i)
        sqlite3_bind_text(statement, i + 1, values[i].constData(), int(values[i].size()), SQLITE_STATIC);
    qint64 rows = 0;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        ++rows;
        const int columns = sqlite3_column_count(statement);
        for (int c = 0; c < columns; ++c) {
            if (sqlite3_column_type(statement, c) == SQLITE_INTEGER)
                sqlite3_column_int64(statement, c);
            else
                sqlite3_column_text(statement, c);
        }
    }
    sqlite3_finalize(statement);
    return rows;
}

struct Report
{
    QString name;
    std::function<qsizetype()> run;     // returns the number of rows
    QList<QList<QByteArray>> values;    // per statement, in the order the service binds them
};

bool failed = false;

void measure(sqlite3* handle, const Report& report)
{
    const QList<QByteArray> statements = statementsOf(handle, [&] { report.run(); });
    if (statements.size() != report.values.size()) {
        benchOut() << report.name << ": expected " << report.values.size() << " statements, caught " << statements.size()
              << Qt::endl;
        failed = true;
        return;
    }
    qint64 floorRows = 0;
    for (qsizetype i = 0; i < statements.size(); ++i) {
        const qint64 rows = runAlone(handle, statements[i], report.values[i]);
        if (rows < 0) {
            benchOut() << report.name << ": the statement does not run alone with the given values" << Qt::endl;
            failed = true;
            return;
        }
        floorRows += rows;
    }

    qsizetype serviceRows = 0;
    const double service = medianMs([&] { serviceRows = report.run(); });
    const double floor = medianMs([&] {
        for (qsizetype i = 0; i < statements.size(); ++i)
            runAlone(handle, statements[i], report.values[i]);
    });
    const double ratio = service / floor;
    if (ratio > kAllowedRatio)
        failed = true;
    benchOut() << "  " << report.name.leftJustified(22) << QString::number(serviceRows).rightJustified(7) << " rows "
          << QString::number(service, 'f', 2).rightJustified(9) << " ms   SQL alone "
          << QString::number(floor, 'f', 2).rightJustified(9) << " ms (" << QString::number(floorRows).rightJustified(7)
          << " rows)   ratio " << QString::number(ratio, 'f', 2) << (ratio > kAllowedRatio ? "  OVER" : "")
          << Qt::endl;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    BenchLedger bench;
    if (!bench.isReady()) {
        benchOut() << bench.error() << Qt::endl;
        return 1;
    }
    QSqlDatabase& db = bench.sql();
    const GeneratedLedger& ledger = bench.ledger();
    // A fifth of the categories count for taxes, so that the tax report has work to do.
    QSqlQuery tax(db);
    tax.exec(QStringLiteral("UPDATE categories SET is_tax_relevant = 1, tax_category = 'key-' || (rowid % 7) "
                            "WHERE rowid % 5 = 0"));
    sqlite3* handle = bench.handle();
    if (!handle) {
        benchOut() << "no SQLite handle" << Qt::endl;
        return 1;
    }

    ReportService service(bench.database());
    // The widest run the reports screen can ask for: every account, "All Time".
    const QDate to = QDate(2024, 12, 31);
    const QDate from = QDate(2000, 1, 1);
    const QByteArray fromText = from.toString(Qt::ISODate).toUtf8();
    const QByteArray toText = to.toString(Qt::ISODate).toUtf8();
    const QByteArray label = ReportService::tr("Uncategorized").toUtf8();
    const QString big = ledger.accountIds.first();
    const QByteArray bigText = big.toUtf8();
    const QDate lastYear(2023, 1, 1), lastYearEnd(2023, 12, 31), thisYear(2024, 1, 1);
    // The first listing also checks, once per process, that the direct reads may
    // be used; that check is not part of any report.
    service.transactionListing(to, from, QString(), QString());

    benchOut() << "Ledger: " << ledger.transactionRows << " transactions (" << ledger.liveRows << " live) over "
          << ledger.accountIds.size() << " accounts, " << ledger.categoryIds.size() << " categories; median of "
          << kRuns << " runs, allowed ratio " << kAllowedRatio << Qt::endl;

    const QList<Report> allAccounts = {
        {QStringLiteral("accountSummary"), [&] { return service.accountSummary().size(); }, {{}}},
        {QStringLiteral("cashFlow"), [&] { return service.cashFlow(from, to, QString()).size(); },
         {{fromText, toText}}},
        {QStringLiteral("categorySpending"), [&] { return service.categorySpending(from, to, QString()).size(); },
         {{label, fromText, toText}}},
        {QStringLiteral("incomeVsExpenses"), [&] { return service.incomeVsExpenses(from, to, QString()).size(); },
         {{fromText, toText}}},
        {QStringLiteral("payeeSummary"), [&] { return service.payeeSummary(from, to, QString()).size(); },
         {{fromText, toText}}},
        {QStringLiteral("taxReport"), [&] { return service.taxReport(from, to).size(); }, {{fromText, toText}}},
        {QStringLiteral("transactionListing"),
         [&] { return service.transactionListing(from, to, QString(), QString()).size(); },
         {{}, {}, {fromText, toText}}},
        {QStringLiteral("yearOverYear"),
         [&] { return service.yearOverYear(lastYear, lastYearEnd, thisYear, to, QString()).size(); },
         {{label, lastYear.toString(Qt::ISODate).toUtf8(), lastYearEnd.toString(Qt::ISODate).toUtf8()},
          {label, thisYear.toString(Qt::ISODate).toUtf8(), toText}}},
    };
    benchOut() << Qt::endl << "Every account, 2000-01-01 to 2024-12-31" << Qt::endl;
    for (const Report& report : allAccounts)
        measure(handle, report);

    // Not a report but asked before each run; too quick for a ratio to mean anything.
    const double currency = medianMs([&] { service.runCurrency(QString()); });
    benchOut() << "  runCurrency (every account) " << QString::number(currency, 'f', 3) << " ms" << Qt::endl;

    const QList<Report> bigAccount = {
        {QStringLiteral("cashFlow"), [&] { return service.cashFlow(from, to, big).size(); },
         {{fromText, toText, bigText}}},
        {QStringLiteral("categorySpending"), [&] { return service.categorySpending(from, to, big).size(); },
         {{label, fromText, toText, bigText}}},
        {QStringLiteral("payeeSummary"), [&] { return service.payeeSummary(from, to, big).size(); },
         {{fromText, toText, bigText}}},
        {QStringLiteral("transactionListing"),
         [&] { return service.transactionListing(from, to, big, QString()).size(); },
         {{}, {}, {fromText, toText, bigText}}},
    };
    benchOut() << Qt::endl << "The big account alone" << Qt::endl;
    for (const Report& report : bigAccount)
        measure(handle, report);

    benchOut() << Qt::endl << (failed ? "Some report is over the allowed ratio or did not run." : "Every report is within the allowed ratio.")
          << Qt::endl;
    return failed ? 1 : 0;
}
