#include "TestMain.h"

#include "data/SqlFastRead.h"
#include "data/SqlValues.h"

// The fast readers must give exactly what the general ones give, for the
// ledger's own forms and for everything else a file may hold.
class TestSqlFastRead : public QObject
{
    Q_OBJECT

private slots:
    void dates_data();
    void dates();
    void timestamps_data();
    void timestamps();
};

void TestSqlFastRead::dates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("expected");

    QTest::newRow("plain") << QStringLiteral("2024-03-05") << QDate(2024, 3, 5);
    QTest::newRow("leap day") << QStringLiteral("2024-02-29") << QDate(2024, 2, 29);
    QTest::newRow("no such day") << QStringLiteral("2023-02-29") << QDate();
    QTest::newRow("month 13") << QStringLiteral("2024-13-01") << QDate();
    QTest::newRow("short fields") << QStringLiteral("2024-3-5") << SqlValues::parseDate(QStringLiteral("2024-3-5"));
    QTest::newRow("slashes") << QStringLiteral("2024/03/05") << QDate();
    QTest::newRow("letters") << QStringLiteral("2024-0a-05") << QDate();
    QTest::newRow("empty") << QString() << QDate();
    QTest::newRow("with a time") << QStringLiteral("2024-03-05T10:00:00Z") << SqlValues::parseDate(QStringLiteral("2024-03-05T10:00:00Z"));
}

void TestSqlFastRead::dates()
{
    QFETCH(QString, text);
    QFETCH(QDate, expected);
    QCOMPARE(SqlFastRead::date(text), expected);
    QCOMPARE(SqlFastRead::date(text), SqlValues::parseDate(text));
}

void TestSqlFastRead::timestamps_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("ledger form") << QStringLiteral("2024-03-05T14:07:09Z");
    QTest::newRow("midnight") << QStringLiteral("2000-01-01T00:00:00Z");
    QTest::newRow("fraction") << QStringLiteral("2024-03-05T14:07:09.250Z");
    QTest::newRow("offset") << QStringLiteral("2024-03-05T16:07:09+02:00");
    QTest::newRow("no zone") << QStringLiteral("2024-03-05T14:07:09");
    QTest::newRow("hour 24") << QStringLiteral("2024-03-05T24:00:00Z");
    QTest::newRow("second 60") << QStringLiteral("2024-03-05T23:59:60Z");
    QTest::newRow("no such day") << QStringLiteral("2023-02-29T10:00:00Z");
    QTest::newRow("blank for T") << QStringLiteral("2024-03-05 14:07:09Z");
    QTest::newRow("letters") << QStringLiteral("2024-03-05T1x:07:09Z");
    QTest::newRow("empty") << QString();
}

void TestSqlFastRead::timestamps()
{
    QFETCH(QString, text);
    const QDateTime fast = SqlFastRead::timestamp(text);
    const QDateTime general = SqlValues::parseTimestamp(text);
    QCOMPARE(fast.isValid(), general.isValid());
    QCOMPARE(fast, general);
    if (fast.isValid()) {
        QCOMPARE(fast.timeSpec(), Qt::UTC);
        QCOMPARE(SqlValues::timestampText(fast), SqlValues::timestampText(general));
    }
}

VELLUMRY_TEST_GUILESS_MAIN(TestSqlFastRead)
#include "tst_sqlfastread.moc"
