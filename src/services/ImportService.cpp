#include "ImportService.h"

#include "AmountText.h"
#include "CsvParser.h"
#include "ImportBatch.h"
#include "ImportDateReader.h"
#include "ImportText.h"
#include "QifParser.h"
#include "QifTransferLinker.h"

#include "data/Account.h"
#include "data/AccountRepository.h"
#include "data/Category.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Identifiers.h"
#include "data/SqlTransaction.h"
#include "data/SplitLine.h"
#include "data/SplitLineRepository.h"
#include "data/SqlValues.h"
#include "data/Transaction.h"
#include "data/TransactionRepository.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QSet>

#include <algorithm>
#include <optional>
#include <utility>

namespace {

constexpr int kProgressInterval = 100;
constexpr int kEventSliceMs = 5;
// Records worked through between repaints before the first row is stored.
constexpr int kPaintInterval = 10000;
// QIF amounts are hundredths of the file's unit, whatever the account's currency.
constexpr int kQifUnitsPerWhole = 100;

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

// One row of a CSV import on its way through the batch, or the progress
// report due before a row; `row` is the row's number in the file, or for a
// progress report the number of rows handled.
struct CsvStep
{
    enum Kind { Progress, Unreadable, Oversized, Duplicate, New } kind;
    int row;
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
    if (!SqlValues::isStorableDate(record.date))
        return std::nullopt;
    const std::optional<qint64> amount = readAmountCell(fields.at(options.amountColumn), unitsPerWhole);
    if (!amount)
        return std::nullopt;
    record.amount = *amount;
    record.payee = storableText(fields.at(options.payeeColumn));
    record.memo = storableText(fieldAt(fields, options.memoColumn));
    record.categoryName = storableText(fieldAt(fields, options.categoryColumn));
    return record;
}

// What the first walk over a CSV text learns before anything is imported.
struct CsvSurvey
{
    int rows = 0;
    int openQuoteRow = -1; // the row an unclosed quote ran away with
    int openQuoteLine = 0;
    QSet<QString> categoryNames; // the only categories the import looks up; taken by the import
};

CsvRowLimits rowLimits(const ImportLimits& limits)
{
    return {limits.csvRowFields, limits.csvRowChars};
}

// Counts the rows, notes the category names and shows every date cell to the
// date reader, so that the order of day and month is one for the whole file.
// The rows are read again for the import: holding them all would take many
// times the file's size.
CsvSurvey surveyCsv(QStringView text, const CsvImportOptions& options, const CsvRowLimits& limits,
                    ImportDateReader& dates)
{
    CsvSurvey survey;
    const int startRow = options.hasHeaderRow ? 1 : 0;
    CsvRowReader reader(text, limits);
    QStringList fields;
    while (reader.next(&fields)) {
        if (survey.rows >= startRow && !reader.lastRowTooLong()) {
            if (hasField(fields, options.dateColumn))
                dates.survey(fields.at(options.dateColumn));
            const QString category = storableText(fieldAt(fields, options.categoryColumn));
            if (!category.isEmpty())
                survey.categoryNames.insert(category);
        }
        ++survey.rows;
    }
    if (reader.endedInsideQuotes()) {
        survey.openQuoteLine = reader.openQuoteLine();
        if (reader.lastRowHoldsOpenQuote())
            survey.openQuoteRow = survey.rows - 1;
    }
    return survey;
}

// A row of the file as the import takes it: a record, or why there is none.
struct CsvRow
{
    std::optional<CsvRecord> record;
    bool oversized = false;
};

CsvRow readRow(int index, const QStringList& fields, bool tooLong, const CsvSurvey& survey,
               const CsvImportOptions& options, int unitsPerWhole, ImportDateReader& dates)
{
    // The field with the open quote swallowed the rest of the file.
    if (tooLong && index != survey.openQuoteRow)
        return {std::nullopt, true};
    if (index == survey.openQuoteRow)
        return {};
    return {readCsvRow(fields, options, unitsPerWhole, dates), false};
}

// The keys of the rows that read: what the import will look up in the account.
ExpectedKeys csvKeys(QStringView text, const CsvImportOptions& options, const CsvRowLimits& limits,
                     const CsvSurvey& survey, int unitsPerWhole, ImportDateReader& dates)
{
    ExpectedKeys keys;
    const int startRow = options.hasHeaderRow ? 1 : 0;
    CsvRowReader reader(text, limits);
    QStringList fields;
    for (int index = 0; reader.next(&fields); ++index) {
        if (index % kPaintInterval == kPaintInterval - 1)
            keepWindowPainting();
        if (index < startRow)
            continue;
        const CsvRow row = readRow(index, fields, reader.lastRowTooLong(), survey, options, unitsPerWhole, dates);
        // A CSV row carries no check number.
        if (row.record)
            keys.add(row.record->date, row.record->amount, row.record->payee, QString());
    }
    return keys;
}

// The import's view of the categories: exact names to ids (where live categories
// share a name, the last one listed wins), and new top-level categories made the
// first time the import meets a name, inside the import's transaction.
class ImportCategories
{
public:
    // Only the names the import will ask for are read, and only their ids are
    // kept: a tree of millions of categories, or a list of them that the file
    // makes, is never held whole.
    ImportCategories(CategoryRepository& categories, QSet<QString> names)
        : m_categories(categories)
        , m_unknown(std::move(names))
    {
        categories.forEachNamed(m_unknown,
                                [this](const Category& category) { m_ids.insert(category.name, category.id); });
        for (auto it = m_ids.cbegin(); it != m_ids.cend(); ++it)
            m_unknown.remove(it.key());
    }

