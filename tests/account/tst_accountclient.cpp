#include "TestMain.h"

#include "OnlineTestSupport.h"
#include "account/AccountClient.h"
#include "account/AuthClient.h"
#include "account/Client.h"
#include "account/DeviceIdentity.h"
#include "account/TokenManager.h"

#include <QSignalSpy>

using OnlineTest::await;
using OrvaAccount::AccountClient;
using OrvaAccount::Client;
using OrvaAccount::ClientConfig;
using OrvaAccount::Device;
using OrvaAccount::Group;
using OrvaAccount::GroupInvitation;
using OrvaAccount::MemoryTokenStore;
using OrvaAccount::Profile;

class TestAccountClient : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void profileAndDeletion();
    void registerListAndRemoveDevices();
    void deviceListBodies_data();
    void deviceListBodies();
    void invitations();
    void joinAndLeaveRefreshTheClaims();
    void refusedGroupChangesChangeNothing();
    void accountPortal_data();
    void accountPortal();

private:
    // Another user takes over the signed-in client.
    void signInAs(const QString& userId);
    Profile getProfile() { return await<Profile>([this](auto done) { account()->getProfile(done); }); }
    QList<Device> getDevices() { return await<QList<Device>>([this](auto done) { account()->getDevices(done); }); }
    Group getGroup() { return await<Group>([this](auto done) { account()->getGroup(done); }); }
    GroupInvitation inviteByEmail(const QString& email)
    {
        return await<GroupInvitation>([&](auto done) { account()->inviteByEmail(email, done); });
    }
    AccountClient* account() const { return m_client->accountClient(); }
    FakeHttpServer* http() const { return m_services->http(); }
    FakeAccountService* fake() const { return m_services->account(); }
    static QString route(const QString& path) { return FakeAccountService::apiPath(path); }
    int refreshCount() const { return m_services->auth()->refreshCount(); }

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
}

void TestAccountClient::profileAndDeletion()
{
    Profile profile = getProfile();
    QCOMPARE(profile.id, FakeAccountService::accountId(m_ada));
    QCOMPARE(profile.email, QStringLiteral("ada@example.test"));
    QCOMPARE(profile.status, QStringLiteral("active"));
    QVERIFY(!profile.group.has_value());

    const QString groupId = fake()->createGroup(m_ada, QStringLiteral("Lovelace household"));
    profile = getProfile();
    QVERIFY(profile.group.has_value());
    QCOMPARE(profile.group->id, groupId);
    QCOMPARE(profile.group->role, QStringLiteral("owner"));
    QCOMPARE(profile.group->memberCount, 1);

    http()->injectFault("GET", route(QStringLiteral("/profile")), FakeFault::status(500), 1);
    QCOMPARE(getProfile().id, QString());

    http()->injectFault("DELETE", route(QStringLiteral("/profile")), FakeFault::status(500), 1);
    QCOMPARE(await<bool>([this](auto done) { account()->deleteAccount(done); }), false);
    QVERIFY(!fake()->isDeletionScheduled(m_ada));
    QCOMPARE(await<bool>([this](auto done) { account()->deleteAccount(done); }), true);
    QVERIFY(fake()->isDeletionScheduled(m_ada));
}

void TestAccountClient::registerListAndRemoveDevices()
{
    account()->registerDevice();
    account()->registerDevice();
    QTRY_COMPARE(http()->requestsTo(route(QStringLiteral("/devices/register"))).size(), 2);
    const FakeRequest request = http()->requestsTo(route(QStringLiteral("/devices/register"))).constFirst();
    QCOMPARE(request.jsonBody(), (QJsonObject{{"device_name", OrvaAccount::currentDeviceName()},
                                              {"platform", OrvaAccount::currentDevicePlatform()},
                                              {"app_id", "com.orvalenworks.vellumry"},
                                              {"app_version", "1.1.10"},
                                              {"device_fingerprint", OrvaAccount::currentDeviceFingerprint()}}));
    // The same installation registered twice is one device.
    QCOMPARE(fake()->devices(m_ada).size(), 1);
    const QString deviceId = fake()->devices(m_ada).constFirst().id;

    const QList<Device> devices = getDevices();
    QCOMPARE(devices.size(), 1);
    QCOMPARE(devices.at(0).id, deviceId);
    QCOMPARE(devices.at(0).deviceFingerprint, OrvaAccount::currentDeviceFingerprint());
    QCOMPARE(devices.at(0).createdAt, QDateTime::fromSecsSinceEpoch(OnlineTest::Now, Qt::UTC));
    QCOMPARE(http()->requests().constLast().header("accept"), QByteArray("*/*"));

    // An identifier is one path segment, whatever it holds.
    account()->removeDevice(deviceId + QLatin1String("/../x"));
    QTRY_COMPARE(http()->requests().constLast().method, QByteArray("DELETE"));
    QCOMPARE(http()->requests().constLast().rawPath, ("/account/devices/" + deviceId + "%2F..%2Fx").toUtf8());
    QCOMPARE(fake()->devices(m_ada).size(), 1);
    account()->removeDevice(deviceId);
    QTRY_COMPARE(fake()->devices(m_ada).size(), 0);
}

