#include "SyncTestSupport.h"
#include "TestMain.h"

#include <QJsonArray>

using namespace SyncTest;

// The first half of a run: pending rows out to "/sync/push", accepted ones marked.
class TestSyncPush : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void entriesOfEveryTable();
    void rejectedRowsStayPending();

private:
    Device* device() const { return m_world->device(); }
    QString serverIdOf(const QString& type, const QString& id) const
    {
        return m_world->fake()->row(m_world->userId(), type, id)->serverId;
    }
    // The entries of the last push, by the row's id.
    QHash<QString, QJsonObject> lastPush() const;

    std::unique_ptr<SyncWorld> m_world;
};

void TestSyncPush::init()
{
    m_world = std::make_unique<SyncWorld>();
    QVERIFY(m_world->isReady());
    QVERIFY(device()->open());
}

void TestSyncPush::cleanup()
{
    m_world.reset();
}

QHash<QString, QJsonObject> TestSyncPush::lastPush() const
{
    QHash<QString, QJsonObject> entries;
    for (const QJsonValue& entry : m_world->pushes().last().jsonBody().value(QLatin1String("changes")).toArray())
        entries.insert(entry.toObject().value(QLatin1String("entity_id")).toString(), entry.toObject());
    return entries;
}

void TestSyncPush::entriesOfEveryTable()
{
    const Account account = newAccount(QStringLiteral("Checking"));
    QVERIFY(device()->accounts->insert(account));
    QVERIFY(device()->categories->insert(newCategory(QStringLiteral("Groceries"))));
    QVERIFY(device()->recurring->insert(newRecurring(account.id, QStringLiteral("Rent"), -120000)));
    const Transaction market = newTransaction(account.id, QStringLiteral("Market"), -3000);
    QVERIFY(device()->transactions->insert(market));
    const Transaction gone = newTransaction(account.id, QStringLiteral("Mistake"), -1);
    QVERIFY(device()->transactions->insert(gone));
    QVERIFY(device()->transactions->softDelete(gone.id));
    QVERIFY(device()->reconciliations->insert(newReconciliation(account.id, QDate(2024, 2, 29), 0)));

    device()->debounceTimer()->stop();
    QSignalSpy accountsChanged(device()->accounts, &AccountRepository::accountsChanged);
    QVERIFY(device()->sync());
    QCOMPARE(m_world->pushes().size(), 1);
    QStringList types;
    for (const QJsonValue& entry : m_world->pushes().first().jsonBody().value("changes").toArray())
        types.append(entry.toObject().value(QLatin1String("entity_type")).toString());
    QCOMPARE(types, QStringList({"account", "category", "recurring", "transaction", "transaction", "reconciliation"}));

    const QHash<QString, QJsonObject> batch = lastPush();
    for (const QJsonObject& entry : batch) {
        const QJsonObject payload = entry.value(QLatin1String("payload")).toObject();
        // Never accepted, so no server id yet; the local id is the client id.
        QVERIFY(!payload.contains(QLatin1String("server_id")));
        QCOMPARE(payload.value(QLatin1String("client_id")), entry.value(QLatin1String("entity_id")));
        QCOMPARE(payload.value(QLatin1String("version")), entry.value(QLatin1String("version")));
    }
    const QJsonObject deleted = batch.value(gone.id);
    QCOMPARE(deleted.value(QLatin1String("action")), QJsonValue("delete"));
    QCOMPARE(deleted.value(QLatin1String("version")), QJsonValue(2));
    QVERIFY(deleted.value(QLatin1String("payload")).toObject().contains(QLatin1String("deleted_at")));
    QCOMPARE(batch.value(market.id).value(QLatin1String("action")), QJsonValue("upsert"));

    // Every row is synced now, with the id the server gave it, quietly:
    // marking and the pull of the rows' own echo change nothing anyone shows.
    QCOMPARE(device()->pendingCount(), 0);
    QCOMPARE(accountsChanged.count(), 0);
    QVERIFY(!device()->debounceTimer()->isActive());
    QCOMPARE(device()->accounts->findById(account.id)->serverId, serverIdOf(QStringLiteral("account"), account.id));
    QVERIFY(m_world->fake()->row(m_world->userId(), QStringLiteral("transaction"), gone.id)->deleted);

    // An edit goes out with the server id it learnt.
    Transaction edited = *device()->transactions->findById(market.id);
    touch(edited);
    QVERIFY(device()->transactions->update(edited));
    QVERIFY(device()->sync());
    QCOMPARE(lastPush().value(market.id).value("payload").toObject().value("server_id").toString(),
             serverIdOf(QStringLiteral("transaction"), market.id));
}

void TestSyncPush::rejectedRowsStayPending()
{
    const Account account = newAccount(QStringLiteral("Half"));
    QVERIFY(device()->accounts->insert(account));
    const Transaction refused = newTransaction(account.id, QStringLiteral("Refused"), -5);
    QVERIFY(device()->transactions->insert(refused));
    const QString push = m_world->fake()->pushPath();
    const QJsonArray results{
        QJsonObject{{"entity_type", "account"}, {"entity_id", account.id}, {"status", "ok"}, {"server_id", "srv-a"}},
        QJsonObject{{"entity_type", "transaction"}, {"entity_id", refused.id}, {"status", "conflict"},
                    {"message", "stale"}},
        // A type the engine never sends counts as accepted and marks nothing.
        QJsonObject{{"entity_type", "budget"}, {"entity_id", account.id}, {"status", "ok"}},
    };
    m_world->http()->injectFault("POST", push, FakeFault::respond(FakeResponse::json(200, {{"results", results}})), 1);
    QTest::ignoreMessage(QtWarningMsg, qPrintable(QStringLiteral("Push result not ok — leaving record pending: "
                                                                 "transaction %1 status=conflict message=stale")
                                                      .arg(refused.id)));
    QTest::ignoreMessage(QtWarningMsg,
                         "Push batch: 2 ok, 1 errors — failed records remain pending for next sync");
    QVERIFY(device()->sync());
    QCOMPARE(device()->accounts->findById(account.id)->syncStatus, SyncStatus::Synced);
    QCOMPARE(device()->accounts->findById(account.id)->serverId, QStringLiteral("srv-a"));
    QCOMPARE(device()->transactions->findById(refused.id)->syncStatus, SyncStatus::Pending);

    // The next run sends it again.
    QVERIFY(device()->sync());
    QCOMPARE(lastPush().keys(), QList<QString>{refused.id});
    QCOMPARE(device()->pendingCount(), 0);
}

VELLUMRY_TEST_GUILESS_MAIN(TestSyncPush)
#include "tst_syncpush.moc"
