#include "RegisterChangeWatch.h"

#include "widgets/LedgerWatch.h"

#include <utility>

RegisterChangeWatch::RegisterChangeWatch(AppState* state, std::function<void()> reload, QObject* parent)
    : QObject(parent)
    // Names and currencies show in every row and in the header; a restore writes
    // behind the repositories. None of these is ever a write the register shows itself.
    , m_watch(new LedgerWatch(state, LedgerPart::Transactions | LedgerPart::Categories | LedgerPart::Accounts,
                              std::move(reload), this))
{
    m_watch->setOwnChangeTest([this](const QString& accountId) { return isOwn(accountId); });
    connect(m_watch, &LedgerWatch::changed, this, [this] { m_stale = true; });
}

void RegisterChangeWatch::setAccount(const QString& accountId)
{
    m_watch->setAccount(accountId);
    m_stale = true;
}

bool RegisterChangeWatch::isOwn(const QString& accountId) const
{
    return m_ownLevel >= 0 && !accountId.isEmpty() && QThread::currentThread()->loopLevel() == m_ownLevel;
}

void RegisterChangeWatch::markStale()
{
    m_stale = true;
    m_watch->request();
}

void RegisterChangeWatch::flush()
{
    m_watch->flush();
}

void RegisterChangeWatch::requestIfStale()
{
    if (m_stale)
        m_watch->request();
}
