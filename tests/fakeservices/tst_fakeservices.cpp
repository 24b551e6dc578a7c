#include "TestMain.h"

#include "FakeBrowser.h"
#include "FakeServices.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QSignalSpy>
#include <QUrlQuery>

namespace {

struct Answer
{
    int status = 0;
    QNetworkReply::NetworkError error = QNetworkReply::NoError;
    QByteArray body;
    QJsonObject json() const { return QJsonDocument::fromJson(body).object(); }
};

Answer fetch(QNetworkAccessManager& network, const QByteArray& method, const QUrl& url,
             const QByteArray& token = QByteArray(), const QByteArray& body = QByteArray(), int timeoutMs = 0)
{
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray("application/json"));
    if (!token.isEmpty())
        request.setRawHeader("Authorization", "Bearer " + token);
    if (timeoutMs > 0)
        request.setTransferTimeout(timeoutMs);
    QNetworkReply* reply = network.sendCustomRequest(request, method, body);
    QSignalSpy finished(reply, &QNetworkReply::finished);
    if (!reply->isFinished() && !finished.wait(10000))
        qWarning("no answer from the fake services");
    Answer answer;
    answer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    answer.error = reply->error();
    if (reply->isOpen())
        answer.body = reply->readAll();
    reply->deleteLater();
    return answer;
}

QByteArray refreshBody(const QString& refreshToken)
{
    return QJsonDocument(QJsonObject{{QStringLiteral("refresh_token"), refreshToken}}).toJson();
}

QJsonObject payloadOf(const QString& token)
{
    return QJsonDocument::fromJson(QByteArray::fromBase64(token.section(QLatin1Char('.'), 1, 1).toLatin1(),
                                                          QByteArray::Base64UrlEncoding))
        .object();
}

} // namespace

class TestFakeServices : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void routesRecordAndRefuse();
    void placeholdersCaptureDecodedSegments();
    void refreshTokensRotate();
    void accessTokensCarryClaimsAndExpire();
    void faultsRespondThenExpire();
    void faultsBreakTheConnection();
    void delayedAnswerKeepsTheConnectionUsable();
    void serverProgramPrintsItsPort();
    void signInPageRedirectsOnlyToTheLoopback();
    void logoutEndsTheSession();
    void syncServiceKeepsVersions();
    void syncServiceCursorsBelongToTheirUser();
    void syncServiceCountsOverlappingPushes();

private:
    std::unique_ptr<FakeServices> m_services;
    std::unique_ptr<QNetworkAccessManager> m_network;
    qint64 m_now = 1'800'000'000;
};

void TestFakeServices::init()
{
    m_services = std::make_unique<FakeServices>();
    QVERIFY(m_services->start());
    m_services->auth()->setClock([this] { return m_now; });
    m_network = std::make_unique<QNetworkAccessManager>();
}

void TestFakeServices::cleanup()
{
    m_network.reset();
    m_services.reset();
}

void TestFakeServices::routesRecordAndRefuse()
{
    const QUrl echo = m_services->http()->url(FakeServices::accountApiPath(FakeServices::echoPath()));
    Answer answer = fetch(*m_network, "GET", echo);
    QCOMPARE(answer.status, 401);
    QCOMPARE(answer.json().value(QLatin1String("error")).toString(), QStringLiteral("unauthorized"));

    answer = fetch(*m_network, "GET", m_services->http()->url(QStringLiteral("/nowhere")));
    QCOMPARE(answer.status, 404);
    answer = fetch(*m_network, "GET", m_services->http()->url(m_services->auth()->tokenRefreshPath()));
    QCOMPARE(answer.status, 405);

    const QList<FakeRequest> requests = m_services->http()->requests();
    QCOMPARE(requests.size(), 3);
    QCOMPARE(requests.at(0).method, QByteArray("GET"));
    QCOMPARE(requests.at(0).path, QStringLiteral("/account/echo"));
    QCOMPARE(requests.at(0).route, QStringLiteral("/account/echo"));
    QCOMPARE(requests.at(0).header("content-type"), QByteArray("application/json"));
    QCOMPARE(requests.at(1).route, QString());
    QCOMPARE(m_services->http()->requestsTo(QStringLiteral("/nowhere")).size(), 1);
}

