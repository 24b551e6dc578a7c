#include "MainMenus.h"

#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

namespace {

using Command = MainMenus::Command;

constexpr const char* kFile = QT_TRANSLATE_NOOP("MainMenus", "&File");
constexpr const char* kEdit = QT_TRANSLATE_NOOP("MainMenus", "&Edit");
constexpr const char* kAccount = QT_TRANSLATE_NOOP("MainMenus", "&Account");
constexpr const char* kView = QT_TRANSLATE_NOOP("MainMenus", "&View");
constexpr const char* kHelp = QT_TRANSLATE_NOOP("MainMenus", "&Help");

QString translated(const char* text)
{
    return QCoreApplication::translate("MainMenus", text);
}

} // namespace

const QList<MainMenus::Entry>& MainMenus::entries()
{
    // Built on first use: the standard keys need the platform's theme.
    static const QList<Entry> table = [] {
        const auto item = [](const char* menu, Command command, const char* text, const char* name,
                             QKeySequence keys = {}, QAction::MenuRole role = QAction::NoRole) {
            return Entry{menu, command, text, name, keys, role, false};
        };
        const auto separator = [](const char* menu) { return Entry{menu, Command::Quit, nullptr, nullptr, {}}; };
        const auto developer = [](Entry entry) {
            entry.developerOnly = true;
            return entry;
        };
        return QList<Entry>{
            item(kFile, Command::NewTransaction, QT_TRANSLATE_NOOP("MainMenus", "&New Transaction"),
                 "newTransactionAction", QKeySequence(QStringLiteral("Ctrl+N"))),
            item(kFile, Command::NewAccount, QT_TRANSLATE_NOOP("MainMenus", "New &Account"), "newAccountAction",
                 QKeySequence(QStringLiteral("Ctrl+Shift+N"))),
            separator(kFile),
            item(kFile, Command::Import, QT_TRANSLATE_NOOP("MainMenus", "&Import..."), "importAction"),
            separator(kFile),
            item(kFile, Command::OrvalenAccount, QT_TRANSLATE_NOOP("MainMenus", "Orvalen &Account..."),
                 "accountAction"),
            separator(kFile),
            item(kFile, Command::SignOut, QT_TRANSLATE_NOOP("MainMenus", "Sign &Out"), "signOutAction"),
            separator(kFile),
            item(kFile, Command::Quit, QT_TRANSLATE_NOOP("MainMenus", "&Quit"), "quitAction",
                 QKeySequence(QKeySequence::Quit), QAction::QuitRole),
            item(kEdit, Command::Find, QT_TRANSLATE_NOOP("MainMenus", "&Find..."), "findAction",
                 QKeySequence(QKeySequence::Find)),
            separator(kEdit),
            item(kEdit, Command::Preferences, QT_TRANSLATE_NOOP("MainMenus", "&Preferences..."), "preferencesAction",
                 {}, QAction::PreferencesRole),
            item(kAccount, Command::EditAccount, QT_TRANSLATE_NOOP("MainMenus", "&Edit..."), "editAccountAction"),
            item(kAccount, Command::Reconcile, QT_TRANSLATE_NOOP("MainMenus", "&Reconcile..."), "reconcileAction",
                 QKeySequence(QStringLiteral("Ctrl+R"))),
            item(kAccount, Command::ReconciliationHistory,
                 QT_TRANSLATE_NOOP("MainMenus", "Reconciliation &History..."), "reconciliationHistoryAction"),
            item(kAccount, Command::RenamePayees, QT_TRANSLATE_NOOP("MainMenus", "Rename &Payees..."),
                 "renamePayeesAction"),
            separator(kAccount),
            item(kAccount, Command::ShareAccount, QT_TRANSLATE_NOOP("MainMenus", "&Share..."), "shareAccountAction"),
            separator(kAccount),
            item(kAccount, Command::DeleteAccount, QT_TRANSLATE_NOOP("MainMenus", "&Delete"), "deleteAccountAction"),
            item(kView, Command::Reports, QT_TRANSLATE_NOOP("MainMenus", "&Reports"), "reportsAction",
                 QKeySequence(QStringLiteral("Ctrl+2"))),
            item(kView, Command::Recurring, QT_TRANSLATE_NOOP("MainMenus", "Re&curring Transactions"),
                 "recurringAction", QKeySequence(QStringLiteral("Ctrl+3"))),
            item(kView, Command::Categories, QT_TRANSLATE_NOOP("MainMenus", "C&ategories"), "categoriesAction",
                 QKeySequence(QStringLiteral("Ctrl+4"))),
            item(kHelp, Command::About, QT_TRANSLATE_NOOP("MainMenus", "&About Orvalen Vellumry"), "aboutAction", {},
                 QAction::AboutRole),
            item(kHelp, Command::WhatsNew, QT_TRANSLATE_NOOP("MainMenus", "What's &New..."), "whatsNewAction"),
            item(kHelp, Command::CheckForUpdates, QT_TRANSLATE_NOOP("MainMenus", "Check for &Updates..."),
                 "checkForUpdatesAction"),
            item(kHelp, Command::SendFeedback, QT_TRANSLATE_NOOP("MainMenus", "Send &Feedback..."),
                 "sendFeedbackAction"),
            separator(kHelp),
            item(kHelp, Command::KeyboardShortcuts, QT_TRANSLATE_NOOP("MainMenus", "&Keyboard Shortcuts"),
                 "keyboardShortcutsAction"),
            developer(separator(kHelp)),
            developer(item(kHelp, Command::LoadSampleData, QT_TRANSLATE_NOOP("MainMenus", "Load &Sample Data"),
                           "loadSampleDataAction")),
            developer(item(kHelp, Command::ClearSampleData, QT_TRANSLATE_NOOP("MainMenus", "&Clear Sample Data"),
                           "clearSampleDataAction")),
        };
    }();
    return table;
}

QKeySequence MainMenus::keys(Command command)
{
    for (const Entry& entry : entries()) {
        if (!entry.isSeparator() && entry.command == command)
            return entry.keys;
    }
    return {};
}

MainMenus::DeveloperItems MainMenus::developerItemsFromEnvironment()
{
    return qEnvironmentVariableIsEmpty("VELLUMRY_DEV") ? DeveloperItems::Hidden : DeveloperItems::Shown;
}

MainMenus::MainMenus(QMenuBar* menuBar, DeveloperItems developerItems, QObject* parent)
    : QObject(parent)
{
    QMenu* menu = nullptr;
    const char* menuTitle = nullptr;
    for (const Entry& entry : entries()) {
        if (entry.developerOnly && developerItems == DeveloperItems::Hidden)
            continue;
        if (entry.menu != menuTitle) {
            menuTitle = entry.menu;
            menu = menuBar->addMenu(translated(menuTitle));
        }
        if (entry.isSeparator()) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(translated(entry.text));
        action->setObjectName(QLatin1String(entry.objectName));
        action->setShortcut(entry.keys);
        action->setMenuRole(entry.role);
        m_actions.insert(entry.command, action);
    }
}
