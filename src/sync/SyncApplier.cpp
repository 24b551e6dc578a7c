#include "SyncApplier.h"

#include "SyncRecords.h"
#include "SyncTables.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Identifiers.h"
#include "data/ReconciliationRepository.h"
#include "data/RecurringRepository.h"
#include "data/SplitLineRepository.h"
#include "data/SqlTransaction.h"
#include "data/SqlValues.h"
#include "data/TransactionRepository.h"

#include <QDebug>
#include <QSet>
#include <QSqlDatabase>

#include <algorithm>
#include <functional>
#include <tuple>

namespace {

// The page keys in the order their tables are written: accounts before what
// hangs off them, categories before what files under them.
const QList<QLatin1StringView>& tableOrder()
{
    static const QList<QLatin1StringView> order = {SyncRecords::kAccountsKey, SyncRecords::kCategoriesKey,
                                                   SyncRecords::kRecurringKey, SyncRecords::kTransactionsKey,
                                                   SyncRecords::kReconciliationsKey};
    return order;
}

// A date no ledger row can have: null, invalid, or before 2000.
bool isBrokenDate(const QDate& date)
{
    return !date.isValid() || date.year() < 2000;
}

struct RowState
{
    int version = 0;
    bool deleted = false;
};

template<typename Record>
RowState stateOf(const Record& record)
{
    return RowState{record.version, record.deletedAt.has_value()};
}

// What one record does to its row.
struct Plan
{
    enum class Write { Skip, Insert, Update };
    enum class Deletion { Keep, Delete, Restore };

