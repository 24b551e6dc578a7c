#include "TestMain.h"

#include "AccountUiTestSupport.h"
#include "account/AccountClient.h"
#include "account/ApiClient.h"
#include "account/ui/AccountScreen.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTimer>
#include <QUrlQuery>

using AccountUiTest::sorted;
using OnlineTest::await;
using OrvaAccount::AccountScreen;
using OrvaAccount::GroupInvitation;

namespace {
const QString Cancel = QStringLiteral("<cancel>");
const QString Password = QString::fromLatin1(FakeAuthService::DefaultPassword);
const QString Dot = QStringLiteral("  \u00B7  ");

void answerInputs(const QStringList& answers)
{
    for (const QString& answer : answers)
        answer == Cancel ? InputDialog::setNextCancel() : InputDialog::setNextText(answer);
}
} // namespace

class TestAccountScreen : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void relativeTimes_data();
    void relativeTimes();
    void pagesShowTheAccountAsSent();
    void failedLoadsShowEmptyPages_data();
    void failedLoadsShowEmptyPages();
    void displayNameAndTimedMessages();
    void passwordChange_data();
    void passwordChange();
    void deletionNeedsTheExactWord_data();
    void deletionNeedsTheExactWord();
    void failedActionsSayWhatFailed_data();
    void failedActionsSayWhatFailed();
    void ownerManagesTheGroup();
    void memberJoinsAndLeaves();
    void refusedRemovalsShowTheItemAgain_data();
    void refusedRemovalsShowTheItemAgain();
    void longClientNamesAreCut();
    void ownerTestFollowsWhoeverIsSignedIn();
    void repliesAfterTheWindowClosedDoNothing();

private:
    void openScreen(AccountScreen::Tab tab)
    {
        m_screen = std::make_unique<AccountScreen>(m_world->client.get());
        m_screen->showTab(tab);
        m_screen->show();
        m_screen->refreshAll();
    }
    QStringList rows(const QString& name) const { return AccountUiTest::rows(m_screen.get(), name); }
    // Clicks the page's name in the list on the left.
    void choosePage(const QString& text)
    {
        auto* list = find<QListWidget>("pageList");
        const QList<QListWidgetItem*> items = list->findItems(text, Qt::MatchExactly);
        QCOMPARE(items.size(), 1);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                          list->visualItemRect(items.first()).center());
        QCOMPARE(find<QStackedWidget>("pageStack")->currentIndex(), list->row(items.first()));
    }
    bool click(const QString& name) { return AccountUiTest::click(m_screen.get(), name); }
    template<typename Widget>
    Widget* find(const QString& name) const { return m_screen->findChild<Widget*>(name); }
    QString label(const QString& name) const { return find<QLabel>(name)->text(); }
    QString message() const { return label(QStringLiteral("messageLabel")); }
    bool shows(const QString& text) const
    {
        const QList<QLabel*> labels = m_screen->findChildren<QLabel*>();
        return std::any_of(labels.cbegin(), labels.cend(),
                           [&text](const QLabel* label) { return AccountUiTest::shownText(label) == text; });
    }
    // One more round trip, answered after whatever the screen sent.
    void settle() { await<OrvaAccount::User>([this](auto done) { auth()->fetchCurrentUser(done); }); }
    int requests(const QByteArray& method, const QString& path) const { return m_world->requests(method, path); }
    OrvaAccount::AuthClient* auth() const { return m_world->client->authClient(); }
    OrvaAccount::AccountClient* account() const { return m_world->client->accountClient(); }
    FakeAccountService* fake() const { return m_world->services.account(); }
    QString authRoute(const QString& path) const { return m_world->services.auth()->apiPath(path); }
    // Table rows name the authentication service's routes "auth:<path>": its
    // address holds the realm, known only once the services run.
    QString resolve(const QString& route) const
    {
        return route.startsWith(QLatin1String("auth:")) ? authRoute(route.mid(5)) : route;
    }
    QString ownGroup()
    {
        const QString groupId = fake()->createGroup(m_world->userId, QStringLiteral("Lovelace <home>"));
        fake()->addMember(groupId, m_world->bob);
        m_world->signInAs(m_world->userId);
        return groupId;
    }
    // A sign-in through the login page from a browser that names itself `agent`;
    // the service keeps that name with the new session.
    void signInFromBrowser(const QByteArray& agent)
    {
        FakeAuthService* auth = m_world->services.auth();
        QUrlQuery query;
        query.addQueryItem(QStringLiteral("client_id"), auth->clientId());
        query.addQueryItem(QStringLiteral("redirect_uri"), QStringLiteral("http://localhost/callback"));
        const QByteArray request = "GET " + auth->loginPagePath().toLatin1() + '?' + query.toString().toLatin1()
            + " HTTP/1.1\r\nHost: 127.0.0.1\r\nUser-Agent: " + agent + "\r\nConnection: close\r\n\r\n";
        const OnlineTest::RawReply reply =
            OnlineTest::exchange(QHostAddress::LocalHost, m_world->services.http()->port(), request);
        QVERIFY(reply.bytes.startsWith("HTTP/1.1 302"));
    }
    QString inviteCode()
    {
        return await<GroupInvitation>([this](auto done) { account()->generateInviteCode(done); }).inviteCode;
    }
    void registerDevice(const QString& name, const QString& platform, const QString& version)
    {
        const QJsonObject device{{"device_name", name}, {"platform", platform}, {"app_version", version},
                                 {"device_fingerprint", name + platform}};
        QVERIFY(await<bool>([&](auto done) {
            m_world->client->accountApiClient()->post("/devices/register", device,
                                                      [done](bool ok, int, const QJsonObject&) { done(ok); });
        }));
    }

    std::unique_ptr<AccountUiTest::AccountWorld> m_world;
    std::unique_ptr<AccountScreen> m_screen;
};

