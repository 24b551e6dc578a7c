#pragma once

#include "update/ui/UpdateFlows.h"

#include <QObject>
#include <QPointer>

class AppState;
class QMainWindow;
class StatusBar;

// What the Help menu does: the About box, the release notes and the update
// check (their progress shown in the status bar), the feedback page, the sheet
// of keyboard shortcuts, and the developer's sample data.
class HelpActions : public QObject
{
    Q_OBJECT

public:
    HelpActions(AppState* state, QMainWindow* window, StatusBar* statusBar);

    // The texts of the About box and of the shortcuts sheet (rich text).
    static QString aboutText();
    static QString keyboardShortcutsSheet();
    // The update flows' progress and messages, in the status bar while it exists.
    OrvaUpdate::CheckCallbacks statusCallbacks() const;

public slots:
    void showAboutBox();
    void showWhatsNewDialog();
    void checkForUpdates();
    void sendFeedback();
    void showKeyboardShortcuts();
    void loadSampleData();
    void clearSampleData();

signals:
    void sampleDataLoaded();
    void sampleDataCleared();

private:
    AppState* m_state;
    QMainWindow* m_window;
    QPointer<StatusBar> m_statusBar;
};
