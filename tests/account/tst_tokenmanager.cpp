#include "TestMain.h"

#include "FakeAuthService.h"
#include "account/EpochClock.h"
#include "account/FileTokenStore.h"
#include "account/MemoryTokenStore.h"
#include "account/OrvClaims.h"
#include "account/TokenManager.h"

#include <QTemporaryDir>

using OrvaAccount::EpochClock;
using OrvaAccount::FileTokenStore;
using OrvaAccount::MemoryTokenStore;
using OrvaAccount::RefreshResult;
using OrvaAccount::TokenManager;
using OrvaAccount::TokenStore;

namespace {

constexpr qint64 Now = 1'800'000'000;

QString tokenWith(const QJsonObject& payload)
{
    return FakeAuthService::unsignedToken(payload);
}

QString tokenExpiringAt(qint64 exp)
{
    return tokenWith(QJsonObject{{QStringLiteral("sub"), QStringLiteral("user-1")}, {QStringLiteral("exp"), exp}});
}

// Stands in for the authentication client: remembers every refresh it was
// asked for, and the test answers them when it likes.
struct ScriptedRefresher
{
    struct Call
    {
        QString refreshToken;
        TokenManager::SuccessContinuation succeed;
        TokenManager::FailureContinuation fail;
    };
    QList<Call> calls;

    void install(TokenManager& manager)
    {
        manager.setRefresher([this](const QString& refreshToken, TokenManager::SuccessContinuation succeed,
                                    TokenManager::FailureContinuation fail) {
            calls.append(Call{refreshToken, std::move(succeed), std::move(fail)});
        });
    }
};

} // namespace

class TestTokenManager : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void expiry_data();
    void expiry();
    void unreadableTokens_data();
    void unreadableTokens();
    void claims_data();
    void claims();

    void refreshIsSingleFlight();
    void refreshWithEmptyCallbackStillStarts();
    void refreshWithoutTokenOrRefresherIsRejected();
    void failedRefreshLeavesTokensAlone_data();
    void failedRefreshLeavesTokensAlone();
    void callbackMayStartTheNextRefresh();
    void brokenSuccessAnswers();

    void clearDuringRefreshDiscardsItsResult();
    void signInDuringRefreshSupersedesIt();
    void hungRefresherTimesOut();

    void tokensPersistInTheStore();
    void failedStoreWritesKeepTheSession();

private:
    std::unique_ptr<TokenManager> m_manager;
    MemoryTokenStore* m_store = nullptr;
    ScriptedRefresher m_refresher;
};

void TestTokenManager::init()
{
    EpochClock::setFixedNowSeconds(Now);
    auto store = std::make_unique<MemoryTokenStore>();
    m_store = store.get();
    m_manager = std::make_unique<TokenManager>(std::move(store));
    m_refresher = ScriptedRefresher();
    m_refresher.install(*m_manager);
}

void TestTokenManager::cleanup()
{
    m_manager.reset();
    EpochClock::reset();
}

