#include "DateField.h"

#include "data/Clock.h"
#include "widgets/DateInput.h"

#include <QAction>
#include <QKeyEvent>

DateField::DateField(QWidget* parent)
    : QLineEdit(parent)
    , m_date(Clock::today())
{
    setText(dateDisplayText(m_date));
    QAction* calendar = addAction(calendarIcon(palette()), QLineEdit::TrailingPosition);
    calendar->setObjectName(QStringLiteral("calendarAction"));
    calendar->setToolTip(tr("Open calendar (F4)"));
    connect(calendar, &QAction::triggered, this, &DateField::openCalendarPopup);
}

void DateField::setDate(const QDate& date)
{
    if (date == m_date)
        return;
    m_date = date;
    setText(dateDisplayText(date));
    emit dateChanged(date);
}

QDate DateField::parsedDate() const
{
    const QDate typed = parseTypedDate(text());
    return typed.isValid() ? typed : m_date;
}

void DateField::openCalendarPopup()
{
    showCalendarPopup(this, parsedDate(), [this](QDate picked) { setDate(picked); });
}

void DateField::keyPressEvent(QKeyEvent* event)
{
    if (isCalendarPopupKey(*event)) {
        openCalendarPopup();
        event->accept();
        return;
    }
    // The keys act on the stored date, not on a date half typed since.
    QDate changed = m_date;
    if (applyDateShortcutKey(*event, changed)) {
        setDate(changed);
        selectAll();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// Text that reads as no date snaps back to the stored date.
void DateField::focusOutEvent(QFocusEvent* event)
{
    setDate(parsedDate());
    setText(dateDisplayText(m_date));
    QLineEdit::focusOutEvent(event);
}
