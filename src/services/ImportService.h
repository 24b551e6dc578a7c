#pragma once

#include "CsvImportOptions.h"
#include "DuplicateKeys.h"
#include "ImportLimits.h"
#include "ImportResult.h"
#include "QifSourceAccount.h"

#include "data/Account.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <memory>

class AccountRepository;
class CategoryRepository;
class SplitLineRepository;
class SqlTransaction;
class TransactionRepository;

// Brings transactions from files into the ledger, each file's rows all or nothing
// inside one SQL transaction on the program's connection. Imports run on the GUI
// thread and keep the window painting by processing pending events, user input
// excluded, every 100 rows.
//
// Because events are processed mid-import, timers and network replies still fire
// while the import's SQL transaction is open. Whatever writes the ledger on its
// own (a sync run, the automatic posting of recurring entries) must check
// isImporting() first and, while it is true, wait for importTransactionEnded().
// Transaction-change listeners are held back for the same span: they get one
// transactionsChanged per changed account after the transaction has ended,
// never one per row.
class ImportService : public QObject
{
    Q_OBJECT

public:
    // The repositories are not owned and must outlive the service.
    ImportService(TransactionRepository* transactions, CategoryRepository* categories,
                  SplitLineRepository* splitLines, AccountRepository* accounts, QObject* parent = nullptr);
    ~ImportService() override;

    // What a file may hold; tests lower the limits to try them on small files.
    const ImportLimits& limits() const { return m_limits; }
    void setLimits(const ImportLimits& limits) { m_limits = limits; }
    // Empty when the import would take the file(s) in, else what to tell the
    // user about their size, translated. The import screen asks before it reads
    // a file at all; the imports refuse such files themselves too.
    QString csvSizeProblem(const QString& filePath) const;
    QString qifSizeProblem(const QStringList& filePaths) const;

    // One CSV file into one account. Rows are read by the column mapping; a date
    // with the options' format or else guessed; an amount in the account's
    // currency. Rows already in the account are skipped, missing categories are
    // created once. Any database error rolls everything back and sets `failed`.
    // A file that cannot be opened, or is larger than the limits allow, is
    // refused with `failed` and its reason, before any signal. Rows longer
    // than a row may be are counted in `oversizedSkipped`.
    ImportResult importCsv(const QString& filePath, const QString& accountId, const CsvImportOptions& options);

    // The accounts that QIF files hold records for, for the user to map. Files that
    // do not open, or are too large, are passed over and named in `problems`.
    QifAnalysis analyzeQif(const QStringList& filePaths);

    // Every record of the QIF files into the account its source account maps to
    // (mapping keys compare ignoring case; a missing or empty target skips the
    // account's records). Rows already in the target are skipped, missing
    // categories created, split lines written after their transaction, and the two
    // legs of a transfer linked, also to a row an earlier import left waiting.
    // A failed insert is counted and the import goes on; only a failure that would
    // leave a link broken stops it, and then nothing of it is kept. A file that
    // cannot be opened, or files larger alone or together than the limits
    // allow, refuse the whole import, with `failed` and the reason.
    // `newAccounts` are the targets the user chose to create (the mapping names
    // them by id): they are stored inside the import's transaction, so a failed
    // import leaves none of them behind. A source whose new account cannot be
    // stored is not imported, like one the user skipped.
    ImportResult importQif(const QStringList& filePaths, const QHash<QString, QString>& accountMapping,
                           const QList<Account>& newAccounts = {});

    // True while an import's SQL transaction is open (see the class comment).
    bool isImporting() const;

    // A QIF record of a million split lines takes minutes to store: its lines
    // are reported in steps of this many, so that the window does not freeze.
    static constexpr int kSplitLinesPerStep = 2000;

signals:
    // Once per import, before the first row is handled.
    void importStarted(int totalRecords);
    // After every 100th row handled, and once at the end (also after a failure)
    // with currentRecord equal to totalRecords. A QIF record of thousands of
    // split lines counts one more for each kSplitLinesPerStep of them, reported
    // as they are written, so that the dialog moves inside it too.
    void importProgress(int currentRecord, int totalRecords);
    // The import's SQL transaction is open: from now until importTransactionEnded()
    // nothing else may write the ledger on its own (sync runs, automatic posting).
    // The two always come in pairs.
    void importTransactionStarted();
    // The import's SQL transaction has been committed or rolled back, and the
    // held-back transactionsChanged signals have gone out. Work deferred while
    // isImporting() was true may start now; a queued connection lets the import
    // finish returning first.
    void importTransactionEnded();

private:
    static ImportResult refused(const QString& reason);
    // Opens the SQL transaction and holds back the change signals. False when
    // BEGIN failed or another import is still open; nothing was started then.
    bool beginImportTransaction();
    // False when the commit failed: everything was rolled back and the import
    // must report `failed`. Either way the transaction has ended.
    bool commitImportTransaction();
    void rollbackImportTransaction();
    void endImportTransaction();
    // Stores the new target accounts in the import's transaction, opened early
    // for them: the records are read against their targets' currency and rows
    // before the import starts. A source whose account cannot be stored maps
    // to nothing. False when the transaction could not be opened.
    bool createTargetAccounts(const QList<Account>& accounts, QHash<QString, QString>& targets);

    ImportLimits m_limits;
    TransactionRepository* m_transactions;
    CategoryRepository* m_categories;
    SplitLineRepository* m_splitLines;
    AccountRepository* m_accounts;

    // Only while an import's transaction is open.
    QSqlDatabase m_connection;
    std::unique_ptr<SqlTransaction> m_transaction;
};
