#include "TestMain.h"

#include "services/QifParser.h"

Q_DECLARE_METATYPE(QifDateOrder)
Q_DECLARE_METATYPE(QifSection)
Q_DECLARE_METATYPE(QifAccountKind)

namespace {

QifParseResult parse(const char* text, QifDateOrder order = QifDateOrder::Detect)
{
    return parseQif(QString::fromUtf8(text), order);
}

QifDateOrder detect(const QStringList& lines)
{
    QList<QStringView> views;
    for (const QString& line : lines)
        views.append(line);
    return detectQifDateOrder(views);
}

} // namespace

class TestQifParser : public QObject
{
    Q_OBJECT

private slots:
    void dates_data();
    void dates();
    void dateOrderDetection_data();
    void dateOrderDetection();
    void amounts_data();
    void amounts();
    void categoryFields_data();
    void categoryFields();
    void headers_data();
    void headers();
    void lineEnds();

    void recordFields();
    void fileWithoutHeaders();
    void accountBlockNamesTheRecords();
    void accountsAreListedOnceIgnoringCase();
    void headerClosesAnOpenRecord();
    void metadataSectionsAreCounted();
    void invalidRecordsAreCounted();
    void categoryList();
    void splits();
    void clearedMarks_data();
    void clearedMarks();
    void byteOrderMarkOnAnyLine();
    void detectedOrderAppliesToTheWholeFile();
    void givenOrderIsUsedUnchanged();
};

void TestQifParser::dates_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QifDateOrder>("order");
    QTest::addColumn<QDate>("expected");

    const QifDateOrder md = QifDateOrder::MonthFirst;
    const QifDateOrder dm = QifDateOrder::DayFirst;
    const QifDateOrder detect = QifDateOrder::Detect;
    QTest::newRow("apostrophe year") << QStringLiteral("12/25'24") << md << QDate(2024, 12, 25);
    QTest::newRow("ISO") << QStringLiteral("2024-12-25") << md << QDate(2024, 12, 25);
    QTest::newRow("ISO ignores the order") << QStringLiteral("2024-12-05") << dm << QDate(2024, 12, 5);
    QTest::newRow("two-digit 95") << QStringLiteral("1/2/95") << md << QDate(1995, 1, 2);
    QTest::newRow("one-digit year") << QStringLiteral("1/2/5") << md << QDate(2005, 1, 2);
    QTest::newRow("two-digit 69 is 2069") << QStringLiteral("1/2/69") << md << QDate(2069, 1, 2);
    QTest::newRow("two-digit 70 is 1970") << QStringLiteral("1/2/70") << md << QDate(1970, 1, 2);
    QTest::newRow("two-digit 00") << QStringLiteral("1/ 1'00") << md << QDate(2000, 1, 1);
    QTest::newRow("two-digit 31") << QStringLiteral("08/27/31") << md << QDate(2031, 8, 27);
    QTest::newRow("four-digit year last") << QStringLiteral("01/02/1999") << md << QDate(1999, 1, 2);
    QTest::newRow("apostrophe four-digit year") << QStringLiteral("2/10'2020") << md << QDate(2020, 2, 10);
    QTest::newRow("day first") << QStringLiteral("01/02/2024") << dm << QDate(2024, 2, 1);
    QTest::newRow("dots, day first") << QStringLiteral("31.01.2024") << dm << QDate(2024, 1, 31);
    QTest::newRow("dotted short year") << QStringLiteral("10.18.23") << md << QDate(2023, 10, 18);
    QTest::newRow("dashes") << QStringLiteral("12-25-2024") << md << QDate(2024, 12, 25);
    QTest::newRow("detect: 13 or more is a day") << QStringLiteral("13/01/2024") << detect << QDate(2024, 1, 13);
    QTest::newRow("detect: 12 is a month") << QStringLiteral("12/01/2024") << detect << QDate(2024, 12, 1);
    QTest::newRow("blanks anywhere") << QStringLiteral(" 1 2/ 3 /2 024 ") << md << QDate(2024, 12, 3);
    QTest::newRow("doubled separators") << QStringLiteral("1//2//2024") << md << QDate(2024, 1, 2);
    QTest::newRow("extra parts ignored") << QStringLiteral("1/2/2024/7") << md << QDate(2024, 1, 2);
    QTest::newRow("leap day") << QStringLiteral("2/29/2024") << md << QDate(2024, 2, 29);

    QTest::newRow("empty") << QString() << md << QDate();
    QTest::newRow("two parts") << QStringLiteral("12/25") << md << QDate();
    QTest::newRow("no separators") << QStringLiteral("20241225") << md << QDate();
    QTest::newRow("letters") << QStringLiteral("Dec/25/2024") << md << QDate();
    QTest::newRow("month 13 month first") << QStringLiteral("13/01/2024") << md << QDate();
    QTest::newRow("month 25 day first") << QStringLiteral("12/25/2024") << dm << QDate();
    QTest::newRow("February 30") << QStringLiteral("2/30/2024") << md << QDate();
    QTest::newRow("no leap day") << QStringLiteral("2/29/2023") << md << QDate();
    QTest::newRow("year zero") << QStringLiteral("0000-01-01") << md << QDate(2000, 1, 1);
    QTest::newRow("number too large") << QStringLiteral("1/2/99999999999") << md << QDate();
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
    QTest::newRow("month first") << QStringList{"D01/02/2024", "D12/25/2024"} << QifDateOrder::MonthFirst;
    QTest::newRow("ISO dates say nothing") << QStringList{"D2024-12-25", "D2024-01-02"} << QifDateOrder::MonthFirst;
    QTest::newRow("any section, with a mark and blanks")
        << QStringList{"!Type:Cat", "\uFEFF  D 13.01.24  "} << QifDateOrder::DayFirst;
    QTest::newRow("unreadable day") << QStringList{"Dxx/01/2024", "D13/01"} << QifDateOrder::MonthFirst;
    QTest::newRow("unreadable year") << QStringList{"D13/01/yy"} << QifDateOrder::MonthFirst;
    QTest::newRow("bare D") << QStringList{"D", "D "} << QifDateOrder::MonthFirst;
    QTest::newRow("other letters") << QStringList{"T13/01/2024", "N25/1/24"} << QifDateOrder::MonthFirst;
}

