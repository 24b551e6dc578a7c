#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QUrl>

class QTcpServer;
class QTcpSocket;

namespace OrvaAccount {

// Receives the browser's redirect at the end of a sign-in on the loopback
// interface and hands its URL on, once. Any local process can connect to the
// port, so the listener is strict about what it takes: one request line of
// bounded size and time, "GET /callback" only; everything else gets a 404 and
// the listener keeps waiting for the real redirect.
class WebAuthHandler : public QObject
{
    Q_OBJECT

public:
    static constexpr quint16 PreferredPort = 19876;
    static constexpr qsizetype MaxRequestLineBytes = 8 * 1024;
    static constexpr int DefaultRequestTimeoutMs = 10 * 1000;
    static constexpr int DefaultWaitTimeoutMs = 5 * 60 * 1000;

    explicit WebAuthHandler(QObject* parent = nullptr);
    ~WebAuthHandler() override;

    // Listens on 127.0.0.1 and ::1 on one port: the preferred one, else any
    // free one. Returns redirectUri(), or an empty string when no port could
    // be bound. Calling it again while listening only returns the URI.
    QString start();
    // Stops listening for good; nothing is emitted after this.
    void stop();
    bool isListening() const;
    quint16 port() const;
    // "http://localhost:<port>/callback".
    QString redirectUri() const;

    // For tests that must not depend on who else holds the usual port.
    void setPreferredPort(quint16 port);
    // How long one connection may take to deliver its request line.
    void setRequestTimeout(int milliseconds);
    // How long start() waits for the redirect before giving up with timedOut().
    void setWaitTimeout(int milliseconds);

    // Asks the desktop to open the URL in the default browser.
    static void openBrowser(const QUrl& url);

signals:
    // The URL of the redirect request; emitted at most once.
    void callbackReceived(const QUrl& url);
    // No redirect arrived in time; the listener has stopped.
    void timedOut();

private:
    bool listenOn(quint16 port);
    void acceptConnections(QTcpServer* server);
    void handleRequest(QTcpSocket* socket);
    // Writes the reply and lets the socket live on until it is sent, even
    // when the handler is deleted right after the callback.
    void answer(QTcpSocket* socket, const QByteArray& reply);

    QTcpServer* m_server4;
    QTcpServer* m_server6;
    quint16 m_port = 0;
    quint16 m_preferredPort = PreferredPort;
    int m_requestTimeoutMs = DefaultRequestTimeoutMs;
    QTimer m_waitTimer;
    QHash<QTcpSocket*, QByteArray> m_buffers;
    // Set once the callback was emitted or the listener stopped.
    bool m_finished = false;
};

} // namespace OrvaAccount
