#pragma once

#include "data/RecurringTransaction.h"

#include <QDialog>

#include <optional>

class AppState;
class DateField;
class QCheckBox;
class QLabel;
class QComboBox;
class QFormLayout;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QStringListModel;
class SmartAmountField;
class TypedInputCheck;

// The form of one recurring transaction, opened to create one, to edit one, or
// to memorize a register transaction from a seed record. It writes nothing: the
// caller reads recurring() after the dialog was accepted and stores it.
class RecurringFormDialog : public QDialog
{
    Q_OBJECT

public:
    // A new record, starting today, as a payment.
    explicit RecurringFormDialog(AppState* state, QWidget* parent = nullptr);
    // An edit of `record`.
    RecurringFormDialog(AppState* state, const RecurringTransaction& record, QWidget* parent = nullptr);
    // A new record filled from `seed`; the caller owns the dialog.
    static RecurringFormDialog* createFromSeed(AppState* state, const RecurringTransaction& seed, QWidget* parent);
    // Runs the memorize form on `seed` modally: the record built when the user
    // accepted it, none when cancelled. The shape the register's memorize command takes.
    static std::optional<RecurringTransaction> memorize(AppState* state, const RecurringTransaction& seed,
                                                        QWidget* parent);

    // The record built from the form. A record that is not an edit gets a fresh
    // id on every call; a start date before 2000 is repaired to today.
    RecurringTransaction recurring() const;

public slots:
    // Stays open on an amount or a date it cannot read.
    void accept() override;

private:
    void buildForm();
    void fillAccounts();
    void fillCategories();
    void fillFromRecord();
    void selectCategory(const QString& categoryId);
    void onAccountChanged();
    void onFrequencyChanged();
    void updateRepeatSuffix();
    RecurringFrequency chosenFrequency() const;
    // The word after the "Repeat every" count; none for the fixed schedules.
    static QString repeatUnit(RecurringFrequency frequency, int count);

    AppState* m_state;
    RecurringTransaction m_openedRecord;
    bool m_editing = false;
    bool m_createdFromSeed = false;

    QFormLayout* m_form = nullptr;
    QComboBox* m_accountCombo = nullptr;
    QRadioButton* m_paymentRadio = nullptr;
    QRadioButton* m_depositRadio = nullptr;
    QLineEdit* m_payeeEdit = nullptr;
    QStringListModel* m_payeeModel = nullptr;
    SmartAmountField* m_amountField = nullptr;
    QComboBox* m_categoryCombo = nullptr;
    QLineEdit* m_memoEdit = nullptr;
    QComboBox* m_frequencyCombo = nullptr;
    QSpinBox* m_intervalSpin = nullptr;
    QComboBox* m_firstDayCombo = nullptr;
    QComboBox* m_secondDayCombo = nullptr;
    DateField* m_startDateField = nullptr;
    QCheckBox* m_hasEndDateCheck = nullptr;
    DateField* m_endDateField = nullptr;
    QCheckBox* m_autoPostCheck = nullptr;
    QSpinBox* m_leadDaysSpin = nullptr;
    QCheckBox* m_activeCheck = nullptr;
    TypedInputCheck* m_inputCheck = nullptr;
    QLabel* m_problemLabel = nullptr;
};
