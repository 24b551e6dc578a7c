#include "TestMain.h"

#include "data/Clock.h"
#include "sync/SyncRecords.h"

#include <QJsonArray>
#include <QTimeZone>

using namespace SyncRecords;

namespace {

const QDateTime kCreated(QDate(2024, 1, 2), QTime(3, 4, 5), QTimeZone::utc());
const QDateTime kUpdated(QDate(2024, 2, 3), QTime(4, 5, 6), QTimeZone::utc());

QStringList keysOf(const QJsonObject& object)
{
    QStringList keys = object.keys();
    keys.sort();
    return keys;
}

QStringList sorted(QStringList keys)
{
    keys.sort();
    return keys;
}

} // namespace

// The two wire forms: what a push sends for a row, and how a pulled record reads.
class TestSyncRecords : public QObject
{
    Q_OBJECT

private slots:
    void changeEntry();
    void accountPayload();
    void categoryPayload();
    void recurringPayloadCarriesItsVersion();
    void transactionPayload();
    void reconciliationPayload();

    void flags_data();
    void flags();
    void integers();
    void serverDates_data();
    void serverDates();
    void recordsRoundTrip();
    void recurringScheduleNumbersMayBeMissing();
    void deletionWithoutReadableTime();
    void splitLines();
};

void TestSyncRecords::changeEntry()
{
    const QJsonObject payload{{QStringLiteral("client_id"), QStringLiteral("a")}};
    const QJsonObject live = SyncRecords::changeEntry(kAccountType, QStringLiteral("a"), 3, false, payload);
    QCOMPARE(live.value(QLatin1String("entity_type")).toString(), QStringLiteral("account"));
    QCOMPARE(live.value(QLatin1String("entity_id")).toString(), QStringLiteral("a"));
    QCOMPARE(live.value(QLatin1String("action")).toString(), QStringLiteral("upsert"));
    QCOMPARE(live.value(QLatin1String("version")).toInt(), 3);
    QCOMPARE(live.value(QLatin1String("payload")).toObject(), payload);
    QCOMPARE(SyncRecords::changeEntry(kTransactionType, QStringLiteral("t"), 2, true, payload)
                 .value(QLatin1String("action"))
                 .toString(),
             QStringLiteral("delete"));
}

void TestSyncRecords::accountPayload()
{
    Account account;
    account.id = QStringLiteral("acc");
    account.name = QStringLiteral("Card");
    account.accountType = AccountType::CreditCard;
    account.currency = Currency::JPY;
    account.isShared = true;
    account.startingBalance = -9007199254740993LL; // beyond a double's exact range
    account.sortOrder = 4;
    account.version = 7;
    account.createdAt = kCreated;
    account.updatedAt = kUpdated;
    QJsonObject payload = SyncRecords::accountPayload(account);
    QCOMPARE(keysOf(payload), sorted({"client_id", "name", "account_type", "currency", "is_shared", "institution",
                                      "account_number_last4", "starting_balance", "sort_order", "version",
                                      "created_at", "updated_at"}));
    QCOMPARE(payload.value(QLatin1String("account_type")).toString(), QStringLiteral("credit_card"));
    QCOMPARE(payload.value(QLatin1String("currency")).toString(), QStringLiteral("JPY"));
    QCOMPARE(payload.value(QLatin1String("is_shared")), QJsonValue(1));
    QCOMPARE(payload.value(QLatin1String("starting_balance")).toInteger(), -9007199254740993LL);
    QCOMPARE(payload.value(QLatin1String("institution")), QJsonValue(QString()));
    QCOMPARE(payload.value(QLatin1String("created_at")).toString(), QStringLiteral("2024-01-02T03:04:05Z"));

    // The server id only once the row has one; deleted_at only for a deleted row.
    account.serverId = QStringLiteral("srv");
    account.deletedAt = kUpdated;
    payload = SyncRecords::accountPayload(account);
    QCOMPARE(payload.value(QLatin1String("server_id")).toString(), QStringLiteral("srv"));
    QCOMPARE(payload.value(QLatin1String("deleted_at")).toString(), QStringLiteral("2024-02-03T04:05:06Z"));
}

