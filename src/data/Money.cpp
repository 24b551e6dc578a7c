#include "Money.h"

#include <QLocale>
#include <QMap>
#include <QtNumeric>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

bool g_amountAutoDecimal = false;

Currency normalized(Currency currency)
{
    const int value = static_cast<int>(currency);
    return (value >= 0 && value <= 5) ? currency : Currency::USD;
}

// Amounts are always written the American way, whatever the interface language.
const QLocale& amountLocale()
{
    static const QLocale locale(QLocale::English);
    return locale;
}

QString formatNumber(quint64 magnitude, Currency currency)
{
    if (normalized(currency) == Currency::JPY)
        return amountLocale().toString(magnitude);
    const quint64 whole = magnitude / 100;
    const quint64 rest = magnitude - whole * 100;
    return QStringLiteral("%1.%2").arg(amountLocale().toString(whole)).arg(rest, 2, 10, QLatin1Char('0'));
}

// A plain decimal number ("12", "12.5", ".5") in minor units, rounded half away
// from zero; nothing when it does not fit.
std::optional<qint64> decimalToMinorUnits(const QString& number, bool negative, Currency currency)
{
    bool ok = false;
    const double value = number.toDouble(&ok);
    qint64 cents = 0;
    if (!ok || !roundToMinorUnits(value * currencyScale(currency), &cents))
        return std::nullopt;
    return negative ? -cents : cents;
}

// Money text without the currency's symbol and the blanks around it, its
// leading minus taken off into `negative`.
QString unsignedMoneyText(const QString& text, Currency currency, bool* negative)
{
    QString rest = text;
    rest.remove(currencySymbol(currency));
    rest = rest.trimmed();
    *negative = rest.startsWith(QLatin1Char('-'));
    return *negative ? rest.mid(1).trimmed() : rest;
}

// Typed amounts keep to counts whose negation fits too, so that a payment
// can always be stored negated.
constexpr quint64 kLargestMinorUnits = quint64(std::numeric_limits<qint64>::max());

bool isPlainDigits(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// Digits before the point, with group marks only between groups of three, as
// the number would be written: "1,234,567", or no mark at all. No number is
// written "0,123": that is a decimal comma.
bool isGroupedWhole(QStringView whole, QChar group)
{
    if (!whole.contains(group))
        return isPlainDigits(whole);
    const QList<QStringView> groups = whole.split(group);
    const QStringView first = groups.constFirst();
    if (first.isEmpty() || first.size() > 3 || first.front() == u'0' || !isPlainDigits(first))
        return false;
    return std::all_of(groups.cbegin() + 1, groups.cend(),
                       [](QStringView part) { return part.size() == 3 && isPlainDigits(part); });
}

// A typed number split at its point, the group marks checked and taken out.
struct TypedNumber
{
    QString whole;
    QString fraction;
};

std::optional<TypedNumber> splitTypedNumber(QStringView text, NumberMarks marks)
{
    const qsizetype point = text.indexOf(marks.point);
    const QStringView whole = point < 0 ? text : text.first(point);
    const QStringView fraction = point < 0 ? QStringView() : text.sliced(point + 1);
    if (!isGroupedWhole(whole, marks.group) || !isPlainDigits(fraction) || whole.size() + fraction.size() == 0)
        return std::nullopt;
    TypedNumber number{whole.toString(), fraction.toString()};
    number.whole.remove(marks.group);
    return number;
}

// `value` followed by the digits, as long as it stays a count a qint64 holds.
bool appendDigits(quint64* value, QStringView digits)
{
    for (const QChar digit : digits) {
        if (qMulOverflow(*value, quint64(10), value) || qAddOverflow(*value, quint64(digit.unicode() - u'0'), value)
            || *value > kLargestMinorUnits)
            return false;
    }
    return true;
}

// The number in minor units: every digit one unit with auto-decimal entry,
// otherwise the currency's decimals kept and the next digit rounding half away
// from zero.
std::optional<quint64> minorUnitsOf(const TypedNumber& number, Currency currency)
{
    quint64 units = 0;
    if (isAmountAutoDecimal()) {
        if (!appendDigits(&units, number.whole) || !appendDigits(&units, number.fraction))
            return std::nullopt;
        return units;
    }
    const int decimals = currencyDecimals(currency);
    const QString kept = number.fraction.left(decimals).leftJustified(decimals, QLatin1Char('0'));
    if (!appendDigits(&units, number.whole) || !appendDigits(&units, kept))
        return std::nullopt;
    const bool roundsUp = number.fraction.size() > decimals && number.fraction.at(decimals) >= u'5';
    if (roundsUp && units == kLargestMinorUnits)
        return std::nullopt;
    return roundsUp ? units + 1 : units;
}

// |cents| as unsigned, so that the most negative value does not overflow.
quint64 magnitudeOf(qint64 cents)
{
    return cents < 0 ? quint64(0) - quint64(cents) : quint64(cents);
}

} // namespace

