#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A session bus of the test's own: a dbus-daemon that owns no names and
// starts no services, listening in a temporary folder, ended with the object.
// Point DBUS_SESSION_BUS_ADDRESS at address() before the process first asks
// Qt for its session bus.
class PrivateSessionBus
{
public:
    PrivateSessionBus();
    ~PrivateSessionBus();
    PrivateSessionBus(const PrivateSessionBus&) = delete;
    PrivateSessionBus& operator=(const PrivateSessionBus&) = delete;

    // Empty when no bus could be started; error() then says why.
    QString address() const { return m_address; }
    QString error() const { return m_error; }

private:
    QTemporaryDir m_folder;
    QProcess m_daemon;
    QString m_address;
    QString m_error;
};
