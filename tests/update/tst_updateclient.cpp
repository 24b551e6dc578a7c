#include "TestMain.h"

#include "FakeUpdateSite.h"
#include "update/Client.h"
#include "update/ReleaseNotesFetcher.h"
#include "update/Web.h"

using OrvaUpdate::Artifact;
using OrvaUpdate::Client;
using OrvaUpdate::Config;
using OrvaUpdate::ReleaseNotesFetcher;

namespace {

const QString Running = QStringLiteral("1.1.10");
const QByteArray UserAgent = "OrvaUpdateQt/0.1 (vellumry)";

// Every signal a client or fetcher sent, as text.
class Outcomes : public QObject
{
public:
    explicit Outcomes(Client* client)
    {
        connect(client, &Client::updateAvailable, this,
                [this](const Artifact& artifact) { list << QStringLiteral("update ") + artifact.version; });
        connect(client, &Client::upToDate, this, [this] { list << QStringLiteral("up to date"); });
        connect(client, &Client::checkFailed, this,
                [this](const QString& reason) { list << QStringLiteral("failed: ") + reason; });
    }
    explicit Outcomes(ReleaseNotesFetcher* fetcher)
    {
        connect(fetcher, &ReleaseNotesFetcher::notesReady, this,
                [this](const QString& markdown) { list << QStringLiteral("notes: ") + markdown; });
        connect(fetcher, &ReleaseNotesFetcher::notesUnavailable, this,
                [this] { list << QStringLiteral("no notes"); });
    }

    QStringList list;
};

} // namespace

class TestUpdateClient : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void manifestAddress_data();
    void manifestAddress();
    void outcomes_data();
    void outcomes();
    void oneCheckAtATime();
    void hangingSiteEndsTheCheck();
    void notesAddresses_data();
    void notesAddresses();
    void notesLanguage_data();
    void notesLanguage();
    void hangingTranslationFallsBack();

private:
    Config config() const
    {
        return Config{QStringLiteral("vellumry"), QStringLiteral("stable"), m_site->channelUrl(), Running};
    }

    static QString site() { return QStringLiteral("https://downloads.example.test"); }

    std::unique_ptr<FakeUpdateSite> m_site;
};

void TestUpdateClient::init()
{
    m_site = std::make_unique<FakeUpdateSite>();
    QVERIFY(m_site->start());
}

void TestUpdateClient::cleanup()
{
    m_site.reset();
    OrvaUpdate::setRequestTimeout(OrvaUpdate::DefaultRequestTimeoutMs);
    ReleaseNotesFetcher::setLanguage(QString());
}

void TestUpdateClient::manifestAddress_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("query");

    QTest::newRow("folder with slash") << QStringLiteral("/vellumry/stable/") << QString();
    QTest::newRow("folder without slash") << QStringLiteral("/vellumry/stable") << QString();
    QTest::newRow("query kept") << QStringLiteral("/vellumry/stable") << QStringLiteral("mirror=eu&x=1");
}

void TestUpdateClient::manifestAddress()
{
    QFETCH(QString, path);
    QFETCH(QString, query);
    m_site->publish(QStringLiteral("1.2.0"));
    Config settings = config();
    settings.manifestBaseUrl.setPath(path);
    settings.manifestBaseUrl.setQuery(query);

    Client client(settings);
    Outcomes outcomes(&client);
    client.check();
    QTRY_COMPARE(outcomes.list, QStringList{QStringLiteral("update 1.2.0")});

    const QList<FakeRequest> requests = m_site->http()->requests();
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.first().method, QByteArray("GET"));
    QCOMPARE(requests.first().path, FakeUpdateSite::manifestPath());
    QCOMPARE(requests.first().query.toString(), query);
    QCOMPARE(requests.first().header("user-agent"), UserAgent);
}

