#include "TestMain.h"

#include "OnlineTestSupport.h"
#include "account/WebAuthHandler.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTcpServer>

using OnlineTest::exchange;
using OnlineTest::request;
using OrvaAccount::WebAuthHandler;

namespace {

const QByteArray CompletePage =
    "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\n\r\n"
    "<html><body style='font-family: sans-serif; text-align: center; padding: 40px;'>"
    "<h2>Authentication complete!</h2><p>You can close this tab and return to the application.</p></body></html>";

const QList<QHostAddress> Loopbacks{QHostAddress(QHostAddress::LocalHost), QHostAddress(QHostAddress::LocalHostIPv6)};

bool isNotFound(const OnlineTest::RawReply& reply)
{
    return reply.closed && reply.bytes.startsWith("HTTP/1.1 404 Not Found\r\n");
}

} // namespace

class TestWebAuthHandler : public QObject
{
    Q_OBJECT

private slots:
    void listensOnBothLoopbacksOnThePreferredPort();
    void portTakenOnEitherAddressMovesOn_data();
    void portTakenOnEitherAddressMovesOn();
    void secondListenerFindsThePortBusy();
    void callbackIsAnsweredAndEmittedOnce();
    void fragmentStaysInTheUrl();
    void onlyGetCallbackIsTaken_data();
    void onlyGetCallbackIsTaken();
    void requestLineMayArriveInPieces();
    void oversizedRequestLineIsRefused_data();
    void oversizedRequestLineIsRefused();
    void silentConnectionIsClosed();
    void givesUpAfterTheWaitTimeout();
    void stopEndsEverything();
    void replyOutlivesTheHandler();
    void deletedWithConnectionsOpen();
};

void TestWebAuthHandler::listensOnBothLoopbacksOnThePreferredPort()
{
    WebAuthHandler handler;
    QCOMPARE(handler.start(), QStringLiteral("http://localhost:19876/callback"));
    QCOMPARE(handler.port(), WebAuthHandler::PreferredPort);
    QSignalSpy received(&handler, &WebAuthHandler::callbackReceived);

    for (const QHostAddress& address : Loopbacks)
        QVERIFY(isNotFound(exchange(address, handler.port(), request("GET /favicon.ico HTTP/1.1"))));
    QVERIFY(handler.isListening());
    QCOMPARE(received.count(), 0);
    // Asking again while listening changes nothing.
    QCOMPARE(handler.start(), QStringLiteral("http://localhost:19876/callback"));
}

void TestWebAuthHandler::portTakenOnEitherAddressMovesOn_data()
{
    QTest::addColumn<QHostAddress>("taken");
    QTest::newRow("127.0.0.1 taken") << QHostAddress(QHostAddress::LocalHost);
    // Someone holding only ::1 would receive every browser redirect that
    // tries ::1 first: the port is not ours.
    QTest::newRow("::1 taken") << QHostAddress(QHostAddress::LocalHostIPv6);
}

void TestWebAuthHandler::portTakenOnEitherAddressMovesOn()
{
    QFETCH(QHostAddress, taken);
    QTcpServer squatter;
    QVERIFY(squatter.listen(taken, WebAuthHandler::PreferredPort));

    WebAuthHandler handler;
    const QString uri = handler.start();
    QVERIFY(handler.port() != 0);
    QVERIFY(handler.port() != WebAuthHandler::PreferredPort);
    QCOMPARE(uri, QStringLiteral("http://localhost:%1/callback").arg(handler.port()));
    for (const QHostAddress& address : Loopbacks)
        QVERIFY(isNotFound(exchange(address, handler.port(), request("GET / HTTP/1.1"))));
    QVERIFY(!squatter.hasPendingConnections());
}

void TestWebAuthHandler::secondListenerFindsThePortBusy()
{
    WebAuthHandler first;
    WebAuthHandler second;
    QVERIFY(!first.start().isEmpty());
    QVERIFY(!second.start().isEmpty());
    QCOMPARE(first.port(), WebAuthHandler::PreferredPort);
    QVERIFY(second.port() != first.port());
}

