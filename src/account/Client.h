#pragma once

#include "AuthClient.h"
#include "ClientConfig.h"
#include "OrvClaims.h"

#include <QObject>
#include <QString>

#include <memory>

namespace OrvaAccount {

class AccountClient;
class ApiClient;
class TokenManager;
class TokenStore;

// The one entry point of the online account library. It owns the token
// manager and its store, the three API clients (authentication service,
// account API, and one whose base address the application points at the sync
// API), the authentication client and the account client, and forwards the
// sign-in state and the group claims.
class Client : public QObject
{
    Q_OBJECT

public:
    // Keeps the tokens in the user's configuration folder.
    explicit Client(const ClientConfig& config, QObject* parent = nullptr);
    // Keeps them in the given store, such as a MemoryTokenStore in tests.
    Client(const ClientConfig& config, std::unique_ptr<TokenStore> store, QObject* parent = nullptr);
    ~Client() override;

    // Restores a stored session; called once at start-up.
    void initialize();
    bool isAuthenticated() const;
    // The group claims of the valid access token; empty ones without it.
    OrvClaims currentClaims() const;

    ClientConfig config() const;
    // The "X-Platform" every request carries.
    QString platform() const;
    // The configured platform, else the kernel type in the service's words.
    static QString platformFor(const QString& configured, const QString& kernelType);

    TokenManager* tokenManager() const;
    ApiClient* authApiClient() const;
    ApiClient* accountApiClient() const;
    // Its base address is set by the application, to the sync API.
    ApiClient* syncApiClient() const;
    AuthClient* authClient() const;
    AccountClient* accountClient() const;

signals:
    void authStateChanged(OrvaAccount::AuthState state);
    void claimsUpdated(const OrvaAccount::OrvClaims& claims);

private:
    void onAuthStateChanged(AuthState state);

    ClientConfig m_config;
    QString m_platform;
    TokenManager* m_tokens;
    ApiClient* m_authApi;
    ApiClient* m_accountApi;
    ApiClient* m_syncApi;
    AuthClient* m_auth;
    AccountClient* m_account;
};

} // namespace OrvaAccount
