// Renders every window and dialog into PNG files, for the README and for
// whoever changes a screen: scripts/screenshots.sh runs it.
// Usage: vellumry_screenshots <output folder> [language]
// The language is one of the interface's ("en", the default, "de", "es", "fr", "ja").
// It runs offscreen (unless QT_QPA_PLATFORM says otherwise) in a home of its
// own, so neither the user's ledger nor their settings are touched, on a
// fixed "today", so the pictures change only when the program does.

#include "Application.h"
#include "ScreenshotTour.h"
#include "data/Clock.h"
#include "state/AppState.h"
#include "state/UiLanguage.h"
#include "widgets/ThemeManager.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimeZone>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s <output folder> [language]\n", argv[0]);
        return 2;
    }
    const QString language = argc == 3 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("en");
    if (!supportedUiLanguages().contains(language)) {
        std::fprintf(stderr, "no such language: %s\n", argv[2]);
        return 2;
    }
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    for (const char* variable : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "VELLUMRY_DATA_DIR"})
        qputenv(variable, QFile::encodeName(home.filePath(QString::fromLatin1(variable))));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    Application app(argc, argv);
    writeUiLanguage(language);
    app.installTranslators();
    Clock::setFixedNow(QDateTime(QDate(2024, 3, 15), QTime(10, 0), QTimeZone::utc()));

    AppState state;
    if (!state.initialize()) {
        std::fprintf(stderr, "the ledger could not be opened\n");
        return 1;
    }
    state.themeManager = new ThemeManager(state.preferencesRepository, &state);

    ScreenshotTour tour(&state);
    const QStringList written = tour.capture(QDir(QString::fromLocal8Bit(argv[1])).absolutePath());
    QTextStream out(stdout);
    for (const QString& file : written)
        out << file << '\n';
    QTextStream err(stderr);
    for (const QString& failure : tour.failures())
        err << failure << '\n';
    return tour.failures().isEmpty() ? 0 : 1;
}
