#pragma once

#include "data/Account.h"
#include "data/Transaction.h"

#include <QDate>
#include <QDialog>

#include <optional>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class SmartAmountField;
class TypedInputCheck;

// The form of one account, new or edited. It writes nothing: the caller reads
// account() and the opening-balance values after the dialog was accepted. A
// credit card's or loan's starting balance is typed as the amount owed, a
// positive number, and comes back negated.
class AccountFormDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AccountFormDialog(QWidget* parent = nullptr);
    // `openingBalance` is the account's opening-balance row, when it has one.
    AccountFormDialog(const Account& account, const std::optional<Transaction>& openingBalance,
                      QWidget* parent = nullptr);

    // A new account has its id from the start and the starting balance typed; an
    // edited one keeps its id, version, creation time and stored starting
    // balance (a changed opening balance is the caller's, through the values below).
    Account account() const;
    // In minor units of the chosen currency, signed as stored.
    qint64 startingBalanceCents() const;
    QDate asOfDate() const;
    // The signed starting balance or its date differs from what the form opened with.
    bool openingBalanceChanged() const;

    // A type's name as the form offers it; every window that names a type uses it.
    static QString typeName(AccountType type);

public slots:
    // Stays open on a starting balance it cannot read.
    void accept() override;

private:
    void buildForm();
    void fillFromAccount(const std::optional<Transaction>& openingBalance);
    AccountType chosenType() const;
    Currency chosenCurrency() const;
    void onCurrencyChanged();
    void onTypeChanged();

    Account m_account;
    bool m_editing = false;
    qint64 m_initialStartingBalance = 0;
    QDate m_initialAsOfDate;

    QLabel* m_openingNote = nullptr;
    QLineEdit* m_nameEdit = nullptr;
    QComboBox* m_typeCombo = nullptr;
    QComboBox* m_currencyCombo = nullptr;
    QLabel* m_balanceLabel = nullptr;
    SmartAmountField* m_balanceField = nullptr;
    QDateEdit* m_asOfEdit = nullptr;
    QLineEdit* m_institutionEdit = nullptr;
    QLineEdit* m_numberEdit = nullptr;
    TypedInputCheck* m_inputCheck = nullptr;
    QLabel* m_problemLabel = nullptr;
};
