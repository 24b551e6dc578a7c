#include "LedgerFixture.h"
#include "TestMain.h"

#include "data/AccountRepository.h"
#include "data/RecurringRepository.h"
#include "data/RecurringService.h"
#include "data/TransactionRepository.h"

#include <QRegularExpression>

using namespace LedgerFixture;

namespace {

// Today is 2024-03-05 (UTC, as every test runs).
const QDate kToday = fixedNow().date();

// The repositories and the service over one fresh ledger with a USD checking
// account, a USD savings account and a EUR account.
struct Ledger
{
    Ledger()
        : accounts(db.database())
        , transactions(db.database())
        , recurring(db.database())
        , service(&recurring, &transactions, &accounts)
    {
        ready = db.isReady() && addAccount(db, QStringLiteral("checking")) && addAccount(db, QStringLiteral("savings"))
                && addAccount(db, QStringLiteral("euro"), 0, QStringLiteral("EUR"));
    }

    RecurringTransaction add(const QString& id, const QDate& nextDue,
                             RecurringFrequency frequency = RecurringFrequency::Monthly, bool autoPost = false)
    {
        RecurringTransaction record = newRecurring(id, QStringLiteral("checking"), nextDue, QStringLiteral("Payee ") + id);
        record.memo = QStringLiteral("memo");
        record.frequency = frequency;
        record.autoPost = autoPost;
        return record;
    }

    bool put(const QString& id, const QDate& nextDue, RecurringFrequency frequency = RecurringFrequency::Monthly,
             bool autoPost = false)
    {
        return recurring.insert(add(id, nextDue, frequency, autoPost));
    }
    RecurringTransaction load(const QString& id) const { return recurring.findById(id).value_or(RecurringTransaction()); }
    std::optional<Transaction> posting(const QString& id, const QDate& due, const QString& suffix = QString()) const
    {
        return transactions.findById(RecurringService::recurringOccurrenceId(id, due, suffix));
    }
    int postings() { return db.scalar(QStringLiteral("SELECT COUNT(*) FROM transactions")).toInt(); }
    int postingsOf(const QString& id)
    {
        return db.scalar(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE recurring_id = ?"), {id}).toInt();
    }

    TempDatabase db;
    AccountRepository accounts;
    TransactionRepository transactions;
    RecurringRepository recurring;
    RecurringService service;
    bool ready = false;
};

QRegularExpression warning(const QString& start)
{
    return QRegularExpression(QLatin1Char('^') + QRegularExpression::escape(start));
}

} // namespace

class TestRecurringService : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void nextDueDateAfter_data();
    void nextDueDateAfter();
    void scheduleSequences();
    void occurrenceIds();
    void confirmPostsAndAdvances();
    void confirmRefusals();
    void transfers();
    void confirmAllDueAndEnterDueUntil();
    void autoPostHorizon();
    void autoPostCatchUpAndQuarantine();
    void skipOccurrence();

private:
    std::unique_ptr<Ledger> m_ledger;
};

void TestRecurringService::init()
{
    Clock::setFixedNow(fixedNow());
    m_ledger = std::make_unique<Ledger>();
    QVERIFY(m_ledger->ready);
}

void TestRecurringService::cleanup()
{
    m_ledger.reset();
    Clock::reset();
}

