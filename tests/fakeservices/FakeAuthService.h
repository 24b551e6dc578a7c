#pragma once

#include "FakeHttpServer.h"

#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>

// The authentication service as far as the client sees it: users, unsigned
// JWT-shaped access tokens carrying "sub", "exp" and the group claims under
// "custom"."orv", and refresh tokens that rotate: each refresh spends the one
// it was given, and a spent one is refused with 401 from then on. Every
// sign-in opens a session; the tokens of a session die with it (sign-out,
// revocation).
//
// Routes, below the realm path "<base>/api/v1/realms/<realm>":
//   POST   /auth/token/refresh   {"refresh_token"} -> a new pair
//   POST   /auth/logout          ends the bearer's session, 204
//   GET    /users/me             the user
//   PATCH  /users/me             {"display_name"} -> the user
//   POST   /users/me/password    {"current_password", "new_password"}, 204
//   GET    /users/me/sessions    {"sessions": [...]}
//   DELETE /users/me/sessions/{id}
// and the browser's sign-in page "<base>/<realm>/account/login", which signs
// in the browser's user and redirects to the loopback "redirect_uri" with
// "access_token", "refresh_token" and the "state" it was given.
class FakeAuthService : public QObject
{
    Q_OBJECT

public:
    struct User
    {
        QString id;
        QString email;
        QString displayName;
        QString groupId;
        QString role;
        QString password;
        qint64 createdAt = 0;
    };
    struct TokenPair
    {
        QString accessToken;
        QString refreshToken;
    };
    struct Session
    {
        QString id;
        QString userId;
        QString userAgent;
        QString ipAddress;
        qint64 createdAt = 0;
        qint64 lastActiveAt = 0;
    };
    // Where the sign-in page puts the tokens in its redirect.
    enum class TokenDelivery { Query, Fragment };
    using UserHandler = std::function<FakeResponse(const FakeRequest&, const QString& userId)>;

    static constexpr int DefaultAccessTokenLifetimeSeconds = 900;
    static constexpr const char* DefaultPassword = "correct horse battery staple";

    // Registers its routes below `basePath` ("/auth") on the server.
    FakeAuthService(FakeHttpServer* http, const QString& basePath, const QString& realm, QObject* parent = nullptr);

    QString basePath() const;
    QString realm() const;
    // "<base>/api/v1/realms/<realm>", where the client's API requests go.
    QString realmPath() const;
    QString tokenRefreshPath() const;
    // The server path of a path below the realm path.
    QString apiPath(const QString& path) const;
    // "<base>/<realm>/account/login", the page the browser is sent to.
    QString loginPagePath() const;

    QString addUser(const QString& email, const QString& displayName = QString());
    // The id of the user with this address (any letter case), or empty.
    QString userIdByEmail(const QString& email) const;
    void setGroupClaims(const QString& userId, const QString& groupId, const QString& role);
    void setPassword(const QString& userId, const QString& password);
    User user(const QString& userId) const;
    static QJsonObject userJson(const User& user);

    // What a browser sign-in hands the client: a fresh pair for the user, in
    // a new session.
    TokenPair signIn(const QString& userId);
    // A live access token for the user that runs out at `expiresAt`.
    QString issueAccessToken(const QString& userId, qint64 expiresAt);
    static QString unsignedToken(const QJsonObject& payload);

    void setAccessTokenLifetime(int seconds);
    // The fake's "now" in epoch seconds; a test sets the same clock as the client.
    void setClock(std::function<qint64()> now);
    qint64 now() const;
    static QString timestamp(qint64 epochSeconds);

    // Issued access tokens of the user stop being accepted, as after a
    // server-side revocation; the refresh tokens stay good.
    void revokeAccessTokens(const QString& userId);

    // The user whose live, unexpired access token the request carries; empty
    // otherwise.
    QString authenticate(const FakeRequest& request) const;
    // A route handler that answers 401 unless the request carries a live
    // access token, and hands the user to `handler` otherwise.
    FakeHttpServer::Handler forUser(UserHandler handler) const;
    bool isRefreshTokenLive(const QString& refreshToken) const;
    int refreshCount() const;
    QList<Session> sessions(const QString& userId) const;

    // The sign-in page: who is signed in to the browser (nobody: the page
    // shows its form and redirects nowhere), which client may use it, and
    // where the tokens go.
    void setBrowserUser(const QString& userId);
    void setClientId(const QString& clientId);
    QString clientId() const;
    void setTokenDelivery(TokenDelivery delivery);

private:
    struct Grant
    {
        QString userId;
        // Empty for a token issued outside any session.
        QString sessionId;
    };
    void addUserRoute(const QByteArray& method, const QString& path, UserHandler handler);
    FakeResponse refresh(const FakeRequest& request);
    FakeResponse logout(const FakeRequest& request);
    FakeResponse updateUser(const FakeRequest& request, const QString& userId);
    FakeResponse changePassword(const FakeRequest& request, const QString& userId);
    FakeResponse listSessions(const FakeRequest& request, const QString& userId) const;
    FakeResponse revokeSession(const FakeRequest& request, const QString& userId);
    FakeResponse loginPage(const FakeRequest& request);
    TokenPair issuePair(const Grant& grant);
    QString newRefreshToken(const Grant& grant);
    QString sessionOf(const FakeRequest& request) const;
    void endSession(const QString& sessionId);

    FakeHttpServer* m_http;
    QString m_basePath;
    QString m_realm;
    QHash<QString, User> m_users;
    QHash<QString, Grant> m_accessTokens;
    QHash<QString, Grant> m_refreshTokens;
    QList<Session> m_sessions;
    int m_accessTokenLifetime = DefaultAccessTokenLifetimeSeconds;
    std::function<qint64()> m_now;
    int m_refreshCount = 0;
    QString m_browserUser;
    QString m_clientId = QStringLiteral("vellumry-desktop");
    TokenDelivery m_tokenDelivery = TokenDelivery::Query;
};
