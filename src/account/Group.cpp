#include "Group.h"

#include "JsonFields.h"

namespace OrvaAccount {

GroupMember GroupMember::fromJson(const QJsonObject& object)
{
    GroupMember member;
    member.accountId = JsonFields::text(object, QLatin1String("account_id"));
    member.authUserId = JsonFields::text(object, QLatin1String("auth_user_id"));
    member.displayName = JsonFields::text(object, QLatin1String("display_name"));
    member.email = JsonFields::text(object, QLatin1String("email"));
    member.role = JsonFields::text(object, QLatin1String("role"));
    member.joinedAt = JsonFields::dateTime(object, QLatin1String("joined_at"));
    return member;
}

GroupInvitation GroupInvitation::fromJson(const QJsonObject& object)
{
    GroupInvitation invitation;
    invitation.id = JsonFields::text(object, QLatin1String("id"));
    invitation.invitedEmail = JsonFields::text(object, QLatin1String("invited_email"));
    invitation.inviteCode = JsonFields::text(object, QLatin1String("invite_code"));
    invitation.status = JsonFields::text(object, QLatin1String("status"));
    invitation.expiresAt = JsonFields::dateTime(object, QLatin1String("expires_at"));
    return invitation;
}

Group Group::fromJson(const QJsonObject& object)
{
    Group group;
    group.id = JsonFields::text(object, QLatin1String("id"));
    group.name = JsonFields::text(object, QLatin1String("name"));
    group.members = JsonFields::list<GroupMember>(object, QLatin1String("members"));
    group.pendingInvitations = JsonFields::list<GroupInvitation>(object, QLatin1String("pending_invitations"));
    return group;
}

} // namespace OrvaAccount
