#include "LedgerFixture.h"
#include "TestMain.h"

#include "data/Clock.h"
#include "data/RecurringRepository.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlQuery>

using namespace LedgerFixture;

namespace {

const QDateTime kCreated(QDate(2024, 1, 2), QTime(8, 30), QTimeZone::utc());

// Every field an update writes; created_at and deleted_at are the caller's to check.
void compareWrittenFields(const RecurringTransaction& read, const RecurringTransaction& written)
{
    QCOMPARE(read.id, written.id);
    QCOMPARE(read.accountId, written.accountId);
    QCOMPARE(read.payee, written.payee);
    QCOMPARE(read.memo, written.memo);
    QCOMPARE(read.amount, written.amount);
    QCOMPARE(read.categoryId, written.categoryId);
    QCOMPARE(read.frequency, written.frequency);
    QCOMPARE(read.intervalCount, written.intervalCount);
    QCOMPARE(read.semimonthlyDay1, written.semimonthlyDay1);
    QCOMPARE(read.semimonthlyDay2, written.semimonthlyDay2);
    QCOMPARE(read.startDate, written.startDate);
    QCOMPARE(read.endDate, written.endDate);
    QCOMPARE(read.nextDueDate, written.nextDueDate);
    QCOMPARE(read.autoPost, written.autoPost);
    QCOMPARE(read.leadDays, written.leadDays);
    QCOMPARE(read.isActive, written.isActive);
    QCOMPARE(read.transferDestAccountId, written.transferDestAccountId);
    QCOMPARE(read.version, written.version);
    QCOMPARE(read.syncStatus, written.syncStatus);
    QCOMPARE(read.serverId, written.serverId);
    QCOMPARE(read.updatedAt, written.updatedAt);
}

QStringList idsOf(const QList<RecurringTransaction>& records)
{
    QStringList ids;
    for (const RecurringTransaction& record : records)
        ids.append(record.id);
    return ids;
}

QVariant columnOf(TempDatabase& db, const QString& column, const QString& id)
{
    return db.scalar(QStringLiteral("SELECT %1 FROM recurring_transactions WHERE id = ?").arg(column), {id});
}

QRegularExpression failed(const char* operation)
{
    return QRegularExpression(QStringLiteral("^RecurringRepository::%1 failed: ").arg(QLatin1String(operation)));
}

} // namespace

class TestRecurringRepository : public QObject
{
    Q_OBJECT

private slots:
    void init() { Clock::setFixedNow(fixedNow()); }
    void cleanup() { Clock::reset(); }

    void frequencyTexts_data();
    void frequencyTexts();
    void unknownTextsAndBrokenDates();
    void insertRoundTrip();
    void oddStoredValues();
    void listAllOrder();
    void listDueOnTheTenth();
    void updateWritesEveryMutableField();
    void brokenDueDateIsLoggedNotRefused();
    void failedWritesLogAndEmitNothing();
    void syncOperations();
    void deleteAndRestoreWithTheAccount();
};

void TestRecurringRepository::frequencyTexts_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("daily") << 0 << "daily";
    QTest::newRow("weekly") << 1 << "weekly";
    QTest::newRow("biweekly") << 2 << "biweekly";
    QTest::newRow("monthly") << 3 << "monthly";
    QTest::newRow("semimonthly") << 4 << "semimonthly";
    QTest::newRow("quarterly") << 5 << "quarterly";
    QTest::newRow("semi_annual") << 6 << "semi_annual";
    QTest::newRow("annual") << 7 << "annual";
}

void TestRecurringRepository::frequencyTexts()
{
    QFETCH(int, value);
    QFETCH(QString, text);
    const auto frequency = static_cast<RecurringFrequency>(value);
    QCOMPARE(frequencyToString(frequency), text);
    QCOMPARE(frequencyFromString(text), frequency);
    // Only the exact stored words count; everything else is monthly.
    QCOMPARE(frequencyFromString(text.toUpper()), RecurringFrequency::Monthly);
}