    Write write = Write::Skip;
    Deletion deletion = Deletion::Keep;
    // The row was deleted here while the server still has it live at the
    // same version: the deletion stays, and goes out again at a version the
    // server will take, so that both sides end deleted.
    bool repushLocalDeletion = false;
};

Plan planFor(const std::optional<RowState>& local, const RowState& server, bool keepDeletedNewRows)
{
    Plan plan;
    if (!local) {
        if (server.deleted && !keepDeletedNewRows)
            return plan;
        plan.write = Plan::Write::Insert;
        plan.deletion = server.deleted ? Plan::Deletion::Delete : Plan::Deletion::Keep;
        return plan;
    }
    if (server.version < local->version)
        return plan;
    plan.write = Plan::Write::Update;
    if (server.deleted == local->deleted)
        return plan;
    if (server.deleted)
        plan.deletion = Plan::Deletion::Delete;
    else if (server.version > local->version)
        plan.deletion = Plan::Deletion::Restore;
    else
        plan.repushLocalDeletion = true;
    return plan;
}

// Values compared in the form they are stored in, so that a server's
// fractional seconds or a present-but-empty end date do not count as a change
// that every later pull would write again.
QString stored(const QDateTime& time)
{
    return SqlValues::timestampText(time);
}

QString stored(const QDate& date)
{
    return SqlValues::dateText(date);
}

QString stored(const std::optional<QDate>& date)
{
    return date ? SqlValues::dateText(*date) : QString();
}

// The columns each repository's update writes.
bool sameColumns(const Account& a, const Account& b)
{
    return std::tuple(a.name, a.accountType, a.currency, a.institution, a.accountNumberLast4, a.startingBalance,
                      a.sortOrder, a.isShared, a.version, a.syncStatus, a.serverId, stored(a.updatedAt))
        == std::tuple(b.name, b.accountType, b.currency, b.institution, b.accountNumberLast4, b.startingBalance,
                      b.sortOrder, b.isShared, b.version, b.syncStatus, b.serverId, stored(b.updatedAt));
}

bool sameColumns(const Category& a, const Category& b)
{
    return std::tuple(a.name, a.categoryType, a.parentId, a.isTaxRelevant, a.taxCategory, a.icon, a.color,
                      a.isDefault, a.accountId, a.version, a.syncStatus, a.serverId, stored(a.updatedAt))
        == std::tuple(b.name, b.categoryType, b.parentId, b.isTaxRelevant, b.taxCategory, b.icon, b.color,
                      b.isDefault, b.accountId, b.version, b.syncStatus, b.serverId, stored(b.updatedAt));
}

bool sameColumns(const RecurringTransaction& a, const RecurringTransaction& b)
{
    return std::tuple(a.accountId, a.payee, a.memo, a.amount, a.categoryId, a.frequency, stored(a.startDate),
                      stored(a.endDate), stored(a.nextDueDate), a.autoPost, a.isActive, a.transferDestAccountId,
                      a.version, a.syncStatus, a.serverId, stored(a.updatedAt), a.leadDays, a.intervalCount,
                      a.semimonthlyDay1, a.semimonthlyDay2)
        == std::tuple(b.accountId, b.payee, b.memo, b.amount, b.categoryId, b.frequency, stored(b.startDate),
                      stored(b.endDate), stored(b.nextDueDate), b.autoPost, b.isActive, b.transferDestAccountId,
                      b.version, b.syncStatus, b.serverId, stored(b.updatedAt), b.leadDays, b.intervalCount,
                      b.semimonthlyDay1, b.semimonthlyDay2);
}

bool sameColumns(const Transaction& a, const Transaction& b)
{
    return std::tuple(stored(a.date), a.payee, a.memo, a.amount, a.categoryId, a.checkNumber, a.cleared,
                      a.reconciled, a.transferLinkId, a.transferDestAccountId, a.isSplit, a.recurringId, a.version,
                      a.syncStatus, a.serverId, stored(a.updatedAt))
        == std::tuple(stored(b.date), b.payee, b.memo, b.amount, b.categoryId, b.checkNumber, b.cleared,
                      b.reconciled, b.transferLinkId, b.transferDestAccountId, b.isSplit, b.recurringId, b.version,
                      b.syncStatus, b.serverId, stored(b.updatedAt));
}

bool sameColumns(const Reconciliation& a, const Reconciliation& b)
{
    return std::tuple(a.accountId, stored(a.statementDate), a.statementBalance, a.reconciledBalance,
                      stored(a.completedAt), a.version, a.syncStatus, a.serverId, stored(a.updatedAt))
        == std::tuple(b.accountId, stored(b.statementDate), b.statementBalance, b.reconciledBalance,
                      stored(b.completedAt), b.version, b.syncStatus, b.serverId, stored(b.updatedAt));
}

// Split lines have no identity of their own: two lists are the same when they
// hold the same (category, amount, memo) lines, in any order.
using LineKey = std::tuple<QString, qint64, QString>;

QList<LineKey> lineKeys(const QList<SplitLine>& lines)
{
    QList<LineKey> keys;
    keys.reserve(lines.size());
    for (const SplitLine& line : lines)
        keys.append(LineKey(line.categoryId, line.amount, line.memo));
    std::sort(keys.begin(), keys.end());
    return keys;
}

// The three repository writes one table offers the applier.
template<typename Record>
struct Writer
{
    std::function<bool(const Record&)> insert;
    std::function<bool(const Record&)> update;
    std::function<bool(const Record&, const std::optional<QDateTime>&)> applyDeletion;
};

// The split lines that travel inside a transaction record; other tables have none.
struct NoLines
{
    template<typename Record>
    bool differ(const Record&, const std::optional<Record>&) const
    {
        return false;
    }
    template<typename Record>
    bool rewrite(const Record&, const std::optional<Record>&) const
    {
        return true;
    }
};

class TransactionLines
{
public:
    TransactionLines(SplitLineRepository* repository, QList<SplitLine> incoming)
        : m_repository(repository)
        , m_incoming(std::move(incoming))
    {
    }

    bool differ(const Transaction& transaction, const std::optional<Transaction>& local) const
    {
        if (!local)
            return transaction.isSplit && !m_incoming.isEmpty();
        if (!transaction.isSplit)
            return local->isSplit;
        return lineKeys(m_repository->listByTransaction(transaction.id)) != lineKeys(m_incoming);
    }

