// Times the register of the generated ledger's big account (50,000 rows): a
// reload as the register screen does it (registerRows, then the model reset
// with a table view attached and painted) against registerRows alone, and a
// re-sort on every column. The view is set up as the register's: uniform rows,
// no per-row widgets, nothing measured per row.
// Usage: bench_register (build with -DCMAKE_BUILD_TYPE=Release to measure)

#include "BenchLedger.h"
#include "BenchTiming.h"
#include "BenchWindows.h"

#include "data/TransactionRepository.h"
#include "register/RegisterDelegate.h"
#include "register/RegisterModel.h"

#include <QApplication>
#include <QHeaderView>
#include <QTableView>


namespace {

constexpr int kRuns = 7;
constexpr double kResetRatioAim = 1.3;
constexpr double kSortAimMs = 150.0;

void printLine(const QString& what, double ms, const QString& aim = QString())
{
    benchOut() << "  " << what.leftJustified(46) << msText(ms) << "   " << aim << Qt::endl;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    BenchLedger bench;
    if (!bench.isReady()) {
        benchOut() << "cannot build the ledger: " << bench.error() << Qt::endl;
        return 1;
    }
    TransactionRepository* repository = bench.state()->transactionRepository;
    const QString accountId = bench.ledger().accountIds.first();

    RegisterModel model;
    RegisterDelegate delegate(bench.state());
    delegate.setAccountId(accountId);
    QTableView view;
    view.setModel(&model);
    view.setItemDelegate(&delegate);
    view.setAlternatingRowColors(true);
    view.verticalHeader()->hide();
    view.verticalHeader()->setDefaultSectionSize(36);
    view.setSortingEnabled(true);
    view.resize(1400, 900);
    showExposed(&view);
    const auto paint = [&] { view.viewport()->repaint(); };

    RegisterRows rows = repository->registerRows(accountId);
    benchOut() << "Register of the big account: " << rows.size() << " rows, " << kRuns << " runs each (median)"
               << Qt::endl;

    RegisterModel detached;
    RegisterRows given;
    printLine(QStringLiteral("model reset alone, no view, oldest first"),
              timeRuns(kRuns, [&] { detached.setTransactions(std::move(given)); }, [&] { given = rows; }).medianMs);

    // The register opens oldest first, or newest first by preference. The
    // query alone and the reload run in turns, so that both see the same load.
    for (const Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
        const QString sorted = order == Qt::AscendingOrder ? QStringLiteral("oldest first")
                                                           : QStringLiteral("newest first");
        view.sortByColumn(RegisterModel::DateColumn, order);
        const double modelMs = timeRuns(
            kRuns, [&] { model.setTransactions(std::move(given)); paint(); }, [&] { given = rows; }).medianMs;
        QList<double> alone;
        QList<double> reload;
        for (int run = 0; run < kRuns; ++run) {
            alone.append(timeRuns(1, [&] { rows = repository->registerRows(accountId); }).medianMs);
            reload.append(timeRuns(1, [&] {
                              model.setTransactions(repository->registerRows(accountId));
                              paint();
                          }).medianMs);
        }
        const double rowsMs = median(alone);
        const double reloadMs = median(reload);
        const double ratio = reloadMs / rowsMs;
        benchOut() << "Reload, " << sorted << Qt::endl;
        printLine(QStringLiteral("TransactionRepository::registerRows alone"), rowsMs);
        printLine(QStringLiteral("model reset and paint alone"), modelMs);
        printLine(QStringLiteral("registerRows + model reset + paint"), reloadMs,
                  QStringLiteral("ratio %1 (aim <= %2)%3")
                      .arg(ratio, 0, 'f', 2)
                      .arg(kResetRatioAim, 0, 'f', 1)
                      .arg(ratio <= kResetRatioAim ? QString() : QStringLiteral("  !! over the aim")));
    }

    benchOut() << "Re-sort on each column from another order, view painted (aim < " << kSortAimMs << " ms)" << Qt::endl;
    for (int column = 0; column < RegisterModel::ColumnCount; ++column) {
        for (const Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
            const double sortMs = timeRuns(
                kRuns, [&] { view.sortByColumn(column, order); paint(); },
                [&] { model.sort(column == 0 ? 8 : 0, Qt::AscendingOrder); }).medianMs;
            const QString name = model.headerData(column, Qt::Horizontal).toString();
            printLine(QStringLiteral("%1 %2").arg(name, order == Qt::AscendingOrder ? QStringLiteral("ascending")
                                                                                  : QStringLiteral("descending")),
                      sortMs, sortMs < kSortAimMs ? QString() : QStringLiteral("!! over the aim"));
        }
    }
    return 0;
}
