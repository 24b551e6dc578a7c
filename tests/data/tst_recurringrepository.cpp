#include "LedgerFixture.h"
#include "TestMain.h"

#include "data/RecurringRepository.h"

#include <QRegularExpression>

using namespace LedgerFixture;

namespace {

QRegularExpression failed(const char* operation)
{
    return QRegularExpression(QStringLiteral("^RecurringRepository::%1 failed: ").arg(QLatin1String(operation)));
}

// Every field set; seed 2 differs from seed 1 in each of them.
RecurringTransaction filled(int seed)
{
    const bool one = seed == 1;
    RecurringTransaction r = newRecurring(QStringLiteral("r1"), one ? QStringLiteral("acc") : QStringLiteral("other"),
                                          QDate(2024, 3, 15).addDays(seed), QStringLiteral("Rent %1").arg(seed));
    r.memo = QStringLiteral("flat %1").arg(seed);
    r.amount = -9007199254740993LL / seed; // beyond a double's exact range
    r.categoryId = one ? QStringLiteral("cat") : QString();
    r.frequency = one ? RecurringFrequency::Semimonthly : RecurringFrequency::Annual;
    r.intervalCount = 1 + seed;
    r.semimonthlyDay1 = seed - 1;
    r.semimonthlyDay2 = 14 + seed;
    r.startDate = QDate(2024, 1, seed);
    r.endDate = one ? std::optional<QDate>(QDate(2025, 12, 31)) : std::nullopt;
    r.autoPost = one;
    r.leadDays = 4 + seed;
    r.isActive = !one;
    r.transferDestAccountId = one ? QStringLiteral("other") : QStringLiteral("acc");
    r.version = 3 + seed;
    r.syncStatus = one ? SyncStatus::Synced : SyncStatus::Conflict;
    r.serverId = QStringLiteral("srv-%1").arg(seed);
    r.updatedAt = fixedNow().addSecs(seed);
    return r;
}

} // namespace

class TestRecurringRepository : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m.emplace();
        QVERIFY(m->ready && addCategory(m->db, QStringLiteral("cat"), QStringLiteral("Housing")));
    }
    void cleanup() { m.reset(); }

    void frequencyTextsAndBrokenDates();
    void writesRoundTrip();
    void oddStoredValues();
    void listAllAndDue();
    void brokenDueDateIsLoggedNotRefused();
    void failedWritesLogAndEmitNothing();
    void syncOperations();
    void deleteAndRestoreWithTheAccount();

private:
    bool insert(const QString& id, const QDate& nextDue, const QString& payee = QStringLiteral("Rent"),
                const QString& accountId = QStringLiteral("acc"))
    {
        return m->repo.insert(newRecurring(id, accountId, nextDue, payee));
    }

    std::optional<RepositoryLedger<RecurringRepository>> m;
};

void TestRecurringRepository::frequencyTextsAndBrokenDates()
{
    const QStringList texts{"daily", "weekly", "biweekly", "monthly", "semimonthly", "quarterly", "semi_annual", "annual"};
    for (int value = 0; value < texts.size(); ++value) {
        const auto frequency = static_cast<RecurringFrequency>(value);
        QCOMPARE(frequencyToString(frequency), texts.at(value));
        QCOMPARE(frequencyFromString(texts.at(value)), frequency);
        // Only the exact stored words count; everything else is monthly.
        QCOMPARE(frequencyFromString(texts.at(value).toUpper()), RecurringFrequency::Monthly);
    }
    QCOMPARE(frequencyToString(static_cast<RecurringFrequency>(9)), QStringLiteral("monthly"));
    QCOMPARE(frequencyFromString(QStringLiteral("fortnightly")), RecurringFrequency::Monthly);
    QVERIFY(isBrokenRecurringDate(QDate()));
    QVERIFY(isBrokenRecurringDate(QDate(1999, 12, 31)));
    QVERIFY(!isBrokenRecurringDate(QDate(2000, 1, 1)));
}

