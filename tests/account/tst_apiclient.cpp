#include "TestMain.h"

#include "FakeServices.h"
#include "account/ApiClient.h"
#include "account/DeviceIdentity.h"
#include "account/EpochClock.h"
#include "account/MemoryTokenStore.h"
#include "account/TokenManager.h"

#include <QSignalSpy>
#include <QSslSocket>

using OrvaAccount::ApiClient;
using OrvaAccount::EpochClock;
using OrvaAccount::MemoryTokenStore;
using OrvaAccount::TokenManager;
using OrvaAccount::TokenStore;

namespace {

struct Outcome
{
    bool called = false;
    bool ok = false;
    int status = -1;
    QJsonObject body;
    QByteArray bytes;
};

ApiClient::JsonCallback capture(Outcome& outcome)
{
    return [&outcome](bool ok, int status, const QJsonObject& body) { outcome = Outcome{true, ok, status, body, {}}; };
}

ApiClient::BinaryCallback captureBytes(Outcome& outcome)
{
    return [&outcome](bool ok, int status, const QByteArray& bytes) { outcome = Outcome{true, ok, status, {}, bytes}; };
}

const QString Echo = FakeServices::echoPath();

} // namespace

class TestApiClient : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void headers();
    void expiringTokenIsRefreshedFirst();
    void unauthorizedIsRetriedOnceAfterARefresh();
    void refreshFailingBeforeTheRequest_data();
    void refreshFailingBeforeTheRequest();
    void replyBodies_data();
    void replyBodies();
    void transportFailures_data();
    void transportFailures();
    void hungRefreshDoesNotHoldLaterCallers();
    void signOutDuringRefreshSendsNothing();
    void pathArgumentsStayInTheirSegment();
    void unsafePathsAreNotSent_data();
    void unsafePathsAreNotSent();
    void redirectsToAnotherOriginAreNotFollowed();
    void certificateErrorsAreNotIgnored();
    void binaryReplies();

private:
    // Signed in with a pair the fake issued; with `lifetime` 20 s the next
    // authenticated request refreshes first.
    void signIn(int lifetime = FakeAuthService::DefaultAccessTokenLifetimeSeconds);
    // Waits for the outcome of a request the call sends.
    template<typename Call>
    Outcome await(Call call, Outcome outcome = Outcome());
    Outcome getEcho()
    {
        return await([this](Outcome& o) { m_api->get(Echo, capture(o)); });
    }
    FakeHttpServer* http() const { return m_services->http(); }
    QString echoRoute() const { return FakeServices::accountApiPath(Echo); }
    QString refreshRoute() const { return m_services->auth()->tokenRefreshPath(); }
    int requestsTo(const QString& route) const { return int(http()->requestsTo(route).size()); }

    std::unique_ptr<FakeServices> m_services;
    std::unique_ptr<TokenManager> m_tokens;
    MemoryTokenStore* m_store = nullptr;
    ApiClient* m_authApi = nullptr;
    ApiClient* m_api = nullptr;
    QString m_userId;
    int m_refreshAnswers = 0;
};

template<typename Call>
Outcome TestApiClient::await(Call call, Outcome outcome)
{
    call(outcome);
    if (!QTest::qWaitFor([&outcome] { return outcome.called; }, 5000))
        qWarning("the request was never answered");
    return outcome;
}