void TestSyncRecords::categoryPayload()
{
    Category category;
    category.id = QStringLiteral("c");
    category.name = QStringLiteral("Electric");
    category.categoryType = CategoryType::Income;
    category.parentId = QStringLiteral("p");
    category.isDefault = true;
    category.createdAt = kCreated;
    category.updatedAt = kUpdated;
    const QJsonObject payload = SyncRecords::categoryPayload(category);
    QCOMPARE(keysOf(payload), sorted({"client_id", "name", "category_type", "parent_id", "is_tax_relevant",
                                      "tax_category", "icon", "color", "is_default", "account_id", "version",
                                      "created_at", "updated_at"}));
    QCOMPARE(payload.value(QLatin1String("category_type")).toString(), QStringLiteral("income"));
    QCOMPARE(payload.value(QLatin1String("is_default")), QJsonValue(1));
    QCOMPARE(payload.value(QLatin1String("is_tax_relevant")), QJsonValue(0));
    QCOMPARE(payload.value(QLatin1String("account_id")), QJsonValue(QString()));
}

void TestSyncRecords::recurringPayloadCarriesItsVersion()
{
    RecurringTransaction recurring;
    recurring.id = QStringLiteral("r");
    recurring.accountId = QStringLiteral("acc");
    recurring.frequency = RecurringFrequency::SemiAnnual;
    recurring.startDate = QDate(2024, 1, 31);
    recurring.nextDueDate = QDate(2024, 7, 31);
    recurring.autoPost = true;
    recurring.version = 5;
    recurring.createdAt = kCreated;
    recurring.updatedAt = kUpdated;
    QJsonObject payload = SyncRecords::recurringPayload(recurring);
    // "version" as in every other payload, so a server that hands the payload
    // back does not make other devices read version 0.
    QCOMPARE(keysOf(payload), sorted({"client_id", "account_id", "payee", "memo", "amount", "category_id",
                                      "transfer_dest_account_id", "frequency", "start_date", "next_due_date",
                                      "auto_post", "lead_days", "interval_count", "semimonthly_day_1",
                                      "semimonthly_day_2", "is_active", "version", "created_at", "updated_at"}));
    QCOMPARE(payload.value(QLatin1String("version")).toInt(), 5);
    QCOMPARE(payload.value(QLatin1String("frequency")).toString(), QStringLiteral("semi_annual"));
    QCOMPARE(payload.value(QLatin1String("next_due_date")).toString(), QStringLiteral("2024-07-31"));
    QCOMPARE(payload.value(QLatin1String("semimonthly_day_2")).toInt(), 15);
    QCOMPARE(payload.value(QLatin1String("is_active")), QJsonValue(1));

    recurring.endDate = QDate(2025, 1, 31);
    payload = SyncRecords::recurringPayload(recurring);
    QCOMPARE(payload.value(QLatin1String("end_date")).toString(), QStringLiteral("2025-01-31"));
}

void TestSyncRecords::transactionPayload()
{
    Transaction transaction;
    transaction.id = QStringLiteral("t");
    transaction.accountId = QStringLiteral("acc");
    transaction.date = QDate(2024, 3, 5);
    transaction.amount = -4250;
    transaction.cleared = true;
    transaction.createdAt = kCreated;
    transaction.updatedAt = kUpdated;
    QJsonObject payload = SyncRecords::transactionPayload(transaction, {});
    QCOMPARE(keysOf(payload), sorted({"client_id", "account_id", "date", "payee", "memo", "amount", "category_id",
                                      "check_number", "cleared", "reconciled", "transfer_link_id",
                                      "transfer_dest_account_id", "is_split", "recurring_id", "version",
                                      "created_at", "updated_at"}));
    QCOMPARE(payload.value(QLatin1String("cleared")), QJsonValue(1));
    QCOMPARE(payload.value(QLatin1String("reconciled")), QJsonValue(0));
    QCOMPARE(payload.value(QLatin1String("date")).toString(), QStringLiteral("2024-03-05"));

    transaction.isSplit = true;
    payload = SyncRecords::transactionPayload(transaction, {});
    QCOMPARE(payload.value(QLatin1String("split_lines")), QJsonValue(QJsonArray()));

    SplitLine line;
    line.id = QStringLiteral("never sent");
    line.categoryId = QStringLiteral("cat");
    line.amount = -4250;
    line.memo = QStringLiteral("all of it");
    payload = SyncRecords::transactionPayload(transaction, {line});
    const QJsonArray lines = payload.value(QLatin1String("split_lines")).toArray();
    QCOMPARE(lines.size(), 1);
    QCOMPARE(lines.first().toObject(), (QJsonObject{{QStringLiteral("category_id"), QStringLiteral("cat")},
                                                    {QStringLiteral("amount"), -4250},
                                                    {QStringLiteral("memo"), QStringLiteral("all of it")}}));
}

