#include "LedgerFixture.h"
#include "TestMain.h"

#include "data/AccountRepository.h"
#include "data/SqlTransaction.h"

#include <QRegularExpression>

using namespace LedgerFixture;

namespace {

Account makeAccount(const QString& id, const QString& name, int sortOrder = 0)
{
    Account account;
    account.id = id;
    account.name = name;
    account.sortOrder = sortOrder;
    account.createdAt = createdTime();
    account.updatedAt = createdTime();
    return account;
}

// Every field set; seed 2 differs from seed 1 in each of them.
Account filled(int seed)
{
    const bool one = seed == 1;
    Account account = makeAccount(QStringLiteral("acc-1"), QStringLiteral("Visa %1").arg(seed), 3 * seed);
    account.accountType = one ? AccountType::CreditCard : AccountType::Savings;
    account.currency = one ? Currency::GBP : Currency::CAD;
    account.institution = QStringLiteral("Bank %1").arg(seed);
    account.accountNumberLast4 = QStringLiteral("004%1").arg(seed);
    account.startingBalance = -123456789012LL * seed;
    account.isShared = one;
    account.version = 3 + seed;
    account.syncStatus = one ? SyncStatus::Synced : SyncStatus::Conflict;
    account.serverId = QStringLiteral("srv-%1").arg(seed);
    account.updatedAt = fixedNow().addSecs(90 * seed);
    return account;
}

QString describe(const Account& a)
{
    return LedgerFixture::describe(a, a.id, a.name, static_cast<int>(a.accountType), static_cast<int>(a.currency),
                                   a.institution, a.accountNumberLast4, a.startingBalance, a.sortOrder, a.isShared);
}

} // namespace

class TestAccountRepository : public QObject
{
    Q_OBJECT

private slots:
    void init() { m.emplace(false); QVERIFY(m->ready); }
    void cleanup() { m.reset(); }

    void storedTexts();
    void writesRoundTrip();
    void listsOrderAndFilter();
    void sortOrdersAllOrNothing();
    void syncOperations();

private:
    std::optional<RepositoryLedger<AccountRepository>> m;
};

void TestAccountRepository::storedTexts()
{
    const QStringList texts{"checking", "savings", "credit_card", "cash", "investment", "loan", "other"};
    for (int value = 0; value < texts.size(); ++value) {
        const auto type = static_cast<AccountType>(value);
        QCOMPARE(accountTypeToString(type), texts.at(value));
        QCOMPARE(accountTypeFromString(texts.at(value)), type);
        QCOMPARE(isLiabilityAccount(type), type == AccountType::CreditCard || type == AccountType::Loan);
    }
    QCOMPARE(accountTypeToString(static_cast<AccountType>(9)), QStringLiteral("other"));

    // Rows written by another device or an older build: letter case is not forgiven.
    QVERIFY(m->db.exec(QStringLiteral("INSERT INTO accounts (id, name, account_type, currency, created_at, updated_at) "
                                      "VALUES ('a', 'A', 'Checking', 'usd', '2024-01-01T00:00:00Z', "
                                      "'2024-01-01T00:00:00Z')")));
    QCOMPARE(m->repo.findById(QStringLiteral("a"))->accountType, AccountType::Other);
    QCOMPARE(m->repo.findById(QStringLiteral("a"))->currency, Currency::USD);
}

void TestAccountRepository::writesRoundTrip()
{
    QSignalSpy changed(&m->repo, &AccountRepository::accountsChanged);
    const Account account = filled(1);
    QVERIFY(m->repo.insert(account));
    QCOMPARE(describe(*m->repo.findById(account.id)), describe(account));
    QCOMPARE(m->db.scalar(QStringLiteral("SELECT account_type || ' ' || currency || ' ' || created_at FROM accounts"))
                 .toString(),
             QStringLiteral("credit_card GBP 2024-01-02T08:30:00Z"));

    // Update writes the record as given, except its creation and deletion times.
    QVERIFY(m->repo.softDelete(account.id));
    const Account stored = *m->repo.findById(account.id);
    Account edited = filled(2);
    edited.createdAt = fixedNow();
    QVERIFY(m->repo.update(edited));
    edited.createdAt = stored.createdAt;
    edited.deletedAt = stored.deletedAt;
    QCOMPARE(describe(*m->repo.findById(account.id)), describe(edited));

    Clock::setFixedNow(fixedNow().addSecs(5));
    QVERIFY(m->repo.restore(account.id));
    const Account restored = *m->repo.findById(account.id);
    QVERIFY(!restored.deletedAt.has_value());
    QCOMPARE(restored.version, edited.version + 1);
    QCOMPARE(restored.updatedAt, fixedNow().addSecs(5));
    QCOMPARE(changed.count(), 4);

    // A second row with that id, or one nobody stamped, is refused without a signal.
    const QRegularExpression failed(QStringLiteral("^AccountRepository::insert failed: "));
    Account unstamped = makeAccount(QStringLiteral("b"), QStringLiteral("B"));
    unstamped.createdAt = QDateTime();
    for (const Account& refused : {account, unstamped}) {
        QTest::ignoreMessage(QtWarningMsg, failed);
        QVERIFY(!m->repo.insert(refused));
    }
    QCOMPARE(changed.count(), 4);
    QVERIFY(!m->repo.findById(QStringLiteral("b")).has_value());
}

