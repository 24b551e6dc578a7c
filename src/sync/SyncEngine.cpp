#include "SyncEngine.h"

#include "SyncApplier.h"
#include "SyncRecords.h"
#include "SyncTables.h"
#include "account/ApiClient.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/LedgerConstants.h"
#include "data/PreferencesRepository.h"
#include "data/ReconciliationRepository.h"
#include "data/RecurringRepository.h"
#include "data/SplitLineRepository.h"
#include "data/SqlTransaction.h"
#include "data/SqlValues.h"
#include "data/TransactionRepository.h"

#include <QDebug>
#include <QJsonDocument>
#include <QPointer>
#include <QSqlDatabase>
#include <QTimer>
#include <QUrlQuery>

#include <algorithm>
#include <functional>

const QString SyncEngine::kCursorUserKey = QStringLiteral("syncCursorUser");
const QString SyncEngine::kDeferredRecordsKey = QStringLiteral("syncDeferredRecords");
const QString SyncEngine::kLastSyncTimestampKey = QStringLiteral("lastSyncTimestamp");

namespace {

const QString kPushPath = QStringLiteral("/sync/push");
const QString kPullPath = QStringLiteral("/sync/pull");

QString rowKey(const QString& entityType, const QString& entityId)
{
    return entityType + QLatin1Char('/') + entityId;
}

// The table of a change entry's type; empty for a type we never send.
QLatin1StringView tableOf(const QString& entityType)
{
    if (entityType == SyncRecords::kAccountType)
        return SyncTables::kAccounts;
    if (entityType == SyncRecords::kCategoryType)
        return SyncTables::kCategories;
    if (entityType == SyncRecords::kRecurringType)
        return SyncTables::kRecurring;
    if (entityType == SyncRecords::kTransactionType)
        return SyncTables::kTransactions;
    if (entityType == SyncRecords::kReconciliationType)
        return SyncTables::kReconciliations;
    return QLatin1StringView();
}

// Marks a pushed row synced only while it is still what the batch sent; a row
// edited while the batch was in flight keeps its newer version pending and
// only learns its server id.
template<typename Repository>
void markRow(Repository* repository, const QString& id, const QString& serverId, bool unchanged)
{
    if (unchanged) {
        repository->markSynced(id, serverId);
        return;
    }
    auto row = repository->findById(id);
    if (!row || row->serverId == serverId)
        return;
    row->serverId = serverId;
    repository->update(*row);
}

} // namespace

SyncEngine::SyncEngine(OrvaAccount::ApiClient* syncApi, AccountRepository* accounts,
                       TransactionRepository* transactions, CategoryRepository* categories,
                       RecurringRepository* recurring, ReconciliationRepository* reconciliations,
                       SplitLineRepository* splitLines, PreferencesRepository* preferences, QObject* parent)
    : QObject(parent)
    , m_api(syncApi)
    , m_accounts(accounts)
    , m_transactions(transactions)
    , m_categories(categories)
    , m_recurring(recurring)
    , m_reconciliations(reconciliations)
    , m_splitLines(splitLines)
    , m_preferences(preferences)
    , m_applier(std::make_unique<SyncApplier>(accounts, transactions, categories, recurring, reconciliations,
                                              splitLines))
    , m_periodicTimer(new QTimer(this))
    , m_debounceTimer(new QTimer(this))
{
    m_periodicTimer->setObjectName(QStringLiteral("periodicSyncTimer"));
    m_debounceTimer->setObjectName(QStringLiteral("syncDebounceTimer"));
    m_debounceTimer->setSingleShot(true);
    // A coarse timer may fire 5% early; the debounce promises its full delay.
    m_debounceTimer->setTimerType(Qt::PreciseTimer);
    m_debounceTimer->setInterval(kDebounceMs);
    connect(m_periodicTimer, &QTimer::timeout, this, &SyncEngine::syncNow);
    connect(m_debounceTimer, &QTimer::timeout, this, &SyncEngine::syncNow);
    if (m_api)
        connect(m_api, &OrvaAccount::ApiClient::authenticationRequired, this, &SyncEngine::onAuthenticationRequired);
}

