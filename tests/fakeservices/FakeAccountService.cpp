#include "FakeAccountService.h"

#include <QJsonArray>
#include <QRandomGenerator>
#include <QUuid>

namespace {

QString newId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

QString newInviteCode()
{
    static const char alphabet[] = "ABCDEFGHJKLMNPQRSTUVWXYZ23456789";
    QString code;
    for (int i = 0; i < 8; ++i)
        code += QLatin1Char(alphabet[QRandomGenerator::global()->bounded(int(sizeof(alphabet) - 1))]);
    return code;
}

QJsonObject deviceJson(const FakeAccountService::Device& device)
{
    return QJsonObject{{QStringLiteral("id"), device.id},
                       {QStringLiteral("device_name"), device.deviceName},
                       {QStringLiteral("platform"), device.platform},
                       {QStringLiteral("app_id"), device.appId},
                       {QStringLiteral("app_version"), device.appVersion},
                       {QStringLiteral("last_sync_at"), QJsonValue()},
                       {QStringLiteral("device_fingerprint"), device.fingerprint},
                       {QStringLiteral("created_at"), FakeAuthService::timestamp(device.createdAt)}};
}

QJsonObject invitationJson(const FakeAccountService::Invitation& invitation)
{
    return QJsonObject{
        {QStringLiteral("id"), invitation.id},
        {QStringLiteral("invited_email"),
         invitation.invitedEmail.isEmpty() ? QJsonValue() : QJsonValue(invitation.invitedEmail)},
        {QStringLiteral("invite_code"), invitation.code},
        {QStringLiteral("status"), invitation.status},
        {QStringLiteral("expires_at"), FakeAuthService::timestamp(invitation.expiresAt)}};
}

} // namespace

FakeAccountService::FakeAccountService(FakeHttpServer* http, FakeAuthService* auth, QObject* parent)
    : QObject(parent)
    , m_http(http)
    , m_auth(auth)
{
    using Request = const FakeRequest&;
    addUserRoute("GET", QStringLiteral("/profile"), [this](Request, const QString& userId) { return profile(userId); });
    addUserRoute("DELETE", QStringLiteral("/profile"), [this](Request, const QString& userId) {
        m_deletionScheduled.insert(userId);
        return FakeResponse::json(202, QJsonObject{{QStringLiteral("status"), QStringLiteral("deletion_scheduled")}});
    });
    addUserRoute("GET", QStringLiteral("/devices"), [this](Request, const QString& userId) {
        QJsonArray array;
        for (const Device& device : devices(userId))
            array.append(deviceJson(device));
        return FakeResponse::jsonArray(200, array);
    });
    addUserRoute("POST", QStringLiteral("/devices/register"),
                 [this](Request request, const QString& userId) { return registerDevice(request, userId); });
    addUserRoute("DELETE", QStringLiteral("/devices/{id}"), [this](Request request, const QString& userId) {
        const QString id = request.captures.value(QStringLiteral("id"));
        const bool removed =
            m_devices.removeIf([&](const Device& device) { return device.userId == userId && device.id == id; }) > 0;
        return removed ? FakeResponse::empty(204) : FakeResponse::error(404, QStringLiteral("not_found"));
    });
    addUserRoute("GET", QStringLiteral("/group"), [this](Request, const QString& userId) {
        const Group* group = groupOfUser(userId);
        return group ? FakeResponse::json(200, groupJson(*group)) : FakeResponse::error(404, QStringLiteral("no_group"));
    });
    addUserRoute("POST", QStringLiteral("/group/invite"),
                 [this](Request request, const QString& userId) { return invite(request, userId); });
    addUserRoute("POST", QStringLiteral("/group/join/{code}"),
                 [this](Request request, const QString& userId) { return join(request, userId); });
    addUserRoute("POST", QStringLiteral("/group/leave"), [this](Request, const QString& userId) {
        if (roleOf(userId) != QLatin1String("member"))
            return FakeResponse::error(409, QStringLiteral("owner_cannot_leave"));
        setMembership(userId, QString(), QString());
        return FakeResponse::empty(204);
    });
    addUserRoute("DELETE", QStringLiteral("/group/members/{id}"),
                 [this](Request request, const QString& userId) { return removeMember(request, userId); });
    addUserRoute("DELETE", QStringLiteral("/group/invitations/{id}"),
                 [this](Request request, const QString& userId) { return revokeInvitation(request, userId); });
}