void TestFakeServices::placeholdersCaptureDecodedSegments()
{
    const QString userId = m_services->auth()->addUser(QStringLiteral("ada@example.test"));
    const QString token = m_services->auth()->signIn(userId).accessToken;
    QUrl url = m_services->http()->url();
    url.setPath(QStringLiteral("/account/echo/a%2Fb%20c"), QUrl::StrictMode);
    url.setQuery(QStringLiteral("cursor=x%26y"));

    const Answer answer = fetch(*m_network, "DELETE", url, token.toUtf8());
    QCOMPARE(answer.status, 200);
    QCOMPARE(answer.json().value(QLatin1String("id")).toString(), QStringLiteral("a/b c"));
    QCOMPARE(answer.json().value(QLatin1String("method")).toString(), QStringLiteral("DELETE"));
    QCOMPARE(answer.json().value(QLatin1String("user_id")).toString(), userId);

    const FakeRequest recorded = m_services->http()->requests().constLast();
    QCOMPARE(recorded.rawPath, QByteArray("/account/echo/a%2Fb%20c"));
    QCOMPARE(recorded.route, QStringLiteral("/account/echo/{id}"));
    QCOMPARE(recorded.query.queryItemValue(QStringLiteral("cursor"), QUrl::FullyDecoded), QStringLiteral("x&y"));
}

void TestFakeServices::refreshTokensRotate()
{
    const QString userId = m_services->auth()->addUser(QStringLiteral("ada@example.test"));
    const FakeAuthService::TokenPair first = m_services->auth()->signIn(userId);
    const QUrl refreshUrl = m_services->http()->url(m_services->auth()->tokenRefreshPath());

    Answer answer = fetch(*m_network, "POST", refreshUrl, QByteArray(), refreshBody(first.refreshToken));
    QCOMPARE(answer.status, 200);
    const QString secondRefresh = answer.json().value(QLatin1String("refresh_token")).toString();
    const QString secondAccess = answer.json().value(QLatin1String("access_token")).toString();
    QVERIFY(!secondRefresh.isEmpty());
    QVERIFY(secondRefresh != first.refreshToken);
    QVERIFY(!m_services->auth()->isRefreshTokenLive(first.refreshToken));

    answer = fetch(*m_network, "POST", refreshUrl, QByteArray(), refreshBody(first.refreshToken));
    QCOMPARE(answer.status, 401);
    QCOMPARE(answer.json().value(QLatin1String("error")).toString(), QStringLiteral("invalid_grant"));
    answer = fetch(*m_network, "POST", refreshUrl, QByteArray(), QByteArray("{}"));
    QCOMPARE(answer.status, 400);

    answer = fetch(*m_network, "POST", refreshUrl, QByteArray(), refreshBody(secondRefresh));
    QCOMPARE(answer.status, 200);
    QCOMPARE(m_services->auth()->refreshCount(), 2);

    // The access token from the first rotation is still good until it expires.
    const QUrl echo = m_services->http()->url(FakeServices::accountApiPath(FakeServices::echoPath()));
    QCOMPARE(fetch(*m_network, "GET", echo, secondAccess.toUtf8()).status, 200);
}

void TestFakeServices::accessTokensCarryClaimsAndExpire()
{
    FakeAuthService* auth = m_services->auth();
    const QString userId = auth->addUser(QStringLiteral("ada@example.test"));
    auth->setGroupClaims(userId, QStringLiteral("group-1"), QStringLiteral("owner"));
    auth->setAccessTokenLifetime(60);
    const QString token = auth->signIn(userId).accessToken;

    QCOMPARE(token.count(QLatin1Char('.')), 2);
    const QJsonObject payload = payloadOf(token);
    QCOMPARE(payload.value(QLatin1String("sub")).toString(), userId);
    QCOMPARE(payload.value(QLatin1String("exp")).toInteger(), m_now + 60);
    const QJsonObject orv = payload.value(QLatin1String("custom")).toObject().value(QLatin1String("orv")).toObject();
    QCOMPARE(orv.value(QLatin1String("group_id")).toString(), QStringLiteral("group-1"));
    QCOMPARE(orv.value(QLatin1String("role")).toString(), QStringLiteral("owner"));

    const QUrl echo = m_services->http()->url(FakeServices::accountApiPath(FakeServices::echoPath()));
    QCOMPARE(fetch(*m_network, "GET", echo, token.toUtf8()).status, 200);
    m_now += 60;
    QCOMPARE(fetch(*m_network, "GET", echo, token.toUtf8()).status, 401);

    // A token the service never issued is refused, however well formed.
    const QString forged = FakeAuthService::unsignedToken(
        QJsonObject{{QStringLiteral("sub"), userId}, {QStringLiteral("exp"), m_now + 600}});
    QCOMPARE(fetch(*m_network, "GET", echo, forged.toUtf8()).status, 401);

    const QString fresh = auth->signIn(userId).accessToken;
    auth->revokeAccessTokens(userId);
    QCOMPARE(fetch(*m_network, "GET", echo, fresh.toUtf8()).status, 401);
}