void TestQifParser::dateOrderDetection()
{
    QFETCH(QStringList, lines);
    QFETCH(QifDateOrder, expected);
    QCOMPARE(detect(lines), expected);
}

void TestQifParser::amounts_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qint64>("expected");

    // The notations themselves are covered with the amount reader; these are the QIF view.
    QTest::newRow("US") << QStringLiteral("1,234.56") << true << qint64(123456);
    QTest::newRow("European") << QStringLiteral("1.234,56") << true << qint64(123456);
    QTest::newRow("parentheses") << QStringLiteral("(45.00)") << true << qint64(-4500);
    QTest::newRow("euro") << QStringLiteral("\u20AC1 000,50") << true << qint64(100050);
    QTest::newRow("one decimal") << QStringLiteral("-184.8") << true << qint64(-18480);
    QTest::newRow("2^53 hundredths") << QStringLiteral("90071992547409.92") << true << qint64(9007199254740992);
    QTest::newRow("beyond 2^53 hundredths") << QStringLiteral("90071992547409.93") << false << qint64(0);
    QTest::newRow("far beyond") << QStringLiteral("1e400") << false << qint64(0);
    QTest::newRow("letters") << QStringLiteral("12a") << false << qint64(0);
}

void TestQifParser::amounts()
{
    QFETCH(QString, value);
    QFETCH(bool, valid);
    QFETCH(qint64, expected);
    const std::optional<qint64> amount = parseQifAmount(value);
    QCOMPARE(amount.has_value(), valid);
    if (valid)
        QCOMPARE(*amount, expected);
}

