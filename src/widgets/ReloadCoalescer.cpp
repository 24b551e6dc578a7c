#include "ReloadCoalescer.h"

#include <utility>

ReloadCoalescer::ReloadCoalescer(std::function<void()> reload, QObject* parent)
    : QObject(parent)
    , m_reload(std::move(reload))
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, [this] { m_reload(); });
}

void ReloadCoalescer::request()
{
    if (!m_timer.isActive())
        m_timer.start();
}

void ReloadCoalescer::flush()
{
    if (!m_timer.isActive())
        return;
    m_timer.stop();
    m_reload();
}
