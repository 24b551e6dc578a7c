#pragma once

#include <QList>
#include <QStringList>
#include <QWidget>

class AppState;
class QComboBox;
class QDateEdit;
class QLabel;
class QTabWidget;
class QTableView;
class ReportTableModel;

// The reports window: eight read-only report tables on tabs over one account
// filter and one period (the year-over-year tab compares periods of its own),
// with the current tab exported as CSV. Sums over accounts held in different
// currencies would not add up, so those reports are withheld with a notice.
class ReportsScreen : public QWidget
{
    Q_OBJECT

public:
    explicit ReportsScreen(AppState* state, QWidget* parent = nullptr);

    // Refills the account filter (back on "All Accounts") and runs every report.
    void refresh();

private slots:
    void onDatePresetChanged(int index);
    void onFilterChanged();
    void runReport();
    void exportCurrentTab();
    void onComparisonModeChanged(int index);

private:
    QLayout* buildFilterBar();
    QWidget* buildComparisonTab(QTableView* table);
    // The table of one tab over a model of its own, appended to m_models.
    QTableView* newReportTable(const char* name, const QStringList& headers, const QList<int>& rightAligned);
    QDateEdit* addDateEdit(const char* name);
    void applyPreset(int index);
    void applyComparisonMode(int index);
    void refillAccounts();

    AppState* m_state;
    QTabWidget* m_tabs = nullptr;
    QComboBox* m_accountCombo = nullptr;
    QLabel* m_mixedCurrencyNotice = nullptr;
    QComboBox* m_periodCombo = nullptr;
    QLabel* m_rangeLabel = nullptr;
    QDateEdit* m_fromEdit = nullptr;
    QDateEdit* m_toEdit = nullptr;
    QComboBox* m_yoyModeCombo = nullptr;
    QLabel* m_yoyPeriodsLabel = nullptr;
    QWidget* m_yoyCustomRange = nullptr;
    QDateEdit* m_p1FromEdit = nullptr;
    QDateEdit* m_p1ToEdit = nullptr;
    QDateEdit* m_p2FromEdit = nullptr;
    QDateEdit* m_p2ToEdit = nullptr;
    // One per tab, in tab order.
    QList<ReportTableModel*> m_models;
    // Set while the filter widgets are changed by the screen itself, so that their
    // change signals do not run the reports halfway.
    bool m_updating = true;
};
