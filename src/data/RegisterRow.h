#pragma once

#include "Transaction.h"

// A transaction as the register and the search results show it: with the
// account balance after it and its category as "Parent > Child".
struct RegisterRow : Transaction
{
    qint64 runningBalance = 0;
    // Empty when the row has no category.
    QString categoryText;
};
