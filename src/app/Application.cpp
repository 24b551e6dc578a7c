#include "Application.h"

#include "state/AppPaths.h"
#include "state/AppState.h"
#include "AppStyle.h"
#include "MainWindow.h"
#include "MessageHandler.h"
#include "state/UiLanguage.h"
#include "widgets/MessageBox.h"
#include "widgets/ThemeManager.h"

#include <QFontDatabase>
#include <QIcon>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

namespace {

const char* const kVersion = "1.1.10";

// The maker's web locations; nothing in the program depends on more than their paths.
const char* const kOrganisationDomain = "orvalenworks.com";
const char* const kDownloadBaseUrl = "https://downloads.orvalenworks.com";
const char* const kFeedbackBaseUrl = "https://feedback.orvalenworks.com/";

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

    setWindowIcon(QIcon(QStringLiteral(":/icons/icons/app_icon.png")));
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/fonts/MaterialIcons-Regular.otf"));
}

Application::~Application() = default;

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
    QUrl base{QLatin1String(kDownloadBaseUrl)};
    base.setPath(QStringLiteral("/vellumry/stable/"));
    config.manifestBaseUrl = base;
    config.currentVersion = QLatin1String(kVersion);
    return config;
}

int Application::run()
{
    m_appState = new AppState(this);

    if (!m_appState->initialize()) {
        MessageBox::critical(nullptr, tr("Database Error"),
                             tr("Failed to initialize the database.\n\nData directory: %1\n\n"
                                "Please check file permissions and try again.")
                                 .arg(dataDirectoryPath()),
                             QMessageBox::Ok, QMessageBox::NoButton);
        // Nothing else was built; let the connection go with the state.
        delete m_appState;
        m_appState = nullptr;
        return 1;
    }

    m_appState->themeManager = new ThemeManager(m_appState->preferencesRepository, m_appState);
    m_appState->themeManager->applyStoredPreferences();

    m_mainWindow = new MainWindow(m_appState);
    m_mainWindow->show();

    return exec();
}