void TestQifParser::categoryFields_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("transfer");

    QTest::newRow("plain") << QStringLiteral("Groceries") << QStringLiteral("Groceries") << QString();
    QTest::newRow("class dropped") << QStringLiteral("Groceries/Home") << QStringLiteral("Groceries") << QString();
    QTest::newRow("transfer with class") << QStringLiteral("[Savings]/Home") << QString() << QStringLiteral("Savings");
    QTest::newRow("transfer, blanks") << QStringLiteral(" [ My Cc ] ") << QString() << QStringLiteral("My Cc");
    QTest::newRow("subcategory") << QStringLiteral("Auto:Fuel") << QStringLiteral("Auto:Fuel") << QString();
    QTest::newRow("class only") << QStringLiteral("/Home") << QString() << QString();
    QTest::newRow("open bracket only") << QStringLiteral("[Savings") << QStringLiteral("[Savings") << QString();
    QTest::newRow("empty brackets") << QStringLiteral("[]") << QString() << QString();
    QTest::newRow("blank before class") << QStringLiteral("Food /Home") << QStringLiteral("Food") << QString();
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
    QTest::newRow("bank") << QStringLiteral("!Type:Bank") << QifSection::Transactions << bank;
    QTest::newRow("lower case") << QStringLiteral("!type:bank") << QifSection::Transactions << bank;
    QTest::newRow("trailing blank") << QStringLiteral("!Type:Bank ") << QifSection::Transactions << bank;
    QTest::newRow("ccard") << QStringLiteral("!Type:CCard") << QifSection::Transactions << QifAccountKind::CCard;
    QTest::newRow("invst") << QStringLiteral("!TYPE:INVST") << QifSection::Transactions << QifAccountKind::Invst;
    QTest::newRow("cash") << QStringLiteral("!Type:Cash") << QifSection::Transactions << QifAccountKind::Cash;
    QTest::newRow("oth a") << QStringLiteral("!Type:Oth A") << QifSection::Transactions << QifAccountKind::OthA;
    QTest::newRow("oth l") << QStringLiteral("!Type: oth l ") << QifSection::Transactions << QifAccountKind::OthL;
    QTest::newRow("unknown type") << QStringLiteral("!Type:Port") << QifSection::Transactions << bank;
    QTest::newRow("categories") << QStringLiteral("!Type:Cat") << QifSection::CategoryList << bank;
    QTest::newRow("classes") << QStringLiteral("!Type:Class") << QifSection::Skipped << bank;
    QTest::newRow("memorized") << QStringLiteral("!Type:Memorized") << QifSection::Skipped << bank;
    QTest::newRow("tags") << QStringLiteral("!Type:Tag") << QifSection::Skipped << bank;
    QTest::newRow("securities") << QStringLiteral("!Type:Security") << QifSection::Skipped << bank;
    QTest::newRow("prices") << QStringLiteral("!Type:Prices") << QifSection::Skipped << bank;
    QTest::newRow("account") << QStringLiteral("!Account") << QifSection::AccountList << bank;
    QTest::newRow("option") << QStringLiteral("!Option:AutoSwitch") << QifSection::Skipped << bank;
    QTest::newRow("clear") << QStringLiteral("!clear:autoswitch") << QifSection::Skipped << bank;
    QTest::newRow("typo") << QStringLiteral("!Tyep:Bank") << QifSection::Unknown << bank;
    QTest::newRow("bare") << QStringLiteral("!") << QifSection::Unknown << bank;
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
    const QString text = QStringLiteral("a\r\nb\rc\n\r\nd\r");
    const QList<QStringView> lines = splitQifLines(text);
    QCOMPARE(lines.size(), 6);
    QCOMPARE(lines.at(0), u"a");
    QCOMPARE(lines.at(1), u"b");
    QCOMPARE(lines.at(2), u"c");
    QCOMPARE(lines.at(3), u"");
    QCOMPARE(lines.at(4), u"d");
    QCOMPARE(lines.at(5), u"");

    // A file saved with classic Mac line ends reads like any other.
    const QifParseResult result = parse("!Type:Bank\rD1/2/2024\rT-5.00\rPShop\r^\rD1/3/2024\rT6\r^\r");
    QCOMPARE(result.records.size(), 2);
    QCOMPARE(result.records.at(0).payee, QStringLiteral("Shop"));
    QCOMPARE(result.records.at(1).amount, qint64(600));
}

