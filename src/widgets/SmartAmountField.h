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

    // What the text shown now reads as, in minor units; nothing when it reads
    // as no amount. Empty text is 0.
    std::optional<qint64> typedMinorUnits() const;

    double valueFromText(const QString& text) const override;
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The number of a text as the spin box holds it, without prefix and suffix.
    QString numberText(const QString& text) const;
    std::optional<qint64> readMinorUnits(const QString& text) const;
    void applyTypedLimit();

    Currency m_currency = Currency::USD;
    std::optional<Signs> m_typedLimit;
};