void TestAccountRepository::listsOrderAndFilter()
{
    QVERIFY(m->repo.insert(makeAccount(QStringLiteral("z"), QStringLiteral("Zeta"), 1)));
    QVERIFY(m->repo.insert(makeAccount(QStringLiteral("b"), QStringLiteral("Beta"), 1)));
    QVERIFY(m->repo.insert(makeAccount(QStringLiteral("c"), QStringLiteral("Cash"), 0)));
    QVERIFY(m->repo.insert(makeAccount(QStringLiteral("old"), QStringLiteral("Old"), 0)));
    QVERIFY(m->repo.insert(makeAccount(QStringLiteral("ancient"), QStringLiteral("Ancient"), 0)));
    Account synced = makeAccount(QStringLiteral("s"), QStringLiteral("Synced"), 2);
    synced.syncStatus = SyncStatus::Synced;
    QVERIFY(m->repo.insert(synced));
    QVERIFY(m->repo.softDelete(QStringLiteral("old")));
    QVERIFY(m->repo.softDelete(QStringLiteral("ancient")));

    // Same sort order: by name.
    QCOMPARE(idsOf(m->repo.listActive()), (QStringList{"c", "b", "z", "s"}));
    QCOMPARE(idsOf(m->repo.listDeleted()), (QStringList{"ancient", "old"}));
    QStringList pending = idsOf(m->repo.listPending());
    pending.sort();
    QCOMPARE(pending, (QStringList{"ancient", "b", "c", "old", "z"}));
}

void TestAccountRepository::sortOrdersAllOrNothing()
{
    for (const QString& id : {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}) {
        Account account = makeAccount(id, id.toUpper());
        account.version = 5;
        account.syncStatus = SyncStatus::Synced;
        QVERIFY(m->repo.insert(account));
    }
    QSignalSpy changed(&m->repo, &AccountRepository::accountsChanged);

    QVERIFY(m->repo.updateSortOrders({{QStringLiteral("c"), 0}, {QStringLiteral("a"), 1}, {QStringLiteral("b"), 2}}));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(idsOf(m->repo.listActive()), (QStringList{"c", "a", "b"}));
    const Account c = *m->repo.findById(QStringLiteral("c"));
    // The new order is pushed, but a reorder is not an edit of the account.
    QCOMPARE(c.syncStatus, SyncStatus::Pending);
    QCOMPARE(c.version, 5);
    QCOMPARE(c.updatedAt, fixedNow());

    // A pair that fails undoes the pairs before it and stops.
    QVERIFY(m->db.exec(QStringLiteral("UPDATE accounts SET sync_status = 'synced'")));
    QVERIFY(m->db.exec(QStringLiteral("CREATE TEMP TRIGGER refuse_b BEFORE UPDATE OF sort_order ON accounts "
                                      "WHEN new.id = 'b' BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    QVERIFY(!m->repo.updateSortOrders({{QStringLiteral("a"), 0}, {QStringLiteral("b"), 1}, {QStringLiteral("c"), 2}}));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(idsOf(m->repo.listActive()), (QStringList{"c", "a", "b"}));
    QCOMPARE(m->db.scalar(QStringLiteral("SELECT COUNT(*) FROM accounts WHERE sync_status = 'pending'")).toInt(), 0);
    QVERIFY(!m->db.sql().rollback()); // no transaction was left open

    // A reorder cannot be all-or-nothing inside someone else's transaction; it
    // must neither write nor commit the other work half-done.
    SqlTransaction outer(m->db.sql());
    QVERIFY(m->repo.insert(makeAccount(QStringLiteral("d"), QStringLiteral("D"))));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^SqlTransaction: BEGIN failed:")));
    QVERIFY(!m->repo.updateSortOrders({{QStringLiteral("a"), 5}}));
    QCOMPARE(changed.count(), 2);
    outer.rollback();
    QVERIFY(!m->repo.findById(QStringLiteral("d")).has_value());
    QCOMPARE(m->repo.findById(QStringLiteral("a"))->sortOrder, 1);
}

void TestAccountRepository::syncOperations()
{
    QVERIFY(m->repo.insert(makeAccount(QStringLiteral("a"), QStringLiteral("A"))));
    QVERIFY(m->repo.insert(makeAccount(QStringLiteral("b"), QStringLiteral("B"))));
    checkSyncOperations(m->repo, &AccountRepository::accountsChanged);
}

VELLUMRY_TEST_GUILESS_MAIN(TestAccountRepository)
#include "tst_accountrepository.moc"