void FakeAccountService::addUserRoute(const QByteArray& method, const QString& path,
                                      FakeAuthService::UserHandler handler)
{
    m_http->addRoute(method, apiPath(path), m_auth->forUser(std::move(handler)));
}

QString FakeAccountService::createGroup(const QString& ownerUserId, const QString& name)
{
    m_groups.append(Group{newId(), name, {}, {}});
    setMembership(ownerUserId, m_groups.constLast().id, QStringLiteral("owner"));
    return m_groups.constLast().id;
}

void FakeAccountService::addMember(const QString& groupId, const QString& userId)
{
    setMembership(userId, groupId, QStringLiteral("member"));
}

FakeAccountService::Group FakeAccountService::group(const QString& groupId) const
{
    for (const Group& group : m_groups) {
        if (group.id == groupId)
            return group;
    }
    return Group();
}

qsizetype FakeAccountService::groupIndexOf(const QString& userId, QString* role) const
{
    for (qsizetype i = 0; i < m_groups.size(); ++i) {
        for (const Member& member : m_groups.at(i).members) {
            if (member.userId != userId)
                continue;
            if (role)
                *role = member.role;
            return i;
        }
    }
    return -1;
}

QString FakeAccountService::groupOf(const QString& userId) const
{
    const qsizetype index = groupIndexOf(userId);
    return index < 0 ? QString() : m_groups.at(index).id;
}

FakeAccountService::Group* FakeAccountService::groupOfUser(const QString& userId)
{
    const qsizetype index = groupIndexOf(userId);
    return index < 0 ? nullptr : &m_groups[index];
}

QString FakeAccountService::roleOf(const QString& userId) const
{
    QString role;
    groupIndexOf(userId, &role);
    return role;
}

QList<FakeAccountService::Device> FakeAccountService::devices(const QString& userId) const
{
    QList<Device> found;
    for (const Device& device : m_devices) {
        if (device.userId == userId)
            found.append(device);
    }
    return found;
}

void FakeAccountService::setMembership(const QString& userId, const QString& groupId, const QString& role)
{
    for (Group& group : m_groups) {
        group.members.removeIf([&userId](const Member& member) { return member.userId == userId; });
        if (group.id == groupId)
            group.members.append(Member{userId, role, m_auth->now()});
    }
    m_auth->setGroupClaims(userId, groupId, role);
}

QJsonObject FakeAccountService::groupJson(const Group& group) const
{
    QJsonArray members;
    for (const Member& member : group.members) {
        const FakeAuthService::User user = m_auth->user(member.userId);
        members.append(QJsonObject{{QStringLiteral("account_id"), accountId(member.userId)},
                                   {QStringLiteral("auth_user_id"), member.userId},
                                   {QStringLiteral("display_name"), user.displayName},
                                   {QStringLiteral("email"), user.email},
                                   {QStringLiteral("role"), member.role},
                                   {QStringLiteral("joined_at"), FakeAuthService::timestamp(member.joinedAt)}});
    }
    QJsonArray pending;
    for (const Invitation& invitation : group.invitations) {
        if (invitation.status == QLatin1String("pending"))
            pending.append(invitationJson(invitation));
    }
    return QJsonObject{{QStringLiteral("id"), group.id},
                       {QStringLiteral("name"), group.name},
                       {QStringLiteral("members"), members},
                       {QStringLiteral("pending_invitations"), pending}};
}

