#pragma once

#include <QAction>
#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QObject>

class QMenuBar;

// The main window's five menus, built from one table: the menus, the
// keyboard-shortcuts sheet and the tests all read the same texts and keys.
// The window connects each command to what it does.
class MainMenus : public QObject
{
    Q_OBJECT

public:
    enum class Command {
        NewTransaction,
        NewAccount,
        Import,
        OrvalenAccount,
        SignOut,
        Quit,
        Find,
        Preferences,
        EditAccount,
        Reconcile,
        ReconciliationHistory,
        RenamePayees,
        ShareAccount,
        DeleteAccount,
        Reports,
        Recurring,
        Categories,
        About,
        WhatsNew,
        CheckForUpdates,
        SendFeedback,
        KeyboardShortcuts,
        LoadSampleData,
        ClearSampleData,
    };

    enum class DeveloperItems { Hidden, Shown };

    // One row of a menu: an item, or a separator (no text).
    struct Entry
    {
        const char* menu;
        Command command;
        const char* text;
        const char* objectName;
        QKeySequence keys;
        QAction::MenuRole role = QAction::NoRole;
        bool developerOnly = false;

        bool isSeparator() const { return text == nullptr; }
    };

    // Every row of every menu, in menu order, the developer rows included.
    static const QList<Entry>& entries();
    // The key of a command, empty when it has none.
    static QKeySequence keys(Command command);
    // Asked for by a non-empty VELLUMRY_DEV when the window is built.
    static DeveloperItems developerItemsFromEnvironment();

    MainMenus(QMenuBar* menuBar, DeveloperItems developerItems, QObject* parent);

    // Null for a developer item that was not built.
    QAction* action(Command command) const { return m_actions.value(command); }

private:
    QHash<Command, QAction*> m_actions;
};
