#pragma once

#include "TempDatabase.h"

#include "data/Clock.h"
#include "data/Identifiers.h"
#include "data/RecurringTransaction.h"
#include "data/SqlValues.h"
#include "data/Transaction.h"

#include <QDebug>
#include <QSignalSpy>
#include <QTest>
#include <QTimeZone>

// Small set-up helpers for the ledger tests: accounts and categories go in with
// plain SQL, so these tests depend on nothing but the schema.
namespace LedgerFixture {

inline const QDateTime& fixedNow()
{
    static const QDateTime now(QDate(2024, 3, 5), QTime(14, 7, 9), QTimeZone::utc());
    return now;
}

inline const QDateTime& createdTime()
{
    static const QDateTime created(QDate(2024, 1, 2), QTime(8, 30), QTimeZone::utc());
    return created;
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
    record.createdAt = createdTime();
    record.updatedAt = record.createdAt;
    return record;
}

// One test function's ledger: a fresh migrated file, by default with the accounts
// "acc" and "other", and the repository under test over it; "now" is fixedNow().
template <typename Repository>
struct RepositoryLedger
{
    explicit RepositoryLedger(bool withAccounts = true)
        : repo(db.database())
    {
        Clock::setFixedNow(fixedNow());
        ready = db.isReady()
                && (!withAccounts || (addAccount(db, QStringLiteral("acc")) && addAccount(db, QStringLiteral("other"))));
    }
    ~RepositoryLedger() { Clock::reset(); }