void TestUpdateClient::outcomes_data()
{
    QTest::addColumn<QString>("published");
    QTest::addColumn<QJsonObject>("fields");
    QTest::addColumn<QByteArray>("manifest");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("running");
    QTest::addColumn<QString>("expected");

    const QString min = QStringLiteral("min_upgradable_from");
    QTest::newRow("newer release") << "1.2.0" << QJsonObject() << QByteArray() << 0 << Running << "update 1.2.0";
    QTest::newRow("same release") << "1.1.10" << QJsonObject() << QByteArray() << 0 << Running << "up to date";
    QTest::newRow("older release") << "1.1.9" << QJsonObject() << QByteArray() << 0 << Running << "up to date";
    QTest::newRow("nothing published (404)") << QString() << QJsonObject() << QByteArray() << 0 << Running
                                             << "up to date";
    QTest::newRow("server error") << "1.2.0" << QJsonObject() << QByteArray() << 500 << Running
                                  << "failed: network error: *";
    QTest::newRow("not JSON") << QString() << QJsonObject() << QByteArray("<html>maintenance</html>") << 0
                              << Running << "failed: manifest invalid: JSON parse error: *";
    const QByteArray windowsOnly = R"({"schema": 1, "app": "vellumry", "channel": "stable", "artifacts": {
        "windows-x64": {"version": "1.2.0", "released_at": "2026-11-30T12:00:00Z", "size": 1000,
                        "url": "https://downloads.example.test/vellumry-1.2.0.exe", "sha256": ")"
        + QByteArray(64, 'a') + R"("}}})";
    QTest::newRow("platform not shipped") << QString() << QJsonObject() << windowsOnly << 0 << Running
                                          << "up to date";
    QTest::newRow("too old to upgrade")
        << "1.2.0" << QJsonObject{{min, QStringLiteral("1.1.12")}} << QByteArray() << 0 << Running
        << "failed: current version 1.1.10 is older than min_upgradable_from 1.1.12; please upgrade to an "
           "intermediate release first";
    QTest::newRow("newer release, running one above its minimum")
        << "1.2.0" << QJsonObject{{min, QStringLiteral("1.0.0")}} << QByteArray() << 0 << Running << "update 1.2.0";
    QTest::newRow("same release above a minimum") << "1.1.10" << QJsonObject{{min, QStringLiteral("1.1.12")}}
                                                  << QByteArray() << 0 << Running << "up to date";
    QTest::newRow("no running version") << "1.2.0" << QJsonObject() << QByteArray() << 0 << QString()
                                        << "failed: currentVersion is empty";
    QTest::newRow("running version unreadable") << "1.2.0" << QJsonObject() << QByteArray() << 0
                                                << QStringLiteral("dev-build") << "update 1.2.0";
}

void TestUpdateClient::outcomes()
{
    QFETCH(QString, published);
    QFETCH(QJsonObject, fields);
    QFETCH(QByteArray, manifest);
    QFETCH(int, status);
    QFETCH(QString, running);
    QFETCH(QString, expected);
    if (!published.isEmpty())
        m_site->publish(published, fields);
    if (!manifest.isEmpty())
        m_site->setManifest(manifest);
    if (status != 0)
        m_site->http()->injectFault("GET", FakeUpdateSite::manifestPath(), FakeFault::status(status));

    Config settings = config();
    settings.currentVersion = running;
    Client client(settings);
    Outcomes outcomes(&client);
    client.check();
    QTRY_COMPARE(outcomes.list.size(), 1);
    // The toolkit's own error texts carry the port: those rows end in "*".
    if (expected.endsWith(QLatin1Char('*')))
        QVERIFY2(outcomes.list.first().startsWith(expected.chopped(1)), qPrintable(outcomes.list.first()));
    else
        QCOMPARE(outcomes.list.first(), expected);
    QVERIFY(!client.isChecking());
}

void TestUpdateClient::oneCheckAtATime()
{
    m_site->publish(QStringLiteral("1.2.0"));
    m_site->http()->setRouteDelay("GET", FakeUpdateSite::manifestPath(), 200);
    Client client(config());
    Outcomes outcomes(&client);

    client.check();
    client.check();
    QTRY_COMPARE(outcomes.list, QStringList{QStringLiteral("update 1.2.0")});
    QCOMPARE(m_site->http()->requestCount(), 1);

    // Once answered, the client checks again.
    client.check();
    QTRY_COMPARE(outcomes.list.size(), 2);
    QCOMPARE(m_site->http()->requestCount(), 2);
}

void TestUpdateClient::hangingSiteEndsTheCheck()
{
    OrvaUpdate::setRequestTimeout(300);
    m_site->publish(QStringLiteral("1.2.0"));
    m_site->hang(FakeUpdateSite::manifestPath());
    Client client(config());
    Outcomes outcomes(&client);

    client.check();
    QTRY_COMPARE(outcomes.list, QStringList{QStringLiteral("failed: network error: no answer within 300 ms")});
    QVERIFY(!client.isChecking());

    m_site->http()->clearFaults();
    client.check();
    QTRY_COMPARE(outcomes.list.size(), 2);
    QCOMPARE(outcomes.list.last(), QStringLiteral("update 1.2.0"));
}

