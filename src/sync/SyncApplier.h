#pragma once

#include "data/Account.h"
#include "data/Category.h"
#include "data/Reconciliation.h"
#include "data/RecurringTransaction.h"
#include "data/Transaction.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QLatin1StringView>
#include <QSet>
#include <QString>

#include <optional>

class QSqlQuery;
class AccountRepository;
class CategoryRepository;
class RecurringRepository;
class ReconciliationRepository;
class SplitLineRepository;
class TransactionRepository;

// Writes the records of pulled pages into the local tables, one table after
// another, by the sync rules:
// - a server version below the local one is skipped: the local row is newer
//   and reaches the server with the next push;
// - otherwise the server's values are written with status synced; at equal
//   versions the server's row wins, except that a local deletion stays (and
//   is pushed again at the next version) when the server's row is live;
// - a record that would change nothing is not written, so it neither emits a
//   change signal nor schedules another sync;
// - a record whose write fails (its account, parent category or split-line
//   category has not arrived yet) is kept and tried again after each page;
//   what still fails is handed back to be kept for the next run.
// Each record is written whole or not at all.
class SyncApplier
{
public:
    enum class Outcome { Written, Unchanged, Skipped, Failed };

    SyncApplier(AccountRepository* accounts, TransactionRepository* transactions, CategoryRepository* categories,
                RecurringRepository* recurring, ReconciliationRepository* reconciliations,
                SplitLineRepository* splitLines);

    // Starts a pull: forgets the server ids it knew (the push before gives
    // rows new ones) and the counts.
    void beginPull();
    // The page's arrays in table order, then every kept record once more.
    void applyPage(const QJsonObject& page);

    // The records that failed and wait for another try, under the page keys.
    QJsonObject deferredRecords() const;
    void setDeferredRecords(const QJsonObject& records);
    int deferredCount() const;

    // Records written since beginPull.
    int writtenCount() const { return m_written; }

    // The local id of the row that has this server id, or empty. The table is
    // read once per pull and kept up to date as records are written.
    QString localIdForServerId(QLatin1StringView table, const QString& serverId);

private:
    void applyAccount(const QJsonArray& records);
    void applyCategory(const QJsonArray& records);
    void applyRecurring(const QJsonArray& records);
    void applyTransactionChange(const QJsonArray& records);
    void applyReconciliation(const QJsonArray& records);

    using RecordApplier = Outcome (SyncApplier::*)(const QJsonObject&);
    void applyArray(QLatin1StringView key, const QJsonArray& records, RecordApplier apply);
    void retryDeferred();

    Outcome applyAccountRecord(const QJsonObject& record);
    Outcome applyCategoryRecord(const QJsonObject& record);
    Outcome applyRecurringRecord(const QJsonObject& record);
    Outcome applyTransactionRecord(const QJsonObject& record);
    Outcome applyReconciliationRecord(const QJsonObject& record);

    // The local row a record belongs to: by its "client_id", else by its
    // server id; the record's id becomes the row's (a new one when neither).
    template<typename Record, typename Find>
    std::optional<Record> findLocal(QLatin1StringView table, Record& incoming, Find find);
    template<typename Record, typename Same, typename Write, typename Lines>
    Outcome write(QLatin1StringView table, Record& incoming, const std::optional<Record>& local,
                  bool keepDeletedNewRows, Same sameColumns, Write writer, Lines lines);

    void remember(QLatin1StringView table, const QString& serverId, const QString& id);

    // The local rows of one page's records, read with one query per table.
    // Each is handed out once: a second look at the same id (the same row
    // twice in a page, a retry) reads the table again.
    template<typename Record>
    class Prefetched
    {
    public:
        void load(QLatin1StringView table, const QJsonArray& records, Record (*read)(const QSqlQuery&));
        void clear();
        template<typename Find>
        std::optional<Record> take(const QString& id, Find find);

    private:
        QSet<QString> m_asked;
        QHash<QString, Record> m_rows;
    };
    void prefetch(const QJsonObject& page);
    void clearPrefetched();

    AccountRepository* m_accounts;
    TransactionRepository* m_transactions;
    CategoryRepository* m_categories;
    RecurringRepository* m_recurring;
    ReconciliationRepository* m_reconciliations;
    SplitLineRepository* m_splitLines;

    Prefetched<Account> m_pageAccounts;
    Prefetched<Category> m_pageCategories;
    Prefetched<RecurringTransaction> m_pageRecurring;
    Prefetched<Transaction> m_pageTransactions;
    Prefetched<Reconciliation> m_pageReconciliations;
    // Per table: server id -> local id, loaded on first use in a pull.
    QHash<QString, QHash<QString, QString>> m_serverIds;
    QHash<QString, QJsonArray> m_deferred;
    int m_written = 0;
    // Something was written since the kept records were last tried.
    bool m_retryUseful = false;
};
