#pragma once

#include "data/Account.h"
#include "data/AccountRepository.h"
#include "data/Category.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Identifiers.h"
#include "data/TransactionRepository.h"
#include "data/TransactionWriter.h"
#include "data/TransferService.h"
#include "state/AppState.h"
#include "widgets/MessageBox.h"
#include "widgets/ModalDialog.h"
#include "widgets/SmartAmountField.h"

#include <QComboBox>
#include <QDebug>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

// One test's ledger, opened through AppState on a temporary file, with the
// accounts "checking" (Checking), "savings" (Savings), "card" (Visa, a credit
// card), all USD, and "euro" (Euro, EUR); and the category "food" (Food).
// "Now" is 2024-03-05 14:07:09 UTC.
struct RegisterLedger
{
    RegisterLedger()
    {
        Clock::setFixedNow(now());
        ready = state.openLedger(dir.filePath(QStringLiteral("vellumry.db")))
                && addAccount(QStringLiteral("checking"), QStringLiteral("Checking"))
                && addAccount(QStringLiteral("savings"), QStringLiteral("Savings"))
                && addAccount(QStringLiteral("card"), QStringLiteral("Visa"), Currency::USD, AccountType::CreditCard)
                && addAccount(QStringLiteral("euro"), QStringLiteral("Euro"), Currency::EUR)
                && addCategory(QStringLiteral("food"), QStringLiteral("Food"));
    }
    ~RegisterLedger()
    {
        Clock::reset();
        ModalDialog::clearNextHandler();
        MessageBox::clearNextAnswer();
    }

    static QDateTime now() { return QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9), QTimeZone::utc()); }

    bool addAccount(const QString& id, const QString& name, Currency currency = Currency::USD,
                    AccountType type = AccountType::Checking)
    {
        Account account;
        account.id = id;
        account.name = name;
        account.currency = currency;
        account.accountType = type;
        account.createdAt = account.updatedAt = now();
        return state.accountRepository->insert(account);
    }

    // Soft-deleted right away when `deleted`.
    bool addCategory(const QString& id, const QString& name, bool deleted = false)
    {
        Category category;
        category.id = id;
        category.name = name;
        category.createdAt = category.updatedAt = now();
        return state.categoryRepository->insert(category) && (!deleted || state.categoryRepository->softDelete(id));
    }

    // A new record as the register builds one, dated 2024-03-01.
    static Transaction row(const QString& accountId, const QString& payee, qint64 amount)
    {
        Transaction t;
        t.id = newId();
        t.accountId = accountId;
        t.date = QDate(2024, 3, 1);
        t.payee = payee;
        t.amount = amount;
        t.createdAt = t.updatedAt = now();
        return t;
    }

    Transaction add(Transaction t) { return state.transactionRepository->insert(t) ? t : Transaction(); }

    // The leg in `from` of a stored transfer of `amount` into `to`.
    Transaction addTransfer(const QString& from, const QString& to, qint64 amount)
    {
        Transaction leg = row(from, QString(), amount);
        const Transaction other = TransferService(state.accountRepository).buildCounterpart(leg, to);
        return writer().insertTransfer(other, leg) ? leg : Transaction();
    }

    TransactionWriter writer()
    {
        return TransactionWriter(state.database, state.transactionRepository, state.splitLineRepository,
                                 state.categoryRepository);
    }

    Transaction load(const QString& id) const { return state.transactionRepository->findById(id).value_or(Transaction()); }
    QList<Transaction> rows(const QString& accountId) const { return state.transactionRepository->listByAccount(accountId); }

    QTemporaryDir dir;
    AppState state;
    bool ready = false;
};

// What a person does with the keyboard: select what is there, type over it.
template <typename Field>
void typeOver(Field* field, const QString& text)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
}

inline void clickOk(QDialog* dialog)
{
    QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

// The split editor as a person fills it: 20.00 to Food on the first line, 10.00 on the second, then OK.
inline void splitTwentyToFood(QDialog* editor)
{
    auto* lines = editor->findChild<QTableWidget*>(QStringLiteral("splitTable"));
    auto* category = qobject_cast<QComboBox*>(lines->cellWidget(0, 0));
    category->setCurrentIndex(category->findText(QStringLiteral("Food")));
    typeOver(qobject_cast<SmartAmountField*>(lines->cellWidget(0, 1)), QStringLiteral("20"));
    typeOver(qobject_cast<SmartAmountField*>(lines->cellWidget(1, 1)), QStringLiteral("10"));
    clickOk(editor);
}

template <typename Widget>
Widget* child(QObject* parent, const char* name)
{
    return parent->findChild<Widget*>(QLatin1String(name));
}

// The whole record in one text, so that one QCOMPARE shows every difference.
inline QString describe(const Transaction& t)
{
    QString text;
    QDebug(&text) << t.id << t.accountId << t.date << t.payee << t.memo << t.amount << t.categoryId << t.checkNumber
                  << t.cleared << t.reconciled << t.transferLinkId << t.transferDestAccountId << t.isSplit
                  << t.version << static_cast<int>(t.syncStatus) << t.createdAt.toUTC().toString(Qt::ISODate)
                  << t.updatedAt.toUTC().toString(Qt::ISODate);
    return text;
}
