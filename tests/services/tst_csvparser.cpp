#include "TestMain.h"

#include "services/CsvParser.h"

#include <QRandomGenerator>
#include <QRegularExpression>

using Rows = QList<QStringList>;

class TestCsvParser : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void rowLimits_data();
    void rowLimits();
    void limitsOnlyMarkRows();
    void writtenFieldsReadBack();
};

void TestCsvParser::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Rows>("expected");
    QTest::addColumn<int>("openQuoteLine"); // 0: every quote closed
    QTest::addColumn<int>("openQuoteRow");

    const QString e;
    const auto row = [](const char* name, const QString& text, const Rows& rows, int line = 0, int at = -1) {
        QTest::newRow(name) << text << rows << line << at;
    };
    row("empty text", QString(), Rows());
    row("no final line end", QStringLiteral("a,b"), Rows{{"a", "b"}});
    row("lone comma is two empty fields", QStringLiteral(",\n"), Rows{{e, e}});
    row("blank lines dropped", QStringLiteral("a\n\n   \nb"), Rows{{"a"}, {"b"}});
    row("empty quoted line dropped", QStringLiteral("a\n\"\"\nb\n"), Rows{{"a"}, {"b"}});
    row("rows keep their own widths", QStringLiteral("a,b,c\nd\ne,f"), Rows{{"a", "b", "c"}, {"d"}, {"e", "f"}});

    // Line ends: LF, CR LF and a lone CR (classic Mac files) each end a line.
    row("CR LF", QStringLiteral("a,b\r\nc,d\r\n"), Rows{{"a", "b"}, {"c", "d"}});
    row("lone CR", QStringLiteral("a,b\rc,d\r"), Rows{{"a", "b"}, {"c", "d"}});
    row("CR CR LF", QStringLiteral("a\r\r\nb"), Rows{{"a"}, {"b"}});
    row("mixed line ends", QStringLiteral("a\nb\r\nc\rd"), Rows{{"a"}, {"b"}, {"c"}, {"d"}});
    row("CR right after a quote", QStringLiteral("\"a\"\rb"), Rows{{"a"}, {"b"}});

    row("doubled quotes and commas inside", QStringLiteral("\"x \"\"y\"\", z\",w\r\n"), Rows{{"x \"y\", z", "w"}});
    row("quotes in the middle of a field", QStringLiteral("a\"b,c\"d"), Rows{{"ab,cd"}});
    row("quoted blanks are trimmed", QStringLiteral("\" a \""), Rows{{"a"}});
    row("CR inside quotes stays", QStringLiteral("\"x\ry\",z\r"), Rows{{"x\ry", "z"}});
    row("tabs and no-break spaces trimmed", QStringLiteral("\ta\t,\u00A0b\u2003"), Rows{{"a", "b"}});
    row("closed field over lines", QStringLiteral("\"a\",\"b\"\"\"\n\"c\nd\""), Rows{{"a", "b\""}, {"c\nd"}});

    // A quote that never closes takes the rest of the text, and the report says where.
    row("open quote takes the rest", QStringLiteral("a,\"b\nc,d"), Rows{{"a", "b\nc,d"}}, 1, 0);
    row("open quote after CR LF rows", QStringLiteral("a\r\nb\r\nc,\"d\r\ne\r\nf"),
        Rows{{"a"}, {"b"}, {"c", "d\r\ne\r\nf"}}, 3, 2);
    row("open quote after lone CR rows", QStringLiteral("a\rb\r\"c"), Rows{{"a"}, {"b"}, {"c"}}, 3, 2);
    row("open quote after a closed multi-line field", QStringLiteral("\"x\ny\",1\nz,\"open"),
        Rows{{"x\ny", "1"}, {"z", "open"}}, 3, 1);
    row("only blanks after the open quote", QStringLiteral("a\n\"  \n "), Rows{{"a"}, {e}}, 2, 1);
    row("nothing after the open quote", QStringLiteral("a\n\""), Rows{{"a"}}, 2, -1);

    // The last line needs no line end, and is kept even when it is blank...
    row("last line of blanks", QStringLiteral("a\n   "), Rows{{"a"}, {e}});
    row("last line of a tab after CR LF", QStringLiteral("a\r\n\t"), Rows{{"a"}, {e}});
    row("last line a quoted blank", QStringLiteral("a\n\" \""), Rows{{"a"}, {e}});
    // ...unless nothing at all is in it.
    row("last line an empty quoted field", QStringLiteral("a\n\"\""), Rows{{"a"}});
    row("blank line before the final line end", QStringLiteral("a\n   \n"), Rows{{"a"}});
}

void TestCsvParser::parse()
{
    QFETCH(QString, text);
    QFETCH(Rows, expected);
    QFETCH(int, openQuoteLine);
    QFETCH(int, openQuoteRow);

    CsvParseReport report;
    report.unterminatedQuote = true; // left over from an earlier parse
    report.unterminatedQuoteLine = 7;
    QCOMPARE(parseCsv(text, &report), expected);
    QCOMPARE(report.unterminatedQuote, openQuoteLine != 0);
    QCOMPARE(report.unterminatedQuoteLine, openQuoteLine);
    QCOMPARE(report.unterminatedQuoteRow, openQuoteRow);
    QCOMPARE(parseCsv(text), expected);

    // Row by row, as the import and the preview read, the same rows come, and the
    // reader stays at the end.
    CsvRowReader reader(text);
    Rows walked;
    QStringList row;
    while (reader.next(&row))
        walked.append(row);
    QCOMPARE(walked, expected);
    QCOMPARE(reader.next(&row), false);
    QCOMPARE(reader.endedInsideQuotes(), openQuoteLine != 0);
    QCOMPARE(reader.openQuoteLine(), openQuoteLine);
}

