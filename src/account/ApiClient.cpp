#include "ApiClient.h"

#include "DeviceIdentity.h"
#include "TokenManager.h"

#include <QDebug>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QStringList>

namespace OrvaAccount {

namespace {

bool isSuccess(int status)
{
    return status >= 200 && status <= 299;
}

QJsonObject parseObject(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return QJsonObject();
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    return document.isObject() ? document.object() : QJsonObject();
}

// A path segment that is empty, "." or ".." (in any spelling) would make the
// request name another resource than the one asked for, typically the
// collection above it: such a path is never sent.
bool isSafePath(const QString& path)
{
    const QStringList segments = path.split(QLatin1Char('/'));
    for (qsizetype i = 0; i < segments.size(); ++i) {
        const QString segment = QUrl::fromPercentEncoding(segments.at(i).toUtf8());
        const bool unsafe = segment == QLatin1String(".") || segment == QLatin1String("..")
            || (segment.isEmpty() && i > 0);
        if (unsafe) {
            qWarning().noquote() << "ApiClient: refusing path" << path;
            return false;
        }
    }
    return true;
}

} // namespace

ApiClient::ApiClient(TokenManager* tokens, QObject* parent)
    : QObject(parent)
    , m_network(new QNetworkAccessManager(this))
    , m_tokens(tokens)
{
}

void ApiClient::setBaseUrl(const QUrl& url)
{
    m_baseUrl = url;
}

QUrl ApiClient::baseUrl() const
{
    return m_baseUrl;
}

void ApiClient::setClientInfo(const QString& appId, const QString& appVersion, const QString& platform)
{
    m_appId = appId;
    m_appVersion = appVersion;
    m_platform = platform;
}

void ApiClient::setTransferTimeout(int milliseconds)
{
    m_transferTimeoutMs = milliseconds;
}

int ApiClient::transferTimeout() const
{
    return m_transferTimeoutMs;
}

void ApiClient::get(const QString& path, JsonCallback callback, const QUrlQuery& query)
{
    sendRequest("GET", path, QJsonObject(), std::move(callback), query, true);
}

void ApiClient::getUnauthenticated(const QString& path, JsonCallback callback, const QUrlQuery& query)
{
    sendRequest("GET", path, QJsonObject(), std::move(callback), query, false);
}

void ApiClient::post(const QString& path, const QJsonObject& body, JsonCallback callback)
{
    sendRequest("POST", path, body, std::move(callback), QUrlQuery(), true);
}

void ApiClient::postUnauthenticated(const QString& path, const QJsonObject& body, JsonCallback callback)
{
    sendRequest("POST", path, body, std::move(callback), QUrlQuery(), false);
}

void ApiClient::patch(const QString& path, const QJsonObject& body, JsonCallback callback)
{
    sendRequest("PATCH", path, body, std::move(callback), QUrlQuery(), true);
}

void ApiClient::deleteResource(const QString& path, JsonCallback callback)
{
    sendRequest("DELETE", path, QJsonObject(), std::move(callback), QUrlQuery(), true);
}

void ApiClient::getBinary(const QString& path, BinaryCallback callback, const QUrlQuery& query)
{
    if (!isSafePath(path)) {
        if (callback)
            callback(false, 0, QByteArray());
        return;
    }
    const Request request{"GET", requestUrl(path, query), QByteArray(), ReplyKind::Raw};
    send(request, true, [callback](int status, const QByteArray& body) {
        if (callback)
            callback(isSuccess(status), status, body);
    });
}

QString ApiClient::pathArgument(const QString& argument)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(argument));
}

QByteArray ApiClient::deviceNameHeaderValue(const QString& deviceName)
{
    return QUrl::toPercentEncoding(deviceName);
}

QUrl ApiClient::requestUrl(const QString& path, const QUrlQuery& query) const
{
    QUrl url = m_baseUrl;
    // The base path is taken in its encoded form, so that percent-encoded
    // arguments in the request path stay encoded.
    QString basePath = m_baseUrl.path(QUrl::FullyEncoded);
    if (basePath.endsWith(QLatin1Char('/')) && path.startsWith(QLatin1Char('/')))
        basePath.chop(1);
    url.setPath(basePath + path, QUrl::TolerantMode);
    if (!query.isEmpty())
        url.setQuery(query);
    return url;
}

std::optional<ApiClient::Request> ApiClient::jsonRequest(const QByteArray& method, const QString& path,
                                                         const QJsonObject& body, const QUrlQuery& query) const
{
    if (!isSafePath(path))
        return std::nullopt;
    const QByteArray bytes = body.isEmpty() ? QByteArray() : QJsonDocument(body).toJson(QJsonDocument::Compact);
    return Request{method, requestUrl(path, query), bytes, ReplyKind::JsonObject};
}

ApiClient::RawCallback ApiClient::jsonCompletion(JsonCallback callback)
{
    return [callback = std::move(callback)](int status, const QByteArray& reply) {
        if (callback)
            callback(isSuccess(status), status, parseObject(reply));
    };
}

void ApiClient::sendRequest(const QByteArray& method, const QString& path, const QJsonObject& body,
                            JsonCallback callback, const QUrlQuery& query, bool requiresAuthentication)
{
    const std::optional<Request> request = jsonRequest(method, path, body, query);
    if (!request) {
        if (callback)
            callback(false, 0, QJsonObject());
        return;
    }
    send(*request, requiresAuthentication, jsonCompletion(std::move(callback)));
}