void TestWebAuthHandler::callbackIsAnsweredAndEmittedOnce()
{
    WebAuthHandler handler;
    QVERIFY(!handler.start().isEmpty());
    QSignalSpy received(&handler, &WebAuthHandler::callbackReceived);

    const OnlineTest::RawReply reply = exchange(QHostAddress(QHostAddress::LocalHost), handler.port(),
                                                request("GET /callback?access_token=a&state=s HTTP/1.1"));
    QVERIFY(reply.closed);
    QCOMPARE(reply.bytes, CompletePage);
    QCOMPARE(received.count(), 1);
    QCOMPARE(received.at(0).at(0).toUrl(), QUrl(QStringLiteral("http://localhost:19876/callback?access_token=a&state=s")));

    // Later requests, such as the browser's favicon, find nobody listening.
    QVERIFY(!handler.isListening());
    for (const QHostAddress& address : Loopbacks)
        QVERIFY(!OnlineTest::listenerAnswers(address, handler.port(), "GET /callback?again HTTP/1.1"));
    QCOMPARE(received.count(), 1);
}

void TestWebAuthHandler::fragmentStaysInTheUrl()
{
    WebAuthHandler handler;
    QVERIFY(!handler.start().isEmpty());
    QSignalSpy received(&handler, &WebAuthHandler::callbackReceived);
    exchange(QHostAddress(QHostAddress::LocalHostIPv6), handler.port(), request("GET /callback#x HTTP/1.1"));
    QCOMPARE(received.count(), 1);
    QCOMPARE(received.at(0).at(0).toUrl(), QUrl(QStringLiteral("http://localhost:19876/callback#x")));
}

void TestWebAuthHandler::onlyGetCallbackIsTaken_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("root") << request("GET / HTTP/1.1");
    QTest::newRow("favicon") << request("GET /favicon.ico HTTP/1.1");
    QTest::newRow("post") << QByteArray("POST /callback?access_token=a HTTP/1.1\r\nContent-Length: 0\r\n\r\n");
    QTest::newRow("longer path") << request("GET /callbacks?access_token=a HTTP/1.1");
    QTest::newRow("path below") << request("GET /callback/x?access_token=a HTTP/1.1");
    QTest::newRow("absolute form") << request("GET http://localhost/callback?access_token=a HTTP/1.1");
    QTest::newRow("lower-case method") << request("get /callback?access_token=a HTTP/1.1");
    QTest::newRow("no target") << request("GET");
    QTest::newRow("not HTTP") << QByteArray("\x16\x03\x01\x02\x00 hello\r\n\r\n", 17);
}

void TestWebAuthHandler::onlyGetCallbackIsTaken()
{
    QFETCH(QByteArray, bytes);
    WebAuthHandler handler;
    QVERIFY(!handler.start().isEmpty());
    QSignalSpy received(&handler, &WebAuthHandler::callbackReceived);

    QVERIFY(isNotFound(exchange(QHostAddress(QHostAddress::LocalHost), handler.port(), bytes)));
    QCOMPARE(received.count(), 0);
    QVERIFY(handler.isListening());

    // The real redirect still gets through afterwards.
    exchange(QHostAddress(QHostAddress::LocalHost), handler.port(), request("GET /callback?ok=1 HTTP/1.1"));
    QCOMPARE(received.count(), 1);
    QCOMPARE(received.at(0).at(0).toUrl().query(), QStringLiteral("ok=1"));
}

void TestWebAuthHandler::requestLineMayArriveInPieces()
{
    WebAuthHandler handler;
    QVERIFY(!handler.start().isEmpty());
    QSignalSpy received(&handler, &WebAuthHandler::callbackReceived);

    QTcpSocket socket;
    socket.connectToHost(QHostAddress(QHostAddress::LocalHost), handler.port());
    QVERIFY(socket.waitForConnected(5000));
    socket.write("GET /call");
    socket.flush();
    // Half a request line is no request: nothing is answered or emitted yet.
    QVERIFY(!QTest::qWaitFor([&] { return socket.bytesAvailable() > 0 || received.count() > 0; }, 200));
    socket.write("back?access_token=a%20b HTTP/1.1\r\nHost: localhost\r\n\r\n");
    QTRY_COMPARE(received.count(), 1);
    QCOMPARE(received.at(0).at(0).toUrl().query(QUrl::FullyEncoded), QStringLiteral("access_token=a%20b"));
    QTRY_VERIFY(socket.bytesAvailable() > 0 || socket.state() == QAbstractSocket::UnconnectedState);
}

void TestWebAuthHandler::oversizedRequestLineIsRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray longTarget = "GET /callback?access_token=" + QByteArray(WebAuthHandler::MaxRequestLineBytes, 'a');
    QTest::newRow("no line end yet") << longTarget;
    QTest::newRow("line end too late") << request(longTarget + " HTTP/1.1");
}

