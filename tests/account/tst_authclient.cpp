#include "TestMain.h"

#include "FakeBrowser.h"
#include "OnlineTestSupport.h"
#include "account/ApiClient.h"
#include "account/AuthClient.h"
#include "account/Client.h"
#include "account/MemoryTokenStore.h"
#include "account/TokenManager.h"
#include "account/WebAuthHandler.h"

#include <QSignalSpy>
#include <QUrlQuery>

using OrvaAccount::AuthClient;
using OrvaAccount::AuthState;
using OrvaAccount::Client;
using OrvaAccount::MemoryTokenStore;
using OrvaAccount::Session;
using OrvaAccount::TokenManager;
using OrvaAccount::TokenStore;
using OrvaAccount::User;

namespace {

const QString Mismatch = QStringLiteral("Sign-in response did not match this sign-in");
const QString NoTokens = QStringLiteral("No tokens received");

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
    void redirectWithoutASignInIsRefused();
    void forgedRedirectFromAnotherProcessIsRefused();
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
    void logoutWhileSignedOut();

    void currentUser();
    void updateProfile();
    void changePassword();
    void sessions();

private:
    void makeClient(std::unique_ptr<MemoryTokenStore> store = nullptr);
    // Signed in with a pair the fake issued, restored as at start-up.
    void signIn();
    // The sign-in in progress, with the browser only recording the page.
    QString startRecordedLogin();
    AuthClient* auth() const { return m_client->authClient(); }
    TokenManager* tokens() const { return m_client->tokenManager(); }
    FakeHttpServer* http() const { return m_services->http(); }
    QString authRoute(const QString& path) const { return m_services->auth()->apiPath(path); }

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
    if (!store)
        store = std::make_unique<MemoryTokenStore>();
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

QString TestAuthClient::startRecordedLogin()
{
    m_browser->setFollowsLinks(false);
    auth()->login();
    if (m_browser->openedUrls().isEmpty())
        return QString();
    return queryItem(m_browser->openedUrls().constLast(), QStringLiteral("state"));
}

void TestAuthClient::signInThroughTheBrowser()
{
    makeClient();
    auth()->initialize();
    QCOMPARE(auth()->state(), AuthState::SignedOut);
    m_events.clear();

    auth()->login();
    QTRY_COMPARE(m_events, (QStringList{QStringLiteral("state 3"), QStringLiteral("loginSucceeded")}));
    QVERIFY(auth()->isAuthenticated());
    QCOMPARE(auth()->currentUserId(), m_userId);
    QCOMPARE(m_store->read(TokenStore::accessTokenKey()), std::optional<QString>(tokens()->accessToken()));
    QCOMPARE(m_store->read(TokenStore::refreshTokenKey()), std::optional<QString>(tokens()->refreshToken()));
    QVERIFY(m_services->auth()->isRefreshTokenLive(tokens()->refreshToken()));

    // The page the browser was sent to, and what it showed at the end.
    QCOMPARE(m_browser->openedUrls().size(), 1);
    const QUrl loginUrl = m_browser->openedUrls().constFirst();
    QCOMPARE(loginUrl.adjusted(QUrl::RemoveQuery), m_services->loginPageUrl());
    QCOMPARE(queryItem(loginUrl, QStringLiteral("client_id")), m_services->auth()->clientId());
    const QUrl redirectUri(queryItem(loginUrl, QStringLiteral("redirect_uri")));
    QCOMPARE(redirectUri.host(), QStringLiteral("localhost"));
    QCOMPARE(redirectUri.path(), QStringLiteral("/callback"));
    QVERIFY(loginUrl.query(QUrl::FullyEncoded).contains(QStringLiteral("redirect_uri=http%3A%2F%2Flocalhost%3A")));
    const QByteArray state = QByteArray::fromBase64(queryItem(loginUrl, QStringLiteral("state")).toLatin1(),
                                                    QByteArray::Base64UrlEncoding);
    QVERIFY(state.size() >= 16);

    const QList<FakeBrowser::Page> pages = m_browser->pages();
    QCOMPARE(pages.size(), 2);
    QCOMPARE(pages.at(0).status, 302);
    QCOMPARE(pages.at(1).url.port(), redirectUri.port());
    QCOMPARE(pages.at(1).status, 200);
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

    QTest::newRow("pair in the fragment") << "#access_token=A&refresh_token=R&state=STATE" << QString() << "A" << "R";
    QTest::newRow("pair in the query") << "?access_token=A&refresh_token=R&state=STATE" << QString() << "A" << "R";
    QTest::newRow("fragment with only a refresh token")
        << "?access_token=A&refresh_token=R&state=STATE#refresh_token=X" << QString() << "A" << "R";
    QTest::newRow("encoded values") << "?access_token=A%2Bb&refresh_token=R%26r&state=STATE" << QString() << "A+b"
                                    << "R&r";
    QTest::newRow("no refresh token") << "?access_token=A&state=STATE" << NoTokens << QString() << QString();
    QTest::newRow("service error") << "?error=access_denied&state=STATE" << NoTokens << QString() << QString();
    QTest::newRow("no state") << "?access_token=A&refresh_token=R" << Mismatch << QString() << QString();
    QTest::newRow("another state") << "?access_token=A&refresh_token=R&state=forged" << Mismatch << QString()
                                   << QString();
    QTest::newRow("state beside the tokens only")
        << "?state=STATE#access_token=A&refresh_token=R" << Mismatch << QString() << QString();
}

void TestAuthClient::redirects()
{
    QFETCH(QString, tail);
    QFETCH(QString, failure);
    QFETCH(QString, accessToken);
    QFETCH(QString, refreshToken);
    makeClient();
    auth()->initialize();
    const QString state = startRecordedLogin();
    QVERIFY(!state.isEmpty());
    m_events.clear();

    QString text = QStringLiteral("http://localhost:19876/callback") + tail;
    text.replace(QLatin1String("STATE"), state);
    auth()->handleAuthCallback(QUrl(text, QUrl::TolerantMode));

    if (failure.isEmpty()) {
        QCOMPARE(m_events, (QStringList{QStringLiteral("state 3"), QStringLiteral("loginSucceeded")}));
        QCOMPARE(tokens()->accessToken(), accessToken);
        QCOMPARE(tokens()->refreshToken(), refreshToken);
    } else {
        QCOMPARE(m_events, QStringList{QStringLiteral("loginFailed: ") + failure});
        QCOMPARE(auth()->state(), AuthState::SignedOut);
        QVERIFY(tokens()->refreshToken().isEmpty());
        QVERIFY(!m_store->contains(TokenStore::accessTokenKey()));
    }
}

void TestAuthClient::redirectWithoutASignInIsRefused()
{
    makeClient();
    auth()->initialize();
    const QString state = startRecordedLogin();
    const QUrl redirect(QStringLiteral("http://localhost:19876/callback?access_token=A&refresh_token=R&state=") + state);
    auth()->handleAuthCallback(redirect);
    QVERIFY(auth()->isAuthenticated());

    // The same redirect again, or any redirect with no sign-in waiting.
    m_events.clear();
    auth()->handleAuthCallback(redirect);
    QCOMPARE(m_events, QStringList{QStringLiteral("loginFailed: ") + Mismatch});
    QCOMPARE(tokens()->accessToken(), QStringLiteral("A"));
}

void TestAuthClient::forgedRedirectFromAnotherProcessIsRefused()
{
    makeClient();
    auth()->initialize();
    startRecordedLogin();
    const QUrl redirectUri(queryItem(m_browser->openedUrls().constLast(), QStringLiteral("redirect_uri")));
    m_events.clear();

    // Another local process, or a web page, guessing its way in with tokens
    // of its own: signing the user into someone else's account.
    const FakeAuthService::TokenPair intruder =
        m_services->auth()->signIn(m_services->auth()->addUser(QStringLiteral("mallory@example.test")));
    const QByteArray line = "GET /callback?access_token=" + intruder.accessToken.toLatin1()
        + "&refresh_token=" + intruder.refreshToken.toLatin1() + "&state=guess HTTP/1.1";
    OnlineTest::exchange(QHostAddress(QHostAddress::LocalHost), quint16(redirectUri.port()),
                         OnlineTest::request(line));
    QTRY_COMPARE(m_events, QStringList{QStringLiteral("loginFailed: ") + Mismatch});
    QVERIFY(!auth()->isAuthenticated());
    QVERIFY(tokens()->accessToken().isEmpty());
}

void TestAuthClient::newSignInGivesUpTheWaitingOne()
{
    makeClient();
    auth()->initialize();
    startRecordedLogin();
    const QUrl first = m_browser->openedUrls().constLast();
    startRecordedLogin();
    const QUrl second = m_browser->openedUrls().constLast();
    QVERIFY(queryItem(first, QStringLiteral("state")) != queryItem(second, QStringLiteral("state")));
    const QUrl firstUri(queryItem(first, QStringLiteral("redirect_uri")));
    const QUrl secondUri(queryItem(second, QStringLiteral("redirect_uri")));
    // The first listener let go of its port before the second one started.
    if (firstUri.port() != secondUri.port()) {
        QVERIFY(!OnlineTest::listenerAnswers(QHostAddress(QHostAddress::LocalHost), quint16(firstUri.port())));
    }

    // Finishing the older page in the browser no longer signs in.
    m_events.clear();
    m_browser->load(first);
    QTRY_COMPARE(m_events, QStringList{QStringLiteral("loginFailed: ") + Mismatch});
    QVERIFY(!auth()->isAuthenticated());

    // Giving up the first one was silent; the second completes normally.
    m_events.clear();
    startRecordedLogin();
    m_browser->load(m_browser->openedUrls().constLast());
    QTRY_COMPARE(m_events, (QStringList{QStringLiteral("state 3"), QStringLiteral("loginSucceeded")}));
}

void TestAuthClient::signInTimesOut()
{
    makeClient();
    auth()->initialize();
    auth()->setLoginTimeout(100);
    startRecordedLogin();
    const QUrl redirectUri(queryItem(m_browser->openedUrls().constLast(), QStringLiteral("redirect_uri")));
    m_events.clear();

    QTRY_COMPARE(m_events, QStringList{QStringLiteral("loginFailed: Sign-in timed out")});
    QVERIFY(!OnlineTest::listenerAnswers(QHostAddress(QHostAddress::LocalHost), quint16(redirectUri.port())));
    QCOMPARE(auth()->state(), AuthState::SignedOut);
}

void TestAuthClient::startUp_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<FakeFault>("refreshFault");
    QTest::addColumn<AuthState>("expected");
    QTest::addColumn<bool>("tokensKept");
    QTest::addColumn<int>("refreshes");

