#include "RegisterRowOrder.h"

#include "RegisterModel.h"

#include <algorithm>
#include <numeric>

namespace {

int threeWay(qint64 a, qint64 b)
{
    return (a > b) - (a < b);
}

int clearedRank(bool cleared, bool reconciled)
{
    if (reconciled)
        return 2;
    return cleared ? 1 : 0;
}

} // namespace

RegisterRowOrder::RegisterRowOrder(const RegisterRows& rows, int column, Qt::SortOrder order, bool liability)
    : m_rows(rows)
    , m_column(column)
    , m_direction(order == Qt::AscendingOrder ? 1 : -1)
    , m_liability(liability)
{
    if (isTextColumn())
        m_textKeys.resize(static_cast<size_t>(rows.textCount()));
}

bool RegisterRowOrder::isTextColumn() const
{
    return m_column >= RegisterModel::CheckNumberColumn && m_column <= RegisterModel::MemoColumn;
}

RegisterRows::Text RegisterRowOrder::textOf() const
{
    switch (m_column) {
    case RegisterModel::CheckNumberColumn:
        return RegisterRows::Text::CheckNumber;
    case RegisterModel::PayeeColumn:
        return RegisterRows::Text::Payee;
    case RegisterModel::CategoryColumn:
        // The stored category text, not the split marker shown instead.
        return RegisterRows::Text::CategoryText;
    default:
        return RegisterRows::Text::Memo;
    }
}

qint64 RegisterRowOrder::numberKey(qsizetype i) const
{
    RegisterRow row;
    row.date = m_rows.date(i);
    row.amount = m_rows.amount(i);
    row.cleared = m_rows.cleared(i);
    row.reconciled = m_rows.reconciled(i);
    row.runningBalance = m_rows.runningBalance(i);
    return numberKey(row);
}

qint64 RegisterRowOrder::numberKey(const RegisterRow& row) const
{
    switch (m_column) {
    case RegisterModel::PaymentColumn:
        // Deposits and zero amounts come before every payment, ascending.
        return row.amount < 0 ? -row.amount : -1;
    case RegisterModel::DepositColumn:
        return row.amount > 0 ? row.amount : -1;
    case RegisterModel::ClearedColumn:
        return clearedRank(row.cleared, row.reconciled);
    case RegisterModel::BalanceColumn:
        // Balances past what a qint64 holds sort at its ends, by date among themselves.
        return (m_liability ? -row.runningBalance : row.runningBalance).clamped();
    default:
        return row.date.toJulianDay();
    }
}

const QCollatorSortKey& RegisterRowOrder::textKey(qsizetype i) const
{
    // Collation keys compare as plain bytes, far cheaper than collating every
    // pair of texts the sort compares; rows that share a text share its key.
    const quint32 text = m_rows.textIndex(i, textOf());
    std::optional<QCollatorSortKey>& key = m_textKeys[text];
    if (!key)
        key = m_collator.sortKey(m_rows.text(text));
    return *key;
}

int RegisterRowOrder::compareKeys(qsizetype i, qsizetype j) const
{
    if (isTextColumn())
        return textKey(i).compare(textKey(j));
    return threeWay(numberKey(i), numberKey(j));
}

std::vector<int> RegisterRowOrder::sorted() const
{
    std::vector<int> indices(static_cast<size_t>(m_rows.size()));
    std::iota(indices.begin(), indices.end(), 0);
    std::vector<qint64> keys;
    if (!isTextColumn()) {
        keys.resize(indices.size());
        for (const int i : indices)
            keys[static_cast<size_t>(i)] = numberKey(i);
    }
    const auto before = [&](int a, int b) {
        const int byKey = keys.empty() ? textKey(a).compare(textKey(b))
                                       : threeWay(keys[static_cast<size_t>(a)], keys[static_cast<size_t>(b)]);
        if (byKey != 0)
            return byKey * m_direction < 0;
        if (m_rows.date(a) != m_rows.date(b))
            return m_rows.date(a) > m_rows.date(b);
        return m_rows.order(a) < m_rows.order(b);
    };
    // Rows that arrive in order (a reload in date order) cost one pass.
    if (!std::is_sorted(indices.begin(), indices.end(), before))
        std::sort(indices.begin(), indices.end(), before);
    return indices;
}

qsizetype RegisterRowOrder::positionOf(const RegisterRow& row, quint32 place, qsizetype skip) const
{
    std::optional<QCollatorSortKey> text;
    if (isTextColumn())
        text = m_collator.sortKey(RegisterRows::textOf(row, textOf()));
    const qint64 number = text ? 0 : numberKey(row);
    // Rows placed at or after `place` in the ledger move up one to make room.
    const auto goesBefore = [&](qsizetype i) {
        const int byKey = text ? textKey(i).compare(*text) : threeWay(numberKey(i), number);
        if (byKey != 0)
            return byKey * m_direction < 0;
        if (m_rows.date(i) != row.date)
            return m_rows.date(i) > row.date;
        return m_rows.order(i) < place;
    };
    const qsizetype count = m_rows.size() - (skip >= 0 ? 1 : 0);
    qsizetype low = 0;
    qsizetype high = count;
    while (low < high) {
        const qsizetype middle = low + (high - low) / 2;
        const qsizetype i = skip >= 0 && middle >= skip ? middle + 1 : middle;
        if (goesBefore(i))
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}
