#include "TestMain.h"

#include "app/Application.h"
#include "app/ScreenshotTour.h"
#include "data/Clock.h"
#include "state/AppState.h"
#include "widgets/ThemeManager.h"

#include <QImage>
#include <QSet>
#include <QTemporaryDir>
#include <QTimeZone>

namespace {

// Colours on a grid over the picture: an empty canvas has one.
int distinctColours(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 4) {
        for (int x = 0; x < image.width(); x += 4)
            colours.insert(image.pixel(x, y));
    }
    return int(colours.size());
}

} // namespace

class TestScreenshotTour : public QObject
{
    Q_OBJECT

private slots:
    void everyWindowIsBuiltAndRendered();
};

// What scripts/screenshots.sh runs, into a folder of its own: a window or form
// that cannot be opened, or a dialog nobody answers, fails here.
void TestScreenshotTour::everyWindowIsBuiltAndRendered()
{
    Clock::setFixedNow(QDateTime(QDate(2024, 3, 15), QTime(10, 0), QTimeZone::utc()));
    AppState state;
    QVERIFY(state.initialize());
    state.themeManager = new ThemeManager(state.preferencesRepository, &state);
    QTemporaryDir folder;
    ScreenshotTour tour(&state);
    const QStringList written = tour.capture(folder.path());
    QCOMPARE(tour.failures(), QStringList());

    const QStringList pictures{"main-window", "register", "welcome-page", "empty-state-page", "reports",
                               "recurring", "search", "categories", "preferences", "import", "payees",
                               "reconciliation-history", "reconcile", "account-screen", "new-account",
                               "edit-account", "new-transaction", "register-filter", "transaction-details",
                               "memorize-transaction", "split-editor", "recurring-form", "category-form",
                               "accent-colors", "about", "keyboard-shortcuts", "update-available", "whats-new"};
    QStringList expected;
    for (const QString theme : {"light", "dark"}) {
        for (const QString& picture : pictures)
            expected.append(QStringLiteral("%1-%2.png").arg(picture, theme));
    }
    QCOMPARE(written, expected);

    // Each picture holds a window, not an empty canvas; the main window is as large as the README shows it.
    QStringList blank;
    for (const QString& file : written) {
        const QImage image(folder.filePath(file));
        if (image.isNull() || distinctColours(image) < 3)
            blank.append(file);
    }
    QCOMPARE(blank, QStringList());
    QCOMPARE(QImage(folder.filePath(QStringLiteral("main-window-dark.png"))).size(), QSize(1280, 900));
    Clock::reset();
}

VELLUMRY_TEST_MAIN_WITH(Application, TestScreenshotTour)
#include "tst_screenshottour.moc"
