#include "LedgerWatch.h"

#include "ReloadCoalescer.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Database.h"
#include "data/ReconciliationRepository.h"
#include "data/RecurringRepository.h"
#include "data/RecurringService.h"
#include "data/TransactionRepository.h"
#include "state/AppState.h"

#include <utility>

LedgerWatch::LedgerWatch(AppState* state, LedgerParts parts, std::function<void()> reload, QObject* parent)
    : QObject(parent)
    , m_reloader(new ReloadCoalescer(std::move(reload), this))
{
    const auto watch = [this, parts](LedgerPart part, const auto* sender, auto signal) {
        if (parts.testFlag(part))
            connect(sender, signal, this, &LedgerWatch::onChange);
    };
    watch(LedgerPart::Accounts, state->accountRepository, &AccountRepository::accountsChanged);
    watch(LedgerPart::Categories, state->categoryRepository, &CategoryRepository::categoriesChanged);
    watch(LedgerPart::Recurring, state->recurringRepository, &RecurringRepository::recurringChanged);
    watch(LedgerPart::Reconciliations, state->reconciliationRepository,
          &ReconciliationRepository::reconciliationsChanged);
    watch(LedgerPart::RecurringDue, state->recurringService, &RecurringService::pendingCountChanged);
    if (parts.testFlag(LedgerPart::Transactions)) {
        connect(state->transactionRepository, &TransactionRepository::transactionsChanged, this,
                &LedgerWatch::onTransactionsChanged);
    }
    connect(state->database, &Database::ledgerReset, this, &LedgerWatch::onChange);
}

void LedgerWatch::setAccount(const QString& accountId)
{
    m_oneAccount = true;
    m_accountId = accountId;
}

void LedgerWatch::setOwnChangeTest(std::function<bool(const QString&)> isOwn)
{
    m_isOwn = std::move(isOwn);
}

void LedgerWatch::onChange()
{
    emit changed();
    request();
}

void LedgerWatch::request()
{
    m_reloader->request();
}

void LedgerWatch::flush()
{
    m_reloader->flush();
}

bool LedgerWatch::isPending() const
{
    return m_reloader->isPending();
}

void LedgerWatch::onTransactionsChanged(const QString& accountId)
{
    if (m_oneAccount && !accountId.isEmpty() && accountId != m_accountId)
        return;
    if (!m_isOwn || !m_isOwn(accountId))
        onChange();
}
