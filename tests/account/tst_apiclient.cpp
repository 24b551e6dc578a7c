#include "TestMain.h"

#include "FakeServices.h"
#include "account/ApiClient.h"
#include "account/DeviceIdentity.h"
#include "account/EpochClock.h"
#include "account/MemoryTokenStore.h"
#include "account/TokenManager.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QSslSocket>

using OrvaAccount::ApiClient;
using OrvaAccount::EpochClock;
using OrvaAccount::MemoryTokenStore;
using OrvaAccount::TokenManager;
using OrvaAccount::TokenStore;

namespace {

constexpr qint64 Now = 1'800'000'000;

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
    return [&outcome](bool ok, int status, const QJsonObject& body) {
        outcome = Outcome{true, ok, status, body, QByteArray()};
    };
}

ApiClient::BinaryCallback captureBytes(Outcome& outcome)
{
    return [&outcome](bool ok, int status, const QByteArray& bytes) {
        outcome = Outcome{true, ok, status, QJsonObject(), bytes};
    };
}

} // namespace

class TestApiClient : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void unauthenticatedRequestsCarryOnlyTheClientHeaders();
    void withoutTokensNothingIsRefreshedOrAttached();
    void tokenRequestsCarryBearerAndDeviceHeaders();
    void deviceNameHeader_data();
    void deviceNameHeader();
    void expiringTokenIsRefreshedFirst();
    void unauthorizedIsRetriedOnceAfterARefresh();
    void secondUnauthorizedIsFinal();
    void requestsWaitingOnOneRefresh();
    void refreshRejectedBeforeTheRequest();
    void refreshFailingBeforeTheRequest();
    void emptyBodySendsNoBytes();
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
    void baseUrlWithTrailingSlash();

private:
    void signIn();
    // Signed in with an access token that has 20 s left, so the next
    // authenticated request refreshes first.
    void signInWithExpiringToken();
    // Sends an authenticated GET to the echo route and waits for its outcome.
    Outcome getEcho();
    FakeHttpServer* http() const { return m_services->http(); }
    QString echoRoute() const { return FakeServices::accountApiPath(FakeServices::echoPath()); }
    QString refreshRoute() const { return m_services->auth()->tokenRefreshPath(); }

    std::unique_ptr<FakeServices> m_services;
    std::unique_ptr<TokenManager> m_tokens;
    MemoryTokenStore* m_store = nullptr;
    ApiClient* m_authApi = nullptr;
    ApiClient* m_api = nullptr;
    QString m_userId;
    int m_refreshAnswers = 0;
};

