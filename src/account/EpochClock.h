#pragma once

#include <QtGlobal>

namespace OrvaAccount {

// The account library's one source of "now", in whole seconds since the epoch.
// The library stays free of the ledger, so it keeps its own seam; tests pin it
// to judge token expiry to the second.
class EpochClock
{
public:
    static qint64 nowSeconds();

    static void setFixedNowSeconds(qint64 seconds);
    static void reset();
};

} // namespace OrvaAccount
