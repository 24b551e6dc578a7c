#include "SyncTestSupport.h"
#include "TestMain.h"

#include <QJsonArray>
#include <QJsonDocument>

using namespace SyncTest;

// The first half of a run: pending rows out to "/sync/push", accepted ones marked.
class TestSyncPush : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void entriesOfEveryTable();
    void acceptedRowsAreMarkedQuietly();
    void batchesGoOneAfterAnother();
    void rejectedRowsStayPending();
    void replyWithoutResultsMarksNothing();
    void rowsChangedInFlightStayPending();

private:
    Device* device() const { return m_world->device.get(); }
    // The "changes" of every push the fake received, in order.
    QList<QJsonArray> pushedBatches() const;
    static QJsonObject entryFor(const QJsonArray& batch, const QString& id);

    std::unique_ptr<OneDevice> m_world;
};

void TestSyncPush::init()
{
    m_world = std::make_unique<OneDevice>();
    QVERIFY(m_world->isReady());
}

void TestSyncPush::cleanup()
{
    m_world.reset();
}

QList<QJsonArray> TestSyncPush::pushedBatches() const
{
    QList<QJsonArray> batches;
    for (const FakeRequest& request : m_world->http()->requestsTo(m_world->fake()->pushPath()))
        batches.append(request.jsonBody().value(QLatin1String("changes")).toArray());
    return batches;
}

QJsonObject TestSyncPush::entryFor(const QJsonArray& batch, const QString& id)
{
    for (const QJsonValue& entry : batch) {
        if (entry.toObject().value(QLatin1String("entity_id")).toString() == id)
            return entry.toObject();
    }
    return QJsonObject();
}

void TestSyncPush::entriesOfEveryTable()
{
    const Account account = newAccount(QStringLiteral("Checking"));
    QVERIFY(device()->accounts->insert(account));
    const Category category = newCategory(QStringLiteral("Groceries"));
    QVERIFY(device()->categories->insert(category));
    const RecurringTransaction rent = newRecurring(account.id, QStringLiteral("Rent"), -120000);
    QVERIFY(device()->recurring->insert(rent));
    Transaction split = newTransaction(account.id, QStringLiteral("Market"), -3000);
    split.isSplit = true;
    QVERIFY(device()->transactions->insert(split));
    SplitLine line;
    line.id = newId();
    line.transactionId = split.id;
    line.categoryId = category.id;
    line.amount = -3000;
    line.createdAt = split.createdAt;
    line.updatedAt = split.updatedAt;
    QVERIFY(device()->splitLines->insert(line));
    const Transaction gone = newTransaction(account.id, QStringLiteral("Mistake"), -1);
    QVERIFY(device()->transactions->insert(gone));
    QVERIFY(device()->transactions->softDelete(gone.id));
    const Reconciliation reconciliation = newReconciliation(account.id, QDate(2024, 2, 29), 0);
    QVERIFY(device()->reconciliations->insert(reconciliation));

    QVERIFY(device()->sync());
    const QList<QJsonArray> batches = pushedBatches();
    QCOMPARE(batches.size(), 1);
    const QJsonArray batch = batches.first();
    QStringList types;
    for (const QJsonValue& entry : batch)
        types.append(entry.toObject().value(QLatin1String("entity_type")).toString());
    QCOMPARE(types, QStringList({"account", "category", "recurring", "transaction", "transaction", "reconciliation"}));

    for (const QJsonValue& entry : batch) {
        const QJsonObject payload = entry.toObject().value(QLatin1String("payload")).toObject();
        // Never accepted, so no server id yet; the local id is the client id.
        QVERIFY(!payload.contains(QLatin1String("server_id")));
        QCOMPARE(payload.value(QLatin1String("client_id")), entry.toObject().value(QLatin1String("entity_id")));
        QCOMPARE(payload.value(QLatin1String("version")), entry.toObject().value(QLatin1String("version")));
    }
    const QJsonObject deleted = entryFor(batch, gone.id);
    QCOMPARE(deleted.value(QLatin1String("action")).toString(), QStringLiteral("delete"));
    QCOMPARE(deleted.value(QLatin1String("version")).toInt(), 2);
    QCOMPARE(deleted.value(QLatin1String("payload")).toObject().value(QLatin1String("payee")).toString(),
             QStringLiteral("Mistake"));
    QVERIFY(deleted.value(QLatin1String("payload")).toObject().contains(QLatin1String("deleted_at")));
    QCOMPARE(entryFor(batch, split.id).value(QLatin1String("action")).toString(), QStringLiteral("upsert"));
    const QJsonArray lines =
        entryFor(batch, split.id).value(QLatin1String("payload")).toObject().value(QLatin1String("split_lines")).toArray();
    QCOMPARE(lines.size(), 1);
    QCOMPARE(lines.first().toObject().value(QLatin1String("category_id")).toString(), category.id);
    QCOMPARE(entryFor(batch, rent.id).value(QLatin1String("payload")).toObject().value(QLatin1String("version")).toInt(),
             1);

    // Every row is synced now, with the id the server gave it.
    QCOMPARE(device()->pendingCount(), 0);
    const QString userId = m_world->world->userId;
    QCOMPARE(device()->accounts->findById(account.id)->serverId,
             m_world->fake()->row(userId, QStringLiteral("account"), account.id)->serverId);
    QCOMPARE(device()->recurring->findById(rent.id)->serverId,
             m_world->fake()->row(userId, QStringLiteral("recurring"), rent.id)->serverId);
    QCOMPARE(device()->reconciliations->findById(reconciliation.id)->syncStatus, SyncStatus::Synced);
    QVERIFY(m_world->fake()->row(userId, QStringLiteral("transaction"), gone.id)->deleted);

    // An edit goes out with the server id it learnt.
    Transaction edited = *device()->transactions->findById(split.id);
    edited.memo = QStringLiteral("edited");
    touch(edited);
    QVERIFY(device()->transactions->update(edited));
    QVERIFY(device()->sync());
    const QJsonObject again = pushedBatches().last().first().toObject();
    QCOMPARE(again.value(QLatin1String("payload")).toObject().value(QLatin1String("server_id")).toString(),
             device()->transactions->findById(split.id)->serverId);
}

