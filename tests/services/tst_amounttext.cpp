#include "TestMain.h"

#include "services/AmountText.h"

#include <limits>

namespace {

// Stands for "no amount" in the tables below; no row expects that value.
constexpr qint64 kNone = std::numeric_limits<qint64>::min();

qint64 minorUnitsOf(const QString& text, int unitsPerWhole)
{
    const std::optional<DecimalAmount> amount = readAmountText(text);
    return amount ? amount->toMinorUnits(unitsPerWhole).value_or(kNone) : kNone;
}

} // namespace

class TestAmountText : public QObject
{
    Q_OBJECT

private slots:
    void minorUnits_data();
    void minorUnits();
    void unsupportedScales();
    void rescalingStoredAmounts();
};

void TestAmountText::minorUnits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("unitsPerWhole");
    QTest::addColumn<qint64>("expected");

    const auto row = [](const char* name, const QString& text, qint64 expected, int units = 100) {
        QTest::newRow(name) << text << units << expected;
    };
    // Marks: the later one is the decimal mark; a lone one before exactly three digits groups.
    row("US grouping", QStringLiteral("1,234.56"), 123456);
    row("European grouping", QStringLiteral("1.234,56"), 123456);
    row("dot groups thousands", QStringLiteral("1.234"), 123400);
    row("four decimals", QStringLiteral("123.4567"), 12346);
    row("comma decimal", QStringLiteral("1,5"), 150);
    row("leading comma is decimal", QStringLiteral(",123"), 12);
    row("millions, European", QStringLiteral("1.234.567,89"), 123456789);
    row("negative zero", QStringLiteral("-0.00"), 0);

    row("parentheses", QStringLiteral("(45.00)"), -4500);
    row("minus inside parentheses", QStringLiteral("(-45.00)"), 4500);
    row("minus before parentheses", QStringLiteral("-(45.00)"), kNone);
    row("two minus signs", QStringLiteral("--5"), kNone);
    row("trailing minus", QStringLiteral("5-"), kNone);

    row("euro with blank group", QStringLiteral("\u20AC1 000,50"), 100050);
    row("narrow no-break space", QStringLiteral("-1\u202F234,5"), -123450);
    row("minus then dollar", QStringLiteral("-$1,036.47"), -103647);
    row("blanks around", QStringLiteral("  \t12.34\n"), 1234);

    row("badly grouped", QStringLiteral("1,23,456"), kNone);
    row("two decimal marks", QStringLiteral("1,234.5.6"), kNone);
    row("letter", QStringLiteral("12a"), kNone);
    row("exponent", QStringLiteral("1e5"), kNone);
    row("currency sign only", QStringLiteral("$"), kNone);
    row("empty parentheses", QStringLiteral("()"), kNone);
    row("empty", QString(), kNone);
    row("Arabic-Indic digits", QStringLiteral("\u0661\u0662"), kNone);

    // Rounding is exact: halves go away from zero, whatever binary floating point would say.
    row("minus half a cent", QStringLiteral("-0.0050"), -1);
    row("just under half", QStringLiteral("0.0049999"), 0);
    row("2.675 rounds up", QStringLiteral("2.6750"), 268);
    row("many trailing zeros", QStringLiteral("1.00000000000000000000000000"), 100);
    row("huge", QStringLiteral("99999999999999999999999"), kNone);

    row("grouped yen", QStringLiteral("\u00A51,234"), 1234, 1);
    row("yen half rounds up", QStringLiteral("1234.5"), 1235, 1);
    row("yen negative half", QStringLiteral("-0.5"), -1, 1);

    // Minor-unit counts beyond 2^53 are no amounts; rounding may be what crosses the limit.
    row("2^53 hundredths", QStringLiteral("90071992547409.92"), kMaxImportedMinorUnits);
    row("-2^53 hundredths", QStringLiteral("-90071992547409.92"), -kMaxImportedMinorUnits);
    row("beyond 2^53", QStringLiteral("90071992547409.93"), kNone);
    row("rounded beyond 2^53", QStringLiteral("90071992547409.9250"), kNone);
    row("2^53 yen", QStringLiteral("9007199254740992"), kMaxImportedMinorUnits, 1);
    row("2^53 + 1 yen", QStringLiteral("9007199254740993"), kNone, 1);
    row("2^53 whole dollars", QStringLiteral("9007199254740992"), kNone);
}

void TestAmountText::minorUnits()
{
    QFETCH(QString, text);
    QFETCH(int, unitsPerWhole);
    QFETCH(qint64, expected);
    QCOMPARE(minorUnitsOf(text, unitsPerWhole), expected);
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
    QCOMPARE(DecimalAmount::fromMinorUnits(1234, 1)->toMinorUnits(100), std::optional<qint64>(123400));
    QCOMPARE(DecimalAmount::fromMinorUnits(std::numeric_limits<qint64>::min(), 100)->toMinorUnits(100),
             std::nullopt);
    QCOMPARE(DecimalAmount::fromMinorUnits(5, 7), std::nullopt);
}

VELLUMRY_TEST_GUILESS_MAIN(TestAmountText)
#include "tst_amounttext.moc"
