#include "QifRecordText.h"
#include "TestMain.h"

Q_DECLARE_METATYPE(QifDateOrder)
Q_DECLARE_METATYPE(QifSection)
Q_DECLARE_METATYPE(QifAccountKind)

class TestQifParser : public QObject
{
    Q_OBJECT

private slots:
    void dates_data();
    void dates();
    void dateOrderDetection_data();
    void dateOrderDetection();
    void amounts();
    void categoryFields_data();
    void categoryFields();
    void headers_data();
    void headers();
    void lineEnds();
    void files_data();
    void files();
    void categoryList();
};

void TestQifParser::dates_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QifDateOrder>("order");
    QTest::addColumn<QDate>("expected");

    const QifDateOrder md = QifDateOrder::MonthFirst;
    const QifDateOrder dm = QifDateOrder::DayFirst;
    QTest::newRow("apostrophe year") << QStringLiteral("12/25'24") << md << QDate(2024, 12, 25);
    QTest::newRow("ISO ignores the order") << QStringLiteral("2024-12-05") << dm << QDate(2024, 12, 5);
    QTest::newRow("one-digit year") << QStringLiteral("1/2/5") << md << QDate(2005, 1, 2);
    QTest::newRow("two-digit 69 is 2069") << QStringLiteral("1/2/69") << md << QDate(2069, 1, 2);
    QTest::newRow("two-digit 70 is 1970") << QStringLiteral("1/2/70") << md << QDate(1970, 1, 2);
    QTest::newRow("two-digit 00") << QStringLiteral("1/ 1'00") << md << QDate(2000, 1, 1);
    QTest::newRow("apostrophe four-digit year") << QStringLiteral("2/10'2020") << md << QDate(2020, 2, 10);
    QTest::newRow("dots, day first") << QStringLiteral("31.01.2024") << dm << QDate(2024, 1, 31);
    QTest::newRow("dashes") << QStringLiteral("12-25-2024") << md << QDate(2024, 12, 25);
    QTest::newRow("detect: 13 or more is a day") << QStringLiteral("13/01/2024") << QifDateOrder::Detect
                                                 << QDate(2024, 1, 13);
    QTest::newRow("blanks anywhere") << QStringLiteral(" 1 2/ 3 /2 024 ") << md << QDate(2024, 12, 3);
    QTest::newRow("doubled separators") << QStringLiteral("1//2//2024") << md << QDate(2024, 1, 2);
    QTest::newRow("extra parts ignored") << QStringLiteral("1/2/2024/7") << md << QDate(2024, 1, 2);
    QTest::newRow("year zero") << QStringLiteral("0000-01-01") << md << QDate(2000, 1, 1);
    QTest::newRow("last four-digit year") << QStringLiteral("12/31/9999") << md << QDate(9999, 12, 31);

    QTest::newRow("two parts") << QStringLiteral("12/25") << md << QDate();
    QTest::newRow("no separators") << QStringLiteral("20241225") << md << QDate();
    QTest::newRow("letters") << QStringLiteral("Dec/25/2024") << md << QDate();
    QTest::newRow("month 13 month first") << QStringLiteral("13/01/2024") << md << QDate();
    QTest::newRow("month 25 day first") << QStringLiteral("12/25/2024") << dm << QDate();
    QTest::newRow("no leap day") << QStringLiteral("2/29/2023") << md << QDate();
    QTest::newRow("number too large") << QStringLiteral("1/2/99999999999") << md << QDate();
    // The ledger writes and reads four-digit years only.
    QTest::newRow("five-digit year") << QStringLiteral("6/2/22024") << md << QDate();
    QTest::newRow("year 9999") << QStringLiteral("12/31/9999") << md << QDate(9999, 12, 31);
}

void TestQifParser::dates()
{
    QFETCH(QString, value);
    QFETCH(QifDateOrder, order);
    QFETCH(QDate, expected);
    QCOMPARE(parseQifDate(value, order).value_or(QDate()), expected);
}

