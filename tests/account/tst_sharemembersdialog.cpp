#include "TestMain.h"

#include "AccountUiTestSupport.h"
#include "account/AccountClient.h"
#include "account/ApiClient.h"
#include "account/ui/ShareMembersDialog.h"
#include "sync/AccountSharingService.h"

#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>

using AccountUiTest::sorted;
using OnlineTest::await;
using OrvaAccount::ShareMembersDialog;

namespace {

const QString Bob = QStringLiteral("B|Bob|bob@example.test");
const QString Cy = QStringLiteral("C|cy@example.test");
const QString Eve = QStringLiteral("<|<i>Eve</i>|eve@example.test");

QStringList withButton(QStringList rows, const QString& button)
{
    return rows.replaceInStrings(QRegularExpression("$"), "|[" + button + "]");
}

// Shares exactly as a test lays them out, answered on a later turn of the
// event loop like the service's; entries the service would never send (no
// name, no address, an unknown id) come through this one.
class LaidOutShares : public OrvaAccount::SharingBackend
{
public:
    QList<OrvaAccount::ShareMember> shares;

    void listMembers(const QString&, MembersCallback callback) override
    {
        QTimer::singleShot(0, this, [this, callback] { callback(shares); });
    }
    void shareWith(const QString&, const QString&, const QString&, ShareCallback callback) override
    {
        QTimer::singleShot(0, this, [callback] { callback(false, QString()); });
    }
    void removeShare(const QString&, const QString&, RemoveCallback callback) override
    {
        QTimer::singleShot(0, this, [callback] { callback(false); });
    }
};

} // namespace

class TestShareMembersDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void initials_data();
    void initials();
    void sharingMovesPeopleBetweenTheLists();
    void removalAsksAndFailuresKeepTheList();
    void withoutAGroupNobodyIsOffered();
    void shareRowsNamePeople_data();
    void shareRowsNamePeople();
    void failedFetchesLeaveTheirPartEmpty_data();
    void failedFetchesLeaveTheirPartEmpty();
    void repliesAfterTheDialogClosedDoNothing();

private:
    void open(OrvaAccount::SharingBackend* backend = nullptr)
    {
        ShareMembersDialog::Texts texts;
        texts.windowTitle = QStringLiteral("Share Account");
        texts.heading = QStringLiteral("Sharing: <Bills>");
        m_dialog = std::make_unique<ShareMembersDialog>(m_world->client.get(), backend ? backend : m_sharing.get(),
                                                        m_account, texts);
        m_dialog->show();
    }
    // The add list, then which of the two hints and the empty line show.
    QStringList addSection() const
    {
        const auto shown = [this](const QString& name) {
            const QLabel* hint = label(name);
            return hint && !hint->isHidden() ? name : QString();
        };
        return addable() << shown("noGroupLabel") << shown("allSharedLabel") << shown("emptyLabel");
    }
    QStringList shared() const { return sorted(AccountUiTest::rows(m_dialog.get(), QStringLiteral("shareRow"))); }
    QStringList addable() const { return sorted(AccountUiTest::rows(m_dialog.get(), QStringLiteral("memberRow"))); }
    bool click(const QString& name, int index = 0) { return AccountUiTest::click(m_dialog.get(), name, index); }
    QLabel* label(const QString& name) const { return m_dialog->findChild<QLabel*>(name); }
    QString route(const QString& path) const { return FakeSyncService::apiPath(path); }

    std::unique_ptr<AccountUiTest::AccountWorld> m_world;
    std::unique_ptr<AccountSharingService> m_sharing;
    std::unique_ptr<ShareMembersDialog> m_dialog;
    const QString m_account = QStringLiteral("account-1");
};

void TestShareMembersDialog::init()
{
    m_world = std::make_unique<AccountUiTest::AccountWorld>();
    QVERIFY(m_world->started);
    FakeAuthService* auth = m_world->services.auth();
    FakeAccountService* accounts = m_world->services.account();
    const QString groupId = accounts->createGroup(m_world->userId, QStringLiteral("Lovelace"));
    accounts->addMember(groupId, m_world->bob);
    accounts->addMember(groupId, auth->addUser(QStringLiteral("cy@example.test")));
    accounts->addMember(groupId, auth->addUser(QStringLiteral("eve@example.test"), QStringLiteral("<i>Eve</i>")));
    m_world->signInAs(m_world->userId);
    m_world->services.sync()->putRow(m_world->userId, QStringLiteral("account"), m_account, 1, QJsonObject());
    m_world->client->syncApiClient()->setBaseUrl(m_world->services.syncApiUrl());
    m_sharing = std::make_unique<AccountSharingService>(m_world->client->syncApiClient());
}

void TestShareMembersDialog::cleanup()
{
    m_dialog.reset();
    m_sharing.reset();
    m_world.reset();
}

