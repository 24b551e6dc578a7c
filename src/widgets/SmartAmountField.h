#pragma once

#include "data/Money.h"

#include <QDoubleSpinBox>

#include <optional>

// The money entry box: the currency's symbol before the number and its number of
// decimals (none for the yen). With auto-decimal entry on, typed digits are
// minor units (1234 is 12.34) and the decimal point keys insert nothing; with it
// off, a decimal point key jumps after the point already there. Its text is
// read as every typed amount is (readTypedAmount), in the field's locale: text
// that reads as no amount ("12,34") never becomes its value. The range is the
// owner's to set, mostly as keepToTypedLimit.
//
// The spin box holds a double, which near 2^53 minor units cannot tell two
// neighbouring cents apart, so the field remembers the exact minor units of
// what it shows: an amount set in minor units, or text read as typed, shows and
// reads back unit for unit (minorUnits), never through the double.
class SmartAmountField : public QDoubleSpinBox
{
    Q_OBJECT

public:
    explicit SmartAmountField(QWidget* parent = nullptr);

    Currency currency() const { return m_currency; }
    // Keeps the value, rounded to the new currency's decimals.
    void setCurrency(Currency currency);

    // The range of every amount a person types (largestTypedAmount), from 0 or
    // from its negative, in the field's currency as it changes.
    enum class Signs { NotNegative, Either };
    void keepToTypedLimit(Signs signs);
    // The range of every amount the ledger stores (kLargestStoredAmount), for a
    // field that takes a figure the ledger already holds (a statement balance).
    void keepToStoredLimit(Signs signs);

    // Shows an amount whole, in minor units of the field's currency: one the
    // ledger holds may lie past the typed limit, and the range then takes it
    // too, though typing and stepping still keep to the limit. Until the
    // person types over it, minorUnits() gives back exactly these units.
    void setMinorUnits(qint64 units);
    // The same for the size of a signed amount, in a field of sizes whose sign
    // the form shows apart. The most negative count, which has no positive,
    // shows as the largest.
    void setSizeOf(qint64 amount);
    // The amount shown, in minor units: exactly what was set or typed.
    qint64 minorUnits() const;

    // What the text shown now reads as, in minor units; nothing when it reads
    // as no amount. Empty text is 0.
    std::optional<qint64> typedMinorUnits() const;

    double valueFromText(const QString& text) const override;
    QString textFromValue(double value) const override;
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
    void stepBy(int steps) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum class Limit { Typed, Stored };

    void keepToLimit(Limit limit, Signs signs);
    // The number of a text as the spin box holds it, without prefix and suffix.
    QString numberText(const QString& text) const;
    std::optional<qint64> readAnySize(const QString& text) const;
    // What a text reads as, if the field takes it: within the limit, or the
    // amount last set.
    std::optional<qint64> readMinorUnits(const QString& text) const;
    qint64 largestAllowed() const;
    bool isAllowed(qint64 units) const;
    void applyLimit();
    // Whether `value` is, to the spin box, the value of `units`: the same at
    // its decimals, as two doubles it cannot tell apart.
    bool standsFor(double value, qint64 units) const;
    QString unitsText(qint64 units) const;

    Currency m_currency = Currency::USD;
    std::optional<Signs> m_signs;
    Limit m_limit = Limit::Typed;
    // The amount last set in minor units, which the field takes past the limit.
    std::optional<qint64> m_set;
    // The minor units of the value shown, as last set or read from the text.
    mutable std::optional<qint64> m_exact;
};
