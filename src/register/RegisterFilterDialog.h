#pragma once

#include "RegisterFilter.h"

#include <QDialog>

class AppState;
class DateField;
class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;
class TypedInputCheck;

// Edits one account's register filter: cleared state, a date range and one
// category. It neither stores nor applies the filter; the caller reads filter()
// after "Done".
class RegisterFilterDialog : public QDialog
{
    Q_OBJECT

public:
    RegisterFilterDialog(AppState* state, const RegisterFilter& filter, QWidget* parent = nullptr);

    RegisterFilter filter() const;
    void setFilter(const RegisterFilter& filter);

public slots:
    // Stays open on a date it cannot read.
    void accept() override;

private:
    QRadioButton* m_allRadio;
    QRadioButton* m_clearedRadio;
    QRadioButton* m_unclearedRadio;
    QCheckBox* m_dateRangeCheck;
    DateField* m_fromField;
    DateField* m_toField;
    QComboBox* m_categoryCombo;
    TypedInputCheck* m_inputCheck;
    QLabel* m_problemLabel;
};