void TestAccountScreen::init()
{
    m_world = std::make_unique<AccountUiTest::AccountWorld>();
    QVERIFY(m_world->started);
}

void TestAccountScreen::cleanup()
{
    m_screen.reset();
    m_world.reset();
}

void TestAccountScreen::relativeTimes_data()
{
    QTest::addColumn<qint64>("secondsAgo");
    QTest::addColumn<QString>("shown");
    QTest::newRow("59 s") << qint64(59) << "Active now";
    QTest::newRow("ahead") << qint64(-3600) << "Active now";
    QTest::newRow("60 s") << qint64(60) << "1m ago";
    QTest::newRow("3599 s") << qint64(3599) << "59m ago";
    QTest::newRow("3600 s") << qint64(3600) << "1h ago";
    QTest::newRow("86399 s") << qint64(86399) << "23h ago";
    QTest::newRow("86400 s") << qint64(86400) << "1d ago";
    QTest::newRow("604799 s") << qint64(604799) << "6d ago";
    QTest::newRow("604800 s") << qint64(604800) << "Jan 8, 2027";
}

void TestAccountScreen::relativeTimes()
{
    QFETCH(qint64, secondsAgo);
    QFETCH(QString, shown);
    const qint64 now = QDateTime(QDate(2027, 1, 15), QTime(12, 0), Qt::UTC).toSecsSinceEpoch();
    OrvaAccount::EpochClock::setFixedNowSeconds(now);
    QCOMPARE(AccountScreen::formatRelativeTime(QDateTime::fromSecsSinceEpoch(now - secondsAgo, Qt::UTC)), shown);
    QCOMPARE(AccountScreen::formatRelativeTime(QDateTime()), QStringLiteral("Unknown"));
}

