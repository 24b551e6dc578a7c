#include "SyncTestSupport.h"
#include "TestMain.h"

#include "sync/AccountSharingService.h"
#include "sync/SyncRecords.h"

#include <QJsonArray>

using OrvaAccount::ShareMember;

namespace {

QStringList describe(const QList<ShareMember>& members)
{
    QStringList lines;
    for (const ShareMember& member : members) {
        lines.append(QStringList{member.id, member.userId, member.email, member.displayName, member.role}.join(
            QLatin1Char('|')));
    }
    return lines;
}

// The answer the service's callback gave, waited for.
template<typename Answer, typename Call>
Answer answerOf(Call call, const Answer& none)
{
    std::optional<Answer> answer;
    call([&answer](const Answer& value) { answer = value; });
    if (!QTest::qWaitFor([&answer] { return answer.has_value(); }, 5000))
        qWarning("the sharing service never answered");
    return answer.value_or(none);
}

} // namespace

// Listing, adding and removing the people an account is shared with.
class TestAccountSharingService : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void listShareAndRemove();
    void shareFailures_data();
    void shareFailures();
    void listFailuresGiveAnEmptyList();
    void membersWithOddValues();
    void idsStayOneSegment();
    void groupMembersMapToTheirAccountId();

private:
    QList<ShareMember> list(const QString& accountId)
    {
        return answerOf<QList<ShareMember>>([&](auto done) { m_service->listMembers(accountId, done); }, {});
    }
    std::pair<bool, QString> share(const QString& identifier, const QString& role = QString())
    {
        return answerOf<std::pair<bool, QString>>(
            [&](auto done) {
                m_service->shareWith(m_accountId, identifier, role,
                                     [done](bool ok, const QString& message) { done({ok, message}); });
            },
            {false, QStringLiteral("no answer")});
    }
    bool remove(const QString& accountId, const QString& userId)
    {
        return answerOf<bool>([&](auto done) { m_service->removeShare(accountId, userId, done); }, false);
    }
    FakeHttpServer* http() const { return m_world->http(); }
    QString route(const QString& path) const { return m_world->fake()->apiPath(path); }

    std::unique_ptr<SyncTest::SyncWorld> m_world;
    std::unique_ptr<AccountSharingService> m_service;
    const QString m_accountId = QStringLiteral("acc-1");
    QString m_bob;
};

void TestAccountSharingService::init()
{
    m_world = std::make_unique<SyncTest::SyncWorld>();
    QVERIFY(m_world->isReady());
    m_service = std::make_unique<AccountSharingService>(m_world->device()->api());
    // Sharing names people by their account-service id.
    m_bob = FakeAccountService::accountId(m_world->services()->auth()->addUser("bob@example.test", "Bob"));

    // Ada's account, as her sync left it at the service.
    Account account;
    account.id = m_accountId;
    account.name = QStringLiteral("Household");
    m_world->fake()->putRow(m_world->userId(), QStringLiteral("account"), account.id, 1,
                                     SyncRecords::accountPayload(account));
}

void TestAccountSharingService::cleanup()
{
    m_service.reset();
    m_world.reset();
}

void TestAccountSharingService::listShareAndRemove()
{
    const QString ada = FakeAccountService::accountId(m_world->userId());
    QCOMPARE(describe(list(m_accountId)), QStringList(QStringList({ada, ada, "ada@example.test", "Ada", "owner"}).join('|')));

    // By e-mail address, with the default role; the address goes as both keys.
    QCOMPARE(share(QStringLiteral("bob@example.test")), std::make_pair(true, QString()));
    const QString shareRoute = route(QStringLiteral("/accounts/{id}/share"));
    QCOMPARE(http()->requestsTo(shareRoute).last().jsonBody(),
             (QJsonObject{{"email", "bob@example.test"}, {"user_id", "bob@example.test"}, {"role", "member"}}));
    QList<ShareMember> members = list(m_accountId);
    QCOMPARE(describe(members).last(), QStringList({m_bob, m_bob, "bob@example.test", "Bob", "member"}).join('|'));
    QVERIFY(!members.last().createdAt.isEmpty());

    QVERIFY(remove(m_accountId, m_bob));
    QCOMPARE(list(m_accountId).size(), 1);
    QCOMPARE(http()->requestsTo(route(QStringLiteral("/accounts/{id}/share/{user}"))).last().method,
             QByteArray("DELETE"));
    // A share that is not there cannot be removed.
    QVERIFY(!remove(m_accountId, m_bob));

    // By user id, with a role of its own.
    QCOMPARE(share(m_bob, QStringLiteral("viewer")).first, true);
    QCOMPARE(http()->requestsTo(shareRoute).last().jsonBody(), (QJsonObject{{"user_id", m_bob}, {"role", "viewer"}}));
    QCOMPARE(m_world->fake()->shares(m_accountId).first().role, QStringLiteral("viewer"));
}

