#pragma once

#include "data/Money.h"

#include <QDoubleSpinBox>

// The money entry box: the currency's symbol before the number and its number of
// decimals (none for the yen). With auto-decimal entry on, typed digits are
// minor units (1234 is 12.34) and the decimal point keys insert nothing; with it
// off, a decimal point key jumps after the point already there. The range is
// the owner's to set.
class SmartAmountField : public QDoubleSpinBox
{
    Q_OBJECT

public:
    explicit SmartAmountField(QWidget* parent = nullptr);

    Currency currency() const { return m_currency; }
    // Keeps the value, rounded to the new currency's decimals.
    void setCurrency(Currency currency);

    double valueFromText(const QString& text) const override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    Currency m_currency = Currency::USD;
};
