#pragma once

#include <QDateTime>
#include <QString>
#include <QtGlobal>

// One category's part of a split transaction's amount. Lines have no life of
// their own: they are rewritten whole whenever their transaction is saved.
struct SplitLine
{
    QString id;
    QString transactionId;
    // Required: the column is NOT NULL and a foreign key.
    QString categoryId;
    // Same sign convention as the transaction's amount.
    qint64 amount = 0;
    QString memo;
    QDateTime createdAt;
    QDateTime updatedAt;
};
