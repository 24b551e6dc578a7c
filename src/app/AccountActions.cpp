#include "AccountActions.h"

#include "CurrentAccount.h"

#include "account/Client.h"
#include "data/AccountRepository.h"
#include "data/AccountService.h"
#include "data/LocalEdit.h"
#include "data/TransactionRepository.h"
#include "register/TransactionActions.h"
#include "screens/AccountFormDialog.h"
#include "state/AppState.h"
#include "sync/AccountSharingService.h"
#include "sync/SyncEngine.h"
#include "widgets/MessageBox.h"
#include "widgets/ModalDialog.h"

#include <QMainWindow>

namespace {

AccountService accountServiceOf(AppState* state)
{
    return AccountService(state->database, state->accountRepository, state->transactionRepository,
                          state->recurringRepository, state->reconciliationRepository);
}

} // namespace

AccountActions::AccountActions(AppState* state, QMainWindow* window)
    : QObject(window)
    , m_state(state)
    , m_window(window)
{
}

void AccountActions::showNewAccountDialog()
{
    AccountFormDialog dialog(m_window);
    if (ModalDialog::exec(&dialog) != QDialog::Accepted)
        return;
    const Account account = dialog.account();
    if (account.name.isEmpty())
        return;
    // Nothing was stored: there is no account to show.
    if (!accountServiceOf(m_state).create(account, dialog.asOfDate())) {
        MessageBox::warning(m_window, tr("New Account"), tr("The account could not be saved."));
        return;
    }
    emit accountCreated(account.id);
}

void AccountActions::showEditAccountDialog()
{
    const QString id = CurrentAccount::requireId(m_state, m_window);
    const std::optional<Account> stored = id.isEmpty() ? std::nullopt : m_state->accountRepository->findById(id);
    if (!stored)
        return;
    const std::optional<Transaction> opening = m_state->transactionRepository->openingBalanceTransaction(id);
    AccountFormDialog dialog(*stored, opening, m_window);
    if (ModalDialog::exec(&dialog) != QDialog::Accepted)
        return;
    Account edited = dialog.account();
    // Transfers name the other account in their payee: a blank name could not be picked there.
    if (edited.name.isEmpty())
        return;

    if (edited.currency != stored->currency) {
        const int transfers = m_state->transactionRepository->countForeignCurrencyTransfers(id, edited.currency);
        if (transfers > 0
            && MessageBox::warning(m_window, tr("Change currency?"),
                                   tr("This account has %n transfer(s) to accounts in another currency. Those "
                                      "transfers will no longer add up, and any recurring transfer between them "
                                      "will stop posting until you fix it. Existing entries are not converted.",
                                      nullptr, transfers),
                                   QMessageBox::Save | QMessageBox::Cancel, QMessageBox::Cancel)
                != QMessageBox::Save)
            return;
    }

    edited.version = stored->version;
    stampLocalEdit(edited);
    bool applyOpening = dialog.openingBalanceChanged();
    // Without an opening-balance row yet, the typed balance simply becomes it.
    if (applyOpening && opening) {
        applyOpening = MessageBox::question(m_window, tr("Starting Balance"),
                                            tr("Change the opening balance?\n\nEvery balance in this account "
                                               "will shift."),
                                            QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
            == QMessageBox::Yes;
    }
    if (!m_state->accountRepository->update(edited)) {
        MessageBox::warning(m_window, tr("Edit Account"), tr("The account could not be saved."));
        return;
    }
    if (applyOpening)
        TransactionActions::setOpeningBalance(m_state, id, dialog.startingBalanceCents(), dialog.asOfDate());
    emit accountEdited(id);
}

void AccountActions::deleteAccount(const QString& accountId)
{
    const std::optional<Account> account = m_state->accountRepository->findById(accountId);
    if (!account)
        return;
    const QString question = tr("Delete \"%1\"?\n\nAll transactions, recurring entries, and reconciliation history "
                                "for this account will be removed. You can restore it from Preferences \u2192 Data "
                                "& Sync.")
                                 .arg(account->name);
    if (MessageBox::warning(m_window, tr("Delete Account"), question, QMessageBox::Yes | QMessageBox::No,
                            QMessageBox::No)
        != QMessageBox::Yes)
        return;
    // All or nothing: after a failure the account and its rows are as they were.
    if (!accountServiceOf(m_state).remove(accountId)) {
        MessageBox::warning(m_window, tr("Delete Account"), tr("The account could not be deleted."));
        return;
    }
    if (accountId == m_state->currentAccountId)
        m_state->setCurrentAccountId(QString());
    emit accountDeleted(accountId);
}

void AccountActions::deleteCurrentAccount()
{
    if (const QString id = CurrentAccount::requireId(m_state, m_window); !id.isEmpty())
        deleteAccount(id);
}

void AccountActions::showShareAccountDialog()
{
    const QString id = CurrentAccount::requireId(m_state, m_window);
    const std::optional<Account> account = id.isEmpty() ? std::nullopt : m_state->accountRepository->findById(id);
    if (!account)
        return;
    if (!m_state->accountClient->isAuthenticated()) {
        const int learnMore = 0;
        const int choice = MessageBox::choose(m_window, QMessageBox::Information, tr("Sign In Required"),
                                              tr("Sharing requires a Orvalen account."),
                                              {{tr("Learn More"), QMessageBox::AcceptRole},
                                               {QString(), QMessageBox::RejectRole, QMessageBox::Cancel}},
                                              learnMore);
        if (choice == learnMore)
            emit accountScreenRequested(OrvaAccount::AccountScreen::ProfileTab);
        return;
    }
    OrvaAccount::ShareMembersDialog dialog(m_state->accountClient, m_state->sharingService, account->id,
                                           shareDialogTexts(account->name), m_window);
    // A change of who has access reaches the other devices with the next sync.
    connect(&dialog, &OrvaAccount::ShareMembersDialog::sharingChanged, m_state->syncEngine,
            &SyncEngine::scheduleSync);
    ModalDialog::exec(&dialog);
}

OrvaAccount::ShareMembersDialog::Texts AccountActions::shareDialogTexts(const QString& accountName)
{
    OrvaAccount::ShareMembersDialog::Texts texts;
    texts.windowTitle = tr("Share Account");
    texts.heading = tr("Sharing: %1").arg(accountName);
    texts.intro = tr("Share this account with members of your Orvalen family group. They'll see the same register, "
                     "balances, and reconciliation history on their devices.");
    texts.sharedHeader = tr("Shared with");
    texts.emptyText = tr("Not shared with anyone yet.");
    texts.noGroupText = tr("You are not in a family group yet. Create one or join one under File \u203A Orvalen "
                           "Account, then share this account with its members.");
    texts.shareButtonText = tr("Share");
    texts.removeToolTip = tr("Remove access");
    texts.closeButtonText = tr("Close");
    texts.shareRole = QStringLiteral("member");
    texts.shareFailedTitle = tr("Share Failed");
    texts.removeFailedTitle = tr("Remove Failed");
    texts.removeConfirmTitle = tr("Remove Share");
    texts.removeConfirmText = tr("Remove %1's access to this account?");
    return texts;
}
