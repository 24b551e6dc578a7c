#pragma once

#include "ClientConfig.h"
#include "Device.h"
#include "Group.h"
#include "Profile.h"

#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>

namespace OrvaAccount {

class ApiClient;
class AuthClient;

// The account API: the profile, deletion of the online account, this user's
// devices, and the group with its members and invitations. Every call is one
// authenticated request whose outcome reaches the callback as a record; an
// empty record (empty id), an empty list or false means it failed.
class AccountClient : public QObject
{
    Q_OBJECT

public:
    using BoolCallback = std::function<void(bool ok)>;
    using ProfileCallback = std::function<void(const Profile& profile)>;
    using DevicesCallback = std::function<void(const QList<Device>& devices)>;
    using GroupCallback = std::function<void(const Group& group)>;
    using InvitationCallback = std::function<void(const GroupInvitation& invitation)>;

    AccountClient(ApiClient* api, AuthClient* auth, const ClientConfig& config, QObject* parent = nullptr);

    void getProfile(ProfileCallback callback);
    // True when the service accepted the deletion.
    void deleteAccount(BoolCallback callback);

    void getDevices(DevicesCallback callback);
    // Tells the service about this installation; the reply is not needed.
    void registerDevice();
    void removeDevice(const QString& deviceId);

    // An empty group when the user has none.
    void getGroup(GroupCallback callback);
    void generateInviteCode(InvitationCallback callback);
    void inviteByEmail(const QString& email, InvitationCallback callback);
    // Joining and leaving change the user's group claims, so the token is
    // refreshed and groupChanged() emitted.
    void joinGroup(const QString& inviteCode, BoolCallback callback);
    void leaveGroup();
    void removeMember(const QString& memberId);
    void revokeInvitation(const QString& invitationId);

    // The portal itself for an empty path, else the page below it.
    QUrl accountPortalUrl(const QString& path = QString()) const;
    void openAccountPortal(const QString& path = QString()) const;

    QString appName() const;

signals:
    void groupChanged();

private:
    void getInvitation(const QJsonObject& body, InvitationCallback callback);
    // After a change of the user's own membership: new claims, then the signal.
    void refreshClaimsAndNotify();

    ApiClient* m_api;
    AuthClient* m_auth;
    QString m_appId;
    QString m_appName;
    QString m_appVersion;
    QString m_accountPortalUrl;
};

} // namespace OrvaAccount
