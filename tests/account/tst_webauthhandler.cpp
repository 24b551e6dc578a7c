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

const QHostAddress V4(QHostAddress::LocalHost);
const QHostAddress V6(QHostAddress::LocalHostIPv6);

bool isNotFound(const OnlineTest::RawReply& reply)
{
    return reply.closed && reply.bytes.startsWith("HTTP/1.1 404 Not Found\r\n");
}

} // namespace

class TestWebAuthHandler : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void listensOnBothLoopbacksOnThePreferredPort();
    void portTakenOnEitherAddressMovesOn_data();
    void portTakenOnEitherAddressMovesOn();
    void callbackIsAnsweredAndEmittedOnce();
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

private:
    // The URL of the one callback the listener emitted, or empty.
    QUrl received() const { return m_received->count() == 1 ? m_received->at(0).at(0).toUrl() : QUrl(); }

    std::unique_ptr<WebAuthHandler> m_handler;
    std::unique_ptr<QSignalSpy> m_received;
};

void TestWebAuthHandler::init()
{
    m_handler = std::make_unique<WebAuthHandler>();
    m_received = std::make_unique<QSignalSpy>(m_handler.get(), &WebAuthHandler::callbackReceived);
}

void TestWebAuthHandler::cleanup()
{
    m_received.reset();
    m_handler.reset();
}

void TestWebAuthHandler::listensOnBothLoopbacksOnThePreferredPort()
{
    QCOMPARE(m_handler->start(), QStringLiteral("http://localhost:19876/callback"));
    QCOMPARE(m_handler->port(), WebAuthHandler::PreferredPort);
    for (const QHostAddress& address : {V4, V6})
        QVERIFY(isNotFound(exchange(address, m_handler->port(), request("GET /favicon.ico HTTP/1.1"))));
    QVERIFY(m_handler->isListening());
    QCOMPARE(m_received->count(), 0);
    // Asking again while listening changes nothing; a second listener moves on.
    QCOMPARE(m_handler->start(), QStringLiteral("http://localhost:19876/callback"));
    WebAuthHandler second;
    QVERIFY(!second.start().isEmpty());
    QVERIFY(second.port() != m_handler->port());
}

void TestWebAuthHandler::portTakenOnEitherAddressMovesOn_data()
{
    QTest::addColumn<QHostAddress>("taken");
    QTest::newRow("127.0.0.1 taken") << V4;
    // Someone holding only ::1 would receive every browser redirect that
    // tries ::1 first: the port is not ours.
    QTest::newRow("::1 taken") << V6;
}

void TestWebAuthHandler::portTakenOnEitherAddressMovesOn()
{
    QFETCH(QHostAddress, taken);
    QTcpServer squatter;
    QVERIFY(squatter.listen(taken, WebAuthHandler::PreferredPort));

    const QString uri = m_handler->start();
    QVERIFY(m_handler->port() != 0);
    QVERIFY(m_handler->port() != WebAuthHandler::PreferredPort);
    QCOMPARE(uri, QStringLiteral("http://localhost:%1/callback").arg(m_handler->port()));
    for (const QHostAddress& address : {V4, V6})
        QVERIFY(isNotFound(exchange(address, m_handler->port(), request("GET / HTTP/1.1"))));
    QVERIFY(!squatter.hasPendingConnections());
}

void TestWebAuthHandler::callbackIsAnsweredAndEmittedOnce()
{
    QVERIFY(!m_handler->start().isEmpty());
    // The fragment stays in the URL, should a client send one.
    const OnlineTest::RawReply reply =
        exchange(V6, m_handler->port(), request("GET /callback?access_token=a&state=s#x HTTP/1.1"));
    QVERIFY(reply.closed);
    QCOMPARE(reply.bytes, CompletePage);
    QCOMPARE(received(), QUrl(QStringLiteral("http://localhost:19876/callback?access_token=a&state=s#x")));

    // Later requests, such as the browser's favicon, find nobody listening.
    QVERIFY(!m_handler->isListening());
    for (const QHostAddress& address : {V4, V6})
        QVERIFY(!OnlineTest::listenerAnswers(address, m_handler->port(), "GET /callback?again HTTP/1.1"));
    QCOMPARE(m_received->count(), 1);
}

void TestWebAuthHandler::onlyGetCallbackIsTaken_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("root") << request("GET / HTTP/1.1");
    QTest::newRow("post") << QByteArray("POST /callback?access_token=a HTTP/1.1\r\nContent-Length: 0\r\n\r\n");
    QTest::newRow("longer path") << request("GET /callbacks?access_token=a HTTP/1.1");
    QTest::newRow("path below") << request("GET /callback/x?access_token=a HTTP/1.1");
    QTest::newRow("absolute form") << request("GET http://localhost/callback?access_token=a HTTP/1.1");
    QTest::newRow("lower-case method") << request("get /callback?access_token=a HTTP/1.1");
    QTest::newRow("no target") << request("GET");
    QTest::newRow("not HTTP") << QByteArray("\x16\x03\x01\x02\x00 hello\r\n\r\n", 15);
}

