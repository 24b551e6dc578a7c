#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

class QDBusPendingCallWatcher;
class QDBusVariant;

// The desktop's light or dark choice as the XDG desktop portal's settings
// tell it: asked once without waiting for the answer, then followed through
// the portal's change signal. Until an answer comes, and when no portal
// answers at all, the scheme is NoPreference.
class PortalColorScheme : public QObject
{
    Q_OBJECT

public:
    // The portal's own values of "color-scheme".
    enum class Scheme { NoPreference = 0, Dark = 1, Light = 2 };
    Q_ENUM(Scheme)

    // Asks the portal on `bus` at once; the answer arrives through the event loop.
    explicit PortalColorScheme(const QDBusConnection& bus, QObject* parent = nullptr);

    // One on the session bus, or null when this session has none to ask:
    // then nothing of D-Bus is touched, which keeps a start without a bus as
    // quick as before.
    static PortalColorScheme* onSessionBus(QObject* parent);

    Scheme scheme() const { return m_scheme; }

signals:
    void schemeChanged(PortalColorScheme::Scheme scheme);

private slots:
    // A slot by name: D-Bus signals connect only that way.
    void onSettingChanged(const QString& group, const QString& key, const QDBusVariant& value);

private:
    void ask(const QString& method);
    void onAnswer(QDBusPendingCallWatcher* call, const QString& method);
    void setScheme(Scheme scheme);

    QDBusConnection m_bus;
    Scheme m_scheme = Scheme::NoPreference;
    // A change heard before the first answer is newer than that answer.
    bool m_heardChange = false;
};
