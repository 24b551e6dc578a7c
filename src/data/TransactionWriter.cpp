#include "TransactionWriter.h"

#include "Category.h"
#include "CategoryRepository.h"
#include "Clock.h"
#include "Database.h"
#include "Identifiers.h"
#include "LocalEdit.h"
#include "SplitLineRepository.h"
#include "SqlTransaction.h"
#include "TransactionRepository.h"

namespace {

const QString kSavepoint = QStringLiteral("transaction_write");

} // namespace

TransactionWriter::TransactionWriter(Database* database, TransactionRepository* transactions,
                                     SplitLineRepository* splitLines, CategoryRepository* categories)
    : m_database(database)
    , m_transactions(transactions)
    , m_splitLines(splitLines)
    , m_categories(categories)
{
}

bool TransactionWriter::insert(const Transaction& transaction, const QList<SplitLine>& lines)
{
    // Held until the savepoint is over, so that nobody reloads a row that a
    // rollback then takes away.
    const TransactionBulkWrite held(m_transactions);
    return inSavepoint(m_database->database(), kSavepoint, [&] {
        return m_transactions->insert(transaction) && (lines.isEmpty() || writeSplitLines(transaction.id, lines));
    });
}

bool TransactionWriter::insertTransfer(const Transaction& counterpart, const Transaction& transaction)
{
    const TransactionBulkWrite held(m_transactions);
    return inSavepoint(m_database->database(), kSavepoint, [&] {
        return m_transactions->insert(counterpart) && m_transactions->insert(transaction);
    });
}

bool TransactionWriter::update(const Transaction& transaction, const QList<SplitLine>& lines)
{
    const TransactionBulkWrite held(m_transactions);
    return inSavepoint(m_database->database(), kSavepoint, [&] {
        return m_transactions->update(transaction) && writeSplitLines(transaction.id, lines);
    });
}

bool TransactionWriter::replaceSplitLines(const QString& transactionId, const QList<SplitLine>& lines)
{
    return inSavepoint(m_database->database(), kSavepoint, [&] { return writeSplitLines(transactionId, lines); });
}

bool TransactionWriter::writeSplitLines(const QString& transactionId, QList<SplitLine> lines)
{
    for (SplitLine& line : lines) {
        if (!line.categoryId.isEmpty())
            continue;
        const std::optional<QString> fallback = uncategorizedId();
        if (!fallback)
            return false;
        line.categoryId = *fallback;
    }
    return m_splitLines->replaceByTransaction(transactionId, lines);
}

std::optional<QString> TransactionWriter::uncategorizedId()
{
    // The import's name for the same purpose, so that both find one category.
    const QString name = tr("Uncategorized");
    for (const Category& category : m_categories->listAll()) {
        if (category.name == name && category.categoryType == CategoryType::Expense && category.parentId.isEmpty())
            return category.id;
    }
    Category category;
    category.id = newId();
    category.name = name;
    category.categoryType = CategoryType::Expense;
    category.createdAt = Clock::nowUtc();
    category.updatedAt = category.createdAt;
    if (!m_categories->insert(category))
        return std::nullopt;
    return category.id;
}

bool TransactionWriter::remove(const Transaction& transaction)
{
    const TransactionBulkWrite held(m_transactions);
    return inSavepoint(m_database->database(), kSavepoint, [&] {
        if (!transaction.transferLinkId.isEmpty()) {
            // A leg whose other leg is already gone can still be deleted on its own.
            const std::optional<Transaction> other = m_transactions->findById(transaction.transferLinkId);
            if (other && !other->deletedAt && !m_transactions->softDelete(other->id))
                return false;
        }
        return m_transactions->softDelete(transaction.id);
    });
}

bool TransactionWriter::toggleCleared(Transaction& transaction)
{
    if (transaction.reconciled)
        return false;
    Transaction toggled = transaction;
    toggled.cleared = !toggled.cleared;
    stampLocalEdit(toggled);
    if (!m_transactions->update(toggled))
        return false;
    transaction = toggled;
    return true;
}
