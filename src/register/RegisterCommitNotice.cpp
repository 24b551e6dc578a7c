#include "RegisterCommitNotice.h"

#include "TransactionActions.h"

namespace {

RegisterCommitNotice status(const QString& text, int milliseconds)
{
    return {RegisterCommitNotice::Kind::Status, QString(), text, milliseconds};
}

} // namespace

RegisterCommitNotice RegisterCommitNotice::of(RegisterEntryCommit::Outcome outcome, const QString& amountText,
                                              const QString& failureCause, Currency currency)
{
    using Outcome = RegisterEntryCommit::Outcome;
    switch (outcome) {
    case Outcome::PayeeRequired:
        return status(tr("Payee is required"), 3000);
    case Outcome::AmountRequired:
        return status(tr("Enter a payment or deposit amount"), 3000);
    case Outcome::AmountNotUnderstood:
        return status(tr("Amount not understood: %1").arg(amountText), 3000);
    case Outcome::AmountTooLarge:
        return status(tr("Amount too large: %1. The largest amount is %2.")
                          .arg(amountText, formatMoneyPlain(largestTypedAmount(currency), currency)),
                      5000);
    case Outcome::TransferAccountNotFound:
        return status(TransactionActions::transferProblem(TransferResolution::AccountNotFound), 3000);
    case Outcome::CurrencyMismatch:
        return {Kind::Error, QString(), TransactionActions::transferProblem(TransferResolution::CurrencyMismatch), 0};
    case Outcome::NotSaved: {
        // A full disk or a read-only ledger is not helped by trying again: say which it was.
        QString text = tr("The transaction could not be saved. Please try again.");
        if (!failureCause.isEmpty())
            text += QLatin1Char('\n') + failureCause;
        return status(text, 5000);
    }
    case Outcome::HeldOnAccount:
        return {Kind::Box, tr("Opening Balance"),
                tr("This account's opening balance is held on the account itself.\n\n"
                   "Set it in the account's settings."),
                0};
    case Outcome::RowGone:
        return status(tr("This transaction was deleted meanwhile, so nothing was saved."), 5000);
    case Outcome::Saved:
    case Outcome::OpeningBalanceRow:
    case Outcome::Unchanged:
        break;
    }
    return {};
}
