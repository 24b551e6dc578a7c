#pragma once

#include <QObject>

class AppState;
struct Account;
class QPoint;
class RegisterDelegate;
class RegisterModel;
class RegisterTableView;

// The register table's columns as the user left them: widths, hidden columns
// and the sort live in the settings store under "register/"; the Balance
// column, two-line rows and the newest-first sort are preferences. It saves
// each change the user makes, and nothing the restore itself does.
class RegisterColumnLayout : public QObject
{
    Q_OBJECT

public:
    RegisterColumnLayout(AppState* state, RegisterTableView* table, RegisterModel* model, RegisterDelegate* delegate,
                         QObject* parent);

    void restore();
    // Back to the default widths, every column shown, sorted by date.
    void reset();
    // The "Show columns" menu of the header, at `pos` in the header's viewport.
    void showHeaderMenu(const QPoint& pos);
    // Payee over memo in one row, the Memo column hidden meanwhile.
    void setTwoLineMode(bool on);
    // What the preferences say of the shown account's register: two-line rows,
    // the Balance column, and how the model marks balances and amounts.
    void applyDisplayPreferences(const Account& account);

private:
    void saveColumnWidth(int column, int newSize);
    void saveSortOrder(int column, Qt::SortOrder order);
    void setColumnShown(int column, bool shown);

    AppState* m_state;
    RegisterTableView* m_table;
    RegisterModel* m_model;
    RegisterDelegate* m_delegate;
    bool m_restoring = false;
};