QString currencyCode(Currency currency)
{
    switch (normalized(currency)) {
    case Currency::EUR: return QStringLiteral("EUR");
    case Currency::GBP: return QStringLiteral("GBP");
    case Currency::CAD: return QStringLiteral("CAD");
    case Currency::AUD: return QStringLiteral("AUD");
    case Currency::JPY: return QStringLiteral("JPY");
    case Currency::USD: break;
    }
    return QStringLiteral("USD");
}

Currency currencyFromCode(const QString& code)
{
    if (code == QLatin1String("EUR")) return Currency::EUR;
    if (code == QLatin1String("GBP")) return Currency::GBP;
    if (code == QLatin1String("CAD")) return Currency::CAD;
    if (code == QLatin1String("AUD")) return Currency::AUD;
    if (code == QLatin1String("JPY")) return Currency::JPY;
    return Currency::USD;
}

QString currencySymbol(Currency currency)
{
    switch (normalized(currency)) {
    case Currency::EUR: return QStringLiteral("\u20AC");
    case Currency::GBP: return QStringLiteral("\u00A3");
    case Currency::JPY: return QStringLiteral("\u00A5");
    case Currency::USD:
    case Currency::CAD:
    case Currency::AUD: break;
    }
    return QStringLiteral("$");
}

int currencyScale(Currency currency)
{
    return normalized(currency) == Currency::JPY ? 1 : 100;
}

int currencyDecimals(Currency currency)
{
    return normalized(currency) == Currency::JPY ? 0 : 2;
}

namespace {

enum SymbolUse { WithSymbol, WithoutSymbol };

// The text of `cents`, negated first when `negative`: worked out on the
// magnitude, since negating the most negative qint64 would wrap.
QString signedText(qint64 cents, bool negative, Currency currency, SymbolUse symbol)
{
    const QString number = formatNumber(magnitudeOf(cents), currency);
    const QString prefix = symbol == WithSymbol ? currencySymbol(currency) : QString();
    const bool minus = cents != 0 && (cents < 0) != negative;
    return minus ? QStringLiteral("-%1%2").arg(prefix, number) : prefix + number;
}

} // namespace

QString formatMoney(qint64 cents, Currency currency)
{
    return signedText(cents, false, currency, WithSymbol);
}

QString formatMoneySigned(qint64 magnitude, bool negative, Currency currency)
{
    return signedText(magnitude, negative, currency, WithSymbol);
}

QString formatMoneyPlain(qint64 cents, Currency currency)
{
    return signedText(cents, false, currency, WithoutSymbol);
}

QString formatMoneyPlainSigned(qint64 magnitude, bool negative, Currency currency)
{
    return signedText(magnitude, negative, currency, WithoutSymbol);
}

QString formatMoney(const MoneySum& sum, Currency currency)
{
    const std::optional<qint64> value = sum.value();
    return value ? formatMoney(*value, currency) : MoneySum::outOfRangeText();
}

QString formatMoneySigned(const MoneySum& sum, bool negative, Currency currency)
{
    const std::optional<qint64> value = sum.value();
    return value ? formatMoneySigned(*value, negative, currency) : MoneySum::outOfRangeText();
}

