#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QMetaType>
#include <QString>

namespace OrvaAccount {

// One signed-in session of the user, from "/users/me/sessions".
struct Session
{
    QString id;
    QString userAgent;
    QString ipAddress;
    QDateTime createdAt;
    QDateTime lastActiveAt;
    bool isCurrent = false;

    static Session fromJson(const QJsonObject& object);
};

} // namespace OrvaAccount

Q_DECLARE_METATYPE(OrvaAccount::Session)
