#include "TestMain.h"

#include "account/Device.h"
#include "account/Group.h"
#include "account/Profile.h"
#include "account/Session.h"
#include "account/User.h"

#include <QJsonArray>
#include <QTimeZone>

using namespace OrvaAccount;

class TestAccountRecords : public QObject
{
    Q_OBJECT

private slots:
    void emptyObjectGivesEmptyRecords();
    void fullRecordsReadEveryField();
    void wrongKindsReadAsEmpty();
    void dateTimes_data();
    void dateTimes();
    void memberCount_data();
    void memberCount();
    void isCurrentNeedsTheLiteralTrue_data();
    void isCurrentNeedsTheLiteralTrue();
    void listsKeepOrderAndToleratePoorElements();
    void profileGroupPresence();
};

void TestAccountRecords::emptyObjectGivesEmptyRecords()
{
    const QJsonObject empty;
    const User user = User::fromJson(empty);
    QVERIFY(user.id.isEmpty() && user.email.isEmpty() && user.displayName.isEmpty() && user.username.isEmpty()
            && user.avatarUrl.isEmpty());
    QVERIFY(!user.createdAt.isValid());

    const Profile profile = Profile::fromJson(empty);
    QVERIFY(profile.id.isEmpty() && profile.language.isEmpty() && profile.timezone.isEmpty()
            && profile.status.isEmpty());
    QVERIFY(!profile.createdAt.isValid());
    QVERIFY(!profile.group.has_value());

    const Session session = Session::fromJson(empty);
    QVERIFY(session.id.isEmpty() && session.userAgent.isEmpty() && session.ipAddress.isEmpty());
    QVERIFY(!session.createdAt.isValid() && !session.lastActiveAt.isValid());
    QCOMPARE(session.isCurrent, false);

    const Device device = Device::fromJson(empty);
    QVERIFY(device.id.isEmpty() && device.deviceName.isEmpty() && device.deviceFingerprint.isEmpty());
    QVERIFY(!device.lastSyncAt.isValid() && !device.createdAt.isValid());

    const Group group = Group::fromJson(empty);
    QVERIFY(group.id.isEmpty() && group.name.isEmpty());
    QVERIFY(group.members.isEmpty());
    QVERIFY(group.pendingInvitations.isEmpty());

    QCOMPARE(ProfileGroup::fromJson(empty).memberCount, 0);
    QVERIFY(GroupInvitation::fromJson(empty).inviteCode.isEmpty());
    QVERIFY(GroupMember::fromJson(empty).role.isEmpty());
}

