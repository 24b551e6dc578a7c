#pragma once

#include "account/ui/AccountScreen.h"
#include "account/ui/ShareMembersDialog.h"

#include <QObject>
#include <QString>

class AppState;
class QMainWindow;

// What the user can do to an account from the main window's menus, its account
// list, its welcome pages and the register: create one with its opening
// balance, edit it, delete it with everything that hangs off it, and share it.
// Questions go through the dialog seams; the pages and the list are the
// window's, which follows the signals below.
class AccountActions : public QObject
{
    Q_OBJECT

public:
    // `window` is the parent of every dialog and shows the status messages.
    AccountActions(AppState* state, QMainWindow* window);

    // The texts the share dialog shows for the account of that name.
    static OrvaAccount::ShareMembersDialog::Texts shareDialogTexts(const QString& accountName);

public slots:
    void showNewAccountDialog();
    // The current account's form; a changed currency or opening balance is asked about first.
    void showEditAccountDialog();
    // Asks, then deletes the account with its transactions, recurring entries and reconciliations.
    void deleteAccount(const QString& accountId);
    void deleteCurrentAccount();
    // Signed in: who has access to the current account; signed out: the way to an account.
    void showShareAccountDialog();

signals:
    void accountCreated(const QString& accountId);
    void accountEdited(const QString& accountId);
    // After the current account id was cleared, when the deleted one was current.
    void accountDeleted(const QString& accountId);
    void accountScreenRequested(OrvaAccount::AccountScreen::Tab tab);

private:
    AppState* m_state;
    QMainWindow* m_window;
};
