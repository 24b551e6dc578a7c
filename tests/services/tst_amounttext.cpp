#include "TestMain.h"

#include "services/AmountText.h"

#include <limits>

namespace {

// Stands for "no amount" in the tables below; no row expects that value.
constexpr qint64 kNone = std::numeric_limits<qint64>::min();

qint64 minorUnitsOf(const QString& text, int unitsPerWhole)
{
    const std::optional<DecimalAmount> amount = readAmountText(text);
    if (!amount)
        return kNone;
    return amount->toMinorUnits(unitsPerWhole).value_or(kNone);
}

} // namespace

class TestAmountText : public QObject
{
    Q_OBJECT

private slots:
    void hundredths_data();
    void hundredths();
    void exactDigitsAreKept();
    void yen_data();
    void yen();
    void limitOfTwoToThe53();
    void unsupportedScales();
    void rescalingStoredAmounts();
};

void TestAmountText::hundredths_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("expected");

    // Marks: the later one is the decimal mark; a lone one before exactly three digits groups.
    QTest::newRow("US grouping") << QStringLiteral("1,234.56") << qint64(123456);
    QTest::newRow("European grouping") << QStringLiteral("1.234,56") << qint64(123456);
    QTest::newRow("comma groups thousands") << QStringLiteral("1,234") << qint64(123400);
    QTest::newRow("dot groups thousands") << QStringLiteral("1.234") << qint64(123400);
    QTest::newRow("three decimals read as a group") << QStringLiteral("123.456") << qint64(12345600);
    QTest::newRow("four decimals") << QStringLiteral("123.4567") << qint64(12346);
    QTest::newRow("plain decimals") << QStringLiteral("12.50") << qint64(1250);
    QTest::newRow("comma decimal") << QStringLiteral("1,5") << qint64(150);
    QTest::newRow("leading comma is decimal") << QStringLiteral(",123") << qint64(12);
    QTest::newRow("leading dot") << QStringLiteral(".5") << qint64(50);
    QTest::newRow("trailing dot") << QStringLiteral("12.") << qint64(1200);
    QTest::newRow("millions, European") << QStringLiteral("1.234.567,89") << qint64(123456789);
    QTest::newRow("millions, grouped only") << QStringLiteral("1,234,567") << qint64(123456700);
    QTest::newRow("no marks") << QStringLiteral("42") << qint64(4200);
    QTest::newRow("zero") << QStringLiteral("0.00") << qint64(0);
    QTest::newRow("negative zero") << QStringLiteral("-0.00") << qint64(0);

    // Signs and parentheses.
    QTest::newRow("parentheses") << QStringLiteral("(45.00)") << qint64(-4500);
    QTest::newRow("minus inside parentheses") << QStringLiteral("(-45.00)") << qint64(4500);
    QTest::newRow("blanks inside parentheses") << QStringLiteral("( 45.00 )") << qint64(-4500);
    QTest::newRow("minus before parentheses") << QStringLiteral("-(45.00)") << kNone;
    QTest::newRow("plus") << QStringLiteral("+5") << qint64(500);
    QTest::newRow("plus then minus") << QStringLiteral("+-5") << kNone;
    QTest::newRow("two minus signs") << QStringLiteral("--5") << kNone;
    QTest::newRow("trailing minus") << QStringLiteral("5-") << kNone;

    // Currency signs and blanks anywhere.
    QTest::newRow("euro with blank group") << QStringLiteral("\u20AC1 000,50") << qint64(100050);
    QTest::newRow("no-break space group") << QStringLiteral("1\u00A0000,50 \u20AC") << qint64(100050);
    QTest::newRow("narrow no-break space") << QStringLiteral("-1\u202F234,5") << qint64(-123450);
    QTest::newRow("dollar then minus") << QStringLiteral("$-12.00") << qint64(-1200);
    QTest::newRow("minus then dollar") << QStringLiteral("-$1,036.47") << qint64(-103647);
    QTest::newRow("pound") << QStringLiteral("\u00A37.5") << qint64(750);
    QTest::newRow("yen sign") << QStringLiteral("\u00A53000") << qint64(300000);
    QTest::newRow("blanks around") << QStringLiteral("  \t12.34\n") << qint64(1234);

    // Not amounts.
    QTest::newRow("badly grouped") << QStringLiteral("1,23,456") << kNone;
    QTest::newRow("empty group") << QStringLiteral("1,,234") << kNone;
    QTest::newRow("dots only grouped wrongly") << QStringLiteral("1.2.3") << kNone;
    QTest::newRow("two decimal marks") << QStringLiteral("1,234.5.6") << kNone;
    QTest::newRow("letter") << QStringLiteral("12a") << kNone;
    QTest::newRow("exponent") << QStringLiteral("1e5") << kNone;
    QTest::newRow("lone dot") << QStringLiteral(".") << kNone;
    QTest::newRow("lone comma") << QStringLiteral(",") << kNone;
    QTest::newRow("empty") << QString() << kNone;
    QTest::newRow("blanks") << QStringLiteral("   ") << kNone;
    QTest::newRow("currency sign only") << QStringLiteral("$") << kNone;
    QTest::newRow("empty parentheses") << QStringLiteral("()") << kNone;
    QTest::newRow("minus only") << QStringLiteral("-") << kNone;
    QTest::newRow("Swiss apostrophe") << QStringLiteral("11'373.94") << kNone;
    QTest::newRow("Arabic-Indic digits") << QStringLiteral("\u0661\u0662") << kNone;
    QTest::newRow("text") << QStringLiteral("pending") << kNone;

    // Rounding is exact: halves go away from zero, whatever binary floating point would say.
    QTest::newRow("half a cent") << QStringLiteral("0.0050") << qint64(1);
    QTest::newRow("minus half a cent") << QStringLiteral("-0.0050") << qint64(-1);
    QTest::newRow("just under half") << QStringLiteral("0.0049999") << qint64(0);
    QTest::newRow("2.675 rounds up") << QStringLiteral("2.6750") << qint64(268);
    QTest::newRow("1.125 rounds up") << QStringLiteral("1,1250") << qint64(113);
    QTest::newRow("three digits after a zero still group") << QStringLiteral("0.005") << qint64(500);
    QTest::newRow("many trailing zeros") << QStringLiteral("1.00000000000000000000000000") << qint64(100);
    QTest::newRow("tiny") << QStringLiteral("0.000000000000000000000000001") << qint64(0);
    QTest::newRow("huge") << QStringLiteral("99999999999999999999999") << kNone;
}

