#pragma once

#include <QLabel>

// The label type for balance figures; it behaves as a plain QLabel.
class BalanceLabel : public QLabel
{
    Q_OBJECT

public:
    explicit BalanceLabel(QWidget* parent = nullptr)
        : QLabel(parent)
    {
    }
};