    const FakeFault none = FakeFault::delay(0);
    QTest::newRow("nothing stored") << "none" << none << AuthState::SignedOut << false << 0;
    QTest::newRow("valid access token") << "valid" << none << AuthState::SignedIn << true << 0;
    QTest::newRow("expired, refreshed") << "expired" << none << AuthState::SignedIn << true << 1;
    QTest::newRow("expired, refresh token refused") << "expired" << FakeFault::status(401) << AuthState::SignedOut
                                                    << false << 1;
    QTest::newRow("expired, offline") << "expired" << FakeFault::drop() << AuthState::SignedIn << true << 2;
    QTest::newRow("expired, service down") << "expired" << FakeFault::status(503) << AuthState::SignedIn << true
                                           << 1;
    QTest::newRow("refresh token only, busy service") << "refresh only" << FakeFault::status(429)
                                                      << AuthState::SignedIn << true << 1;
}

void TestAuthClient::startUp()
{
    QFETCH(QString, stored);
    QFETCH(FakeFault, refreshFault);
    QFETCH(AuthState, expected);
    QFETCH(bool, tokensKept);
    QFETCH(int, refreshes);

    auto store = std::make_unique<MemoryTokenStore>();
    if (stored != QLatin1String("none")) {
        const FakeAuthService::TokenPair pair = m_services->auth()->signIn(m_userId);
        const QString access = stored == QLatin1String("valid")
            ? pair.accessToken
            : (stored == QLatin1String("expired") ? m_services->auth()->issueAccessToken(m_userId, OnlineTest::Now - 5)
                                                  : QString());
        store->write(TokenStore::accessTokenKey(), access);
        store->write(TokenStore::refreshTokenKey(), pair.refreshToken);
    }
    http()->injectFault("POST", m_services->auth()->tokenRefreshPath(), refreshFault);
    makeClient(std::move(store));

    auth()->initialize();
    QTRY_COMPARE(auth()->state(), expected);
    QVERIFY(!tokens()->isRefreshing());
    QCOMPARE(http()->requestsTo(m_services->auth()->tokenRefreshPath()).size(), refreshes);
    QCOMPARE(m_store->contains(TokenStore::refreshTokenKey()), tokensKept);
    QVERIFY(!m_events.contains(QStringLiteral("loginSucceeded")));
}

