#include "FakeHttpServer.h"

#include <QFile>
#include <QHostAddress>
#include <QJsonDocument>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslServer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace {

// Larger request heads are refused; nothing the clients send comes near it.
constexpr qsizetype MaxHeadBytes = 64 * 1024;
// A truncated reply promises this many bytes more than it sends.
constexpr int TruncatedShortfall = 32;

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200: return "OK";
    case 201: return "Created";
    case 204: return "No Content";
    case 301: return "Moved Permanently";
    case 302: return "Found";
    case 307: return "Temporary Redirect";
    case 308: return "Permanent Redirect";
    case 400: return "Bad Request";
    case 401: return "Unauthorized";
    case 403: return "Forbidden";
    case 404: return "Not Found";
    case 405: return "Method Not Allowed";
    case 409: return "Conflict";
    case 411: return "Length Required";
    case 422: return "Unprocessable Entity";
    case 429: return "Too Many Requests";
    case 431: return "Request Header Fields Too Large";
    case 500: return "Internal Server Error";
    case 502: return "Bad Gateway";
    case 503: return "Service Unavailable";
    default: return "Status";
    }
}

bool statusHasBody(int status)
{
    return status >= 200 && status != 204 && status != 304;
}

QByteArray head(const FakeResponse& response, qsizetype contentLength, bool closeAfter)
{
    QByteArray out = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' + reasonPhrase(response.status) + "\r\n";
    for (const auto& [name, value] : response.headers) {
        const QByteArray lower = name.toLower();
        if (lower == "content-length" || lower == "connection")
            continue;
        out += name + ": " + value + "\r\n";
    }
    if (statusHasBody(response.status))
        out += "Content-Length: " + QByteArray::number(contentLength) + "\r\n";
    out += closeAfter ? "Connection: close\r\n" : "Connection: keep-alive\r\n";
    out += "\r\n";
    return out;
}

QString decodeSegment(const QString& segment)
{
    return QUrl::fromPercentEncoding(segment.toUtf8());
}

} // namespace

QByteArray FakeRequest::header(const QByteArray& name) const
{
    return headers.value(name.toLower());
}

bool FakeRequest::hasHeader(const QByteArray& name) const
{
    return headers.contains(name.toLower());
}

QString FakeRequest::bearerToken() const
{
    const QByteArray value = header("authorization");
    if (!value.startsWith("Bearer "))
        return QString();
    return QString::fromUtf8(value.mid(7)).trimmed();
}

QJsonObject FakeRequest::jsonBody() const
{
    return QJsonDocument::fromJson(body).object();
}

FakeResponse FakeResponse::json(int status, const QJsonObject& body)
{
    return raw(status, QJsonDocument(body).toJson(QJsonDocument::Compact), "application/json");
}

FakeResponse FakeResponse::jsonArray(int status, const QJsonArray& body)
{
    return raw(status, QJsonDocument(body).toJson(QJsonDocument::Compact), "application/json");
}

FakeResponse FakeResponse::empty(int status)
{
    FakeResponse response;
    response.status = status;
    return response;
}

FakeResponse FakeResponse::raw(int status, const QByteArray& body, const QByteArray& contentType)
{
    FakeResponse response;
    response.status = status;
    response.headers.append({"Content-Type", contentType});
    response.body = body;
    return response;
}

FakeResponse FakeResponse::redirect(int status, const QUrl& location)
{
    FakeResponse response;
    response.status = status;
    response.headers.append({"Location", location.toEncoded()});
    return response;
}

FakeResponse FakeResponse::error(int status, const QString& code)
{
    return json(status, QJsonObject{{QStringLiteral("error"), code}});
}

FakeFault FakeFault::respond(const FakeResponse& response)
{
    FakeFault fault;
    fault.kind = Kind::Respond;
    fault.response = response;
    return fault;
}

FakeFault FakeFault::status(int status, const QJsonObject& body)
{
    return respond(FakeResponse::json(status, body));
}

FakeFault FakeFault::notJson(int status)
{
    return respond(FakeResponse::raw(status, "<html><body>Service temporarily unavailable</body></html>",
                                     "text/html"));
}

FakeFault FakeFault::delay(int milliseconds)
{
    FakeFault fault;
    fault.kind = Kind::Delay;
    fault.delayMs = milliseconds;
    return fault;
}

FakeFault FakeFault::hang()
{
    FakeFault fault;
    fault.kind = Kind::Hang;
    return fault;
}

FakeFault FakeFault::drop()
{
    FakeFault fault;
    fault.kind = Kind::Drop;
    return fault;
}

FakeFault FakeFault::truncate()
{
    FakeFault fault;
    fault.kind = Kind::Truncate;
    return fault;
}

FakeHttpServer::FakeHttpServer(QObject* parent)
    : QObject(parent)
{
}

FakeHttpServer::~FakeHttpServer()
{
    // The sockets die with the server; nothing of theirs may reach us then.
    for (auto it = m_connections.cbegin(); it != m_connections.cend(); ++it)
        it.key()->disconnect(this);
    m_connections.clear();
    delete m_server;
}

