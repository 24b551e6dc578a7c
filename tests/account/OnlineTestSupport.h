#pragma once

#include "FakeServices.h"
#include "account/ClientConfig.h"

#include <QByteArray>
#include <QHostAddress>
#include <QTcpSocket>
#include <QTest>

// Shared by the tests that run the account library against the fake services.
namespace OnlineTest {

// A fixed "now" for the client and the fake alike.
constexpr qint64 Now = 1'800'000'000;

inline OrvaAccount::ClientConfig configFor(const FakeServices& services)
{
    OrvaAccount::ClientConfig config;
    config.authBaseUrl = services.authBaseUrl().toString();
    config.realmSlug = services.realm();
    config.accountApiUrl = services.accountApiUrl().toString();
    config.clientId = services.auth()->clientId();
    config.appName = QStringLiteral("Orvalen Vellumry");
    config.appVersion = QStringLiteral("1.1.10");
    config.accountPortalUrl = QStringLiteral("https://portal.example.test/");
    return config;
}

// What a raw client got back from a loopback port.
struct RawReply
{
    bool connected = false;
    // The server closed the connection within the wait.
    bool closed = false;
    QByteArray bytes;
};

// Sends the bytes as they are and collects the answer until the server
// closes the connection.
inline RawReply exchange(const QHostAddress& address, quint16 port, const QByteArray& request,
                         int waitMs = 5000)
{
    RawReply reply;
    QTcpSocket socket;
    socket.connectToHost(address, port);
    // Refused or accepted, either is an answer.
    const bool settled = QTest::qWaitFor(
        [&socket] {
            return socket.state() == QAbstractSocket::ConnectedState
                || socket.state() == QAbstractSocket::UnconnectedState;
        },
        waitMs);
    reply.connected = settled && socket.state() == QAbstractSocket::ConnectedState;
    if (!reply.connected)
        return reply;
    socket.write(request);
    reply.closed = QTest::qWaitFor(
        [&] {
            reply.bytes += socket.readAll();
            return socket.state() == QAbstractSocket::UnconnectedState;
        },
        waitMs);
    reply.bytes += socket.readAll();
    return reply;
}

inline QByteArray request(const QByteArray& requestLine)
{
    return requestLine + "\r\nHost: localhost\r\nUser-Agent: test\r\n\r\n";
}

} // namespace OnlineTest