void TestUpdateClient::notesAddresses_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("notes");
    QTest::addColumn<QString>("translated");

    const QString site = QStringLiteral("https://downloads.example.test");
    const QString notes = site + "/vellumry/1.1.10/release-notes.md";
    QTest::newRow("channel folder") << site + "/vellumry/stable/" << "en" << notes << QString();
    QTest::newRow("without the last slash") << site + "/vellumry/stable" << "en" << notes << QString();
    QTest::newRow("German") << site + "/vellumry/stable/" << "de" << notes
                            << site + "/vellumry/1.1.10/release-notes.de.md";
    QTest::newRow("query kept") << site + "/vellumry/stable/?mirror=eu" << "ja"
                                << notes + "?mirror=eu" << site + "/vellumry/1.1.10/release-notes.ja.md?mirror=eu";
    QTest::newRow("folder at the root") << site + "/stable/" << "en" << site + "/1.1.10/release-notes.md"
                                        << QString();
    // Appending to an empty path would give a relative one, which no address
    // with a host may have: the version's folder goes below the root instead.
    QTest::newRow("the root itself") << site + "/" << "en" << site + "/1.1.10/release-notes.md" << QString();
    QTest::newRow("no path") << site << "en" << site + "/1.1.10/release-notes.md" << QString();
}

void TestUpdateClient::notesAddresses()
{
    QFETCH(QString, base);
    QFETCH(QString, language);
    QFETCH(QString, notes);
    QFETCH(QString, translated);
    ReleaseNotesFetcher::setLanguage(language);
    Config settings = config();
    settings.manifestBaseUrl = QUrl(base);
    const ReleaseNotesFetcher fetcher(settings);
    QCOMPARE((QStringList{fetcher.notesUrl().toString(), fetcher.localizedUrl().toString()}),
             (QStringList{notes, translated}));
    QVERIFY(fetcher.notesUrl().isValid());

    // Notes that are not Markdown have no translated file to try first.
    const QUrl text(site() + QStringLiteral("/vellumry/1.1.10/notes.txt"));
    const ReleaseNotesFetcher plain(text, QStringLiteral("update-dialog"));
    QCOMPARE(plain.localizedUrl(), language == QLatin1String("en") ? QUrl() : text);
}

void TestUpdateClient::notesLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("defaultNotes");
    QTest::addColumn<QString>("translatedNotes");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QStringList>("requested");

    const QString english = QStringLiteral("\n# 1.1.10\n\n- Faster register\n\n");
    const QString french = QStringLiteral("# 1.1.10\n\n- Registre plus rapide");
    const QString defaultFile = FakeUpdateSite::notesPath(Running);
    const QString frenchFile = FakeUpdateSite::notesPath(Running, QStringLiteral("fr"));

    QTest::newRow("English system") << "en" << english << french << "notes: # 1.1.10\n\n- Faster register"
                                    << QStringList{defaultFile};
    QTest::newRow("French file first") << "fr" << english << french << "notes: " + french
                                       << QStringList{frenchFile};
    QTest::newRow("French blank") << "fr" << english << "\n  \n" << "notes: # 1.1.10\n\n- Faster register"
                                  << QStringList{frenchFile, defaultFile};
    QTest::newRow("default blank") << "en" << "  \n\t\n" << QString() << "no notes" << QStringList{defaultFile};
    QTest::newRow("none at all") << "fr" << QString() << QString() << "no notes"
                                 << QStringList{frenchFile, defaultFile};
}

void TestUpdateClient::notesLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, defaultNotes);
    QFETCH(QString, translatedNotes);
    QFETCH(QString, expected);
    QFETCH(QStringList, requested);
    ReleaseNotesFetcher::setLanguage(language);
    if (!defaultNotes.isNull())
        m_site->putNotes(Running, defaultNotes);
    if (!translatedNotes.isNull())
        m_site->putNotes(Running, translatedNotes, QStringLiteral("fr"));

    ReleaseNotesFetcher fetcher(config());
    Outcomes outcomes(&fetcher);
    fetcher.fetch();
    QTRY_COMPARE(outcomes.list.size(), 1);
    QCOMPARE(outcomes.list.first(), expected);
    QCOMPARE(m_site->requestedPaths(), requested);
    const QList<FakeRequest> requests = m_site->http()->requests();
    for (const FakeRequest& request : requests)
        QCOMPARE(request.header("user-agent"), UserAgent);
}

void TestUpdateClient::hangingTranslationFallsBack()
{
    OrvaUpdate::setRequestTimeout(300);
    ReleaseNotesFetcher::setLanguage(QStringLiteral("fr"));
    m_site->putNotes(Running, QStringLiteral("# 1.1.10"));
    m_site->hang(FakeUpdateSite::notesPath(Running, QStringLiteral("fr")));

    ReleaseNotesFetcher fetcher(m_site->notesUrl(Running), QStringLiteral("update-dialog"));
    Outcomes outcomes(&fetcher);
    fetcher.fetch();
    QTRY_COMPARE(outcomes.list, QStringList{QStringLiteral("notes: # 1.1.10")});
    QCOMPARE(m_site->http()->requests().last().header("user-agent"), QByteArray("OrvaUpdateQt/0.1 (update-dialog)"));
}

VELLUMRY_TEST_GUILESS_MAIN(TestUpdateClient)
#include "tst_updateclient.moc"