SyncEngine::~SyncEngine() = default;

void SyncEngine::setSignedInCheck(std::function<bool()> check)
{
    m_signedInCheck = std::move(check);
}

void SyncEngine::setUserIdSource(std::function<QString()> source)
{
    m_userIdSource = std::move(source);
}

QString SyncEngine::syncStateText(SyncState state)
{
    switch (state) {
    case SyncState::Idle: return QStringLiteral("Synced");
    case SyncState::Syncing: return QStringLiteral("Syncing...");
    case SyncState::Error: return QStringLiteral("Sync error");
    case SyncState::Offline: return QStringLiteral("Offline");
    }
    return QStringLiteral("Unknown");
}

void SyncEngine::setState(SyncState state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged(state);
}

void SyncEngine::onAuthenticationRequired()
{
    // Only the state: the run under way, if any, ends through its own reply.
    setState(SyncState::Error);
}

void SyncEngine::syncNow()
{
    if (m_signedInCheck && !m_signedInCheck()) {
        m_resyncRequested = false;
        setState(SyncState::Idle);
        return;
    }
    if (m_holdCount > 0) {
        m_runRequestedWhileHeld = true;
        return;
    }
    if (m_running) {
        m_resyncRequested = true;
        return;
    }
    m_resyncRequested = false;
    m_running = true;
    setState(SyncState::Syncing);
    runSync();
}

void SyncEngine::scheduleSync()
{
    m_debounceTimer->start();
}

void SyncEngine::startPeriodicSync(int intervalMs)
{
    m_periodicTimer->start(intervalMs);
    syncNow();
}

void SyncEngine::stopPeriodicSync()
{
    m_periodicTimer->stop();
}

void SyncEngine::requestFullResync()
{
    m_fullResyncRequested = true;
}

bool SyncEngine::forceFullSync()
{
    QSqlDatabase db = QSqlDatabase::database();
    SqlSavepoint savepoint(db, QStringLiteral("force_full_sync"));
    bool marked[5] = {};
    const int accounts = m_accounts->markAllPendingForResync(&marked[0]);
    const int categories = m_categories->markAllPendingForResync(&marked[1]);
    const int transactions = m_transactions->markAllPendingForResync(&marked[2]);
    const int recurring = m_recurring->markAllPendingForResync(&marked[3]);
    const int reconciliations = m_reconciliations->markAllPendingForResync(&marked[4]);
    qInfo().noquote() << "Force Full Sync: marked pending —"
                      << "accounts:" << accounts << "categories:" << categories << "transactions:" << transactions
                      << "recurrings:" << recurring << "reconciliations:" << reconciliations;
    const bool done = savepoint.isActive() && std::all_of(std::begin(marked), std::end(marked), std::identity())
                      && m_preferences->remove(kSyncCursorKey) && m_preferences->remove(kLastSyncTimestampKey)
                      && savepoint.release();
    if (!done) {
        savepoint.rollback();
        qWarning().noquote() << "Force Full Sync: the rows could not be marked; nothing was changed";
    }
    requestFullResync();
    syncNow();
    return done;
}

void SyncEngine::holdRuns()
{
    ++m_holdCount;
}

void SyncEngine::releaseRuns()
{
    if (m_holdCount == 0)
        return;
    if (--m_holdCount > 0)
        return;
    // After the caller's own work (committing the import) has finished.
    QTimer::singleShot(0, this, &SyncEngine::resumeAfterHold);
}

void SyncEngine::resumeAfterHold()
{
    if (m_holdCount > 0)
        return;
    const QList<std::function<void()>> steps = std::exchange(m_heldSteps, {});
    for (const std::function<void()>& step : steps)
        step();
    if (std::exchange(m_runRequestedWhileHeld, false))
        syncNow();
}

OrvaAccount::ApiClient::JsonCallback SyncEngine::continuation(ReplyHandler handler)
{
    // The engine may be gone by the time a reply comes (the client outlives it).
    return [self = QPointer<SyncEngine>(this), handler](bool ok, int status, const QJsonObject& body) {
        if (!self)
            return;
        self->continueRun([self, handler, ok, status, body] {
            if (self)
                (self.data()->*handler)(ok, status, body);
        });
    };
}

