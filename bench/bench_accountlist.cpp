// Times a rebuild of the account list (every card made anew from the grouped
// balance query) on the generated ledger's ten accounts, against that balance
// query alone, in each balance mode. The list is shown (offscreen) and painted
// after each rebuild, as the window would. Then what a save of one row in the
// big account costs the list, until it shows the new balance, against the
// balance query of that account alone and against the grouped query it used
// to run.
// Usage: bench_accountlist (build with -DCMAKE_BUILD_TYPE=Release to measure)

#include "BenchLedger.h"
#include "BenchTiming.h"
#include "BenchWindows.h"

#include "app/AccountListPanel.h"
#include "data/Identifiers.h"
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

    // A save in the big account, in the current mode: the list follows in the
    // next turn of the event loop.
    state->preferencesRepository->set(QStringLiteral("dashboardBalanceMode"), QStringLiteral("current"));
    panel.rebuild();
    const QString big = bench.ledger().accountIds.first();
    bool followed = false;
    QObject::connect(&panel, &AccountListPanel::rebuilt, &panel, [&followed] { followed = true; });
    QList<double> follow;
    QList<double> one;
    QList<double> grouped;
    for (int run = 0; run < kRuns; ++run) {
        Transaction row;
        row.id = newId();
        row.accountId = big;
        row.date = QDate(2024, 6, 1);
        row.payee = QStringLiteral("Bench");
        row.amount = -450;
        row.createdAt = row.updatedAt = QDateTime::currentDateTimeUtc();
        follow.append(timeRuns(1, [&] {
                          while (!followed)
                              QCoreApplication::processEvents();
                          panel.list()->viewport()->repaint();
                      }, [&] {
                          followed = false;
                          state->transactionRepository->insert(row);
                      }).medianMs);
        one.append(timeRuns(1, [&] { state->transactionRepository->balances({big}, BalanceMode::Current); }).medianMs);
        grouped.append(timeRuns(1, [&] { state->transactionRepository->balances(BalanceMode::Current); }).medianMs);
    }
    const double followMs = median(follow);
    const double oneMs = median(one);
    benchOut() << "A row saved in the big account (" << kRuns << " runs, median)" << Qt::endl
               << "  balance SELECT of that account alone (floor)  " << msText(oneMs) << Qt::endl
               << "  grouped balance SELECT of every account       " << msText(median(grouped)) << Qt::endl
               << "  the list until it shows the new balance       " << msText(followMs) << "   ratio "
               << QString::number(followMs / oneMs, 'f', 2) << " (aim <= " << kRatioAim << ")"
               << (followMs / oneMs <= kRatioAim ? "" : "  !! over the aim") << Qt::endl;
    return 0;
}