void TestRecurringRepository::writesRoundTrip()
{
    QSignalSpy changed(&m->repo, &RecurringRepository::recurringChanged);
    const RecurringTransaction record = filled(1);
    QVERIFY(m->repo.insert(record));
    QCOMPARE(describe(*m->repo.findById(record.id)), describe(record));
    // The stored forms the sync payloads and other devices read.
    QCOMPARE(m->db.scalar(QStringLiteral("SELECT frequency || ' ' || next_due_date || ' ' || end_date || ' ' || "
                                         "updated_at FROM recurring_transactions")).toString(),
             QStringLiteral("semimonthly 2024-03-16 2025-12-31 2024-03-05T14:07:10Z"));

    // Update writes every field but the creation and deletion times; a record
    // moved to another account in the recurring form stays moved.
    RecurringTransaction edited = filled(2);
    edited.createdAt = fixedNow();
    edited.deletedAt = fixedNow();
    QVERIFY(m->repo.update(edited));
    QCOMPARE(m->repo.findById(record.id)->accountId, QStringLiteral("other"));
    edited.createdAt = record.createdAt;
    edited.deletedAt.reset();
    QCOMPARE(describe(*m->repo.findById(record.id)), describe(edited));
    // No category and no end date are stored as NULL.
    QCOMPARE(m->db.scalar(QStringLiteral("SELECT COUNT(*) FROM recurring_transactions WHERE category_id IS NULL "
                                         "AND end_date IS NULL")).toInt(), 1);

    // The account is a reference like any other: an unknown one is refused.
    edited.accountId = QStringLiteral("no-such-account");
    QTest::ignoreMessage(QtWarningMsg, failed("update"));
    QVERIFY(!m->repo.update(edited));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(m->repo.findById(record.id)->accountId, QStringLiteral("other"));
    QVERIFY(!m->repo.findById(QStringLiteral("r3")).has_value());
}

void TestRecurringRepository::oddStoredValues()
{
    const QString insert = QStringLiteral(
        "INSERT INTO recurring_transactions (id, account_id, payee, amount, frequency, start_date, end_date, "
        "next_due_date, sync_status, created_at, updated_at) VALUES (?, 'acc', 'P', 100, ?, '2024-01-01', ?, "
        "'2024-02-01', ?, '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')");
    QVERIFY(m->db.exec(insert, {QStringLiteral("capital"), QStringLiteral("Monthly"), QString(""), QStringLiteral("x")}));
    QVERIFY(m->db.exec(insert, {QStringLiteral("foreign"), QStringLiteral("fortnightly"), QStringLiteral("2024-13-01"),
                                QStringLiteral("conflict")}));

    RecurringTransaction capital = *m->repo.findById(QStringLiteral("capital"));
    QCOMPARE(capital.frequency, RecurringFrequency::Monthly);
    QVERIFY(!capital.endDate.has_value());
    QCOMPARE(capital.syncStatus, SyncStatus::Pending);
    const RecurringTransaction foreign = *m->repo.findById(QStringLiteral("foreign"));
    QCOMPARE(foreign.syncStatus, SyncStatus::Conflict);
    // Present but unreadable: the record has an end, just not one we can read.
    QVERIFY(foreign.endDate.has_value());
    QVERIFY(!foreign.endDate->isValid());
    // The columns of the later migrations keep their defaults for old rows.
    QCOMPARE(QList<int>({foreign.leadDays, foreign.intervalCount, foreign.semimonthlyDay1, foreign.semimonthlyDay2}),
             QList<int>({0, 1, 1, 15}));

    capital.updatedAt = fixedNow();
    QVERIFY(m->repo.update(capital));
    QCOMPARE(m->db.scalar(QStringLiteral("SELECT frequency FROM recurring_transactions WHERE id = 'capital'")).toString(),
             QStringLiteral("monthly"));
}

void TestRecurringRepository::listAllAndDue()
{
    RecurringTransaction dormant = newRecurring(QStringLiteral("dormant"), QStringLiteral("acc"), QDate(2023, 1, 1));
    dormant.isActive = false;
    QVERIFY(m->repo.insert(dormant));
    QVERIFY(insert(QStringLiteral("later"), QDate(2024, 4, 1), QStringLiteral("Aaron")));
    QVERIFY(insert(QStringLiteral("banana"), QDate(2024, 3, 10), QStringLiteral("Banana")));
    QVERIFY(insert(QStringLiteral("apple"), QDate(2024, 3, 10), QStringLiteral("apple")));
    QVERIFY(insert(QStringLiteral("gone"), QDate(2024, 1, 1)));
    QVERIFY(m->repo.softDelete(QStringLiteral("gone")));
    // Active first, then next due date, then payee whatever its case.
    QCOMPARE(idsOf(m->repo.listAll()), (QStringList{"apple", "banana", "later", "dormant"}));

    // Due: active, live, and due on or before today; the dormant and the deleted ones are overdue too.
    Clock::setFixedNow(QDateTime(QDate(2024, 3, 10), QTime(23, 59), QTimeZone::utc()));
    QVERIFY(insert(QStringLiteral("behind"), QDate(2024, 1, 10)));
    QVERIFY(insert(QStringLiteral("tomorrow"), QDate(2024, 3, 11)));
    QStringList due = idsOf(m->repo.listDue());
    due.sort();
    QCOMPARE(due, (QStringList{"apple", "banana", "behind"}));
    Clock::setFixedNow(QDateTime(QDate(2024, 3, 11), QTime(0, 0), QTimeZone::utc()));
    QCOMPARE(m->repo.listDue().size(), 4);
}

