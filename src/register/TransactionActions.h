#pragma once

#include "data/SplitLine.h"
#include "data/Transaction.h"
#include "data/TransferService.h"

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QString>

#include <optional>

class AppState;
class QWidget;

// The operations on transactions that several screens offer: they ask the user
// (the transaction form, the split editor, message boxes) and hand the writing
// to the rules below the widgets (TransferService, TransactionWriter,
// OpeningBalanceService). Every function takes the state first and, when it
// shows anything, the parent widget last; none keeps state between calls.
class TransactionActions
{
    Q_DECLARE_TR_FUNCTIONS(TransactionActions)

public:
    TransactionActions() = delete;

    // The transaction form for a new transaction of the account, pre-filled from
    // `seed` when given. A transfer problem or a failed save is reported and the
    // form shown again with what the user typed; only Cancel gives up.
    static bool newTransaction(AppState* state, const QString& accountId, const Transaction* seed,
                               QWidget* parent);
    // What the user is told when a new transaction's transfer is refused; empty when it is not.
    static QString transferProblem(TransferResolution resolution);
    static Transaction buildTransferCounterpart(AppState* state, Transaction& transaction,
                                                const QString& otherAccountId);
    // A new transaction typed in place, saved as it stands. With `otherAccountId`
    // it becomes a transfer: its other leg is built and both are written, or neither.
    static bool insertTyped(AppState* state, Transaction& transaction, const QString& otherAccountId);
    // Asks first; the opening-balance row is refused, a transfer loses both legs.
    static bool deleteWithConfirmation(AppState* state, const Transaction& transaction, QWidget* parent);
    // The form, seeded with a copy dated today, without check number or cleared
    // mark; a transfer leg is offered as a new transfer to the same account.
    static bool duplicateTransaction(AppState* state, const Transaction& transaction, QWidget* parent);
    // Never on a reconciled row; true when the mark changed.
    static bool toggleCleared(AppState* state, Transaction transaction);
    // The form on a stored transaction. Never touches the other leg of a transfer.
    static bool editTransaction(AppState* state, const Transaction& transaction, QWidget* parent);
    static bool editSplits(AppState* state, const Transaction& transaction, QWidget* parent);
    static bool replaceSplitLines(AppState* state, const QString& transactionId, const QList<SplitLine>& lines);

    static bool setOpeningBalance(AppState* state, const QString& accountId, qint64 amountCents, const QDate& date);
    static int backfillOpeningBalances(AppState* state);
    static std::optional<Transaction> reversedOpeningBalance(AppState* state, const QString& accountId);
    static bool fixReversedOpeningBalance(AppState* state, const QString& accountId);
};
