#pragma once

#include "Money.h"
#include "SyncStatus.h"

#include <QDateTime>
#include <QString>

#include <optional>

// Stored in accounts.account_type as its text.
enum class AccountType { Checking = 0, Savings = 1, CreditCard = 2, Cash = 3, Investment = 4, Loan = 5, Other = 6 };

// The stored text; a value outside the enumeration is written as "other".
QString accountTypeToString(AccountType type);
// Exact, case-sensitive: "Checking" or any unknown text reads as Other.
AccountType accountTypeFromString(const QString& text);
// Credit cards and loans hold what is owed, stored negative and shown with the sign flipped.
bool isLiabilityAccount(AccountType type);

// One row of the accounts table, fields in column order.
struct Account
{
    QString id;
    QString name;
    AccountType accountType = AccountType::Checking;
    Currency currency = Currency::USD;
    QString institution;
    QString accountNumberLast4;
    qint64 startingBalance = 0;
    int sortOrder = 0;
    bool isShared = false;
    int version = 1;
    SyncStatus syncStatus = SyncStatus::Pending;
    QString serverId;
    QDateTime createdAt;
    QDateTime updatedAt;
    std::optional<QDateTime> deletedAt;
};