    bool rewrite(const Transaction& transaction, const std::optional<Transaction>& local) const
    {
        const bool wasSplit = local && local->isSplit;
        if (!transaction.isSplit && !wasSplit)
            return true;
        if (!m_repository->deleteByTransaction(transaction.id))
            return false;
        if (!transaction.isSplit)
            return true;
        for (SplitLine line : m_incoming) {
            line.id = newId();
            line.transactionId = transaction.id;
            line.createdAt = transaction.createdAt;
            line.updatedAt = transaction.updatedAt;
            // A line without a category cannot be stored: the whole record waits.
            if (!m_repository->insert(line))
                return false;
        }
        return true;
    }

private:
    SplitLineRepository* m_repository;
    QList<SplitLine> m_incoming;
};

// Parents before their children, so that a child's parent_id refers to a row
// that exists; the rest keeps its order. A loop of parents ends the climb.
QJsonArray parentsFirst(const QJsonArray& records)
{
    QHash<QString, qsizetype> positionOf;
    for (qsizetype i = 0; i < records.size(); ++i) {
        const QString id = SyncRecords::text(records.at(i).toObject(), QLatin1StringView("client_id"));
        if (!id.isEmpty())
            positionOf.insert(id, i);
    }
    QJsonArray ordered;
    QList<bool> placed(records.size(), false);
    for (qsizetype i = 0; i < records.size(); ++i) {
        // Climb to the oldest unplaced ancestor in this array, then place down.
        QList<qsizetype> chain;
        QSet<qsizetype> seen;
        for (qsizetype at = i; at >= 0 && !placed.at(at) && !seen.contains(at);) {
            seen.insert(at);
            chain.prepend(at);
            const QString parent = SyncRecords::text(records.at(at).toObject(), QLatin1StringView("parent_id"));
            at = parent.isEmpty() ? -1 : positionOf.value(parent, -1);
        }
        for (qsizetype at : std::as_const(chain)) {
            placed[at] = true;
            ordered.append(records.at(at));
        }
    }
    return ordered;
}

} // namespace

SyncApplier::SyncApplier(AccountRepository* accounts, TransactionRepository* transactions,
                         CategoryRepository* categories, RecurringRepository* recurring,
                         ReconciliationRepository* reconciliations, SplitLineRepository* splitLines)
    : m_accounts(accounts)
    , m_transactions(transactions)
    , m_categories(categories)
    , m_recurring(recurring)
    , m_reconciliations(reconciliations)
    , m_splitLines(splitLines)
{
}

void SyncApplier::beginPull()
{
    m_serverIds.clear();
    m_written = 0;
    // The ledger may have changed since the last run kept its records.
    m_retryUseful = true;
}

QJsonObject SyncApplier::deferredRecords() const
{
    QJsonObject records;
    for (auto it = m_deferred.cbegin(); it != m_deferred.cend(); ++it) {
        if (!it->isEmpty())
            records.insert(it.key(), *it);
    }
    return records;
}

void SyncApplier::setDeferredRecords(const QJsonObject& records)
{
    m_deferred.clear();
    for (QLatin1StringView key : tableOrder()) {
        const QJsonArray array = records.value(key).toArray();
        if (!array.isEmpty())
            m_deferred.insert(QString(key), array);
    }
}

int SyncApplier::deferredCount() const
{
    int count = 0;
    for (const QJsonArray& array : m_deferred)
        count += int(array.size());
    return count;
}

template<typename Record>
void SyncApplier::Prefetched<Record>::load(QLatin1StringView table, const QJsonArray& records,
                                           Record (*read)(const QSqlQuery&))
{
    clear();
    QStringList ids;
    for (const QJsonValue& value : records) {
        const QString id = SyncRecords::text(value.toObject(), QLatin1StringView("client_id"));
        if (!id.isEmpty() && !m_asked.contains(id)) {
            m_asked.insert(id);
            ids.append(id);
        }
    }
    if (!SyncTables::forEachRow(table, ids, [this, read](const QSqlQuery& query) {
            Record record = read(query);
            m_rows.insert(record.id, record);
        }))
        clear();
}

template<typename Record>
void SyncApplier::Prefetched<Record>::clear()
{
    m_asked.clear();
    m_rows.clear();
}

template<typename Record>
template<typename Find>
std::optional<Record> SyncApplier::Prefetched<Record>::take(const QString& id, Find find)
{
    if (!m_asked.remove(id))
        return find(id);
    const auto it = m_rows.constFind(id);
    if (it == m_rows.cend())
        return std::nullopt;
    Record record = *it;
    m_rows.erase(it);
    return record;
}

void SyncApplier::prefetch(const QJsonObject& page)
{
    const auto recurringKey =
        page.contains(SyncRecords::kRecurringKey) ? SyncRecords::kRecurringKey : SyncRecords::kRecurringFallbackKey;
    m_pageAccounts.load(SyncTables::kAccounts, page.value(SyncRecords::kAccountsKey).toArray(),
                        &AccountRepository::accountFromQuery);
    m_pageCategories.load(SyncTables::kCategories, page.value(SyncRecords::kCategoriesKey).toArray(),
                          &CategoryRepository::categoryFromQuery);
    m_pageRecurring.load(SyncTables::kRecurring, page.value(recurringKey).toArray(),
                         &RecurringRepository::recurringFromQuery);
    m_pageTransactions.load(SyncTables::kTransactions, page.value(SyncRecords::kTransactionsKey).toArray(),
                            &TransactionRepository::transactionFromQuery);
    m_pageReconciliations.load(SyncTables::kReconciliations, page.value(SyncRecords::kReconciliationsKey).toArray(),
                               &ReconciliationRepository::reconciliationFromQuery);
}

