#pragma once

#include "Account.h"
#include "Transaction.h"

#include <QDate>
#include <QString>

#include <optional>

class AccountRepository;
class Database;
class TransactionRepository;

// Every account carries its opening balance as one real transaction ("Opening
// Balance", cleared and reconciled, under the account's name-based id). The
// account's older startingBalance field is emptied once that row holds the
// amount, and only then: the two must never count the same money twice, and a
// failed write must never lose it.
class OpeningBalanceService
{
public:
    OpeningBalanceService(Database* database, TransactionRepository* transactions, AccountRepository* accounts);

    // Sets the account's opening balance: its opening-balance row, else the row
    // under the name-based id (revived when deleted), else a new one.
    bool set(const QString& accountId, qint64 amount, const QDate& date);

    // Gives every live account without a live opening-balance row one, holding
    // its startingBalance and dated the day before its earliest transaction (the
    // day it was made when it has none). Returns how many accounts got one. When
    // every account has one, this is a single query.
    int backfill();

    // A credit card's or loan's opening balance stored positive (money owed reads
    // negative there).
    std::optional<Transaction> reversed(const QString& accountId) const;
    // Negates such a balance; false when there is none or it could not be saved.
    bool fixReversed(const QString& accountId);

private:
    bool backfillAccount(const Account& account);
    bool zeroStartingBalance(const QString& accountId);

    Database* m_database;
    TransactionRepository* m_transactions;
    AccountRepository* m_accounts;
};
