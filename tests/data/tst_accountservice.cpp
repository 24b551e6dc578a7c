#include "TestMain.h"
#include "TransactionLedger.h"

#include "data/AccountService.h"
#include "data/Database.h"
#include "data/ReconciliationRepository.h"
#include "data/RecurringRepository.h"

using namespace LedgerFixture;

namespace {

// Fails every write of that kind to the table, as a full disk would.
const QString kRefuse = QStringLiteral("CREATE TRIGGER refuse BEFORE %1 ON %2 BEGIN SELECT RAISE(ABORT, 'no'); END");

struct AccountLedger : TransactionLedger
{
    RecurringRepository recurring{db.database()};
    ReconciliationRepository reconciliations{db.database()};
    AccountService service{db.database(), &accounts, &transactions, &recurring, &reconciliations};
};

} // namespace

class TestAccountService : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m.reset(); }
    void createKeepsTheBalanceInItsOpeningRow_data();
    void createKeepsTheBalanceInItsOpeningRow();
    void cascadeIsWholeOrNothing();

private:
    std::unique_ptr<AccountLedger> m;
};

void TestAccountService::init()
{
    m = std::make_unique<AccountLedger>();
    QVERIFY(m->ready);
}

void TestAccountService::createKeepsTheBalanceInItsOpeningRow_data()
{
    QTest::addColumn<qint64>("balance");
    QTest::addColumn<QString>("refused"); // the table whose inserts fail
    QTest::newRow("amount owed") << qint64(-125000) << QString();
    QTest::newRow("zero gets its row too") << qint64(0) << QString();
    QTest::newRow("account refused: no opening row") << qint64(500) << "accounts";
    QTest::newRow("opening row refused: no account") << qint64(500) << "transactions";
}

void TestAccountService::createKeepsTheBalanceInItsOpeningRow()
{
    QFETCH(qint64, balance);
    QFETCH(QString, refused);
    if (!refused.isEmpty()) {
        QVERIFY(m->db.exec(kRefuse.arg(QStringLiteral("INSERT"), refused)));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Repository::insert failed:")));
    }
    QSignalSpy reset(m->db.database(), &Database::ledgerReset);
    Account account;
    account.id = QStringLiteral("visa");
    account.name = QStringLiteral("Visa");
    account.startingBalance = balance;
    account.createdAt = account.updatedAt = fixedNow();
    QCOMPARE(m->service.create(account, QDate(2024, 2, 1)), refused.isEmpty());

    Transaction expected = newTransaction(account.id, QDate(2024, 2, 1), QStringLiteral("Opening Balance"), balance);
    expected.id = openingBalanceTransactionId(account.id);
    expected.cleared = expected.reconciled = true;
    const std::optional<Account> stored = m->accounts.findById(account.id);
    QCOMPARE(QVariantList({stored ? stored->startingBalance : -1, describe(m->load(expected.id)), reset.count()}),
             refused.isEmpty() ? QVariantList({0, describe(expected), 0})
                               : QVariantList({-1, describe(Transaction()), 1}));
}

void TestAccountService::cascadeIsWholeOrNothing()
{
    const QString acc = QStringLiteral("checking");
    for (const char* payee : {"Rent", "Grocer", "Power"})
        m->add(acc, QDate(2024, 3, 1), QLatin1String(payee), -100);
    // Deleted on its own an hour before the account: it stays deleted.
    const QString early = m->add(acc, QDate(2024, 2, 1), QStringLiteral("Early"), -100).id;
    Clock::setFixedNow(fixedNow().addSecs(-3600));
    QVERIFY(m->transactions.softDelete(early));
    Clock::setFixedNow(fixedNow());
    const QString kept = m->add(QStringLiteral("savings"), QDate(2024, 3, 1), QStringLiteral("Kept"), 100).id;
    QVERIFY(m->recurring.insert(newRecurring(QStringLiteral("rent"), acc, QDate(2024, 4, 1))));
    const QString now = SqlValues::timestampText(fixedNow());
    QVERIFY(m->db.exec(QStringLiteral("INSERT INTO reconciliations (id, account_id, statement_date, statement_balance, "
                                      "reconciled_balance, completed_at, created_at, updated_at) "
                                      "VALUES ('feb', ?, '2024-02-29', 0, 0, ?, ?, ?)"),
                       {acc, now, now, now}));
    QSignalSpy reset(m->db.database(), &Database::ledgerReset);
    // Live transactions, recurring entries, reconciliations and account.
    const auto rows = [&] {
        return QVariantList({m->transactions.listByAccount(acc).size(), m->recurring.listAll().size(),
                             m->reconciliations.listByAccount(acc).size(), !m->accounts.findById(acc)->deletedAt});
    };

    // The transactions go first; a later step that fails brings them back.
    QVERIFY(m->db.exec(kRefuse.arg(QStringLiteral("UPDATE"), QStringLiteral("recurring_transactions"))));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^RecurringRepository::softDeleteByAccount")));
    QVERIFY(!m->service.remove(acc));
    QCOMPARE(rows(), QVariantList({3, 1, 1, true}));
    QVERIFY(m->db.exec(QStringLiteral("DROP TRIGGER refuse")));
    QTest::ignoreMessage(QtInfoMsg, "Cascade delete account checking → transactions: 3 recurrings: 1 reconciliations: 1");
    QVERIFY(m->service.remove(acc));
    QCOMPARE(rows(), QVariantList({0, 0, 0, false}));

    Clock::setFixedNow(fixedNow().addSecs(60));
    QVERIFY(m->service.restore(acc));
    QCOMPARE(rows(), QVariantList({3, 1, 1, true}));
    QCOMPARE(QVariantList({bool(m->load(early).deletedAt), bool(m->load(kept).deletedAt), reset.count()}),
             QVariantList({true, false, 1}));
}

VELLUMRY_TEST_GUILESS_MAIN(TestAccountService)
#include "tst_accountservice.moc"
