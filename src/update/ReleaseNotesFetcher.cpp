#include "ReleaseNotesFetcher.h"

#include "Web.h"

#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace OrvaUpdate {

namespace {

QString g_language;

QUrl localizedNotesUrl(const QUrl& notesUrl)
{
    const QString language = ReleaseNotesFetcher::language();
    if (language.isEmpty() || language == QLatin1String("en"))
        return QUrl();
    QUrl url = notesUrl;
    QString path = url.path(QUrl::FullyDecoded);
    if (path.endsWith(QLatin1String(".md"))) {
        path.insert(path.size() - 3, QLatin1Char('.') + language);
        url.setPath(path, QUrl::DecodedMode);
    }
    return url;
}

} // namespace

ReleaseNotesFetcher::ReleaseNotesFetcher(const Config& config, QObject* parent)
    : ReleaseNotesFetcher(notesUrlFor(config), config.app, parent)
{
}

ReleaseNotesFetcher::ReleaseNotesFetcher(const QUrl& notesUrl, const QString& tag, QObject* parent)
    : QObject(parent)
    , m_tag(tag)
    , m_network(new QNetworkAccessManager(this))
    , m_notesUrl(notesUrl)
    , m_localizedUrl(localizedNotesUrl(notesUrl))
{
}

QUrl ReleaseNotesFetcher::notesUrlFor(const Config& config)
{
    QUrl url = config.manifestBaseUrl;
    QString path = url.path(QUrl::FullyDecoded);
    if (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    const qsizetype lastSlash = path.lastIndexOf(QLatin1Char('/'));
    // Without a folder left, the version's folder goes right below the site's root.
    path = lastSlash >= 0 ? path.left(lastSlash + 1) : path + QLatin1Char('/');
    url.setPath(path + config.currentVersion + QStringLiteral("/release-notes.md"), QUrl::DecodedMode);
    return url;
}

QString ReleaseNotesFetcher::language()
{
    if (!g_language.isEmpty())
        return g_language;
    return QLocale::system().name().left(2);
}

void ReleaseNotesFetcher::setLanguage(const QString& language)
{
    g_language = language;
}

void ReleaseNotesFetcher::fetch()
{
    if (m_localizedUrl.isValid())
        download(m_localizedUrl, &ReleaseNotesFetcher::onLocalized);
    else
        download(m_notesUrl, &ReleaseNotesFetcher::onDefault);
}

void ReleaseNotesFetcher::download(const QUrl& url, void (ReleaseNotesFetcher::*done)(const QString&))
{
    QNetworkReply* reply = m_network->get(makeRequest(url, m_tag));
    connect(reply, &QNetworkReply::finished, this, [this, reply, done] {
        reply->deleteLater();
        const QString markdown = reply->error() == QNetworkReply::NoError
            ? QString::fromUtf8(reply->readAll()).trimmed()
            : QString();
        (this->*done)(markdown);
    });
}

void ReleaseNotesFetcher::onLocalized(const QString& markdown)
{
    if (markdown.isEmpty())
        download(m_notesUrl, &ReleaseNotesFetcher::onDefault);
    else
        emit notesReady(markdown);
}

void ReleaseNotesFetcher::onDefault(const QString& markdown)
{
    if (markdown.isEmpty())
        emit notesUnavailable();
    else
        emit notesReady(markdown);
}

} // namespace OrvaUpdate
