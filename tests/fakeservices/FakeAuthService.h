#pragma once

#include "FakeHttpServer.h"

#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>

// The authentication service: users, unsigned JWT-shaped access tokens carrying
// "sub", "exp" and the group claims under "custom"."orv", and refresh tokens
// that rotate (a spent one is refused with 401). Every sign-in opens a session;
// its tokens die with it. Routes below "/auth/api/v1/realms/vellumry":
//   POST /auth/token/refresh, POST /auth/logout, GET|PATCH /users/me,
//   POST /users/me/password, GET /users/me/sessions, DELETE /users/me/sessions/{id}
// and the browser's sign-in page "/auth/vellumry/account/login", which signs in
// the browser's user and redirects to the loopback "redirect_uri" with the
// tokens themselves in the query: no code to exchange, and nothing of the
// request echoed back.
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
    };
    using UserHandler = std::function<FakeResponse(const FakeRequest&, const QString& userId)>;

    static constexpr int DefaultAccessTokenLifetimeSeconds = 900;
    static constexpr const char* DefaultPassword = "correct horse battery staple";

    explicit FakeAuthService(FakeHttpServer* http, QObject* parent = nullptr);

    QString realm() const { return QStringLiteral("vellumry"); }
    QString basePath() const { return QStringLiteral("/auth"); }
    // "/auth/api/v1/realms/vellumry" followed by the path.
    QString apiPath(const QString& path = QString()) const;
    QString tokenRefreshPath() const { return apiPath(QStringLiteral("/auth/token/refresh")); }
    QString loginPagePath() const { return QStringLiteral("/auth/vellumry/account/login"); }
    QString clientId() const { return QStringLiteral("vellumry-desktop"); }

    QString addUser(const QString& email, const QString& displayName = QString());
    // The id of the user with this address (any letter case), or empty.
    QString userIdByEmail(const QString& email) const;
    void setGroupClaims(const QString& userId, const QString& groupId, const QString& role);
    User user(const QString& userId) const { return m_users.value(userId); }

    // A fresh pair for the user in a new session, as a browser sign-in gives.
    TokenPair signIn(const QString& userId);
    // A live access token for the user, outside any session, that runs out at `expiresAt`.
    QString issueAccessToken(const QString& userId, qint64 expiresAt);
    static QString unsignedToken(const QJsonObject& payload);
    void setAccessTokenLifetime(int seconds) { m_accessTokenLifetime = seconds; }
    // The fake's "now" in epoch seconds; a test sets the client's clock here too.
    void setClock(std::function<qint64()> now) { m_now = std::move(now); }
    qint64 now() const { return m_now(); }
    static QString timestamp(qint64 epochSeconds);
    // The user's access tokens stop being accepted; the refresh tokens stay good.
    void revokeAccessTokens(const QString& userId);

    // The user whose live access token the request carries, or empty.
    QString authenticate(const FakeRequest& request) const;
    // A handler that answers 401 without a live access token.
    FakeHttpServer::Handler forUser(UserHandler handler) const;
    bool isRefreshTokenLive(const QString& refreshToken) const { return m_refreshTokens.contains(refreshToken); }
    int refreshCount() const { return m_refreshCount; }
    QList<Session> sessions(const QString& userId) const;
    // Who is signed in to the browser that visits the sign-in page.
    void setBrowserUser(const QString& userId) { m_browserUser = userId; }

private:
    struct Grant
    {
        QString userId;
        // Empty for a token issued outside any session.
        QString sessionId;
        qint64 expiresAt = 0;
    };
    void addUserRoute(const QByteArray& method, const QString& path, UserHandler handler);
    FakeResponse refresh(const FakeRequest& request);
    FakeResponse changePassword(const FakeRequest& request, const QString& userId);
    FakeResponse listSessions(const FakeRequest& request, const QString& userId) const;
    FakeResponse loginPage(const FakeRequest& request);
    TokenPair issuePair(const QString& userId, const QString& sessionId);
    QJsonObject userJson(const QString& userId) const;
    void endSession(const QString& sessionId);

    FakeHttpServer* m_http;
    QHash<QString, User> m_users;
    QHash<QString, Grant> m_accessTokens;
    QHash<QString, Grant> m_refreshTokens;
    QList<Session> m_sessions;
    int m_accessTokenLifetime = DefaultAccessTokenLifetimeSeconds;
    std::function<qint64()> m_now;
    int m_refreshCount = 0;
    QString m_browserUser;
};