void TestRecurringRepository::unknownTextsAndBrokenDates()
{
    QCOMPARE(frequencyToString(static_cast<RecurringFrequency>(9)), QStringLiteral("monthly"));
    QCOMPARE(frequencyFromString(QStringLiteral("fortnightly")), RecurringFrequency::Monthly);
    QCOMPARE(frequencyFromString(QString()), RecurringFrequency::Monthly);
    QVERIFY(isBrokenRecurringDate(QDate()));
    QVERIFY(isBrokenRecurringDate(QDate(1999, 12, 31)));
    QVERIFY(!isBrokenRecurringDate(QDate(2000, 1, 1)));
}

void TestRecurringRepository::insertRoundTrip()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    QVERIFY(addAccount(db, QStringLiteral("checking")));
    QVERIFY(addAccount(db, QStringLiteral("savings")));
    QVERIFY(addCategory(db, QStringLiteral("cat"), QStringLiteral("Housing")));
    RecurringRepository repository(db.database());
    QSignalSpy changed(&repository, &RecurringRepository::recurringChanged);

    RecurringTransaction record = newRecurring(QStringLiteral("r1"), QStringLiteral("checking"), QDate(2024, 3, 15));
    record.memo = QStringLiteral("flat 4");
    record.amount = -9007199254740993LL; // beyond a double's exact range
    record.categoryId = QStringLiteral("cat");
    record.frequency = RecurringFrequency::Semimonthly;
    record.intervalCount = 2;
    record.semimonthlyDay1 = 0;
    record.semimonthlyDay2 = 15;
    record.endDate = QDate(2025, 12, 31);
    record.autoPost = true;
    record.leadDays = 5;
    record.isActive = false;
    record.transferDestAccountId = QStringLiteral("savings");
    record.version = 4;
    record.syncStatus = SyncStatus::Synced;
    record.serverId = QStringLiteral("srv-1");
    record.updatedAt = fixedNow();
    QVERIFY(repository.insert(record));
    QCOMPARE(changed.count(), 1);

    // The stored forms the sync payloads and other devices read.
    QCOMPARE(columnOf(db, QStringLiteral("frequency"), QStringLiteral("r1")).toString(), QStringLiteral("semimonthly"));
    QCOMPARE(columnOf(db, QStringLiteral("next_due_date"), QStringLiteral("r1")).toString(), QStringLiteral("2024-03-15"));
    QCOMPARE(columnOf(db, QStringLiteral("end_date"), QStringLiteral("r1")).toString(), QStringLiteral("2025-12-31"));
    QCOMPARE(columnOf(db, QStringLiteral("updated_at"), QStringLiteral("r1")).toString(),
             QStringLiteral("2024-03-05T14:07:09Z"));
    QCOMPARE(columnOf(db, QStringLiteral("semimonthly_day_1"), QStringLiteral("r1")).toInt(), 0);

    const RecurringTransaction read = *repository.findById(QStringLiteral("r1"));
    compareWrittenFields(read, record);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(read.createdAt, kCreated);
    QVERIFY(!read.deletedAt.has_value());

    // No category and no end date go in as NULL, and read back as absent.
    QVERIFY(repository.insert(newRecurring(QStringLiteral("r2"), QStringLiteral("checking"), QDate(2024, 3, 1))));
    QVERIFY(columnOf(db, QStringLiteral("category_id"), QStringLiteral("r2")).isNull());
    QVERIFY(columnOf(db, QStringLiteral("end_date"), QStringLiteral("r2")).isNull());
    const RecurringTransaction bare = *repository.findById(QStringLiteral("r2"));
    QVERIFY(bare.categoryId.isEmpty());
    QVERIFY(!bare.endDate.has_value());
    QVERIFY(bare.memo.isEmpty());
    QVERIFY(!repository.findById(QStringLiteral("r3")).has_value());
}

