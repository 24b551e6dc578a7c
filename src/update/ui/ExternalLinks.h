#pragma once

#include <QString>
#include <QUrl>

namespace OrvaUpdate {

// Opens an http or https address in the system browser. Anything else (a
// local file, a custom scheme a manifest or notes file might carry) is refused
// and logged; a browser that cannot be opened is logged too.
void openWebUrl(const QUrl& url);

// Where the feedback page is and what it is tagged with.
struct FeedbackPage
{
    QString tags;
    QUrl baseUrl;
};

// The base address as a folder, with the single query item "tags".
QUrl feedbackPageUrl(const FeedbackPage& page);
void openFeedbackPage(const FeedbackPage& page);

} // namespace OrvaUpdate
