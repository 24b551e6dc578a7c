#include "Device.h"

#include "JsonFields.h"

namespace OrvaAccount {

Device Device::fromJson(const QJsonObject& object)
{
    Device device;
    device.id = JsonFields::text(object, QLatin1String("id"));
    device.deviceName = JsonFields::text(object, QLatin1String("device_name"));
    device.platform = JsonFields::text(object, QLatin1String("platform"));
    device.appId = JsonFields::text(object, QLatin1String("app_id"));
    device.appVersion = JsonFields::text(object, QLatin1String("app_version"));
    device.lastSyncAt = JsonFields::dateTime(object, QLatin1String("last_sync_at"));
    device.deviceFingerprint = JsonFields::text(object, QLatin1String("device_fingerprint"));
    device.createdAt = JsonFields::dateTime(object, QLatin1String("created_at"));
    return device;
}

} // namespace OrvaAccount
