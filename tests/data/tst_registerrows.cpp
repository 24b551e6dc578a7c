#include "LedgerFixture.h"
#include "TempDatabase.h"
#include "TestMain.h"

#include "data/Clock.h"
#include "data/TransactionRepository.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTranslator>

using namespace LedgerFixture;

namespace {

const QString kChecking = QStringLiteral("checking");
const QString kSavings = QStringLiteral("savings");

QStringList payeesOf(const QList<RegisterRow>& rows)
{
    QStringList payees;
    for (const RegisterRow& row : rows)
        payees.append(row.payee);
    return payees;
}

} // namespace

class TestRegisterRows : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void runningBalancesStartWithTheOpeningLine();
    void openingLineWithoutTransactions();
    void categoryText();
    void balanceModes();
    void distinctPayeesOverEveryAccount();
    void foreignCurrencyTransfers();

    void matchQuery_data();
    void matchQuery();
    void searchMatchesWordPrefixes();
    void searchTreatsQueryWordsAsWords_data();
    void searchTreatsQueryWordsAsWords();
    void searchFilters();
    void searchWithoutWordsListsNewestTwoHundred();
    void searchFollowsEdits();

    void openingBalancePayee_data();
    void openingBalancePayee();
    void openingBalanceId();
    void openingBalanceTransactionIsTheEarliest();
    void openingBalanceTieGoesToTheLatestCreated();
    void probe();
    void probeFailureLogs();
    void openingWordsFollowTheCatalogues();

private:
    Transaction add(const QString& account, const QDate& date, const QString& payee, qint64 amount);

    std::unique_ptr<TempDatabase> m_db;
    std::unique_ptr<TransactionRepository> m_repo;
    int m_created = 0;
};

void TestRegisterRows::init()
{
    Clock::setFixedNow(fixedNow());
    m_db = std::make_unique<TempDatabase>();
    QVERIFY(m_db->isReady());
    QVERIFY(addAccount(*m_db, kChecking, 5000));
    QVERIFY(addAccount(*m_db, kSavings));
    QVERIFY(addCategory(*m_db, QStringLiteral("food"), QStringLiteral("Food")));
    QVERIFY(addCategory(*m_db, QStringLiteral("groceries"), QStringLiteral("Groceries"), QStringLiteral("food")));
    m_repo = std::make_unique<TransactionRepository>(m_db->database());
    m_created = 0;
}

void TestRegisterRows::cleanup()
{
    m_repo.reset();
    m_db.reset();
    Clock::reset();
}

// Each row is created one second after the one before, as a user would enter them.
Transaction TestRegisterRows::add(const QString& account, const QDate& date, const QString& payee, qint64 amount)
{
    Transaction t = newTransaction(account, date, payee, amount);
    t.createdAt = fixedNow().addSecs(++m_created);
    t.updatedAt = t.createdAt;
    if (!m_repo->insert(t))
        qWarning("could not add %s", qPrintable(payee));
    return t;
}