void TestAuthClient::refreshReplies_data()
{
    QTest::addColumn<FakeFault>("fault");
    QTest::addColumn<bool>("signedOut");
    QTest::addColumn<bool>("brokenSuccess");

    QTest::newRow("400 refused") << FakeFault::status(400) << true << false;
    QTest::newRow("401 refused") << FakeFault::status(401) << true << false;
    QTest::newRow("403 refused") << FakeFault::status(403) << true << false;
    // Neither says anything about the refresh token.
    QTest::newRow("408 time-out") << FakeFault::status(408) << false << false;
    QTest::newRow("429 busy") << FakeFault::status(429) << false << false;
    QTest::newRow("500") << FakeFault::status(500) << false << false;
    QTest::newRow("dropped") << FakeFault::drop() << false << false;
    QTest::newRow("success without tokens")
        << FakeFault::respond(FakeResponse::json(200, QJsonObject{{QStringLiteral("token_type"), QStringLiteral("Bearer")}}))
        << false << true;
    QTest::newRow("success with only a refresh token")
        << FakeFault::respond(FakeResponse::json(200, QJsonObject{{QStringLiteral("refresh_token"), QStringLiteral("rt-x")}}))
        << false << true;
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
    QSignalSpy stateChanged(auth(), &AuthClient::stateChanged);

    std::optional<bool> result;
    auth()->refreshToken([&result](bool ok) { result = ok; });
    QTRY_VERIFY(result.has_value());
    QCOMPARE(*result, false);
    if (signedOut) {
        QCOMPARE(auth()->state(), AuthState::SignedOut);
        QCOMPARE(stateChanged.count(), 1);
        QVERIFY(tokens()->accessToken().isEmpty());
        QVERIFY(!m_store->contains(TokenStore::refreshTokenKey()));
    } else {
        QCOMPARE(auth()->state(), AuthState::SignedIn);
        QCOMPARE(stateChanged.count(), 0);
        QCOMPARE(tokens()->accessToken(), access);
        QCOMPARE(tokens()->refreshToken(), refresh);
        QCOMPARE(m_store->read(TokenStore::refreshTokenKey()), std::optional<QString>(refresh));
    }
}