void TestRecurringService::nextDueDateAfter_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<int>("frequency");
    QTest::addColumn<int>("interval");
    QTest::addColumn<int>("day1");
    QTest::addColumn<int>("day2");
    QTest::addColumn<QDate>("expected");

    QTest::newRow("daily") << QDate(2024, 2, 28) << 0 << 1 << 1 << 15 << QDate(2024, 2, 29);
    QTest::newRow("weekly") << QDate(2024, 3, 1) << 1 << 1 << 1 << 15 << QDate(2024, 3, 8);
    QTest::newRow("weekly interval 0") << QDate(2024, 3, 1) << 1 << 0 << 1 << 15 << QDate(2024, 3, 8);
    QTest::newRow("biweekly") << QDate(2024, 3, 1) << 2 << 1 << 1 << 15 << QDate(2024, 3, 15);
    QTest::newRow("biweekly interval 2") << QDate(2024, 3, 1) << 2 << 2 << 1 << 15 << QDate(2024, 3, 29);
    QTest::newRow("monthly") << QDate(2024, 3, 15) << 3 << 1 << 1 << 15 << QDate(2024, 4, 15);
    QTest::newRow("monthly 31st leap") << QDate(2024, 1, 31) << 3 << 1 << 1 << 15 << QDate(2024, 2, 29);
    QTest::newRow("monthly 31st") << QDate(2023, 1, 31) << 3 << 1 << 1 << 15 << QDate(2023, 2, 28);
    QTest::newRow("quarterly") << QDate(2024, 11, 30) << 5 << 1 << 1 << 15 << QDate(2025, 2, 28);
    QTest::newRow("semi_annual") << QDate(2024, 8, 31) << 6 << 1 << 1 << 15 << QDate(2025, 2, 28);
    QTest::newRow("annual from Feb 29") << QDate(2024, 2, 29) << 7 << 1 << 1 << 15 << QDate(2025, 2, 28);
    QTest::newRow("annual every 4 from Feb 29") << QDate(2024, 2, 29) << 7 << 4 << 1 << 15 << QDate(2028, 2, 29);
    QTest::newRow("unknown frequency 9") << QDate(2024, 1, 31) << 9 << 2 << 1 << 15 << QDate(2024, 3, 31);
    QTest::newRow("semimonthly 31/15 in April") << QDate(2024, 4, 20) << 4 << 1 << 31 << 15 << QDate(2024, 4, 30);
    QTest::newRow("semimonthly equal days") << QDate(2024, 3, 10) << 4 << 1 << 10 << 10 << QDate(2024, 4, 10);
    QTest::newRow("semimonthly ignores interval") << QDate(2024, 3, 1) << 4 << 6 << 1 << 15 << QDate(2024, 3, 15);
    QTest::newRow("semimonthly negative day") << QDate(2024, 6, 16) << 4 << 1 << 15 << -4 << QDate(2024, 6, 30);
    QTest::newRow("semimonthly year end") << QDate(2024, 12, 31) << 4 << 1 << 1 << 15 << QDate(2025, 1, 1);
    QTest::newRow("invalid from") << QDate() << 4 << 1 << 1 << 15 << QDate();
}

void TestRecurringService::nextDueDateAfter()
{
    QFETCH(QDate, from);
    QFETCH(int, frequency);
    QFETCH(int, interval);
    QFETCH(int, day1);
    QFETCH(int, day2);
    QFETCH(QDate, expected);
    QCOMPARE(RecurringService::nextDueDateAfter(from, static_cast<RecurringFrequency>(frequency), interval, day1, day2),
             expected);
}

void TestRecurringService::scheduleSequences()
{
    // A monthly record on the 31st drifts to the 29th after a leap February and
    // stays there: every device computes the same dates, hence the same ids.
    const auto sequence = [](QDate date, RecurringFrequency frequency, int day1, int day2) {
        QList<QDate> dates{date};
        for (int i = 0; i < 4; ++i)
            dates.append(date = RecurringService::nextDueDateAfter(date, frequency, 1, day1, day2));
        return dates;
    };
    QCOMPARE(sequence(QDate(2024, 1, 31), RecurringFrequency::Monthly, 1, 15),
             (QList<QDate>{QDate(2024, 1, 31), QDate(2024, 2, 29), QDate(2024, 3, 29), QDate(2024, 4, 29),
                           QDate(2024, 5, 29)}));
    QCOMPARE(sequence(QDate(2024, 2, 10), RecurringFrequency::Semimonthly, 15, 0),
             (QList<QDate>{QDate(2024, 2, 10), QDate(2024, 2, 15), QDate(2024, 2, 29), QDate(2024, 3, 15),
                           QDate(2024, 3, 31)}));

    // A huge stored interval must never move a record backwards: the calendar
    // arithmetic would wrap round, so there is no next date at all.
    for (RecurringFrequency frequency :
         {RecurringFrequency::Quarterly, RecurringFrequency::Monthly, RecurringFrequency::Annual})
        QVERIFY(!RecurringService::nextDueDateAfter(QDate(2024, 1, 1), frequency, 0x7fffffff, 1, 15).isValid());
    QCOMPARE(RecurringService::nextDueDateAfter(QDate(2024, 1, 1), RecurringFrequency::Annual, 1000, 1, 15),
             QDate(3024, 1, 1));
}

