#include "FakeHttpServer.h"

#include <QFile>
#include <QHostAddress>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslServer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

QString FakeRequest::bearerToken() const
{
    const QByteArray value = header("authorization");
    return value.startsWith("Bearer ") ? QString::fromUtf8(value.mid(7)).trimmed() : QString();
}

FakeHttpServer::FakeHttpServer(QObject* parent)
    : QObject(parent)
{
}

FakeHttpServer::~FakeHttpServer()
{
    // The sockets die with the server; nothing of theirs may reach us then.
    for (auto it = m_buffers.cbegin(); it != m_buffers.cend(); ++it)
        it.key()->disconnect(this);
    delete m_server;
}

bool FakeHttpServer::listen(quint16 port)
{
    return startListening(new QTcpServer(this), port);
}

bool FakeHttpServer::listenTls(const QSslConfiguration& configuration)
{
    auto* server = new QSslServer(this);
    server->setSslConfiguration(configuration);
    m_tls = true;
    return startListening(server, 0);
}

bool FakeHttpServer::startListening(QTcpServer* server, quint16 port)
{
    m_server = server;
    connect(m_server, &QTcpServer::pendingConnectionAvailable, this, [this] {
        while (QTcpSocket* socket = m_server->nextPendingConnection()) {
            m_buffers.insert(socket, QByteArray());
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readFrom(socket); });
            connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
                m_buffers.remove(socket);
                m_busy.remove(socket);
                socket->deleteLater();
            });
            readFrom(socket);
        }
    });
    return m_server->listen(QHostAddress::LocalHost, port);
}

QSslConfiguration FakeHttpServer::selfSignedTlsConfiguration()
{
    QFile certificate(QStringLiteral(":/fakeservices/tls/selfsigned.crt"));
    QFile key(QStringLiteral(":/fakeservices/tls/selfsigned.key"));
    if (!certificate.open(QIODevice::ReadOnly) || !key.open(QIODevice::ReadOnly))
        return QSslConfiguration();
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setLocalCertificate(QSslCertificate(certificate.readAll(), QSsl::Pem));
    configuration.setPrivateKey(QSslKey(key.readAll(), QSsl::Rsa, QSsl::Pem));
    configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
    return configuration;
}

quint16 FakeHttpServer::port() const
{
    return m_server ? m_server->serverPort() : 0;
}

QUrl FakeHttpServer::url(const QString& path) const
{
    QUrl url(m_tls ? QStringLiteral("https://127.0.0.1") : QStringLiteral("http://127.0.0.1"));
    url.setPort(port());
    url.setPath(path, QUrl::TolerantMode);
    return url;
}

void FakeHttpServer::addRoute(const QByteArray& method, const QString& pattern, Handler handler)
{
    m_routes.append(Route{method, pattern, std::move(handler)});
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
    m_routeDelays.insert(qMakePair(method, pattern), milliseconds);
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

void FakeHttpServer::readFrom(QTcpSocket* socket)
{
    if (!m_buffers.contains(socket))
        return;
    QByteArray& buffer = m_buffers[socket];
    buffer += socket->readAll();
    const qsizetype headEnd = buffer.indexOf("\r\n\r\n");
    if (m_busy.value(socket) || headEnd < 0)
        return;

    const QList<QByteArray> lines = buffer.left(headEnd).split('\n');
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    FakeRequest request;
    request.method = requestLine.value(0);
    const QByteArray target = requestLine.value(1);
    const qsizetype queryStart = target.indexOf('?');
    request.rawPath = queryStart < 0 ? target : target.left(queryStart);
    request.path = QUrl::fromPercentEncoding(request.rawPath);
    if (queryStart >= 0)
        request.query = QUrlQuery(QString::fromUtf8(target.mid(queryStart + 1)));
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines.at(i).indexOf(':');
        if (colon > 0)
            request.headers.insert(lines.at(i).left(colon).trimmed().toLower(), lines.at(i).mid(colon + 1).trimmed());
    }
    const qsizetype bodyLength = request.header("content-length").toLongLong();
    if (buffer.size() < headEnd + 4 + bodyLength)
        return;
    request.body = buffer.mid(headEnd + 4, bodyLength);
    buffer.remove(0, headEnd + 4 + bodyLength);
    m_busy.insert(socket, true);
    dispatch(socket, std::move(request));
}

const FakeHttpServer::Route* FakeHttpServer::matchRoute(FakeRequest& request, bool* pathKnown) const
{
    // Split before decoding, so that an encoded "/" stays inside its segment.
    const QList<QByteArray> segments = request.rawPath.split('/');
    for (const Route& route : m_routes) {
        const QStringList wanted = route.pattern.split(QLatin1Char('/'));
        if (wanted.size() != segments.size())
            continue;
        QHash<QString, QString> captures;
        bool matches = true;
        for (qsizetype i = 0; i < segments.size() && matches; ++i) {
            const QString actual = QUrl::fromPercentEncoding(segments.at(i));
            if (wanted.at(i).startsWith(QLatin1Char('{')))
                captures.insert(wanted.at(i).mid(1, wanted.at(i).size() - 2), actual);
            else
                matches = wanted.at(i) == actual;
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

void FakeHttpServer::dispatch(QTcpSocket* socket, FakeRequest request)
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
    else
        response = FakeResponse::error(pathKnown ? 405 : 404, QStringLiteral("no_route"));
    const bool closeAfter = request.header("connection") == "close";
    response.headers.append(qMakePair(QByteArray("Connection"), QByteArray(closeAfter ? "close" : "keep-alive")));

    if (faulted && fault.kind == FakeFault::Kind::Truncate) {
        write(socket, response, 32);
        return;
    }
    const int delayMs = faulted ? fault.delayMs : m_routeDelays.value(qMakePair(request.method, request.route));
    const auto answer = [this, socket, response, closeAfter] {
        if (!m_buffers.contains(socket))
            return;
        write(socket, response);
        if (closeAfter) {
            socket->disconnectFromHost();
            return;
        }
        m_busy.insert(socket, false);
        readFrom(socket);
    };
    if (delayMs > 0)
        QTimer::singleShot(delayMs, socket, answer);
    else
        answer();
}

void FakeHttpServer::write(QTcpSocket* socket, const FakeResponse& response, qsizetype promisedExtra)
{
    const bool hasBody = response.status != 204 && response.status != 304;
    QByteArray out = "HTTP/1.1 " + QByteArray::number(response.status) + " Fake\r\n";
    for (const auto& [name, value] : response.headers)
        out += name + ": " + value + "\r\n";
    if (hasBody)
        out += "Content-Length: " + QByteArray::number(response.body.size() + promisedExtra) + "\r\n";
    socket->write(out + "\r\n" + (hasBody ? response.body : QByteArray()));
}