void TestApiClient::init()
{
    EpochClock::setFixedNowSeconds(1'800'000'000);
    m_services = std::make_unique<FakeServices>();
    QVERIFY(m_services->start());
    m_services->auth()->setClock([] { return EpochClock::nowSeconds(); });
    m_userId = m_services->auth()->addUser(QStringLiteral("ada@example.test"), QStringLiteral("Ada"));

    auto store = std::make_unique<MemoryTokenStore>();
    m_store = store.get();
    m_tokens = std::make_unique<TokenManager>(std::move(store));
    m_authApi = new ApiClient(m_tokens.get(), m_tokens.get());
    m_authApi->setBaseUrl(m_services->authApiUrl());
    m_api = new ApiClient(m_tokens.get(), m_tokens.get());
    m_api->setBaseUrl(m_services->accountApiUrl());
    for (ApiClient* client : {m_authApi, m_api})
        client->setClientInfo(QStringLiteral("com.orvalenworks.vellumry"), QStringLiteral("1.1.10"),
                              QStringLiteral("linux"));

    // The refresh as the authentication client performs it: 4xx rejects the
    // refresh token, anything else is passing.
    m_refreshAnswers = 0;
    m_tokens->setRefresher([this](const QString& refreshToken, TokenManager::SuccessContinuation succeed,
                                  TokenManager::FailureContinuation fail) {
        m_authApi->postUnauthenticated(
            QStringLiteral("/auth/token/refresh"), QJsonObject{{QStringLiteral("refresh_token"), refreshToken}},
            [this, succeed, fail](bool ok, int status, const QJsonObject& body) {
                ++m_refreshAnswers;
                if (ok)
                    succeed(body.value(QLatin1String("access_token")).toString(),
                            body.value(QLatin1String("refresh_token")).toString());
                else
                    fail(status >= 400 && status <= 499);
            });
    });
}

void TestApiClient::cleanup()
{
    m_tokens.reset();
    m_services.reset();
    EpochClock::reset();
}

void TestApiClient::signIn(int lifetime)
{
    m_services->auth()->setAccessTokenLifetime(lifetime);
    const FakeAuthService::TokenPair pair = m_services->auth()->signIn(m_userId);
    m_services->auth()->setAccessTokenLifetime(FakeAuthService::DefaultAccessTokenLifetimeSeconds);
    m_tokens->setTokens(pair.accessToken, pair.refreshToken);
}

void TestApiClient::headers()
{
    // Without tokens nothing is refreshed or attached.
    QSignalSpy authenticationRequired(m_api, &ApiClient::authenticationRequired);
    Outcome outcome = getEcho();
    QCOMPARE(outcome.status, 401);
    QCOMPARE(authenticationRequired.count(), 1);
    FakeRequest request = http()->requests().constLast();
    QCOMPARE(request.header("x-app-id"), QByteArray("com.orvalenworks.vellumry"));
    QCOMPARE(request.header("x-app-version"), QByteArray("1.1.10"));
    QCOMPARE(request.header("x-platform"), QByteArray("linux"));
    QCOMPARE(request.header("accept"), QByteArray("application/json"));
    QCOMPARE(request.header("content-type"), QByteArray("application/json"));
    for (const char* header : {"authorization", "x-device-fingerprint", "x-device-name"})
        QVERIFY2(!request.hasHeader(header), header);

    // An unauthenticated request carries no token even when there is one, and its 401 is final.
    signIn();
    outcome = await([this](Outcome& o) { m_api->getUnauthenticated(Echo, capture(o)); });
    QCOMPARE(outcome.status, 401);
    QVERIFY(!http()->requests().constLast().hasHeader("authorization"));
    QCOMPARE(http()->requestCount(), 2);

    // An authenticated one carries the bearer and the device; a base URL's
    // trailing slash changes nothing.
    QUrl base = m_services->accountApiUrl();
    base.setPath(base.path() + QLatin1Char('/'));
    m_api->setBaseUrl(base);
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("since"), QStringLiteral("a b&c"));
    outcome = await([&](Outcome& o) { m_api->get(Echo, capture(o), query); });
    QCOMPARE(outcome.ok, true);
    QCOMPARE(outcome.body.value(QLatin1String("user_id")).toString(), m_userId);
    request = http()->requests().constLast();
    QCOMPARE(request.rawPath, QByteArray("/account/echo"));
    QCOMPARE(request.query.queryItemValue(QStringLiteral("since"), QUrl::FullyDecoded), QStringLiteral("a b&c"));
    QCOMPARE(request.bearerToken(), m_tokens->validAccessToken());
    QCOMPARE(request.header("x-device-fingerprint"), OrvaAccount::currentDeviceFingerprint().toUtf8());
    QCOMPARE(QUrl::fromPercentEncoding(request.header("x-device-name")), OrvaAccount::currentDeviceName());
    // The device name is percent-encoded, line breaks and all.
    QCOMPARE(ApiClient::deviceNameHeaderValue(QStringLiteral("Büro pc-1.home_2~")), QByteArray("B%C3%BCro%20pc-1.home_2~"));
    QCOMPARE(ApiClient::deviceNameHeaderValue(QStringLiteral("a\r\nX-Evil: 1")), QByteArray("a%0D%0AX-Evil%3A%201"));
}

