#include "EpochClock.h"

#include <QDateTime>

#include <atomic>

namespace OrvaAccount {

namespace {
constexpr qint64 NotFixed = -1;
std::atomic<qint64> g_fixedNow{NotFixed};
} // namespace

qint64 EpochClock::nowSeconds()
{
    const qint64 fixed = g_fixedNow.load();
    return fixed == NotFixed ? QDateTime::currentSecsSinceEpoch() : fixed;
}

void EpochClock::setFixedNowSeconds(qint64 seconds)
{
    g_fixedNow.store(seconds);
}

void EpochClock::reset()
{
    g_fixedNow.store(NotFixed);
}

} // namespace OrvaAccount
