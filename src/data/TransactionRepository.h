#pragma once

#include "BalanceMode.h"
#include "KeptQuery.h"
#include "Money.h"
#include "OpeningBalanceProbe.h"
#include "RegisterRow.h"
#include "RegisterRows.h"
#include "SearchFilter.h"
#include "Transaction.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class Database;
class MultiRowInsert;
class QSqlQuery;
class SyncedTable;

// FTS5 match text for a search text: every run of letters and digits becomes a
// quoted prefix term, all terms required ("Joe's Diner" gives "Joe"* "s"* "Diner"*).
// Quoting keeps words such as OR, AND, NOT and NEAR plain words. Empty when the
// text holds no letter or digit.
QString buildFtsMatchQuery(const QString& text);

// True when the payee, trimmed and lower-cased, is "Opening Balance" in one of the
// interface languages, whichever language wrote it.
bool isOpeningBalancePayee(const QString& payee);

// The lower-case forms of "Opening Balance" in every interface language, in the
// order English, Spanish, French, Japanese, German; they must change together
// with the catalogues' translations of that text. After them come the words an
// earlier catalogue gave the sample data's opening rows, which stored ledgers
// still hold: a word leaves this list only when no stored row can carry it.
const QStringList& openingBalanceWords();

// The name-based id of an account's opening-balance transaction, the same on
// every device, so that two devices creating it make one row after sync.
QString openingBalanceTransactionId(const QString& accountId);

// A live row as an import compares it with the rows of a file.
struct TransactionKey
{
    QDate date;
    qint64 amount = 0;
    QString payee;
    QString checkNumber;
};

// The only code that reads and writes the transactions table.
class TransactionRepository : public QObject
{
    Q_OBJECT

public:
    explicit TransactionRepository(Database* database, QObject* parent = nullptr);
    ~TransactionRepository() override;

    // Maps the current row of a query whose first twenty columns are the
    // transaction columns in table order.
    static Transaction transactionFromQuery(const QSqlQuery& query);

    // The payee of the opening-balance line, in the interface language.
    static QString openingBalancePayee();

    QList<Transaction> listByAccount(const QString& accountId) const;
    // Every live row of the account, one at a time and in no set order, read only
    // as far as an import compares it: a reader that keeps a little of each row
    // never holds a big account whole.
    void forEachKey(const QString& accountId, const std::function<void(const TransactionKey&)>& visit) const;
    // The account's live rows that are no linked transfer leg and whose memo
    // begins with `memoPrefix`, one at a time, in listByAccount's order.
    void forEachUnlinkedWithMemo(const QString& accountId, const QString& memoPrefix,
                                 const std::function<void(const Transaction&)>& visit) const;
    std::optional<Transaction> findById(const QString& id) const;
    QList<Transaction> listPending() const;
    QList<Transaction> listUnreconciled(const QString& accountId) const;
    std::optional<Transaction> lastByPayee(const QString& payee, const QString& accountId) const;

    bool insert(const Transaction& transaction);
    // Inserts the rows many to a statement: all of them, or none when one is
    // refused. Nothing is logged: a caller that must know which row was refused
    // inserts them one by one. Each changed account is announced once.
    bool insertAll(const QList<Transaction>& transactions);
    // Writes the record as given: the caller raises the version, marks it pending
    // and stamps updatedAt for a local edit. Never moves a row to another account.
    bool update(const Transaction& transaction);
    bool softDelete(const QString& id);
    int softDeleteByAccount(const QString& accountId, bool* ok = nullptr);
    // Brings back only rows deleted at or after `deletedSince` (ISO time text).
    int restoreByAccount(const QString& accountId, const QString& deletedSince, bool* ok = nullptr);
    int markAllPendingForResync(bool* ok = nullptr);
    bool markSynced(const QString& id, const QString& serverId);
    bool applyServerDeletion(const QString& id, const std::optional<QDateTime>& deletedAt,
                             const QString& accountId);
    // Gives every live row whose payee is exactly one of `payees` the payee `to`,
    // all or nothing; each changed row is raised a version, marked pending and
    // stamped now, so that sync and backups see it as newer. Opening-balance
    // payees take no part, as a source or as `to`: the opening-balance backfill
    // finds those rows by their payee. Returns how many rows changed.
    int renamePayees(const QStringList& payees, const QString& to);

