#include "TestMain.h"

#include "OnlineTestSupport.h"
#include "account/AuthClient.h"
#include "account/Client.h"
#include "account/TokenManager.h"

#include <QSignalSpy>
#include <QUrlQuery>

using OnlineTest::await;
using OrvaAccount::AuthClient;
using OrvaAccount::AuthState;
using OrvaAccount::Client;
using OrvaAccount::MemoryTokenStore;
using OrvaAccount::Session;
using OrvaAccount::TokenManager;
using OrvaAccount::TokenStore;
using OrvaAccount::User;

namespace {

const QString NoTokens = QStringLiteral("loginFailed: No tokens received");
const QStringList SignedIn{QStringLiteral("state 3"), QStringLiteral("loginSucceeded")};

QString queryItem(const QUrl& url, const QString& key)
{
    return QUrlQuery(url).queryItemValue(key, QUrl::FullyDecoded);
}

} // namespace

class TestAuthClient : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void signInThroughTheBrowser();
    void redirects_data();
    void redirects();
    void onlyTheFirstCallbackRequestSignsIn();
    void newSignInGivesUpTheWaitingOne();
    void signInTimesOut();

    void startUp_data();
    void startUp();
    void refreshReplies_data();
    void refreshReplies();
    void refreshWithoutANewRefreshTokenKeepsTheOldOne();

    void logoutEndsTheSessionWithoutRefreshing();
    void logoutClearsWhateverTheReply_data();
    void logoutClearsWhateverTheReply();

    void userProfileAndPassword();
    void sessions();

private:
    void makeClient(std::unique_ptr<MemoryTokenStore> store = std::make_unique<MemoryTokenStore>());
    // Signed in with a pair the fake issued, restored as at start-up.
    void signIn();
    // Signed out, with a sign-in in progress and the browser only recording the
    // page it was sent to; answers that page.
    QUrl startRecordedLogin();
    AuthClient* auth() const { return m_client->authClient(); }
    TokenManager* tokens() const { return m_client->tokenManager(); }
    FakeHttpServer* http() const { return m_services->http(); }
    QString authRoute(const QString& path) const { return m_services->auth()->apiPath(path); }
    int refreshRequests() const { return int(http()->requestsTo(m_services->auth()->tokenRefreshPath()).size()); }

    std::unique_ptr<OnlineTest::OnlineWorld> m_world;
    FakeServices* m_services = nullptr;
    FakeBrowser* m_browser = nullptr;
    std::unique_ptr<Client> m_client;
    MemoryTokenStore* m_store = nullptr;
    QString m_userId;
    QStringList m_events;
};

void TestAuthClient::init()
{
    m_world = std::make_unique<OnlineTest::OnlineWorld>();
    m_services = &m_world->services;
    m_browser = &m_world->browser;
    m_userId = m_world->userId;
    QVERIFY(m_services->start());
    m_events.clear();
}

void TestAuthClient::cleanup()
{
    m_client.reset();
    m_world.reset();
}

void TestAuthClient::makeClient(std::unique_ptr<MemoryTokenStore> store)
{
    m_store = store.get();
    m_client = std::make_unique<Client>(OnlineTest::configFor(*m_services), std::move(store));
    connect(auth(), &AuthClient::stateChanged, this,
            [this](AuthState state) { m_events.append(QStringLiteral("state %1").arg(int(state))); });
    connect(auth(), &AuthClient::loginSucceeded, this, [this] { m_events.append(QStringLiteral("loginSucceeded")); });
    connect(auth(), &AuthClient::loginFailed, this,
            [this](const QString& error) { m_events.append(QStringLiteral("loginFailed: ") + error); });
    connect(auth(), &AuthClient::logoutCompleted, this, [this] { m_events.append(QStringLiteral("logoutCompleted")); });
}

void TestAuthClient::signIn()
{
    makeClient(OnlineTest::signedInStore(m_services->auth(), m_userId));
    auth()->initialize();
    QTRY_COMPARE(auth()->state(), AuthState::SignedIn);
    m_events.clear();
    http()->clearRequests();
}

QUrl TestAuthClient::startRecordedLogin()
{
    if (!m_client) {
        makeClient();
        auth()->initialize();
    }
    m_browser->setFollowsLinks(false);
    auth()->login();
    m_events.clear();
    return m_browser->openedUrls().value(m_browser->openedUrls().size() - 1);
}

