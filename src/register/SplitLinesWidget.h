#pragma once

#include "data/Money.h"
#include "data/SplitLine.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QWidget>

class AppState;
class QComboBox;
class QTableWidget;
class SmartAmountField;
class TypedInputCheck;

// The editable table of a split transaction's lines: category, amount, memo.
// Amounts are shown as magnitudes; the sign is given when the lines are read out.
class SplitLinesWidget : public QWidget
{
    Q_OBJECT

public:
    explicit SplitLinesWidget(AppState* state, QWidget* parent = nullptr);

    void addLine();
    // Removes the current row; nothing without one.
    void removeCurrentLine();
    void setCurrency(Currency currency);
    Currency currency() const { return m_currency; }
    // One row per line; an empty list gives two blank rows to fill in.
    void setLines(const QList<SplitLine>& lines);
    // The sum of the rows, in minor units.
    qint64 total() const;
    // The rows as new records, in row order, negated for a negative `sign`; a
    // row of 0 is left out. The caller gives them their transaction.
    QList<SplitLine> lines(int sign) const;
    // The first row's amount field whose text is no amount, with that text put
    // back and selected; `message` says so. False when every row reads.
    bool findNotUnderstood(QString* message);

signals:
    void changed();

protected:
    // A row whose editor takes the focus becomes the current row, so that
    // "- Remove" removes the line being edited.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QComboBox* categoryCombo(int row) const;
    SmartAmountField* amountField(int row) const;
    qint64 rowCents(int row) const;

    AppState* m_state;
    Currency m_currency = Currency::USD;
    QTableWidget* m_table = nullptr;
    TypedInputCheck* m_amountCheck = nullptr;
    // (id, name) of "(none)" and of every live category, by name.
    QList<QPair<QString, QString>> m_categories;
};
