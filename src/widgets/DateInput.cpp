#include "DateInput.h"

#include "data/Clock.h"
#include "widgets/Appearance.h"

#include <QCalendar>
#include <QCalendarWidget>
#include <QFont>
#include <QKeyEvent>
#include <QLocale>
#include <QPainter>
#include <QPalette>
#include <QPixmap>

namespace {

struct TypedDateForm
{
    QString pattern;
    bool twoDigitYear;
};

// A typed two-digit year means this century: the ledger refuses dates before
// 2000, so reading "24" as 1924 would make a row nothing else accepts. Imports
// keep their own rule (00-69 -> 20yy, 70-99 -> 19yy, ImportDateReader) because
// old bank files hold real 1990s dates.
// QDate reads "yy" as 19yy, where 29 February 00 does not exist. The Julian
// 1900s have a leap year every fourth year, exactly as 2000-2099 do, so the day
// is read in that calendar and moved on a century.
QDate readTwoDigitYearDate(const QString& text, const QString& pattern)
{
    static const QCalendar julian(QCalendar::System::Julian);
    const QDate read = QDate::fromString(text, pattern, julian);
    if (!read.isValid())
        return QDate();
    return QDate(read.year(julian) + 100, read.month(julian), read.day(julian));
}

} // namespace

QString dateDisplayText(const QDate& date)
{
    return date.toString(QStringLiteral("M/d/yyyy"));
}

QDate parseTypedDate(const QString& text)
{
    static const TypedDateForm forms[] = {
        {QStringLiteral("M/d/yyyy"), false},
        {QStringLiteral("MM/dd/yyyy"), false},
        {QStringLiteral("M/d/yy"), true},
        {QStringLiteral("MM/dd/yy"), true},
    };
    const QString typed = text.trimmed();
    for (const TypedDateForm& form : forms) {
        const QDate date = form.twoDigitYear ? readTwoDigitYearDate(typed, form.pattern)
                                             : QDate::fromString(typed, form.pattern);
        if (date.isValid())
            return date;
    }
    return QDate();
}

bool applyDateShortcutKey(const QKeyEvent& event, QDate& date)
{
    if (!date.isValid())
        date = Clock::today();
    const QString key = event.text().toLower();
    if (key.size() != 1)
        return false;
    // dayOfWeek() runs Monday 1 .. Sunday 7; modulo 7 counts days since Sunday.
    const int sinceSunday = date.dayOfWeek() % 7;
    switch (key.at(0).unicode()) {
    case u't': date = Clock::today(); break;
    case u'+':
    case u'=': date = date.addDays(1); break;
    case u'-': date = date.addDays(-1); break;
    case u'm': date = QDate(date.year(), date.month(), 1); break;
    case u'h': date = QDate(date.year(), date.month(), date.daysInMonth()); break;
    case u'y': date = QDate(date.year(), 1, 1); break;
    case u'r': date = QDate(date.year(), 12, 31); break;
    case u'w': date = date.addDays(-sinceSunday); break;
    case u'k': date = date.addDays(6 - sinceSunday); break;
    default: return false;
    }
    return true;
}

bool isCalendarPopupKey(const QKeyEvent& event)
{
    return event.key() == Qt::Key_F4 || (event.key() == Qt::Key_Down && event.modifiers().testFlag(Qt::AltModifier));
}

QIcon calendarIcon(const QPalette& palette)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("Material Icons"));
    font.setPixelSize(16);
    painter.setFont(font);
    painter.setPen(palette.color(QPalette::PlaceholderText));
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QString(QChar(0xE935)));
    painter.end();
    return QIcon(pixmap);
}

QCalendarWidget* showCalendarPopup(QWidget* anchor, const QDate& date, std::function<void(QDate)> onPicked)
{
    auto* calendar = new QCalendarWidget(anchor);
    calendar->setObjectName(QStringLiteral("calendarPopup"));
    calendar->setWindowFlags(Qt::Popup);
    calendar->setFirstDayOfWeek(localeFirstDayOfWeek());
    calendar->setLocale(QLocale());
    calendar->setSelectedDate(date.isValid() ? date : Clock::today());
    calendar->setGridVisible(true);
    calendar->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(calendar, &QCalendarWidget::clicked, calendar,
                     [calendar, onPicked = std::move(onPicked)](QDate picked) {
                         onPicked(picked);
                         calendar->close();
                     });
    calendar->move(anchor->mapToGlobal(QPoint(0, anchor->height())));
    calendar->show();
    calendar->setFocus(Qt::OtherFocusReason);
    return calendar;
}
