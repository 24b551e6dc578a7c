#pragma once

#include "LedgerFixture.h"

#include "data/Account.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionRepository.h"

#include <QRegularExpression>

// The repositories over one fresh ledger with named accounts: "checking"
// (Checking, USD), "savings" (Savings, USD), "card" (Visa, a USD credit card),
// "euro" (Euro, EUR) and the soft-deleted "closed" (Closed, USD); and the
// category "food" (Food). "Now" is LedgerFixture::fixedNow().
struct TransactionLedger
{
    TransactionLedger()
        : accounts(db.database())
        , transactions(db.database())
        , splitLines(db.database())
        , categories(db.database())
    {
        Clock::setFixedNow(LedgerFixture::fixedNow());
        ready = db.isReady() && addAccount(QStringLiteral("checking"), QStringLiteral("Checking"))
                && addAccount(QStringLiteral("savings"), QStringLiteral("Savings"))
                && addAccount(QStringLiteral("card"), QStringLiteral("Visa"), Currency::USD, AccountType::CreditCard)
                && addAccount(QStringLiteral("euro"), QStringLiteral("Euro"), Currency::EUR)
                && addAccount(QStringLiteral("closed"), QStringLiteral("Closed"))
                && accounts.softDelete(QStringLiteral("closed"))
                && LedgerFixture::addCategory(db, QStringLiteral("food"), QStringLiteral("Food"));
    }
    ~TransactionLedger() { Clock::reset(); }

    bool addAccount(const QString& id, const QString& name, Currency currency = Currency::USD,
                    AccountType type = AccountType::Checking, qint64 startingBalance = 0)
    {
        Account account;
        account.id = id;
        account.name = name;
        account.currency = currency;
        account.accountType = type;
        account.startingBalance = startingBalance;
        account.createdAt = LedgerFixture::createdTime();
        account.updatedAt = account.createdAt;
        return accounts.insert(account);
    }

    Transaction add(const QString& accountId, const QDate& date, const QString& payee, qint64 amount)
    {
        const Transaction t = LedgerFixture::newTransaction(accountId, date, payee, amount);
        return transactions.insert(t) ? t : Transaction();
    }

    Transaction load(const QString& id) const { return transactions.findById(id).value_or(Transaction()); }

    // Makes every write of the row with this id fail, as a full disk or a broken
    // file would.
    bool refuseWritesOf(const QString& id)
    {
        return db.exec(QStringLiteral("CREATE TRIGGER refuse_update BEFORE UPDATE ON transactions WHEN OLD.id = '%1' "
                                      "BEGIN SELECT RAISE(ABORT, 'refused'); END")
                           .arg(id));
    }

    int count(const QString& table)
    {
        return db.scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)).toInt();
    }

    TempDatabase db;
    AccountRepository accounts;
    TransactionRepository transactions;
    SplitLineRepository splitLines;
    CategoryRepository categories;
    bool ready = false;
};

inline QRegularExpression startsWith(const QString& text)
{
    return QRegularExpression(QLatin1Char('^') + QRegularExpression::escape(text));
}
