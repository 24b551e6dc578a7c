#pragma once

#include <QDate>
#include <QLineEdit>

// The one-line date editor of the forms and screens. It always shows its date
// as "M/d/yyyy"; typed text counts when the field loses focus (text that reads
// as no date snaps back), letter keys change the stored date at once, and F4,
// Alt+Down or the trailing icon open a calendar. Every real change of the date
// emits dateChanged once.
class DateField : public QLineEdit
{
    Q_OBJECT

public:
    explicit DateField(QWidget* parent = nullptr);

    QDate date() const { return m_date; }
    void setDate(const QDate& date);
    // The date of the text as typed so far, or the stored date while the text
    // reads as none.
    QDate parsedDate() const;

public slots:
    void openCalendarPopup();

signals:
    void dateChanged(QDate date);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QDate m_date;
};
