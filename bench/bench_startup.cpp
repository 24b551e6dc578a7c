// Times the program's start: from launching the process until the main window
// has painted, on a copy of the generated ledger (100,000 transactions) whose
// last viewed account is the 50,000-row one, and on an empty ledger; next to
// bench_startup_bare, a bare Qt program that shows an empty QMainWindow (the
// floor), and the same at the program's window size, for reference. All run
// offscreen, each in a fresh home, warm (one untimed start each first), in turns
// so that all see the same load. The balances and the rows come after the
// first paint, which is what is timed here.
// Usage: bench_startup (build with -DCMAKE_BUILD_TYPE=Release to measure)
// Run as "bench_startup --program" it is the program itself, started as
// main.cpp starts it, that says "shown" once its window has painted.

#include "BenchLedger.h"
#include "BenchTiming.h"
#include "BenchWindows.h"

#include "app/Application.h"
#include "app/MainWindow.h"
#include "data/PreferencesRepository.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cstring>

namespace {

constexpr int kRuns = 9;
constexpr double kRatioAim = 3.0;

int runProgram(int argc, char** argv)
{
    Application app(argc, argv);
    ShownProbe<MainWindow> probe;
    app.installEventFilter(&probe);
    return app.run();
}

// Milliseconds from the launch until the process printed its line.
double timeStart(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    while (!process.canReadLine() && process.waitForReadyRead(30000)) {
    }
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    const QByteArray line = process.readLine().trimmed();
    process.waitForFinished(30000);
    if (line != "shown") {
        benchOut() << program << " did not show its window: " << process.readAllStandardError() << Qt::endl;
        return -1;
    }
    return ms;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--program") == 0)
        return runProgram(argc, argv);

    QCoreApplication app(argc, argv);
    QTemporaryDir bigHome;
    QTemporaryDir emptyHome;
    {
        BenchLedger bench;
        if (!bench.isReady()) {
            benchOut() << "cannot build the ledger: " << bench.error() << Qt::endl;
            return 1;
        }
        bench.state()->preferencesRepository->set(QStringLiteral("lastViewedAccountId"),
                                                  bench.ledger().accountIds.first());
        QSqlQuery(bench.sql()).exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
        QDir().mkpath(bigHome.filePath(QStringLiteral("data")));
        QFile::copy(bench.path(), bigHome.filePath(QStringLiteral("data/vellumry.db")));
    }
    const auto environmentOf = [](const QTemporaryDir& home) {
        // This version's notes count as shown: the start does not go to the network.
        QSettings(home.filePath(QStringLiteral("config/Orvalen/Vellumry.conf")), QSettings::IniFormat)
            .setValue(QStringLiteral("whatsNew/lastShownVersion"), QStringLiteral("1.1.10"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("share")));
        environment.insert(QStringLiteral("VELLUMRY_DATA_DIR"), home.filePath(QStringLiteral("data")));
        if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        return environment;
    };
    const QProcessEnvironment big = environmentOf(bigHome);
    const QProcessEnvironment empty = environmentOf(emptyHome);

    const QString self = QCoreApplication::applicationFilePath();
    const QString bare = QCoreApplication::applicationDirPath() + QStringLiteral("/bench_startup_bare");
    const QStringList program{QStringLiteral("--program")};
    // The empty ledger is made by the first start.
    timeStart(self, program, big);
    timeStart(self, program, empty);
    // The bare window as big as the program's: filling and flushing its pixels
    // is a cost of the window's size, which any program of that size pays.
    const QStringList programSize{QStringLiteral("1280"), QStringLiteral("900")};
    timeStart(bare, {}, big);
    timeStart(bare, programSize, big);
    QList<double> bigRuns;
    QList<double> emptyRuns;
    QList<double> bareRuns;
    QList<double> bareSizedRuns;
    for (int run = 0; run < kRuns; ++run) {
        bigRuns.append(timeStart(self, program, big));
        bareRuns.append(timeStart(bare, {}, big));
        emptyRuns.append(timeStart(self, program, empty));
        bareSizedRuns.append(timeStart(bare, programSize, big));
    }
    const auto timingOf = [](QList<double> runs) {
        std::sort(runs.begin(), runs.end());
        return Timing{runs.first(), runs.at(runs.size() / 2), runs.last()};
    };
    const Timing bareTiming = timingOf(bareRuns);
    const auto line = [&](const char* what, const Timing& timing) {
        const double ratio = timing.medianMs / bareTiming.medianMs;
        benchOut() << what << spreadText(timing) << "   ratio (median) " << QString::number(ratio, 'f', 2)
                   << ", aim <= " << kRatioAim << (ratio <= kRatioAim ? "" : "  !! over the aim") << Qt::endl;
        return ratio <= kRatioAim;
    };
    benchOut() << "Start until the main window has painted, " << kRuns << " runs each, min / median / max" << Qt::endl
               << "  bare Qt program, empty QMainWindow (floor)    " << spreadText(bareTiming) << Qt::endl;
    const Timing emptyTiming = timingOf(emptyRuns);
    const Timing bigTiming = timingOf(bigRuns);
    const bool within = line("  the program, empty ledger                     ", emptyTiming)
                        & line("  the program, 100,000 rows, 50,000-row account ", bigTiming);
    const Timing sizedTiming = timingOf(bareSizedRuns);
    benchOut() << "  bare QMainWindow at the program's 1280x900     " << spreadText(sizedTiming)
               << "   ratios (median) empty " << QString::number(emptyTiming.medianMs / sizedTiming.medianMs, 'f', 2)
               << ", 100,000 rows " << QString::number(bigTiming.medianMs / sizedTiming.medianMs, 'f', 2) << Qt::endl;
    return within ? 0 : 2;
}
