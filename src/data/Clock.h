#pragma once

#include <QDate>
#include <QDateTime>

// The one source of "now" and "today" for the ledger. Tests pin it to a fixed
// moment so that dates, due occurrences and timestamps are reproducible.
class Clock
{
public:
    static QDateTime nowUtc();
    // The user's calendar day, in local time.
    static QDate today();

    static void setFixedNow(const QDateTime& now);
    static void reset();
    static bool isFixed();
};
