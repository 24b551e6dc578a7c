#pragma once

#include "SyncTables.h"
#include "account/ApiClient.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class AccountRepository;
class CategoryRepository;
class PreferencesRepository;
class QTimer;
class ReconciliationRepository;
class RecurringRepository;
class SplitLineRepository;
class SyncApplier;
class TransactionRepository;

// Keeps the ledger in step with the sync service for the signed-in user. A
// run pushes every pending row of the five synced tables in batches, one
// batch after the other's reply, then pulls the server's changes page by page
// after the stored cursor and writes them through the repositories.
//
// Runs start from syncNow: directly (Sync Now), from the 2000 ms debounce that
// scheduleSync restarts (after local edits), or from the periodic timer. Only
// one run is under way at a time; triggers meanwhile collapse into one more
// run after a successful end. Everything happens on the GUI thread, as a chain
// of request callbacks.
class SyncEngine : public QObject
{
    Q_OBJECT
    Q_PROPERTY(SyncState state READ state NOTIFY stateChanged)

public:
    enum class SyncState { Idle = 0, Syncing = 1, Error = 2, Offline = 3 };
    Q_ENUM(SyncState)

    static constexpr int kDebounceMs = 2000;
    static constexpr int kPushBatchSize = 500;
    static constexpr int kPullPageSize = 200;
    static constexpr int kMaxPullPages = 50;

    // The pull cursor and who it belongs to, and the pulled records that are
    // waiting for rows they refer to.
    static const QString kCursorUserKey;
    static const QString kDeferredRecordsKey;
    // Written after every completed run, as "yyyy-MM-ddTHH:mm:ssZ".
    static const QString kLastSyncTimestampKey;

    SyncEngine(OrvaAccount::ApiClient* syncApi, AccountRepository* accounts, TransactionRepository* transactions,
               CategoryRepository* categories, RecurringRepository* recurring,
               ReconciliationRepository* reconciliations, SplitLineRepository* splitLines,
               PreferencesRepository* preferences, QObject* parent = nullptr);
    ~SyncEngine() override;

    // Answers whether a user is signed in; while it answers false, syncNow
    // sends nothing. Without a check, every run starts.
    void setSignedInCheck(std::function<bool()> check);
    // The signed-in user's id. The pull cursor is kept with the user it was
    // pulled for, and another user starts from the beginning.
    void setUserIdSource(std::function<QString()> source);

    void syncNow();
    // syncNow 2000 ms after the last call.
    void scheduleSync();
    // Syncs at once, then every intervalMs until stopPeriodicSync.
    void startPeriodicSync(int intervalMs);
    void stopPeriodicSync();
    // The next run pulls everything from the beginning: it forgets the cursor
    // and the waiting records as it starts, so that a run under way, which
    // stores its cursor with every page, cannot undo the request.
    void requestFullResync();
    // Force Full Sync: every live row of the five tables is marked for upload
    // again and the cursor and the last sync time are forgotten, all in one SQL
    // transaction; then a run starts that pulls everything from the beginning.
    // False when the rows could not be marked: nothing was, and the run still
    // pulls from the beginning.
    bool forceFullSync();

    // While held, no run starts and a run under way waits before its next
    // write: for an import, which keeps an SQL transaction open while its
    // progress dialog lets events through. Holds nest. When the last hold is
    // released the waiting run goes on, and one run follows if any trigger
    // came meanwhile.
    void holdRuns();
    void releaseRuns();
    bool isHeld() const { return m_holdCount > 0; }

    SyncState state() const { return m_state; }
    QString lastError() const { return m_lastError; }
    // True after a run whose last page said that no more pages follow.
    bool isPullCaughtUp() const { return m_pullCaughtUp; }
    bool isRunning() const { return m_running; }

    static QString syncStateText(SyncState state);

signals:
    void stateChanged(SyncEngine::SyncState state);
    void syncCompleted();
    void syncFailed(const QString& error);
    // After syncCompleted, when the run's pull wrote rows.
    void dataChanged();

private:
    void setState(SyncState state);
    void onAuthenticationRequired();
    using ReplyHandler = void (SyncEngine::*)(bool ok, int status, const QJsonObject& body);
    // The completion of a request of the run: the handler, unless the
    // engine is gone, and only once no hold is in the way.
    OrvaAccount::ApiClient::JsonCallback continuation(ReplyHandler handler);
    // Runs a step of the run now, or after the hold ends.
    void continueRun(std::function<void()> step);
    void resumeAfterHold();

    void runSync();
    QJsonArray buildChangeEntries() const;
    void pushNextBatch();
    void handlePushResponse(bool ok, int status, const QJsonObject& body);
    // Marks the rows of the accepted results synced.
    void markAccepted(const QList<QJsonObject>& results);

    void startPull();
    void adoptCursorOwner();
    void pullChanges(const QString& cursor);
    void handlePullResponse(bool ok, int status, const QJsonObject& page);
    bool storePage(const QJsonObject& page, const QString& cursor);
    void checkSyncIntegrity(const QJsonObject& integrity);

    void finishRun(bool hasMore);
    void failRun(const QString& error);

    OrvaAccount::ApiClient* m_api;
    AccountRepository* m_accounts;
    TransactionRepository* m_transactions;
    CategoryRepository* m_categories;
    RecurringRepository* m_recurring;
    ReconciliationRepository* m_reconciliations;
    SplitLineRepository* m_splitLines;
    PreferencesRepository* m_preferences;
    std::unique_ptr<SyncApplier> m_applier;

    QTimer* m_periodicTimer;
    QTimer* m_debounceTimer;
    SyncState m_state = SyncState::Idle;
    QString m_lastError;
    int m_pullPageCount = 0;
    bool m_pullCaughtUp = false;
    bool m_resyncRequested = false;
    bool m_fullResyncRequested = false;
    // A run is under way. Kept apart from the state, which another client's
    // refused refresh may turn to Error while a request of the run is out.
    bool m_running = false;
    std::function<bool()> m_signedInCheck;
    std::function<QString()> m_userIdSource;

    QJsonArray m_pendingChanges;
    // What the batch in flight sent of each row, by "entity_type/entity_id",
    // to tell whether the row changed since.
    QHash<QString, SyncTables::RowVersion> m_batchRows;
    // The cursor the page in flight was asked for.
    QString m_requestedCursor;

    int m_holdCount = 0;
    bool m_runRequestedWhileHeld = false;
    QList<std::function<void()>> m_heldSteps;
};