    bool contains(const QString& name) const { return m_ids.contains(name); }

    // Nothing when a new category cannot be stored.
    std::optional<QString> idFor(const QString& name, CategoryType type = CategoryType::Expense)
    {
        const auto known = m_ids.constFind(name);
        if (known != m_ids.cend())
            return *known;
        return create(name, type);
    }

    // The one top-level expense category of this name for lines that name none:
    // found among the live categories or made once per import.
    std::optional<QString> fallbackId(const QString& name)
    {
        if (m_fallbackId.isEmpty()) {
            m_categories.forEachNamed({name}, [this](const Category& category) {
                if (m_fallbackId.isEmpty() && category.categoryType == CategoryType::Expense
                    && category.parentId.isEmpty())
                    m_fallbackId = category.id;
            });
        }
        if (m_fallbackId.isEmpty())
            m_fallbackId = create(name, CategoryType::Expense).value_or(QString());
        if (m_fallbackId.isEmpty())
            return std::nullopt;
        return m_fallbackId;
    }

private:
    std::optional<QString> create(const QString& name, CategoryType type)
    {
        Category category;
        category.id = newId();
        category.name = name;
        category.categoryType = type;
        category.createdAt = Clock::nowUtc();
        category.updatedAt = category.createdAt;
        if (!m_categories.insert(category))
            return std::nullopt;
        if (m_unknown.remove(name))
            m_ids.insert(name, category.id);
        return category.id;
    }

    CategoryRepository& m_categories;
    QHash<QString, QString> m_ids;
    QSet<QString> m_unknown; // asked for, with no id yet
    QString m_fallbackId; // empty until found or made
};

QString couldNotOpen(const QString& path, const QString& reason)
{
    return ImportService::tr("Could not open %1: %2").arg(QDir::toNativeSeparators(path), reason);
}

// A size limit in the unit the user reads: 64 MB, or 0.002 MB for a lowered one.
QString megabytes(qint64 bytes)
{
    return QLocale().toString(double(bytes) / 1e6, 'g', 6);
}

// What can be told before a file is opened: a folder or a missing file has no
// size to refuse; opening it tells why it cannot be read.
qint64 fileSize(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() ? info.size() : 0;
}

QString csvTooLarge(qint64 limit)
{
    return ImportService::tr("This file is too large to import. CSV files of up to %1 MB can be imported.")
        .arg(megabytes(limit));
}

QString qifTooLarge(qint64 limit, bool severalFiles)
{
    return severalFiles ? ImportService::tr("These files are too large to import together. QIF files of up to %1 MB "
                                            "in all can be imported.")
                              .arg(megabytes(limit))
                        : ImportService::tr("This file is too large to import. QIF files of up to %1 MB can be "
                                            "imported.")
                              .arg(megabytes(limit));
}

// A QIF file parsed, or why it was not: `problem` when it did not open,
// `tooLarge` when it holds more than the bytes it was allowed.
struct QifFileRead
{
    std::optional<QifParseResult> parse;
    QString problem;
    bool tooLarge = false;
    qint64 bytes = 0;
};

QifFileRead readQifFile(const QString& path, qint64 maxBytes, const QifRecordSink& takeRecord)
{
    QifFileRead read;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        read.problem = couldNotOpen(path, file.errorString());
        return read;
    }
    read.bytes = file.isSequential() ? 0 : file.size();
    const std::optional<QString> text = readImportText(file, maxBytes);
    if (!text) {
        read.tooLarge = true;
        return read;
    }
    if (file.isSequential())
        read.bytes = file.pos();
    read.parse = parseQif(*text, QifDateOrder::Detect, takeRecord);
    return read;
}

