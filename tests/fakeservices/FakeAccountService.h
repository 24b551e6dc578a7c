#pragma once

#include "FakeAuthService.h"
#include "FakeHttpServer.h"

#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>


// The account API: each user's profile, the devices they registered, and
// groups with their members and invitations. Joining or leaving a group
// changes the user's claims in the authentication service, so the next
// access token carries them. Every route wants a live access token.
//
// Routes below the base path ("/account"):
//   GET    /profile                  the profile, with "group" when in one
//   DELETE /profile                  schedules the deletion, 202
//   GET    /devices                  a top-level array
//   POST   /devices/register         five strings; same fingerprint updates
//   DELETE /devices/{id}
//   GET    /group                    404 {"error": "no_group"} without one
//   POST   /group/invite             {} or {"email"}; owners only
//   POST   /group/join/{code}
//   POST   /group/leave              owners cannot leave
//   DELETE /group/members/{id}       by account id; owners only
//   DELETE /group/invitations/{id}   owners only
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
        qint64 lastSyncAt = 0;
    };
    struct Member
    {
        QString userId;
        QString role;
        qint64 joinedAt = 0;
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
        QList<Member> members;
        QList<Invitation> invitations;
    };

    static constexpr int InvitationLifetimeSeconds = 7 * 24 * 3600;

    FakeAccountService(FakeHttpServer* http, FakeAuthService* auth, const QString& basePath,
                       QObject* parent = nullptr);

    QString basePath() const;
    // The server path of a path below the account API.
    QString apiPath(const QString& path) const;

    // The user's id in the account service, made on first use.
    QString accountId(const QString& userId);
    // A group owned by the user; the owner's claims follow.
    QString createGroup(const QString& ownerUserId, const QString& name);
    // As if the user had joined with an invitation.
    void addMember(const QString& groupId, const QString& userId);
    Group group(const QString& groupId) const;
    // The group the user belongs to, or empty.
    QString groupOf(const QString& userId) const;
    QList<Device> devices(const QString& userId) const;
    bool isDeletionScheduled(const QString& userId) const;

private:
    void addUserRoute(const QByteArray& method, const QString& path, FakeAuthService::UserHandler handler);
    FakeResponse profile(const QString& userId);
    FakeResponse listDevices(const QString& userId) const;
    FakeResponse registerDevice(const FakeRequest& request, const QString& userId);
    FakeResponse removeDevice(const FakeRequest& request, const QString& userId);
    FakeResponse getGroup(const QString& userId);
    FakeResponse invite(const FakeRequest& request, const QString& userId);
    FakeResponse join(const FakeRequest& request, const QString& userId);
    FakeResponse leave(const QString& userId);
    FakeResponse removeMember(const FakeRequest& request, const QString& userId);
    FakeResponse revokeInvitation(const FakeRequest& request, const QString& userId);

    // The group the user owns, or an error response.
    Group* ownedGroup(const QString& userId, FakeResponse* refusal);
    Group* groupOfUser(const QString& userId);
    void setMembership(const QString& userId, const QString& groupId, const QString& role);
    QJsonObject groupJson(const Group& group);
    static QJsonObject deviceJson(const Device& device);
    static QJsonObject invitationJson(const Invitation& invitation);

    FakeHttpServer* m_http;
    FakeAuthService* m_auth;
    QString m_basePath;
    QHash<QString, QString> m_accountIds;
    QList<Device> m_devices;
    QList<Group> m_groups;
    QHash<QString, bool> m_deletionScheduled;
};