    // The account's live rows, oldest first, with running balances; an account
    // with a starting balance gets a synthetic opening line first.
    RegisterRows registerRows(const QString& accountId) const;
    // The register row of one live transaction, read by id as registerRows reads
    // it, running balance 0: the register that shows it works out its place.
    std::optional<RegisterRow> registerRow(const QString& id) const;
    // A balance is a sum, which need not fit in a qint64 (MoneySum says).
    MoneySum balance(const QString& accountId, BalanceMode mode) const;
    // The balance of every live account in one grouped query, by account id.
    QHash<QString, MoneySum> balances(BalanceMode mode) const;
    // The same for the live accounts among `accountIds` only: their rows alone
    // are read, through the account index.
    QHash<QString, MoneySum> balances(const QStringList& accountIds, BalanceMode mode) const;
    QStringList distinctPayees() const;
    // The same list as distinctPayees(): completion offers every payee.
    QStringList payeesForAccount(const QString& accountId) const;
    // Transfers of the account whose other (live) account does not use `currency`.
    int countForeignCurrencyTransfers(const QString& accountId, Currency currency) const;
    // At most 200 live rows, newest first, with running balance 0.
    QList<RegisterRow> search(const QString& text, const SearchFilter& filter) const;

    bool isOpeningBalanceTransaction(const Transaction& transaction) const;
    std::optional<Transaction> openingBalanceTransaction(const QString& accountId) const;
    OpeningBalanceProbe openingBalanceProbe(const QString& accountId) const;
    // The live accounts without a live opening-balance row, in the accounts'
    // order. After every sync run it is all the backfill costs: when each
    // account's row has its name-based id, two look-ups by key.
    QStringList accountsWithoutOpeningBalance() const;

    // A bulk write: many writes in a row inside one SQL transaction (an import
    // inserts thousands). While one is open, transactionsChanged is held back, so
    // that listeners reload once after it, not once per row nor while the SQL
    // transaction is still open, and inserts reuse their prepared statements. Bulk
    // writes nest; ending the last one announces each account whose rows changed
    // meanwhile once, in the order of its first change. Outside a bulk write every
    // write emits at once, as always.
    void beginBulkWrite();
    void endBulkWrite();

signals:
    // The account whose rows changed, or empty when rows of any account may have.
    void transactionsChanged(const QString& accountId);

private:
    QList<Transaction> listWhere(const QString& sql, const QVariantList& values) const;
    qint64 startingBalance(const QString& accountId) const;
    QHash<QString, MoneySum> readBalances(BalanceMode mode, const QStringList* accountIds) const;
    SyncedTable synced() const;
    void announceChange(const QString& accountId);

    Database* m_database;
    int m_bulkWrites = 0;
    QStringList m_heldChanges;
    std::unique_ptr<MultiRowInsert> m_bulkInsertMany;
    // What a register's every write runs, compiled once.
    mutable KeptQuery m_findById;
    mutable KeptQuery m_registerRow;
    KeptQuery m_insert;
    KeptQuery m_update;
    KeptQuery m_softDelete;
};

// Holds a bulk write of the repository open for the lifetime of the scope.
class TransactionBulkWrite
{
public:
    explicit TransactionBulkWrite(TransactionRepository* repository)
        : m_repository(repository)
    {
        m_repository->beginBulkWrite();
    }
    ~TransactionBulkWrite() { m_repository->endBulkWrite(); }
    TransactionBulkWrite(const TransactionBulkWrite&) = delete;
    TransactionBulkWrite& operator=(const TransactionBulkWrite&) = delete;

private:
    TransactionRepository* m_repository;
};
