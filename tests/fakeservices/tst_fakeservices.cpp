#include "TestMain.h"

#include "FakeServices.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QSignalSpy>

// What the other tests rely on without seeing it: rotating refresh tokens, the
// sync service's version rules and the check that pushes never overlap.
class TestFakeServices : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void refreshTokensRotate();
    void syncServiceKeepsVersions();
    void syncServiceCountsOverlappingPushes();
    void serverProgramPrintsItsPort();

private:
    // Sends the request and answers (status, JSON body) once it finished.
    std::pair<int, QJsonObject> fetch(const QByteArray& method, const QUrl& url, const QString& token = QString(),
                                      const QJsonObject& body = QJsonObject());
    QUrl url(const QString& path) const { return m_services->http()->url(path); }
    QUrl echo() const { return url(FakeServices::accountApiPath(FakeServices::echoPath())); }

    std::unique_ptr<FakeServices> m_services;
    std::unique_ptr<QNetworkAccessManager> m_network;
    QString m_ada;
};

void TestFakeServices::init()
{
    m_services = std::make_unique<FakeServices>();
    QVERIFY(m_services->start());
    m_ada = m_services->auth()->addUser(QStringLiteral("ada@example.test"));
    m_network = std::make_unique<QNetworkAccessManager>();
}

void TestFakeServices::cleanup()
{
    m_network.reset();
    m_services.reset();
}

std::pair<int, QJsonObject> TestFakeServices::fetch(const QByteArray& method, const QUrl& url, const QString& token,
                                                    const QJsonObject& body)
{
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray("application/json"));
    if (!token.isEmpty())
        request.setRawHeader("Authorization", "Bearer " + token.toUtf8());
    std::unique_ptr<QNetworkReply> reply(
        m_network->sendCustomRequest(request, method, body.isEmpty() ? QByteArray() : QJsonDocument(body).toJson()));
    QSignalSpy finished(reply.get(), &QNetworkReply::finished);
    if (!reply->isFinished() && !finished.wait(10000))
        qWarning("no answer from the fake services");
    return {reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
            QJsonDocument::fromJson(reply->readAll()).object()};
}

void TestFakeServices::refreshTokensRotate()
{
    const FakeAuthService::TokenPair first = m_services->auth()->signIn(m_ada);
    const QUrl refresh = url(m_services->auth()->tokenRefreshPath());
    const QJsonObject spent{{QStringLiteral("refresh_token"), first.refreshToken}};

    const auto [status, pair] = fetch("POST", refresh, QString(), spent);
    QCOMPARE(status, 200);
    const QString second = pair.value(QLatin1String("refresh_token")).toString();
    QVERIFY(!second.isEmpty() && second != first.refreshToken);
    QCOMPARE(fetch("POST", refresh, QString(), spent).first, 401);
    QCOMPARE(fetch("POST", refresh, QString(), QJsonObject{{QStringLiteral("refresh_token"), second}}).first, 200);
    QCOMPARE(m_services->auth()->refreshCount(), 2);
    QCOMPARE(fetch("GET", echo(), pair.value(QLatin1String("access_token")).toString()).first, 200);
}

namespace {

QJsonObject change(const QString& id, int version, const QString& payee)
{
    return QJsonObject{{QStringLiteral("entity_type"), QStringLiteral("transaction")},
                       {QStringLiteral("entity_id"), id},
                       {QStringLiteral("action"), QStringLiteral("upsert")},
                       {QStringLiteral("version"), version},
                       {QStringLiteral("payload"), QJsonObject{{QStringLiteral("server_id"), QStringLiteral("x")},
                                                               {QStringLiteral("payee"), payee}}}};
}

QJsonObject pushBody(const QJsonArray& changes)
{
    return QJsonObject{{QStringLiteral("changes"), changes}};
}

} // namespace

void TestFakeServices::syncServiceKeepsVersions()
{
    const QString token = m_services->auth()->signIn(m_ada).accessToken;
    const auto statuses = [&](const QJsonArray& changes) {
        QStringList list;
        for (const QJsonValue& result :
             fetch("POST", url(FakeSyncService::pushPath()), token, pushBody(changes)).second.value("results").toArray())
            list.append(result.toObject().value(QLatin1String("status")).toString());
        return list;
    };
    QCOMPARE(statuses({change("t", 1, "first")}), QStringList{"ok"});
    const QString serverId = m_services->sync()->row(m_ada, "transaction", "t")->serverId;
    // The same change again (its answer was lost) is taken without a change;
    // another change at that version is refused; a newer version is taken.
    QCOMPARE(statuses({change("t", 1, "first"), change("t", 1, "other"), change("t", 2, "second")}),
             QStringList({"ok", "conflict", "ok"}));
    const FakeSyncService::Row row = *m_services->sync()->row(m_ada, "transaction", "t");
    QCOMPARE(row.serverId, serverId);
    QCOMPARE(row.version, 2);
    QCOMPARE(row.payload, (QJsonObject{{QStringLiteral("payee"), QStringLiteral("second")}}));
    QCOMPARE(m_services->sync()->pushBatchSizes(), QList<int>({1, 3}));
}

void TestFakeServices::syncServiceCountsOverlappingPushes()
{
    const QString token = m_services->auth()->signIn(m_ada).accessToken;
    m_services->sync()->setPushReplyDelay(100);
    QCOMPARE(fetch("POST", url(FakeSyncService::pushPath()), token, pushBody({change("t", 1, "one")})).first, 200);
    QCOMPARE(m_services->sync()->overlappingPushCount(), 0);

    // Two at once: the second arrives while the first is unanswered.
    QNetworkRequest request(url(FakeSyncService::pushPath()));
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray("application/json"));
    request.setRawHeader("Authorization", "Bearer " + token.toUtf8());
    std::unique_ptr<QNetworkReply> first(m_network->post(request, QJsonDocument(pushBody({change("u", 1, "")})).toJson()));
    std::unique_ptr<QNetworkReply> second(m_network->post(request, QJsonDocument(pushBody({change("v", 1, "")})).toJson()));
    QTRY_VERIFY(first->isFinished() && second->isFinished());
    QCOMPARE(m_services->sync()->overlappingPushCount(), 1);
}

void TestFakeServices::serverProgramPrintsItsPort()
{
    QProcess server;
    server.start(QStringLiteral(VELLUMRY_FAKESERVICES_SERVER), QStringList());
    QVERIFY(server.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(server.canReadLine(), 10000);
    QUrl url(QStringLiteral("http://127.0.0.1/account/echo"));
    url.setPort(server.readLine().trimmed().toInt());
    QCOMPARE(fetch("GET", url).first, 401);
    server.kill();
    QVERIFY(server.waitForFinished());
}

VELLUMRY_TEST_GUILESS_MAIN(TestFakeServices)

#include "tst_fakeservices.moc"