void TestAuthClient::signInThroughTheBrowser()
{
    makeClient();
    auth()->initialize();
    QCOMPARE(m_events, QStringList{QStringLiteral("state 1")});
    m_events.clear();

    auth()->login();
    QTRY_COMPARE(m_events, SignedIn);
    QCOMPARE(auth()->currentUserId(), m_userId);
    QCOMPARE(m_store->read(TokenStore::accessTokenKey()), std::optional<QString>(tokens()->accessToken()));
    QCOMPARE(m_store->read(TokenStore::refreshTokenKey()), std::optional<QString>(tokens()->refreshToken()));
    QVERIFY(m_services->auth()->isRefreshTokenLive(tokens()->refreshToken()));

    // The page the browser was sent to, with the client and the redirect
    // address only, and what it showed at the end.
    QCOMPARE(m_browser->openedUrls().size(), 1);
    const QUrl loginUrl = m_browser->openedUrls().constFirst();
    const QUrl redirectUri(queryItem(loginUrl, QStringLiteral("redirect_uri")));
    QCOMPARE(loginUrl.toString(QUrl::FullyEncoded),
             m_services->loginPageUrl().toString(QUrl::FullyEncoded)
                 + QStringLiteral("?client_id=vellumry-desktop&redirect_uri=http%3A%2F%2Flocalhost%3A%1%2Fcallback")
                       .arg(redirectUri.port()));
    const QList<FakeBrowser::Page> pages = m_browser->pages();
    QCOMPARE(pages.size(), 2);
    QCOMPARE(pages.at(0).status, 302);
    QCOMPARE(pages.at(1).url.port(), redirectUri.port());
    QCOMPARE(pages.at(1).requestLine,
             "GET /callback?access_token=" + tokens()->accessToken().toLatin1()
                 + "&refresh_token=" + tokens()->refreshToken().toLatin1() + " HTTP/1.1");
    QVERIFY(pages.at(1).body.contains("<h2>Authentication complete!</h2>"));

    // The listener is gone with the sign-in.
    QVERIFY(!OnlineTest::listenerAnswers(QHostAddress(QHostAddress::LocalHost), quint16(redirectUri.port())));
}

void TestAuthClient::redirects_data()
{
    QTest::addColumn<QString>("tail");
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("accessToken");
    QTest::addColumn<QString>("refreshToken");

    QTest::newRow("pair in the fragment") << "#access_token=A&refresh_token=R" << QString() << "A" << "R";
    QTest::newRow("pair in the query") << "?access_token=A&refresh_token=R" << QString() << "A" << "R";
    QTest::newRow("fragment with only a refresh token") << "?access_token=A&refresh_token=R#refresh_token=X"
                                                        << QString() << "A" << "R";
    QTest::newRow("fragment before the query") << "?access_token=Q&refresh_token=Q#access_token=A&refresh_token=R"
                                               << QString() << "A" << "R";
    QTest::newRow("encoded values") << "?access_token=A%2Bb&refresh_token=R%26r" << QString() << "A+b" << "R&r";
    QTest::newRow("other items beside the tokens") << "?session=s&access_token=A&refresh_token=R&expires_in=900"
                                                   << QString() << "A" << "R";
    QTest::newRow("no refresh token") << "?access_token=A" << NoTokens << QString() << QString();
    QTest::newRow("access token in the fragment, refresh token in the query")
        << "?refresh_token=R#access_token=A" << NoTokens << QString() << QString();
    QTest::newRow("nothing") << "" << NoTokens << QString() << QString();
}

void TestAuthClient::redirects()
{
    QFETCH(QString, tail);
    QFETCH(QString, failure);
    QFETCH(QString, accessToken);
    QFETCH(QString, refreshToken);
    startRecordedLogin();
    auth()->handleAuthCallback(QUrl(QStringLiteral("http://localhost:19876/callback") + tail, QUrl::TolerantMode));

    QCOMPARE(m_events, failure.isEmpty() ? SignedIn : QStringList{failure});
    QCOMPARE(tokens()->accessToken(), accessToken);
    QCOMPARE(tokens()->refreshToken(), refreshToken);
    QCOMPARE(m_store->read(TokenStore::accessTokenKey()).value_or(QString()), accessToken);
}

