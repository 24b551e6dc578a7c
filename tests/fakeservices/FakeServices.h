#pragma once

#include "FakeAccountService.h"
#include "FakeAuthService.h"
#include "FakeHttpServer.h"
#include "FakeSyncService.h"

#include <QObject>
#include <QUrl>

// The online services, faked on one loopback port for tests: the
// authentication service below /auth, the account API below /account, the
// sync API with the account-sharing endpoints below /sync-api.
class FakeServices : public QObject
{
    Q_OBJECT

public:
    explicit FakeServices(QObject* parent = nullptr);

    // Listens on 127.0.0.1, on a free port unless one is given.
    bool start(quint16 port = 0) { return m_http->listen(port); }
    quint16 port() const { return m_http->port(); }

    FakeHttpServer* http() const { return m_http; }
    FakeAuthService* auth() const { return m_auth; }
    FakeAccountService* account() const { return m_account; }
    FakeSyncService* sync() const { return m_sync; }

    QString realm() const { return m_auth->realm(); }
    // What the client is configured with.
    QUrl authBaseUrl() const { return m_http->url(m_auth->basePath()); }
    QUrl authApiUrl() const { return m_http->url(m_auth->apiPath()); }
    QUrl accountApiUrl() const { return m_http->url(FakeAccountService::apiPath(QString())); }
    QUrl syncApiUrl() const { return m_http->url(FakeSyncService::apiPath(QString())); }
    QUrl loginPageUrl() const { return m_http->url(m_auth->loginPagePath()); }

    // A protected route below the account API (also with one more {id}
    // segment) that answers any method with what it received:
    // {"method", "path", "user_id", "id", "body"}; 401 without a live token.
    static QString echoPath() { return QStringLiteral("/echo"); }
    static QString accountApiPath(const QString& path) { return FakeAccountService::apiPath(path); }

private:
    FakeHttpServer* m_http;
    FakeAuthService* m_auth;
    FakeAccountService* m_account;
    FakeSyncService* m_sync;
};
