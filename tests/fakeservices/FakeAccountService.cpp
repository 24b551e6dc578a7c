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

FakeResponse noContent()
{
    return FakeResponse::empty(204);
}

} // namespace

FakeAccountService::FakeAccountService(FakeHttpServer* http, FakeAuthService* auth, const QString& basePath,
                                       QObject* parent)
    : QObject(parent)
    , m_http(http)
    , m_auth(auth)
    , m_basePath(basePath)
{
    addUserRoute("GET", QStringLiteral("/profile"),
                 [this](const FakeRequest&, const QString& userId) { return profile(userId); });
    addUserRoute("DELETE", QStringLiteral("/profile"), [this](const FakeRequest&, const QString& userId) {
        m_deletionScheduled.insert(userId, true);
        return FakeResponse::json(202, QJsonObject{{QStringLiteral("status"), QStringLiteral("deletion_scheduled")}});
    });
    addUserRoute("GET", QStringLiteral("/devices"),
                 [this](const FakeRequest&, const QString& userId) { return listDevices(userId); });
    addUserRoute("POST", QStringLiteral("/devices/register"),
                 [this](const FakeRequest& request, const QString& userId) { return registerDevice(request, userId); });
    addUserRoute("DELETE", QStringLiteral("/devices/{id}"),
                 [this](const FakeRequest& request, const QString& userId) { return removeDevice(request, userId); });
    addUserRoute("GET", QStringLiteral("/group"),
                 [this](const FakeRequest&, const QString& userId) { return getGroup(userId); });
    addUserRoute("POST", QStringLiteral("/group/invite"),
                 [this](const FakeRequest& request, const QString& userId) { return invite(request, userId); });
    addUserRoute("POST", QStringLiteral("/group/join/{code}"),
                 [this](const FakeRequest& request, const QString& userId) { return join(request, userId); });
    addUserRoute("POST", QStringLiteral("/group/leave"),
                 [this](const FakeRequest&, const QString& userId) { return leave(userId); });
    addUserRoute("DELETE", QStringLiteral("/group/members/{id}"),
                 [this](const FakeRequest& request, const QString& userId) { return removeMember(request, userId); });
    addUserRoute("DELETE", QStringLiteral("/group/invitations/{id}"),
                 [this](const FakeRequest& request, const QString& userId) {
                     return revokeInvitation(request, userId);
                 });
}

QString FakeAccountService::basePath() const
{
    return m_basePath;
}

QString FakeAccountService::apiPath(const QString& path) const
{
    return m_basePath + path;
}

void FakeAccountService::addUserRoute(const QByteArray& method, const QString& path,
                                      FakeAuthService::UserHandler handler)
{
    m_http->addRoute(method, apiPath(path), m_auth->forUser(std::move(handler)));
}

QString FakeAccountService::accountId(const QString& userId)
{
    auto it = m_accountIds.find(userId);
    if (it == m_accountIds.end())
        it = m_accountIds.insert(userId, QLatin1String("acc-") + newId());
    return it.value();
}