void TestRegisterRows::runningBalancesStartWithTheOpeningLine()
{
    add(kChecking, QDate(2024, 3, 1), QStringLiteral("Rent"), -1000);
    add(kChecking, QDate(2024, 2, 10), QStringLiteral("Refund"), 200);
    const Transaction deleted = add(kChecking, QDate(2024, 1, 1), QStringLiteral("Deleted"), -99);
    add(kSavings, QDate(2024, 1, 1), QStringLiteral("Elsewhere"), 7);
    // Same date as the refund but entered later: comes after it.
    add(kChecking, QDate(2024, 2, 10), QStringLiteral("Later"), -50);
    QVERIFY(m_repo->softDelete(deleted.id));

    const QList<RegisterRow> rows = m_repo->registerRows(kChecking);
    QCOMPARE(payeesOf(rows), QStringList({QStringLiteral("Opening Balance"), QStringLiteral("Refund"),
                                          QStringLiteral("Later"), QStringLiteral("Rent")}));
    const RegisterRow& opening = rows.at(0);
    QVERIFY(opening.id.isEmpty());
    QVERIFY(opening.accountId.isEmpty());
    QCOMPARE(opening.date, QDate(2024, 2, 10)); // the earliest live row's date
    QCOMPARE(opening.amount, qint64(5000));
    QCOMPARE(opening.runningBalance, qint64(5000));
    QVERIFY(opening.cleared);
    QVERIFY(opening.reconciled);
    QCOMPARE(opening.version, 1);
    QVERIFY(opening.categoryText.isEmpty());

    QCOMPARE(rows.at(1).runningBalance, qint64(5200));
    QCOMPARE(rows.at(2).runningBalance, qint64(5150));
    QCOMPARE(rows.at(3).runningBalance, qint64(4150));
    QCOMPARE(rows.at(3).accountId, kChecking);

    // No starting balance: no opening line, balances start at 0.
    const QList<RegisterRow> savings = m_repo->registerRows(kSavings);
    QCOMPARE(payeesOf(savings), QStringList{QStringLiteral("Elsewhere")});
    QCOMPARE(savings.at(0).runningBalance, qint64(7));
}

void TestRegisterRows::openingLineWithoutTransactions()
{
    QVERIFY(m_repo->registerRows(kSavings).isEmpty());
    QVERIFY(m_repo->registerRows(QStringLiteral("no-such-account")).isEmpty());

    const QList<RegisterRow> rows = m_repo->registerRows(kChecking);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.at(0).date, QDate(2024, 3, 5)); // today
    QCOMPARE(rows.at(0).runningBalance, qint64(5000));

    // A negative starting balance (an amount owed) is shown too.
    QVERIFY(m_db->exec(QStringLiteral("UPDATE accounts SET starting_balance = -300 WHERE id = ?"), {kSavings}));
    QCOMPARE(m_repo->registerRows(kSavings).size(), 1);
    QCOMPARE(m_repo->registerRows(kSavings).at(0).amount, qint64(-300));
}

void TestRegisterRows::categoryText()
{
    Transaction child = newTransaction(kSavings, QDate(2024, 1, 1), QStringLiteral("Child"), 1);
    child.categoryId = QStringLiteral("groceries");
    Transaction top = newTransaction(kSavings, QDate(2024, 1, 2), QStringLiteral("Top"), 1);
    top.categoryId = QStringLiteral("food");
    Transaction none = newTransaction(kSavings, QDate(2024, 1, 3), QStringLiteral("None"), 1);
    for (const Transaction& t : {child, top, none})
        QVERIFY(m_repo->insert(t));
    // A soft-deleted category, parent or not, keeps showing its name.
    QVERIFY(m_db->exec(QStringLiteral("UPDATE categories SET deleted_at = '2024-02-01T00:00:00Z' WHERE id = 'food'")));

    const QList<RegisterRow> rows = m_repo->registerRows(kSavings);
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows.at(0).categoryText, QStringLiteral("Food > Groceries"));
    QCOMPARE(rows.at(1).categoryText, QStringLiteral("Food"));
    QCOMPARE(rows.at(2).categoryText, QString());
    QCOMPARE(rows.at(0).categoryId, QStringLiteral("groceries"));
}