void TestCsvParser::rowLimits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("fields");
    QTest::addColumn<int>("chars");
    // Each row's fields joined by '|', with " too long" after a row past a limit.
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("within both") << QStringLiteral("a,b,c\nde") << 3 << 5 << QStringList{"a|b|c", "de"};
    QTest::newRow("one field too many keeps the first")
        << QStringLiteral("a,b,c,d\ne") << 3 << 100 << QStringList{"a|b|c too long", "e"};
    QTest::newRow("exactly the characters") << QStringLiteral("abcde\nfghij") << 9 << 5
                                            << QStringList{"abcde", "fghij"};
    QTest::newRow("one character too many") << QStringLiteral("ab,cdef\ng") << 9 << 5
                                            << QStringList{"ab too long", "g"};
    QTest::newRow("line ends inside quotes count")
        << QStringLiteral("\"a\r\nb\",c\nd") << 9 << 6 << QStringList{"a\r\nb too long", "d"};
    QTest::newRow("blank lines before a row are not its own")
        << QStringLiteral("\n   \n\r\nabc\n") << 9 << 3 << QStringList{"abc"};
    // However long, a line of blanks is no row, as without limits.
    QTest::newRow("a long line of blanks")
        << QStringLiteral("a\n  \t  \r\n\"   \"  \nb") << 9 << 3 << QStringList{"a", "b"};
    QTest::newRow("a long line of blanks and a quote")
        << QStringLiteral("a\n\"  \"\"  \"\nb") << 9 << 3 << QStringList{"a", " too long", "b"};
    QTest::newRow("a long line of blanks and commas")
        << QStringLiteral("a\n   ,   \nb") << 9 << 3 << QStringList{"a", " too long", "b"};
    QTest::newRow("the last line, after a comma")
        << QStringLiteral("a\nbcdef,") << 9 << 3 << QStringList{"a", " too long"};
    QTest::newRow("an empty first field is no blank line")
        << QStringLiteral(",bcdef\ng") << 9 << 3 << QStringList{" too long", "g"};
    QTest::newRow("a quote that never closes keeps none of the rest")
        << QStringLiteral("a\n\"bcdef\ng,h") << 9 << 3 << QStringList{"a", " too long"};
}

void TestCsvParser::rowLimits()
{
    QFETCH(QString, text);
    QFETCH(int, fields);
    QFETCH(int, chars);
    QFETCH(QStringList, rows);

    CsvRowReader reader(text, {fields, chars});
    QStringList walked;
    QStringList row;
    while (reader.next(&row))
        walked.append(row.join(u'|') + (reader.lastRowTooLong() ? QStringLiteral(" too long") : QString()));
    QCOMPARE(walked, rows);
}

// Whatever the text, limits take no row away and add none: a row within them
// reads as without them, and one past them keeps only its first fields.
void TestCsvParser::limitsOnlyMarkRows()
{
    QRandomGenerator random(41);
    const QString alphabet = QStringLiteral("a  ,,\"\"\r\n\t");
    for (int round = 0; round < 2000; ++round) {
        QString text;
        for (int i = random.bounded(40); i > 0; --i)
            text.append(alphabet.at(random.bounded(alphabet.size())));
        const Rows whole = parseCsv(text);
        const qsizetype fields = 1 + random.bounded(3);
        CsvRowReader reader(text, {fields, 1 + random.bounded(8)});
        Rows limited;
        QStringList row;
        while (reader.next(&row)) {
            const qsizetype index = limited.size();
            limited.append(row);
            if (index >= whole.size())
                break;
            if (reader.lastRowTooLong()) {
                QVERIFY2(row.size() <= fields && row == whole.at(index).first(row.size()), qPrintable(text));
                limited.last() = whole.at(index);
            }
        }
        QVERIFY2(limited == whole, qPrintable(text));
    }
}

// Fields written the usual way (quoted when they hold a comma, quote or line end)
// must come back exactly, whatever line ends separate the records.
void TestCsvParser::writtenFieldsReadBack()
{
    QRandomGenerator random(20240607);
    const QString alphabet = QStringLiteral("ab ,\"\r\n\u00E9\u20AC1.");
    const QStringList lineEnds{QStringLiteral("\n"), QStringLiteral("\r\n"), QStringLiteral("\r")};

    for (int round = 0; round < 200; ++round) {
        Rows expected;
        QString text;
        for (int r = 1 + random.bounded(6); r > 0; --r) {
            QStringList row;
            QStringList written;
            for (int f = 2 + random.bounded(4); f > 0; --f) { // two or more fields: never a blank line
                QString field;
                for (int i = random.bounded(8); i > 0; --i)
                    field.append(alphabet.at(random.bounded(alphabet.size())));
                field = field.trimmed();
                row.append(field);
                const bool quote = field.contains(QRegularExpression(QStringLiteral("[,\"\r\n]")));
                written.append(quote ? u'"' + QString(field).replace(u'"', QStringLiteral("\"\"")) + u'"' : field);
            }
            expected.append(row);
            text += written.join(u',') + lineEnds.at(random.bounded(lineEnds.size()));
        }
        CsvParseReport report;
        QCOMPARE(parseCsv(text, &report), expected);
        QCOMPARE(report.unterminatedQuote, false);
    }
}

VELLUMRY_TEST_GUILESS_MAIN(TestCsvParser)
#include "tst_csvparser.moc"
