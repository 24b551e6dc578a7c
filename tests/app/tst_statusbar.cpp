#include "TestMain.h"

#include "app/StatusBar.h"
#include "widgets/ThemeManager.h"
#include "widgets/Appearance.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QTranslator>

class TestStatusBar : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void initialState();
    void accountCountSpeaksTheLanguage();
    void recurringDueLabel();
    void progressAndTimedMessages();
    void messagesCoverTheRecurringDueLabel();
    void coloursFollowTheTheme();

private:
    QLabel* label(StatusBar& bar, const char* name) { return bar.findChild<QLabel*>(QLatin1String(name)); }
    QPalette m_palette;
};

void TestStatusBar::init()
{
    m_palette = QApplication::palette();
    QApplication::setPalette(ThemeManager::lightPalette());
}

void TestStatusBar::cleanup()
{
    QApplication::setPalette(m_palette);
}

void TestStatusBar::initialState()
{
    StatusBar bar;
    bar.show();
    QCOMPARE(label(bar, "syncLabel")->text(), QStringLiteral("Offline"));
    QVERIFY(label(bar, "syncLabel")->isVisible());
    QVERIFY(label(bar, "accountCountLabel")->text().isEmpty());
    QVERIFY(!label(bar, "progressLabel")->isVisible());
    QProgressBar* progress = bar.findChild<QProgressBar*>(QStringLiteral("progressBar"));
    QVERIFY(!progress->isVisible());
    QCOMPARE(progress->minimum(), 0);
    QCOMPARE(progress->maximum(), 0);
    QCOMPARE(progress->maximumWidth(), 100);
    QCOMPARE(progress->maximumHeight(), 14);
    QCOMPARE(label(bar, "syncLabel")->property("orvaFontRole").toInt(), 0);
    // The right-hand side reads: progress text, busy bar, sync text.
    bar.showProgress(QStringLiteral("Working"));
    QTRY_VERIFY(label(bar, "progressLabel")->x() < progress->x());
    QVERIFY(progress->x() < label(bar, "syncLabel")->x());
}

void TestStatusBar::accountCountSpeaksTheLanguage()
{
    StatusBar bar;
    bar.setAccountCount(1);
    QCOMPARE(label(bar, "accountCountLabel")->text(), QStringLiteral("1 account(s)"));

    QTranslator german;
    QVERIFY(german.load(QStringLiteral(":/i18n/vellumry_de.qm")));
    QCoreApplication::installTranslator(&german);
    bar.setAccountCount(1);
    QCOMPARE(label(bar, "accountCountLabel")->text(), QStringLiteral("1 Konto"));
    bar.setAccountCount(3);
    QCOMPARE(label(bar, "accountCountLabel")->text(), QStringLiteral("3 Konten"));
    QCoreApplication::removeTranslator(&german);

    QTranslator english;
    QVERIFY(english.load(QStringLiteral(":/i18n/vellumry_en.qm")));
    QCoreApplication::installTranslator(&english);
    bar.setAccountCount(1);
    QCOMPARE(label(bar, "accountCountLabel")->text(), QStringLiteral("1 account"));
    bar.setAccountCount(2);
    QCOMPARE(label(bar, "accountCountLabel")->text(), QStringLiteral("2 accounts"));
    QCoreApplication::removeTranslator(&english);
}

void TestStatusBar::recurringDueLabel()
{
    StatusBar bar;
    bar.show();
    QLabel* due = label(bar, "recurringDueLabel");
    bar.setRecurringDueCount(0);
    QVERIFY(!due->isVisible());

    bar.setRecurringDueCount(3);
    QVERIFY(due->isVisible());
    QCOMPARE(due->text(), QStringLiteral("  \u2022  3 recurring due"));
    QCOMPARE(due->styleSheet(), QStringLiteral("color: #e65100; font-weight: bold;"));

    QApplication::setPalette(ThemeManager::darkPalette());
    bar.setRecurringDueCount(2);
    QCOMPARE(due->styleSheet(), QStringLiteral("color: #ffa726; font-weight: bold;"));

    bar.setRecurringDueCount(-1);
    QVERIFY(!due->isVisible());
    QCOMPARE(due->text(), QStringLiteral("  \u2022  2 recurring due"));
}