void TestRecurringRepository::oddStoredValues()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    QVERIFY(addAccount(db, QStringLiteral("acc")));
    RecurringRepository repository(db.database());
    const QString insert = QStringLiteral(
        "INSERT INTO recurring_transactions (id, account_id, payee, amount, frequency, start_date, end_date, "
        "next_due_date, sync_status, created_at, updated_at) VALUES (?, 'acc', 'P', 100, ?, '2024-01-01', ?, "
        "'2024-02-01', ?, '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')");
    QVERIFY(db.exec(insert, {QStringLiteral("capital"), QStringLiteral("Monthly"), QString(""), QStringLiteral("x")}));
    QVERIFY(db.exec(insert, {QStringLiteral("foreign"), QStringLiteral("fortnightly"), QStringLiteral("2024-13-01"),
                             QStringLiteral("conflict")}));

    RecurringTransaction capital = *repository.findById(QStringLiteral("capital"));
    QCOMPARE(capital.frequency, RecurringFrequency::Monthly);
    QVERIFY(!capital.endDate.has_value());
    QCOMPARE(capital.syncStatus, SyncStatus::Pending);
    const RecurringTransaction foreign = *repository.findById(QStringLiteral("foreign"));
    QCOMPARE(foreign.frequency, RecurringFrequency::Monthly);
    // Present but unreadable: the record has an end, just not one we can read.
    QVERIFY(foreign.endDate.has_value());
    QVERIFY(!foreign.endDate->isValid());
    QCOMPARE(foreign.syncStatus, SyncStatus::Conflict);

    capital.updatedAt = fixedNow();
    QVERIFY(repository.update(capital));
    QCOMPARE(columnOf(db, QStringLiteral("frequency"), QStringLiteral("capital")).toString(), QStringLiteral("monthly"));

    // The columns of the later migrations keep their defaults for old rows.
    QCOMPARE(foreign.leadDays, 0);
    QCOMPARE(foreign.intervalCount, 1);
    QCOMPARE(foreign.semimonthlyDay1, 1);
    QCOMPARE(foreign.semimonthlyDay2, 15);
}

void TestRecurringRepository::listAllOrder()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    QVERIFY(addAccount(db, QStringLiteral("acc")));
    RecurringRepository repository(db.database());

    RecurringTransaction dormant = newRecurring(QStringLiteral("dormant"), QStringLiteral("acc"), QDate(2023, 1, 1));
    dormant.isActive = false;
    QVERIFY(repository.insert(dormant));
    QVERIFY(repository.insert(newRecurring(QStringLiteral("later"), QStringLiteral("acc"), QDate(2024, 4, 1), "Aaron")));
    QVERIFY(repository.insert(newRecurring(QStringLiteral("banana"), QStringLiteral("acc"), QDate(2024, 3, 10), "Banana")));
    QVERIFY(repository.insert(newRecurring(QStringLiteral("apple"), QStringLiteral("acc"), QDate(2024, 3, 10), "apple")));
    QVERIFY(repository.insert(newRecurring(QStringLiteral("gone"), QStringLiteral("acc"), QDate(2024, 1, 1))));
    QVERIFY(repository.softDelete(QStringLiteral("gone")));

    QCOMPARE(idsOf(repository.listAll()), (QStringList{"apple", "banana", "later", "dormant"}));
}

void TestRecurringRepository::listDueOnTheTenth()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    QVERIFY(addAccount(db, QStringLiteral("acc")));
    RecurringRepository repository(db.database());
    Clock::setFixedNow(QDateTime(QDate(2024, 3, 10), QTime(23, 59), QTimeZone::utc()));

    QVERIFY(repository.insert(newRecurring(QStringLiteral("today"), QStringLiteral("acc"), QDate(2024, 3, 10))));
    QVERIFY(repository.insert(newRecurring(QStringLiteral("behind"), QStringLiteral("acc"), QDate(2024, 1, 10))));
    QVERIFY(repository.insert(newRecurring(QStringLiteral("tomorrow"), QStringLiteral("acc"), QDate(2024, 3, 11))));
    RecurringTransaction inactive = newRecurring(QStringLiteral("inactive"), QStringLiteral("acc"), QDate(2024, 3, 1));
    inactive.isActive = false;
    QVERIFY(repository.insert(inactive));
    QVERIFY(repository.insert(newRecurring(QStringLiteral("deleted"), QStringLiteral("acc"), QDate(2024, 3, 1))));
    QVERIFY(repository.softDelete(QStringLiteral("deleted")));

    QStringList due = idsOf(repository.listDue());
    due.sort();
    QCOMPARE(due, (QStringList{"behind", "today"}));

    Clock::setFixedNow(QDateTime(QDate(2024, 3, 11), QTime(0, 0), QTimeZone::utc()));
    QCOMPARE(repository.listDue().size(), 3);
}

