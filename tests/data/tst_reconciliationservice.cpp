#include "HeldSum.h"
#include "TestMain.h"
#include "TransactionLedger.h"

#include "data/ReconciliationRepository.h"
#include "data/ReconciliationService.h"

#include <limits>

using namespace LedgerFixture;

namespace {

struct ReconcilingLedger : TransactionLedger
{
    Transaction addChecking(const QDate& date, qint64 amount, bool reconciled = false)
    {
        Transaction t = newTransaction(QStringLiteral("checking"), date, QStringLiteral("Bank"), amount);
        t.cleared = t.reconciled = reconciled;
        return transactions.insert(t) ? t : Transaction();
    }

    ReconciliationRepository reconciliations{db.database()};
    ReconciliationService service{db.database(), &transactions, &reconciliations};
};

} // namespace

class TestReconciliationService : public QObject
{
    Q_OBJECT

private slots:
    void startsFromTheLastStatement_data();
    void startsFromTheLastStatement();
    void finishIsOneUnitOfWork();
    void figuresOfTheTickedRows_data();
    void figuresOfTheTickedRows();
};

void TestReconciliationService::startsFromTheLastStatement_data()
{
    QTest::addColumn<QDate>("lastStatement");
    QTest::addColumn<QDate>("lastReconciled");
    QTest::addColumn<QDate>("proposed");

    QTest::newRow("a month after the statement, kept at the month's end")
        << QDate(2024, 3, 31) << QDate(2024, 3, 15) << QDate(2024, 4, 30);
    QTest::newRow("a row reconciled after the statement")
        << QDate(2024, 3, 31) << QDate(2024, 4, 2) << QDate(2024, 5, 2);
    QTest::newRow("rows but no statement") << QDate() << QDate(2024, 1, 31) << QDate(2024, 2, 29);
    QTest::newRow("never reconciled") << QDate() << QDate() << QDate();
}

void TestReconciliationService::startsFromTheLastStatement()
{
    QFETCH(QDate, lastStatement);
    QFETCH(QDate, lastReconciled);
    QFETCH(QDate, proposed);
    ReconcilingLedger m;
    QVERIFY(m.ready);
    if (lastStatement.isValid()) {
        Reconciliation earlier;
        earlier.id = newId();
        earlier.accountId = QStringLiteral("checking");
        earlier.statementDate = lastStatement;
        earlier.completedAt = fixedNow();
        QVERIFY(m.reconciliations.insert(earlier));
    }
    if (lastReconciled.isValid()) {
        m.addChecking(lastReconciled.addDays(-3), 10000, true);
        m.addChecking(lastReconciled, -2500, true);
    }
    // Neither an open row, a deleted one nor another account's counts.
    m.addChecking(QDate(2024, 6, 1), 999);
    QVERIFY(m.transactions.softDelete(m.addChecking(QDate(2024, 7, 1), 123, true).id));
    m.add(QStringLiteral("savings"), QDate(2024, 8, 1), QStringLiteral("Other"), 555);

    Account account = *m.accounts.findById(QStringLiteral("checking"));
    account.startingBalance = 700;
    const ReconciliationStart start = m.service.start(account);
    QCOMPARE(QVariantList({start.statementDate.value_or(QDate()), held(start.previousBalance)}),
             QVariantList({proposed, lastReconciled.isValid() ? 8200 : 700}));
}

