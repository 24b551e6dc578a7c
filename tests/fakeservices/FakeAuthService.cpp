#include "FakeAuthService.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QUrlQuery>
#include <QUuid>

namespace {

QString newId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

QString queryValue(const FakeRequest& request, const QString& key)
{
    return request.query.queryItemValue(key, QUrl::FullyDecoded);
}

FakeResponse htmlPage(int status, const QString& text)
{
    return FakeResponse::raw(status, "<html><body><p>" + text.toHtmlEscaped().toUtf8() + "</p></body></html>",
                             "text/html");
}

// Where a desktop client may be sent back to: its own loopback listener.
bool isLoopbackCallback(const QUrl& url)
{
    const QString host = url.host();
    const bool loopback = host == QLatin1String("localhost") || host == QLatin1String("127.0.0.1")
        || host == QLatin1String("::1");
    return url.isValid() && url.scheme() == QLatin1String("http") && loopback && url.port() > 0
        && url.path() == QLatin1String("/callback");
}

// A text member, or nothing when it is missing or not a string.
std::optional<QString> textMember(const QJsonObject& body, const QString& key)
{
    const QJsonValue value = body.value(key);
    if (!value.isString())
        return std::nullopt;
    return value.toString();
}

} // namespace

FakeAuthService::FakeAuthService(FakeHttpServer* http, const QString& basePath, const QString& realm,
                                 QObject* parent)
    : QObject(parent)
    , m_http(http)
    , m_basePath(basePath)
    , m_realm(realm)
    , m_now([] { return QDateTime::currentSecsSinceEpoch(); })
{
    m_http->addRoute("POST", tokenRefreshPath(), [this](const FakeRequest& request) { return refresh(request); });
    m_http->addRoute("POST", apiPath(QStringLiteral("/auth/logout")),
                     [this](const FakeRequest& request) { return logout(request); });
    addUserRoute("GET", QStringLiteral("/users/me"), [this](const FakeRequest&, const QString& userId) {
        return FakeResponse::json(200, userJson(m_users.value(userId)));
    });
    addUserRoute("PATCH", QStringLiteral("/users/me"), [this](const FakeRequest& request, const QString& userId) {
        return updateUser(request, userId);
    });
    addUserRoute("POST", QStringLiteral("/users/me/password"),
                 [this](const FakeRequest& request, const QString& userId) {
                     return changePassword(request, userId);
                 });
    addUserRoute("GET", QStringLiteral("/users/me/sessions"),
                 [this](const FakeRequest& request, const QString& userId) {
                     return listSessions(request, userId);
                 });
    addUserRoute("DELETE", QStringLiteral("/users/me/sessions/{id}"),
                 [this](const FakeRequest& request, const QString& userId) {
                     return revokeSession(request, userId);
                 });
    m_http->addRoute("GET", loginPagePath(), [this](const FakeRequest& request) { return loginPage(request); });
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
    return apiPath(QStringLiteral("/auth/token/refresh"));
}

QString FakeAuthService::apiPath(const QString& path) const
{
    return realmPath() + path;
}

QString FakeAuthService::loginPagePath() const
{
    return m_basePath + QLatin1Char('/') + m_realm + QLatin1String("/account/login");
}

FakeHttpServer::Handler FakeAuthService::forUser(UserHandler handler) const
{
    return [this, handler](const FakeRequest& request) {
        const QString userId = authenticate(request);
        if (userId.isEmpty())
            return FakeResponse::error(401, QStringLiteral("unauthorized"));
        return handler(request, userId);
    };
}

void FakeAuthService::addUserRoute(const QByteArray& method, const QString& path, UserHandler handler)
{
    m_http->addRoute(method, apiPath(path), forUser(std::move(handler)));
}

QString FakeAuthService::userIdByEmail(const QString& email) const
{
    for (const User& user : m_users) {
        if (user.email.compare(email, Qt::CaseInsensitive) == 0)
            return user.id;
    }
    return QString();
}

QString FakeAuthService::addUser(const QString& email, const QString& displayName)
{
    const QString id = newId();
    User user;
    user.id = id;
    user.email = email;
    user.displayName = displayName;
    user.password = QString::fromLatin1(DefaultPassword);
    user.createdAt = now();
    m_users.insert(id, user);
    return id;
}

void FakeAuthService::setGroupClaims(const QString& userId, const QString& groupId, const QString& role)
{
    User& user = m_users[userId];
    user.groupId = groupId;
    user.role = role;
}

void FakeAuthService::setPassword(const QString& userId, const QString& password)
{
    m_users[userId].password = password;
}

