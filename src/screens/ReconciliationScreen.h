#pragma once

#include "data/Money.h"
#include "data/Transaction.h"

#include <QList>
#include <QWidget>

class AppState;
class DateField;
class LedgerWatch;
class QLabel;
class QPushButton;
class QTableWidget;
class SmartAmountField;
class TypedInputCheck;

// Reconciles one account against a bank statement: the user enters the
// statement's date and ending balance, ticks the unreconciled transactions the
// statement shows, and finishes once the cleared balance meets the statement.
// Transactions can be added, edited and deleted meanwhile; ticks survive that.
class ReconciliationScreen : public QWidget
{
    Q_OBJECT

public:
    explicit ReconciliationScreen(AppState* state, QWidget* parent = nullptr);

    // Loads the account and proposes the next statement date; an account that
    // does not exist leaves the screen empty.
    void start(const QString& accountId);

signals:
    void reconciliationCompleted();
    void cancelled();

public slots:
    void onTransactionToggled(int row);
    void updateDifference();
    void finish();
    void addTransaction();
    void editSelectedTransaction();
    void deleteSelectedTransaction();

protected:
    // Space, C and R on the table tick or untick the current row.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildSummaryPanel();
    QWidget* buildTransactionPanel();
    void addCommand(const QString& name, const QList<QKeySequence>& keys, void (ReconciliationScreen::*slot)());
    void fillTable();
    void fillRow(int row);
    // The statement's ending balance in minor units, stored-signed.
    qint64 statementBalance() const;
    QList<Transaction> tickedTransactions() const;
    int currentRow() const;

    AppState* m_state;
    QString m_accountId;
    Currency m_currency = Currency::USD;
    MoneySum m_previousBalance;
    bool m_liability = false;
    QList<Transaction> m_transactions;
    QList<bool> m_ticked;

    DateField* m_statementDateField = nullptr;
    SmartAmountField* m_statementBalanceField = nullptr;
    QLabel* m_statementBalanceCaption = nullptr;
    QLabel* m_depositsCaption = nullptr;
    QLabel* m_withdrawalsCaption = nullptr;
    QLabel* m_previousBalanceLabel = nullptr;
    QLabel* m_depositsLabel = nullptr;
    QLabel* m_withdrawalsLabel = nullptr;
    QLabel* m_clearedBalanceLabel = nullptr;
    QLabel* m_statementBalanceLabel = nullptr;
    QLabel* m_differenceLabel = nullptr;
    TypedInputCheck* m_inputCheck = nullptr;
    QLabel* m_problemLabel = nullptr;
    QPushButton* m_finishButton = nullptr;
    QTableWidget* m_table = nullptr;
    LedgerWatch* m_watch = nullptr;
};
