#pragma once

#include "data/Money.h"
#include "data/RegisterRows.h"

#include <QWidget>

class QHBoxLayout;
class RegisterFigureValue;

// The Cleared, Uncleared and Balance figures of the register's header, each a
// caption over its value. A liability account's figures read with the sign
// flipped, so that a debt reads positive; the balance is coloured by its sign.
class RegisterFigureLabels : public QWidget
{
    Q_OBJECT

public:
    explicit RegisterFigureLabels(QWidget* parent = nullptr);

    void showFigures(const RegisterFigures& figures, bool liability, Currency currency);
    // Blank while the figures are on their way, never another account's.
    void clear();

private:
    RegisterFigureValue* addBlock(QHBoxLayout* row, const QString& caption, bool bold);

    RegisterFigureValue* m_cleared = nullptr;
    RegisterFigureValue* m_uncleared = nullptr;
    RegisterFigureValue* m_balance = nullptr;
};
