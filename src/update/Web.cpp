#include "Web.h"

namespace OrvaUpdate {

namespace {
int g_requestTimeoutMs = DefaultRequestTimeoutMs;
}

int requestTimeout()
{
    return g_requestTimeoutMs;
}

void setRequestTimeout(int milliseconds)
{
    g_requestTimeoutMs = milliseconds;
}

QNetworkRequest makeRequest(const QUrl& url, const QString& tag)
{
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("OrvaUpdateQt/0.1 (%1)").arg(tag));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(g_requestTimeoutMs);
    return request;
}

QUrl folderUrl(const QUrl& url)
{
    QUrl folder = url;
    QString path = folder.path(QUrl::FullyDecoded);
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    folder.setPath(path, QUrl::DecodedMode);
    return folder;
}

bool isWebUrl(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty()
        && (scheme == QLatin1String("https") || scheme == QLatin1String("http"));
}

} // namespace OrvaUpdate
