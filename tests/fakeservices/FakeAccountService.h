#pragma once

#include "FakeAuthService.h"
#include "FakeHttpServer.h"

#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>

// The account API: profiles, registered devices, and groups with members and
// invitations. Joining or leaving a group changes the user's claims, so the next
// access token carries them. Every route wants a live access token.
// Routes below "/account": GET|DELETE /profile, GET /devices, POST /devices/register
// (the same fingerprint updates), DELETE /devices/{id}, GET /group (404 without one),
// POST /group/invite ({} or {"email"}; owners only), POST /group/join/{code},
// POST /group/leave (not the owner), DELETE /group/members/{accountId} and
// DELETE /group/invitations/{id} (owners only).
class FakeAccountService : public QObject
{
    Q_OBJECT

public:
    struct Device
    {
        QString id;
        QString userId;
        QString deviceName;
        QString platform;
        QString appId;
        QString appVersion;
        QString fingerprint;
        qint64 createdAt = 0;
    };
    struct Invitation
    {
        QString id;
        QString invitedEmail;
        QString code;
        // "pending", "accepted" or "revoked".
        QString status;
        qint64 expiresAt = 0;
    };
    struct Group
    {
        QString id;
        QString name;
        QList<Invitation> invitations;
    };

    static constexpr int InvitationLifetimeSeconds = 7 * 24 * 3600;

    FakeAccountService(FakeHttpServer* http, FakeAuthService* auth, QObject* parent = nullptr);

    static QString apiPath(const QString& path) { return QStringLiteral("/account") + path; }
    // The user's id in the account service.
    static QString accountId(const QString& userId) { return QStringLiteral("acc-") + userId; }
    // The user of that account-service id, or empty.
    static QString userIdOf(const QString& id) { return id.startsWith(QLatin1String("acc-")) ? id.mid(4) : QString(); }
    // A group owned by the user; the owner's claims follow.
    QString createGroup(const QString& ownerUserId, const QString& name);
    // As if the user had joined with an invitation.
    void addMember(const QString& groupId, const QString& userId);
    Group group(const QString& groupId) const { return m_groups.value(groupId); }
    // The group the user belongs to, or empty.
    QString groupOf(const QString& userId) const { return m_memberships.value(userId).groupId; }
    QList<Device> devices(const QString& userId) const;
    bool isDeletionScheduled(const QString& userId) const { return m_deletionScheduled.contains(userId); }

private:
    struct Membership
    {
        QString groupId;
        QString role;
        qint64 joinedAt = 0;
    };

    void addUserRoute(const QByteArray& method, const QString& path, FakeAuthService::UserHandler handler);
    FakeResponse profile(const QString& userId) const;
    FakeResponse registerDevice(const FakeRequest& request, const QString& userId);
    FakeResponse join(const FakeRequest& request, const QString& userId);
    // The group the user owns, or null.
    Group* ownedGroup(const QString& userId);
    void setMembership(const QString& userId, const QString& groupId, const QString& role);
    QJsonObject groupJson(const QString& groupId) const;

    FakeHttpServer* m_http;
    FakeAuthService* m_auth;
    QList<Device> m_devices;
    QHash<QString, Group> m_groups;
    // By user.
    QHash<QString, Membership> m_memberships;
    QSet<QString> m_deletionScheduled;
};
