#include "FakeAuthService.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QUuid>

FakeAuthService::FakeAuthService(FakeHttpServer* http, const QString& basePath, const QString& realm,
                                 QObject* parent)
    : QObject(parent)
    , m_http(http)
    , m_basePath(basePath)
    , m_realm(realm)
    , m_now([] { return QDateTime::currentSecsSinceEpoch(); })
{
    m_http->addRoute("POST", tokenRefreshPath(), [this](const FakeRequest& request) { return refresh(request); });
}

QString FakeAuthService::basePath() const
{
    return m_basePath;
}

QString FakeAuthService::realm() const
{
    return m_realm;
}

QString FakeAuthService::realmPath() const
{
    return m_basePath + QLatin1String("/api/v1/realms/") + m_realm;
}

QString FakeAuthService::tokenRefreshPath() const
{
    return realmPath() + QLatin1String("/auth/token/refresh");
}

QString FakeAuthService::addUser(const QString& email, const QString& displayName)
{
    const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    m_users.insert(id, User{id, email, displayName, QString(), QString()});
    return id;
}

void FakeAuthService::setGroupClaims(const QString& userId, const QString& groupId, const QString& role)
{
    User& user = m_users[userId];
    user.groupId = groupId;
    user.role = role;
}

FakeAuthService::User FakeAuthService::user(const QString& userId) const
{
    return m_users.value(userId);
}

QString FakeAuthService::unsignedToken(const QJsonObject& payload)
{
    const auto encode = [](const QJsonObject& object) {
        return QJsonDocument(object).toJson(QJsonDocument::Compact).toBase64(QByteArray::Base64UrlEncoding
                                                                           | QByteArray::OmitTrailingEquals);
    };
    const QJsonObject header{{QStringLiteral("alg"), QStringLiteral("none")},
                             {QStringLiteral("typ"), QStringLiteral("JWT")}};
    // Three parts with an empty signature, the shape of an unsecured JWT.
    return QString::fromLatin1(encode(header) + '.' + encode(payload) + '.');
}

QString FakeAuthService::issueAccessToken(const QString& userId, qint64 expiresAt)
{
    const User user = m_users.value(userId);
    QJsonObject orv;
    if (!user.groupId.isEmpty()) {
        orv.insert(QStringLiteral("group_id"), user.groupId);
        orv.insert(QStringLiteral("role"), user.role);
    }
    const QJsonObject payload{
        {QStringLiteral("sub"), userId},
        {QStringLiteral("email"), user.email},
        {QStringLiteral("iat"), now()},
        {QStringLiteral("exp"), expiresAt},
        // Two tokens issued in the same second still differ.
        {QStringLiteral("jti"), QUuid::createUuid().toString(QUuid::WithoutBraces)},
        {QStringLiteral("custom"), QJsonObject{{QStringLiteral("orv"), orv}}},
    };
    const QString token = unsignedToken(payload);
    m_accessTokenUsers.insert(token, userId);
    return token;
}

QString FakeAuthService::newRefreshToken(const QString& userId)
{
    const QString token = QLatin1String("rt-") + QUuid::createUuid().toString(QUuid::Id128);
    m_refreshTokenUsers.insert(token, userId);
    return token;
}

FakeAuthService::TokenPair FakeAuthService::signIn(const QString& userId)
{
    return TokenPair{issueAccessToken(userId, now() + m_accessTokenLifetime), newRefreshToken(userId)};
}

void FakeAuthService::setAccessTokenLifetime(int seconds)
{
    m_accessTokenLifetime = seconds;
}

void FakeAuthService::setClock(std::function<qint64()> now)
{
    m_now = std::move(now);
}

qint64 FakeAuthService::now() const
{
    return m_now();
}

void FakeAuthService::revokeAccessTokens(const QString& userId)
{
    for (auto it = m_accessTokenUsers.begin(); it != m_accessTokenUsers.end();) {
        if (it.value() == userId)
            it = m_accessTokenUsers.erase(it);
        else
            ++it;
    }
}

QString FakeAuthService::authenticate(const FakeRequest& request) const
{
    const QString token = request.bearerToken();
    const auto it = m_accessTokenUsers.constFind(token);
    if (token.isEmpty() || it == m_accessTokenUsers.constEnd())
        return QString();
    const QStringList parts = token.split(QLatin1Char('.'));
    const QJsonObject payload =
        QJsonDocument::fromJson(QByteArray::fromBase64(parts.value(1).toLatin1(), QByteArray::Base64UrlEncoding))
            .object();
    if (payload.value(QLatin1String("exp")).toInteger() <= now())
        return QString();
    return it.value();
}

bool FakeAuthService::isRefreshTokenLive(const QString& refreshToken) const
{
    return m_refreshTokenUsers.contains(refreshToken);
}

int FakeAuthService::refreshCount() const
{
    return m_refreshCount;
}

FakeResponse FakeAuthService::refresh(const FakeRequest& request)
{
    const QString presented = request.jsonBody().value(QLatin1String("refresh_token")).toString();
    if (presented.isEmpty())
        return FakeResponse::error(400, QStringLiteral("invalid_request"));
    const auto it = m_refreshTokenUsers.constFind(presented);
    if (it == m_refreshTokenUsers.constEnd())
        return FakeResponse::error(401, QStringLiteral("invalid_grant"));

    const QString userId = it.value();
    m_refreshTokenUsers.remove(presented);
    ++m_refreshCount;
    const TokenPair pair = signIn(userId);
    return FakeResponse::json(200, QJsonObject{
                                       {QStringLiteral("access_token"), pair.accessToken},
                                       {QStringLiteral("refresh_token"), pair.refreshToken},
                                       {QStringLiteral("token_type"), QStringLiteral("Bearer")},
                                       {QStringLiteral("expires_in"), m_accessTokenLifetime},
                                   });
}
