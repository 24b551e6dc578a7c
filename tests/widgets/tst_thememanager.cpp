#include "TempDatabase.h"
#include "TestMain.h"

#include "widgets/ThemeManager.h"
#include "data/PreferencesRepository.h"
#include "widgets/Appearance.h"

#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSignalSpy>

#include <memory>

class TestThemeManager : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void namesAndParsing();
    void palettes();
    void systemFollowsThePlatformPaletteReadAtStart();
    void accentColour();
    void fontScaleRefontsTaggedWidgets();
    void storedPreferencesApply_data();
    void storedPreferencesApply();

private:
    QString preference(const QString& key) { return m_preferences->getString(key, QStringLiteral("<none>")); }

    std::unique_ptr<TempDatabase> m_db;
    std::unique_ptr<PreferencesRepository> m_preferences;
    QPalette m_platformPalette;
};

void TestThemeManager::init()
{
    m_db = std::make_unique<TempDatabase>();
    QVERIFY(m_db->isReady());
    m_preferences = std::make_unique<PreferencesRepository>(m_db->database());
    m_platformPalette = QApplication::palette();
    QFont base = QApplication::font();
    base.setPointSize(9);
    appDefaultFont() = base;
    setCurrentFontScale(100);
    appAccentColor() = QColor(QStringLiteral("#00897B"));
}

void TestThemeManager::cleanup()
{
    QApplication::setPalette(m_platformPalette);
    m_preferences.reset();
    m_db.reset();
}

void TestThemeManager::namesAndParsing()
{
    QCOMPARE(themeName(ThemeManager::System), QStringLiteral("system"));
    QCOMPARE(themeName(ThemeManager::Light), QStringLiteral("light"));
    QCOMPARE(themeName(ThemeManager::Dark), QStringLiteral("dark"));

    ThemeManager manager(m_preferences.get());
    QSignalSpy changed(&manager, &ThemeManager::themeChanged);
    manager.setThemeByName(QStringLiteral("dark"));
    QCOMPARE(manager.theme(), ThemeManager::Dark);
    QCOMPARE(preference(QStringLiteral("theme")), QStringLiteral("dark"));
    manager.setThemeByName(QStringLiteral("Dark"));
    QCOMPARE(manager.theme(), ThemeManager::System);
    manager.setThemeByName(QString());
    QCOMPARE(manager.theme(), ThemeManager::System);
    manager.setThemeByName(QStringLiteral("light"));
    QCOMPARE(manager.theme(), ThemeManager::Light);
    QCOMPARE(preference(QStringLiteral("theme")), QStringLiteral("light"));
    QCOMPARE(changed.count(), 4);
    QCOMPARE(changed.last().at(0).value<ThemeManager::Theme>(), ThemeManager::Light);
}

void TestThemeManager::palettes()
{
    ThemeManager manager(m_preferences.get());
    manager.setTheme(ThemeManager::Dark);
    QPalette palette = QApplication::palette();
    QCOMPARE(palette.color(QPalette::Active, QPalette::Window), QColor(QStringLiteral("#0F1E19")));
    QCOMPARE(palette.color(QPalette::Inactive, QPalette::Base), QColor(QStringLiteral("#152420")));
    QCOMPARE(palette.color(QPalette::Active, QPalette::Highlight), QColor(QStringLiteral("#00897B")).lighter(135));
    QCOMPARE(palette.color(QPalette::Disabled, QPalette::Text), QColor(QStringLiteral("#3A5A4A")));
    QCOMPARE(palette.color(QPalette::Active, QPalette::Text), QColor(QStringLiteral("#D8E8DF")));
    QVERIFY(isDarkPalette());
    QCOMPARE(QApplication::font().pointSize(), 9);

    manager.setTheme(ThemeManager::Light);
    palette = QApplication::palette();
    QCOMPARE(palette.color(QPalette::Active, QPalette::Window), QColor(QStringLiteral("#FAFBFA")));
    QCOMPARE(palette.color(QPalette::Active, QPalette::Highlight), QColor(QStringLiteral("#00897B")));
    QCOMPARE(palette.color(QPalette::Disabled, QPalette::ButtonText), QColor(QStringLiteral("#A0B5A8")));
    QCOMPARE(palette.color(QPalette::Active, QPalette::PlaceholderText), QColor(QStringLiteral("#6E8A7E")));
    QVERIFY(!isDarkPalette());
    // A view losing the focus then looks the same: the register repaints only
    // its current cell for it.
    QVERIFY(ThemeManager::lightPalette().isEqual(QPalette::Active, QPalette::Inactive));
    QVERIFY(ThemeManager::darkPalette().isEqual(QPalette::Active, QPalette::Inactive));
}

void TestThemeManager::systemFollowsThePlatformPaletteReadAtStart()
{
    // A dark platform palette at start makes "system" dark...
    QPalette platformDark;
    platformDark.setColor(QPalette::Window, QColor(20, 20, 20));
    QApplication::setPalette(platformDark);
    ThemeManager onDark(m_preferences.get());
    onDark.setTheme(ThemeManager::System);
    QCOMPARE(QApplication::palette().color(QPalette::Window), QColor(QStringLiteral("#0F1E19")));
    QCOMPARE(preference(QStringLiteral("theme")), QStringLiteral("system"));
    // ...and stays so even after our own light palette replaced the platform's.
    onDark.setTheme(ThemeManager::Light);
    onDark.setTheme(ThemeManager::System);
    QCOMPARE(QApplication::palette().color(QPalette::Window), QColor(QStringLiteral("#0F1E19")));

    QPalette platformLight;
    platformLight.setColor(QPalette::Window, QColor(240, 240, 240));
    QApplication::setPalette(platformLight);
    ThemeManager onLight(m_preferences.get());
    onLight.setTheme(ThemeManager::System);
    QCOMPARE(QApplication::palette().color(QPalette::Window), QColor(QStringLiteral("#FAFBFA")));
}

