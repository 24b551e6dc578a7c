#pragma once

#include "FakeHttpServer.h"

#include <QHash>
#include <QJsonObject>
#include <QObject>
#include <QString>

#include <functional>

// The authentication service as far as the client sees it: users, unsigned
// JWT-shaped access tokens carrying "sub", "exp" and the group claims under
// "custom"."orv", and refresh tokens that rotate: each refresh spends the one
// it was given, and a spent one is refused with 401 from then on.
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
    };
    struct TokenPair
    {
        QString accessToken;
        QString refreshToken;
    };

    static constexpr int DefaultAccessTokenLifetimeSeconds = 900;

    // Registers its routes below `basePath` ("/auth") on the server.
    FakeAuthService(FakeHttpServer* http, const QString& basePath, const QString& realm, QObject* parent = nullptr);

    QString basePath() const;
    QString realm() const;
    // "<base>/api/v1/realms/<realm>", where the client's API requests go.
    QString realmPath() const;
    QString tokenRefreshPath() const;

    QString addUser(const QString& email, const QString& displayName = QString());
    void setGroupClaims(const QString& userId, const QString& groupId, const QString& role);
    User user(const QString& userId) const;

    // What a browser sign-in hands the client: a fresh pair for the user.
    TokenPair signIn(const QString& userId);
    // A live access token for the user that runs out at `expiresAt`.
    QString issueAccessToken(const QString& userId, qint64 expiresAt);
    static QString unsignedToken(const QJsonObject& payload);

    void setAccessTokenLifetime(int seconds);
    // The fake's "now" in epoch seconds; a test sets the same clock as the client.
    void setClock(std::function<qint64()> now);
    qint64 now() const;

    // Issued access tokens of the user stop being accepted, as after a
    // server-side revocation; the refresh tokens stay good.
    void revokeAccessTokens(const QString& userId);

    // The user whose live, unexpired access token the request carries; empty
    // otherwise.
    QString authenticate(const FakeRequest& request) const;
    bool isRefreshTokenLive(const QString& refreshToken) const;
    int refreshCount() const;

private:
    FakeResponse refresh(const FakeRequest& request);
    QString newRefreshToken(const QString& userId);

    FakeHttpServer* m_http;
    QString m_basePath;
    QString m_realm;
    QHash<QString, User> m_users;
    QHash<QString, QString> m_accessTokenUsers;
    QHash<QString, QString> m_refreshTokenUsers;
    int m_accessTokenLifetime = DefaultAccessTokenLifetimeSeconds;
    std::function<qint64()> m_now;
    int m_refreshCount = 0;
};