void TestQifParser::recordFields()
{
    const QifParseResult result = parse("!Type:Bank\n"
                                        "D12/25'24\n"
                                        "T-1,234.56\n"
                                        "U-9.99\n"
                                        "P  Holiday Market  \n"
                                        "MGifts for  everyone\n"
                                        "LGroceries/Home\n"
                                        "N1001\n"
                                        "YACME\n"
                                        "CX\n"
                                        "AStreet 1\n"
                                        "Q12\n"
                                        "^\n");
    QCOMPARE(result.records.size(), 1);
    const QifRecord& r = result.records.first();
    QCOMPARE(r.date, QDate(2024, 12, 25));
    QCOMPARE(r.amount, qint64(-999)); // a later amount line wins
    QCOMPARE(r.payee, QStringLiteral("Holiday Market"));
    QCOMPARE(r.memo, QStringLiteral("Gifts for  everyone"));
    QCOMPARE(r.category, QStringLiteral("Groceries"));
    QCOMPARE(r.transferAccount, QString());
    QCOMPARE(r.checkNumber, QStringLiteral("1001"));
    QCOMPARE(r.security, QStringLiteral("ACME"));
    QCOMPARE(r.cleared, true);
    QCOMPARE(r.reconciled, false);
    QVERIFY(r.splits.isEmpty());
    QCOMPARE(r.sourceAccount, QString());
    QCOMPARE(result.skippedInvalid, 0);

    // An unreadable amount does not replace a readable one; '$' outside a split is an amount.
    const QifParseResult later = parse("D1/2/2024\nT5.00\nTabc\n^\nD1/2/2024\n$7\n^\n");
    QCOMPARE(later.records.size(), 2);
    QCOMPARE(later.records.at(0).amount, qint64(500));
    QCOMPARE(later.records.at(1).amount, qint64(700));
}

void TestQifParser::fileWithoutHeaders()
{
    const QifParseResult result = parse("D1/2/2024\nT-5\nPA\n^\nD1/3/2024\nT6\nPB");
    QCOMPARE(result.records.size(), 2); // the last record needs no '^'
    QCOMPARE(result.records.at(0).sourceAccount, QString());
    QCOMPARE(result.records.at(1).payee, QStringLiteral("B"));
    QVERIFY(result.accounts.isEmpty());
    QCOMPARE(result.skippedInvalid, 0);
    QCOMPARE(result.skippedMetadata, 0);

    const QifParseResult empty = parse("");
    QVERIFY(empty.records.isEmpty());
    QCOMPARE(empty.dateOrder, QifDateOrder::MonthFirst);
}

void TestQifParser::accountBlockNamesTheRecords()
{
    const QifParseResult result = parse("!Account\nNChecking\nTBank\n^\n!Type:Bank\n"
                                        "D1/2/2024\nT-5\n^\nD1/3/2024\nT6\n^\n"
                                        "!Account\nNVisa\nTCCard\n^\n!Type:CCard\nD1/4/2024\nT-7\n^\n"
                                        "!Account\nNBroker\n^\n!Type:Invst\nD1/5/2024\nT-8\n^\n");
    QCOMPARE(result.records.size(), 4);
    QCOMPARE(result.records.at(0).sourceAccount, QStringLiteral("Checking"));
    QCOMPARE(result.records.at(1).sourceAccount, QStringLiteral("Checking"));
    QCOMPARE(result.records.at(2).sourceAccount, QStringLiteral("Visa"));
    QCOMPARE(result.records.at(3).sourceAccount, QStringLiteral("Broker"));
    QCOMPARE(result.accounts.size(), 3);
    QCOMPARE(result.accounts.at(0).name, QStringLiteral("Checking"));
    QCOMPARE(result.accounts.at(0).kind, QifAccountKind::Bank);
    QCOMPARE(result.accounts.at(1).name, QStringLiteral("Visa"));
    QCOMPARE(result.accounts.at(1).kind, QifAccountKind::CCard);
    QCOMPARE(result.accounts.at(2).kind, QifAccountKind::Invst);

    // An account block without records lists no account.
    const QifParseResult unused = parse("!Account\nNEmpty\nTBank\n^\n");
    QVERIFY(unused.accounts.isEmpty());
}