void TestApiClient::init()
{
    EpochClock::setFixedNowSeconds(Now);
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

void TestApiClient::signIn()
{
    const FakeAuthService::TokenPair pair = m_services->auth()->signIn(m_userId);
    m_tokens->setTokens(pair.accessToken, pair.refreshToken);
}

void TestApiClient::signInWithExpiringToken()
{
    m_services->auth()->setAccessTokenLifetime(20);
    signIn();
    m_services->auth()->setAccessTokenLifetime(FakeAuthService::DefaultAccessTokenLifetimeSeconds);
    QVERIFY(m_tokens->needsRefresh());
}

Outcome TestApiClient::getEcho()
{
    Outcome outcome;
    m_api->get(FakeServices::echoPath(), capture(outcome));
    if (!QTest::qWaitFor([&outcome] { return outcome.called; }, 5000))
        qWarning("the echo request was never answered");
    return outcome;
}

void TestApiClient::unauthenticatedRequestsCarryOnlyTheClientHeaders()
{
    signIn();
    Outcome outcome;
    m_api->getUnauthenticated(FakeServices::echoPath(), capture(outcome));
    QTRY_VERIFY(outcome.called);
    QCOMPARE(outcome.ok, false);
    QCOMPARE(outcome.status, 401);
    QCOMPARE(outcome.body.value(QLatin1String("error")).toString(), QStringLiteral("unauthorized"));

    const FakeRequest request = http()->requests().constLast();
    QCOMPARE(request.header("x-app-id"), QByteArray("com.orvalenworks.vellumry"));
    QCOMPARE(request.header("x-app-version"), QByteArray("1.1.10"));
    QCOMPARE(request.header("x-platform"), QByteArray("linux"));
    QCOMPARE(request.header("accept"), QByteArray("application/json"));
    QCOMPARE(request.header("content-type"), QByteArray("application/json"));
    QVERIFY(!request.hasHeader("authorization"));
    QVERIFY(!request.hasHeader("x-device-fingerprint"));
    QVERIFY(!request.hasHeader("x-device-name"));
    // An unauthenticated 401 is final: no refresh was tried.
    QCOMPARE(http()->requestCount(), 1);
}

void TestApiClient::withoutTokensNothingIsRefreshedOrAttached()
{
    QSignalSpy authenticationRequired(m_api, &ApiClient::authenticationRequired);
    const Outcome outcome = getEcho();
    QCOMPARE(outcome.status, 401);
    QCOMPARE(outcome.body, QJsonObject());
    QCOMPARE(authenticationRequired.count(), 1);

    QCOMPARE(http()->requestCount(), 1);
    const FakeRequest request = http()->requests().constFirst();
    QVERIFY(!request.hasHeader("authorization"));
    QVERIFY(!request.hasHeader("x-device-fingerprint"));
    QVERIFY(!request.hasHeader("x-device-name"));
}

void TestApiClient::tokenRequestsCarryBearerAndDeviceHeaders()
{
    signIn();
    Outcome outcome;
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("since"), QStringLiteral("a b&c"));
    m_api->get(FakeServices::echoPath(), capture(outcome), query);
    QTRY_VERIFY(outcome.called);
    QCOMPARE(outcome.ok, true);
    QCOMPARE(outcome.status, 200);
    QCOMPARE(outcome.body.value(QLatin1String("user_id")).toString(), m_userId);

    const FakeRequest request = http()->requests().constLast();
    QCOMPARE(request.path, echoRoute());
    QCOMPARE(request.query.queryItemValue(QStringLiteral("since"), QUrl::FullyDecoded), QStringLiteral("a b&c"));
    QCOMPARE(request.bearerToken(), m_tokens->validAccessToken());
    QCOMPARE(request.header("x-device-fingerprint"), OrvaAccount::currentDeviceFingerprint().toUtf8());
    QCOMPARE(QUrl::fromPercentEncoding(request.header("x-device-name")), OrvaAccount::currentDeviceName());
    QCOMPARE(request.header("x-app-id"), QByteArray("com.orvalenworks.vellumry"));
}

void TestApiClient::deviceNameHeader_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("header");
    QTest::newRow("spaces") << QStringLiteral("Ada's PC") << QByteArray("Ada%27s%20PC");
    QTest::newRow("unreserved kept") << QStringLiteral("pc-1.home_2~") << QByteArray("pc-1.home_2~");
    QTest::newRow("UTF-8") << QStringLiteral("Büro") << QByteArray("B%C3%BCro");
    QTest::newRow("line break") << QStringLiteral("a\r\nX-Evil: 1") << QByteArray("a%0D%0AX-Evil%3A%201");
}

void TestApiClient::deviceNameHeader()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, header);
    QCOMPARE(ApiClient::deviceNameHeaderValue(name), header);
}

void TestApiClient::expiringTokenIsRefreshedFirst()
{
    signInWithExpiringToken();
    const QString oldRefresh = m_tokens->refreshToken();

    Outcome outcome;
    m_api->post(FakeServices::echoPath(), QJsonObject{{QStringLiteral("n"), 1}}, capture(outcome));
    QTRY_VERIFY(outcome.called);
    QCOMPARE(outcome.status, 200);
    QCOMPARE(outcome.body.value(QLatin1String("body")).toObject().value(QLatin1String("n")).toInt(), 1);

    const QList<FakeRequest> requests = http()->requests();
    QCOMPARE(requests.size(), 2);
    QCOMPARE(requests.at(0).route, refreshRoute());
    QCOMPARE(requests.at(0).jsonBody().value(QLatin1String("refresh_token")).toString(), oldRefresh);
    QVERIFY(!requests.at(0).hasHeader("authorization"));
    QCOMPARE(requests.at(1).route, echoRoute());
    QCOMPARE(requests.at(1).bearerToken(), m_tokens->validAccessToken());
    QVERIFY(!m_tokens->validAccessToken().isEmpty());
    // The rotated pair is what the store now holds.
    QVERIFY(m_tokens->refreshToken() != oldRefresh);
    QCOMPARE(m_store->read(TokenStore::refreshTokenKey()), std::optional<QString>(m_tokens->refreshToken()));
}

