#include "Manifest.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <QSysInfo>

namespace OrvaUpdate {

namespace {

void setError(QString* error, const QString& text)
{
    if (error && error->isEmpty())
        *error = text;
}

QString requiredString(const QJsonObject& object, const QString& key, QString* error)
{
    const QJsonValue value = object.value(key);
    if (value.isString())
        return value.toString();
    setError(error, QStringLiteral("missing or non-string field: %1").arg(key));
    return QString();
}

} // namespace

Artifact Artifact::fromJson(const QJsonObject& object, const QString& key, QString* error)
{
    Artifact artifact;
    artifact.version = requiredString(object, QStringLiteral("version"), error);
    artifact.releasedAt = QDateTime::fromString(requiredString(object, QStringLiteral("released_at"), error),
                                                Qt::ISODate);
    artifact.url = QUrl(requiredString(object, QStringLiteral("url"), error), QUrl::TolerantMode);

    const QJsonValue size = object.value(QLatin1String("size"));
    artifact.size = static_cast<qint64>(size.isDouble() ? size.toDouble() : -1.0);

    artifact.sha256 = requiredString(object, QStringLiteral("sha256"), error);

    const QJsonValue mandatory = object.value(QLatin1String("mandatory"));
    artifact.mandatory = mandatory.isBool() && mandatory.toBool();

    const QJsonValue minFrom = object.value(QLatin1String("min_upgradable_from"));
    artifact.minUpgradableFrom = minFrom.isString() ? minFrom.toString() : QString();

    const QString notes = object.value(QLatin1String("release_notes_url")).toString();
    if (!notes.isEmpty())
        artifact.releaseNotesUrl = QUrl(notes, QUrl::TolerantMode);

    if (error && error->isEmpty()) {
        const bool valid = !artifact.version.isEmpty() && artifact.releasedAt.isValid() && artifact.url.isValid()
            && artifact.size >= 1 && artifact.sha256.size() == 64;
        if (!valid)
            *error = QStringLiteral("artifact %1 failed validation").arg(key);
    }
    return artifact;
}

Manifest Manifest::parse(const QByteArray& data, QString* error)
{
    if (error)
        error->clear();

    Manifest manifest;
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(data, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        setError(error, QStringLiteral("JSON parse error: %1").arg(parseError.errorString()));
        return manifest;
    }
    if (!document.isObject()) {
        setError(error, QStringLiteral("manifest root is not a JSON object"));
        return manifest;
    }
    const QJsonObject root = document.object();

    const QJsonValue schema = root.value(QLatin1String("schema"));
    if (!schema.isDouble()) {
        setError(error, QStringLiteral("missing or non-integer field: schema"));
        return manifest;
    }
    manifest.schema = schema.toInt();
    if (manifest.schema != 1) {
        setError(error, QStringLiteral("unsupported manifest schema: %1 (expected %2)").arg(manifest.schema).arg(1));
        return manifest;
    }

    QString fieldError;
    manifest.app = requiredString(root, QStringLiteral("app"), &fieldError);
    manifest.channel = requiredString(root, QStringLiteral("channel"), &fieldError);
    if (!fieldError.isEmpty()) {
        setError(error, fieldError);
        return manifest;
    }

    const QJsonValue artifacts = root.value(QLatin1String("artifacts"));
    if (!artifacts.isObject()) {
        setError(error, QStringLiteral("missing or non-object field: artifacts"));
        return manifest;
    }

    const QJsonObject members = artifacts.toObject();
    for (auto it = members.constBegin(); it != members.constEnd(); ++it) {
        if (!it.value().isObject()) {
            setError(error, QStringLiteral("artifact %1 is not an object").arg(it.key()));
            return manifest;
        }
        QString artifactError;
        const Artifact artifact = Artifact::fromJson(it.value().toObject(), it.key(), &artifactError);
        if (!artifactError.isEmpty()) {
            setError(error, artifactError);
            return manifest;
        }
        manifest.artifacts.insert(it.key(), artifact);
    }

    if (!manifest.isValid())
        setError(error, QStringLiteral("manifest failed validation"));
    return manifest;
}

bool Manifest::isValid() const
{
    return schema == 1 && !app.isEmpty() && !channel.isEmpty() && !artifacts.isEmpty();
}

QString currentPlatformKey()
{
    if (QSysInfo::currentCpuArchitecture() != QLatin1String("x86_64"))
        return QString();
#if defined(Q_OS_WIN)
    return QStringLiteral("windows-x64");
#else
    // Our releases are per operating system: never offer a Windows installer here.
    return QStringLiteral("linux-x64");
#endif
}

} // namespace OrvaUpdate
