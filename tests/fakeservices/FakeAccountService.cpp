#include "FakeAccountService.h"

#include <QJsonArray>
#include <QUuid>

namespace {

QString newId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
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

const FakeResponse NotOwner = FakeResponse::error(403, QStringLiteral("not_group_owner"));
const FakeResponse NotFound = FakeResponse::error(404, QStringLiteral("not_found"));

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
        const auto mine = [&](const Device& device) { return device.userId == userId && device.id == id; };
        return m_devices.removeIf(mine) > 0 ? FakeResponse::empty(204) : NotFound;
    });
    addUserRoute("GET", QStringLiteral("/group"), [this](Request, const QString& userId) {
        return groupOf(userId).isEmpty() ? FakeResponse::error(404, QStringLiteral("no_group"))
                                         : FakeResponse::json(200, groupJson(groupOf(userId)));
    });
    addUserRoute("POST", QStringLiteral("/group/invite"), [this](Request request, const QString& userId) {
        Group* group = ownedGroup(userId);
        if (!group)
            return NotOwner;
        group->invitations.append(Invitation{newId(), request.jsonBody().value(QLatin1String("email")).toString(),
                                             newId().left(8).toUpper(), QStringLiteral("pending"),
                                             m_auth->now() + InvitationLifetimeSeconds});
        return FakeResponse::json(201, invitationJson(group->invitations.constLast()));
    });
    addUserRoute("POST", QStringLiteral("/group/join/{code}"),
                 [this](Request request, const QString& userId) { return join(request, userId); });
    addUserRoute("POST", QStringLiteral("/group/leave"), [this](Request, const QString& userId) {
        if (m_memberships.value(userId).role != QLatin1String("member"))
            return FakeResponse::error(409, QStringLiteral("owner_cannot_leave"));
        setMembership(userId, QString(), QString());
        return FakeResponse::empty(204);
    });
    addUserRoute("DELETE", QStringLiteral("/group/members/{id}"), [this](Request request, const QString& userId) {
        const Group* group = ownedGroup(userId);
        if (!group)
            return NotOwner;
        for (auto it = m_memberships.cbegin(); it != m_memberships.cend(); ++it) {
            if (it->groupId == group->id && it.key() != userId
                && accountId(it.key()) == request.captures.value(QStringLiteral("id"))) {
                const QString member = it.key();
                setMembership(member, QString(), QString());
                return FakeResponse::empty(204);
            }
        }
        return NotFound;
    });
    addUserRoute("DELETE", QStringLiteral("/group/invitations/{id}"), [this](Request request, const QString& userId) {
        Group* group = ownedGroup(userId);
        if (!group)
            return NotOwner;
        for (Invitation& invitation : group->invitations) {
            if (invitation.id == request.captures.value(QStringLiteral("id"))) {
                invitation.status = QStringLiteral("revoked");
                return FakeResponse::empty(204);
            }
        }
        return NotFound;
    });
}

void FakeAccountService::addUserRoute(const QByteArray& method, const QString& path,
                                      FakeAuthService::UserHandler handler)
{
    m_http->addRoute(method, apiPath(path), m_auth->forUser(std::move(handler)));
}

QString FakeAccountService::createGroup(const QString& ownerUserId, const QString& name)
{
    const QString id = newId();
    m_groups.insert(id, Group{id, name, {}});
    setMembership(ownerUserId, id, QStringLiteral("owner"));
    return id;
}

void FakeAccountService::addMember(const QString& groupId, const QString& userId)
{
    setMembership(userId, groupId, QStringLiteral("member"));
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

FakeAccountService::Group* FakeAccountService::ownedGroup(const QString& userId)
{
    const Membership membership = m_memberships.value(userId);
    return membership.role == QLatin1String("owner") ? &m_groups[membership.groupId] : nullptr;
}

void FakeAccountService::setMembership(const QString& userId, const QString& groupId, const QString& role)
{
    if (groupId.isEmpty())
        m_memberships.remove(userId);
    else
        m_memberships.insert(userId, Membership{groupId, role, m_auth->now()});
    m_auth->setGroupClaims(userId, groupId, role);
}

QJsonObject FakeAccountService::groupJson(const QString& groupId) const
{
    QJsonArray members;
    for (auto it = m_memberships.cbegin(); it != m_memberships.cend(); ++it) {
        if (it->groupId != groupId)
            continue;
        const FakeAuthService::User user = m_auth->user(it.key());
        members.append(QJsonObject{{QStringLiteral("account_id"), accountId(it.key())},
                                   {QStringLiteral("auth_user_id"), it.key()},
                                   {QStringLiteral("display_name"), user.displayName},
                                   {QStringLiteral("email"), user.email},
                                   {QStringLiteral("role"), it->role},
                                   {QStringLiteral("joined_at"), FakeAuthService::timestamp(it->joinedAt)}});
    }
    QJsonArray pending;
    for (const Invitation& invitation : m_groups.value(groupId).invitations) {
        if (invitation.status == QLatin1String("pending"))
            pending.append(invitationJson(invitation));
    }
    return QJsonObject{{QStringLiteral("id"), groupId},
                       {QStringLiteral("name"), m_groups.value(groupId).name},
                       {QStringLiteral("members"), members},
                       {QStringLiteral("pending_invitations"), pending}};
}

FakeResponse FakeAccountService::profile(const QString& userId) const
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
    const Membership membership = m_memberships.value(userId);
    if (!membership.groupId.isEmpty()) {
        const QJsonObject group = groupJson(membership.groupId);
        body.insert(QStringLiteral("group"),
                    QJsonObject{{QStringLiteral("id"), membership.groupId},
                                {QStringLiteral("name"), group.value(QLatin1String("name"))},
                                {QStringLiteral("role"), membership.role},
                                {QStringLiteral("member_count"), group.value(QLatin1String("members")).toArray().size()}});
    }
    return FakeResponse::json(200, body);
}

FakeResponse FakeAccountService::registerDevice(const FakeRequest& request, const QString& userId)
{
    const QJsonObject body = request.jsonBody();
    const auto text = [&body](const char* key) { return body.value(QLatin1String(key)).toString(); };
    for (Device& device : m_devices) {
        if (device.userId == userId && device.fingerprint == text("device_fingerprint")) {
            device.deviceName = text("device_name");
            device.appVersion = text("app_version");
            return FakeResponse::json(200, deviceJson(device));
        }
    }
    m_devices.append(Device{newId(), userId, text("device_name"), text("platform"), text("app_id"), text("app_version"),
                            text("device_fingerprint"), m_auth->now()});
    return FakeResponse::json(201, deviceJson(m_devices.constLast()));
}

FakeResponse FakeAccountService::join(const FakeRequest& request, const QString& userId)
{
    for (Group& group : m_groups) {
        for (Invitation& invitation : group.invitations) {
            if (invitation.code == request.captures.value(QStringLiteral("code"))
                && invitation.status == QLatin1String("pending")) {
                invitation.status = QStringLiteral("accepted");
                setMembership(userId, group.id, QStringLiteral("member"));
                return FakeResponse::json(200, groupJson(group.id));
            }
        }
    }
    return FakeResponse::error(404, QStringLiteral("invalid_invite_code"));
}
