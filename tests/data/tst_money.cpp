#include "TestMain.h"

#include "data/Money.h"

#include <limits>

Q_DECLARE_METATYPE(Currency)

class TestMoney : public QObject
{
    Q_OBJECT

private slots:
    void currencyTextsAndTotals();
    void formatMoney_data();
    void formatMoney();
    void parseMoney_data();
    void parseMoney();
    void digitsAndConversions();
    void readTypedAmount_data();
    void readTypedAmount();
    void sumsThatDoNotFit_data();
    void sumsThatDoNotFit();
};

void TestMoney::currencyTextsAndTotals()
{
    // Stored codes are exact: "usd" and unknown codes read as USD.
    QCOMPARE(currencyFromCode(QStringLiteral("JPY")), Currency::JPY);
    QCOMPARE(currencyFromCode(QStringLiteral("jpy")), Currency::USD);
    QCOMPARE(currencyFromCode(QStringLiteral("CHF")), Currency::USD);
    QCOMPARE(currencyCode(static_cast<Currency>(9)), QStringLiteral("USD"));
    QCOMPARE(currencySymbol(Currency::GBP), QStringLiteral("\u00A3"));
    for (Currency currency : {Currency::USD, Currency::EUR, Currency::GBP, Currency::CAD, Currency::AUD, Currency::JPY})
        QCOMPARE(currencyFromCode(currencyCode(currency)), currency);

    QCOMPARE(formatMoneyPlain(-123456, Currency::USD), QStringLiteral("-1,234.56"));
    QCOMPARE(formatMoneyPlain(0, Currency::JPY), QStringLiteral("0"));
    QCOMPARE(formatMoneySigned(500, true, Currency::EUR), QStringLiteral("-\u20AC5.00"));
    QCOMPARE(formatMoneyPlainSigned(500, true, Currency::USD), QStringLiteral("-5.00"));

    const QList<CurrencyAmount> sums = sumByCurrency(
        {{Currency::EUR, 250}, {Currency::USD, 600}, {Currency::JPY, 0}, {Currency::USD, 400}});
    QCOMPARE(sums, (QList<CurrencyAmount>{{Currency::USD, 1000}, {Currency::EUR, 250}, {Currency::JPY, 0}}));
    QCOMPARE(formatMoneyTotals({}, QStringLiteral("Total")), QString());
    QCOMPARE(formatMoneyTotals({{Currency::USD, 123456}}, QStringLiteral("Total")), QStringLiteral("Total: $1,234.56"));
    QCOMPARE(formatMoneyTotals(sumByCurrency({{Currency::EUR, 250}, {Currency::USD, 1000}}), QStringLiteral("Cleared")),
             QStringLiteral("Cleared (USD): $10.00  Cleared (EUR): \u20AC2.50"));
}

void TestMoney::formatMoney_data()
{
    QTest::addColumn<qint64>("cents");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<QString>("expected");

    QTest::newRow("usd negative") << qint64(-123456) << Currency::USD << QStringLiteral("-$1,234.56");
    QTest::newRow("eur cents") << qint64(5) << Currency::EUR << QStringLiteral("\u20AC0.05");
    QTest::newRow("gbp minus a penny") << qint64(-1) << Currency::GBP << QStringLiteral("-\u00A30.01");
    QTest::newRow("cad million") << qint64(100000000) << Currency::CAD << QStringLiteral("$1,000,000.00");
    QTest::newRow("aud") << qint64(99) << Currency::AUD << QStringLiteral("$0.99");
    QTest::newRow("jpy") << qint64(-1500) << Currency::JPY << QStringLiteral("-\u00A51,500");
    QTest::newRow("unknown is usd") << qint64(250) << static_cast<Currency>(42) << QStringLiteral("$2.50");
    QTest::newRow("most negative") << std::numeric_limits<qint64>::min() << Currency::USD
                                   << QStringLiteral("-$92,233,720,368,547,758.08");
}

void TestMoney::formatMoney()
{
    QFETCH(qint64, cents);
    QFETCH(Currency, currency);
    QFETCH(QString, expected);
    QCOMPARE(::formatMoney(cents, currency), expected);
}

