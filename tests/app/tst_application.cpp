#include "DiskFaults.h"
#include "LedgerFiles.h"
#include "RestrictedRow.h"
#include "TestMain.h"

#include "state/AppPaths.h"
#include "state/AppState.h"
#include "app/AppStyle.h"
#include "app/Application.h"
#include "app/MainWindow.h"
#include "state/UiLanguage.h"
#include "data/Database.h"
#include "data/PreferencesRepository.h"
#include "FakeUpdateSite.h"
#include "update/Client.h"
#include "update/ReleaseNotesFetcher.h"
#include "update/ui/UpdateDialog.h"
#include "update/ui/WhatsNewDialog.h"
#include "widgets/MessageBox.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QIcon>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QProcess>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTemporaryDir>
#include <QTimer>
#include <QResource>
#include <QScopeGuard>
#include <QTranslator>

#include <memory>
#include <optional>

#include <unistd.h>

using LedgerFiles::Made;
Q_DECLARE_METATYPE(Made)
Q_DECLARE_METATYPE(DiskFaults::Fault)

namespace {
// What keeps the program from writing the ledger, beside the disk faults.
enum class Lock { None, FileMode, FolderMode, Mount };
} // namespace
Q_DECLARE_METATYPE(Lock)

namespace {

class PaintCounter : public QWidget
{
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

Application* application()
{
    return static_cast<Application*>(QCoreApplication::instance());
}

template<typename Dialog>
Dialog* openDialog()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (auto* dialog = qobject_cast<Dialog*>(window); dialog && dialog->isVisible())
            return dialog;
    }
    return nullptr;
}

PreferencesRepository* preferences()
{
    return application()->appState()->preferencesRepository;
}

const QString LastWhatsNew = QStringLiteral("whatsNew/lastShownVersion");

} // namespace

class TestApplication : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void identity();
    void languageResolution();
    void translatorsFollowTheLanguage();
    void dataDirectoryRules();
    void altKeyShowsUnderlines();
    void standardIconsAsTheBaseStyleDrawsThem_data();
    void standardIconsAsTheBaseStyleDrawsThem();
    void scrollBarsAsTheBaseStyleDrawsThem_data();
    void scrollBarsAsTheBaseStyleDrawsThem();
    void quietMessageHandler();
    void unusableDataDirectoryEndsWithCodeOne();
    void ledgerThatCannotBeOpenedSaysWhy_data();
    void ledgerThatCannotBeOpenedSaysWhy();
    void startupShowsWhatsNewThenOffersTheUpdate();
    void whatsNewOncePerVersion_data();
    void whatsNewOncePerVersion();
    void dismissedUpdates_data();
    void dismissedUpdates();
    void updateCheckGoesWithItsAnswer_data();
    void updateCheckGoesWithItsAnswer();
    void updateAndFeedbackAddresses();

private:
    void resetLanguage();

    FakeUpdateSite m_site;
};

void TestApplication::initTestCase()
{
    QVERIFY(m_site.start());
    Application::setDownloadSite(m_site.siteUrl());
    OrvaUpdate::ReleaseNotesFetcher::setLanguage(QStringLiteral("en"));
}

void TestApplication::cleanupTestCase()
{
    delete application()->mainWindow();
}

void TestApplication::resetLanguage()
{
    QSettings().remove(QStringLiteral("ui/language"));
    QLocale::setDefault(QLocale::c());
}

void TestApplication::identity()
{
    QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Orvalen"));
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Vellumry"));
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("1.1.10"));
    QVERIFY(qobject_cast<AppStyle*>(QApplication::style()) || QApplication::style()->inherits("QProxyStyle"));
    // Drawn at any size as the image file itself would be.
    const QIcon icon = QApplication::windowIcon();
    const QIcon fromFile(QStringLiteral(":/icons/icons/app_icon.png"));
    QCOMPARE(icon.availableSizes(), QList<QSize>({QSize(256, 256)}));
    for (int size : {16, 48, 64, 256, 512}) {
        QCOMPARE(icon.actualSize(QSize(size, size)), fromFile.actualSize(QSize(size, size)));
        QCOMPARE(icon.pixmap(size).toImage(), fromFile.pixmap(size).toImage());
    }
    QVERIFY(QFile::exists(QStringLiteral(":/fonts/fonts/MaterialIcons-Regular.otf")));
    QVERIFY(QFontDatabase::families().contains(QStringLiteral("Material Icons")));
}