void TestShareMembersDialog::initials_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("initials");
    QTest::newRow("spaces around two words") << " Ann Lee " << "" << "AL";
    QTest::newRow("one word") << "ann" << "x@example.test" << "A";
    QTest::newRow("three words") << "ann b c" << "" << "AC";
    QTest::newRow("address only") << "" << "zed@example.test" << "Z";
    QTest::newRow("nothing") << "" << "" << "?";
}

void TestShareMembersDialog::initials()
{
    QFETCH(QString, name);
    QFETCH(QString, email);
    QFETCH(QString, initials);
    QCOMPARE(ShareMembersDialog::initials(name, email), initials);
}

void TestShareMembersDialog::sharingMovesPeopleBetweenTheLists()
{
    open();
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Share Account"));
    QCOMPARE(AccountUiTest::shownText(label("headingLabel")), QStringLiteral("Sharing: <Bills>"));
    // Only the owner holds the account: nobody is listed, and the user is not offered.
    const QStringList others{"<|<i>Eve</i>|eve@example.test", Bob, "C|cy@example.test"};
    QTRY_COMPARE(addable(), QStringList(others).replaceInStrings(QRegularExpression("$"), "|[Share]"));
    QCOMPARE(label("emptyLabel")->text(), QStringLiteral("Not shared with anyone yet."));
    QVERIFY(label("allSharedLabel")->isHidden());

    QSignalSpy changed(m_dialog.get(), &ShareMembersDialog::sharingChanged);
    const int bobsRow = AccountUiTest::rows(m_dialog.get(), "memberRow").indexOf(Bob + "|[Share]");
    QVERIFY(click("shareButton", bobsRow));
    // One change at a time: the second click lands while the first is on its way.
    QVERIFY(click("shareButton", (bobsRow + 1) % 3));
    QTRY_COMPARE(shared(), QStringList({Bob + "|[\u00D7]"}));
    QTRY_COMPARE(addable().size(), 2);
    // The caller left these texts empty: the dialog's own stand in.
    const auto shows = [this](const QString& text) {
        const QList<QLabel*> labels = m_dialog->findChildren<QLabel*>();
        return std::any_of(labels.cbegin(), labels.cend(), [&text](const QLabel* shown) { return shown->text() == text; });
    };
    QVERIFY(shows("People with access"));
    QVERIFY(shows("Add people"));
    QCOMPARE((QStringList{m_dialog->findChild<QPushButton*>("closeButton")->text(),
                          m_dialog->findChild<QToolButton*>("removeShareButton")->toolTip()}),
             (QStringList{"Close", "Remove access"}));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(m_world->requests("POST", "/share"), 1);
    QCOMPARE(m_world->services.sync()->shares(m_account).constFirst().userId, m_world->bob);

    QVERIFY(click("shareButton"));
    QTRY_COMPARE(addable().size(), 1);
    QVERIFY(click("shareButton"));
    QTRY_VERIFY(!label("allSharedLabel")->isHidden());
    QCOMPARE(label("allSharedLabel")->text(), QStringLiteral("All group members already have access"));
    QCOMPARE(shared(), QStringList(others).replaceInStrings(QRegularExpression("$"), "|[\u00D7]"));
}