void TestWebAuthHandler::onlyGetCallbackIsTaken()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(!m_handler->start().isEmpty());
    QVERIFY(isNotFound(exchange(V4, m_handler->port(), bytes)));
    QCOMPARE(m_received->count(), 0);
    QVERIFY(m_handler->isListening());

    // The real redirect still gets through afterwards.
    exchange(V4, m_handler->port(), request("GET /callback?ok=1 HTTP/1.1"));
    QCOMPARE(received().query(), QStringLiteral("ok=1"));
}

void TestWebAuthHandler::requestLineMayArriveInPieces()
{
    QVERIFY(!m_handler->start().isEmpty());
    QTcpSocket socket;
    socket.connectToHost(V4, m_handler->port());
    QVERIFY(socket.waitForConnected(5000));
    socket.write("GET /call");
    socket.flush();
    // Half a request line is no request: nothing is answered or emitted yet.
    QVERIFY(!QTest::qWaitFor([&] { return socket.bytesAvailable() > 0 || m_received->count() > 0; }, 200));
    socket.write("back?access_token=a%20b HTTP/1.1\r\nHost: localhost\r\n\r\n");
    QTRY_COMPARE(m_received->count(), 1);
    QCOMPARE(received().query(QUrl::FullyEncoded), QStringLiteral("access_token=a%20b"));
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
    QVERIFY(!m_handler->start().isEmpty());
    const OnlineTest::RawReply reply = exchange(V4, m_handler->port(), bytes);
    QVERIFY(reply.closed);
    QVERIFY(reply.bytes.startsWith("HTTP/1.1 414 "));
    QCOMPARE(m_received->count(), 0);
    QVERIFY(m_handler->isListening());
}

void TestWebAuthHandler::silentConnectionIsClosed()
{
    m_handler->setRequestTimeout(100);
    QVERIFY(!m_handler->start().isEmpty());
    QTcpSocket idle;
    idle.connectToHost(V4, m_handler->port());
    QVERIFY(idle.waitForConnected(5000));
    idle.write("GET /callback?access_token=a");
    QTRY_COMPARE(idle.state(), QAbstractSocket::UnconnectedState);
    QCOMPARE(m_received->count(), 0);

    QVERIFY(m_handler->isListening());
    exchange(V4, m_handler->port(), request("GET /callback?late HTTP/1.1"));
    QCOMPARE(m_received->count(), 1);
}

void TestWebAuthHandler::givesUpAfterTheWaitTimeout()
{
    m_handler->setWaitTimeout(100);
    QSignalSpy timedOut(m_handler.get(), &WebAuthHandler::timedOut);
    QVERIFY(!m_handler->start().isEmpty());
    QTRY_COMPARE(timedOut.count(), 1);
    QVERIFY(!m_handler->isListening());
    QVERIFY(!OnlineTest::listenerAnswers(V4, m_handler->port()));
    QCOMPARE(m_received->count(), 0);
}

void TestWebAuthHandler::stopEndsEverything()
{
    QVERIFY(!m_handler->start().isEmpty());
    QTcpSocket waiting;
    waiting.connectToHost(V6, m_handler->port());
    QVERIFY(waiting.waitForConnected(5000));

    m_handler->stop();
    QVERIFY(!m_handler->isListening());
    QTRY_COMPARE(waiting.state(), QAbstractSocket::UnconnectedState);
    for (const QHostAddress& address : {V4, V6})
        QVERIFY(!OnlineTest::listenerAnswers(address, m_handler->port()));
    // One handler serves one sign-in.
    QCOMPARE(m_handler->start(), QString());
    QCOMPARE(m_received->count(), 0);
}

void TestWebAuthHandler::replyOutlivesTheHandler()
{
    // What the authentication client does: delete the handler as soon as the
    // redirect arrived.
    QPointer<WebAuthHandler> handler = new WebAuthHandler;
    QVERIFY(!handler->start().isEmpty());
    connect(handler, &WebAuthHandler::callbackReceived, handler, &QObject::deleteLater);
    const OnlineTest::RawReply reply = exchange(V4, handler->port(), request("GET /callback?x=1 HTTP/1.1"));
    QVERIFY(handler.isNull());
    QCOMPARE(reply.bytes, CompletePage);
}

void TestWebAuthHandler::deletedWithConnectionsOpen()
{
    QVERIFY(!m_handler->start().isEmpty());
    QTcpSocket waiting;
    waiting.connectToHost(V4, m_handler->port());
    QVERIFY(waiting.waitForConnected(5000));
    waiting.write("GET /call");
    // Let the handler take the connection and its first bytes.
    QVERIFY(!QTest::qWaitFor([&waiting] { return waiting.state() != QAbstractSocket::ConnectedState; }, 100));
    cleanup();
    QTRY_COMPARE(waiting.state(), QAbstractSocket::UnconnectedState);
}

VELLUMRY_TEST_GUILESS_MAIN(TestWebAuthHandler)
#include "tst_webauthhandler.moc"
