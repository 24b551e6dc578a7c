#include "TestMain.h"

#include "account/DeviceIdentity.h"

#include <QRegularExpression>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>

class TestDeviceIdentity : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void fingerprintIsKeptForTheRun();
    void machineIdFile_data();
    void machineIdFile();
    void machineIdentityWins();
    void hostNameIsHashed();
    void storedUuidIsTheLastResort();
    void deviceName_data();
    void deviceName();
    void platformText();
};

void TestDeviceIdentity::initTestCase()
{
    // The stored fingerprint lives in the program's settings, under these names.
    QCoreApplication::setOrganizationName(QStringLiteral("Orvalen"));
    QCoreApplication::setApplicationName(QStringLiteral("Vellumry"));
}

void TestDeviceIdentity::fingerprintIsKeptForTheRun()
{
    const QString first = OrvaAccount::currentDeviceFingerprint();
    QVERIFY(!first.isEmpty());
    QCOMPARE(OrvaAccount::currentDeviceFingerprint(), first);
    QCOMPARE(first,
             OrvaAccount::deviceFingerprintFrom(OrvaAccount::machineIdentity(), QSysInfo::machineHostName()));
}

void TestDeviceIdentity::machineIdFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected");
    QTest::newRow("systemd machine-id") << QByteArray("4c4c4544004d3510804cb4c04f4e3632\n")
                                        << QStringLiteral("4c4c4544004d3510804cb4c04f4e3632");
    QTest::newRow("first boot") << QByteArray("uninitialized\n") << QString();
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("too short") << QByteArray("4c4c4544004d3510\n") << QString();
    QTest::newRow("not hexadecimal") << QByteArray("zzzz4544004d3510804cb4c04f4e3632\n") << QString();
}

void TestDeviceIdentity::machineIdFile()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("machine-id"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    QCOMPARE(OrvaAccount::machineIdFromFile(path), expected);
    QCOMPARE(OrvaAccount::machineIdFromFile(dir.filePath(QStringLiteral("missing"))), QString());
}

void TestDeviceIdentity::machineIdentityWins()
{
    QCOMPARE(OrvaAccount::deviceFingerprintFrom(QStringLiteral("4c4c4544004d3510804cb4c04f4e3632"),
                                                QStringLiteral("myhost")),
             QStringLiteral("4c4c4544004d3510804cb4c04f4e3632"));
    // A Windows GUID is used as read, hyphens and all.
    QCOMPARE(OrvaAccount::deviceFingerprintFrom(QStringLiteral("6F9619FF-8B86-D011-B42D-00C04FC964FF"), QString()),
             QStringLiteral("6F9619FF-8B86-D011-B42D-00C04FC964FF"));
}

void TestDeviceIdentity::hostNameIsHashed()
{
    // The first 32 hexadecimal digits of SHA-256("myhost").
    const QString expected = QStringLiteral("a5638e331e759fd40553616c8c41331a");
    QSettings().remove(OrvaAccount::storedFingerprintKey());
    QCOMPARE(OrvaAccount::deviceFingerprintFrom(QString(), QStringLiteral("myhost")), expected);
    QCOMPARE(OrvaAccount::deviceFingerprintFrom(QString(), QStringLiteral("myhost")), expected);
    QVERIFY(OrvaAccount::deviceFingerprintFrom(QString(), QStringLiteral("otherhost")) != expected);
    QVERIFY(!QSettings().contains(OrvaAccount::storedFingerprintKey()));
}

void TestDeviceIdentity::storedUuidIsTheLastResort()
{
    QSettings().remove(OrvaAccount::storedFingerprintKey());
    const QString first = OrvaAccount::deviceFingerprintFrom(QString(), QString());
    static const QRegularExpression uuid(
        QStringLiteral("^[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}$"));
    QVERIFY2(uuid.match(first).hasMatch(), qPrintable(first));
    QCOMPARE(QSettings().value(OrvaAccount::storedFingerprintKey()).toString(), first);
    // A later run reads the same value back instead of making a new one.
    QCOMPARE(OrvaAccount::deviceFingerprintFrom(QString(), QString()), first);
}

void TestDeviceIdentity::deviceName_data()
{
    QTest::addColumn<QString>("hostName");
    QTest::addColumn<QString>("productName");
    QTest::addColumn<QString>("expected");
    QTest::newRow("host name") << QStringLiteral("kitchen-pc") << QStringLiteral("Debian GNU/Linux 12")
                               << QStringLiteral("kitchen-pc");
    QTest::newRow("product name") << QString() << QStringLiteral("Debian GNU/Linux 12")
                                  << QStringLiteral("Debian GNU/Linux 12");
    QTest::newRow("neither") << QString() << QString() << QStringLiteral("Linux device");
}

void TestDeviceIdentity::deviceName()
{
    QFETCH(QString, hostName);
    QFETCH(QString, productName);
    QFETCH(QString, expected);
    QCOMPARE(OrvaAccount::deviceNameFrom(hostName, productName), expected);
}

void TestDeviceIdentity::platformText()
{
    QCOMPARE(OrvaAccount::currentDevicePlatform(), QStringLiteral("linux"));
    QVERIFY(!OrvaAccount::currentDeviceName().isEmpty());
}

VELLUMRY_TEST_GUILESS_MAIN(TestDeviceIdentity)

#include "tst_deviceidentity.moc"