void TestShareMembersDialog::removalAsksAndFailuresKeepTheList()
{
    await<bool>([this](auto done) {
        m_sharing->shareWith(m_account, FakeAccountService::accountId(m_world->bob), QString(), [done](bool ok, const QString&) { done(ok); });
    });
    open();
    QTRY_COMPARE(shared(), QStringList({Bob + "|[\u00D7]"}));
    QSignalSpy changed(m_dialog.get(), &ShareMembersDialog::sharingChanged);
    MessageBox::setNextAnswer(QMessageBox::No);
    QVERIFY(click("removeShareButton"));
    QCOMPARE(MessageBox::lastTitle(), QStringLiteral("Remove access?"));
    QCOMPARE(MessageBox::lastText(), QStringLiteral("Bob will no longer have access. Continue?"));

    m_world->fail("DELETE", route("/accounts/{id}/share/{user}"), FakeFault::status(500));
    MessageBox::setNextAnswer(QMessageBox::Yes);
    QVERIFY(click("removeShareButton"));
    QTRY_VERIFY(!label("errorLabel")->isHidden());
    QCOMPARE(label("errorLabel")->text(), QStringLiteral("Could not remove Bob."));
    QCOMPARE(shared().size(), 1);

    MessageBox::setNextAnswer(QMessageBox::Yes);
    QVERIFY(click("removeShareButton"));
    QVERIFY(label("errorLabel")->isHidden());
    QTRY_VERIFY(label("emptyLabel"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(m_world->requests("DELETE", "/share/"), 2);
    QVERIFY(m_world->services.sync()->shares(m_account).isEmpty());

    // The service's own words reach the error line, as text.
    m_world->fail("POST", route("/accounts/{id}/share"), FakeFault::status(409, {{"error", "<b>Paused</b>"}}));
    QVERIFY(click("shareButton"));
    QTRY_COMPARE(AccountUiTest::shownText(label("errorLabel")), QStringLiteral("<b>Paused</b>"));
}

void TestShareMembersDialog::withoutAGroupNobodyIsOffered()
{
    m_world->signInAs(m_world->services.auth()->addUser(QStringLiteral("dan@example.test")));
    open();
    QTRY_VERIFY(!label("noGroupLabel")->isHidden());
    QVERIFY(!label("noGroupLabel")->text().isEmpty());
    QVERIFY(label("allSharedLabel")->isHidden());
    QTRY_VERIFY(label("emptyLabel"));
    QVERIFY(addable().isEmpty());
}

void TestShareMembersDialog::shareRowsNamePeople_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("sharedRows");
    QTest::addColumn<QStringList>("addableRows");

    const QStringList others = withButton({Eve, Bob, Cy}, "Share");
    QTest::newRow("name and address of its own")
        << QStringList{"{bob}|bob@other.test|Robert|member"} << QStringList{"R|Robert|bob@other.test|[\u00D7]"}
        << withButton({Eve, Cy}, "Share");
    QTest::newRow("both from the group") << QStringList{"{bob}|||member"} << withButton({Bob}, "\u00D7")
                                         << withButton({Eve, Cy}, "Share");
    QTest::newRow("name from the group") << QStringList{"{bob}|bob@other.test||member"}
                                         << QStringList{"B|Bob|bob@other.test|[\u00D7]"}
                                         << withButton({Eve, Cy}, "Share");
    QTest::newRow("nobody known, by id") << QStringList{"acc-ghost|||member"} << QStringList{"?|acc-ghost|[\u00D7]"}
                                         << others;
    // The owner sees the account anyway: not listed, and still offered.
    QTest::newRow("the owner's entry") << QStringList{"{bob}|bob@example.test|Bob|owner"} << QStringList()
                                       << others;
}

void TestShareMembersDialog::shareRowsNamePeople()
{
    QFETCH(QStringList, entries);
    QFETCH(QStringList, sharedRows);
    QFETCH(QStringList, addableRows);
    LaidOutShares backend;
    for (const QString& entry : std::as_const(entries)) {
        const QStringList fields =
            QString(entry).replace("{bob}", FakeAccountService::accountId(m_world->bob)).split(QLatin1Char('|'));
        backend.shares.append({fields.at(0), fields.at(0), fields.at(1), fields.at(2), fields.at(3), QString()});
    }
    open(&backend);
    QTRY_COMPARE(addable(), addableRows);
    QTRY_COMPARE(shared(), sharedRows);
    QCOMPARE(label("emptyLabel") != nullptr, sharedRows.isEmpty());
}

void TestShareMembersDialog::failedFetchesLeaveTheirPartEmpty_data()
{
    QTest::addColumn<QString>("route");
    QTest::addColumn<QStringList>("section");

    // Without the profile nobody is recognised as the user, who is then offered
    // too; Bob already has access.
    QTest::newRow("profile") << FakeAccountService::apiPath(QStringLiteral("/profile"))
                             << withButton({Eve, "A|Ada|ada@example.test", Cy}, "Share")
                                    + QStringList{QString(), QString(), QString()};
    QTest::newRow("group") << FakeAccountService::apiPath(QStringLiteral("/group"))
                           << QStringList{"noGroupLabel", QString(), QString()};
    QTest::newRow("shares") << FakeSyncService::apiPath(QStringLiteral("/accounts/{id}/members"))
                            << withButton({Eve, Bob, Cy}, "Share") + QStringList{QString(), QString(), "emptyLabel"};
}

void TestShareMembersDialog::failedFetchesLeaveTheirPartEmpty()
{
    QFETCH(QString, route);
    QFETCH(QStringList, section);
    await<bool>([this](auto done) {
        m_sharing->shareWith(m_account, FakeAccountService::accountId(m_world->bob), QString(),
                             [done](bool ok, const QString&) { done(ok); });
    });
    m_world->fail("GET", route, FakeFault::status(500), FakeHttpServer::Forever);
    open();
    QTRY_COMPARE(m_world->services.http()->requestsTo(route).size(), 1);
    QTRY_COMPARE(addSection(), section);
    // Whatever was still on its way has arrived by now, and changed nothing.
    await<QList<OrvaAccount::ShareMember>>([this](auto done) { m_sharing->listMembers(m_account, done); });
    QCOMPARE(addSection(), section);
}

void TestShareMembersDialog::repliesAfterTheDialogClosedDoNothing()
{
    open();
    m_dialog.reset();
    await<OrvaAccount::Profile>([this](auto done) { m_world->client->accountClient()->getProfile(done); });
    await<QList<OrvaAccount::ShareMember>>([this](auto done) { m_sharing->listMembers(m_account, done); });
    // The profile's answer found no dialog, so the group was never asked for.
    QCOMPARE(m_world->requests("GET", "/profile"), 2);
    QCOMPARE(m_world->requests("GET", "/members"), 2);
    QCOMPARE(m_world->requests("GET", "/group"), 0);
}

VELLUMRY_TEST_MAIN(TestShareMembersDialog)
#include "tst_sharemembersdialog.moc"
