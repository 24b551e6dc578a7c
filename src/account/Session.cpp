#include "Session.h"

#include "JsonFields.h"

namespace OrvaAccount {

Session Session::fromJson(const QJsonObject& object)
{
    Session session;
    session.id = JsonFields::text(object, QLatin1String("id"));
    session.userAgent = JsonFields::text(object, QLatin1String("user_agent"));
    session.ipAddress = JsonFields::text(object, QLatin1String("ip_address"));
    session.createdAt = JsonFields::dateTime(object, QLatin1String("created_at"));
    session.lastActiveAt = JsonFields::dateTime(object, QLatin1String("last_active_at"));
    session.isCurrent = JsonFields::flag(object, QLatin1String("is_current"));
    return session;
}

} // namespace OrvaAccount
