#include "TestMain.h"

#include "FakeBrowser.h"
#include "OnlineTestSupport.h"
#include "account/AccountClient.h"
#include "account/AuthClient.h"
#include "account/Client.h"
#include "account/DeviceIdentity.h"
#include "account/MemoryTokenStore.h"
#include "account/TokenManager.h"

#include <QDesktopServices>
#include <QJsonDocument>
#include <QSignalSpy>

using OrvaAccount::AccountClient;
using OrvaAccount::AuthState;
using OrvaAccount::Client;
using OrvaAccount::ClientConfig;
using OrvaAccount::Device;
using OrvaAccount::Group;
using OrvaAccount::GroupInvitation;
using OrvaAccount::MemoryTokenStore;
using OrvaAccount::Profile;

namespace {

// Waits for the one answer a call hands its callback.
template<typename Value>
Value awaitAnswer(const std::function<void(std::function<void(const Value&)>)>& call)
{
    std::optional<Value> answer;
    call([&answer](const Value& value) { answer = value; });
    if (!QTest::qWaitFor([&answer] { return answer.has_value(); }, 5000))
        qWarning("the call was never answered");
    return answer.value_or(Value());
}

} // namespace

class TestAccountClient : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void profile();
    void deleteAccount();
    void registerAndListDevices();
    void deviceListBodies_data();
    void deviceListBodies();
    void removeDevice();
    void noGroup();
    void invitations();
    void joinAndLeaveRefreshTheClaims();
    void joinWithAWrongCode();
    void ownerCannotLeave();
    void removeMember();
    void accountPortal_data();
    void accountPortal();

private:
    // Another user takes over the signed-in client.
    void signInAs(const QString& userId);
    Profile getProfile();
    QList<Device> getDevices();
    Group getGroup();
    bool joinGroup(const QString& code);
    GroupInvitation inviteByEmail(const QString& email);
    AccountClient* account() const { return m_client->accountClient(); }
    FakeHttpServer* http() const { return m_services->http(); }
    FakeAccountService* fakeAccount() const { return m_services->account(); }
    QString route(const QString& path) const { return fakeAccount()->apiPath(path); }
    int refreshCount() const { return int(http()->requestsTo(m_services->auth()->tokenRefreshPath()).size()); }

    std::unique_ptr<OnlineTest::OnlineWorld> m_world;
    FakeServices* m_services = nullptr;
    std::unique_ptr<Client> m_client;
    QString m_ada;
    QString m_bob;
};

void TestAccountClient::init()
{
    m_world = std::make_unique<OnlineTest::OnlineWorld>();
    m_services = &m_world->services;
    QVERIFY(m_services->start());
    m_ada = m_world->userId;
    m_bob = m_services->auth()->addUser(QStringLiteral("bob@example.test"), QStringLiteral("Bob"));
    m_client = std::make_unique<Client>(OnlineTest::configFor(*m_services),
                                        OnlineTest::signedInStore(m_services->auth(), m_ada));
    m_client->initialize();
    QVERIFY(m_client->isAuthenticated());
}

void TestAccountClient::cleanup()
{
    m_client.reset();
    m_world.reset();
}

void TestAccountClient::signInAs(const QString& userId)
{
    const FakeAuthService::TokenPair pair = m_services->auth()->signIn(userId);
    m_client->tokenManager()->setTokens(pair.accessToken, pair.refreshToken);
    QCOMPARE(m_client->authClient()->currentUserId(), userId);
}

Profile TestAccountClient::getProfile()
{
    return awaitAnswer<Profile>([this](auto done) { account()->getProfile(done); });
}

QList<Device> TestAccountClient::getDevices()
{
    return awaitAnswer<QList<Device>>([this](auto done) { account()->getDevices(done); });
}

Group TestAccountClient::getGroup()
{
    return awaitAnswer<Group>([this](auto done) { account()->getGroup(done); });
}

bool TestAccountClient::joinGroup(const QString& code)
{
    return awaitAnswer<bool>([this, code](auto done) { account()->joinGroup(code, done); });
}

GroupInvitation TestAccountClient::inviteByEmail(const QString& email)
{
    return awaitAnswer<GroupInvitation>([this, email](auto done) { account()->inviteByEmail(email, done); });
}

