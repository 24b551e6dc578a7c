#pragma once

#include "data/RegisterRow.h"
#include "data/Transaction.h"

#include <QString>

class AppState;
class RegisterModel;

// Saves what the register's entry buffer holds: a new transaction typed in the
// entry row, or the changes typed over a stored row. The checks a typed row
// must pass come first, and nothing is written when one fails.
class RegisterEntryCommit
{
public:
    enum class Outcome {
        Saved,
        PayeeRequired,
        AmountRequired,
        // A payment or deposit text that reads as no amount (amountText() says which).
        AmountNotUnderstood,
        // A payment or deposit typed past the largest amount a person may type.
        AmountTooLarge,
        TransferAccountNotFound,
        CurrencyMismatch,
        // The opening balance is changed in the account's settings only.
        OpeningBalanceRow,
        // A row without an id: the opening balance held on the account itself.
        HeldOnAccount,
        // The write failed and nothing changed.
        NotSaved,
        // The edited row was deleted meanwhile; nothing was written.
        RowGone,
        // The edited row holds what is stored already; nothing was written.
        Unchanged,
    };

    RegisterEntryCommit(AppState* state, const QString& accountId);

    // `edited` is the stored row the buffer was loaded from, or null for a new
    // transaction. An edit is written over the row as it is stored now, and
    // never creates or changes the other leg of a transfer.
    Outcome commit(const RegisterModel& model, const RegisterRow* edited);
    // The transaction as it was written.
    const Transaction& transaction() const { return m_transaction; }
    // The amount text that was not understood.
    const QString& amountText() const { return m_amountText; }
    // Why the write failed, in SQLite's words; empty when it did not fail.
    const QString& failureCause() const { return m_failureCause; }

private:
    QString categoryIdFor(const QString& id, const QString& text) const;

    AppState* m_state;
    QString m_accountId;
    Transaction m_transaction;
    QString m_amountText;
    QString m_failureCause;
};