void TestQifParser::dateOrderDetection_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QifDateOrder>("expected");

    QTest::newRow("nothing") << QStringList() << QifDateOrder::MonthFirst;
    QTest::newRow("day above 12 first") << QStringList{"D01/02/2024", "D25/12/2024"} << QifDateOrder::DayFirst;
    QTest::newRow("ISO dates say nothing") << QStringList{"D2024-12-25", "D2024-01-02"} << QifDateOrder::MonthFirst;
    QTest::newRow("any section, with a mark and blanks")
        << QStringList{"!Type:Cat", "\uFEFF  D 13.01.24  "} << QifDateOrder::DayFirst;
    QTest::newRow("unreadable dates") << QStringList{"Dxx/01/2024", "D13/01", "D13/01/yy", "D"}
                                      << QifDateOrder::MonthFirst;
    QTest::newRow("other letters") << QStringList{"T13/01/2024", "N25/1/24"} << QifDateOrder::MonthFirst;
    // Only a date that reads day first decides; one that reads neither way is no date.
    QTest::newRow("no month 13") << QStringList{"D13/13/13", "D01/15/2024"} << QifDateOrder::MonthFirst;
    QTest::newRow("no 30 February") << QStringList{"D30/02/2024"} << QifDateOrder::MonthFirst;
    QTest::newRow("a year the ledger cannot hold") << QStringList{"D13/01/22024"} << QifDateOrder::MonthFirst;
    QTest::newRow("a real one after them") << QStringList{"D13/13/13", "D29/02/2024"} << QifDateOrder::DayFirst;
}

void TestQifParser::dateOrderDetection()
{
    QFETCH(QStringList, lines);
    QFETCH(QifDateOrder, expected);
    QList<QStringView> views;
    for (const QString& line : lines)
        views.append(line);
    QCOMPARE(detectQifDateOrder(views), expected);
}

void TestQifParser::amounts()
{
    // The notations themselves are covered with the amount reader; these are the QIF view.
    QCOMPARE(parseQifAmount(u"1.234,56"), std::optional<qint64>(123456));
    QCOMPARE(parseQifAmount(u"(45.00)"), std::optional<qint64>(-4500));
    QCOMPARE(parseQifAmount(u"\u20AC1 000,50"), std::optional<qint64>(100050));
    QCOMPARE(parseQifAmount(u"90071992547409.92"), std::optional<qint64>(9007199254740992));
    QCOMPARE(parseQifAmount(u"90071992547409.93"), std::nullopt);
    QCOMPARE(parseQifAmount(u"1e400"), std::nullopt);
}

void TestQifParser::categoryFields_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("transfer");

    QTest::newRow("class dropped") << QStringLiteral("Groceries/Home") << QStringLiteral("Groceries") << QString();
    QTest::newRow("transfer with class") << QStringLiteral("[Savings]/Home") << QString() << QStringLiteral("Savings");
    QTest::newRow("transfer, blanks") << QStringLiteral(" [ My Cc ] ") << QString() << QStringLiteral("My Cc");
    QTest::newRow("subcategory") << QStringLiteral("Auto:Fuel") << QStringLiteral("Auto:Fuel") << QString();
    QTest::newRow("class only") << QStringLiteral("/Home") << QString() << QString();
    QTest::newRow("open bracket only") << QStringLiteral("[Savings") << QStringLiteral("[Savings") << QString();
    QTest::newRow("empty brackets") << QStringLiteral("[]") << QString() << QString();
}

void TestQifParser::categoryFields()
{
    QFETCH(QString, value);
    QFETCH(QString, category);
    QFETCH(QString, transfer);
    const QifCategoryField field = splitQifCategory(value);
    QCOMPARE(field.category, category);
    QCOMPARE(field.transferAccount, transfer);
}

