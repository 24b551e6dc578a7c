#pragma once

#include "data/Money.h"
#include "data/Transaction.h"

#include <QDialog>

class AppState;
class QFormLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;

// The read-only view of one stored transaction. It toggles the cleared mark and
// deletes by itself; editing and duplicating are asked of the caller, which
// reads the flags after exec().
class TransactionDetailsDialog : public QDialog
{
    Q_OBJECT

public:
    TransactionDetailsDialog(AppState* state, const Transaction& transaction, QWidget* parent = nullptr);

    bool editRequested() const { return m_editRequested; }
    bool duplicateRequested() const { return m_duplicateRequested; }
    bool deleted() const { return m_deleted; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildView();
    void addFields(QFormLayout* form);
    void addSplitLines(QVBoxLayout* layout);
    void addButtons(QVBoxLayout* layout);
    void toggleCleared();
    void deleteTransaction();
    QString statusText() const;

    AppState* m_state;
    Transaction m_record;
    Currency m_currency = Currency::USD;
    bool m_editRequested = false;
    bool m_duplicateRequested = false;
    bool m_deleted = false;
    QLabel* m_statusLabel = nullptr;
    QPushButton* m_toggleClearedButton = nullptr;
};