void TestStatusBar::progressAndTimedMessages()
{
    StatusBar bar;
    bar.show();
    QProgressBar* progress = bar.findChild<QProgressBar*>(QStringLiteral("progressBar"));
    bar.showProgress(QStringLiteral("Importing..."));
    QVERIFY(progress->isVisible());
    QCOMPARE(label(bar, "progressLabel")->text(), QStringLiteral("Importing..."));
    QVERIFY(label(bar, "progressLabel")->isVisible());

    bar.showTimedMessage(QStringLiteral("Sync complete"), 2000);
    QVERIFY(!progress->isVisible());
    QVERIFY(!label(bar, "progressLabel")->isVisible());
    QCOMPARE(bar.currentMessage(), QStringLiteral("Sync complete"));
    QTRY_COMPARE_WITH_TIMEOUT(bar.currentMessage(), QString(), 4000);

    bar.showProgress(QStringLiteral("Working"));
    bar.hideProgress();
    QVERIFY(!progress->isVisible());
}

// While a message shows, the due label stays hidden, whatever count comes in;
// when the message ends it is back if there is something due.
void TestStatusBar::messagesCoverTheRecurringDueLabel()
{
    StatusBar bar;
    bar.show();
    QLabel* due = label(bar, "recurringDueLabel");
    QStringList seen;
    const auto note = [&](const char* step) {
        seen.append(QStringLiteral("%1: %2 %3").arg(QLatin1String(step), bar.currentMessage(),
                                                      due->isVisible() ? QStringLiteral("due shown") : QString()));
    };
    bar.setRecurringDueCount(1);
    note("due");
    bar.showTimedMessage(QStringLiteral("Sample data cleared"), 3000);
    note("message");
    bar.setRecurringDueCount(2);
    note("count in the message");
    // The message's own time-out, run out now.
    for (QTimer* timer : bar.findChildren<QTimer*>(Qt::FindDirectChildrenOnly)) {
        if (timer->isActive())
            timer->start(0);
    }
    QTRY_COMPARE(bar.currentMessage(), QString());
    note("message ended");
    bar.showMessage(QStringLiteral("Sync complete"));
    bar.setRecurringDueCount(0);
    bar.clearMessage();
    note("none due");
    bar.setRecurringDueCount(3);
    note("due again");
    QCOMPARE(seen, QStringList({"due:  due shown", "message: Sample data cleared ",
                                "count in the message: Sample data cleared ", "message ended:  due shown",
                                "none due:  ", "due again:  due shown"}));
    QCOMPARE(due->text(), QStringLiteral("  \u2022  3 recurring due"));
}

void TestStatusBar::coloursFollowTheTheme()
{
    StatusBar bar;
    bar.setSyncText(QStringLiteral("Synced"));
    QCOMPARE(label(bar, "syncLabel")->text(), QStringLiteral("Synced"));
    bar.setRecurringDueCount(1);
    bar.refreshColors();
    QCOMPARE(label(bar, "syncLabel")->styleSheet(), QStringLiteral("color: #2A3D33;"));
    QCOMPARE(label(bar, "accountCountLabel")->styleSheet(), QStringLiteral("color: #2A3D33;"));

    QApplication::setPalette(ThemeManager::darkPalette());
    bar.refreshColors();
    QCOMPARE(label(bar, "syncLabel")->styleSheet(), QStringLiteral("color: #8FAF9F;"));
    QCOMPARE(label(bar, "accountCountLabel")->styleSheet(), QStringLiteral("color: #8FAF9F;"));
    // The due label keeps its colour until its count is set again.
    QCOMPARE(label(bar, "recurringDueLabel")->styleSheet(), QStringLiteral("color: #e65100; font-weight: bold;"));
}

VELLUMRY_TEST_MAIN(TestStatusBar)
#include "tst_statusbar.moc"