QString formatMoneyPlainSigned(const MoneySum& sum, bool negative, Currency currency)
{
    const std::optional<qint64> value = sum.value();
    return value ? formatMoneyPlainSigned(*value, negative, currency) : MoneySum::outOfRangeText();
}

QList<CurrencyAmount> sumByCurrency(const QList<CurrencyAmount>& amounts)
{
    QMap<int, MoneySum> totals;
    for (const CurrencyAmount& amount : amounts)
        totals[static_cast<int>(amount.first)] += amount.second;

    QList<CurrencyAmount> result;
    result.reserve(totals.size());
    for (auto it = totals.cbegin(); it != totals.cend(); ++it)
        result.append({static_cast<Currency>(it.key()), it.value()});
    return result;
}

QString formatMoneyTotals(const QList<CurrencyAmount>& totals, const QString& label)
{
    QStringList parts;
    for (const CurrencyAmount& total : totals) {
        const QString money = formatMoney(total.second, total.first);
        if (totals.size() <= 1)
            parts.append(QStringLiteral("%1: %2").arg(label, money));
        else
            parts.append(QStringLiteral("%1 (%2): %3").arg(label, currencyCode(total.first), money));
    }
    return parts.join(QLatin1String("  "));
}

bool roundToMinorUnits(double value, qint64* result)
{
    // 2^63 is exactly representable; anything at or beyond it does not fit.
    constexpr double kLimit = 9223372036854775808.0;
    if (!std::isfinite(value))
        return false;
    const double rounded = std::round(value); // halves away from zero
    if (rounded >= kLimit || rounded < -kLimit)
        return false;
    *result = static_cast<qint64>(rounded);
    return true;
}

qint64 amountToCents(double amount, Currency currency)
{
    qint64 cents = 0;
    return roundToMinorUnits(amount * currencyScale(currency), &cents) ? cents : 0;
}

double centsToAmount(qint64 cents, Currency currency)
{
    return static_cast<double>(cents) / currencyScale(currency);
}

qint64 parseMoney(const QString& text, Currency currency)
{
    QString withoutGroups = text;
    withoutGroups.remove(QLatin1Char(','));
    bool negative = false;
    const QString rest = unsignedMoneyText(withoutGroups, currency, &negative);
    return decimalToMinorUnits(rest, negative, currency).value_or(0);
}

qint64 parseDigitsAsCents(const QString& text, Currency /*currency*/)
{
    const bool negative = text.trimmed().startsWith(QLatin1Char('-'));
    QString digits;
    for (const QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits.append(c);
    }
    if (digits.isEmpty())
        return 0;
    bool ok = false;
    const qint64 value = digits.toLongLong(&ok, 10);
    if (!ok)
        return 0;
    return negative ? -value : value;
}

std::optional<qint64> readAmountOfAnySize(const QString& text, Currency currency, NumberMarks marks)
{
    bool negative = false;
    const QString rest = unsignedMoneyText(text, currency, &negative);
    if (rest.isEmpty() && !negative)
        return 0;
    const std::optional<TypedNumber> number = splitTypedNumber(rest, marks);
    if (!number)
        return std::nullopt;
    const std::optional<quint64> units = minorUnitsOf(*number, currency);
    if (!units)
        return std::nullopt;
    return negative ? -qint64(*units) : qint64(*units);
}

std::optional<qint64> readTypedAmount(const QString& text, Currency currency, NumberMarks marks)
{
    const std::optional<qint64> units = readAmountOfAnySize(text, currency, marks);
    if (!units || magnitudeOf(*units) > quint64(largestTypedAmount(currency)))
        return std::nullopt;
    return units;
}

qint64 largestTypedAmount(Currency currency)
{
    return qint64(100'000'000) * currencyScale(currency) - 1;
}

void setAmountAutoDecimal(bool enabled)
{
    g_amountAutoDecimal = enabled;
}

bool isAmountAutoDecimal()
{
    return g_amountAutoDecimal;
}
