#include "TestMain.h"
#include "TransactionLedger.h"

#include "data/OpeningBalanceService.h"

using namespace LedgerFixture;

namespace {

const QString kChecking = QStringLiteral("checking");

// What the account's opening-balance row looks like beforehand. OtherId: one
// with an id of its own (an imported file's), not the name-based one.
enum class Existing { None, Opening, Renamed, Deleted, OtherId };

} // namespace

Q_DECLARE_METATYPE(Existing)

class TestOpeningBalanceService : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void backfill_data();
    void backfill();
    void backfillKeepsTheStartingBalanceOnFailure_data();
    void backfillKeepsTheStartingBalanceOnFailure();
    void setOpeningBalance_data();
    void setOpeningBalance();
    void reversedBalances_data();
    void reversedBalances();

private:
    OpeningBalanceService service() const;
    // The row under the account's name-based id, version 3, dated 2024-01-15.
    void addExisting(Existing existing, qint64 amount);
    void setStartingBalance(qint64 amount);
    // The opening-balance row of the account, or an empty text.
    QString opening(const QString& accountId) const;

    std::unique_ptr<TransactionLedger> m_ledger;
};

void TestOpeningBalanceService::init()
{
    m_ledger = std::make_unique<TransactionLedger>();
    QVERIFY(m_ledger->ready);
}

void TestOpeningBalanceService::cleanup()
{
    m_ledger.reset();
}

OpeningBalanceService TestOpeningBalanceService::service() const
{
    return OpeningBalanceService(m_ledger->db.database(), &m_ledger->transactions, &m_ledger->accounts);
}

void TestOpeningBalanceService::addExisting(Existing existing, qint64 amount)
{
    if (existing == Existing::None)
        return;
    Transaction row = newTransaction(kChecking, QDate(2024, 1, 15),
                                     existing == Existing::Renamed ? QStringLiteral("Coffee")
                                                                   : QStringLiteral("Opening Balance"),
                                     amount);
    row.id = existing == Existing::OtherId ? QStringLiteral("imported") : openingBalanceTransactionId(kChecking);
    row.version = 3;
    row.memo = QStringLiteral("kept");
    QVERIFY(m_ledger->transactions.insert(row));
    if (existing == Existing::Deleted)
        QVERIFY(m_ledger->transactions.applyServerDeletion(row.id, createdTime(), kChecking));
}

void TestOpeningBalanceService::setStartingBalance(qint64 amount)
{
    QVERIFY(m_ledger->db.exec(QStringLiteral("UPDATE accounts SET starting_balance = ? WHERE id = ?"),
                              {amount, kChecking}));
}

QString TestOpeningBalanceService::opening(const QString& accountId) const
{
    const std::optional<Transaction> row = m_ledger->transactions.openingBalanceTransaction(accountId);
    if (!row)
        return QString();
    return QStringLiteral("%1 %2 %3 %4 %5 v%6 %7")
        .arg(row->id == openingBalanceTransactionId(accountId) ? QStringLiteral("own-id") : row->id,
             SqlValues::dateText(row->date), row->payee)
        .arg(row->amount)
        .arg(row->cleared && row->reconciled ? QStringLiteral("R") : QStringLiteral("-"))
        .arg(row->version)
        .arg(row->memo);
}