void TestFakeServices::faultsRespondThenExpire()
{
    FakeHttpServer* http = m_services->http();
    const QString refreshPath = m_services->auth()->tokenRefreshPath();
    const QUrl refreshUrl = http->url(refreshPath);
    const QJsonObject busy{{QStringLiteral("error"), QStringLiteral("busy")}};
    http->injectFault("POST", refreshPath, FakeFault::status(503, busy), 1);
    http->injectFault("POST", refreshPath, FakeFault::notJson(), 1);

    Answer answer = fetch(*m_network, "POST", refreshUrl, QByteArray(), QByteArray("{}"));
    QCOMPARE(answer.status, 503);
    QCOMPARE(answer.json().value(QLatin1String("error")).toString(), QStringLiteral("busy"));
    answer = fetch(*m_network, "POST", refreshUrl, QByteArray(), QByteArray("{}"));
    QCOMPARE(answer.status, 200);
    QVERIFY(QJsonDocument::fromJson(answer.body).isNull());
    answer = fetch(*m_network, "POST", refreshUrl, QByteArray(), QByteArray("{}"));
    QCOMPARE(answer.status, 400);

    // A fault on a path no route has still applies to that path.
    http->injectFault("GET", QStringLiteral("/updates/latest.json"), FakeFault::respond(
        FakeResponse::jsonArray(200, QJsonArray{1, 2})));
    answer = fetch(*m_network, "GET", http->url(QStringLiteral("/updates/latest.json")));
    QCOMPARE(answer.status, 200);
    QCOMPARE(answer.body, QByteArray("[1,2]"));
    http->clearFaults();
    QCOMPARE(fetch(*m_network, "GET", http->url(QStringLiteral("/updates/latest.json"))).status, 404);
}

void TestFakeServices::faultsBreakTheConnection()
{
    FakeHttpServer* http = m_services->http();
    const QString echoPath = FakeServices::accountApiPath(FakeServices::echoPath());
    const QUrl echo = http->url(echoPath);

    http->injectFault("*", echoPath, FakeFault::drop());
    Answer answer = fetch(*m_network, "GET", echo);
    QCOMPARE(answer.status, 0);
    QCOMPARE(answer.error, QNetworkReply::RemoteHostClosedError);

    http->clearFaults();
    http->injectFault("*", echoPath, FakeFault::hang(), 1);
    answer = fetch(*m_network, "GET", echo, QByteArray(), QByteArray(), 200);
    QCOMPARE(answer.status, 0);
    QCOMPARE(answer.error, QNetworkReply::OperationCanceledError);

    // Truncated: the status line and headers arrive, the body never ends.
    const QString userId = m_services->auth()->addUser(QStringLiteral("ada@example.test"));
    const QByteArray token = m_services->auth()->signIn(userId).accessToken.toUtf8();
    http->injectFault("*", echoPath, FakeFault::truncate(), 1);
    answer = fetch(*m_network, "GET", echo, token, QByteArray(), 300);
    QCOMPARE(answer.status, 200);
    QCOMPARE(answer.error, QNetworkReply::OperationCanceledError);
}

void TestFakeServices::delayedAnswerKeepsTheConnectionUsable()
{
    FakeHttpServer* http = m_services->http();
    const QString echoPath = FakeServices::accountApiPath(FakeServices::echoPath());
    http->injectFault("GET", echoPath, FakeFault::delay(50), 1);
    QCOMPARE(fetch(*m_network, "GET", http->url(echoPath)).status, 401);
    // Later requests reuse the kept-alive connection.
    for (int i = 0; i < 3; ++i)
        QCOMPARE(fetch(*m_network, "POST", http->url(echoPath), QByteArray(), QByteArray("{\"n\":1}")).status, 401);
    QCOMPARE(http->requestsTo(echoPath).size(), 4);
    QCOMPARE(http->requests().constLast().body, QByteArray("{\"n\":1}"));
    QCOMPARE(http->connectionCount(), 1);
}