void TestAccountSharingService::shareFailures_data()
{
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<FakeFault>("fault");
    QTest::addColumn<QString>("message");
    QTest::newRow("the service's own words") << QStringLiteral("nobody@example.test") << FakeFault()
                                             << QStringLiteral("No user with that address or id");
    QTest::newRow("empty error") << QStringLiteral("bob@example.test")
                                 << FakeFault::status(500, QJsonObject{{"error", ""}})
                                 << QStringLiteral("Failed to share account (HTTP 500)");
    QTest::newRow("error not text") << QStringLiteral("bob@example.test")
                                    << FakeFault::status(409, QJsonObject{{"error", 7}})
                                    << QStringLiteral("Failed to share account (HTTP 409)");
    QTest::newRow("no answer") << QStringLiteral("bob@example.test") << FakeFault::drop()
                               << QStringLiteral("Failed to share account (HTTP 0)");
}

void TestAccountSharingService::shareFailures()
{
    QFETCH(QString, identifier);
    QFETCH(FakeFault, fault);
    QFETCH(QString, message);
    if (fault.kind != FakeFault::Kind::Respond || fault.response.status != 200)
        http()->injectFault("POST", route(QStringLiteral("/accounts/{id}/share")), fault);
    QCOMPARE(share(identifier), std::make_pair(false, message));
}

void TestAccountSharingService::listFailuresGiveAnEmptyList()
{
    // Not the user's account; a server error; a reply without "members".
    QVERIFY(list(QStringLiteral("someone-else")).isEmpty());
    const QString members = route(QStringLiteral("/accounts/{id}/members"));
    http()->injectFault("GET", members, FakeFault::status(500), 1);
    QVERIFY(list(m_accountId).isEmpty());
    http()->injectFault("GET", members, FakeFault::respond(FakeResponse::json(200, {{"shared", true}})), 1);
    QVERIFY(list(m_accountId).isEmpty());
    QCOMPARE(list(m_accountId).size(), 1);
}

void TestAccountSharingService::membersWithOddValues()
{
    const QJsonArray members{
        QJsonObject{{"user_id", "u1"}, {"display_name", 42}, {"role", "viewer"}, {"created_at", "yesterday"}},
        QStringLiteral("not a member"),
        QJsonObject{{"email", "only@example.test"}},
    };
    http()->injectFault("GET", route(QStringLiteral("/accounts/{id}/members")),
                        FakeFault::respond(FakeResponse::json(200, {{"members", members}})), 1);
    const QList<ShareMember> read = list(m_accountId);
    QCOMPARE(describe(read), QStringList({"u1|u1|||viewer", "||||", "||only@example.test||"}));
    QCOMPARE(read.first().createdAt, QStringLiteral("yesterday"));
}

void TestAccountSharingService::idsStayOneSegment()
{
    // An id with a slash or a space reaches the service as one path segment.
    QVERIFY(list(QStringLiteral("a/b c")).isEmpty());
    const FakeRequest request = http()->requests().last();
    QCOMPARE(request.rawPath, QByteArray("/sync-api/accounts/a%2Fb%20c/members"));
    QCOMPARE(request.captures.value(QStringLiteral("id")), QStringLiteral("a/b c"));

    QVERIFY(!remove(m_accountId, QStringLiteral("../../sync/push")));
    QCOMPARE(http()->requests().last().route, route(QStringLiteral("/accounts/{id}/share/{user}")));
    QCOMPARE(http()->requests().last().captures.value(QStringLiteral("user")), QStringLiteral("../../sync/push"));
}

void TestAccountSharingService::groupMembersMapToTheirAccountId()
{
    OrvaAccount::GroupMember member;
    member.accountId = QStringLiteral("account-7");
    member.authUserId = QStringLiteral("auth-7");
    QCOMPARE(m_service->userIdForMember(member), QStringLiteral("account-7"));
    QCOMPARE(m_service->userIdForMember(OrvaAccount::GroupMember()), QString());
}

VELLUMRY_TEST_GUILESS_MAIN(TestAccountSharingService)
#include "tst_accountsharingservice.moc"
