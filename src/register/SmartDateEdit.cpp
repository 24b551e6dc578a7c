#include "SmartDateEdit.h"

#include "data/Clock.h"
#include "widgets/DateInput.h"

#include <QAction>
#include <QKeyEvent>

SmartDateEdit::SmartDateEdit(QWidget* parent)
    : RegisterLineEdit(parent)
{
    setDate(Clock::today());
    QAction* calendar = addAction(calendarIcon(palette()), QLineEdit::TrailingPosition);
    calendar->setToolTip(tr("Open calendar (F4)"));
    connect(calendar, &QAction::triggered, this, &SmartDateEdit::openCalendarPopup);
}

void SmartDateEdit::setDate(const QDate& date)
{
    m_date = date;
    setText(dateDisplayText(date));
    selectAll();
}

QDate SmartDateEdit::parsedDate() const
{
    const QDate typed = parseTypedDate(text());
    return typed.isValid() ? typed : m_date;
}

void SmartDateEdit::openCalendarPopup()
{
    showCalendarPopup(this, parsedDate(), [this](QDate picked) { setDate(picked); });
}

void SmartDateEdit::keyPressEvent(QKeyEvent* event)
{
    if (isCalendarPopupKey(*event)) {
        openCalendarPopup();
        event->accept();
        return;
    }
    QDate changed = m_date;
    if (applyDateShortcutKey(*event, changed)) {
        setDate(changed);
        event->accept();
        return;
    }
    RegisterLineEdit::keyPressEvent(event);
}
