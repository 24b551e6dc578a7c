#pragma once

#include "SplitLine.h"
#include "Transaction.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <optional>

class CategoryRepository;
class Database;
class SplitLineRepository;
class TransactionRepository;

// The writes that touch more than one row for one user action: a transaction
// with its split lines, the two legs of a transfer. Each runs in a savepoint (so
// it also nests inside an import's transaction) and is all or nothing: a failed
// second write leaves neither a leg linked to nothing nor a split without its
// lines. Listeners hear of the change once the rows are final.
class TransactionWriter
{
    Q_DECLARE_TR_FUNCTIONS(TransactionWriter)

public:
    TransactionWriter(Database* database, TransactionRepository* transactions, SplitLineRepository* splitLines,
                      CategoryRepository* categories);

    // A new transaction and its split lines (none for a plain one).
    bool insert(const Transaction& transaction, const QList<SplitLine>& lines = {});
    // A new transfer: the other leg first, then the one the user typed.
    bool insertTransfer(const Transaction& counterpart, const Transaction& transaction);
    // A stored transaction and the whole set of its lines: an empty list removes them.
    bool update(const Transaction& transaction, const QList<SplitLine>& lines);
    // The transaction's lines become `lines`, each taking its id. The column
    // needs a category: a line without one goes to "Uncategorized", the same
    // expense category an import gives such lines, found or made.
    bool replaceSplitLines(const QString& transactionId, const QList<SplitLine>& lines);
    // Soft-deletes the transaction and, for a transfer leg, its other leg first.
    bool remove(const Transaction& transaction);
    // Flips the cleared mark as a local edit and, once saved, in `transaction`.
    // A reconciled row never changes: false.
    bool toggleCleared(Transaction& transaction);

private:
    bool writeSplitLines(const QString& transactionId, QList<SplitLine> lines);
    std::optional<QString> uncategorizedId();

    Database* m_database;
    TransactionRepository* m_transactions;
    SplitLineRepository* m_splitLines;
    CategoryRepository* m_categories;
};
