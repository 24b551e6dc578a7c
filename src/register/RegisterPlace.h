#pragma once

#include <QString>

class RegisterModel;
class RegisterTableView;

// Where the user is in the register, kept by transaction: the current cell and
// the row at the top of the view. Rows move when others come and go, so a place
// remembered before a change is found again by id after it; a row gone by then
// leaves its number, within the rows there are.
class RegisterPlace
{
public:
    RegisterPlace(const RegisterTableView* table, const RegisterModel* model);

    void restore(RegisterTableView* table, const RegisterModel* model) const;
    // The row `id` is gone: restore() leaves its number without looking for it.
    void forget(const QString& id);

private:
    QString m_topId;
    int m_topRow = -1;
    int m_topColumn = 0;
    int m_topY = 0; // in the viewport: above it when the row shows in part
    QString m_currentId;
    int m_currentRow = -1;
    int m_currentColumn = 0;
    bool m_onEntryRow = false;
    bool m_atEnd = false; // scrolled as far down as it goes
};