void TestReconciliationService::finishIsOneUnitOfWork()
{
    ReconcilingLedger m;
    QVERIFY(m.ready);
    const Transaction deposit = m.addChecking(QDate(2024, 3, 2), 5000);
    const Transaction check = m.addChecking(QDate(2024, 3, 3), -2000);
    const auto finish = [&] {
        return m.service.finish(QStringLiteral("checking"), QDate(2024, 3, 31), 13000, 10000, {deposit, check});
    };

    // A reconciled balance past what a qint64 holds is refused before anything is written.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("goes past what 64 bits hold")));
    QVERIFY(!m.service.finish(QStringLiteral("checking"), QDate(2024, 3, 31), 13000,
                              std::numeric_limits<qint64>::max(), {deposit, check}));
    QCOMPARE(describe(m.load(deposit.id)), describe(deposit));
    QCOMPARE(m.count(QStringLiteral("reconciliations")), 0);

    QVERIFY(m.refuseWritesOf(check.id));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("update failed:")));
    QVERIFY(!finish());
    QCOMPARE(describe(m.load(deposit.id)), describe(deposit));
    QCOMPARE(m.count(QStringLiteral("reconciliations")), 0);

    QVERIFY(m.db.exec(QStringLiteral("DROP TRIGGER refuse_update")));
    QSignalSpy rowsChanged(&m.transactions, &TransactionRepository::transactionsChanged);
    const std::optional<Reconciliation> done = finish();
    QVERIFY(done);
    QCOMPARE(rowsChanged.count(), 1);
    Transaction reconciled = check;
    reconciled.cleared = reconciled.reconciled = true;
    reconciled.version = 2;
    QCOMPARE(describe(m.load(check.id)), describe(reconciled));
    const Reconciliation stored = *m.reconciliations.findById(done->id);
    QCOMPARE(QVariantList({stored.statementDate, stored.statementBalance, stored.reconciledBalance, stored.completedAt,
                           stored.version, int(stored.syncStatus)}),
             QVariantList({QDate(2024, 3, 31), 13000, 13000, fixedNow(), 1, int(SyncStatus::Pending)}));
}

void TestReconciliationService::figuresOfTheTickedRows_data()
{
    QTest::addColumn<qint64>("previous");
    QTest::addColumn<QList<qint64>>("ticked");
    QTest::addColumn<qint64>("entered");
    QTest::addColumn<bool>("liability");
    // previous, deposits, withdrawals, cleared, statement, difference
    QTest::addColumn<QList<qint64>>("figures");

    QTest::newRow("checking, balanced") << qint64(10000) << QList<qint64>{5000, -2000} << qint64(13000) << false
                                        << QList<qint64>{10000, 5000, -2000, 13000, 13000, 0};
    QTest::newRow("checking, a cent over") << qint64(10000) << QList<qint64>{5000, -2000} << qint64(13001) << false
                                           << QList<qint64>{10000, 5000, -2000, 13000, 13001, 1};
    // What is owed is entered positive and stored negative.
    QTest::newRow("credit card, balanced") << qint64(-50000) << QList<qint64>{10000, -5000} << qint64(45000) << true
                                           << QList<qint64>{-50000, 10000, -5000, -45000, -45000, 0};
    QTest::newRow("zero amounts count for nothing") << qint64(0) << QList<qint64>{0, -1, 0} << qint64(0) << false
                                                << QList<qint64>{0, 0, -1, -1, 0, 1};
    QTest::newRow("nothing ticked") << qint64(700) << QList<qint64>{} << qint64(-700) << true
                                    << QList<qint64>{700, 0, 0, 700, 700, 0};
}

void TestReconciliationService::figuresOfTheTickedRows()
{
    QFETCH(qint64, previous);
    QFETCH(QList<qint64>, ticked);
    QFETCH(qint64, entered);
    QFETCH(bool, liability);
    QFETCH(QList<qint64>, figures);
    QList<Transaction> rows;
    for (const qint64 amount : ticked) {
        Transaction t;
        t.amount = amount;
        rows.append(t);
    }
    const ReconciliationFigures f = ReconciliationService::figures(
        previous, rows, ReconciliationService::storedStatementBalance(entered, liability));
    QCOMPARE((QList<qint64>{held(f.previousBalance), held(f.clearedDeposits), held(f.clearedWithdrawals),
                            held(f.clearedBalance), f.statementBalance, held(f.difference)}),
             figures);
}

VELLUMRY_TEST_GUILESS_MAIN(TestReconciliationService)
#include "tst_reconciliationservice.moc"
