#include "TestMain.h"

#include "FakeBrowser.h"
#include "OnlineTestSupport.h"
#include "account/AccountClient.h"
#include "account/ApiClient.h"
#include "account/AuthClient.h"
#include "account/Client.h"
#include "account/DeviceIdentity.h"
#include "account/FileTokenStore.h"
#include "account/MemoryTokenStore.h"
#include "account/TokenManager.h"

#include <QFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QSysInfo>
#include <QUrlQuery>

using OrvaAccount::ApiClient;
using OrvaAccount::AuthClient;
using OrvaAccount::AuthState;
using OrvaAccount::Client;
using OrvaAccount::ClientConfig;
using OrvaAccount::Device;
using OrvaAccount::FileTokenStore;
using OrvaAccount::MemoryTokenStore;
using OrvaAccount::OrvClaims;
using OrvaAccount::TokenStore;

namespace {

struct Outcome
{
    bool called = false;
    bool ok = false;
    int status = -1;
};

Outcome getEcho(ApiClient* api)
{
    Outcome outcome;
    api->get(FakeServices::echoPath(), [&outcome](bool ok, int status, const QJsonObject&) {
        outcome = Outcome{true, ok, status};
    });
    if (!QTest::qWaitFor([&outcome] { return outcome.called; }, 5000))
        qWarning("the echo request was never answered");
    return outcome;
}

} // namespace

class TestClient : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void platform_data();
    void platform();
    void buildsTheThreeApiClients();
    void platformHeaderAndDevicePlatform();
    void signInForwardsStateAndClaims();
    void unusableTokenGivesEmptyClaims();
    void sessionOutlivesTheProgramInTheConfigFolder();
    void refusedRefreshDuringARequestSignsOut_data();
    void refusedRefreshDuringARequestSignsOut();
    void requestBeforeStartUpKeepsTheStoredSession();
    void fromSignInToSignOut();

private:
    // A client whose tokens live in memory, signed in with a pair the fake
    // issued unless told otherwise.
    std::unique_ptr<Client> makeClient(const ClientConfig& config, bool signedIn = true);
    std::unique_ptr<Client> makeClient(bool signedIn = true) { return makeClient(config(), signedIn); }
    ClientConfig config() const { return OnlineTest::configFor(*m_services); }
    FakeHttpServer* http() const { return m_services->http(); }
    QString echoRoute() const { return FakeServices::accountApiPath(FakeServices::echoPath()); }

    std::unique_ptr<OnlineTest::OnlineWorld> m_world;
    FakeServices* m_services = nullptr;
    FakeBrowser* m_browser = nullptr;
    QString m_userId;
};

void TestClient::init()
{
    m_world = std::make_unique<OnlineTest::OnlineWorld>();
    m_services = &m_world->services;
    m_browser = &m_world->browser;
    m_userId = m_world->userId;
    QVERIFY(m_services->start());
}

void TestClient::cleanup()
{
    m_world.reset();
}

std::unique_ptr<Client> TestClient::makeClient(const ClientConfig& config, bool signedIn)
{
    return std::make_unique<Client>(config, signedIn ? OnlineTest::signedInStore(m_services->auth(), m_userId)
                                                     : std::make_unique<MemoryTokenStore>());
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
    const std::unique_ptr<Client> client = makeClient();
    QCOMPARE(client->authApiClient()->baseUrl(), m_services->authApiUrl());
    QCOMPARE(client->accountApiClient()->baseUrl(), m_services->accountApiUrl());
    QVERIFY(client->syncApiClient()->baseUrl().isEmpty());
    QCOMPARE(client->authClient()->state(), AuthState::Initial);
    QCOMPARE(client->accountClient()->appName(), QStringLiteral("Orvalen Vellumry"));
    QCOMPARE(client->platform(), Client::platformFor(QString(), QSysInfo::kernelType()));
    // Building the client sends nothing.
    QCOMPARE(http()->requestCount(), 0);

    // The application points the third client at the sync API.
    client->initialize();
    client->syncApiClient()->setBaseUrl(m_services->accountApiUrl());
    QCOMPARE(getEcho(client->syncApiClient()).status, 200);
}