void TestAccountClient::deviceListBodies_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("ids");
    QTest::newRow("object") << QByteArray("{\"devices\":[]}") << 200 << QStringList();
    QTest::newRow("not JSON") << QByteArray("<html></html>") << 200 << QStringList();
    QTest::newRow("server error") << QByteArray("[{\"id\":\"d1\"}]") << 500 << QStringList();
    QTest::newRow("a stray element") << QByteArray("[{\"id\":\"d1\"},7,{\"id\":\"d2\"}]") << 200
                                     << QStringList{QStringLiteral("d1"), QString(), QStringLiteral("d2")};
}

void TestAccountClient::deviceListBodies()
{
    QFETCH(QByteArray, body);
    QFETCH(int, status);
    QFETCH(QStringList, ids);
    http()->injectFault("GET", route(QStringLiteral("/devices")),
                        FakeFault::respond(FakeResponse::raw(status, body, "application/json")));
    QStringList got;
    for (const Device& device : getDevices())
        got.append(device.id);
    QCOMPARE(got, ids);
}

void TestAccountClient::invitations()
{
    const QString groupId = fake()->createGroup(m_ada, QStringLiteral("Lovelace household"));
    const GroupInvitation byEmail = inviteByEmail(QStringLiteral("bob@example.test"));
    QCOMPARE(http()->requests().constLast().body, QByteArray("{\"email\":\"bob@example.test\"}"));
    QCOMPARE(byEmail.invitedEmail, QStringLiteral("bob@example.test"));
    QCOMPARE(byEmail.inviteCode.size(), 8);
    QCOMPARE(byEmail.status, QStringLiteral("pending"));
    QCOMPARE(byEmail.expiresAt,
             QDateTime::fromSecsSinceEpoch(OnlineTest::Now + FakeAccountService::InvitationLifetimeSeconds, Qt::UTC));

    const GroupInvitation byCode =
        await<GroupInvitation>([this](auto done) { account()->generateInviteCode(done); });
    QCOMPARE(http()->requests().constLast().body, QByteArray());
    QVERIFY(!byCode.inviteCode.isEmpty());
    QCOMPARE(byCode.invitedEmail, QString());

    Group group = getGroup();
    QCOMPARE(group.id, groupId);
    QCOMPARE(group.name, QStringLiteral("Lovelace household"));
    QCOMPARE(group.members.size(), 1);
    QCOMPARE(group.members.at(0).authUserId, m_ada);
    QCOMPARE(group.pendingInvitations.size(), 2);

    account()->revokeInvitation(byEmail.id);
    QTRY_COMPARE(fake()->group(groupId).invitations.constFirst().status, QStringLiteral("revoked"));
    group = getGroup();
    QCOMPARE(group.pendingInvitations.size(), 1);
    QCOMPARE(group.pendingInvitations.at(0).id, byCode.id);

    // Only the owner invites; without a group there is none to read.
    signInAs(m_bob);
    QCOMPARE(inviteByEmail(QStringLiteral("carol@example.test")).id, QString());
    QCOMPARE(getGroup().id, QString());
    QCOMPARE(http()->requests().constLast().route, route(QStringLiteral("/group")));
}

void TestAccountClient::joinAndLeaveRefreshTheClaims()
{
    const QString groupId = fake()->createGroup(m_ada, QStringLiteral("Lovelace household"));
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
    QTRY_COMPARE(joined, std::optional<bool>(true));
    QCOMPARE(fake()->groupOf(m_bob), groupId);
    QTRY_COMPARE(m_client->currentClaims().groupId, groupId);
    QCOMPARE(m_client->currentClaims().role, QStringLiteral("member"));
    QCOMPARE(refreshCount(), 1);

    account()->leaveGroup();
    QTRY_COMPARE(groupChanged.count(), 2);
    QTRY_COMPARE(m_client->currentClaims().groupId, QString());
    QCOMPARE(refreshCount(), 2);
    QCOMPARE(fake()->groupOf(m_bob), QString());
    QVERIFY(m_client->isAuthenticated());
}

void TestAccountClient::refusedGroupChangesChangeNothing()
{
    const QString groupId = fake()->createGroup(m_ada, QStringLiteral("Lovelace household"));
    fake()->addMember(groupId, m_bob);
    QSignalSpy groupChanged(account(), &AccountClient::groupChanged);

    // An owner cannot leave; an unknown member cannot be removed.
    account()->leaveGroup();
    account()->removeMember(QStringLiteral("acc-nobody"));
    QTRY_COMPARE(http()->requestsTo(route(QStringLiteral("/group/members/{id}"))).size(), 1);
    QTRY_COMPARE(http()->requestsTo(route(QStringLiteral("/group/leave"))).size(), 1);
    QVERIFY(!QTest::qWaitFor([&] { return groupChanged.count() > 0 || refreshCount() > 0; }, 200));

    // A member removed: the owner's own claims did not change, so no refresh.
    account()->removeMember(FakeAccountService::accountId(m_bob));
    QTRY_COMPARE(groupChanged.count(), 1);
    QCOMPARE(fake()->groupOf(m_bob), QString());
    QCOMPARE(refreshCount(), 0);

    // A wrong code joins nothing.
    signInAs(m_bob);
    QCOMPARE(await<bool>([this](auto done) { account()->joinGroup(QStringLiteral("NOPE1234"), done); }), false);
    QCOMPARE(http()->requests().constLast().route, route(QStringLiteral("/group/join/{code}")));
    QCOMPARE(groupChanged.count(), 1);
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
