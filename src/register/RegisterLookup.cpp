#include "RegisterLookup.h"

#include "data/CategoryRepository.h"
#include "data/TransactionRepository.h"
#include "data/TransferService.h"
#include "state/AppState.h"

RegisterLookup::RegisterLookup(AppState* state)
    : m_state(state)
{
}

QStringList RegisterLookup::payeeCompletions(const QString& accountId) const
{
    if (!m_state)
        return {};
    if (m_completionsCurrent && m_completionsAccountId == accountId)
        return m_payeeCompletions;
    QStringList entries = m_state->transactionRepository->distinctPayees();
    for (const QString& transfer : m_state->transferService->payeeMarkers(accountId)) {
        if (!entries.contains(transfer))
            entries.prepend(transfer);
    }
    m_completionsAccountId = accountId;
    m_payeeCompletions = entries;
    m_completionsCurrent = true;
    return entries;
}

void RegisterLookup::forgetPayeeCompletions()
{
    m_completionsCurrent = false;
}

QList<Category> RegisterLookup::categories() const
{
    return m_state ? m_state->categoryRepository->listAll() : QList<Category>();
}

std::optional<PayeeAutofill> RegisterLookup::payeeAutofill(const QString& payee, const QString& accountId) const
{
    if (!m_state)
        return std::nullopt;
    return ::payeeAutofill(*m_state->transactionRepository, *m_state->categoryRepository, payee, accountId);
}
