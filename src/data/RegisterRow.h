#pragma once

#include "MoneySum.h"

#include <QDate>
#include <QString>
#include <QtGlobal>

// A transaction as the register and the search results show it: the fields on
// screen, its category as "Parent > Child" and the account balance after it.
// The rest of the record (links, sync state, times) is read by id when a command
// needs the whole transaction, so this is deliberately no Transaction: written
// back, its missing fields would wipe the stored ones.
struct RegisterRow
{
    QString id; // empty for the opening line of an account's starting balance
    QString accountId;
    QDate date;
    QString payee;
    QString memo;
    qint64 amount = 0;
    QString categoryId;
    QString checkNumber;
    bool cleared = false;
    bool reconciled = false;
    bool isSplit = false;
    MoneySum runningBalance;
    // Empty when the row has no category.
    QString categoryText;
    // created_at as the number yyyyMMddHHmmss, which orders the rows of one date
    // as the stored texts do; -1 when the text has another form, whose place
    // among the others only SQLite's text comparison knows.
    qint64 createdOrder = -1;
};
