#include "User.h"

#include "JsonFields.h"

namespace OrvaAccount {

User User::fromJson(const QJsonObject& object)
{
    User user;
    user.id = JsonFields::text(object, QLatin1String("id"));
    user.email = JsonFields::text(object, QLatin1String("email"));
    user.displayName = JsonFields::text(object, QLatin1String("display_name"));
    user.username = JsonFields::text(object, QLatin1String("username"));
    user.avatarUrl = JsonFields::text(object, QLatin1String("avatar_url"));
    user.createdAt = JsonFields::dateTime(object, QLatin1String("created_at"));
    return user;
}

} // namespace OrvaAccount
