#include "TestMain.h"

#include "data/SqlValues.h"

#include <QTimeZone>

// The stored date and time texts are read digit by digit in the ledger's own
// forms and by Qt's ISO parser otherwise; both roads must agree.
class TestSqlValues : public QObject
{
    Q_OBJECT

private slots:
    void dates_data();
    void dates();
    void timestamps_data();
    void timestamps();
    void bindingForms();
};

void TestSqlValues::dates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("expected");

    QTest::newRow("plain") << QStringLiteral("2024-03-05") << QDate(2024, 3, 5);
    QTest::newRow("leap day") << QStringLiteral("2024-02-29") << QDate(2024, 2, 29);
    QTest::newRow("no such day") << QStringLiteral("2023-02-29") << QDate();
    QTest::newRow("month 13") << QStringLiteral("2024-13-01") << QDate();
    QTest::newRow("short fields") << QStringLiteral("2024-3-5") << QDate();
    QTest::newRow("slashes") << QStringLiteral("2024/03/05") << QDate();
    QTest::newRow("letters") << QStringLiteral("2024-0a-05") << QDate();
    QTest::newRow("empty") << QString() << QDate();
    QTest::newRow("with a time") << QStringLiteral("2024-03-05T10:00:00Z") << QDate();
}

void TestSqlValues::dates()
{
    QFETCH(QString, text);
    QFETCH(QDate, expected);
    QCOMPARE(SqlValues::parseDate(text), expected);
}

void TestSqlValues::timestamps_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDateTime>("expected");

    const auto utc = [](int y, int mo, int d, int h, int mi, int s, int ms = 0) {
        return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms), QTimeZone::utc());
    };
    QTest::newRow("ledger form") << QStringLiteral("2024-03-05T14:07:09Z") << utc(2024, 3, 5, 14, 7, 9);
    QTest::newRow("midnight") << QStringLiteral("2000-01-01T00:00:00Z") << utc(2000, 1, 1, 0, 0, 0);
    QTest::newRow("fraction") << QStringLiteral("2024-03-05T14:07:09.250Z") << utc(2024, 3, 5, 14, 7, 9, 250);
    QTest::newRow("offset") << QStringLiteral("2024-03-05T16:07:09+02:00") << utc(2024, 3, 5, 14, 7, 9);
    QTest::newRow("no zone is utc") << QStringLiteral("2024-03-05T14:07:09") << utc(2024, 3, 5, 14, 7, 9);
    QTest::newRow("hour 24") << QStringLiteral("2024-03-05T24:00:00Z") << utc(2024, 3, 6, 0, 0, 0);
    QTest::newRow("second 60") << QStringLiteral("2024-03-05T23:59:60Z") << QDateTime();
    QTest::newRow("no such day") << QStringLiteral("2023-02-29T10:00:00Z") << QDateTime();
    QTest::newRow("blank for T") << QStringLiteral("2024-03-05 14:07:09Z") << utc(2024, 3, 5, 14, 7, 9);
    QTest::newRow("letters") << QStringLiteral("2024-03-05T1x:07:09Z") << QDateTime();
    QTest::newRow("empty") << QString() << QDateTime();
}

void TestSqlValues::timestamps()
{
    QFETCH(QString, text);
    QFETCH(QDateTime, expected);
    const QDateTime actual = SqlValues::parseTimestamp(text);
    QCOMPARE(actual.isValid(), expected.isValid());
    if (!expected.isValid())
        return;
    QCOMPARE(actual, expected);
    // Every valid reading is in UTC and writes back in the ledger's form.
    QCOMPARE(actual.timeSpec(), Qt::UTC);
    QCOMPARE(SqlValues::timestampText(actual), SqlValues::timestampText(expected));
}

void TestSqlValues::bindingForms()
{
    QCOMPARE(SqlValues::bindText(QString()).toString(), QStringLiteral(""));
    QVERIFY(!SqlValues::bindText(QString()).isNull());
    QCOMPARE(SqlValues::bindText(QStringLiteral("Shop")).toString(), QStringLiteral("Shop"));
    QVERIFY(SqlValues::bindTimestamp(QDateTime()).isNull());
    QCOMPARE(SqlValues::bindTimestamp(QDateTime(QDate(2024, 3, 5), QTime(1, 2, 3), QTimeZone::utc())).toString(),
             QStringLiteral("2024-03-05T01:02:03Z"));
    QCOMPARE(SqlValues::flag(true), 1);
    QCOMPARE(SqlValues::flag(false), 0);
}

VELLUMRY_TEST_GUILESS_MAIN(TestSqlValues)
#include "tst_sqlvalues.moc"
