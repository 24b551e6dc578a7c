#include "FakeServices.h"

#include <QJsonDocument>

namespace {
const QString AuthPrefix = QStringLiteral("/auth");
const QString AccountPrefix = QStringLiteral("/account");
const QString SyncPrefix = QStringLiteral("/sync-api");
const QString Realm = QStringLiteral("vellumry");
} // namespace

FakeServices::FakeServices(QObject* parent)
    : QObject(parent)
    , m_http(new FakeHttpServer(this))
    , m_auth(new FakeAuthService(m_http, AuthPrefix, Realm, this))
    , m_account(new FakeAccountService(m_http, m_auth, AccountPrefix, this))
    , m_sync(new FakeSyncService(m_http, m_auth, SyncPrefix, this))
{
    const auto echoHandler = [this](const FakeRequest& request) { return echo(request); };
    m_http->addRoute("*", accountApiPath(echoPath()), echoHandler);
    m_http->addRoute("*", accountApiPath(echoPath() + QLatin1String("/{id}")), echoHandler);
}

bool FakeServices::start(quint16 port)
{
    return m_http->listen(port);
}

quint16 FakeServices::port() const
{
    return m_http->port();
}

FakeHttpServer* FakeServices::http() const
{
    return m_http;
}

FakeAuthService* FakeServices::auth() const
{
    return m_auth;
}

FakeAccountService* FakeServices::account() const
{
    return m_account;
}

FakeSyncService* FakeServices::sync() const
{
    return m_sync;
}

QString FakeServices::realm() const
{
    return m_auth->realm();
}

QUrl FakeServices::authBaseUrl() const
{
    return m_http->url(m_auth->basePath());
}

QUrl FakeServices::authApiUrl() const
{
    return m_http->url(m_auth->realmPath());
}

QUrl FakeServices::accountApiUrl() const
{
    return m_http->url(AccountPrefix);
}

QUrl FakeServices::syncApiUrl() const
{
    return m_http->url(SyncPrefix);
}

QUrl FakeServices::loginPageUrl() const
{
    return m_http->url(m_auth->loginPagePath());
}

QString FakeServices::echoPath()
{
    return QStringLiteral("/echo");
}

QString FakeServices::accountApiPath(const QString& path)
{
    return AccountPrefix + path;
}

FakeResponse FakeServices::echo(const FakeRequest& request) const
{
    const QString userId = m_auth->authenticate(request);
    if (userId.isEmpty())
        return FakeResponse::error(401, QStringLiteral("unauthorized"));
    const QJsonDocument parsed = QJsonDocument::fromJson(request.body);
    const QJsonValue body =
        parsed.isObject() ? QJsonValue(parsed.object()) : QJsonValue(QString::fromUtf8(request.body));
    return FakeResponse::json(200, QJsonObject{
                                       {QStringLiteral("method"), QString::fromLatin1(request.method)},
                                       {QStringLiteral("path"), request.path},
                                       {QStringLiteral("query"), request.query.toString(QUrl::FullyDecoded)},
                                       {QStringLiteral("user_id"), userId},
                                       {QStringLiteral("id"), request.captures.value(QStringLiteral("id"))},
                                       {QStringLiteral("body"), body},
                                   });
}
