#pragma once

#include "data/Category.h"
#include "data/PayeeAutofill.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class AppState;

// What the register's cell editors look up in the ledger: the payee
// completions, the category choices and what a chosen payee fills in. The
// delegate asks here and never reads a repository itself. Without a state
// every lookup finds nothing.
class RegisterLookup
{
public:
    explicit RegisterLookup(AppState* state);

    // Every payee, after a "[Transfer] <name>" entry for each other live
    // account (the last of the account order on top). Kept until
    // forgetPayeeCompletions(): on a big ledger the payees are a read of every
    // row, and each payee editor asks for them.
    QStringList payeeCompletions(const QString& accountId) const;
    // The ledger's transactions or accounts changed: the next call reads the
    // payees again. The list read before is held until then, not dropped here:
    // the editors that share it close on the key that changed the ledger, and
    // the last of them to go would free every payee in that key (thousands of
    // strings on a big ledger), where the next read costs far more anyway.
    void forgetPayeeCompletions();
    QList<Category> categories() const;
    std::optional<PayeeAutofill> payeeAutofill(const QString& payee, const QString& accountId) const;

private:
    AppState* m_state;
    mutable QString m_completionsAccountId;
    mutable QStringList m_payeeCompletions;
    // The list read for that account holds what the ledger holds.
    mutable bool m_completionsCurrent = false;
};
