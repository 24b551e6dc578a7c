#include "TestMain.h"

#include "screens/WelcomeScreen.h"
#include "widgets/Appearance.h"
#include "widgets/ThemeManager.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

class TestWelcomeScreen : public QObject
{
    Q_OBJECT

private slots:
    void modesSwapTheActions();
    void coloursFollowTheTheme_data();
    void coloursFollowTheTheme();
};

void TestWelcomeScreen::modesSwapTheActions()
{
    WelcomeScreen page(nullptr);
    page.resize(1200, 400);
    page.show();
    auto* title = page.findChild<QLabel*>(QStringLiteral("titleLabel"));
    auto* notice = page.findChild<QLabel*>(QStringLiteral("sessionEndedLabel"));
    auto* card = page.findChild<QWidget*>(QStringLiteral("HowItWorksCard"));
    auto* primary = page.findChild<QPushButton*>(QStringLiteral("primaryButton"));
    auto* signIn = page.findChild<QPushButton*>(QStringLiteral("signInButton"));
    QCOMPARE(title->text(), QStringLiteral("Welcome to\nOrvalen Vellumry"));
    // The program's icon comes with the page, not with the application.
    QCOMPARE(page.findChild<QLabel*>(QStringLiteral("iconLabel"))->pixmap().size(), QSize(80, 80));
    // A new page shows the notice beside the first-run texts until a mode is set.
    QVERIFY(notice->isVisible());
    QVERIFY(page.findChild<QWidget*>(QStringLiteral("welcomeColumn"))->width() <= 560);

    page.setReturningUser(false);
    QVERIFY(!notice->isVisible());
    QVERIFY(card->isVisible());
    QVERIFY(!primary->isFlat());
    QVERIFY(signIn->isFlat());

    page.setReturningUser(true);
    QCOMPARE(title->text(), QStringLiteral("Welcome back"));
    QVERIFY(notice->isVisible());
    QVERIFY(!card->isVisible());
    QCOMPARE(signIn->text(), QStringLiteral("Sign In"));
    QVERIFY(!signIn->isFlat());
    QCOMPARE(signIn->minimumHeight(), 40);
    QCOMPARE(primary->text(), QStringLiteral("Create a different account"));
    QVERIFY(primary->isFlat());

    QSignalSpy create(&page, &WelcomeScreen::createAccountRequested);
    QSignalSpy signInSpy(&page, &WelcomeScreen::signInRequested);
    QTest::mouseClick(primary, Qt::LeftButton);
    QTest::mouseClick(signIn, Qt::LeftButton);
    QCOMPARE(create.count(), 1);
    QCOMPARE(signInSpy.count(), 1);

    // Back to the first-run mode, asked for twice.
    for (int time = 0; time < 2; ++time) {
        page.setReturningUser(false);
        QCOMPARE(QList<bool>({notice->isVisible(), card->isVisible(), primary->isFlat(), signIn->isFlat()}),
                 QList<bool>({false, true, false, true}));
    }
}

void TestWelcomeScreen::coloursFollowTheTheme_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QString>("tagline");
    QTest::addColumn<QString>("border");
    QTest::newRow("light") << false << "#4A6358" << "#D8E0DB";
    QTest::newRow("dark") << true << "#8FAF9F" << "#2A4038";
}

void TestWelcomeScreen::coloursFollowTheTheme()
{
    QFETCH(bool, dark);
    QFETCH(QString, tagline);
    QFETCH(QString, border);
    const QPalette platform = QApplication::palette();
    QApplication::setPalette(dark ? ThemeManager::darkPalette() : ThemeManager::lightPalette());
    WelcomeScreen page(nullptr);
    QApplication::setPalette(platform);
    QCOMPARE(page.findChild<QLabel*>(QStringLiteral("taglineLabel"))->styleSheet(),
             QStringLiteral("color: %1;").arg(tagline));
    QVERIFY(page.findChild<QWidget*>(QStringLiteral("HowItWorksCard"))->styleSheet().contains(border));
}

VELLUMRY_TEST_MAIN(TestWelcomeScreen)
#include "tst_welcomescreen.moc"
