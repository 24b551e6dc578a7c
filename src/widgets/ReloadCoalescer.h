#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

// Folds the change signals of one event-loop turn into one reload. A write that
// touches several tables (or a restore followed by its change signals) asks for
// several reloads at once; the screen reloads once, after the writer is done.
class ReloadCoalescer : public QObject
{
    Q_OBJECT

public:
    ReloadCoalescer(std::function<void()> reload, QObject* parent);

    // Asks for a reload when control returns to the event loop; asking again
    // before then adds nothing.
    void request();
    // Reloads now when a reload is waiting (before reading what it would show).
    void flush();
    bool isPending() const { return m_timer.isActive(); }

private:
    std::function<void()> m_reload;
    QTimer m_timer;
};