void SyncApplier::clearPrefetched()
{
    m_pageAccounts.clear();
    m_pageCategories.clear();
    m_pageRecurring.clear();
    m_pageTransactions.clear();
    m_pageReconciliations.clear();
}

void SyncApplier::applyPage(const QJsonObject& page)
{
    // One page announces each account it touched once, not once per record.
    const TransactionBulkWrite bulkWrite(m_transactions);
    prefetch(page);
    const auto arrayAt = [&page](QLatin1StringView key) { return page.value(key).toArray(); };
    if (page.contains(SyncRecords::kAccountsKey))
        applyAccount(arrayAt(SyncRecords::kAccountsKey));
    if (page.contains(SyncRecords::kCategoriesKey))
        applyCategory(arrayAt(SyncRecords::kCategoriesKey));
    if (page.contains(SyncRecords::kRecurringKey))
        applyRecurring(arrayAt(SyncRecords::kRecurringKey));
    else if (page.contains(SyncRecords::kRecurringFallbackKey))
        applyRecurring(arrayAt(SyncRecords::kRecurringFallbackKey));
    if (page.contains(SyncRecords::kTransactionsKey))
        applyTransactionChange(arrayAt(SyncRecords::kTransactionsKey));
    if (page.contains(SyncRecords::kReconciliationsKey))
        applyReconciliation(arrayAt(SyncRecords::kReconciliationsKey));
    clearPrefetched();
    retryDeferred();
}

void SyncApplier::applyAccount(const QJsonArray& records)
{
    applyArray(SyncRecords::kAccountsKey, records, &SyncApplier::applyAccountRecord);
}

void SyncApplier::applyCategory(const QJsonArray& records)
{
    applyArray(SyncRecords::kCategoriesKey, parentsFirst(records), &SyncApplier::applyCategoryRecord);
}

void SyncApplier::applyRecurring(const QJsonArray& records)
{
    applyArray(SyncRecords::kRecurringKey, records, &SyncApplier::applyRecurringRecord);
}

void SyncApplier::applyTransactionChange(const QJsonArray& records)
{
    applyArray(SyncRecords::kTransactionsKey, records, &SyncApplier::applyTransactionRecord);
}

void SyncApplier::applyReconciliation(const QJsonArray& records)
{
    applyArray(SyncRecords::kReconciliationsKey, records, &SyncApplier::applyReconciliationRecord);
}

void SyncApplier::applyArray(QLatin1StringView key, const QJsonArray& records, RecordApplier apply)
{
    for (const QJsonValue& value : records) {
        if (!value.isObject()) {
            qWarning().noquote() << "Sync: skipping a pulled" << key << "element that is not an object";
            continue;
        }
        if ((this->*apply)(value.toObject()) == Outcome::Failed)
            m_deferred[QString(key)].append(value);
    }
}

void SyncApplier::retryDeferred()
{
    // Only a write can make room for a kept record: without one since the
    // last try, every record would fail (and log) again.
    if (!m_retryUseful)
        return;
    // Each pass may make room for others (an account for its transactions),
    // so passes go on while any kept record got written.
    bool progress = true;
    while (progress && !m_deferred.isEmpty()) {
        const int before = deferredCount();
        const QHash<QString, QJsonArray> kept = std::exchange(m_deferred, {});
        applyAccount(kept.value(QString(SyncRecords::kAccountsKey)));
        applyCategory(kept.value(QString(SyncRecords::kCategoriesKey)));
        applyRecurring(kept.value(QString(SyncRecords::kRecurringKey)));
        applyTransactionChange(kept.value(QString(SyncRecords::kTransactionsKey)));
        applyReconciliation(kept.value(QString(SyncRecords::kReconciliationsKey)));
        progress = deferredCount() < before;
    }
    m_retryUseful = false;
}

QString SyncApplier::localIdForServerId(QLatin1StringView table, const QString& serverId)
{
    if (serverId.isEmpty())
        return QString();
    auto it = m_serverIds.find(QString(table));
    if (it == m_serverIds.end())
        it = m_serverIds.insert(QString(table), SyncTables::localIdsByServerId(table));
    return it->value(serverId);
}

