#include "TempDatabase.h"
#include "TestMain.h"

#include "data/Clock.h"
#include "data/Identifiers.h"
#include "data/SqlTransaction.h"
#include "data/SqlValues.h"
#include "data/SyncStatus.h"
#include "data/SyncedTable.h"

#include <QRegularExpression>
#include <QTimeZone>
#include <QSqlQuery>

namespace {

const QDateTime kNow(QDate(2024, 3, 5), QTime(14, 7, 9), QTimeZone::utc());

struct Row
{
    QString syncStatus;
    int version = 0;
    QString updatedAt;
    QString deletedAt;
    QString serverId;
};

Row rowOf(TempDatabase& db, const QString& table, const QString& id)
{
    QSqlQuery query(db.sql());
    query.prepare(QStringLiteral("SELECT sync_status, version, updated_at, deleted_at, server_id FROM %1 WHERE id = ?")
                      .arg(table));
    query.addBindValue(id);
    Row row;
    if (query.exec() && query.next())
        row = {query.value(0).toString(), query.value(1).toInt(), query.value(2).toString(),
               query.value(3).toString(), query.value(4).toString()};
    return row;
}

void insertAccount(TempDatabase& db, const QString& id, const QString& status = QStringLiteral("synced"))
{
    QVERIFY(db.exec(QStringLiteral("INSERT INTO accounts (id, name, version, sync_status, created_at, updated_at) "
                                   "VALUES (?, ?, 3, ?, '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')"),
                    {id, id, status}));
}

void insertTransaction(TempDatabase& db, const QString& id, const QString& accountId, const QVariant& deletedAt)
{
    QVERIFY(db.exec(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, amount, version, sync_status, "
                                   "created_at, updated_at, deleted_at) VALUES (?, ?, '2024-01-02', 'P', 100, 1, "
                                   "'synced', '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z', ?)"),
                    {id, accountId, deletedAt}));
}

} // namespace

class TestRepositoryConventions : public QObject
{
    Q_OBJECT

private slots:
    void init() { Clock::setFixedNow(kNow); }
    void cleanup() { Clock::reset(); }

    void syncStatusTexts();
    void identifiers();
    void timestampsAndDates();
    void softDeleteAndRestore();
    void markSyncedAndResync();
    void serverDeletion();
    void byAccountCascade();
    void failedWritesLogAndReportFalse();
    void transactionGuardRollsBack();
    void savepointNestsAndRollsBack();
};

void TestRepositoryConventions::syncStatusTexts()
{
    QCOMPARE(syncStatusToText(SyncStatus::Pending), QStringLiteral("pending"));
    QCOMPARE(syncStatusToText(SyncStatus::Synced), QStringLiteral("synced"));
    QCOMPARE(syncStatusToText(SyncStatus::Conflict), QStringLiteral("conflict"));
    QCOMPARE(syncStatusToText(static_cast<SyncStatus>(7)), QStringLiteral("pending"));
    QCOMPARE(syncStatusFromText(QStringLiteral("synced")), SyncStatus::Synced);
    QCOMPARE(syncStatusFromText(QStringLiteral("conflict")), SyncStatus::Conflict);
    QCOMPARE(syncStatusFromText(QStringLiteral("Synced")), SyncStatus::Pending);
    QCOMPARE(syncStatusFromText(QString()), SyncStatus::Pending);
}

void TestRepositoryConventions::identifiers()
{
    static const QRegularExpression form(QStringLiteral("^[0-9a-f]{8}-[0-9a-f]{4}-4[0-9a-f]{3}-[89ab][0-9a-f]{3}-[0-9a-f]{12}$"));
    const QString a = newId();
    QVERIFY2(form.match(a).hasMatch(), qPrintable(a));
    QVERIFY(a != newId());

    // Name-based ids are the same on every device.
    QCOMPARE(nameBasedId(dnsNamespace(), QStringLiteral("opening-balance:abc")),
             QStringLiteral("ef57fca8-a550-569e-a2fd-460af988fd33"));
    QCOMPARE(dnsNamespace().toString(QUuid::WithoutBraces), QStringLiteral("6ba7b810-9dad-11d1-80b4-00c04fd430c8"));
    // The name is hashed as UTF-8.
    QVERIFY(nameBasedId(dnsNamespace(), QStringLiteral("caf\u00E9")) != nameBasedId(dnsNamespace(), QStringLiteral("cafe")));
}

