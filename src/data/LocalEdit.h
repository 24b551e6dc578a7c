#pragma once

#include "Clock.h"
#include "SyncStatus.h"

// Marks a synced record (transaction, account, recurring template...) as changed
// here: a higher version, so that it wins over the server's copy, waiting for the
// next push, stamped now. The repositories write what they are given, so every
// local edit goes through this before its update.
template <typename Record>
void stampLocalEdit(Record& record)
{
    record.updatedAt = Clock::nowUtc();
    record.syncStatus = SyncStatus::Pending;
    record.version += 1;
}
