#pragma once

#include "data/MultiRowInsert.h"
#include "data/Transaction.h"
#include "data/TransactionRepository.h"

#include <QList>

#include <utility>

// What became of the row of an import step when the batch was written.
enum class BatchRow { None, Stored, Refused };

// The steps of an import that wait for their rows to be written: each record
// handled (a skipped one, one to store, a progress report), in file order.
// The rows go in many to an INSERT statement; then every step is finished in
// order, as if its row had been written at its own turn. When the rows cannot
// all go in together, they go in one by one, each just before its step is
// finished, so that a refused row is refused at its own turn and the steps
// after it meet the ledger as they would have.
//
// A step whose handling depends on how an earlier one ends (its partner's
// link, a key that waits to be stored, a new category) must flush first.
template <typename Step>
class ImportBatch
{
public:
    explicit ImportBatch(TransactionRepository* transactions)
        : m_transactions(transactions)
    {
    }

    bool isEmpty() const { return m_steps.isEmpty(); }
    bool isFull() const { return m_steps.size() >= MultiRowInsert::kMaxRows; }
    const Step& firstStep() const { return m_steps.first().step; }

    void add(Step step) { m_steps.append({std::move(step), -1}); }
    void add(Step step, Transaction row)
    {
        m_steps.append({std::move(step), int(m_rows.size())});
        m_rows.append(std::move(row));
    }

    // Writes the rows and calls finish(step, row or nullptr, BatchRow) for each
    // step in order, until one returns false: then the rest are dropped and
    // flush returns false. The batch is empty afterwards.
    template <typename Finish>
    bool flush(Finish&& finish)
    {
        const bool together = m_rows.isEmpty() || m_transactions->insertAll(m_rows);
        bool going = true;
        for (Entry& entry : m_steps) {
            const Transaction* row = entry.row >= 0 ? &m_rows.at(entry.row) : nullptr;
            BatchRow outcome = BatchRow::None;
            if (row)
                outcome = together || m_transactions->insert(*row) ? BatchRow::Stored : BatchRow::Refused;
            if (!finish(entry.step, row, outcome)) {
                going = false;
                break;
            }
        }
        m_steps.clear();
        m_rows.clear();
        return going;
    }

private:
    struct Entry
    {
        Step step;
        int row; // index into m_rows, -1 for none
    };

    TransactionRepository* m_transactions;
    QList<Entry> m_steps;
    QList<Transaction> m_rows;
};
