#include "TestMain.h"

#include "services/CsvParser.h"

#include <QRandomGenerator>

using Rows = QList<QStringList>;

class TestCsvParser : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void unterminatedQuoteIsReported_data();
    void unterminatedQuoteIsReported();
    void closedQuotesReportNothing();
    void writtenFieldsReadBack();
};

void TestCsvParser::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Rows>("expected");

    const QString e;
    QTest::newRow("empty text") << QString() << Rows();
    QTest::newRow("no final line end") << QStringLiteral("a,b") << Rows{{"a", "b"}};
    QTest::newRow("final line end") << QStringLiteral("a,b\n") << Rows{{"a", "b"}};
    QTest::newRow("trailing comma") << QStringLiteral("a,\n") << Rows{{"a", e}};
    QTest::newRow("lone comma is two empty fields") << QStringLiteral(",\n") << Rows{{e, e}};
    QTest::newRow("blank lines dropped") << QStringLiteral("a\n\n   \nb") << Rows{{"a"}, {"b"}};
    QTest::newRow("empty quoted line dropped") << QStringLiteral("a\n\"\"\nb\n") << Rows{{"a"}, {"b"}};
    QTest::newRow("ends in empty quotes") << QStringLiteral("a\n\"\"") << Rows{{"a"}};
    // A last line of blanks is as empty as any other blank line.
    QTest::newRow("ends in a line of blanks") << QStringLiteral("a\n   ") << Rows{{"a"}};
    QTest::newRow("rows keep their own widths") << QStringLiteral("a,b,c\nd\ne,f") << Rows{{"a", "b", "c"}, {"d"}, {"e", "f"}};

    // Line ends: LF, CR LF and a lone CR (classic Mac files) each end a line.
    QTest::newRow("CR LF") << QStringLiteral("a,b\r\nc,d\r\n") << Rows{{"a", "b"}, {"c", "d"}};
    QTest::newRow("lone CR") << QStringLiteral("a,b\rc,d\r") << Rows{{"a", "b"}, {"c", "d"}};
    QTest::newRow("lone CR without final line end") << QStringLiteral("a\rb") << Rows{{"a"}, {"b"}};
    QTest::newRow("CR CR LF") << QStringLiteral("a\r\r\nb") << Rows{{"a"}, {"b"}};
    QTest::newRow("mixed line ends") << QStringLiteral("a\nb\r\nc\rd") << Rows{{"a"}, {"b"}, {"c"}, {"d"}};
    QTest::newRow("blank CR lines dropped") << QStringLiteral("\r\r\ra\r\r") << Rows{{"a"}};
    QTest::newRow("CR right after a quote") << QStringLiteral("\"a\"\rb") << Rows{{"a"}, {"b"}};

    // Quotes.
    QTest::newRow("doubled quotes and commas inside")
        << QStringLiteral("\"x \"\"y\"\", z\",w\r\n") << Rows{{"x \"y\", z", "w"}};
    QTest::newRow("quotes in the middle of a field") << QStringLiteral("a\"b,c\"d") << Rows{{"ab,cd"}};
    QTest::newRow("quoted blanks are trimmed") << QStringLiteral("\" a \"") << Rows{{"a"}};
    QTest::newRow("field over two lines") << QStringLiteral("\"line1\nline2\",x") << Rows{{"line1\nline2", "x"}};
    QTest::newRow("CR inside quotes stays") << QStringLiteral("\"x\ry\",z\r") << Rows{{"x\ry", "z"}};
    QTest::newRow("CR LF inside quotes stays") << QStringLiteral("\"x\r\ny\"\r\n") << Rows{{"x\r\ny"}};
    QTest::newRow("only a doubled quote") << QStringLiteral("\"\"\"\"") << Rows{{"\""}};
    QTest::newRow("quoted empty then text") << QStringLiteral("\"\"abc") << Rows{{"abc"}};
    QTest::newRow("unterminated quote takes the rest")
        << QStringLiteral("a,\"b\nc,d") << Rows{{"a", "b\nc,d"}};

    // Trimming uses the full white-space set.
    QTest::newRow("tabs and no-break spaces")
        << QStringLiteral("\ta\t,\u00A0b\u2003") << Rows{{"a", "b"}};
}

void TestCsvParser::parse()
{
    QFETCH(QString, text);
    QFETCH(Rows, expected);
    QCOMPARE(parseCsv(text), expected);
}

void TestCsvParser::unterminatedQuoteIsReported_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("rowCount");

    QTest::newRow("first line") << QStringLiteral("\"abc") << 1 << 0 << 1;
    QTest::newRow("after CR LF rows") << QStringLiteral("a\r\nb\r\nc,\"d\r\ne\r\nf") << 3 << 2 << 3;
    QTest::newRow("after lone CR rows") << QStringLiteral("a\rb\r\"c") << 3 << 2 << 3;
    QTest::newRow("after a closed multi-line field")
        << QStringLiteral("\"x\ny\",1\nz,\"open") << 3 << 1 << 2;
    QTest::newRow("opening quote is the last character") << QStringLiteral("a\nb,\"") << 2 << 1 << 2;
    QTest::newRow("nothing after the quote on its own line") << QStringLiteral("a\n\"") << 2 << -1 << 1;
    QTest::newRow("only blanks after the quote") << QStringLiteral("a\n\"  \n ") << 2 << -1 << 1;
}

void TestCsvParser::unterminatedQuoteIsReported()
{
    QFETCH(QString, text);
    QFETCH(int, line);
    QFETCH(int, row);
    QFETCH(int, rowCount);

    CsvParseReport report;
    const Rows rows = parseCsv(text, &report);
    QCOMPARE(rows.size(), rowCount);
    QCOMPARE(report.unterminatedQuote, true);
    QCOMPARE(report.unterminatedQuoteLine, line);
    QCOMPARE(report.unterminatedQuoteRow, row);
    QCOMPARE(rows, parseCsv(text)); // the report changes nothing about the rows
}

void TestCsvParser::closedQuotesReportNothing()
{
    CsvParseReport report;
    report.unterminatedQuote = true; // left over from an earlier parse
    report.unterminatedQuoteLine = 7;
    report.unterminatedQuoteRow = 3;
    parseCsv(QStringLiteral("\"a\",\"b\"\"\"\n\"c\nd\""), &report);
    QCOMPARE(report.unterminatedQuote, false);
    QCOMPARE(report.unterminatedQuoteLine, 0);
    QCOMPARE(report.unterminatedQuoteRow, -1);
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
        const int rowCount = 1 + random.bounded(6);
        for (int r = 0; r < rowCount; ++r) {
            QStringList row;
            QStringList written;
            const int fieldCount = 2 + random.bounded(4); // two or more: never a blank line
            for (int f = 0; f < fieldCount; ++f) {
                QString field;
                const int length = random.bounded(8);
                for (int i = 0; i < length; ++i)
                    field.append(alphabet.at(random.bounded(alphabet.size())));
                field = field.trimmed();
                row.append(field);
                const bool needsQuotes = field.contains(u',') || field.contains(u'"') || field.contains(u'\n')
                    || field.contains(u'\r');
                QString copy = field;
                written.append(needsQuotes ? u'"' + copy.replace(u'"', QStringLiteral("\"\"")) + u'"' : field);
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
