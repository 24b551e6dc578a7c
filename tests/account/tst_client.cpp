#include "TestMain.h"

#include "OnlineTestSupport.h"
#include "account/AccountClient.h"
#include "account/ApiClient.h"
#include "account/AuthClient.h"
#include "account/Client.h"
#include "account/DeviceIdentity.h"
#include "account/FileTokenStore.h"
#include "account/TokenManager.h"

#include <QFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QSysInfo>

using OnlineTest::await;
using OrvaAccount::ApiClient;
using OrvaAccount::AuthClient;
using OrvaAccount::AuthState;
using OrvaAccount::Client;
using OrvaAccount::ClientConfig;
using OrvaAccount::FileTokenStore;
using OrvaAccount::MemoryTokenStore;
using OrvaAccount::OrvClaims;
using OrvaAccount::TokenStore;

class TestClient : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void platform_data();
    void platform();
    void buildsTheThreeApiClients();
    void signInForwardsStateAndClaims();
    void unusableTokenGivesEmptyClaims();
    void sessionOutlivesTheProgramInTheConfigFolder();
    void refusedRefreshDuringARequestSignsOut_data();
    void refusedRefreshDuringARequestSignsOut();
    void requestBeforeStartUpKeepsTheStoredSession();

private:
    // A client whose tokens live in memory, signed in with a pair the fake issued unless told otherwise.
    std::unique_ptr<Client> makeClient(bool signedIn = true, const ClientConfig& config = ClientConfig());
    ClientConfig config() const { return OnlineTest::configFor(*m_services); }
    // The status of a GET of the echo route through the client.
    int getEcho(ApiClient* api)
    {
        return await<int>([api](auto done) {
            api->get(FakeServices::echoPath(), [done](bool, int status, const QJsonObject&) { done(status); });
        });
    }
    int refreshRequests() const { return int(http()->requestsTo(m_services->auth()->tokenRefreshPath()).size()); }
    FakeHttpServer* http() const { return m_services->http(); }

    std::unique_ptr<OnlineTest::OnlineWorld> m_world;
    FakeServices* m_services = nullptr;
    QString m_userId;
};

void TestClient::init()
{
    m_world = std::make_unique<OnlineTest::OnlineWorld>();
    m_services = &m_world->services;
    m_userId = m_world->userId;
    QVERIFY(m_services->start());
}

void TestClient::cleanup()
{
    m_world.reset();
}

std::unique_ptr<Client> TestClient::makeClient(bool signedIn, const ClientConfig& config)
{
    auto client = std::make_unique<Client>(config.authBaseUrl.isEmpty() ? this->config() : config,
                                           signedIn ? OnlineTest::signedInStore(m_services->auth(), m_userId)
                                                    : std::make_unique<MemoryTokenStore>());
    // The application points the third client at the sync API; here the echo route will do.
    client->syncApiClient()->setBaseUrl(m_services->accountApiUrl());
    return client;
}

void TestClient::platform_data()
{
    QTest::addColumn<QString>("configured");
    QTest::addColumn<QString>("kernel");
    QTest::addColumn<QString>("expected");
    QTest::newRow("configured wins") << "windows" << "linux" << "windows";
    QTest::newRow("linux") << QString() << "linux" << "linux";
    QTest::newRow("macOS") << QString() << "darwin" << "macos";
    QTest::newRow("Windows") << QString() << "winnt" << "windows";
    QTest::newRow("other kernels unchanged") << QString() << "FreeBSD" << "freebsd";
}

void TestClient::platform()
{
    QFETCH(QString, configured);
    QFETCH(QString, kernel);
    QFETCH(QString, expected);
    QCOMPARE(Client::platformFor(configured, kernel), expected);
}

