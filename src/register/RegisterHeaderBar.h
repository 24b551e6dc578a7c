#pragma once

#include <QWidget>

struct Account;
class ElidedLabel;
class QLabel;
class QPushButton;
class RegisterFigureLabels;

// The head of the register: the account's name with its figures and the
// "&New Transaction", filter and "&Reconcile" buttons, and the institution line
// under them. The buttons take click focus only, so Tab stays in the table;
// what they do is the screen's.
class RegisterHeaderBar : public QWidget
{
    Q_OBJECT

public:
    explicit RegisterHeaderBar(QWidget* parent = nullptr);

    // The name, and the institution with the last digits of the account number;
    // digits without an institution show no line at all.
    void showAccount(const Account& account);
    // The filter button tells how many criteria are hiding rows.
    void setFilterCount(int active);
    RegisterFigureLabels* figures() const { return m_figures; }

signals:
    void newTransactionClicked();
    void filterClicked();
    void reconcileClicked();

private:
    QPushButton* addButton(const char* objectName, void (RegisterHeaderBar::*clicked)());

    ElidedLabel* m_titleLabel = nullptr;
    RegisterFigureLabels* m_figures = nullptr;
    QLabel* m_subtitleLabel = nullptr;
    QPushButton* m_filterButton = nullptr;
};
