#pragma once

#include "data/Account.h"
#include "data/Category.h"
#include "data/Reconciliation.h"
#include "data/RecurringTransaction.h"
#include "data/SplitLine.h"
#include "data/Transaction.h"

#include <QDate>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QLatin1StringView>
#include <QList>
#include <QString>

// The two wire forms of the synced rows: the change entry that a push sends
// for a pending row, and the server's record that a pull brings back. The
// writer puts the local id in "client_id" and the server's id in "server_id";
// a pulled record carries the server's id in "id".
namespace SyncRecords {

// The "entity_type" texts of a change entry.
inline constexpr QLatin1StringView kAccountType("account");
inline constexpr QLatin1StringView kCategoryType("category");
inline constexpr QLatin1StringView kRecurringType("recurring");
inline constexpr QLatin1StringView kTransactionType("transaction");
inline constexpr QLatin1StringView kReconciliationType("reconciliation");

// The pull page's array keys, in the order they are applied.
inline constexpr QLatin1StringView kAccountsKey("accounts");
inline constexpr QLatin1StringView kCategoriesKey("categories");
inline constexpr QLatin1StringView kRecurringKey("recurring_transactions");
// Read only when a page has no kRecurringKey.
inline constexpr QLatin1StringView kRecurringFallbackKey("recurring");
inline constexpr QLatin1StringView kTransactionsKey("transactions");
inline constexpr QLatin1StringView kReconciliationsKey("reconciliations");

// {"entity_type", "entity_id", "action", "version", "payload"}; the action is
// "delete" for a soft-deleted row.
QJsonObject changeEntry(QLatin1StringView entityType, const QString& id, int version, bool deleted,
                        const QJsonObject& payload);

QJsonObject accountPayload(const Account& account);
QJsonObject categoryPayload(const Category& category);
// Carries "version" like the others, so that a server that hands the payload
// back gives other devices the version instead of 0.
QJsonObject recurringPayload(const RecurringTransaction& recurring);
// "split_lines" only for a split transaction (an empty array when it has none).
QJsonObject transactionPayload(const Transaction& transaction, const QList<SplitLine>& lines);
QJsonObject reconciliationPayload(const Reconciliation& reconciliation);

// Reading pulled records. A missing or mistyped value reads as empty, 0 or false.
QString text(const QJsonObject& record, QLatin1StringView key);
qint64 integer(const QJsonObject& record, QLatin1StringView key);
// JSON booleans as they are, numbers as "not zero".
bool flag(const QJsonObject& record, QLatin1StringView key);
// "yyyy-MM-dd", else the date part of an ISO 8601 date-time, else a null date.
QDate parseServerDate(const QString& text);

// Each decoder gives the record as the server has it: id from "client_id",
// server id from "id", the server's version, status synced, and a deletion
// time when "deleted_at" is not empty.
Account accountFromRecord(const QJsonObject& record);
Category categoryFromRecord(const QJsonObject& record);
// "lead_days", "interval_count" and the two semi-monthly days are read only
// when present; otherwise the local row's values stay (the defaults without one).
RecurringTransaction recurringFromRecord(const QJsonObject& record, const std::optional<RecurringTransaction>& local);
Transaction transactionFromRecord(const QJsonObject& record);
// The lines of a split record: category, amount and memo only.
QList<SplitLine> splitLinesFromRecord(const QJsonObject& record);
Reconciliation reconciliationFromRecord(const QJsonObject& record);

} // namespace SyncRecords