void TestAuthClient::onlyTheFirstCallbackRequestSignsIn()
{
    const QUrl redirectUri(queryItem(startRecordedLogin(), QStringLiteral("redirect_uri")));
    const QHostAddress loopback(QHostAddress::LocalHost);
    const auto port = quint16(redirectUri.port());
    const FakeAuthService::TokenPair pair = m_services->auth()->signIn(m_userId);
    const QByteArray redirect = OnlineTest::request("GET /callback?access_token=" + pair.accessToken.toLatin1()
                                                    + "&refresh_token=" + pair.refreshToken.toLatin1() + " HTTP/1.1");

    // What is not the browser's redirect is turned away and the sign-in waits on.
    const QByteArray others[] = {
        OnlineTest::request("GET /favicon.ico HTTP/1.1"),
        OnlineTest::request("POST /callback?access_token=A&refresh_token=R HTTP/1.1"),
    };
    for (const QByteArray& other : others)
        QVERIFY(OnlineTest::exchange(loopback, port, other).bytes.startsWith("HTTP/1.1 404"));
    QCOMPARE(m_events, QStringList());

    QVERIFY(OnlineTest::exchange(loopback, port, redirect).bytes.contains("Authentication complete!"));
    QTRY_COMPARE(m_events, SignedIn);
    QCOMPARE(tokens()->accessToken(), pair.accessToken);

    // The same redirect sent again meets no listener.
    m_events.clear();
    QVERIFY(!OnlineTest::listenerAnswers(loopback, port));
    QCOMPARE(m_events, QStringList());
    QCOMPARE(tokens()->accessToken(), pair.accessToken);
}

void TestAuthClient::newSignInGivesUpTheWaitingOne()
{
    // The older sign-in would have given up long before the newer one.
    makeClient();
    auth()->initialize();
    auth()->setLoginTimeout(50);
    const QUrl first = startRecordedLogin();
    auth()->setLoginTimeout(AuthClient::DefaultLoginTimeoutMs);
    const QUrl second = startRecordedLogin();
    const QUrl firstUri(queryItem(first, QStringLiteral("redirect_uri")));
    const QUrl secondUri(queryItem(second, QStringLiteral("redirect_uri")));
    if (firstUri.port() != secondUri.port()) {
        // The first listener let go of its port: finishing the older page in
        // the browser reaches nobody.
        QVERIFY(!OnlineTest::listenerAnswers(QHostAddress(QHostAddress::LocalHost), quint16(firstUri.port())));
        m_browser->load(first);
        QTRY_COMPARE(m_browser->pages().size(), 2);
        QCOMPARE(m_browser->pages().constLast().status, 0);
    }
    // Giving up the older one was silent, its time-out included, and the
    // newer one completes normally.
    QVERIFY(!QTest::qWaitFor([this] { return !m_events.isEmpty(); }, 200));
    m_browser->load(second);
    QTRY_COMPARE(m_events, SignedIn);
}

void TestAuthClient::signInTimesOut()
{
    makeClient();
    auth()->initialize();
    auth()->setLoginTimeout(100);
    const QUrl redirectUri(queryItem(startRecordedLogin(), QStringLiteral("redirect_uri")));
    QTRY_COMPARE(m_events, QStringList{QStringLiteral("loginFailed: Sign-in timed out")});
    QVERIFY(!OnlineTest::listenerAnswers(QHostAddress(QHostAddress::LocalHost), quint16(redirectUri.port())));
    QCOMPARE(auth()->state(), AuthState::SignedOut);
}

void TestAuthClient::startUp_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<FakeFault>("refreshFault");
    QTest::addColumn<AuthState>("expected");
    QTest::addColumn<int>("refreshes");

    const FakeFault none = FakeFault::delay(0);
    QTest::newRow("nothing stored") << "none" << none << AuthState::SignedOut << 0;
    QTest::newRow("valid access token") << "valid" << none << AuthState::SignedIn << 0;
    QTest::newRow("expired, refreshed") << "expired" << none << AuthState::SignedIn << 1;
    QTest::newRow("expired, refresh token refused") << "expired" << FakeFault::status(401) << AuthState::SignedOut << 1;
    QTest::newRow("expired, offline") << "expired" << FakeFault::drop() << AuthState::SignedIn << 2;
    QTest::newRow("refresh token only, busy service") << "refresh only" << FakeFault::status(429)
                                                      << AuthState::SignedIn << 1;
}

void TestAuthClient::startUp()
{
    QFETCH(QString, stored);
    QFETCH(FakeFault, refreshFault);
    QFETCH(AuthState, expected);
    QFETCH(int, refreshes);

    auto store = std::make_unique<MemoryTokenStore>();
    if (stored != QLatin1String("none")) {
        const FakeAuthService::TokenPair pair = m_services->auth()->signIn(m_userId);
        QString access = pair.accessToken;
        if (stored != QLatin1String("valid"))
            access = stored == QLatin1String("expired")
                ? m_services->auth()->issueAccessToken(m_userId, OnlineTest::Now - 5)
                : QString();
        store->write(TokenStore::accessTokenKey(), access);
        store->write(TokenStore::refreshTokenKey(), pair.refreshToken);
    }
    http()->injectFault("POST", m_services->auth()->tokenRefreshPath(), refreshFault);
    makeClient(std::move(store));

    auth()->initialize();
    QTRY_COMPARE(auth()->state(), expected);
    QVERIFY(!tokens()->isRefreshing());
    QCOMPARE(refreshRequests(), refreshes);
    QCOMPARE(m_store->contains(TokenStore::refreshTokenKey()), expected == AuthState::SignedIn);
    QVERIFY(!m_events.contains(QStringLiteral("loginSucceeded")));
}

