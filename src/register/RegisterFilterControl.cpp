#include "RegisterFilterControl.h"

#include "RegisterFilterDialog.h"

#include "data/PreferencesRepository.h"
#include "state/AppState.h"
#include "widgets/ModalDialog.h"

RegisterFilterControl::RegisterFilterControl(AppState* state)
    : m_state(state)
{
}

void RegisterFilterControl::load(const QString& accountId)
{
    m_accountId = accountId;
    m_filter = RegisterFilter::fromJson(m_state->preferencesRepository->getString(registerFilterKey(accountId)));
}

bool RegisterFilterControl::edit(QWidget* parent)
{
    if (m_accountId.isEmpty())
        return false;
    RegisterFilterDialog dialog(m_state, m_filter, parent);
    if (ModalDialog::exec(&dialog) != QDialog::Accepted)
        return false;
    m_filter = dialog.filter();
    const QString key = registerFilterKey(m_accountId);
    if (m_filter.activeCount() > 0)
        m_state->preferencesRepository->set(key, m_filter.toJson());
    else
        m_state->preferencesRepository->remove(key);
    return true;
}
