#include "TempDatabase.h"
#include "TestMain.h"

#include "data/SqlValues.h"
#include "data/SqliteRows.h"

class TestSqliteRows : public QObject
{
    Q_OBJECT

private slots:
    void availableOnlyOnAnOpenConnection();
    void bindsAndReadsEveryKind();
    void badStatementsReadNothing();
    void datesReadLikeSqlValues();
};

void TestSqliteRows::availableOnlyOnAnOpenConnection()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    // This program's SQLite is the one that runs the connection.
    QVERIFY(SqliteRows::available(db.sql()));
    SqliteRows::setEnabled(false);
    QVERIFY(!SqliteRows::available(db.sql()));
    SqliteRows::setEnabled(true);
    db.sql().close();
    QVERIFY(!SqliteRows::available(db.sql()));
    SqliteRows rows(db.sql(), QStringLiteral("SELECT 1"), {});
    QVERIFY(!rows.isValid());
    QVERIFY(!rows.next());
}

void TestSqliteRows::bindsAndReadsEveryKind()
{
    TempDatabase db;
    const QVariant null(QMetaType::fromType<QString>());
    const QString text = QStringLiteral("Caf\u00e9 \u6771\u4eac");
    QVERIFY(db.exec(QStringLiteral("CREATE TABLE probe (n INTEGER, t TEXT)")));
    QVERIFY(db.exec(QStringLiteral("INSERT INTO probe VALUES (?, ?), (?, ?), (?, ?)"),
                    {QVariant::fromValue<qint64>(Q_INT64_C(9007199254740993)), text, 2, null, null, QStringLiteral("")}));

    // Text, integer and NULL values bind as themselves.
    SqliteRows rows(db.sql(), QStringLiteral("SELECT n, t FROM probe WHERE n = ? OR t = ? OR (n IS NULL AND ? IS NULL) "
                                             "ORDER BY rowid"),
                    {2, text, null});
    QVERIFY(rows.isValid());
    QVERIFY(rows.next());
    QCOMPARE(rows.int64(0), Q_INT64_C(9007199254740993));
    QCOMPARE(rows.text(1), text);
    QVERIFY(rows.next());
    QCOMPARE(rows.int64(0), 2);
    QVERIFY(rows.isNull(1));
    QVERIFY(rows.next());
    QVERIFY(rows.isNull(0));
    QVERIFY(!rows.isNull(1));
    QCOMPARE(rows.text(1), QString());
    QVERIFY(!rows.next());
    QVERIFY(!rows.next());
}

void TestSqliteRows::badStatementsReadNothing()
{
    TempDatabase db;
    SqliteRows misspelt(db.sql(), QStringLiteral("SELECT nothing FROM nowhere"), {});
    QVERIFY(!misspelt.isValid());
    QVERIFY(!misspelt.next());
    SqliteRows extraValues(db.sql(), QStringLiteral("SELECT ?"), {1, 2});
    QVERIFY(!extraValues.isValid());
    QVERIFY(!extraValues.next());
}

void TestSqliteRows::datesReadLikeSqlValues()
{
    TempDatabase db;
    for (const QString text : {"2024-02-29", "2023-02-29", "2024-3-5", "2024-0x-05", "2024-03-05T10:00:00Z", ""}) {
        SqliteRows rows(db.sql(), QStringLiteral("SELECT ?"), {text});
        QVERIFY(rows.next());
        QCOMPARE(rows.date(0), SqlValues::parseDate(text));
    }
}

VELLUMRY_TEST_GUILESS_MAIN(TestSqliteRows)
#include "tst_sqliterows.moc"