void TestAccountRecords::fullRecordsReadEveryField()
{
    const User user = User::fromJson(QJsonObject{
        {QStringLiteral("id"), QStringLiteral("u-1")},
        {QStringLiteral("email"), QStringLiteral("ada@example.test")},
        {QStringLiteral("display_name"), QStringLiteral("  Ada  ")},
        {QStringLiteral("username"), QStringLiteral("ada")},
        {QStringLiteral("avatar_url"), QStringLiteral("https://example.test/a.png")},
        {QStringLiteral("created_at"), QStringLiteral("2024-03-01T09:30:00Z")},
        {QStringLiteral("unknown"), QStringLiteral("ignored")},
    });
    QCOMPARE(user.id, QStringLiteral("u-1"));
    QCOMPARE(user.email, QStringLiteral("ada@example.test"));
    QCOMPARE(user.displayName, QStringLiteral("  Ada  "));
    QCOMPARE(user.username, QStringLiteral("ada"));
    QCOMPARE(user.avatarUrl, QStringLiteral("https://example.test/a.png"));
    QCOMPARE(user.createdAt, QDateTime(QDate(2024, 3, 1), QTime(9, 30), QTimeZone::utc()));

    const Device device = Device::fromJson(QJsonObject{
        {QStringLiteral("id"), QStringLiteral("d-1")},
        {QStringLiteral("device_name"), QStringLiteral("kitchen-pc")},
        {QStringLiteral("platform"), QStringLiteral("linux")},
        {QStringLiteral("app_id"), QStringLiteral("com.orvalenworks.vellumry")},
        {QStringLiteral("app_version"), QStringLiteral("1.1.10")},
        {QStringLiteral("last_sync_at"), QStringLiteral("2024-03-02T10:00:00Z")},
        {QStringLiteral("device_fingerprint"), QStringLiteral("abc")},
        {QStringLiteral("created_at"), QStringLiteral("2024-03-01T10:00:00Z")},
    });
    QCOMPARE(device.deviceName, QStringLiteral("kitchen-pc"));
    QCOMPARE(device.platform, QStringLiteral("linux"));
    QCOMPARE(device.appId, QStringLiteral("com.orvalenworks.vellumry"));
    QCOMPARE(device.appVersion, QStringLiteral("1.1.10"));
    QCOMPARE(device.deviceFingerprint, QStringLiteral("abc"));
    QVERIFY(device.lastSyncAt > device.createdAt);

    const Profile profile = Profile::fromJson(QJsonObject{
        {QStringLiteral("id"), QStringLiteral("p-1")},
        {QStringLiteral("language"), QStringLiteral("de")},
        {QStringLiteral("timezone"), QStringLiteral("Europe/Berlin")},
        {QStringLiteral("status"), QStringLiteral("active")},
        {QStringLiteral("group"), QJsonObject{{QStringLiteral("id"), QStringLiteral("g-1")},
                                              {QStringLiteral("name"), QStringLiteral("Household")},
                                              {QStringLiteral("role"), QStringLiteral("owner")},
                                              {QStringLiteral("member_count"), 3}}},
    });
    QCOMPARE(profile.language, QStringLiteral("de"));
    QCOMPARE(profile.timezone, QStringLiteral("Europe/Berlin"));
    QCOMPARE(profile.status, QStringLiteral("active"));
    QVERIFY(profile.group.has_value());
    QCOMPARE(profile.group->name, QStringLiteral("Household"));
    QCOMPARE(profile.group->role, QStringLiteral("owner"));
    QCOMPARE(profile.group->memberCount, 3);

    const GroupInvitation invitation = GroupInvitation::fromJson(QJsonObject{
        {QStringLiteral("id"), QStringLiteral("i-1")},
        {QStringLiteral("invited_email"), QStringLiteral("bob@example.test")},
        {QStringLiteral("invite_code"), QStringLiteral("JOIN-42")},
        {QStringLiteral("status"), QStringLiteral("pending")},
        {QStringLiteral("expires_at"), QStringLiteral("2024-04-01T00:00:00+02:00")},
    });
    QCOMPARE(invitation.invitedEmail, QStringLiteral("bob@example.test"));
    QCOMPARE(invitation.inviteCode, QStringLiteral("JOIN-42"));
    QCOMPARE(invitation.status, QStringLiteral("pending"));
    QCOMPARE(invitation.expiresAt.offsetFromUtc(), 7200);
}

void TestAccountRecords::wrongKindsReadAsEmpty()
{
    const User user = User::fromJson(QJsonObject{
        {QStringLiteral("id"), 42},
        {QStringLiteral("email"), QJsonValue::Null},
        {QStringLiteral("display_name"), true},
        {QStringLiteral("username"), QJsonArray{QStringLiteral("ada")}},
        {QStringLiteral("avatar_url"), QJsonObject{{QStringLiteral("url"), QStringLiteral("x")}}},
        {QStringLiteral("created_at"), 1700000000},
    });
    QCOMPARE(user.id, QString());
    QCOMPARE(user.email, QString());
    QCOMPARE(user.displayName, QString());
    QCOMPARE(user.username, QString());
    QCOMPARE(user.avatarUrl, QString());
    QVERIFY(!user.createdAt.isValid());

    // Keys are matched exactly.
    QCOMPARE(User::fromJson(QJsonObject{{QStringLiteral("ID"), QStringLiteral("u-1")}}).id, QString());
}

void TestAccountRecords::dateTimes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("offset");
    QTest::newRow("UTC with Z") << QStringLiteral("2024-03-01T09:30:00Z") << true << 0;
    QTest::newRow("fractions") << QStringLiteral("2024-03-01T09:30:00.123456Z") << true << 0;
    QTest::newRow("offset kept") << QStringLiteral("2024-03-01T09:30:00-05:00") << true << -18000;
    QTest::newRow("no date") << QStringLiteral("yesterday") << false << 0;
    QTest::newRow("empty") << QString() << false << 0;
}

void TestAccountRecords::dateTimes()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, offset);
    const Session session = Session::fromJson(QJsonObject{{QStringLiteral("last_active_at"), text}});
    QCOMPARE(session.lastActiveAt.isValid(), valid);
    if (valid)
        QCOMPARE(session.lastActiveAt.offsetFromUtc(), offset);
}