    TempDatabase db;
    Repository repo;
    bool ready = false;
};

template <typename Record>
QStringList idsOf(const QList<Record>& records)
{
    QStringList ids;
    for (const Record& record : records)
        ids.append(record.id);
    return ids;
}

inline QString stamp(const QDateTime& time)
{
    return time.toUTC().toString(Qt::ISODateWithMs);
}

// One text of the given fields and the sync columns every synced record shares,
// so that a whole record is compared in one QCOMPARE with a readable difference.
template <typename Record, typename... Fields>
QString describe(const Record& record, const Fields&... fields)
{
    QString text;
    {
        QDebug debug(&text);
        ((debug << fields), ...);
        debug << record.version << static_cast<int>(record.syncStatus) << record.serverId << stamp(record.createdAt)
              << stamp(record.updatedAt) << stamp(record.deletedAt.value_or(QDateTime()));
    }
    return text;
}

inline QString describe(const Transaction& t)
{
    return describe(t, t.id, t.accountId, t.date, t.payee, t.memo, t.amount, t.categoryId, t.checkNumber, t.cleared,
                    t.reconciled, t.transferLinkId, t.transferDestAccountId, t.isSplit, t.recurringId);
}

inline QString describe(const RecurringTransaction& r)
{
    return describe(r, r.id, r.accountId, r.payee, r.memo, r.amount, r.categoryId, static_cast<int>(r.frequency),
                    r.intervalCount, r.semimonthlyDay1, r.semimonthlyDay2, r.startDate,
                    r.endDate.value_or(QDate(1, 1, 1)), r.nextDueDate, r.autoPost, r.leadDays, r.isActive,
                    r.transferDestAccountId);
}

// The transaction repository names the row's account with a server deletion.
template <typename Repository>
bool applyServerDeletion(Repository& repository, const QString& id, const std::optional<QDateTime>& when)
{
    if constexpr (requires { repository.applyServerDeletion(id, when); })
        return repository.applyServerDeletion(id, when);
    else
        return repository.applyServerDeletion(id, when, QString());
}

// The sync operations every synced repository wraps, over two stored, pending
// records "a" and "b" of version 1: marking synced is quiet, a re-sync leaves
// soft-deleted rows alone, a server deletion keeps version and status.
template <typename Repository, typename Signal>
void checkSyncOperations(Repository& repository, Signal changedSignal)
{
    QSignalSpy changed(&repository, changedSignal);
    QCOMPARE(repository.markAllPendingForResync(), 0);
    QVERIFY(repository.markSynced(QStringLiteral("a"), QStringLiteral("srv-a")));
    QVERIFY(repository.markSynced(QStringLiteral("b"), QStringLiteral("srv-b")));
    QCOMPARE(changed.count(), 0);
    QVERIFY(repository.listPending().isEmpty());
    QCOMPARE(repository.findById(QStringLiteral("a"))->serverId, QStringLiteral("srv-a"));

    const QDateTime pulled(QDate(2024, 2, 29), QTime(23, 59, 59), QTimeZone::utc());
    QVERIFY(applyServerDeletion(repository, QStringLiteral("b"), pulled));
    QCOMPARE(changed.count(), 1);
    auto b = *repository.findById(QStringLiteral("b"));
    QCOMPARE(b.deletedAt, std::optional<QDateTime>(pulled));
    QCOMPARE(b.syncStatus, SyncStatus::Synced);
    QCOMPARE(b.version, 1);

    QCOMPARE(repository.markAllPendingForResync(), 1);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(idsOf(repository.listPending()), QStringList{QStringLiteral("a")});

    // No time makes the row live again, without a push of its own.
    QVERIFY(applyServerDeletion(repository, QStringLiteral("b"), std::nullopt));
    QCOMPARE(changed.count(), 3);
    b = *repository.findById(QStringLiteral("b"));
    QVERIFY(!b.deletedAt.has_value());
    QCOMPARE(b.syncStatus, SyncStatus::Synced);
    QCOMPARE(b.version, 1);
}

// The cascade with an account's deletion, over stored, live, version-1 records
// "x1" and "x2" and "early" of account "acc" and "keep" of another account.
// "early" is deleted on its own an hour before the account, so the restore
// (threshold: the account's deletion less ten seconds) must leave it deleted.
template <typename Repository, typename Signal>
void checkAccountCascade(TempDatabase& db, const char* table, Repository& repository, Signal changedSignal)
{
    const QDateTime now = Clock::nowUtc();
    QVERIFY(db.exec(QStringLiteral("UPDATE %1 SET deleted_at = ? WHERE id = 'early'").arg(QLatin1String(table)),
                    {SqlValues::timestampText(now.addSecs(-3600))}));
    QSignalSpy changed(&repository, changedSignal);

    QCOMPARE(repository.softDeleteByAccount(QStringLiteral("acc")), 2);
    QCOMPARE(changed.count(), 1);
    auto x1 = *repository.findById(QStringLiteral("x1"));
    QCOMPARE(x1.deletedAt, std::optional<QDateTime>(now));
    QCOMPARE(x1.updatedAt, now);
    QCOMPARE(x1.version, 2);
    QCOMPARE(x1.syncStatus, SyncStatus::Pending);
    QVERIFY(!repository.findById(QStringLiteral("keep"))->deletedAt.has_value());
    QCOMPARE(repository.softDeleteByAccount(QStringLiteral("acc")), 0);
    QCOMPARE(repository.restoreByAccount(QStringLiteral("acc"), SqlValues::timestampText(now.addSecs(1))), 0);
    QCOMPARE(changed.count(), 1);

    Clock::setFixedNow(now.addSecs(60));
    QCOMPARE(repository.restoreByAccount(QStringLiteral("acc"), SqlValues::timestampText(now.addSecs(-10))), 2);
    QCOMPARE(changed.count(), 2);
    x1 = *repository.findById(QStringLiteral("x1"));
    QVERIFY(!x1.deletedAt.has_value());
    QCOMPARE(x1.version, 3);
    QCOMPARE(x1.updatedAt, now.addSecs(60));
    QCOMPARE(repository.findById(QStringLiteral("early"))->deletedAt,
             std::optional<QDateTime>(now.addSecs(-3600)));
    Clock::setFixedNow(now);
}

} // namespace LedgerFixture