QString fileNameOf(const QString& path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

AccountType suggestedAccountType(const QifAccount& account)
{
    switch (account.kind) {
    case QifAccountKind::CCard:
        return AccountType::CreditCard;
    case QifAccountKind::Invst:
        return AccountType::Investment;
    case QifAccountKind::Cash:
        return AccountType::Cash;
    case QifAccountKind::OthA:
        return AccountType::Other;
    case QifAccountKind::OthL:
        return AccountType::Loan;
    case QifAccountKind::Bank:
        break;
    }
    return account.name.contains(QLatin1String("saving"), Qt::CaseInsensitive) ? AccountType::Savings
                                                                                : AccountType::Checking;
}

// Hundredths of the file's unit in the minor units of the account's currency,
// rounded once, halves away from zero: a yen account gets whole yen. Scaling down
// always fits. An account that does not exist keeps hundredths; nothing can be
// stored in it anyway.
qint64 toAccountUnits(qint64 hundredths, const std::optional<Currency>& currency)
{
    const int scale = currency ? currencyScale(*currency) : kQifUnitsPerWhole;
    if (scale == kQifUnitsPerWhole)
        return hundredths;
    return DecimalAmount::fromMinorUnits(hundredths, kQifUnitsPerWhole)->toMinorUnits(scale).value_or(0);
}

// The record's payee, or what best names it: an investment's action and
// security, a check number, the other account of a transfer.
QString qifPayee(const QifRecord& record, const QString& fallback)
{
    if (!record.payee.isEmpty())
        return record.payee;
    if (!record.checkNumber.isEmpty() && !record.security.isEmpty())
        return QStringLiteral("%1: %2").arg(record.checkNumber, record.security);
    if (!record.security.isEmpty())
        return record.security;
    if (!record.checkNumber.isEmpty())
        return record.checkNumber;
    return record.transferAccount.isEmpty() ? fallback : record.transferAccount;
}

// The texts of a record that the ledger stores, as it stores them; the names of
// accounts stay as the file writes them, to be matched with one another.
void makeStorable(QifRecord& record)
{
    record.payee = storableText(std::move(record.payee));
    record.memo = storableText(std::move(record.memo));
    record.category = storableText(std::move(record.category));
    record.checkNumber = storableText(std::move(record.checkNumber));
    record.security = storableText(std::move(record.security));
    for (QifSplit& split : record.splits) {
        split.category = storableText(std::move(split.category));
        split.memo = storableText(std::move(split.memo));
    }
}

// Every record of the files, in file order, with its target account, and the
// category lists' entries, each name once. Records that name no account are
// mapped by their file's path. False, with the reason in `result`, when a file
// cannot be read or the files hold more than maxBytes.
bool collectQifRecords(const QStringList& paths, const QHash<QString, QString>& targets, qint64 maxBytes,
                       QList<QifWorkRecord>* work, QList<QifCategory>* listedCategories, QSet<QString>* listedNames,
                       ImportResult* result)
{
    qint64 bytesLeft = maxBytes;
    for (const QString& path : paths) {
        const QString pathTarget = targets.value(path.toLower());
        // Straight into the work list: a file of the shortest records holds
        // millions, and two lists of them would take twice the memory.
        const auto takeRecord = [&](QifRecord&& record) {
            QifWorkRecord item;
            item.targetAccountId =
                record.sourceAccount.isEmpty() ? pathTarget : targets.value(record.sourceAccount.toLower());
            makeStorable(record);
            item.record = std::move(record);
            work->append(std::move(item));
        };
        QifFileRead read = readQifFile(path, bytesLeft, takeRecord);
        if (!read.parse) {
            result->fileTooLarge = read.tooLarge;
            result->failureReason = read.tooLarge ? qifTooLarge(maxBytes, paths.size() > 1) : read.problem;
            return false;
        }
        bytesLeft -= read.bytes;
        const std::optional<QifParseResult>& parse = read.parse;
        result->unparseableSkipped += parse->skippedInvalid;
        result->metadataSkipped += parse->skippedMetadata;
        for (QifCategory category : std::as_const(parse->categories)) {
            category.name = storableText(std::move(category.name));
            if (!category.name.isEmpty() && !listedNames->contains(category.name)) {
                listedNames->insert(category.name);
                listedCategories->append(category);
            }
        }
        keepWindowPainting();
    }
    return true;
}

// Keeps the entries of a category list that no live category names; `names`
// are the entries' names. A list names every category its file knows, most of
// them in the ledger already after a first import.
void keepMissingCategories(const CategoryRepository& categories, QList<QifCategory>& listed, QSet<QString> names)
{
    // forEachNamed looks each row's name up as it reads, so the set may shrink meanwhile.
    categories.forEachNamed(names, [&names](const Category& category) { names.remove(category.name); });
    listed.removeIf([&names](const QifCategory& entry) { return !names.contains(entry.name); });
}

// The category names the mapped records give.
void addRecordCategories(const QList<QifWorkRecord>& work, QSet<QString>& names)
{
    for (const QifWorkRecord& item : work) {
        if (item.targetAccountId.isEmpty())
            continue;
        if (!item.record.category.isEmpty())
            names.insert(item.record.category);
        for (const QifSplit& split : item.record.splits) {
            if (!split.category.isEmpty())
                names.insert(split.category);
        }
    }
}

// A record counts one step of the progress, and one more for each full
// kSplitLinesPerStep of its split lines.
int progressSteps(const QifWorkRecord& item)
{
    return 1 + int(item.record.splits.size() / ImportService::kSplitLinesPerStep);
}

// What a record becomes in its target, worked out before the legs are paired: a
// leg whose row is stored already must not be paired, or its partner would link
// to a row that never comes, while the stored row waits for exactly that partner.
void resolveTargets(QList<QifWorkRecord>& work, QifTransferLinker& linker, const QString& fallbackPayee)
{
    int handled = 0;
    // Every record is set before an account is read: what the records look up
    // decides which of an account's rows are kept.
    for (QifWorkRecord& item : work) {
        if (++handled % kPaintInterval == 0)
            keepWindowPainting();
        if (item.targetAccountId.isEmpty())
            continue;
        item.amount = toAccountUnits(item.record.amount, linker.currency(item.targetAccountId));
        item.payee = storableText(qifPayee(item.record, fallbackPayee));
    }
    // By target account: one set of keys per account costs less than the
    // account's id in front of every key.
    QHash<QString, DuplicateKeys> importedKeys;
    for (QifWorkRecord& item : work) {
        if (++handled % kPaintInterval == 0)
            keepWindowPainting();
        if (item.targetAccountId.isEmpty())
            continue;
        const QString& checkNumber = item.record.checkNumber;
        const QString key = duplicateKey(item.record.date, item.amount, item.payee);
        DuplicateKeys& imported = importedKeys[item.targetAccountId];
        item.duplicate = linker.state(item.targetAccountId).keys.contains(key, checkNumber)
                         || imported.contains(key, checkNumber);
        if (!item.duplicate)
            imported.insert(key, checkNumber);
    }
}

// One record of a QIF import on its way through the batch, or the progress
// report due before a record.
struct QifStep
{
    enum Kind { Progress, Unmapped, Duplicate, Unstored, New } kind;
    int index; // in the work list
    // The progress steps done once the record itself is handled: what a
    // Progress step reports, and where a New record's split lines count on from.
    int steps = 0;
    QifTransferLinker::Plan plan = {};
    QString key = {}; // the duplicate key of a New record
};

Transaction qifTransaction(const QifWorkRecord& item)
{
    Transaction transaction;
    transaction.id = item.newId.isEmpty() ? newId() : item.newId;
    transaction.accountId = item.targetAccountId;
    transaction.date = item.record.date;
    transaction.payee = item.payee;
    transaction.amount = item.amount;
    transaction.memo = item.record.memo;
    transaction.checkNumber = item.record.checkNumber;
    transaction.cleared = item.record.cleared;
    transaction.reconciled = item.record.reconciled;
    transaction.isSplit = !item.record.splits.isEmpty();
    transaction.createdAt = Clock::nowUtc();
    transaction.updatedAt = transaction.createdAt;
    return transaction;
}

// Writes the split lines of a stored transaction; returns how many could not be
// stored. The category column is NOT NULL: a line without a category (a transfer
// line among them) takes the import's fallback category instead of vanishing.
// stepDone is called after each kSplitLinesPerStep lines.
template <typename StepDone>
int storeSplitLines(const QList<QifSplit>& splits, const Transaction& transaction,
                    const std::optional<Currency>& currency, ImportCategories& categories,
                    SplitLineRepository& splitLines, StepDone&& stepDone)
{
    int failures = 0;
    qsizetype written = 0;
    for (const QifSplit& split : splits) {
        const std::optional<QString> categoryId = split.category.isEmpty()
                                                      ? categories.fallbackId(ImportService::tr("Uncategorized"))
                                                      : categories.idFor(split.category);
        SplitLine line;
        line.id = newId();
        line.transactionId = transaction.id;
        line.categoryId = categoryId.value_or(QString());
        line.amount = toAccountUnits(split.amount, currency);
        line.memo = split.transferAccount.isEmpty() ? split.memo : addTransferHint(split.memo, split.transferAccount);
        line.createdAt = transaction.createdAt;
        line.updatedAt = transaction.createdAt;
        if (!categoryId || !splitLines.insert(line))
            ++failures;
        if (++written % ImportService::kSplitLinesPerStep == 0)
            stepDone();
    }
    return failures;
}

} // namespace

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