void TestAccountClient::profile()
{
    Profile profile = getProfile();
    QCOMPARE(profile.id, fakeAccount()->accountId(m_ada));
    QCOMPARE(profile.email, QStringLiteral("ada@example.test"));
    QCOMPARE(profile.displayName, QStringLiteral("Ada"));
    QCOMPARE(profile.status, QStringLiteral("active"));
    QVERIFY(!profile.group.has_value());

    const QString groupId = fakeAccount()->createGroup(m_ada, QStringLiteral("Lovelace household"));
    profile = getProfile();
    QVERIFY(profile.group.has_value());
    QCOMPARE(profile.group->id, groupId);
    QCOMPARE(profile.group->role, QStringLiteral("owner"));
    QCOMPARE(profile.group->memberCount, 1);

    http()->injectFault("GET", route(QStringLiteral("/profile")), FakeFault::status(500), 1);
    QCOMPARE(getProfile().id, QString());
}

void TestAccountClient::deleteAccount()
{
    http()->injectFault("DELETE", route(QStringLiteral("/profile")), FakeFault::status(500), 1);
    QCOMPARE(awaitAnswer<bool>([this](auto done) { account()->deleteAccount(done); }), false);
    QVERIFY(!fakeAccount()->isDeletionScheduled(m_ada));

    QCOMPARE(awaitAnswer<bool>([this](auto done) { account()->deleteAccount(done); }), true);
    QVERIFY(fakeAccount()->isDeletionScheduled(m_ada));
}

void TestAccountClient::registerAndListDevices()
{
    account()->registerDevice();
    account()->registerDevice();
    QTRY_COMPARE(http()->requestsTo(route(QStringLiteral("/devices/register"))).size(), 2);

    const FakeRequest request = http()->requestsTo(route(QStringLiteral("/devices/register"))).constFirst();
    const QJsonObject expected{
        {QStringLiteral("device_name"), OrvaAccount::currentDeviceName()},
        {QStringLiteral("platform"), OrvaAccount::currentDevicePlatform()},
        {QStringLiteral("app_id"), QStringLiteral("com.orvalenworks.vellumry")},
        {QStringLiteral("app_version"), QStringLiteral("1.1.10")},
        {QStringLiteral("device_fingerprint"), OrvaAccount::currentDeviceFingerprint()},
    };
    QCOMPARE(request.jsonBody(), expected);
    QVERIFY(!request.bearerToken().isEmpty());
    // The same installation registered twice is one device.
    QCOMPARE(fakeAccount()->devices(m_ada).size(), 1);

    const QList<Device> devices = getDevices();
    QCOMPARE(devices.size(), 1);
    QCOMPARE(devices.at(0).id, fakeAccount()->devices(m_ada).constFirst().id);
    QCOMPARE(devices.at(0).deviceName, OrvaAccount::currentDeviceName());
    QCOMPARE(devices.at(0).deviceFingerprint, OrvaAccount::currentDeviceFingerprint());
    QCOMPARE(devices.at(0).createdAt, QDateTime::fromSecsSinceEpoch(OnlineTest::Now, Qt::UTC));
    QVERIFY(!devices.at(0).lastSyncAt.isValid());
    QCOMPARE(http()->requests().constLast().header("accept"), QByteArray("*/*"));
}

void TestAccountClient::deviceListBodies_data()
{
    QTest::addColumn<FakeFault>("reply");
    QTest::addColumn<QStringList>("ids");
    QTest::newRow("empty array") << FakeFault::respond(FakeResponse::raw(200, "[]", "application/json"))
                                 << QStringList();
    QTest::newRow("object") << FakeFault::respond(FakeResponse::raw(200, "{\"devices\":[]}", "application/json"))
                            << QStringList();
    QTest::newRow("not JSON") << FakeFault::notJson(200) << QStringList();
    QTest::newRow("server error") << FakeFault::respond(FakeResponse::raw(500, "[{\"id\":\"d1\"}]", "application/json"))
                                  << QStringList();
    QTest::newRow("a stray element") << FakeFault::respond(
        FakeResponse::raw(200, "[{\"id\":\"d1\"},7,{\"id\":\"d2\"}]", "application/json"))
                                     << QStringList{QStringLiteral("d1"), QString(), QStringLiteral("d2")};
}