bool FakeHttpServer::listen(quint16 port)
{
    m_tls = false;
    return startListening(new QTcpServer(this), port);
}

bool FakeHttpServer::listenTls(const QSslConfiguration& configuration, quint16 port)
{
    auto* server = new QSslServer(this);
    server->setSslConfiguration(configuration);
    m_tls = true;
    return startListening(server, port);
}

QSslConfiguration FakeHttpServer::selfSignedTlsConfiguration()
{
    QFile certificateFile(QStringLiteral(":/fakeservices/tls/selfsigned.crt"));
    QFile keyFile(QStringLiteral(":/fakeservices/tls/selfsigned.key"));
    if (!certificateFile.open(QIODevice::ReadOnly) || !keyFile.open(QIODevice::ReadOnly))
        return QSslConfiguration();
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setLocalCertificate(QSslCertificate(certificateFile.readAll(), QSsl::Pem));
    configuration.setPrivateKey(QSslKey(keyFile.readAll(), QSsl::Rsa, QSsl::Pem));
    configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
    return configuration;
}

bool FakeHttpServer::startListening(QTcpServer* server, quint16 port)
{
    delete m_server;
    m_server = server;
    connect(m_server, &QTcpServer::pendingConnectionAvailable, this, &FakeHttpServer::acceptConnections);
    return m_server->listen(QHostAddress::LocalHost, port);
}

quint16 FakeHttpServer::port() const
{
    return m_server ? m_server->serverPort() : 0;
}

QUrl FakeHttpServer::url(const QString& path) const
{
    QUrl url;
    url.setScheme(m_tls ? QStringLiteral("https") : QStringLiteral("http"));
    url.setHost(QStringLiteral("127.0.0.1"));
    url.setPort(port());
    url.setPath(path, QUrl::TolerantMode);
    return url;
}

void FakeHttpServer::addRoute(const QByteArray& method, const QString& pattern, Handler handler)
{
    m_routes.append(Route{method, pattern, pattern.split(QLatin1Char('/')), std::move(handler)});
}

void FakeHttpServer::injectFault(const QByteArray& method, const QString& pattern, const FakeFault& fault, int times)
{
    m_faults.append(InjectedFault{method, pattern, fault, times});
}

void FakeHttpServer::clearFaults()
{
    m_faults.clear();
}

void FakeHttpServer::setRouteDelay(const QByteArray& method, const QString& pattern, int milliseconds)
{
    if (milliseconds > 0)
        m_routeDelays.insert(qMakePair(method, pattern), milliseconds);
    else
        m_routeDelays.remove(qMakePair(method, pattern));
}

QList<FakeRequest> FakeHttpServer::requests() const
{
    return m_requests;
}

QList<FakeRequest> FakeHttpServer::requestsTo(const QString& patternOrPath) const
{
    QList<FakeRequest> found;
    for (const FakeRequest& request : m_requests) {
        if (request.route == patternOrPath || request.path == patternOrPath)
            found.append(request);
    }
    return found;
}

int FakeHttpServer::requestCount() const
{
    return int(m_requests.size());
}

void FakeHttpServer::clearRequests()
{
    m_requests.clear();
}

int FakeHttpServer::connectionCount() const
{
    return m_connectionCount;
}

void FakeHttpServer::acceptConnections()
{
    while (m_server->hasPendingConnections()) {
        QTcpSocket* socket = m_server->nextPendingConnection();
        ++m_connectionCount;
        m_connections.insert(socket, Connection());
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readFrom(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_connections.remove(socket);
            socket->deleteLater();
        });
        // Bytes may have arrived with the connection itself.
        if (socket->bytesAvailable() > 0)
            readFrom(socket);
    }
}

void FakeHttpServer::readFrom(QTcpSocket* socket)
{
    const auto it = m_connections.find(socket);
    if (it == m_connections.end())
        return;
    it->buffer += socket->readAll();
    processBuffer(socket);
}

void FakeHttpServer::processBuffer(QTcpSocket* socket)
{
    const auto it = m_connections.find(socket);
    if (it == m_connections.end() || it->busy)
        return;
    Connection& connection = *it;

    const qsizetype headEnd = connection.buffer.indexOf("\r\n\r\n");
    if (headEnd < 0) {
        if (connection.buffer.size() > MaxHeadBytes) {
            connection.busy = true;
            writeResponse(socket, FakeResponse::error(431, QStringLiteral("request_too_large")), true);
        }
        return;
    }

    const QList<QByteArray> lines = connection.buffer.left(headEnd).split('\n');
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    FakeRequest request;
    request.method = requestLine.value(0);
    const QByteArray target = requestLine.value(1);
    const QByteArray version = requestLine.value(2);
    const qsizetype queryStart = target.indexOf('?');
    request.rawPath = queryStart < 0 ? target : target.left(queryStart);
    request.path = QUrl::fromPercentEncoding(request.rawPath);
    if (queryStart >= 0)
        request.query = QUrlQuery(QString::fromUtf8(target.mid(queryStart + 1)));
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        const qsizetype colon = line.indexOf(':');
        if (colon > 0)
            request.headers.insert(line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed());
    }

    bool lengthOk = true;
    const qsizetype bodyLength = request.headers.value("content-length", "0").toLongLong(&lengthOk);
    if (request.headers.contains("transfer-encoding") || !lengthOk || bodyLength < 0) {
        // The clients send a plain Content-Length; anything else is not ours.
        connection.busy = true;
        writeResponse(socket, FakeResponse::error(411, QStringLiteral("length_required")), true);
        return;
    }
    const qsizetype total = headEnd + 4 + bodyLength;
    if (connection.buffer.size() < total)
        return;
    connection.busy = true;
    request.body = connection.buffer.mid(headEnd + 4, bodyLength);
    connection.buffer.remove(0, total);

    const QByteArray connectionHeader = request.headers.value("connection").toLower();
    const bool closeAfter = connectionHeader == "close" || (version == "HTTP/1.0" && connectionHeader != "keep-alive");
    dispatch(socket, std::move(request), closeAfter);
}

