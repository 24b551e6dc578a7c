#include "AccountService.h"

#include "AccountRepository.h"
#include "Database.h"
#include "OpeningBalanceService.h"
#include "ReconciliationRepository.h"
#include "RecurringRepository.h"
#include "SqlTransaction.h"
#include "SqlValues.h"
#include "TransactionRepository.h"

#include <QDebug>

namespace {

// The deletion stamps of one cascade are taken a moment apart; this covers them.
constexpr int kCascadeWindowSeconds = 10;

} // namespace

AccountService::AccountService(Database* database, AccountRepository* accounts, TransactionRepository* transactions,
                               RecurringRepository* recurring, ReconciliationRepository* reconciliations)
    : m_database(database)
    , m_accounts(accounts)
    , m_transactions(transactions)
    , m_recurring(recurring)
    , m_reconciliations(reconciliations)
{
}

bool AccountService::finish(bool done)
{
    // The repositories announced their writes as they went; a rollback undid them.
    if (!done)
        m_database->announceLedgerReset();
    return done;
}

bool AccountService::create(Account account, const QDate& openingDate)
{
    const qint64 opening = account.startingBalance;
    account.startingBalance = 0;
    const TransactionBulkWrite held(m_transactions);
    return finish(inSavepoint(m_database->database(), QStringLiteral("create_account"), [&] {
        return m_accounts->insert(account)
            && OpeningBalanceService(m_database, m_transactions, m_accounts).set(account.id, opening, openingDate);
    }));
}

bool AccountService::remove(const QString& accountId)
{
    int transactions = 0;
    int recurring = 0;
    int reconciliations = 0;
    const TransactionBulkWrite held(m_transactions);
    const bool done = inSavepoint(m_database->database(), QStringLiteral("remove_account"), [&] {
        bool ok = false;
        transactions = m_transactions->softDeleteByAccount(accountId, &ok);
        if (!ok)
            return false;
        recurring = m_recurring->softDeleteByAccount(accountId, &ok);
        if (!ok)
            return false;
        reconciliations = m_reconciliations->softDeleteByAccount(accountId, &ok);
        return ok && m_accounts->softDelete(accountId);
    });
    if (done) {
        qInfo().noquote() << "Cascade delete account" << accountId << "→ transactions:" << transactions
                          << "recurrings:" << recurring << "reconciliations:" << reconciliations;
    }
    return finish(done);
}

bool AccountService::restore(const QString& accountId)
{
    const std::optional<Account> account = m_accounts->findById(accountId);
    const TransactionBulkWrite held(m_transactions);
    return finish(inSavepoint(m_database->database(), QStringLiteral("restore_account"), [&] {
        if (account && account->deletedAt) {
            const QString since = SqlValues::timestampText(account->deletedAt->addSecs(-kCascadeWindowSeconds));
            bool ok = false;
            m_transactions->restoreByAccount(accountId, since, &ok);
            if (!ok)
                return false;
            m_recurring->restoreByAccount(accountId, since, &ok);
            if (!ok)
                return false;
            m_reconciliations->restoreByAccount(accountId, since, &ok);
            if (!ok)
                return false;
        }
        return m_accounts->restore(accountId);
    }));
}