void TestApplication::languageResolution()
{
    QSettings().remove(QStringLiteral("ui/language"));
    QCOMPARE(readUiLanguage(false), QStringLiteral("system"));

    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    QCOMPARE(readUiLanguage(true), QStringLiteral("fr"));
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    QCOMPARE(readUiLanguage(true), QStringLiteral("en"));
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    QCOMPARE(readUiLanguage(true), QStringLiteral("ja"));

    // A stored language wins over the locale.
    writeUiLanguage(QStringLiteral("ja"));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(readUiLanguage(true), QStringLiteral("ja"));
    QCOMPARE(readUiLanguage(false), QStringLiteral("ja"));
    QCOMPARE(QSettings().value(QStringLiteral("ui/language")).toString(), QStringLiteral("ja"));

    QCOMPARE(supportedUiLanguages(), QStringList({QStringLiteral("en"), QStringLiteral("es"), QStringLiteral("de"),
                                                  QStringLiteral("fr"), QStringLiteral("ja")}));
    resetLanguage();
}

void TestApplication::translatorsFollowTheLanguage()
{
    writeUiLanguage(QStringLiteral("en"));
    application()->installTranslators();
    QVERIFY(!application()->qtTranslator());
    QVERIFY(application()->appTranslator());
    QCOMPARE(QCoreApplication::translate("Application", "Database Error"), QStringLiteral("Database Error"));

    const QList<QPair<QString, QString>> expected = {
        {QStringLiteral("ja"), QStringLiteral("データベースエラー")},
        {QStringLiteral("de"), QStringLiteral("Datenbankfehler")},
        {QStringLiteral("es"), QStringLiteral("Error de base de datos")},
        {QStringLiteral("fr"), QStringLiteral("Erreur de base de données")},
    };
    // Every catalogue is stored as it is, for the translator to read in place.
    QStringList packed;
    for (const char* lang : {"en", "ja", "de", "es", "fr"}) {
        const QResource catalogue(QStringLiteral(":/i18n/vellumry_%1.qm").arg(QLatin1String(lang)));
        if (!catalogue.isValid() || catalogue.compressionAlgorithm() != QResource::NoCompression)
            packed.append(QLatin1String(lang));
    }
    QCOMPARE(packed, QStringList());
    for (const auto& [lang, text] : expected) {
        writeUiLanguage(lang);
        application()->installTranslators();
        QVERIFY2(application()->appTranslator(), qPrintable(lang));
        QVERIFY2(application()->qtTranslator(), qPrintable(lang));
        QCOMPARE(QCoreApplication::translate("Application", "Database Error"), text);
    }

    writeUiLanguage(QStringLiteral("en"));
    application()->installTranslators();
    QCOMPARE(QCoreApplication::translate("Application", "Database Error"), QStringLiteral("Database Error"));
    resetLanguage();
}

