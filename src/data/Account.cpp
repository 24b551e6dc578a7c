#include "Account.h"

namespace {

struct TypeText
{
    AccountType type;
    QLatin1StringView text;
};

// "other" is not in the list: it is what every unmatched text reads as.
constexpr TypeText kTypeTexts[] = {
    {AccountType::Checking, QLatin1StringView("checking")},
    {AccountType::Savings, QLatin1StringView("savings")},
    {AccountType::CreditCard, QLatin1StringView("credit_card")},
    {AccountType::Cash, QLatin1StringView("cash")},
    {AccountType::Investment, QLatin1StringView("investment")},
    {AccountType::Loan, QLatin1StringView("loan")},
};

} // namespace

QString accountTypeToString(AccountType type)
{
    for (const TypeText& entry : kTypeTexts) {
        if (entry.type == type)
            return entry.text;
    }
    return QStringLiteral("other");
}

AccountType accountTypeFromString(const QString& text)
{
    for (const TypeText& entry : kTypeTexts) {
        if (text == entry.text)
            return entry.type;
    }
    return AccountType::Other;
}

bool isLiabilityAccount(AccountType type)
{
    return type == AccountType::CreditCard || type == AccountType::Loan;
}
