#include "TransferService.h"

#include "AccountRepository.h"
#include "Identifiers.h"
#include "LedgerConstants.h"

TransferService::TransferService(AccountRepository* accounts)
    : m_accounts(accounts)
{
}

TransferResolution TransferService::resolve(const QString& accountId, QString& text, QString& otherAccountId) const
{
    otherAccountId.clear();
    if (!text.startsWith(kTransferPayeePrefix))
        return TransferResolution::NotTransfer;
    const QString name = text.mid(kTransferPayeePrefix.size());

    // Exact names only: "savings" is not "Savings". The account itself is no
    // target: a transfer into it would move nothing and leave two rows that
    // cancel out.
    QString found;
    for (const Account& account : m_accounts->listActive()) {
        if (account.name == name && account.id != accountId) {
            found = account.id;
            break;
        }
    }
    if (found.isEmpty())
        return TransferResolution::AccountNotFound;

    const std::optional<Account> own = m_accounts->findById(accountId);
    const std::optional<Account> other = m_accounts->findById(found);
    if (own && other && own->currency != other->currency)
        return TransferResolution::CurrencyMismatch;

    otherAccountId = found;
    text = tr("Transfer to %1").arg(name);
    return TransferResolution::Accepted;
}

TransferResolution TransferService::resolveNew(const QString& accountId, QString& text, bool split,
                                               QString& otherAccountId) const
{
    const QString typed = text;
    const TransferResolution resolution = resolve(accountId, text, otherAccountId);
    if (resolution != TransferResolution::Accepted || !split)
        return resolution;
    text = typed;
    otherAccountId.clear();
    return TransferResolution::SplitRefused;
}

QStringList TransferService::payeeMarkers(const QString& accountId) const
{
    QStringList markers;
    for (const Account& account : m_accounts->listActive()) {
        if (account.id != accountId)
            markers.append(kTransferPayeePrefix + account.name);
    }
    return markers;
}

QString TransferService::accountName(const QString& accountId) const
{
    const std::optional<Account> account = m_accounts->findById(accountId);
    return account ? account->name : QString();
}

Transaction TransferService::buildCounterpart(Transaction& transaction, const QString& otherAccountId) const
{
    transaction.payee = tr("Transfer to %1").arg(accountName(otherAccountId));

    Transaction counterpart;
    counterpart.id = newId();
    counterpart.accountId = otherAccountId;
    counterpart.date = transaction.date;
    counterpart.payee = tr("Transfer from %1").arg(accountName(transaction.accountId));
    counterpart.amount = -transaction.amount;
    counterpart.memo = transaction.memo;
    counterpart.cleared = transaction.cleared;
    counterpart.reconciled = transaction.reconciled;
    counterpart.createdAt = transaction.createdAt;
    counterpart.updatedAt = transaction.updatedAt;
    link(transaction, counterpart);
    return counterpart;
}

void TransferService::link(Transaction& leg, Transaction& otherLeg)
{
    leg.transferLinkId = otherLeg.id;
    leg.transferDestAccountId = otherLeg.accountId;
    otherLeg.transferLinkId = leg.id;
    otherLeg.transferDestAccountId = leg.accountId;
}
