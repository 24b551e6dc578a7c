#include "TestMain.h"

#include "update/Manifest.h"
#include "update/Version.h"

#include <QJsonDocument>
#include <QSysInfo>
#include <QTimeZone>

using OrvaUpdate::Artifact;
using OrvaUpdate::Manifest;
using OrvaUpdate::Version;

namespace {

QJsonObject goodArtifact()
{
    return QJsonObject{
        {QStringLiteral("version"), QStringLiteral("1.2.0")},
        {QStringLiteral("released_at"), QStringLiteral("2026-11-30T12:00:00Z")},
        {QStringLiteral("url"), QStringLiteral("https://downloads.example.test/vellumry-1.2.0.exe")},
        {QStringLiteral("size"), 1048576},
        {QStringLiteral("sha256"), QString(64, QLatin1Char('a'))},
    };
}

QByteArray manifestWith(const QJsonObject& artifacts, const QJsonValue& schema = 1)
{
    QJsonObject root{{QStringLiteral("schema"), schema},
                     {QStringLiteral("app"), QStringLiteral("vellumry")},
                     {QStringLiteral("channel"), QStringLiteral("stable")},
                     {QStringLiteral("artifacts"), artifacts}};
    return QJsonDocument(root).toJson();
}

} // namespace

class TestManifest : public QObject
{
    Q_OBJECT

private slots:
    void versionParse_data();
    void versionParse();
    void versionOrder();
    void goodManifest();
    void manifestErrors_data();
    void manifestErrors();
    void brokenArtifactKeepsEarlierOnes();
    void artifactFields();
    void platformKey();
};

void TestManifest::versionParse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("patch");

    QTest::newRow("three") << QStringLiteral("1.1.10") << 1 << 1 << 10;
    QTest::newRow("two") << QStringLiteral("1.2") << 1 << 2 << 0;
    QTest::newRow("one") << QStringLiteral("7") << 7 << 0 << 0;
    QTest::newRow("four parts") << QStringLiteral("1.2.3.4") << 0 << 0 << 0;
    QTest::newRow("empty part") << QStringLiteral("1..3") << 0 << 0 << 0;
    QTest::newRow("leading v") << QStringLiteral("v1.2") << 0 << 0 << 0;
    QTest::newRow("suffix") << QStringLiteral("1.2.3-beta") << 0 << 0 << 0;
    QTest::newRow("empty") << QString() << 0 << 0 << 0;
    QTest::newRow("negative") << QStringLiteral("-1.0.0") << -1 << 0 << 0;
}

void TestManifest::versionParse()
{
    QFETCH(QString, text);
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, patch);
    const Version v = Version::parse(text);
    QCOMPARE(v.major, major);
    QCOMPARE(v.minor, minor);
    QCOMPARE(v.patch, patch);
}

void TestManifest::versionOrder()
{
    QVERIFY(Version::parse(QStringLiteral("1.9.9")) < Version::parse(QStringLiteral("1.10.0")));
    QVERIFY(!(Version::parse(QStringLiteral("1.10.0")) < Version::parse(QStringLiteral("1.9.9"))));
    QVERIFY(Version::parse(QStringLiteral("2")) == Version::parse(QStringLiteral("2.0.0")));
    QVERIFY(Version::parse(QStringLiteral("-1.0.0")) < Version::parse(QStringLiteral("0.0.0")));
    QVERIFY(Version::parse(QStringLiteral("1.1.9")) < Version::parse(QStringLiteral("1.1.10")));
    QVERIFY(Version::parse(QStringLiteral("1.2.0")) <= Version::parse(QStringLiteral("1.2")));
    QVERIFY(!(Version::parse(QStringLiteral("1.2.1")) <= Version::parse(QStringLiteral("1.2.0"))));
    QCOMPARE(Version::parse(QStringLiteral("1.1.10")).toString(), QStringLiteral("1.1.10"));
}

void TestManifest::goodManifest()
{
    QString error = QStringLiteral("stale");
    const Manifest manifest = Manifest::parse(manifestWith({{QStringLiteral("linux-x64"), goodArtifact()},
                                                            {QStringLiteral("windows-x64"), goodArtifact()}}),
                                              &error);
    QVERIFY(error.isEmpty());
    QVERIFY(manifest.isValid());
    QCOMPARE(manifest.schema, 1);
    QCOMPARE(manifest.app, QStringLiteral("vellumry"));
    QCOMPARE(manifest.channel, QStringLiteral("stable"));
    QCOMPARE(manifest.artifacts.size(), 2);
    QCOMPARE(manifest.artifacts.value(QStringLiteral("windows-x64")).version, QStringLiteral("1.2.0"));
}

