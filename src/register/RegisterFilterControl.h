#pragma once

#include "RegisterFilter.h"

#include <QString>

class AppState;
class QWidget;

// The filter of the account on show. Each account keeps its own in the
// preferences: read when the register turns to the account, written when the
// filter dialog is accepted, and removed once it hides nothing.
class RegisterFilterControl
{
public:
    explicit RegisterFilterControl(AppState* state);

    void load(const QString& accountId);
    // Runs the filter dialog; true when it was accepted, the filter chosen
    // being the current one and stored. Without an account it opens nothing.
    bool edit(QWidget* parent);
    const RegisterFilter& current() const { return m_filter; }

private:
    AppState* m_state;
    QString m_accountId;
    RegisterFilter m_filter;
};
