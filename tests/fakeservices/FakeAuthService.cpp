#include "FakeAuthService.h"

#include <QDateTime>
#include <QJsonArray>
#include <QUuid>

namespace {

QString newId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

FakeResponse htmlPage(int status, const QByteArray& text)
{
    return FakeResponse::raw(status, "<html><body><p>" + text + "</p></body></html>", "text/html");
}

} // namespace

FakeAuthService::FakeAuthService(FakeHttpServer* http, QObject* parent)
    : QObject(parent)
    , m_http(http)
    , m_now([] { return QDateTime::currentSecsSinceEpoch(); })
{
    m_http->addRoute("POST", tokenRefreshPath(), [this](const FakeRequest& request) { return refresh(request); });
    addUserRoute("POST", QStringLiteral("/auth/logout"), [this](const FakeRequest& request, const QString&) {
        endSession(m_accessTokens.value(request.bearerToken()).sessionId);
        return FakeResponse::empty(204);
    });
    addUserRoute("GET", QStringLiteral("/users/me"),
                 [this](const FakeRequest&, const QString& userId) { return FakeResponse::json(200, userJson(userId)); });
    addUserRoute("PATCH", QStringLiteral("/users/me"), [this](const FakeRequest& request, const QString& userId) {
        m_users[userId].displayName = request.jsonBody().value(QLatin1String("display_name")).toString();
        return FakeResponse::json(200, userJson(userId));
    });
    addUserRoute("POST", QStringLiteral("/users/me/password"),
                 [this](const FakeRequest& request, const QString& userId) { return changePassword(request, userId); });
    addUserRoute("GET", QStringLiteral("/users/me/sessions"),
                 [this](const FakeRequest& request, const QString& userId) { return listSessions(request, userId); });
    addUserRoute("DELETE", QStringLiteral("/users/me/sessions/{id}"),
                 [this](const FakeRequest& request, const QString& userId) {
                     const QString sessionId = request.captures.value(QStringLiteral("id"));
                     for (const Session& session : sessions(userId)) {
                         if (session.id == sessionId) {
                             endSession(sessionId);
                             return FakeResponse::empty(204);
                         }
                     }
                     return FakeResponse::error(404, QStringLiteral("not_found"));
                 });
    m_http->addRoute("GET", loginPagePath(), [this](const FakeRequest& request) { return loginPage(request); });
}

QString FakeAuthService::apiPath(const QString& path) const
{
    return QStringLiteral("/auth/api/v1/realms/") + realm() + path;
}

FakeHttpServer::Handler FakeAuthService::forUser(UserHandler handler) const
{
    return [this, handler](const FakeRequest& request) {
        const QString userId = authenticate(request);
        return userId.isEmpty() ? FakeResponse::error(401, QStringLiteral("unauthorized")) : handler(request, userId);
    };
}

void FakeAuthService::addUserRoute(const QByteArray& method, const QString& path, UserHandler handler)
{
    m_http->addRoute(method, apiPath(path), forUser(std::move(handler)));
}

QString FakeAuthService::addUser(const QString& email, const QString& displayName)
{
    const QString id = newId();
    m_users.insert(id, User{id, email, displayName, QString(), QString(), QString::fromLatin1(DefaultPassword), now()});
    return id;
}

QString FakeAuthService::userIdByEmail(const QString& email) const
{
    for (const User& user : m_users) {
        if (user.email.compare(email, Qt::CaseInsensitive) == 0)
            return user.id;
    }
    return QString();
}

void FakeAuthService::setGroupClaims(const QString& userId, const QString& groupId, const QString& role)
{
    m_users[userId].groupId = groupId;
    m_users[userId].role = role;
}

QJsonObject FakeAuthService::userJson(const QString& userId) const
{
    const User user = m_users.value(userId);
    return QJsonObject{{QStringLiteral("id"), user.id},
                       {QStringLiteral("email"), user.email},
                       {QStringLiteral("display_name"), user.displayName},
                       {QStringLiteral("created_at"), timestamp(user.createdAt)}};
}

QString FakeAuthService::unsignedToken(const QJsonObject& payload)
{
    const auto encode = [](const QJsonObject& object) {
        return QJsonDocument(object).toJson(QJsonDocument::Compact).toBase64(QByteArray::Base64UrlEncoding
                                                                           | QByteArray::OmitTrailingEquals);
    };
    // An unsecured JWT: header, payload and an empty signature.
    return QString::fromLatin1(encode(QJsonObject{{QStringLiteral("alg"), QStringLiteral("none")}}) + '.'
                               + encode(payload) + '.');
}

QString FakeAuthService::issueAccessToken(const QString& userId, qint64 expiresAt)
{
    const User user = m_users.value(userId);
    QJsonObject orv;
    if (!user.groupId.isEmpty())
        orv = QJsonObject{{QStringLiteral("group_id"), user.groupId}, {QStringLiteral("role"), user.role}};
    const QString token = unsignedToken(QJsonObject{
        {QStringLiteral("sub"), userId},
        {QStringLiteral("exp"), expiresAt},
        // Two tokens issued in the same second still differ.
        {QStringLiteral("jti"), newId()},
        {QStringLiteral("custom"), QJsonObject{{QStringLiteral("orv"), orv}}},
    });
    m_accessTokens.insert(token, Grant{userId, QString(), expiresAt});
    return token;
}