void TestSyncRecords::reconciliationPayload()
{
    Reconciliation reconciliation;
    reconciliation.id = QStringLiteral("rec");
    reconciliation.accountId = QStringLiteral("acc");
    reconciliation.statementDate = QDate(2024, 2, 29);
    reconciliation.statementBalance = 150000;
    reconciliation.reconciledBalance = 149900;
    reconciliation.completedAt = kUpdated;
    reconciliation.createdAt = kCreated;
    reconciliation.updatedAt = kUpdated;
    const QJsonObject payload = SyncRecords::reconciliationPayload(reconciliation);
    QCOMPARE(keysOf(payload), sorted({"client_id", "account_id", "statement_date", "statement_balance",
                                      "reconciled_balance", "completed_at", "version", "created_at", "updated_at"}));
    QCOMPARE(payload.value(QLatin1String("statement_date")).toString(), QStringLiteral("2024-02-29"));
    QCOMPARE(payload.value(QLatin1String("completed_at")).toString(), QStringLiteral("2024-02-03T04:05:06Z"));
}

void TestSyncRecords::flags_data()
{
    QTest::addColumn<QJsonValue>("value");
    QTest::addColumn<bool>("expected");
    QTest::newRow("true") << QJsonValue(true) << true;
    QTest::newRow("false") << QJsonValue(false) << false;
    QTest::newRow("1") << QJsonValue(1) << true;
    QTest::newRow("0") << QJsonValue(0) << false;
    QTest::newRow("2") << QJsonValue(2) << true;
    QTest::newRow("text") << QJsonValue(QStringLiteral("1")) << false;
    QTest::newRow("missing") << QJsonValue(QJsonValue::Undefined) << false;
}

void TestSyncRecords::flags()
{
    QFETCH(QJsonValue, value);
    QFETCH(bool, expected);
    QJsonObject record;
    if (!value.isUndefined())
        record.insert(QStringLiteral("cleared"), value);
    QCOMPARE(flag(record, QLatin1StringView("cleared")), expected);
    QCOMPARE(transactionFromRecord(record).cleared, expected);
}

void TestSyncRecords::integers()
{
    const QJsonObject record{{QStringLiteral("big"), 9007199254740993LL},
                             {QStringLiteral("text"), QStringLiteral("12")},
                             {QStringLiteral("fraction"), 12.5},
                             {QStringLiteral("huge"), 1e30}};
    QCOMPARE(integer(record, QLatin1StringView("big")), 9007199254740993LL);
    QCOMPARE(integer(record, QLatin1StringView("text")), 0);
    QCOMPARE(integer(record, QLatin1StringView("fraction")), 13);
    QCOMPARE(integer(record, QLatin1StringView("huge")), 0);
    QCOMPARE(integer(record, QLatin1StringView("missing")), 0);
}

void TestSyncRecords::serverDates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("date") << QStringLiteral("2024-03-05") << QDate(2024, 3, 5);
    QTest::newRow("date-time") << QStringLiteral("2024-03-05T10:00:00Z") << QDate(2024, 3, 5);
    QTest::newRow("date-time with offset") << QStringLiteral("2024-03-05T23:30:00-05:00") << QDate(2024, 3, 5);
    QTest::newRow("empty") << QString() << QDate();
    QTest::newRow("day first") << QStringLiteral("31/12/2024") << QDate();
    QTest::newRow("no such day") << QStringLiteral("2024-02-30") << QDate();
}

void TestSyncRecords::serverDates()
{
    QFETCH(QString, text);
    QFETCH(QDate, expected);
    QCOMPARE(parseServerDate(text), expected);
}

void TestSyncRecords::recordsRoundTrip()
{
    // What a push writes, handed back by a server with its own id, reads as the row.
    Transaction transaction;
    transaction.id = QStringLiteral("t");
    transaction.accountId = QStringLiteral("acc");
    transaction.date = QDate(2024, 3, 5);
    transaction.payee = QStringLiteral("Grocer");
    transaction.amount = -4250;
    transaction.categoryId = QStringLiteral("cat");
    transaction.reconciled = true;
    transaction.version = 4;
    transaction.createdAt = kCreated;
    transaction.updatedAt = kUpdated;
    QJsonObject record = SyncRecords::transactionPayload(transaction, {});
    record.insert(QStringLiteral("id"), QStringLiteral("srv-t"));
    const Transaction read = transactionFromRecord(record);
    QCOMPARE(read.id, QStringLiteral("t"));
    QCOMPARE(read.serverId, QStringLiteral("srv-t"));
    QCOMPARE(read.accountId, transaction.accountId);
    QCOMPARE(read.date, transaction.date);
    QCOMPARE(read.payee, transaction.payee);
    QCOMPARE(read.amount, transaction.amount);
    QCOMPARE(read.categoryId, transaction.categoryId);
    QCOMPARE(read.reconciled, true);
    QCOMPARE(read.version, 4);
    QCOMPARE(read.syncStatus, SyncStatus::Synced);
    QCOMPARE(read.createdAt, kCreated);
    QCOMPARE(read.updatedAt, kUpdated);
    QCOMPARE(read.deletedAt, std::nullopt);

    Account account;
    account.id = QStringLiteral("acc");
    account.accountType = AccountType::Loan;
    account.currency = Currency::GBP;
    account.isShared = true;
    account.version = 2;
    QJsonObject accountRecord = SyncRecords::accountPayload(account);
    accountRecord.insert(QStringLiteral("id"), QStringLiteral("srv-a"));
    const Account readAccount = accountFromRecord(accountRecord);
    QCOMPARE(readAccount.accountType, AccountType::Loan);
    QCOMPARE(readAccount.currency, Currency::GBP);
    QCOMPARE(readAccount.isShared, true);
    QCOMPARE(readAccount.version, 2);

    // A recurring record with no "version" at all reads as version 0.
    QCOMPARE(recurringFromRecord(QJsonObject(), std::nullopt).version, 0);
}