// Every text from the service shows as sent, markup included.
void TestAccountScreen::pagesShowTheAccountAsSent()
{
    const QString groupId = ownGroup();
    fake()->addMember(groupId, m_world->services.auth()->addUser("eve@example.test", "<b>Eve</b>"));
    fake()->addMember(groupId, m_world->services.auth()->addUser("cy@example.test"));
    const QString code = inviteCode();
    await<GroupInvitation>([this](auto done) { account()->inviteByEmail("dan@example.test", done); });
    registerDevice(QStringLiteral("<i>Phone</i>"), QStringLiteral("linux"), QStringLiteral("2.0"));
    registerDevice(QString(), QString(), QString());

    openScreen(AccountScreen::GroupTab);
    QTRY_COMPARE(label("nameLabel"), QStringLiteral("Ada"));
    QCOMPARE(label("emailLabel"), QStringLiteral("ada@example.test"));
    QCOMPARE(find<QLabel>("emailLabel")->palette().color(QPalette::WindowText),
             QApplication::palette().color(QPalette::PlaceholderText));
    QTRY_COMPARE(sorted(rows("memberRow")),
                 QStringList({"<b>Eve</b>|eve@example.test|[Remove]", "Ada|ada@example.test|Owner",
                              "Bob|bob@example.test|[Remove]", "cy@example.test|[Remove]"}));
    QCOMPARE(sorted(rows("invitationRow")),
             QStringList({"Invite code: " + code + "|[Revoke]", "dan@example.test|[Revoke]"}));
    QVERIFY(shows(QStringLiteral("Lovelace <home>")));
    QVERIFY(!find<QPushButton>("leaveGroupButton"));
    QTRY_COMPARE(rows("deviceRow"), QStringList({"<i>Phone</i>|linux" + Dot + "v2.0|Unknown|[Remove]",
                                                 "Unknown Device||Unknown|[Remove]"}));
    QTRY_COMPARE(rows("sessionRow"), QStringList({"Unknown client|Unknown" + Dot + "127.0.0.1|[Revoke]",
                                                  "Unknown client|This session" + Dot + "127.0.0.1|Current"}));
    QVERIFY(!find<QPushButton>("deleteAccountButton")->isEnabled());
    QVERIFY(!find<QLabel>("ownerNoteLabel")->isHidden());

    choosePage(QStringLiteral("Devices"));
    MessageBox::setNextAnswer(QMessageBox::No);
    QVERIFY(click("removeDeviceButton"));
    // The box would read the name as markup, so it gets it escaped.
    QCOMPARE(MessageBox::lastText(), QStringLiteral("<p>Remove &lt;i&gt;Phone&lt;/i&gt;?</p>"));
    MessageBox::setNextAnswer(QMessageBox::Yes);
    QVERIFY(click("removeDeviceButton"));
    QCOMPARE(message(), QStringLiteral("Device removed."));
    QTRY_COMPARE(rows("deviceRow").size(), 1);
    QCOMPARE(requests("DELETE", "/devices/"), 1);

    choosePage(QStringLiteral("Security"));
    QVERIFY(click("revokeSessionButton"));
    QCOMPARE(message(), QStringLiteral("Session revoked."));
    QTRY_COMPARE(rows("sessionRow").size(), 1);
    QCOMPARE(m_world->services.auth()->sessions(m_world->userId).size(), 1);
}

void TestAccountScreen::failedLoadsShowEmptyPages_data()
{
    QTest::addColumn<FakeFault>("fault");
    QTest::newRow("server error") << FakeFault::status(500);
    QTest::newRow("no answer") << FakeFault::drop();
}

void TestAccountScreen::failedLoadsShowEmptyPages()
{
    QFETCH(FakeFault, fault);
    ownGroup();
    registerDevice(QStringLiteral("Laptop"), QStringLiteral("linux"), QString());
    for (const QString& route : {authRoute("/users/me"), authRoute("/users/me/sessions"),
                                 FakeAccountService::apiPath("/group"), FakeAccountService::apiPath("/devices")})
        m_world->fail("GET", route, fault, FakeHttpServer::Forever);

    openScreen(AccountScreen::GroupTab);
    QTRY_COMPARE(label("nameLabel"), QStringLiteral("(not set)"));
    QCOMPARE(label("emailLabel"), QString());
    QTRY_VERIFY(find<QPushButton>("joinGroupButton"));
    QTRY_VERIFY(shows(QStringLiteral("No devices registered.")));
    QTRY_VERIFY(shows(QStringLiteral("No active sessions.")));
}

