#include "ImportService.h"

#include "AmountText.h"
#include "CsvParser.h"
#include "ImportDateReader.h"
#include "ImportText.h"

#include "data/Account.h"
#include "data/AccountRepository.h"
#include "data/Category.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Identifiers.h"
#include "data/SqlTransaction.h"
#include "data/SqlValues.h"
#include "data/Transaction.h"
#include "data/TransactionRepository.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QHash>
#include <QSet>

#include <optional>

namespace {

constexpr int kProgressInterval = 100;
constexpr int kEventSliceMs = 5;

// Repaints and progress only: user input waits until the import has returned.
void keepWindowPainting()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, kEventSliceMs);
}

// One CSV row read into what a transaction stores.
struct CsvRecord
{
    QDate date;
    QString payee;
    qint64 amount = 0;
    QString memo;
    QString categoryName;
};

bool hasField(const QStringList& fields, int column)
{
    return column >= 0 && column < fields.size();
}

QString fieldAt(const QStringList& fields, int column)
{
    return hasField(fields, column) ? fields.at(column) : QString();
}

// An empty cell is an amount of 0. A cell that is not a number, or whose value
// does not fit the ledger, gives nothing: it must never be stored as 0.
std::optional<qint64> readAmountCell(const QString& cell, int unitsPerWhole)
{
    if (cell.isEmpty())
        return 0;
    const std::optional<DecimalAmount> amount = readAmountText(cell);
    if (!amount)
        return std::nullopt;
    return amount->toMinorUnits(unitsPerWhole);
}

std::optional<CsvRecord> readCsvRow(const QStringList& fields, const CsvImportOptions& options, int unitsPerWhole,
                                    ImportDateReader& dates)
{
    if (!hasField(fields, options.dateColumn) || !hasField(fields, options.payeeColumn)
        || !hasField(fields, options.amountColumn))
        return std::nullopt;
    CsvRecord record;
    record.date = dates.read(fields.at(options.dateColumn));
    if (!record.date.isValid())
        return std::nullopt;
    const std::optional<qint64> amount = readAmountCell(fields.at(options.amountColumn), unitsPerWhole);
    if (!amount)
        return std::nullopt;
    record.amount = *amount;
    record.payee = fields.at(options.payeeColumn);
    record.memo = fieldAt(fields, options.memoColumn);
    record.categoryName = fieldAt(fields, options.categoryColumn);
    return record;
}

QSet<QString> existingKeys(const TransactionRepository& transactions, const QString& accountId)
{
    QSet<QString> keys;
    const QList<Transaction> live = transactions.listByAccount(accountId);
    keys.reserve(live.size());
    for (const Transaction& transaction : live)
        keys.insert(duplicateKey(transaction.date, transaction.amount, transaction.payee));
    return keys;
}

// Exact names; where live categories share a name, the last one listed wins.
QHash<QString, QString> categoryIdsByName(const CategoryRepository& categories)
{
    QHash<QString, QString> ids;
    for (const Category& category : categories.listAll())
        ids.insert(category.name, category.id);
    return ids;
}

// The id of the category with exactly this name, made as a new top-level expense
// category the first time the import meets the name. Nothing when it cannot be stored.
std::optional<QString> categoryIdFor(const QString& name, QHash<QString, QString>& ids, CategoryRepository& categories)
{
    const auto known = ids.constFind(name);
    if (known != ids.cend())
        return *known;
    Category category;
    category.id = newId();
    category.name = name;
    category.createdAt = Clock::nowUtc();
    category.updatedAt = category.createdAt;
    if (!categories.insert(category))
        return std::nullopt;
    ids.insert(name, category.id);
    return category.id;
}

} // namespace

QString duplicateKey(const QDate& date, qint64 amount, const QString& payee)
{
    return SqlValues::dateText(date) + QLatin1Char('|') + QString::number(amount) + QLatin1Char('|') + payee;
}

ImportService::ImportService(TransactionRepository* transactions, CategoryRepository* categories,
                             SplitLineRepository* splitLines, AccountRepository* accounts, QObject* parent)
    : QObject(parent)
    , m_transactions(transactions)
    , m_categories(categories)
    , m_splitLines(splitLines)
    , m_accounts(accounts)
{
}

ImportService::~ImportService() = default;

