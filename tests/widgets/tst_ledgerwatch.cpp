#include "TestMain.h"

#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/Identifiers.h"
#include "data/ReconciliationRepository.h"
#include "data/RecurringRepository.h"
#include "data/RecurringService.h"
#include "data/TransactionRepository.h"
#include "state/AppState.h"
#include "widgets/LedgerWatch.h"

#include <QSqlQuery>
#include <QTemporaryDir>

#include <memory>

namespace {

template <typename Record>
Record stamped(Record record)
{
    record.id = newId();
    record.createdAt = record.updatedAt = Clock::nowUtc();
    return record;
}

Account account(const QString& name)
{
    Account a;
    a.name = name;
    return stamped(a);
}

Transaction transaction(const QString& accountId)
{
    Transaction t;
    std::tie(t.accountId, t.date, t.payee, t.amount) = std::tuple(accountId, QDate(2024, 3, 1), "Grocer", -1250);
    return stamped(t);
}

// The writes each row of the table answers, in order.
const QStringList kSteps{"account",        "transaction here",  "transaction elsewhere", "many transactions",
                         "category",       "recurring",         "reconciliation",        "recurring due",
                         "ledger reset",   "two in one turn"};

} // namespace

// A view's reloads, per change of the ledger it may or may not show.
class TestLedgerWatch : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_state.reset(); }
    void reloadsForWhatTheViewShows_data();
    void reloadsForWhatTheViewShows();
    void flushReloadsOnlyWhatWaits();

private:
    // Runs one step and lets its turn end; returns the reloads it caused.
    int reloadsAfter(const QString& step, LedgerWatch& watch, const int& reloads);

    QTemporaryDir m_dir;
    std::unique_ptr<AppState> m_state;
    QString m_here;
    QString m_elsewhere;
};

void TestLedgerWatch::init()
{
    m_state = std::make_unique<AppState>();
    QVERIFY(m_state->openLedger(m_dir.filePath(newId() + QStringLiteral(".db"))));
    const Account here = account(QStringLiteral("Checking"));
    const Account elsewhere = account(QStringLiteral("Savings"));
    QVERIFY(m_state->accountRepository->insert(here) && m_state->accountRepository->insert(elsewhere));
    m_here = here.id;
    m_elsewhere = elsewhere.id;
}

int TestLedgerWatch::reloadsAfter(const QString& step, LedgerWatch& watch, const int& reloads)
{
    const int before = reloads;
    AppState* s = m_state.get();
    bool written = true;
    if (step == u"account") {
        written = s->accountRepository->insert(account(QStringLiteral("Cash")));
    } else if (step == u"transaction here") {
        written = s->transactionRepository->insert(transaction(m_here));
    } else if (step == u"transaction elsewhere") {
        written = s->transactionRepository->insert(transaction(m_elsewhere));
    } else if (step == u"many transactions") {
        // A write of many rows names no account.
        QSqlQuery synced(s->database->database());
        written = synced.exec(QStringLiteral("UPDATE transactions SET sync_status = 'synced'"))
                  && s->transactionRepository->markAllPendingForResync() > 0;
    } else if (step == u"category") {
        Category category;
        category.name = QStringLiteral("Books");
        written = s->categoryRepository->insert(stamped(category));
    } else if (step == u"recurring") {
        RecurringTransaction recurring;
        std::tie(recurring.accountId, recurring.payee) = std::tuple(m_elsewhere, "Rent");
        recurring.startDate = recurring.nextDueDate = QDate(2024, 4, 1);
        written = s->recurringRepository->insert(stamped(recurring));
    } else if (step == u"reconciliation") {
        Reconciliation reconciliation;
        reconciliation.accountId = m_elsewhere;
        reconciliation.statementDate = QDate(2024, 2, 29);
        reconciliation.completedAt = Clock::nowUtc();
        written = s->reconciliationRepository->insert(stamped(reconciliation));
    } else if (step == u"recurring due") {
        emit s->recurringService->pendingCountChanged(1);
    } else if (step == u"ledger reset") {
        s->database->announceLedgerReset();
    } else if (step == u"two in one turn") {
        written = s->accountRepository->insert(account(QStringLiteral("Loan")))
                  && s->transactionRepository->insert(transaction(m_here));
    }
    if (!written)
        return -1;
    // Nothing reloads inside the turn that wrote.
    if (reloads != before)
        return -2;
    if (!QTest::qWaitFor([&watch] { return !watch.isPending(); }))
        return -3;
    return reloads - before;
}

void TestLedgerWatch::reloadsForWhatTheViewShows_data()
{
    QTest::addColumn<int>("parts");
    QTest::addColumn<bool>("oneAccount");
    QTest::addColumn<QList<int>>("reloads"); // per step of kSteps

    QTest::newRow("only the reset") << 0 << false << QList<int>{0, 0, 0, 0, 0, 0, 0, 0, 1, 0};
    QTest::newRow("accounts") << int(LedgerPart::Accounts) << false << QList<int>{1, 0, 0, 0, 0, 0, 0, 0, 1, 1};
    QTest::newRow("every account's transactions")
        << int(LedgerPart::Transactions) << false << QList<int>{0, 1, 1, 1, 0, 0, 0, 0, 1, 1};
    QTest::newRow("one account's transactions")
        << int(LedgerPart::Transactions) << true << QList<int>{0, 1, 0, 1, 0, 0, 0, 0, 1, 1};
    QTest::newRow("categories") << int(LedgerPart::Categories) << false << QList<int>{0, 0, 0, 0, 1, 0, 0, 0, 1, 0};
    QTest::newRow("recurring") << int(LedgerPart::Recurring) << false << QList<int>{0, 0, 0, 0, 0, 1, 0, 0, 1, 0};
    QTest::newRow("reconciliations")
        << int(LedgerPart::Reconciliations) << false << QList<int>{0, 0, 0, 0, 0, 0, 1, 0, 1, 0};
    QTest::newRow("recurring due")
        << int(LedgerPart::RecurringDue) << false << QList<int>{0, 0, 0, 0, 0, 0, 0, 1, 1, 0};
    QTest::newRow("accounts and transactions")
        << int(LedgerPart::Accounts | LedgerPart::Transactions) << false << QList<int>{1, 1, 1, 1, 0, 0, 0, 0, 1, 1};
}

void TestLedgerWatch::reloadsForWhatTheViewShows()
{
    QFETCH(int, parts);
    QFETCH(bool, oneAccount);
    int reloads = 0;
    LedgerWatch watch(m_state.get(), LedgerParts(parts), [&reloads] { ++reloads; }, nullptr);
    if (oneAccount)
        watch.setAccount(m_here);
    QList<int> seen;
    for (const QString& step : kSteps)
        seen.append(reloadsAfter(step, watch, reloads));
    QTEST(seen, "reloads");
}

void TestLedgerWatch::flushReloadsOnlyWhatWaits()
{
    int reloads = 0;
    LedgerWatch watch(m_state.get(), LedgerPart::Accounts, [&reloads] { ++reloads; }, nullptr);
    watch.flush();
    QVERIFY(m_state->accountRepository->insert(account(QStringLiteral("Cash"))));
    QVERIFY(watch.isPending());
    watch.flush();
    watch.flush();
    QCOMPARE(QVariantList({reloads, watch.isPending()}), QVariantList({1, false}));
    QCoreApplication::processEvents();
    QCOMPARE(reloads, 1);
}

VELLUMRY_TEST_GUILESS_MAIN(TestLedgerWatch)
#include "tst_ledgerwatch.moc"
