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
    QTest::addColumn<QString>("expected"); // minor units, or "-" for text that is no amount

    QTest::newRow("empty is zero") << false << QStringLiteral("  ") << Currency::USD << "0";
    QTest::newRow("symbol and group") << false << QStringLiteral("$1,234.56") << Currency::USD << "123456";
    QTest::newRow("minus before symbol") << false << QStringLiteral("-$5") << Currency::USD << "-500";
    QTest::newRow("point first or last") << false << QStringLiteral(".5") << Currency::USD << "50";
    QTest::newRow("trailing point") << false << QStringLiteral("12.") << Currency::USD << "1200";
    QTest::newRow("rounds like parseMoney") << false << QStringLiteral("12.345") << Currency::USD << "1235";
    QTest::newRow("yen") << false << QStringLiteral("\u00A51,500") << Currency::JPY << "1500";
    QTest::newRow("zero") << false << QStringLiteral("0.00") << Currency::USD << "0";
    QTest::newRow("letters") << false << QStringLiteral("abc") << Currency::USD << "-";
    QTest::newRow("exponent") << false << QStringLiteral("1e308") << Currency::USD << "-";
    QTest::newRow("small exponent") << false << QStringLiteral("1e3") << Currency::USD << "-";
    QTest::newRow("full-width digits") << false << QStringLiteral("\uFF19\uFF19") << Currency::USD << "-";
    QTest::newRow("infinity") << false << QStringLiteral("inf") << Currency::USD << "-";
    QTest::newRow("two points") << false << QStringLiteral("1.2.3") << Currency::USD << "-";
    QTest::newRow("minus alone") << false << QStringLiteral("-") << Currency::USD << "-";
    QTest::newRow("point alone") << false << QStringLiteral(".") << Currency::USD << "-";
    QTest::newRow("other currency's symbol") << false << QStringLiteral("\u20AC5") << Currency::USD << "-";
    QTest::newRow("too big") << false << QStringLiteral("92233720368547758.08") << Currency::USD << "-";
    QTest::newRow("auto: digits are cents") << true << QStringLiteral("1234") << Currency::USD << "1234";
    QTest::newRow("auto: formatted") << true << QStringLiteral("-$1,234.50") << Currency::USD << "-123450";
    QTest::newRow("auto: empty") << true << QString() << Currency::USD << "0";
    QTest::newRow("auto: letters") << true << QStringLiteral("12abc") << Currency::USD << "-";
    QTest::newRow("auto: exponent") << true << QStringLiteral("1e308") << Currency::USD << "-";
    QTest::newRow("auto: full-width") << true << QStringLiteral("\uFF19\uFF19") << Currency::USD << "-";
    QTest::newRow("auto: too many digits") << true << QStringLiteral("12345678901234567890") << Currency::USD << "-";
}

void TestMoney::readTypedAmount()
{
    QFETCH(bool, autoDecimal);
    QFETCH(QString, text);
    QFETCH(Currency, currency);
    QFETCH(QString, expected);
    setAmountAutoDecimal(autoDecimal);
    const std::optional<qint64> amount = ::readTypedAmount(text, currency);
    setAmountAutoDecimal(false);
    QCOMPARE(amount ? QString::number(*amount) : QStringLiteral("-"), expected);
}

VELLUMRY_TEST_GUILESS_MAIN(TestMoney)
#include "tst_money.moc"