void TestMoney::parseMoney_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<qint64>("expected");

    QTest::newRow("symbol and group") << QStringLiteral("$1,234.56") << Currency::USD << qint64(123456);
    QTest::newRow("minus before symbol") << QStringLiteral("-$5") << Currency::USD << qint64(-500);
    QTest::newRow("minus after symbol") << QStringLiteral("$-5") << Currency::USD << qint64(-500);
    QTest::newRow("half up") << QStringLiteral("12.345") << Currency::USD << qint64(1235);
    QTest::newRow("binary just below half") << QStringLiteral("1.005") << Currency::USD << qint64(100);
    QTest::newRow("negative half") << QStringLiteral("-0.005") << Currency::USD << qint64(-1);
    QTest::newRow("parentheses") << QStringLiteral("(5.00)") << Currency::USD << qint64(0);
    QTest::newRow("trailing minus") << QStringLiteral("5.00-") << Currency::USD << qint64(0);
    QTest::newRow("other symbol") << QStringLiteral("\u20AC5") << Currency::USD << qint64(0);
    QTest::newRow("own symbol") << QStringLiteral("\u20AC5") << Currency::EUR << qint64(500);
    QTest::newRow("letters") << QStringLiteral("abc") << Currency::USD << qint64(0);
    QTest::newRow("yen rounds") << QStringLiteral("\u00A52.5") << Currency::JPY << qint64(3);
    QTest::newRow("exponent") << QStringLiteral("1e3") << Currency::USD << qint64(100000);
    QTest::newRow("padded") << QStringLiteral("  42.10 ") << Currency::USD << qint64(4210);
    // Not numbers, or numbers whose minor units do not fit in 64 bits.
    QTest::newRow("nan") << QStringLiteral("nan") << Currency::USD << qint64(0);
    QTest::newRow("inf") << QStringLiteral("inf") << Currency::USD << qint64(0);
    QTest::newRow("-inf") << QStringLiteral("-inf") << Currency::USD << qint64(0);
    QTest::newRow("huge") << QStringLiteral("1e300") << Currency::USD << qint64(0);
    QTest::newRow("just too big") << QStringLiteral("92233720368547758.08") << Currency::USD << qint64(0);
    QTest::newRow("big yen fits") << QStringLiteral("9007199254740992") << Currency::JPY << qint64(9007199254740992);
}

void TestMoney::parseMoney()
{
    QFETCH(QString, text);
    QFETCH(Currency, currency);
    QFETCH(qint64, expected);
    QCOMPARE(::parseMoney(text, currency), expected);
}

void TestMoney::digitsAndConversions()
{
    const QList<QPair<QString, qint64>> cases{{QStringLiteral("$12.34"), 1234}, {QStringLiteral(" -0.50"), -50},
                                              {QStringLiteral("1,234"), 1234},  {QStringLiteral("-$."), 0},
                                              {QStringLiteral("12345678901234567890"), 0}};
    for (const auto& [text, expected] : cases) {
        QCOMPARE(::parseDigitsAsCents(text, Currency::USD), expected);
        QCOMPARE(::parseDigitsAsCents(text, Currency::JPY), expected);
    }

    QCOMPARE(amountToCents(12.345, Currency::USD), qint64(1235));
    QCOMPARE(amountToCents(-2.5, Currency::JPY), qint64(-3));
    QCOMPARE(centsToAmount(250, Currency::EUR), 2.5);
    QCOMPARE(centsToAmount(250, Currency::JPY), 250.0);

    const double inf = std::numeric_limits<double>::infinity();
    for (double unusable : {std::numeric_limits<double>::quiet_NaN(), inf, -inf, 1e300, -1e17})
        QCOMPARE(amountToCents(unusable, Currency::USD), qint64(0));
    QCOMPARE(amountToCents(9.2e16, Currency::USD), qint64(9200000000000000000LL));

    qint64 cents = 7;
    QVERIFY(!roundToMinorUnits(9223372036854775808.0, &cents));
    QCOMPARE(cents, qint64(7));
    QVERIFY(roundToMinorUnits(-9223372036854775808.0, &cents));
    QCOMPARE(cents, std::numeric_limits<qint64>::min());
}