void TestRegisterRows::balanceModes()
{
    Transaction cleared = newTransaction(kChecking, QDate(2024, 1, 1), QStringLiteral("Cleared"), 100);
    cleared.cleared = true;
    Transaction reconciledOnly = newTransaction(kChecking, QDate(2024, 1, 2), QStringLiteral("Reconciled"), 20);
    reconciledOnly.reconciled = true;
    Transaction today = newTransaction(kChecking, QDate(2024, 3, 5), QStringLiteral("Today"), 3000);
    Transaction tomorrow = newTransaction(kChecking, QDate(2024, 3, 6), QStringLiteral("Tomorrow"), 40000);
    Transaction deleted = newTransaction(kChecking, QDate(2024, 1, 3), QStringLiteral("Deleted"), 500000);
    deleted.cleared = true;
    for (const Transaction& t : {cleared, reconciledOnly, today, tomorrow, deleted})
        QVERIFY(m_repo->insert(t));
    QVERIFY(m_repo->softDelete(deleted.id));

    QCOMPARE(m_repo->balance(kChecking, BalanceMode::Current), qint64(5000 + 100 + 20 + 3000 + 40000));
    QCOMPARE(m_repo->balance(kChecking, BalanceMode::Cleared), qint64(5000 + 100 + 20));
    QCOMPARE(m_repo->balance(kChecking, BalanceMode::AsOfToday), qint64(5000 + 100 + 20 + 3000));
    QCOMPARE(m_repo->balance(kChecking, static_cast<BalanceMode>(9)), qint64(5000 + 100 + 20 + 3000 + 40000));
    QCOMPARE(m_repo->balance(kSavings, BalanceMode::Current), qint64(0));
    QCOMPARE(m_repo->balance(QStringLiteral("nowhere"), BalanceMode::Cleared), qint64(0));

    // "Today" is the local calendar day of the clock.
    Clock::setFixedNow(fixedNow().addDays(1));
    QCOMPARE(m_repo->balance(kChecking, BalanceMode::AsOfToday), qint64(5000 + 100 + 20 + 3000 + 40000));
}

void TestRegisterRows::distinctPayeesOverEveryAccount()
{
    add(kChecking, QDate(2024, 1, 1), QStringLiteral("alpha"), 1);
    add(kSavings, QDate(2024, 1, 1), QStringLiteral("Zeta"), 1);
    add(kChecking, QDate(2024, 1, 2), QStringLiteral("Zeta"), 1);
    add(kChecking, QDate(2024, 1, 3), QString(), 1);
    add(kSavings, QDate(2024, 1, 4), QStringLiteral("Beta"), 1);
    const Transaction gone = add(kSavings, QDate(2024, 1, 5), QStringLiteral("Gone"), 1);
    QVERIFY(m_repo->softDelete(gone.id));

    // Code-point order: capitals first.
    const QStringList expected{QStringLiteral("Beta"), QStringLiteral("Zeta"), QStringLiteral("alpha")};
    QCOMPARE(m_repo->distinctPayees(), expected);
    QCOMPARE(m_repo->payeesForAccount(kChecking), expected);
}

void TestRegisterRows::foreignCurrencyTransfers()
{
    QVERIFY(addAccount(*m_db, QStringLiteral("euro"), 0, QStringLiteral("EUR")));
    QVERIFY(addAccount(*m_db, QStringLiteral("lower"), 0, QStringLiteral("usd")));
    QVERIFY(addAccount(*m_db, QStringLiteral("closed"), 0, QStringLiteral("GBP")));
    QVERIFY(m_db->exec(QStringLiteral("UPDATE accounts SET deleted_at = '2024-01-01T00:00:00Z' WHERE id = 'closed'")));

    const auto transferTo = [this](const QString& dest, bool deleted) {
        Transaction t = newTransaction(kChecking, QDate(2024, 1, 1), QStringLiteral("Transfer"), -100);
        t.transferDestAccountId = dest;
        t.transferLinkId = newId();
        QVERIFY(m_repo->insert(t));
        if (deleted)
            QVERIFY(m_repo->softDelete(t.id));
    };
    transferTo(QStringLiteral("euro"), false);
    transferTo(QStringLiteral("euro"), true);
    transferTo(QStringLiteral("lower"), false);
    transferTo(QStringLiteral("closed"), false);
    add(kChecking, QDate(2024, 1, 1), QStringLiteral("Not a transfer"), 5);

    QCOMPARE(m_repo->countForeignCurrencyTransfers(kChecking, Currency::USD), 1);
    // "usd" compares as USD, so it counts once the account turns to euros.
    QCOMPARE(m_repo->countForeignCurrencyTransfers(kChecking, Currency::EUR), 1);
    QCOMPARE(m_repo->countForeignCurrencyTransfers(kChecking, Currency::JPY), 2);
    QCOMPARE(m_repo->countForeignCurrencyTransfers(kSavings, Currency::JPY), 0);
}

