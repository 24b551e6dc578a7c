#pragma once

#include "data/RecurringTransaction.h"

#include <QWidget>

#include <optional>

class AppState;
class QLabel;
class QPoint;
class QTableView;
class RecurringModel;

// Every live recurring template in a sortable table, with the commands that
// create, edit, confirm, skip, enter early and delete them, confirm everything
// due and enter the coming week's occurrences.
class RecurringScreen : public QWidget
{
    Q_OBJECT

public:
    explicit RecurringScreen(AppState* state, QWidget* parent = nullptr);

    void reload();

signals:
    // After an action that may have posted transactions.
    void transactionsChanged();

public slots:
    void onContextMenu(const QPoint& pos);
    void showNewForm();
    void showEditForm(int row);
    // These act on the table's current row, and do nothing without one.
    void confirmSelected();
    void enterEarlySelected();
    void skipSelected();
    void deleteSelected();

private:
    void confirmAllDue();
    void enterNextSevenDays();
    std::optional<RecurringTransaction> currentRecord() const;
    void postedAndReload();

    AppState* m_state;
    RecurringModel* m_model = nullptr;
    QTableView* m_view = nullptr;
    QLabel* m_dueLabel = nullptr;
};
