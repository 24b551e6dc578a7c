#include "AccountSharingService.h"

#include "account/ApiClient.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

// The ids go into the path as single segments: an id holding "/" or "?"
// must not send the user's token to another resource.
QString accountPath(const QString& accountId, const QString& rest)
{
    return QStringLiteral("/accounts/%1%2").arg(OrvaAccount::ApiClient::pathArgument(accountId), rest);
}

QString textOf(const QJsonObject& object, QLatin1StringView key)
{
    const QJsonValue value = object.value(key);
    return value.isString() ? value.toString() : QString();
}

} // namespace

AccountSharingService::AccountSharingService(OrvaAccount::ApiClient* syncApi, QObject* parent)
    : SharingBackend(parent)
    , m_api(syncApi)
{
}

OrvaAccount::ShareMember AccountSharingService::memberFromJson(const QJsonObject& object)
{
    OrvaAccount::ShareMember member;
    member.id = textOf(object, QLatin1StringView("user_id"));
    member.userId = member.id;
    member.email = textOf(object, QLatin1StringView("email"));
    member.displayName = textOf(object, QLatin1StringView("display_name"));
    member.role = textOf(object, QLatin1StringView("role"));
    member.createdAt = textOf(object, QLatin1StringView("created_at"));
    return member;
}

void AccountSharingService::listMembers(const QString& accountId, MembersCallback callback)
{
    if (!callback)
        return;
    m_api->get(accountPath(accountId, QStringLiteral("/members")),
               [callback](bool ok, int, const QJsonObject& body) {
                   QList<OrvaAccount::ShareMember> members;
                   if (ok) {
                       const QJsonArray array = body.value(QLatin1String("members")).toArray();
                       members.reserve(array.size());
                       for (const QJsonValue& element : array)
                           members.append(memberFromJson(element.toObject()));
                   }
                   callback(members);
               });
}

void AccountSharingService::shareWith(const QString& accountId, const QString& identifier, const QString& role,
                                      ShareCallback callback)
{
    QJsonObject request;
    if (identifier.contains(QLatin1Char('@')))
        request.insert(QLatin1String("email"), identifier);
    request.insert(QLatin1String("user_id"), identifier);
    request.insert(QLatin1String("role"), role.isEmpty() ? QStringLiteral("member") : role);
    m_api->post(accountPath(accountId, QStringLiteral("/share")), request,
                [callback](bool ok, int status, const QJsonObject& body) {
                    if (!callback)
                        return;
                    if (ok) {
                        callback(true, QString());
                        return;
                    }
                    QString message = textOf(body, QLatin1StringView("error"));
                    if (message.isEmpty())
                        message = tr("Failed to share account (HTTP %1)").arg(status);
                    callback(false, message);
                });
}

void AccountSharingService::removeShare(const QString& accountId, const QString& userId, RemoveCallback callback)
{
    m_api->deleteResource(accountPath(accountId, QStringLiteral("/share/") + OrvaAccount::ApiClient::pathArgument(userId)),
                          [callback](bool ok, int, const QJsonObject&) {
                              if (callback)
                                  callback(ok);
                          });
}
