#include "PortalColorScheme.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QDir>
#include <QFileInfo>

namespace {

const QString PortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString PortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString SettingsInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString AppearanceGroup = QStringLiteral("org.freedesktop.appearance");
const QString ColorSchemeKey = QStringLiteral("color-scheme");
const QString ReadOneMethod = QStringLiteral("ReadOne");
// Portals before ReadOne have only this one.
const QString ReadMethod = QStringLiteral("Read");

// "Read" wraps the value in one more variant than "ReadOne" and the change
// signal do; a value that is no number reads as 0, no preference.
PortalColorScheme::Scheme schemeOf(QVariant value)
{
    while (value.metaType() == QMetaType::fromType<QDBusVariant>())
        value = qvariant_cast<QDBusVariant>(value).variant();
    switch (value.toUInt()) {
    case uint(PortalColorScheme::Scheme::Dark): return PortalColorScheme::Scheme::Dark;
    case uint(PortalColorScheme::Scheme::Light): return PortalColorScheme::Scheme::Light;
    default: return PortalColorScheme::Scheme::NoPreference;
    }
}

// Where libdbus would find the session bus without starting one: the address
// in the environment, or the user's bus socket of a systemd session.
bool sessionBusConfigured()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(QDir(runtime).filePath(QStringLiteral("bus")));
}

} // namespace

PortalColorScheme::PortalColorScheme(const QDBusConnection& bus, QObject* parent)
    : QObject(parent)
    , m_bus(bus)
{
    m_bus.connect(PortalService, PortalPath, SettingsInterface, QStringLiteral("SettingChanged"), this,
                  SLOT(onSettingChanged(QString, QString, QDBusVariant)));
    ask(ReadOneMethod);
}

PortalColorScheme* PortalColorScheme::onSessionBus(QObject* parent)
{
    // Without an address libdbus would try to start a bus of its own for the
    // X display, which takes far longer than the rest of the start.
    if (!sessionBusConfigured())
        return nullptr;
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return nullptr;
    return new PortalColorScheme(bus, parent);
}

void PortalColorScheme::ask(const QString& method)
{
    QDBusMessage message = QDBusMessage::createMethodCall(PortalService, PortalPath, SettingsInterface, method);
    message << AppearanceGroup << ColorSchemeKey;
    // Nothing waits for the answer: a portal the bus has to start first
    // answers late, and one that is missing answers with an error.
    auto* call = new QDBusPendingCallWatcher(m_bus.asyncCall(message), this);
    connect(call, &QDBusPendingCallWatcher::finished, this,
            [this, method](QDBusPendingCallWatcher* finished) { onAnswer(finished, method); });
}

void PortalColorScheme::onAnswer(QDBusPendingCallWatcher* call, const QString& method)
{
    call->deleteLater();
    if (m_heardChange)
        return;
    const QDBusPendingReply<QDBusVariant> reply = *call;
    if (reply.isError()) {
        if (method == ReadOneMethod && reply.error().type() == QDBusError::UnknownMethod)
            ask(ReadMethod);
        return;
    }
    setScheme(schemeOf(reply.argumentAt(0)));
}

void PortalColorScheme::onSettingChanged(const QString& group, const QString& key, const QDBusVariant& value)
{
    if (group != AppearanceGroup || key != ColorSchemeKey)
        return;
    m_heardChange = true;
    setScheme(schemeOf(value.variant()));
}

void PortalColorScheme::setScheme(Scheme scheme)
{
    if (scheme == m_scheme)
        return;
    m_scheme = scheme;
    emit schemeChanged(scheme);
}
