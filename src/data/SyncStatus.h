#pragma once

#include <QString>

enum class SyncStatus { Pending = 0, Synced = 1, Conflict = 2 };

QString syncStatusToText(SyncStatus status);
SyncStatus syncStatusFromText(const QString& text);
