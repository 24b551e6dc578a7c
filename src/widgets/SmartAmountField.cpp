#include "SmartAmountField.h"

#include "widgets/AmountInput.h"

#include <QKeyEvent>
#include <QLineEdit>

SmartAmountField::SmartAmountField(QWidget* parent)
    : QDoubleSpinBox(parent)
{
    setAlignment(Qt::AlignRight);
    setCurrency(Currency::USD);
}

void SmartAmountField::setCurrency(Currency currency)
{
    const double kept = value();
    m_currency = currency;
    setDecimals(currencyScale(currency) == 1 ? 0 : 2);
    setPrefix(currencySymbol(currency) + QLatin1Char(' '));
    setValue(kept);
}

double SmartAmountField::valueFromText(const QString& text) const
{
    if (!isAmountAutoDecimal())
        return QDoubleSpinBox::valueFromText(text);
    // Only the digits count, but a minus sign after the symbol still makes the
    // amount negative: without the prefix it leads the text again.
    const QString number = text.startsWith(prefix()) ? text.mid(prefix().size()) : text;
    return centsToAmount(parseDigitsAsCents(number, m_currency), m_currency);
}

void SmartAmountField::keyPressEvent(QKeyEvent* event)
{
    const QString typed = event->text();
    if (typed.isEmpty() || !isDecimalSeparatorKey(typed.at(0), locale())) {
        QDoubleSpinBox::keyPressEvent(event);
        return;
    }
    if (isAmountAutoDecimal()) {
        event->accept();
        return;
    }
    const qsizetype point = lineEdit()->text().indexOf(typedDecimalPoint(locale()));
    if (point < 0) {
        QDoubleSpinBox::keyPressEvent(event);
        return;
    }
    lineEdit()->deselect();
    lineEdit()->setCursorPosition(static_cast<int>(point) + 1);
    event->accept();
}