FakeAuthService::TokenPair FakeAuthService::issuePair(const QString& userId, const QString& sessionId)
{
    const QString accessToken = issueAccessToken(userId, now() + m_accessTokenLifetime);
    m_accessTokens[accessToken].sessionId = sessionId;
    const QString refreshToken = QLatin1String("rt-") + newId();
    m_refreshTokens.insert(refreshToken, Grant{userId, sessionId, 0});
    return TokenPair{accessToken, refreshToken};
}

FakeAuthService::TokenPair FakeAuthService::signIn(const QString& userId)
{
    m_sessions.append(Session{newId(), userId, QString()});
    return issuePair(userId, m_sessions.constLast().id);
}

QString FakeAuthService::timestamp(qint64 epochSeconds)
{
    return QDateTime::fromSecsSinceEpoch(epochSeconds, Qt::UTC).toString(Qt::ISODate);
}

void FakeAuthService::revokeAccessTokens(const QString& userId)
{
    m_accessTokens.removeIf([&userId](const auto& entry) { return entry.value().userId == userId; });
}

QString FakeAuthService::authenticate(const FakeRequest& request) const
{
    const Grant grant = m_accessTokens.value(request.bearerToken());
    return grant.expiresAt > now() ? grant.userId : QString();
}

QList<FakeAuthService::Session> FakeAuthService::sessions(const QString& userId) const
{
    QList<Session> found;
    for (const Session& session : m_sessions) {
        if (session.userId == userId)
            found.append(session);
    }
    return found;
}

void FakeAuthService::endSession(const QString& sessionId)
{
    if (sessionId.isEmpty())
        return;
    const auto inSession = [&sessionId](const auto& entry) { return entry.value().sessionId == sessionId; };
    m_accessTokens.removeIf(inSession);
    m_refreshTokens.removeIf(inSession);
    m_sessions.removeIf([&sessionId](const Session& session) { return session.id == sessionId; });
}

FakeResponse FakeAuthService::refresh(const FakeRequest& request)
{
    const QString presented = request.jsonBody().value(QLatin1String("refresh_token")).toString();
    if (!m_refreshTokens.contains(presented))
        return FakeResponse::error(401, QStringLiteral("invalid_grant"));
    const Grant grant = m_refreshTokens.take(presented);
    ++m_refreshCount;
    const TokenPair pair = issuePair(grant.userId, grant.sessionId);
    return FakeResponse::json(200, QJsonObject{{QStringLiteral("access_token"), pair.accessToken},
                                               {QStringLiteral("refresh_token"), pair.refreshToken}});
}

FakeResponse FakeAuthService::changePassword(const FakeRequest& request, const QString& userId)
{
    const QJsonObject body = request.jsonBody();
    if (body.value(QLatin1String("current_password")).toString() != m_users.value(userId).password)
        return FakeResponse::error(403, QStringLiteral("invalid_password"));
    m_users[userId].password = body.value(QLatin1String("new_password")).toString();
    return FakeResponse::empty(204);
}

FakeResponse FakeAuthService::listSessions(const FakeRequest& request, const QString& userId) const
{
    const QString current = m_accessTokens.value(request.bearerToken()).sessionId;
    QJsonArray array;
    for (const Session& session : sessions(userId)) {
        array.append(QJsonObject{{QStringLiteral("id"), session.id},
                                 {QStringLiteral("user_agent"), session.userAgent},
                                 {QStringLiteral("ip_address"), QStringLiteral("127.0.0.1")},
                                 {QStringLiteral("is_current"), session.id == current}});
    }
    return FakeResponse::json(200, QJsonObject{{QStringLiteral("sessions"), array}});
}

FakeResponse FakeAuthService::loginPage(const FakeRequest& request)
{
    const auto query = [&request](const QString& key) { return request.query.queryItemValue(key, QUrl::FullyDecoded); };
    // Only our client, sent back only to its own loopback listener.
    QUrl location(query(QStringLiteral("redirect_uri")), QUrl::StrictMode);
    if (query(QStringLiteral("client_id")) != clientId() || m_browserUser.isEmpty() || location.scheme() != QLatin1String("http")
        || location.host() != QLatin1String("localhost") || location.path() != QLatin1String("/callback"))
        return htmlPage(400, "Invalid sign-in request");

    const TokenPair pair = signIn(m_browserUser);
    m_sessions.last().userAgent = QString::fromUtf8(request.header("user-agent"));
    QUrlQuery tokens;
    tokens.addQueryItem(QStringLiteral("access_token"), pair.accessToken);
    tokens.addQueryItem(QStringLiteral("refresh_token"), pair.refreshToken);
    location.setQuery(tokens);
    return FakeResponse::redirect(302, location);
}