void TestMoney::readTypedAmount_data()
{
    QTest::addColumn<bool>("autoDecimal");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<QString>("marks"); // the decimal point, then the group mark
    QTest::addColumn<QString>("expected"); // minor units, or "-" for text that is no amount
    QTest::addColumn<QString>("anySize"); // the same without the typed limit

    const Currency usd = Currency::USD;
    const Currency yen = Currency::JPY;
    const auto row = [](const char* name, bool autoDecimal, const QString& text, Currency currency,
                        const QString& expected, const QString& marks = QStringLiteral(".,"),
                        const QString& anySize = QString()) {
        QTest::newRow(name) << autoDecimal << text << currency << marks << expected
                            << (anySize.isNull() ? expected : anySize);
    };
    const auto tooBig = [&row](const char* name, bool autoDecimal, const QString& text, Currency currency,
                               const QString& anySize) { row(name, autoDecimal, text, currency, "-", ".,", anySize); };
    row("empty is zero", false, "  ", usd, "0");
    row("symbol and group", false, "$1,234.56", usd, "123456");
    row("minus before symbol", false, "-$5", usd, "-500");
    row("point first or last", false, ".5", usd, "50");
    row("trailing point", false, "12.", usd, "1200");
    row("rounds half away from zero", false, "12.345", usd, "1235");
    row("yen", false, "\u00A51,500", yen, "1500");
    row("zero", false, "0.00", usd, "0");
    row("letters", false, "abc", usd, "-");
    row("exponent", false, "1e308", usd, "-");
    row("small exponent", false, "1e3", usd, "-");
    row("full-width digits", false, "\uFF19\uFF19", usd, "-");
    row("infinity", false, "inf", usd, "-");
    row("two points", false, "1.2.3", usd, "-");
    row("minus alone", false, "-", usd, "-");
    row("point alone", false, ".", usd, "-");
    row("other currency's symbol", false, "\u20AC5", usd, "-");

    // A group mark stands only between groups of three digits before the point.
    row("group of three", false, "12,345", usd, "1234500");
    row("two groups", false, "-1,234,567.89", usd, "-123456789");
    row("misplaced comma", false, "12,34", usd, "-");
    row("comma as a point", false, "12,5", usd, "-");
    row("short group", false, "1,234,56", usd, "-");
    row("long first group", false, "1234,567", usd, "-");
    row("comma first", false, ",123", usd, "-");
    row("comma last", false, "123,", usd, "-");
    row("two commas together", false, "1,,234", usd, "-");
    row("zero before a group", false, "0,123", usd, "-");
    row("comma after the point", false, "1,234.5,6", usd, "-");
    row("yen: misplaced comma", false, "1,50", yen, "-");
    row("yen rounds the fraction", false, "2.5", yen, "3");

    // Exact all the way: no binary fraction shifts a cent.
    row("no binary drift", false, "1.005", usd, "101");
    row("leading zeros", false, "000000000000000000000000012.5", usd, "1250");
    row("many decimals", false, "0.00499999999999999999999", usd, "0");
    row("pennies of the largest", false, "99999999.99", usd, "9999999999");

    // No typed amount goes past 99,999,999.99 (99,999,999 yen), as in every form.
    row("largest", false, "99,999,999.99", usd, "9999999999");
    row("largest payment", false, "-$99,999,999.99", usd, "-9999999999");
    tooBig("too big", false, "100,000,000.00", usd, "10000000000");
    tooBig("rounds past the largest", false, "99999999.995", usd, "10000000000");
    tooBig("past 2^53 cents", false, "90071992547409.93", usd, "9007199254740993");
    tooBig("a qint64's largest", false, "92233720368547758.07", usd, "9223372036854775807");
    row("most negative has no positive", false, "-92233720368547758.08", usd, "-");
    row("yen largest", false, "99,999,999", yen, "99999999");
    tooBig("yen too big", false, "100,000,000", yen, "100000000");
    tooBig("yen rounds past the largest", false, "99999999.5", yen, "100000000");
    tooBig("yen: a qint64's largest", false, "9,223,372,036,854,775,807", yen, "9223372036854775807");

    row("auto: digits are cents", true, "1234", usd, "1234");
    row("auto: formatted", true, "-$1,234.50", usd, "-123450");
    row("auto: empty", true, QString(), usd, "0");
    row("auto: letters", true, "12abc", usd, "-");
    row("auto: exponent", true, "1e308", usd, "-");
    row("auto: full-width", true, "\uFF19\uFF19", usd, "-");
    row("auto: too many digits", true, "12345678901234567890", usd, "-");
    row("auto: grouped", true, "1,234", usd, "1234");
    row("auto: misplaced comma", true, "12,34", usd, "-");
    row("auto: two points", true, "1.2.3", usd, "-");
    row("auto: yen", true, "1,234", yen, "1234");
    row("auto: yen, misplaced comma", true, "12,34", yen, "-");
    row("auto: largest", true, "9999999999", usd, "9999999999");
    tooBig("auto: too big", true, "10000000000", usd, "10000000000");
    tooBig("auto: past 2^53", true, "9007199254740993", usd, "9007199254740993");
    tooBig("auto: a qint64's largest", true, "92233720368547758.07", usd, "9223372036854775807");
    row("auto: yen largest", true, "99,999,999", yen, "99999999");
    tooBig("auto: yen too big", true, "100000000", yen, "100000000");

    // An amount field shown in a German locale reads its own marks.
    row("German marks", false, "1.234,56", usd, "123456", ",.");
    row("German: misplaced point", false, "12.34", usd, "-", ",.");
    row("German: auto", true, "1.234,56", usd, "123456", ",.");
}

