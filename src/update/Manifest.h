#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QJsonObject>
#include <QMetaType>
#include <QString>
#include <QUrl>

namespace OrvaUpdate {

// One downloadable release for one platform.
struct Artifact
{
    QString version;
    QDateTime releasedAt;
    QUrl url;
    qint64 size = -1;
    QString sha256;
    bool mandatory = false;
    QString minUpgradableFrom;
    QUrl releaseNotesUrl;

    // Reads the artifact stored under `key`. With an error pointer given, the
    // first problem is reported there and the artifact is also validated.
    static Artifact fromJson(const QJsonObject& object, const QString& key, QString* error = nullptr);
};

// The release manifest, "latest.json".
struct Manifest
{
    int schema = 0;
    QString app;
    QString channel;
    QHash<QString, Artifact> artifacts;

    // Stops at the first problem and reports it through `error`, returning what
    // was read up to there.
    static Manifest parse(const QByteArray& data, QString* error = nullptr);
    bool isValid() const;
};

// The key under which this build looks up its artifact; empty when no build of
// ours exists for this processor.
QString currentPlatformKey();

} // namespace OrvaUpdate

Q_DECLARE_METATYPE(OrvaUpdate::Artifact)