void TestOpeningBalanceService::backfill_data()
{
    QTest::addColumn<qint64>("startingBalance");
    QTest::addColumn<Existing>("existing");
    QTest::addColumn<QDate>("earliest");
    QTest::addColumn<QString>("expected");

    const QDate none;
    const QDate march1(2024, 3, 1);
    // The account was made on 2024-01-02.
    QTest::newRow("no transactions: the day it was made")
        << qint64(5000) << Existing::None << none << "own-id 2024-01-02 Opening Balance 5000 R v1 ";
    QTest::newRow("the day before the earliest transaction")
        << qint64(5000) << Existing::None << march1 << "own-id 2024-02-29 Opening Balance 5000 R v1 ";
    QTest::newRow("written even when zero")
        << qint64(0) << Existing::None << march1 << "own-id 2024-02-29 Opening Balance 0 R v1 ";
    QTest::newRow("a deleted row is revived with its amount")
        << qint64(0) << Existing::Deleted << march1 << "own-id 2024-02-29 Opening Balance 7000 R v4 ";
    QTest::newRow("a deleted row takes a starting balance")
        << qint64(5000) << Existing::Deleted << march1 << "own-id 2024-02-29 Opening Balance 5000 R v4 ";
    QTest::newRow("a renamed row keeps its amount and date")
        << qint64(0) << Existing::Renamed << march1 << "own-id 2024-01-15 Opening Balance 7000 R v4 kept";
    QTest::newRow("a renamed row takes a starting balance")
        << qint64(5000) << Existing::Renamed << march1 << "own-id 2024-01-15 Opening Balance 5000 R v4 kept";
    QTest::newRow("an account that has one") << qint64(5000) << Existing::Opening << march1
                                             << "own-id 2024-01-15 Opening Balance 7000 - v3 kept";
    QTest::newRow("one under an id of its own") << qint64(5000) << Existing::OtherId << march1
                                                << "imported 2024-01-15 Opening Balance 7000 - v3 kept";
}

void TestOpeningBalanceService::backfill()
{
    QFETCH(qint64, startingBalance);
    QFETCH(Existing, existing);
    QFETCH(QDate, earliest);
    QFETCH(QString, expected);

    TransactionLedger& ledger = *m_ledger;
    setStartingBalance(startingBalance);
    addExisting(existing, 7000);
    if (earliest.isValid())
        QVERIFY(!ledger.add(kChecking, earliest, QStringLiteral("Grocer"), -100).id.isEmpty());

    // Savings, the card and the euro account have none either.
    const bool hasOne = existing == Existing::Opening || existing == Existing::OtherId;
    const int migrated = hasOne ? 3 : 4;
    QTest::ignoreMessage(QtInfoMsg,
                         qPrintable(QStringLiteral("Migrated %1 account(s) to a real Opening Balance transaction")
                                        .arg(migrated)));
    QCOMPARE(service().backfill(), migrated);
    QCOMPARE(opening(kChecking), expected);
    QCOMPARE(opening(QStringLiteral("savings")), QStringLiteral("own-id 2024-01-02 Opening Balance 0 R v1 "));
    QVERIFY(ledger.transactions.openingBalanceTransaction(QStringLiteral("closed")) == std::nullopt);

    const Account account = *ledger.accounts.findById(kChecking);
    const bool zeroed = startingBalance != 0 && !hasOne;
    QCOMPARE(account.startingBalance, zeroed ? 0 : startingBalance);
    QCOMPARE(account.version, zeroed ? 2 : 1);

    // Nothing left to do: no write, no signal.
    QSignalSpy changed(&ledger.transactions, &TransactionRepository::transactionsChanged);
    QCOMPARE(service().backfill(), 0);
    QCOMPARE(changed.count(), 0);
}

void TestOpeningBalanceService::backfillKeepsTheStartingBalanceOnFailure_data()
{
    QTest::addColumn<Existing>("existing");
    QTest::addColumn<QString>("refused"); // the updates of the row that fail
    QTest::addColumn<QString>("failedWrite");

    QTest::newRow("a renamed row that cannot be written")
        << Existing::Renamed << "TRUE" << "TransactionRepository::update failed:";
    QTest::newRow("a deleted row that cannot come back")
        << Existing::Deleted << "NEW.deleted_at IS NULL" << "TransactionRepository::applyServerDeletion failed:";
}

void TestOpeningBalanceService::backfillKeepsTheStartingBalanceOnFailure()
{
    QFETCH(Existing, existing);
    QFETCH(QString, refused);
    QFETCH(QString, failedWrite);

    TransactionLedger& ledger = *m_ledger;
    setStartingBalance(5000);
    // The checking account's row cannot be brought back; the other accounts go ahead.
    addExisting(existing, 7000);
    const Transaction before = ledger.load(openingBalanceTransactionId(kChecking));
    QVERIFY(ledger.db.exec(QStringLiteral("CREATE TRIGGER refuse_update BEFORE UPDATE ON transactions "
                                          "WHEN OLD.id = '%1' AND %2 BEGIN SELECT RAISE(ABORT, 'refused'); END")
                               .arg(before.id, refused)));

    QTest::ignoreMessage(QtWarningMsg, startsWith(failedWrite));
    QTest::ignoreMessage(QtWarningMsg,
                         "Opening balance backfill failed for account \"checking\" — leaving startingBalance intact");
    QTest::ignoreMessage(QtInfoMsg, "Migrated 3 account(s) to a real Opening Balance transaction");
    QCOMPARE(service().backfill(), 3);
    // Nothing of the attempt stays: the row as it was, the money still on the account.
    QCOMPARE(describe(ledger.load(before.id)), describe(before));
    QCOMPARE(ledger.accounts.findById(kChecking)->startingBalance, 5000);
}

