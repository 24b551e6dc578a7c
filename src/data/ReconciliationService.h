#pragma once

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
    qint64 previousBalance = 0;
    // A month after the last statement; none for an account never reconciled.
    std::optional<QDate> statementDate;
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

    // Marks `ticked` cleared and reconciled as local edits and records the
    // reconciliation, in one SQL transaction; listeners hear of the account's
    // rows once. The recorded reconciliation, or none when a write failed.
    std::optional<Reconciliation> finish(const QString& accountId, const QDate& statementDate,
                                         qint64 statementBalance, qint64 previousBalance,
                                         const QList<Transaction>& ticked);

private:
    Database* m_database;
    TransactionRepository* m_transactions;
    ReconciliationRepository* m_reconciliations;
};