void SyncApplier::remember(QLatin1StringView table, const QString& serverId, const QString& id)
{
    auto it = m_serverIds.find(QString(table));
    if (it != m_serverIds.end() && !serverId.isEmpty())
        it->insert(serverId, id);
}

template<typename Record, typename Find>
std::optional<Record> SyncApplier::findLocal(QLatin1StringView table, Record& incoming, Find find)
{
    std::optional<Record> local;
    if (!incoming.id.isEmpty())
        local = find(incoming.id);
    if (!local && !incoming.serverId.isEmpty()) {
        const QString mapped = localIdForServerId(table, incoming.serverId);
        if (!mapped.isEmpty()) {
            incoming.id = mapped;
            local = find(mapped);
        }
    }
    if (incoming.id.isEmpty())
        incoming.id = newId();
    return local;
}

template<typename Record, typename Same, typename Write, typename Lines>
SyncApplier::Outcome SyncApplier::write(QLatin1StringView table, Record& incoming, const std::optional<Record>& local,
                                        bool keepDeletedNewRows, Same same, Write writer, Lines lines)
{
    const std::optional<RowState> localState = local ? std::optional<RowState>(stateOf(*local)) : std::nullopt;
    const Plan plan = planFor(localState, stateOf(incoming), keepDeletedNewRows);
    if (plan.write == Plan::Write::Skip)
        return Outcome::Skipped;
    if (plan.repushLocalDeletion) {
        incoming.version += 1;
        incoming.syncStatus = SyncStatus::Pending;
    }

    const bool inserting = plan.write == Plan::Write::Insert;
    const bool linesChange = lines.differ(incoming, local);
    const bool columnsChange = inserting || linesChange || !same(*local, incoming);
    if (!columnsChange && plan.deletion == Plan::Deletion::Keep)
        return Outcome::Unchanged;

    QSqlDatabase db = QSqlDatabase::database();
    SqlSavepoint savepoint(db, QStringLiteral("sync_record"));
    if (!savepoint.isActive())
        return Outcome::Failed;
    bool done = true;
    if (inserting)
        done = writer.insert(incoming);
    else if (columnsChange)
        done = writer.update(incoming);
    if (done && plan.deletion != Plan::Deletion::Keep) {
        const std::optional<QDateTime> deletedAt =
            plan.deletion == Plan::Deletion::Delete ? incoming.deletedAt : std::nullopt;
        done = writer.applyDeletion(incoming, deletedAt);
    }
    if (done && (inserting || linesChange))
        done = lines.rewrite(incoming, local);
    // Without the release the savepoint rolls the record's writes back.
    if (!done || !savepoint.release())
        return Outcome::Failed;
    remember(table, incoming.serverId, incoming.id);
    ++m_written;
    m_retryUseful = true;
    return Outcome::Written;
}

SyncApplier::Outcome SyncApplier::applyAccountRecord(const QJsonObject& record)
{
    Account incoming = SyncRecords::accountFromRecord(record);
    const std::optional<Account> local =
        findLocal(SyncTables::kAccounts, incoming, [this](const QString& id) {
        return m_pageAccounts.take(id, [this](const QString& other) { return m_accounts->findById(other); });
    });
    const Writer<Account> writer{
        [this](const Account& a) { return m_accounts->insert(a); },
        [this](const Account& a) { return m_accounts->update(a); },
        [this](const Account& a, const std::optional<QDateTime>& at) { return m_accounts->applyServerDeletion(a.id, at); },
    };
    return write(SyncTables::kAccounts, incoming, local, false,
                 [](const Account& a, const Account& b) { return sameColumns(a, b); }, writer, NoLines());
}

SyncApplier::Outcome SyncApplier::applyCategoryRecord(const QJsonObject& record)
{
    Category incoming = SyncRecords::categoryFromRecord(record);
    const std::optional<Category> local =
        findLocal(SyncTables::kCategories, incoming, [this](const QString& id) {
        return m_pageCategories.take(id, [this](const QString& other) { return m_categories->findById(other); });
    });
    const Writer<Category> writer{
        [this](const Category& c) { return m_categories->insert(c); },
        [this](const Category& c) { return m_categories->update(c); },
        [this](const Category& c, const std::optional<QDateTime>& at) {
            return m_categories->applyServerDeletion(c.id, at);
        },
    };
    // A deleted category is kept as a deleted row, so that rows filed under it
    // elsewhere still find it.
    return write(SyncTables::kCategories, incoming, local, true,
                 [](const Category& a, const Category& b) { return sameColumns(a, b); }, writer, NoLines());
}

