#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QMetaType>
#include <QString>

namespace OrvaAccount {

// The signed-in user, as "/users/me" describes them.
struct User
{
    QString id;
    QString email;
    QString displayName;
    QString username;
    QString avatarUrl;
    QDateTime createdAt;

    static User fromJson(const QJsonObject& object);
};

} // namespace OrvaAccount

Q_DECLARE_METATYPE(OrvaAccount::User)
