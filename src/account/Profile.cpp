#include "Profile.h"

#include "JsonFields.h"

namespace OrvaAccount {

ProfileGroup ProfileGroup::fromJson(const QJsonObject& object)
{
    ProfileGroup group;
    group.id = JsonFields::text(object, QLatin1String("id"));
    group.name = JsonFields::text(object, QLatin1String("name"));
    group.role = JsonFields::text(object, QLatin1String("role"));
    group.memberCount = JsonFields::int32(object, QLatin1String("member_count"));
    return group;
}

Profile Profile::fromJson(const QJsonObject& object)
{
    Profile profile;
    profile.id = JsonFields::text(object, QLatin1String("id"));
    profile.email = JsonFields::text(object, QLatin1String("email"));
    profile.displayName = JsonFields::text(object, QLatin1String("display_name"));
    profile.avatarUrl = JsonFields::text(object, QLatin1String("avatar_url"));
    profile.language = JsonFields::text(object, QLatin1String("language"));
    profile.timezone = JsonFields::text(object, QLatin1String("timezone"));
    profile.status = JsonFields::text(object, QLatin1String("status"));
    profile.createdAt = JsonFields::dateTime(object, QLatin1String("created_at"));
    const QLatin1String groupKey("group");
    if (object.contains(groupKey))
        profile.group = ProfileGroup::fromJson(object.value(groupKey).toObject());
    return profile;
}

} // namespace OrvaAccount
