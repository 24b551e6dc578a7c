#include "TempDatabase.h"
#include "TestMain.h"

#include "data/AccountRepository.h"
#include "data/Clock.h"
#include "data/SqlTransaction.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTimeZone>

namespace {

const QDateTime kNow(QDate(2024, 3, 5), QTime(14, 7, 9), QTimeZone::utc());
const QDateTime kCreated(QDate(2024, 1, 2), QTime(8, 30), QTimeZone::utc());

Account makeAccount(const QString& id, const QString& name, int sortOrder = 0)
{
    Account account;
    account.id = id;
    account.name = name;
    account.sortOrder = sortOrder;
    account.createdAt = kCreated;
    account.updatedAt = kCreated;
    return account;
}

QStringList idsOf(const QList<Account>& accounts)
{
    QStringList ids;
    for (const Account& account : accounts)
        ids.append(account.id);
    return ids;
}

QString columnOf(TempDatabase& db, const QString& column, const QString& id)
{
    return db.scalar(QStringLiteral("SELECT %1 FROM accounts WHERE id = ?").arg(column), {id}).toString();
}

} // namespace

class TestAccountRepository : public QObject
{
    Q_OBJECT

private slots:
    void init() { Clock::setFixedNow(kNow); }
    void cleanup() { Clock::reset(); }

    void typeTexts_data();
    void typeTexts();
    void storedTextsReadLeniently();
    void insertRoundTrip();
    void insertFailuresLogAndStaySilent();
    void listsOrderAndFilter();
    void updateWritesTheRecordAsGiven();
    void softDeleteAndRestore();
    void sortOrdersAllOrNothing();
    void sortOrdersNeverJoinAnOpenTransaction();
    void syncOperations();
};

void TestAccountRepository::typeTexts_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("checking") << 0 << "checking";
    QTest::newRow("savings") << 1 << "savings";
    QTest::newRow("credit card") << 2 << "credit_card";
    QTest::newRow("cash") << 3 << "cash";
    QTest::newRow("investment") << 4 << "investment";
    QTest::newRow("loan") << 5 << "loan";
    QTest::newRow("other") << 6 << "other";
}

void TestAccountRepository::typeTexts()
{
    QFETCH(int, value);
    QFETCH(QString, text);
    const auto type = static_cast<AccountType>(value);
    QCOMPARE(accountTypeToString(type), text);
    QCOMPARE(accountTypeFromString(text), type);
    QCOMPARE(isLiabilityAccount(type), type == AccountType::CreditCard || type == AccountType::Loan);
}

void TestAccountRepository::storedTextsReadLeniently()
{
    QCOMPARE(accountTypeToString(static_cast<AccountType>(9)), QStringLiteral("other"));
    QCOMPARE(accountTypeFromString(QStringLiteral("Checking")), AccountType::Other);
    QCOMPARE(accountTypeFromString(QString()), AccountType::Other);

    TempDatabase db;
    QVERIFY(db.isReady());
    // Rows written by another device or an older build: letter case is not forgiven.
    QVERIFY(db.exec(QStringLiteral("INSERT INTO accounts (id, name, account_type, currency, created_at, updated_at) "
                                   "VALUES ('a', 'A', 'Checking', 'usd', '2024-01-01T00:00:00Z', "
                                   "'2024-01-01T00:00:00Z'), ('b', 'B', 'credit_card', 'JPY', "
                                   "'2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z'), ('c', 'C', 'savings', 'eur', "
                                   "'2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')")));
    AccountRepository repository(db.database());
    QCOMPARE(repository.findById(QStringLiteral("a"))->accountType, AccountType::Other);
    QCOMPARE(repository.findById(QStringLiteral("a"))->currency, Currency::USD);
    QCOMPARE(repository.findById(QStringLiteral("b"))->accountType, AccountType::CreditCard);
    QCOMPARE(repository.findById(QStringLiteral("b"))->currency, Currency::JPY);
    QCOMPARE(repository.findById(QStringLiteral("c"))->currency, Currency::USD);
    // Defaults the schema fills in read back as the record's defaults.
    const Account a = *repository.findById(QStringLiteral("a"));
    QCOMPARE(a.version, 1);
    QCOMPARE(a.syncStatus, SyncStatus::Pending);
    QCOMPARE(a.institution, QString());
    QVERIFY(!a.deletedAt.has_value());
}