void TestAmountText::hundredths()
{
    QFETCH(QString, text);
    QFETCH(qint64, expected);
    QCOMPARE(minorUnitsOf(text, 100), expected);
}

void TestAmountText::exactDigitsAreKept()
{
    const std::optional<DecimalAmount> amount = readAmountText(u"(1.234,560)");
    QVERIFY(amount.has_value());
    QCOMPARE(amount->negative, true);
    QCOMPARE(amount->digits, quint64(1234560));
    QCOMPARE(amount->decimals, 3);

    const std::optional<DecimalAmount> leadingZeros = readAmountText(u"000,05");
    QVERIFY(leadingZeros.has_value());
    QCOMPARE(leadingZeros->digits, quint64(5));
    QCOMPARE(leadingZeros->decimals, 2);
}

void TestAmountText::yen_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("expected");

    QTest::newRow("grouped yen") << QStringLiteral("\u00A51,234") << qint64(1234);
    QTest::newRow("yen, European") << QStringLiteral("1.234.567") << qint64(1234567);
    QTest::newRow("half rounds up") << QStringLiteral("1234.5") << qint64(1235);
    QTest::newRow("negative half") << QStringLiteral("-0.5") << qint64(-1);
    QTest::newRow("under half") << QStringLiteral("0,49") << qint64(0);
    QTest::newRow("parentheses") << QStringLiteral("(3000)") << qint64(-3000);
}

void TestAmountText::yen()
{
    QFETCH(QString, text);
    QFETCH(qint64, expected);
    QCOMPARE(minorUnitsOf(text, 1), expected);
}

void TestAmountText::limitOfTwoToThe53()
{
    QCOMPARE(minorUnitsOf(QStringLiteral("90071992547409.92"), 100), kMaxImportedMinorUnits);
    QCOMPARE(minorUnitsOf(QStringLiteral("-90071992547409.92"), 100), -kMaxImportedMinorUnits);
    QCOMPARE(minorUnitsOf(QStringLiteral("90071992547409.93"), 100), kNone);
    // Rounding may be what crosses the limit.
    QCOMPARE(minorUnitsOf(QStringLiteral("90071992547409.9250"), 100), kNone);
    QCOMPARE(minorUnitsOf(QStringLiteral("9007199254740992"), 1), kMaxImportedMinorUnits);
    QCOMPARE(minorUnitsOf(QStringLiteral("9007199254740993"), 1), kNone);
    QCOMPARE(minorUnitsOf(QStringLiteral("9007199254740992"), 100), kNone);
    // The text still reads: it is the currency's scale that makes it too large.
    QVERIFY(readAmountText(u"9007199254740993").has_value());
}

void TestAmountText::unsupportedScales()
{
    const std::optional<DecimalAmount> amount = readAmountText(u"1.25");
    QVERIFY(amount.has_value());
    QCOMPARE(amount->toMinorUnits(1000), std::optional<qint64>(1250));
    QCOMPARE(amount->toMinorUnits(10), std::optional<qint64>(13));
    QCOMPARE(amount->toMinorUnits(0), std::nullopt);
    QCOMPARE(amount->toMinorUnits(3), std::nullopt);
    QCOMPARE(amount->toMinorUnits(-100), std::nullopt);
}

void TestAmountText::rescalingStoredAmounts()
{
    // Hundredths parsed from a QIF file, landing in a yen account.
    QCOMPARE(DecimalAmount::fromMinorUnits(123456, 100)->toMinorUnits(1), std::optional<qint64>(1235));
    QCOMPARE(DecimalAmount::fromMinorUnits(-150, 100)->toMinorUnits(1), std::optional<qint64>(-2));
    QCOMPARE(DecimalAmount::fromMinorUnits(-149, 100)->toMinorUnits(1), std::optional<qint64>(-1));
    QCOMPARE(DecimalAmount::fromMinorUnits(1234, 1)->toMinorUnits(100), std::optional<qint64>(123400));
    QCOMPARE(DecimalAmount::fromMinorUnits(42, 100)->toMinorUnits(100), std::optional<qint64>(42));
    QCOMPARE(DecimalAmount::fromMinorUnits(std::numeric_limits<qint64>::min(), 100)->toMinorUnits(100),
             std::nullopt);
    QCOMPARE(DecimalAmount::fromMinorUnits(5, 7), std::nullopt);
}

VELLUMRY_TEST_GUILESS_MAIN(TestAmountText)
#include "tst_amounttext.moc"