void TestApiClient::expiringTokenIsRefreshedFirst()
{
    signIn(20);
    const QString oldRefresh = m_tokens->refreshToken();
    http()->injectFault("POST", refreshRoute(), FakeFault::delay(100), 1);
    Outcome first;
    Outcome second;
    m_api->post(Echo, QJsonObject{{QStringLiteral("n"), 1}}, capture(first));
    m_api->get(Echo, capture(second));
    QVERIFY(m_tokens->isRefreshing());
    QTRY_VERIFY(first.called && second.called);
    QCOMPARE(first.status, 200);
    QCOMPARE(second.status, 200);

    // One refresh for both (with rotating refresh tokens a second one would
    // have been refused), sent without a bearer; then both with the new token.
    const QList<FakeRequest> refreshes = http()->requestsTo(refreshRoute());
    QCOMPARE(refreshes.size(), 1);
    QCOMPARE(refreshes.at(0).jsonBody().value(QLatin1String("refresh_token")).toString(), oldRefresh);
    QVERIFY(!refreshes.at(0).hasHeader("authorization"));
    const QList<FakeRequest> echoes = http()->requestsTo(echoRoute());
    QCOMPARE(echoes.size(), 2);
    QVERIFY(!m_tokens->validAccessToken().isEmpty());
    for (const FakeRequest& echo : echoes) {
        QCOMPARE(echo.bearerToken(), m_tokens->validAccessToken());
        QCOMPARE(echo.body, echo.method == "POST" ? QByteArray(R"({"n":1})") : QByteArray());
    }
    QCOMPARE(http()->requests().constFirst().route, refreshRoute());
    QCOMPARE(m_store->read(TokenStore::refreshTokenKey()), std::optional<QString>(m_tokens->refreshToken()));
    QVERIFY(m_tokens->refreshToken() != oldRefresh);
}

void TestApiClient::unauthorizedIsRetriedOnceAfterARefresh()
{
    signIn();
    const QString revoked = m_tokens->validAccessToken();
    m_services->auth()->revokeAccessTokens(m_userId);
    Outcome outcome = await([this](Outcome& o) { m_api->deleteResource(Echo + QLatin1String("/item-1"), capture(o)); });
    QCOMPARE(outcome.status, 200);
    QCOMPARE(outcome.body.value(QLatin1String("method")).toString(), QStringLiteral("DELETE"));
    const QList<FakeRequest> echoes = http()->requestsTo(echoRoute() + QLatin1String("/{id}"));
    QCOMPARE(echoes.size(), 2);
    QCOMPARE(echoes.at(0).bearerToken(), revoked);
    QVERIFY(echoes.at(1).bearerToken() != revoked);

    // A second 401 is final, and no reason to ask for a new sign-in.
    http()->clearRequests();
    http()->injectFault("*", echoRoute(), FakeFault::status(401, QJsonObject{{QStringLiteral("error"), "still no"}}));
    QSignalSpy authenticationRequired(m_api, &ApiClient::authenticationRequired);
    outcome = await([this](Outcome& o) { m_api->patch(Echo, QJsonObject(), capture(o)); });
    QCOMPARE(outcome.ok, false);
    QCOMPARE(outcome.status, 401);
    QCOMPARE(outcome.body.value(QLatin1String("error")).toString(), QStringLiteral("still no"));
    QCOMPARE(requestsTo(echoRoute()), 2);
    QCOMPARE(requestsTo(refreshRoute()), 1);
    QCOMPARE(authenticationRequired.count(), 0);
    // An empty object is sent as no body at all.
    QCOMPARE(http()->requests().constLast().body, QByteArray());
    QCOMPARE(http()->requests().constLast().header("content-length"), QByteArray("0"));
}

void TestApiClient::refreshFailingBeforeTheRequest_data()
{
    QTest::addColumn<bool>("rejected");
    QTest::addColumn<int>("status");
    QTest::newRow("refresh token refused") << true << 401;
    QTest::newRow("service down") << false << 0;
}

void TestApiClient::refreshFailingBeforeTheRequest()
{
    QFETCH(bool, rejected);
    QFETCH(int, status);
    m_tokens->setTokens(QString(), QStringLiteral("rt-any"));
    if (!rejected)
        http()->injectFault("POST", refreshRoute(), FakeFault::status(503));
    QSignalSpy authenticationRequired(m_api, &ApiClient::authenticationRequired);
    QTest::ignoreMessage(QtWarningMsg, rejected ? "ApiClient: token refresh rejected for GET /account/echo"
                                                : "ApiClient: token refresh failed (transient) for GET /account/echo");
    const Outcome outcome = getEcho();
    QCOMPARE(outcome.ok, false);
    QCOMPARE(outcome.status, status);
    QCOMPARE(outcome.body, QJsonObject());
    QCOMPARE(authenticationRequired.count(), rejected ? 1 : 0);
    QCOMPARE(requestsTo(echoRoute()), 0);
}