void TestAccountClient::deviceListBodies()
{
    QFETCH(FakeFault, reply);
    QFETCH(QStringList, ids);
    http()->injectFault("GET", route(QStringLiteral("/devices")), reply);
    QStringList got;
    for (const Device& device : getDevices())
        got.append(device.id);
    QCOMPARE(got, ids);
}

void TestAccountClient::removeDevice()
{
    account()->registerDevice();
    QTRY_COMPARE(fakeAccount()->devices(m_ada).size(), 1);
    const QString deviceId = fakeAccount()->devices(m_ada).constFirst().id;

    // An identifier is one path segment, whatever it holds.
    account()->removeDevice(deviceId + QLatin1String("/../x"));
    QTRY_COMPARE(http()->requests().constLast().method, QByteArray("DELETE"));
    QCOMPARE(http()->requests().constLast().rawPath,
             (route(QStringLiteral("/devices/")) + deviceId + QLatin1String("%2F..%2Fx")).toUtf8());
    QCOMPARE(fakeAccount()->devices(m_ada).size(), 1);

    account()->removeDevice(deviceId);
    QTRY_COMPARE(fakeAccount()->devices(m_ada).size(), 0);
}

void TestAccountClient::noGroup()
{
    const Group group = getGroup();
    QCOMPARE(http()->requests().constLast().route, route(QStringLiteral("/group")));
    QCOMPARE(group.id, QString());
    QVERIFY(group.members.isEmpty());
}

void TestAccountClient::invitations()
{
    const QString groupId = fakeAccount()->createGroup(m_ada, QStringLiteral("Lovelace household"));

    const GroupInvitation byEmail = inviteByEmail(QStringLiteral("bob@example.test"));
    const FakeRequest emailRequest = http()->requests().constLast();
    QCOMPARE(emailRequest.body, QByteArray("{\"email\":\"bob@example.test\"}"));
    QVERIFY(!byEmail.id.isEmpty());
    QCOMPARE(byEmail.invitedEmail, QStringLiteral("bob@example.test"));
    QCOMPARE(byEmail.inviteCode.size(), 8);
    QCOMPARE(byEmail.status, QStringLiteral("pending"));
    QCOMPARE(byEmail.expiresAt,
             QDateTime::fromSecsSinceEpoch(OnlineTest::Now + FakeAccountService::InvitationLifetimeSeconds, Qt::UTC));

    const GroupInvitation byCode =
        awaitAnswer<GroupInvitation>([this](auto done) { account()->generateInviteCode(done); });
    QCOMPARE(http()->requests().constLast().body, QByteArray());
    QVERIFY(!byCode.inviteCode.isEmpty());
    QCOMPARE(byCode.invitedEmail, QString());

    Group group = getGroup();
    QCOMPARE(group.id, groupId);
    QCOMPARE(group.name, QStringLiteral("Lovelace household"));
    QCOMPARE(group.members.size(), 1);
    QCOMPARE(group.members.at(0).authUserId, m_ada);
    QCOMPARE(group.members.at(0).role, QStringLiteral("owner"));
    QCOMPARE(group.pendingInvitations.size(), 2);

    account()->revokeInvitation(byEmail.id);
    QTRY_COMPARE(fakeAccount()->group(groupId).invitations.constFirst().status, QStringLiteral("revoked"));
    group = getGroup();
    QCOMPARE(group.pendingInvitations.size(), 1);
    QCOMPARE(group.pendingInvitations.at(0).id, byCode.id);

    // Only the owner invites.
    signInAs(m_bob);
    QCOMPARE(inviteByEmail(QStringLiteral("carol@example.test")).id, QString());
}