void TestTokenManager::expiry_data()
{
    QTest::addColumn<QString>("accessToken");
    QTest::addColumn<QString>("refreshToken");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<bool>("needsRefresh");

    QTest::newRow("31 s left") << tokenExpiringAt(Now + 31) << QStringLiteral("rt") << true << false;
    QTest::newRow("30 s left") << tokenExpiringAt(Now + 30) << QStringLiteral("rt") << false << true;
    QTest::newRow("30 s left, no refresh token") << tokenExpiringAt(Now + 30) << QString() << false << false;
    QTest::newRow("expired") << tokenExpiringAt(Now - 1) << QStringLiteral("rt") << false << true;
    QTest::newRow("exp 0") << tokenExpiringAt(0) << QStringLiteral("rt") << false << true;
    QTest::newRow("no exp") << tokenWith(QJsonObject{{QStringLiteral("sub"), QStringLiteral("u")}})
                            << QStringLiteral("rt") << false << true;
    QTest::newRow("exp as text") << tokenWith(QJsonObject{{QStringLiteral("exp"), QString::number(Now + 600)}})
                                 << QStringLiteral("rt") << false << true;
    // Past the 32-bit range, which ends in January 2038.
    QTest::newRow("exp in 2100") << tokenExpiringAt(4'102'444'800) << QStringLiteral("rt") << true << false;
    QTest::newRow("no access token") << QString() << QStringLiteral("rt") << false << true;
    QTest::newRow("no tokens") << QString() << QString() << false << false;
}

void TestTokenManager::expiry()
{
    QFETCH(QString, accessToken);
    QFETCH(QString, refreshToken);
    QFETCH(bool, valid);
    QFETCH(bool, needsRefresh);

    m_manager->setTokens(accessToken, refreshToken);
    QCOMPARE(m_manager->validAccessToken(), valid ? accessToken : QString());
    QCOMPARE(m_manager->needsRefresh(), needsRefresh);
}

void TestTokenManager::unreadableTokens_data()
{
    QTest::addColumn<QString>("token");
    const auto part = [](const QByteArray& bytes) {
        return QString::fromLatin1(bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
    };
    QTest::newRow("empty") << QString();
    QTest::newRow("single part") << part(R"({"exp":1900000000,"sub":"u"})");
    QTest::newRow("payload not base64url") << QStringLiteral("aGVhZA.!!!not*base64!!!.sig");
    QTest::newRow("payload not JSON") << QStringLiteral("aGVhZA.") + part("exp=1900000000") + QStringLiteral(".");
    QTest::newRow("payload an array") << QStringLiteral("aGVhZA.") + part("[1900000000]") + QStringLiteral(".");
}

void TestTokenManager::unreadableTokens()
{
    QFETCH(QString, token);
    QCOMPARE(TokenManager::accessTokenExpiry(token), qint64(0));
    QCOMPARE(TokenManager::accessTokenSubject(token), QString());
    const OrvaAccount::OrvClaims claims = OrvaAccount::decodeClaims(token);
    QCOMPARE(claims.groupId, QString());
    QCOMPARE(claims.role, QString());
}

void TestTokenManager::claims_data()
{
    QTest::addColumn<QJsonObject>("payload");
    QTest::addColumn<QString>("groupId");
    QTest::addColumn<QString>("role");

    const auto withOrv = [](const QJsonValue& orv) {
        return QJsonObject{{QStringLiteral("sub"), QStringLiteral("u")},
                           {QStringLiteral("custom"), QJsonObject{{QStringLiteral("orv"), orv}}}};
    };
    QTest::newRow("group and role")
        << withOrv(QJsonObject{{QStringLiteral("group_id"), QStringLiteral("g-1")},
                               {QStringLiteral("role"), QStringLiteral("owner")}})
        << QStringLiteral("g-1") << QStringLiteral("owner");
    QTest::newRow("no custom") << QJsonObject{{QStringLiteral("sub"), QStringLiteral("u")}} << QString() << QString();
    QTest::newRow("empty orv") << withOrv(QJsonObject()) << QString() << QString();
    QTest::newRow("orv not an object") << withOrv(QStringLiteral("g-1")) << QString() << QString();
    QTest::newRow("role only") << withOrv(QJsonObject{{QStringLiteral("role"), QStringLiteral("member")}})
                               << QString() << QStringLiteral("member");
}

void TestTokenManager::claims()
{
    QFETCH(QJsonObject, payload);
    QFETCH(QString, groupId);
    QFETCH(QString, role);
    const QString token = tokenWith(payload);
    const OrvaAccount::OrvClaims claims = OrvaAccount::decodeClaims(token);
    QCOMPARE(claims.groupId, groupId);
    QCOMPARE(claims.role, role);
    QCOMPARE(TokenManager::accessTokenSubject(token), QStringLiteral("u"));
}

void TestTokenManager::refreshIsSingleFlight()
{
    m_manager->setTokens(tokenExpiringAt(Now + 10), QStringLiteral("rt-1"));
    QList<QPair<int, RefreshResult>> answers;
    for (int caller = 1; caller <= 3; ++caller)
        m_manager->refresh([&answers, caller](RefreshResult result) { answers.append({caller, result}); });

    QCOMPARE(m_refresher.calls.size(), 1);
    QCOMPARE(m_refresher.calls.at(0).refreshToken, QStringLiteral("rt-1"));
    QVERIFY(m_manager->isRefreshing());
    QVERIFY(answers.isEmpty());

    const QString fresh = tokenExpiringAt(Now + 900);
    m_refresher.calls.at(0).succeed(fresh, QStringLiteral("rt-2"));
    const QList<QPair<int, RefreshResult>> expected{
        {1, RefreshResult::Success}, {2, RefreshResult::Success}, {3, RefreshResult::Success}};
    QCOMPARE(answers, expected);
    QVERIFY(!m_manager->isRefreshing());
    QCOMPARE(m_manager->validAccessToken(), fresh);
    QCOMPARE(m_manager->refreshToken(), QStringLiteral("rt-2"));
    QCOMPARE(m_store->read(TokenStore::accessTokenKey()), std::optional<QString>(fresh));
    QCOMPARE(m_store->read(TokenStore::refreshTokenKey()), std::optional<QString>(QStringLiteral("rt-2")));

    // A second answer from the same refresher changes nothing.
    m_refresher.calls.at(0).succeed(tokenExpiringAt(Now + 5), QStringLiteral("rt-stale"));
    QCOMPARE(m_manager->refreshToken(), QStringLiteral("rt-2"));
    QCOMPARE(answers.size(), 3);
}

void TestTokenManager::refreshWithEmptyCallbackStillStarts()
{
    m_manager->setTokens(QString(), QStringLiteral("rt-1"));
    m_manager->refresh(TokenManager::RefreshCallback());
    QCOMPARE(m_refresher.calls.size(), 1);
    m_refresher.calls.at(0).succeed(tokenExpiringAt(Now + 900), QStringLiteral("rt-2"));
    QCOMPARE(m_manager->refreshToken(), QStringLiteral("rt-2"));
}

void TestTokenManager::refreshWithoutTokenOrRefresherIsRejected()
{
    QList<RefreshResult> answers;
    m_manager->refresh([&answers](RefreshResult result) { answers.append(result); });
    QCOMPARE(answers, QList<RefreshResult>{RefreshResult::Rejected});
    QVERIFY(m_refresher.calls.isEmpty());

    TokenManager withoutRefresher(std::make_unique<MemoryTokenStore>());
    withoutRefresher.setTokens(QString(), QStringLiteral("rt-1"));
    withoutRefresher.refresh([&answers](RefreshResult result) { answers.append(result); });
    QCOMPARE(answers.size(), 2);
    QCOMPARE(answers.at(1), RefreshResult::Rejected);
    QVERIFY(!withoutRefresher.isRefreshing());
}

void TestTokenManager::failedRefreshLeavesTokensAlone_data()
{
    QTest::addColumn<bool>("rejected");
    QTest::addColumn<RefreshResult>("expected");
    QTest::newRow("rejected") << true << RefreshResult::Rejected;
    QTest::newRow("transient") << false << RefreshResult::TransientFailure;
}

void TestTokenManager::failedRefreshLeavesTokensAlone()
{
    QFETCH(bool, rejected);
    QFETCH(RefreshResult, expected);
    const QString access = tokenExpiringAt(Now + 5);
    m_manager->setTokens(access, QStringLiteral("rt-1"));
    QList<RefreshResult> answers;
    m_manager->refresh([&answers](RefreshResult result) { answers.append(result); });
    m_manager->refresh([&answers](RefreshResult result) { answers.append(result); });
    m_refresher.calls.at(0).fail(rejected);

    QCOMPARE(answers, (QList<RefreshResult>{expected, expected}));
    QCOMPARE(m_manager->refreshToken(), QStringLiteral("rt-1"));
    QCOMPARE(m_store->read(TokenStore::accessTokenKey()), std::optional<QString>(access));
    QVERIFY(!m_manager->isRefreshing());
}

void TestTokenManager::callbackMayStartTheNextRefresh()
{
    m_manager->setTokens(QString(), QStringLiteral("rt-1"));
    QList<RefreshResult> answers;
    m_manager->refresh([this, &answers](RefreshResult result) {
        answers.append(result);
        m_manager->refresh([&answers](RefreshResult second) { answers.append(second); });
    });
    m_refresher.calls.at(0).fail(false);
    QCOMPARE(m_refresher.calls.size(), 2);
    m_refresher.calls.at(1).succeed(tokenExpiringAt(Now + 900), QStringLiteral("rt-2"));
    QCOMPARE(answers, (QList<RefreshResult>{RefreshResult::TransientFailure, RefreshResult::Success}));
}

void TestTokenManager::brokenSuccessAnswers()
{
    // No access token in a success: the session is kept and the callers hear
    // of a passing failure.
    m_manager->setTokens(QString(), QStringLiteral("rt-1"));
    QList<RefreshResult> answers;
    m_manager->refresh([&answers](RefreshResult result) { answers.append(result); });
    QTest::ignoreMessage(QtWarningMsg, "TokenManager: token refresh answered without an access token");
    m_refresher.calls.at(0).succeed(QString(), QString());
    QCOMPARE(answers, QList<RefreshResult>{RefreshResult::TransientFailure});
    QCOMPARE(m_manager->refreshToken(), QStringLiteral("rt-1"));

    // No new refresh token: the one held stays.
    const QString fresh = tokenExpiringAt(Now + 900);
    m_manager->refresh([&answers](RefreshResult result) { answers.append(result); });
    m_refresher.calls.at(1).succeed(fresh, QString());
    QCOMPARE(answers.constLast(), RefreshResult::Success);
    QCOMPARE(m_manager->validAccessToken(), fresh);
    QCOMPARE(m_manager->refreshToken(), QStringLiteral("rt-1"));
    QCOMPARE(m_store->read(TokenStore::refreshTokenKey()), std::optional<QString>(QStringLiteral("rt-1")));
}

void TestTokenManager::clearDuringRefreshDiscardsItsResult()
{
    m_manager->setTokens(tokenExpiringAt(Now + 5), QStringLiteral("rt-1"));
    QList<RefreshResult> answers;
    m_manager->refresh([&answers](RefreshResult result) { answers.append(result); });

    m_manager->clear();
    QCOMPARE(answers, QList<RefreshResult>{RefreshResult::Rejected});
    QVERIFY(!m_manager->isRefreshing());

    // The reply that was on its way arrives after the sign-out.
    m_refresher.calls.at(0).succeed(tokenExpiringAt(Now + 900), QStringLiteral("rt-2"));
    QCOMPARE(answers.size(), 1);
    QCOMPARE(m_manager->validAccessToken(), QString());
    QCOMPARE(m_manager->refreshToken(), QString());
    QVERIFY(!m_store->contains(TokenStore::accessTokenKey()));
    QVERIFY(!m_store->contains(TokenStore::refreshTokenKey()));

    m_manager->loadTokens();
    QCOMPARE(m_manager->refreshToken(), QString());
    m_manager->refresh([&answers](RefreshResult result) { answers.append(result); });
    QCOMPARE(answers.constLast(), RefreshResult::Rejected);
    QCOMPARE(m_refresher.calls.size(), 1);
}

void TestTokenManager::signInDuringRefreshSupersedesIt()
{
    m_manager->setTokens(tokenExpiringAt(Now + 5), QStringLiteral("rt-old"));
    QList<RefreshResult> answers;
    m_manager->refresh([&answers](RefreshResult result) { answers.append(result); });

    const QString signedIn = tokenExpiringAt(Now + 900);
    m_manager->setTokens(signedIn, QStringLiteral("rt-new"));
    QCOMPARE(answers, QList<RefreshResult>{RefreshResult::Success});

    m_refresher.calls.at(0).succeed(tokenExpiringAt(Now + 600), QStringLiteral("rt-of-old-session"));
    QCOMPARE(m_manager->validAccessToken(), signedIn);
    QCOMPARE(m_manager->refreshToken(), QStringLiteral("rt-new"));
}

void TestTokenManager::hungRefresherTimesOut()
{
    m_manager->setRefreshTimeout(50);
    m_manager->setTokens(QString(), QStringLiteral("rt-1"));
    QList<RefreshResult> answers;
    m_manager->refresh([&answers](RefreshResult result) { answers.append(result); });
    m_manager->refresh([&answers](RefreshResult result) { answers.append(result); });

    QTest::ignoreMessage(QtWarningMsg, "TokenManager: token refresh timed out");
    QTRY_COMPARE(answers.size(), 2);
    QCOMPARE(answers, (QList<RefreshResult>{RefreshResult::TransientFailure, RefreshResult::TransientFailure}));
    QVERIFY(!m_manager->isRefreshing());

    // The next caller gets a refresh of its own, and the hung one's late
    // answer no longer counts.
    m_manager->refresh([&answers](RefreshResult result) { answers.append(result); });
    QCOMPARE(m_refresher.calls.size(), 2);
    m_refresher.calls.at(0).fail(true);
    QCOMPARE(answers.size(), 2);
    m_refresher.calls.at(1).succeed(tokenExpiringAt(Now + 900), QStringLiteral("rt-2"));
    QCOMPARE(answers.constLast(), RefreshResult::Success);
}

void TestTokenManager::tokensPersistInTheStore()
{
    QTemporaryDir folder;
    const QString storeFolder = folder.filePath(QStringLiteral("tokens"));
    const QString access = tokenExpiringAt(Now + 900);
    {
        TokenManager writer(std::make_unique<FileTokenStore>(storeFolder));
        writer.setTokens(access, QStringLiteral("rt-1"));
    }
    {
        TokenManager reader(std::make_unique<FileTokenStore>(storeFolder));
        reader.loadTokens();
        QCOMPARE(reader.validAccessToken(), access);
        QCOMPARE(reader.refreshToken(), QStringLiteral("rt-1"));
        reader.clear();
    }
    TokenManager afterSignOut(std::make_unique<FileTokenStore>(storeFolder));
    afterSignOut.loadTokens();
    QCOMPARE(afterSignOut.validAccessToken(), QString());
    QCOMPARE(afterSignOut.refreshToken(), QString());
}

void TestTokenManager::failedStoreWritesKeepTheSession()
{
    m_store->setWritable(false);
    const QString access = tokenExpiringAt(Now + 900);
    m_manager->setTokens(access, QStringLiteral("rt-1"));
    QCOMPARE(m_manager->validAccessToken(), access);
    QCOMPARE(m_manager->refreshToken(), QStringLiteral("rt-1"));
    QVERIFY(!m_store->contains(TokenStore::accessTokenKey()));
}

VELLUMRY_TEST_GUILESS_MAIN(TestTokenManager)

#include "tst_tokenmanager.moc"