void TestAccountScreen::displayNameAndTimedMessages()
{
    openScreen(AccountScreen::ProfileTab);
    QTRY_COMPARE(label("nameLabel"), QStringLiteral("Ada"));
    answerInputs({Cancel, QStringLiteral("   "), QStringLiteral("  Ada L. ")});
    QVERIFY(click("editNameButton"));
    QVERIFY(click("editNameButton"));
    QVERIFY(click("editNameButton"));
    QVERIFY(!find<QPushButton>("editNameButton")->isEnabled());
    QTRY_COMPARE(message(), QStringLiteral("Display name updated."));
    QCOMPARE(find<QLabel>("messageLabel")->styleSheet(), QStringLiteral("color: #2E7D32; padding: 4px;"));
    QCOMPARE(label("nameLabel"), QStringLiteral("Ada L."));
    QCOMPARE(m_world->services.auth()->user(m_world->userId).displayName, QStringLiteral("Ada L."));
    QCOMPARE(requests("PATCH", "/users/me"), 1);

    m_world->fail("PATCH", authRoute("/users/me"), FakeFault::status(500));
    answerInputs({QStringLiteral("Countess")});
    QVERIFY(click("editNameButton"));
    QTRY_COMPARE(message(), QStringLiteral("Failed to update profile."));
    QCOMPARE(find<QLabel>("messageLabel")->styleSheet(), QStringLiteral("color: #C62828; padding: 4px;"));
    QCOMPARE(label("nameLabel"), QStringLiteral("Ada L."));
    QVERIFY(find<QPushButton>("editNameButton")->isEnabled());

    // Each message has its own timer, and the earlier one clears the later text.
    const QList<QTimer*> timers = find<QLabel>("messageLabel")->findChildren<QTimer*>("messageClearTimer");
    QCOMPARE(timers.size(), 2);
    QCOMPARE(timers.at(0)->interval(), AccountScreen::SuccessMessageMs);
    QCOMPARE(timers.at(1)->interval(), AccountScreen::ErrorMessageMs);
    timers.at(0)->start(0);
    QTRY_COMPARE(message(), QString());

    QSignalSpy logout(m_screen.get(), &AccountScreen::logoutRequested);
    QVERIFY(click("signOutButton"));
    QCOMPARE(logout.count(), 1);
}

void TestAccountScreen::passwordChange_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("password");
    const QString changed = QStringLiteral(" 12345678");
    QTest::newRow("current cancelled") << QStringList{Cancel} << "" << Password;
    QTest::newRow("current left empty") << QStringList{""} << "" << Password;
    QTest::newRow("new left empty") << QStringList{Password, ""} << "" << Password;
    QTest::newRow("7 characters, not confirmed")
        << QStringList{Password, "1234567"} << "Password must be at least 8 characters." << Password;
    QTest::newRow("confirmation cancelled") << QStringList{Password, changed, Cancel} << "Passwords do not match."
                                            << Password;
    QTest::newRow("confirmation differs") << QStringList{Password, changed, "12345678"} << "Passwords do not match."
                                          << Password;
    QTest::newRow("wrong current") << QStringList{"guess", changed, changed} << "Failed to change password."
                                   << Password;
    QTest::newRow("changed, untrimmed") << QStringList{Password, changed, changed} << "Password changed." << changed;
}

void TestAccountScreen::passwordChange()
{
    QFETCH(QStringList, answers);
    QFETCH(QString, shown);
    QFETCH(QString, password);
    openScreen(AccountScreen::ProfileTab);
    answerInputs(answers);
    QVERIFY(click("changePasswordButton"));
    QCOMPARE(InputDialog::lastEchoMode(), QLineEdit::Password);
    const bool sent = answers.size() == 3 && answers.last() == answers.at(1);
    // Off while the change is on its way.
    QCOMPARE(find<QPushButton>("changePasswordButton")->isEnabled(), !sent);
    // What is refused here is said at once, and a message would clear itself
    // while a later check waited.
    if (sent)
        QTRY_COMPARE(message(), shown);
    else
        QCOMPARE(message(), shown);
    settle();
    QCOMPARE(requests("POST", "/users/me/password"), sent ? 1 : 0);
    QCOMPARE(m_world->services.auth()->user(m_world->userId).password, password);
    QVERIFY(find<QPushButton>("changePasswordButton")->isEnabled());
}

void TestAccountScreen::deletionNeedsTheExactWord_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("failure");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("scheduled");
    QTest::newRow("cancelled") << Cancel << 0 << "" << false;
    QTest::newRow("lower case") << "delete" << 0 << "" << false;
    QTest::newRow("leading space") << " DELETE" << 0 << "" << false;
    QTest::newRow("server error") << "DELETE" << 500 << "Failed to delete account." << false;
    QTest::newRow("scheduled") << "DELETE" << 0 << "" << true;
}

