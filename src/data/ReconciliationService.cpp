#include "ReconciliationService.h"

#include "Account.h"
#include "Clock.h"
#include "Database.h"
#include "Identifiers.h"
#include "LocalEdit.h"
#include "ReconciliationRepository.h"
#include "SqlTransaction.h"
#include "TransactionRepository.h"

ReconciliationService::ReconciliationService(Database* database, TransactionRepository* transactions,
                                             ReconciliationRepository* reconciliations)
    : m_database(database)
    , m_transactions(transactions)
    , m_reconciliations(reconciliations)
{
}

ReconciliationStart ReconciliationService::start(const Account& account) const
{
    ReconciliationStart start;
    start.previousBalance = account.startingBalance;
    QDate lastReconciled;
    for (const Transaction& t : m_transactions->listByAccount(account.id)) {
        if (!t.reconciled)
            continue;
        start.previousBalance += t.amount;
        if (!lastReconciled.isValid() || t.date > lastReconciled)
            lastReconciled = t.date;
    }
    // A transaction reconciled after the last statement (on another device, or
    // by an import) is newer evidence of where the bank stands.
    const std::optional<Reconciliation> last = m_reconciliations->latestForAccount(account.id);
    if (last && last->statementDate.isValid()
        && (!lastReconciled.isValid() || lastReconciled <= last->statementDate))
        start.statementDate = last->statementDate.addMonths(1);
    else if (lastReconciled.isValid())
        start.statementDate = lastReconciled.addMonths(1);
    return start;
}

qint64 ReconciliationService::storedStatementBalance(qint64 entered, bool liability)
{
    return liability ? -entered : entered;
}

ReconciliationFigures ReconciliationService::figures(const MoneySum& previousBalance,
                                                     const QList<Transaction>& ticked, qint64 statementBalance)
{
    ReconciliationFigures figures;
    figures.previousBalance = previousBalance;
    for (const Transaction& t : ticked)
        (t.amount >= 0 ? figures.clearedDeposits : figures.clearedWithdrawals) += t.amount;
    figures.clearedBalance = previousBalance + figures.clearedWithdrawals + figures.clearedDeposits;
    figures.statementBalance = statementBalance;
    figures.difference = statementBalance - figures.clearedBalance;
    for (const MoneySum& figure : {figures.previousBalance, figures.clearedDeposits, figures.clearedWithdrawals,
                                   figures.clearedBalance, figures.difference}) {
        if (!figure.fits()) {
            MoneySum::logOutOfRange(QStringLiteral("A figure of the reconciliation"));
            break;
        }
    }
    return figures;
}

std::optional<Reconciliation> ReconciliationService::finish(const QString& accountId, const QDate& statementDate,
                                                            qint64 statementBalance, const MoneySum& previousBalance,
                                                            const QList<Transaction>& ticked)
{
    MoneySum reconciled = previousBalance;
    for (const Transaction& t : ticked)
        reconciled += t.amount;
    const std::optional<qint64> reconciledBalance = reconciled.value();
    if (!reconciledBalance) {
        MoneySum::logOutOfRange(QStringLiteral("The reconciled balance of account %1").arg(accountId));
        return std::nullopt;
    }
    Reconciliation reconciliation;
    reconciliation.id = newId();
    reconciliation.accountId = accountId;
    reconciliation.statementDate = statementDate;
    reconciliation.statementBalance = statementBalance;
    reconciliation.reconciledBalance = *reconciledBalance;
    reconciliation.completedAt = Clock::nowUtc();
    reconciliation.createdAt = reconciliation.completedAt;
    reconciliation.updatedAt = reconciliation.completedAt;

    // Declared first, so that it ends after the SQL transaction: the account's
    // listeners reload once, when the rows are final.
    const TransactionBulkWrite held(m_transactions);
    SqlTransaction sql(m_database->database());
    if (!sql.isActive())
        return std::nullopt;
    for (Transaction t : ticked) {
        t.cleared = true;
        t.reconciled = true;
        stampLocalEdit(t);
        if (!m_transactions->update(t))
            return std::nullopt;
    }
    if (!m_reconciliations->insert(reconciliation) || !sql.commit())
        return std::nullopt;
    return reconciliation;
}
