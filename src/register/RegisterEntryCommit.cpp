#include "RegisterEntryCommit.h"

#include "RegisterModel.h"
#include "TransactionActions.h"

#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Identifiers.h"
#include "data/LocalEdit.h"
#include "data/TransactionRepository.h"
#include "data/TransferService.h"
#include "data/WriteFailureWatch.h"
#include "state/AppState.h"

namespace {

// The fields a row typed in place sets.
bool sameTypedFields(const Transaction& a, const Transaction& b)
{
    return a.date == b.date && a.payee == b.payee && a.checkNumber == b.checkNumber && a.memo == b.memo
           && a.amount == b.amount && a.categoryId == b.categoryId && a.cleared == b.cleared
           && a.reconciled == b.reconciled;
}

// Only the fields typed into: one written elsewhere meanwhile keeps what was written there.
void copyTypedFields(const Transaction& typed, Transaction& into, RegisterModel::Fields fields)
{
    using Field = RegisterModel::Field;
    if (fields.testFlag(Field::Date))
        into.date = typed.date;
    if (fields.testFlag(Field::Payee))
        into.payee = typed.payee;
    if (fields.testFlag(Field::CheckNumber))
        into.checkNumber = typed.checkNumber;
    if (fields.testFlag(Field::Memo))
        into.memo = typed.memo;
    if (fields.testFlag(Field::Amount))
        into.amount = typed.amount;
    if (fields.testFlag(Field::Category))
        into.categoryId = typed.categoryId;
    if (fields.testFlag(Field::Cleared)) {
        into.cleared = typed.cleared;
        into.reconciled = typed.reconciled;
    }
}

// What a row shows of the fields typed in place.
Transaction typedFieldsOf(const RegisterRow& row)
{
    Transaction transaction;
    transaction.accountId = row.accountId;
    transaction.date = row.date;
    transaction.payee = row.payee;
    transaction.checkNumber = row.checkNumber;
    transaction.memo = row.memo;
    transaction.amount = row.amount;
    transaction.categoryId = row.categoryId;
    transaction.cleared = row.cleared;
    transaction.reconciled = row.reconciled;
    return transaction;
}

} // namespace

RegisterEntryCommit::RegisterEntryCommit(AppState* state, const QString& accountId)
    : m_state(state)
    , m_accountId(accountId)
{
}

RegisterEntryCommit::Outcome RegisterEntryCommit::commit(const RegisterModel& model, const RegisterRow* edited)
{
    const WriteFailureWatch failure;
    const auto written = [&](bool saved) {
        m_failureCause = saved ? QString() : failure.cause();
        return saved ? Outcome::Saved : Outcome::NotSaved;
    };
    Transaction typed = model.entryTransaction(m_accountId);
    if (typed.payee.isEmpty())
        return Outcome::PayeeRequired;

    const RegisterModel::EntryAmount entered = model.entryAmount();
    if (entered.empty)
        return Outcome::AmountRequired;
    if (!entered.cents) {
        m_amountText = entered.notUnderstood;
        return entered.tooLarge ? Outcome::AmountTooLarge : Outcome::AmountNotUnderstood;
    }
    typed.categoryId = categoryIdFor(typed.categoryId, model.entryText(RegisterModel::CategorySlot));

    QString otherAccountId;
    switch (m_state->transferService->resolveNew(m_accountId, typed.payee, false, otherAccountId)) {
    case TransferResolution::AccountNotFound:
        return Outcome::TransferAccountNotFound;
    case TransferResolution::CurrencyMismatch:
        return Outcome::CurrencyMismatch;
    case TransferResolution::SplitRefused: // a row typed in place has no split lines
    case TransferResolution::NotTransfer:
    case TransferResolution::Accepted:
        break;
    }

    if (!edited) {
        m_transaction = Transaction();
        m_transaction.id = newId();
        m_transaction.accountId = m_accountId;
        m_transaction.createdAt = m_transaction.updatedAt = Clock::nowUtc();
        copyTypedFields(typed, m_transaction, RegisterModel::Fields::fromInt(~0));
        return written(TransactionActions::insertTyped(m_state, m_transaction, otherAccountId));
    }

    // The row shown may be older than the ledger: a row deleted since is not
    // written back, and the fields not typed here are taken as stored now.
    // A row without an id (the opening line of a starting balance) is only what it shows.
    std::optional<Transaction> stored = typedFieldsOf(*edited);
    if (!edited->id.isEmpty()) {
        stored = m_state->transactionRepository->findById(edited->id);
        if (!stored || stored->deletedAt)
            return Outcome::RowGone;
    }
    m_transaction = *stored;
    copyTypedFields(typed, m_transaction, model.typedFields());
    // Walking through rows with Enter, or a Ctrl+Return on a row merely looked
    // at, must not make a new version of it (nor send the user to an account's
    // settings).
    if (sameTypedFields(m_transaction, *stored))
        return Outcome::Unchanged;
    if (edited->id.isEmpty())
        return Outcome::HeldOnAccount;
    if (m_state->transactionRepository->isOpeningBalanceTransaction(*stored))
        return Outcome::OpeningBalanceRow;
    stampLocalEdit(m_transaction);
    return written(m_state->transactionRepository->update(m_transaction));
}

QString RegisterEntryCommit::categoryIdFor(const QString& id, const QString& text) const
{
    if (!id.isEmpty())
        return id;
    const QString name = text.trimmed();
    if (name.isEmpty())
        return QString();
    const CategoryRepository* categories = m_state->categoryRepository;
    if (const std::optional<Category> category = categories->findByName(name))
        return category->id;
    // A path typed out ("Food > Groceries") names the category after its first separator.
    const qsizetype separator = name.indexOf(QStringLiteral(" > "));
    if (separator >= 0) {
        if (const std::optional<Category> category = categories->findByName(name.mid(separator + 3).trimmed()))
            return category->id;
    }
    return QString();
}