void TestQifParser::headers_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QifSection>("section");
    QTest::addColumn<QifAccountKind>("kind");

    const QifAccountKind bank = QifAccountKind::Bank;
    QTest::newRow("lower case, trailing blank") << QStringLiteral("!type:bank ") << QifSection::Transactions << bank;
    QTest::newRow("ccard") << QStringLiteral("!Type:CCard") << QifSection::Transactions << QifAccountKind::CCard;
    QTest::newRow("invst") << QStringLiteral("!TYPE:INVST") << QifSection::Transactions << QifAccountKind::Invst;
    QTest::newRow("cash") << QStringLiteral("!Type:Cash") << QifSection::Transactions << QifAccountKind::Cash;
    QTest::newRow("oth a") << QStringLiteral("!Type:Oth A") << QifSection::Transactions << QifAccountKind::OthA;
    QTest::newRow("oth l") << QStringLiteral("!Type: oth l ") << QifSection::Transactions << QifAccountKind::OthL;
    QTest::newRow("unknown type") << QStringLiteral("!Type:Port") << QifSection::Transactions << bank;
    QTest::newRow("categories") << QStringLiteral("!Type:Cat") << QifSection::CategoryList << bank;
    QTest::newRow("memorized") << QStringLiteral("!Type:Memorized") << QifSection::Skipped << bank;
    QTest::newRow("account") << QStringLiteral("!Account") << QifSection::AccountList << bank;
    QTest::newRow("clear") << QStringLiteral("!clear:autoswitch") << QifSection::Skipped << bank;
    QTest::newRow("typo") << QStringLiteral("!Tyep:Bank") << QifSection::Unknown << bank;
}

void TestQifParser::headers()
{
    QFETCH(QString, line);
    QFETCH(QifSection, section);
    QFETCH(QifAccountKind, kind);
    QCOMPARE(qifSectionForHeader(line), section);
    QCOMPARE(qifAccountKindForHeader(line), kind);
}

void TestQifParser::lineEnds()
{
    QCOMPARE(splitQifLines(u"a\r\nb\rc\n\r\nd\r"), (QList<QStringView>{u"a", u"b", u"c", u"", u"d", u""}));
}

void TestQifParser::files_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QifDateOrder>("order");
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<QStringList>("accounts");
    QTest::addColumn<int>("invalid");
    QTest::addColumn<int>("metadata");

    const auto row = [](const char* name, const char* text, const QStringList& records,
                        const QStringList& accounts = {}, int invalid = 0, int metadata = 0,
                        QifDateOrder order = QifDateOrder::Detect) {
        QTest::newRow(name) << QString::fromUtf8(text) << order << records << accounts << invalid << metadata;
    };
    // A later amount line wins; letters the parser does not know are ignored.
    row("every record field",
        "!Type:Bank\nD12/25'24\nT-1,234.56\nU-9.99\nP  Holiday Market  \nMGifts for  everyone\nLGroceries/Home\n"
        "N1001\nYACME\nCX\nAStreet 1\nQ12\n^\n",
        {"2024-12-25|-999|Holiday Market|LGroceries|MGifts for  everyone|N1001|YACME|CX"});
    row("an unreadable amount keeps the readable one; $ outside a split is an amount",
        "D1/2/2024\nT5.00\nTabc\n^\nD1/2/2024\n$7\n^\n", {"2024-01-02|500|", "2024-01-02|700|"});
    row("classic Mac line ends", "!Type:Bank\rD1/2/2024\rT-5.00\rPShop\r^\rD1/3/2024\rT6\r^\r",
        {"2024-01-02|-500|Shop", "2024-01-03|600|"});
    row("no headers, last record without a caret", "D1/2/2024\nT-5\nPA\n^\nD1/3/2024\nT6\nPB",
        {"2024-01-02|-500|A", "2024-01-03|600|B"});
    row("byte-order marks on any line",
        "\uFEFF!Type:Bank\nD1/2/2024\nT1\n^\n\uFEFF\uFEFF!Type:Bank\n\uFEFFD1/3/2024\nT2\n^\n",
        {"2024-01-02|100|", "2024-01-03|200|"});
    row("account blocks name the records",
        "!Account\nNChecking\nTBank\n^\n!Type:Bank\nD1/2/2024\nT-5\n^\nD1/3/2024\nT6\n^\n"
        "!Account\nNVisa\nTCCard\n^\n!Type:CCard\nD1/4/2024\nT-7\n^\n"
        "!Account\nNBroker\n^\n!Type:Invst\nD1/5/2024\nT-8\n^\n"
        "!Account\nNEmpty\nTBank\n^\n",
        {"2024-01-02|-500||@Checking", "2024-01-03|600||@Checking", "2024-01-04|-700||@Visa",
         "2024-01-05|-800||@Broker"},
        {"Checking:0", "Visa:1", "Broker:2"});
    row("accounts are listed once, ignoring case",
        "!Account\nNChecking\n^\n!Type:Bank\nD1/2/2024\nT1\n^\n!Account\nNchecking\n^\n!Type:CCard\nD1/3/2024\nT2\n^\n",
        {"2024-01-02|100||@Checking", "2024-01-03|200||@checking"}, {"Checking:0"});
    row("a header closes an open record",
        "!Account\nNChecking\nTBank\n!Type:Bank\nD1/2/2024\nT-5\n!Type:Cat\nNFood\n^\n",
        {"2024-01-02|-500||@Checking"}, {"Checking:0"});
    row("metadata sections are counted",
        "!Type:Class\nNHome\n^\nNWork\n^\n!Type:Memorized\nKE\nT-9.99\n^\n!Type:Tag\nNTrip\n^\n"
        "!Type:Security\nNACME\nSACME\n^\n!Type:Prices\n\"ACME\",12.5,\"1/2/24\"\n^\n"
        "!Option:AutoSwitch\n!Clear:AutoSwitch\n^\n",
        {}, {}, 0, 6);
    row("invalid records are counted",
        "!Type:Bank\nD1/2/2024\nPNo amount\n^\nD1/2/2024\nT12a\n^\nT5\nPNo date\n^\nD2/30/2024\nT5\n^\n"
        "D1/2/2024\nS Food\n$-5\n^\nD1/2/2024\nT90071992547409.93\n^\nQOnly ignored letters\nI12.5\nO1.00\n^\n^\n^\n",
        {}, {}, 6);
    row("splits", "!Type:Bank\nD1/2/2024\nT-100\nLGroceries\nSGroceries/Home\n$-60\nEFood\nS[Visa]\nEPaid by card\n"
        "$-40,00\nSNo amount\n^\nD1/3/2024\nT-5\nEMemo without split\n$-5\n^\n",
        {"2024-01-02|-10000||LGroceries|S-6000:Groceries:Food|S-4000:>Visa:Paid by card|S0:No amount:", "2024-01-03|-500|"});
    row("cleared marks", "D1/2/2024\nT1\nCx\n^\nD1/2/2024\nT1\nC*\n^\nD1/2/2024\nT1\nC r\n^\n"
        "D1/2/2024\nT1\nC\n^\nD1/2/2024\nT1\nC?\n^\n",
        {"2024-01-02|100||CX", "2024-01-02|100||CX", "2024-01-02|100||CR", "2024-01-02|100|", "2024-01-02|100|"});
    row("a day above 12 makes the whole file day-first", "D01/02/2024\nT1\n^\nD25/12/2024\nT2\n^\n",
        {"2024-02-01|100|", "2024-12-25|200|"});
    row("otherwise month-first", "D01/02/2024\nT1\n^\nD12/25/2024\nT2\n^\n", {"2024-01-02|100|", "2024-12-25|200|"});
    row("a given order is used unchanged", "D01/02/2024\nT1\n^\nD25/12/2024\nT2\n^\n", {"2024-01-02|100|"}, {}, 1, 0,
        QifDateOrder::MonthFirst);
}