void TestQifParser::accountsAreListedOnceIgnoringCase()
{
    const QifParseResult result = parse("!Account\nNChecking\n^\n!Type:Bank\nD1/2/2024\nT1\n^\n"
                                        "!Account\nNchecking\n^\n!Type:CCard\nD1/3/2024\nT2\n^\n");
    QCOMPARE(result.accounts.size(), 1);
    QCOMPARE(result.accounts.first().name, QStringLiteral("Checking"));
    QCOMPARE(result.accounts.first().kind, QifAccountKind::Bank);
    QCOMPARE(result.records.at(1).sourceAccount, QStringLiteral("checking"));
}

void TestQifParser::headerClosesAnOpenRecord()
{
    // No '^' after the account block nor after the first record.
    const QifParseResult result = parse("!Account\nNChecking\nTBank\n!Type:Bank\nD1/2/2024\nT-5\n"
                                        "!Type:Cat\nNFood\n^\n");
    QCOMPARE(result.records.size(), 1);
    QCOMPARE(result.records.first().sourceAccount, QStringLiteral("Checking"));
    QCOMPARE(result.categories.size(), 1);
}

void TestQifParser::metadataSectionsAreCounted()
{
    const QifParseResult result = parse("!Type:Class\nNHome\n^\nNWork\n^\n"
                                        "!Type:Memorized\nKE\nT-9.99\n^\n"
                                        "!Type:Tag\nNTrip\n^\n"
                                        "!Type:Security\nNACME\nSACME\n^\n"
                                        "!Type:Prices\n\"ACME\",12.5,\"1/2/24\"\n^\n"
                                        "!Option:AutoSwitch\n!Clear:AutoSwitch\n^\n");
    QCOMPARE(result.skippedMetadata, 6);
    QVERIFY(result.records.isEmpty());
    QCOMPARE(result.skippedInvalid, 0);
}

void TestQifParser::invalidRecordsAreCounted()
{
    const QifParseResult result = parse("!Type:Bank\n"
                                        "D1/2/2024\nPNo amount\n^\n"
                                        "D1/2/2024\nT12a\n^\n"
                                        "T5\nPNo date\n^\n"
                                        "D2/30/2024\nT5\n^\n"
                                        "D1/2/2024\nS Food\n$-5\n^\n"
                                        "D1/2/2024\nT90071992547409.93\n^\n"
                                        "QOnly ignored letters\nI12.5\nO1.00\n^\n"
                                        "^\n^\n");
    QCOMPARE(result.skippedInvalid, 6);
    QVERIFY(result.records.isEmpty());
    QCOMPARE(result.skippedMetadata, 0);
}

void TestQifParser::categoryList()
{
    const QifParseResult result = parse("!Type:Cat\nNGroceries\nDFood and household\nE\n^\n"
                                        "NSalary\nI\n^\n"
                                        "NToggled\nI\nE\n^\n"
                                        "DNo name\n^\n"
                                        "NLast without caret");
    QCOMPARE(result.categories.size(), 4);
    QCOMPARE(result.categories.at(0).name, QStringLiteral("Groceries"));
    QCOMPARE(result.categories.at(0).description, QStringLiteral("Food and household"));
    QCOMPARE(result.categories.at(0).isIncome, false);
    QCOMPARE(result.categories.at(1).isIncome, true);
    QCOMPARE(result.categories.at(2).isIncome, false);
    QCOMPARE(result.categories.at(3).name, QStringLiteral("Last without caret"));
    QCOMPARE(result.categories.at(3).description, QString());
    QVERIFY(result.records.isEmpty());
}