void TestAuthClient::refreshWithoutANewRefreshTokenKeepsTheOldOne()
{
    signIn();
    const QString refresh = tokens()->refreshToken();
    const QString newAccess = m_services->auth()->issueAccessToken(m_userId, OnlineTest::Now + 600);
    http()->injectFault("POST", m_services->auth()->tokenRefreshPath(),
                        FakeFault::respond(FakeResponse::json(200, QJsonObject{{QStringLiteral("access_token"), newAccess}})),
                        1);

    std::optional<bool> result;
    auth()->refreshToken([&result](bool ok) { result = ok; });
    QTRY_VERIFY(result.has_value());
    QCOMPARE(*result, true);
    QCOMPARE(tokens()->accessToken(), newAccess);
    QCOMPARE(tokens()->refreshToken(), refresh);
    QCOMPARE(m_store->read(TokenStore::refreshTokenKey()), std::optional<QString>(refresh));

    // A normal rotation afterwards still works with the kept one.
    result.reset();
    auth()->refreshToken([&result](bool ok) { result = ok; });
    QTRY_VERIFY(result.has_value());
    QCOMPARE(*result, true);
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
    QVERIFY(tokens()->accessToken().isEmpty());
    QVERIFY(tokens()->refreshToken().isEmpty());
    QVERIFY(!m_store->contains(TokenStore::accessTokenKey()));
    QVERIFY(!m_store->contains(TokenStore::refreshTokenKey()));

    const QString logoutRoute = authRoute(QStringLiteral("/auth/logout"));
    QTRY_COMPARE(http()->requestsTo(logoutRoute).size(), 1);
    const FakeRequest request = http()->requestsTo(logoutRoute).constFirst();
    QCOMPARE(request.bearerToken(), access);
    QCOMPARE(request.body, QByteArray());
    QCOMPARE(http()->requestsTo(m_services->auth()->tokenRefreshPath()).size(), 0);
    // The service ended the session: its refresh token is dead there too.
    QTRY_VERIFY(m_services->auth()->sessions(m_userId).isEmpty());
    QVERIFY(!m_services->auth()->isRefreshTokenLive(refresh));
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
    const QString logoutRoute = authRoute(QStringLiteral("/auth/logout"));
    http()->injectFault("POST", logoutRoute, fault);

    auth()->logout();
    QCOMPARE(auth()->state(), AuthState::SignedOut);
    QVERIFY(!m_store->contains(TokenStore::refreshTokenKey()));
    QTRY_COMPARE(http()->requestsTo(logoutRoute).size(), 1);
    // A 401 from the sign-out brings no refresh and no second attempt.
    QVERIFY(!QTest::qWaitFor([this] { return http()->requestCount() > 1; }, 200));
    QCOMPARE(auth()->state(), AuthState::SignedOut);
}

