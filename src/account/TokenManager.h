#pragma once

#include "TokenStore.h"

#include <QList>
#include <QMetaType>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

namespace OrvaAccount {

enum class RefreshResult {
    Success = 0,
    // The authentication service refused the refresh token, or there was none.
    Rejected = 1,
    // Anything else: no answer, a server error, a time-out.
    TransientFailure = 2,
};

// Holds the access and refresh tokens, mirrors them into a TokenStore, judges
// the access token's expiry and runs at most one refresh at a time, answering
// every queued caller in call order when it ends.
class TokenManager : public QObject
{
    Q_OBJECT

public:
    using RefreshCallback = std::function<void(RefreshResult)>;
    using SuccessContinuation = std::function<void(const QString& accessToken, const QString& refreshToken)>;
    using FailureContinuation = std::function<void(bool rejected)>;
    // Performs one refresh over the network and answers through exactly one
    // of the two continuations.
    using Refresher =
        std::function<void(const QString& refreshToken, SuccessContinuation onSuccess, FailureContinuation onFailure)>;

    // An access token counts as expired this long before its "exp".
    static constexpr qint64 ExpiryMarginSeconds = 30;
    // Longer than a request's transfer time-out, so a refresher that sends
    // one request normally reports first.
    static constexpr int DefaultRefreshTimeoutMs = 45000;

    explicit TokenManager(std::unique_ptr<TokenStore> store, QObject* parent = nullptr);
    ~TokenManager() override;

    void setRefresher(Refresher refresher);

    void loadTokens();
    // After a browser sign-in. A refresh still running for the previous
    // session is superseded: its answer is dropped and its callers get Success.
    void setTokens(const QString& accessToken, const QString& refreshToken);
    // The success path of a refresh: keeps the new pair and answers every
    // queued caller with Success.
    void storeRefreshedTokens(const QString& accessToken, const QString& refreshToken);
    // Signs out: forgets both tokens here and in the store. A refresh still
    // running is abandoned; its callers get Rejected and its answer is dropped,
    // so a sign-out is never undone by a late reply.
    void clear();

    // The access token when it stays valid for more than the margin; else empty.
    QString validAccessToken() const;
    // The access token as held, whether or not it is still valid.
    QString accessToken() const;
    bool needsRefresh() const;
    QString refreshToken() const;

    static qint64 accessTokenExpiry(const QString& token);
    static QString accessTokenSubject(const QString& token);

    // Single-flight: starts a refresh unless one is running, and queues the
    // callback (which may be empty) behind it.
    void refresh(RefreshCallback callback);
    bool isRefreshing() const;

    // A refresher that never answers would leave every caller waiting; after
    // this long the callers get TransientFailure and a later refresh may start.
    void setRefreshTimeout(int milliseconds);
    int refreshTimeout() const;

    TokenStore* store() const;

private:
    // Each refresh gets its own generation; answers of any other are stale.
    void finishRefresh(quint64 generation, RefreshResult result);
    // Ends the refresh in flight, if any, and answers everyone queued.
    void endRefresh(RefreshResult result);
    void writeTokensToStore();

    std::unique_ptr<TokenStore> m_store;
    QString m_accessToken;
    QString m_refreshToken;
    Refresher m_refresher;
    mutable QMutex m_mutex;
    bool m_refreshInFlight = false;
    QList<RefreshCallback> m_pendingCallbacks;
    quint64 m_generation = 0;
    QTimer m_refreshWatchdog;
};

} // namespace OrvaAccount

Q_DECLARE_METATYPE(OrvaAccount::RefreshResult)
