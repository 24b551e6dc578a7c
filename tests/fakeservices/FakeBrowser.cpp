#include "FakeBrowser.h"

#include <QTcpSocket>
#include <QTimer>

#include <memory>

namespace {

struct Response
{
    int status = 0;
    QByteArray location;
    QByteArray body;
};

Response parseResponse(const QByteArray& bytes)
{
    Response response;
    const qsizetype headEnd = bytes.indexOf("\r\n\r\n");
    const QList<QByteArray> lines = bytes.left(headEnd < 0 ? bytes.size() : headEnd).split('\n');
    response.status = lines.value(0).split(' ').value(1).toInt();
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        if (line.toLower().startsWith("location:"))
            response.location = line.mid(9).trimmed();
    }
    if (headEnd >= 0)
        response.body = bytes.mid(headEnd + 4);
    return response;
}

} // namespace

FakeBrowser::FakeBrowser(QObject* parent)
    : QObject(parent)
{
}

void FakeBrowser::setFollowsLinks(bool follow)
{
    m_followsLinks = follow;
}

void FakeBrowser::setFragments(Fragments fragments)
{
    m_fragments = fragments;
}

QList<QUrl> FakeBrowser::openedUrls() const
{
    return m_opened;
}

QList<FakeBrowser::Page> FakeBrowser::pages() const
{
    return m_pages;
}

void FakeBrowser::open(const QUrl& url)
{
    m_opened.append(url);
    if (m_followsLinks)
        load(url);
}

void FakeBrowser::load(const QUrl& url)
{
    fetch(url, MaxRedirects);
}

void FakeBrowser::fetch(const QUrl& url, int redirectsLeft)
{
    QByteArray target = url.path(QUrl::FullyEncoded).toLatin1();
    if (target.isEmpty())
        target = "/";
    if (url.hasQuery())
        target += '?' + url.query(QUrl::FullyEncoded).toLatin1();
    if (url.hasFragment() && m_fragments == Fragments::Sent)
        target += '#' + url.fragment(QUrl::FullyEncoded).toLatin1();
    const QByteArray requestLine = "GET " + target + " HTTP/1.1";

    auto* socket = new QTcpSocket(this);
    auto received = std::make_shared<QByteArray>();
    auto done = std::make_shared<bool>(false);
    const auto complete = [this, socket, url, requestLine, received, done, redirectsLeft] {
        if (*done)
            return;
        *done = true;
        const Response response = parseResponse(*received);
        finish(Page{url, requestLine, response.status, response.location, response.body}, redirectsLeft);
        socket->deleteLater();
    };
    connect(socket, &QTcpSocket::connected, socket, [socket, url, requestLine] {
        socket->write(requestLine + "\r\nHost: " + url.authority(QUrl::FullyEncoded).toLatin1()
                      + "\r\nUser-Agent: FakeBrowser/1.0\r\nAccept: text/html\r\nConnection: close\r\n\r\n");
    });
    connect(socket, &QTcpSocket::readyRead, socket, [socket, received] { received->append(socket->readAll()); });
    connect(socket, &QTcpSocket::disconnected, this, complete);
    connect(socket, &QTcpSocket::errorOccurred, this, [socket, received, complete] {
        received->append(socket->readAll());
        if (socket->state() != QAbstractSocket::ConnectedState)
            complete();
    });
    auto* deadline = new QTimer(socket);
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, this, [socket, complete] {
        socket->abort();
        complete();
    });
    deadline->start(LoadTimeoutMs);
    socket->connectToHost(url.host(), quint16(url.port(80)));
}

void FakeBrowser::finish(const Page& page, int redirectsLeft)
{
    m_pages.append(page);
    emit pageLoaded(page.url, page.status);
    const bool redirected = page.status >= 300 && page.status <= 399 && !page.location.isEmpty();
    if (redirected && redirectsLeft > 0)
        fetch(page.url.resolved(QUrl::fromEncoded(page.location)), redirectsLeft - 1);
}