void TestSyncPush::acceptedRowsAreMarkedQuietly()
{
    QVERIFY(device()->accounts->insert(newAccount(QStringLiteral("Quiet"))));
    device()->debounceTimer()->stop();
    QSignalSpy accountsChanged(device()->accounts, &AccountRepository::accountsChanged);
    QVERIFY(device()->sync());
    QCOMPARE(device()->pendingCount(), 0);
    // Marking and the pull of the row's own echo change nothing anyone shows.
    QCOMPARE(accountsChanged.count(), 0);
    QVERIFY(!device()->debounceTimer()->isActive());
}

void TestSyncPush::batchesGoOneAfterAnother()
{
    const Account account = newAccount(QStringLiteral("Busy"));
    QVERIFY(device()->accounts->insert(account));
    for (int i = 0; i < 1199; ++i)
        QVERIFY(device()->transactions->insert(newTransaction(account.id, QStringLiteral("Shop"), -i - 1)));
    m_world->fake()->setPushReplyDelay(30);
    QVERIFY(device()->sync());
    QCOMPARE(m_world->fake()->pushBatchSizes(), QList<int>({500, 500, 200}));
    QCOMPARE(m_world->fake()->overlappingPushCount(), 0);
    // The accounts go first, and the pull comes after the last batch.
    QCOMPARE(pushedBatches().first().first().toObject().value(QLatin1String("entity_id")).toString(), account.id);
    QStringList routes;
    for (const FakeRequest& request : m_world->http()->requests())
        routes.append(request.route);
    const QString push = m_world->fake()->pushPath();
    const QString pull = m_world->fake()->pullPath();
    QCOMPARE(routes.mid(0, 4), QStringList({push, push, push, pull}));
    QCOMPARE(device()->pendingCount(), 0);
}

