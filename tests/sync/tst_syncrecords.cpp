#include "TestMain.h"

#include "data/Clock.h"
#include "sync/SyncRecords.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTimeZone>

using namespace SyncRecords;

// The two wire forms: what a push sends for a row, and how a pulled record reads.
class TestSyncRecords : public QObject
{
    Q_OBJECT

private slots:
    void recordsRoundTrip_data();
    void recordsRoundTrip();
    void flags_data();
    void flags();
    void integers();
    void missingAndBrokenValues();
    void splitLines();
};

void TestSyncRecords::recordsRoundTrip_data()
{
    // Every field set away from its default, so that a key the reader skips shows.
    QTest::addColumn<QByteArray>("json");
    const QByteArray stamps = R"("created_at":"2024-01-02T03:04:05Z","updated_at":"2024-02-03T04:05:06Z")";
    QTest::newRow("account") << R"({"client_id":"acc","name":"Card","account_type":"credit_card","currency":"JPY",
        "institution":"Bank","account_number_last4":"1234","starting_balance":-9007199254740993,"sort_order":4,
        "is_shared":1,"version":7,"deleted_at":"2024-02-03T04:05:06Z",)" + stamps + "}";
    QTest::newRow("category") << R"({"client_id":"c","name":"Electric","category_type":"income","parent_id":"p",
        "is_tax_relevant":1,"tax_category":"Line 5","icon":"bolt","color":"#ffcc00","is_default":1,
        "account_id":"acc","version":2,)" + stamps + "}";
    // "version" as in every other payload, so that a server that hands the
    // payload back does not make other devices read version 0.
    QTest::newRow("recurring") << R"({"client_id":"r","account_id":"acc","payee":"Gym","memo":"fee","amount":-3000,
        "category_id":"cat","transfer_dest_account_id":"sav","frequency":"semi_annual","start_date":"2024-01-31",
        "next_due_date":"2024-07-31","end_date":"2025-01-31","auto_post":1,"lead_days":3,"interval_count":2,
        "semimonthly_day_1":5,"semimonthly_day_2":20,"is_active":0,"version":5,)" + stamps + "}";
    // Split lines: category, amount and memo, never the local id.
    QTest::newRow("transaction") << R"({"client_id":"t","account_id":"acc","date":"2024-03-05","payee":"Grocer",
        "memo":"weekly","amount":-4250,"category_id":"cat","check_number":"101","cleared":1,"reconciled":1,
        "transfer_link_id":"t2","transfer_dest_account_id":"sav","is_split":1,"recurring_id":"r","version":4,
        "split_lines":[{"category_id":"cat","amount":-4250,"memo":"all of it"}],)" + stamps + "}";
    QTest::newRow("reconciliation") << R"({"client_id":"rec","account_id":"acc","statement_date":"2024-02-29",
        "statement_balance":150000,"reconciled_balance":149900,"completed_at":"2024-02-03T04:05:06Z","version":3,)"
            + stamps + "}";
}

void TestSyncRecords::recordsRoundTrip()
{
    // A pulled record read as a row and written out again for a push is the
    // same record, its server id (pulled as "id") now as "server_id".
    QFETCH(QByteArray, json);
    QJsonObject expected = QJsonDocument::fromJson(json).object();
    QVERIFY(!expected.isEmpty());
    QJsonObject record = expected;
    record.insert(QStringLiteral("id"), QStringLiteral("srv"));
    expected.insert(QStringLiteral("server_id"), QStringLiteral("srv"));
    const QString type = QString::fromLatin1(QTest::currentDataTag());
    QJsonObject written;
    if (type == QLatin1String("account"))
        written = accountPayload(accountFromRecord(record));
    else if (type == QLatin1String("category"))
        written = categoryPayload(categoryFromRecord(record));
    else if (type == QLatin1String("recurring"))
        written = recurringPayload(recurringFromRecord(record, std::nullopt));
    else if (type == QLatin1String("transaction"))
        written = transactionPayload(transactionFromRecord(record), splitLinesFromRecord(record));
    else
        written = reconciliationPayload(reconciliationFromRecord(record));
    QCOMPARE(written, expected);
}

void TestSyncRecords::flags_data()
{
    QTest::addColumn<QJsonValue>("value");
    QTest::addColumn<bool>("expected");
    QTest::newRow("true") << QJsonValue(true) << true;
    QTest::newRow("false") << QJsonValue(false) << false;
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
    QCOMPARE(transactionFromRecord(record).cleared, expected);
}

void TestSyncRecords::integers()
{
    const QJsonObject record{{"big", 9007199254740993LL}, {"text", "12"}, {"fraction", 12.5}, {"huge", 1e30}};
    QCOMPARE(integer(record, QLatin1StringView("big")), 9007199254740993LL);
    QCOMPARE(integer(record, QLatin1StringView("text")), 0);
    QCOMPARE(integer(record, QLatin1StringView("fraction")), 13);
    QCOMPARE(integer(record, QLatin1StringView("huge")), 0);
    QCOMPARE(integer(record, QLatin1StringView("missing")), 0);
}

void TestSyncRecords::missingAndBrokenValues()
{
    // Missing schedule numbers keep the local row's (the pull tests), else the defaults.
    const RecurringTransaction fresh = recurringFromRecord(QJsonObject{{"lead_days", 4}}, std::nullopt);
    QCOMPARE(fresh.leadDays, 4);
    QCOMPARE(fresh.intervalCount, 1);
    QCOMPARE(fresh.semimonthlyDay2, 15);
    // An end date that is there but unreadable is still there.
    const RecurringTransaction broken = recurringFromRecord(QJsonObject{{"end_date", "soon"}}, std::nullopt);
    QVERIFY(broken.endDate.has_value());
    QVERIFY(!broken.endDate->isValid());

    // A deletion without a readable time reads as deleted "now": written as
    // NULL it would bring the row back.
    const QDateTime now(QDate(2024, 3, 5), QTime(14, 7, 9), QTimeZone::utc());
    Clock::setFixedNow(now);
    const Category deleted = categoryFromRecord(QJsonObject{{"deleted_at", "later"}});
    Clock::reset();
    QCOMPARE(deleted.deletedAt, std::optional<QDateTime>(now));
    QCOMPARE(categoryFromRecord(QJsonObject{{"deleted_at", ""}}).deletedAt, std::nullopt);
}

void TestSyncRecords::splitLines()
{
    // Only a split transaction carries lines, an empty array when it has none.
    Transaction transaction;
    QVERIFY(!transactionPayload(transaction, {}).contains(QLatin1String("split_lines")));
    transaction.isSplit = true;
    QCOMPARE(transactionPayload(transaction, {}).value("split_lines"), QJsonValue(QJsonArray()));

    const QJsonObject record{{"split_lines", QJsonArray{QJsonObject{{"category_id", "a"}, {"amount", -100}},
                                                        "not a line", QJsonObject{{"amount", -200}}}}};
    const QList<SplitLine> lines = splitLinesFromRecord(record);
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines.at(0).categoryId, QStringLiteral("a"));
    QCOMPARE(lines.at(1).amount, 0);
    QCOMPARE(lines.at(2).amount, -200);
    QVERIFY(splitLinesFromRecord(QJsonObject()).isEmpty());
}

VELLUMRY_TEST_GUILESS_MAIN(TestSyncRecords)
#include "tst_syncrecords.moc"
