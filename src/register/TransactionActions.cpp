#include "TransactionActions.h"

#include "SplitEditorDialog.h"
#include "TransactionFormDialog.h"

#include "data/Account.h"
#include "data/AccountRepository.h"
#include "data/Clock.h"
#include "data/LedgerConstants.h"
#include "data/LocalEdit.h"
#include "data/OpeningBalanceService.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionRepository.h"
#include "data/TransactionWriter.h"
#include "data/WriteFailureWatch.h"
#include "state/AppState.h"
#include "widgets/MessageBox.h"
#include "widgets/ModalDialog.h"

namespace {

TransactionWriter& writerOf(AppState* state)
{
    return *state->transactionWriter;
}

OpeningBalanceService& openingBalancesOf(AppState* state)
{
    return *state->openingBalanceService;
}

Currency currencyOf(AppState* state, const QString& accountId)
{
    const std::optional<Account> account = state->accountRepository->findById(accountId);
    return account ? account->currency : Currency::USD;
}

bool accepted(QDialog* dialog)
{
    return ModalDialog::exec(dialog) == QDialog::Accepted;
}

// A message about a write that failed, with SQLite's words for why on a line of their own.
QString withCause(const QString& message, const QString& cause)
{
    return cause.isEmpty() ? message : message + QLatin1String("\n\n") + cause;
}

void reportNotSaved(QWidget* parent, const QString& cause)
{
    MessageBox::warning(parent, TransactionActions::tr("Transaction Not Saved"),
                        withCause(TransactionActions::tr("The transaction could not be saved, and nothing was "
                                                         "changed. Please try again."),
                                  cause));
}

} // namespace

bool TransactionActions::newTransaction(AppState* state, const QString& accountId, const Transaction* seed,
                                        QWidget* parent)
{
    if (accountId.isEmpty())
        return false;
    TransactionFormDialog form(state, accountId, parent);
    if (seed)
        form.prefill(*seed);
    if (!accepted(&form))
        return false;

    TransactionWriter& writer = writerOf(state);
    for (;;) {
        Transaction transaction = form.transaction();
        const QList<SplitLine> lines = form.splitLines();
        QString otherAccountId;
        const QString problem = transferProblem(
            state->transferService->resolveNew(accountId, transaction.payee, !lines.isEmpty(), otherAccountId));

        if (!problem.isEmpty()) {
            MessageBox::warning(parent, tr("Transfer"), problem);
        } else {
            const WriteFailureWatch failure;
            // A transfer carries no split lines: they were refused above.
            const bool saved = lines.isEmpty() ? insertTyped(state, transaction, otherAccountId)
                                               : writer.insert(transaction, lines);
            if (saved)
                return true;
            reportNotSaved(parent, failure.cause());
        }
        if (!accepted(&form))
            return false;
    }
}

bool TransactionActions::insertTyped(AppState* state, Transaction& transaction, const QString& otherAccountId)
{
    TransactionWriter& writer = writerOf(state);
    if (otherAccountId.isEmpty())
        return writer.insert(transaction);
    const Transaction counterpart = buildTransferCounterpart(state, transaction, otherAccountId);
    return writer.insertTransfer(counterpart, transaction);
}

QString TransactionActions::transferProblem(TransferResolution resolution)
{
    switch (resolution) {
    case TransferResolution::AccountNotFound:
        return tr("Transfer account not found");
    case TransferResolution::CurrencyMismatch:
        return tr("Transfers require both accounts to use the same currency");
    case TransferResolution::SplitRefused:
        return tr("A transfer can't be split across categories");
    case TransferResolution::NotTransfer:
    case TransferResolution::Accepted:
        break;
    }
    return QString();
}

Transaction TransactionActions::buildTransferCounterpart(AppState* state, Transaction& transaction,
                                                         const QString& otherAccountId)
{
    return state->transferService->buildCounterpart(transaction, otherAccountId);
}