const FakeHttpServer::Route* FakeHttpServer::matchRoute(FakeRequest& request, bool* pathKnown) const
{
    // Split before decoding, so that an encoded "/" stays inside its segment.
    const QStringList segments = QString::fromUtf8(request.rawPath).split(QLatin1Char('/'));
    for (const Route& route : m_routes) {
        if (route.segments.size() != segments.size())
            continue;
        QHash<QString, QString> captures;
        bool matches = true;
        for (qsizetype i = 0; i < segments.size() && matches; ++i) {
            const QString& wanted = route.segments.at(i);
            const QString actual = decodeSegment(segments.at(i));
            if (wanted.startsWith(QLatin1Char('{')) && wanted.endsWith(QLatin1Char('}')))
                captures.insert(wanted.mid(1, wanted.size() - 2), actual);
            else
                matches = wanted == actual;
        }
        if (!matches)
            continue;
        *pathKnown = true;
        if (route.method == "*" || route.method == request.method) {
            request.route = route.pattern;
            request.captures = captures;
            return &route;
        }
    }
    return nullptr;
}

bool FakeHttpServer::takeFault(const FakeRequest& request, FakeFault* fault)
{
    const QString& key = request.route.isEmpty() ? request.path : request.route;
    for (qsizetype i = 0; i < m_faults.size(); ++i) {
        InjectedFault& injected = m_faults[i];
        if (injected.pattern != key || (injected.method != "*" && injected.method != request.method))
            continue;
        *fault = injected.fault;
        if (injected.remaining != Forever && --injected.remaining == 0)
            m_faults.removeAt(i);
        return true;
    }
    return false;
}

void FakeHttpServer::dispatch(QTcpSocket* socket, FakeRequest request, bool closeAfter)
{
    bool pathKnown = false;
    const Route* route = matchRoute(request, &pathKnown);
    const Handler handler = route ? route->handler : Handler();
    m_requests.append(request);
    emit requestReceived(request);

    FakeFault fault;
    const bool faulted = takeFault(request, &fault);
    if (faulted && fault.kind == FakeFault::Kind::Hang)
        return;
    if (faulted && fault.kind == FakeFault::Kind::Drop) {
        socket->abort();
        return;
    }

    FakeResponse response;
    if (faulted && fault.kind == FakeFault::Kind::Respond)
        response = fault.response;
    else if (handler)
        response = handler(request);
    else if (pathKnown)
        response = FakeResponse::error(405, QStringLiteral("method_not_allowed"));
    else
        response = FakeResponse::error(404, QStringLiteral("not_found"));

    if (faulted && fault.kind == FakeFault::Kind::Truncate) {
        writeTruncated(socket, response);
        return;
    }
    const int routeDelay = faulted ? 0 : m_routeDelays.value(qMakePair(request.method, request.route), 0);
    if (routeDelay > 0) {
        fault.kind = FakeFault::Kind::Delay;
        fault.delayMs = routeDelay;
    }
    if ((faulted || routeDelay > 0) && fault.kind == FakeFault::Kind::Delay) {
        QTimer::singleShot(fault.delayMs, socket,
                           [this, socket, response, closeAfter] { writeResponse(socket, response, closeAfter); });
        return;
    }
    writeResponse(socket, response, closeAfter);
}

void FakeHttpServer::writeResponse(QTcpSocket* socket, const FakeResponse& response, bool closeAfter)
{
    const QByteArray body = statusHasBody(response.status) ? response.body : QByteArray();
    socket->write(head(response, body.size(), closeAfter) + body);
    finishRequest(socket, closeAfter);
}

void FakeHttpServer::writeTruncated(QTcpSocket* socket, const FakeResponse& response)
{
    socket->write(head(response, response.body.size() + TruncatedShortfall, false) + response.body);
}

void FakeHttpServer::finishRequest(QTcpSocket* socket, bool closeAfter)
{
    if (closeAfter) {
        socket->disconnectFromHost();
        return;
    }
    const auto it = m_connections.find(socket);
    if (it == m_connections.end())
        return;
    it->busy = false;
    processBuffer(socket);
}