FakeAuthService::User FakeAuthService::user(const QString& userId) const
{
    return m_users.value(userId);
}

QJsonObject FakeAuthService::userJson(const User& user)
{
    return QJsonObject{
        {QStringLiteral("id"), user.id},
        {QStringLiteral("email"), user.email},
        {QStringLiteral("display_name"), user.displayName},
        {QStringLiteral("username"), user.email.section(QLatin1Char('@'), 0, 0)},
        {QStringLiteral("avatar_url"), QString()},
        {QStringLiteral("created_at"), timestamp(user.createdAt)},
    };
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
        {QStringLiteral("jti"), newId()},
        {QStringLiteral("custom"), QJsonObject{{QStringLiteral("orv"), orv}}},
    };
    const QString token = unsignedToken(payload);
    m_accessTokens.insert(token, Grant{userId, QString()});
    return token;
}

QString FakeAuthService::newRefreshToken(const Grant& grant)
{
    const QString token = QLatin1String("rt-") + QUuid::createUuid().toString(QUuid::Id128);
    m_refreshTokens.insert(token, grant);
    return token;
}

FakeAuthService::TokenPair FakeAuthService::issuePair(const Grant& grant)
{
    const QString accessToken = issueAccessToken(grant.userId, now() + m_accessTokenLifetime);
    m_accessTokens[accessToken].sessionId = grant.sessionId;
    return TokenPair{accessToken, newRefreshToken(grant)};
}

