#pragma once

#include <QByteArray>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
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
    // The route pattern that answered it ("" when none matched) and the
    // decoded values of its {placeholders}.
    QString route;
    QHash<QString, QString> captures;

    QByteArray header(const QByteArray& name) const { return headers.value(name); }
    bool hasHeader(const QByteArray& name) const { return headers.contains(name); }
    // The token of an "Authorization: Bearer ..." header, else empty.
    QString bearerToken() const;
    QJsonObject jsonBody() const { return QJsonDocument::fromJson(body).object(); }
};

struct FakeResponse
{
    int status = 200;
    QList<QPair<QByteArray, QByteArray>> headers;
    QByteArray body;

    static FakeResponse raw(int status, const QByteArray& body, const QByteArray& contentType)
    {
        return FakeResponse{status, {{"Content-Type", contentType}}, body};
    }
    static FakeResponse json(int status, const QJsonObject& body)
    {
        return raw(status, QJsonDocument(body).toJson(QJsonDocument::Compact), "application/json");
    }
    static FakeResponse jsonArray(int status, const QJsonArray& body)
    {
        return raw(status, QJsonDocument(body).toJson(QJsonDocument::Compact), "application/json");
    }
    static FakeResponse empty(int status) { return FakeResponse{status, {}, {}}; }
    static FakeResponse redirect(int status, const QUrl& location)
    {
        return FakeResponse{status, {{"Location", location.toEncoded()}}, {}};
    }
    // The error shape of every fake service: {"error": code}.
    static FakeResponse error(int status, const QString& code)
    {
        return json(status, QJsonObject{{QStringLiteral("error"), code}});
    }
};

// Something going wrong on one route, injected by a test.
struct FakeFault
{
    enum class Kind {
        Respond,  // this response instead of the route's own
        Delay,    // the route's own response, delayMs later
        Hang,     // never answer
        Drop,     // close the connection without answering
        Truncate, // the route's response with a Content-Length that promises more, then silence
    };

    Kind kind = Kind::Respond;
    FakeResponse response;
    int delayMs = 0;

    static FakeFault respond(const FakeResponse& response) { return FakeFault{Kind::Respond, response, 0}; }
    static FakeFault status(int status, const QJsonObject& body = QJsonObject())
    {
        return respond(FakeResponse::json(status, body));
    }
    static FakeFault notJson(int status = 200)
    {
        return respond(FakeResponse::raw(status, "<html><body>Service unavailable</body></html>", "text/html"));
    }
    static FakeFault delay(int milliseconds) { return FakeFault{Kind::Delay, {}, milliseconds}; }
    static FakeFault hang() { return FakeFault{Kind::Hang, {}, 0}; }
    static FakeFault drop() { return FakeFault{Kind::Drop, {}, 0}; }
    static FakeFault truncate() { return FakeFault{Kind::Truncate, {}, 0}; }
};

// A small HTTP/1.1 server on 127.0.0.1 for tests. Routes ("/account/devices/{id}")
// have handlers; every request is recorded, and a test can make a route misbehave
// for a number of requests or for good. Connections are kept alive, one request
// at a time. The client resends a request whose reused connection dropped before
// any answer, so a dropped-connection fault may need more than one use.
class FakeHttpServer : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<FakeResponse(const FakeRequest&)>;
    static constexpr int Forever = -1;

    explicit FakeHttpServer(QObject* parent = nullptr);
    ~FakeHttpServer() override;

    // On a free port unless one is given; over TLS with a configuration.
    bool listen(quint16 port = 0);
    bool listenTls(const QSslConfiguration& configuration);
    // A self-signed certificate for 127.0.0.1 that no client trusts.
    static QSslConfiguration selfSignedTlsConfiguration();
    quint16 port() const;
    QUrl url(const QString& path = QString()) const;

    // Method "*" answers every method; a {name} segment matches any one segment.
    void addRoute(const QByteArray& method, const QString& pattern, Handler handler);

    // For the next `times` requests the route (or, for a pattern no route has,
    // that exact path) answers; faults queue in the order injected.
    void injectFault(const QByteArray& method, const QString& pattern, const FakeFault& fault, int times = Forever);
    void clearFaults();
    // Every answer of the route that no fault replaces goes out this much later.
    void setRouteDelay(const QByteArray& method, const QString& pattern, int milliseconds);

    QList<FakeRequest> requests() const { return m_requests; }
    // The recorded requests that a route pattern answered, or with this path.
    QList<FakeRequest> requestsTo(const QString& patternOrPath) const;
    int requestCount() const { return int(m_requests.size()); }
    void clearRequests() { m_requests.clear(); }

signals:
    void requestReceived(const FakeRequest& request);

private:
    struct Route
    {
        QByteArray method;
        QString pattern;
        Handler handler;
    };
    struct InjectedFault
    {
        QByteArray method;
        QString pattern;
        FakeFault fault;
        int remaining = Forever;
    };

    bool startListening(QTcpServer* server, quint16 port);
    void readFrom(QTcpSocket* socket);
    void dispatch(QTcpSocket* socket, FakeRequest request);
    const Route* matchRoute(FakeRequest& request, bool* pathKnown) const;
    bool takeFault(const FakeRequest& request, FakeFault* fault);
    void write(QTcpSocket* socket, const FakeResponse& response, qsizetype promisedExtra = 0);

    QTcpServer* m_server = nullptr;
    QList<Route> m_routes;
    QList<InjectedFault> m_faults;
    QHash<QPair<QByteArray, QString>, int> m_routeDelays;
    QList<FakeRequest> m_requests;
    // Bytes received and not yet handled; a socket with a request in hand waits.
    QHash<QTcpSocket*, QByteArray> m_buffers;
    QHash<QTcpSocket*, bool> m_busy;
    bool m_tls = false;
};

Q_DECLARE_METATYPE(FakeRequest)
Q_DECLARE_METATYPE(FakeResponse)
Q_DECLARE_METATYPE(FakeFault)