void TestThemeManager::accentColour()
{
    ThemeManager manager(m_preferences.get());
    manager.setTheme(ThemeManager::Dark);
    QPushButton tagged;
    applyAccentButtonStyle(&tagged);
    QPushButton plain;
    plain.setStyleSheet(QStringLiteral("color: red;"));

    QSignalSpy accent(&manager, &ThemeManager::accentChanged);
    QSignalSpy theme(&manager, &ThemeManager::themeChanged);
    manager.setAccentColor(QColor());
    QCOMPARE(accent.count(), 0);
    QCOMPARE(theme.count(), 0);
    QCOMPARE(preference(QStringLiteral("accentColor")), QStringLiteral("<none>"));

    const QColor yellow(255, 235, 59);
    manager.setAccentColor(yellow);
    QCOMPARE(accent.count(), 1);
    QCOMPARE(theme.count(), 1);
    QCOMPARE(appAccentColor(), yellow);
    QCOMPARE(preference(QStringLiteral("accentColor")), QStringLiteral("#ffeb3b"));
    QCOMPARE(QApplication::palette().color(QPalette::Highlight), yellow.lighter(135));
    QVERIFY(tagged.styleSheet().contains(QLatin1String("background-color: #ffeb3b;")));
    QVERIFY(tagged.styleSheet().contains(QLatin1String("color: #12211B;")));
    QCOMPARE(plain.styleSheet(), QStringLiteral("color: red;"));
}

void TestThemeManager::fontScaleRefontsTaggedWidgets()
{
    ThemeManager manager(m_preferences.get());
    QLabel role4;
    applyFontRole(&role4, 4);
    QLabel italic;
    applyFontRole(&italic, 0);
    italic.setProperty("orvaFontItalic", true);
    QLabel weighted;
    applyFontRoleWithWeight(&weighted, 2, QFont::Bold);
    QLabel untagged;
    QFont own = untagged.font();
    own.setPointSize(31);
    untagged.setFont(own);

    QSignalSpy scale(&manager, &ThemeManager::fontScaleChanged);
    manager.setFontScale(200);
    QCOMPARE(scale.count(), 1);
    QCOMPARE(scale.at(0).at(0).toInt(), 160);
    QCOMPARE(currentFontScale(), 160);
    QCOMPARE(preference(QStringLiteral("fontScale")), QStringLiteral("160"));

    // 9 pt at 160 % is 14 pt.
    QCOMPARE(QApplication::font().pointSize(), 14);
    QCOMPARE(role4.font().pointSize(), 18);
    QCOMPARE(italic.font().pointSize(), 14);
    QVERIFY(italic.font().italic());
    QCOMPARE(weighted.font().pointSize(), 12);
    QCOMPARE(weighted.font().weight(), QFont::Bold);
    QCOMPARE(untagged.font().pointSize(), 31);

    manager.setFontScale(50);
    QCOMPARE(scale.last().at(0).toInt(), 70);
    QCOMPARE(preference(QStringLiteral("fontScale")), QStringLiteral("70"));
    QCOMPARE(role4.font().pointSize(), 10);
}

void TestThemeManager::storedPreferencesApply_data()
{
    QTest::addColumn<QString>("fontScale");
    QTest::addColumn<int>("expectedScale");
    QTest::addColumn<QString>("weekStart");
    QTest::addColumn<int>("expectedWeekStart"); // 0: the locale's
    QTest::addColumn<QString>("accent");
    QTest::addColumn<QString>("expectedAccent");

    QTest::newRow("too big") << "200" << 160 << "7" << int(Qt::Sunday) << "#3366CC" << "#3366cc";
    QTest::newRow("too small") << "50" << 70 << "0" << 0 << "not a colour" << "#00897b";
    QTest::newRow("not a number") << "big" << 100 << "8" << 0 << "" << "#00897b";
    QTest::newRow("in range") << "115" << 115 << "3" << int(Qt::Wednesday) << "#ffeb3b" << "#ffeb3b";
}

void TestThemeManager::storedPreferencesApply()
{
    QFETCH(QString, fontScale);
    QFETCH(int, expectedScale);
    QFETCH(QString, weekStart);
    QFETCH(int, expectedWeekStart);
    QFETCH(QString, accent);
    QFETCH(QString, expectedAccent);

    const Qt::DayOfWeek localeWeekStart = QLocale().firstDayOfWeek();
    localeFirstDayOfWeek() = localeWeekStart;
    for (const auto& [key, value] : {std::pair{"fontScale", fontScale}, std::pair{"weekStartDay", weekStart},
                                     std::pair{"accentColor", accent}, std::pair{"theme", QStringLiteral("dark")}})
        QVERIFY(m_preferences->set(QLatin1String(key), value));

    ThemeManager manager(m_preferences.get());
    manager.applyStoredPreferences();
    QCOMPARE(currentFontScale(), expectedScale);
    QCOMPARE(int(localeFirstDayOfWeek()), expectedWeekStart ? expectedWeekStart : int(localeWeekStart));
    QCOMPARE(appAccentColor().name(), expectedAccent);
    QCOMPARE(manager.theme(), ThemeManager::Dark);
    QVERIFY(isDarkPalette());
}

VELLUMRY_TEST_MAIN(TestThemeManager)
#include "tst_thememanager.moc"
