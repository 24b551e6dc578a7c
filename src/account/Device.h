#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QMetaType>
#include <QString>

namespace OrvaAccount {

// One device registered to the user, from "/devices".
struct Device
{
    QString id;
    QString deviceName;
    QString platform;
    QString appId;
    QString appVersion;
    QDateTime lastSyncAt;
    QString deviceFingerprint;
    QDateTime createdAt;

    static Device fromJson(const QJsonObject& object);
};

} // namespace OrvaAccount

Q_DECLARE_METATYPE(OrvaAccount::Device)