void TestAccountRepository::insertRoundTrip()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    AccountRepository repository(db.database());
    QSignalSpy changed(&repository, &AccountRepository::accountsChanged);

    Account account = makeAccount(QStringLiteral("acc-1"), QStringLiteral("Visa"), 3);
    account.accountType = AccountType::CreditCard;
    account.currency = Currency::GBP;
    account.institution = QStringLiteral("First Bank");
    account.accountNumberLast4 = QStringLiteral("0042");
    account.startingBalance = -123456789012LL;
    account.isShared = true;
    account.version = 4;
    account.syncStatus = SyncStatus::Synced;
    account.serverId = QStringLiteral("srv-9");
    account.updatedAt = kCreated.addSecs(90);
    QVERIFY(repository.insert(account));
    QCOMPARE(changed.count(), 1);

    QCOMPARE(columnOf(db, QStringLiteral("account_type"), account.id), QStringLiteral("credit_card"));
    QCOMPARE(columnOf(db, QStringLiteral("currency"), account.id), QStringLiteral("GBP"));
    QCOMPARE(columnOf(db, QStringLiteral("created_at"), account.id), QStringLiteral("2024-01-02T08:30:00Z"));
    QCOMPARE(columnOf(db, QStringLiteral("updated_at"), account.id), QStringLiteral("2024-01-02T08:31:30Z"));
    QCOMPARE(columnOf(db, QStringLiteral("is_shared"), account.id), QStringLiteral("1"));

    const std::optional<Account> read = repository.findById(account.id);
    QVERIFY(read.has_value());
    QCOMPARE(read->name, account.name);
    QCOMPARE(read->accountType, AccountType::CreditCard);
    QCOMPARE(read->currency, Currency::GBP);
    QCOMPARE(read->institution, account.institution);
    QCOMPARE(read->accountNumberLast4, account.accountNumberLast4);
    QCOMPARE(read->startingBalance, account.startingBalance);
    QCOMPARE(read->sortOrder, 3);
    QCOMPARE(read->isShared, true);
    QCOMPARE(read->version, 4);
    QCOMPARE(read->syncStatus, SyncStatus::Synced);
    QCOMPARE(read->serverId, account.serverId);
    QCOMPARE(read->createdAt, account.createdAt);
    QCOMPARE(read->updatedAt, account.updatedAt);
    QVERIFY(!read->deletedAt.has_value());

    QVERIFY(!repository.findById(QStringLiteral("nobody")).has_value());
}

void TestAccountRepository::insertFailuresLogAndStaySilent()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    AccountRepository repository(db.database());
    QVERIFY(repository.insert(makeAccount(QStringLiteral("a"), QStringLiteral("A"))));
    QSignalSpy changed(&repository, &AccountRepository::accountsChanged);

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^AccountRepository::insert failed: ")));
    QVERIFY(!repository.insert(makeAccount(QStringLiteral("a"), QStringLiteral("Again"))));

    // Both times are NOT NULL: a record nobody stamped is refused.
    Account unstamped = makeAccount(QStringLiteral("b"), QStringLiteral("B"));
    unstamped.createdAt = QDateTime();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^AccountRepository::insert failed: ")));
    QVERIFY(!repository.insert(unstamped));

    QCOMPARE(changed.count(), 0);
    QCOMPARE(repository.findById(QStringLiteral("a"))->name, QStringLiteral("A"));
    QVERIFY(!repository.findById(QStringLiteral("b")).has_value());
}

void TestAccountRepository::listsOrderAndFilter()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    AccountRepository repository(db.database());
    QVERIFY(repository.insert(makeAccount(QStringLiteral("z"), QStringLiteral("Zeta"), 1)));
    QVERIFY(repository.insert(makeAccount(QStringLiteral("b"), QStringLiteral("Beta"), 1)));
    QVERIFY(repository.insert(makeAccount(QStringLiteral("c"), QStringLiteral("Cash"), 0)));
    QVERIFY(repository.insert(makeAccount(QStringLiteral("old"), QStringLiteral("Old"), 0)));
    QVERIFY(repository.insert(makeAccount(QStringLiteral("ancient"), QStringLiteral("Ancient"), 0)));
    Account synced = makeAccount(QStringLiteral("s"), QStringLiteral("Synced"), 2);
    synced.syncStatus = SyncStatus::Synced;
    QVERIFY(repository.insert(synced));
    QVERIFY(repository.softDelete(QStringLiteral("old")));
    QVERIFY(repository.softDelete(QStringLiteral("ancient")));

    // Same sort order: by name.
    QCOMPARE(idsOf(repository.listActive()), (QStringList{"c", "b", "z", "s"}));
    QCOMPARE(idsOf(repository.listDeleted()), (QStringList{"ancient", "old"}));
    QStringList pending = idsOf(repository.listPending());
    pending.sort();
    QCOMPARE(pending, (QStringList{"ancient", "b", "c", "old", "z"}));
    QVERIFY(repository.findById(QStringLiteral("old"))->deletedAt.has_value());
}

