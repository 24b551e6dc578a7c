#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QUrl>
#include <QUrlQuery>

#include <functional>
#include <optional>

class QNetworkAccessManager;
class QNetworkReply;
class QNetworkRequest;

namespace OrvaAccount {

class TokenManager;

// The one HTTP client of the online account: JSON requests to one service with
// the client identification headers and the bearer token, a refresh before a
// request whose token is about to run out, one retry after a 401, and every
// outcome handed to a completion callback as (ok, status, body). Status 0
// means that no HTTP reply arrived.
class ApiClient : public QObject
{
    Q_OBJECT

public:
    using JsonCallback = std::function<void(bool ok, int status, const QJsonObject& body)>;
    using BinaryCallback = std::function<void(bool ok, int status, const QByteArray& body)>;

    static constexpr int DefaultTransferTimeoutMs = 30000;

    explicit ApiClient(TokenManager* tokens, QObject* parent = nullptr);

    // Request paths are appended to this URL's path.
    void setBaseUrl(const QUrl& url);
    QUrl baseUrl() const;
    void setClientInfo(const QString& appId, const QString& appVersion, const QString& platform);

    // A request that has not finished after this long ends with status 0.
    void setTransferTimeout(int milliseconds);
    int transferTimeout() const;

    void get(const QString& path, JsonCallback callback, const QUrlQuery& query = QUrlQuery());
    void getUnauthenticated(const QString& path, JsonCallback callback, const QUrlQuery& query = QUrlQuery());
    // An empty body object sends no body bytes at all.
    void post(const QString& path, const QJsonObject& body, JsonCallback callback);
    void postUnauthenticated(const QString& path, const QJsonObject& body, JsonCallback callback);
    void patch(const QString& path, const QJsonObject& body, JsonCallback callback);
    void deleteResource(const QString& path, JsonCallback callback);
    // Sends with exactly this bearer token (none when empty): no refresh
    // before and no retry after a 401, for a request that must not bring a
    // session back to life, such as signing out.
    void postWithToken(const QString& path, const QJsonObject& body, const QString& token, JsonCallback callback);
    // For replies whose body is not a JSON object, such as a top-level array.
    void getBinary(const QString& path, BinaryCallback callback, const QUrlQuery& query = QUrlQuery());

    // An identifier or code made safe to place into a request path as one
    // segment: everything but letters, digits, "-", ".", "_" and "~" is
    // percent-encoded, so "/", "?" or "#" in text from the server or the user
    // cannot change which resource the user's token is sent to.
    static QString pathArgument(const QString& argument);
    // The "X-Device-Name" header value: the name's UTF-8, percent-encoded.
    static QByteArray deviceNameHeaderValue(const QString& deviceName);

signals:
    // A refresh ended Rejected: the service refused the refresh token, or
    // there was none to try.
    void authenticationRequired();
    // A request failed without any HTTP status.
    void networkError(const QString& message);

private:
    enum class ReplyKind { JsonObject, Raw };
    enum class Retry { Allowed, Spent };

    // One request and what is needed to send it again after a refresh.
    struct Request
    {
        QByteArray method;
        QUrl url;
        QByteArray body;
        ReplyKind kind = ReplyKind::JsonObject;
    };
    // Status 0 when no reply arrived; the body is then empty.
    using RawCallback = std::function<void(int status, const QByteArray& body)>;

    void sendRequest(const QByteArray& method, const QString& path, const QJsonObject& body, JsonCallback callback,
                     const QUrlQuery& query, bool requiresAuthentication);
    // Nothing when the path is not safe to send.
    std::optional<Request> jsonRequest(const QByteArray& method, const QString& path, const QJsonObject& body,
                                       const QUrlQuery& query) const;
    static RawCallback jsonCompletion(JsonCallback callback);
    void send(const Request& request, bool requiresAuthentication, RawCallback done);
    void executeRequest(const Request& request, const QString& token, Retry retry, RawCallback done);
    void handleReply(QNetworkReply* reply, const Request& request, Retry retry, const RawCallback& done);
    // Refreshes the token, then sends the request with the new one. A refresh
    // before a first try logs its failure; the one after a 401 stays quiet.
    void refreshThenExecute(const Request& request, Retry retryAfterRefresh, RawCallback done);
    void applyHeaders(QNetworkRequest& request, bool withDevice) const;
    QUrl requestUrl(const QString& path, const QUrlQuery& query) const;

    QNetworkAccessManager* m_network;
    TokenManager* m_tokens;
    QUrl m_baseUrl;
    QString m_appId;
    QString m_appVersion;
    QString m_platform;
    int m_transferTimeoutMs = DefaultTransferTimeoutMs;
};

} // namespace OrvaAccount