void TestRecurringRepository::updateWritesEveryMutableField()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    QVERIFY(addAccount(db, QStringLiteral("checking")));
    QVERIFY(addAccount(db, QStringLiteral("card")));
    QVERIFY(addCategory(db, QStringLiteral("cat"), QStringLiteral("Insurance")));
    RecurringRepository repository(db.database());
    RecurringTransaction original = newRecurring(QStringLiteral("r"), QStringLiteral("checking"), QDate(2024, 3, 1));
    original.categoryId = QStringLiteral("cat");
    original.endDate = QDate(2024, 12, 31);
    QVERIFY(repository.insert(original));
    QSignalSpy changed(&repository, &RecurringRepository::recurringChanged);

    RecurringTransaction edited = original;
    // Moved to another account in the recurring form: the move must stick.
    edited.accountId = QStringLiteral("card");
    edited.payee = QStringLiteral("Car insurance");
    edited.memo = QStringLiteral("yearly");
    edited.amount = -45000;
    edited.categoryId.clear();
    edited.frequency = RecurringFrequency::Annual;
    edited.intervalCount = 3;
    edited.semimonthlyDay1 = 5;
    edited.semimonthlyDay2 = 20;
    edited.startDate = QDate(2024, 2, 1);
    edited.endDate.reset();
    edited.nextDueDate = QDate(2025, 2, 1);
    edited.autoPost = true;
    edited.leadDays = 3;
    edited.isActive = false;
    edited.transferDestAccountId = QStringLiteral("checking");
    edited.version = 2;
    edited.syncStatus = SyncStatus::Conflict;
    edited.serverId = QStringLiteral("srv");
    edited.updatedAt = fixedNow();
    edited.createdAt = fixedNow();        // never written by an update
    edited.deletedAt = fixedNow();        // never written by an update
    QVERIFY(repository.update(edited));
    QCOMPARE(changed.count(), 1);

    const RecurringTransaction read = *repository.findById(QStringLiteral("r"));
    // Moved to the card account: the change of account is not dropped.
    QCOMPARE(read.accountId, QStringLiteral("card"));
    compareWrittenFields(read, edited);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(columnOf(db, QStringLiteral("category_id"), QStringLiteral("r")).isNull());
    QCOMPARE(read.createdAt, kCreated);
    QVERIFY(!read.deletedAt.has_value());

    // The account is a reference like any other: an unknown one is refused.
    edited.accountId = QStringLiteral("no-such-account");
    QTest::ignoreMessage(QtWarningMsg, failed("update"));
    QVERIFY(!repository.update(edited));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(repository.findById(QStringLiteral("r"))->accountId, QStringLiteral("card"));
}

void TestRecurringRepository::brokenDueDateIsLoggedNotRefused()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    QVERIFY(addAccount(db, QStringLiteral("acc")));
    RecurringRepository repository(db.database());

    RecurringTransaction old = newRecurring(QStringLiteral("old"), QStringLiteral("acc"), QDate(1999, 12, 31));
    old.frequency = RecurringFrequency::Weekly;
    QTest::ignoreMessage(QtWarningMsg,
                         "RecurringRepository::insert saving recurring with broken nextDueDate: id=old payee=Rent "
                         "nextDueDate=1999-12-31 startDate=2024-01-01 frequency=1");
    QVERIFY(repository.insert(old));
    QCOMPARE(columnOf(db, QStringLiteral("next_due_date"), QStringLiteral("old")).toString(), QStringLiteral("1999-12-31"));

    old.payee = QStringLiteral("Old rent");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(
                                           "^RecurringRepository::update saving recurring with broken nextDueDate: "
                                           "id=old payee=Old rent nextDueDate=1999-12-31")));
    QVERIFY(repository.update(old));
    QCOMPARE(repository.findById(QStringLiteral("old"))->payee, QStringLiteral("Old rent"));

    // An invalid date has no text at all: warned about, then refused by the column.
    RecurringTransaction none = newRecurring(QStringLiteral("none"), QStringLiteral("acc"), QDate());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("broken nextDueDate: id=none .*nextDueDate=invalid")));
    QTest::ignoreMessage(QtWarningMsg, failed("insert"));
    QVERIFY(!repository.insert(none));
    QVERIFY(!repository.findById(QStringLiteral("none")).has_value());
}