void TestRecurringRepository::brokenDueDateIsLoggedNotRefused()
{
    RecurringTransaction old = newRecurring(QStringLiteral("old"), QStringLiteral("acc"), QDate(1999, 12, 31));
    old.frequency = RecurringFrequency::Weekly;
    QTest::ignoreMessage(QtWarningMsg,
                         "RecurringRepository::insert saving recurring with broken nextDueDate: id=old payee=Rent "
                         "nextDueDate=1999-12-31 startDate=2024-01-01 frequency=1");
    QVERIFY(m->repo.insert(old));
    QCOMPARE(m->repo.findById(QStringLiteral("old"))->nextDueDate, QDate(1999, 12, 31));

    old.payee = QStringLiteral("Old rent");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(
                                           "^RecurringRepository::update saving recurring with broken nextDueDate: "
                                           "id=old payee=Old rent nextDueDate=1999-12-31")));
    QVERIFY(m->repo.update(old));
    QCOMPARE(m->repo.findById(QStringLiteral("old"))->payee, QStringLiteral("Old rent"));

    // An invalid date has no text at all: warned about, then refused by the column.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("broken nextDueDate: id=none .*nextDueDate=invalid")));
    QTest::ignoreMessage(QtWarningMsg, failed("insert"));
    QVERIFY(!insert(QStringLiteral("none"), QDate()));
    QVERIFY(!m->repo.findById(QStringLiteral("none")).has_value());
}

void TestRecurringRepository::failedWritesLogAndEmitNothing()
{
    QVERIFY(insert(QStringLiteral("d"), QDate(2024, 3, 1)));
    QSignalSpy changed(&m->repo, &RecurringRepository::recurringChanged);

    RecurringTransaction unstamped = newRecurring(QStringLiteral("b"), QStringLiteral("acc"), QDate(2024, 3, 1));
    unstamped.createdAt = QDateTime();
    RecurringTransaction unstarted = newRecurring(QStringLiteral("c"), QStringLiteral("acc"), QDate(2024, 3, 1));
    unstarted.startDate = QDate();
    for (const RecurringTransaction& broken :
         {newRecurring(QStringLiteral("a"), QStringLiteral("no-such-account"), QDate(2024, 3, 1)), unstamped, unstarted,
          newRecurring(QStringLiteral("d"), QStringLiteral("acc"), QDate(2024, 4, 1))}) {
        QTest::ignoreMessage(QtWarningMsg, failed("insert"));
        QVERIFY(!m->repo.insert(broken));
    }
    QCOMPARE(changed.count(), 0);
    QCOMPARE(m->db.scalar(QStringLiteral("SELECT COUNT(*) FROM recurring_transactions")).toInt(), 1);
    QCOMPARE(m->repo.findById(QStringLiteral("d"))->nextDueDate, QDate(2024, 3, 1));
}

void TestRecurringRepository::syncOperations()
{
    QVERIFY(insert(QStringLiteral("a"), QDate(2024, 3, 1)));
    QVERIFY(insert(QStringLiteral("b"), QDate(2024, 3, 2)));
    checkSyncOperations(m->repo, &RecurringRepository::recurringChanged);

    QSignalSpy changed(&m->repo, &RecurringRepository::recurringChanged);
    QVERIFY(m->repo.softDelete(QStringLiteral("b")));
    QCOMPARE(changed.count(), 1);
    const RecurringTransaction deleted = *m->repo.findById(QStringLiteral("b"));
    // One "now" per statement: both stamps are the same.
    QCOMPARE(deleted.deletedAt, std::optional<QDateTime>(fixedNow()));
    QCOMPARE(deleted.updatedAt, fixedNow());
    QCOMPARE(deleted.version, 2);
    QCOMPARE(deleted.syncStatus, SyncStatus::Pending);
    QCOMPARE(idsOf(m->repo.listAll()), QStringList{QStringLiteral("a")});
}

void TestRecurringRepository::deleteAndRestoreWithTheAccount()
{
    QVERIFY(insert(QStringLiteral("x1"), QDate(2024, 3, 1)));
    QVERIFY(insert(QStringLiteral("x2"), QDate(2024, 3, 2)));
    QVERIFY(insert(QStringLiteral("early"), QDate(2024, 3, 4)));
    QVERIFY(insert(QStringLiteral("keep"), QDate(2024, 3, 3), QStringLiteral("Rent"), QStringLiteral("other")));
    checkAccountCascade(m->db, "recurring_transactions", m->repo, &RecurringRepository::recurringChanged);
    QCOMPARE(idsOf(m->repo.listAll()), (QStringList{"x1", "x2", "keep"}));
}

VELLUMRY_TEST_GUILESS_MAIN(TestRecurringRepository)
#include "tst_recurringrepository.moc"
