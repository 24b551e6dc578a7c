#pragma once

#include "data/Money.h"

#include <QChar>
#include <QString>

class QLocale;

// The typing rules every amount editor shares (SmartAmountField, the register's
// payment and deposit cells).

// The decimal point a person types in `locale`: the first character of the
// locale's decimal point, or "." when it has none.
QChar typedDecimalPoint(const QLocale& locale);

// Whether a typed character is meant as the decimal point: the locale's own,
// "," or "." (a German keyboard's keypad types "." for ",", and people mix them).
bool isDecimalSeparatorKey(QChar typed, const QLocale& locale);

// The amount text an amount cell commits. With auto-decimal entry on and an
// amount typed, the typed digits are minor units ("1234" becomes "12.34", or
// "1,234" yen); otherwise, and for text that reads as no amount, the text
// stays as typed.
QString committedAmountText(const QString& text, Currency currency);
