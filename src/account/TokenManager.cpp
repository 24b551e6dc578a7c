#include "TokenManager.h"

#include "EpochClock.h"
#include "OrvClaims.h"

#include <QDebug>
#include <QMutexLocker>
#include <QPointer>

namespace OrvaAccount {

namespace {

void answer(const QList<TokenManager::RefreshCallback>& callbacks, RefreshResult result)
{
    for (const TokenManager::RefreshCallback& callback : callbacks)
        callback(result);
}

} // namespace

TokenManager::TokenManager(std::unique_ptr<TokenStore> store, QObject* parent)
    : QObject(parent)
    , m_store(std::move(store))
{
    m_refreshWatchdog.setSingleShot(true);
    m_refreshWatchdog.setInterval(DefaultRefreshTimeoutMs);
    // The watchdog runs only while a refresh is in flight.
    connect(&m_refreshWatchdog, &QTimer::timeout, this, [this] {
        qWarning().noquote() << "TokenManager: token refresh timed out";
        endRefresh(RefreshResult::TransientFailure);
    });
}

TokenManager::~TokenManager() = default;

void TokenManager::setRefresher(Refresher refresher)
{
    m_refresher = std::move(refresher);
}

void TokenManager::loadTokens()
{
    m_accessToken = m_store->read(TokenStore::accessTokenKey()).value_or(QString());
    m_refreshToken = m_store->read(TokenStore::refreshTokenKey()).value_or(QString());
}

void TokenManager::writeTokensToStore()
{
    // A failed write only costs the next run its session; this run keeps the
    // tokens in memory.
    m_store->write(TokenStore::accessTokenKey(), m_accessToken);
    m_store->write(TokenStore::refreshTokenKey(), m_refreshToken);
}

void TokenManager::setTokens(const QString& accessToken, const QString& refreshToken)
{
    m_accessToken = accessToken;
    m_refreshToken = refreshToken;
    writeTokensToStore();
    endRefresh(RefreshResult::Success);
}

void TokenManager::storeRefreshedTokens(const QString& accessToken, const QString& refreshToken)
{
    m_accessToken = accessToken;
    m_refreshToken = refreshToken;
    writeTokensToStore();
    endRefresh(RefreshResult::Success);
}

void TokenManager::clear()
{
    m_accessToken.clear();
    m_refreshToken.clear();
    m_store->clear();
    endRefresh(RefreshResult::Rejected);
}

QString TokenManager::validAccessToken() const
{
    if (m_accessToken.isEmpty())
        return QString();
    const qint64 expiry = accessTokenExpiry(m_accessToken);
    if (expiry == 0 || EpochClock::nowSeconds() >= expiry - ExpiryMarginSeconds)
        return QString();
    return m_accessToken;
}

QString TokenManager::accessToken() const
{
    return m_accessToken;
}

bool TokenManager::needsRefresh() const
{
    return validAccessToken().isEmpty() && !m_refreshToken.isEmpty();
}

QString TokenManager::refreshToken() const
{
    return m_refreshToken;
}

qint64 TokenManager::accessTokenExpiry(const QString& token)
{
    // Read as 64 bits: a 32-bit "exp" runs out in 2038.
    return tokenPayload(token).value(QLatin1String("exp")).toInteger(0);
}

QString TokenManager::accessTokenSubject(const QString& token)
{
    return tokenPayload(token).value(QLatin1String("sub")).toString();
}

void TokenManager::refresh(RefreshCallback callback)
{
    QString refreshTokenCopy;
    quint64 generation = 0;
    QList<RefreshCallback> refused;
    {
        const QMutexLocker locker(&m_mutex);
        if (callback)
            m_pendingCallbacks.append(std::move(callback));
        if (m_refreshInFlight)
            return;
        if (m_refreshToken.isEmpty() || !m_refresher) {
            refused.swap(m_pendingCallbacks);
        } else {
            m_refreshInFlight = true;
            generation = ++m_generation;
            refreshTokenCopy = m_refreshToken;
        }
    }
    if (generation == 0) {
        answer(refused, RefreshResult::Rejected);
        return;
    }

    // Started before the refresher runs, which may answer at once.
    m_refreshWatchdog.start();
    const QPointer<TokenManager> self(this);
    const Refresher refresher = m_refresher;
    refresher(
        refreshTokenCopy,
        [self, generation](const QString& accessToken, const QString& newRefreshToken) {
            if (!self)
                return;
            {
                const QMutexLocker locker(&self->m_mutex);
                if (!self->m_refreshInFlight || generation != self->m_generation)
                    return;
            }
            // A success without an access token is a broken answer: keeping
            // it would throw the session away while reporting success.
            if (accessToken.isEmpty()) {
                qWarning().noquote() << "TokenManager: token refresh answered without an access token";
                self->finishRefresh(generation, RefreshResult::TransientFailure);
                return;
            }
            // A service that does not rotate refresh tokens sends none back;
            // the one we hold stays good then.
            self->storeRefreshedTokens(accessToken,
                                       newRefreshToken.isEmpty() ? self->m_refreshToken : newRefreshToken);
        },
        [self, generation](bool rejected) {
            if (self)
                self->finishRefresh(generation, rejected ? RefreshResult::Rejected : RefreshResult::TransientFailure);
        });
}

void TokenManager::finishRefresh(quint64 generation, RefreshResult result)
{
    {
        const QMutexLocker locker(&m_mutex);
        if (!m_refreshInFlight || generation != m_generation)
            return;
    }
    endRefresh(result);
}

void TokenManager::endRefresh(RefreshResult result)
{
    QList<RefreshCallback> waiting;
    {
        const QMutexLocker locker(&m_mutex);
        // Whatever the refresher still says about this refresh is stale now.
        if (m_refreshInFlight)
            ++m_generation;
        m_refreshInFlight = false;
        waiting.swap(m_pendingCallbacks);
    }
    m_refreshWatchdog.stop();
    answer(waiting, result);
}

bool TokenManager::isRefreshing() const
{
    const QMutexLocker locker(&m_mutex);
    return m_refreshInFlight;
}

void TokenManager::setRefreshTimeout(int milliseconds)
{
    m_refreshWatchdog.setInterval(milliseconds);
}

int TokenManager::refreshTimeout() const
{
    return m_refreshWatchdog.interval();
}

TokenStore* TokenManager::store() const
{
    return m_store.get();
}

} // namespace OrvaAccount
