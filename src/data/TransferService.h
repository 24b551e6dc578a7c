#pragma once

#include "Transaction.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class AccountRepository;

// What a typed payee says about a transfer.
enum class TransferResolution {
    NotTransfer = 0,      // no "[Transfer] " prefix
    Accepted = 1,         // the payee named another live account of the same currency
    AccountNotFound = 2,  // no live account of exactly that name (or this account itself)
    CurrencyMismatch = 3, // the two accounts keep different currencies
    SplitRefused = 4,     // a transfer with split lines: its other leg holds one amount
};

// The rules of a transfer between two accounts: reading the transfer marker of
// a typed payee and building the other leg. Nothing here writes; the two legs
// are stored together by TransactionWriter.
class TransferService
{
    Q_DECLARE_TR_FUNCTIONS(TransferService)

public:
    explicit TransferService(AccountRepository* accounts);

    // A payee "[Transfer] <exact account name>" of `accountId`: on Accepted,
    // `otherAccountId` names the other account and `text` becomes "Transfer to
    // <name>"; otherwise `otherAccountId` is empty and `text` stays as typed.
    TransferResolution resolve(const QString& accountId, QString& text, QString& otherAccountId) const;
    // The checks a new transaction passes before it is written, however it was
    // typed: resolve(), and no split lines on a transfer.
    TransferResolution resolveNew(const QString& accountId, QString& text, bool split, QString& otherAccountId) const;

    // The other leg of `transaction`, into `otherAccountId`: a new id, the same
    // date, memo and marks, the amount negated, "Transfer from <this account>".
    // `transaction` gets "Transfer to <other account>" and both legs are linked.
    Transaction buildCounterpart(Transaction& transaction, const QString& otherAccountId) const;

    // "[Transfer] <name>" for every live account but `accountId`, in the
    // accounts' order: the payees that name a transfer.
    QStringList payeeMarkers(const QString& accountId) const;

    // Points two legs at each other: each one's link is the other's id, and its
    // destination the other's account.
    static void link(Transaction& leg, Transaction& otherLeg);

private:
    QString accountName(const QString& accountId) const;

    AccountRepository* m_accounts;
};
