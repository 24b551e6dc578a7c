#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QUrl>

// Stands in for the system browser: register it with
// QDesktopServices::setUrlHandler(scheme, browser, "open"). Every URL the
// program opens is recorded and, unless told otherwise, loaded as a browser
// would, following redirects (the sign-in page's one to the loopback listener
// among them), over plain sockets so a test knows exactly what was sent.
class FakeBrowser : public QObject
{
    Q_OBJECT

public:
    struct Page
    {
        QUrl url;
        // What was sent, without the line end.
        QByteArray requestLine;
        // 0 when no answer came.
        int status = 0;
        QByteArray location;
        QByteArray body;
    };

    explicit FakeBrowser(QObject* parent = nullptr);

    // When false, open() only records the URL.
    void setFollowsLinks(bool follow) { m_followsLinks = follow; }
    QList<QUrl> openedUrls() const { return m_opened; }
    QList<Page> pages() const { return m_pages; }
    // Loads a URL at once, as if typed into the address bar.
    void load(const QUrl& url, int redirectsLeft = 5);

public slots:
    void open(const QUrl& url);

private:
    bool m_followsLinks = true;
    QList<QUrl> m_opened;
    QList<Page> m_pages;
};
