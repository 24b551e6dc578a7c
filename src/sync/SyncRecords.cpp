#include "SyncRecords.h"

#include "data/Clock.h"
#include "data/SqlValues.h"

#include <QDateTime>

#include <cmath>
#include <limits>

namespace SyncRecords {

namespace {

QString dateTimeText(const QDateTime& time)
{
    return SqlValues::timestampText(time);
}

// The keys every payload starts and ends with.
void addIdentity(QJsonObject& payload, const QString& id, const QString& serverId)
{
    payload.insert(QLatin1String("client_id"), id);
    if (!serverId.isEmpty())
        payload.insert(QLatin1String("server_id"), serverId);
}

void addTimes(QJsonObject& payload, const QDateTime& createdAt, const QDateTime& updatedAt,
              const std::optional<QDateTime>& deletedAt)
{
    payload.insert(QLatin1String("created_at"), dateTimeText(createdAt));
    payload.insert(QLatin1String("updated_at"), dateTimeText(updatedAt));
    if (deletedAt)
        payload.insert(QLatin1String("deleted_at"), dateTimeText(*deletedAt));
}

QDateTime dateTime(const QJsonObject& record, QLatin1StringView key)
{
    return SqlValues::parseTimestamp(text(record, key));
}

// A deleted record whose time cannot be read is still deleted: without a time
// the deletion would be written as NULL, which brings the row back.
std::optional<QDateTime> deletionTime(const QJsonObject& record)
{
    const QString value = text(record, QLatin1StringView("deleted_at"));
    if (value.isEmpty())
        return std::nullopt;
    const QDateTime time = SqlValues::parseTimestamp(value);
    return time.isValid() ? time : Clock::nowUtc();
}

int integer32(const QJsonObject& record, QLatin1StringView key)
{
    const qint64 value = integer(record, key);
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        return 0;
    return int(value);
}

} // namespace

QJsonObject changeEntry(QLatin1StringView entityType, const QString& id, int version, bool deleted,
                        const QJsonObject& payload)
{
    return QJsonObject{
        {QLatin1String("entity_type"), QString(entityType)},
        {QLatin1String("entity_id"), id},
        {QLatin1String("action"), deleted ? QStringLiteral("delete") : QStringLiteral("upsert")},
        {QLatin1String("version"), version},
        {QLatin1String("payload"), payload},
    };
}

QJsonObject accountPayload(const Account& account)
{
    QJsonObject payload;
    addIdentity(payload, account.id, account.serverId);
    payload.insert(QLatin1String("name"), account.name);
    payload.insert(QLatin1String("account_type"), accountTypeToString(account.accountType));
    payload.insert(QLatin1String("currency"), currencyCode(account.currency));
    payload.insert(QLatin1String("is_shared"), SqlValues::flag(account.isShared));
    payload.insert(QLatin1String("institution"), account.institution);
    payload.insert(QLatin1String("account_number_last4"), account.accountNumberLast4);
    payload.insert(QLatin1String("starting_balance"), account.startingBalance);
    payload.insert(QLatin1String("sort_order"), account.sortOrder);
    payload.insert(QLatin1String("version"), account.version);
    addTimes(payload, account.createdAt, account.updatedAt, account.deletedAt);
    return payload;
}

QJsonObject categoryPayload(const Category& category)
{
    QJsonObject payload;
    addIdentity(payload, category.id, category.serverId);
    payload.insert(QLatin1String("name"), category.name);
    payload.insert(QLatin1String("category_type"), categoryTypeToString(category.categoryType));
    payload.insert(QLatin1String("parent_id"), category.parentId);
    payload.insert(QLatin1String("is_tax_relevant"), SqlValues::flag(category.isTaxRelevant));
    payload.insert(QLatin1String("tax_category"), category.taxCategory);
    payload.insert(QLatin1String("icon"), category.icon);
    payload.insert(QLatin1String("color"), category.color);
    payload.insert(QLatin1String("is_default"), SqlValues::flag(category.isDefault));
    payload.insert(QLatin1String("account_id"), category.accountId);
    payload.insert(QLatin1String("version"), category.version);
    addTimes(payload, category.createdAt, category.updatedAt, category.deletedAt);
    return payload;
}

QJsonObject recurringPayload(const RecurringTransaction& recurring)
{
    QJsonObject payload;
    addIdentity(payload, recurring.id, recurring.serverId);
    payload.insert(QLatin1String("account_id"), recurring.accountId);
    payload.insert(QLatin1String("payee"), recurring.payee);
    payload.insert(QLatin1String("memo"), recurring.memo);
    payload.insert(QLatin1String("amount"), recurring.amount);
    payload.insert(QLatin1String("category_id"), recurring.categoryId);
    payload.insert(QLatin1String("transfer_dest_account_id"), recurring.transferDestAccountId);
    payload.insert(QLatin1String("frequency"), frequencyToString(recurring.frequency));
    payload.insert(QLatin1String("start_date"), SqlValues::dateText(recurring.startDate));
    if (recurring.endDate)
        payload.insert(QLatin1String("end_date"), SqlValues::dateText(*recurring.endDate));
    payload.insert(QLatin1String("next_due_date"), SqlValues::dateText(recurring.nextDueDate));
    payload.insert(QLatin1String("auto_post"), SqlValues::flag(recurring.autoPost));
    payload.insert(QLatin1String("lead_days"), recurring.leadDays);
    payload.insert(QLatin1String("interval_count"), recurring.intervalCount);
    payload.insert(QLatin1String("semimonthly_day_1"), recurring.semimonthlyDay1);
    payload.insert(QLatin1String("semimonthly_day_2"), recurring.semimonthlyDay2);
    payload.insert(QLatin1String("is_active"), SqlValues::flag(recurring.isActive));
    payload.insert(QLatin1String("version"), recurring.version);
    addTimes(payload, recurring.createdAt, recurring.updatedAt, recurring.deletedAt);
    return payload;
}

QJsonObject transactionPayload(const Transaction& transaction, const QList<SplitLine>& lines)
{
    QJsonObject payload;
    addIdentity(payload, transaction.id, transaction.serverId);
    payload.insert(QLatin1String("account_id"), transaction.accountId);
    payload.insert(QLatin1String("date"), SqlValues::dateText(transaction.date));
    payload.insert(QLatin1String("payee"), transaction.payee);
    payload.insert(QLatin1String("memo"), transaction.memo);
    payload.insert(QLatin1String("amount"), transaction.amount);
    payload.insert(QLatin1String("category_id"), transaction.categoryId);
    payload.insert(QLatin1String("check_number"), transaction.checkNumber);
    payload.insert(QLatin1String("cleared"), SqlValues::flag(transaction.cleared));
    payload.insert(QLatin1String("reconciled"), SqlValues::flag(transaction.reconciled));
    payload.insert(QLatin1String("transfer_link_id"), transaction.transferLinkId);
    payload.insert(QLatin1String("transfer_dest_account_id"), transaction.transferDestAccountId);
    payload.insert(QLatin1String("is_split"), SqlValues::flag(transaction.isSplit));
    payload.insert(QLatin1String("recurring_id"), transaction.recurringId);
    payload.insert(QLatin1String("version"), transaction.version);
    addTimes(payload, transaction.createdAt, transaction.updatedAt, transaction.deletedAt);
    if (transaction.isSplit) {
        QJsonArray array;
        for (const SplitLine& line : lines) {
            array.append(QJsonObject{
                {QLatin1String("category_id"), line.categoryId},
                {QLatin1String("amount"), line.amount},
                {QLatin1String("memo"), line.memo},
            });
        }
        payload.insert(QLatin1String("split_lines"), array);
    }
    return payload;
}

QJsonObject reconciliationPayload(const Reconciliation& reconciliation)
{
    QJsonObject payload;
    addIdentity(payload, reconciliation.id, reconciliation.serverId);
    payload.insert(QLatin1String("account_id"), reconciliation.accountId);
    payload.insert(QLatin1String("statement_date"), SqlValues::dateText(reconciliation.statementDate));
    payload.insert(QLatin1String("statement_balance"), reconciliation.statementBalance);
    payload.insert(QLatin1String("reconciled_balance"), reconciliation.reconciledBalance);
    payload.insert(QLatin1String("completed_at"), dateTimeText(reconciliation.completedAt));
    payload.insert(QLatin1String("version"), reconciliation.version);
    addTimes(payload, reconciliation.createdAt, reconciliation.updatedAt, reconciliation.deletedAt);
    return payload;
}

QString text(const QJsonObject& record, QLatin1StringView key)
{
    const QJsonValue value = record.value(key);
    return value.isString() ? value.toString() : QString();
}

qint64 integer(const QJsonObject& record, QLatin1StringView key)
{
    const QJsonValue value = record.value(key);
    if (!value.isDouble())
        return 0;
    const double number = value.toDouble();
    // Beyond 2^63 llround has no answer; such a value is no amount we wrote.
    if (!std::isfinite(number) || std::fabs(number) >= 9.2e18)
        return 0;
    return value.toInteger(std::llround(number));
}

bool flag(const QJsonObject& record, QLatin1StringView key)
{
    const QJsonValue value = record.value(key);
    if (value.isBool())
        return value.toBool();
    return value.isDouble() && value.toDouble() != 0.0;
}

QDate parseServerDate(const QString& text)
{
    if (text.isEmpty())
        return QDate();
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (date.isValid())
        return date;
    QDateTime time = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (!time.isValid())
        time = QDateTime::fromString(text, Qt::ISODate);
    return time.isValid() ? time.date() : QDate();
}


namespace {

// The server's sync columns of a pulled record; a pulled row is synced by definition.
template <typename Row>
void readSyncColumns(const QJsonObject& record, Row& row)
{
    row.version = integer32(record, QLatin1StringView("version"));
    row.syncStatus = SyncStatus::Synced;
    row.createdAt = dateTime(record, QLatin1StringView("created_at"));
    row.updatedAt = dateTime(record, QLatin1StringView("updated_at"));
    row.deletedAt = deletionTime(record);
}

} // namespace

Account accountFromRecord(const QJsonObject& record)
{
    Account account;
    account.id = text(record, QLatin1StringView("client_id"));
    account.serverId = text(record, QLatin1StringView("id"));
    account.name = text(record, QLatin1StringView("name"));
    account.accountType = accountTypeFromString(text(record, QLatin1StringView("account_type")));
    account.currency = currencyFromCode(text(record, QLatin1StringView("currency")));
    account.institution = text(record, QLatin1StringView("institution"));
    account.accountNumberLast4 = text(record, QLatin1StringView("account_number_last4"));
    account.startingBalance = integer(record, QLatin1StringView("starting_balance"));
    account.sortOrder = integer32(record, QLatin1StringView("sort_order"));
    account.isShared = flag(record, QLatin1StringView("is_shared"));
    readSyncColumns(record, account);
    return account;
}

Category categoryFromRecord(const QJsonObject& record)
{
    Category category;
    category.id = text(record, QLatin1StringView("client_id"));
    category.serverId = text(record, QLatin1StringView("id"));
    category.name = text(record, QLatin1StringView("name"));
    category.categoryType = categoryTypeFromString(text(record, QLatin1StringView("category_type")));
    category.parentId = text(record, QLatin1StringView("parent_id"));
    category.isTaxRelevant = flag(record, QLatin1StringView("is_tax_relevant"));
    category.taxCategory = text(record, QLatin1StringView("tax_category"));
    category.icon = text(record, QLatin1StringView("icon"));
    category.color = text(record, QLatin1StringView("color"));
    category.isDefault = flag(record, QLatin1StringView("is_default"));
    category.accountId = text(record, QLatin1StringView("account_id"));
    readSyncColumns(record, category);
    return category;
}

RecurringTransaction recurringFromRecord(const QJsonObject& record, const std::optional<RecurringTransaction>& local)
{
    RecurringTransaction recurring;
    if (local) {
        recurring.leadDays = local->leadDays;
        recurring.intervalCount = local->intervalCount;
        recurring.semimonthlyDay1 = local->semimonthlyDay1;
        recurring.semimonthlyDay2 = local->semimonthlyDay2;
    }
    recurring.id = text(record, QLatin1StringView("client_id"));
    recurring.serverId = text(record, QLatin1StringView("id"));
    recurring.accountId = text(record, QLatin1StringView("account_id"));
    recurring.payee = text(record, QLatin1StringView("payee"));
    recurring.memo = text(record, QLatin1StringView("memo"));
    recurring.amount = integer(record, QLatin1StringView("amount"));
    recurring.categoryId = text(record, QLatin1StringView("category_id"));
    recurring.frequency = frequencyFromString(text(record, QLatin1StringView("frequency")));
    recurring.startDate = parseServerDate(text(record, QLatin1StringView("start_date")));
    const QString endDate = text(record, QLatin1StringView("end_date"));
    if (!endDate.isEmpty())
        recurring.endDate = parseServerDate(endDate);
    recurring.nextDueDate = parseServerDate(text(record, QLatin1StringView("next_due_date")));
    recurring.autoPost = flag(record, QLatin1StringView("auto_post"));
    const auto readIfPresent = [&record](QLatin1StringView key, int* field) {
        if (record.contains(key))
            *field = integer32(record, key);
    };
    readIfPresent(QLatin1StringView("lead_days"), &recurring.leadDays);
    readIfPresent(QLatin1StringView("interval_count"), &recurring.intervalCount);
    readIfPresent(QLatin1StringView("semimonthly_day_1"), &recurring.semimonthlyDay1);
    readIfPresent(QLatin1StringView("semimonthly_day_2"), &recurring.semimonthlyDay2);
    recurring.isActive = flag(record, QLatin1StringView("is_active"));
    recurring.transferDestAccountId = text(record, QLatin1StringView("transfer_dest_account_id"));
    readSyncColumns(record, recurring);
    return recurring;
}

Transaction transactionFromRecord(const QJsonObject& record)
{
    Transaction transaction;
    transaction.id = text(record, QLatin1StringView("client_id"));
    transaction.serverId = text(record, QLatin1StringView("id"));
    transaction.accountId = text(record, QLatin1StringView("account_id"));
    transaction.date = parseServerDate(text(record, QLatin1StringView("date")));
    transaction.payee = text(record, QLatin1StringView("payee"));
    transaction.memo = text(record, QLatin1StringView("memo"));
    transaction.amount = integer(record, QLatin1StringView("amount"));
    transaction.categoryId = text(record, QLatin1StringView("category_id"));
    transaction.checkNumber = text(record, QLatin1StringView("check_number"));
    transaction.cleared = flag(record, QLatin1StringView("cleared"));
    transaction.reconciled = flag(record, QLatin1StringView("reconciled"));
    transaction.transferLinkId = text(record, QLatin1StringView("transfer_link_id"));
    transaction.transferDestAccountId = text(record, QLatin1StringView("transfer_dest_account_id"));
    transaction.isSplit = flag(record, QLatin1StringView("is_split"));
    transaction.recurringId = text(record, QLatin1StringView("recurring_id"));
    readSyncColumns(record, transaction);
    return transaction;
}

QList<SplitLine> splitLinesFromRecord(const QJsonObject& record)
{
    QList<SplitLine> lines;
    const QJsonArray array = record.value(QLatin1String("split_lines")).toArray();
    lines.reserve(array.size());
    for (const QJsonValue& element : array) {
        const QJsonObject object = element.toObject();
        SplitLine line;
        line.categoryId = text(object, QLatin1StringView("category_id"));
        line.amount = integer(object, QLatin1StringView("amount"));
        line.memo = text(object, QLatin1StringView("memo"));
        lines.append(line);
    }
    return lines;
}

Reconciliation reconciliationFromRecord(const QJsonObject& record)
{
    Reconciliation reconciliation;
    reconciliation.id = text(record, QLatin1StringView("client_id"));
    reconciliation.serverId = text(record, QLatin1StringView("id"));
    reconciliation.accountId = text(record, QLatin1StringView("account_id"));
    reconciliation.statementDate = parseServerDate(text(record, QLatin1StringView("statement_date")));
    reconciliation.statementBalance = integer(record, QLatin1StringView("statement_balance"));
    reconciliation.reconciledBalance = integer(record, QLatin1StringView("reconciled_balance"));
    reconciliation.completedAt = dateTime(record, QLatin1StringView("completed_at"));
    readSyncColumns(record, reconciliation);
    return reconciliation;
}

} // namespace SyncRecords
