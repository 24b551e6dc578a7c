#include "TestMain.h"

#include "services/ImportDateReader.h"

class TestImportDateReader : public QObject
{
    Q_OBJECT

private slots:
    void guess_data();
    void guess();
    void chosenFormat_data();
    void chosenFormat();
    void twoDigitYearFormats_data();
    void twoDigitYearFormats();
    void readerTriesTheFormatThenGuesses();
};

void TestImportDateReader::guess_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("expected");

    QTest::newRow("ISO") << QStringLiteral("2025-03-04") << QDate(2025, 3, 4);
    QTest::newRow("compact ISO") << QStringLiteral("20250304") << QDate(2025, 3, 4);
    QTest::newRow("month first wins when both fit") << QStringLiteral("03/04/2025") << QDate(2025, 3, 4);
    QTest::newRow("day first when the month cannot be") << QStringLiteral("13/04/2025") << QDate(2025, 4, 13);
    QTest::newRow("single digits") << QStringLiteral("3/4/2025") << QDate(2025, 3, 4);
    QTest::newRow("single-digit month, day first") << QStringLiteral("25/3/2025") << QDate(2025, 3, 25);
    QTest::newRow("year first with slashes") << QStringLiteral("2025/03/04") << QDate(2025, 3, 4);
    QTest::newRow("month name") << QStringLiteral("March 4, 2025") << QDate(2025, 3, 4);
    QTest::newRow("short month name") << QStringLiteral("Mar 4, 2025") << QDate(2025, 3, 4);

    // Two-digit years: 00-69 are this century, 70-99 the last one.
    QTest::newRow("yy 25") << QStringLiteral("03/04/25") << QDate(2025, 3, 4);
    QTest::newRow("yy 00") << QStringLiteral("1/2/00") << QDate(2000, 1, 2);
    QTest::newRow("yy 69") << QStringLiteral("12/31/69") << QDate(2069, 12, 31);
    QTest::newRow("yy 70") << QStringLiteral("01/01/70") << QDate(1970, 1, 1);
    QTest::newRow("yy 99") << QStringLiteral("12/31/99") << QDate(1999, 12, 31);
    QTest::newRow("29 February 2000") << QStringLiteral("02/29/00") << QDate(2000, 2, 29);
    QTest::newRow("29 February 2024") << QStringLiteral("2/29/24") << QDate(2024, 2, 29);

    QTest::newRow("29 February 2001 does not exist") << QStringLiteral("02/29/01") << QDate();
    QTest::newRow("30 February") << QStringLiteral("2024-02-30") << QDate();
    QTest::newRow("one-digit year") << QStringLiteral("3/4/5") << QDate();
    QTest::newRow("dotted") << QStringLiteral("04.03.2025") << QDate();
    QTest::newRow("words") << QStringLiteral("pending") << QDate();
    QTest::newRow("empty") << QString() << QDate();
}

void TestImportDateReader::guess()
{
    QFETCH(QString, text);
    QFETCH(QDate, expected);
    QCOMPARE(guessDate(text), expected);
}

void TestImportDateReader::chosenFormat_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QDate>("expected");

    QTest::newRow("day first") << QStringLiteral("03/04/2025") << QStringLiteral("dd/MM/yyyy") << QDate(2025, 4, 3);
    QTest::newRow("dotted German") << QStringLiteral("31.12.2024") << QStringLiteral("dd.MM.yyyy")
                                   << QDate(2024, 12, 31);
    QTest::newRow("dotted two-digit year") << QStringLiteral("31.12.05") << QStringLiteral("dd.MM.yy")
                                           << QDate(2005, 12, 31);
    QTest::newRow("two-digit year of the last century") << QStringLiteral("31.12.85")
                                                        << QStringLiteral("dd.MM.yy") << QDate(1985, 12, 31);
    QTest::newRow("day first, 29 February 2000") << QStringLiteral("29/02/00") << QStringLiteral("dd/MM/yy")
                                                 << QDate(2000, 2, 29);
    QTest::newRow("does not fit") << QStringLiteral("2025-03-04") << QStringLiteral("dd/MM/yyyy") << QDate();
}

void TestImportDateReader::chosenFormat()
{
    QFETCH(QString, text);
    QFETCH(QString, format);
    QFETCH(QDate, expected);
    QCOMPARE(readDate(text, format), expected);
}

void TestImportDateReader::twoDigitYearFormats_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("twoDigits");

    QTest::newRow("yy") << QStringLiteral("MM/dd/yy") << true;
    QTest::newRow("yyyy") << QStringLiteral("MM/dd/yyyy") << false;
    QTest::newRow("no year") << QStringLiteral("MM/dd") << false;
    QTest::newRow("quoted yy is text") << QStringLiteral("'yy' dd.MM.yyyy") << false;
    QTest::newRow("quoted yyyy is text") << QStringLiteral("'yyyy' dd.MM.yy") << true;
    QTest::newRow("doubled quote inside quotes") << QStringLiteral("'it''s' d/M/yy") << true;
}

void TestImportDateReader::twoDigitYearFormats()
{
    QFETCH(QString, format);
    QFETCH(bool, twoDigits);
    QCOMPARE(hasTwoDigitYear(format), twoDigits);
}

void TestImportDateReader::readerTriesTheFormatThenGuesses()
{
    ImportDateReader dayFirst(QStringLiteral("dd/MM/yyyy"));
    QCOMPARE(dayFirst.read(QStringLiteral("03/04/2025")), QDate(2025, 4, 3));
    // A cell the format does not fit is still guessed.
    QCOMPARE(dayFirst.read(QStringLiteral("2025-03-04")), QDate(2025, 3, 4));
    // The same text again gives the same answer from what was read before.
    QCOMPARE(dayFirst.read(QStringLiteral("03/04/2025")), QDate(2025, 4, 3));
    QCOMPARE(dayFirst.read(QStringLiteral("soon")), QDate());
    QCOMPARE(dayFirst.read(QStringLiteral("soon")), QDate());

    ImportDateReader detect{QString()};
    QCOMPARE(detect.read(QStringLiteral("03/04/2025")), QDate(2025, 3, 4));
    QCOMPARE(detect.read(QStringLiteral("03/04/25")), QDate(2025, 3, 4));
}

VELLUMRY_TEST_GUILESS_MAIN(TestImportDateReader)
#include "tst_importdatereader.moc"
