#pragma once

#include <QWidget>

class AppState;
class QLineEdit;
class QListWidget;

// Lists every payee of the live transactions and renames the selected ones to a
// new name, or merges two or more of them into one. Names match exactly: letter
// case and blanks make different payees.
class PayeeScreen : public QWidget
{
    Q_OBJECT

public:
    explicit PayeeScreen(AppState* state, QWidget* parent = nullptr);

    void loadPayees();

signals:
    // After every completed rename or merge, even one that changed no row.
    void payeesChanged();

private slots:
    void onRename();
    void onMerge();

private:
    QStringList selectedPayees() const;
    // Opening balances are found by their payee, so no payee may take that name.
    bool refuseOpeningBalanceName(const QString& name, const QString& title);
    void finish(const QString& title, const QString& message);

    AppState* m_state;
    QListWidget* m_payeeList = nullptr;
    QLineEdit* m_renameEdit = nullptr;
};
