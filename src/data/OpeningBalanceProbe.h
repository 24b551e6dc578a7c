#pragma once

#include <QDate>

// What the opening-balance backfill needs to know about an account.
struct OpeningBalanceProbe
{
    bool hasOpeningBalance = false;
    // The earliest live transaction date; invalid when the account has none.
    QDate earliestDate;
};
