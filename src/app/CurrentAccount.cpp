#include "CurrentAccount.h"

#include "data/AccountRepository.h"
#include "state/AppState.h"

#include <QMainWindow>
#include <QStatusBar>

namespace {

constexpr int kStatusMs = 3000;

void tellToSelect(QMainWindow* window)
{
    window->statusBar()->showMessage(CurrentAccount::tr("Select an account first"), kStatusMs);
}

} // namespace

QString CurrentAccount::requireId(AppState* state, QMainWindow* window)
{
    if (state->currentAccountId.isEmpty())
        tellToSelect(window);
    return state->currentAccountId;
}

std::optional<Account> CurrentAccount::require(AppState* state, QMainWindow* window)
{
    std::optional<Account> account;
    if (!state->currentAccountId.isEmpty())
        account = state->accountRepository->findById(state->currentAccountId);
    if (!account)
        tellToSelect(window);
    return account;
}