QString ImportService::csvSizeProblem(const QString& filePath) const
{
    return fileSize(filePath) <= m_limits.csvFileBytes ? QString() : csvTooLarge(m_limits.csvFileBytes);
}

QString ImportService::qifSizeProblem(const QStringList& filePaths) const
{
    qint64 total = 0;
    for (const QString& path : filePaths) {
        const qint64 size = fileSize(path);
        if (size > m_limits.qifFileBytes)
            return qifTooLarge(m_limits.qifFileBytes, false);
        total += size;
    }
    return total > m_limits.qifFileBytes ? qifTooLarge(m_limits.qifFileBytes, true) : QString();
}

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
        return refused(tr("Another import is still running. Try again once it has finished."));
    }
    const std::optional<Account> account = m_accounts->findById(accountId);
    if (!account)
        return refused(tr("The account to import into no longer exists."));
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return refused(couldNotOpen(filePath, file.errorString()));
    const std::optional<QString> text = readImportText(file, m_limits.csvFileBytes);
    file.close();
    if (!text) {
        result = refused(csvTooLarge(m_limits.csvFileBytes));
        result.fileTooLarge = true;
        return result;
    }
    const CsvRowLimits limits = rowLimits(m_limits);
    ImportDateReader dates(options.dateFormat);
    CsvSurvey survey = surveyCsv(*text, options, limits, dates);
    result.unterminatedQuoteLine = survey.openQuoteLine;

    const int startRow = options.hasHeaderRow ? 1 : 0;
    const int total = qMax(0, survey.rows - startRow);
    const int unitsPerWhole = currencyScale(account->currency);
    ImportCategories categories(*m_categories, std::move(survey.categoryNames));

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
    // Inside the transaction, as the window repaints: the rows the file is
    // compared with stay as they are read.
    DuplicateKeys keys = DuplicateKeys::ofAccount(
        *m_transactions, accountId, [&] { return csvKeys(*text, options, limits, survey, unitsPerWhole, dates); },
        keepWindowPainting);

    // Any row that cannot be stored ends the import, so a row's key counts as
    // stored as soon as the row waits in the batch.
    ImportBatch<CsvStep> batch(m_transactions);
    const auto finish = [this, &result, &abortImport, total](const CsvStep& step, const Transaction*, BatchRow row) {
        switch (step.kind) {
        case CsvStep::Progress:
            emit importProgress(step.row, total);
            keepWindowPainting();
            return true;
        case CsvStep::Unreadable:
            ++result.unparseableSkipped;
            return true;
        case CsvStep::Oversized:
            ++result.oversizedSkipped;
            return true;
        case CsvStep::Duplicate:
            ++result.duplicatesSkipped;
            return true;
        case CsvStep::New:
            break;
        }
        if (row == BatchRow::Refused) {
            ++result.databaseErrors;
            abortImport(QStringLiteral("row %1 could not be stored").arg(step.row));
            return false;
        }
        ++result.imported;
        return true;
    };

    // Queues the row's step; false when the import had to stop.
    const auto queue = [&](int index, const QStringList& fields, bool tooLong) {
        const CsvRow row = readRow(index, fields, tooLong, survey, options, unitsPerWhole, dates);
        if (row.oversized) {
            batch.add({CsvStep::Oversized, index + 1});
            return true;
        }
        const std::optional<CsvRecord>& record = row.record;
        if (!record) {
            batch.add({CsvStep::Unreadable, index + 1});
            return true;
        }
        // A CSV row carries no check number.
        const QString key = duplicateKey(record->date, record->amount, record->payee);
        if (keys.contains(key, QString())) {
            batch.add({CsvStep::Duplicate, index + 1});
            return true;
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
            // A new category is made at its row's turn, after the rows before it.
            if (!categories.contains(record->categoryName) && !batch.flush(finish))
                return false;
            const std::optional<QString> categoryId = categories.idFor(record->categoryName);
            if (!categoryId) {
                ++result.databaseErrors;
                abortImport(QStringLiteral("category \"%1\" of row %2 could not be stored")
                                .arg(record->categoryName)
                                .arg(index + 1));
                return false;
            }
            transaction.categoryId = *categoryId;
        }
        batch.add({CsvStep::New, index + 1}, std::move(transaction));
        keys.insert(key, QString());
        return true;
    };

    CsvRowReader reader(*text, limits);
    QStringList fields;
    for (int index = 0; reader.next(&fields); ++index) {
        if (index < startRow)
            continue;
        const int handled = index - startRow + 1;
        if (handled % kProgressInterval == 0)
            batch.add({CsvStep::Progress, handled});
        if (!queue(index, fields, reader.lastRowTooLong()) || (batch.isFull() && !batch.flush(finish)))
            return result;
    }
    if (!batch.flush(finish))
        return result;

    if (!commitImportTransaction())
        result.failed = true;
    emit importProgress(total, total);
    return result;
}

