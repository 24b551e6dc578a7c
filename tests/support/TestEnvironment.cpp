#include "TestEnvironment.h"

#include <QDir>
#include <QTemporaryDir>

#include <memory>

namespace {
std::unique_ptr<QTemporaryDir> g_root;
}

void prepareTestEnvironment()
{
    g_root = std::make_unique<QTemporaryDir>();
    const QString root = g_root->path();
    const QDir dir(root);
    for (const char* sub : {"home", "config", "data", "cache", "runtime", "ledger"})
        dir.mkpath(QLatin1String(sub));
    QFile::setPermissions(root + QLatin1String("/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    qputenv("HOME", QFile::encodeName(root + QLatin1String("/home")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root + QLatin1String("/config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(root + QLatin1String("/data")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(root + QLatin1String("/cache")));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(root + QLatin1String("/runtime")));
    qputenv("VELLUMRY_DATA_DIR", QFile::encodeName(root + QLatin1String("/ledger")));
    // The desktop's own bus would bring its portal's light or dark choice
    // (and whatever else runs there) into the test; a test that needs a bus
    // starts a PrivateSessionBus.
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    if (qEnvironmentVariableIsEmpty("TZ"))
        qputenv("TZ", "UTC");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

QString testRootPath()
{
    return g_root ? g_root->path() : QString();
}