void TestOpeningBalanceService::setOpeningBalance_data()
{
    QTest::addColumn<Existing>("existing");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<QString>("expected");

    QTest::newRow("none yet") << Existing::None << false << "own-id 2024-02-01 Opening Balance -2500 R v1 ";
    QTest::newRow("the opening balance") << Existing::Opening << false
                                         << "own-id 2024-02-01 Opening Balance -2500 - v4 kept";
    QTest::newRow("a deleted row under the id")
        << Existing::Deleted << false << "own-id 2024-02-01 Opening Balance -2500 R v4 kept";
    QTest::newRow("a renamed row under the id")
        << Existing::Renamed << false << "own-id 2024-02-01 Opening Balance -2500 R v4 kept";
    QTest::newRow("a failed write") << Existing::Opening << true
                                    << "own-id 2024-01-15 Opening Balance 7000 - v3 kept";
}

void TestOpeningBalanceService::setOpeningBalance()
{
    QFETCH(Existing, existing);
    QFETCH(bool, refused);
    QFETCH(QString, expected);

    TransactionLedger& ledger = *m_ledger;
    setStartingBalance(900);
    addExisting(existing, 7000);
    if (refused) {
        QVERIFY(ledger.refuseWritesOf(openingBalanceTransactionId(kChecking)));
        QTest::ignoreMessage(QtWarningMsg, startsWith(QStringLiteral("TransactionRepository::update failed:")));
    }

    QCOMPARE(service().set(kChecking, -2500, QDate(2024, 2, 1)), !refused);
    QCOMPARE(opening(kChecking), expected);
    QCOMPARE(ledger.count(QStringLiteral("transactions")), 1);
    // The account's own field is emptied only once the row holds the amount.
    QCOMPARE(ledger.accounts.findById(kChecking)->startingBalance, refused ? 900 : 0);
}

void TestOpeningBalanceService::reversedBalances_data()
{
    QTest::addColumn<QString>("accountId");
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<bool>("reversed");

    QTest::newRow("card owed as a deposit") << "card" << qint64(50000) << true;
    QTest::newRow("card owed one cent as a deposit") << "card" << qint64(1) << true;
    QTest::newRow("card owed") << "card" << qint64(-50000) << false;
    QTest::newRow("card at zero") << "card" << qint64(0) << false;
    QTest::newRow("checking") << "checking" << qint64(50000) << false;
}

void TestOpeningBalanceService::reversedBalances()
{
    QFETCH(QString, accountId);
    QFETCH(qint64, amount);
    QFETCH(bool, reversed);

    TransactionLedger& ledger = *m_ledger;
    Transaction row = newTransaction(accountId, QDate(2024, 1, 1), QStringLiteral("Opening Balance"), amount);
    row.syncStatus = SyncStatus::Synced;
    QVERIFY(ledger.transactions.insert(row));

    OpeningBalanceService balances = service();
    QCOMPARE(balances.reversed(accountId).has_value(), reversed);
    Clock::setFixedNow(fixedNow().addSecs(5));
    QCOMPARE(balances.fixReversed(accountId), reversed);

    Transaction expected = row;
    if (reversed) {
        expected.amount = -amount;
        expected.version = 2;
        expected.syncStatus = SyncStatus::Pending;
        expected.updatedAt = fixedNow().addSecs(5);
    }
    QCOMPARE(describe(ledger.load(row.id)), describe(expected));
    QVERIFY(!balances.reversed(accountId));
}

VELLUMRY_TEST_GUILESS_MAIN(TestOpeningBalanceService)
#include "tst_openingbalanceservice.moc"
