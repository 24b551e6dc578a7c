#pragma once

#include "MoneySum.h"
#include "Reconciliation.h"
#include "Transaction.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

struct Account;
class Database;
class ReconciliationRepository;
class TransactionRepository;

// Where the next reconciliation of an account begins.
struct ReconciliationStart
{
    // The starting balance plus every live reconciled transaction: what the
    // earlier statements account for.
    MoneySum previousBalance;
    // A month after the last statement; none for an account never reconciled.
    std::optional<QDate> statementDate;
};

// What a reconciliation under way shows, every amount stored-signed (what a
// credit card or loan owes is negative). A sum that does not fit in a qint64
// is no difference of 0.
struct ReconciliationFigures
{
    MoneySum previousBalance;
    MoneySum clearedDeposits;    // the ticked amounts of 0 or more
    MoneySum clearedWithdrawals; // the ticked negative amounts, negative
    MoneySum clearedBalance;
    qint64 statementBalance = 0;
    // The statement's balance less the cleared one: only 0 lets a reconciliation finish.
    MoneySum difference;
};

// Reconciling an account against a bank statement, without a window. Finishing
// is one unit of work: either every ticked transaction is reconciled and the
// reconciliation recorded, or nothing changed.
class ReconciliationService
{
public:
    ReconciliationService(Database* database, TransactionRepository* transactions,
                          ReconciliationRepository* reconciliations);

    ReconciliationStart start(const Account& account) const;
    // The statement's ending balance as the user enters it, a liability's debt
    // positive, in the stored sign.
    static qint64 storedStatementBalance(qint64 entered, bool liability);
    // The figures of `ticked` against the statement's balance (stored-signed).
    static ReconciliationFigures figures(const MoneySum& previousBalance, const QList<Transaction>& ticked,
                                         qint64 statementBalance);

    // Marks `ticked` cleared and reconciled as local edits and records the
    // reconciliation, in one SQL transaction; listeners hear of the account's
    // rows once. The recorded reconciliation, or none when a write failed or
    // the reconciled balance does not fit in a qint64 (then nothing is written).
    std::optional<Reconciliation> finish(const QString& accountId, const QDate& statementDate,
                                         qint64 statementBalance, const MoneySum& previousBalance,
                                         const QList<Transaction>& ticked);

private:
    Database* m_database;
    TransactionRepository* m_transactions;
    ReconciliationRepository* m_reconciliations;
};