void TestAccountRecords::memberCount_data()
{
    QTest::addColumn<QJsonValue>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("whole number") << QJsonValue(7) << 7;
    QTest::newRow("negative") << QJsonValue(-2) << -2;
    QTest::newRow("fraction") << QJsonValue(3.5) << 0;
    QTest::newRow("text") << QJsonValue(QStringLiteral("3")) << 0;
    QTest::newRow("beyond 32 bits") << QJsonValue(4294967296.0) << 0;
    QTest::newRow("null") << QJsonValue(QJsonValue::Null) << 0;
}

void TestAccountRecords::memberCount()
{
    QFETCH(QJsonValue, value);
    QFETCH(int, expected);
    QCOMPARE(ProfileGroup::fromJson(QJsonObject{{QStringLiteral("member_count"), value}}).memberCount, expected);
}

void TestAccountRecords::isCurrentNeedsTheLiteralTrue_data()
{
    QTest::addColumn<QJsonValue>("value");
    QTest::addColumn<bool>("expected");
    QTest::newRow("true") << QJsonValue(true) << true;
    QTest::newRow("false") << QJsonValue(false) << false;
    QTest::newRow("text true") << QJsonValue(QStringLiteral("true")) << false;
    QTest::newRow("number 1") << QJsonValue(1) << false;
}

void TestAccountRecords::isCurrentNeedsTheLiteralTrue()
{
    QFETCH(QJsonValue, value);
    QFETCH(bool, expected);
    QCOMPARE(Session::fromJson(QJsonObject{{QStringLiteral("is_current"), value}}).isCurrent, expected);
}

void TestAccountRecords::listsKeepOrderAndToleratePoorElements()
{
    const Group group = Group::fromJson(QJsonObject{
        {QStringLiteral("id"), QStringLiteral("g-1")},
        {QStringLiteral("members"),
         QJsonArray{QJsonObject{{QStringLiteral("display_name"), QStringLiteral("Ada")}}, 7,
                    QJsonObject{{QStringLiteral("role"), QStringLiteral("owner")},
                                {QStringLiteral("auth_user_id"), QStringLiteral("u-2")},
                                {QStringLiteral("account_id"), QStringLiteral("a-2")},
                                {QStringLiteral("joined_at"), QStringLiteral("2024-01-01T00:00:00Z")}}}},
        {QStringLiteral("pending_invitations"), QStringLiteral("not a list")},
    });
    QCOMPARE(group.members.size(), 3);
    QCOMPARE(group.members.at(0).displayName, QStringLiteral("Ada"));
    QVERIFY(group.members.at(0).authUserId.isEmpty() && group.members.at(0).role.isEmpty());
    QVERIFY(group.members.at(1).displayName.isEmpty() && group.members.at(1).accountId.isEmpty());
    QVERIFY(!group.members.at(1).joinedAt.isValid());
    QCOMPARE(group.members.at(2).role, QStringLiteral("owner"));
    QCOMPARE(group.members.at(2).authUserId, QStringLiteral("u-2"));
    QCOMPARE(group.members.at(2).accountId, QStringLiteral("a-2"));
    QVERIFY(group.members.at(2).joinedAt.isValid());
    QVERIFY(group.pendingInvitations.isEmpty());

    const Group invited = Group::fromJson(QJsonObject{
        {QStringLiteral("pending_invitations"),
         QJsonArray{QJsonObject{{QStringLiteral("invite_code"), QStringLiteral("A")}},
                    QJsonObject{{QStringLiteral("invite_code"), QStringLiteral("B")}}}}});
    QCOMPARE(invited.pendingInvitations.size(), 2);
    QCOMPARE(invited.pendingInvitations.at(0).inviteCode, QStringLiteral("A"));
    QCOMPARE(invited.pendingInvitations.at(1).inviteCode, QStringLiteral("B"));
}

void TestAccountRecords::profileGroupPresence()
{
    const Profile withNull = Profile::fromJson(QJsonObject{{QStringLiteral("group"), QJsonValue::Null}});
    QVERIFY(withNull.group.has_value());
    QVERIFY(withNull.group->id.isEmpty());
    QCOMPARE(withNull.group->memberCount, 0);

    const Profile withText = Profile::fromJson(QJsonObject{{QStringLiteral("group"), QStringLiteral("g-1")}});
    QVERIFY(withText.group.has_value());
    QVERIFY(withText.group->id.isEmpty());

    QVERIFY(!Profile::fromJson(QJsonObject{{QStringLiteral("id"), QStringLiteral("p")}}).group.has_value());
}

VELLUMRY_TEST_GUILESS_MAIN(TestAccountRecords)

#include "tst_accountrecords.moc"