void TestApiClient::unauthorizedIsRetriedOnceAfterARefresh()
{
    signIn();
    const QString revoked = m_tokens->validAccessToken();
    m_services->auth()->revokeAccessTokens(m_userId);

    Outcome outcome;
    m_api->deleteResource(FakeServices::echoPath() + QLatin1String("/item-1"), capture(outcome));
    QTRY_VERIFY(outcome.called);
    QCOMPARE(outcome.ok, true);
    QCOMPARE(outcome.status, 200);
    QCOMPARE(outcome.body.value(QLatin1String("method")).toString(), QStringLiteral("DELETE"));

    const QList<FakeRequest> echoes = http()->requestsTo(echoRoute() + QLatin1String("/{id}"));
    QCOMPARE(echoes.size(), 2);
    QCOMPARE(echoes.at(0).bearerToken(), revoked);
    QVERIFY(echoes.at(1).bearerToken() != revoked);
    QCOMPARE(http()->requestsTo(refreshRoute()).size(), 1);
}

void TestApiClient::secondUnauthorizedIsFinal()
{
    signIn();
    http()->injectFault("*", echoRoute(),
                        FakeFault::status(401, QJsonObject{{QStringLiteral("error"), QStringLiteral("still no")}}));
    QSignalSpy authenticationRequired(m_api, &ApiClient::authenticationRequired);

    Outcome outcome;
    m_api->patch(FakeServices::echoPath(), QJsonObject{{QStringLiteral("display_name"), QStringLiteral("A")}},
                 capture(outcome));
    QTRY_VERIFY(outcome.called);
    QCOMPARE(outcome.ok, false);
    QCOMPARE(outcome.status, 401);
    QCOMPARE(outcome.body.value(QLatin1String("error")).toString(), QStringLiteral("still no"));
    QCOMPARE(http()->requestsTo(echoRoute()).size(), 2);
    QCOMPARE(http()->requestsTo(refreshRoute()).size(), 1);
    QCOMPARE(authenticationRequired.count(), 0);
}

void TestApiClient::requestsWaitingOnOneRefresh()
{
    signInWithExpiringToken();
    http()->injectFault("POST", refreshRoute(), FakeFault::delay(100), 1);

    Outcome first;
    Outcome second;
    m_api->get(FakeServices::echoPath(), capture(first));
    m_api->post(FakeServices::echoPath(), QJsonObject(), capture(second));
    QVERIFY(m_tokens->isRefreshing());
    QTRY_VERIFY(first.called && second.called);
    QCOMPARE(first.status, 200);
    QCOMPARE(second.status, 200);

    // With rotating refresh tokens a second refresh would have been refused.
    QCOMPARE(http()->requestsTo(refreshRoute()).size(), 1);
    const QList<FakeRequest> echoes = http()->requestsTo(echoRoute());
    QCOMPARE(echoes.size(), 2);
    QCOMPARE(echoes.at(0).bearerToken(), echoes.at(1).bearerToken());
}

void TestApiClient::refreshRejectedBeforeTheRequest()
{
    m_tokens->setTokens(QString(), QStringLiteral("rt-the-service-never-issued"));
    QSignalSpy authenticationRequired(m_api, &ApiClient::authenticationRequired);
    QTest::ignoreMessage(QtWarningMsg, "ApiClient: token refresh rejected for GET /account/echo");

    const Outcome outcome = getEcho();
    QCOMPARE(outcome.ok, false);
    QCOMPARE(outcome.status, 401);
    QCOMPARE(outcome.body, QJsonObject());
    QCOMPARE(authenticationRequired.count(), 1);
    QCOMPARE(http()->requestsTo(echoRoute()).size(), 0);
}

void TestApiClient::refreshFailingBeforeTheRequest()
{
    m_tokens->setTokens(QString(), QStringLiteral("rt-any"));
    http()->injectFault("POST", refreshRoute(), FakeFault::status(503));
    QSignalSpy authenticationRequired(m_api, &ApiClient::authenticationRequired);
    QTest::ignoreMessage(QtWarningMsg, "ApiClient: token refresh failed (transient) for POST /account/echo");

    Outcome outcome;
    m_api->post(FakeServices::echoPath(), QJsonObject(), capture(outcome));
    QTRY_VERIFY(outcome.called);
    QCOMPARE(outcome.ok, false);
    QCOMPARE(outcome.status, 0);
    QCOMPARE(authenticationRequired.count(), 0);
    QCOMPARE(m_tokens->refreshToken(), QStringLiteral("rt-any"));
}

void TestApiClient::emptyBodySendsNoBytes()
{
    signIn();
    Outcome empty;
    m_api->post(FakeServices::echoPath(), QJsonObject(), capture(empty));
    QTRY_VERIFY(empty.called);
    FakeRequest request = http()->requests().constLast();
    QCOMPARE(request.body, QByteArray());
    QCOMPARE(request.header("content-length"), QByteArray("0"));
    QCOMPARE(request.header("content-type"), QByteArray("application/json"));

    Outcome filled;
    m_api->post(FakeServices::echoPath(), QJsonObject{{QStringLiteral("email"), QStringLiteral("b@example.test")}},
                capture(filled));
    QTRY_VERIFY(filled.called);
    request = http()->requests().constLast();
    QCOMPARE(request.body, QByteArray(R"({"email":"b@example.test"})"));
}