void TestManifest::manifestErrors_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("error");

    QTest::newRow("array root") << QByteArray("[1, 2]") << QStringLiteral("manifest root is not a JSON object");
    QTest::newRow("schema text") << manifestWith({{QStringLiteral("a"), goodArtifact()}}, QStringLiteral("1"))
                                 << QStringLiteral("missing or non-integer field: schema");
    QTest::newRow("schema 2") << manifestWith({{QStringLiteral("a"), goodArtifact()}}, 2)
                              << QStringLiteral("unsupported manifest schema: 2 (expected 1)");
    QTest::newRow("schema 1.5") << manifestWith({{QStringLiteral("a"), goodArtifact()}}, 1.5)
                                << QStringLiteral("unsupported manifest schema: 0 (expected 1)");
    QTest::newRow("no app, no channel") << QByteArray(R"({"schema": 1, "artifacts": {}})")
                                        << QStringLiteral("missing or non-string field: app");
    QTest::newRow("no channel") << QByteArray(R"({"schema": 1, "app": "vellumry", "artifacts": {}})")
                                << QStringLiteral("missing or non-string field: channel");
    QTest::newRow("artifacts array") << QByteArray(R"({"schema": 1, "app": "v", "channel": "s", "artifacts": []})")
                                     << QStringLiteral("missing or non-object field: artifacts");
    QTest::newRow("empty artifacts") << manifestWith({}) << QStringLiteral("manifest failed validation");
    QTest::newRow("artifact not object") << manifestWith({{QStringLiteral("windows-x64"), 5}})
                                         << QStringLiteral("artifact windows-x64 is not an object");

    QJsonObject shortHash = goodArtifact();
    shortHash[QStringLiteral("sha256")] = QString(63, QLatin1Char('a'));
    QTest::newRow("sha256 of 63") << manifestWith({{QStringLiteral("windows-x64"), shortHash}})
                                  << QStringLiteral("artifact windows-x64 failed validation");
    QJsonObject noSize = goodArtifact();
    noSize.remove(QStringLiteral("size"));
    QTest::newRow("size missing") << manifestWith({{QStringLiteral("k"), noSize}})
                                  << QStringLiteral("artifact k failed validation");
    QJsonObject textSize = goodArtifact();
    textSize[QStringLiteral("size")] = QStringLiteral("100");
    QTest::newRow("size text") << manifestWith({{QStringLiteral("k"), textSize}})
                               << QStringLiteral("artifact k failed validation");
    QJsonObject noUrl = goodArtifact();
    noUrl.remove(QStringLiteral("url"));
    QTest::newRow("url missing") << manifestWith({{QStringLiteral("k"), noUrl}})
                                 << QStringLiteral("missing or non-string field: url");
    QJsonObject badDate = goodArtifact();
    badDate[QStringLiteral("released_at")] = QStringLiteral("last Tuesday");
    QTest::newRow("date not iso") << manifestWith({{QStringLiteral("k"), badDate}})
                                  << QStringLiteral("artifact k failed validation");
    QTest::newRow("not json") << QByteArray("{nope") << QString();
}

void TestManifest::manifestErrors()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, error);

    QString actual;
    const Manifest manifest = Manifest::parse(data, &actual);
    if (error.isEmpty())
        QVERIFY2(actual.startsWith(QLatin1String("JSON parse error: ")), qPrintable(actual));
    else
        QCOMPARE(actual, error);
    QVERIFY(!manifest.isValid());
}

void TestManifest::brokenArtifactKeepsEarlierOnes()
{
    // Members are walked in name order: "a-good" is read before "z-bad" stops the walk.
    QString error;
    const Manifest manifest = Manifest::parse(
        manifestWith({{QStringLiteral("z-bad"), 3}, {QStringLiteral("a-good"), goodArtifact()}}), &error);
    QCOMPARE(error, QStringLiteral("artifact z-bad is not an object"));
    QVERIFY(manifest.isValid());
    QVERIFY(manifest.artifacts.contains(QStringLiteral("a-good")));
}

void TestManifest::artifactFields()
{
    QJsonObject object = goodArtifact();
    object[QStringLiteral("mandatory")] = true;
    object[QStringLiteral("min_upgradable_from")] = QStringLiteral("1.0.0");
    object[QStringLiteral("release_notes_url")] = QStringLiteral("https://downloads.example.test/notes.md");
    object[QStringLiteral("size")] = 1234.9;
    QString error;
    const Artifact artifact = Artifact::fromJson(object, QStringLiteral("k"), &error);
    QVERIFY(error.isEmpty());
    QCOMPARE(artifact.size, qint64(1234));
    QVERIFY(artifact.mandatory);
    QCOMPARE(artifact.minUpgradableFrom, QStringLiteral("1.0.0"));
    QCOMPARE(artifact.releaseNotesUrl.host(), QStringLiteral("downloads.example.test"));
    QCOMPARE(artifact.releasedAt, QDateTime(QDate(2026, 11, 30), QTime(12, 0), QTimeZone::utc()));

    object[QStringLiteral("mandatory")] = QStringLiteral("yes");
    object[QStringLiteral("min_upgradable_from")] = 3;
    object[QStringLiteral("release_notes_url")] = QString();
    const Artifact loose = Artifact::fromJson(object, QStringLiteral("k"));
    QVERIFY(!loose.mandatory);
    QVERIFY(loose.minUpgradableFrom.isEmpty());
    QVERIFY(!loose.releaseNotesUrl.isValid());
}

void TestManifest::platformKey()
{
    const QString key = OrvaUpdate::currentPlatformKey();
    if (QSysInfo::currentCpuArchitecture() == QLatin1String("x86_64"))
        QVERIFY(key.endsWith(QLatin1String("-x64")));
    else
        QVERIFY(key.isEmpty());
#if !defined(Q_OS_WIN)
    QVERIFY(!key.startsWith(QLatin1String("windows")));
#endif
}

VELLUMRY_TEST_GUILESS_MAIN(TestManifest)
#include "tst_manifest.moc"