QString FakeAccountService::createGroup(const QString& ownerUserId, const QString& name)
{
    Group group;
    group.id = newId();
    group.name = name;
    m_groups.append(group);
    setMembership(ownerUserId, group.id, QStringLiteral("owner"));
    return group.id;
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

QString FakeAccountService::groupOf(const QString& userId) const
{
    for (const Group& group : m_groups) {
        for (const Member& member : group.members) {
            if (member.userId == userId)
                return group.id;
        }
    }
    return QString();
}

FakeAccountService::Group* FakeAccountService::groupOfUser(const QString& userId)
{
    const QString groupId = groupOf(userId);
    for (Group& group : m_groups) {
        if (group.id == groupId)
            return &group;
    }
    return nullptr;
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

bool FakeAccountService::isDeletionScheduled(const QString& userId) const
{
    return m_deletionScheduled.value(userId);
}

void FakeAccountService::setMembership(const QString& userId, const QString& groupId, const QString& role)
{
    if (Group* current = groupOfUser(userId))
        current->members.removeIf([&userId](const Member& member) { return member.userId == userId; });
    for (Group& group : m_groups) {
        if (group.id == groupId)
            group.members.append(Member{userId, role, m_auth->now()});
    }
    m_auth->setGroupClaims(userId, groupId, groupId.isEmpty() ? QString() : role);
}

QJsonObject FakeAccountService::deviceJson(const Device& device)
{
    return QJsonObject{
        {QStringLiteral("id"), device.id},
        {QStringLiteral("device_name"), device.deviceName},
        {QStringLiteral("platform"), device.platform},
        {QStringLiteral("app_id"), device.appId},
        {QStringLiteral("app_version"), device.appVersion},
        {QStringLiteral("last_sync_at"),
         device.lastSyncAt ? QJsonValue(FakeAuthService::timestamp(device.lastSyncAt)) : QJsonValue()},
        {QStringLiteral("device_fingerprint"), device.fingerprint},
        {QStringLiteral("created_at"), FakeAuthService::timestamp(device.createdAt)},
    };
}

QJsonObject FakeAccountService::invitationJson(const Invitation& invitation)
{
    return QJsonObject{
        {QStringLiteral("id"), invitation.id},
        {QStringLiteral("invited_email"),
         invitation.invitedEmail.isEmpty() ? QJsonValue() : QJsonValue(invitation.invitedEmail)},
        {QStringLiteral("invite_code"), invitation.code},
        {QStringLiteral("status"), invitation.status},
        {QStringLiteral("expires_at"), FakeAuthService::timestamp(invitation.expiresAt)},
    };
}

QJsonObject FakeAccountService::groupJson(const Group& group)
{
    QJsonArray members;
    for (const Member& member : group.members) {
        const FakeAuthService::User user = m_auth->user(member.userId);
        members.append(QJsonObject{
            {QStringLiteral("account_id"), accountId(member.userId)},
            {QStringLiteral("auth_user_id"), member.userId},
            {QStringLiteral("display_name"), user.displayName},
            {QStringLiteral("email"), user.email},
            {QStringLiteral("role"), member.role},
            {QStringLiteral("joined_at"), FakeAuthService::timestamp(member.joinedAt)},
        });
    }
    QJsonArray pending;
    for (const Invitation& invitation : group.invitations) {
        if (invitation.status == QLatin1String("pending"))
            pending.append(invitationJson(invitation));
    }
    return QJsonObject{
        {QStringLiteral("id"), group.id},
        {QStringLiteral("name"), group.name},
        {QStringLiteral("members"), members},
        {QStringLiteral("pending_invitations"), pending},
    };
}

FakeResponse FakeAccountService::profile(const QString& userId)
{
    const FakeAuthService::User user = m_auth->user(userId);
    QJsonObject body{
        {QStringLiteral("id"), accountId(userId)},
        {QStringLiteral("email"), user.email},
        {QStringLiteral("display_name"), user.displayName},
        {QStringLiteral("avatar_url"), QString()},
        {QStringLiteral("language"), QStringLiteral("en")},
        {QStringLiteral("timezone"), QStringLiteral("UTC")},
        {QStringLiteral("status"),
         isDeletionScheduled(userId) ? QStringLiteral("pending_deletion") : QStringLiteral("active")},
        {QStringLiteral("created_at"), FakeAuthService::timestamp(user.createdAt)},
    };
    if (const Group* group = groupOfUser(userId)) {
        QString role;
        for (const Member& member : group->members) {
            if (member.userId == userId)
                role = member.role;
        }
        body.insert(QStringLiteral("group"), QJsonObject{
                                                 {QStringLiteral("id"), group->id},
                                                 {QStringLiteral("name"), group->name},
                                                 {QStringLiteral("role"), role},
                                                 {QStringLiteral("member_count"), int(group->members.size())},
                                             });
    }
    return FakeResponse::json(200, body);
}

FakeResponse FakeAccountService::listDevices(const QString& userId) const
{
    QJsonArray array;
    for (const Device& device : devices(userId))
        array.append(deviceJson(device));
    return FakeResponse::jsonArray(200, array);
}

FakeResponse FakeAccountService::registerDevice(const FakeRequest& request, const QString& userId)
{
    const QJsonObject body = request.jsonBody();
    const QStringList keys{QStringLiteral("device_name"), QStringLiteral("platform"), QStringLiteral("app_id"),
                           QStringLiteral("app_version"), QStringLiteral("device_fingerprint")};
    for (const QString& key : keys) {
        if (!body.value(key).isString() || body.value(key).toString().isEmpty())
            return FakeResponse::error(400, QStringLiteral("invalid_") + key);
    }
    const QString fingerprint = body.value(QLatin1String("device_fingerprint")).toString();
    Device* device = nullptr;
    for (Device& existing : m_devices) {
        if (existing.userId == userId && existing.fingerprint == fingerprint)
            device = &existing;
    }
    const bool isNew = device == nullptr;
    if (isNew) {
        m_devices.append(Device{newId(), userId, QString(), QString(), QString(), QString(), fingerprint,
                                m_auth->now(), 0});
        device = &m_devices.last();
    }
    device->deviceName = body.value(QLatin1String("device_name")).toString();
    device->platform = body.value(QLatin1String("platform")).toString();
    device->appId = body.value(QLatin1String("app_id")).toString();
    device->appVersion = body.value(QLatin1String("app_version")).toString();
    return FakeResponse::json(isNew ? 201 : 200, deviceJson(*device));
}

FakeResponse FakeAccountService::removeDevice(const FakeRequest& request, const QString& userId)
{
    const QString deviceId = request.captures.value(QStringLiteral("id"));
    const qsizetype removed = m_devices.removeIf(
        [&](const Device& device) { return device.userId == userId && device.id == deviceId; });
    return removed > 0 ? noContent() : FakeResponse::error(404, QStringLiteral("not_found"));
}

FakeResponse FakeAccountService::getGroup(const QString& userId)
{
    const Group* group = groupOfUser(userId);
    if (!group)
        return FakeResponse::error(404, QStringLiteral("no_group"));
    return FakeResponse::json(200, groupJson(*group));
}

FakeAccountService::Group* FakeAccountService::ownedGroup(const QString& userId, FakeResponse* refusal)
{
    Group* group = groupOfUser(userId);
    if (!group) {
        *refusal = FakeResponse::error(404, QStringLiteral("no_group"));
        return nullptr;
    }
    for (const Member& member : group->members) {
        if (member.userId == userId && member.role == QLatin1String("owner"))
            return group;
    }
    *refusal = FakeResponse::error(403, QStringLiteral("not_group_owner"));
    return nullptr;
}

FakeResponse FakeAccountService::invite(const FakeRequest& request, const QString& userId)
{
    FakeResponse refusal;
    Group* group = ownedGroup(userId, &refusal);
    if (!group)
        return refusal;
    const QJsonObject body = request.jsonBody();
    Invitation invitation{newId(), QString(), newInviteCode(), QStringLiteral("pending"),
                          m_auth->now() + InvitationLifetimeSeconds};
    if (body.contains(QLatin1String("email"))) {
        invitation.invitedEmail = body.value(QLatin1String("email")).toString();
        if (!invitation.invitedEmail.contains(QLatin1Char('@')))
            return FakeResponse::error(400, QStringLiteral("invalid_email"));
    }
    group->invitations.append(invitation);
    return FakeResponse::json(201, invitationJson(invitation));
}

FakeResponse FakeAccountService::join(const FakeRequest& request, const QString& userId)
{
    const QString code = request.captures.value(QStringLiteral("code"));
    for (Group& group : m_groups) {
        for (Invitation& invitation : group.invitations) {
            if (invitation.code != code || invitation.status != QLatin1String("pending")
                || invitation.expiresAt <= m_auth->now())
                continue;
            if (!invitation.invitedEmail.isEmpty() && invitation.invitedEmail != m_auth->user(userId).email)
                return FakeResponse::error(403, QStringLiteral("invitation_for_another_user"));
            if (!groupOf(userId).isEmpty())
                return FakeResponse::error(409, QStringLiteral("already_in_group"));
            invitation.status = QStringLiteral("accepted");
            const QString groupId = group.id;
            setMembership(userId, groupId, QStringLiteral("member"));
            return FakeResponse::json(200, groupJson(*groupOfUser(userId)));
        }
    }
    return FakeResponse::error(404, QStringLiteral("invalid_invite_code"));
}

FakeResponse FakeAccountService::leave(const QString& userId)
{
    const Group* group = groupOfUser(userId);
    if (!group)
        return FakeResponse::error(404, QStringLiteral("no_group"));
    for (const Member& member : group->members) {
        if (member.userId == userId && member.role == QLatin1String("owner"))
            return FakeResponse::error(409, QStringLiteral("owner_cannot_leave"));
    }
    setMembership(userId, QString(), QString());
    return noContent();
}

FakeResponse FakeAccountService::removeMember(const FakeRequest& request, const QString& userId)
{
    FakeResponse refusal;
    Group* group = ownedGroup(userId, &refusal);
    if (!group)
        return refusal;
    const QString memberAccountId = request.captures.value(QStringLiteral("id"));
    for (const Member& member : group->members) {
        if (accountId(member.userId) != memberAccountId)
            continue;
        if (member.userId == userId)
            return FakeResponse::error(409, QStringLiteral("owner_cannot_leave"));
        // A copy: the membership below removes the member it came from.
        const QString memberUserId = member.userId;
        setMembership(memberUserId, QString(), QString());
        return noContent();
    }
    return FakeResponse::error(404, QStringLiteral("not_found"));
}

FakeResponse FakeAccountService::revokeInvitation(const FakeRequest& request, const QString& userId)
{
    FakeResponse refusal;
    Group* group = ownedGroup(userId, &refusal);
    if (!group)
        return refusal;
    const QString invitationId = request.captures.value(QStringLiteral("id"));
    for (Invitation& invitation : group->invitations) {
        if (invitation.id == invitationId && invitation.status == QLatin1String("pending")) {
            invitation.status = QStringLiteral("revoked");
            return noContent();
        }
    }
    return FakeResponse::error(404, QStringLiteral("not_found"));
}