void TestAuthClient::logoutWhileSignedOut()
{
    makeClient();
    auth()->initialize();
    m_events.clear();

    auth()->logout();
    QCOMPARE(m_events, QStringList{QStringLiteral("logoutCompleted")});
    const QString logoutRoute = authRoute(QStringLiteral("/auth/logout"));
    QTRY_COMPARE(http()->requestsTo(logoutRoute).size(), 1);
    QVERIFY(!http()->requestsTo(logoutRoute).constFirst().hasHeader("authorization"));
}

void TestAuthClient::currentUser()
{
    signIn();
    QCOMPARE(auth()->currentUser().id, QString());
    QCOMPARE(auth()->currentUserId(), m_userId);

    std::optional<User> fetched;
    auth()->fetchCurrentUser([&fetched](const User& user) { fetched = user; });
    QTRY_VERIFY(fetched.has_value());
    QCOMPARE(fetched->id, m_userId);
    QCOMPARE(fetched->email, QStringLiteral("ada@example.test"));
    QCOMPARE(fetched->displayName, QStringLiteral("Ada"));
    QCOMPARE(fetched->createdAt, QDateTime::fromSecsSinceEpoch(OnlineTest::Now, Qt::UTC));
    QCOMPARE(auth()->currentUser().email, QStringLiteral("ada@example.test"));

    // A failed fetch hands back the user as last known.
    http()->injectFault("GET", authRoute(QStringLiteral("/users/me")), FakeFault::status(500), 1);
    fetched.reset();
    auth()->fetchCurrentUser([&fetched](const User& user) { fetched = user; });
    QTRY_VERIFY(fetched.has_value());
    QCOMPARE(fetched->id, m_userId);

    auth()->logout();
    QCOMPARE(auth()->currentUser().id, QString());
    QCOMPARE(auth()->currentUserId(), QString());
}