void TestRegisterRows::matchQuery_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("match");

    QTest::newRow("words and digits") << QStringLiteral("Joe's Diner 2024") << QStringLiteral("\"Joe\"* \"s\"* \"Diner\"* \"2024\"*");
    QTest::newRow("no letters") << QStringLiteral("--- !?") << QString();
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("keyword OR") << QStringLiteral("Portland OR") << QStringLiteral("\"Portland\"* \"OR\"*");
    QTest::newRow("NEAR group") << QStringLiteral("NEAR(a b, 3)") << QStringLiteral("\"NEAR\"* \"a\"* \"b\"* \"3\"*");
    QTest::newRow("column filter") << QStringLiteral("payee:gro*") << QStringLiteral("\"payee\"* \"gro\"*");
    QTest::newRow("quotes dropped") << QStringLiteral("\"unbalanced") << QStringLiteral("\"unbalanced\"*");
    QTest::newRow("accents and kana") << QStringLiteral("Café 期首残高") << QStringLiteral("\"Café\"* \"期首残高\"*");
}

void TestRegisterRows::matchQuery()
{
    QFETCH(QString, text);
    QFETCH(QString, match);
    QCOMPARE(buildFtsMatchQuery(text), match);
}

void TestRegisterRows::searchMatchesWordPrefixes()
{
    add(kChecking, QDate(2024, 1, 1), QStringLiteral("Grocery Outlet"), -1);
    Transaction memo = add(kSavings, QDate(2024, 1, 2), QStringLiteral("Market"), -2);
    memo.memo = QStringLiteral("groceries for 12 people");
    QVERIFY(m_repo->update(memo));
    Transaction check = newTransaction(kChecking, QDate(2024, 1, 3), QStringLiteral("Landlord"), -3);
    check.checkNumber = QStringLiteral("1207");
    QVERIFY(m_repo->insert(check));
    add(kChecking, QDate(2024, 1, 4), QStringLiteral("Agro Supply"), -4); // "gro" inside a word: no match

    QCOMPARE(payeesOf(m_repo->search(QStringLiteral("gro"), {})),
             QStringList({QStringLiteral("Market"), QStringLiteral("Grocery Outlet")}));
    // Every term is required, in payee, memo or check number.
    QCOMPARE(payeesOf(m_repo->search(QStringLiteral("gro 12"), {})), QStringList{QStringLiteral("Market")});
    QCOMPARE(payeesOf(m_repo->search(QStringLiteral("120"), {})), QStringList{QStringLiteral("Landlord")});
    QCOMPARE(payeesOf(m_repo->search(QStringLiteral("GROCERY outlet"), {})), QStringList{QStringLiteral("Grocery Outlet")});
    QVERIFY(m_repo->search(QStringLiteral("zzz"), {}).isEmpty());

    const QList<RegisterRow> rows = m_repo->search(QStringLiteral("market"), {});
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.at(0).runningBalance, qint64(0));
    QCOMPARE(rows.at(0).id, memo.id);
    QCOMPARE(rows.at(0).memo, memo.memo);
}

void TestRegisterRows::searchTreatsQueryWordsAsWords_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("payees");

    QTest::newRow("OR") << QStringLiteral("Portland OR") << QStringList{QStringLiteral("Portland Oregon Bakery")};
    QTest::newRow("AND alone") << QStringLiteral("AND") << QStringList{QStringLiteral("Anderson Plumbing")};
    QTest::newRow("NOT first") << QStringLiteral("NOT bund") << QStringList{QStringLiteral("Nothing Bundt Cakes")};
    QTest::newRow("NEAR call") << QStringLiteral("NEAR(Portland)") << QStringList{QStringLiteral("Nearby Portland Deli")};
    QTest::newRow("lower-case or") << QStringLiteral("portland or") << QStringList{QStringLiteral("Portland Oregon Bakery")};
    QTest::newRow("stray syntax") << QStringLiteral("\"Portland* ^(Maine") << QStringList{QStringLiteral("Portland Maine Lobster")};
}

