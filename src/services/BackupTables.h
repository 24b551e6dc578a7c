#pragma once

#include <array>

// The six tables a backup holds, in the order export writes and import reads
// them: referenced rows come before the rows that refer to them.
enum class BackupTable { Accounts = 0, Categories = 1, Transactions = 2, SplitLines = 3, Recurring = 4, Reconciliations = 5 };

inline constexpr int kBackupTableCount = 6;

struct BackupTableInfo
{
    BackupTable table;
    const char* folder;   // folder of the row files in the archive
    const char* name;     // database table
    const char* countKey; // manifest key of the number of rows written
    // Carries the sync columns (version, sync_status, server_id, ...); split_lines has none.
    bool synced;
};

inline constexpr std::array<BackupTableInfo, kBackupTableCount> kBackupTables{{
    {BackupTable::Accounts, "accounts", "accounts", "accountCount", true},
    {BackupTable::Categories, "categories", "categories", "categoryCount", true},
    {BackupTable::Transactions, "transactions", "transactions", "transactionCount", true},
    {BackupTable::SplitLines, "split_lines", "split_lines", "splitLineCount", false},
    {BackupTable::Recurring, "recurring", "recurring_transactions", "recurringCount", true},
    {BackupTable::Reconciliations, "reconciliations", "reconciliations", "reconciliationCount", true},
}};

inline constexpr int backupTableIndex(BackupTable table)
{
    return static_cast<int>(table);
}

inline constexpr const BackupTableInfo& backupTableInfo(BackupTable table)
{
    return kBackupTables[static_cast<std::size_t>(backupTableIndex(table))];
}
