#include "TestMain.h"

#include "account/Device.h"
#include "account/Group.h"
#include "account/Profile.h"
#include "account/Session.h"
#include "account/User.h"

#include <QJsonArray>

using namespace OrvaAccount;

namespace {

// Each text key holds its own name and each time key a date on the day of its
// position, so one comparison shows every field read from its own key.
QJsonObject keyed(const QStringList& texts, const QStringList& times)
{
    QJsonObject object;
    for (const QString& key : texts)
        object.insert(key, key);
    for (int i = 0; i < times.size(); ++i)
        object.insert(times.at(i), QStringLiteral("2024-03-0%1T09:30:00Z").arg(i + 1));
    return object;
}

QList<int> days(const QList<QDateTime>& times)
{
    QList<int> list;
    for (const QDateTime& time : times)
        list.append(time.isValid() ? time.date().day() : 0);
    return list;
}

} // namespace

class TestAccountRecords : public QObject
{
    Q_OBJECT

private slots:
    void fieldsAreReadFromTheirKeys();
    void wrongKindsReadAsEmpty();
    void dateTimes_data();
    void dateTimes();
    void memberCount_data();
    void memberCount();
    void listsKeepOrderAndToleratePoorElements();
    void profileGroupPresence();
};

void TestAccountRecords::fieldsAreReadFromTheirKeys()
{
    QStringList keys{"id", "email", "display_name", "username", "avatar_url"};
    const User user = User::fromJson(keyed(keys, {"created_at"}));
    QCOMPARE((QStringList{user.id, user.email, user.displayName, user.username, user.avatarUrl}), keys);
    QCOMPARE(days({user.createdAt}), QList<int>{1});

    keys = QStringList{"id", "email", "display_name", "avatar_url", "language", "timezone", "status"};
    const Profile profile = Profile::fromJson(keyed(keys, {"created_at"}));
    QCOMPARE((QStringList{profile.id, profile.email, profile.displayName, profile.avatarUrl, profile.language,
                          profile.timezone, profile.status}),
             keys);
    QCOMPARE(days({profile.createdAt}), QList<int>{1});
    const ProfileGroup group = ProfileGroup::fromJson(keyed({"id", "name", "role"}, {}));
    QCOMPARE((QStringList{group.id, group.name, group.role}), QStringList({"id", "name", "role"}));

    const Session session = Session::fromJson(keyed({"id", "user_agent", "ip_address"}, {"created_at", "last_active_at"}));
    QCOMPARE((QStringList{session.id, session.userAgent, session.ipAddress}), QStringList({"id", "user_agent", "ip_address"}));
    QCOMPARE(days({session.createdAt, session.lastActiveAt}), QList<int>({1, 2}));

    keys = QStringList{"id", "device_name", "platform", "app_id", "app_version", "device_fingerprint"};
    const Device device = Device::fromJson(keyed(keys, {"last_sync_at", "created_at"}));
    QCOMPARE((QStringList{device.id, device.deviceName, device.platform, device.appId, device.appVersion,
                          device.deviceFingerprint}),
             keys);
    QCOMPARE(days({device.lastSyncAt, device.createdAt}), QList<int>({1, 2}));

    keys = QStringList{"account_id", "auth_user_id", "display_name", "email", "role"};
    const GroupMember member = GroupMember::fromJson(keyed(keys, {"joined_at"}));
    QCOMPARE((QStringList{member.accountId, member.authUserId, member.displayName, member.email, member.role}), keys);
    QCOMPARE(days({member.joinedAt}), QList<int>{1});

    keys = QStringList{"id", "invited_email", "invite_code", "status"};
    const GroupInvitation invitation = GroupInvitation::fromJson(keyed(keys, {"expires_at"}));
    QCOMPARE((QStringList{invitation.id, invitation.invitedEmail, invitation.inviteCode, invitation.status}), keys);
    QCOMPARE(days({invitation.expiresAt}), QList<int>{1});

    const Group whole = Group::fromJson(keyed({"id", "name"}, {}));
    QCOMPARE((QStringList{whole.id, whole.name}), QStringList({"id", "name"}));
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
    QCOMPARE((QStringList{user.id, user.email, user.displayName, user.username, user.avatarUrl}), QStringList(5));
    QVERIFY(!user.createdAt.isValid());
    // Keys are matched exactly; a flag needs the literal true.
    QCOMPARE(User::fromJson(QJsonObject{{QStringLiteral("ID"), QStringLiteral("u-1")}}).id, QString());
    const auto isCurrent = [](const QJsonValue& value) {
        return Session::fromJson(QJsonObject{{QStringLiteral("is_current"), value}}).isCurrent;
    };
    QCOMPARE(isCurrent(true), true);
    QCOMPARE(isCurrent(QStringLiteral("true")), false);
    QCOMPARE(isCurrent(1), false);
}

