#include "TransactionRepository.h"

#include "Clock.h"
#include "Database.h"
#include "Identifiers.h"
#include "MultiRowInsert.h"
#include "QueryRows.h"
#include "RegisterRows.h"
#include "SqlRows.h"
#include "SqlSum.h"
#include "SqlTransaction.h"
#include "SqlValues.h"
#include "SqliteRows.h"
#include "SyncedTable.h"

#include <QSet>
#include <QSqlQuery>

#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr const char* kTable = "transactions";
constexpr const char* kRepository = "TransactionRepository";

// Every whole-record query selects these, in table order, as its first columns.
constexpr QLatin1StringView kColumns(
    "t.id, t.account_id, t.date, t.payee, t.memo, t.amount, t.category_id, t.check_number, t.cleared, "
    "t.reconciled, t.transfer_link_id, t.transfer_dest_account_id, t.is_split, t.recurring_id, t.version, "
    "t.sync_status, t.server_id, t.created_at, t.updated_at, t.deleted_at");
constexpr int kCategoryTextColumn = 20;

// "Parent > Child" for a child category (one level of parent), the name for a
// top-level one; soft-deleted categories still show their names.
constexpr QLatin1StringView kCategoryPath(
    "CASE WHEN c.parent_id IS NOT NULL THEN COALESCE((SELECT p.name FROM categories p WHERE p.id = c.parent_id), '') "
    "|| ' > ' || c.name ELSE c.name END AS category_name");

constexpr int kSearchLimit = 200;

QString withColumns(QLatin1StringView sql)
{
    return QString(sql).arg(kColumns);
}

QString withColumnsAndPath(QLatin1StringView sql)
{
    return QString(sql).arg(kColumns, kCategoryPath);
}

QString operation(const char* name)
{
    return QLatin1String(kRepository) + QLatin1String("::") + QLatin1String(name);
}

bool exec(QSqlQuery& query, const char* operationName)
{
    if (query.exec())
        return true;
    SqlValues::logFailure(operation(operationName), query);
    return false;
}

bool ran(KeptQuery::Run& run, const char* operationName)
{
    if (!run.ok())
        SqlValues::logFailure(operation(operationName), run.query());
    return run.ok();
}

// The columns an insert writes, in the order insertValues() gives their values.
constexpr QLatin1StringView kInsertColumns(
    "id, account_id, date, payee, memo, amount, category_id, check_number, cleared, reconciled, transfer_link_id, "
    "transfer_dest_account_id, is_split, recurring_id, version, sync_status, server_id, created_at, updated_at");
constexpr int kInsertColumnCount = 19;

// The fields that insert and update both write, in the order both write them.
void appendEditableFields(QVariantList& values, const Transaction& t)
{
    values.append(SqlValues::dateText(t.date));
    values.append(SqlValues::bindText(t.payee));
    values.append(SqlValues::bindText(t.memo));
    values.append(t.amount);
    values.append(SqlValues::textOrNull(t.categoryId));
    values.append(SqlValues::bindText(t.checkNumber));
    values.append(SqlValues::flag(t.cleared));
    values.append(SqlValues::flag(t.reconciled));
    values.append(SqlValues::bindText(t.transferLinkId));
    values.append(SqlValues::bindText(t.transferDestAccountId));
    values.append(SqlValues::flag(t.isSplit));
    values.append(SqlValues::bindText(t.recurringId));
    values.append(t.version);
    values.append(syncStatusToText(t.syncStatus));
    values.append(SqlValues::bindText(t.serverId));
}

void appendInsertValues(QVariantList& values, const Transaction& t)
{
    values.append(SqlValues::bindText(t.id));
    values.append(SqlValues::bindText(t.accountId));
    appendEditableFields(values, t);
    values.append(SqlValues::bindTimestamp(t.createdAt));
    values.append(SqlValues::bindTimestamp(t.updatedAt));
}

void bindAll(QSqlQuery& query, const QVariantList& values)
{
    for (const QVariant& value : values)
        query.addBindValue(value);
}

// "?, ?, ?" for a list of `count` bound values.
QString bindMarks(qsizetype count)
{
    return QStringList(count, QStringLiteral("?")).join(QLatin1String(", "));
}