void TestAccountScreen::deletionNeedsTheExactWord()
{
    QFETCH(QString, typed);
    QFETCH(int, failure);
    QFETCH(QString, shown);
    QFETCH(bool, scheduled);
    if (failure)
        m_world->fail("DELETE", FakeAccountService::apiPath("/profile"), FakeFault::status(failure));
    openScreen(AccountScreen::PrivacyTab);
    QString boxBeforeSignOut = QStringLiteral("no sign-out");
    connect(m_screen.get(), &AccountScreen::logoutRequested, this,
            [&boxBeforeSignOut] { boxBeforeSignOut = MessageBox::lastTitle(); });
    answerInputs({typed});
    if (scheduled)
        MessageBox::setNextAnswer(QMessageBox::Ok);
    QVERIFY(click("deleteAccountButton"));
    if (typed == QLatin1String("DELETE"))
        QTRY_COMPARE(message(), shown);
    else
        QCOMPARE(message(), shown);
    settle();
    QTRY_COMPARE(boxBeforeSignOut, scheduled ? QStringLiteral("Account Scheduled for Deletion") : "no sign-out");
    QCOMPARE(requests("DELETE", "/profile"), typed == QLatin1String("DELETE") ? 1 : 0);
    QCOMPARE(m_world->services.account()->isDeletionScheduled(m_world->userId), scheduled);
}

void TestAccountScreen::failedActionsSayWhatFailed_data()
{
    QTest::addColumn<bool>("owner");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QString>("route");
    QTest::addColumn<FakeFault>("fault");
    QTest::addColumn<QStringList>("answers");
    // The last prompt's title and label, the message, and whether the button works again.
    QTest::addColumn<QStringList>("seen");

    const QString me = QStringLiteral("auth:/users/me");
    const QString password = QStringLiteral("auth:/users/me/password");
    const QString join = FakeAccountService::apiPath(QStringLiteral("/group/join/{code}"));
    const QString invite = FakeAccountService::apiPath(QStringLiteral("/group/invite"));
    const QStringList newPassword{Password, QStringLiteral("12345678"), QStringLiteral("12345678")};
    const FakeFault noAnswer = FakeFault::drop();
    const FakeFault serverError = FakeFault::status(500);
    const int profile = AccountScreen::ProfileTab;
    const int group = AccountScreen::GroupTab;

    QTest::newRow("display name, no answer")
        << false << profile << "editNameButton" << QByteArray("PATCH") << me << noAnswer << QStringList{"Countess"}
        << QStringList{"Edit Display Name", "Display name:", "Failed to update profile.", "enabled"};
    QTest::newRow("password, no answer")
        << false << profile << "changePasswordButton" << QByteArray("POST") << password << noAnswer << newPassword
        << QStringList{"Change Password", "Confirm new password:", "Failed to change password.", "enabled"};
    QTest::newRow("password, server error")
        << false << profile << "changePasswordButton" << QByteArray("POST") << password << serverError << newPassword
        << QStringList{"Change Password", "Confirm new password:", "Failed to change password.", "enabled"};
    QTest::newRow("deletion, no answer")
        << false << int(AccountScreen::PrivacyTab) << "deleteAccountButton" << QByteArray("DELETE")
        << FakeAccountService::apiPath(QStringLiteral("/profile")) << noAnswer << QStringList{"DELETE"}
        << QStringList{"Delete Account",
                       "This will schedule your account for permanent deletion after 30 days.\n\n"
                       "Type DELETE to confirm:",
                       "Failed to delete account.", "enabled"};
    QTest::newRow("join, server error")
        << false << group << "joinGroupButton" << QByteArray("POST") << join << serverError << QStringList{" ABC "}
        << QStringList{"Join Group", "Enter invite code:", "Invalid or expired invite code.", "enabled"};
    QTest::newRow("join, no answer")
        << false << group << "joinGroupButton" << QByteArray("POST") << join << noAnswer << QStringList{"ABC"}
        << QStringList{"Join Group", "Enter invite code:", "Invalid or expired invite code.", "enabled"};
    QTest::newRow("invitation, no answer")
        << true << group << "inviteByEmailButton" << QByteArray("POST") << invite << noAnswer
        << QStringList{"dan@example.test"}
        << QStringList{"Invite by Email", "Email address:", "Failed to send invitation.", "enabled"};
    QTest::newRow("invite code, no answer")
        << true << group << "generateInviteCodeButton" << QByteArray("POST") << invite << noAnswer << QStringList()
        << QStringList{"no prompt", "no prompt", "Failed to generate code.", "enabled"};
}