void TestQifParser::files()
{
    QFETCH(QString, text);
    QFETCH(QifDateOrder, order);
    QFETCH(QStringList, records);
    QFETCH(QStringList, accounts);
    QFETCH(int, invalid);
    QFETCH(int, metadata);

    const QifParseResult result = parseQif(text, order);
    QCOMPARE(qifRecordTexts(result), records);
    QCOMPARE(qifAccountTexts(result), accounts);
    QCOMPARE(result.skippedInvalid, invalid);
    QCOMPARE(result.skippedMetadata, metadata);
}

void TestQifParser::categoryList()
{
    const QifParseResult result = parseQif(QStringLiteral("!Type:Cat\nNGroceries\nDFood and household\nE\n^\n"
                                                          "NSalary\nI\n^\nNToggled\nI\nE\n^\nDNo name\n^\n"
                                                          "NLast without caret"),
                                           QifDateOrder::Detect);
    QStringList categories;
    for (const QifCategory& category : result.categories)
        categories.append(QStringLiteral("%1|%2|%3").arg(category.name, category.description).arg(category.isIncome));
    QCOMPARE(categories, QStringList({"Groceries|Food and household|0", "Salary||1", "Toggled||0",
                                      "Last without caret||0"}));
    QVERIFY(result.records.isEmpty());
}

VELLUMRY_TEST_GUILESS_MAIN(TestQifParser)
#include "tst_qifparser.moc"
