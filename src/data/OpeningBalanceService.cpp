#include "OpeningBalanceService.h"

#include "AccountRepository.h"
#include "Clock.h"
#include "Database.h"
#include "LocalEdit.h"
#include "SqlTransaction.h"
#include "TransactionRepository.h"

#include <QDebug>

namespace {

const QString kSavepoint = QStringLiteral("opening_balance");

void makeOpeningBalance(Transaction& row)
{
    row.payee = TransactionRepository::openingBalancePayee();
    row.cleared = true;
    row.reconciled = true;
}

} // namespace

OpeningBalanceService::OpeningBalanceService(Database* database, TransactionRepository* transactions,
                                             AccountRepository* accounts)
    : m_database(database)
    , m_transactions(transactions)
    , m_accounts(accounts)
{
}

bool OpeningBalanceService::zeroStartingBalance(const QString& accountId)
{
    std::optional<Account> account = m_accounts->findById(accountId);
    if (!account || account->startingBalance == 0)
        return true;
    account->startingBalance = 0;
    stampLocalEdit(*account);
    return m_accounts->update(*account);
}

bool OpeningBalanceService::set(const QString& accountId, qint64 amount, const QDate& date)
{
    const TransactionBulkWrite held(m_transactions);
    return inSavepoint(m_database->database(), kSavepoint, [&] {
        if (std::optional<Transaction> row = m_transactions->openingBalanceTransaction(accountId)) {
            row->amount = amount;
            row->date = date;
            stampLocalEdit(*row);
            return m_transactions->update(*row) && zeroStartingBalance(accountId);
        }

        // No row reads as an opening balance, yet the id every device gives this
        // account's may be taken: by a deleted row, or by one renamed since.
        const QString id = openingBalanceTransactionId(accountId);
        if (std::optional<Transaction> row = m_transactions->findById(id)) {
            makeOpeningBalance(*row);
            row->amount = amount;
            row->date = date;
            stampLocalEdit(*row);
            if (!m_transactions->update(*row))
                return false;
            if (row->deletedAt && !m_transactions->applyServerDeletion(id, std::nullopt, accountId))
                return false;
            return zeroStartingBalance(accountId);
        }

        Transaction row;
        row.id = id;
        row.accountId = accountId;
        row.date = date;
        row.amount = amount;
        makeOpeningBalance(row);
        row.createdAt = Clock::nowUtc();
        row.updatedAt = row.createdAt;
        return m_transactions->insert(row) && zeroStartingBalance(accountId);
    });
}

int OpeningBalanceService::backfill()
{
    int migrated = 0;
    for (const QString& accountId : m_transactions->accountsWithoutOpeningBalance()) {
        const std::optional<Account> account = m_accounts->findById(accountId);
        if (account && backfillAccount(*account))
            ++migrated;
        else
            qWarning() << "Opening balance backfill failed for account" << accountId
                       << "— leaving startingBalance intact";
    }
    if (migrated > 0)
        qInfo() << "Migrated" << migrated << "account(s) to a real Opening Balance transaction";
    return migrated;
}

bool OpeningBalanceService::backfillAccount(const Account& account)
{
    const OpeningBalanceProbe probe = m_transactions->openingBalanceProbe(account.id);
    QDate date = probe.earliestDate.isValid() ? probe.earliestDate.addDays(-1) : account.createdAt.date();
    if (!date.isValid())
        date = Clock::today();

    const TransactionBulkWrite held(m_transactions);
    return inSavepoint(m_database->database(), kSavepoint, [&] {
        const QString id = openingBalanceTransactionId(account.id);
        const std::optional<Transaction> existing = m_transactions->findById(id);
        if (!existing) {
            Transaction row;
            row.id = id;
            row.accountId = account.id;
            row.date = date;
            row.amount = account.startingBalance;
            makeOpeningBalance(row);
            row.createdAt = Clock::nowUtc();
            row.updatedAt = row.createdAt;
            return m_transactions->insert(row) && zeroStartingBalance(account.id);
        }

        // The row is brought back, never emptied: a live one that was renamed
        // keeps its amount and date, a deleted one its amount, unless the account
        // still holds a starting balance of its own.
        Transaction row;
        if (existing->deletedAt) {
            row.id = id;
            row.accountId = account.id;
            row.date = date;
            row.createdAt = existing->createdAt;
            row.version = existing->version;
            row.serverId = existing->serverId;
            row.deletedAt = existing->deletedAt;
        } else {
            row = *existing;
        }
        row.amount = account.startingBalance != 0 ? account.startingBalance : existing->amount;
        makeOpeningBalance(row);
        stampLocalEdit(row);
        if (!m_transactions->update(row))
            return false;
        if (row.deletedAt && !m_transactions->applyServerDeletion(id, std::nullopt, account.id))
            return false;
        return zeroStartingBalance(account.id);
    });
}

std::optional<Transaction> OpeningBalanceService::reversed(const QString& accountId) const
{
    const std::optional<Account> account = m_accounts->findById(accountId);
    if (!account || !isLiabilityAccount(account->accountType))
        return std::nullopt;
    std::optional<Transaction> opening = m_transactions->openingBalanceTransaction(accountId);
    if (!opening || opening->amount <= 0)
        return std::nullopt;
    return opening;
}

bool OpeningBalanceService::fixReversed(const QString& accountId)
{
    std::optional<Transaction> opening = reversed(accountId);
    if (!opening)
        return false;
    opening->amount = -opening->amount;
    stampLocalEdit(*opening);
    return m_transactions->update(*opening);
}
