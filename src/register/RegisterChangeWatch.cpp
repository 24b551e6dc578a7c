#include "RegisterChangeWatch.h"

#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Database.h"
#include "data/TransactionRepository.h"
#include "state/AppState.h"
#include "widgets/ReloadCoalescer.h"

RegisterChangeWatch::RegisterChangeWatch(AppState* state, ReloadCoalescer* reloader, QObject* parent)
    : QObject(parent)
    , m_reloader(reloader)
{
    connect(state->transactionRepository, &TransactionRepository::transactionsChanged, this,
            &RegisterChangeWatch::onTransactionsChanged);
    // Names and currencies show in every row and in the header; a restore writes
    // behind the repositories. None of these is ever a write the register shows itself.
    connect(state->categoryRepository, &CategoryRepository::categoriesChanged, this, &RegisterChangeWatch::markStale);
    connect(state->accountRepository, &AccountRepository::accountsChanged, this, &RegisterChangeWatch::markStale);
    connect(state->database, &Database::ledgerReset, this, &RegisterChangeWatch::markStale);
}

void RegisterChangeWatch::setAccount(const QString& accountId)
{
    m_accountId = accountId;
    m_stale = true;
}

void RegisterChangeWatch::onTransactionsChanged(const QString& accountId)
{
    if (!accountId.isEmpty() && accountId != m_accountId)
        return;
    const bool own = m_ownLevel >= 0 && !accountId.isEmpty() && QThread::currentThread()->loopLevel() == m_ownLevel;
    if (!own)
        markStale();
}

void RegisterChangeWatch::markStale()
{
    m_stale = true;
    m_reloader->request();
}
