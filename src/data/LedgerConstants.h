#pragma once

#include <QLatin1StringView>

// Preference key under which the sync engine keeps its pull cursor.
inline constexpr QLatin1StringView kSyncCursorKey("syncCursor");

// A payee that starts with this prefix (trailing blank included) followed by
// another account's exact name makes a new transaction a transfer.
inline constexpr QLatin1StringView kTransferPayeePrefix("[Transfer] ");