void TestAuthClient::refreshReplies_data()
{
    QTest::addColumn<FakeFault>("fault");
    QTest::addColumn<bool>("signedOut");
    QTest::addColumn<bool>("brokenSuccess");

    QTest::newRow("401 refused") << FakeFault::status(401) << true << false;
    QTest::newRow("403 refused") << FakeFault::status(403) << true << false;
    // Neither says anything about the refresh token.
    QTest::newRow("408 time-out") << FakeFault::status(408) << false << false;
    QTest::newRow("429 busy") << FakeFault::status(429) << false << false;
    QTest::newRow("500") << FakeFault::status(500) << false << false;
    QTest::newRow("dropped") << FakeFault::drop() << false << false;
    QTest::newRow("success with only a refresh token") << FakeFault::respond(FakeResponse::json(
        200, QJsonObject{{QStringLiteral("refresh_token"), QStringLiteral("rt-x")}})) << false << true;
    QTest::newRow("success that is not JSON") << FakeFault::notJson(200) << false << true;
}

void TestAuthClient::refreshReplies()
{
    QFETCH(FakeFault, fault);
    QFETCH(bool, signedOut);
    QFETCH(bool, brokenSuccess);
    signIn();
    if (brokenSuccess)
        QTest::ignoreMessage(QtWarningMsg, "TokenManager: token refresh answered without an access token");
    const QString access = tokens()->accessToken();
    const QString refresh = tokens()->refreshToken();
    http()->injectFault("POST", m_services->auth()->tokenRefreshPath(), fault);

    QCOMPARE(await<bool>([this](auto done) { auth()->refreshToken(done); }), false);
    if (signedOut) {
        QCOMPARE(m_events, QStringList{QStringLiteral("state 1")});
        QVERIFY(tokens()->accessToken().isEmpty());
        QVERIFY(!m_store->contains(TokenStore::refreshTokenKey()));
    } else {
        QCOMPARE(m_events, QStringList());
        QCOMPARE(tokens()->accessToken(), access);
        QCOMPARE(m_store->read(TokenStore::refreshTokenKey()), std::optional<QString>(refresh));
    }
}

void TestAuthClient::refreshWithoutANewRefreshTokenKeepsTheOldOne()
{
    signIn();
    const QString refresh = tokens()->refreshToken();
    const QString newAccess = m_services->auth()->issueAccessToken(m_userId, OnlineTest::Now + 600);
    http()->injectFault("POST", m_services->auth()->tokenRefreshPath(),
                        FakeFault::respond(FakeResponse::json(200, QJsonObject{{"access_token", newAccess}})), 1);
    QCOMPARE(await<bool>([this](auto done) { auth()->refreshToken(done); }), true);
    QCOMPARE(tokens()->accessToken(), newAccess);
    QCOMPARE(m_store->read(TokenStore::refreshTokenKey()), std::optional<QString>(refresh));

    // A normal rotation afterwards still works with the kept one.
    QCOMPARE(await<bool>([this](auto done) { auth()->refreshToken(done); }), true);
    QVERIFY(tokens()->refreshToken() != refresh);
}

void TestAuthClient::logoutEndsTheSessionWithoutRefreshing()
{
    // An access token with 20 s left: any ordinary request would refresh it first.
    m_services->auth()->setAccessTokenLifetime(20);
    signIn();
    QVERIFY(tokens()->needsRefresh());
    const QString access = tokens()->accessToken();
    const QString refresh = tokens()->refreshToken();

    auth()->logout();
    QCOMPARE(m_events, (QStringList{QStringLiteral("state 1"), QStringLiteral("logoutCompleted")}));
    QVERIFY(tokens()->refreshToken().isEmpty());
    QVERIFY(!m_store->contains(TokenStore::accessTokenKey()));
    QVERIFY(!m_store->contains(TokenStore::refreshTokenKey()));

    const QString logoutRoute = authRoute(QStringLiteral("/auth/logout"));
    QTRY_COMPARE(http()->requestsTo(logoutRoute).size(), 1);
    QCOMPARE(http()->requestsTo(logoutRoute).constFirst().bearerToken(), access);
    QCOMPARE(refreshRequests(), 0);
    // The service ended the session: its refresh token is dead there too.
    QTRY_VERIFY(!m_services->auth()->isRefreshTokenLive(refresh));
}

