#include "Application.h"

#include "AppIcon.h"
#include "state/AppPaths.h"
#include "state/AppState.h"
#include "AppStyle.h"
#include "MainWindow.h"
#include "MessageHandler.h"
#include "data/Database.h"
#include "data/PreferencesRepository.h"
#include "state/UiLanguage.h"
#include "update/Client.h"
#include "update/Version.h"
#include "update/ui/UpdateDialog.h"
#include "update/ui/UpdateFlows.h"
#include "widgets/MessageBox.h"
#include "widgets/ThemeManager.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QSettings>
#include <QStyleFactory>
#include <QThreadPool>
#include <QTimer>
#include <QTranslator>

namespace {

const char* const kVersion = "1.1.10";

// The maker's web locations; nothing in the program depends on more than their paths.
const char* const kOrganisationDomain = "orvalenworks.com";
const char* const kDownloadBaseUrl = "https://downloads.orvalenworks.com";
const char* const kFeedbackBaseUrl = "https://feedback.orvalenworks.com/";
const char* const kProductName = "Orvalen Vellumry";

const char* const kLastWhatsNewKey = "whatsNew/lastShownVersion";
const char* const kLastWhatsNewPreference = "last_whats_new_version";
const char* const kDismissedUpdatePreference = "update_dismissed_version";
constexpr int kUpdateCheckDelayMs = 1500;

QUrl g_downloadSite;

} // namespace

FeedbackSettings feedbackSettings()
{
    return {QStringLiteral("vellumry"), QUrl(QLatin1String(kFeedbackBaseUrl))};
}

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
    if (qEnvironmentVariableIsEmpty("VELLUMRY_VERBOSE"))
        qInstallMessageHandler(quietMessageHandler);

    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        setStyle(new AppStyle(fusion));

    setOrganizationName(QStringLiteral("Orvalen"));
    setOrganizationDomain(QLatin1String(kOrganisationDomain));
    setApplicationName(QStringLiteral("Vellumry"));
    setApplicationVersion(QLatin1String(kVersion));

    installTranslators();

    setWindowIcon(appIcon());

    // Qt's raster engine hands every fill or line of 96 spans or more to the
    // global thread pool, cut in parts, and waits for them. For a window's
    // small widgets the hand-offs cost several times the drawing, the more so
    // the more threads they wake: a scroll bar draws in 40 us, handed to four
    // threads in 450 us, to one in 230 us, and the first paint started a
    // thread for each part. Nothing else of the program uses that pool.
    QThreadPool::globalInstance()->setMaxThreadCount(1);

    // Added once the system's fonts are in: added before, the icon font would
    // give way to a system copy of its family, which Debian also ships as WOFF2,
    // several milliseconds of every start to unpack.
    QFontDatabase::families();
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/fonts/MaterialIcons-Regular.otf"));
}

Application::~Application()
{
    // A network manager runs its requests in a thread of its own, which stops
    // only when the manager is deleted. Left to the application's own teardown,
    // that thread could still deliver an event to an application half destroyed;
    // so the window and every child that talks to the network go first.
    delete m_mainWindow;
    const QObjectList owned = children();
    for (QObject* child : owned) {
        if (child->findChild<QNetworkAccessManager*>())
            delete child;
    }
}

MainWindow* Application::mainWindow() const
{
    return m_mainWindow;
}

void Application::removeTranslators()
{
    for (QTranslator** translator : {&m_qtTranslator, &m_appTranslator}) {
        if (*translator) {
            removeTranslator(*translator);
            delete *translator;
            *translator = nullptr;
        }
    }
}

void Application::installTranslators()
{
    removeTranslators();
    const QString lang = readUiLanguage(true);

    if (lang != QLatin1String("en")) {
        m_qtTranslator = new QTranslator(this);
        if (m_qtTranslator->load(QLocale(lang), QStringLiteral("qtbase"), QStringLiteral("_"),
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath), QString())) {
            installTranslator(m_qtTranslator);
        } else {
            delete m_qtTranslator;
            m_qtTranslator = nullptr;
        }
    }

    m_appTranslator = new QTranslator(this);
    if (m_appTranslator->load(QStringLiteral(":/i18n/vellumry_%1.qm").arg(lang), QString(), QString(),
                              QString())) {
        installTranslator(m_appTranslator);
    } else {
        delete m_appTranslator;
        m_appTranslator = nullptr;
    }
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
        const bool pressed = type == QEvent::KeyPress;
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Alt && AppStyle::altHeld() != pressed) {
            AppStyle::setAltHeld(pressed);
            const QWidgetList widgets = allWidgets();
            for (QWidget* widget : widgets)
                widget->update();
        }
    }
    return QApplication::notify(receiver, event);
}