// "LOWER(TRIM(<column>)) IN (?, ...)" with one mark per opening-balance word.
QString openingBalancePayeeTest(QLatin1String column = QLatin1String("payee"))
{
    return QStringLiteral("LOWER(TRIM(%1)) IN (%2)").arg(column, bindMarks(openingBalanceWords().size()));
}

void bindOpeningBalanceWords(QSqlQuery& query)
{
    for (const QString& word : openingBalanceWords())
        query.addBindValue(word);
}

// Runs a forward-only SELECT with the values bound in order and maps every row;
// a failed statement gives an empty list.
template <typename Row>
QList<Row> selectRows(QSqlDatabase& db, const QString& sql, const QVariantList& values, Row (*map)(const QSqlQuery&))
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(sql);
    for (const QVariant& value : values)
        query.addBindValue(value);
    QList<Row> rows;
    if (!query.exec())
        return rows;
    while (query.next())
        rows.append(map(query));
    return rows;
}

// Fills register rows from either reader, SqliteRows or QueryRows, reading only
// the columns a register shows; without a starting balance, every running
// balance is 0 (search results). Whether every running balance fits in a qint64.
template <typename Rows>
bool fillRegisterRows(Rows& read, std::optional<MoneySum> balance, RegisterRows& rows)
{
    bool fits = true;
    RegisterRows::Filler fill(rows);
    while (read.next()) {
        const auto id = read.utf8(0);
        const auto accountId = read.utf8(1);
        const auto payee = read.utf8(3);
        const auto memo = read.utf8(4);
        const auto categoryId = read.utf8(6);
        const auto checkNumber = read.utf8(7);
        const auto categoryText = read.utf8(kCategoryTextColumn);
        RegisterRows::Filler::Utf8Row row;
        row.id = id;
        row.accountId = accountId;
        row.payee = payee;
        row.memo = memo;
        row.categoryId = categoryId;
        row.checkNumber = checkNumber;
        row.createdOrder = RegisterRows::createdOrderOf(read.utf8(17));
        row.categoryText = categoryText;
        row.date = read.date(2);
        row.amount = read.int64(5);
        row.cleared = read.int64(8) != 0;
        row.reconciled = read.int64(9) != 0;
        row.isSplit = read.int64(12) != 0;
        if (balance) {
            *balance += row.amount;
            row.runningBalance = *balance;
            fits = fits && balance->fits();
        }
        fill.append(row);
    }
    return fits;
}

bool readRegisterRows(QSqlDatabase& db, const QString& sql, const QVariantList& values,
                      std::optional<MoneySum> balance, RegisterRows& rows)
{
    if (SqliteRows::available(db)) {
        SqliteRows read(db, sql, values);
        return fillRegisterRows(read, balance, rows);
    }
    QueryRows read(db, sql, values);
    return fillRegisterRows(read, balance, rows);
}

template <typename Rows>
void visitKeys(Rows& read, const std::function<void(const TransactionKey&)>& visit)
{
    TransactionKey key;
    while (read.next()) {
        key.date = read.date(0);
        key.amount = read.int64(1);
        key.payee = read.text(2);
        key.checkNumber = read.text(3);
        visit(key);
    }
}

} // namespace

QString buildFtsMatchQuery(const QString& text)
{
    QStringList terms;
    QString run;
    const auto finishRun = [&terms, &run] {
        // A run holds letters and digits only, so it never contains a quote; the
        // quotes make FTS5 read OR, AND, NOT and NEAR as words, not operators.
        if (!run.isEmpty())
            terms.append(QLatin1Char('"') + run + QLatin1String("\"*"));
        run.clear();
    };
    for (const QChar ch : text) {
        if (ch.isLetter() || ch.isDigit())
            run.append(ch);
        else
            finishRun();
    }
    finishRun();
    return terms.join(QLatin1Char(' '));
}

const QStringList& openingBalanceWords()
{
    static const QStringList words{QStringLiteral("opening balance"), QStringLiteral("saldo inicial"),
                                   QStringLiteral("solde d'ouverture"), QStringLiteral("期首残高"),
                                   QStringLiteral("anfangssaldo"),
                                   // Former French and Japanese words of the sample data.
                                   QStringLiteral("solde initial"), QStringLiteral("開始残高")};
    return words;
}

bool isOpeningBalancePayee(const QString& payee)
{
    static const QSet<QString> words(openingBalanceWords().cbegin(), openingBalanceWords().cend());
    return words.contains(payee.trimmed().toLower());
}

