#pragma once

#include "SyncStatus.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QtGlobal>

#include <optional>

// How often a recurring template falls due; stored in
// recurring_transactions.frequency as its text.
enum class RecurringFrequency {
    Daily = 0,
    Weekly = 1,
    Biweekly = 2,
    Monthly = 3,
    Semimonthly = 4,
    Quarterly = 5,
    SemiAnnual = 6,
    Annual = 7
};

// The stored text; a value outside the enumeration is written as "monthly".
QString frequencyToString(RecurringFrequency frequency);
// Exact, case-sensitive: "Monthly", "fortnightly" or an empty text read as Monthly.
RecurringFrequency frequencyFromString(const QString& text);

// A due date that cannot be real: invalid, or before 2000-01-01. Saving such a
// record is allowed (and logged); the engine deactivates it when it meets it.
bool isBrokenRecurringDate(const QDate& date);
// How the warnings about broken dates write a date: "yyyy-MM-dd", or "invalid".
QString dateTextForLog(const QDate& date);

// A template that the recurring engine turns into transactions; one row of
// recurring_transactions. The fields are grouped by meaning, not in column
// order: the columns added by later migrations come last in the table.
struct RecurringTransaction
{
    QString id;
    QString accountId;
    QString payee;
    QString memo;
    // Signed minor units: negative for a payment, positive for a deposit.
    qint64 amount = 0;
    // Empty for none; stored as NULL because the column is a foreign key.
    QString categoryId;
    RecurringFrequency frequency = RecurringFrequency::Monthly;
    // Every N units; values below 1 count as 1.
    int intervalCount = 1;
    // Days of the month of a semi-monthly schedule; 0 means the month's last day.
    int semimonthlyDay1 = 1;
    int semimonthlyDay2 = 15;
    QDate startDate;
    // Past this date the record deactivates itself.
    std::optional<QDate> endDate;
    QDate nextDueDate;
    bool autoPost = false;
    // How many days before its due date an auto-post occurrence is entered.
    int leadDays = 0;
    bool isActive = true;
    // Non-empty makes every occurrence a transfer into this account.
    QString transferDestAccountId;

    int version = 1;
    SyncStatus syncStatus = SyncStatus::Pending;
    QString serverId;
    QDateTime createdAt;
    QDateTime updatedAt;
    std::optional<QDateTime> deletedAt;
};
