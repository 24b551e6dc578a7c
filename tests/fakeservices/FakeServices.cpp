#include "FakeServices.h"

FakeServices::FakeServices(QObject* parent)
    : QObject(parent)
    , m_http(new FakeHttpServer(this))
    , m_auth(new FakeAuthService(m_http, this))
    , m_account(new FakeAccountService(m_http, m_auth, this))
    , m_sync(new FakeSyncService(m_http, m_auth, this))
{
    const auto echo = m_auth->forUser([](const FakeRequest& request, const QString& userId) {
        const QJsonDocument parsed = QJsonDocument::fromJson(request.body);
        return FakeResponse::json(200, QJsonObject{
            {QStringLiteral("method"), QString::fromLatin1(request.method)},
            {QStringLiteral("path"), request.path},
            {QStringLiteral("user_id"), userId},
            {QStringLiteral("id"), request.captures.value(QStringLiteral("id"))},
            {QStringLiteral("body"), parsed.isObject() ? QJsonValue(parsed.object()) : QJsonValue()},
        });
    });
    m_http->addRoute("*", accountApiPath(echoPath()), echo);
    m_http->addRoute("*", accountApiPath(echoPath() + QLatin1String("/{id}")), echo);
}
