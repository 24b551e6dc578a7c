#include "HelpActions.h"

#include "Application.h"
#include "MainMenus.h"
#include "StatusBar.h"
#include "services/SampleDataService.h"
#include "state/AppState.h"
#include "update/ui/ExternalLinks.h"
#include "widgets/MessageBox.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QStatusBar>

namespace {

constexpr int kStatusMs = 3000;

QString keyText(const QKeySequence& keys)
{
    return keys.toString(QKeySequence::NativeText).toHtmlEscaped();
}

QString keyText(const char* keys)
{
    return keyText(QKeySequence(QLatin1String(keys)));
}

} // namespace

HelpActions::HelpActions(AppState* state, QMainWindow* window, StatusBar* statusBar)
    : QObject(window)
    , m_state(state)
    , m_window(window)
    , m_statusBar(statusBar)
{
}

QString HelpActions::aboutText()
{
    return tr("<h3>Orvalen Vellumry</h3><p>Version %1</p><p>A digital vellumry register for tracking household "
              "finances.</p><p><small>This application uses the Qt framework under the GNU Lesser General Public "
              "License version 3. See <a href=\"https://www.qt.io/\">qt.io</a> for Qt and "
              "<a href=\"https://code.qt.io/\">code.qt.io</a> for its source code.</small></p>")
        .arg(QCoreApplication::applicationVersion());
}

QString HelpActions::keyboardShortcutsSheet()
{
    using Command = MainMenus::Command;
    const auto menuKey = [](Command command) { return keyText(MainMenus::keys(command)); };
    return tr("<h3>Register</h3><table cellspacing='6'>"
              "<tr><td><b>%1</b></td><td>Save transaction</td></tr>"
              "<tr><td><b>%2</b></td><td>Insert new transaction</td></tr>"
              "<tr><td><b>%3</b></td><td>Delete current transaction</td></tr>"
              "<tr><td><b>Tab / Shift+Tab</b></td><td>Next / previous field</td></tr>"
              "<tr><td><b>' (apostrophe)</b></td><td>Copy value from field above</td></tr></table>"
              "<h3>Date Field</h3><table cellspacing='6'>"
              "<tr><td><b>t</b></td><td>Today</td></tr>"
              "<tr><td><b>+ / -</b></td><td>Next / previous day</td></tr>"
              "<tr><td><b>m / h</b></td><td>First / last day of month</td></tr>"
              "<tr><td><b>y / r</b></td><td>First / last day of year</td></tr>"
              "<tr><td><b>w / k</b></td><td>First / last day of week</td></tr></table>"
              "<h3>General</h3><table cellspacing='6'>"
              "<tr><td><b>%4</b></td><td>New transaction</td></tr>"
              "<tr><td><b>%5</b></td><td>New account</td></tr>"
              "<tr><td><b>%6</b></td><td>Reconcile account</td></tr>"
              "<tr><td><b>%7</b></td><td>Search transactions</td></tr>"
              "<tr><td><b>%8</b></td><td>Reports</td></tr>"
              "<tr><td><b>%9</b></td><td>Recurring transactions</td></tr>"
              "<tr><td><b>%10</b></td><td>Categories</td></tr></table>"
              "<h3>Accounts</h3><table cellspacing='6'>"
              "<tr><td><b>%11 &ndash; %12</b></td><td>Switch to account 1&ndash;9</td></tr>"
              "<tr><td><b>%13</b></td><td>Switch to account 10</td></tr></table>")
        .arg(keyText("Ctrl+Return"), keyText("Ctrl+I"), keyText("Ctrl+D"), menuKey(Command::NewTransaction),
             menuKey(Command::NewAccount), menuKey(Command::Reconcile), menuKey(Command::Find),
             menuKey(Command::Reports))
        .arg(menuKey(Command::Recurring), menuKey(Command::Categories), keyText("Alt+1"), keyText("Alt+9"),
             keyText("Alt+0"));
}

OrvaUpdate::CheckCallbacks HelpActions::statusCallbacks() const
{
    // The flows answer after the network does; the window may be gone by then.
    const QPointer<StatusBar> statusBar = m_statusBar;
    OrvaUpdate::CheckCallbacks callbacks;
    callbacks.started = [statusBar](const QString& text) {
        if (statusBar)
            statusBar->showProgress(text);
    };
    callbacks.finished = [statusBar] {
        if (statusBar)
            statusBar->hideProgress();
    };
    callbacks.message = [statusBar](const QString& text, int timeoutMs) {
        if (statusBar)
            statusBar->showTimedMessage(text, timeoutMs);
    };
    return callbacks;
}

void HelpActions::showAboutBox()
{
    MessageBox::about(m_window, tr("About Orvalen Vellumry"), aboutText());
}

void HelpActions::showWhatsNewDialog()
{
    OrvaUpdate::showWhatsNew(Application::updateManifestUrl(), tr("Orvalen Vellumry"), m_window, statusCallbacks());
}

void HelpActions::checkForUpdates()
{
    OrvaUpdate::runInteractiveUpdateCheck(Application::updateManifestUrl(), tr("Orvalen Vellumry"), m_window,
                                          statusCallbacks());
}

void HelpActions::sendFeedback()
{
    const FeedbackSettings settings = feedbackSettings();
    OrvaUpdate::openFeedbackPage({settings.tags, settings.baseUrl});
}

void HelpActions::showKeyboardShortcuts()
{
    MessageBox::information(m_window, tr("Keyboard Shortcuts"), keyboardShortcutsSheet(), QMessageBox::Ok);
}

void HelpActions::loadSampleData()
{
    SampleDataService sampleData(m_state->database);
    if (sampleData.hasSampleData()) {
        MessageBox::information(m_window, tr("Sample Data"), tr("Sample data is already loaded."));
        return;
    }
    sampleData.loadSampleData();
    emit sampleDataLoaded();
    m_window->statusBar()->showMessage(tr("Sample data loaded"), kStatusMs);
}

void HelpActions::clearSampleData()
{
    SampleDataService sampleData(m_state->database);
    if (!sampleData.hasSampleData()) {
        MessageBox::information(m_window, tr("Sample Data"), tr("No sample data to clear."));
        return;
    }
    if (!sampleData.clearSampleData()) {
        // The sample rows that could go are gone; the accounts stay with the rows
        // the user added to them, and the views follow the ledger's reset.
        MessageBox::warning(m_window, tr("Sample Data"),
                            tr("The sample data could not be cleared completely. Sample accounts that hold "
                               "transactions of your own are kept; delete those transactions and clear again."));
        return;
    }
    emit sampleDataCleared();
    m_window->statusBar()->showMessage(tr("Sample data cleared"), kStatusMs);
}