void TestClient::buildsTheThreeApiClients()
{
    QVERIFY(Client(config(), std::make_unique<MemoryTokenStore>()).syncApiClient()->baseUrl().isEmpty());
    QCOMPARE(makeClient()->platform(), Client::platformFor(QString(), QSysInfo::kernelType()));

    ClientConfig configured = config();
    configured.platform = QStringLiteral("windows");
    const std::unique_ptr<Client> client = makeClient(true, configured);
    QCOMPARE(client->authApiClient()->baseUrl(), m_services->authApiUrl());
    QCOMPARE(client->accountApiClient()->baseUrl(), m_services->accountApiUrl());
    QCOMPARE(client->authClient()->state(), AuthState::Initial);
    QCOMPARE(client->accountClient()->appName(), QStringLiteral("Orvalen Vellumry"));
    // Building the client sends nothing.
    QCOMPARE(http()->requestCount(), 0);

    client->initialize();
    for (ApiClient* api : {client->accountApiClient(), client->syncApiClient()}) {
        QCOMPARE(getEcho(api), 200);
        QCOMPARE(http()->requests().constLast().header("x-platform"), QByteArray("windows"));
        QCOMPARE(http()->requests().constLast().header("x-app-version"), QByteArray("1.1.10"));
    }
    client->authClient()->fetchCurrentUser(AuthClient::UserCallback());
    QTRY_COMPARE(http()->requestsTo(m_services->auth()->apiPath(QStringLiteral("/users/me"))).size(), 1);
    QCOMPARE(http()->requests().constLast().header("x-platform"), QByteArray("windows"));

    // The device registration names the device's own platform.
    client->accountClient()->registerDevice();
    QTRY_COMPARE(m_services->account()->devices(m_userId).size(), 1);
    QCOMPARE(m_services->account()->devices(m_userId).constFirst().platform, OrvaAccount::currentDevicePlatform());
}

void TestClient::signInForwardsStateAndClaims()
{
    const QString groupId = m_services->account()->createGroup(m_userId, QStringLiteral("Lovelace household"));
    const std::unique_ptr<Client> client = makeClient(false);
    QSignalSpy stateChanged(client.get(), &Client::authStateChanged);
    QSignalSpy claimsUpdated(client.get(), &Client::claimsUpdated);
    client->initialize();
    QCOMPARE(client->currentClaims().groupId, QString());

    client->authClient()->login();
    QTRY_VERIFY(client->isAuthenticated());
    QCOMPARE(stateChanged.count(), 2);
    QCOMPARE(stateChanged.at(0).at(0).value<AuthState>(), AuthState::SignedOut);
    QCOMPARE(stateChanged.at(1).at(0).value<AuthState>(), AuthState::SignedIn);
    QCOMPARE(claimsUpdated.count(), 1);
    QCOMPARE(claimsUpdated.at(0).at(0).value<OrvClaims>().groupId, groupId);
    QCOMPARE(claimsUpdated.at(0).at(0).value<OrvClaims>().role, QStringLiteral("owner"));
    QCOMPARE(client->currentClaims().groupId, groupId);
}

void TestClient::unusableTokenGivesEmptyClaims()
{
    m_services->account()->createGroup(m_userId, QStringLiteral("Lovelace household"));
    const std::unique_ptr<Client> client = makeClient(false);
    client->initialize();
    QSignalSpy claimsUpdated(client.get(), &Client::claimsUpdated);

    // A service that hands over an access token already past its time.
    m_world->browser.setFollowsLinks(false);
    client->authClient()->login();
    const QString expired = m_services->auth()->issueAccessToken(m_userId, OnlineTest::Now - 1);
    client->authClient()->handleAuthCallback(QUrl(QStringLiteral("http://localhost:19876/callback?access_token=")
                                                  + expired + QLatin1String("&refresh_token=rt-x")));
    QVERIFY(client->isAuthenticated());
    QCOMPARE(claimsUpdated.count(), 1);
    QCOMPARE(claimsUpdated.at(0).at(0).value<OrvClaims>().groupId, QString());
    QCOMPARE(claimsUpdated.at(0).at(0).value<OrvClaims>().role, QString());
}

