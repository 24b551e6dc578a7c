#pragma once

#include <QString>

class PreferencesRepository;

// Which rows an account balance sums.
enum class BalanceMode {
    Current = 0,   // every live row
    Cleared = 1,   // live rows that are cleared or reconciled
    AsOfToday = 2, // live rows dated today or earlier
};

// The stored texts: "current", "cleared", "asOfToday" (compared exactly); any
// other text reads as Current.
QString balanceModeText(BalanceMode mode);
BalanceMode balanceModeFromText(const QString& text);

// The mode the account list shows, from the preference "dashboardBalanceMode".
BalanceMode dashboardBalanceMode(const PreferencesRepository& preferences);