void TestRegisterRows::searchTreatsQueryWordsAsWords()
{
    QFETCH(QString, text);
    QFETCH(QStringList, payees);
    add(kChecking, QDate(2024, 1, 1), QStringLiteral("Portland Oregon Bakery"), -1);
    add(kChecking, QDate(2024, 1, 2), QStringLiteral("Portland Maine Lobster"), -1);
    add(kChecking, QDate(2024, 1, 3), QStringLiteral("Anderson Plumbing"), -1);
    add(kChecking, QDate(2024, 1, 4), QStringLiteral("Nothing Bundt Cakes"), -1);
    add(kChecking, QDate(2024, 1, 5), QStringLiteral("Nearby Portland Deli"), -1);

    // No query text may reach FTS5 as syntax: a failure would come back empty
    // for the wrong reason, so the expected rows are checked, not just "no error".
    QCOMPARE(payeesOf(m_repo->search(text, {})), payees);
}

void TestRegisterRows::searchFilters()
{
    Transaction a = add(kChecking, QDate(2024, 1, 10), QStringLiteral("Coffee A"), -1);
    Transaction b = newTransaction(kSavings, QDate(2024, 1, 20), QStringLiteral("Coffee B"), -2);
    b.categoryId = QStringLiteral("groceries");
    b.cleared = true;
    QVERIFY(m_repo->insert(b));
    Transaction c = newTransaction(kChecking, QDate(2024, 1, 30), QStringLiteral("Coffee C"), -3);
    c.categoryId = QStringLiteral("food");
    c.cleared = true;
    QVERIFY(m_repo->insert(c));
    const Transaction gone = add(kChecking, QDate(2024, 1, 25), QStringLiteral("Coffee Gone"), -4);
    QVERIFY(m_repo->softDelete(gone.id));

    const auto search = [this](const SearchFilter& filter) { return payeesOf(m_repo->search(QStringLiteral("coffee"), filter)); };
    QCOMPARE(search({}), QStringList({QStringLiteral("Coffee C"), QStringLiteral("Coffee B"), QStringLiteral("Coffee A")}));

    SearchFilter byAccount;
    byAccount.accountId = kChecking;
    QCOMPARE(search(byAccount), QStringList({QStringLiteral("Coffee C"), QStringLiteral("Coffee A")}));

    // The transaction's own category only: the parent does not take in its children.
    SearchFilter byCategory;
    byCategory.categoryId = QStringLiteral("food");
    QCOMPARE(search(byCategory), QStringList{QStringLiteral("Coffee C")});

    SearchFilter byDates;
    byDates.dateFrom = QDate(2024, 1, 10);
    byDates.dateTo = QDate(2024, 1, 20);
    QCOMPARE(search(byDates), QStringList({QStringLiteral("Coffee B"), QStringLiteral("Coffee A")}));

    SearchFilter uncleared;
    uncleared.cleared = false;
    QCOMPARE(search(uncleared), QStringList{QStringLiteral("Coffee A")});
    SearchFilter clearedInChecking;
    clearedInChecking.cleared = true;
    clearedInChecking.accountId = kChecking;
    QCOMPARE(search(clearedInChecking), QStringList{QStringLiteral("Coffee C")});

    // The same filters without a text use the plain query.
    QCOMPARE(payeesOf(m_repo->search(QString(), byCategory)), QStringList{QStringLiteral("Coffee C")});
    QCOMPARE(m_repo->search(QStringLiteral("---"), byDates).size(), 2);
    QCOMPARE(m_repo->search(QString(), {}).first().categoryText, QStringLiteral("Food"));
}