void TestRecurringService::occurrenceIds()
{
    // What every other device has derived for the same occurrences: must never change.
    const QString rec = QStringLiteral("rec-1");
    QCOMPARE(RecurringService::recurringOccurrenceId(rec, QDate(2024, 2, 29)),
             QStringLiteral("ecfc9acd-295d-5f18-9aae-d0af0fce5ad8"));
    QCOMPARE(RecurringService::recurringOccurrenceId(rec, QDate(2024, 2, 29), QStringLiteral("dest")),
             QStringLiteral("716ed71c-2b85-5af3-9e81-ac3575f4f1e9"));
    QCOMPARE(RecurringService::recurringOccurrenceId(rec, QDate(2024, 3, 29)),
             QStringLiteral("dff5058b-9d64-5c74-92eb-2518754ced1c"));
    QCOMPARE(RecurringService::recurringOccurrenceId(QStringLiteral("caf\u00e9"), QDate(2024, 1, 1)),
             QStringLiteral("5e4d3e75-70fc-57e3-ba48-322c0821e834"));
}

void TestRecurringService::confirmPostsAndAdvances()
{
    Ledger& ledger = *m_ledger;
    QVERIFY(addCategory(ledger.db, QStringLiteral("rent"), QStringLiteral("Rent")));
    RecurringTransaction rent = ledger.add(QStringLiteral("rent"), QDate(2024, 1, 31));
    rent.categoryId = QStringLiteral("rent");
    rent.version = 3;
    rent.syncStatus = SyncStatus::Synced;
    QVERIFY(ledger.recurring.insert(rent));
    QVERIFY(ledger.put(QStringLiteral("later"), QDate(2024, 3, 20)));
    QSignalSpy pending(&ledger.service, &RecurringService::pendingCountChanged);
    QSignalSpy posted(&ledger.transactions, &TransactionRepository::transactionsChanged);
    QCOMPARE(ledger.service.pendingCount(), 1);

    QVERIFY(ledger.service.confirm(QStringLiteral("rent")));
    Transaction expected =
        newTransaction(QStringLiteral("checking"), QDate(2024, 1, 31), QStringLiteral("Payee rent"), -12000);
    expected.id = RecurringService::recurringOccurrenceId(QStringLiteral("rent"), QDate(2024, 1, 31));
    expected.memo = QStringLiteral("memo");
    expected.categoryId = QStringLiteral("rent");
    expected.recurringId = QStringLiteral("rent");
    QCOMPARE(describe(*ledger.transactions.findById(expected.id)), describe(expected));
    QCOMPARE(posted.count(), 1);

    const RecurringTransaction advanced = ledger.load(QStringLiteral("rent"));
    QCOMPARE(advanced.nextDueDate, QDate(2024, 2, 29));
    QCOMPARE(advanced.version, 4);
    QCOMPARE(advanced.syncStatus, SyncStatus::Pending);
    QCOMPARE(advanced.updatedAt, fixedNow());
    QVERIFY(advanced.isActive);
    QCOMPARE(pending.count(), 1);
    QCOMPARE(pending.last().at(0).toInt(), 1);

    QVERIFY(ledger.service.confirm(QStringLiteral("rent")));
    QCOMPARE(ledger.load(QStringLiteral("rent")).nextDueDate, QDate(2024, 3, 29));
    QCOMPARE(pending.last().at(0).toInt(), 0);
    QVERIFY(ledger.posting(QStringLiteral("rent"), QDate(2024, 2, 29)));

    // Confirm does not look at today: the user may enter an occurrence early.
    QVERIFY(ledger.service.confirm(QStringLiteral("later")));
    QCOMPARE(ledger.load(QStringLiteral("later")).nextDueDate, QDate(2024, 4, 20));
    QCOMPARE(ledger.service.allRecurring().size(), 2);

    RecurringTransaction weekly = ledger.add(QStringLiteral("weekly"), QDate(2024, 3, 1), RecurringFrequency::Weekly);
    weekly.endDate = QDate(2024, 3, 15);
    QVERIFY(ledger.recurring.insert(weekly));

    QVERIFY(ledger.service.confirm(QStringLiteral("weekly")));
    QVERIFY(ledger.service.confirm(QStringLiteral("weekly")));
    // Due on the end date itself: still active.
    QCOMPARE(ledger.load(QStringLiteral("weekly")).nextDueDate, QDate(2024, 3, 15));
    QVERIFY(ledger.load(QStringLiteral("weekly")).isActive);
    QVERIFY(ledger.service.confirm(QStringLiteral("weekly")));
    QCOMPARE(ledger.load(QStringLiteral("weekly")).nextDueDate, QDate(2024, 3, 22));
    QVERIFY(!ledger.load(QStringLiteral("weekly")).isActive);
    QCOMPARE(ledger.postingsOf(QStringLiteral("weekly")), 3);

    RecurringTransaction skipped = ledger.add(QStringLiteral("skipped"), QDate(2024, 3, 1));
    skipped.endDate = QDate(2024, 3, 31);
    QVERIFY(ledger.recurring.insert(skipped));
    QVERIFY(ledger.service.skipOccurrence(QStringLiteral("skipped")));
    QVERIFY(!ledger.load(QStringLiteral("skipped")).isActive);
    QCOMPARE(ledger.postingsOf(QStringLiteral("skipped")), 0);
}

