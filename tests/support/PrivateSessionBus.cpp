#include "PrivateSessionBus.h"

#include <QFile>
#include <QStandardPaths>

namespace {

// Anyone may own any name and call anything; no service folders, so that a
// call to a name nobody owns fails at once instead of starting the real one.
const char BusConfig[] = R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=%1</listen>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)";

constexpr int StartWaitMs = 10000;

} // namespace

PrivateSessionBus::PrivateSessionBus()
{
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (daemon.isEmpty()) {
        m_error = QStringLiteral("dbus-daemon is not installed (Debian package dbus-daemon)");
        return;
    }
    const QString configPath = m_folder.filePath(QStringLiteral("bus.conf"));
    QFile config(configPath);
    if (!m_folder.isValid() || !config.open(QIODevice::WriteOnly)) {
        m_error = QStringLiteral("cannot write the bus configuration");
        return;
    }
    config.write(QString::fromLatin1(BusConfig).arg(m_folder.path()).toUtf8());
    config.close();

    m_daemon.start(daemon, {QStringLiteral("--config-file=") + configPath, QStringLiteral("--print-address"),
                            QStringLiteral("--nofork"), QStringLiteral("--nopidfile")});
    while (!m_daemon.canReadLine() && m_daemon.waitForReadyRead(StartWaitMs)) {
    }
    m_address = QString::fromLocal8Bit(m_daemon.readLine()).trimmed();
    if (m_address.isEmpty())
        m_error = QStringLiteral("dbus-daemon did not start: ")
            + QString::fromLocal8Bit(m_daemon.readAllStandardError());
}

PrivateSessionBus::~PrivateSessionBus()
{
    if (m_daemon.state() == QProcess::NotRunning)
        return;
    m_daemon.terminate();
    if (!m_daemon.waitForFinished(StartWaitMs))
        m_daemon.kill();
    m_daemon.waitForFinished(StartWaitMs);
}