// Every action's failure, an error status or no answer at all, reaches the
// message line, and nothing stays switched off.
void TestAccountScreen::failedActionsSayWhatFailed()
{
    QFETCH(bool, owner);
    QFETCH(int, tab);
    QFETCH(QString, button);
    QFETCH(QByteArray, method);
    QFETCH(QString, route);
    QFETCH(FakeFault, fault);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, seen);
    route = resolve(route);
    if (owner)
        ownGroup();
    openScreen(AccountScreen::Tab(tab));
    QTRY_VERIFY(find<QPushButton>(button));
    // A dropped connection is tried again once by the network stack.
    m_world->fail(method, route, fault, FakeHttpServer::Forever);
    answerInputs(answers);
    QVERIFY(click(button));
    QTRY_VERIFY(!message().isEmpty());
    const bool prompted = !answers.isEmpty();
    QCOMPARE((QStringList{prompted ? InputDialog::lastTitle() : QStringLiteral("no prompt"),
                          prompted ? InputDialog::lastLabel() : QStringLiteral("no prompt"), message(),
                          find<QPushButton>(button)->isEnabled() ? QStringLiteral("enabled")
                                                                 : QStringLiteral("disabled")}),
             seen);
    QVERIFY(m_world->requests(method, route.section(QLatin1Char('{'), 0, 0)) >= 1);
    QCOMPARE(m_world->services.auth()->user(m_world->userId).displayName, QStringLiteral("Ada"));
    QCOMPARE(fake()->isDeletionScheduled(m_world->userId), false);
}

void TestAccountScreen::ownerManagesTheGroup()
{
    ownGroup();
    openScreen(AccountScreen::GroupTab);
    answerInputs({Cancel, QStringLiteral(" dan@example.test ")});
    QVERIFY(click("inviteByEmailButton"));
    QVERIFY(click("inviteByEmailButton"));
    QTRY_COMPARE(message(), QStringLiteral("Invitation sent."));
    QTRY_COMPARE(rows("invitationRow"), QStringList({"dan@example.test|[Revoke]"}));
    QCOMPARE(requests("POST", "/group/invite"), 1);
    m_world->fail("POST", FakeAccountService::apiPath("/group/invite"), FakeFault::status(500), 2);
    answerInputs({QStringLiteral("eve@example.test")});
    QVERIFY(click("inviteByEmailButton"));
    QTRY_COMPARE(message(), QStringLiteral("Failed to send invitation."));

    // A failed code leaves the page alone; a good one is shown, then the page reloads.
    const int groupLoads = requests("GET", "/group");
    QVERIFY(click("generateInviteCodeButton"));
    QTRY_COMPARE(message(), QStringLiteral("Failed to generate code."));
    MessageBox::setNextAnswer(QMessageBox::Ok);
    QVERIFY(click("generateInviteCodeButton"));
    QTRY_COMPARE(rows("invitationRow").size(), 2);
    QCOMPARE(requests("GET", "/group"), groupLoads + 1);
    const QString code = fake()->group(fake()->groupOf(m_world->userId)).invitations.constLast().code;
    QCOMPARE(MessageBox::lastText(), "Share this code with the person you want to invite:\n\n" + code);

    QVERIFY(click("revokeInvitationButton"));
    QCOMPARE(message(), QStringLiteral("Invitation revoked."));
    QTRY_COMPARE(rows("invitationRow"), QStringList({"Invite code: " + code + "|[Revoke]"}));

    MessageBox::setNextAnswer(QMessageBox::No);
    QVERIFY(click("removeMemberButton"));
    QCOMPARE(MessageBox::lastText(), QStringLiteral("Remove Bob from the group?"));
    MessageBox::setNextAnswer(QMessageBox::Yes);
    QVERIFY(click("removeMemberButton"));
    QCOMPARE(message(), QStringLiteral("Bob removed."));
    QTRY_COMPARE(rows("memberRow"), QStringList({"Ada|ada@example.test|Owner"}));
    QCOMPARE(requests("DELETE", "/group/members/"), 1);
}