QifAnalysis ImportService::analyzeQif(const QStringList& filePaths)
{
    QifAnalysis analysis;
    QSet<QString> seen; // lower case
    for (const QString& path : filePaths) {
        int records = 0;
        bool unnamedRecords = false;
        const QifFileRead read = readQifFile(path, m_limits.qifFileBytes, [&](QifRecord&& record) {
            ++records;
            unnamedRecords = unnamedRecords || record.sourceAccount.isEmpty();
        });
        if (!read.parse) {
            analysis.problems.append(read.tooLarge ? couldNotOpen(path, qifTooLarge(m_limits.qifFileBytes, false))
                                                   : read.problem);
            keepWindowPainting();
            continue;
        }
        const std::optional<QifParseResult>& parse = read.parse;
        analysis.totalRecords += records;
        for (const QifAccount& account : parse->accounts) {
            const QString key = account.name.toLower();
            if (seen.contains(key))
                continue;
            seen.insert(key);
            analysis.sources.append({account.name, account.name, false, suggestedAccountType(account)});
        }
        // Records before the file's first account header go by the file, so they
        // need a mapping of their own even when the file names accounts later.
        if (parse->accounts.isEmpty() || unnamedRecords)
            analysis.sources.append(
                {path, tr("%1 (no account header)").arg(fileNameOf(path)), true, AccountType::Checking});
        keepWindowPainting();
    }
    return analysis;
}

