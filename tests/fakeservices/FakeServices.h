#pragma once

#include "FakeAccountService.h"
#include "FakeAuthService.h"
#include "FakeHttpServer.h"
#include "FakeSyncService.h"

#include <QObject>
#include <QUrl>

// The maker's online services, faked on one loopback port for tests. Each
// service lives below a path of its own:
//   /auth     the authentication service (realm API below /auth/api/v1/realms/<realm>)
//   /account  the account API
//   /sync-api the sync API with the account-sharing endpoints
// The browser's sign-in page belongs to the authentication service.
// Further services (the update site) join as classes of their own that
// register routes on http() below a new prefix, the way FakeAuthService does.
class FakeServices : public QObject
{
    Q_OBJECT

public:
    explicit FakeServices(QObject* parent = nullptr);

    // Listens on 127.0.0.1, on a free port unless one is given.
    bool start(quint16 port = 0);
    quint16 port() const;

    FakeHttpServer* http() const;
    FakeAuthService* auth() const;
    FakeAccountService* account() const;
    FakeSyncService* sync() const;

    QString realm() const;
    // What the client is configured with.
    QUrl authBaseUrl() const;
    QUrl authApiUrl() const;
    QUrl accountApiUrl() const;
    QUrl syncApiUrl() const;
    QUrl loginPageUrl() const;

    // A protected route below the account API that answers any method with
    // what it received: {"method", "path", "query", "user_id", "id", "body"}.
    // Without a live access token it answers 401 {"error": "unauthorized"}.
    static QString echoPath();
    // The server path of a path below the account API.
    static QString accountApiPath(const QString& path);

private:
    FakeResponse echo(const FakeRequest& request) const;

    FakeHttpServer* m_http;
    FakeAuthService* m_auth;
    FakeAccountService* m_account;
    FakeSyncService* m_sync;
};