void TestApplication::dataDirectoryRules()
{
    const QByteArray saved = qgetenv("VELLUMRY_DATA_DIR");
    QTemporaryDir tmp;

    const QString custom = tmp.filePath(QStringLiteral("deep/er/ledger"));
    qputenv("VELLUMRY_DATA_DIR", QFile::encodeName(custom));
    QCOMPARE(dataDirectoryPath(), custom);
    QVERIFY(QDir(custom).exists());
    QCOMPARE(databaseFilePath(), custom + QStringLiteral("/vellumry.db"));

    // A folder that cannot be made is still the answer; opening the file will fail.
    QFile blocker(tmp.filePath(QStringLiteral("file")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString impossible = tmp.filePath(QStringLiteral("file/ledger"));
    qputenv("VELLUMRY_DATA_DIR", QFile::encodeName(impossible));
    QCOMPARE(dataDirectoryPath(), impossible);

    qunsetenv("VELLUMRY_DATA_DIR");
    const QString standard = QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME")) + QStringLiteral("/Orvalen/Vellumry");
    QCOMPARE(dataDirectoryPath(), standard);
    QVERIFY(QDir(standard).exists());
    // Empty is the same as unset.
    qputenv("VELLUMRY_DATA_DIR", QByteArray());
    QCOMPARE(dataDirectoryPath(), standard);

    qputenv("VELLUMRY_DATA_DIR", saved);
}

void TestApplication::altKeyShowsUnderlines()
{
    PaintCounter widget;
    widget.resize(100, 40);
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    QTRY_VERIFY(widget.paints > 0);
    const QStyle* style = QApplication::style();
    QCOMPARE(style->styleHint(QStyle::SH_UnderlineShortcut), 0);

    int before = widget.paints;
    QTest::keyPress(&widget, Qt::Key_Alt);
    QCOMPARE(style->styleHint(QStyle::SH_UnderlineShortcut), 1);
    QTRY_COMPARE(widget.paints, before + 1);

    // Auto-repeated presses while held repaint nothing more.
    before = widget.paints;
    QTest::keyPress(&widget, Qt::Key_Alt);
    QTest::keyPress(&widget, Qt::Key_Alt);
    // A repaint asked for is a posted update request: delivering what is posted shows it at once.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QCOMPARE(widget.paints, before);

    QTest::keyRelease(&widget, Qt::Key_Alt);
    QCOMPARE(style->styleHint(QStyle::SH_UnderlineShortcut), 0);
    QTRY_COMPARE(widget.paints, before + 1);

    // Other keys change nothing.
    QTest::keyClick(&widget, Qt::Key_A);
    QCOMPARE(style->styleHint(QStyle::SH_UnderlineShortcut), 0);
}

void TestApplication::standardIconsAsTheBaseStyleDrawsThem_data()
{
    QTest::addColumn<QStyle::StandardPixmap>("which");
    QTest::newRow("menu bar overflow") << QStyle::SP_ToolBarHorizontalExtensionButton;
    QTest::newRow("tool bar overflow") << QStyle::SP_ToolBarVerticalExtensionButton;
    QTest::newRow("warning") << QStyle::SP_MessageBoxWarning;
    QTest::newRow("dialog ok") << QStyle::SP_DialogOkButton;
    QTest::newRow("back") << QStyle::SP_ArrowBack;
    QTest::newRow("file") << QStyle::SP_FileIcon;
    QTest::newRow("none") << QStyle::SP_CustomBase;
}

// Made when first drawn, a standard icon is the base style's own in every
// respect, also once the style that made it is gone.
void TestApplication::standardIconsAsTheBaseStyleDrawsThem()
{
    QFETCH(QStyle::StandardPixmap, which);
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    const QIcon expected = fusion->standardIcon(which);
    const auto drawn = [](const QIcon& icon) {
        QImage painted(48, 48, QImage::Format_ARGB32_Premultiplied);
        painted.fill(Qt::transparent);
        QPainter painter(&painted);
        icon.paint(&painter, QRect(4, 4, 40, 40));
        painter.end();
        QVariantList seen{icon.isNull(), icon.name(), QVariant::fromValue(icon.availableSizes()), painted};
        for (int size : {16, 32, 64})
            seen << icon.actualSize(QSize(size, size)) << icon.pixmap(size).toImage();
        return seen;
    };
    QCOMPARE(drawn(QApplication::style()->standardIcon(which)), drawn(expected));
    QStyleOption option;
    option.direction = Qt::RightToLeft;
    QCOMPARE(drawn(QApplication::style()->standardIcon(which, &option)), drawn(fusion->standardIcon(which, &option)));
    // A pixmap added to a copy joins the icon's own.
    QPixmap added(20, 20);
    added.fill(Qt::red);
    QIcon extended = QApplication::style()->standardIcon(which);
    QIcon expectedExtended = expected;
    extended.addPixmap(added);
    expectedExtended.addPixmap(added);
    QCOMPARE(drawn(extended), drawn(expectedExtended));
    auto* gone = new AppStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const QIcon orphan = gone->standardIcon(which);
    delete gone;
    QCOMPARE(drawn(orphan), drawn(expected));
}

void TestApplication::scrollBarsAsTheBaseStyleDrawsThem_data()
{
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("active"); // QStyle::SubControl
    QTest::addColumn<bool>("enabled");
    const QRect tall(6, 4, 16, 700);
    QTest::newRow("tall, at the top") << Qt::Vertical << tall << 0 << int(QStyle::SC_None) << true;
    QTest::newRow("tall, handle pressed halfway") << Qt::Vertical << tall << 20 << int(QStyle::SC_ScrollBarSlider)
                                                  << true;
    QTest::newRow("tall, arrow hovered at the end") << Qt::Vertical << tall << 40 << int(QStyle::SC_ScrollBarAddLine)
                                                    << true;
    QTest::newRow("tall, disabled") << Qt::Vertical << tall << 10 << int(QStyle::SC_None) << false;
    QTest::newRow("wide") << Qt::Horizontal << QRect(3, 9, 640, 16) << 30 << int(QStyle::SC_ScrollBarSubPage) << true;
    QTest::newRow("short") << Qt::Vertical << QRect(0, 0, 16, 60) << 5 << int(QStyle::SC_None) << true;
}

// The program's scroll bars are Fusion's to the pixel, drawn whole or through
// the few rectangles a repaint asks for, and never outside those.
void TestApplication::scrollBarsAsTheBaseStyleDrawsThem()
{
    QFETCH(Qt::Orientation, orientation);
    QFETCH(QRect, rect);
    QFETCH(int, value);
    QFETCH(int, active);
    QFETCH(bool, enabled);
    QStyleOptionSlider option;
    option.rect = rect;
    option.orientation = orientation;
    option.state = QStyle::State_Enabled;
    if (!enabled)
        option.state = QStyle::State_None;
    if (orientation == Qt::Horizontal)
        option.state |= QStyle::State_Horizontal;
    if (active == QStyle::SC_ScrollBarSlider)
        option.state |= QStyle::State_Sunken;
    option.minimum = 0;
    option.maximum = 40;
    option.pageStep = 20;
    option.singleStep = 1;
    option.sliderPosition = option.sliderValue = value;
    option.subControls = QStyle::SC_All;
    option.activeSubControls = QStyle::SubControl(active);
    option.palette = QApplication::palette();

    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    AppStyle program(QStyleFactory::create(QStringLiteral("Fusion")));
    const QSize surface = rect.size() + QSize(rect.x() + 12, rect.y() + 12);
    const QRegion parts = QRegion(rect.adjusted(2, 2, -rect.width() / 2, -rect.height() / 2))
                          + QRect(rect.center(), rect.bottomRight() + QPoint(4, 4));
    struct Pass
    {
        QRegion clip;
        QPoint moved; // the painter's translation; the bar keeps within the image
    };
    for (const Pass& pass : {Pass{QRegion(), QPoint()}, Pass{parts, QPoint()}, Pass{QRegion(), QPoint(10, 8)}}) {
        const auto drawn = [&](const QStyle* style) {
            QImage image(surface, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::magenta);
            QPainter painter(&image);
            if (!pass.clip.isEmpty())
                painter.setClipRegion(pass.clip);
            painter.translate(pass.moved);
            style->drawComplexControl(QStyle::CC_ScrollBar, &option, &painter);
            painter.end();
            return image;
        };
        const QImage expected = drawn(fusion.get());
        QCOMPARE(drawn(&program), expected);
        // Something was drawn, and only within the bar.
        QVERIFY(expected.pixel(rect.translated(pass.moved).center()) != QColor(Qt::magenta).rgba());
        QCOMPARE(expected.pixel(surface.width() - 1, surface.height() - 1), QColor(Qt::magenta).rgba());
    }
}

void TestApplication::quietMessageHandler()
{
    auto run = [](const QByteArray& verbose) {
        QProcess probe;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (verbose.isNull())
            env.remove(QStringLiteral("VELLUMRY_VERBOSE"));
        else
            env.insert(QStringLiteral("VELLUMRY_VERBOSE"), QString::fromLatin1(verbose));
        env.insert(QStringLiteral("QT_MESSAGE_PATTERN"), QStringLiteral("%{message}"));
        probe.setProcessEnvironment(env);
        probe.start(QStringLiteral(VELLUMRY_MESSAGE_PROBE), {});
        probe.waitForFinished(30000);
        return QString::fromLocal8Bit(probe.readAllStandardError());
    };

    const QString quiet = run(QByteArray());
    QVERIFY2(!quiet.contains(QLatin1String("probe-debug")), qPrintable(quiet));
    QVERIFY(!quiet.contains(QLatin1String("probe-info")));
    QVERIFY(quiet.contains(QLatin1String("WARN: probe-warning\n")));
    QVERIFY(quiet.contains(QLatin1String("probe-critical\n")));
    QVERIFY(!quiet.contains(QLatin1String("WARN: probe-critical")));

    QCOMPARE(run(QByteArray("")), quiet);

    const QString verbose = run(QByteArray("1"));
    QVERIFY2(verbose.contains(QLatin1String("probe-debug")), qPrintable(verbose));
    QVERIFY(verbose.contains(QLatin1String("probe-info")));
    QVERIFY(verbose.contains(QLatin1String("probe-warning")));
    QVERIFY(!verbose.contains(QLatin1String("WARN: ")));
}

void TestApplication::unusableDataDirectoryEndsWithCodeOne()
{
    const QByteArray saved = qgetenv("VELLUMRY_DATA_DIR");
    QTemporaryDir tmp;
    QFile blocker(tmp.filePath(QStringLiteral("file")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString unusable = tmp.filePath(QStringLiteral("file/ledger"));
    qputenv("VELLUMRY_DATA_DIR", QFile::encodeName(unusable));

    MessageBox::setNextAnswer(QMessageBox::Ok);
    QCOMPARE(application()->run(), 1);
    QCOMPARE(MessageBox::lastTitle(), QStringLiteral("Database Error"));
    QCOMPARE(MessageBox::lastText(),
             QStringLiteral("Failed to initialize the database.\n\nData directory: %1\n\n"
                            "Please check file permissions and try again.\n\nunable to open database file")
                 .arg(unusable));
    QVERIFY(!application()->mainWindow());
    QVERIFY(!application()->appState());

    qputenv("VELLUMRY_DATA_DIR", saved);
}

void TestApplication::ledgerThatCannotBeOpenedSaysWhy_data()
{
    QTest::addColumn<Made>("made");
    QTest::addColumn<QByteArray>("sql");
    QTest::addColumn<DiskFaults::Fault>("fault");
    QTest::addColumn<Lock>("lock");
    QTest::addColumn<QString>("cause"); // "{file}" and "{folder}" stand for the ledger's file and folder

    const QString notLedger = QStringLiteral("This file is not an Orvalen Vellumry ledger.\n");
    const QString noRecord = notLedger + QStringLiteral("It has no record of a ledger's migrations.");
    const QString readOnlyFile = QStringLiteral("The file {file} is read-only.");
    const QByteArray firstStartThatFailed =
        "CREATE TABLE schema_version (  version INTEGER PRIMARY KEY,  name    TEXT NOT NULL,  "
        "applied_at TEXT NOT NULL DEFAULT (datetime('now')));";
    const auto none = DiskFaults::Fault::None;
    QTest::newRow("random bytes") << Made::RandomBytes << QByteArray() << none << Lock::None
                                  << QStringLiteral("file is not a database");
    QTest::newRow("another program's database")
        << Made::Database << QByteArray("PRAGMA journal_mode=WAL; CREATE TABLE notes (body TEXT);") << none
        << Lock::None << noRecord;
    QTest::newRow("ledger tables without their migrations")
        << Made::Database << QByteArray("CREATE TABLE accounts (id TEXT PRIMARY KEY, name TEXT NOT NULL);") << none
        << Lock::None << noRecord;
    QTest::newRow("another program's schema_version")
        << Made::Database
        << QByteArray("PRAGMA journal_mode=WAL; CREATE TABLE users (id INTEGER PRIMARY KEY, email TEXT); "
                      "CREATE TABLE schema_version (version INTEGER PRIMARY KEY, name TEXT NOT NULL); "
                      "INSERT INTO schema_version VALUES (20240101, 'create_users');")
        << none << Lock::None
        << notLedger + QStringLiteral("Its record of migrations lists 20240101 \"create_users\" where a ledger has 1 "
                                      "\"initial\".");
    QTest::newRow("only migrations this build does not know")
        << Made::Database
        << QByteArray("CREATE TABLE schema_version (version INTEGER PRIMARY KEY, name TEXT NOT NULL); "
                      "INSERT INTO schema_version VALUES (6, 'future');")
        << none << Lock::None
        << notLedger + QStringLiteral("Its record of migrations lists 6 \"future\" where a ledger has 1 \"initial\".");
    QTest::newRow("ledger with a table gone")
        << Made::Ledger << QByteArray("DROP TABLE categories;") << none << Lock::None
        << notLedger + QStringLiteral("Its table \"categories\" is missing.");
    QTest::newRow("full disk at the first start") << Made::Nothing << QByteArray() << DiskFaults::Fault::Full
                                                  << Lock::None << QStringLiteral("database or disk is full");
    QTest::newRow("full disk with migrations to apply")
        << Made::Database << "PRAGMA journal_mode=WAL; " + firstStartThatFailed << DiskFaults::Fault::Full
        << Lock::None << QStringLiteral("database or disk is full");
    // Its pages reach the WAL only at the commit.
    QTest::newRow("older ledger on a full disk") << Made::OlderLedger << QByteArray() << DiskFaults::Fault::Full
                                                 << Lock::None << QStringLiteral("database or disk is full");
    // A file the program cannot write, with its migrations still to apply.
    QTest::newRow("read-only ledger") << Made::Database << firstStartThatFailed << none << Lock::FileMode
                                      << readOnlyFile;
    // Nothing to migrate: only a write would find out.
    QTest::newRow("current ledger, mode 444") << Made::Ledger << QByteArray() << none << Lock::FileMode
                                              << readOnlyFile;
    QTest::newRow("current ledger in a read-only folder") << Made::Ledger << QByteArray() << none << Lock::FolderMode
                                                          << QStringLiteral("The folder {folder} is read-only.");
    QTest::newRow("first start in a read-only folder") << Made::Nothing << QByteArray() << none << Lock::FolderMode
                                                       << QStringLiteral("The folder {folder} is read-only.");
    QTest::newRow("current ledger on a read-only mount") << Made::Ledger << QByteArray() << none << Lock::Mount
                                                         << readOnlyFile;
    QTest::newRow("current ledger SQLite opens read-only")
        << Made::Ledger << QByteArray() << DiskFaults::Fault::ReadOnly << Lock::None << readOnlyFile;
}

void TestApplication::ledgerThatCannotBeOpenedSaysWhy()
{
    QFETCH(Made, made);
    QFETCH(QByteArray, sql);
    QFETCH(DiskFaults::Fault, fault);
    QFETCH(Lock, lock);
    QFETCH(QString, cause);
    const QByteArray saved = qgetenv("VELLUMRY_DATA_DIR");
    const auto restoreDataDirectory = qScopeGuard([&] { qputenv("VELLUMRY_DATA_DIR", saved); });
    QTemporaryDir dir;
    // In a restricted child, its parent has made and locked the ledger.
    const QString prepared = RestrictedRow::preparedFolder();
    const QString folder = prepared.isEmpty() ? dir.path() : prepared;
    const QString path = folder + QStringLiteral("/vellumry.db");
    cause.replace(QLatin1String("{file}"), QDir::toNativeSeparators(path))
        .replace(QLatin1String("{folder}"), QDir::toNativeSeparators(folder));
    qputenv("VELLUMRY_DATA_DIR", QFile::encodeName(folder));

    const auto readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    // Writable again before it is removed, whatever the row's outcome.
    const auto unlockFolder =
        qScopeGuard([&] { QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); });
    if (prepared.isEmpty()) {
        QVERIFY(LedgerFiles::make(path, made, sql));
        if (lock == Lock::FileMode)
            QVERIFY(QFile::setPermissions(path, readOnly));
        if (lock == Lock::FolderMode)
            QVERIFY(QFile::setPermissions(folder, readOnly | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther));
        // Root writes whatever the modes say; nobody is held by them.
        const bool byMode = lock == Lock::FileMode || lock == Lock::FolderMode;
        if (lock == Lock::Mount || (byMode && geteuid() == 0)) {
            const QByteArray before = LedgerFiles::checksum(path);
            const RestrictedRow::Outcome child = RestrictedRow::run(
                lock == Lock::Mount ? RestrictedRow::Restriction::ReadOnlyMount : RestrictedRow::Restriction::AsNobody,
                folder);
            if (!child.held)
                QSKIP(qPrintable(child.log));
            QVERIFY2(child.passed, qPrintable(child.log));
            QCOMPARE(LedgerFiles::checksum(path), before);
            QCOMPARE(LedgerFiles::journalsBeside(path), QStringList());
            return;
        }
    }
    const QByteArray before = LedgerFiles::checksum(path);

    std::optional<DiskFaults> disk;
    if (fault != DiskFaults::Fault::None)
        disk.emplace(fault);
    MessageBox::setNextAnswer(QMessageBox::Ok);
    // A start that went ahead would wait for events.
    QObject started;
    QTimer::singleShot(0, &started, &QCoreApplication::quit);
    const int code = application()->run();
    disk.reset();

    QCOMPARE(code, 1);
    QCOMPARE(MessageBox::lastTitle(), QStringLiteral("Database Error"));
    QCOMPARE(MessageBox::lastText(),
             QStringLiteral("Failed to initialize the database.\n\nData directory: %1\n\n"
                            "Please check file permissions and try again.\n\n%2")
                 .arg(folder, cause));
    QVERIFY(!application()->appState());
    if (made == Made::Nothing) {
        // The start that failed leaves nothing for the next one to take for a ledger.
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList());
    } else {
        QCOMPARE(LedgerFiles::checksum(path), before);
        QCOMPARE(LedgerFiles::journalsBeside(path), QStringList());
    }
}

void TestApplication::startupShowsWhatsNewThenOffersTheUpdate()
{
    const QByteArray saved = qgetenv("VELLUMRY_DATA_DIR");
    QTemporaryDir tmp;
    const QString dir = tmp.filePath(QStringLiteral("fresh"));
    qputenv("VELLUMRY_DATA_DIR", QFile::encodeName(dir));
    m_site.putNotes(QStringLiteral("1.1.10"), QStringLiteral("# 1.1.10\n\nFaster register"));
    m_site.publish(QStringLiteral("1.2.0"), QJsonObject{{QStringLiteral("release_notes_url"), QJsonValue()}});

    QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
    QCOMPARE(application()->run(), 0);

    QVERIFY(QFile::exists(dir + QStringLiteral("/vellumry.db")));
    QVERIFY(application()->mainWindow());
    QCOMPARE(application()->mainWindow()->windowTitle(), QStringLiteral("Orvalen Vellumry"));
    QVERIFY(application()->appState()->database->isOpen());

    QSqlQuery query(application()->appState()->database->database());
    QVERIFY(query.exec(QStringLiteral("SELECT COUNT(*), MAX(version) FROM schema_version")));
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toInt(), 5);
    QCOMPARE(query.value(1).toInt(), 5);

    // The first start of this version shows its notes once.
    QCOMPARE(QSettings().value(LastWhatsNew).toString(), QStringLiteral("1.1.10"));
    QTRY_VERIFY(openDialog<OrvaUpdate::WhatsNewDialog>());
    auto* whatsNew = openDialog<OrvaUpdate::WhatsNewDialog>();
    QCOMPARE(whatsNew->windowTitle(), QStringLiteral("What's New in Orvalen Vellumry 1.1.10"));
    QCOMPARE(whatsNew->parentWidget(), application()->mainWindow());
    whatsNew->close();

    // A moment later the update check offers the newer release.
    QTRY_VERIFY_WITH_TIMEOUT(openDialog<OrvaUpdate::UpdateDialog>(), 10000);
    auto* update = openDialog<OrvaUpdate::UpdateDialog>();
    QCOMPARE(update->parentWidget(), application()->mainWindow());
    QCOMPARE(m_site.http()->requestsTo(FakeUpdateSite::manifestPath()).first().header("user-agent"),
             QByteArray("OrvaUpdateQt/0.1 (vellumry)"));
    QTest::mouseClick(update->findChild<QPushButton*>(QStringLiteral("laterButton")), Qt::LeftButton);
    QCOMPARE(preferences()->getString(QStringLiteral("update_dismissed_version")), QStringLiteral("1.2.0"));

    qputenv("VELLUMRY_DATA_DIR", saved);
}

void TestApplication::whatsNewOncePerVersion_data()
{
    QTest::addColumn<QString>("recorded");
    QTest::addColumn<QString>("preference");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("recordedAfter");

    QTest::newRow("first start") << QString() << QString() << true << "1.1.10";
    QTest::newRow("second start") << "1.1.10" << QString() << false << "1.1.10";
    QTest::newRow("after a downgrade") << "1.2.0" << QString() << false << "1.2.0";
    QTest::newRow("older device's preference, same") << QString() << "1.1.10" << false << "1.1.10";
    QTest::newRow("older device's preference, older") << QString() << "1.0.0" << true << "1.1.10";
}

void TestApplication::whatsNewOncePerVersion()
{
    QFETCH(QString, recorded);
    QFETCH(QString, preference);
    QFETCH(bool, shown);
    QFETCH(QString, recordedAfter);
    QSettings settings;
    if (recorded.isNull())
        settings.remove(LastWhatsNew);
    else
        settings.setValue(LastWhatsNew, recorded);
    preferences()->set(QStringLiteral("last_whats_new_version"), preference);
    m_site.http()->clearRequests();

    QCOMPARE(application()->showWhatsNewIfUpgraded(), shown);
    settings.sync();
    QCOMPARE(settings.value(LastWhatsNew).toString(), recordedAfter);
    if (shown)
        QTRY_COMPARE(m_site.requestedPaths(), QStringList{FakeUpdateSite::notesPath(QStringLiteral("1.1.10"))});
}

void TestApplication::dismissedUpdates_data()
{
    QTest::addColumn<QString>("dismissed");
    QTest::addColumn<QString>("offered");
    QTest::addColumn<bool>("shown");

    QTest::newRow("nothing dismissed") << QString() << "1.1.12" << true;
    QTest::newRow("dismissed release") << "1.2.0" << "1.2.0" << false;
    QTest::newRow("older than dismissed") << "1.2.0" << "1.1.12" << false;
    QTest::newRow("newer than dismissed") << "1.2.0" << "1.2.1" << true;
}

void TestApplication::dismissedUpdates()
{
    QFETCH(QString, dismissed);
    QFETCH(QString, offered);
    QFETCH(bool, shown);
    preferences()->set(QStringLiteral("update_dismissed_version"), dismissed);
    OrvaUpdate::Artifact artifact;
    artifact.version = offered;

    application()->onUpdateAvailable(artifact);
    auto* dialog = openDialog<OrvaUpdate::UpdateDialog>();
    QCOMPARE(dialog != nullptr, shown);
    if (dialog)
        QTest::keyClick(dialog, Qt::Key_Escape);
    QCOMPARE(preferences()->getString(QStringLiteral("update_dismissed_version")), shown ? offered : dismissed);
}

void TestApplication::updateCheckGoesWithItsAnswer_data()
{
    QTest::addColumn<QString>("published");
    QTest::addColumn<bool>("fails");
    QTest::addColumn<bool>("offered");

    QTest::newRow("failed") << "1.2.0" << true << false;
    QTest::newRow("up to date") << "1.1.10" << false << false;
    QTest::newRow("update available") << "1.2.3" << false << true;
}

// Each answer ends the start-up's check: the check goes, and its network
// thread with it. A failure is logged, never shown.
void TestApplication::updateCheckGoesWithItsAnswer()
{
    QFETCH(QString, published);
    QFETCH(bool, fails);
    QFETCH(bool, offered);
    preferences()->set(QStringLiteral("update_dismissed_version"), QString());
    m_site.publish(published);
    if (fails) {
        m_site.http()->injectFault("GET", FakeUpdateSite::manifestPath(), FakeFault::status(500), 1);
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("^update check failed: network error: ")));
    }

    application()->startUpdateCheck();
    auto* client = application()->findChildren<OrvaUpdate::Client*>(Qt::FindDirectChildrenOnly).last();
    const QPointer<OrvaUpdate::Client> guarded(client);
    QTRY_VERIFY(!guarded);
    auto* dialog = openDialog<OrvaUpdate::UpdateDialog>();
    QCOMPARE(dialog != nullptr, offered);
    if (dialog)
        QTest::keyClick(dialog, Qt::Key_Escape);
}

void TestApplication::updateAndFeedbackAddresses()
{
    const OrvaUpdate::Config config = Application::updateManifestUrl();
    QCOMPARE(config.app, QStringLiteral("vellumry"));
    QCOMPARE(config.channel, QStringLiteral("stable"));
    QCOMPARE(config.manifestBaseUrl.path(), QStringLiteral("/vellumry/stable/"));
    QVERIFY(config.manifestBaseUrl.isValid());
    QCOMPARE(config.currentVersion, QStringLiteral("1.1.10"));

    const FeedbackSettings feedback = feedbackSettings();
    QCOMPARE(feedback.tags, QStringLiteral("vellumry"));
    QVERIFY(feedback.baseUrl.isValid());
}

VELLUMRY_TEST_MAIN_WITH(Application, TestApplication)
#include "tst_application.moc"
