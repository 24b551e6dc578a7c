#pragma once

#include "data/Account.h"
#include "data/AccountRepository.h"
#include "data/Category.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Identifiers.h"
#include "data/Transaction.h"
#include "data/TransactionRepository.h"
#include "state/AppState.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <memory>

// A screen test's ledger: an AppState opened on a fresh file, "now" pinned, and
// shortcuts that store records through the repositories as the program would.
class ScreenLedger
{
    QTemporaryDir m_dir; // first in, last out: the ledger file outlives the state

public:
    static QDateTime now() { return QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9), QTimeZone::utc()); }

    ScreenLedger()
    {
        Clock::setFixedNow(now());
        m_ready = m_dir.isValid() && state->openLedger(m_dir.filePath(QStringLiteral("vellumry.db")));
    }
    ~ScreenLedger() { Clock::reset(); }

    bool isReady() const { return m_ready; }

    Account addAccount(const QString& name, Currency currency = Currency::USD)
    {
        Account account;
        account.id = newId();
        account.name = name;
        account.currency = currency;
        account.createdAt = now();
        account.updatedAt = now();
        if (!state->accountRepository->insert(account))
            qWarning("could not add account %s", qPrintable(name));
        return account;
    }

    Transaction addTransaction(const QString& accountId, const QString& payee, qint64 amount = -100)
    {
        Transaction t;
        t.id = newId();
        t.accountId = accountId;
        t.date = QDate(2024, 3, 1);
        t.payee = payee;
        t.amount = amount;
        t.syncStatus = SyncStatus::Synced;
        t.createdAt = now().addDays(-10);
        t.updatedAt = t.createdAt;
        if (!state->transactionRepository->insert(t))
            qWarning("could not add transaction %s", qPrintable(payee));
        return t;
    }

    Category addCategory(const QString& id, const QString& name, const QString& parentId = QString(),
                         CategoryType type = CategoryType::Expense)
    {
        Category category;
        category.id = id;
        category.name = name;
        category.parentId = parentId;
        category.categoryType = type;
        category.createdAt = now().addDays(-10);
        category.updatedAt = category.createdAt;
        if (!state->categoryRepository->insert(category))
            qWarning("could not add category %s", qPrintable(name));
        return category;
    }

    std::unique_ptr<AppState> state = std::make_unique<AppState>();

private:
    bool m_ready = false;
};
