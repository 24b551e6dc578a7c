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
    void oneOrderForTheWholeFile_data();
    void oneOrderForTheWholeFile();
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

void TestImportDateReader::oneOrderForTheWholeFile_data()
{
    QTest::addColumn<QString>("format"); // empty: detect
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QStringList>("dates"); // ISO, empty for no date
    QTest::addColumn<bool>("dayFirst");

    const QString detect;
    QTest::newRow("one cell only reads day first")
        << detect << QStringList{"08/04/2022", "24/03/2022", "01/12/2022"}
        << QStringList{"2022-04-08", "2022-03-24", "2022-12-01"} << true;
    QTest::newRow("every cell reads month first")
        << detect << QStringList{"08/04/2022", "03/24/2022"} << QStringList{"2022-08-04", "2022-03-24"} << false;
    QTest::newRow("two-digit years, day first")
        << detect << QStringList{"08/04/22", "24/03/22", "1/2/05"} << QStringList{"2022-04-08", "2022-03-24", "2005-02-01"}
        << true;
    QTest::newRow("two-digit years, month first")
        << detect << QStringList{"08/04/22", "12/31/85"} << QStringList{"2022-08-04", "1985-12-31"} << false;
    // A stray month-first cell in a day-first file still reads, as day-first ones do in a month-first file.
    QTest::newRow("a cell that only reads month first")
        << detect << QStringList{"24/03/2022", "03/25/2022", "not a date"}
        << QStringList{"2022-03-24", "2022-03-25", ""} << true;
    QTest::newRow("ISO and month names say nothing")
        << detect << QStringList{"2022-04-08", "March 24, 2022", "05/06/2022"}
        << QStringList{"2022-04-08", "2022-03-24", "2022-05-06"} << false;
    QTest::newRow("no such day either way") << detect << QStringList{"32/13/2022", "05/06/2022"}
                                            << QStringList{"", "2022-05-06"} << false;
    // Cells the chosen format reads tell nothing; the others are guessed in the file's order.
    QTest::newRow("chosen format, guessed cells day first")
        << QStringLiteral("dd.MM.yyyy") << QStringList{"24.03.2022", "08/04/2022", "25/04/2022"}
        << QStringList{"2022-03-24", "2022-04-08", "2022-04-25"} << true;
    QTest::newRow("chosen format reads every cell")
        << QStringLiteral("dd/MM/yyyy") << QStringList{"08/04/2022", "03/02/2022"}
        << QStringList{"2022-04-08", "2022-02-03"} << false;
}

void TestImportDateReader::oneOrderForTheWholeFile()
{
    QFETCH(QString, format);
    QFETCH(QStringList, cells);
    QFETCH(QStringList, dates);
    QFETCH(bool, dayFirst);

    ImportDateReader reader(format);
    for (const QString& cell : cells)
        reader.survey(cell);
    QCOMPARE(reader.order(), dayFirst ? ImportDateOrder::DayFirst : ImportDateOrder::MonthFirst);
    QStringList read;
    for (const QString& cell : cells)
        read.append(reader.read(cell).toString(Qt::ISODate));
    QCOMPARE(read, dates);
}

VELLUMRY_TEST_GUILESS_MAIN(TestImportDateReader)
#include "tst_importdatereader.moc"