void TestRegisterRows::searchWithoutWordsListsNewestTwoHundred()
{
    for (int i = 0; i < 205; ++i)
        add(i % 2 ? kChecking : kSavings, QDate(2023, 1, 1).addDays(i), QStringLiteral("Row %1").arg(i), -i);
    const Transaction gone = add(kChecking, QDate(2025, 1, 1), QStringLiteral("Deleted newest"), 0);
    QVERIFY(m_repo->softDelete(gone.id));

    for (const QString& text : {QString(), QStringLiteral("---")}) {
        const QList<RegisterRow> rows = m_repo->search(text, {});
        QCOMPARE(rows.size(), 200);
        QCOMPARE(rows.first().payee, QStringLiteral("Row 204"));
        QCOMPARE(rows.last().payee, QStringLiteral("Row 5"));
    }
    // The cap holds for a full-text match as well.
    QCOMPARE(m_repo->search(QStringLiteral("row"), {}).size(), 200);
}

void TestRegisterRows::searchFollowsEdits()
{
    Transaction t = add(kChecking, QDate(2024, 1, 1), QStringLiteral("Old Name"), -1);
    QCOMPARE(m_repo->search(QStringLiteral("old"), {}).size(), 1);
    t.payee = QStringLiteral("Fresh Name");
    QVERIFY(m_repo->update(t));
    QVERIFY(m_repo->search(QStringLiteral("old"), {}).isEmpty());
    QCOMPARE(m_repo->search(QStringLiteral("fresh"), {}).size(), 1);
    QVERIFY(m_repo->softDelete(t.id));
    QVERIFY(m_repo->search(QStringLiteral("fresh"), {}).isEmpty());
}

void TestRegisterRows::openingBalancePayee_data()
{
    QTest::addColumn<QString>("payee");
    QTest::addColumn<bool>("opening");

    QTest::newRow("English") << QStringLiteral("Opening Balance") << true;
    QTest::newRow("Spanish with blanks") << QStringLiteral("  Saldo Inicial  ") << true;
    QTest::newRow("French in capitals") << QStringLiteral("SOLDE D'OUVERTURE") << true;
    QTest::newRow("Japanese") << QStringLiteral("期首残高") << true;
    QTest::newRow("German with a tab") << QStringLiteral("Anfangssaldo\t") << true;
    QTest::newRow("plural") << QStringLiteral("Opening Balances") << false;
    QTest::newRow("two blanks inside") << QStringLiteral("Opening  Balance") << false;
    QTest::newRow("empty") << QString() << false;
}

void TestRegisterRows::openingBalancePayee()
{
    QFETCH(QString, payee);
    QFETCH(bool, opening);
    QCOMPARE(isOpeningBalancePayee(payee), opening);
}

void TestRegisterRows::openingBalanceId()
{
    QCOMPARE(openingBalanceTransactionId(QStringLiteral("abc")), QStringLiteral("ef57fca8-a550-569e-a2fd-460af988fd33"));
    QVERIFY(openingBalanceTransactionId(QStringLiteral("abd")) != openingBalanceTransactionId(QStringLiteral("abc")));
}

void TestRegisterRows::openingBalanceTransactionIsTheEarliest()
{
    QVERIFY(!m_repo->openingBalanceTransaction(kSavings));

    const Transaction ordinary = add(kSavings, QDate(2023, 1, 1), QStringLiteral("Deposit"), 10);
    const Transaction deleted = add(kSavings, QDate(2023, 6, 1), QStringLiteral("Opening Balance"), 1);
    const Transaction opening = add(kSavings, QDate(2024, 1, 1), QStringLiteral(" saldo inicial "), 100);
    const Transaction later = add(kSavings, QDate(2024, 2, 1), QStringLiteral("Opening Balance"), 200);
    // The SQL side trims blanks only: a tab keeps this row out of it.
    const Transaction tabbed = add(kSavings, QDate(2023, 3, 1), QStringLiteral("Opening Balance\t"), 300);
    QVERIFY(m_repo->softDelete(deleted.id));

    QVERIFY(!m_repo->isOpeningBalanceTransaction(ordinary));
    QVERIFY(m_repo->isOpeningBalanceTransaction(opening));
    QVERIFY(!m_repo->isOpeningBalanceTransaction(later));
    QVERIFY(!m_repo->isOpeningBalanceTransaction(tabbed));

    // The walk over the rows trims every white space, so it finds the tabbed one.
    const std::optional<Transaction> found = m_repo->openingBalanceTransaction(kSavings);
    QVERIFY(found);
    QCOMPARE(found->id, tabbed.id);
}