void TestSyncPush::rejectedRowsStayPending()
{
    const Account account = newAccount(QStringLiteral("Half"));
    QVERIFY(device()->accounts->insert(account));
    const Transaction refused = newTransaction(account.id, QStringLiteral("Refused"), -5);
    QVERIFY(device()->transactions->insert(refused));
    const QJsonArray results{
        QJsonObject{{QStringLiteral("entity_type"), QStringLiteral("account")},
                    {QStringLiteral("entity_id"), account.id},
                    {QStringLiteral("status"), QStringLiteral("ok")},
                    {QStringLiteral("server_id"), QStringLiteral("srv-account")}},
        QJsonObject{{QStringLiteral("entity_type"), QStringLiteral("transaction")},
                    {QStringLiteral("entity_id"), refused.id},
                    {QStringLiteral("status"), QStringLiteral("conflict")},
                    {QStringLiteral("message"), QStringLiteral("stale")}},
        // A type the engine never sends counts as accepted and marks nothing.
        QJsonObject{{QStringLiteral("entity_type"), QStringLiteral("budget")},
                    {QStringLiteral("entity_id"), account.id},
                    {QStringLiteral("status"), QStringLiteral("ok")}},
    };
    m_world->http()->injectFault("POST", m_world->fake()->pushPath(),
                                 FakeFault::respond(FakeResponse::json(200, QJsonObject{{"results", results}})), 1);
    QTest::ignoreMessage(QtWarningMsg, qPrintable(QStringLiteral("Push result not ok — leaving record pending: "
                                                                 "transaction %1 status=conflict message=stale")
                                                      .arg(refused.id)));
    QTest::ignoreMessage(QtWarningMsg,
                         "Push batch: 2 ok, 1 errors — failed records remain pending for next sync");
    QVERIFY(device()->sync());
    QCOMPARE(device()->accounts->findById(account.id)->syncStatus, SyncStatus::Synced);
    QCOMPARE(device()->accounts->findById(account.id)->serverId, QStringLiteral("srv-account"));
    QCOMPARE(device()->transactions->findById(refused.id)->syncStatus, SyncStatus::Pending);

    // The next run sends it again.
    QVERIFY(device()->sync());
    QCOMPARE(entryFor(pushedBatches().last(), refused.id).value(QLatin1String("entity_type")).toString(),
             QStringLiteral("transaction"));
    QCOMPARE(device()->pendingCount(), 0);
}

void TestSyncPush::replyWithoutResultsMarksNothing()
{
    QVERIFY(device()->accounts->insert(newAccount(QStringLiteral("Unanswered"))));
    m_world->http()->injectFault(
        "POST", m_world->fake()->pushPath(),
        FakeFault::respond(FakeResponse::json(200, QJsonObject{{QStringLiteral("received"), true}})), 1);
    QVERIFY(device()->sync());
    QCOMPARE(device()->pendingCount(), 1);
    QCOMPARE(m_world->pullRequests(), 1);
}

void TestSyncPush::rowsChangedInFlightStayPending()
{
    const Account account = newAccount(QStringLiteral("Moving"));
    QVERIFY(device()->accounts->insert(account));
    const Transaction kept = newTransaction(account.id, QStringLiteral("Kept"), -1);
    const Transaction edited = newTransaction(account.id, QStringLiteral("Edited"), -2);
    const Transaction deleted = newTransaction(account.id, QStringLiteral("Deleted"), -3);
    for (const Transaction& transaction : {kept, edited, deleted})
        QVERIFY(device()->transactions->insert(transaction));

    // While the batch is at the server, one row is edited and one deleted.
    connect(m_world->http(), &FakeHttpServer::requestReceived, device()->engine, [&](const FakeRequest& request) {
        if (request.route != m_world->fake()->pushPath())
            return;
        Transaction row = *device()->transactions->findById(edited.id);
        row.payee = QStringLiteral("Edited again");
        touch(row);
        device()->transactions->update(row);
        device()->transactions->softDelete(deleted.id);
    });
    QVERIFY(device()->sync());
    disconnect(m_world->http(), &FakeHttpServer::requestReceived, device()->engine, nullptr);

    const QString userId = m_world->world->userId;
    const auto serverIdOf = [&](const QString& id) {
        return m_world->fake()->row(userId, QStringLiteral("transaction"), id)->serverId;
    };
    QCOMPARE(device()->transactions->findById(kept.id)->syncStatus, SyncStatus::Synced);
    for (const QString& id : {edited.id, deleted.id}) {
        const Transaction row = *device()->transactions->findById(id);
        QCOMPARE(row.syncStatus, SyncStatus::Pending);
        QCOMPARE(row.version, 2);
        QCOMPARE(row.serverId, serverIdOf(id));
    }
    QVERIFY(device()->transactions->findById(deleted.id)->deletedAt.has_value());

    // The newer versions go out with the next run.
    device()->debounceTimer()->stop();
    QVERIFY(device()->sync());
    QCOMPARE(device()->pendingCount(), 0);
    QCOMPARE(m_world->fake()->row(userId, QStringLiteral("transaction"), edited.id)->payload.value("payee").toString(),
             QStringLiteral("Edited again"));
    QVERIFY(m_world->fake()->row(userId, QStringLiteral("transaction"), deleted.id)->deleted);
}

VELLUMRY_TEST_GUILESS_MAIN(TestSyncPush)
#include "tst_syncpush.moc"
