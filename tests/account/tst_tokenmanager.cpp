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
using Results = QList<RefreshResult>;

namespace {

constexpr qint64 Now = 1'800'000'000;

QString tokenWith(const QJsonObject& payload)
{
    return FakeAuthService::unsignedToken(payload);
}

QString tokenExpiringAt(qint64 exp)
{
    return tokenWith(QJsonObject{{QStringLiteral("sub"), QStringLiteral("u")}, {QStringLiteral("exp"), exp}});
}

} // namespace

class TestTokenManager : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void expiry_data();
    void expiry();
    void claims_data();
    void claims();

    void refreshIsSingleFlight();
    void refreshWithoutTokenOrRefresherIsRejected();
    void failedRefreshLeavesTokensAlone_data();
    void failedRefreshLeavesTokensAlone();
    void callbackMayStartTheNextRefresh();
    void successWithoutTokens();
    void clearDuringRefreshDiscardsItsResult();
    void signInDuringRefreshSupersedesIt();
    void hungRefresherTimesOut();
    void tokensPersistInTheStore();

private:
    // Records the refresh the manager asks for; the test answers it when it likes.
    struct Call
    {
        QString refreshToken;
        TokenManager::SuccessContinuation succeed;
        TokenManager::FailureContinuation fail;
    };
    TokenManager::RefreshCallback record()
    {
        return [this](RefreshResult result) { m_results.append(result); };
    }

    std::unique_ptr<TokenManager> m_manager;
    MemoryTokenStore* m_store = nullptr;
    QList<Call> m_calls;
    Results m_results;
};