void TestAccountScreen::memberJoinsAndLeaves()
{
    fake()->createGroup(m_world->userId, QStringLiteral("Lovelace"));
    m_world->signInAs(m_world->userId);
    const QString code = inviteCode();
    await<GroupInvitation>([this](auto done) { account()->inviteByEmail("dan@example.test", done); });
    m_world->signInAs(m_world->bob);
    openScreen(AccountScreen::GroupTab);
    answerInputs({QStringLiteral("   "), QStringLiteral("WRONG"), " " + code + " "});
    QVERIFY(click("joinGroupButton"));
    QCOMPARE(message(), QString());
    QVERIFY(click("joinGroupButton"));
    QTRY_COMPARE(message(), QStringLiteral("Invalid or expired invite code."));
    QCOMPARE(requests("POST", "/group/join/"), 1);
    QVERIFY(click("joinGroupButton"));
    QTRY_COMPARE(message(), QStringLiteral("Joined group."));
    QTRY_COMPARE(sorted(rows("memberRow")), QStringList({"Ada|ada@example.test|Owner", "Bob|bob@example.test"}));
    // Dan's invitation is pending, but only the owner sees it.
    QVERIFY(rows("invitationRow").isEmpty());
    QVERIFY(!shows(QStringLiteral("Pending Invitations")));
    QVERIFY(!find<QPushButton>("inviteByEmailButton"));

    MessageBox::setNextAnswer(QMessageBox::No);
    QVERIFY(click("leaveGroupButton"));
    QCOMPARE(MessageBox::lastText(), QStringLiteral("Leave this group? You will lose access to shared data."));
    MessageBox::setNextAnswer(QMessageBox::Yes);
    QVERIFY(click("leaveGroupButton"));
    QCOMPARE(message(), QStringLiteral("Left group."));
    QTRY_VERIFY(find<QPushButton>("joinGroupButton"));
    QCOMPARE(requests("POST", "/group/leave"), 1);
    QCOMPARE(fake()->groupOf(m_world->bob), QString());
}

void TestAccountScreen::refusedRemovalsShowTheItemAgain_data()
{
    QTest::addColumn<QString>("viewer");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("asks");
    QTest::addColumn<QString>("route");
    QTest::addColumn<QString>("reload");
    QTest::addColumn<QString>("rowName");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("rowsAfter");

    const QString group = FakeAccountService::apiPath(QStringLiteral("/group"));
    QTest::newRow("member") << "owner" << int(AccountScreen::GroupTab) << "removeMemberButton" << true
                            << FakeAccountService::apiPath(QStringLiteral("/group/members/{id}")) << group
                            << "memberRow" << "Bob removed."
                            << QStringList{"Ada|ada@example.test|Owner", "Bob|bob@example.test|[Remove]"};
    QTest::newRow("invitation") << "owner" << int(AccountScreen::GroupTab) << "revokeInvitationButton" << false
                                << FakeAccountService::apiPath(QStringLiteral("/group/invitations/{id}")) << group
                                << "invitationRow" << "Invitation revoked."
                                << QStringList{"dan@example.test|[Revoke]"};
    QTest::newRow("leaving") << "member" << int(AccountScreen::GroupTab) << "leaveGroupButton" << true
                             << FakeAccountService::apiPath(QStringLiteral("/group/leave")) << group << "memberRow"
                             << "Left group." << QStringList{"Ada|ada@example.test|Owner", "Bob|bob@example.test"};
    QTest::newRow("device") << "owner" << int(AccountScreen::DevicesTab) << "removeDeviceButton" << true
                            << FakeAccountService::apiPath(QStringLiteral("/devices/{id}"))
                            << FakeAccountService::apiPath(QStringLiteral("/devices")) << "deviceRow"
                            << "Device removed." << QStringList{"Laptop|linux|Unknown|[Remove]"};
    QTest::newRow("session") << "owner" << int(AccountScreen::SecurityTab) << "revokeSessionButton" << false
                             << "auth:/users/me/sessions/{id}" << "auth:/users/me/sessions"
                             << "sessionRow" << "Session revoked."
                             << QStringList{"Unknown client|This session" + Dot + "127.0.0.1|Current",
                                            "Unknown client|Unknown" + Dot + "127.0.0.1|[Revoke]"};
}

