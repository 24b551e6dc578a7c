#include "Client.h"

#include "AccountClient.h"
#include "ApiClient.h"
#include "FileTokenStore.h"
#include "TokenManager.h"

#include <QSysInfo>
#include <QUrl>

namespace OrvaAccount {

Client::Client(const ClientConfig& config, QObject* parent)
    : Client(config, std::make_unique<FileTokenStore>(FileTokenStore::defaultFolder(config.appId)), parent)
{
}

Client::Client(const ClientConfig& config, std::unique_ptr<TokenStore> store, QObject* parent)
    : QObject(parent)
    , m_config(config)
    , m_platform(platformFor(config.platform, QSysInfo::kernelType()))
    , m_tokens(new TokenManager(std::move(store), this))
    , m_authApi(new ApiClient(m_tokens, this))
    , m_accountApi(new ApiClient(m_tokens, this))
    , m_syncApi(new ApiClient(m_tokens, this))
{
    m_authApi->setBaseUrl(
        QUrl(QStringLiteral("%1/api/v1/realms/%2").arg(config.authBaseUrl, config.realmSlug), QUrl::TolerantMode));
    m_accountApi->setBaseUrl(QUrl(config.accountApiUrl, QUrl::TolerantMode));
    for (ApiClient* api : {m_authApi, m_accountApi, m_syncApi})
        api->setClientInfo(config.appId, config.appVersion, m_platform);

    m_auth = new AuthClient(config.authBaseUrl, config.realmSlug, config.clientId, m_authApi, m_tokens, this);
    connect(m_auth, &AuthClient::stateChanged, this, &Client::onAuthStateChanged);
    // A refresh token refused during any request ends the session, so the
    // user is asked to sign in instead of meeting the same failure for ever.
    for (ApiClient* api : {m_authApi, m_accountApi, m_syncApi})
        connect(api, &ApiClient::authenticationRequired, m_auth, &AuthClient::onAuthenticationRequired);

    m_account = new AccountClient(m_accountApi, m_auth, config, this);
}

Client::~Client()
{
    // Users before what they use: a reply finishing while the API clients go
    // must still find the token manager.
    delete m_account;
    delete m_auth;
    delete m_syncApi;
    delete m_accountApi;
    delete m_authApi;
    delete m_tokens;
}

QString Client::platformFor(const QString& configured, const QString& kernelType)
{
    if (!configured.isEmpty())
        return configured;
    const QString kernel = kernelType.toLower();
    if (kernel == QLatin1String("darwin"))
        return QStringLiteral("macos");
    if (kernel == QLatin1String("winnt"))
        return QStringLiteral("windows");
    return kernel;
}

void Client::initialize()
{
    m_auth->initialize();
}

bool Client::isAuthenticated() const
{
    return m_auth->state() == AuthState::SignedIn;
}

OrvClaims Client::currentClaims() const
{
    const QString token = m_tokens->validAccessToken();
    return token.isEmpty() ? OrvClaims() : decodeClaims(token);
}

void Client::onAuthStateChanged(AuthState state)
{
    emit authStateChanged(state);
    if (state == AuthState::SignedIn)
        emit claimsUpdated(currentClaims());
}

ClientConfig Client::config() const
{
    return m_config;
}

QString Client::platform() const
{
    return m_platform;
}

TokenManager* Client::tokenManager() const
{
    return m_tokens;
}

ApiClient* Client::authApiClient() const
{
    return m_authApi;
}

ApiClient* Client::accountApiClient() const
{
    return m_accountApi;
}

ApiClient* Client::syncApiClient() const
{
    return m_syncApi;
}

AuthClient* Client::authClient() const
{
    return m_auth;
}

AccountClient* Client::accountClient() const
{
    return m_account;
}

} // namespace OrvaAccount