ImportResult ImportService::importQif(const QStringList& filePaths, const QHash<QString, QString>& accountMapping,
                                      const QList<Account>& newAccounts)
{
    ImportResult result;
    if (isImporting()) {
        qWarning() << "QIF import refused: another import is still open";
        return refused(tr("Another import is still running. Try again once it has finished."));
    }
    const QString sizeProblem = qifSizeProblem(filePaths);
    if (!sizeProblem.isEmpty()) {
        result = refused(sizeProblem);
        result.fileTooLarge = true;
        return result;
    }
    QHash<QString, QString> targets;
    for (auto it = accountMapping.cbegin(); it != accountMapping.cend(); ++it)
        targets.insert(it.key().toLower(), it.value());
    if (!createTargetAccounts(newAccounts, targets)) {
        result.failed = true;
        return result;
    }

    QList<QifCategory> listedCategories;
    QSet<QString> listedNames;
    QList<QifWorkRecord> work;
    if (!collectQifRecords(filePaths, targets, m_limits.qifFileBytes, &work, &listedCategories, &listedNames,
                           &result)) {
        // The accounts made for the import go with it; nothing else was written yet.
        rollbackImportTransaction();
        ImportResult refusal = refused(result.failureReason);
        refusal.fileTooLarge = result.fileTooLarge;
        return refusal;
    }
    int total = 0;
    for (const QifWorkRecord& item : std::as_const(work))
        total += progressSteps(item);

    const auto abortImport = [this, &result, total](const QString& reason) {
        qWarning().noquote() << "QIF import aborted:" << reason;
        result.failed = true;
        rollbackImportTransaction();
        emit importProgress(total, total);
        return false;
    };

    emit importStarted(total);
    if (!isImporting() && !beginImportTransaction()) {
        result.failed = true;
        emit importProgress(total, total);
        return result;
    }
    // Inside the transaction, so that the rows each target is compared with
    // stay as they are read while the window repaints.
    QifTransferLinker linker(m_transactions, m_accounts, targets, work, keepWindowPainting);
    resolveTargets(work, linker, tr("Imported transaction"));
    pairTransfers(work);
    // A leg refers to its partner's id before either is stored. Every other
    // record gets its id as it is stored, and the work list keeps none of
    // those: millions of them would cost a tenth of the import's memory.
    for (QifWorkRecord& item : work) {
        if (item.partnerIndex >= 0)
            item.newId = newId();
    }
    QSet<QString> usedNames;
    addRecordCategories(work, usedNames);
    ImportCategories categories(*m_categories, std::move(usedNames));
    // The set of listed names is gone before the missing ones are made, and a
    // made category keeps its id only for a name the records use: a first
    // import of a list of millions holds neither beside the list.
    keepMissingCategories(*m_categories, listedCategories, std::move(listedNames));
    for (const QifCategory& listed : std::as_const(listedCategories))
        categories.idFor(listed.name, listed.isIncome ? CategoryType::Income : CategoryType::Expense);
    listedCategories.clear();

    const auto finish = [&](const QifStep& step, const Transaction* row, BatchRow outcome) {
        const QifWorkRecord& item = work.at(step.index);
        switch (step.kind) {
        case QifStep::Progress:
            emit importProgress(step.steps, total);
            keepWindowPainting();
            return true;
        case QifStep::Unmapped:
            ++result.unmappedSkipped;
            return true;
        case QifStep::Duplicate:
            ++result.duplicatesSkipped;
            return linker.dropped(step.index) || abortImport(linker.abortReason());
        case QifStep::New:
            if (outcome == BatchRow::Stored)
                break;
            [[fallthrough]];
        case QifStep::Unstored:
            qWarning() << "QIF import: insert failed for" << SqlValues::dateText(item.record.date) << item.record.payee
                       << "amount" << item.amount << "account" << item.targetAccountId;
            ++result.databaseErrors;
            return linker.dropped(step.index) || abortImport(linker.abortReason());
        }
        if (!linker.stored(step.index, *row, step.plan, result))
            return abortImport(linker.abortReason());
        int stepsDone = step.steps;
        result.databaseErrors +=
            storeSplitLines(item.record.splits, *row, linker.currency(item.targetAccountId), categories,
                            *m_splitLines, [&] {
                                emit importProgress(++stepsDone, total);
                                keepWindowPainting();
                            });
        ++result.imported;
        linker.state(item.targetAccountId).keys.insert(step.key, item.record.checkNumber);
        return true;
    };
    // The keys of the rows waiting in the batch, by target account: a row that
    // waits is in its account only once it has been stored.
    DuplicateKeys waitingKeys;
    ImportBatch<QifStep> batch(m_transactions);
    const auto flush = [&] {
        waitingKeys = DuplicateKeys();
        return batch.flush(finish);
    };

    // Queues the record's step; false when the import had to stop.
    const auto queue = [&](int index, int steps) {
        const QifWorkRecord& item = work.at(index);
        if (item.targetAccountId.isEmpty()) {
            batch.add({QifStep::Unmapped, index});
            return true;
        }
        const QString key = duplicateKey(item.record.date, item.amount, item.payee);
        const QString waitingKey = item.targetAccountId + QLatin1Char('\n') + key;
        // Whether a leg is linked to its partner depends on whether the partner
        // was stored; so does a duplicate of a row that waits.
        const bool partnerWaits = !batch.isEmpty() && item.partnerIndex >= batch.firstStep().index
                                  && item.partnerIndex < index;
        if ((partnerWaits || waitingKeys.contains(waitingKey, item.record.checkNumber)) && !flush())
            return false;
        if (linker.state(item.targetAccountId).keys.contains(key, item.record.checkNumber)) {
            batch.add({QifStep::Duplicate, index});
            return true;
        }

        Transaction transaction = qifTransaction(item);
        std::optional<QString> categoryId = QString();
        if (!item.record.category.isEmpty()) {
            // A new category is made at its record's turn, after the records before it.
            if (!categories.contains(item.record.category) && !flush())
                return false;
            categoryId = categories.idFor(item.record.category);
        }
        if (!categoryId) {
            batch.add({QifStep::Unstored, index});
            return true;
        }
        transaction.categoryId = *categoryId;
        QifStep step{QifStep::New, index, steps};
        if (!linker.prepare(index, transaction, step.plan)) {
            // The records before this one end first; one of them may stop the import itself.
            if (flush())
                abortImport(linker.abortReason());
            return false;
        }
        step.key = key;
        // Writing the earlier row, and using up its candidate, cannot wait for the batch.
        const bool linksEarlierRow = step.plan.earlierRow.has_value();
        batch.add(std::move(step), std::move(transaction));
        waitingKeys.insert(waitingKey, item.record.checkNumber);
        return !linksEarlierRow || flush();
    };

    int stepsBefore = 0;
    for (int index = 0; index < int(work.size()); ++index) {
        const int steps = stepsBefore + 1;
        stepsBefore += progressSteps(work.at(index));
        if ((index + 1) % kProgressInterval == 0)
            batch.add({QifStep::Progress, index, steps});
        if (!queue(index, steps) || (batch.isFull() && !flush()))
            return result;
    }
    if (!flush())
        return result;

    if (!commitImportTransaction())
        result.failed = true;
    emit importProgress(total, total);
    return result;
}

ImportResult ImportService::refused(const QString& reason)
{
    ImportResult result;
    result.failed = true;
    result.failureReason = reason;
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
    emit importTransactionStarted();
    return true;
}

bool ImportService::createTargetAccounts(const QList<Account>& accounts, QHash<QString, QString>& targets)
{
    if (accounts.isEmpty())
        return true;
    if (!beginImportTransaction())
        return false;
    for (const Account& account : accounts) {
        if (m_accounts->insert(account))
            continue;
        for (QString& target : targets) {
            if (target == account.id)
                target.clear();
        }
    }
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
