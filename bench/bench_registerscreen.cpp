// Times selecting the big account of the generated ledger (50,000 rows) in the
// register screen until the screen is ready to use: rows and figures loaded,
// the view laid out and painted once (QWidget::grab). Against it, the floor:
// TransactionRepository::registerRows alone, run in turns with the selection so
// that both see the same load. Each selection starts from another account.
// Usage: bench_registerscreen (build with -DCMAKE_BUILD_TYPE=Release to measure)

#include "BenchLedger.h"
#include "BenchTiming.h"
#include "BenchWindows.h"

#include "data/PreferencesRepository.h"
#include "data/TransactionRepository.h"
#include "register/RegisterScreen.h"

#include <QApplication>
#include <QTemporaryDir>


namespace {

constexpr int kRuns = 7;
constexpr double kAimMs = 500.0;
constexpr double kRatioAim = 1.5;

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir settingsHome;
    prepareWidgetBench(settingsHome);
    QApplication app(argc, argv);

    BenchLedger bench;
    if (!bench.isReady()) {
        benchOut() << "cannot build the ledger: " << bench.error() << Qt::endl;
        return 1;
    }
    const QString bigAccount = bench.ledger().accountIds.first();
    const QString otherAccount = bench.ledger().accountIds.last();
    TransactionRepository* repository = bench.state()->transactionRepository;

    RegisterScreen screen(bench.state());
    screen.resize(1400, 900);
    showExposed(&screen);

    benchOut() << "Selecting the big account (" << repository->registerRows(bigAccount).size() << " rows), " << kRuns
               << " runs (median)" << Qt::endl;
    for (const bool newestFirst : {false, true}) {
        bench.state()->preferencesRepository->setBool(QStringLiteral("registerNewestFirst"), newestFirst);
        QList<double> alone;
        QList<double> selecting;
        for (int run = 0; run < kRuns; ++run) {
            screen.setAccount(otherAccount);
            screen.grab();
            alone.append(timeRuns(1, [&] { repository->registerRows(bigAccount); }).medianMs);
            selecting.append(timeRuns(1, [&] {
                                 screen.setAccount(bigAccount);
                                 screen.grab();
                             }).medianMs);
        }
        const double rowsMs = median(alone);
        const double readyMs = median(selecting);
        const double ratio = readyMs / rowsMs;
        const bool within = readyMs < kAimMs && ratio <= kRatioAim;
        benchOut() << (newestFirst ? "Newest first" : "Oldest first") << Qt::endl;
        benchOut() << "  TransactionRepository::registerRows alone      " << msText(rowsMs) << Qt::endl;
        benchOut() << "  setAccount until laid out and painted          " << msText(readyMs) << "   ratio "
                   << QString::number(ratio, 'f', 2) << " (aim < " << kAimMs << " ms, <= " << kRatioAim << "x)"
                   << (within ? "" : "  !! over the aim") << Qt::endl;
    }
    return 0;
}
