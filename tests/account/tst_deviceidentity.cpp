#include "TestMain.h"

#include "account/DeviceIdentity.h"

#include <QRegularExpression>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>

using namespace OrvaAccount;

class TestDeviceIdentity : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void machineIdFile_data();
    void machineIdFile();
    void fingerprintFallbacks();
    void namesAndPlatform();
};

void TestDeviceIdentity::initTestCase()
{
    // The stored fingerprint lives in the program's settings, under these names.
    QCoreApplication::setOrganizationName(QStringLiteral("Orvalen"));
    QCoreApplication::setApplicationName(QStringLiteral("Vellumry"));
}

void TestDeviceIdentity::machineIdFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected");
    QTest::newRow("systemd machine-id") << QByteArray("4c4c4544004d3510804cb4c04f4e3632\n")
                                        << QStringLiteral("4c4c4544004d3510804cb4c04f4e3632");
    QTest::newRow("first boot") << QByteArray("uninitialized\n") << QString();
    QTest::newRow("too short") << QByteArray("4c4c4544004d3510\n") << QString();
    QTest::newRow("not hexadecimal") << QByteArray("zzzz4544004d3510804cb4c04f4e3632\n") << QString();
}

void TestDeviceIdentity::machineIdFile()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("machine-id")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    QCOMPARE(machineIdFromFile(file.fileName()), expected);
    QCOMPARE(machineIdFromFile(dir.filePath(QStringLiteral("missing"))), QString());
}

void TestDeviceIdentity::fingerprintFallbacks()
{
    const QString first = currentDeviceFingerprint();
    QCOMPARE(currentDeviceFingerprint(), first);
    QCOMPARE(first, deviceFingerprintFrom(machineIdentity(), QSysInfo::machineHostName()));

    // The machine's identity as read (a Windows GUID keeps its hyphens).
    QCOMPARE(deviceFingerprintFrom(QStringLiteral("6F9619FF-8B86-D011-B42D-00C04FC964FF"), QStringLiteral("myhost")),
             QStringLiteral("6F9619FF-8B86-D011-B42D-00C04FC964FF"));

    // Else the first 32 hexadecimal digits of SHA-256 of the host name, stored nowhere.
    QSettings().remove(storedFingerprintKey());
    QCOMPARE(deviceFingerprintFrom(QString(), QStringLiteral("myhost")), QStringLiteral("a5638e331e759fd40553616c8c41331a"));
    QVERIFY(!QSettings().contains(storedFingerprintKey()));

    // Else a random UUID, stored, and read back by a later run.
    const QString stored = deviceFingerprintFrom(QString(), QString());
    static const QRegularExpression uuid(
        QStringLiteral("^[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}$"));
    QVERIFY2(uuid.match(stored).hasMatch(), qPrintable(stored));
    QCOMPARE(QSettings().value(storedFingerprintKey()).toString(), stored);
    QCOMPARE(deviceFingerprintFrom(QString(), QString()), stored);
}

void TestDeviceIdentity::namesAndPlatform()
{
    QCOMPARE(deviceNameFrom(QStringLiteral("kitchen-pc"), QStringLiteral("Debian GNU/Linux 12")),
             QStringLiteral("kitchen-pc"));
    QCOMPARE(deviceNameFrom(QString(), QStringLiteral("Debian GNU/Linux 12")), QStringLiteral("Debian GNU/Linux 12"));
    QCOMPARE(deviceNameFrom(QString(), QString()), QStringLiteral("Linux device"));
    QCOMPARE(currentDevicePlatform(), QStringLiteral("linux"));
}

VELLUMRY_TEST_GUILESS_MAIN(TestDeviceIdentity)

#include "tst_deviceidentity.moc"
