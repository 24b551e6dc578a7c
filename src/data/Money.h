#pragma once

#include "MoneySum.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QtGlobal>

#include <optional>

// Amounts are signed 64-bit counts of the currency's minor units everywhere;
// doubles appear only at the edges (spin boxes, imported numbers).
enum class Currency { USD = 0, EUR = 1, GBP = 2, CAD = 3, AUD = 4, JPY = 5 };

// An amount or a sum in one currency.
using CurrencyAmount = QPair<Currency, MoneySum>;

QString currencyCode(Currency currency);
Currency currencyFromCode(const QString& code);
QString currencySymbol(Currency currency);
// Minor units per whole unit: 100, or 1 for the yen.
int currencyScale(Currency currency);
// Digits after the decimal point: 2, or none for the yen.
int currencyDecimals(Currency currency);

QString formatMoney(qint64 cents, Currency currency);
QString formatMoneySigned(qint64 magnitude, bool negative, Currency currency);
QString formatMoneyPlain(qint64 cents, Currency currency);
QString formatMoneyPlainSigned(qint64 magnitude, bool negative, Currency currency);
// A sum as the same functions write an amount; one that does not fit in a
// qint64 reads MoneySum::outOfRangeText() instead.
QString formatMoney(const MoneySum& sum, Currency currency);
QString formatMoneySigned(const MoneySum& sum, bool negative, Currency currency);
QString formatMoneyPlainSigned(const MoneySum& sum, bool negative, Currency currency);
QString formatMoneyTotals(const QList<CurrencyAmount>& totals, const QString& label);
QList<CurrencyAmount> sumByCurrency(const QList<CurrencyAmount>& amounts);

// The largest amount a person may type, in minor units: 99,999,999.99 in the
// currency's major units, or 99,999,999 yen. Every amount field and the
// register's amount cells keep to it, so that no typed amount, and no sum of
// the few a person types, comes near what a qint64 holds.
qint64 largestTypedAmount(Currency currency);

// The largest magnitude a stored amount may have, in minor units: 2^53, beyond
// which double arithmetic and JSON numbers (a backup, a sync peer) no longer
// carry the count exactly. Imports, restores and pulls keep to it; a field
// that shows what the ledger holds (a statement balance) takes up to it.
inline constexpr qint64 kLargestStoredAmount = Q_INT64_C(9007199254740992);

// Rounds to the nearest minor unit, halves away from zero. A value that is not
// finite or whose minor-unit count does not fit in 64 bits gives 0.
qint64 amountToCents(double amount, Currency currency);
double centsToAmount(qint64 cents, Currency currency);

// Like amountToCents, but says whether the value was usable at all.
bool roundToMinorUnits(double value, qint64* result);

qint64 parseMoney(const QString& text, Currency currency);
qint64 parseDigitsAsCents(const QString& text, Currency currency);

// The two marks of a typed number. Amounts are written the English way; an
// amount field shown in another locale reads its own marks.
struct NumberMarks
{
    QChar point = QLatin1Char('.');
    QChar group = QLatin1Char(',');
};

// An amount as a person typed it, in minor units, read exactly (no floating
// point on the way). Empty text is 0. Otherwise money text in the currency
// ("$1,234.50", "-5", "12.5"; digits past the currency's decimals round half
// away from zero) or, while auto-decimal entry is on, its digits as minor
// units ("12.34" or "1234" is 1234). A group mark counts only between groups of
// three digits before the point ("1,234.56", "12,345"). Nothing when the text
// does not read as an amount: letters, an exponent, digits other than 0 to 9,
// a group mark anywhere else ("12,34"), two points, or a magnitude past
// largestTypedAmount.
std::optional<qint64> readTypedAmount(const QString& text, Currency currency, NumberMarks marks = {});
// The same reading whatever the magnitude, as long as it fits in a qint64: the
// text of a stored amount, or a typed one to be refused as too large rather
// than as no amount.
std::optional<qint64> readAmountOfAnySize(const QString& text, Currency currency, NumberMarks marks = {});

void setAmountAutoDecimal(bool enabled);
bool isAmountAutoDecimal();
