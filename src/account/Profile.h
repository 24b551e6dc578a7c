#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QMetaType>
#include <QString>

#include <optional>

namespace OrvaAccount {

// The summary of the user's group inside their profile.
struct ProfileGroup
{
    QString id;
    QString name;
    QString role;
    int memberCount = 0;

    static ProfileGroup fromJson(const QJsonObject& object);
};

// The account profile, as "/profile" describes it.
struct Profile
{
    QString id;
    QString email;
    QString displayName;
    QString avatarUrl;
    QString language;
    QString timezone;
    QString status;
    QDateTime createdAt;
    // Set whenever the reply has a "group" key, even a null one.
    std::optional<ProfileGroup> group;

    static Profile fromJson(const QJsonObject& object);
};

} // namespace OrvaAccount

Q_DECLARE_METATYPE(OrvaAccount::Profile)