void TestAccountRepository::updateWritesTheRecordAsGiven()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    AccountRepository repository(db.database());
    QVERIFY(repository.insert(makeAccount(QStringLiteral("a"), QStringLiteral("Checking"))));
    QVERIFY(db.exec(QStringLiteral("UPDATE accounts SET deleted_at = '2024-02-01T00:00:00Z' WHERE id = 'a'")));
    QSignalSpy changed(&repository, &AccountRepository::accountsChanged);

    Account edited = *repository.findById(QStringLiteral("a"));
    edited.name = QStringLiteral("Everyday");
    edited.accountType = AccountType::Savings;
    edited.currency = Currency::CAD;
    edited.institution = QStringLiteral("Credit Union");
    edited.startingBalance = 5000;
    edited.sortOrder = 7;
    edited.isShared = true;
    edited.version = 9;
    edited.syncStatus = SyncStatus::Conflict;
    edited.serverId = QStringLiteral("srv");
    edited.createdAt = kNow;      // never written by update
    edited.updatedAt = kNow;
    edited.deletedAt.reset();     // never written by update
    QVERIFY(repository.update(edited));
    QCOMPARE(changed.count(), 1);

    const Account read = *repository.findById(QStringLiteral("a"));
    QCOMPARE(read.name, QStringLiteral("Everyday"));
    QCOMPARE(read.accountType, AccountType::Savings);
    QCOMPARE(read.currency, Currency::CAD);
    QCOMPARE(read.institution, QStringLiteral("Credit Union"));
    QCOMPARE(read.startingBalance, qint64(5000));
    QCOMPARE(read.sortOrder, 7);
    QCOMPARE(read.isShared, true);
    QCOMPARE(read.version, 9);
    QCOMPARE(read.syncStatus, SyncStatus::Conflict);
    QCOMPARE(read.serverId, QStringLiteral("srv"));
    QCOMPARE(read.updatedAt, kNow);
    QCOMPARE(read.createdAt, kCreated);
    QVERIFY(read.deletedAt.has_value());

    // An unknown id changes nothing yet counts as done, like every keyed UPDATE here.
    QVERIFY(repository.update(makeAccount(QStringLiteral("missing"), QStringLiteral("M"))));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM accounts")).toInt(), 1);
}

void TestAccountRepository::softDeleteAndRestore()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    AccountRepository repository(db.database());
    Account account = makeAccount(QStringLiteral("a"), QStringLiteral("A"));
    account.version = 2;
    account.syncStatus = SyncStatus::Synced;
    QVERIFY(repository.insert(account));
    QSignalSpy changed(&repository, &AccountRepository::accountsChanged);

    QVERIFY(repository.softDelete(QStringLiteral("a")));
    QCOMPARE(changed.count(), 1);
    Account read = *repository.findById(QStringLiteral("a"));
    QCOMPARE(read.version, 3);
    QCOMPARE(read.syncStatus, SyncStatus::Pending);
    QCOMPARE(read.deletedAt, std::optional<QDateTime>(kNow));
    QCOMPARE(columnOf(db, QStringLiteral("deleted_at"), QStringLiteral("a")),
             columnOf(db, QStringLiteral("updated_at"), QStringLiteral("a")));
    QVERIFY(repository.listActive().isEmpty());

    Clock::setFixedNow(kNow.addSecs(5));
    QVERIFY(repository.markSynced(QStringLiteral("a"), QStringLiteral("srv")));
    QVERIFY(repository.restore(QStringLiteral("a")));
    QCOMPARE(changed.count(), 2);
    read = *repository.findById(QStringLiteral("a"));
    QCOMPARE(read.version, 4);
    QCOMPARE(read.syncStatus, SyncStatus::Pending);
    QVERIFY(!read.deletedAt.has_value());
    QCOMPARE(read.updatedAt, kNow.addSecs(5));
    QCOMPARE(idsOf(repository.listActive()), QStringList{QStringLiteral("a")});
}

