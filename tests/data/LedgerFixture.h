#pragma once

#include "TempDatabase.h"

#include "data/Identifiers.h"
#include "data/RecurringTransaction.h"
#include "data/SqlValues.h"
#include "data/Transaction.h"

#include <QTest>
#include <QTimeZone>

// Small set-up helpers for the transaction-store tests: accounts and categories
// go in with plain SQL, so these tests depend on nothing but the schema.
namespace LedgerFixture {

inline const QDateTime& fixedNow()
{
    static const QDateTime now(QDate(2024, 3, 5), QTime(14, 7, 9), QTimeZone::utc());
    return now;
}

inline bool addAccount(TempDatabase& db, const QString& id, qint64 startingBalance = 0,
                       const QString& currency = QStringLiteral("USD"))
{
    return db.exec(QStringLiteral("INSERT INTO accounts (id, name, currency, starting_balance, created_at, updated_at) "
                                  "VALUES (?, ?, ?, ?, '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')"),
                   {id, id, currency, startingBalance});
}

inline bool addCategory(TempDatabase& db, const QString& id, const QString& name, const QString& parentId = QString())
{
    return db.exec(QStringLiteral("INSERT INTO categories (id, name, parent_id, created_at, updated_at) "
                                  "VALUES (?, ?, ?, '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')"),
                   {id, name, SqlValues::textOrNull(parentId)});
}

// A new record as the register would build it: fresh id, pending, stamped now.
inline Transaction newTransaction(const QString& accountId, const QDate& date, const QString& payee, qint64 amount)
{
    Transaction t;
    t.id = newId();
    t.accountId = accountId;
    t.date = date;
    t.payee = payee;
    t.amount = amount;
    t.createdAt = fixedNow();
    t.updatedAt = fixedNow();
    return t;
}

// A monthly template of 120.00 a month, made on 2024-01-02 and never edited since.
inline RecurringTransaction newRecurring(const QString& id, const QString& accountId, const QDate& nextDue,
                                         const QString& payee = QStringLiteral("Rent"))
{
    RecurringTransaction record;
    record.id = id;
    record.accountId = accountId;
    record.payee = payee;
    record.amount = -12000;
    record.startDate = QDate(2024, 1, 1);
    record.nextDueDate = nextDue;
    record.createdAt = QDateTime(QDate(2024, 1, 2), QTime(8, 30), QTimeZone::utc());
    record.updatedAt = record.createdAt;
    return record;
}

} // namespace LedgerFixture