bool ImportService::isImporting() const
{
    return m_transaction != nullptr;
}

ImportResult ImportService::importCsv(const QString& filePath, const QString& accountId,
                                      const CsvImportOptions& options)
{
    ImportResult result;
    if (isImporting()) {
        qWarning() << "CSV import refused: another import is still open";
        result.failed = true;
        return result;
    }
    const std::optional<Account> account = m_accounts->findById(accountId);
    if (!account) {
        result.failed = true;
        return result;
    }
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return result;
    CsvParseReport parse;
    const QList<QStringList> rows = parseCsv(decodeImportText(file.readAll()), &parse);
    file.close();
    if (parse.unterminatedQuote)
        result.unterminatedQuoteLine = parse.unterminatedQuoteLine;

    const int startRow = options.hasHeaderRow ? 1 : 0;
    const int total = qMax(0, int(rows.size()) - startRow);
    const int unitsPerWhole = currencyScale(account->currency);
    QSet<QString> keys = existingKeys(*m_transactions, accountId);
    QHash<QString, QString> categoryIds = categoryIdsByName(*m_categories);
    ImportDateReader dates(options.dateFormat);

    const auto abortImport = [this, &result, total](const QString& reason) {
        qWarning().noquote() << "CSV import aborted:" << reason;
        rollbackImportTransaction();
        result.failed = true;
        emit importProgress(total, total);
    };

    emit importStarted(total);
    if (!beginImportTransaction()) {
        result.failed = true;
        emit importProgress(total, total);
        return result;
    }

    for (int index = startRow; index < rows.size(); ++index) {
        const int handled = index - startRow + 1;
        if (handled % kProgressInterval == 0) {
            emit importProgress(handled, total);
            keepWindowPainting();
        }
        // The field with the open quote swallowed the rest of the file.
        if (index == parse.unterminatedQuoteRow) {
            ++result.unparseableSkipped;
            continue;
        }
        const std::optional<CsvRecord> record = readCsvRow(rows.at(index), options, unitsPerWhole, dates);
        if (!record) {
            ++result.unparseableSkipped;
            continue;
        }
        const QString key = duplicateKey(record->date, record->amount, record->payee);
        if (keys.contains(key)) {
            ++result.duplicatesSkipped;
            continue;
        }

        Transaction transaction;
        transaction.id = newId();
        transaction.accountId = accountId;
        transaction.date = record->date;
        transaction.payee = record->payee;
        transaction.amount = record->amount;
        transaction.memo = record->memo;
        transaction.createdAt = Clock::nowUtc();
        transaction.updatedAt = transaction.createdAt;
        if (!record->categoryName.isEmpty()) {
            const std::optional<QString> categoryId = categoryIdFor(record->categoryName, categoryIds, *m_categories);
            if (!categoryId) {
                ++result.databaseErrors;
                abortImport(QStringLiteral("category \"%1\" of row %2 could not be stored")
                          .arg(record->categoryName)
                          .arg(index + 1));
                return result;
            }
            transaction.categoryId = *categoryId;
        }
        if (!m_transactions->insert(transaction)) {
            ++result.databaseErrors;
            abortImport(QStringLiteral("row %1 could not be stored").arg(index + 1));
            return result;
        }
        ++result.imported;
        keys.insert(key);
    }

    if (!commitImportTransaction())
        result.failed = true;
    emit importProgress(total, total);
    return result;
}

bool ImportService::beginImportTransaction()
{
    if (m_transaction) {
        qWarning() << "ImportService: another import is still open";
        return false;
    }
    m_connection = QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false);
    auto transaction = std::make_unique<SqlTransaction>(m_connection);
    if (!transaction->isActive()) {
        transaction.reset();
        m_connection = QSqlDatabase();
        return false;
    }
    m_transaction = std::move(transaction);
    m_transactions->beginBulkWrite();
    return true;
}

bool ImportService::commitImportTransaction()
{
    const bool committed = m_transaction && m_transaction->commit();
    endImportTransaction();
    return committed;
}

void ImportService::rollbackImportTransaction()
{
    endImportTransaction();
}

void ImportService::endImportTransaction()
{
    if (!m_transaction)
        return;
    m_transaction.reset(); // rolls back unless committed
    m_connection = QSqlDatabase();
    m_transactions->endBulkWrite();
    emit importTransactionEnded();
}