void TestClient::platformHeaderAndDevicePlatform()
{
    ClientConfig configured = config();
    configured.platform = QStringLiteral("windows");
    const std::unique_ptr<Client> client = makeClient(configured);
    client->initialize();
    client->syncApiClient()->setBaseUrl(m_services->accountApiUrl());

    for (ApiClient* api : {client->accountApiClient(), client->syncApiClient()}) {
        QCOMPARE(getEcho(api).status, 200);
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
    QCOMPARE(http()->requests().constLast().header("x-platform"), QByteArray("windows"));

    const std::unique_ptr<Client> derived = makeClient();
    derived->initialize();
    QCOMPARE(getEcho(derived->accountApiClient()).status, 200);
    QCOMPARE(http()->requests().constLast().header("x-platform"), QSysInfo::kernelType().toLower().toUtf8());
}

void TestClient::signInForwardsStateAndClaims()
{
    const QString groupId = m_services->account()->createGroup(m_userId, QStringLiteral("Lovelace household"));
    const std::unique_ptr<Client> client = makeClient(false);
    QSignalSpy stateChanged(client.get(), &Client::authStateChanged);
    QSignalSpy claimsUpdated(client.get(), &Client::claimsUpdated);
    client->initialize();
    QCOMPARE(stateChanged.count(), 1);
    QCOMPARE(stateChanged.at(0).at(0).value<AuthState>(), AuthState::SignedOut);
    QCOMPARE(claimsUpdated.count(), 0);
    QCOMPARE(client->currentClaims().groupId, QString());

    client->authClient()->login();
    QTRY_VERIFY(client->isAuthenticated());
    QCOMPARE(stateChanged.count(), 2);
    QCOMPARE(stateChanged.at(1).at(0).value<AuthState>(), AuthState::SignedIn);
    QCOMPARE(claimsUpdated.count(), 1);
    const OrvClaims claims = claimsUpdated.at(0).at(0).value<OrvClaims>();
    QCOMPARE(claims.groupId, groupId);
    QCOMPARE(claims.role, QStringLiteral("owner"));
    QCOMPARE(client->currentClaims().groupId, groupId);
}

void TestClient::unusableTokenGivesEmptyClaims()
{
    m_services->account()->createGroup(m_userId, QStringLiteral("Lovelace household"));
    const std::unique_ptr<Client> client = makeClient(false);
    client->initialize();
    QSignalSpy claimsUpdated(client.get(), &Client::claimsUpdated);

    // A service that hands over an access token already past its time.
    m_browser->setFollowsLinks(false);
    client->authClient()->login();
    const QUrl opened = m_browser->openedUrls().constLast();
    const QString state = QUrlQuery(opened).queryItemValue(QStringLiteral("state"), QUrl::FullyDecoded);
    const QString expired = m_services->auth()->issueAccessToken(m_userId, OnlineTest::Now - 1);
    client->authClient()->handleAuthCallback(QUrl(QStringLiteral("http://localhost:19876/callback?access_token=")
                                                  + expired + QLatin1String("&refresh_token=rt-x&state=") + state));

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

    Client next(config());
    next.initialize();
    QCOMPARE(next.authClient()->state(), AuthState::SignedIn);
    QCOMPARE(next.authClient()->currentUserId(), m_userId);

    next.authClient()->logout();
    QVERIFY(!QFile::exists(accessFile));
    QVERIFY(!QFile::exists(folder + QLatin1Char('/') + TokenStore::refreshTokenKey()));
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
    client->syncApiClient()->setBaseUrl(m_services->accountApiUrl());
    if (!expiring)
        m_services->auth()->revokeAccessTokens(m_userId);
    // The service has forgotten the session: every refresh token is refused.
    http()->injectFault("POST", m_services->auth()->tokenRefreshPath(), FakeFault::status(401));
    QSignalSpy stateChanged(client.get(), &Client::authStateChanged);
    if (expiring)
        QTest::ignoreMessage(QtWarningMsg, "ApiClient: token refresh rejected for GET /account/echo");

    const Outcome outcome = getEcho(client->syncApiClient());
    QCOMPARE(outcome.ok, false);
    QCOMPARE(outcome.status, 401);
    QCOMPARE(client->authClient()->state(), AuthState::SignedOut);
    QCOMPARE(stateChanged.count(), 1);
    QCOMPARE(stateChanged.at(0).at(0).value<AuthState>(), AuthState::SignedOut);
    QVERIFY(client->tokenManager()->refreshToken().isEmpty());
    QVERIFY(client->tokenManager()->accessToken().isEmpty());

    // Signed out, the next request neither refreshes nor changes anything.
    const int refreshes = int(http()->requestsTo(m_services->auth()->tokenRefreshPath()).size());
    QCOMPARE(getEcho(client->syncApiClient()).status, 401);
    QCOMPARE(http()->requestsTo(m_services->auth()->tokenRefreshPath()).size(), refreshes);
    QCOMPARE(stateChanged.count(), 1);
}

void TestClient::requestBeforeStartUpKeepsTheStoredSession()
{
    std::unique_ptr<MemoryTokenStore> store = OnlineTest::signedInStore(m_services->auth(), m_userId);
    MemoryTokenStore* stored = store.get();
    const std::optional<QString> refreshToken = stored->read(TokenStore::refreshTokenKey());
    Client client(config(), std::move(store));
    client.syncApiClient()->setBaseUrl(m_services->accountApiUrl());
    QSignalSpy authenticationRequired(client.syncApiClient(), &ApiClient::authenticationRequired);

    // Nothing is loaded yet, so the request goes without a token and fails.
    QCOMPARE(getEcho(client.syncApiClient()).status, 401);
    QCOMPARE(authenticationRequired.count(), 1);
    QCOMPARE(client.authClient()->state(), AuthState::Initial);
    QCOMPARE(stored->read(TokenStore::refreshTokenKey()), refreshToken);

    client.initialize();
    QVERIFY(client.isAuthenticated());
}

void TestClient::fromSignInToSignOut()
{
    const std::unique_ptr<Client> client = makeClient(false);
    client->initialize();
    client->authClient()->login();
    QTRY_VERIFY(client->isAuthenticated());

    // What the application does after an interactive sign-in.
    client->accountClient()->registerDevice();
    QTRY_COMPARE(m_services->account()->devices(m_userId).size(), 1);
    std::optional<QList<Device>> devices;
    client->accountClient()->getDevices([&devices](const QList<Device>& list) { devices = list; });
    QTRY_VERIFY(devices.has_value());
    QCOMPARE(devices->size(), 1);
    QCOMPARE(devices->constFirst().deviceFingerprint, OrvaAccount::currentDeviceFingerprint());
    QCOMPARE(devices->constFirst().appId, QStringLiteral("com.orvalenworks.vellumry"));

    std::optional<QString> email;
    client->authClient()->fetchCurrentUser([&email](const OrvaAccount::User& user) { email = user.email; });
    QTRY_COMPARE(email, std::optional<QString>(QStringLiteral("ada@example.test")));
    QCOMPARE(m_services->auth()->sessions(m_userId).size(), 1);
    QCOMPARE(m_services->auth()->sessions(m_userId).constFirst().userAgent, QStringLiteral("FakeBrowser/1.0"));

    QSignalSpy logoutCompleted(client->authClient(), &AuthClient::logoutCompleted);
    client->authClient()->logout();
    QCOMPARE(logoutCompleted.count(), 1);
    QVERIFY(!client->isAuthenticated());
    QTRY_VERIFY(m_services->auth()->sessions(m_userId).isEmpty());

    std::optional<OrvaAccount::Profile> profile;
    client->accountClient()->getProfile([&profile](const OrvaAccount::Profile& p) { profile = p; });
    QTRY_VERIFY(profile.has_value());
    QCOMPARE(profile->id, QString());
    QVERIFY(!http()->requests().constLast().hasHeader("authorization"));
}

VELLUMRY_TEST_GUILESS_MAIN(TestClient)
#include "tst_client.moc"
