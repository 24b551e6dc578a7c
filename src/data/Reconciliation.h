#pragma once

#include "SyncStatus.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>

// One finished reconciliation of an account against a bank statement; fields in
// the column order of the reconciliations table.
struct Reconciliation
{
    QString id;
    QString accountId;
    QDate statementDate;
    qint64 statementBalance = 0;   // minor units of the account's currency
    qint64 reconciledBalance = 0;  // cleared balance reached when it was finished
    QDateTime completedAt;
    int version = 1;
    SyncStatus syncStatus = SyncStatus::Pending;
    QString serverId;
    QDateTime createdAt;
    QDateTime updatedAt;
    std::optional<QDateTime> deletedAt;
};
