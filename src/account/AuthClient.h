#pragma once

#include "Session.h"
#include "User.h"

#include <QList>
#include <QMetaType>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <functional>

namespace OrvaAccount {

class ApiClient;
class TokenManager;
class WebAuthHandler;

// The value 2 is never used; the rest of the program tests for SignedIn.
enum class AuthState {
    Initial = 0,
    SignedOut = 1,
    SignedIn = 3,
};

// Owns the sign-in state: restores a stored session at start-up, signs in
// through the system browser and the loopback listener, performs the token
// refreshes for the token manager, signs out, and offers the user calls of
// the authentication service.
class AuthClient : public QObject
{
    Q_OBJECT
    Q_PROPERTY(OrvaAccount::AuthState state READ state NOTIFY stateChanged)
    Q_PROPERTY(bool isAuthenticated READ isAuthenticated NOTIFY stateChanged)

public:
    using BoolCallback = std::function<void(bool ok)>;
    using UserCallback = std::function<void(const User& user)>;
    using SessionsCallback = std::function<void(const QList<Session>& sessions)>;

    // A sign-in the user never finishes in the browser is given up after this.
    static constexpr int DefaultLoginTimeoutMs = 5 * 60 * 1000;

    // Installs the token refresher into the token manager.
    AuthClient(const QString& authBaseUrl, const QString& realmSlug, const QString& clientId, ApiClient* api,
               TokenManager* tokens, QObject* parent = nullptr);
    ~AuthClient() override;

    AuthState state() const;
    bool isAuthenticated() const;

    // Start-up: loads the stored tokens and settles the state, refreshing
    // when the access token has run out. A service that cannot be reached
    // keeps the session; one that refuses the refresh token ends it.
    void initialize();
    // Opens the browser at the sign-in page; the outcome arrives as
    // loginSucceeded() or loginFailed(). A sign-in still waiting is given up.
    void login();
    // The redirect that ends a sign-in: it signs in when it carries both
    // tokens, in its fragment or else in its query.
    void handleAuthCallback(const QUrl& url);
    // True only on success; a refused refresh token signs the user out.
    void refreshToken(BoolCallback callback);
    // Tells the service and forgets the tokens, whatever the service says.
    void logout();

    // The user's current record; after a failure the last one known.
    void fetchCurrentUser(UserCallback callback);
    // The changed record, or an empty one (empty id) when the change failed.
    void updateProfile(const QString& displayName, UserCallback callback);
    void changePassword(const QString& currentPassword, const QString& newPassword, BoolCallback callback);
    // Empty after a failure.
    void listSessions(SessionsCallback callback);
    void revokeSession(const QString& sessionId);

    // The "sub" claim of the valid access token, else empty.
    QString currentUserId() const;
    // As last fetched; empty before the first fetch and after signing out.
    User currentUser() const;

    // The sign-in page address for a redirect URI.
    QUrl loginUrl(const QString& redirectUri) const;
    void setLoginTimeout(int milliseconds);
    int loginTimeout() const;

public slots:
    // An API client found the session beyond repair (its refresh token was
    // refused, or there was none): the user must sign in again.
    void onAuthenticationRequired();

signals:
    // Only when the state actually changes.
    void stateChanged(OrvaAccount::AuthState state);
    void loginSucceeded();
    void loginFailed(const QString& error);
    void logoutCompleted();

private:
    void installRefresher();
    void setState(AuthState state);
    void signOutLocally();
    void stopListening();

    QString m_authBaseUrl;
    QString m_realmSlug;
    QString m_clientId;
    ApiClient* m_api;
    TokenManager* m_tokens;
    AuthState m_state = AuthState::Initial;
    User m_currentUser;
    QPointer<WebAuthHandler> m_listener;
    int m_loginTimeoutMs = DefaultLoginTimeoutMs;
};

} // namespace OrvaAccount

Q_DECLARE_METATYPE(OrvaAccount::AuthState)
