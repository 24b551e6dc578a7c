#pragma once

#include "SyncStatus.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QtGlobal>

#include <optional>

// One register entry: a row of the transactions table, fields in column order.
// The two legs of a transfer point at each other through transferLinkId and
// transferDestAccountId.
struct Transaction
{
    QString id;
    QString accountId;
    QDate date;
    QString payee;
    QString memo;
    // Signed minor units of the account's currency: positive adds to the balance.
    qint64 amount = 0;
    // Empty for none; stored as NULL because the column is a foreign key.
    QString categoryId;
    QString checkNumber;
    bool cleared = false;
    bool reconciled = false;
    QString transferLinkId;
    QString transferDestAccountId;
    // The amount is divided over split lines (SplitLine.h).
    bool isSplit = false;
    QString recurringId;

    int version = 1;
    SyncStatus syncStatus = SyncStatus::Pending;
    QString serverId;
    QDateTime createdAt;
    QDateTime updatedAt;
    std::optional<QDateTime> deletedAt;
};