void TestRecurringService::confirmRefusals()
{
    Ledger& ledger = *m_ledger;
    QSignalSpy pending(&ledger.service, &RecurringService::pendingCountChanged);
    QVERIFY(!ledger.service.confirm(QStringLiteral("missing")));

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("broken nextDueDate")));
    QVERIFY(ledger.put(QStringLiteral("old"), QDate(1999, 12, 31)));
    QTest::ignoreMessage(QtWarningMsg, "RecurringService::confirm refusing record with broken date: old Payee old "
                                       "1999-12-31 — quarantining (deactivating)");
    QTest::ignoreMessage(QtWarningMsg, warning(QStringLiteral("RecurringRepository::update saving")));
    QVERIFY(!ledger.service.confirm(QStringLiteral("old")));
    const RecurringTransaction quarantined = ledger.load(QStringLiteral("old"));
    QVERIFY(!quarantined.isActive);
    QCOMPARE(quarantined.version, 2);
    QCOMPARE(quarantined.updatedAt, fixedNow());
    QCOMPARE(quarantined.nextDueDate, QDate(1999, 12, 31));
    QCOMPARE(ledger.postings(), 0);
    QCOMPARE(pending.count(), 0);

    QVERIFY(ledger.put(QStringLiteral("rent"), QDate(2024, 3, 1)));
    // The occurrence came by sync from another device before this device's copy
    // of the record was advanced: the same id, so the insert refuses it.
    QVERIFY(ledger.transactions.insert(RecurringService::transactionForOccurrence(ledger.load(QStringLiteral("rent")))));

    QTest::ignoreMessage(QtWarningMsg, warning(QStringLiteral("TransactionRepository::insert failed:")));
    QVERIFY(!ledger.service.confirm(QStringLiteral("rent")));
    QCOMPARE(ledger.postings(), 1);
    QCOMPARE(ledger.load(QStringLiteral("rent")).nextDueDate, QDate(2024, 3, 1));
    QCOMPARE(ledger.load(QStringLiteral("rent")).version, 1);
    QCOMPARE(pending.count(), 0);
}

