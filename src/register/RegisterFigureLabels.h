#pragma once

#include "data/Money.h"
#include "data/RegisterRows.h"

#include <QWidget>

class QHBoxLayout;
class QLabel;

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
    QLabel* addBlock(QHBoxLayout* row, const QString& caption, bool bold);

    QLabel* m_cleared = nullptr;
    QLabel* m_uncleared = nullptr;
    QLabel* m_balance = nullptr;
};
