#include "PrivateSessionBus.h"
#include "TempDatabase.h"
#include "TestMain.h"

#include "widgets/ThemeManager.h"
#include "data/PreferencesRepository.h"
#include "widgets/Appearance.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSignalSpy>

#include <memory>
#include <optional>

namespace {

const QString PortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString PortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString Appearance = QStringLiteral("org.freedesktop.appearance");
const QString ColorScheme = QStringLiteral("color-scheme");
constexpr uint NoPreference = 0;
constexpr uint Dark = 1;
constexpr uint Light = 2;

} // namespace

// The desktop portal's settings as the desktop keeps them: "color-scheme" in
// "org.freedesktop.appearance", read with ReadOne or, on older portals, Read,
// and announced with SettingChanged.
class FakeSettingsPortal : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public:
    // No value: the desktop has no such setting.
    void setColorScheme(std::optional<uint> value) { m_colorScheme = value; }
    void setReadOneKnown(bool known) { m_readOneKnown = known; }
    void announce(const QString& group, const QString& key, uint value)
    {
        if (group == Appearance && key == ColorScheme)
            m_colorScheme = value;
        emit SettingChanged(group, key, QDBusVariant(value));
    }
    QStringList calls() const { return m_calls; }

public slots:
    QDBusVariant ReadOne(const QString& group, const QString& key)
    {
        m_calls.append(QStringLiteral("ReadOne"));
        if (!m_readOneKnown) {
            sendErrorReply(QDBusError::UnknownMethod, QStringLiteral("No such method 'ReadOne'"));
            return {};
        }
        return value(group, key);
    }
    QDBusVariant Read(const QString& group, const QString& key)
    {
        m_calls.append(QStringLiteral("Read"));
        return QDBusVariant(QVariant::fromValue(value(group, key)));
    }

signals:
    void SettingChanged(const QString& group, const QString& key, const QDBusVariant& value);

private:
    QDBusVariant value(const QString& group, const QString& key)
    {
        if (group != Appearance || key != ColorScheme || !m_colorScheme) {
            sendErrorReply(QStringLiteral("org.freedesktop.portal.Error.NotFound"),
                           QStringLiteral("Requested setting not found"));
            return {};
        }
        return QDBusVariant(*m_colorScheme);
    }

    std::optional<uint> m_colorScheme;
    bool m_readOneKnown = true;
    QStringList m_calls;
};

class TestThemeManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void namesAndParsing();
    void palettes();
    void systemFollowsThePlatformPaletteReadAtStart();
    void systemSchemeAtStart_data();
    void systemSchemeAtStart();
    void systemSchemeChanges_data();
    void systemSchemeChanges();
    void portalIsAskedOnlyWhereABusIsConfigured_data();
    void portalIsAskedOnlyWhereABusIsConfigured();
    void accentColour();
    void fontScaleRefontsTaggedWidgets();
    void storedPreferencesApply_data();
    void storedPreferencesApply();

private:
    QString preference(const QString& key) { return m_preferences->getString(key, QStringLiteral("<none>")); }
    static bool darkWindow()
    {
        return QApplication::palette().color(QPalette::Window) == QColor(QStringLiteral("#0F1E19"));
    }
    static void setPlatformPalette(bool dark);
    // The portal (and, with `readOneKnown` false, an older one without
    // ReadOne) on the private bus; no value: the desktop has no such setting.
    void startPortal(std::optional<uint> colorScheme, bool readOneKnown = true);
    // Until the program's connection has taken in whatever the portal sent so far.
    void settle();

    std::unique_ptr<PrivateSessionBus> m_bus;
    std::unique_ptr<TempDatabase> m_db;
    std::unique_ptr<PreferencesRepository> m_preferences;
    std::unique_ptr<FakeSettingsPortal> m_portal;
    QPalette m_platformPalette;
};

void TestThemeManager::initTestCase()
{
    // Before anything asks Qt for the session bus: that connection is made once.
    m_bus = std::make_unique<PrivateSessionBus>();
    if (!m_bus->address().isEmpty())
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_bus->address().toUtf8());
}

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
    if (m_portal) {
        QDBusConnection portalBus(QStringLiteral("portal"));
        portalBus.unregisterObject(PortalPath);
        portalBus.unregisterService(PortalService);
        m_portal.reset();
    }
    QApplication::setPalette(m_platformPalette);
    m_preferences.reset();
    m_db.reset();
}

void TestThemeManager::setPlatformPalette(bool dark)
{
    QPalette platform;
    platform.setColor(QPalette::Window, dark ? QColor(20, 20, 20) : QColor(240, 240, 240));
    QApplication::setPalette(platform);
}

