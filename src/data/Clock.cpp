#include "Clock.h"

namespace {
QDateTime g_fixedNow;
}

QDateTime Clock::nowUtc()
{
    if (g_fixedNow.isValid())
        return g_fixedNow.toUTC();
    return QDateTime::currentDateTimeUtc();
}

QDate Clock::today()
{
    if (g_fixedNow.isValid())
        return g_fixedNow.toLocalTime().date();
    return QDate::currentDate();
}

void Clock::setFixedNow(const QDateTime& now)
{
    g_fixedNow = now;
}

void Clock::reset()
{
    g_fixedNow = QDateTime();
}

bool Clock::isFixed()
{
    return g_fixedNow.isValid();
}