void TestTokenManager::init()
{
    EpochClock::setFixedNowSeconds(Now);
    auto store = std::make_unique<MemoryTokenStore>();
    m_store = store.get();
    m_manager = std::make_unique<TokenManager>(std::move(store));
    m_calls.clear();
    m_results.clear();
    m_manager->setRefresher([this](const QString& refreshToken, TokenManager::SuccessContinuation succeed,
                                   TokenManager::FailureContinuation fail) {
        m_calls.append(Call{refreshToken, std::move(succeed), std::move(fail)});
    });
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

    QTest::newRow("31 s left") << tokenExpiringAt(Now + 31) << "rt" << true << false;
    QTest::newRow("30 s left") << tokenExpiringAt(Now + 30) << "rt" << false << true;
    QTest::newRow("30 s left, no refresh token") << tokenExpiringAt(Now + 30) << QString() << false << false;
    QTest::newRow("no exp") << tokenWith(QJsonObject{{QStringLiteral("sub"), QStringLiteral("u")}}) << "rt" << false
                            << true;
    QTest::newRow("exp as text") << tokenWith(QJsonObject{{QStringLiteral("exp"), QString::number(Now + 600)}}) << "rt"
                                 << false << true;
    // Past the 32-bit range, which ends in January 2038.
    QTest::newRow("exp in 2100") << tokenExpiringAt(4'102'444'800) << "rt" << true << false;
    QTest::newRow("no access token") << QString() << "rt" << false << true;
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

void TestTokenManager::claims_data()
{
    QTest::addColumn<QString>("token");
    QTest::addColumn<QString>("groupId");
    QTest::addColumn<QString>("role");
    QTest::addColumn<QString>("subject");

    const auto withOrv = [](const QJsonValue& orv) {
        return tokenWith(QJsonObject{{QStringLiteral("sub"), QStringLiteral("u")},
                                     {QStringLiteral("custom"), QJsonObject{{QStringLiteral("orv"), orv}}}});
    };
    const auto part = [](const QByteArray& bytes) {
        return QString::fromLatin1(bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
    };
    QTest::newRow("group and role") << withOrv(QJsonObject{{"group_id", "g-1"}, {"role", "owner"}}) << "g-1"
                                    << "owner" << "u";
    QTest::newRow("role only") << withOrv(QJsonObject{{"role", "member"}}) << QString() << "member" << "u";
    QTest::newRow("orv not an object") << withOrv(QStringLiteral("g-1")) << QString() << QString() << "u";
    QTest::newRow("no custom") << tokenExpiringAt(Now) << QString() << QString() << "u";
    QTest::newRow("single part") << part(R"({"sub":"u"})") << QString() << QString() << QString();
    QTest::newRow("payload not base64url") << "aGVhZA.!!!not*base64!!!.sig" << QString() << QString() << QString();
    QTest::newRow("payload not JSON") << "aGVhZA." + part("sub=u") + "." << QString() << QString() << QString();
    QTest::newRow("payload an array") << "aGVhZA." + part(R"(["u"])") + "." << QString() << QString() << QString();
}

void TestTokenManager::claims()
{
    QFETCH(QString, token);
    QFETCH(QString, groupId);
    QFETCH(QString, role);
    QFETCH(QString, subject);
    const OrvaAccount::OrvClaims claims = OrvaAccount::decodeClaims(token);
    QCOMPARE(claims.groupId, groupId);
    QCOMPARE(claims.role, role);
    QCOMPARE(TokenManager::accessTokenSubject(token), subject);
    if (subject.isEmpty())
        QCOMPARE(TokenManager::accessTokenExpiry(token), qint64(0));
}

void TestTokenManager::refreshIsSingleFlight()
{
    m_manager->setTokens(tokenExpiringAt(Now + 10), QStringLiteral("rt-1"));
    QList<int> order;
    for (int caller = 1; caller <= 3; ++caller)
        m_manager->refresh([&order, caller](RefreshResult result) {
            order.append(result == RefreshResult::Success ? caller : -caller);
        });
    QCOMPARE(m_calls.size(), 1);
    QCOMPARE(m_calls.at(0).refreshToken, QStringLiteral("rt-1"));
    QVERIFY(m_manager->isRefreshing());

    const QString fresh = tokenExpiringAt(Now + 900);
    m_calls.at(0).succeed(fresh, QStringLiteral("rt-2"));
    QCOMPARE(order, QList<int>({1, 2, 3}));
    QVERIFY(!m_manager->isRefreshing());
    QCOMPARE(m_manager->validAccessToken(), fresh);
    QCOMPARE(m_store->read(TokenStore::accessTokenKey()), std::optional<QString>(fresh));
    QCOMPARE(m_store->read(TokenStore::refreshTokenKey()), std::optional<QString>(QStringLiteral("rt-2")));

    // A second answer from the same refresher changes nothing.
    m_calls.at(0).succeed(tokenExpiringAt(Now + 5), QStringLiteral("rt-stale"));
    QCOMPARE(m_manager->refreshToken(), QStringLiteral("rt-2"));
    QCOMPARE(order.size(), 3);
}

void TestTokenManager::refreshWithoutTokenOrRefresherIsRejected()
{
    m_manager->refresh(record());
    QVERIFY(m_calls.isEmpty());

    TokenManager withoutRefresher(std::make_unique<MemoryTokenStore>());
    withoutRefresher.setTokens(QString(), QStringLiteral("rt-1"));
    withoutRefresher.refresh(record());
    QCOMPARE(m_results, Results({RefreshResult::Rejected, RefreshResult::Rejected}));
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
    m_manager->refresh(record());
    m_manager->refresh(record());
    m_calls.at(0).fail(rejected);

    QCOMPARE(m_results, Results({expected, expected}));
    QCOMPARE(m_manager->refreshToken(), QStringLiteral("rt-1"));
    QCOMPARE(m_store->read(TokenStore::accessTokenKey()), std::optional<QString>(access));
    QVERIFY(!m_manager->isRefreshing());
}

void TestTokenManager::callbackMayStartTheNextRefresh()
{
    m_manager->setTokens(QString(), QStringLiteral("rt-1"));
    m_manager->refresh([this](RefreshResult result) {
        m_results.append(result);
        m_manager->refresh(record());
    });
    m_calls.at(0).fail(false);
    QCOMPARE(m_calls.size(), 2);
    m_calls.at(1).succeed(tokenExpiringAt(Now + 900), QStringLiteral("rt-2"));
    QCOMPARE(m_results, Results({RefreshResult::TransientFailure, RefreshResult::Success}));
}

void TestTokenManager::successWithoutTokens()
{
    // No access token in a success: the session is kept and the callers hear
    // of a passing failure.
    m_manager->setTokens(QString(), QStringLiteral("rt-1"));
    m_manager->refresh(record());
    QTest::ignoreMessage(QtWarningMsg, "TokenManager: token refresh answered without an access token");
    m_calls.at(0).succeed(QString(), QStringLiteral("rt-2"));
    QCOMPARE(m_results, Results{RefreshResult::TransientFailure});
    QCOMPARE(m_manager->refreshToken(), QStringLiteral("rt-1"));

    // No new refresh token: the one held stays.
    const QString fresh = tokenExpiringAt(Now + 900);
    m_manager->refresh(record());
    m_calls.at(1).succeed(fresh, QString());
    QCOMPARE(m_results.constLast(), RefreshResult::Success);
    QCOMPARE(m_manager->validAccessToken(), fresh);
    QCOMPARE(m_store->read(TokenStore::refreshTokenKey()), std::optional<QString>(QStringLiteral("rt-1")));
}

void TestTokenManager::clearDuringRefreshDiscardsItsResult()
{
    m_manager->setTokens(tokenExpiringAt(Now + 5), QStringLiteral("rt-1"));
    m_manager->refresh(record());
    m_manager->clear();
    QCOMPARE(m_results, Results{RefreshResult::Rejected});
    QVERIFY(!m_manager->isRefreshing());

    // The reply that was on its way arrives after the sign-out.
    m_calls.at(0).succeed(tokenExpiringAt(Now + 900), QStringLiteral("rt-2"));
    QCOMPARE(m_results.size(), 1);
    m_manager->loadTokens();
    QCOMPARE(m_manager->validAccessToken(), QString());
    QCOMPARE(m_manager->refreshToken(), QString());
    QVERIFY(!m_store->contains(TokenStore::accessTokenKey()));
    QVERIFY(!m_store->contains(TokenStore::refreshTokenKey()));
}

void TestTokenManager::signInDuringRefreshSupersedesIt()
{
    m_manager->setTokens(tokenExpiringAt(Now + 5), QStringLiteral("rt-old"));
    m_manager->refresh(record());
    const QString signedIn = tokenExpiringAt(Now + 900);
    m_manager->setTokens(signedIn, QStringLiteral("rt-new"));
    QCOMPARE(m_results, Results{RefreshResult::Success});

    m_calls.at(0).succeed(tokenExpiringAt(Now + 600), QStringLiteral("rt-of-old-session"));
    QCOMPARE(m_manager->validAccessToken(), signedIn);
    QCOMPARE(m_manager->refreshToken(), QStringLiteral("rt-new"));
}

void TestTokenManager::hungRefresherTimesOut()
{
    m_manager->setRefreshTimeout(50);
    m_manager->setTokens(QString(), QStringLiteral("rt-1"));
    m_manager->refresh(record());
    m_manager->refresh(record());
    QTest::ignoreMessage(QtWarningMsg, "TokenManager: token refresh timed out");
    QTRY_COMPARE(m_results, Results({RefreshResult::TransientFailure, RefreshResult::TransientFailure}));
    QVERIFY(!m_manager->isRefreshing());

    // The next caller gets a refresh of its own; the hung one's late answer no longer counts.
    m_manager->refresh(record());
    QCOMPARE(m_calls.size(), 2);
    m_calls.at(0).fail(true);
    QCOMPARE(m_results.size(), 2);
    m_calls.at(1).succeed(tokenExpiringAt(Now + 900), QStringLiteral("rt-2"));
    QCOMPARE(m_results.constLast(), RefreshResult::Success);
}

void TestTokenManager::tokensPersistInTheStore()
{
    QTemporaryDir folder;
    const QString access = tokenExpiringAt(Now + 900);
    TokenManager(std::make_unique<FileTokenStore>(folder.path())).setTokens(access, QStringLiteral("rt-1"));
    {
        TokenManager reader(std::make_unique<FileTokenStore>(folder.path()));
        reader.loadTokens();
        QCOMPARE(reader.validAccessToken(), access);
        QCOMPARE(reader.refreshToken(), QStringLiteral("rt-1"));
        reader.clear();
    }
    TokenManager afterSignOut(std::make_unique<FileTokenStore>(folder.path()));
    afterSignOut.loadTokens();
    QCOMPARE(afterSignOut.refreshToken(), QString());

    // A store that cannot be written does not end the session in memory.
    m_store->setWritable(false);
    m_manager->setTokens(access, QStringLiteral("rt-1"));
    QCOMPARE(m_manager->validAccessToken(), access);
    QVERIFY(!m_store->contains(TokenStore::accessTokenKey()));
}

VELLUMRY_TEST_GUILESS_MAIN(TestTokenManager)

#include "tst_tokenmanager.moc"