void TestRecurringRepository::failedWritesLogAndEmitNothing()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    QVERIFY(addAccount(db, QStringLiteral("acc")));
    RecurringRepository repository(db.database());
    QSignalSpy changed(&repository, &RecurringRepository::recurringChanged);

    QTest::ignoreMessage(QtWarningMsg, failed("insert"));
    QVERIFY(!repository.insert(newRecurring(QStringLiteral("a"), QStringLiteral("no-such-account"), QDate(2024, 3, 1))));
    RecurringTransaction unstamped = newRecurring(QStringLiteral("b"), QStringLiteral("acc"), QDate(2024, 3, 1));
    unstamped.createdAt = QDateTime();
    QTest::ignoreMessage(QtWarningMsg, failed("insert"));
    QVERIFY(!repository.insert(unstamped));
    RecurringTransaction unstarted = newRecurring(QStringLiteral("c"), QStringLiteral("acc"), QDate(2024, 3, 1));
    unstarted.startDate = QDate();
    QTest::ignoreMessage(QtWarningMsg, failed("insert"));
    QVERIFY(!repository.insert(unstarted));
    QVERIFY(repository.insert(newRecurring(QStringLiteral("d"), QStringLiteral("acc"), QDate(2024, 3, 1))));
    QTest::ignoreMessage(QtWarningMsg, failed("insert"));
    QVERIFY(!repository.insert(newRecurring(QStringLiteral("d"), QStringLiteral("acc"), QDate(2024, 4, 1))));

    QCOMPARE(changed.count(), 1);
    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM recurring_transactions")).toInt(), 1);
    QCOMPARE(repository.findById(QStringLiteral("d"))->nextDueDate, QDate(2024, 3, 1));
}

void TestRecurringRepository::syncOperations()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    QVERIFY(addAccount(db, QStringLiteral("acc")));
    RecurringRepository repository(db.database());
    QVERIFY(repository.insert(newRecurring(QStringLiteral("a"), QStringLiteral("acc"), QDate(2024, 3, 1))));
    QVERIFY(repository.insert(newRecurring(QStringLiteral("b"), QStringLiteral("acc"), QDate(2024, 3, 2))));
    QSignalSpy changed(&repository, &RecurringRepository::recurringChanged);

    QCOMPARE(repository.markAllPendingForResync(), 0);
    QVERIFY(repository.markSynced(QStringLiteral("a"), QStringLiteral("srv-a")));
    QVERIFY(repository.markSynced(QStringLiteral("b"), QStringLiteral("srv-b")));
    QCOMPARE(changed.count(), 0);
    QVERIFY(repository.listPending().isEmpty());
    QCOMPARE(repository.findById(QStringLiteral("a"))->serverId, QStringLiteral("srv-a"));
    QCOMPARE(repository.findById(QStringLiteral("a"))->syncStatus, SyncStatus::Synced);

    QVERIFY(repository.softDelete(QStringLiteral("b")));
    QCOMPARE(changed.count(), 1);
    const RecurringTransaction deleted = *repository.findById(QStringLiteral("b"));
    QCOMPARE(deleted.deletedAt, std::optional<QDateTime>(fixedNow()));
    QCOMPARE(deleted.updatedAt, fixedNow());
    QCOMPARE(deleted.version, 2);
    QCOMPARE(deleted.syncStatus, SyncStatus::Pending);
    QCOMPARE(idsOf(repository.listPending()), QStringList{QStringLiteral("b")});
    QCOMPARE(idsOf(repository.listAll()), QStringList{QStringLiteral("a")});

    // The full re-sync marks live rows only.
    QVERIFY(repository.markSynced(QStringLiteral("b"), QStringLiteral("srv-b")));
    QCOMPARE(repository.markAllPendingForResync(), 1);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(repository.findById(QStringLiteral("b"))->syncStatus, SyncStatus::Synced);

    // A server deletion without a time brings the row back and is not pushed again.
    QVERIFY(repository.applyServerDeletion(QStringLiteral("b"), std::nullopt));
    QCOMPARE(changed.count(), 3);
    const RecurringTransaction undeleted = *repository.findById(QStringLiteral("b"));
    QVERIFY(!undeleted.deletedAt.has_value());
    QCOMPARE(undeleted.version, 2);
    QCOMPARE(undeleted.syncStatus, SyncStatus::Synced);
    const QDateTime serverTime = fixedNow().addDays(-1);
    QVERIFY(repository.applyServerDeletion(QStringLiteral("a"), serverTime));
    QCOMPARE(repository.findById(QStringLiteral("a"))->deletedAt, std::optional<QDateTime>(serverTime));
    QCOMPARE(repository.findById(QStringLiteral("a"))->syncStatus, SyncStatus::Pending);
}