void TestRepositoryConventions::timestampsAndDates()
{
    QCOMPARE(SqlValues::nowText(), QStringLiteral("2024-03-05T14:07:09Z"));
    const QDateTime withMs(QDate(2024, 3, 5), QTime(14, 7, 9, 987), QTimeZone::utc());
    QCOMPARE(SqlValues::timestampText(withMs), QStringLiteral("2024-03-05T14:07:09Z"));
    QCOMPARE(SqlValues::timestampText(QDateTime()), QString());

    QCOMPARE(SqlValues::parseTimestamp(QStringLiteral("2024-03-05T14:07:09Z")), kNow);
    QCOMPARE(SqlValues::parseTimestamp(QStringLiteral("2024-03-05T16:07:09+02:00")), kNow);
    QCOMPARE(SqlValues::parseTimestamp(QStringLiteral("2024-03-05T14:07:09.250Z")), kNow.addMSecs(250));
    QCOMPARE(SqlValues::parseTimestamp(QStringLiteral("2024-03-05T14:07:09")), kNow);
    QVERIFY(!SqlValues::parseTimestamp(QString()).isValid());
    QVERIFY(!SqlValues::parseTimestamp(QStringLiteral("yesterday")).isValid());

    QCOMPARE(SqlValues::dateText(QDate(2024, 2, 29)), QStringLiteral("2024-02-29"));
    QCOMPARE(SqlValues::dateText(QDate()), QString());
    QCOMPARE(SqlValues::parseDate(QStringLiteral("2024-02-29")), QDate(2024, 2, 29));
    QVERIFY(!SqlValues::parseDate(QStringLiteral("2024-02-30")).isValid());

    QVERIFY(SqlValues::textOrNull(QString()).isNull());
    QCOMPARE(SqlValues::textOrNull(QStringLiteral("x")).toString(), QStringLiteral("x"));
    QVERIFY(SqlValues::timestampOrNull(std::nullopt).isNull());

    QCOMPARE(Clock::today(), QDate(2024, 3, 5));
    Clock::reset();
    QVERIFY(!Clock::isFixed());
    QVERIFY(qAbs(Clock::nowUtc().secsTo(QDateTime::currentDateTimeUtc())) < 5);
}

void TestRepositoryConventions::softDeleteAndRestore()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    insertAccount(db, QStringLiteral("a1"));
    const SyncedTable accounts(db.sql(), "accounts", "AccountRepository");

    QVERIFY(accounts.softDelete(QStringLiteral("a1")));
    Row row = rowOf(db, QStringLiteral("accounts"), QStringLiteral("a1"));
    QCOMPARE(row.syncStatus, QStringLiteral("pending"));
    QCOMPARE(row.version, 4);
    // One "now" per statement: both stamps are the same text.
    QCOMPARE(row.deletedAt, QStringLiteral("2024-03-05T14:07:09Z"));
    QCOMPARE(row.updatedAt, row.deletedAt);

    Clock::setFixedNow(kNow.addSecs(60));
    QVERIFY(accounts.restore(QStringLiteral("a1")));
    row = rowOf(db, QStringLiteral("accounts"), QStringLiteral("a1"));
    QVERIFY(row.deletedAt.isEmpty());
    QCOMPARE(row.version, 5);
    QCOMPARE(row.updatedAt, QStringLiteral("2024-03-05T14:08:09Z"));
}

void TestRepositoryConventions::markSyncedAndResync()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    insertAccount(db, QStringLiteral("a1"), QStringLiteral("pending"));
    insertAccount(db, QStringLiteral("a2"), QStringLiteral("pending"));
    insertAccount(db, QStringLiteral("gone"), QStringLiteral("synced"));
    const SyncedTable accounts(db.sql(), "accounts", "AccountRepository");
    QVERIFY(accounts.softDelete(QStringLiteral("gone")));
    QVERIFY(accounts.markSynced(QStringLiteral("gone"), QStringLiteral("srv-gone")));

    // Everything live is already pending: nothing to do.
    QCOMPARE(accounts.markAllPendingForResync(), 0);

    QVERIFY(accounts.markSynced(QStringLiteral("a1"), QStringLiteral("srv-1")));
    Row row = rowOf(db, QStringLiteral("accounts"), QStringLiteral("a1"));
    QCOMPARE(row.syncStatus, QStringLiteral("synced"));
    QCOMPARE(row.serverId, QStringLiteral("srv-1"));
    QCOMPARE(row.version, 3);

    QCOMPARE(accounts.markAllPendingForResync(), 1);
    QCOMPARE(rowOf(db, QStringLiteral("accounts"), QStringLiteral("a1")).syncStatus, QStringLiteral("pending"));
    // Soft-deleted rows are never touched.
    QCOMPARE(rowOf(db, QStringLiteral("accounts"), QStringLiteral("gone")).syncStatus, QStringLiteral("synced"));
}

void TestRepositoryConventions::serverDeletion()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    insertAccount(db, QStringLiteral("a1"));
    const SyncedTable accounts(db.sql(), "accounts", "AccountRepository");

    const QDateTime when(QDate(2024, 1, 9), QTime(8, 0), QTimeZone::utc());
    QVERIFY(accounts.applyServerDeletion(QStringLiteral("a1"), when));
    Row row = rowOf(db, QStringLiteral("accounts"), QStringLiteral("a1"));
    QCOMPARE(row.deletedAt, QStringLiteral("2024-01-09T08:00:00Z"));
    QCOMPARE(row.syncStatus, QStringLiteral("synced"));
    QCOMPARE(row.version, 3);
    QCOMPARE(row.updatedAt, QStringLiteral("2024-01-01T00:00:00Z"));

    // No time makes the row live again, still without a push of its own.
    QVERIFY(accounts.applyServerDeletion(QStringLiteral("a1"), std::nullopt));
    row = rowOf(db, QStringLiteral("accounts"), QStringLiteral("a1"));
    QVERIFY(row.deletedAt.isEmpty());
    QCOMPARE(row.syncStatus, QStringLiteral("synced"));
    QCOMPARE(row.version, 3);
}

