#pragma once

#include "Config.h"
#include "Manifest.h"

#include <QObject>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

namespace OrvaUpdate {

// One update check at a time: downloads "latest.json" from the configured
// folder, picks this build's artifact and says whether it is newer. Each
// check() ends with exactly one of the three signals, unless it was ignored
// because another check was still in flight. Failures are plain English texts.
class Client : public QObject
{
    Q_OBJECT

public:
    explicit Client(const Config& config, QObject* parent = nullptr);

    const Config& config() const { return m_config; }
    bool isChecking() const { return m_inFlight; }
    void check();

    // The folder address with "latest.json" appended; scheme, host, port and
    // query stay.
    static QUrl manifestUrl(const QUrl& baseUrl);

signals:
    void updateAvailable(const OrvaUpdate::Artifact& artifact);
    void upToDate();
    void checkFailed(const QString& reason);

private:
    void onReply(QNetworkReply* reply);
    void decide(const QByteArray& body);

    Config m_config;
    QNetworkAccessManager* m_network;
    bool m_inFlight = false;
};

} // namespace OrvaUpdate
