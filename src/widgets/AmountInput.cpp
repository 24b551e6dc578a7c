#include "AmountInput.h"

#include <QLocale>

QChar typedDecimalPoint(const QLocale& locale)
{
    const QString point = locale.decimalPoint();
    return point.isEmpty() ? QLatin1Char('.') : point.at(0);
}

bool isDecimalSeparatorKey(QChar typed, const QLocale& locale)
{
    return typed == typedDecimalPoint(locale) || typed == QLatin1Char(',') || typed == QLatin1Char('.');
}

QString committedAmountText(const QString& text, Currency currency)
{
    if (!isAmountAutoDecimal() || text.trimmed().isEmpty())
        return text;
    const std::optional<qint64> units = readTypedAmount(text, currency);
    return units ? formatMoneyPlain(*units, currency) : text;
}
