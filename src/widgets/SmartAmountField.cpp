#include "SmartAmountField.h"

#include "widgets/AmountInput.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>
#include <cstdlib>
#include <limits>

SmartAmountField::SmartAmountField(QWidget* parent)
    : QDoubleSpinBox(parent)
{
    setAlignment(Qt::AlignRight);
    setCurrency(Currency::USD);
}

namespace {

// An amount in minor units of one currency as the same figure in another's:
// cents to yen round half away from zero. Nothing when it does not fit.
std::optional<qint64> rescaled(qint64 units, Currency from, Currency to)
{
    const int fromScale = currencyScale(from);
    const int toScale = currencyScale(to);
    if (fromScale == toScale)
        return units;
    if (toScale > fromScale) {
        qint64 result = 0;
        if (qMulOverflow(units, qint64(toScale / fromScale), &result))
            return std::nullopt;
        return result;
    }
    const qint64 divisor = fromScale / toScale;
    const qint64 whole = units / divisor;
    const qint64 rest = units % divisor;
    if (2 * std::abs(rest) >= divisor)
        return rest < 0 ? whole - 1 : whole + 1;
    return whole;
}

} // namespace

void SmartAmountField::setCurrency(Currency currency)
{
    const Currency before = m_currency;
    // The amount set, still shown, moves to new decimals exactly and stays the
    // one the field takes past the limit; any other value keeps to the limit
    // in the new currency.
    std::optional<qint64> carried;
    if (m_set && m_exact && *m_exact == *m_set && standsFor(value(), *m_set))
        carried = rescaled(*m_set, before, currency);
    const double kept = value();
    m_currency = currency;
    setPrefix(currencySymbol(currency) + QLatin1Char(' '));
    // The same decimals read the same minor units: what is shown stays exact.
    if (currencyScale(currency) == currencyScale(before))
        return;
    m_exact.reset();
    m_set = carried;
    setDecimals(currencyDecimals(currency));
    // After the decimals, which round the range: 99,999,999.99 would become 100,000,000 yen.
    applyLimit();
    if (carried)
        setMinorUnits(*carried);
    else
        setValue(kept);
}

void SmartAmountField::keepToTypedLimit(Signs signs)
{
    keepToLimit(Limit::Typed, signs);
}

void SmartAmountField::keepToStoredLimit(Signs signs)
{
    keepToLimit(Limit::Stored, signs);
}

void SmartAmountField::keepToLimit(Limit limit, Signs signs)
{
    m_limit = limit;
    m_signs = signs;
    applyLimit();
}

qint64 SmartAmountField::largestAllowed() const
{
    return m_limit == Limit::Stored ? kLargestStoredAmount : largestTypedAmount(m_currency);
}

bool SmartAmountField::isAllowed(qint64 units) const
{
    const quint64 size = units < 0 ? quint64(0) - quint64(units) : quint64(units);
    return size <= quint64(largestAllowed()) || (m_set && units == *m_set);
}

void SmartAmountField::applyLimit()
{
    double lowest = minimum();
    double highest = maximum();
    if (m_signs) {
        highest = centsToAmount(largestAllowed(), m_currency);
        lowest = *m_signs == Signs::Either ? -highest : 0.0;
    }
    // The amount set is shown whole, however far past the limit it lies.
    if (m_set) {
        const double set = centsToAmount(*m_set, m_currency);
        lowest = std::min(lowest, set);
        highest = std::max(highest, set);
    }
    setRange(lowest, highest);
}

void SmartAmountField::setMinorUnits(qint64 units)
{
    m_set = units;
    applyLimit();
    m_exact = units;
    // Writes its text afresh, through textFromValue, even for a value it
    // cannot tell from the one it holds.
    setValue(centsToAmount(units, m_currency));
}

void SmartAmountField::setSizeOf(qint64 amount)
{
    setMinorUnits(amount == std::numeric_limits<qint64>::min() ? std::numeric_limits<qint64>::max()
                                                                : std::abs(amount));
}

qint64 SmartAmountField::minorUnits() const
{
    if (m_exact && standsFor(value(), *m_exact))
        return *m_exact;
    return amountToCents(value(), m_currency);
}

bool SmartAmountField::standsFor(double shown, qint64 units) const
{
    const int places = decimals();
    return QString::number(shown, 'f', places) == QString::number(centsToAmount(units, m_currency), 'f', places);
}

QString SmartAmountField::unitsText(qint64 units) const
{
    // As the spin box writes a value, from the units: its locale's marks,
    // group marks only where it shows them.
    const QLocale shownIn = locale();
    const quint64 size = units < 0 ? quint64(0) - quint64(units) : quint64(units);
    const quint64 scale = quint64(currencyScale(m_currency));
    QString text = shownIn.toString(qulonglong(size / scale));
    if (!isGroupSeparatorShown())
        text.remove(shownIn.groupSeparator());
    if (const int places = decimals(); places > 0) {
        text += shownIn.decimalPoint();
        text += shownIn.toString(qulonglong(size % scale)).rightJustified(places, shownIn.zeroDigit().at(0));
    }
    return units < 0 ? shownIn.negativeSign() + text : text;
}

QString SmartAmountField::textFromValue(double shown) const
{
    if (m_exact && standsFor(shown, *m_exact))
        return unitsText(*m_exact);
    return QDoubleSpinBox::textFromValue(shown);
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

std::optional<qint64> SmartAmountField::readAnySize(const QString& text) const
{
    const QString group = locale().groupSeparator();
    NumberMarks marks{typedDecimalPoint(locale()), group.isEmpty() ? QChar() : group.at(0)};
    return readAmountOfAnySize(numberText(text), m_currency, marks);
}

std::optional<qint64> SmartAmountField::readMinorUnits(const QString& text) const
{
    const std::optional<qint64> units = readAnySize(text);
    return units && isAllowed(*units) ? units : std::nullopt;
}

std::optional<qint64> SmartAmountField::typedMinorUnits() const
{
    return readMinorUnits(text());
}

double SmartAmountField::valueFromText(const QString& text) const
{
    // Only reached for text validate() accepted, which reads.
    const std::optional<qint64> units = readMinorUnits(text);
    if (!units)
        return QDoubleSpinBox::valueFromText(text);
    m_exact = units;
    return centsToAmount(*units, m_currency);
}

void SmartAmountField::stepBy(int steps)
{
    QDoubleSpinBox::stepBy(steps);
    // A step away from an amount set past the limit is a new amount, and keeps to it.
    if (!isAllowed(minorUnits())) {
        const double largest = centsToAmount(largestAllowed(), m_currency);
        setValue(std::clamp(value(), -largest, largest));
    }
}

QValidator::State SmartAmountField::validate(QString& input, int& pos) const
{
    // A range widened for an amount set past the limit takes no other amount
    // past it: refused as the limit's own range refuses one.
    const std::optional<qint64> units = readAnySize(input);
    if (units && !isAllowed(*units))
        return QValidator::Invalid;
    // The spin box alone reads auto-decimal digits as whole units, and would
    // refuse the ninth digit of 99,999,999.99 as past the range.
    if (isAmountAutoDecimal() && !numberText(input).isEmpty() && units) {
        const double value = centsToAmount(*units, m_currency);
        return value >= minimum() && value <= maximum() ? QValidator::Acceptable : QValidator::Invalid;
    }
    // The spin box alone would take "12,34" as 1234, a group mark wherever it stands.
    const QValidator::State state = QDoubleSpinBox::validate(input, pos);
    if (state == QValidator::Acceptable && !units)
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
