#include "DeviceIdentity.h"

#include <QCryptographicHash>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QSysInfo>
#include <QUuid>

namespace OrvaAccount {

namespace {

// The host-name hash is cut to the length of a machine-id.
constexpr int HashedFingerprintLength = 32;

} // namespace

QString storedFingerprintKey()
{
    return QStringLiteral("orvaAccount/deviceFingerprint");
}

QString machineIdFromFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    // The file is one line; anything much longer is not a machine-id.
    const QString text = QString::fromLatin1(file.read(256)).trimmed();
    static const QRegularExpression machineIdPattern(QStringLiteral("^[0-9a-fA-F]{32}$"));
    return machineIdPattern.match(text).hasMatch() ? text : QString();
}

QString machineIdentity()
{
#if defined(Q_OS_WIN)
    const QSettings cryptography(QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Cryptography"),
                                 QSettings::NativeFormat);
    return cryptography.value(QStringLiteral("MachineGuid")).toString();
#elif defined(Q_OS_LINUX)
    return machineIdFromFile(QStringLiteral("/etc/machine-id"));
#else
    return QString();
#endif
}

QString deviceFingerprintFrom(const QString& machineId, const QString& hostName)
{
    if (!machineId.isEmpty())
        return machineId;
    if (!hostName.isEmpty()) {
        const QByteArray digest = QCryptographicHash::hash(hostName.toUtf8(), QCryptographicHash::Sha256);
        return QString::fromLatin1(digest.toHex().left(HashedFingerprintLength));
    }
    QSettings settings;
    QString stored = settings.value(storedFingerprintKey()).toString();
    if (stored.isEmpty()) {
        stored = QUuid::createUuid().toString(QUuid::WithoutBraces);
        settings.setValue(storedFingerprintKey(), stored);
        settings.sync();
    }
    return stored;
}

QString currentDeviceFingerprint()
{
    // A function-local static is initialised exactly once, even when several
    // threads arrive together.
    static const QString fingerprint = deviceFingerprintFrom(machineIdentity(), QSysInfo::machineHostName());
    return fingerprint;
}

QString deviceNameFrom(const QString& hostName, const QString& prettyProductName)
{
    if (!hostName.isEmpty())
        return hostName;
    if (!prettyProductName.isEmpty())
        return prettyProductName;
#if defined(Q_OS_WIN)
    return QStringLiteral("Windows device");
#else
    return QStringLiteral("Linux device");
#endif
}

QString currentDeviceName()
{
    return deviceNameFrom(QSysInfo::machineHostName(), QSysInfo::prettyProductName());
}

QString currentDevicePlatform()
{
#if defined(Q_OS_WIN)
    return QStringLiteral("Windows");
#else
    return QStringLiteral("linux");
#endif
}

} // namespace OrvaAccount