void TestWebAuthHandler::oversizedRequestLineIsRefused()
{
    QFETCH(QByteArray, bytes);
    WebAuthHandler handler;
    QVERIFY(!handler.start().isEmpty());
    QSignalSpy received(&handler, &WebAuthHandler::callbackReceived);

    const OnlineTest::RawReply reply = exchange(QHostAddress(QHostAddress::LocalHost), handler.port(), bytes);
    QVERIFY(reply.closed);
    QVERIFY(reply.bytes.startsWith("HTTP/1.1 414 "));
    QCOMPARE(received.count(), 0);
    QVERIFY(handler.isListening());
}

void TestWebAuthHandler::silentConnectionIsClosed()
{
    WebAuthHandler handler;
    handler.setRequestTimeout(100);
    QVERIFY(!handler.start().isEmpty());
    QSignalSpy received(&handler, &WebAuthHandler::callbackReceived);

    QTcpSocket idle;
    idle.connectToHost(QHostAddress(QHostAddress::LocalHost), handler.port());
    QVERIFY(idle.waitForConnected(5000));
    idle.write("GET /callback?access_token=a");
    QTRY_COMPARE(idle.state(), QAbstractSocket::UnconnectedState);
    QCOMPARE(received.count(), 0);

    QVERIFY(handler.isListening());
    exchange(QHostAddress(QHostAddress::LocalHost), handler.port(), request("GET /callback?late HTTP/1.1"));
    QCOMPARE(received.count(), 1);
}

void TestWebAuthHandler::givesUpAfterTheWaitTimeout()
{
    WebAuthHandler handler;
    handler.setWaitTimeout(100);
    QSignalSpy timedOut(&handler, &WebAuthHandler::timedOut);
    QSignalSpy received(&handler, &WebAuthHandler::callbackReceived);
    QVERIFY(!handler.start().isEmpty());

    QTRY_COMPARE(timedOut.count(), 1);
    QVERIFY(!handler.isListening());
    QVERIFY(!OnlineTest::listenerAnswers(QHostAddress(QHostAddress::LocalHost), handler.port()));
    QCOMPARE(received.count(), 0);
}

void TestWebAuthHandler::stopEndsEverything()
{
    WebAuthHandler handler;
    QVERIFY(!handler.start().isEmpty());
    QSignalSpy received(&handler, &WebAuthHandler::callbackReceived);
    QTcpSocket waiting;
    waiting.connectToHost(QHostAddress(QHostAddress::LocalHostIPv6), handler.port());
    QVERIFY(waiting.waitForConnected(5000));

    handler.stop();
    QVERIFY(!handler.isListening());
    QTRY_COMPARE(waiting.state(), QAbstractSocket::UnconnectedState);
    for (const QHostAddress& address : Loopbacks)
        QVERIFY(!OnlineTest::listenerAnswers(address, handler.port()));
    // One handler serves one sign-in.
    QCOMPARE(handler.start(), QString());
    QCOMPARE(received.count(), 0);
}

void TestWebAuthHandler::replyOutlivesTheHandler()
{
    QPointer<WebAuthHandler> handler = new WebAuthHandler;
    QVERIFY(!handler->start().isEmpty());
    const quint16 port = handler->port();
    // What the authentication client does: delete the handler as soon as the
    // redirect arrived.
    connect(handler, &WebAuthHandler::callbackReceived, handler, &QObject::deleteLater);

    const OnlineTest::RawReply reply =
        exchange(QHostAddress(QHostAddress::LocalHost), port, request("GET /callback?x=1 HTTP/1.1"));
    QVERIFY(handler.isNull());
    QCOMPARE(reply.bytes, CompletePage);
}

void TestWebAuthHandler::deletedWithConnectionsOpen()
{
    auto* handler = new WebAuthHandler;
    QVERIFY(!handler->start().isEmpty());
    QTcpSocket waiting;
    waiting.connectToHost(QHostAddress(QHostAddress::LocalHost), handler->port());
    QVERIFY(waiting.waitForConnected(5000));
    waiting.write("GET /call");
    // Let the handler take the connection and its first bytes.
    QVERIFY(!QTest::qWaitFor([&waiting] { return waiting.state() != QAbstractSocket::ConnectedState; }, 100));

    delete handler;
    QTRY_COMPARE(waiting.state(), QAbstractSocket::UnconnectedState);
}

VELLUMRY_TEST_GUILESS_MAIN(TestWebAuthHandler)
#include "tst_webauthhandler.moc"
