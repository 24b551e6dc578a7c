#pragma once

#include "RegisterLineEdit.h"

#include <QDate>

// The register's date cell editor: the date field's single-key changes, typed
// forms, calendar icon and popup, on the register's line edit. The keys act on
// the stored date (set from the cell, the popup or an earlier key), not on text
// typed by hand since.
class SmartDateEdit : public RegisterLineEdit
{
    Q_OBJECT

public:
    explicit SmartDateEdit(QWidget* parent = nullptr);

    QDate date() const { return m_date; }
    // Stores the date and shows it, all selected so that typing replaces it.
    void setDate(const QDate& date);
    // The date of the text as typed, or the stored date while it reads as none.
    QDate parsedDate() const;

public slots:
    void openCalendarPopup();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QDate m_date;
};
