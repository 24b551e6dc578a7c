#include "Client.h"

#include "Logging.h"
#include "Version.h"
#include "Web.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace OrvaUpdate {

Q_LOGGING_CATEGORY(lcUpdate, "orvaupdate.client")

Client::Client(const Config& config, QObject* parent)
    : QObject(parent)
    , m_config(config)
    , m_network(new QNetworkAccessManager(this))
{
}

QUrl Client::manifestUrl(const QUrl& baseUrl)
{
    QUrl url = folderUrl(baseUrl);
    url.setPath(url.path(QUrl::FullyDecoded) + QStringLiteral("latest.json"), QUrl::DecodedMode);
    return url;
}

void Client::check()
{
    if (m_inFlight) {
        qCDebug(lcUpdate) << "check already in flight, ignoring";
        return;
    }
    if (!m_config.manifestBaseUrl.isValid()) {
        emit checkFailed(QStringLiteral("manifestBaseUrl is not valid"));
        return;
    }
    if (m_config.currentVersion.isEmpty()) {
        emit checkFailed(QStringLiteral("currentVersion is empty"));
        return;
    }

    m_inFlight = true;
    QNetworkReply* reply = m_network->get(makeRequest(manifestUrl(m_config.manifestBaseUrl), m_config.app));
    connect(reply, &QNetworkReply::finished, this, [this, reply] { onReply(reply); });
}

void Client::onReply(QNetworkReply* reply)
{
    reply->deleteLater();
    m_inFlight = false;

    if (reply->error() != QNetworkReply::NoError) {
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (reply->error() == QNetworkReply::ContentNotFoundError || status == 404) {
            qCInfo(lcUpdate) << "manifest 404, treating as up-to-date";
            emit upToDate();
        } else if (reply->error() == QNetworkReply::OperationCanceledError) {
            // Nothing here aborts a reply, so this is the time-out; the
            // toolkit's "Operation canceled" would not tell the user that.
            emit checkFailed(QStringLiteral("network error: no answer within %1 ms").arg(requestTimeout()));
        } else {
            emit checkFailed(QStringLiteral("network error: %1").arg(reply->errorString()));
        }
        return;
    }
    decide(reply->readAll());
}

void Client::decide(const QByteArray& body)
{
    QString error;
    const Manifest manifest = Manifest::parse(body, &error);
    if (!manifest.isValid()) {
        emit checkFailed(QStringLiteral("manifest invalid: %1").arg(error));
        return;
    }

    const QString platform = currentPlatformKey();
    if (platform.isEmpty()) {
        qCWarning(lcUpdate) << "unknown platform, skipping update check";
        emit upToDate();
        return;
    }
    const auto found = manifest.artifacts.constFind(platform);
    if (found == manifest.artifacts.constEnd()) {
        qCInfo(lcUpdate) << "platform" << platform << "not shipped in current manifest";
        emit upToDate();
        return;
    }

    const Artifact& artifact = found.value();
    const Version current = Version::parse(m_config.currentVersion);
    if (!(current < Version::parse(artifact.version))) {
        emit upToDate();
        return;
    }
    if (!artifact.minUpgradableFrom.isEmpty() && current < Version::parse(artifact.minUpgradableFrom)) {
        emit checkFailed(QStringLiteral("current version %1 is older than min_upgradable_from %2; please upgrade to "
                                        "an intermediate release first")
                             .arg(m_config.currentVersion, artifact.minUpgradableFrom));
        return;
    }
    emit updateAvailable(artifact);
}

} // namespace OrvaUpdate
