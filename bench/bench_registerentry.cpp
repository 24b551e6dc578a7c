// Times Ctrl+Return on a typed new row of the big account of the generated
// ledger (50,000 rows) in the register screen, until the entry row is ready for
// the next one: the row saved, the register reloaded, the entry row current and
// the view painted once (QWidget::grab). Beside it, one
// TransactionRepository::registerRows call on the same account, the floor every
// reload pays. Typing the row is not timed.
// Usage: bench_registerentry (build with -DCMAKE_BUILD_TYPE=Release to measure)

#include "BenchLedger.h"
#include "BenchTiming.h"
#include "BenchWindows.h"

#include "data/TransactionRepository.h"
#include "register/RegisterModel.h"
#include "register/RegisterScreen.h"
#include "register/RegisterTableView.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>

namespace {

constexpr int kRuns = 9;
constexpr double kAimMs = 300.0;

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
    TransactionRepository* repository = bench.state()->transactionRepository;

    RegisterScreen screen(bench.state());
    screen.resize(1400, 900);
    showExposed(&screen);
    screen.setAccount(bigAccount);
    screen.grab();
    auto* table = screen.findChild<RegisterTableView*>(QStringLiteral("registerTable"));
    auto* model = qobject_cast<RegisterModel*>(table->model());

    int typed = 0;
    const auto typeRow = [&] {
        const int entry = model->entryRow();
        model->setData(model->index(entry, RegisterModel::PayeeColumn), QStringLiteral("Bench %1").arg(++typed));
        model->setData(model->index(entry, RegisterModel::PaymentColumn), QStringLiteral("4.50"));
        table->setCurrentIndex(model->index(entry, RegisterModel::PaymentColumn));
    };
    const auto commit = [&] {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::ControlModifier);
        QApplication::sendEvent(table, &press);
        QCoreApplication::processEvents();
        screen.grab();
    };

    const qsizetype before = repository->registerRows(bigAccount).size();
    const Timing rows = timeRuns(kRuns, [&] { repository->registerRows(bigAccount); });
    const Timing entering = timeRuns(kRuns, commit, typeRow);
    const qsizetype saved = repository->registerRows(bigAccount).size() - before;

    benchOut() << "Ctrl+Return on a new row of the big account (" << before << " rows), " << kRuns
               << " runs, min / median" << Qt::endl;
    benchOut() << "  TransactionRepository::registerRows alone      " << msText(rows.minMs) << " / "
               << msText(rows.medianMs) << Qt::endl;
    benchOut() << "  Ctrl+Return until the entry row is ready       " << msText(entering.minMs) << " / "
               << msText(entering.medianMs) << "   (aim < " << kAimMs << " ms)"
               << (entering.medianMs < kAimMs ? "" : "  !! over the aim") << Qt::endl;
    if (saved != kRuns || table->currentIndex().row() != model->entryRow()) {
        benchOut() << "!! expected " << kRuns << " rows saved and the entry row current; saved " << saved << Qt::endl;
        return 1;
    }
    return 0;
}