FakeAuthService::TokenPair FakeAuthService::signIn(const QString& userId)
{
    Session session;
    session.id = newId();
    session.userId = userId;
    session.ipAddress = QStringLiteral("127.0.0.1");
    session.createdAt = now();
    session.lastActiveAt = session.createdAt;
    m_sessions.append(session);
    return issuePair(Grant{userId, session.id});
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

QString FakeAuthService::timestamp(qint64 epochSeconds)
{
    return QDateTime::fromSecsSinceEpoch(epochSeconds, Qt::UTC).toString(Qt::ISODate);
}

void FakeAuthService::revokeAccessTokens(const QString& userId)
{
    for (auto it = m_accessTokens.begin(); it != m_accessTokens.end();) {
        if (it->userId == userId)
            it = m_accessTokens.erase(it);
        else
            ++it;
    }
}

QString FakeAuthService::authenticate(const FakeRequest& request) const
{
    const QString token = request.bearerToken();
    const auto it = m_accessTokens.constFind(token);
    if (token.isEmpty() || it == m_accessTokens.constEnd())
        return QString();
    const QStringList parts = token.split(QLatin1Char('.'));
    const QJsonObject payload =
        QJsonDocument::fromJson(QByteArray::fromBase64(parts.value(1).toLatin1(), QByteArray::Base64UrlEncoding))
            .object();
    if (payload.value(QLatin1String("exp")).toInteger() <= now())
        return QString();
    return it->userId;
}

QString FakeAuthService::sessionOf(const FakeRequest& request) const
{
    if (authenticate(request).isEmpty())
        return QString();
    return m_accessTokens.value(request.bearerToken()).sessionId;
}

bool FakeAuthService::isRefreshTokenLive(const QString& refreshToken) const
{
    return m_refreshTokens.contains(refreshToken);
}

int FakeAuthService::refreshCount() const
{
    return m_refreshCount;
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

void FakeAuthService::setBrowserUser(const QString& userId)
{
    m_browserUser = userId;
}

void FakeAuthService::setClientId(const QString& clientId)
{
    m_clientId = clientId;
}

QString FakeAuthService::clientId() const
{
    return m_clientId;
}

void FakeAuthService::setTokenDelivery(TokenDelivery delivery)
{
    m_tokenDelivery = delivery;
}

void FakeAuthService::endSession(const QString& sessionId)
{
    const auto inSession = [&sessionId](const Grant& grant) { return grant.sessionId == sessionId; };
    m_accessTokens.removeIf([&inSession](const auto& entry) { return inSession(entry.value()); });
    m_refreshTokens.removeIf([&inSession](const auto& entry) { return inSession(entry.value()); });
    m_sessions.removeIf([&sessionId](const Session& session) { return session.id == sessionId; });
}

FakeResponse FakeAuthService::refresh(const FakeRequest& request)
{
    const QString presented = request.jsonBody().value(QLatin1String("refresh_token")).toString();
    if (presented.isEmpty())
        return FakeResponse::error(400, QStringLiteral("invalid_request"));
    const auto it = m_refreshTokens.constFind(presented);
    if (it == m_refreshTokens.constEnd())
        return FakeResponse::error(401, QStringLiteral("invalid_grant"));

    const Grant grant = it.value();
    m_refreshTokens.remove(presented);
    ++m_refreshCount;
    for (Session& session : m_sessions) {
        if (session.id == grant.sessionId)
            session.lastActiveAt = now();
    }
    const TokenPair pair = issuePair(grant);
    return FakeResponse::json(200, QJsonObject{
                                       {QStringLiteral("access_token"), pair.accessToken},
                                       {QStringLiteral("refresh_token"), pair.refreshToken},
                                       {QStringLiteral("token_type"), QStringLiteral("Bearer")},
                                       {QStringLiteral("expires_in"), m_accessTokenLifetime},
                                   });
}

FakeResponse FakeAuthService::logout(const FakeRequest& request)
{
    const QString sessionId = sessionOf(request);
    if (authenticate(request).isEmpty())
        return FakeResponse::error(401, QStringLiteral("unauthorized"));
    if (!sessionId.isEmpty())
        endSession(sessionId);
    return FakeResponse::empty(204);
}

FakeResponse FakeAuthService::updateUser(const FakeRequest& request, const QString& userId)
{
    const std::optional<QString> displayName = textMember(request.jsonBody(), QStringLiteral("display_name"));
    if (!displayName)
        return FakeResponse::error(400, QStringLiteral("invalid_display_name"));
    m_users[userId].displayName = *displayName;
    return FakeResponse::json(200, userJson(m_users.value(userId)));
}

FakeResponse FakeAuthService::changePassword(const FakeRequest& request, const QString& userId)
{
    const QJsonObject body = request.jsonBody();
    const std::optional<QString> current = textMember(body, QStringLiteral("current_password"));
    const std::optional<QString> next = textMember(body, QStringLiteral("new_password"));
    if (!current || !next || next->isEmpty())
        return FakeResponse::error(400, QStringLiteral("invalid_request"));
    if (*current != m_users.value(userId).password)
        return FakeResponse::error(403, QStringLiteral("invalid_password"));
    m_users[userId].password = *next;
    return FakeResponse::empty(204);
}

FakeResponse FakeAuthService::listSessions(const FakeRequest& request, const QString& userId) const
{
    const QString current = sessionOf(request);
    QJsonArray array;
    for (const Session& session : sessions(userId)) {
        array.append(QJsonObject{
            {QStringLiteral("id"), session.id},
            {QStringLiteral("user_agent"), session.userAgent},
            {QStringLiteral("ip_address"), session.ipAddress},
            {QStringLiteral("created_at"), timestamp(session.createdAt)},
            {QStringLiteral("last_active_at"), timestamp(session.lastActiveAt)},
            {QStringLiteral("is_current"), session.id == current},
        });
    }
    return FakeResponse::json(200, QJsonObject{{QStringLiteral("sessions"), array}});
}

FakeResponse FakeAuthService::revokeSession(const FakeRequest& request, const QString& userId)
{
    const QString sessionId = request.captures.value(QStringLiteral("id"));
    for (const Session& session : sessions(userId)) {
        if (session.id == sessionId) {
            endSession(sessionId);
            return FakeResponse::empty(204);
        }
    }
    return FakeResponse::error(404, QStringLiteral("not_found"));
}

FakeResponse FakeAuthService::loginPage(const FakeRequest& request)
{
    if (queryValue(request, QStringLiteral("client_id")) != m_clientId)
        return htmlPage(400, QStringLiteral("Unknown client"));
    const QUrl redirect(queryValue(request, QStringLiteral("redirect_uri")), QUrl::StrictMode);
    if (!isLoopbackCallback(redirect))
        return htmlPage(400, QStringLiteral("Invalid redirect_uri"));
    if (m_browserUser.isEmpty())
        return htmlPage(200, QStringLiteral("Sign in to continue"));

    const TokenPair pair = signIn(m_browserUser);
    m_sessions.last().userAgent = QString::fromUtf8(request.header("user-agent"));
    QUrlQuery tokens;
    tokens.addQueryItem(QStringLiteral("access_token"), pair.accessToken);
    tokens.addQueryItem(QStringLiteral("refresh_token"), pair.refreshToken);
    const QString state = queryValue(request, QStringLiteral("state"));
    if (!state.isEmpty())
        tokens.addQueryItem(QStringLiteral("state"), QString::fromLatin1(QUrl::toPercentEncoding(state)));
    QUrl location = redirect;
    if (m_tokenDelivery == TokenDelivery::Fragment)
        location.setFragment(tokens.toString(QUrl::FullyEncoded), QUrl::StrictMode);
    else
        location.setQuery(tokens);
    return FakeResponse::redirect(302, location);
}