void SyncEngine::continueRun(std::function<void()> step)
{
    if (m_holdCount > 0) {
        m_heldSteps.append(std::move(step));
        return;
    }
    step();
}

QJsonArray SyncEngine::buildChangeEntries() const
{
    QJsonArray entries;
    for (const Account& account : m_accounts->listPending()) {
        entries.append(SyncRecords::changeEntry(SyncRecords::kAccountType, account.id, account.version,
                                                account.deletedAt.has_value(), SyncRecords::accountPayload(account)));
    }
    for (const Category& category : m_categories->listPending()) {
        entries.append(SyncRecords::changeEntry(SyncRecords::kCategoryType, category.id, category.version,
                                                category.deletedAt.has_value(),
                                                SyncRecords::categoryPayload(category)));
    }
    for (const RecurringTransaction& recurring : m_recurring->listPending()) {
        entries.append(SyncRecords::changeEntry(SyncRecords::kRecurringType, recurring.id, recurring.version,
                                                recurring.deletedAt.has_value(),
                                                SyncRecords::recurringPayload(recurring)));
    }
    for (const Transaction& transaction : m_transactions->listPending()) {
        const QList<SplitLine> lines =
            transaction.isSplit ? m_splitLines->listByTransaction(transaction.id) : QList<SplitLine>();
        entries.append(SyncRecords::changeEntry(SyncRecords::kTransactionType, transaction.id, transaction.version,
                                                transaction.deletedAt.has_value(),
                                                SyncRecords::transactionPayload(transaction, lines)));
    }
    for (const Reconciliation& reconciliation : m_reconciliations->listPending()) {
        entries.append(SyncRecords::changeEntry(SyncRecords::kReconciliationType, reconciliation.id,
                                                reconciliation.version, reconciliation.deletedAt.has_value(),
                                                SyncRecords::reconciliationPayload(reconciliation)));
    }
    return entries;
}

void SyncEngine::runSync()
{
    if (std::exchange(m_fullResyncRequested, false)) {
        m_preferences->remove(kSyncCursorKey);
        m_preferences->remove(kDeferredRecordsKey);
    }
    m_pendingChanges = buildChangeEntries();
    if (m_pendingChanges.isEmpty()) {
        startPull();
        return;
    }
    qInfo().noquote() << "Pushing" << m_pendingChanges.size() << "changes (in batches of" << kPushBatchSize << ")";
    pushNextBatch();
}

void SyncEngine::pushNextBatch()
{
    if (m_pendingChanges.isEmpty()) {
        startPull();
        return;
    }
    QJsonArray batch;
    QJsonArray remaining;
    m_batchRows.clear();
    const qsizetype size = std::min<qsizetype>(kPushBatchSize, m_pendingChanges.size());
    for (qsizetype i = size; i < m_pendingChanges.size(); ++i)
        remaining.append(m_pendingChanges.at(i));
    for (qsizetype i = 0; i < size; ++i) {
        const QJsonObject entry = m_pendingChanges.at(i).toObject();
        const QString type = entry.value(QLatin1String("entity_type")).toString();
        const QString id = entry.value(QLatin1String("entity_id")).toString();
        const QJsonObject payload = entry.value(QLatin1String("payload")).toObject();
        m_batchRows.insert(rowKey(type, id),
                           SyncTables::RowVersion{entry.value(QLatin1String("version")).toInt(),
                                                  payload.value(QLatin1String("updated_at")).toString()});
        batch.append(entry);
    }
    m_pendingChanges = remaining;
    qInfo().noquote() << "Push batch:" << batch.size() << "changes," << m_pendingChanges.size() << "remaining";
    m_api->post(kPushPath, QJsonObject{{QLatin1String("changes"), batch}}, continuation(&SyncEngine::handlePushResponse));
}

