#include "RegisterEntryCommit.h"

#include "RegisterModel.h"
#include "TransactionActions.h"

#include "data/Account.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Identifiers.h"
#include "data/LocalEdit.h"
#include "data/TransactionRepository.h"
#include "state/AppState.h"

RegisterEntryCommit::RegisterEntryCommit(AppState* state, const QString& accountId)
    : m_state(state)
    , m_accountId(accountId)
{
}

RegisterEntryCommit::Outcome RegisterEntryCommit::commit(const RegisterModel& model, const Transaction* edited)
{
    QString payee = model.entryText(RegisterModel::PayeeSlot).trimmed();
    if (payee.isEmpty())
        return Outcome::PayeeRequired;

    // A filled payment wins over a filled deposit; a text that reads as 0 is an amount of 0.
    const QString payment = model.entryText(RegisterModel::PaymentSlot).trimmed();
    const QString deposit = model.entryText(RegisterModel::DepositSlot).trimmed();
    if (payment.isEmpty() && deposit.isEmpty())
        return Outcome::AmountRequired;
    const std::optional<Account> account = m_state->accountRepository->findById(m_accountId);
    const Currency currency = account ? account->currency : Currency::USD;
    const qint64 amount = payment.isEmpty() ? RegisterModel::parseEntryAmount(deposit, currency)
                                            : -RegisterModel::parseEntryAmount(payment, currency);

    QDate date = QDate::fromString(model.entryText(RegisterModel::DateSlot), RegisterModel::kDateFormat);
    if (!date.isValid())
        date = Clock::today();
    const QString categoryId = categoryIdFor(model.entryText(RegisterModel::CategoryIdSlot),
                                             model.entryText(RegisterModel::CategorySlot));
    const QString mark = model.entryText(RegisterModel::ClearedSlot).trimmed().toUpper();

    QString otherAccountId;
    switch (TransactionActions::resolveTransferCategory(m_state, m_accountId, payee, otherAccountId)) {
    case TransferResolution::AccountNotFound:
        return Outcome::TransferAccountNotFound;
    case TransferResolution::CurrencyMismatch:
        return Outcome::CurrencyMismatch;
    case TransferResolution::NotTransfer:
    case TransferResolution::Accepted:
        break;
    }

    if (edited) {
        if (m_state->transactionRepository->isOpeningBalanceTransaction(*edited))
            return Outcome::OpeningBalanceRow;
        if (edited->id.isEmpty())
            return Outcome::HeldOnAccount;
        m_transaction = *edited;
    } else {
        m_transaction = Transaction();
        m_transaction.id = newId();
        m_transaction.accountId = m_accountId;
        m_transaction.createdAt = m_transaction.updatedAt = Clock::nowUtc();
    }
    m_transaction.date = date;
    m_transaction.payee = payee;
    m_transaction.checkNumber = model.entryText(RegisterModel::CheckNumberSlot).trimmed();
    m_transaction.memo = model.entryText(RegisterModel::MemoSlot).trimmed();
    m_transaction.amount = amount;
    m_transaction.categoryId = categoryId;
    m_transaction.cleared = mark == u"C" || mark == u"R";
    m_transaction.reconciled = mark == u"R";

    if (edited) {
        stampLocalEdit(m_transaction);
        return m_state->transactionRepository->update(m_transaction) ? Outcome::Saved : Outcome::NotSaved;
    }
    return TransactionActions::insertTyped(m_state, m_transaction, otherAccountId) ? Outcome::Saved
                                                                                   : Outcome::NotSaved;
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