void TestRegisterRows::openingBalanceTieGoesToTheLatestCreated()
{
    const Transaction first = add(kSavings, QDate(2024, 1, 1), QStringLiteral("Opening Balance"), 100);
    const Transaction second = add(kSavings, QDate(2024, 1, 1), QStringLiteral("Anfangssaldo"), 200);
    add(kSavings, QDate(2024, 1, 1), QStringLiteral("Something else"), 300);

    QCOMPARE(m_repo->openingBalanceTransaction(kSavings)->id, second.id);
    // Both ways of asking name the same row.
    QVERIFY(m_repo->isOpeningBalanceTransaction(second));
    QVERIFY(!m_repo->isOpeningBalanceTransaction(first));
}

void TestRegisterRows::probe()
{
    OpeningBalanceProbe probe = m_repo->openingBalanceProbe(kSavings);
    QVERIFY(!probe.hasOpeningBalance);
    QVERIFY(!probe.earliestDate.isValid());

    add(kSavings, QDate(2024, 2, 1), QStringLiteral("Deposit"), 10);
    const Transaction early = add(kSavings, QDate(2023, 5, 1), QStringLiteral("Opening Balance"), 10);
    probe = m_repo->openingBalanceProbe(kSavings);
    QVERIFY(probe.hasOpeningBalance);
    QCOMPARE(probe.earliestDate, QDate(2023, 5, 1));

    QVERIFY(m_repo->softDelete(early.id));
    add(kSavings, QDate(2023, 1, 1), QStringLiteral("ANFANGSSALDO\t"), 10); // the SQL does not trim tabs
    probe = m_repo->openingBalanceProbe(kSavings);
    QVERIFY(!probe.hasOpeningBalance);
    QCOMPARE(probe.earliestDate, QDate(2023, 1, 1));
}

void TestRegisterRows::probeFailureLogs()
{
    m_repo.reset();
    m_db.reset();
    TempDatabase empty(TempDatabase::Migrate::No);
    QVERIFY(empty.isReady());
    TransactionRepository repo(empty.database());
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^TransactionRepository::openingBalanceProbe failed: .+")));
    const OpeningBalanceProbe probe = repo.openingBalanceProbe(kSavings);
    QVERIFY(!probe.hasOpeningBalance);
    QVERIFY(!probe.earliestDate.isValid());
    // The other reads stay silent and empty.
    QVERIFY(repo.registerRows(kSavings).isEmpty());
    QVERIFY(repo.search(QStringLiteral("x"), {}).isEmpty());
    QCOMPARE(repo.balance(kSavings, BalanceMode::Current), qint64(0));
}

void TestRegisterRows::openingWordsFollowTheCatalogues()
{
    // Whatever language wrote the opening line, every language recognises it.
    QStringList translated;
    for (const char* language : {"en", "es", "fr", "ja", "de"}) {
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/i18n/vellumry_%1.qm").arg(QLatin1String(language))));
        QVERIFY(QCoreApplication::installTranslator(&translator));
        const QString payee = TransactionRepository::openingBalancePayee();
        translated.append(payee.toLower());
        QVERIFY2(isOpeningBalancePayee(payee), qPrintable(payee));
        if (qstrcmp(language, "de") == 0) {
            const QList<RegisterRow> rows = m_repo->registerRows(kChecking);
            QCOMPARE(rows.at(0).payee, QStringLiteral("Anfangssaldo"));
        }
        QCoreApplication::removeTranslator(&translator);
    }
    QCOMPARE(translated, openingBalanceWords());
}

VELLUMRY_TEST_GUILESS_MAIN(TestRegisterRows)
#include "tst_registerrows.moc"