void SyncEngine::handlePushResponse(bool ok, int status, const QJsonObject& body)
{
    if (!ok) {
        failRun(tr("Push failed (HTTP %1)").arg(status));
        return;
    }
    int rejected = 0;
    QList<QJsonObject> accepted;
    const QJsonArray results = body.value(QLatin1String("results")).toArray();
    for (const QJsonValue& value : results) {
        const QJsonObject result = value.toObject();
        const QString resultStatus = result.value(QLatin1String("status")).toString();
        if (resultStatus == QLatin1String("ok")) {
            accepted.append(result);
            continue;
        }
        ++rejected;
        qWarning().noquote() << "Push result not ok — leaving record pending:"
                             << result.value(QLatin1String("entity_type")).toString()
                             << result.value(QLatin1String("entity_id")).toString() << "status=" + resultStatus
                             << "message=" + result.value(QLatin1String("message")).toString();
    }
    markAccepted(accepted);
    if (rejected > 0) {
        qWarning().noquote() << "Push batch:" << accepted.size() << "ok," << rejected
                             << "errors — failed records remain pending for next sync";
    }
    pushNextBatch();
}

void SyncEngine::markAccepted(const QList<QJsonObject>& results)
{
    // What the rows hold now, read per table in one go.
    QHash<QString, QStringList> idsByType;
    for (const QJsonObject& result : results) {
        idsByType[result.value(QLatin1String("entity_type")).toString()].append(
            result.value(QLatin1String("entity_id")).toString());
    }
    QHash<QString, QHash<QString, SyncTables::RowVersion>> current;
    for (auto it = idsByType.cbegin(); it != idsByType.cend(); ++it) {
        const QLatin1StringView table = tableOf(it.key());
        if (!table.isEmpty())
            current.insert(it.key(), SyncTables::versions(table, *it));
    }

    // One transaction for the whole batch: a commit per row would make a
    // large push crawl.
    QSqlDatabase db = QSqlDatabase::database();
    SqlSavepoint savepoint(db, QStringLiteral("sync_push_marks"));
    for (const QJsonObject& result : results) {
        const QString entityType = result.value(QLatin1String("entity_type")).toString();
        const QString id = result.value(QLatin1String("entity_id")).toString();
        const QString serverId = result.value(QLatin1String("server_id")).toString();
        const auto sent = m_batchRows.constFind(rowKey(entityType, id));
        const SyncTables::RowVersion now = current.value(entityType).value(id, SyncTables::RowVersion{-1, QString()});
        // A result for a row this batch did not carry says nothing about its version.
        const bool unchanged =
            sent != m_batchRows.cend() && now.version == sent->version && now.updatedAt == sent->updatedAt;
        if (entityType == SyncRecords::kAccountType)
            markRow(m_accounts, id, serverId, unchanged);
        else if (entityType == SyncRecords::kTransactionType)
            markRow(m_transactions, id, serverId, unchanged);
        else if (entityType == SyncRecords::kCategoryType)
            markRow(m_categories, id, serverId, unchanged);
        else if (entityType == SyncRecords::kRecurringType)
            markRow(m_recurring, id, serverId, unchanged);
        else if (entityType == SyncRecords::kReconciliationType)
            markRow(m_reconciliations, id, serverId, unchanged);
    }
    savepoint.release();
}

void SyncEngine::startPull()
{
    m_pullPageCount = 0;
    adoptCursorOwner();
    m_applier->beginPull();
    const QJsonDocument deferred =
        QJsonDocument::fromJson(m_preferences->getString(kDeferredRecordsKey).toUtf8());
    m_applier->setDeferredRecords(deferred.object());
    pullChanges(m_preferences->getString(kSyncCursorKey, QString()));
}

void SyncEngine::adoptCursorOwner()
{
    const QString userId = m_userIdSource ? m_userIdSource() : QString();
    if (userId.isEmpty())
        return;
    const QString owner = m_preferences->getString(kCursorUserKey);
    if (owner == userId)
        return;
    // Another user's cursor (or one whose user is unknown) would skip this
    // user's changes, or be refused: this user's pull starts at the beginning.
    if (m_preferences->get(kSyncCursorKey))
        qInfo().noquote() << "Sync: the pull cursor belongs to another user; pulling from the beginning";
    m_preferences->remove(kSyncCursorKey);
    m_preferences->remove(kDeferredRecordsKey);
    m_preferences->set(kCursorUserKey, userId);
}

