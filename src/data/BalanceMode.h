#pragma once

// Which rows an account balance sums.
enum class BalanceMode {
    Current = 0,   // every live row
    Cleared = 1,   // live rows that are cleared or reconciled
    AsOfToday = 2, // live rows dated today or earlier
};
