#pragma once

#include "FakeBrowser.h"
#include "FakeServices.h"
#include "account/ClientConfig.h"
#include "account/EpochClock.h"
#include "account/MemoryTokenStore.h"

#include <QByteArray>
#include <QDesktopServices>
#include <QHostAddress>
#include <QTcpSocket>
#include <QTest>

#include <optional>

// Shared by the tests that run the account library against the fake services.
namespace OnlineTest {

// A fixed "now" for the client and the fake alike.
constexpr qint64 Now = 1'800'000'000;

// Fake services on the client's pinned clock with one user, Ada, who is
// signed in to the fake browser; that browser stands in for the system one
// for every "http" URL the program opens.
class OnlineWorld
{
public:
    OnlineWorld()
    {
        OrvaAccount::EpochClock::setFixedNowSeconds(Now);
        services.auth()->setClock([] { return OrvaAccount::EpochClock::nowSeconds(); });
        userId = services.auth()->addUser(QStringLiteral("ada@example.test"), QStringLiteral("Ada"));
        services.auth()->setBrowserUser(userId);
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser, "open");
    }
    ~OnlineWorld()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        OrvaAccount::EpochClock::reset();
    }
    OnlineWorld(const OnlineWorld&) = delete;
    OnlineWorld& operator=(const OnlineWorld&) = delete;

    FakeServices services;
    FakeBrowser browser;
    QString userId;
};

// A store holding a fresh pair the fake issued to the user, as a previous
// run would have left it.
inline std::unique_ptr<OrvaAccount::MemoryTokenStore> signedInStore(FakeAuthService* auth, const QString& userId)
{
    auto store = std::make_unique<OrvaAccount::MemoryTokenStore>();
    const FakeAuthService::TokenPair pair = auth->signIn(userId);
    store->write(OrvaAccount::TokenStore::accessTokenKey(), pair.accessToken);
    store->write(OrvaAccount::TokenStore::refreshTokenKey(), pair.refreshToken);
    return store;
}

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

// Waits for the one answer a call hands its callback.
template<typename Value, typename Call>
Value await(Call call)
{
    std::optional<Value> answer;
    call([&answer](const Value& value) { answer = value; });
    if (!QTest::qWaitFor([&answer] { return answer.has_value(); }, 5000))
        qWarning("the call was never answered");
    return answer.value_or(Value());
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

// Whether a sign-in listener still answers at `port`. In a parallel test run a
// released port may already belong to another test process's fake server, so an
// accepted connection alone proves nothing; the listener answers in plain text
// or HTML, the fake services in JSON.
inline bool listenerAnswers(const QHostAddress& address, quint16 port,
                            const QByteArray& requestLine = "GET /callback HTTP/1.1")
{
    const RawReply reply = exchange(address, port, request(requestLine), 2000);
    return reply.connected
        && (reply.bytes.contains("Content-Type: text/plain") || reply.bytes.contains("Content-Type: text/html"));
}

} // namespace OnlineTest