QString openingBalanceTransactionId(const QString& accountId)
{
    return nameBasedId(dnsNamespace(), QStringLiteral("opening-balance:%1").arg(accountId));
}

TransactionRepository::TransactionRepository(Database* database, QObject* parent)
    : QObject(parent)
    , m_database(database)
    , m_findById(withColumns("SELECT %1 FROM transactions t WHERE t.id = ?"_L1))
    , m_registerRow(withColumnsAndPath("SELECT %1, %2 FROM transactions t LEFT JOIN categories c "
                                       "ON t.category_id = c.id WHERE t.id = ? AND t.deleted_at IS NULL"_L1))
    , m_insert(QStringLiteral("INSERT INTO transactions (%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                   .arg(kInsertColumns))
    , m_update(QStringLiteral(
          "UPDATE transactions SET date=?, payee=?, memo=?, amount=?, category_id=?, check_number=?, cleared=?, "
          "reconciled=?, transfer_link_id=?, transfer_dest_account_id=?, is_split=?, recurring_id=?, version=?, "
          "sync_status=?, server_id=?, updated_at=? WHERE id=?"))
    // The row's account comes back from the write, which tells the register
    // whose rows changed without reading the row first.
    , m_softDelete(SyncedTable::softDeleteStatement(QLatin1String(kTable)) + " RETURNING account_id"_L1)
{
}

TransactionRepository::~TransactionRepository() = default;

SyncedTable TransactionRepository::synced() const
{
    return SyncedTable(m_database->database(), kTable, kRepository);
}

QString TransactionRepository::openingBalancePayee()
{
    return tr("Opening Balance");
}

Transaction TransactionRepository::transactionFromQuery(const QSqlQuery& query)
{
    Transaction t;
    t.id = SqlValues::text(query, 0);
    t.accountId = SqlValues::text(query, 1);
    t.date = SqlValues::parseDate(SqlValues::text(query, 2));
    t.payee = SqlValues::text(query, 3);
    t.memo = SqlValues::text(query, 4);
    t.amount = query.value(5).toLongLong();
    t.categoryId = SqlValues::text(query, 6);
    t.checkNumber = SqlValues::text(query, 7);
    t.cleared = query.value(8).toLongLong() != 0;
    t.reconciled = query.value(9).toLongLong() != 0;
    t.transferLinkId = SqlValues::text(query, 10);
    t.transferDestAccountId = SqlValues::text(query, 11);
    t.isSplit = query.value(12).toLongLong() != 0;
    t.recurringId = SqlValues::text(query, 13);
    t.version = query.value(14).toInt();
    t.syncStatus = syncStatusFromText(SqlValues::text(query, 15));
    t.serverId = SqlValues::text(query, 16);
    t.createdAt = SqlValues::parseTimestamp(SqlValues::text(query, 17));
    t.updatedAt = SqlValues::parseTimestamp(SqlValues::text(query, 18));
    const QString deletedAt = SqlValues::text(query, 19);
    if (!deletedAt.isEmpty())
        t.deletedAt = SqlValues::parseTimestamp(deletedAt);
    return t;
}

QList<Transaction> TransactionRepository::listWhere(const QString& sql, const QVariantList& values) const
{
    return selectRows(m_database->database(), sql, values, &TransactionRepository::transactionFromQuery);
}

QList<Transaction> TransactionRepository::listByAccount(const QString& accountId) const
{
    return listWhere(withColumns("SELECT %1 FROM transactions t WHERE t.account_id = ? AND t.deleted_at IS NULL "
                                 "ORDER BY t.date DESC, t.created_at DESC"_L1),
                     {accountId});
}

void TransactionRepository::forEachKey(const QString& accountId,
                                       const std::function<void(const TransactionKey&)>& visit) const
{
    QSqlDatabase& db = m_database->database();
    const QString sql = QStringLiteral("SELECT date, amount, payee, check_number FROM transactions "
                                       "WHERE account_id = ? AND deleted_at IS NULL");
    if (SqliteRows::available(db)) {
        SqliteRows read(db, sql, {accountId});
        visitKeys(read, visit);
    } else {
        QueryRows read(db, sql, {accountId});
        visitKeys(read, visit);
    }
}

void TransactionRepository::forEachUnlinkedWithMemo(const QString& accountId, const QString& memoPrefix,
                                                    const std::function<void(const Transaction&)>& visit) const
{
    QSqlQuery query(m_database->database());
    query.setForwardOnly(true);
    query.prepare(withColumns("SELECT %1 FROM transactions t WHERE t.account_id = ? AND t.deleted_at IS NULL "
                              "AND COALESCE(t.transfer_link_id, '') = '' AND instr(t.memo, ?) = 1 "
                              "ORDER BY t.date DESC, t.created_at DESC"_L1));
    query.addBindValue(accountId);
    query.addBindValue(memoPrefix);
    if (!exec(query, "forEachUnlinkedWithMemo"))
        return;
    while (query.next())
        visit(transactionFromQuery(query));
}

std::optional<Transaction> TransactionRepository::findById(const QString& id) const
{
    KeptQuery::Run run(m_findById, m_database->database(), {id});
    if (!run.ok() || !run.query().next())
        return std::nullopt;
    return transactionFromQuery(run.query());
}

QList<Transaction> TransactionRepository::listPending() const
{
    return listWhere(withColumns("SELECT %1 FROM transactions t WHERE t.sync_status = 'pending'"_L1), {});
}

QList<Transaction> TransactionRepository::listUnreconciled(const QString& accountId) const
{
    return listWhere(withColumns("SELECT %1 FROM transactions t WHERE t.account_id = ? AND t.deleted_at IS NULL "
                                 "AND t.reconciled = 0 ORDER BY t.date ASC, t.created_at ASC"_L1),
                     {accountId});
}

std::optional<Transaction> TransactionRepository::lastByPayee(const QString& payee, const QString& accountId) const
{
    const QList<Transaction> found =
        listWhere(withColumns("SELECT %1 FROM transactions t WHERE t.payee = ? AND t.account_id = ? "
                              "AND t.deleted_at IS NULL ORDER BY t.date DESC, t.created_at DESC LIMIT 1"_L1),
                  {payee, accountId});
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

bool TransactionRepository::insert(const Transaction& transaction)
{
    QVariantList values;
    values.reserve(kInsertColumnCount);
    appendInsertValues(values, transaction);
    KeptQuery::Run run(m_insert, m_database->database(), values);
    if (!ran(run, "insert"))
        return false;
    announceChange(transaction.accountId);
    return true;
}

bool TransactionRepository::insertAll(const QList<Transaction>& transactions)
{
    QVariantList values;
    values.reserve(transactions.size() * kInsertColumnCount);
    for (const Transaction& transaction : transactions)
        appendInsertValues(values, transaction);
    std::unique_ptr<MultiRowInsert> single;
    MultiRowInsert* insert = m_bulkInsertMany.get();
    if (!insert) {
        single = std::make_unique<MultiRowInsert>(m_database->database(), QLatin1String(kTable),
                                                  QString(kInsertColumns).split(QLatin1String(", ")));
        insert = single.get();
        if (m_bulkWrites > 0)
            m_bulkInsertMany = std::move(single);
    }
    if (!insert->insert(values))
        return false;
    QStringList accounts;
    for (const Transaction& transaction : transactions) {
        if (!accounts.contains(transaction.accountId))
            accounts.append(transaction.accountId);
    }
    for (const QString& accountId : std::as_const(accounts))
        announceChange(accountId);
    return true;
}

bool TransactionRepository::update(const Transaction& transaction)
{
    QVariantList values;
    appendEditableFields(values, transaction);
    values.append(SqlValues::bindTimestamp(transaction.updatedAt));
    values.append(transaction.id);
    KeptQuery::Run run(m_update, m_database->database(), values);
    if (!ran(run, "update"))
        return false;
    announceChange(transaction.accountId);
    return true;
}

bool TransactionRepository::softDelete(const QString& id)
{
    const QString now = SqlValues::nowText();
    QString accountId;
    {
        // No row came back: there was none of that id, and nothing changed.
        KeptQuery::Run run(m_softDelete, m_database->database(), {now, now, id});
        if (!ran(run, "softDelete") || !run.query().next())
            return false;
        accountId = run.query().value(0).toString();
    }
    announceChange(accountId);
    return true;
}

int TransactionRepository::softDeleteByAccount(const QString& accountId, bool* ok)
{
    const int changed = synced().softDeleteByAccount(accountId, ok);
    if (changed > 0)
        announceChange(accountId);
    return changed;
}

int TransactionRepository::restoreByAccount(const QString& accountId, const QString& deletedSince, bool* ok)
{
    const int changed = synced().restoreByAccount(accountId, deletedSince, ok);
    if (changed > 0)
        announceChange(accountId);
    return changed;
}

int TransactionRepository::markAllPendingForResync(bool* ok)
{
    const int changed = synced().markAllPendingForResync(ok);
    if (changed > 0)
        announceChange(QString());
    return changed;
}

bool TransactionRepository::markSynced(const QString& id, const QString& serverId)
{
    return synced().markSynced(id, serverId);
}

bool TransactionRepository::applyServerDeletion(const QString& id, const std::optional<QDateTime>& deletedAt,
                                                const QString& accountId)
{
    if (!synced().applyServerDeletion(id, deletedAt))
        return false;
    announceChange(accountId);
    return true;
}

int TransactionRepository::renamePayees(const QStringList& payees, const QString& to)
{
    if (to.isEmpty() || isOpeningBalancePayee(to))
        return 0;
    QSqlDatabase& db = m_database->database();
    SqlTransaction transaction(db);
    if (!transaction.isActive())
        return 0;
    QSqlQuery query(db);
    query.prepare(QStringLiteral("UPDATE transactions SET payee = ?, version = version + 1, sync_status = 'pending', "
                                 "updated_at = ? WHERE payee = ? AND deleted_at IS NULL"));
    const QString now = SqlValues::nowText();
    int changed = 0;
    for (const QString& payee : payees) {
        if (payee == to || isOpeningBalancePayee(payee))
            continue;
        query.addBindValue(to);
        query.addBindValue(now);
        query.addBindValue(payee);
        if (!exec(query, "renamePayees"))
            return 0;
        changed += query.numRowsAffected();
    }
    if (!transaction.commit())
        return 0;
    if (changed > 0)
        announceChange(QString());
    return changed;
}

void TransactionRepository::beginBulkWrite()
{
    ++m_bulkWrites;
}

void TransactionRepository::endBulkWrite()
{
    if (m_bulkWrites == 0 || --m_bulkWrites > 0)
        return;
    m_bulkInsertMany.reset();
    const QStringList changed = std::exchange(m_heldChanges, {});
    for (const QString& accountId : changed)
        emit transactionsChanged(accountId);
}

void TransactionRepository::announceChange(const QString& accountId)
{
    if (m_bulkWrites == 0)
        emit transactionsChanged(accountId);
    else if (!m_heldChanges.contains(accountId))
        m_heldChanges.append(accountId);
}

qint64 TransactionRepository::startingBalance(const QString& accountId) const
{
    QSqlQuery query(m_database->database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT starting_balance FROM accounts WHERE id = ?"));
    query.addBindValue(accountId);
    if (query.exec() && query.next())
        return query.value(0).toLongLong();
    return 0;
}

RegisterRows TransactionRepository::registerRows(const QString& accountId) const
{
    RegisterRows rows;
    qint64 balance = startingBalance(accountId);
    if (balance != 0) {
        QSqlQuery earliest(m_database->database());
        earliest.setForwardOnly(true);
        earliest.prepare(QStringLiteral("SELECT date FROM transactions WHERE account_id = ? AND deleted_at IS NULL "
                                        "ORDER BY date ASC LIMIT 1"));
        earliest.addBindValue(accountId);
        QDate date;
        if (earliest.exec() && earliest.next())
            date = SqlValues::parseDate(SqlValues::text(earliest, 0));
        RegisterRow opening;
        opening.date = date.isValid() ? date : Clock::today();
        opening.payee = openingBalancePayee();
        opening.amount = balance;
        opening.cleared = true;
        opening.reconciled = true;
        opening.runningBalance = balance;
        rows.append(opening);
    }

    // The register of a big account is tens of thousands of rows: read straight
    // from SQLite where the connection allows it, into a list made big enough at
    // once. Growing it would copy every row and hold both copies; the account's
    // index counts its rows (deleted ones too) unread.
    QSqlDatabase& db = m_database->database();
    const std::optional<qint64> stored =
        SqlRows::first<qint64>(db, QStringLiteral("SELECT COUNT(*) FROM transactions WHERE account_id = ?"), {accountId},
                               [](const QSqlQuery& query) { return query.value(0).toLongLong(); });
    rows.reserve(rows.size() + stored.value_or(0));
    const QString sql = withColumnsAndPath("SELECT %1, %2 FROM transactions t LEFT JOIN categories c ON t.category_id = c.id "
                                           "WHERE t.account_id = ? AND t.deleted_at IS NULL "
                                           "ORDER BY t.date ASC, t.created_at ASC"_L1);
    if (!readRegisterRows(db, sql, {accountId}, MoneySum(balance), rows))
        MoneySum::logOutOfRange(QStringLiteral("A running balance of account %1").arg(accountId));
    return rows;
}

std::optional<RegisterRow> TransactionRepository::registerRow(const QString& id) const
{
    RegisterRows found;
    KeptQuery::Run run(m_registerRow, m_database->database(), {id});
    QueryRows read(run.query(), run.ok());
    fillRegisterRows(read, std::nullopt, found);
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

namespace {

// The extra condition of a balance mode on the transactions table, and its value.
QString balanceCondition(BalanceMode mode)
{
    switch (mode) {
    case BalanceMode::Cleared:
        return QStringLiteral(" AND (cleared = 1 OR reconciled = 1)");
    case BalanceMode::AsOfToday:
        // Dates are "yyyy-MM-dd" text, so "before tomorrow" includes all of today.
        return QStringLiteral(" AND date < ?");
    case BalanceMode::Current:
        break;
    }
    return QString();
}

// The value of the balance mode's condition, if it has one.
QVariantList balanceConditionValues(BalanceMode mode)
{
    if (mode == BalanceMode::AsOfToday)
        return {SqlValues::dateText(Clock::today().addDays(1))};
    return {};
}

} // namespace

MoneySum TransactionRepository::balance(const QString& accountId, BalanceMode mode) const
{
    const auto sql = [&](SqlSum::Form form) {
        return QStringLiteral("SELECT %1 FROM transactions WHERE account_id = ? AND deleted_at IS NULL%2")
            .arg(SqlSum::columns(QStringLiteral("amount"), QStringLiteral("total"), form), balanceCondition(mode));
    };
    const QList<MoneySum> sums = SqlSum::list<MoneySum>(m_database->database(), sql,
                                                        QVariantList{accountId} + balanceConditionValues(mode),
                                                        [](const QSqlQuery& query) { return SqlSum::read(query, 0); });
    MoneySum balance = startingBalance(accountId);
    if (!sums.isEmpty())
        balance += sums.constFirst();
    if (!balance.fits())
        MoneySum::logOutOfRange(QStringLiteral("The balance of account %1").arg(accountId));
    return balance;
}

QHash<QString, MoneySum> TransactionRepository::balances(BalanceMode mode) const
{
    return readBalances(mode, nullptr);
}

QHash<QString, MoneySum> TransactionRepository::balances(const QStringList& accountIds, BalanceMode mode) const
{
    if (accountIds.isEmpty())
        return {};
    return readBalances(mode, &accountIds);
}

QHash<QString, MoneySum> TransactionRepository::readBalances(BalanceMode mode, const QStringList* accountIds) const
{
    QString onlyRows;
    QString onlyAccounts;
    QVariantList ids;
    if (accountIds) {
        const QString marks = QStringList(accountIds->size(), QStringLiteral("?")).join(QStringLiteral(", "));
        onlyRows = QStringLiteral(" AND account_id IN (%1)").arg(marks);
        onlyAccounts = QStringLiteral(" AND a.id IN (%1)").arg(marks);
        for (const QString& id : *accountIds)
            ids.append(id);
    }
    const auto sql = [&](SqlSum::Form form) {
        return QStringLiteral("SELECT a.id, a.starting_balance, s.total_high, s.total_low FROM accounts a "
                              "LEFT JOIN (SELECT account_id, %1 FROM transactions "
                              "WHERE deleted_at IS NULL%2%3 GROUP BY account_id) s ON s.account_id = a.id "
                              "WHERE a.deleted_at IS NULL%4")
            .arg(SqlSum::columns(QStringLiteral("amount"), QStringLiteral("total"), form), onlyRows,
                 balanceCondition(mode), onlyAccounts);
    };
    using Balance = std::pair<QString, MoneySum>;
    const QList<Balance> read = SqlSum::list<Balance>(
        m_database->database(), sql, ids + balanceConditionValues(mode) + ids, [](const QSqlQuery& query) {
            return Balance(SqlValues::text(query, 0), MoneySum(query.value(1).toLongLong()) + SqlSum::read(query, 2));
        });
    QHash<QString, MoneySum> result;
    result.reserve(read.size());
    for (const auto& [id, balance] : read) {
        if (!balance.fits())
            MoneySum::logOutOfRange(QStringLiteral("The balance of account %1").arg(id));
        result.insert(id, balance);
    }
    return result;
}

QStringList TransactionRepository::distinctPayees() const
{
    QSqlQuery query(m_database->database());
    query.setForwardOnly(true);
    QStringList payees;
    if (!query.exec(QStringLiteral("SELECT DISTINCT payee FROM transactions WHERE deleted_at IS NULL AND payee != '' "
                                   "ORDER BY payee")))
        return payees;
    while (query.next())
        payees.append(query.value(0).toString());
    return payees;
}

QStringList TransactionRepository::payeesForAccount(const QString& accountId) const
{
    Q_UNUSED(accountId)
    return distinctPayees();
}

int TransactionRepository::countForeignCurrencyTransfers(const QString& accountId, Currency currency) const
{
    QSqlQuery query(m_database->database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral(
        "SELECT COUNT(*) FROM transactions t JOIN accounts a ON a.id = t.transfer_dest_account_id "
        "WHERE t.account_id = ? AND t.transfer_dest_account_id IS NOT NULL AND t.transfer_dest_account_id <> '' "
        "AND t.deleted_at IS NULL AND a.deleted_at IS NULL AND UPPER(COALESCE(a.currency, 'USD')) <> ?"));
    query.addBindValue(accountId);
    query.addBindValue(currencyCode(currency));
    if (query.exec() && query.next())
        return query.value(0).toInt();
    return 0;
}

QList<RegisterRow> TransactionRepository::search(const QString& text, const SearchFilter& filter) const
{
    const QString match = text.isEmpty() ? QString() : buildFtsMatchQuery(text);
    // The newest matching rows are chosen on their dates alone, and only those get
    // their full columns and category path: sorting every match with all of its
    // columns cost as much again on a common word.
    QString chosen = QStringLiteral("SELECT t.rowid FROM transactions t");
    QVariantList values;
    if (match.isEmpty()) {
        chosen += QLatin1String(" WHERE t.deleted_at IS NULL");
    } else {
        chosen += QLatin1String(" JOIN transactions_fts fts ON fts.rowid = t.rowid "
                                "WHERE t.deleted_at IS NULL AND transactions_fts MATCH ?");
        values.append(match);
    }
    if (!filter.accountId.isEmpty()) {
        chosen += QLatin1String(" AND t.account_id = ?");
        values.append(filter.accountId);
    }
    if (!filter.categoryId.isEmpty()) {
        chosen += QLatin1String(" AND t.category_id = ?");
        values.append(filter.categoryId);
    }
    if (filter.dateFrom.isValid()) {
        chosen += QLatin1String(" AND t.date >= ?");
        values.append(SqlValues::dateText(filter.dateFrom));
    }
    if (filter.dateTo.isValid()) {
        chosen += QLatin1String(" AND t.date <= ?");
        values.append(SqlValues::dateText(filter.dateTo));
    }
    if (filter.cleared) {
        chosen += QLatin1String(" AND t.cleared = ?");
        values.append(SqlValues::flag(*filter.cleared));
    }
    chosen += QStringLiteral(" ORDER BY t.date DESC, t.created_at DESC LIMIT %1").arg(kSearchLimit);

    const QString sql = withColumnsAndPath("SELECT %1, %2 FROM transactions t LEFT JOIN categories c ON t.category_id = c.id "
                                           "WHERE t.rowid IN (%3) ORDER BY t.date DESC, t.created_at DESC"_L1)
                            .arg(chosen);
    RegisterRows found;
    readRegisterRows(m_database->database(), sql, values, std::nullopt, found);
    return found.toList();
}

bool TransactionRepository::isOpeningBalanceTransaction(const Transaction& transaction) const
{
    if (!isOpeningBalancePayee(transaction.payee))
        return false;
    QSqlQuery query(m_database->database());
    query.setForwardOnly(true);
    // The account's earliest live opening-balance row is "the" opening balance.
    // Among rows of that date the latest created wins, as in openingBalanceTransaction().
    query.prepare(QStringLiteral("SELECT id FROM transactions WHERE account_id = ? AND deleted_at IS NULL "
                                 "AND %1 ORDER BY date ASC, created_at DESC LIMIT 1")
                      .arg(openingBalancePayeeTest()));
    query.addBindValue(transaction.accountId);
    bindOpeningBalanceWords(query);
    if (!query.exec() || !query.next())
        return false;
    return query.value(0).toString() == transaction.id;
}

std::optional<Transaction> TransactionRepository::openingBalanceTransaction(const QString& accountId) const
{
    std::optional<Transaction> found;
    // Newest first: the first row of a date is that date's latest created one.
    for (const Transaction& t : listByAccount(accountId)) {
        if (!isOpeningBalancePayee(t.payee))
            continue;
        if (!found || t.date < found->date)
            found = t;
    }
    return found;
}

OpeningBalanceProbe TransactionRepository::openingBalanceProbe(const QString& accountId) const
{
    QSqlQuery query(m_database->database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT MIN(date), SUM(CASE WHEN %1 THEN 1 ELSE 0 END) "
                                 "FROM transactions WHERE account_id = ? AND deleted_at IS NULL")
                      .arg(openingBalancePayeeTest()));
    bindOpeningBalanceWords(query);
    query.addBindValue(accountId);
    OpeningBalanceProbe probe;
    if (!query.exec() || !query.next()) {
        SqlValues::logFailure(operation("openingBalanceProbe"), query);
        return probe;
    }
    probe.earliestDate = SqlValues::parseDate(SqlValues::text(query, 0));
    probe.hasOpeningBalance = query.value(1).toLongLong() > 0;
    return probe;
}

QStringList TransactionRepository::accountsWithoutOpeningBalance() const
{
    QSqlDatabase& db = m_database->database();
    const auto firstText = [](const QSqlQuery& query) { return SqlValues::text(query, 0); };
    const QStringList live = SqlRows::list<QString>(
        db, QStringLiteral("SELECT id FROM accounts WHERE deleted_at IS NULL ORDER BY sort_order, name"), {}, firstText);
    if (live.isEmpty())
        return {};

    // An account's opening row nearly always has the id every device derives
    // for it, and the primary key finds that at once. Looking for the payee
    // instead walks the account's rows up to it: all of them, tens of
    // thousands, when the row was added after them (a backfilled ledger), and
    // this runs after every sync run.
    QHash<QString, QString> accountOfOpeningId;
    QVariantList values;
    for (const QString& accountId : live) {
        const QString openingId = openingBalanceTransactionId(accountId);
        accountOfOpeningId.insert(openingId, accountId);
        values.append(openingId);
    }
    for (const QString& word : openingBalanceWords())
        values.append(word);
    QSet<QString> found;
    QSqlQuery byId(db);
    if (SqlRows::select(byId,
                        QStringLiteral("SELECT id, account_id FROM transactions WHERE id IN (%1) AND deleted_at IS NULL "
                                       "AND %2")
                            .arg(bindMarks(live.size()), openingBalancePayeeTest()),
                        values)) {
        while (byId.next()) {
            const QString accountId = SqlValues::text(byId, 1);
            if (accountOfOpeningId.value(SqlValues::text(byId, 0)) == accountId)
                found.insert(accountId);
        }
    }
    QVariantList unsure;
    for (const QString& accountId : live) {
        if (!found.contains(accountId))
            unsure.append(accountId);
    }
    if (unsure.isEmpty())
        return {};

    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT a.id FROM accounts a WHERE a.id IN (%1) AND NOT EXISTS "
                                 "(SELECT 1 FROM transactions t WHERE t.account_id = a.id AND t.deleted_at IS NULL "
                                 "AND %2) ORDER BY a.sort_order, a.name")
                      .arg(bindMarks(unsure.size()), openingBalancePayeeTest(QLatin1String("t.payee"))));
    bindAll(query, unsure);
    bindOpeningBalanceWords(query);
    QStringList ids;
    if (!query.exec()) {
        SqlValues::logFailure(operation("accountsWithoutOpeningBalance"), query);
        return ids;
    }
    while (query.next())
        ids.append(SqlValues::text(query, 0));
    return ids;
}
