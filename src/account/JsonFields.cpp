#include "JsonFields.h"

#include <QJsonValue>

namespace OrvaAccount::JsonFields {

QString text(const QJsonObject& object, QLatin1String key)
{
    return object.value(key).toString();
}

QDateTime dateTime(const QJsonObject& object, QLatin1String key)
{
    const QString value = text(object, key);
    if (value.isEmpty())
        return QDateTime();
    return QDateTime::fromString(value, Qt::ISODate);
}

int int32(const QJsonObject& object, QLatin1String key)
{
    return object.value(key).toInt(0);
}

bool flag(const QJsonObject& object, QLatin1String key)
{
    return object.value(key).toBool(false);
}

} // namespace OrvaAccount::JsonFields
