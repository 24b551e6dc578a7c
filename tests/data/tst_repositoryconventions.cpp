#include "LedgerFixture.h"
#include "TestMain.h"

#include "data/SqlTransaction.h"
#include "data/SyncStatus.h"
#include "data/SyncedTable.h"

#include <QRegularExpression>

using namespace LedgerFixture;

namespace {

void insertAccount(TempDatabase& db, const QString& id)
{
    QVERIFY(db.exec(QStringLiteral("INSERT INTO accounts (id, name, version, sync_status, created_at, updated_at) "
                                   "VALUES (?, ?, 3, 'synced', '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')"),
                    {id, id}));
}

QString accountIds(TempDatabase& db)
{
    return db.scalar(QStringLiteral("SELECT group_concat(id, ',') FROM (SELECT id FROM accounts ORDER BY id)")).toString();
}

} // namespace

class TestRepositoryConventions : public QObject
{
    Q_OBJECT

private slots:
    void init() { Clock::setFixedNow(fixedNow()); }
    void cleanup() { Clock::reset(); }

    void syncStatusTexts();
    void identifiers();
    void dates_data();
    void dates();
    void timestamps_data();
    void timestamps();
    void bindingForms();
    void failedWritesLogAndReportFalse();
    void transactionAndSavepointRollBack();
};

void TestRepositoryConventions::syncStatusTexts()
{
    for (SyncStatus status : {SyncStatus::Pending, SyncStatus::Synced, SyncStatus::Conflict})
        QCOMPARE(syncStatusFromText(syncStatusToText(status)), status);
    QCOMPARE(syncStatusToText(SyncStatus::Conflict), QStringLiteral("conflict"));
    QCOMPARE(syncStatusToText(static_cast<SyncStatus>(7)), QStringLiteral("pending"));
    QCOMPARE(syncStatusFromText(QStringLiteral("Synced")), SyncStatus::Pending);
}

void TestRepositoryConventions::identifiers()
{
    static const QRegularExpression form(QStringLiteral("^[0-9a-f]{8}-[0-9a-f]{4}-4[0-9a-f]{3}-[89ab][0-9a-f]{3}-[0-9a-f]{12}$"));
    const QString a = newId();
    QVERIFY2(form.match(a).hasMatch(), qPrintable(a));
    QVERIFY(a != newId());

    // Name-based ids are the same on every device; the name is hashed as UTF-8.
    QCOMPARE(nameBasedId(dnsNamespace(), QStringLiteral("opening-balance:abc")),
             QStringLiteral("ef57fca8-a550-569e-a2fd-460af988fd33"));
    QVERIFY(nameBasedId(dnsNamespace(), QStringLiteral("caf\u00E9")) != nameBasedId(dnsNamespace(), QStringLiteral("cafe")));
}

// Stored texts are read digit by digit in the ledger's own forms and by Qt's ISO
// parser otherwise; both roads must agree.
void TestRepositoryConventions::dates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("expected");

    QTest::newRow("leap day") << QStringLiteral("2024-02-29") << QDate(2024, 2, 29);
    QTest::newRow("year 5, four digits") << QStringLiteral("0005-01-02") << QDate(5, 1, 2);
    QTest::newRow("no such day") << QStringLiteral("2023-02-29") << QDate();
    QTest::newRow("month 13") << QStringLiteral("2024-13-01") << QDate();
    QTest::newRow("short fields") << QStringLiteral("2024-3-5") << QDate();
    QTest::newRow("letters") << QStringLiteral("2024-0a-05") << QDate();
    QTest::newRow("with a time") << QStringLiteral("2024-03-05T10:00:00Z") << QDate();
}

void TestRepositoryConventions::dates()
{
    QFETCH(QString, text);
    QFETCH(QDate, expected);
    QCOMPARE(SqlValues::parseDate(text), expected);
    if (expected.isValid())
        QCOMPARE(SqlValues::dateText(expected), text);
}

void TestRepositoryConventions::timestamps_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDateTime>("expected");

    const QDateTime now = fixedNow();
    QTest::newRow("ledger form") << QStringLiteral("2024-03-05T14:07:09Z") << now;
    QTest::newRow("fraction") << QStringLiteral("2024-03-05T14:07:09.250Z") << now.addMSecs(250);
    QTest::newRow("offset") << QStringLiteral("2024-03-05T16:07:09+02:00") << now;
    QTest::newRow("no zone is utc") << QStringLiteral("2024-03-05T14:07:09") << now;
    QTest::newRow("blank for T") << QStringLiteral("2024-03-05 14:07:09Z") << now;
    QTest::newRow("hour 24") << QStringLiteral("2024-03-05T24:00:00Z")
                             << QDateTime(QDate(2024, 3, 6), QTime(0, 0), QTimeZone::utc());
    QTest::newRow("second 60") << QStringLiteral("2024-03-05T23:59:60Z") << QDateTime();
    QTest::newRow("no such day") << QStringLiteral("2023-02-29T10:00:00Z") << QDateTime();
    QTest::newRow("letters") << QStringLiteral("2024-03-05T1x:07:09Z") << QDateTime();
    QTest::newRow("empty") << QString() << QDateTime();
}

void TestRepositoryConventions::timestamps()
{
    QFETCH(QString, text);
    QFETCH(QDateTime, expected);
    const QDateTime actual = SqlValues::parseTimestamp(text);
    QCOMPARE(actual.isValid(), expected.isValid());
    if (!expected.isValid())
        return;
    QCOMPARE(actual, expected);
    QCOMPARE(actual.timeSpec(), Qt::UTC);
    QCOMPARE(SqlValues::timestampText(actual), SqlValues::timestampText(expected));
}

void TestRepositoryConventions::bindingForms()
{
    QCOMPARE(SqlValues::nowText(), QStringLiteral("2024-03-05T14:07:09Z"));
    QCOMPARE(SqlValues::timestampText(fixedNow().addMSecs(987)), QStringLiteral("2024-03-05T14:07:09Z"));
    // Unset texts bind as '' (NOT NULL columns), unset references and times as NULL.
    QVERIFY(!SqlValues::bindText(QString()).isNull());
    QVERIFY(SqlValues::textOrNull(QString()).isNull());
    QVERIFY(SqlValues::bindTimestamp(QDateTime()).isNull());

    Clock::reset();
    QVERIFY(qAbs(Clock::nowUtc().secsTo(QDateTime::currentDateTimeUtc())) < 5);
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

void TestRepositoryConventions::transactionAndSavepointRollBack()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    {
        SqlTransaction guard(db.sql());
        QVERIFY(guard.isActive());
        insertAccount(db, QStringLiteral("undone"));
    }
    QCOMPARE(accountIds(db), QString());

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
    QVERIFY(!outer.isActive());
    QCOMPARE(accountIds(db), QStringLiteral("kept,released"));

    // Without an outer transaction the savepoint is one of its own.
    {
        SqlSavepoint alone(db.sql(), QStringLiteral("alone"));
        insertAccount(db, QStringLiteral("lost"));
    }
    QCOMPARE(accountIds(db), QStringLiteral("kept,released"));
}

VELLUMRY_TEST_GUILESS_MAIN(TestRepositoryConventions)
#include "tst_repositoryconventions.moc"
