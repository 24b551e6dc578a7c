#pragma once

#include <QWidget>

class AppState;
class QLabel;
class QTableWidget;

// The completed reconciliations of one account, latest statement first.
class ReconciliationHistoryScreen : public QWidget
{
    Q_OBJECT

public:
    explicit ReconciliationHistoryScreen(AppState* state, QWidget* parent = nullptr);

    void setAccount(const QString& accountId);
    void load();

private:
    AppState* m_state;
    QString m_accountId;
    QLabel* m_titleLabel = nullptr;
    QTableWidget* m_table = nullptr;
    QLabel* m_emptyLabel = nullptr;
};