SyncApplier::Outcome SyncApplier::applyRecurringRecord(const QJsonObject& record)
{
    // The schedule numbers that a record leaves out keep the local row's
    // values, so the local row is needed before the record is read.
    RecurringTransaction probe = SyncRecords::recurringFromRecord(record, std::nullopt);
    const std::optional<RecurringTransaction> local =
        findLocal(SyncTables::kRecurring, probe, [this](const QString& id) {
        return m_pageRecurring.take(id, [this](const QString& other) { return m_recurring->findById(other); });
    });
    RecurringTransaction incoming = SyncRecords::recurringFromRecord(record, local);
    incoming.id = probe.id;
    if (isBrokenDate(incoming.nextDueDate)) {
        qWarning().noquote() << "applyRecurring: skipping server record with broken nextDueDate:" << incoming.id
                             << incoming.payee << SyncRecords::text(record, QLatin1StringView("next_due_date"));
        return Outcome::Skipped;
    }
    const Writer<RecurringTransaction> writer{
        [this](const RecurringTransaction& r) { return m_recurring->insert(r); },
        [this](const RecurringTransaction& r) { return m_recurring->update(r); },
        [this](const RecurringTransaction& r, const std::optional<QDateTime>& at) {
            return m_recurring->applyServerDeletion(r.id, at);
        },
    };
    return write(SyncTables::kRecurring, incoming, local, false,
                 [](const RecurringTransaction& a, const RecurringTransaction& b) { return sameColumns(a, b); },
                 writer, NoLines());
}

SyncApplier::Outcome SyncApplier::applyTransactionRecord(const QJsonObject& record)
{
    Transaction incoming = SyncRecords::transactionFromRecord(record);
    const std::optional<Transaction> local =
        findLocal(SyncTables::kTransactions, incoming, [this](const QString& id) {
        return m_pageTransactions.take(id, [this](const QString& other) { return m_transactions->findById(other); });
    });
    if (isBrokenDate(incoming.date)) {
        qWarning().noquote() << "applyTransactionChange: skipping server record with broken date:" << incoming.id
                             << incoming.payee << SyncRecords::text(record, QLatin1StringView("date"));
        return Outcome::Skipped;
    }
    // The account never changes through an update; the change signal names
    // the row's own account.
    const QString accountId = local ? local->accountId : incoming.accountId;
    const Writer<Transaction> writer{
        [this](const Transaction& t) { return m_transactions->insert(t); },
        [this](const Transaction& t) { return m_transactions->update(t); },
        [this, accountId](const Transaction& t, const std::optional<QDateTime>& at) {
            return m_transactions->applyServerDeletion(t.id, at, accountId);
        },
    };
    return write(SyncTables::kTransactions, incoming, local, false,
                 [](const Transaction& a, const Transaction& b) { return sameColumns(a, b); }, writer,
                 TransactionLines(m_splitLines, SyncRecords::splitLinesFromRecord(record)));
}

SyncApplier::Outcome SyncApplier::applyReconciliationRecord(const QJsonObject& record)
{
    Reconciliation incoming = SyncRecords::reconciliationFromRecord(record);
    const std::optional<Reconciliation> local = findLocal(
        SyncTables::kReconciliations, incoming, [this](const QString& id) {
        return m_pageReconciliations.take(id,
                                          [this](const QString& other) { return m_reconciliations->findById(other); });
    });
    if (isBrokenDate(incoming.statementDate)) {
        qWarning().noquote() << "applyReconciliation: skipping server record with broken statementDate:"
                             << incoming.id << SyncRecords::text(record, QLatin1StringView("statement_date"));
        return Outcome::Skipped;
    }
    const Writer<Reconciliation> writer{
        [this](const Reconciliation& r) { return m_reconciliations->insert(r); },
        [this](const Reconciliation& r) { return m_reconciliations->update(r); },
        [this](const Reconciliation& r, const std::optional<QDateTime>& at) {
            return m_reconciliations->applyServerDeletion(r.id, at);
        },
    };
    return write(SyncTables::kReconciliations, incoming, local, false,
                 [](const Reconciliation& a, const Reconciliation& b) { return sameColumns(a, b); }, writer,
                 NoLines());
}
