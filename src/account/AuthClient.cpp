#include "AuthClient.h"

#include "ApiClient.h"
#include "JsonFields.h"
#include "TokenManager.h"
#include "WebAuthHandler.h"

#include <QJsonObject>
#include <QUrlQuery>

namespace OrvaAccount {

namespace {

const QString AccessTokenKey = QStringLiteral("access_token");
const QString RefreshTokenKey = QStringLiteral("refresh_token");
const QString UsersMePath = QStringLiteral("/users/me");

// A refusal of the refresh token itself. A time-out (408) or a busy service
// (429) says nothing about the token, so the session is kept for a later try.
bool isRejection(int status)
{
    return status >= 400 && status <= 499 && status != 408 && status != 429;
}

QString itemValue(const QUrlQuery& query, const QString& key)
{
    return query.queryItemValue(key, QUrl::FullyDecoded);
}

} // namespace

AuthClient::AuthClient(const QString& authBaseUrl, const QString& realmSlug, const QString& clientId,
                       ApiClient* api, TokenManager* tokens, QObject* parent)
    : QObject(parent)
    , m_authBaseUrl(authBaseUrl)
    , m_realmSlug(realmSlug)
    , m_clientId(clientId)
    , m_api(api)
    , m_tokens(tokens)
{
    installRefresher();
}

AuthClient::~AuthClient() = default;

void AuthClient::installRefresher()
{
    const QPointer<ApiClient> api(m_api);
    m_tokens->setRefresher([api](const QString& refreshToken, TokenManager::SuccessContinuation succeed,
                                 TokenManager::FailureContinuation fail) {
        if (!api) {
            fail(false);
            return;
        }
        // The token manager judges the answer: one without an access token is
        // a failure, one without a refresh token keeps the one it holds.
        api->postUnauthenticated(QStringLiteral("/auth/token/refresh"), QJsonObject{{RefreshTokenKey, refreshToken}},
                                 [succeed, fail](bool ok, int status, const QJsonObject& body) {
                                     if (ok) {
                                         succeed(body.value(AccessTokenKey).toString(),
                                                 body.value(RefreshTokenKey).toString());
                                     } else {
                                         fail(isRejection(status));
                                     }
                                 });
    });
}

AuthState AuthClient::state() const
{
    return m_state;
}

bool AuthClient::isAuthenticated() const
{
    return m_state == AuthState::SignedIn;
}

void AuthClient::setState(AuthState state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged(state);
}

void AuthClient::signOutLocally()
{
    m_tokens->clear();
    m_currentUser = User();
    setState(AuthState::SignedOut);
}

void AuthClient::initialize()
{
    m_tokens->loadTokens();
    if (!m_tokens->validAccessToken().isEmpty()) {
        setState(AuthState::SignedIn);
        return;
    }
    if (m_tokens->refreshToken().isEmpty()) {
        setState(AuthState::SignedOut);
        return;
    }
    const QPointer<AuthClient> self(this);
    m_tokens->refresh([self](RefreshResult result) {
        if (!self)
            return;
        if (result == RefreshResult::Rejected) {
            self->m_tokens->clear();
            self->setState(AuthState::SignedOut);
            return;
        }
        // Offline at start-up is still signed in; the next request refreshes.
        self->setState(AuthState::SignedIn);
    });
}

QUrl AuthClient::loginUrl(const QString& redirectUri) const
{
    // The service takes nothing else: it knows no state parameter and sends
    // the tokens themselves back to the redirect address.
    const QString text = QStringLiteral("%1/%2/account/login?client_id=%3&redirect_uri=%4")
                             .arg(m_authBaseUrl, m_realmSlug, m_clientId,
                                  QString::fromLatin1(QUrl::toPercentEncoding(redirectUri)));
    return QUrl(text, QUrl::TolerantMode);
}

void AuthClient::setLoginTimeout(int milliseconds)
{
    m_loginTimeoutMs = milliseconds;
}

int AuthClient::loginTimeout() const
{
    return m_loginTimeoutMs;
}

void AuthClient::login()
{
    // Only the newest sign-in may complete: an older browser tab can no
    // longer hand over tokens once the user has started again.
    stopListening();

    auto* listener = new WebAuthHandler(this);
    listener->setWaitTimeout(m_loginTimeoutMs);
    const QString redirectUri = listener->start();
    if (redirectUri.isEmpty()) {
        listener->deleteLater();
        emit loginFailed(QStringLiteral("Failed to start local auth server"));
        return;
    }
    m_listener = listener;
    connect(listener, &WebAuthHandler::callbackReceived, this, &AuthClient::handleAuthCallback);
    connect(listener, &WebAuthHandler::timedOut, this, [this] {
        stopListening();
        emit loginFailed(QStringLiteral("Sign-in timed out"));
    });
    WebAuthHandler::openBrowser(loginUrl(redirectUri));
}

void AuthClient::stopListening()
{
    if (!m_listener)
        return;
    m_listener->disconnect(this);
    m_listener->stop();
    // Often called from the listener's own signal.
    m_listener->deleteLater();
    m_listener = nullptr;
}

void AuthClient::handleAuthCallback(const QUrl& url)
{
    // One redirect ends the sign-in, whatever it carries.
    stopListening();

    const QUrlQuery fragment(url.fragment(QUrl::FullyEncoded));
    const QUrlQuery query(url.query(QUrl::FullyEncoded));
    const QUrlQuery& carrier = itemValue(fragment, AccessTokenKey).isEmpty() ? query : fragment;
    const QString accessToken = itemValue(carrier, AccessTokenKey);
    const QString refreshToken = itemValue(carrier, RefreshTokenKey);
    if (accessToken.isEmpty() || refreshToken.isEmpty()) {
        emit loginFailed(QStringLiteral("No tokens received"));
        return;
    }
    m_tokens->setTokens(accessToken, refreshToken);
    // The user may have signed in as someone else.
    m_currentUser = User();
    setState(AuthState::SignedIn);
    emit loginSucceeded();
}

void AuthClient::refreshToken(BoolCallback callback)
{
    const QPointer<AuthClient> self(this);
    m_tokens->refresh([self, callback](RefreshResult result) {
        if (self && result == RefreshResult::Rejected)
            self->signOutLocally();
        if (callback)
            callback(result == RefreshResult::Success);
    });
}

void AuthClient::onAuthenticationRequired()
{
    // Before start-up has loaded the tokens there is nothing to end, and
    // clearing would throw away the stored session unread.
    if (m_state == AuthState::Initial)
        return;
    signOutLocally();
}

void AuthClient::logout()
{
    // Sent with the token as held: refreshing it only to end the session
    // would spend the refresh token, and could even sign the user back in.
    m_api->postWithToken(QStringLiteral("/auth/logout"), QJsonObject(), m_tokens->accessToken(),
                         ApiClient::JsonCallback());
    signOutLocally();
    emit logoutCompleted();
}

void AuthClient::fetchCurrentUser(UserCallback callback)
{
    const QPointer<AuthClient> self(this);
    m_api->get(UsersMePath, [self, callback](bool ok, int, const QJsonObject& body) {
        if (!self)
            return;
        if (ok)
            self->m_currentUser = User::fromJson(body);
        if (callback)
            callback(self->m_currentUser);
    });
}

void AuthClient::updateProfile(const QString& displayName, UserCallback callback)
{
    const QPointer<AuthClient> self(this);
    m_api->patch(UsersMePath, QJsonObject{{QStringLiteral("display_name"), displayName}},
                 [self, callback](bool ok, int, const QJsonObject& body) {
                     if (!self)
                         return;
                     if (!ok) {
                         if (callback)
                             callback(User());
                         return;
                     }
                     self->m_currentUser = User::fromJson(body);
                     if (callback)
                         callback(self->m_currentUser);
                 });
}

void AuthClient::changePassword(const QString& currentPassword, const QString& newPassword, BoolCallback callback)
{
    const QJsonObject body{{QStringLiteral("current_password"), currentPassword},
                           {QStringLiteral("new_password"), newPassword}};
    m_api->post(UsersMePath + QLatin1String("/password"), body, [callback](bool ok, int, const QJsonObject&) {
        if (callback)
            callback(ok);
    });
}

void AuthClient::listSessions(SessionsCallback callback)
{
    m_api->get(UsersMePath + QLatin1String("/sessions"), [callback](bool ok, int, const QJsonObject& body) {
        if (!callback)
            return;
        callback(ok ? JsonFields::list<Session>(body, QLatin1String("sessions")) : QList<Session>());
    });
}

void AuthClient::revokeSession(const QString& sessionId)
{
    m_api->deleteResource(UsersMePath + QLatin1String("/sessions/") + ApiClient::pathArgument(sessionId),
                          ApiClient::JsonCallback());
}

QString AuthClient::currentUserId() const
{
    return TokenManager::accessTokenSubject(m_tokens->validAccessToken());
}

User AuthClient::currentUser() const
{
    return m_currentUser;
}

} // namespace OrvaAccount
