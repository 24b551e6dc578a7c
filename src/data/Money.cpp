#include "Money.h"

#include <QLocale>
#include <QMap>
#include <QRegularExpression>

#include <cmath>

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

// Money text without the currency's symbol, group commas and the blanks around
// it, its leading minus taken off into `negative`.
QString unsignedMoneyText(const QString& text, Currency currency, bool* negative)
{
    QString rest = text;
    rest.remove(currencySymbol(currency));
    rest.remove(QLatin1Char(','));
    rest = rest.trimmed();
    *negative = rest.startsWith(QLatin1Char('-'));
    return *negative ? rest.mid(1).trimmed() : rest;
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

QString formatMoney(qint64 cents, Currency currency)
{
    const QString number = formatNumber(magnitudeOf(cents), currency);
    const QString symbol = currencySymbol(currency);
    return cents < 0 ? QStringLiteral("-%1%2").arg(symbol, number) : symbol + number;
}

QString formatMoneySigned(qint64 magnitude, bool negative, Currency currency)
{
    return formatMoney(negative ? -magnitude : magnitude, currency);
}

QString formatMoneyPlain(qint64 cents, Currency currency)
{
    const QString number = formatNumber(magnitudeOf(cents), currency);
    return cents < 0 ? QStringLiteral("-%1").arg(number) : number;
}

QString formatMoneyPlainSigned(qint64 magnitude, bool negative, Currency currency)
{
    return formatMoneyPlain(negative ? -magnitude : magnitude, currency);
}

QList<CurrencyAmount> sumByCurrency(const QList<CurrencyAmount>& amounts)
{
    QMap<int, qint64> totals;
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
    bool negative = false;
    const QString rest = unsignedMoneyText(text, currency, &negative);
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

std::optional<qint64> readTypedAmount(const QString& text, Currency currency)
{
    bool negative = false;
    QString rest = unsignedMoneyText(text, currency, &negative);
    if (rest.isEmpty() && !negative)
        return 0;

    // Only the digits 0 to 9 and decimal points: QString::toDouble alone would
    // also take "1e308", "inf" or "0x1p3".
    static const QRegularExpression autoDecimal(QStringLiteral("^[0-9.]*[0-9][0-9.]*$"));
    static const QRegularExpression decimal(QStringLiteral("^([0-9]+[.]?[0-9]*|[.][0-9]+)$"));
    if (!isAmountAutoDecimal())
        return decimal.match(rest).hasMatch() ? decimalToMinorUnits(rest, negative, currency) : std::nullopt;
    if (!autoDecimal.match(rest).hasMatch())
        return std::nullopt;
    rest.remove(QLatin1Char('.'));
    bool ok = false;
    const qint64 value = rest.toLongLong(&ok, 10);
    if (!ok)
        return std::nullopt;
    return negative ? -value : value;
}

void setAmountAutoDecimal(bool enabled)
{
    g_amountAutoDecimal = enabled;
}

bool isAmountAutoDecimal()
{
    return g_amountAutoDecimal;
}
