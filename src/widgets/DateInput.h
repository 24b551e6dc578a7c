#pragma once

#include <QDate>
#include <QIcon>
#include <QString>

#include <functional>

class QCalendarWidget;
class QKeyEvent;
class QPalette;
class QWidget;

// The rules every one-line date editor shares (DateField, the register's date
// cell): how a date is shown and read back, the single-key date changes and the
// calendar popup. Free functions so that editors of different bases reuse them.

// A calendar date as every screen shows it: "M/d/yyyy".
QString dateDisplayText(const QDate& date);

// Reads a typed month-first date: "M/d/yyyy", "MM/dd/yyyy", "M/d/yy" or
// "MM/dd/yy", tried in that order; a two-digit year is 2000-2099. Surrounding
// blanks do not count. Invalid when no form fits.
QDate parseTypedDate(const QString& text);

// The single-key date changes: t today, + or = next day, - previous day, m/h
// first/last of the month, y/r first/last of the year, w/k the Sunday before and
// the Saturday after (always a Sunday-to-Saturday week). Changes `date` in place
// and says whether the key was one of them. An invalid `date` becomes today
// first, even when the key then matches nothing.
bool applyDateShortcutKey(const QKeyEvent& event, QDate& date);

// F4, or Alt+Down: the keys that open the calendar popup.
bool isCalendarPopupKey(const QKeyEvent& event);

// The trailing calendar glyph of a date editor, in the palette's placeholder colour.
QIcon calendarIcon(const QPalette& palette);

// Opens a calendar just below `anchor`, on `date` (today when invalid), its week
// starting on localeFirstDayOfWeek(). A clicked day goes to `onPicked` and
// closes the popup; Escape, Enter or a click outside close it without a pick.
// The popup is the anchor's child and deletes itself when it closes.
QCalendarWidget* showCalendarPopup(QWidget* anchor, const QDate& date, std::function<void(QDate)> onPicked);