void TestAuthClient::logoutClearsWhateverTheReply_data()
{
    QTest::addColumn<FakeFault>("fault");
    QTest::newRow("500") << FakeFault::status(500);
    QTest::newRow("401") << FakeFault::status(401);
    QTest::newRow("no answer") << FakeFault::hang();
}

void TestAuthClient::logoutClearsWhateverTheReply()
{
    QFETCH(FakeFault, fault);
    signIn();
    http()->injectFault("POST", authRoute(QStringLiteral("/auth/logout")), fault);
    auth()->logout();
    QCOMPARE(auth()->state(), AuthState::SignedOut);
    QVERIFY(!m_store->contains(TokenStore::refreshTokenKey()));
    QTRY_COMPARE(http()->requestCount(), 1);
    // A 401 from the sign-out brings no refresh and no second attempt.
    QVERIFY(!QTest::qWaitFor([this] { return http()->requestCount() > 1; }, 200));
    QCOMPARE(auth()->state(), AuthState::SignedOut);
}

void TestAuthClient::userProfileAndPassword()
{
    signIn();
    QCOMPARE(auth()->currentUserId(), m_userId);
    User user = await<User>([this](auto done) { auth()->fetchCurrentUser(done); });
    QCOMPARE(user.email, QStringLiteral("ada@example.test"));
    QCOMPARE(user.createdAt, QDateTime::fromSecsSinceEpoch(OnlineTest::Now, Qt::UTC));
    QCOMPARE(auth()->currentUser().email, QStringLiteral("ada@example.test"));
    // A failed fetch hands back the user as last known.
    http()->injectFault("GET", authRoute(QStringLiteral("/users/me")), FakeFault::status(500), 1);
    QCOMPARE(await<User>([this](auto done) { auth()->fetchCurrentUser(done); }).id, m_userId);

    user = await<User>([this](auto done) { auth()->updateProfile(QStringLiteral("  Ada L.  "), done); });
    QCOMPARE(user.displayName, QStringLiteral("  Ada L.  "));
    QCOMPARE(m_services->auth()->user(m_userId).displayName, QStringLiteral("  Ada L.  "));
    QCOMPARE(http()->requests().constLast().method, QByteArray("PATCH"));
    http()->injectFault("PATCH", authRoute(QStringLiteral("/users/me")), FakeFault::status(400), 1);
    QCOMPARE(await<User>([this](auto done) { auth()->updateProfile(QStringLiteral("Nope"), done); }).id, QString());
    QCOMPARE(auth()->currentUser().displayName, QStringLiteral("  Ada L.  "));

    const QString current = QString::fromLatin1(FakeAuthService::DefaultPassword);
    QCOMPARE(await<bool>([this](auto done) { auth()->changePassword(QStringLiteral("wrong"), QStringLiteral("new"), done); }),
             false);
    QCOMPARE(await<bool>([&](auto done) { auth()->changePassword(current, QStringLiteral("new"), done); }), true);
    QCOMPARE(m_services->auth()->user(m_userId).password, QStringLiteral("new"));

    auth()->logout();
    QCOMPARE(auth()->currentUser().id, QString());
    QCOMPARE(auth()->currentUserId(), QString());
}

void TestAuthClient::sessions()
{
    // One session elsewhere, then this one.
    m_services->auth()->signIn(m_userId);
    signIn();
    const QList<Session> listed = await<QList<Session>>([this](auto done) { auth()->listSessions(done); });
    QCOMPARE(listed.size(), 2);
    QCOMPARE(listed.at(0).isCurrent, false);
    QCOMPARE(listed.at(1).isCurrent, true);
    QCOMPARE(listed.at(0).ipAddress, QStringLiteral("127.0.0.1"));

    auth()->revokeSession(listed.at(0).id);
    QTRY_COMPARE(m_services->auth()->sessions(m_userId).size(), 1);
    QCOMPARE(m_services->auth()->sessions(m_userId).constFirst().id, listed.at(1).id);

    http()->injectFault("GET", authRoute(QStringLiteral("/users/me/sessions")), FakeFault::status(503), 1);
    QVERIFY(await<QList<Session>>([this](auto done) { auth()->listSessions(done); }).isEmpty());
}

VELLUMRY_TEST_GUILESS_MAIN(TestAuthClient)
#include "tst_authclient.moc"
