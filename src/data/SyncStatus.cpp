#include "SyncStatus.h"

QString syncStatusToText(SyncStatus status)
{
    switch (status) {
    case SyncStatus::Synced: return QStringLiteral("synced");
    case SyncStatus::Conflict: return QStringLiteral("conflict");
    case SyncStatus::Pending: break;
    }
    return QStringLiteral("pending");
}

SyncStatus syncStatusFromText(const QString& text)
{
    if (text == QLatin1String("synced"))
        return SyncStatus::Synced;
    if (text == QLatin1String("conflict"))
        return SyncStatus::Conflict;
    return SyncStatus::Pending;
}