void TestRecurringService::transfers()
{
    Ledger& ledger = *m_ledger;
    RecurringTransaction abroad = ledger.add(QStringLiteral("abroad"), QDate(2024, 3, 1));
    abroad.transferDestAccountId = QStringLiteral("euro");
    QVERIFY(ledger.recurring.insert(abroad));
    QSignalSpy pending(&ledger.service, &RecurringService::pendingCountChanged);
    QSignalSpy transactions(&ledger.transactions, &TransactionRepository::transactionsChanged);

    for (int attempt = 0; attempt < 2; ++attempt) {
        QTest::ignoreMessage(QtWarningMsg, "RecurringService: skipping transfer post for abroad — source and "
                                           "destination currencies differ");
        QVERIFY(!ledger.service.confirm(QStringLiteral("abroad")));
    }
    QCOMPARE(ledger.postings(), 0);
    QCOMPARE(transactions.count(), 0);
    QCOMPARE(pending.count(), 0);
    QCOMPARE(ledger.load(QStringLiteral("abroad")).nextDueDate, QDate(2024, 3, 1));
    QCOMPARE(ledger.load(QStringLiteral("abroad")).version, 1);

    // Nothing half-posted stands in the way once the user points it at a USD account.
    abroad.transferDestAccountId = QStringLiteral("savings");
    QVERIFY(ledger.recurring.update(abroad));
    QVERIFY(ledger.service.confirm(QStringLiteral("abroad")));
    QCOMPARE(ledger.postings(), 2);
    QCOMPARE(pending.count(), 1);

    RecurringTransaction orphan = ledger.add(QStringLiteral("orphan"), QDate(2024, 3, 1));
    orphan.transferDestAccountId = QStringLiteral("closed-long-ago");
    QVERIFY(ledger.recurring.insert(orphan));

    // The twin has nowhere to go; the posting stays a plain entry, linked to nothing.
    QTest::ignoreMessage(QtWarningMsg, warning(QStringLiteral("TransactionRepository::insert failed:")));
    QVERIFY(ledger.service.confirm(QStringLiteral("orphan")));
    const Transaction plain = *ledger.posting(QStringLiteral("orphan"), QDate(2024, 3, 1));
    QVERIFY(plain.transferLinkId.isEmpty());
    QVERIFY(plain.transferDestAccountId.isEmpty());
    QCOMPARE(ledger.postingsOf(QStringLiteral("orphan")), 1);
    QCOMPARE(ledger.load(QStringLiteral("orphan")).nextDueDate, QDate(2024, 4, 1));

    RecurringTransaction saving = ledger.add(QStringLiteral("saving"), QDate(2024, 3, 1));
    saving.transferDestAccountId = QStringLiteral("savings");
    QVERIFY(ledger.recurring.insert(saving));
    QVERIFY(ledger.service.confirm(QStringLiteral("saving")));
    const Transaction posting = *ledger.posting(QStringLiteral("saving"), QDate(2024, 3, 1));
    const Transaction twin = *ledger.posting(QStringLiteral("saving"), QDate(2024, 3, 1), QStringLiteral("dest"));
    QCOMPARE(posting.transferLinkId, twin.id);
    QCOMPARE(posting.transferDestAccountId, QStringLiteral("savings"));
    // The twin mirrors the posting into the other account.
    Transaction mirrored = posting;
    mirrored.id = twin.id;
    mirrored.accountId = QStringLiteral("savings");
    mirrored.amount = 12000;
    mirrored.transferLinkId = posting.id;
    mirrored.transferDestAccountId = QStringLiteral("checking");
    QCOMPARE(describe(twin), describe(mirrored));
    QCOMPARE(ledger.load(QStringLiteral("saving")).nextDueDate, QDate(2024, 4, 1));
}