bool TransactionActions::deleteWithConfirmation(AppState* state, const Transaction& transaction, QWidget* parent)
{
    if (state->transactionRepository->isOpeningBalanceTransaction(transaction)) {
        MessageBox::information(parent, tr("Opening Balance"),
                                tr("The opening balance can't be removed. Every account has one.\n\n"
                                   "To clear it, set it to zero in the account's settings."));
        return false;
    }
    const QString money = formatMoneySigned(transaction.amount, transaction.amount < 0, currencyOf(state, transaction.accountId));
    const QString question =
        transaction.transferLinkId.isEmpty()
            ? tr("Delete \"%1\" for %2?").arg(transaction.payee, money)
            : tr("Delete transfer \"%1\" for %2?\n\nBoth sides of the transfer will be deleted.")
                  .arg(transaction.payee, money);
    if (MessageBox::question(parent, tr("Delete Transaction"), question) != QMessageBox::Yes)
        return false;
    const WriteFailureWatch failure;
    if (writerOf(state).remove(transaction))
        return true;
    MessageBox::warning(
        parent, tr("Transaction Not Deleted"),
        withCause(tr("The transaction could not be deleted, and nothing was changed. Please try again."),
                  failure.cause()));
    return false;
}

bool TransactionActions::duplicateTransaction(AppState* state, const Transaction& transaction, QWidget* parent)
{
    Transaction copy = transaction;
    copy.date = Clock::today();
    copy.checkNumber.clear();
    copy.cleared = false;
    // Saving the copy resolves the marker again and makes a new pair.
    if (!transaction.transferLinkId.isEmpty() && !transaction.transferDestAccountId.isEmpty()) {
        if (const std::optional<Account> other = state->accountRepository->findById(transaction.transferDestAccountId))
            copy.payee = kTransferPayeePrefix + other->name;
    }
    copy.transferLinkId.clear();
    copy.transferDestAccountId.clear();
    return newTransaction(state, copy.accountId, &copy, parent);
}

bool TransactionActions::toggleCleared(AppState* state, Transaction transaction)
{
    return writerOf(state).toggleCleared(transaction);
}

bool TransactionActions::editTransaction(AppState* state, const Transaction& transaction, QWidget* parent)
{
    TransactionFormDialog form(state, transaction, parent);
    TransactionWriter& writer = writerOf(state);
    while (accepted(&form)) {
        const WriteFailureWatch failure;
        if (writer.update(form.transaction(), form.splitLines()))
            return true;
        reportNotSaved(parent, failure.cause());
    }
    return false;
}

bool TransactionActions::editSplits(AppState* state, const Transaction& transaction, QWidget* parent)
{
    SplitEditorDialog editor(state, transaction.amount, currencyOf(state, transaction.accountId),
                             state->splitLineRepository->listByTransaction(transaction.id), parent);
    TransactionWriter& writer = writerOf(state);
    while (accepted(&editor)) {
        const QList<SplitLine> lines = editor.lines();
        Transaction edited = transaction;
        edited.isSplit = !lines.isEmpty();
        if (edited.isSplit)
            edited.categoryId.clear();
        stampLocalEdit(edited);
        const WriteFailureWatch failure;
        if (writer.update(edited, lines))
            return true;
        reportNotSaved(parent, failure.cause());
    }
    return false;
}

bool TransactionActions::replaceSplitLines(AppState* state, const QString& transactionId,
                                           const QList<SplitLine>& lines)
{
    return writerOf(state).replaceSplitLines(transactionId, lines);
}

bool TransactionActions::setOpeningBalance(AppState* state, const QString& accountId, qint64 amountCents,
                                           const QDate& date)
{
    return openingBalancesOf(state).set(accountId, amountCents, date);
}

int TransactionActions::backfillOpeningBalances(AppState* state)
{
    return state->backfillOpeningBalances();
}

std::optional<Transaction> TransactionActions::reversedOpeningBalance(AppState* state, const QString& accountId)
{
    return openingBalancesOf(state).reversed(accountId);
}

bool TransactionActions::fixReversedOpeningBalance(AppState* state, const QString& accountId)
{
    return openingBalancesOf(state).fixReversed(accountId);
}