void TestFakeServices::serverProgramPrintsItsPort()
{
    QProcess server;
    server.start(QStringLiteral(VELLUMRY_FAKESERVICES_SERVER), QStringList());
    QVERIFY(server.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(server.canReadLine(), 10000);
    bool ok = false;
    const quint16 port = server.readLine().trimmed().toUShort(&ok);
    QVERIFY(ok);
    QVERIFY(port > 0);

    QUrl url(QStringLiteral("http://127.0.0.1/account/echo"));
    url.setPort(port);
    QCOMPARE(fetch(*m_network, "GET", url).status, 401);

    server.kill();
    QVERIFY(server.waitForFinished());
}

void TestFakeServices::signInPageRedirectsOnlyToTheLoopback()
{
    FakeAuthService* auth = m_services->auth();
    const QString userId = auth->addUser(QStringLiteral("ada@example.test"));
    FakeBrowser browser;
    const auto visit = [&](const QString& clientId, const QString& redirectUri) {
        QUrl url = m_services->loginPageUrl();
        QUrlQuery query;
        query.addQueryItem(QStringLiteral("client_id"), clientId);
        query.addQueryItem(QStringLiteral("redirect_uri"), QString::fromLatin1(QUrl::toPercentEncoding(redirectUri)));
        query.addQueryItem(QStringLiteral("state"), QStringLiteral("s-1"));
        url.setQuery(query);
        const qsizetype before = browser.pages().size();
        browser.load(url);
        if (!QTest::qWaitFor([&] { return browser.pages().size() > before; }, 5000))
            qWarning("the sign-in page never answered");
        return browser.pages().value(before);
    };
    // Port 1 on the loopback: nobody listens, so the redirect is not followed far.
    const QString loopback = QStringLiteral("http://localhost:1/callback");

    QCOMPARE(visit(QStringLiteral("someone-else"), loopback).status, 400);
    QCOMPARE(visit(auth->clientId(), QStringLiteral("http://evil.example.test:1/callback")).status, 400);
    QCOMPARE(visit(auth->clientId(), QStringLiteral("http://localhost:1/elsewhere")).status, 400);
    // Nobody signed in to the browser: the page waits for the user.
    FakeBrowser::Page page = visit(auth->clientId(), loopback);
    QCOMPARE(page.status, 200);
    QVERIFY(page.body.contains("Sign in to continue"));
    QVERIFY(auth->sessions(userId).isEmpty());

    auth->setBrowserUser(userId);
    page = visit(auth->clientId(), loopback);
    QCOMPARE(page.status, 302);
    const QUrl location = QUrl::fromEncoded(page.location);
    QCOMPARE(location.adjusted(QUrl::RemoveQuery), QUrl(loopback));
    const QUrlQuery tokens(location);
    QCOMPARE(tokens.queryItemValue(QStringLiteral("state")), QStringLiteral("s-1"));
    QCOMPARE(payloadOf(tokens.queryItemValue(QStringLiteral("access_token"))).value(QLatin1String("sub")).toString(),
             userId);
    QVERIFY(auth->isRefreshTokenLive(tokens.queryItemValue(QStringLiteral("refresh_token"))));
    QCOMPARE(auth->sessions(userId).size(), 1);
    QCOMPARE(auth->sessions(userId).constFirst().userAgent, QStringLiteral("FakeBrowser/1.0"));
    // The browser went on to the loopback, where nothing answered.
    QTRY_COMPARE(browser.pages().constLast().url, location);
    QCOMPARE(browser.pages().constLast().status, 0);

    auth->setTokenDelivery(FakeAuthService::TokenDelivery::Fragment);
    const QUrl fragmentLocation = QUrl::fromEncoded(visit(auth->clientId(), loopback).location);
    QVERIFY(!fragmentLocation.hasQuery());
    QCOMPARE(QUrlQuery(fragmentLocation.fragment()).queryItemValue(QStringLiteral("state")), QStringLiteral("s-1"));
}

void TestFakeServices::logoutEndsTheSession()
{
    FakeAuthService* auth = m_services->auth();
    const QString userId = auth->addUser(QStringLiteral("ada@example.test"));
    const FakeAuthService::TokenPair kept = auth->signIn(userId);
    const FakeAuthService::TokenPair ended = auth->signIn(userId);
    const QUrl logout = m_services->http()->url(auth->apiPath(QStringLiteral("/auth/logout")));

    QCOMPARE(fetch(*m_network, "POST", logout).status, 401);
    QCOMPARE(fetch(*m_network, "POST", logout, ended.accessToken.toUtf8()).status, 204);
    QVERIFY(!auth->isRefreshTokenLive(ended.refreshToken));
    QVERIFY(auth->isRefreshTokenLive(kept.refreshToken));
    const QUrl echo = m_services->http()->url(FakeServices::accountApiPath(FakeServices::echoPath()));
    QCOMPARE(fetch(*m_network, "GET", echo, ended.accessToken.toUtf8()).status, 401);
    QCOMPARE(fetch(*m_network, "GET", echo, kept.accessToken.toUtf8()).status, 200);
    QCOMPARE(auth->sessions(userId).size(), 1);
}

namespace {

QJsonObject change(const QString& id, int version, const QString& payee, const QString& action = QStringLiteral("upsert"))
{
    return QJsonObject{{QStringLiteral("entity_type"), QStringLiteral("transaction")},
                       {QStringLiteral("entity_id"), id},
                       {QStringLiteral("action"), action},
                       {QStringLiteral("version"), version},
                       {QStringLiteral("payload"), QJsonObject{{QStringLiteral("client_id"), id},
                                                               {QStringLiteral("server_id"), QStringLiteral("ignored")},
                                                               {QStringLiteral("payee"), payee}}}};
}

QByteArray pushBody(const QJsonArray& changes)
{
    return QJsonDocument(QJsonObject{{QStringLiteral("changes"), changes}}).toJson();
}

} // namespace

void TestFakeServices::syncServiceKeepsVersions()
{
    const QString userId = m_services->auth()->addUser(QStringLiteral("ada@example.test"));
    const QByteArray token = m_services->auth()->signIn(userId).accessToken.toUtf8();
    const QUrl push = m_services->http()->url(m_services->sync()->pushPath());
    const auto statuses = [](const Answer& answer) {
        QStringList list;
        for (const QJsonValue& result : answer.json().value(QLatin1String("results")).toArray())
            list.append(result.toObject().value(QLatin1String("status")).toString());
        return list;
    };

    Answer answer = fetch(*m_network, "POST", push, token, pushBody({change("t", 1, "first")}));
    QCOMPARE(statuses(answer), QStringList{"ok"});
    const QString serverId = answer.json().value("results").toArray().first().toObject().value("server_id").toString();
    QVERIFY(!serverId.isEmpty());

    // The same change again (its answer was lost) is taken without a change;
    // another change at that version is refused; a newer version is taken.
    answer = fetch(*m_network, "POST", push, token,
                   pushBody({change("t", 1, "first"), change("t", 1, "other"), change("t", 2, "second"),
                             QJsonObject{{QStringLiteral("entity_type"), QStringLiteral("budget")}}}));
    QCOMPARE(statuses(answer), QStringList({"ok", "conflict", "ok", "invalid"}));
    const FakeSyncService::Row row = *m_services->sync()->row(userId, QStringLiteral("transaction"), QStringLiteral("t"));
    QCOMPARE(row.serverId, serverId);
    QCOMPARE(row.version, 2);
    QCOMPARE(row.payload.value(QLatin1String("payee")).toString(), QStringLiteral("second"));
    QVERIFY(!row.payload.contains(QLatin1String("server_id")));
    QCOMPARE(m_services->sync()->pushBatchSizes(), QList<int>({1, 4}));

    QCOMPARE(fetch(*m_network, "POST", push, QByteArray(), pushBody({})).status, 401);
    QCOMPARE(fetch(*m_network, "POST", push, token, QByteArray("[]")).status, 400);
}

void TestFakeServices::syncServiceCursorsBelongToTheirUser()
{
    const QString ada = m_services->auth()->addUser(QStringLiteral("ada@example.test"));
    const QString bob = m_services->auth()->addUser(QStringLiteral("bob@example.test"));
    const QByteArray adaToken = m_services->auth()->signIn(ada).accessToken.toUtf8();
    const QByteArray bobToken = m_services->auth()->signIn(bob).accessToken.toUtf8();
    FakeSyncService* sync = m_services->sync();
    sync->putRow(ada, QStringLiteral("account"), QStringLiteral("a1"), 1, QJsonObject{{"name", "One"}});
    sync->putRow(ada, QStringLiteral("transaction"), QStringLiteral("t1"), 3,
                 QJsonObject{{"payee", "Two"}, {"server_id", "dropped"}, {"deleted_at", "2024-03-05T00:00:00Z"}}, true);
    sync->putRow(bob, QStringLiteral("account"), QStringLiteral("b1"), 1, QJsonObject{{"name", "Bob's"}});

    const auto pullUrl = [this](const QString& cursor) {
        QUrl url = m_services->http()->url(m_services->sync()->pullPath());
        QUrlQuery query;
        if (!cursor.isEmpty())
            query.addQueryItem(QStringLiteral("cursor"), cursor);
        query.addQueryItem(QStringLiteral("limit"), QStringLiteral("1"));
        url.setQuery(query);
        return url;
    };
    QJsonObject page = fetch(*m_network, "GET", pullUrl(QString()), adaToken).json();
    QCOMPARE(page.value("accounts").toArray().size(), 1);
    QCOMPARE(page.value("transactions").toArray().size(), 0);
    QCOMPARE(page.value("has_more").toBool(), true);
    QCOMPARE(page.value("accounts").toArray().first().toObject().value("client_id").toString(), QStringLiteral("a1"));

    page = fetch(*m_network, "GET", pullUrl(page.value("cursor").toString()), adaToken).json();
    const QJsonObject deleted = page.value("transactions").toArray().first().toObject();
    QCOMPARE(deleted.value("version").toInt(), 3);
    QCOMPARE(deleted.value("deleted_at").toString(), QStringLiteral("2024-03-05T00:00:00Z"));
    QVERIFY(!deleted.contains(QLatin1String("server_id")));
    QCOMPARE(deleted.value("id").toString(), sync->row(ada, "transaction", "t1")->serverId);
    QCOMPARE(page.value("has_more").toBool(), false);
    QCOMPARE(page.value("integrity").toObject().value("category_count").toInt(), 0);

    // Ada's cursor means nothing for Bob, and neither does a made-up one.
    QCOMPARE(fetch(*m_network, "GET", pullUrl(page.value("cursor").toString()), bobToken).status, 400);
    QCOMPARE(fetch(*m_network, "GET", pullUrl(QStringLiteral("c1")), adaToken).status, 400);
    page = fetch(*m_network, "GET", pullUrl(QString()), bobToken).json();
    QCOMPARE(page.value("accounts").toArray().first().toObject().value("name").toString(), QStringLiteral("Bob's"));
}

void TestFakeServices::syncServiceCountsOverlappingPushes()
{
    const QString userId = m_services->auth()->addUser(QStringLiteral("ada@example.test"));
    const QByteArray token = m_services->auth()->signIn(userId).accessToken.toUtf8();
    m_services->sync()->setPushReplyDelay(100);
    QCOMPARE(fetch(*m_network, "POST", m_services->http()->url(m_services->sync()->pushPath()), token,
                   pushBody({change("t", 1, "one")}))
                 .status,
             200);
    QCOMPARE(m_services->sync()->overlappingPushCount(), 0);

    // Two at once: the second arrives while the first is unanswered.
    QNetworkRequest request(m_services->http()->url(m_services->sync()->pushPath()));
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray("application/json"));
    request.setRawHeader("Authorization", "Bearer " + token);
    std::unique_ptr<QNetworkReply> first(m_network->post(request, pushBody({change("u", 1, "two")})));
    std::unique_ptr<QNetworkReply> second(m_network->post(request, pushBody({change("v", 1, "three")})));
    QTRY_VERIFY(first->isFinished() && second->isFinished());
    QCOMPARE(m_services->sync()->overlappingPushCount(), 1);
}

VELLUMRY_TEST_GUILESS_MAIN(TestFakeServices)

#include "tst_fakeservices.moc"