void TestThemeManager::startPortal(std::optional<uint> colorScheme, bool readOneKnown)
{
    m_portal = std::make_unique<FakeSettingsPortal>();
    m_portal->setColorScheme(colorScheme);
    m_portal->setReadOneKnown(readOneKnown);
    // A connection of its own, as the portal is a process of its own.
    QDBusConnection portalBus = QDBusConnection::connectToBus(m_bus->address(), QStringLiteral("portal"));
    QVERIFY(portalBus.isConnected());
    QVERIFY(portalBus.registerObject(PortalPath, m_portal.get(),
                                     QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals));
    QVERIFY(portalBus.registerService(PortalService));
}

void TestThemeManager::settle()
{
    // Messages between two connections keep their order: once the portal
    // answered this ping, what it sent before (replies, signals) has reached
    // the program's connection, which hands each on with one posted event.
    // Without a portal, the bus itself answers the program's calls in order.
    // Twice: an answer may make the program ask once more (Read after ReadOne),
    // and the portal takes that question through the event loop.
    const QDBusMessage ping = QDBusMessage::createMethodCall(PortalService, PortalPath,
                                                             QStringLiteral("org.freedesktop.DBus.Peer"),
                                                             QStringLiteral("Ping"));
    for (int round = 0; round < 2; ++round) {
        QDBusConnection::sessionBus().call(ping);
        QCoreApplication::processEvents();
    }
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
    // A link once followed reads as well as one not yet followed.
    QCOMPARE(palette.color(QPalette::Active, QPalette::LinkVisited), palette.color(QPalette::Active, QPalette::Link));
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

void TestThemeManager::systemSchemeAtStart_data()
{
    QTest::addColumn<QString>("portal");
    QTest::addColumn<uint>("colorScheme");
    QTest::addColumn<bool>("platformDark");
    QTest::addColumn<bool>("expectedDark");
    QTest::addColumn<QStringList>("calls");

    const QStringList readOne{QStringLiteral("ReadOne")};
    QTest::newRow("dark desktop, light platform palette") << "ReadOne" << Dark << false << true << readOne;
    QTest::newRow("light desktop, dark platform palette") << "ReadOne" << Light << true << false << readOne;
    QTest::newRow("older portal, dark desktop")
        << "Read" << Dark << false << true << QStringList{QStringLiteral("ReadOne"), QStringLiteral("Read")};
    // The platform palette decides where the desktop says nothing.
    QTest::newRow("no preference, dark platform palette") << "ReadOne" << NoPreference << true << true << readOne;
    QTest::newRow("no preference, light platform palette") << "ReadOne" << NoPreference << false << false << readOne;
    QTest::newRow("no such setting") << "no setting" << NoPreference << true << true << readOne;
    QTest::newRow("no portal") << "none" << NoPreference << true << true << QStringList();
}

void TestThemeManager::systemSchemeAtStart()
{
    QFETCH(QString, portal);
    QFETCH(uint, colorScheme);
    QFETCH(bool, platformDark);
    QFETCH(bool, expectedDark);
    QFETCH(QStringList, calls);
    if (m_bus->address().isEmpty())
        QSKIP(qPrintable(m_bus->error()));
    if (portal != QLatin1String("none")) {
        startPortal(portal == QLatin1String("no setting") ? std::nullopt : std::optional<uint>(colorScheme),
                    portal != QLatin1String("Read"));
    }
    setPlatformPalette(platformDark);

    ThemeManager manager(m_preferences.get());
    QSignalSpy changed(&manager, &ThemeManager::themeChanged);
    manager.setTheme(ThemeManager::System);
    // The start does not wait for the desktop; its answer follows.
    QCOMPARE(darkWindow(), platformDark);
    if (m_portal)
        QTRY_COMPARE(m_portal->calls(), calls);
    settle();
    if (m_portal)
        QCOMPARE(m_portal->calls(), calls);
    QCOMPARE(darkWindow(), expectedDark);
    QCOMPARE(isDarkPalette(), expectedDark);
    QCOMPARE(changed.count(), expectedDark == platformDark ? 1 : 2);
    for (const QList<QVariant>& signal : changed)
        QCOMPARE(signal.at(0).value<ThemeManager::Theme>(), ThemeManager::System);
    QCOMPARE(preference(QStringLiteral("theme")), QStringLiteral("system"));
}

void TestThemeManager::systemSchemeChanges_data()
{
    QTest::addColumn<ThemeManager::Theme>("theme");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("key");
    QTest::addColumn<uint>("colorScheme");
    // After each change, the window as dark (1) or light (0).
    QTest::addColumn<QList<int>>("darkAfter");

    QTest::newRow("system follows") << ThemeManager::System << Appearance << ColorScheme << Dark
                                    << QList<int>{1, 0, 1, 0};
    QTest::newRow("light ignores") << ThemeManager::Light << Appearance << ColorScheme << Dark
                                   << QList<int>{0, 0, 0, 0};
    QTest::newRow("dark ignores") << ThemeManager::Dark << Appearance << ColorScheme << Light
                                  << QList<int>{1, 1, 1, 1};
    QTest::newRow("other settings say nothing") << ThemeManager::System << Appearance
                                                << QStringLiteral("accent-color") << Dark << QList<int>{0, 0, 0, 0};
}

void TestThemeManager::systemSchemeChanges()
{
    QFETCH(ThemeManager::Theme, theme);
    QFETCH(QString, group);
    QFETCH(QString, key);
    QFETCH(uint, colorScheme);
    QFETCH(QList<int>, darkAfter);
    if (m_bus->address().isEmpty())
        QSKIP(qPrintable(m_bus->error()));
    // The platform palette is light, and so is the desktop at first.
    startPortal(Light);
    setPlatformPalette(false);
    ThemeManager manager(m_preferences.get());
    manager.setTheme(theme);
    QTRY_COMPARE(m_portal->calls().size(), 1);
    settle();
    const bool chosenDark = darkWindow();

    // The desktop switches: the one in the row, back to the other, to it
    // again, then to no preference at all (the platform palette's light).
    const uint other = colorScheme == Dark ? Light : Dark;
    const QList<uint> switches{colorScheme, other, colorScheme, NoPreference};
    QSignalSpy changed(&manager, &ThemeManager::themeChanged);
    int expectedSignals = 0;
    bool wasDark = chosenDark;
    for (qsizetype i = 0; i < switches.size(); ++i) {
        QVERIFY(m_preferences->remove(QStringLiteral("theme")));
        m_portal->announce(group, key, switches.at(i));
        settle();
        const bool dark = darkAfter.at(i) != 0;
        QCOMPARE(darkWindow(), dark);
        QCOMPARE(isDarkPalette(), dark);
        if (dark != wasDark) {
            ++expectedSignals;
            QCOMPARE(preference(QStringLiteral("theme")), QStringLiteral("system"));
        } else {
            QCOMPARE(preference(QStringLiteral("theme")), QStringLiteral("<none>"));
        }
        QCOMPARE(changed.count(), expectedSignals);
        wasDark = dark;
    }
    for (const QList<QVariant>& signal : changed)
        QCOMPARE(signal.at(0).value<ThemeManager::Theme>(), ThemeManager::System);
    QCOMPARE(manager.theme(), theme);
}

void TestThemeManager::portalIsAskedOnlyWhereABusIsConfigured_data()
{
    QTest::addColumn<bool>("address");
    QTest::addColumn<bool>("runtimeSocket");
    QTest::addColumn<bool>("asked");

    QTest::newRow("no bus anywhere") << false << false << false;
    QTest::newRow("address in the environment") << true << false << true;
    QTest::newRow("user bus in the runtime folder") << false << true << true;
}

void TestThemeManager::portalIsAskedOnlyWhereABusIsConfigured()
{
    QFETCH(bool, address);
    QFETCH(bool, runtimeSocket);
    QFETCH(bool, asked);
    if (m_bus->address().isEmpty())
        QSKIP(qPrintable(m_bus->error()));
    startPortal(Dark);
    setPlatformPalette(false);
    // Qt's session bus is the private one already; only what the program
    // would look at changes.
    const QByteArray busAddress = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    if (!address)
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    const QString socket = QDir(qEnvironmentVariable("XDG_RUNTIME_DIR")).filePath(QStringLiteral("bus"));
    if (runtimeSocket) {
        QFile file(socket);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    ThemeManager manager(m_preferences.get());
    manager.setTheme(ThemeManager::System);
    qputenv("DBUS_SESSION_BUS_ADDRESS", busAddress);
    QFile::remove(socket);

    if (asked)
        QTRY_COMPARE(m_portal->calls().size(), 1);
    settle();
    QCOMPARE(m_portal->calls().size(), asked ? 1 : 0);
    QCOMPARE(darkWindow(), asked);
    // Without a bus, the desktop's later switches go unheard.
    m_portal->announce(Appearance, ColorScheme, Light);
    settle();
    QCOMPARE(darkWindow(), false);
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
