// Times a rebuild of the account list (every card made anew from the grouped
// balance query) on the generated ledger's ten accounts, against that balance
// query alone, in each balance mode. The list is shown (offscreen) and painted
// after each rebuild, as the window would.
// Usage: bench_accountlist (build with -DCMAKE_BUILD_TYPE=Release to measure)

#include "BenchLedger.h"
#include "BenchTiming.h"
#include "BenchWindows.h"

#include "app/AccountListPanel.h"
#include "data/PreferencesRepository.h"
#include "data/TransactionRepository.h"

#include <QApplication>
#include <QListWidget>


namespace {

constexpr int kRuns = 15;
constexpr double kRatioAim = 1.3;

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
    AppState* state = bench.state();
    AccountListPanel panel(state);
    panel.resize(300, 900);
    showExposed(&panel);

    benchOut() << "Account list of the benchmark ledger: " << bench.ledger().accountIds.size() << " accounts, "
               << bench.ledger().transactionRows << " transaction rows, " << kRuns << " runs each (median)"
               << Qt::endl;
    for (const char* mode : {"current", "cleared", "asOfToday"}) {
        state->preferencesRepository->set(QStringLiteral("dashboardBalanceMode"), QLatin1String(mode));
        const BalanceMode balanceMode = balanceModeFromText(QLatin1String(mode));
        // The two run in turns, so that both see the same load.
        QList<double> query;
        QList<double> rebuild;
        for (int run = 0; run < kRuns; ++run) {
            query.append(timeRuns(1, [&] { state->transactionRepository->balances(balanceMode); }).medianMs);
            rebuild.append(timeRuns(1, [&] {
                               panel.rebuild();
                               panel.list()->viewport()->repaint();
                           }).medianMs);
        }
        const double queryMs = median(query);
        const double rebuildMs = median(rebuild);
        const double ratio = rebuildMs / queryMs;
        benchOut() << "Mode " << mode << Qt::endl
                   << "  grouped balance SELECT alone                 " << msText(queryMs) << Qt::endl
                   << "  list rebuild (query, cards, shortcuts, paint) " << msText(rebuildMs) << "   ratio "
                   << QString::number(ratio, 'f', 2) << " (aim <= " << kRatioAim << ")"
                   << (ratio <= kRatioAim ? "" : "  !! over the aim") << Qt::endl;
    }
    return 0;
}