void TestRecurringService::confirmAllDueAndEnterDueUntil()
{
    Ledger& ledger = *m_ledger;
    QVERIFY(ledger.put(QStringLiteral("weekly"), kToday.addDays(-28), RecurringFrequency::Weekly));
    QVERIFY(ledger.put(QStringLiteral("tomorrow"), kToday.addDays(1)));
    QVERIFY(ledger.put(QStringLiteral("monthly"), kToday.addDays(7)));
    QVERIFY(ledger.put(QStringLiteral("far"), kToday.addDays(8)));
    RecurringTransaction inactive = ledger.add(QStringLiteral("inactive"), kToday.addDays(-3));
    inactive.isActive = false;
    QVERIFY(ledger.recurring.insert(inactive));
    QCOMPARE(ledger.service.pendingCount(), 1);

    QCOMPARE(ledger.service.confirmAllDue(), 1);
    // Four weeks behind, one occurrence entered: still due.
    QCOMPARE(ledger.load(QStringLiteral("weekly")).nextDueDate, kToday.addDays(-21));
    QCOMPARE(ledger.service.pendingCount(), 1);

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("broken nextDueDate")));
    QVERIFY(ledger.put(QStringLiteral("old"), QDate(1999, 12, 31)));
    QVERIFY(ledger.put(QStringLiteral("daily"), kToday.addDays(-400), RecurringFrequency::Daily));
    // Broken records are passed over without a word; everything else is entered.
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    // weekly: -21, -14, -7, 0, +7; tomorrow; monthly: +7; daily: capped at 365 of its 408.
    QCOMPARE(ledger.service.enterDueUntil(kToday.addDays(7)), 5 + 1 + 1 + 365);
    QCOMPARE(ledger.load(QStringLiteral("weekly")).nextDueDate, kToday.addDays(14));
    QCOMPARE(ledger.load(QStringLiteral("monthly")).nextDueDate, kToday.addDays(7).addMonths(1));
    QCOMPARE(ledger.load(QStringLiteral("far")).nextDueDate, kToday.addDays(8));
    QCOMPARE(ledger.load(QStringLiteral("daily")).nextDueDate, kToday.addDays(-35));
    QVERIFY(ledger.load(QStringLiteral("daily")).isActive);
    QVERIFY(ledger.load(QStringLiteral("old")).isActive);
    QCOMPARE(ledger.postingsOf(QStringLiteral("old")) + ledger.postingsOf(QStringLiteral("inactive")), 0);
    QCOMPARE(ledger.postings(), 1 + 372);
}

void TestRecurringService::autoPostHorizon()
{
    Ledger& ledger = *m_ledger;
    const auto autoPosting = [&ledger](const QString& id, const QDate& due, int leadDays) {
        RecurringTransaction record = ledger.add(id, due, RecurringFrequency::Monthly, true);
        record.leadDays = leadDays;
        return ledger.recurring.insert(record);
    };
    // Lead days are clamped to 0..60.
    QVERIFY(autoPosting(QStringLiteral("soon"), kToday.addDays(5), 7));
    QVERIFY(autoPosting(QStringLiteral("lead90in60"), kToday.addDays(60), 90));
    QVERIFY(autoPosting(QStringLiteral("lead90in61"), kToday.addDays(61), 90));
    QVERIFY(autoPosting(QStringLiteral("negative"), kToday, -5));
    QVERIFY(autoPosting(QStringLiteral("negativeTomorrow"), kToday.addDays(1), -5));
    QVERIFY(ledger.put(QStringLiteral("manual"), kToday.addDays(-3)));

    QCOMPARE(ledger.service.autoPostDue(), 3);
    // Entered today, dated its due date.
    const Transaction soon = *ledger.posting(QStringLiteral("soon"), kToday.addDays(5));
    QCOMPARE(soon.date, kToday.addDays(5));
    QCOMPARE(soon.createdAt, fixedNow());
    QCOMPARE(ledger.postingsOf(QStringLiteral("lead90in60")), 1);
    QCOMPARE(ledger.postingsOf(QStringLiteral("negative")), 1);
    QCOMPARE(ledger.postingsOf(QStringLiteral("lead90in61")) + ledger.postingsOf(QStringLiteral("negativeTomorrow"))
                 + ledger.postingsOf(QStringLiteral("manual")),
             0);
    // A second run finds everything caught up.
    QCOMPARE(ledger.service.autoPostDue(), 0);
}

