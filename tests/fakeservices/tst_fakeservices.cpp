#include "TestMain.h"

#include "FakeServices.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QSignalSpy>

// What the other tests rely on without seeing it: rotating refresh tokens,
// expiring tokens, the sync service's version rules, per-user cursors and the
// check that pushes never overlap.
class TestFakeServices : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void refreshTokensRotate();
    void accessTokensCarryClaimsAndExpire();
    void syncServiceKeepsVersions();
    void syncServiceCursorsBelongToTheirUser();
    void syncServiceCountsOverlappingPushes();
    void serverProgramPrintsItsPort();

private:
    // Sends the request and answers (status, JSON body) once it finished.
    std::pair<int, QJsonObject> fetch(const QByteArray& method, const QUrl& url, const QString& token = QString(),
                                      const QJsonObject& body = QJsonObject());
    QUrl url(const QString& path) const { return m_services->http()->url(path); }
    QUrl echo() const { return url(FakeServices::accountApiPath(FakeServices::echoPath())); }

    std::unique_ptr<FakeServices> m_services;
    std::unique_ptr<QNetworkAccessManager> m_network;
    qint64 m_now = 1'800'000'000;
    QString m_ada;
};

void TestFakeServices::init()
{
    m_services = std::make_unique<FakeServices>();
    QVERIFY(m_services->start());
    m_services->auth()->setClock([this] { return m_now; });
    m_ada = m_services->auth()->addUser(QStringLiteral("ada@example.test"));
    m_network = std::make_unique<QNetworkAccessManager>();
}

void TestFakeServices::cleanup()
{
    m_network.reset();
    m_services.reset();
}

std::pair<int, QJsonObject> TestFakeServices::fetch(const QByteArray& method, const QUrl& url, const QString& token,
                                                    const QJsonObject& body)
{
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray("application/json"));
    if (!token.isEmpty())
        request.setRawHeader("Authorization", "Bearer " + token.toUtf8());
    std::unique_ptr<QNetworkReply> reply(
        m_network->sendCustomRequest(request, method, body.isEmpty() ? QByteArray() : QJsonDocument(body).toJson()));
    QSignalSpy finished(reply.get(), &QNetworkReply::finished);
    if (!reply->isFinished() && !finished.wait(10000))
        qWarning("no answer from the fake services");
    return {reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
            QJsonDocument::fromJson(reply->readAll()).object()};
}

void TestFakeServices::refreshTokensRotate()
{
    const FakeAuthService::TokenPair first = m_services->auth()->signIn(m_ada);
    const QUrl refresh = url(m_services->auth()->tokenRefreshPath());
    const QJsonObject spent{{QStringLiteral("refresh_token"), first.refreshToken}};

    const auto [status, pair] = fetch("POST", refresh, QString(), spent);
    QCOMPARE(status, 200);
    const QString second = pair.value(QLatin1String("refresh_token")).toString();
    QVERIFY(!second.isEmpty() && second != first.refreshToken);
    QCOMPARE(fetch("POST", refresh, QString(), spent).first, 401);
    QCOMPARE(fetch("POST", refresh, QString(), QJsonObject{{QStringLiteral("refresh_token"), second}}).first, 200);
    QCOMPARE(m_services->auth()->refreshCount(), 2);
    QCOMPARE(fetch("GET", echo(), pair.value(QLatin1String("access_token")).toString()).first, 200);
}

void TestFakeServices::accessTokensCarryClaimsAndExpire()
{
    FakeAuthService* auth = m_services->auth();
    auth->setGroupClaims(m_ada, QStringLiteral("group-1"), QStringLiteral("owner"));
    auth->setAccessTokenLifetime(60);
    const QString token = auth->signIn(m_ada).accessToken;
    const QJsonObject payload = QJsonDocument::fromJson(QByteArray::fromBase64(
        token.section(QLatin1Char('.'), 1, 1).toLatin1(), QByteArray::Base64UrlEncoding)).object();
    QCOMPARE(payload.value(QLatin1String("sub")).toString(), m_ada);
    QCOMPARE(payload.value(QLatin1String("exp")).toInteger(), m_now + 60);
    QCOMPARE(payload.value(QLatin1String("custom")).toObject().value(QLatin1String("orv")).toObject(),
             (QJsonObject{{QStringLiteral("group_id"), QStringLiteral("group-1")},
                          {QStringLiteral("role"), QStringLiteral("owner")}}));

    QCOMPARE(fetch("GET", echo(), token).first, 200);
    m_now += 60;
    QCOMPARE(fetch("GET", echo(), token).first, 401);
    // A token the service never issued is refused, however well formed.
    const QString forged = FakeAuthService::unsignedToken(
        QJsonObject{{QStringLiteral("sub"), m_ada}, {QStringLiteral("exp"), m_now + 600}});
    QCOMPARE(fetch("GET", echo(), forged).first, 401);
}

namespace {

QJsonObject change(const QString& id, int version, const QString& payee)
{
    return QJsonObject{{QStringLiteral("entity_type"), QStringLiteral("transaction")},
                       {QStringLiteral("entity_id"), id},
                       {QStringLiteral("action"), QStringLiteral("upsert")},
                       {QStringLiteral("version"), version},
                       {QStringLiteral("payload"), QJsonObject{{QStringLiteral("server_id"), QStringLiteral("x")},
                                                               {QStringLiteral("payee"), payee}}}};
}

QJsonObject pushBody(const QJsonArray& changes)
{
    return QJsonObject{{QStringLiteral("changes"), changes}};
}

} // namespace

