#pragma once

#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>

namespace OrvaAccount {

// The tolerant readers behind every account-service record: a value of the
// wrong kind reads as the empty value, never as a failure.
namespace JsonFields {

// Strings as they are; anything else, missing or null gives an empty string.
QString text(const QJsonObject& object, QLatin1String key);
// ISO 8601 with the zone the text states; invalid when absent or unparsable.
QDateTime dateTime(const QJsonObject& object, QLatin1String key);
// A whole number within 32 bits; anything else gives 0.
int int32(const QJsonObject& object, QLatin1String key);
// Only a JSON true is true.
bool flag(const QJsonObject& object, QLatin1String key);

// Every element read by Record::fromJson in order; a non-object element
// becomes an empty record, a non-array value an empty list.
template<typename Record>
QList<Record> list(const QJsonObject& object, QLatin1String key)
{
    QList<Record> records;
    const QJsonArray array = object.value(key).toArray();
    records.reserve(array.size());
    for (const QJsonValue& element : array)
        records.append(Record::fromJson(element.toObject()));
    return records;
}

} // namespace JsonFields

} // namespace OrvaAccount