void TestClient::sessionOutlivesTheProgramInTheConfigFolder()
{
    const QString folder = FileTokenStore::defaultFolder(config().appId);
    QVERIFY(folder.startsWith(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)));
    const QString accessFile = folder + QLatin1Char('/') + TokenStore::accessTokenKey();
    {
        Client first(config());
        first.initialize();
        QCOMPARE(first.authClient()->state(), AuthState::SignedOut);
        first.authClient()->login();
        QTRY_VERIFY(first.isAuthenticated());
        QVERIFY(QFile::exists(accessFile));
    }
    QCOMPARE(m_services->auth()->sessions(m_userId).constFirst().userAgent, QStringLiteral("FakeBrowser/1.0"));
    Client next(config());
    next.initialize();
    QCOMPARE(next.authClient()->state(), AuthState::SignedIn);
    // What the application does after a sign-in, with the restored session.
    next.accountClient()->registerDevice();
    QTRY_COMPARE(m_services->account()->devices(m_userId).size(), 1);
    QCOMPARE(await<OrvaAccount::User>([&](auto done) { next.authClient()->fetchCurrentUser(done); }).email,
             QStringLiteral("ada@example.test"));

    next.authClient()->logout();
    QVERIFY(!QFile::exists(accessFile));
    QVERIFY(!QFile::exists(folder + QLatin1Char('/') + TokenStore::refreshTokenKey()));
    QTRY_VERIFY(m_services->auth()->sessions(m_userId).isEmpty());
    QCOMPARE(await<OrvaAccount::Profile>([&](auto done) { next.accountClient()->getProfile(done); }).id, QString());
    QVERIFY(!http()->requests().constLast().hasHeader("authorization"));
}

void TestClient::refusedRefreshDuringARequestSignsOut_data()
{
    QTest::addColumn<bool>("expiring");
    QTest::newRow("before the request") << true;
    QTest::newRow("after a 401") << false;
}

void TestClient::refusedRefreshDuringARequestSignsOut()
{
    QFETCH(bool, expiring);
    if (expiring)
        m_services->auth()->setAccessTokenLifetime(20);
    const std::unique_ptr<Client> client = makeClient();
    client->initialize();
    QTRY_VERIFY(client->isAuthenticated());
    if (!expiring)
        m_services->auth()->revokeAccessTokens(m_userId);
    // The service has forgotten the session: every refresh token is refused.
    http()->injectFault("POST", m_services->auth()->tokenRefreshPath(), FakeFault::status(401));
    QSignalSpy stateChanged(client.get(), &Client::authStateChanged);
    if (expiring)
        QTest::ignoreMessage(QtWarningMsg, "ApiClient: token refresh rejected for GET /account/echo");

    QCOMPARE(getEcho(client->syncApiClient()), 401);
    QCOMPARE(client->authClient()->state(), AuthState::SignedOut);
    QCOMPARE(stateChanged.count(), 1);
    QVERIFY(client->tokenManager()->refreshToken().isEmpty());
    QVERIFY(client->tokenManager()->accessToken().isEmpty());

    // Signed out, the next request neither refreshes nor changes anything.
    const int refreshes = refreshRequests();
    QCOMPARE(getEcho(client->syncApiClient()), 401);
    QCOMPARE(refreshRequests(), refreshes);
    QCOMPARE(stateChanged.count(), 1);
}

void TestClient::requestBeforeStartUpKeepsTheStoredSession()
{
    const std::unique_ptr<Client> client = makeClient();
    const std::optional<QString> refreshToken =
        client->tokenManager()->store()->read(TokenStore::refreshTokenKey());
    QSignalSpy authenticationRequired(client->syncApiClient(), &ApiClient::authenticationRequired);

    // Nothing is loaded yet, so the request goes without a token and fails.
    QCOMPARE(getEcho(client->syncApiClient()), 401);
    QCOMPARE(authenticationRequired.count(), 1);
    QCOMPARE(client->authClient()->state(), AuthState::Initial);
    QVERIFY(refreshToken.has_value());
    QCOMPARE(client->tokenManager()->store()->read(TokenStore::refreshTokenKey()), refreshToken);

    client->initialize();
    QVERIFY(client->isAuthenticated());
}

VELLUMRY_TEST_GUILESS_MAIN(TestClient)
#include "tst_client.moc"
