#pragma once

#include <QString>

namespace OrvaAccount {

// How the online services tell this installation apart from the user's other
// devices. The fingerprint is worked out once per run and then kept.
QString currentDeviceFingerprint();
// Worked out on every call, so a renamed machine shows its new name.
QString currentDeviceName();
// "linux" here, "Windows" on Windows.
QString currentDevicePlatform();

// The steps behind the three values, open to tests.

// The machine's own stable identity: /etc/machine-id on Linux, the registry's
// MachineGuid on Windows; empty when the system has none.
QString machineIdentity();
// Reads a machine-id file; empty unless it holds the 32 hexadecimal digits
// systemd writes (a first boot leaves "uninitialized" there).
QString machineIdFromFile(const QString& path);
// The machine identity unchanged; else the first 32 hexadecimal digits of the
// SHA-256 of the host name; else a random UUID kept in the settings store.
QString deviceFingerprintFrom(const QString& machineId, const QString& hostName);
QString deviceNameFrom(const QString& hostName, const QString& prettyProductName);

// The settings key of the stored fallback fingerprint.
QString storedFingerprintKey();

} // namespace OrvaAccount
