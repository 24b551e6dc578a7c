#include "FakeBrowser.h"

#include <QTcpSocket>
#include <QTimer>

#include <memory>

FakeBrowser::FakeBrowser(QObject* parent)
    : QObject(parent)
{
}

void FakeBrowser::open(const QUrl& url)
{
    m_opened.append(url);
    if (m_followsLinks)
        load(url);
}

void FakeBrowser::load(const QUrl& url, int redirectsLeft)
{
    // A browser never sends the fragment.
    QByteArray target = url.path(QUrl::FullyEncoded).toLatin1();
    if (url.hasQuery())
        target += '?' + url.query(QUrl::FullyEncoded).toLatin1();
    const QByteArray requestLine = "GET " + (target.isEmpty() ? "/" : target) + " HTTP/1.1";

    auto* socket = new QTcpSocket(this);
    auto received = std::make_shared<QByteArray>();
    const auto complete = [this, socket, url, requestLine, received, redirectsLeft] {
        if (socket->property("done").toBool())
            return;
        socket->setProperty("done", true);
        socket->deleteLater();
        Page page{url, requestLine, 0, QByteArray(), QByteArray()};
        const qsizetype headEnd = received->indexOf("\r\n\r\n");
        const QList<QByteArray> lines = received->left(headEnd).split('\n');
        page.status = lines.value(0).split(' ').value(1).toInt();
        for (const QByteArray& line : lines) {
            if (line.toLower().startsWith("location:"))
                page.location = line.mid(9).trimmed();
        }
        page.body = headEnd < 0 ? QByteArray() : received->mid(headEnd + 4);
        m_pages.append(page);
        if (page.status / 100 == 3 && !page.location.isEmpty() && redirectsLeft > 0)
            load(url.resolved(QUrl::fromEncoded(page.location)), redirectsLeft - 1);
    };
    connect(socket, &QTcpSocket::connected, socket, [socket, url, requestLine] {
        socket->write(requestLine + "\r\nHost: " + url.authority(QUrl::FullyEncoded).toLatin1()
                      + "\r\nUser-Agent: FakeBrowser/1.0\r\nConnection: close\r\n\r\n");
    });
    connect(socket, &QTcpSocket::readyRead, socket, [socket, received] { received->append(socket->readAll()); });
    connect(socket, &QTcpSocket::disconnected, this, complete);
    connect(socket, &QTcpSocket::errorOccurred, this, [socket, received, complete] {
        received->append(socket->readAll());
        if (socket->state() != QAbstractSocket::ConnectedState)
            complete();
    });
    QTimer::singleShot(10000, socket, [socket, complete] {
        socket->abort();
        complete();
    });
    socket->connectToHost(url.host(), quint16(url.port(80)));
}