void SyncEngine::pullChanges(const QString& cursor)
{
    if (cursor.isEmpty())
        m_pullCaughtUp = false;
    m_requestedCursor = cursor;
    QUrlQuery query;
    if (!cursor.isEmpty())
        query.addQueryItem(QStringLiteral("cursor"), cursor);
    query.addQueryItem(QStringLiteral("limit"), QString::number(kPullPageSize));
    m_api->get(kPullPath, continuation(&SyncEngine::handlePullResponse), query);
}

void SyncEngine::handlePullResponse(bool ok, int status, const QJsonObject& page)
{
    if (!ok) {
        failRun(tr("Pull failed (HTTP %1)").arg(status));
        return;
    }
    // A page always says where it ends or whether more follow; an empty object
    // is what a reply that was not JSON at all turns into.
    if (page.isEmpty()) {
        failRun(tr("Pull failed: the reply was not a page of changes"));
        return;
    }
    const QString cursor = page.value(QLatin1String("cursor")).toString();
    if (!storePage(page, cursor)) {
        failRun(tr("Pull failed: the changes could not be saved"));
        return;
    }
    if (page.contains(QLatin1String("integrity")))
        checkSyncIntegrity(page.value(QLatin1String("integrity")).toObject());

    const bool hasMore = page.value(QLatin1String("has_more")).toBool(false);
    ++m_pullPageCount;
    // Asking again from the same place would bring the same page up to the
    // page limit, and every run would do it again.
    if (hasMore && (cursor.isEmpty() || cursor == m_requestedCursor)) {
        failRun(tr("Pull failed: the server did not move past page %1").arg(m_pullPageCount));
        return;
    }
    if (hasMore && m_pullPageCount < kMaxPullPages) {
        pullChanges(cursor);
        return;
    }
    finishRun(hasMore);
}

bool SyncEngine::storePage(const QJsonObject& page, const QString& cursor)
{
    // The page, its cursor and the records that wait go in together: after a
    // crash the next run starts from a cursor whose page is really applied.
    QSqlDatabase db = QSqlDatabase::database();
    SqlSavepoint savepoint(db, QStringLiteral("sync_pull_page"));
    m_applier->applyPage(page);
    if (!cursor.isEmpty())
        m_preferences->set(kSyncCursorKey, cursor);
    const QJsonObject deferred = m_applier->deferredRecords();
    if (deferred.isEmpty()) {
        if (m_preferences->get(kDeferredRecordsKey))
            m_preferences->remove(kDeferredRecordsKey);
    } else {
        m_preferences->set(kDeferredRecordsKey,
                           QString::fromUtf8(QJsonDocument(deferred).toJson(QJsonDocument::Compact)));
    }
    return savepoint.release();
}

void SyncEngine::checkSyncIntegrity(const QJsonObject& integrity)
{
    const qint64 serverCount = integrity.value(QLatin1String("category_count")).toInteger(0);
    const int localCount = m_categories->countLive();
    if (serverCount >= 1 && localCount < serverCount) {
        qWarning().noquote() << "Fewer categories locally than the server has: local=" + QString::number(localCount)
                             << "server=" + QString::number(serverCount)
                             << "(informational only — use Force Full Sync if data appears wrong)";
    }
}

void SyncEngine::finishRun(bool hasMore)
{
    m_pullCaughtUp = !hasMore;
    if (const int waiting = m_applier->deferredCount(); waiting > 0)
        qWarning().noquote() << "Sync:" << waiting << "pulled records wait for rows they refer to";
    m_preferences->set(kLastSyncTimestampKey, SqlValues::nowText());
    m_running = false;
    setState(SyncState::Idle);
    emit syncCompleted();
    // Listeners reload and backfill on it: a run that changed no row spares them.
    if (m_applier->writtenCount() > 0)
        emit dataChanged();
    if (std::exchange(m_resyncRequested, false))
        QTimer::singleShot(0, this, &SyncEngine::syncNow);
}

void SyncEngine::failRun(const QString& error)
{
    m_running = false;
    m_pendingChanges = QJsonArray();
    m_lastError = error;
    setState(SyncState::Error);
    emit syncFailed(error);
}