void TestAccountClient::joinAndLeaveRefreshTheClaims()
{
    const QString groupId = fakeAccount()->createGroup(m_ada, QStringLiteral("Lovelace household"));
    const QString code = inviteByEmail(QStringLiteral("bob@example.test")).inviteCode;
    signInAs(m_bob);
    QCOMPARE(m_client->currentClaims().groupId, QString());
    QSignalSpy groupChanged(account(), &AccountClient::groupChanged);

    std::optional<bool> joined;
    account()->joinGroup(code, [&](bool ok) {
        joined = ok;
        // The signal does not wait for the new token.
        QCOMPARE(groupChanged.count(), 1);
    });
    QTRY_VERIFY(joined.has_value());
    QCOMPARE(*joined, true);
    QCOMPARE(fakeAccount()->groupOf(m_bob), groupId);
    QTRY_COMPARE(m_client->currentClaims().groupId, groupId);
    QCOMPARE(m_client->currentClaims().role, QStringLiteral("member"));
    QCOMPARE(refreshCount(), 1);

    account()->leaveGroup();
    QTRY_COMPARE(groupChanged.count(), 2);
    QTRY_COMPARE(refreshCount(), 2);
    QTRY_COMPARE(m_client->currentClaims().groupId, QString());
    QCOMPARE(fakeAccount()->groupOf(m_bob), QString());
    QVERIFY(m_client->isAuthenticated());
}

void TestAccountClient::joinWithAWrongCode()
{
    fakeAccount()->createGroup(m_ada, QStringLiteral("Lovelace household"));
    signInAs(m_bob);
    QSignalSpy groupChanged(account(), &AccountClient::groupChanged);

    QCOMPARE(joinGroup(QStringLiteral("NOPE1234")), false);
    QCOMPARE(http()->requests().constLast().route, route(QStringLiteral("/group/join/{code}")));
    QCOMPARE(groupChanged.count(), 0);
    QCOMPARE(refreshCount(), 0);
}

void TestAccountClient::ownerCannotLeave()
{
    fakeAccount()->createGroup(m_ada, QStringLiteral("Lovelace household"));
    QSignalSpy groupChanged(account(), &AccountClient::groupChanged);
    account()->leaveGroup();
    QTRY_COMPARE(http()->requestsTo(route(QStringLiteral("/group/leave"))).size(), 1);
    QVERIFY(!QTest::qWaitFor([&] { return groupChanged.count() > 0 || refreshCount() > 0; }, 200));
}

void TestAccountClient::removeMember()
{
    const QString groupId = fakeAccount()->createGroup(m_ada, QStringLiteral("Lovelace household"));
    fakeAccount()->addMember(groupId, m_bob);
    QSignalSpy groupChanged(account(), &AccountClient::groupChanged);

    account()->removeMember(QStringLiteral("acc-nobody"));
    QTRY_COMPARE(http()->requestsTo(route(QStringLiteral("/group/members/{id}"))).size(), 1);
    QVERIFY(!QTest::qWaitFor([&] { return groupChanged.count() > 0; }, 200));

    account()->removeMember(fakeAccount()->accountId(m_bob));
    QTRY_COMPARE(groupChanged.count(), 1);
    QCOMPARE(fakeAccount()->groupOf(m_bob), QString());
    // The owner's own claims did not change: no refresh.
    QCOMPARE(refreshCount(), 0);
}

void TestAccountClient::accountPortal_data()
{
    QTest::addColumn<QString>("portal");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("opened");
    const QString portal = QStringLiteral("https://portal.example.test/");
    const QString devices = QStringLiteral("https://portal.example.test/devices");
    QTest::newRow("portal itself") << portal << QString() << portal;
    QTest::newRow("page") << portal << "devices" << devices;
    QTest::newRow("page with a slash") << portal << "/devices" << devices;
    QTest::newRow("portal without a slash") << "https://portal.example.test" << "devices" << devices;
    QTest::newRow("no portal") << QString() << "devices" << QString();
}

void TestAccountClient::accountPortal()
{
    QFETCH(QString, portal);
    QFETCH(QString, path);
    QFETCH(QString, opened);
    ClientConfig config = OnlineTest::configFor(*m_services);
    config.accountPortalUrl = portal;
    Client client(config, std::make_unique<MemoryTokenStore>());
    FakeBrowser browser;
    browser.setFollowsLinks(false);
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "open");

    client.accountClient()->openAccountPortal(path);
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QCOMPARE(browser.openedUrls(), opened.isEmpty() ? QList<QUrl>() : QList<QUrl>{QUrl(opened)});
}

VELLUMRY_TEST_GUILESS_MAIN(TestAccountClient)
#include "tst_accountclient.moc"