void TestRecurringRepository::deleteAndRestoreWithTheAccount()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    QVERIFY(addAccount(db, QStringLiteral("acc")));
    QVERIFY(addAccount(db, QStringLiteral("other")));
    QVERIFY(addAccount(db, QStringLiteral("empty")));
    RecurringRepository repository(db.database());
    QVERIFY(repository.insert(newRecurring(QStringLiteral("rent"), QStringLiteral("acc"), QDate(2024, 3, 1))));
    QVERIFY(repository.insert(newRecurring(QStringLiteral("gym"), QStringLiteral("acc"), QDate(2024, 3, 2))));
    QVERIFY(repository.insert(newRecurring(QStringLiteral("keep"), QStringLiteral("other"), QDate(2024, 3, 3))));
    // One the user had deleted on its own an hour before the account went.
    QVERIFY(repository.insert(newRecurring(QStringLiteral("early"), QStringLiteral("acc"), QDate(2024, 3, 4))));
    const QDateTime anHourEarlier = fixedNow().addSecs(-3600);
    QVERIFY(db.exec(QStringLiteral("UPDATE recurring_transactions SET deleted_at = ? WHERE id = 'early'"),
                    {SqlValues::timestampText(anHourEarlier)}));
    QSignalSpy changed(&repository, &RecurringRepository::recurringChanged);

    QCOMPARE(repository.softDeleteByAccount(QStringLiteral("empty")), 0);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(repository.softDeleteByAccount(QStringLiteral("acc")), 2);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(idsOf(repository.listAll()), QStringList{QStringLiteral("keep")});
    QCOMPARE(repository.findById(QStringLiteral("rent"))->version, 2);

    Clock::setFixedNow(fixedNow().addSecs(60));
    const QString threshold = SqlValues::timestampText(fixedNow().addSecs(-10));
    QCOMPARE(repository.restoreByAccount(QStringLiteral("acc"), threshold), 2);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(idsOf(repository.listAll()), (QStringList{"rent", "gym", "keep"}));
    const RecurringTransaction rent = *repository.findById(QStringLiteral("rent"));
    QCOMPARE(rent.version, 3);
    QCOMPARE(rent.updatedAt, fixedNow().addSecs(60));
    QCOMPARE(repository.findById(QStringLiteral("early"))->deletedAt, std::optional<QDateTime>(anHourEarlier));
    QCOMPARE(repository.restoreByAccount(QStringLiteral("acc"), threshold), 0);
    QCOMPARE(changed.count(), 2);
}

VELLUMRY_TEST_GUILESS_MAIN(TestRecurringRepository)
#include "tst_recurringrepository.moc"