void TestApiClient::replyBodies_data()
{
    QTest::addColumn<FakeResponse>("response");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QJsonObject>("body");
    const QJsonObject object{{QStringLiteral("id"), QStringLiteral("x")}};
    QTest::newRow("object") << FakeResponse::json(201, object) << true << object;
    QTest::newRow("204 without body") << FakeResponse::empty(204) << true << QJsonObject();
    QTest::newRow("array") << FakeResponse::jsonArray(200, QJsonArray{1, 2}) << true << QJsonObject();
    QTest::newRow("not JSON") << FakeResponse::raw(200, "<html>oops</html>", "text/html") << true << QJsonObject();
    QTest::newRow("500 with object") << FakeResponse::json(500, object) << false << object;
}

void TestApiClient::replyBodies()
{
    QFETCH(FakeResponse, response);
    QFETCH(bool, ok);
    QFETCH(QJsonObject, body);
    signIn();
    http()->injectFault("*", echoRoute(), FakeFault::respond(response));
    const Outcome outcome = getEcho();
    QCOMPARE(outcome.ok, ok);
    QCOMPARE(outcome.status, response.status);
    QCOMPARE(outcome.body, body);
}

void TestApiClient::transportFailures_data()
{
    QTest::addColumn<FakeFault>("fault");
    QTest::newRow("dropped connection") << FakeFault::drop();
    QTest::newRow("no answer") << FakeFault::hang();
    // A success status whose body never completes is no success.
    QTest::newRow("truncated success") << FakeFault::truncate();
}

void TestApiClient::transportFailures()
{
    QFETCH(FakeFault, fault);
    signIn();
    m_api->setTransferTimeout(300);
    http()->injectFault("*", echoRoute(), fault);
    QSignalSpy networkError(m_api, &ApiClient::networkError);
    const Outcome outcome = getEcho();
    QCOMPARE(outcome.ok, false);
    QCOMPARE(outcome.status, 0);
    QCOMPARE(outcome.body, QJsonObject());
    QCOMPARE(networkError.count(), 1);
}

void TestApiClient::hungRefreshDoesNotHoldLaterCallers()
{
    signIn(20);
    m_authApi->setTransferTimeout(200);
    http()->injectFault("POST", refreshRoute(), FakeFault::hang(), 1);
    QTest::ignoreMessage(QtWarningMsg, "ApiClient: token refresh failed (transient) for GET /account/echo");
    QCOMPARE(getEcho().status, 0);
    QVERIFY(!m_tokens->isRefreshing());
    QCOMPARE(getEcho().status, 200);
    QCOMPARE(requestsTo(refreshRoute()), 2);
}

void TestApiClient::signOutDuringRefreshSendsNothing()
{
    signIn(20);
    // Long enough that the sign-out surely comes first.
    http()->injectFault("POST", refreshRoute(), FakeFault::delay(500), 1);
    QTest::ignoreMessage(QtWarningMsg, "ApiClient: token refresh rejected for GET /account/echo");
    Outcome outcome;
    m_api->get(Echo, capture(outcome));
    QTRY_COMPARE(requestsTo(refreshRoute()), 1);
    m_tokens->clear();
    QVERIFY(outcome.called);
    QCOMPARE(outcome.status, 401);

    // The refresh reply still arrives, and is dropped.
    QTRY_COMPARE(m_refreshAnswers, 1);
    QCOMPARE(m_tokens->refreshToken(), QString());
    QVERIFY(!m_store->contains(TokenStore::refreshTokenKey()));
    QCOMPARE(requestsTo(echoRoute()), 0);
}

void TestApiClient::pathArgumentsStayInTheirSegment()
{
    signIn();
    const QString hostile = QStringLiteral("../../profile?x=1#frag");
    const Outcome outcome = await([&](Outcome& o) {
        m_api->deleteResource(Echo + QLatin1Char('/') + ApiClient::pathArgument(hostile), capture(o));
    });
    QCOMPARE(outcome.body.value(QLatin1String("id")).toString(), hostile);
    const FakeRequest request = http()->requests().constLast();
    QVERIFY(request.query.isEmpty());
    QCOMPARE(request.rawPath, QByteArray("/account/echo/..%2F..%2Fprofile%3Fx%3D1%23frag"));
}

void TestApiClient::unsafePathsAreNotSent_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("dot-dot") << QStringLiteral("/echo/..");
    QTest::newRow("encoded dot-dot") << QStringLiteral("/echo/%2E%2E");
    QTest::newRow("empty in the middle") << QStringLiteral("/echo//members");
    QTest::newRow("argument that is only dots") << "/echo/" + ApiClient::pathArgument(QStringLiteral(".."));
}