// Removals report success at once; when the service refused, the page's
// deferred reload shows the item still there.
void TestAccountScreen::refusedRemovalsShowTheItemAgain()
{
    QFETCH(QString, viewer);
    QFETCH(int, tab);
    QFETCH(QString, button);
    QFETCH(bool, asks);
    QFETCH(QString, route);
    QFETCH(QString, reload);
    QFETCH(QString, rowName);
    QFETCH(QString, shown);
    QFETCH(QStringList, rowsAfter);
    route = resolve(route);
    reload = resolve(reload);
    ownGroup();
    await<GroupInvitation>([this](auto done) { account()->inviteByEmail("dan@example.test", done); });
    registerDevice(QStringLiteral("Laptop"), QStringLiteral("linux"), QString());
    if (viewer == QLatin1String("member"))
        m_world->signInAs(m_world->bob);
    openScreen(AccountScreen::Tab(tab));
    QTRY_VERIFY(!rows(rowName).isEmpty());
    QPointer<QWidget> before = find<QWidget>(rowName);

    m_world->fail(button == QLatin1String("leaveGroupButton") ? "POST" : "DELETE", route, FakeFault::status(500));
    const int reloads = m_world->services.http()->requestsTo(reload).size();
    if (asks)
        MessageBox::setNextAnswer(QMessageBox::Yes);
    QVERIFY(click(button));
    QCOMPARE(message(), shown);
    QTRY_VERIFY(!before);
    QCOMPARE(m_world->services.http()->requestsTo(reload).size(), reloads + 1);
    QCOMPARE(sorted(rows(rowName)), rowsAfter);
}

// The sessions list shows at most 60 characters of a client's name.
void TestAccountScreen::longClientNamesAreCut()
{
    const QString sixty = QString(58, QLatin1Char('a')) + QStringLiteral("/1");
    const QString sixtyOne = QString(59, QLatin1Char('b')) + QStringLiteral("/1");
    for (const QString& agent : {sixty, sixtyOne})
        signInFromBrowser(agent.toLatin1());
    openScreen(AccountScreen::SecurityTab);
    QTRY_COMPARE(sorted(rows("sessionRow")),
                 QStringList({"Unknown client|This session" + Dot + "127.0.0.1|Current",
                              sixty + "|Unknown" + Dot + "127.0.0.1|[Revoke]",
                              sixtyOne.left(60) + "...|Unknown" + Dot + "127.0.0.1|[Revoke]"}));
}

// The screen outlives a sign-out; the next user's role decides what it offers.
void TestAccountScreen::ownerTestFollowsWhoeverIsSignedIn()
{
    ownGroup();
    openScreen(AccountScreen::GroupTab);
    QTRY_VERIFY(find<QPushButton>("inviteByEmailButton"));
    auth()->logout();
    m_world->signInAs(m_world->bob);
    m_screen->refreshAll();
    QVERIFY(find<QPushButton>("deleteAccountButton")->isEnabled());
    QVERIFY(find<QLabel>("ownerNoteLabel")->isHidden());
    QTRY_VERIFY(find<QPushButton>("leaveGroupButton"));
    QVERIFY(!find<QPushButton>("inviteByEmailButton"));
}

void TestAccountScreen::repliesAfterTheWindowClosedDoNothing()
{
    openScreen(AccountScreen::ProfileTab);
    answerInputs({QStringLiteral("Late")});
    QVERIFY(click("editNameButton"));
    m_screen.reset();
    QTRY_COMPARE(m_world->services.auth()->user(m_world->userId).displayName, QStringLiteral("Late"));
    settle();
    QCOMPARE(requests("GET", "/group") + requests("GET", "/devices") + requests("GET", "/sessions"), 3);
}

VELLUMRY_TEST_MAIN(TestAccountScreen)
#include "tst_accountscreen.moc"
