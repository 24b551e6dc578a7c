#pragma once

#include "data/Account.h"
#include "data/Money.h"
#include "data/SplitLine.h"
#include "data/Transaction.h"

#include <QDate>
#include <QDialog>
#include <QList>
#include <QString>

#include <optional>

class AppState;
class DateField;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QCompleter;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class SmartAmountField;
class SplitLinesWidget;
class TypedInputCheck;

// The form in which one transaction of one account is entered or changed: a
// new one, a duplicate seeded from another, or an edit. It builds the record and
// saves nothing; its callers check transfers and write, and may show it again
// with everything the user typed still in it.
class TransactionFormDialog : public QDialog
{
    Q_OBJECT

public:
    // Edit mode: a copy of the stored transaction.
    TransactionFormDialog(AppState* state, const Transaction& transaction, QWidget* parent = nullptr);
    // New mode, for the account.
    TransactionFormDialog(AppState* state, const QString& accountId, QWidget* parent = nullptr);

    // Seeds a new form from another transaction, field by field where it has a
    // value; its cleared mark and transfer fields are not taken.
    void prefill(const Transaction& seed);

    // The record as the form stands: a new one gets a fresh id each call; an
    // edit keeps its id, with the version raised by one. A new transfer carries
    // only the payee "[Transfer] <account name>" and a negative amount.
    Transaction transaction();
    // The split lines with the transaction's sign; none outside split mode.
    QList<SplitLine> splitLines() const;

    // The date of the last record any form built: the next new form's default.
    static QDate lastEnteredDate();

public slots:
    // Stays open on a date or an amount it cannot read.
    void accept() override;

private slots:
    void onPayeeSelected(const QString& payee);
    void onEnterSplit();
    void onClearSplit();

private:
    void setupUi();
    void addPayeeRow(QFormLayout* form, const std::optional<Account>& account);
    void addCategoryRow(QFormLayout* form);
    void populateCategories();
    void ensureCategoryListed(const QString& categoryId);
    void selectCategory(const QString& categoryId);
    void loadTransaction(const Transaction& transaction);
    void loadSplitLines(const QString& transactionId);
    void updateTransferMode();
    void updateSplitUi();
    QString currentCategoryId() const;
    bool isOutflow() const;

    QLabel* m_openingBalanceNote = nullptr;
    AppState* m_state;
    QString m_accountId;
    Currency m_currency = Currency::USD;
    Transaction m_record;
    bool m_editing = false;
    QRadioButton* m_outflowRadio = nullptr;
    QRadioButton* m_transferRadio = nullptr;
    QComboBox* m_transferTargetCombo = nullptr;
    QStackedWidget* m_payeeStack = nullptr;
    QLabel* m_payeeLabel = nullptr;
    QRadioButton* m_inflowRadio = nullptr;
    DateField* m_dateField = nullptr;
    QLineEdit* m_payeeEdit = nullptr;
    QCompleter* m_payeeCompleter = nullptr;
    SmartAmountField* m_amountField = nullptr;
    QComboBox* m_categoryCombo = nullptr;
    QPushButton* m_splitButton = nullptr;
    QPushButton* m_singleCategoryButton = nullptr;
    SplitLinesWidget* m_splitLinesWidget = nullptr;
    QLineEdit* m_memoEdit = nullptr;
    QLineEdit* m_checkNumberEdit = nullptr;
    QCheckBox* m_clearedCheck = nullptr;
    bool m_splitMode = false;
    TypedInputCheck* m_inputCheck = nullptr;
    QLabel* m_problemLabel = nullptr;
};
