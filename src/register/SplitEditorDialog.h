#pragma once

#include "data/Money.h"
#include "data/SplitLine.h"

#include <QDialog>
#include <QList>

class AppState;
class QLabel;
class SplitLinesWidget;

// Splits one transaction's amount over categories, showing what is left to
// assign. Lines that do not add up are the caller's business; an amount it
// cannot read keeps it open.
class SplitEditorDialog : public QDialog
{
    Q_OBJECT

public:
    // `amount` is the transaction's signed amount; every line takes its sign.
    SplitEditorDialog(AppState* state, qint64 amount, Currency currency, const QList<SplitLine>& lines,
                      QWidget* parent = nullptr);

    QList<SplitLine> lines() const;

public slots:
    void updateRemaining();
    void accept() override;

private:
    qint64 m_amount;
    Currency m_currency;
    QLabel* m_remainingLabel = nullptr;
    QLabel* m_problemLabel = nullptr;
    SplitLinesWidget* m_splitLines = nullptr;
};
