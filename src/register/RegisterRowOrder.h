#pragma once

#include "data/RegisterRows.h"

#include <QCollator>
#include <QCollatorSortKey>

#include <optional>
#include <vector>

// The order the register shows its rows in, sorted by one column: by that
// column's key, then the later date first, then in the order the rows were
// given (the ledger's order, for a register). So every sort of the same rows
// gives the same order, whatever the sort before it.
class RegisterRowOrder
{
public:
    RegisterRowOrder(const RegisterRows& rows, int column, Qt::SortOrder order, bool liability);

    // The indices of the rows in display order.
    std::vector<int> sorted() const;
    // Where `row`, placed in the ledger at `place`, goes among the rows, which
    // are in display order; the row at `skip` (if any) is left out of the count.
    qsizetype positionOf(const RegisterRow& row, quint32 place, qsizetype skip = -1) const;

private:
    bool isTextColumn() const;
    RegisterRows::Text textOf() const;
    qint64 numberKey(qsizetype i) const;
    qint64 numberKey(const RegisterRow& row) const;
    const QCollatorSortKey& textKey(qsizetype i) const;
    // -1, 0 or 1 as row i's key compares with the other's, before the direction.
    int compareKeys(qsizetype i, qsizetype j) const;

    const RegisterRows& m_rows;
    int m_column;
    int m_direction;
    bool m_liability;
    QCollator m_collator;
    // One key per distinct text, made when first compared.
    mutable std::vector<std::optional<QCollatorSortKey>> m_textKeys;
};
