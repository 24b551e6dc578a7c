// Times the reports screen switching to "All Time" on the generated
// 100,000-transaction ledger, every tab filled and the visible one painted,
// against the eight report queries of that run alone through the report service.
// Usage: bench_reportsscreen (build with -DCMAKE_BUILD_TYPE=Release to measure)

#include "BenchLedger.h"
#include "BenchTiming.h"

#include "data/Clock.h"
#include "screens/ReportsScreen.h"
#include "services/ReportService.h"

#include <QApplication>
#include <QComboBox>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTableView>
#include <QTimeZone>

#include <algorithm>

namespace {

constexpr int kRuns = 9;
constexpr double kAllowedRatio = 1.3;
constexpr int kThisMonth = 0;
constexpr int kAllTime = 9;

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    BenchLedger bench;
    if (!bench.isReady()) {
        benchOut() << bench.error() << Qt::endl;
        return 1;
    }
    // A fifth of the categories count for taxes, so that the tax report has work to do.
    QSqlQuery(bench.sql()).exec(QStringLiteral(
        "UPDATE categories SET is_tax_relevant = 1, tax_category = 'key-' || (rowid % 7) WHERE rowid % 5 = 0"));
    // Two weeks after the ledger's last entry: "All Time" covers all of it.
    const QDate today(2025, 1, 15);
    Clock::setFixedNow(QDateTime(today, QTime(12, 0), QTimeZone::utc()));

    ReportsScreen screen(bench.state());
    screen.resize(800, 600);
    screen.show();
    screen.refresh();
    auto* period = screen.findChild<QComboBox*>(QStringLiteral("periodCombo"));
    auto* tabs = screen.findChild<QTabWidget*>(QStringLiteral("reportTabs"));
    // The largest table in view: what the user waits for is its first page.
    tabs->setCurrentIndex(tabs->count() - 1);
    QApplication::processEvents();

    const ReportService* reports = bench.state()->reportService;
    const QDate from(2000, 1, 1);
    // The comparison the screen starts on: last year against this year so far.
    const QDate lastYear(today.year() - 1, 1, 1), lastYearEnd(today.year() - 1, 12, 31), thisYear(today.year(), 1, 1);
    qsizetype rows = 0;
    const auto queriesAlone = [&] {
        rows = reports->categorySpending(from, today, QString()).size()
            + reports->payeeSummary(from, today, QString()).size() + reports->taxReport(from, today).size()
            + reports->incomeVsExpenses(from, today, QString()).size() + reports->cashFlow(from, today, QString()).size()
            + reports->yearOverYear(lastYear, lastYearEnd, thisYear, today, QString()).size()
            + reports->accountSummary().size() + reports->transactionListing(from, today, QString(), QString()).size();
    };
    const auto switchToAllTime = [&] {
        period->setCurrentIndex(kAllTime);
        QApplication::processEvents();
    };
    const auto switchBack = [&] {
        period->setCurrentIndex(kThisMonth);
        QApplication::processEvents();
    };

    // The two take turns, so that a change in the machine's load weighs on both alike.
    QList<double> screenTimes, queryTimes;
    for (int run = 0; run < kRuns; ++run) {
        screenTimes.append(timeRuns(1, switchToAllTime, switchBack).medianMs);
        queryTimes.append(timeRuns(1, queriesAlone).medianMs);
    }
    std::sort(screenTimes.begin(), screenTimes.end());
    std::sort(queryTimes.begin(), queryTimes.end());
    const Timing screenRun{screenTimes.first(), screenTimes.at(kRuns / 2)};
    const Timing queries{queryTimes.first(), queryTimes.at(kRuns / 2)};

    const double ratio = screenRun.medianMs / queries.medianMs;
    const qsizetype listed = screen.findChild<QTableView*>(QStringLiteral("transactionsTable"))->model()->rowCount();
    benchOut() << "Ledger: " << bench.ledger().transactionRows << " transactions over "
               << bench.ledger().accountIds.size() << " accounts; median of " << kRuns << " runs" << Qt::endl
               << "  Reports screen to All Time " << msText(screenRun.medianMs) << "  (min " << msText(screenRun.minMs)
               << ", " << listed << " transactions listed)" << Qt::endl
               << "  Eight report queries alone " << msText(queries.medianMs) << "  (min " << msText(queries.minMs)
               << ", " << rows << " rows)" << Qt::endl
               << "  Ratio " << QString::number(ratio, 'f', 2) << "  (allowed " << kAllowedRatio << ")"
               << (ratio > kAllowedRatio ? "  OVER" : "") << Qt::endl;
    return ratio > kAllowedRatio ? 1 : 0;
}
