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
    setDecimals(currencyDecimals(currency));
    // After the decimals, which round the range: 99,999,999.99 would become 100,000,000 yen.
    applyTypedLimit();
    setPrefix(currencySymbol(currency) + QLatin1Char(' '));
    setValue(kept);
}

void SmartAmountField::keepToTypedLimit(Signs signs)
{
    m_typedLimit = signs;
    applyTypedLimit();
}

void SmartAmountField::applyTypedLimit()
{
    if (!m_typedLimit)
        return;
    const double largest = centsToAmount(largestTypedAmount(m_currency), m_currency);
    setRange(*m_typedLimit == Signs::Either ? -largest : 0.0, largest);
}

QString SmartAmountField::numberText(const QString& text) const
{
    QStringView number(text);
    if (number.startsWith(prefix()))
        number = number.sliced(prefix().size());
    if (!suffix().isEmpty() && number.endsWith(suffix()))
        number.chop(suffix().size());
    return number.trimmed().toString();
}

std::optional<qint64> SmartAmountField::readMinorUnits(const QString& text) const
{
    const QString group = locale().groupSeparator();
    NumberMarks marks{typedDecimalPoint(locale()), group.isEmpty() ? QChar() : group.at(0)};
    return readTypedAmount(numberText(text), m_currency, marks);
}

std::optional<qint64> SmartAmountField::typedMinorUnits() const
{
    return readMinorUnits(text());
}

double SmartAmountField::valueFromText(const QString& text) const
{
    // Only reached for text validate() accepted, which reads.
    const std::optional<qint64> units = readMinorUnits(text);
    return units ? centsToAmount(*units, m_currency) : QDoubleSpinBox::valueFromText(text);
}

QValidator::State SmartAmountField::validate(QString& input, int& pos) const
{
    // The spin box alone reads auto-decimal digits as whole units, and would
    // refuse the ninth digit of 99,999,999.99 as past the range.
    if (isAmountAutoDecimal() && !numberText(input).isEmpty()) {
        if (const std::optional<qint64> units = readMinorUnits(input)) {
            const double value = centsToAmount(*units, m_currency);
            return value >= minimum() && value <= maximum() ? QValidator::Acceptable : QValidator::Invalid;
        }
    }
    // The spin box alone would take "12,34" as 1234, a group mark wherever it stands.
    const QValidator::State state = QDoubleSpinBox::validate(input, pos);
    if (state == QValidator::Acceptable && !readMinorUnits(input))
        return QValidator::Intermediate;
    return state;
}

void SmartAmountField::fixup(QString& /*input*/) const
{
    // The spin box's own takes every group mark out, wherever it stands, and
    // would turn the "12,34" validate() refused into 1234: text that reads as
    // no amount stays as typed, for the field to put its value back.
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