void TestQifParser::splits()
{
    const QifParseResult result = parse("!Type:Bank\n"
                                        "D1/2/2024\nT-100\nLGroceries\n"
                                        "SGroceries/Home\n$-60\nEFood\n"
                                        "S[Visa]\nEPaid by card\n$-40,00\n"
                                        "SNo amount\n"
                                        "^\n"
                                        "D1/3/2024\nT-5\nEMemo without split\n$-5\n^\n");
    QCOMPARE(result.records.size(), 2);
    const QList<QifSplit>& splits = result.records.first().splits;
    QCOMPARE(splits.size(), 3);
    QCOMPARE(splits.at(0).category, QStringLiteral("Groceries"));
    QCOMPARE(splits.at(0).amount, qint64(-6000));
    QCOMPARE(splits.at(0).memo, QStringLiteral("Food"));
    QCOMPARE(splits.at(1).transferAccount, QStringLiteral("Visa"));
    QCOMPARE(splits.at(1).category, QString());
    QCOMPARE(splits.at(1).amount, qint64(-4000));
    QCOMPARE(splits.at(1).memo, QStringLiteral("Paid by card"));
    QCOMPARE(splits.at(2).amount, qint64(0));
    QCOMPARE(result.records.first().amount, qint64(-10000)); // split amounts leave the total alone

    const QifRecord& plain = result.records.at(1);
    QVERIFY(plain.splits.isEmpty());
    QCOMPARE(plain.memo, QString());
    QCOMPARE(plain.amount, qint64(-500));
}

void TestQifParser::clearedMarks_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("cleared");
    QTest::addColumn<bool>("reconciled");

    QTest::newRow("X") << QStringLiteral("CX") << true << false;
    QTest::newRow("x") << QStringLiteral("Cx") << true << false;
    QTest::newRow("star") << QStringLiteral("C*") << true << false;
    QTest::newRow("c") << QStringLiteral("Cc") << true << false;
    QTest::newRow("R") << QStringLiteral("CR") << true << true;
    QTest::newRow("r") << QStringLiteral("C r") << true << true;
    QTest::newRow("bare C") << QStringLiteral("C") << false << false;
    QTest::newRow("other") << QStringLiteral("C?") << false << false;
}

void TestQifParser::clearedMarks()
{
    QFETCH(QString, line);
    QFETCH(bool, cleared);
    QFETCH(bool, reconciled);
    const QifParseResult result = parseQif(QStringLiteral("D1/2/2024\nT1\n%1\n^\n").arg(line), QifDateOrder::Detect);
    QCOMPARE(result.records.size(), 1);
    QCOMPARE(result.records.first().cleared, cleared);
    QCOMPARE(result.records.first().reconciled, reconciled);
}

void TestQifParser::byteOrderMarkOnAnyLine()
{
    const QifParseResult result = parseQif(QStringLiteral("\uFEFF!Type:Bank\nD1/2/2024\nT1\n^\n"
                                                          "\uFEFF\uFEFF!Type:Bank\n\uFEFFD1/3/2024\nT2\n^\n"),
                                           QifDateOrder::Detect);
    QCOMPARE(result.records.size(), 2);
    QCOMPARE(result.records.at(1).date, QDate(2024, 1, 3));
}

void TestQifParser::detectedOrderAppliesToTheWholeFile()
{
    const QifParseResult dayFirst = parse("D01/02/2024\nT1\n^\nD25/12/2024\nT2\n^\n");
    QCOMPARE(dayFirst.dateOrder, QifDateOrder::DayFirst);
    QCOMPARE(dayFirst.records.at(0).date, QDate(2024, 2, 1));
    QCOMPARE(dayFirst.records.at(1).date, QDate(2024, 12, 25));

    const QifParseResult monthFirst = parse("D01/02/2024\nT1\n^\nD12/25/2024\nT2\n^\n");
    QCOMPARE(monthFirst.dateOrder, QifDateOrder::MonthFirst);
    QCOMPARE(monthFirst.records.at(0).date, QDate(2024, 1, 2));
    QCOMPARE(monthFirst.records.at(1).date, QDate(2024, 12, 25));
}

void TestQifParser::givenOrderIsUsedUnchanged()
{
    const QifParseResult result = parse("D01/02/2024\nT1\n^\nD25/12/2024\nT2\n^\n", QifDateOrder::MonthFirst);
    QCOMPARE(result.dateOrder, QifDateOrder::MonthFirst);
    QCOMPARE(result.records.size(), 1);
    QCOMPARE(result.records.first().date, QDate(2024, 1, 2));
    QCOMPARE(result.skippedInvalid, 1);
}

VELLUMRY_TEST_GUILESS_MAIN(TestQifParser)
#include "tst_qifparser.moc"