void TestSyncRecords::recurringScheduleNumbersMayBeMissing()
{
    const QJsonObject record{{QStringLiteral("frequency"), QStringLiteral("weekly")},
                             {QStringLiteral("lead_days"), 4}};
    const RecurringTransaction fresh = recurringFromRecord(record, std::nullopt);
    QCOMPARE(fresh.frequency, RecurringFrequency::Weekly);
    QCOMPARE(fresh.leadDays, 4);
    QCOMPARE(fresh.intervalCount, 1);
    QCOMPARE(fresh.semimonthlyDay1, 1);
    QCOMPARE(fresh.semimonthlyDay2, 15);
    QCOMPARE(fresh.endDate, std::nullopt);

    RecurringTransaction local;
    local.intervalCount = 3;
    local.semimonthlyDay1 = 5;
    local.semimonthlyDay2 = 0;
    local.leadDays = 9;
    const RecurringTransaction kept = recurringFromRecord(record, local);
    QCOMPARE(kept.intervalCount, 3);
    QCOMPARE(kept.semimonthlyDay1, 5);
    QCOMPARE(kept.semimonthlyDay2, 0);
    QCOMPARE(kept.leadDays, 4);

    // An end date that is there but unreadable is still there.
    const RecurringTransaction broken =
        recurringFromRecord(QJsonObject{{QStringLiteral("end_date"), QStringLiteral("soon")}}, std::nullopt);
    QVERIFY(broken.endDate.has_value());
    QVERIFY(!broken.endDate->isValid());
}

void TestSyncRecords::deletionWithoutReadableTime()
{
    // Read as deleted at "now": written as NULL it would bring the row back.
    const QDateTime now(QDate(2024, 3, 5), QTime(14, 7, 9), QTimeZone::utc());
    Clock::setFixedNow(now);
    const Category deleted = categoryFromRecord(QJsonObject{{QStringLiteral("deleted_at"), QStringLiteral("later")}});
    Clock::reset();
    QCOMPARE(deleted.deletedAt, std::optional<QDateTime>(now));
    QCOMPARE(categoryFromRecord(QJsonObject{{QStringLiteral("deleted_at"), QString()}}).deletedAt, std::nullopt);
    QCOMPARE(reconciliationFromRecord(QJsonObject{{QStringLiteral("deleted_at"), QStringLiteral("2024-01-02T03:04:05Z")}})
                 .deletedAt,
             std::optional<QDateTime>(kCreated));
}

void TestSyncRecords::splitLines()
{
    const QJsonObject record{
        {QStringLiteral("split_lines"),
         QJsonArray{QJsonObject{{QStringLiteral("category_id"), QStringLiteral("a")},
                                {QStringLiteral("amount"), -100},
                                {QStringLiteral("memo"), QStringLiteral("one")}},
                    QStringLiteral("not a line"), QJsonObject{{QStringLiteral("amount"), -200}}}}};
    const QList<SplitLine> lines = splitLinesFromRecord(record);
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines.at(0).categoryId, QStringLiteral("a"));
    QCOMPARE(lines.at(0).amount, -100);
    QCOMPARE(lines.at(0).memo, QStringLiteral("one"));
    QCOMPARE(lines.at(1).amount, 0);
    QCOMPARE(lines.at(2).categoryId, QString());
    QCOMPARE(lines.at(2).amount, -200);
    QVERIFY(splitLinesFromRecord(QJsonObject()).isEmpty());
}

VELLUMRY_TEST_GUILESS_MAIN(TestSyncRecords)
#include "tst_syncrecords.moc"