void TestMoney::readTypedAmount()
{
    QFETCH(bool, autoDecimal);
    QFETCH(QString, text);
    QFETCH(Currency, currency);
    QFETCH(QString, marks);
    QFETCH(QString, expected);
    QFETCH(QString, anySize);
    const auto shown = [](std::optional<qint64> amount) {
        return amount ? QString::number(*amount) : QStringLiteral("-");
    };
    const NumberMarks numberMarks{marks.at(0), marks.at(1)};
    setAmountAutoDecimal(autoDecimal);
    const QStringList read{shown(::readTypedAmount(text, currency, numberMarks)),
                           shown(readAmountOfAnySize(text, currency, numberMarks))};
    setAmountAutoDecimal(false);
    QCOMPARE(read, (QStringList{expected, anySize}));
}

void TestMoney::sumsThatDoNotFit_data()
{
    QTest::addColumn<QList<qint64>>("amounts");
    QTest::addColumn<bool>("liability"); // shown with the sign flipped
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("totals"); // the amounts in USD and 5 cents in EUR

    constexpr qint64 most = std::numeric_limits<qint64>::max();
    constexpr qint64 least = std::numeric_limits<qint64>::min();
    const QString outOfRange = MoneySum::outOfRangeText();
    const auto row = [&](const char* name, const QList<qint64>& amounts, bool liability, const QString& shown) {
        const QString totals = QStringLiteral("Total (USD): %1  Total (EUR): \u20AC0.05").arg(shown);
        QTest::newRow(name) << amounts << liability << shown << (liability ? QString() : totals);
    };
    row("fits", {100, 250}, false, "$3.50");
    row("zero amounts count for nothing", {0, most, 0, 1}, false, outOfRange);
    row("two of the largest", {most, most}, false, outOfRange);
    row("a cent back is still too many", {most, most, -1}, false, outOfRange);
    row("back within range", {most, most, -most}, false, "$92,233,720,368,547,758.07");
    row("in any order", {most, 1, -2}, false, "$92,233,720,368,547,758.06");
    row("most negative", {least}, false, "-$92,233,720,368,547,758.08");
    row("below the most negative", {least, -1}, false, outOfRange);
    row("far below", {least, least, least}, false, outOfRange);
    row("owed: the most negative reads positive", {least}, true, "$92,233,720,368,547,758.08");
    row("owed: the largest reads negative", {most}, true, "-$92,233,720,368,547,758.07");
    row("owed: too much", {least, least}, true, outOfRange);
}

void TestMoney::sumsThatDoNotFit()
{
    QFETCH(QList<qint64>, amounts);
    QFETCH(bool, liability);
    MoneySum sum;
    QList<CurrencyAmount> accounts{{Currency::EUR, 5}};
    for (const qint64 amount : amounts) {
        sum += amount;
        accounts.append({Currency::USD, amount});
    }
    // Subtracting every amount again comes back to nothing, whatever was in between.
    MoneySum back = sum;
    for (const qint64 amount : amounts)
        back -= amount;
    QCOMPARE(back.isZero(), true);
    QTEST(formatMoneySigned(sum, liability, Currency::USD), "shown");
    QTEST(liability ? QString() : formatMoneyTotals(sumByCurrency(accounts), QStringLiteral("Total")), "totals");
}

VELLUMRY_TEST_GUILESS_MAIN(TestMoney)
#include "tst_money.moc"