OrvaUpdate::Config Application::updateManifestUrl()
{
    OrvaUpdate::Config config;
    config.app = QStringLiteral("vellumry");
    config.channel = QStringLiteral("stable");
    QUrl base = g_downloadSite.isEmpty() ? QUrl(QLatin1String(kDownloadBaseUrl)) : g_downloadSite;
    base.setPath(QStringLiteral("/vellumry/stable/"));
    config.manifestBaseUrl = base;
    config.currentVersion = QLatin1String(kVersion);
    return config;
}

void Application::setDownloadSite(const QUrl& siteUrl)
{
    g_downloadSite = siteUrl;
}

int Application::run()
{
    m_appState = new AppState(this);

    if (!m_appState->initialize()) {
        QString text = tr("Failed to initialize the database.\n\nData directory: %1\n\n"
                          "Please check file permissions and try again.")
                           .arg(dataDirectoryPath());
        // What SQLite said, for a failure that is not about permissions at all.
        const QString cause = m_appState->database ? m_appState->database->failureCause() : QString();
        if (!cause.isEmpty())
            text += QLatin1String("\n\n") + cause;
        MessageBox::critical(nullptr, tr("Database Error"), text, QMessageBox::Ok, QMessageBox::NoButton);
        // Nothing else was built; let the connection go with the state.
        delete m_appState;
        m_appState = nullptr;
        return 1;
    }

    m_appState->themeManager = new ThemeManager(m_appState->preferencesRepository, m_appState);
    m_appState->themeManager->applyStoredPreferences();

    m_mainWindow = new MainWindow(m_appState);
    m_mainWindow->show();

    showWhatsNewIfUpgraded();
    QTimer::singleShot(kUpdateCheckDelayMs, this, &Application::startUpdateCheck);

    return exec();
}

bool Application::showWhatsNewIfUpgraded()
{
    QSettings settings;
    QString last = settings.value(QLatin1String(kLastWhatsNewKey)).toString();
    if (last.isEmpty()) {
        const QString stored = m_appState->preferencesRepository->getString(QLatin1String(kLastWhatsNewPreference));
        if (!stored.isEmpty()) {
            settings.setValue(QLatin1String(kLastWhatsNewKey), stored);
            last = stored;
        }
    }
    if (!(OrvaUpdate::Version::parse(last) < OrvaUpdate::Version::parse(QLatin1String(kVersion))))
        return false;

    // Recorded before the notes arrive: a failed download is not retried at
    // every start.
    settings.setValue(QLatin1String(kLastWhatsNewKey), QLatin1String(kVersion));
    settings.sync();
    OrvaUpdate::showWhatsNewAfterUpgrade(updateManifestUrl(), QLatin1String(kProductName), m_mainWindow);
    return true;
}

void Application::startUpdateCheck()
{
    auto* client = new OrvaUpdate::Client(updateManifestUrl(), this);
    connect(client, &OrvaUpdate::Client::updateAvailable, m_mainWindow, [this](const OrvaUpdate::Artifact& artifact) {
        onUpdateAvailable(artifact);
    });
    connect(client, &OrvaUpdate::Client::checkFailed, this, &Application::onUpdateCheckFailed);
    // One check, one answer.
    connect(client, &OrvaUpdate::Client::updateAvailable, client, &QObject::deleteLater);
    connect(client, &OrvaUpdate::Client::upToDate, client, &QObject::deleteLater);
    connect(client, &OrvaUpdate::Client::checkFailed, client, &QObject::deleteLater);
    client->check();
}

void Application::onUpdateAvailable(const OrvaUpdate::Artifact& artifact)
{
    const QString dismissed =
        m_appState->preferencesRepository->getString(QLatin1String(kDismissedUpdatePreference));
    if (!dismissed.isEmpty()
        && OrvaUpdate::Version::parse(artifact.version) <= OrvaUpdate::Version::parse(dismissed))
        return;

    auto* dialog = new OrvaUpdate::UpdateDialog(artifact, QLatin1String(kVersion), QLatin1String(kProductName),
                                                m_mainWindow);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // Either answer means the user has seen this release; the start-up check
    // stays quiet about it from now on (the menu's check still offers it).
    connect(dialog, &QDialog::finished, this, [this, version = artifact.version] {
        m_appState->preferencesRepository->set(QLatin1String(kDismissedUpdatePreference), version);
    });
    dialog->show();
}

void Application::onUpdateCheckFailed(const QString& reason)
{
    qWarning().noquote() << "update check failed:" << reason;
}