void TestAuthClient::updateProfile()
{
    signIn();
    std::optional<User> updated;
    auth()->updateProfile(QStringLiteral("  Ada L.  "), [&updated](const User& user) { updated = user; });
    QTRY_VERIFY(updated.has_value());
    QCOMPARE(updated->displayName, QStringLiteral("  Ada L.  "));
    QCOMPARE(m_services->auth()->user(m_userId).displayName, QStringLiteral("  Ada L.  "));
    const FakeRequest request = http()->requests().constLast();
    QCOMPARE(request.method, QByteArray("PATCH"));
    QCOMPARE(request.jsonBody(), (QJsonObject{{QStringLiteral("display_name"), QStringLiteral("  Ada L.  ")}}));

    http()->injectFault("PATCH", authRoute(QStringLiteral("/users/me")), FakeFault::status(400), 1);
    updated.reset();
    auth()->updateProfile(QStringLiteral("Nope"), [&updated](const User& user) { updated = user; });
    QTRY_VERIFY(updated.has_value());
    QCOMPARE(updated->id, QString());
    QCOMPARE(auth()->currentUser().displayName, QStringLiteral("  Ada L.  "));
}

void TestAuthClient::changePassword()
{
    signIn();
    std::optional<bool> changed;
    auth()->changePassword(QStringLiteral("wrong"), QStringLiteral("new secret"), [&changed](bool ok) { changed = ok; });
    QTRY_VERIFY(changed.has_value());
    QCOMPARE(*changed, false);

    changed.reset();
    auth()->changePassword(QString::fromLatin1(FakeAuthService::DefaultPassword), QStringLiteral("new secret"),
                           [&changed](bool ok) { changed = ok; });
    QTRY_VERIFY(changed.has_value());
    QCOMPARE(*changed, true);
    QCOMPARE(m_services->auth()->user(m_userId).password, QStringLiteral("new secret"));
    QCOMPARE(http()->requests().constLast().jsonBody(),
             (QJsonObject{{QStringLiteral("current_password"), QString::fromLatin1(FakeAuthService::DefaultPassword)},
                          {QStringLiteral("new_password"), QStringLiteral("new secret")}}));
}

void TestAuthClient::sessions()
{
    // One session elsewhere, then this one.
    m_services->auth()->signIn(m_userId);
    signIn();

    std::optional<QList<Session>> listed;
    auth()->listSessions([&listed](const QList<Session>& sessions) { listed = sessions; });
    QTRY_VERIFY(listed.has_value());
    QCOMPARE(listed->size(), 2);
    QCOMPARE(listed->at(0).isCurrent, false);
    QCOMPARE(listed->at(1).isCurrent, true);
    QCOMPARE(listed->at(0).ipAddress, QStringLiteral("127.0.0.1"));
    QVERIFY(listed->at(0).lastActiveAt.isValid());

    auth()->revokeSession(listed->at(0).id);
    QTRY_COMPARE(m_services->auth()->sessions(m_userId).size(), 1);
    QCOMPARE(m_services->auth()->sessions(m_userId).constFirst().id, listed->at(1).id);

    http()->injectFault("GET", authRoute(QStringLiteral("/users/me/sessions")), FakeFault::status(503), 1);
    listed.reset();
    auth()->listSessions([&listed](const QList<Session>& sessions) { listed = sessions; });
    QTRY_VERIFY(listed.has_value());
    QVERIFY(listed->isEmpty());
}

VELLUMRY_TEST_GUILESS_MAIN(TestAuthClient)
#include "tst_authclient.moc"