void TestRepositoryConventions::byAccountCascade()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    insertAccount(db, QStringLiteral("a1"));
    insertAccount(db, QStringLiteral("a2"));
    insertTransaction(db, QStringLiteral("t1"), QStringLiteral("a1"), QVariant(QMetaType::fromType<QString>()));
    insertTransaction(db, QStringLiteral("t2"), QStringLiteral("a1"), QVariant(QMetaType::fromType<QString>()));
    // Deleted by the user long before the account went.
    insertTransaction(db, QStringLiteral("old"), QStringLiteral("a1"), QStringLiteral("2024-02-01T00:00:00Z"));
    insertTransaction(db, QStringLiteral("other"), QStringLiteral("a2"), QVariant(QMetaType::fromType<QString>()));

    const SyncedTable transactions(db.sql(), "transactions", "TransactionRepository");
    QCOMPARE(transactions.softDeleteByAccount(QStringLiteral("a1")), 2);
    QCOMPARE(transactions.softDeleteByAccount(QStringLiteral("a1")), 0);
    QCOMPARE(rowOf(db, QStringLiteral("transactions"), QStringLiteral("other")).deletedAt, QString());
    QCOMPARE(rowOf(db, QStringLiteral("transactions"), QStringLiteral("t1")).version, 2);

    const QString since = SqlValues::timestampText(kNow.addSecs(-10));
    QCOMPARE(transactions.restoreByAccount(QStringLiteral("a1"), since), 2);
    QCOMPARE(rowOf(db, QStringLiteral("transactions"), QStringLiteral("t1")).deletedAt, QString());
    QCOMPARE(rowOf(db, QStringLiteral("transactions"), QStringLiteral("t1")).version, 3);
    QCOMPARE(rowOf(db, QStringLiteral("transactions"), QStringLiteral("old")).deletedAt,
             QStringLiteral("2024-02-01T00:00:00Z"));
    // A time later than a row's deletion leaves it deleted.
    QCOMPARE(transactions.restoreByAccount(QStringLiteral("a1"), QStringLiteral("2024-02-02T00:00:00Z")), 0);
}

void TestRepositoryConventions::failedWritesLogAndReportFalse()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    // A table without the sync columns stands in for a broken schema.
    const SyncedTable broken(db.sql(), "preferences", "PreferencesRepository");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^PreferencesRepository::softDelete failed: ")));
    QVERIFY(!broken.softDelete(QStringLiteral("x")));
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^PreferencesRepository::markAllPendingForResync failed: ")));
    QCOMPARE(broken.markAllPendingForResync(), 0);
    // Marking synced stays silent.
    QVERIFY(!broken.markSynced(QStringLiteral("x"), QStringLiteral("y")));
}

void TestRepositoryConventions::transactionGuardRollsBack()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    {
        SqlTransaction guard(db.sql());
        QVERIFY(guard.isActive());
        insertAccount(db, QStringLiteral("a1"));
        // Leaving the scope without commit undoes the insert.
    }
    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM accounts")).toInt(), 0);
    {
        SqlTransaction guard(db.sql());
        insertAccount(db, QStringLiteral("a1"));
        QVERIFY(guard.commit());
        QVERIFY(!guard.isActive());
    }
    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM accounts")).toInt(), 1);
}

void TestRepositoryConventions::savepointNestsAndRollsBack()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    SqlTransaction outer(db.sql());
    insertAccount(db, QStringLiteral("kept"));
    {
        SqlSavepoint inner(db.sql(), QStringLiteral("replace_lines"));
        QVERIFY(inner.isActive());
        insertAccount(db, QStringLiteral("undone"));
        inner.rollback();
    }
    {
        SqlSavepoint inner(db.sql(), QStringLiteral("replace_lines"));
        insertAccount(db, QStringLiteral("released"));
        QVERIFY(inner.release());
    }
    QVERIFY(outer.commit());
    QCOMPARE(db.scalar(QStringLiteral("SELECT group_concat(id, ',') FROM (SELECT id FROM accounts ORDER BY id)")).toString(),
             QStringLiteral("kept,released"));

    // Without an outer transaction the savepoint is one of its own.
    {
        SqlSavepoint alone(db.sql(), QStringLiteral("alone"));
        insertAccount(db, QStringLiteral("lost"));
    }
    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM accounts WHERE id = 'lost'")).toInt(), 0);
}

VELLUMRY_TEST_GUILESS_MAIN(TestRepositoryConventions)
#include "tst_repositoryconventions.moc"