void ApiClient::postWithToken(const QString& path, const QJsonObject& body, const QString& token,
                              JsonCallback callback)
{
    const std::optional<Request> request = jsonRequest("POST", path, body, QUrlQuery());
    if (!request) {
        if (callback)
            callback(false, 0, QJsonObject());
        return;
    }
    executeRequest(*request, token, Retry::Spent, jsonCompletion(std::move(callback)));
}

void ApiClient::send(const Request& request, bool requiresAuthentication, RawCallback done)
{
    if (!requiresAuthentication) {
        executeRequest(request, QString(), Retry::Spent, std::move(done));
        return;
    }
    if (m_tokens->needsRefresh()) {
        qDebug().noquote() << "ApiClient: token needs refresh before" << request.method << request.url.path();
        refreshThenExecute(request, Retry::Allowed, std::move(done));
        return;
    }
    executeRequest(request, m_tokens->validAccessToken(), Retry::Allowed, std::move(done));
}

void ApiClient::refreshThenExecute(const Request& request, Retry retryAfterRefresh, RawCallback done)
{
    const bool logFailure = retryAfterRefresh == Retry::Allowed;
    const QPointer<ApiClient> self(this);
    m_tokens->refresh([self, request, retryAfterRefresh, logFailure, done](RefreshResult result) {
        if (!self)
            return;
        switch (result) {
        case RefreshResult::Success:
            self->executeRequest(request, self->m_tokens->validAccessToken(), retryAfterRefresh, done);
            return;
        case RefreshResult::Rejected:
            if (logFailure) {
                qWarning().noquote() << "ApiClient: token refresh rejected for" << request.method
                                     << request.url.path();
            }
            emit self->authenticationRequired();
            done(401, QByteArray());
            return;
        case RefreshResult::TransientFailure:
            if (logFailure) {
                qWarning().noquote() << "ApiClient: token refresh failed (transient) for" << request.method
                                     << request.url.path();
            }
            done(0, QByteArray());
            return;
        }
    });
}

void ApiClient::applyHeaders(QNetworkRequest& request, bool withDevice) const
{
    if (!m_appId.isEmpty())
        request.setRawHeader("X-App-Id", m_appId.toUtf8());
    if (!m_appVersion.isEmpty())
        request.setRawHeader("X-App-Version", m_appVersion.toUtf8());
    if (!m_platform.isEmpty())
        request.setRawHeader("X-Platform", m_platform.toUtf8());
    if (!withDevice)
        return;
    const QString fingerprint = currentDeviceFingerprint();
    if (!fingerprint.isEmpty())
        request.setRawHeader("X-Device-Fingerprint", fingerprint.toUtf8());
    const QString name = currentDeviceName();
    if (!name.isEmpty())
        request.setRawHeader("X-Device-Name", deviceNameHeaderValue(name));
}

void ApiClient::executeRequest(const Request& request, const QString& token, Retry retry, RawCallback done)
{
    QNetworkRequest networkRequest(request.url);
    if (request.kind == ReplyKind::JsonObject) {
        networkRequest.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray("application/json"));
        networkRequest.setRawHeader("Accept", "application/json");
    } else {
        networkRequest.setRawHeader("Accept", "*/*");
    }
    applyHeaders(networkRequest, !token.isEmpty());
    if (!token.isEmpty())
        networkRequest.setRawHeader("Authorization", "Bearer " + token.toUtf8());
    networkRequest.setTransferTimeout(m_transferTimeoutMs);
    // Never carry the token, the device headers or a refresh token in a body
    // to a host the service merely points at.
    networkRequest.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                                QNetworkRequest::SameOriginRedirectPolicy);

    QNetworkReply* reply = nullptr;
    if (request.method == "GET")
        reply = m_network->get(networkRequest);
    else if (request.method == "POST")
        reply = m_network->post(networkRequest, request.body);
    else if (request.method == "PUT")
        reply = m_network->put(networkRequest, request.body);
    else if (request.method == "PATCH")
        reply = m_network->sendCustomRequest(networkRequest, "PATCH", request.body);
    else if (request.method == "DELETE")
        reply = m_network->deleteResource(networkRequest);

    if (!reply) {
        done(0, QByteArray());
        return;
    }
    connect(reply, &QNetworkReply::finished, this,
            [this, reply, request, retry, done] { handleReply(reply, request, retry, done); });
}

void ApiClient::handleReply(QNetworkReply* reply, const Request& request, Retry retry, const RawCallback& done)
{
    reply->deleteLater();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    // An aborted reply is closed; reading it would only complain.
    const QByteArray body = reply->isOpen() ? reply->readAll() : QByteArray();

    if (status == 401 && retry == Retry::Allowed) {
        refreshThenExecute(request, Retry::Spent, done);
        return;
    }
    // A success status whose body was cut off (the connection dropped, the
    // time-out struck) is no reply at all: reporting it as a success would
    // hand the caller an empty body as if the service had sent one.
    const bool transportFailed =
        reply->error() != QNetworkReply::NoError && (status == 0 || isSuccess(status));
    if (transportFailed) {
        emit networkError(reply->errorString());
        done(0, QByteArray());
        return;
    }
    done(status, body);
}

} // namespace OrvaAccount
