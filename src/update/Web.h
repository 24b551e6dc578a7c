#pragma once

#include <QNetworkRequest>
#include <QString>
#include <QUrl>

namespace OrvaUpdate {

// A site that accepts the connection and then never answers must still end
// the check, or the caller's busy text would stay forever.
constexpr int DefaultRequestTimeoutMs = 30000;
int requestTimeout();
void setRequestTimeout(int milliseconds);

// Every download of the library: a GET with our user agent (`tag` names the
// caller), redirects that never step down from HTTPS to HTTP, and the time-out.
QNetworkRequest makeRequest(const QUrl& url, const QString& tag);

// The address with its decoded path ending in "/".
QUrl folderUrl(const QUrl& url);

// Only these may be handed to the system browser: an address from a manifest
// or a notes file must not start a local program or open a local file.
bool isWebUrl(const QUrl& url);

} // namespace OrvaUpdate
