#pragma once

#include <QObject>

#include <functional>

class RegisterDelegate;
class RegisterModel;
class RegisterTableView;

// The keyboard's walk through the fields of the register's current row, as a
// check register is filled in: Tab and Shift+Tab from field to field, opening
// each editable cell, hidden columns and the Balance column passed over; Enter
// on the last field saves the row through `commit`. Before a move, what the open
// editor holds goes into the entry buffer.
class RegisterFieldWalk : public QObject
{
    Q_OBJECT

public:
    RegisterFieldWalk(RegisterTableView* table, RegisterModel* model, RegisterDelegate* delegate,
                      std::function<void()> commit, QObject* parent);

    // Tab: the next field; it stays on the last one.
    void focusNextField();
    // Enter: the next field; past the last one it saves the row.
    void advanceToNextField();
    // Shift+Tab; never from the date or the Balance column.
    void focusPreviousField();
    void advanceToPreviousField();
    // Tab or Shift+Tab inside the two-line payee editor, from the payee line to
    // the memo line and back; false when the move leaves the editor.
    bool moveWithinPayeeMemoEditor(bool next);

    // The entry row current, scrolled into view; no editor opens.
    void focusEntryRow();
    // Writes what the open cell editor holds into the entry buffer.
    void flushOpenEditor();
    // Closes the open cell editor, if any, without writing what it holds.
    void discardOpenEditor();

private:
    enum class PastLastField { Stay, Save };
    void stepToNextField(PastLastField pastLast);
    void makeFieldCurrent(int column);
    // Opens a field reached backwards: the two-line payee editor on its memo line.
    void openFieldBackwards(int column);
    int nextVisibleField(int column) const;
    int previousVisibleField(int column) const;

    RegisterTableView* m_table;
    RegisterModel* m_model;
    RegisterDelegate* m_delegate;
    std::function<void()> m_commit;
};
