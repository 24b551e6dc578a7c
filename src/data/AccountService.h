#pragma once

#include "Account.h"

#include <QDate>
#include <QString>

class AccountRepository;
class Database;
class ReconciliationRepository;
class RecurringRepository;
class TransactionRepository;

// The account operations that write several tables at once: creating an account
// with its opening-balance row, deleting one with everything that hangs off it,
// and bringing such a deletion back. Each is all or nothing, in a savepoint (so
// it also nests inside an import's transaction); after a failure the ledger is
// as it was, and listeners that heard of a write undone since are told to
// reload everything.
class AccountService
{
public:
    AccountService(Database* database, AccountRepository* accounts, TransactionRepository* transactions,
                   RecurringRepository* recurring, ReconciliationRepository* reconciliations);

    // Stores the account with a starting balance of 0 and gives its
    // startingBalance, zero included, to its opening-balance row dated
    // `openingDate`: the balance lives in that row, never in the account.
    bool create(Account account, const QDate& openingDate);

    // Soft-deletes the account's transactions, recurring entries and
    // reconciliations, then the account itself.
    bool remove(const QString& accountId);

    // Undeletes the account and the rows deleted with it: those deleted at most
    // ten seconds before it. Rows the user had deleted on their own earlier
    // stay deleted.
    bool restore(const QString& accountId);

private:
    bool finish(bool done);

    Database* m_database;
    AccountRepository* m_accounts;
    TransactionRepository* m_transactions;
    RecurringRepository* m_recurring;
    ReconciliationRepository* m_reconciliations;
};
