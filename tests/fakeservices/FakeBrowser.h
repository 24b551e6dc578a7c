#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QUrl>

// Stands in for the system browser in tests. Register it for a scheme with
// QDesktopServices::setUrlHandler(scheme, browser, "open"): every URL the
// program opens is recorded and, unless told otherwise, loaded the way a
// browser loads it, following redirects (the sign-in page's redirect to the
// loopback listener among them). It speaks plain HTTP/1.1 over sockets of its
// own, so a test knows exactly what the listener received.
class FakeBrowser : public QObject
{
    Q_OBJECT

public:
    struct Page
    {
        QUrl url;
        // What was sent, without the line end.
        QByteArray requestLine;
        // 0 when no answer came (connection refused or dropped).
        int status = 0;
        // The "Location" header, as sent.
        QByteArray location;
        QByteArray body;
    };
    // A browser never puts the fragment into its request; a hostile local
    // client may.
    enum class Fragments { Dropped, Sent };

    static constexpr int MaxRedirects = 5;
    static constexpr int LoadTimeoutMs = 10000;

    explicit FakeBrowser(QObject* parent = nullptr);

    // When false, open() only records the URL.
    void setFollowsLinks(bool follow);
    void setFragments(Fragments fragments);

    QList<QUrl> openedUrls() const;
    QList<Page> pages() const;
    // Loads a URL at once, as if typed into the address bar.
    void load(const QUrl& url);

public slots:
    void open(const QUrl& url);

signals:
    void pageLoaded(const QUrl& url, int status);

private:
    void fetch(const QUrl& url, int redirectsLeft);
    void finish(const Page& page, int redirectsLeft);

    bool m_followsLinks = true;
    Fragments m_fragments = Fragments::Dropped;
    QList<QUrl> m_opened;
    QList<Page> m_pages;
};