void TestApiClient::replyBodies_data()
{
    QTest::addColumn<FakeResponse>("response");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("status");
    QTest::addColumn<QJsonObject>("body");

    const QJsonObject object{{QStringLiteral("id"), QStringLiteral("x")}};
    QTest::newRow("object") << FakeResponse::json(201, object) << true << 201 << object;
    QTest::newRow("204 without body") << FakeResponse::empty(204) << true << 204 << QJsonObject();
    QTest::newRow("array") << FakeResponse::jsonArray(200, QJsonArray{1, 2}) << true << 200 << QJsonObject();
    QTest::newRow("not JSON") << FakeResponse::raw(200, "<html>oops</html>", "text/html") << true << 200
                              << QJsonObject();
    QTest::newRow("500 with object") << FakeResponse::json(500, object) << false << 500 << object;
    QTest::newRow("404 not JSON") << FakeResponse::raw(404, "missing", "text/plain") << false << 404 << QJsonObject();
}

void TestApiClient::replyBodies()
{
    QFETCH(FakeResponse, response);
    QFETCH(bool, ok);
    QFETCH(int, status);
    QFETCH(QJsonObject, body);
    signIn();
    http()->injectFault("*", echoRoute(), FakeFault::respond(response));

    const Outcome outcome = getEcho();
    QCOMPARE(outcome.ok, ok);
    QCOMPARE(outcome.status, status);
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
    QVERIFY(!networkError.at(0).at(0).toString().isEmpty());
}

void TestApiClient::hungRefreshDoesNotHoldLaterCallers()
{
    signInWithExpiringToken();
    m_authApi->setTransferTimeout(200);
    http()->injectFault("POST", refreshRoute(), FakeFault::hang(), 1);

    QTest::ignoreMessage(QtWarningMsg, "ApiClient: token refresh failed (transient) for GET /account/echo");
    const Outcome stuck = getEcho();
    QCOMPARE(stuck.status, 0);
    QVERIFY(!m_tokens->isRefreshing());

    const Outcome later = getEcho();
    QCOMPARE(later.status, 200);
    QCOMPARE(http()->requestsTo(refreshRoute()).size(), 2);
}

void TestApiClient::signOutDuringRefreshSendsNothing()
{
    signInWithExpiringToken();
    // Long enough that the sign-out surely comes first.
    http()->injectFault("POST", refreshRoute(), FakeFault::delay(500), 1);
    QSignalSpy authenticationRequired(m_api, &ApiClient::authenticationRequired);
    QTest::ignoreMessage(QtWarningMsg, "ApiClient: token refresh rejected for GET /account/echo");

    Outcome outcome;
    m_api->get(FakeServices::echoPath(), capture(outcome));
    QTRY_COMPARE(http()->requestsTo(refreshRoute()).size(), 1);
    m_tokens->clear();
    QVERIFY(outcome.called);
    QCOMPARE(outcome.status, 401);

    // The refresh reply still arrives, and is dropped.
    QTRY_COMPARE(m_refreshAnswers, 1);
    QCOMPARE(m_tokens->refreshToken(), QString());
    QVERIFY(!m_store->contains(TokenStore::refreshTokenKey()));
    QCOMPARE(http()->requestsTo(echoRoute()).size(), 0);
}

void TestApiClient::pathArgumentsStayInTheirSegment()
{
    signIn();
    const QString hostile = QStringLiteral("../../profile?x=1#frag");
    Outcome outcome;
    m_api->deleteResource(FakeServices::echoPath() + QLatin1Char('/') + ApiClient::pathArgument(hostile),
                          capture(outcome));
    QTRY_VERIFY(outcome.called);
    QCOMPARE(outcome.status, 200);
    QCOMPARE(outcome.body.value(QLatin1String("id")).toString(), hostile);

    const FakeRequest request = http()->requests().constLast();
    QCOMPARE(request.route, echoRoute() + QLatin1String("/{id}"));
    QCOMPARE(request.query.isEmpty(), true);
    QCOMPARE(request.rawPath, QByteArray("/account/echo/..%2F..%2Fprofile%3Fx%3D1%23frag"));
}

