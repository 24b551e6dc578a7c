#include "TestMain.h"

#include "services/ImportDateReader.h"

class TestImportDateReader : public QObject
{
    Q_OBJECT

private slots:
    void dates_data();
    void dates();
    void twoDigitYearFormats();
    void readerTriesTheFormatThenGuesses();
};

void TestImportDateReader::dates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("format"); // empty: guessed
    QTest::addColumn<QDate>("expected");

    const QString guess;
    QTest::newRow("ISO") << QStringLiteral("2025-03-04") << guess << QDate(2025, 3, 4);
    QTest::newRow("compact ISO") << QStringLiteral("20250304") << guess << QDate(2025, 3, 4);
    QTest::newRow("month first wins when both fit") << QStringLiteral("03/04/2025") << guess << QDate(2025, 3, 4);
    QTest::newRow("day first when the month cannot be") << QStringLiteral("13/04/2025") << guess
                                                        << QDate(2025, 4, 13);
    QTest::newRow("year first with slashes") << QStringLiteral("2025/03/04") << guess << QDate(2025, 3, 4);
    QTest::newRow("month name") << QStringLiteral("March 4, 2025") << guess << QDate(2025, 3, 4);
    QTest::newRow("short month name") << QStringLiteral("Mar 4, 2025") << guess << QDate(2025, 3, 4);

    // Two-digit years: 00-69 are this century, 70-99 the last one.
    QTest::newRow("yy 00") << QStringLiteral("1/2/00") << guess << QDate(2000, 1, 2);
    QTest::newRow("yy 69") << QStringLiteral("12/31/69") << guess << QDate(2069, 12, 31);
    QTest::newRow("yy 70") << QStringLiteral("01/01/70") << guess << QDate(1970, 1, 1);
    QTest::newRow("29 February 2000") << QStringLiteral("02/29/00") << guess << QDate(2000, 2, 29);
    QTest::newRow("29 February 2001 does not exist") << QStringLiteral("02/29/01") << guess << QDate();
    QTest::newRow("one-digit year") << QStringLiteral("3/4/5") << guess << QDate();
    QTest::newRow("dotted is not guessed") << QStringLiteral("04.03.2025") << guess << QDate();
    QTest::newRow("words") << QStringLiteral("pending") << guess << QDate();

    QTest::newRow("chosen day first") << QStringLiteral("03/04/2025") << QStringLiteral("dd/MM/yyyy")
                                      << QDate(2025, 4, 3);
    QTest::newRow("chosen two-digit year") << QStringLiteral("31.12.05") << QStringLiteral("dd.MM.yy")
                                           << QDate(2005, 12, 31);
    QTest::newRow("chosen two-digit year of the last century") << QStringLiteral("31.12.85")
                                                               << QStringLiteral("dd.MM.yy") << QDate(1985, 12, 31);
    QTest::newRow("chosen, 29 February 2000") << QStringLiteral("29/02/00") << QStringLiteral("dd/MM/yy")
                                              << QDate(2000, 2, 29);
    QTest::newRow("chosen does not fit") << QStringLiteral("2025-03-04") << QStringLiteral("dd/MM/yyyy") << QDate();
}

void TestImportDateReader::dates()
{
    QFETCH(QString, text);
    QFETCH(QString, format);
    QFETCH(QDate, expected);
    QCOMPARE(format.isEmpty() ? guessDate(text) : readDate(text, format), expected);
}

void TestImportDateReader::twoDigitYearFormats()
{
    QVERIFY(hasTwoDigitYear(QStringLiteral("MM/dd/yy")));
    QVERIFY(!hasTwoDigitYear(QStringLiteral("MM/dd/yyyy")));
    // Quoted letters are text, not a year.
    QVERIFY(!hasTwoDigitYear(QStringLiteral("'yy' dd.MM.yyyy")));
    QVERIFY(hasTwoDigitYear(QStringLiteral("'it''s yyyy' d/M/yy")));
}

void TestImportDateReader::readerTriesTheFormatThenGuesses()
{
    ImportDateReader dayFirst(QStringLiteral("dd/MM/yyyy"));
    QCOMPARE(dayFirst.read(QStringLiteral("03/04/2025")), QDate(2025, 4, 3));
    QCOMPARE(dayFirst.read(QStringLiteral("2025-03-04")), QDate(2025, 3, 4));
    // The same text again gives the same answer from what was read before.
    QCOMPARE(dayFirst.read(QStringLiteral("03/04/2025")), QDate(2025, 4, 3));
    QCOMPARE(dayFirst.read(QStringLiteral("soon")), QDate());
    QCOMPARE(dayFirst.read(QStringLiteral("soon")), QDate());

    ImportDateReader detect{QString()};
    QCOMPARE(detect.read(QStringLiteral("03/04/25")), QDate(2025, 3, 4));
}

VELLUMRY_TEST_GUILESS_MAIN(TestImportDateReader)
#include "tst_importdatereader.moc"