void TestApiClient::unsafePathsAreNotSent()
{
    QFETCH(QString, path);
    signIn();
    const QRegularExpression refusal(QStringLiteral("^ApiClient: refusing path"));
    QTest::ignoreMessage(QtWarningMsg, refusal);
    Outcome outcome;
    m_api->deleteResource(path, capture(outcome));
    QVERIFY(outcome.called);
    QCOMPARE(outcome.status, 0);
    QTest::ignoreMessage(QtWarningMsg, refusal);
    Outcome binary;
    m_api->getBinary(path, captureBytes(binary));
    QVERIFY(binary.called);
    QCOMPARE(binary.status, 0);
    QCOMPARE(http()->requestCount(), 0);
}

void TestApiClient::redirectsToAnotherOriginAreNotFollowed()
{
    FakeHttpServer elsewhere;
    QVERIFY(elsewhere.listen());
    elsewhere.addRoute("*", echoRoute(), [](const FakeRequest&) { return FakeResponse::json(200, QJsonObject()); });
    const FakeFault away = FakeFault::respond(FakeResponse::redirect(307, elsewhere.url(echoRoute())));
    signIn();
    http()->injectFault("*", echoRoute(), FakeFault::respond(FakeResponse::redirect(302, elsewhere.url(echoRoute()))), 1);
    http()->injectFault("*", echoRoute(), away, 1);
    for (int status : {302, 307}) {
        const Outcome outcome = await([this](Outcome& o) { m_api->post(Echo, QJsonObject(), capture(o)); });
        QCOMPARE(outcome.ok, false);
        QCOMPARE(outcome.status, status);
    }
    // The refresh request carries the refresh token in its body: it too stays home.
    http()->injectFault("POST", refreshRoute(), away, 1);
    m_tokens->setTokens(QString(), m_tokens->refreshToken());
    QTest::ignoreMessage(QtWarningMsg, "ApiClient: token refresh failed (transient) for GET /account/echo");
    QCOMPARE(getEcho().status, 0);
    QCOMPARE(elsewhere.requestCount(), 0);

    // A redirect within the same service is followed.
    signIn();
    const QUrl moved = http()->url(echoRoute() + QLatin1String("/moved"));
    http()->injectFault("GET", echoRoute(), FakeFault::respond(FakeResponse::redirect(302, moved)), 1);
    const Outcome followed = getEcho();
    QCOMPARE(followed.status, 200);
    QCOMPARE(followed.body.value(QLatin1String("id")).toString(), QStringLiteral("moved"));
}

void TestApiClient::certificateErrorsAreNotIgnored()
{
    if (!QSslSocket::supportsSsl())
        QSKIP("no TLS backend");
    FakeHttpServer secure;
    QVERIFY(secure.listenTls(FakeHttpServer::selfSignedTlsConfiguration()));
    secure.addRoute("*", echoRoute(), [](const FakeRequest&) { return FakeResponse::json(200, QJsonObject()); });
    signIn();
    m_api->setBaseUrl(secure.url(FakeServices::accountApiPath(QString())));
    QSignalSpy networkError(m_api, &ApiClient::networkError);
    QCOMPARE(getEcho().status, 0);
    QCOMPARE(networkError.count(), 1);
    QCOMPARE(secure.requestCount(), 0);
}

void TestApiClient::binaryReplies()
{
    signIn();
    // The revoked token meets a 401, and the request is sent again after a refresh.
    m_services->auth()->revokeAccessTokens(m_userId);
    Outcome outcome = await([this](Outcome& o) { m_api->getBinary(Echo, captureBytes(o)); });
    QCOMPARE(outcome.ok, true);
    QCOMPARE(QJsonDocument::fromJson(outcome.bytes).object().value(QLatin1String("user_id")).toString(), m_userId);
    const FakeRequest retried = http()->requestsTo(echoRoute()).value(1);
    QCOMPARE(retried.header("accept"), QByteArray("*/*"));
    QVERIFY(!retried.hasHeader("content-type"));
    QVERIFY(retried.hasHeader("x-device-name"));

    http()->injectFault("GET", echoRoute(), FakeFault::drop());
    outcome = await([this](Outcome& o) { m_api->getBinary(Echo, captureBytes(o)); });
    QCOMPARE(outcome.status, 0);
    QCOMPARE(outcome.bytes, QByteArray());
}

VELLUMRY_TEST_GUILESS_MAIN(TestApiClient)

#include "tst_apiclient.moc"
