#pragma once

#include "update/Config.h"
#include "update/Manifest.h"

#include <QApplication>
#include <QPointer>
#include <QUrl>

class AppState;
class MainWindow;
class QTranslator;

struct FeedbackSettings
{
    QString tags;
    QUrl baseUrl;
};

FeedbackSettings feedbackSettings();

// The process's front door: identity, style, logging, translations, icon and
// icon font, then the start-up routine that builds the state and the window.
class Application : public QApplication
{
    Q_OBJECT

public:
    Application(int& argc, char** argv);
    ~Application() override;

    // Start-up; the result is the process exit code.
    int run();

    bool notify(QObject* receiver, QEvent* event) override;

    // (Re)loads the translators for the stored or system language.
    void installTranslators();

    static OrvaUpdate::Config updateManifestUrl();
    // Points the update checks at another download site (tests use a fake);
    // an empty address goes back to the maker's.
    static void setDownloadSite(const QUrl& siteUrl);

    // The start-up steps after the main window is shown. What's New runs once
    // per version; the answer says whether it ran this time.
    bool showWhatsNewIfUpgraded();
    void startUpdateCheck();
    void onUpdateAvailable(const OrvaUpdate::Artifact& artifact);
    void onUpdateCheckFailed(const QString& reason);

    AppState* appState() const { return m_appState; }
    MainWindow* mainWindow() const;
    QTranslator* qtTranslator() const { return m_qtTranslator; }
    QTranslator* appTranslator() const { return m_appTranslator; }

private:
    void removeTranslators();

    AppState* m_appState = nullptr;
    QPointer<MainWindow> m_mainWindow;
    QTranslator* m_qtTranslator = nullptr;
    QTranslator* m_appTranslator = nullptr;
};
