#include "WebAuthHandler.h"

#include <QDesktopServices>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

#include <optional>

namespace OrvaAccount {

namespace {

// After the preferred port, this many tries at a free port that is free on
// both loopback addresses at once.
constexpr int FreePortAttempts = 8;

const QByteArray CallbackPath = "/callback";

const QByteArray CompletePage =
    "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\n\r\n"
    "<html><body style='font-family: sans-serif; text-align: center; padding: 40px;'>"
    "<h2>Authentication complete!</h2><p>You can close this tab and return to the application.</p></body></html>";

QByteArray plainReply(const QByteArray& statusLine, const QByteArray& text)
{
    return "HTTP/1.1 " + statusLine + "\r\nContent-Type: text/plain\r\nContent-Length: "
        + QByteArray::number(text.size()) + "\r\nConnection: close\r\n\r\n" + text;
}

// The request target of "GET /callback... HTTP/1.1", or nothing when the
// line asks for anything else.
std::optional<QByteArray> callbackTarget(const QByteArray& requestLine)
{
    if (!requestLine.startsWith("GET "))
        return std::nullopt;
    const QByteArray rest = requestLine.mid(4);
    const qsizetype space = rest.indexOf(' ');
    const QByteArray target = space < 0 ? rest : rest.left(space);
    qsizetype pathEnd = target.size();
    for (const char separator : {'?', '#'}) {
        const qsizetype at = target.indexOf(separator);
        if (at >= 0 && at < pathEnd)
            pathEnd = at;
    }
    if (target.left(pathEnd) != CallbackPath)
        return std::nullopt;
    return target;
}

} // namespace

WebAuthHandler::WebAuthHandler(QObject* parent)
    : QObject(parent)
    , m_server4(new QTcpServer(this))
    , m_server6(new QTcpServer(this))
{
    for (QTcpServer* server : {m_server4, m_server6}) {
        connect(server, &QTcpServer::pendingConnectionAvailable, this,
                [this, server] { acceptConnections(server); });
    }
    m_waitTimer.setSingleShot(true);
    m_waitTimer.setInterval(DefaultWaitTimeoutMs);
    connect(&m_waitTimer, &QTimer::timeout, this, [this] {
        stop();
        emit timedOut();
    });
}

WebAuthHandler::~WebAuthHandler()
{
    // The connections still waiting die with the handler; none of their
    // signals may reach it half destroyed.
    for (auto it = m_buffers.cbegin(); it != m_buffers.cend(); ++it)
        it.key()->disconnect(this);
    m_buffers.clear();
}

QString WebAuthHandler::start()
{
    if (isListening())
        return redirectUri();
    if (m_finished)
        return QString();
    bool bound = listenOn(m_preferredPort);
    for (int attempt = 0; !bound && attempt < FreePortAttempts; ++attempt)
        bound = listenOn(0);
    if (!bound)
        return QString();
    m_waitTimer.start();
    return redirectUri();
}

bool WebAuthHandler::listenOn(quint16 port)
{
    if (!m_server4->listen(QHostAddress::LocalHost, port))
        return false;
    const quint16 bound = m_server4->serverPort();
    // The redirect names "localhost", which a browser may try as ::1 first:
    // whoever holds ::1 on this port would receive the tokens, so the port
    // is ours only when both addresses are.
    if (!m_server6->listen(QHostAddress::LocalHostIPv6, bound)) {
        const QAbstractSocket::SocketError error = m_server6->serverError();
        // Without an IPv6 loopback nobody else can listen there either.
        const bool noIpv6 = error == QAbstractSocket::UnsupportedSocketOperationError
            || error == QAbstractSocket::SocketAddressNotAvailableError;
        if (!noIpv6) {
            m_server4->close();
            return false;
        }
    }
    m_port = bound;
    return true;
}

void WebAuthHandler::stop()
{
    m_finished = true;
    m_waitTimer.stop();
    m_server4->close();
    m_server6->close();
    const QList<QTcpSocket*> waiting = m_buffers.keys();
    for (QTcpSocket* socket : waiting)
        socket->abort();
}

bool WebAuthHandler::isListening() const
{
    return m_server4->isListening();
}

quint16 WebAuthHandler::port() const
{
    return m_port;
}

QString WebAuthHandler::redirectUri() const
{
    return QStringLiteral("http://localhost:%1/callback").arg(m_port);
}

void WebAuthHandler::setPreferredPort(quint16 port)
{
    m_preferredPort = port;
}

void WebAuthHandler::setRequestTimeout(int milliseconds)
{
    m_requestTimeoutMs = milliseconds;
}

void WebAuthHandler::setWaitTimeout(int milliseconds)
{
    m_waitTimer.setInterval(milliseconds);
}

void WebAuthHandler::openBrowser(const QUrl& url)
{
    QDesktopServices::openUrl(url);
}

void WebAuthHandler::acceptConnections(QTcpServer* server)
{
    while (server->hasPendingConnections()) {
        QTcpSocket* socket = server->nextPendingConnection();
        if (!socket)
            break;
        socket->setParent(this);
        m_buffers.insert(socket, QByteArray());
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { handleRequest(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_buffers.remove(socket);
            socket->deleteLater();
        });
        // A connection that never finishes its request line would otherwise
        // be kept open for as long as the sign-in waits.
        auto* deadline = new QTimer(socket);
        deadline->setSingleShot(true);
        connect(deadline, &QTimer::timeout, socket, &QTcpSocket::abort);
        deadline->start(m_requestTimeoutMs);
        if (socket->bytesAvailable() > 0)
            handleRequest(socket);
    }
}

void WebAuthHandler::handleRequest(QTcpSocket* socket)
{
    const auto it = m_buffers.find(socket);
    if (it == m_buffers.end())
        return;
    // Never more than one byte past the cap, however much was sent.
    it->append(socket->read(MaxRequestLineBytes + 1 - it->size()));
    const qsizetype lineEnd = it->indexOf('\n');
    if (lineEnd < 0) {
        if (it->size() > MaxRequestLineBytes)
            answer(socket, plainReply("414 URI Too Long", "Request line too long"));
        return;
    }
    QByteArray requestLine = it->left(lineEnd);
    if (requestLine.endsWith('\r'))
        requestLine.chop(1);

    const std::optional<QByteArray> target = callbackTarget(requestLine);
    if (!target || m_finished) {
        answer(socket, plainReply("404 Not Found", "Not found"));
        return;
    }
    const QUrl url(QStringLiteral("http://localhost:%1").arg(m_port) + QString::fromUtf8(*target),
                   QUrl::TolerantMode);
    answer(socket, CompletePage);
    stop();
    emit callbackReceived(url);
}

void WebAuthHandler::answer(QTcpSocket* socket, const QByteArray& reply)
{
    m_buffers.remove(socket);
    socket->disconnect(this);
    // The owner usually deletes the handler right after the callback; the
    // reply must still reach the browser, so the socket goes its own way and
    // deletes itself once closed (or when its deadline aborts it).
    socket->setParent(nullptr);
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    socket->write(reply);
    socket->flush();
    socket->disconnectFromHost();
}

} // namespace OrvaAccount