void TestAccountRecords::dateTimes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("read");
    QTest::newRow("UTC with Z") << "2024-03-01T09:30:00Z" << "2024-03-01T09:30:00Z";
    QTest::newRow("fractions") << "2024-03-01T09:30:00.123456Z" << "2024-03-01T09:30:00Z";
    QTest::newRow("offset kept") << "2024-03-01T09:30:00-05:00" << "2024-03-01T09:30:00-05:00";
    QTest::newRow("no date") << "yesterday" << QString();
}

void TestAccountRecords::dateTimes()
{
    QFETCH(QString, text);
    QFETCH(QString, read);
    QCOMPARE(Session::fromJson(QJsonObject{{QStringLiteral("last_active_at"), text}}).lastActiveAt.toString(Qt::ISODate),
             read);
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
}

void TestAccountRecords::memberCount()
{
    QFETCH(QJsonValue, value);
    QFETCH(int, expected);
    QCOMPARE(ProfileGroup::fromJson(QJsonObject{{QStringLiteral("member_count"), value}}).memberCount, expected);
}

void TestAccountRecords::listsKeepOrderAndToleratePoorElements()
{
    const Group group = Group::fromJson(QJsonObject{
        {QStringLiteral("members"),
         QJsonArray{QJsonObject{{QStringLiteral("display_name"), QStringLiteral("Ada")}}, 7,
                    QJsonObject{{QStringLiteral("role"), QStringLiteral("owner")}}}},
        {QStringLiteral("pending_invitations"), QStringLiteral("not a list")},
    });
    QCOMPARE(group.members.size(), 3);
    QCOMPARE(group.members.at(0).displayName, QStringLiteral("Ada"));
    QCOMPARE(group.members.at(1).role, QString());
    QCOMPARE(group.members.at(2).role, QStringLiteral("owner"));
    QVERIFY(group.pendingInvitations.isEmpty());

    const Group invited = Group::fromJson(QJsonObject{
        {QStringLiteral("pending_invitations"),
         QJsonArray{QJsonObject{{QStringLiteral("invite_code"), QStringLiteral("A")}},
                    QJsonObject{{QStringLiteral("invite_code"), QStringLiteral("B")}}}}});
    QCOMPARE(invited.pendingInvitations.size(), 2);
    QCOMPARE(invited.pendingInvitations.at(1).inviteCode, QStringLiteral("B"));
}

void TestAccountRecords::profileGroupPresence()
{
    // Any "group" value, even null or a text, makes an (empty) group.
    for (const QJsonValue& value : {QJsonValue(QJsonValue::Null), QJsonValue(QStringLiteral("g-1"))}) {
        const Profile profile = Profile::fromJson(QJsonObject{{QStringLiteral("group"), value}});
        QVERIFY(profile.group.has_value());
        QCOMPARE(profile.group->id, QString());
        QCOMPARE(profile.group->memberCount, 0);
    }
    QVERIFY(!Profile::fromJson(QJsonObject{{QStringLiteral("id"), QStringLiteral("p")}}).group.has_value());
}

VELLUMRY_TEST_GUILESS_MAIN(TestAccountRecords)

#include "tst_accountrecords.moc"