void TestAccountRepository::sortOrdersAllOrNothing()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    AccountRepository repository(db.database());
    for (const QString& id : {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}) {
        Account account = makeAccount(id, id.toUpper());
        account.version = 5;
        account.syncStatus = SyncStatus::Synced;
        QVERIFY(repository.insert(account));
    }
    QSignalSpy changed(&repository, &AccountRepository::accountsChanged);

    QVERIFY(repository.updateSortOrders({{QStringLiteral("c"), 0}, {QStringLiteral("a"), 1}, {QStringLiteral("b"), 2}}));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(idsOf(repository.listActive()), (QStringList{"c", "a", "b"}));
    const Account c = *repository.findById(QStringLiteral("c"));
    // The new order is pushed, but a reorder is not an edit of the account.
    QCOMPARE(c.syncStatus, SyncStatus::Pending);
    QCOMPARE(c.version, 5);
    QCOMPARE(c.updatedAt, kNow);

    // Nothing to reorder still reports once, so the list reloads.
    QVERIFY(repository.updateSortOrders({}));
    QCOMPARE(changed.count(), 2);

    // A pair that fails undoes the pairs before it and stops.
    QVERIFY(db.exec(QStringLiteral("UPDATE accounts SET sync_status = 'synced'")));
    QVERIFY(db.exec(QStringLiteral("CREATE TEMP TRIGGER refuse_b BEFORE UPDATE OF sort_order ON accounts "
                                   "WHEN new.id = 'b' BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    QVERIFY(!repository.updateSortOrders(
        {{QStringLiteral("a"), 0}, {QStringLiteral("b"), 1}, {QStringLiteral("c"), 2}}));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(idsOf(repository.listActive()), (QStringList{"c", "a", "b"}));
    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM accounts WHERE sync_status = 'pending'")).toInt(), 0);
    QVERIFY(!db.sql().rollback()); // no transaction was left open
    QVERIFY(db.exec(QStringLiteral("DROP TRIGGER refuse_b")));
}

void TestAccountRepository::sortOrdersNeverJoinAnOpenTransaction()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    AccountRepository repository(db.database());
    QVERIFY(repository.insert(makeAccount(QStringLiteral("a"), QStringLiteral("A"), 4)));
    QSignalSpy changed(&repository, &AccountRepository::accountsChanged);

    SqlTransaction outer(db.sql());
    QVERIFY(outer.isActive());
    QVERIFY(repository.insert(makeAccount(QStringLiteral("b"), QStringLiteral("B"))));
    // A reorder cannot be all-or-nothing inside someone else's transaction; it
    // must neither write nor commit the other work half-done.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^SqlTransaction: BEGIN failed:")));
    QVERIFY(!repository.updateSortOrders({{QStringLiteral("a"), 0}}));
    QCOMPARE(changed.count(), 1);
    outer.rollback();

    QVERIFY(!repository.findById(QStringLiteral("b")).has_value());
    QCOMPARE(repository.findById(QStringLiteral("a"))->sortOrder, 4);
}

void TestAccountRepository::syncOperations()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    AccountRepository repository(db.database());
    QVERIFY(repository.insert(makeAccount(QStringLiteral("a"), QStringLiteral("A"))));
    QVERIFY(repository.insert(makeAccount(QStringLiteral("b"), QStringLiteral("B"))));
    QSignalSpy changed(&repository, &AccountRepository::accountsChanged);

    // Every live row is pending already: nothing changes and nothing is announced.
    QCOMPARE(repository.markAllPendingForResync(), 0);
    QCOMPARE(changed.count(), 0);

    QVERIFY(repository.markSynced(QStringLiteral("a"), QStringLiteral("server-a")));
    QVERIFY(repository.markSynced(QStringLiteral("b"), QStringLiteral("server-b")));
    QCOMPARE(changed.count(), 0);
    Account a = *repository.findById(QStringLiteral("a"));
    QCOMPARE(a.syncStatus, SyncStatus::Synced);
    QCOMPARE(a.serverId, QStringLiteral("server-a"));
    QVERIFY(repository.listPending().isEmpty());

    const QDateTime pulled(QDate(2024, 2, 29), QTime(23, 59, 59), QTimeZone::utc());
    QVERIFY(repository.applyServerDeletion(QStringLiteral("b"), pulled));
    QCOMPARE(changed.count(), 1);
    Account b = *repository.findById(QStringLiteral("b"));
    QCOMPARE(b.deletedAt, std::optional<QDateTime>(pulled));
    QCOMPARE(b.syncStatus, SyncStatus::Synced);
    QCOMPARE(b.version, 1);

    // Soft-deleted rows keep their status.
    QCOMPARE(repository.markAllPendingForResync(), 1);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(idsOf(repository.listPending()), QStringList{QStringLiteral("a")});

    // No time undeletes without a push of its own.
    QVERIFY(repository.applyServerDeletion(QStringLiteral("b"), std::nullopt));
    b = *repository.findById(QStringLiteral("b"));
    QVERIFY(!b.deletedAt.has_value());
    QCOMPARE(b.syncStatus, SyncStatus::Synced);
    QCOMPARE(b.version, 1);
    QCOMPARE(changed.count(), 3);
}

VELLUMRY_TEST_GUILESS_MAIN(TestAccountRepository)
#include "tst_accountrepository.moc"