FakeResponse FakeAccountService::profile(const QString& userId)
{
    const FakeAuthService::User user = m_auth->user(userId);
    QJsonObject body{
        {QStringLiteral("id"), accountId(userId)},
        {QStringLiteral("email"), user.email},
        {QStringLiteral("display_name"), user.displayName},
        {QStringLiteral("status"),
         isDeletionScheduled(userId) ? QStringLiteral("pending_deletion") : QStringLiteral("active")},
        {QStringLiteral("created_at"), FakeAuthService::timestamp(user.createdAt)},
    };
    if (const Group* group = groupOfUser(userId)) {
        body.insert(QStringLiteral("group"), QJsonObject{{QStringLiteral("id"), group->id},
                                                         {QStringLiteral("name"), group->name},
                                                         {QStringLiteral("role"), roleOf(userId)},
                                                         {QStringLiteral("member_count"), int(group->members.size())}});
    }
    return FakeResponse::json(200, body);
}

FakeResponse FakeAccountService::registerDevice(const FakeRequest& request, const QString& userId)
{
    const QJsonObject body = request.jsonBody();
    const auto text = [&body](const char* key) { return body.value(QLatin1String(key)).toString(); };
    const QString fingerprint = text("device_fingerprint");
    for (Device& device : m_devices) {
        if (device.userId == userId && device.fingerprint == fingerprint) {
            device.deviceName = text("device_name");
            device.appVersion = text("app_version");
            return FakeResponse::json(200, deviceJson(device));
        }
    }
    m_devices.append(Device{newId(), userId, text("device_name"), text("platform"), text("app_id"), text("app_version"),
                            fingerprint, m_auth->now()});
    return FakeResponse::json(201, deviceJson(m_devices.constLast()));
}

FakeResponse FakeAccountService::invite(const FakeRequest& request, const QString& userId)
{
    Group* group = groupOfUser(userId);
    if (!group || roleOf(userId) != QLatin1String("owner"))
        return FakeResponse::error(403, QStringLiteral("not_group_owner"));
    group->invitations.append(Invitation{newId(), request.jsonBody().value(QLatin1String("email")).toString(),
                                         newInviteCode(), QStringLiteral("pending"),
                                         m_auth->now() + InvitationLifetimeSeconds});
    return FakeResponse::json(201, invitationJson(group->invitations.constLast()));
}

FakeResponse FakeAccountService::join(const FakeRequest& request, const QString& userId)
{
    const QString code = request.captures.value(QStringLiteral("code"));
    for (Group& group : m_groups) {
        for (Invitation& invitation : group.invitations) {
            if (invitation.code != code || invitation.status != QLatin1String("pending"))
                continue;
            invitation.status = QStringLiteral("accepted");
            const QString groupId = group.id;
            setMembership(userId, groupId, QStringLiteral("member"));
            return FakeResponse::json(200, groupJson(*groupOfUser(userId)));
        }
    }
    return FakeResponse::error(404, QStringLiteral("invalid_invite_code"));
}

FakeResponse FakeAccountService::removeMember(const FakeRequest& request, const QString& userId)
{
    const Group* group = groupOfUser(userId);
    if (!group || roleOf(userId) != QLatin1String("owner"))
        return FakeResponse::error(403, QStringLiteral("not_group_owner"));
    for (const Member& member : group->members) {
        if (accountId(member.userId) == request.captures.value(QStringLiteral("id")) && member.userId != userId) {
            // A copy: the membership below removes the member it came from.
            const QString memberUserId = member.userId;
            setMembership(memberUserId, QString(), QString());
            return FakeResponse::empty(204);
        }
    }
    return FakeResponse::error(404, QStringLiteral("not_found"));
}

FakeResponse FakeAccountService::revokeInvitation(const FakeRequest& request, const QString& userId)
{
    Group* group = groupOfUser(userId);
    if (!group || roleOf(userId) != QLatin1String("owner"))
        return FakeResponse::error(403, QStringLiteral("not_group_owner"));
    for (Invitation& invitation : group->invitations) {
        if (invitation.id == request.captures.value(QStringLiteral("id"))) {
            invitation.status = QStringLiteral("revoked");
            return FakeResponse::empty(204);
        }
    }
    return FakeResponse::error(404, QStringLiteral("not_found"));
}
