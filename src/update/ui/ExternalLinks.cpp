#include "ExternalLinks.h"

#include "update/Logging.h"
#include "update/Web.h"

#include <QDesktopServices>
#include <QUrlQuery>

namespace OrvaUpdate {

void openWebUrl(const QUrl& url)
{
    if (!isWebUrl(url))
        qCWarning(lcUpdate) << "OrvaUpdate: refusing to open a non-web address:" << url;
    else if (!QDesktopServices::openUrl(url))
        qCWarning(lcUpdate) << "OrvaUpdate: QDesktopServices::openUrl failed for:" << url;
}

QUrl feedbackPageUrl(const FeedbackPage& page)
{
    QUrl url = folderUrl(page.baseUrl);
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("tags"), page.tags);
    url.setQuery(query);
    return url;
}

void openFeedbackPage(const FeedbackPage& page)
{
    openWebUrl(feedbackPageUrl(page));
}

} // namespace OrvaUpdate
