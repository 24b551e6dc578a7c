#pragma once

#include <QByteArray>
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QPair>
#include <QSslConfiguration>
#include <QString>
#include <QUrl>
#include <QUrlQuery>

#include <functional>

class QTcpServer;
class QTcpSocket;

// One request as the fake received it.
struct FakeRequest
{
    QByteArray method;
    // The path as sent, still percent-encoded, and decoded.
    QByteArray rawPath;
    QString path;
    QUrlQuery query;
    // Header names in lower case.
    QHash<QByteArray, QByteArray> headers;
    QByteArray body;
    // The route that answered it ("" when none matched) and the decoded
    // values of its {placeholders}.
    QString route;
    QHash<QString, QString> captures;

    QByteArray header(const QByteArray& name) const;
    bool hasHeader(const QByteArray& name) const;
    // The token of an "Authorization: Bearer ..." header, else empty.
    QString bearerToken() const;
    QJsonObject jsonBody() const;
};

// What the fake sends back.
struct FakeResponse
{
    int status = 200;
    QList<QPair<QByteArray, QByteArray>> headers;
    QByteArray body;

    static FakeResponse json(int status, const QJsonObject& body);
    static FakeResponse jsonArray(int status, const QJsonArray& body);
    // No body at all, as a 204 has.
    static FakeResponse empty(int status);
    static FakeResponse raw(int status, const QByteArray& body, const QByteArray& contentType);
    static FakeResponse redirect(int status, const QUrl& location);
    // The error shape every fake service uses: {"error": code}.
    static FakeResponse error(int status, const QString& code);
};

// Something going wrong on one route, injected by a test.
struct FakeFault
{
    enum class Kind {
        // Answer with this response instead of the route's own.
        Respond,
        // Answer with the route's own response, this much later.
        Delay,
        // Read the request and never answer.
        Hang,
        // Close the connection without answering.
        Drop,
        // Send the route's status line, headers and body, but a
        // Content-Length that promises more, then go silent.
        Truncate,
    };

    Kind kind = Kind::Respond;
    FakeResponse response;
    int delayMs = 0;

    static FakeFault respond(const FakeResponse& response);
    static FakeFault status(int status, const QJsonObject& body = QJsonObject());
    // A body that is not JSON, with a success status unless told otherwise.
    static FakeFault notJson(int status = 200);
    static FakeFault delay(int milliseconds);
    static FakeFault hang();
    static FakeFault drop();
    static FakeFault truncate();
};

// A small HTTP/1.1 server on 127.0.0.1, for tests only. Services register
// routes ("/account/devices/{id}") with a handler; every request is recorded,
// and a test can make any route misbehave for a number of requests or for good.
// Connections are kept alive, one request at a time, as the client expects.
// Note that the client resends a request whose connection dropped before any
// answer, so a dropped-connection fault needs more than one use to reach it.
class FakeHttpServer : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<FakeResponse(const FakeRequest&)>;
    static constexpr int Forever = -1;

    explicit FakeHttpServer(QObject* parent = nullptr);
    ~FakeHttpServer() override;

    // Listens on 127.0.0.1 on a free port (or the one given).
    bool listen(quint16 port = 0);
    // The same over TLS with the given certificate and key.
    bool listenTls(const QSslConfiguration& configuration, quint16 port = 0);
    // A server configuration with a self-signed certificate for 127.0.0.1,
    // which no client trusts.
    static QSslConfiguration selfSignedTlsConfiguration();
    quint16 port() const;
    // "http://127.0.0.1:<port>" followed by the path.
    QUrl url(const QString& path = QString()) const;

    // Method "*" answers every method. Segments written {name} match any one
    // segment and are handed to the handler decoded.
    void addRoute(const QByteArray& method, const QString& pattern, Handler handler);

    // The fault applies to requests that the route with this method and
    // pattern answers (or, for a pattern no route has, to that exact path),
    // for the next `times` of them. Faults queue in the order injected.
    void injectFault(const QByteArray& method, const QString& pattern, const FakeFault& fault, int times = Forever);
    void clearFaults();
    // Every answer of the route that no fault replaces goes out this much
    // later (0: at once), as from a server that takes its time.
    void setRouteDelay(const QByteArray& method, const QString& pattern, int milliseconds);

    QList<FakeRequest> requests() const;
    // The recorded requests that a route pattern answered, or with this path.
    QList<FakeRequest> requestsTo(const QString& patternOrPath) const;
    int requestCount() const;
    void clearRequests();
    // How many connections the server has accepted so far.
    int connectionCount() const;

signals:
    void requestReceived(const FakeRequest& request);

private:
    struct Route
    {
        QByteArray method;
        QString pattern;
        QStringList segments;
        Handler handler;
    };
    struct InjectedFault
    {
        QByteArray method;
        QString pattern;
        FakeFault fault;
        int remaining = Forever;
    };
    struct Connection
    {
        QByteArray buffer;
        bool busy = false;
    };

    bool startListening(QTcpServer* server, quint16 port);
    void acceptConnections();
    void readFrom(QTcpSocket* socket);
    void processBuffer(QTcpSocket* socket);
    void dispatch(QTcpSocket* socket, FakeRequest request, bool closeAfter);
    const Route* matchRoute(FakeRequest& request, bool* pathKnown) const;
    bool takeFault(const FakeRequest& request, FakeFault* fault);
    void writeResponse(QTcpSocket* socket, const FakeResponse& response, bool closeAfter);
    void writeTruncated(QTcpSocket* socket, const FakeResponse& response);
    void finishRequest(QTcpSocket* socket, bool closeAfter);

    QTcpServer* m_server = nullptr;
    QList<Route> m_routes;
    QList<InjectedFault> m_faults;
    // By method and route pattern.
    QHash<QPair<QByteArray, QString>, int> m_routeDelays;
    QList<FakeRequest> m_requests;
    QHash<QTcpSocket*, Connection> m_connections;
    int m_connectionCount = 0;
    bool m_tls = false;
};

Q_DECLARE_METATYPE(FakeRequest)
Q_DECLARE_METATYPE(FakeResponse)
Q_DECLARE_METATYPE(FakeFault)
