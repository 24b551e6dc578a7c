#include "RegisterRowCommands.h"

#include "RegisterChangeWatch.h"
#include "RegisterModel.h"
#include "RegisterScreen.h"
#include "RegisterTableView.h"
#include "TransactionActions.h"
#include "TransactionDetailsDialog.h"

#include "data/LocalEdit.h"
#include "data/RecurringRepository.h"
#include "data/TransactionRepository.h"
#include "state/AppState.h"
#include "widgets/ModalDialog.h"

#include <QKeySequence>
#include <QMenu>

namespace {

QAction* addEntry(QMenu* menu, const QString& text, const char* shortcut = nullptr)
{
    QAction* action = menu->addAction(text);
    if (shortcut) {
        action->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
        action->setShortcutVisibleInContextMenu(true);
    }
    return action;
}

} // namespace

RegisterRowCommands::RegisterRowCommands(AppState* state, RegisterScreen* screen, RegisterTableView* table,
                                         RegisterModel* model, RegisterChangeWatch* changes)
    : QObject(screen)
    , m_state(state)
    , m_screen(screen)
    , m_table(table)
    , m_model(model)
    , m_changes(changes)
{
}

std::optional<Transaction> RegisterRowCommands::find(const QString& id) const
{
    // Commands mostly act on the current row.
    if (m_model->rowOf(id, m_table->currentIndex().row()) < 0)
        return std::nullopt;
    // The actions write back the whole record: the stored one, not the row shown.
    std::optional<Transaction> stored = m_state->transactionRepository->findById(id);
    if (stored && stored->deletedAt)
        return std::nullopt;
    return stored;
}

std::optional<Transaction> RegisterRowCommands::runAction(const QString& id, Action action)
{
    const std::optional<Transaction> transaction = find(id);
    if (!transaction
        || !m_changes->ownWrite([&] { return action(m_state, *transaction, m_screen); }))
        return std::nullopt;
    return transaction;
}

void RegisterRowCommands::deleteRow(const QString& id)
{
    // Both legs of a transfer go; the other one is another account's.
    if (const std::optional<Transaction> deleted = runAction(id, &TransactionActions::deleteWithConfirmation))
        emit rowsDeleted({id, deleted->transferLinkId});
}

void RegisterRowCommands::duplicateRow(const QString& id)
{
    // The copy's id is the form's own: only a reload finds it.
    if (runAction(id, &TransactionActions::duplicateTransaction))
        emit rowAdded();
}

void RegisterRowCommands::editRowInDialog(const QString& id)
{
    if (runAction(id, &TransactionActions::editTransaction))
        emit rowsWritten({id});
}

void RegisterRowCommands::editSplits(const QString& id)
{
    if (runAction(id, &TransactionActions::editSplits))
        emit rowsWritten({id});
}

void RegisterRowCommands::showRowDetails(const QString& id)
{
    const std::optional<Transaction> transaction = find(id);
    if (!transaction)
        return;
    TransactionDetailsDialog details(m_state, *transaction, m_screen);
    ModalDialog::exec(&details);
    // The dialog may have changed the mark or deleted the row; what follows
    // acts on the row as it now stands. Only a looked-at row keeps what was
    // being typed in its open cell.
    const std::optional<Transaction> stored = m_state->transactionRepository->findById(id);
    emit rowLookedAt(!stored || stored->deletedAt || stored->version != transaction->version);
    if (details.deleted())
        return;
    if (details.editRequested())
        editRowInDialog(id);
    else if (details.duplicateRequested())
        duplicateRow(id);
}

void RegisterRowCommands::flipCleared(const QString& id)
{
    std::optional<Transaction> transaction = find(id);
    if (!transaction)
        return;
    transaction->cleared = !transaction->cleared;
    stampLocalEdit(*transaction);
    if (m_changes->ownWrite([&] { return m_state->transactionRepository->update(*transaction); }))
        emit rowsWritten({id});
}

void RegisterRowCommands::memorize(const QString& id)
{
    const std::optional<Transaction> transaction = find(id);
    if (!transaction)
        return;
    if (!transaction->date.isValid() || transaction->date.year() < 2000) {
        m_screen->flashStatus(tr("Cannot memorize: source transaction has an invalid date"), 5000);
        return;
    }
    if (!m_memorizeForm)
        return;
    // Monthly from the transaction's date, entered by hand: the record's defaults.
    RecurringTransaction seed;
    seed.accountId = transaction->accountId;
    seed.payee = transaction->payee;
    seed.memo = transaction->memo;
    seed.amount = transaction->amount;
    seed.categoryId = transaction->categoryId;
    seed.transferDestAccountId = transaction->transferDestAccountId;
    seed.startDate = seed.nextDueDate = transaction->date;
    std::optional<RecurringTransaction> record = m_memorizeForm(seed, m_screen);
    if (!record)
        return;
    record->updatedAt = record->createdAt;
    if (m_state->recurringRepository->insert(*record))
        m_screen->flashStatus(tr("Transaction memorized as recurring"), 3000);
}

void RegisterRowCommands::showContextMenu(const QPoint& pos)
{
    const int row = m_table->indexAt(pos).row();
    QMenu menu(m_screen);
    connect(addEntry(&menu, tr("&Insert New"), "Ctrl+I"), &QAction::triggered, m_screen, &RegisterScreen::cancelEdit);
    connect(addEntry(&menu, tr("&New Transaction...")), &QAction::triggered, m_screen,
            &RegisterScreen::newTransactionDialog);
    if (row >= 0 && row == m_model->entryRow()) {
        connect(addEntry(&menu, tr("&Edit in Dialog..."), "Ctrl+E"), &QAction::triggered, m_screen,
                &RegisterScreen::editNewRowInDialog);
    }
    const QString id = m_model->transactionIdAt(row);
    if (const std::optional<Transaction> transaction = find(id))
        addRowEntries(&menu, *transaction);
    menu.exec(m_table->viewport()->mapToGlobal(pos));
}

void RegisterRowCommands::addRowEntries(QMenu* menu, const Transaction& transaction)
{
    const QString id = transaction.id;
    const auto onTrigger = [this, id](QAction* action, void (RegisterRowCommands::*command)(const QString&)) {
        connect(action, &QAction::triggered, this, [this, id, command] { (this->*command)(id); });
    };
    menu->addSeparator();
    onTrigger(addEntry(menu, tr("Show &Details..."), "Alt+Return"), &RegisterRowCommands::showRowDetails);
    onTrigger(addEntry(menu, transaction.isSplit ? tr("Edit &Splits...") : tr("&Split Transaction...")),
              &RegisterRowCommands::editSplits);
    onTrigger(addEntry(menu, tr("&Edit in Dialog..."), "Ctrl+E"), &RegisterRowCommands::editRowInDialog);
    onTrigger(addEntry(menu, tr("D&uplicate...")), &RegisterRowCommands::duplicateRow);
    onTrigger(addEntry(menu, transaction.cleared ? tr("Mark &Uncleared") : tr("Mark &Cleared")),
              &RegisterRowCommands::flipCleared);
    onTrigger(addEntry(menu, tr("&Delete"), "Ctrl+D"), &RegisterRowCommands::deleteRow);
}
