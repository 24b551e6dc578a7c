#pragma once

#include <QDate>
#include <QString>

#include <optional>

// Conditions of a transaction search beside its text; each field that is set
// narrows the result.
struct SearchFilter
{
    QString accountId;  // empty: every account
    QString categoryId; // empty: any category (the transaction's own, not its split lines')
    QDate dateFrom;     // invalid: open
    QDate dateTo;       // invalid: open
    std::optional<bool> cleared;
};