void TestFakeServices::syncServiceKeepsVersions()
{
    const QString token = m_services->auth()->signIn(m_ada).accessToken;
    const auto statuses = [&](const QJsonArray& changes) {
        QStringList list;
        for (const QJsonValue& result :
             fetch("POST", url(FakeSyncService::pushPath()), token, pushBody(changes)).second.value("results").toArray())
            list.append(result.toObject().value(QLatin1String("status")).toString());
        return list;
    };
    QCOMPARE(statuses({change("t", 1, "first")}), QStringList{"ok"});
    const QString serverId = m_services->sync()->row(m_ada, "transaction", "t")->serverId;
    // The same change again (its answer was lost) is taken without a change;
    // another change at that version is refused; a newer version is taken.
    QCOMPARE(statuses({change("t", 1, "first"), change("t", 1, "other"), change("t", 2, "second")}),
             QStringList({"ok", "conflict", "ok"}));
    const FakeSyncService::Row row = *m_services->sync()->row(m_ada, "transaction", "t");
    QCOMPARE(row.serverId, serverId);
    QCOMPARE(row.version, 2);
    QCOMPARE(row.payload, (QJsonObject{{QStringLiteral("payee"), QStringLiteral("second")}}));
    QCOMPARE(m_services->sync()->pushBatchSizes(), QList<int>({1, 3}));
}

void TestFakeServices::syncServiceCursorsBelongToTheirUser()
{
    const QString bob = m_services->auth()->addUser(QStringLiteral("bob@example.test"));
    FakeSyncService* sync = m_services->sync();
    sync->putRow(m_ada, "account", "a1", 1, QJsonObject{{"name", "One"}});
    sync->putRow(bob, "account", "b1", 1, QJsonObject{{"name", "Bob's"}});
    sync->putRow(m_ada, "transaction", "t1", 3, QJsonObject{{"payee", "Two"}}, true);
    const auto pull = [this](const QString& user, const QString& cursor) {
        QUrl pullUrl = url(FakeSyncService::pullPath());
        pullUrl.setQuery(QStringLiteral("limit=1&cursor=") + cursor);
        return fetch("GET", pullUrl, m_services->auth()->signIn(user).accessToken);
    };
    QJsonObject page = pull(m_ada, QString()).second;
    QCOMPARE(page.value("accounts").toArray().first().toObject().value("client_id").toString(), QStringLiteral("a1"));
    QCOMPARE(page.value("has_more").toBool(), true);
    page = pull(m_ada, page.value("cursor").toString()).second;
    const QJsonObject deleted = page.value("transactions").toArray().first().toObject();
    QCOMPARE(deleted.value("version").toInt(), 3);
    QCOMPARE(deleted.value("id").toString(), sync->row(m_ada, "transaction", "t1")->serverId);
    QCOMPARE(page.value("accounts").toArray().size(), 0);
    QCOMPARE(page.value("has_more").toBool(), false);

    // Ada's cursor means nothing for Bob, and neither does a made-up one.
    QCOMPARE(pull(bob, page.value("cursor").toString()).first, 400);
    QCOMPARE(pull(m_ada, QStringLiteral("c1")).first, 400);
    QCOMPARE(pull(bob, QString()).second.value("accounts").toArray().first().toObject().value("name").toString(),
             QStringLiteral("Bob's"));
}

void TestFakeServices::syncServiceCountsOverlappingPushes()
{
    const QString token = m_services->auth()->signIn(m_ada).accessToken;
    m_services->sync()->setPushReplyDelay(100);
    QCOMPARE(fetch("POST", url(FakeSyncService::pushPath()), token, pushBody({change("t", 1, "one")})).first, 200);
    QCOMPARE(m_services->sync()->overlappingPushCount(), 0);

    // Two at once: the second arrives while the first is unanswered.
    QNetworkRequest request(url(FakeSyncService::pushPath()));
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray("application/json"));
    request.setRawHeader("Authorization", "Bearer " + token.toUtf8());
    std::unique_ptr<QNetworkReply> first(m_network->post(request, QJsonDocument(pushBody({change("u", 1, "")})).toJson()));
    std::unique_ptr<QNetworkReply> second(m_network->post(request, QJsonDocument(pushBody({change("v", 1, "")})).toJson()));
    QTRY_VERIFY(first->isFinished() && second->isFinished());
    QCOMPARE(m_services->sync()->overlappingPushCount(), 1);
}

void TestFakeServices::serverProgramPrintsItsPort()
{
    QProcess server;
    server.start(QStringLiteral(VELLUMRY_FAKESERVICES_SERVER), QStringList());
    QVERIFY(server.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(server.canReadLine(), 10000);
    QUrl url(QStringLiteral("http://127.0.0.1/account/echo"));
    url.setPort(server.readLine().trimmed().toInt());
    QCOMPARE(fetch("GET", url).first, 401);
    server.kill();
    QVERIFY(server.waitForFinished());
}

VELLUMRY_TEST_GUILESS_MAIN(TestFakeServices)

#include "tst_fakeservices.moc"
