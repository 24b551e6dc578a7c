#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QMetaType>
#include <QString>

namespace OrvaAccount {

// One member of the user's group.
struct GroupMember
{
    QString accountId;
    QString authUserId;
    QString displayName;
    QString email;
    // "owner" marks the group's owner.
    QString role;
    QDateTime joinedAt;

    static GroupMember fromJson(const QJsonObject& object);
};

// An open invitation to the group; also the whole reply of "/group/invite".
struct GroupInvitation
{
    QString id;
    // Empty when the invitation names no address.
    QString invitedEmail;
    QString inviteCode;
    QString status;
    QDateTime expiresAt;

    static GroupInvitation fromJson(const QJsonObject& object);
};

// The user's group, from "/group".
struct Group
{
    QString id;
    QString name;
    QList<GroupMember> members;
    QList<GroupInvitation> pendingInvitations;

    static Group fromJson(const QJsonObject& object);
};

} // namespace OrvaAccount

Q_DECLARE_METATYPE(OrvaAccount::GroupMember)
Q_DECLARE_METATYPE(OrvaAccount::GroupInvitation)
Q_DECLARE_METATYPE(OrvaAccount::Group)