void TestApiClient::unsafePathsAreNotSent_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("dot-dot") << QStringLiteral("/echo/..");
    QTest::newRow("encoded dot-dot") << QStringLiteral("/echo/%2E%2E");
    QTest::newRow("dot") << QStringLiteral("/echo/./x");
    QTest::newRow("empty argument") << QStringLiteral("/echo/");
    QTest::newRow("empty in the middle") << QStringLiteral("/echo//members");
    QTest::newRow("argument that is only dots")
        << QStringLiteral("/echo/") + ApiClient::pathArgument(QStringLiteral(".."));
}

void TestApiClient::unsafePathsAreNotSent()
{
    QFETCH(QString, path);
    signIn();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^ApiClient: refusing path")));
    Outcome outcome;
    m_api->deleteResource(path, capture(outcome));
    QVERIFY(outcome.called);
    QCOMPARE(outcome.ok, false);
    QCOMPARE(outcome.status, 0);

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^ApiClient: refusing path")));
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
    signIn();

    for (int status : {302, 307}) {
        http()->clearFaults();
        http()->injectFault("*", echoRoute(),
                            FakeFault::respond(FakeResponse::redirect(status, elsewhere.url(echoRoute()))));
        Outcome outcome;
        m_api->post(FakeServices::echoPath(), QJsonObject{{QStringLiteral("secret"), 1}}, capture(outcome));
        QTRY_VERIFY(outcome.called);
        QCOMPARE(outcome.ok, false);
        QCOMPARE(outcome.status, status);
    }
    // The refresh request carries the refresh token in its body: it too stays home.
    http()->injectFault("POST", refreshRoute(),
                        FakeFault::respond(FakeResponse::redirect(307, elsewhere.url(echoRoute()))));
    m_tokens->setTokens(QString(), m_tokens->refreshToken());
    QTest::ignoreMessage(QtWarningMsg, "ApiClient: token refresh failed (transient) for GET /account/echo");
    const Outcome refreshed = getEcho();
    QCOMPARE(refreshed.status, 0);
    QCOMPARE(elsewhere.requestCount(), 0);

    // A redirect within the same service is followed.
    http()->clearFaults();
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

    const Outcome outcome = getEcho();
    QCOMPARE(outcome.ok, false);
    QCOMPARE(outcome.status, 0);
    QCOMPARE(networkError.count(), 1);
    QCOMPARE(secure.requestCount(), 0);
}

void TestApiClient::binaryReplies()
{
    signIn();
    m_services->auth()->revokeAccessTokens(m_userId);
    // The revoked token meets a 401, and the request is sent again after a refresh.
    Outcome outcome;
    m_api->getBinary(FakeServices::echoPath(), captureBytes(outcome));
    QTRY_VERIFY(outcome.called);
    QCOMPARE(outcome.ok, true);
    QCOMPARE(outcome.status, 200);
    QCOMPARE(QJsonDocument::fromJson(outcome.bytes).object().value(QLatin1String("user_id")).toString(), m_userId);
    const QList<FakeRequest> echoes = http()->requestsTo(echoRoute());
    QCOMPARE(echoes.size(), 2);
    QCOMPARE(echoes.at(1).header("accept"), QByteArray("*/*"));
    QVERIFY(!echoes.at(1).hasHeader("content-type"));
    QVERIFY(echoes.at(1).hasHeader("x-device-name"));

    http()->injectFault("GET", echoRoute(), FakeFault::respond(FakeResponse::jsonArray(200, QJsonArray{1, 2})), 1);
    Outcome array;
    m_api->getBinary(FakeServices::echoPath(), captureBytes(array));
    QTRY_VERIFY(array.called);
    QCOMPARE(array.bytes, QByteArray("[1,2]"));

    http()->injectFault("GET", echoRoute(), FakeFault::drop());
    Outcome dropped;
    m_api->getBinary(FakeServices::echoPath(), captureBytes(dropped));
    QTRY_VERIFY(dropped.called);
    QCOMPARE(dropped.status, 0);
    QCOMPARE(dropped.bytes, QByteArray());
}

void TestApiClient::baseUrlWithTrailingSlash()
{
    signIn();
    QUrl base = m_services->accountApiUrl();
    base.setPath(base.path() + QLatin1Char('/'));
    m_api->setBaseUrl(base);
    const Outcome outcome = getEcho();
    QCOMPARE(outcome.status, 200);
    QCOMPARE(http()->requests().constLast().rawPath, QByteArray("/account/echo"));
}

VELLUMRY_TEST_GUILESS_MAIN(TestApiClient)

#include "tst_apiclient.moc"