void TestRecurringService::autoPostCatchUpAndQuarantine()
{
    Ledger& ledger = *m_ledger;
    QVERIFY(ledger.put(QStringLiteral("daily"), kToday.addYears(-3), RecurringFrequency::Daily, true));
    // Exactly a year behind: the last of its 365 postings catches it up.
    QVERIFY(ledger.put(QStringLiteral("year"), kToday.addDays(-364), RecurringFrequency::Daily, true));

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(
                                           "^Quarantining recurring daily .* auto-deactivating\\. Reason: still behind "
                                           "after the catchup cap nextDueDate=")));
    QSignalSpy announced(&ledger.transactions, &TransactionRepository::transactionsChanged);
    QCOMPARE(ledger.service.autoPostDue(), 730);
    // One reload for the whole catch-up, not one per posting.
    QCOMPARE(announced.count(), 1);
    const RecurringTransaction stopped = ledger.load(QStringLiteral("daily"));
    QVERIFY(!stopped.isActive);
    QCOMPARE(stopped.nextDueDate, kToday.addYears(-3).addDays(365));
    QCOMPARE(stopped.version, 1 + 365 + 1);
    QCOMPARE(ledger.postingsOf(QStringLiteral("daily")), 365);
    const RecurringTransaction caughtUp = ledger.load(QStringLiteral("year"));
    QVERIFY(caughtUp.isActive);
    QCOMPARE(caughtUp.nextDueDate, kToday.addDays(1));
    QCOMPARE(ledger.postingsOf(QStringLiteral("year")), 365);

    // Quarantine is not undone by the next run.
    QCOMPARE(ledger.service.autoPostDue(), 0);
    QCOMPARE(ledger.postingsOf(QStringLiteral("daily")), 365);

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("broken nextDueDate")));
    QVERIFY(ledger.put(QStringLiteral("old"), QDate(1999, 12, 31), RecurringFrequency::Monthly, true));
    QVERIFY(ledger.put(QStringLiteral("fine"), kToday, RecurringFrequency::Monthly, true));
    // Another device's template pointing at a EUR account: confirm refuses, the
    // run moves on without quarantining it.
    RecurringTransaction abroad = ledger.add(QStringLiteral("abroad"), kToday, RecurringFrequency::Monthly, true);
    abroad.transferDestAccountId = QStringLiteral("euro");
    QVERIFY(ledger.recurring.insert(abroad));

    QTest::ignoreMessage(QtWarningMsg, "Quarantining recurring old Payee old — auto-deactivating. Reason: broken "
                                       "next_due_date nextDueDate=1999-12-31");
    QTest::ignoreMessage(QtWarningMsg, warning(QStringLiteral("RecurringRepository::update saving")));
    QTest::ignoreMessage(QtWarningMsg, warning(QStringLiteral("RecurringService: skipping transfer post")));
    QCOMPARE(ledger.service.autoPostDue(), 1);
    const RecurringTransaction quarantined = ledger.load(QStringLiteral("old"));
    QVERIFY(!quarantined.isActive);
    QCOMPARE(quarantined.version, 2);
    QCOMPARE(quarantined.syncStatus, SyncStatus::Pending);
    QVERIFY(ledger.load(QStringLiteral("abroad")).isActive);
    QCOMPARE(ledger.postingsOf(QStringLiteral("old")) + ledger.postingsOf(QStringLiteral("abroad")), 0);
    QCOMPARE(ledger.postingsOf(QStringLiteral("fine")), 1);
}

void TestRecurringService::skipOccurrence()
{
    Ledger& ledger = *m_ledger;
    QVERIFY(ledger.put(QStringLiteral("gym"), QDate(2024, 1, 31)));
    QSignalSpy pending(&ledger.service, &RecurringService::pendingCountChanged);
    QVERIFY(!ledger.service.skipOccurrence(QStringLiteral("missing")));

    QVERIFY(ledger.service.skipOccurrence(QStringLiteral("gym")));
    const RecurringTransaction skipped = ledger.load(QStringLiteral("gym"));
    QCOMPARE(skipped.nextDueDate, QDate(2024, 2, 29));
    QCOMPARE(skipped.version, 2);
    QCOMPARE(skipped.updatedAt, fixedNow());
    QCOMPARE(ledger.postings(), 0);
    QCOMPARE(pending.count(), 1);
    QCOMPARE(pending.last().at(0).toInt(), 1);

    // A row whose start date cannot be read cannot be written back: the skip
    // reports that it did not happen.
    QVERIFY(ledger.db.exec(QStringLiteral("UPDATE recurring_transactions SET start_date = 'someday' WHERE id = 'gym'")));
    QTest::ignoreMessage(QtWarningMsg, warning(QStringLiteral("RecurringRepository::update failed:")));
    QVERIFY(!ledger.service.skipOccurrence(QStringLiteral("gym")));
    QCOMPARE(ledger.load(QStringLiteral("gym")).nextDueDate, QDate(2024, 2, 29));
    QCOMPARE(pending.count(), 1);
}

VELLUMRY_TEST_GUILESS_MAIN(TestRecurringService)
#include "tst_recurringservice.moc"
