#include "AccountClient.h"

#include "ApiClient.h"
#include "AuthClient.h"
#include "DeviceIdentity.h"
#include "WebAuthHandler.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>

namespace OrvaAccount {

namespace {

const QString ProfilePath = QStringLiteral("/profile");
const QString DevicesPath = QStringLiteral("/devices");
const QString GroupPath = QStringLiteral("/group");

// The device list is the one reply whose top level is an array.
QList<Device> parseDevices(const QByteArray& body)
{
    QList<Device> devices;
    const QJsonDocument document = QJsonDocument::fromJson(body);
    if (!document.isArray())
        return devices;
    const QJsonArray array = document.array();
    devices.reserve(array.size());
    for (const QJsonValue& element : array)
        devices.append(Device::fromJson(element.toObject()));
    return devices;
}

QString below(const QString& path, const QString& argument)
{
    return path + QLatin1Char('/') + ApiClient::pathArgument(argument);
}

} // namespace

AccountClient::AccountClient(ApiClient* api, AuthClient* auth, const ClientConfig& config, QObject* parent)
    : QObject(parent)
    , m_api(api)
    , m_auth(auth)
    , m_appId(config.appId)
    , m_appName(config.appName)
    , m_appVersion(config.appVersion)
    , m_accountPortalUrl(config.accountPortalUrl)
{
}

void AccountClient::getProfile(ProfileCallback callback)
{
    m_api->get(ProfilePath, [callback](bool ok, int, const QJsonObject& body) {
        if (callback)
            callback(ok ? Profile::fromJson(body) : Profile());
    });
}

void AccountClient::deleteAccount(BoolCallback callback)
{
    m_api->deleteResource(ProfilePath, [callback](bool ok, int, const QJsonObject&) {
        if (callback)
            callback(ok);
    });
}

void AccountClient::getDevices(DevicesCallback callback)
{
    m_api->getBinary(DevicesPath, [callback](bool ok, int, const QByteArray& body) {
        if (callback)
            callback(ok ? parseDevices(body) : QList<Device>());
    });
}

void AccountClient::registerDevice()
{
    const QJsonObject body{
        {QStringLiteral("device_name"), currentDeviceName()},
        {QStringLiteral("platform"), currentDevicePlatform()},
        {QStringLiteral("app_id"), m_appId},
        {QStringLiteral("app_version"), m_appVersion},
        {QStringLiteral("device_fingerprint"), currentDeviceFingerprint()},
    };
    m_api->post(DevicesPath + QLatin1String("/register"), body, ApiClient::JsonCallback());
}

void AccountClient::removeDevice(const QString& deviceId)
{
    m_api->deleteResource(below(DevicesPath, deviceId), ApiClient::JsonCallback());
}

void AccountClient::getGroup(GroupCallback callback)
{
    m_api->get(GroupPath, [callback](bool ok, int, const QJsonObject& body) {
        if (callback)
            callback(ok ? Group::fromJson(body) : Group());
    });
}

void AccountClient::getInvitation(const QJsonObject& body, InvitationCallback callback)
{
    m_api->post(GroupPath + QLatin1String("/invite"), body, [callback](bool ok, int, const QJsonObject& reply) {
        if (callback)
            callback(ok ? GroupInvitation::fromJson(reply) : GroupInvitation());
    });
}

void AccountClient::generateInviteCode(InvitationCallback callback)
{
    getInvitation(QJsonObject(), std::move(callback));
}

void AccountClient::inviteByEmail(const QString& email, InvitationCallback callback)
{
    getInvitation(QJsonObject{{QStringLiteral("email"), email}}, std::move(callback));
}

void AccountClient::refreshClaimsAndNotify()
{
    // The next access token carries the new "group_id" and "role"; the
    // signal does not wait for it.
    m_auth->refreshToken(AuthClient::BoolCallback());
    emit groupChanged();
}

void AccountClient::joinGroup(const QString& inviteCode, BoolCallback callback)
{
    const QPointer<AccountClient> self(this);
    m_api->post(below(GroupPath + QLatin1String("/join"), inviteCode), QJsonObject(),
                [self, callback](bool ok, int, const QJsonObject&) {
                    if (ok && self)
                        self->refreshClaimsAndNotify();
                    if (callback)
                        callback(ok);
                });
}

void AccountClient::leaveGroup()
{
    const QPointer<AccountClient> self(this);
    m_api->post(GroupPath + QLatin1String("/leave"), QJsonObject(), [self](bool ok, int, const QJsonObject&) {
        if (ok && self)
            self->refreshClaimsAndNotify();
    });
}

void AccountClient::removeMember(const QString& memberId)
{
    const QPointer<AccountClient> self(this);
    // The remaining members' own claims do not change: no refresh.
    m_api->deleteResource(below(GroupPath + QLatin1String("/members"), memberId),
                          [self](bool ok, int, const QJsonObject&) {
                              if (ok && self)
                                  emit self->groupChanged();
                          });
}

void AccountClient::revokeInvitation(const QString& invitationId)
{
    m_api->deleteResource(below(GroupPath + QLatin1String("/invitations"), invitationId),
                          ApiClient::JsonCallback());
}

QUrl AccountClient::accountPortalUrl(const QString& path) const
{
    if (m_accountPortalUrl.isEmpty())
        return QUrl();
    QString text = m_accountPortalUrl;
    if (!path.isEmpty()) {
        if (text.endsWith(QLatin1Char('/')))
            text.chop(1);
        if (!path.startsWith(QLatin1Char('/')))
            text += QLatin1Char('/');
        text += path;
    }
    return QUrl(text, QUrl::TolerantMode);
}

void AccountClient::openAccountPortal(const QString& path) const
{
    const QUrl url = accountPortalUrl(path);
    if (!url.isEmpty())
        WebAuthHandler::openBrowser(url);
}

QString AccountClient::appName() const
{
    return m_appName;
}

} // namespace OrvaAccount
