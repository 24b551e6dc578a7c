#pragma once

#include "data/Account.h"
#include "data/MoneySum.h"

#include <QWidget>

#include <optional>

class QLabel;

// One account in the account list: its type icon, its name, its balance and a
// detail line (institution or type, and the last digits of the number).
class AccountCard : public QWidget
{
    Q_OBJECT

public:
    // `balance` is the stored balance; a liability shows it with the sign flipped.
    // Without one (not read yet) the balance is blank.
    AccountCard(const Account& account, std::optional<MoneySum> balance, QWidget* parent = nullptr);

    // Shows another balance of the same account, as the constructor would.
    void setBalance(std::optional<MoneySum> balance);

    // The Material Icons character of a type.
    static QChar typeGlyph(AccountType type);
    static QString detailLine(const Account& account);

private:
    AccountType m_type;
    Currency m_currency;
    QLabel* m_balanceLabel;
};
