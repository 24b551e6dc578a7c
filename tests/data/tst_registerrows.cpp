#include "HeldSum.h"
#include "LedgerFixture.h"
#include "TestMain.h"

#include "data/SqliteRows.h"
#include "data/TransactionRepository.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTranslator>

#include <algorithm>
#include <limits>
#include <numeric>

using namespace LedgerFixture;

namespace {

const QString kChecking = QStringLiteral("checking");
const QString kSavings = QStringLiteral("savings");

template <typename Rows>
QStringList payeesOf(const Rows& rows)
{
    QStringList payees;
    for (const RegisterRow& row : rows)
        payees.append(row.payee);
    return payees;
}

// A row as the register shows it, in one text; running balance aside.
QString describe(const RegisterRow& row)
{
    QString text;
    QDebug(&text) << row.id << row.accountId << row.date << row.payee << row.memo << row.amount << row.categoryId
                  << row.checkNumber << row.cleared << row.reconciled << row.isSplit << row.createdOrder
                  << row.categoryText;
    return text;
}

// What the register shows of a stored transaction.
RegisterRow shownOf(const Transaction& t, const QString& categoryText)
{
    RegisterRow row;
    row.id = t.id;
    row.accountId = t.accountId;
    row.date = t.date;
    row.payee = t.payee;
    row.memo = t.memo;
    row.amount = t.amount;
    row.categoryId = t.categoryId;
    row.checkNumber = t.checkNumber;
    row.cleared = t.cleared;
    row.reconciled = t.reconciled;
    row.isSplit = t.isSplit;
    row.createdOrder = t.createdAt.toUTC().toString(QStringLiteral("yyyyMMddHHmmss")).toLongLong();
    row.categoryText = categoryText;
    return row;
}

// A row of Savings on `day` days after May 1, 2024, created that day.
RegisterRow savingsRowOn(int day, qint64 amount)
{
    RegisterRow row;
    row.id = newId();
    row.accountId = kSavings;
    row.date = QDate(2024, 5, 1).addDays(day);
    row.createdOrder = 20240501000000 + day;
    row.amount = amount;
    return row;
}

// Rows of these running balances, in this order, each with an id and no other field.
RegisterRows rowsOfBalances(const QList<qint64>& balances)
{
    RegisterRows rows;
    for (const qint64 balance : balances) {
        RegisterRow row;
        row.id = newId();
        row.runningBalance = balance;
        rows.append(row);
    }
    return rows;
}

} // namespace

class TestRegisterRows : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m.reset(); }

    void runningBalancesStartWithTheOpeningLine();
    void bothReadersGiveTheStoredRows_data();
    void bothReadersGiveTheStoredRows();
    void compactRowsReadBack_data();
    void compactRowsReadBack();
    void newRowPlace_data();
    void newRowPlace();
    void rowsAfterAPlace_data();
    void rowsAfterAPlace();
    void rowsNearZeroAtTheEndsOfTheRange();
    void newRowPlaceAfterARowTakenOut_data();
    void newRowPlaceAfterARowTakenOut();
    void ledgerChangesWhateverTheShowing_data();
    void ledgerChangesWhateverTheShowing();
    void aRowBeforeEveryOther_data();
    void aRowBeforeEveryOther();
    void ledgerOperationsPastWhatIsHeld();
    void createdOrder_data();
    void createdOrder();
    void ledgerChangesMatchARead();
    void categoryText();
    void balanceModes();
    void headerFigures_data();
    void headerFigures();
    void distinctPayeesOverEveryAccount();
    void foreignCurrencyTransfers();

    void matchQuery_data();
    void matchQuery();
    void searchMatchesWordPrefixes();
    void searchTreatsQueryWordsAsWords_data();
    void searchTreatsQueryWordsAsWords();
    void searchFilters();
    void searchWithoutWordsListsNewestTwoHundred();

    void openingBalancePayeeAndId();
    void openingBalanceTransaction();
    void readFailuresLogAndGiveNothing();

private:
    Transaction add(const QString& account, const QDate& date, const QString& payee, qint64 amount = -1,
                    const QString& categoryId = QString(), bool cleared = false);

    std::optional<RepositoryLedger<TransactionRepository>> m;
    int m_created = 0;
};

void TestRegisterRows::init()
{
    m.emplace(false);
    QVERIFY(m->ready && addAccount(m->db, kChecking, 5000) && addAccount(m->db, kSavings));
    QVERIFY(addCategory(m->db, QStringLiteral("food"), QStringLiteral("Food")));
    QVERIFY(addCategory(m->db, QStringLiteral("groceries"), QStringLiteral("Groceries"), QStringLiteral("food")));
    m_created = 0;
}

// Each row is created one second after the one before, as a user would enter them.
Transaction TestRegisterRows::add(const QString& account, const QDate& date, const QString& payee, qint64 amount,
                                  const QString& categoryId, bool cleared)
{
    Transaction t = newTransaction(account, date, payee, amount);
    t.categoryId = categoryId;
    t.cleared = cleared;
    t.createdAt = fixedNow().addSecs(++m_created);
    t.updatedAt = t.createdAt;
    if (!m->repo.insert(t))
        qWarning("could not add %s", qPrintable(payee));
    return t;
}

void TestRegisterRows::headerFigures_data()
{
    // Rows of the checking account, "amount:mark" with the mark o(pen), c(leared),
    // r(econciled) or d(eleted); the account starts with 50.00.
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QList<qint64>>("figures"); // cleared, uncleared, total

    QTest::newRow("the opening line alone") << QStringList() << QList<qint64>{5000, 0, 5000};
    QTest::newRow("open rows") << QStringList{"-1200:o", "300:o"} << QList<qint64>{5000, -900, 4100};
    QTest::newRow("a reconciled row counts as cleared")
        << QStringList{"-1200:c", "-700:r", "300:o"} << QList<qint64>{3100, 300, 3400};
    QTest::newRow("a deleted row counts nothing") << QStringList{"-1200:d", "250:c"} << QList<qint64>{5250, 0, 5250};
}

void TestRegisterRows::headerFigures()
{
    QFETCH(QStringList, rows);
    QFETCH(QList<qint64>, figures);
    for (const QString& row : rows) {
        const QString mark = row.section(':', 1);
        Transaction t = add(kChecking, QDate(2024, 2, 1), QStringLiteral("Shop"), row.section(':', 0, 0).toLongLong(),
                            QString(), mark == u"c");
        if (mark == u"r") {
            t.cleared = t.reconciled = true;
            QVERIFY(m->repo.update(t));
        } else if (mark == u"d") {
            QVERIFY(m->repo.softDelete(t.id));
        }
    }
    add(kSavings, QDate(2024, 2, 1), QStringLiteral("Elsewhere"), 9900, QString(), true);
    const RegisterFigures read = m->repo.registerRows(kChecking).figures();
    QCOMPARE(QList<qint64>({held(read.cleared), held(read.uncleared), held(read.total)}), figures);
    // The header agrees with the balances the account list shows.
    QCOMPARE(QList<qint64>({held(m->repo.balance(kChecking, BalanceMode::Cleared)),
                            held(m->repo.balance(kChecking, BalanceMode::Current))}),
             QList<qint64>({figures.at(0), figures.at(2)}));
}

void TestRegisterRows::runningBalancesStartWithTheOpeningLine()
{
    // Only the starting balance: the opening line is dated today.
    QCOMPARE(m->repo.registerRows(kChecking).size(), 1);
    QCOMPARE(m->repo.registerRows(kChecking).at(0).date, QDate(2024, 3, 5));
    QVERIFY(m->repo.registerRows(QStringLiteral("no-such-account")).isEmpty());

    add(kChecking, QDate(2024, 3, 1), QStringLiteral("Rent"), -1000);
    add(kChecking, QDate(2024, 2, 10), QStringLiteral("Refund"), 200);
    const Transaction deleted = add(kChecking, QDate(2024, 1, 1), QStringLiteral("Deleted"), -99);
    add(kSavings, QDate(2024, 1, 1), QStringLiteral("Elsewhere"), 7);
    // Same date as the refund but entered later: comes after it.
    add(kChecking, QDate(2024, 2, 10), QStringLiteral("Later"), -50);
    QVERIFY(m->repo.softDelete(deleted.id));

    const RegisterRows rows = m->repo.registerRows(kChecking);
    QCOMPARE(payeesOf(rows), QStringList({"Opening Balance", "Refund", "Later", "Rent"}));
    const RegisterRow opening = rows.at(0);
    QVERIFY(opening.id.isEmpty());
    QCOMPARE(opening.date, QDate(2024, 2, 10)); // the earliest live row's date
    QCOMPARE(opening.amount, qint64(5000));
    QVERIFY(opening.cleared);
    QVERIFY(opening.reconciled);
    QList<qint64> balances;
    for (const RegisterRow& row : rows)
        balances.append(held(row.runningBalance));
    QCOMPARE(balances, (QList<qint64>{5000, 5200, 5150, 4150}));

    // No starting balance: no opening line, balances start at 0; one owed shows too.
    QCOMPARE(payeesOf(m->repo.registerRows(kSavings)), QStringList{QStringLiteral("Elsewhere")});
    QCOMPARE(m->repo.registerRows(kSavings).at(0).runningBalance, qint64(7));
    QVERIFY(m->db.exec(QStringLiteral("UPDATE accounts SET starting_balance = -300 WHERE id = ?"), {kSavings}));
    QCOMPARE(m->repo.registerRows(kSavings).at(0).amount, qint64(-300));
}

void TestRegisterRows::bothReadersGiveTheStoredRows_data()
{
    QTest::addColumn<bool>("direct");
    QTest::newRow("straight from SQLite") << true;
    QTest::newRow("through QSqlQuery") << false;
}

void TestRegisterRows::bothReadersGiveTheStoredRows()
{
    QFETCH(bool, direct);
    Transaction full = add(kSavings, QDate(2024, 1, 2), QStringLiteral("Caf\u00e9"), -1234, QStringLiteral("groceries"));
    full.memo = QStringLiteral("memo");
    full.checkNumber = QStringLiteral("1001");
    full.cleared = full.reconciled = full.isSplit = true;
    full.transferLinkId = QStringLiteral("link");
    full.transferDestAccountId = kChecking;
    full.recurringId = QStringLiteral("recurring");
    full.version = 3;
    full.syncStatus = SyncStatus::Synced;
    full.serverId = QStringLiteral("server");
    QVERIFY(m->repo.update(full));
    add(kSavings, QDate(2024, 1, 1), QStringLiteral("Plain"), 5);

    SqliteRows::setEnabled(direct);
    const auto enable = qScopeGuard([] { SqliteRows::setEnabled(true); });
    QStringList read;
    QStringList one;
    QStringList stored;
    for (const RegisterRow& row : m->repo.registerRows(kSavings)) {
        read.append(describe(row));
        one.append(describe(m->repo.registerRow(row.id).value_or(RegisterRow())));
        stored.append(describe(shownOf(*m->repo.findById(row.id), row.id == full.id ? "Food > Groceries" : "")));
    }
    QCOMPARE(read, stored);
    QCOMPARE(one, stored);
    // The one-row read names live rows only.
    QVERIFY(m->repo.softDelete(full.id));
    QVERIFY(!m->repo.registerRow(full.id));
    QVERIFY(!m->repo.registerRow(QString()));
}

void TestRegisterRows::compactRowsReadBack_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<bool>("asUuid"); // kept in 16 bytes
    QTest::newRow("uuid") << "0f8fad5b-d9cb-469f-a165-70867728950e" << true;
    QTest::newRow("upper case") << "0F8FAD5B-D9CB-469F-A165-70867728950E" << false;
    QTest::newRow("braces") << "{0f8fad5b-d9cb-469f-a165-70867728950e}" << false;
    QTest::newRow("nil uuid") << "00000000-0000-0000-0000-000000000000" << false;
    QTest::newRow("short") << "t1" << false;
    QTest::newRow("opening line") << "" << false;
}

void TestRegisterRows::compactRowsReadBack()
{
    QFETCH(QString, id);
    QFETCH(bool, asUuid);
    QList<RegisterRow> given;
    for (const QString& rowId : {newId(), id, QStringLiteral("t2")}) {
        RegisterRow row;
        row.id = rowId;
        row.accountId = kChecking;
        row.date = QDate(2024, 1, given.size() + 1);
        row.payee = QStringLiteral("Caf\u00e9");
        row.memo = given.isEmpty() ? QString() : QStringLiteral("memo %1").arg(given.size());
        row.amount = -100 * given.size();
        row.categoryId = QStringLiteral("food");
        row.categoryText = QStringLiteral("Food");
        row.checkNumber = given.size() == 1 ? QStringLiteral("101") : QString();
        row.cleared = given.size() > 0;
        row.reconciled = given.size() > 1;
        row.isSplit = given.size() == 1;
        row.runningBalance = 7 * given.size();
        row.createdOrder = 20240305140709 + given.size();
        given.append(row);
    }
    const RegisterRows rows(given);
    QStringList read;
    QStringList expected;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        read.append(describe(rows.at(i)) + QString::number(held(rows.runningBalance(i)))
                    + QString::number(rows.order(i)));
        expected.append(describe(given.at(i)) + QString::number(held(given.at(i).runningBalance)) + QString::number(i));
    }
    QCOMPARE(read, expected);
    QCOMPARE(rows.indexOf(id), id.isEmpty() ? -1 : 1);
    QCOMPARE(rows.hasId(1), !id.isEmpty());
    QCOMPARE(rows.hasOpeningLine(), id.isEmpty());
    // The opening line is known through the changes that take it out and put it back.
    RegisterRows changed = rows;
    const RegisterRow second = changed.at(1);
    QList<bool> opening{changed.hasOpeningLine()};
    changed.removeFromLedger(1);
    opening.append(changed.hasOpeningLine());
    changed.insertIntoLedger(1, second, 1);
    opening.append(changed.hasOpeningLine());
    changed.removeIf([&id](const RegisterRow& row) { return row.id == id; });
    opening.append(changed.hasOpeningLine());
    QCOMPARE(opening, QList<bool>({id.isEmpty(), false, id.isEmpty(), false}));
    // What a filter keeps, it keeps whole, with its running balance and its
    // place in the ledger (the row put back took place 1, the last one moved to 3).
    QStringList kept;
    for (qsizetype i = 0; i < changed.size(); ++i) {
        kept.append(describe(changed.at(i)) + QString::number(held(changed.runningBalance(i)))
                    + QString::number(changed.order(i)));
    }
    QCOMPARE(kept, QStringList({describe(given.at(0)) + QStringLiteral("00"),
                                describe(given.at(2)) + QStringLiteral("143")}));
    // The figures are those of the rows kept: 0.00 uncleared and -2.00 reconciled.
    const RegisterFigures figures = changed.figures();
    QCOMPARE(QList<qint64>({held(figures.cleared), held(figures.uncleared), held(figures.total)}),
             QList<qint64>({-200, 0, -200}));
    // The id is text only when it is no UUID: one text more than the same rows with a UUID hold.
    const RegisterRows withUuid(QList<RegisterRow>{given.at(0), given.at(0), given.at(2)});
    QCOMPARE(rows.textCount() - withUuid.textCount(), asUuid || id.isEmpty() ? 2 : 3);
}

void TestRegisterRows::createdOrder_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("order");
    QTest::newRow("as written") << "2024-03-05T14:07:09Z" << Q_INT64_C(20240305140709);
    QTest::newRow("milliseconds") << "2024-03-05T14:07:09.500Z" << Q_INT64_C(-1);
    QTest::newRow("offset") << "2024-03-05T14:07:09+01:00" << Q_INT64_C(-1);
    QTest::newRow("blank for T") << "2024-03-05 14:07:09Z" << Q_INT64_C(-1);
    QTest::newRow("letter") << "2024-03-05T14:07:0xZ" << Q_INT64_C(-1);
    QTest::newRow("empty") << "" << Q_INT64_C(-1);
}

void TestRegisterRows::createdOrder()
{
    QFETCH(QString, text);
    QFETCH(qint64, order);
    QCOMPARE(RegisterRows::createdOrderOf(text.toUtf8()), order);
}

void TestRegisterRows::newRowPlace_data()
{
    // The ledger as "day:creation" rows in its order (creation -1: an unusual
    // time), the new row, and its place (-1: only SQLite knows it).
    QTest::addColumn<QString>("ledger");
    QTest::addColumn<QString>("fresh");
    QTest::addColumn<int>("place");
    const QString plain = QStringLiteral("1:100 2:200 2:300 3:50");
    const QList<std::tuple<const char*, QString, QString, int>> rows{
        {"a later day", plain, QStringLiteral("4:10"), 4},
        {"the last day, created later", plain, QStringLiteral("3:60"), 4},
        {"the last day, in the same second", plain, QStringLiteral("3:50"), 4},
        {"the last day, created earlier", plain, QStringLiteral("3:40"), 3},
        {"among the rows of a day", plain, QStringLiteral("2:250"), 2},
        {"the first day", plain, QStringLiteral("1:100"), 1},
        {"before every row", plain, QStringLiteral("0:999"), 0},
        {"an unusual time of its own, a later day", plain, QStringLiteral("4:-1"), 4},
        {"an unusual time of its own, the last day", plain, QStringLiteral("3:-1"), -1},
        {"an unusual time on its day", QStringLiteral("1:100 3:-1 3:50"), QStringLiteral("3:60"), -1},
        {"an unusual time on another day", QStringLiteral("1:-1 3:50"), QStringLiteral("3:60"), 2},
        {"an empty register", QString(), QStringLiteral("3:60"), 0},
    };
    // The ledger's last row shown last, first, or in between.
    for (const auto& [name, ledger, fresh, place] : rows) {
        for (const char* shown : {"in order", "reversed", "last in between", "last first"})
            QTest::addRow("%s, %s", name, shown) << ledger << fresh << place;
    }
}

void TestRegisterRows::newRowPlace()
{
    QFETCH(QString, ledger);
    QFETCH(QString, fresh);
    QFETCH(int, place);
    const auto rowOf = [](const QString& spec, int n) {
        const QStringList parts = spec.split(QLatin1Char(':'));
        RegisterRow row;
        row.id = QStringLiteral("row-%1").arg(n);
        row.accountId = kSavings;
        row.date = QDate(2024, 5, 1).addDays(parts.at(0).toInt());
        row.createdOrder = parts.at(1).toLongLong();
        row.amount = 100 * (n + 1);
        return row;
    };
    RegisterRows rows;
    const QStringList specs = ledger.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int n = 0; n < specs.size(); ++n)
        rows.append(rowOf(specs.at(n), n));
    // The same answer however the rows are shown.
    const QString shown = QString::fromLatin1(QTest::currentDataTag()).section(QStringLiteral(", "), -1);
    std::vector<int> indices(specs.size());
    std::iota(indices.begin(), indices.end(), 0);
    if (shown == u"reversed")
        std::reverse(indices.begin(), indices.end());
    else if (shown == u"last in between" && specs.size() > 2)
        std::rotate(indices.begin() + 1, indices.end() - 1, indices.end());
    else if (shown == u"last first" && !specs.isEmpty())
        std::rotate(indices.begin(), indices.end() - 1, indices.end());
    rows.reorder(indices);

    const std::optional<quint32> found = rows.ledgerPlace(rowOf(fresh, int(specs.size())), -1);
    QCOMPARE(found ? int(*found) : -1, place);
}

void TestRegisterRows::rowsAfterAPlace_data()
{
    QTest::addColumn<QList<int>>("shown");     // the ledger places in the list's order
    QTest::addColumn<int>("order");            // after this place
    QTest::addColumn<int>("distance");
    QTest::addColumn<int>("most");
    QTest::addColumn<QList<int>>("after");     // the places after it
    QTest::addColumn<QList<int>>("nearZero");  // the places named near zero, in the list's order

    // The ledger's balances by place: -300, -50, 0, 40, 120, -10.
    const QList<QList<int>> showings{{0, 1, 2, 3, 4, 5}, {5, 4, 3, 2, 1, 0}, {3, 0, 5, 1, 4, 2}};
    const QStringList names{"in order", "reversed", "sorted otherwise"};
    for (int s = 0; s < showings.size(); ++s) {
        const QList<int>& shown = showings.at(s);
        const auto inList = [&](QList<int> places) {
            std::sort(places.begin(), places.end(),
                      [&](int a, int b) { return shown.indexOf(a) < shown.indexOf(b); });
            return places;
        };
        const auto row = [&](const char* name, int order, int distance, int most, const QList<int>& after,
                             const QList<int>& nearZero) {
            QTest::addRow("%s, %s", name, qPrintable(names.at(s)))
                << shown << order << distance << most << after << inList(nearZero);
        };
        row("after the middle", 2, 50, 64, {3, 4, 5}, {3, 5});
        row("after the first", 0, 0, 64, {1, 2, 3, 4, 5}, {2});
        row("after the last", 5, 1000, 64, {}, {});
        row("none named", 0, -1, 64, {1, 2, 3, 4, 5}, {});
        // Past `most`, one more says there are more.
        row("more than named", 0, 1000, 1, {1, 2, 3, 4, 5}, inList({1, 2, 3, 4, 5}).mid(0, 2));
        row("a distance of the balance exactly", 0, 50, 64, {1, 2, 3, 4, 5}, {1, 2, 3, 5});
    }
}

void TestRegisterRows::rowsAfterAPlace()
{
    QFETCH(QList<int>, shown);
    QFETCH(int, order);
    QFETCH(int, distance);
    QFETCH(int, most);
    QFETCH(QList<int>, after);
    QFETCH(QList<int>, nearZero);
    RegisterRows rows = rowsOfBalances({-300, -50, 0, 40, 120, -10});
    rows.reorder(std::vector<int>(shown.cbegin(), shown.cend()));

    const RegisterRows::RowsAfter found = rows.rowsAfter(quint32(order), distance, most);
    QList<int> afterFound;
    for (qsizetype i = qMax<qsizetype>(found.first, 0); found.first >= 0 && i <= found.last; ++i) {
        if (int(rows.order(i)) > order)
            afterFound.append(int(rows.order(i)));
    }
    std::sort(afterFound.begin(), afterFound.end());
    QList<int> nearFound;
    for (const qsizetype i : found.nearZero)
        nearFound.append(int(rows.order(i)));
    // The first and last rows after the place bound all of them.
    const bool bounded = after.isEmpty()
                         || (int(rows.order(found.first)) > order && int(rows.order(found.last)) > order);
    QCOMPARE((QList<QList<int>>{afterFound, nearFound, {bounded}}), (QList<QList<int>>{after, nearZero, {true}}));
}

// Balances at the ends of what a balance can hold are measured against the
// distance without overflowing, whichever way the rows are shown.
void TestRegisterRows::rowsNearZeroAtTheEndsOfTheRange()
{
    constexpr qint64 most = std::numeric_limits<qint64>::max();
    constexpr qint64 least = std::numeric_limits<qint64>::min();
    for (const bool reversed : {false, true}) {
        RegisterRows rows = rowsOfBalances({0, least, -most, most, least + 1, -1, 1, most - 1});
        if (reversed)
            rows.reorder({7, 6, 5, 4, 3, 2, 1, 0});
        const auto nearZero = [&](qint64 distance) {
            QList<qint64> found;
            for (const qsizetype i : rows.rowsAfter(0, distance, 64).nearZero)
                found.append(held(rows.runningBalance(i)));
            std::sort(found.begin(), found.end());
            return found;
        };
        QCOMPARE(nearZero(most), (QList<qint64>{-most, -most, -1, 1, most - 1, most}));
        QCOMPARE(nearZero(most - 1), (QList<qint64>{-1, 1, most - 1}));
        QCOMPARE(nearZero(1), (QList<qint64>{-1, 1}));
        QCOMPARE(nearZero(0), QList<qint64>());
    }
}

// A row taken out leaves a gap in the places: a new row of a later day still
// goes after the ledger's last row, wherever the list shows that one.
void TestRegisterRows::newRowPlaceAfterARowTakenOut_data()
{
    QTest::addColumn<QList<int>>("shown"); // the ledger places (0-4) in the list's order
    QTest::newRow("in order") << QList<int>{0, 1, 2, 3, 4};
    QTest::newRow("reversed") << QList<int>{4, 3, 2, 1, 0};
    // The row before the last one at an end of the list, the last one inside it.
    QTest::newRow("the last but one at the top") << QList<int>{3, 0, 4, 1, 2};
    QTest::newRow("the last but one at the bottom") << QList<int>{0, 4, 1, 2, 3};
}

void TestRegisterRows::newRowPlaceAfterARowTakenOut()
{
    QFETCH(QList<int>, shown);
    RegisterRows rows;
    qint64 balance = 0;
    for (int day = 0; day < 5; ++day) {
        RegisterRow row = savingsRowOn(day, qint64(1) << day);
        balance += row.amount;
        row.runningBalance = balance;
        rows.append(row);
    }
    rows.reorder(std::vector<int>(shown.cbegin(), shown.cend()));
    rows.removeFromLedger(shown.indexOf(1));

    const RegisterRow fresh = savingsRowOn(9, 10000);
    const std::optional<quint32> place = rows.ledgerPlace(fresh, -1);
    QVERIFY(place);
    rows.insertIntoLedger(rows.size(), fresh, *place);
    QList<std::pair<QDate, qint64>> ledger;
    for (qsizetype i = 0; i < rows.size(); ++i)
        ledger.append({rows.date(i), held(rows.runningBalance(i))});
    std::sort(ledger.begin(), ledger.end());
    const QDate start(2024, 5, 1);
    QCOMPARE(ledger, (QList<std::pair<QDate, qint64>>{{start, 1},
                                                      {start.addDays(2), 5},
                                                      {start.addDays(3), 13},
                                                      {start.addDays(4), 29},
                                                      {start.addDays(9), 10029}}));
}

void TestRegisterRows::aRowBeforeEveryOther_data()
{
    QTest::addColumn<bool>("newestFirst");
    QTest::newRow("oldest first") << false;
    QTest::newRow("newest first") << true;
}

// A row that goes before every other in the ledger, shown first or last: the
// account starts from nothing there, and every other running balance grows by
// its amount.
void TestRegisterRows::aRowBeforeEveryOther()
{
    QFETCH(bool, newestFirst);
    const auto newRow = [](qint64 amount) {
        RegisterRow row;
        row.id = newId();
        row.accountId = kSavings;
        row.amount = amount;
        return row;
    };
    RegisterRows rows;
    qint64 balance = 0;
    for (const qint64 amount : {-500, 1200, -300}) {
        RegisterRow row = newRow(amount);
        row.runningBalance = balance += amount;
        rows.append(row);
    }
    if (newestFirst)
        rows.reorder(std::vector<int>{2, 1, 0});
    rows.insertIntoLedger(newestFirst ? rows.size() : 0, newRow(250), 0);
    QList<qint64> balances;
    for (qsizetype i = 0; i < rows.size(); ++i)
        balances.append(held(rows.runningBalance(i)));
    const QList<qint64> oldestFirst{250, -250, 950, 650};
    QCOMPARE(balances, newestFirst ? QList<qint64>(oldestFirst.crbegin(), oldestFirst.crend()) : oldestFirst);
}

// The ledger operations move running balances and figures in two words: past
// what a qint64 holds and back, and by changes no qint64 holds either.
void TestRegisterRows::ledgerOperationsPastWhatIsHeld()
{
    constexpr qint64 most = std::numeric_limits<qint64>::max();
    RegisterRows rows;
    MoneySum balance;
    for (int day = 0; day < 2; ++day) {
        RegisterRow row = savingsRowOn(day, most);
        row.runningBalance = balance += row.amount;
        rows.append(row);
    }
    const auto shown = [&rows] {
        QStringList texts;
        for (qsizetype i = 0; i < rows.size(); ++i)
            texts.append(sumText(rows.runningBalance(i)));
        const RegisterFigures figures = rows.figures();
        return texts << sumText(figures.cleared) << sumText(figures.uncleared) << sumText(figures.total);
    };
    QCOMPARE(shown(), QStringList({"9223372036854775807", "out of range", "0", "out of range", "out of range"}));
    // From the largest to the negative largest: a change of twice what a qint64 holds.
    rows.replaceInLedger(0, savingsRowOn(0, -most));
    QCOMPARE(shown(), QStringList({"-9223372036854775807", "0", "0", "0", "0"}));
    rows.insertIntoLedger(0, savingsRowOn(-1, std::numeric_limits<qint64>::min()), 0);
    const QString least = QString::number(std::numeric_limits<qint64>::min());
    QCOMPARE(shown(), QStringList({least, "out of range", least, "0", least, least}));
    rows.removeFromLedger(0);
    QCOMPARE(shown(), QStringList({"-9223372036854775807", "0", "0", "0", "0"}));
}

void TestRegisterRows::ledgerChangesWhateverTheShowing_data()
{
    QTest::addColumn<QString>("showing");
    QTest::addColumn<bool>("misplaceOne");
    QTest::newRow("oldest first") << QStringLiteral("rising") << false;
    QTest::newRow("newest first") << QStringLiteral("falling") << false;
    QTest::newRow("sorted otherwise") << QStringLiteral("mixed") << false;
    // The first new row shown at the wrong end: the places no longer run one way.
    QTest::newRow("oldest first, a row out of its place") << QStringLiteral("rising") << true;
    QTest::newRow("newest first, a row out of its place") << QStringLiteral("falling") << true;
}

// Random inserts, amounts changed and rows taken out, each put where a register
// so sorted shows it; after each, every running balance is the sum of the
// amounts up to its row in the ledger, and the rows after a place are those
// the rows name.
void TestRegisterRows::ledgerChangesWhateverTheShowing()
{
    QFETCH(QString, showing);
    QFETCH(bool, misplaceOne);
    QRandomGenerator random(77);
    RegisterRows rows;
    QList<QString> ledger; // ids in the ledger's order
    QHash<QString, qint64> amounts;
    const auto newRow = [&](qint64 amount) {
        RegisterRow row;
        row.id = newId();
        row.accountId = kSavings;
        row.amount = amount;
        amounts.insert(row.id, amount);
        return row;
    };
    qint64 balance = 0;
    for (int i = 0; i < 30; ++i) {
        RegisterRow row = newRow(random.bounded(-900, 1000));
        balance += row.amount;
        row.runningBalance = balance;
        ledger.append(row.id);
        rows.append(row);
    }
    std::vector<int> indices(rows.size());
    std::iota(indices.begin(), indices.end(), 0);
    if (showing == u"falling")
        std::reverse(indices.begin(), indices.end());
    else if (showing == u"mixed")
        std::shuffle(indices.begin(), indices.end(), random);
    rows.reorder(indices);

    // Where a row of ledger place `place` is shown.
    const auto shownAt = [&](quint32 place) -> qsizetype {
        qsizetype before = 0;
        for (qsizetype i = 0; i < rows.size(); ++i)
            before += rows.order(i) < place;
        if (showing == u"mixed")
            return qsizetype(random.bounded(rows.size() + 1));
        const qsizetype right = showing == u"rising" ? before : rows.size() - before;
        if (std::exchange(misplaceOne, false))
            return right == 0 ? rows.size() : 0;
        return right;
    };
    const auto placeOf = [&](const QString& id) {
        return rows.order(rows.indexOf(id));
    };
    const auto shownIds = [&] {
        QStringList ids;
        for (qsizetype i = 0; i < rows.size(); ++i)
            ids.append(rows.id(i));
        return ids;
    };
    QStringList shown = shownIds(); // where each change puts its row
    for (int change = 0; change < 300; ++change) {
        const int kind = rows.isEmpty() ? 0 : random.bounded(3);
        if (kind == 0) {
            // Before or after a row, or first.
            const qsizetype after = random.bounded(ledger.size() + 1) - 1;
            const quint32 place = after < 0 ? 0 : placeOf(ledger.at(after)) + 1;
            const RegisterRow fresh = newRow(random.bounded(-900, 1000));
            const qsizetype at = shownAt(place);
            rows.insertIntoLedger(at, fresh, place);
            ledger.insert(after + 1, fresh.id);
            shown.insert(at, fresh.id);
        } else if (kind == 1) {
            const qsizetype i = random.bounded(rows.size());
            RegisterRow fresh = rows.at(i);
            fresh.amount = random.bounded(-900, 1000);
            amounts.insert(fresh.id, fresh.amount);
            rows.replaceInLedger(i, fresh);
        } else {
            const qsizetype i = random.bounded(rows.size());
            ledger.removeOne(rows.id(i));
            rows.removeFromLedger(i);
            shown.removeAt(i);
        }
        QCOMPARE(shownIds(), shown);

        QHash<QString, qint64> expected;
        qint64 sum = 0;
        for (const QString& id : ledger)
            expected.insert(id, sum += amounts.value(id));
        QHash<QString, qint64> balances;
        for (qsizetype i = 0; i < rows.size(); ++i)
            balances.insert(rows.id(i), held(rows.runningBalance(i)));
        QCOMPARE(balances, expected);

        if (rows.isEmpty())
            continue;
        const quint32 order = rows.order(random.bounded(rows.size()));
        const qint64 distance = random.bounded(-1, 2000);
        const RegisterRows::RowsAfter found = rows.rowsAfter(order, distance, 3);
        QList<qsizetype> after;
        QList<qsizetype> near;
        for (qsizetype i = 0; i < rows.size(); ++i) {
            if (rows.order(i) <= order)
                continue;
            after.append(i);
            if (qAbs(held(rows.runningBalance(i))) <= distance && near.size() <= 3)
                near.append(i);
        }
        bool bounded = true;
        for (const qsizetype i : after)
            bounded = bounded && found.first <= i && i <= found.last;
        const bool tight = after.isEmpty() ? found.first < 0 : after.contains(found.first) && after.contains(found.last);
        QCOMPARE((QList<QList<qsizetype>>{found.nearZero, {bounded, tight}}),
                 (QList<QList<qsizetype>>{near, {true, true}}));
    }
}

// Random inserts, edits and deletes, each shown in place where the rows can tell
// its place, else by reading the register again; after each, the rows (in the
// ledger's order) and their balances are those a read gives.
void TestRegisterRows::ledgerChangesMatchARead()
{
    QRandomGenerator random(40);
    QStringList ids;
    const auto add = [&](int second) {
        Transaction t = newTransaction(kSavings, QDate(2024, 1, 1).addDays(random.bounded(15)), QStringLiteral("P"),
                                       random.bounded(-5000, 5000));
        t.createdAt = t.updatedAt = fixedNow().addSecs(second);
        QVERIFY(m->repo.insert(t));
        ids.append(t.id);
    };
    for (int i = 0; i < 200; ++i)
        add(random.bounded(400));
    // An import: many rows of one second.
    for (int i = 0; i < 40; ++i)
        add(500);
    QVERIFY(m->db.exec(QStringLiteral("UPDATE transactions SET created_at = '2024-03-05T14:07:30.5Z' WHERE id = ?"),
                       {ids.at(7)}));
    const auto ledgerOrder = [](const RegisterRows& rows) {
        QMap<quint32, QString> byPlace;
        for (qsizetype i = 0; i < rows.size(); ++i)
            byPlace.insert(rows.order(i), describe(rows.at(i)) + QString::number(held(rows.runningBalance(i))));
        return byPlace.values();
    };

    RegisterRows rows = m->repo.registerRows(kSavings);
    int inPlace = 0;
    for (int change = 0; change < 400; ++change) {
        QString id;
        switch (random.bounded(3)) {
        case 0:
            add(random.bounded(600));
            id = ids.last();
            break;
        case 1: {
            id = ids.at(random.bounded(ids.size()));
            Transaction t = m->repo.findById(id).value();
            if (random.bounded(2) == 0)
                t.date = QDate(2024, 1, 1).addDays(random.bounded(15));
            t.amount = random.bounded(-5000, 5000);
            QVERIFY(m->repo.update(t));
            break;
        }
        default:
            id = ids.takeAt(random.bounded(ids.size()));
            QVERIFY(m->repo.softDelete(id));
            break;
        }
        const std::optional<RegisterRow> fresh = m->repo.registerRow(id);
        const qsizetype index = rows.indexOf(id);
        const std::optional<quint32> place = fresh ? rows.ledgerPlace(*fresh, index) : std::optional<quint32>(0);
        if (place) {
            if (index >= 0)
                rows.removeFromLedger(index);
            if (fresh)
                rows.insertIntoLedger(rows.size(), *fresh, *place);
            ++inPlace;
        } else {
            rows = m->repo.registerRows(kSavings);
        }
        QCOMPARE(ledgerOrder(rows), ledgerOrder(m->repo.registerRows(kSavings)));
    }
    // Only a move among rows of one creation second, or onto the odd time, needs the read.
    QVERIFY2(inPlace > 300, qPrintable(QString::number(inPlace)));
    // With an opening line, nothing changes in place.
    QVERIFY(!m->repo.registerRows(kChecking).ledgerPlace(rows.at(0), -1));
}

void TestRegisterRows::categoryText()
{
    add(kSavings, QDate(2024, 1, 1), QStringLiteral("Child"), 1, QStringLiteral("groceries"));
    add(kSavings, QDate(2024, 1, 2), QStringLiteral("Top"), 1, QStringLiteral("food"));
    add(kSavings, QDate(2024, 1, 3), QStringLiteral("None"), 1);
    // A soft-deleted category, parent or not, keeps showing its name.
    QVERIFY(m->db.exec(QStringLiteral("UPDATE categories SET deleted_at = '2024-02-01T00:00:00Z' WHERE id = 'food'")));

    add(kSavings, QDate(2024, 1, 4), QStringLiteral("Top"), 1, QStringLiteral("food"));
    QStringList texts;
    const RegisterRows rows = m->repo.registerRows(kSavings);
    for (const RegisterRow& row : rows)
        texts.append(row.categoryText);
    QCOMPARE(texts, QStringList({"Food > Groceries", "Food", "", "Food"}));
    // Read, each text is held once: the account, three payees, two categories and their two paths.
    QCOMPARE(rows.textCount(), 1 + 1 + 3 + 2 + 2);
}

void TestRegisterRows::balanceModes()
{
    add(kChecking, QDate(2024, 1, 1), QStringLiteral("Cleared"), 100, QString(), true);
    Transaction reconciledOnly = newTransaction(kChecking, QDate(2024, 1, 2), QStringLiteral("Reconciled"), 20);
    reconciledOnly.reconciled = true;
    QVERIFY(m->repo.insert(reconciledOnly));
    add(kChecking, QDate(2024, 3, 5), QStringLiteral("Today"), 3000);
    add(kChecking, QDate(2024, 3, 6), QStringLiteral("Tomorrow"), 40000);
    const Transaction deleted = add(kChecking, QDate(2024, 1, 3), QStringLiteral("Deleted"), 500000, QString(), true);
    QVERIFY(m->repo.softDelete(deleted.id));

    add(kSavings, QDate(2024, 1, 1), QStringLiteral("Savings"), 700, QString(), true);
    QVERIFY(addAccount(m->db, QStringLiteral("closed"), 99));
    QVERIFY(m->db.exec(QStringLiteral("UPDATE accounts SET deleted_at = '2024-02-01T00:00:00Z' WHERE id = 'closed'")));

    using Balances = QHash<QString, MoneySum>;
    const QList<std::pair<BalanceMode, Balances>> expected{
        {BalanceMode::Current, {{kChecking, 5000 + 100 + 20 + 3000 + 40000}, {kSavings, 700}}},
        {BalanceMode::Cleared, {{kChecking, 5000 + 100 + 20}, {kSavings, 700}}},
        {BalanceMode::AsOfToday, {{kChecking, 5000 + 100 + 20 + 3000}, {kSavings, 700}}},
    };
    for (const auto& [mode, balances] : expected) {
        // The one-query form for the account list agrees with the one-account form.
        QCOMPARE(m->repo.balances(mode), balances);
        QCOMPARE(m->repo.balance(kChecking, mode), balances.value(kChecking));
        // So does the form for some accounts: a closed or unknown one has none.
        QCOMPARE(m->repo.balances({kSavings, kChecking}, mode), balances);
        QCOMPARE(m->repo.balances({QStringLiteral("closed"), kChecking, QStringLiteral("nowhere")}, mode),
                 Balances({{kChecking, balances.value(kChecking)}}));
        QCOMPARE(m->repo.balances(QStringList(), mode), Balances());
        QCOMPARE(balanceModeFromText(balanceModeText(mode)), mode);
    }
    QCOMPARE(balanceModeFromText(QStringLiteral("Cleared")), BalanceMode::Current);
    QCOMPARE(m->repo.balance(QStringLiteral("nowhere"), BalanceMode::Cleared), qint64(0));
    // "Today" is the calendar day of the clock.
    Clock::setFixedNow(fixedNow().addDays(1));
    QCOMPARE(m->repo.balances(BalanceMode::AsOfToday).value(kChecking), qint64(5000 + 100 + 20 + 3000 + 40000));
}

void TestRegisterRows::distinctPayeesOverEveryAccount()
{
    add(kChecking, QDate(2024, 1, 1), QStringLiteral("alpha"));
    add(kSavings, QDate(2024, 1, 1), QStringLiteral("Zeta"));
    add(kChecking, QDate(2024, 1, 2), QStringLiteral("Zeta"));
    add(kChecking, QDate(2024, 1, 3), QString());
    add(kSavings, QDate(2024, 1, 4), QStringLiteral("Beta"));
    QVERIFY(m->repo.softDelete(add(kSavings, QDate(2024, 1, 5), QStringLiteral("Gone")).id));

    // Code-point order: capitals first.
    const QStringList expected{"Beta", "Zeta", "alpha"};
    QCOMPARE(m->repo.distinctPayees(), expected);
    QCOMPARE(m->repo.payeesForAccount(kChecking), expected);
}

void TestRegisterRows::foreignCurrencyTransfers()
{
    QVERIFY(addAccount(m->db, QStringLiteral("euro"), 0, QStringLiteral("EUR")));
    QVERIFY(addAccount(m->db, QStringLiteral("lower"), 0, QStringLiteral("usd")));
    QVERIFY(addAccount(m->db, QStringLiteral("closed"), 0, QStringLiteral("GBP")));
    QVERIFY(m->db.exec(QStringLiteral("UPDATE accounts SET deleted_at = '2024-01-01T00:00:00Z' WHERE id = 'closed'")));
    const auto transferTo = [this](const char* dest) {
        Transaction t = newTransaction(kChecking, QDate(2024, 1, 1), QStringLiteral("Transfer"), -100);
        t.transferDestAccountId = QLatin1String(dest);
        t.transferLinkId = newId();
        return m->repo.insert(t) ? t.id : QString();
    };
    for (const char* dest : {"euro", "lower", "closed"})
        QVERIFY(!transferTo(dest).isEmpty());
    QVERIFY(m->repo.softDelete(transferTo("euro")));
    add(kChecking, QDate(2024, 1, 1), QStringLiteral("Not a transfer"), 5);

    QCOMPARE(m->repo.countForeignCurrencyTransfers(kChecking, Currency::USD), 1);
    // "usd" compares as USD, so it counts once the account turns to euros.
    QCOMPARE(m->repo.countForeignCurrencyTransfers(kChecking, Currency::EUR), 1);
    QCOMPARE(m->repo.countForeignCurrencyTransfers(kChecking, Currency::JPY), 2);
}

void TestRegisterRows::matchQuery_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("match");

    QTest::newRow("words and digits") << QStringLiteral("Joe's Diner 2024") << QStringLiteral("\"Joe\"* \"s\"* \"Diner\"* \"2024\"*");
    QTest::newRow("keyword OR") << QStringLiteral("Portland OR") << QStringLiteral("\"Portland\"* \"OR\"*");
    QTest::newRow("NEAR group") << QStringLiteral("NEAR(a b, 3)") << QStringLiteral("\"NEAR\"* \"a\"* \"b\"* \"3\"*");
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
    add(kChecking, QDate(2024, 1, 1), QStringLiteral("Grocery Outlet"));
    Transaction memo = newTransaction(kSavings, QDate(2024, 1, 2), QStringLiteral("Market"), -2);
    memo.memo = QStringLiteral("groceries for 12 people");
    QVERIFY(m->repo.insert(memo));
    Transaction check = newTransaction(kChecking, QDate(2024, 1, 3), QStringLiteral("Landlord"), -3);
    check.checkNumber = QStringLiteral("1207");
    QVERIFY(m->repo.insert(check));
    add(kChecking, QDate(2024, 1, 4), QStringLiteral("Agro Supply")); // "gro" inside a word: no match

    QCOMPARE(payeesOf(m->repo.search(QStringLiteral("gro"), {})), QStringList({"Market", "Grocery Outlet"}));
    // Every term is required, in payee, memo or check number; case does not count.
    QCOMPARE(payeesOf(m->repo.search(QStringLiteral("gro 12"), {})), QStringList{QStringLiteral("Market")});
    QCOMPARE(payeesOf(m->repo.search(QStringLiteral("120"), {})), QStringList{QStringLiteral("Landlord")});
    QCOMPARE(payeesOf(m->repo.search(QStringLiteral("GROCERY outlet"), {})), QStringList{QStringLiteral("Grocery Outlet")});
    QVERIFY(m->repo.search(QStringLiteral("zzz"), {}).isEmpty());
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
    for (const char* payee : {"Portland Oregon Bakery", "Portland Maine Lobster", "Anderson Plumbing",
                              "Nothing Bundt Cakes", "Nearby Portland Deli"})
        add(kChecking, QDate(2024, 1, 1), QLatin1String(payee));
    // No query text may reach FTS5 as syntax: a failure would come back empty
    // for the wrong reason, so the expected rows are checked, not just "no error".
    QCOMPARE(payeesOf(m->repo.search(text, {})), payees);
}

void TestRegisterRows::searchFilters()
{
    add(kChecking, QDate(2024, 1, 10), QStringLiteral("Coffee A"));
    add(kSavings, QDate(2024, 1, 20), QStringLiteral("Coffee B"), -2, QStringLiteral("groceries"), true);
    add(kChecking, QDate(2024, 1, 30), QStringLiteral("Coffee C"), -3, QStringLiteral("food"), true);
    QVERIFY(m->repo.softDelete(add(kChecking, QDate(2024, 1, 25), QStringLiteral("Coffee Gone")).id));

    const auto search = [this](const SearchFilter& filter) { return payeesOf(m->repo.search(QStringLiteral("coffee"), filter)); };
    QCOMPARE(search({}), QStringList({"Coffee C", "Coffee B", "Coffee A"}));
    SearchFilter byAccount;
    byAccount.accountId = kChecking;
    QCOMPARE(search(byAccount), QStringList({"Coffee C", "Coffee A"}));
    // The transaction's own category only: the parent does not take in its children.
    SearchFilter byCategory;
    byCategory.categoryId = QStringLiteral("food");
    QCOMPARE(search(byCategory), QStringList{QStringLiteral("Coffee C")});
    SearchFilter byDates;
    byDates.dateFrom = QDate(2024, 1, 10);
    byDates.dateTo = QDate(2024, 1, 20);
    QCOMPARE(search(byDates), QStringList({"Coffee B", "Coffee A"}));
    SearchFilter clearedInChecking;
    clearedInChecking.cleared = true;
    clearedInChecking.accountId = kChecking;
    QCOMPARE(search(clearedInChecking), QStringList{QStringLiteral("Coffee C")});
    SearchFilter uncleared;
    uncleared.cleared = false;
    QCOMPARE(search(uncleared), QStringList{QStringLiteral("Coffee A")});

    // The same filters without a text use the plain query.
    QCOMPARE(payeesOf(m->repo.search(QString(), byCategory)), QStringList{QStringLiteral("Coffee C")});
    QCOMPARE(m->repo.search(QStringLiteral("---"), byDates).size(), 2);
    QCOMPARE(m->repo.search(QString(), {}).first().categoryText, QStringLiteral("Food"));
}

void TestRegisterRows::searchWithoutWordsListsNewestTwoHundred()
{
    for (int i = 0; i < 205; ++i)
        add(i % 2 ? kChecking : kSavings, QDate(2023, 1, 1).addDays(i), QStringLiteral("Row %1").arg(i), -i);
    QVERIFY(m->repo.softDelete(add(kChecking, QDate(2025, 1, 1), QStringLiteral("Deleted newest")).id));

    for (const QString& text : {QString(), QStringLiteral("---")}) {
        const QList<RegisterRow> rows = m->repo.search(text, {});
        QCOMPARE(rows.size(), 200);
        QCOMPARE(rows.first().payee, QStringLiteral("Row 204"));
        QCOMPARE(rows.last().payee, QStringLiteral("Row 5"));
    }
    // The cap holds for a full-text match as well.
    QCOMPARE(m->repo.search(QStringLiteral("row"), {}).size(), 200);
}

void TestRegisterRows::openingBalancePayeeAndId()
{
    // The last two: what an earlier catalogue gave the sample data's opening rows, still in stored ledgers.
    for (const char* payee : {"Opening Balance", "  Saldo Inicial  ", "SOLDE D'OUVERTURE", "期首残高", "Anfangssaldo\t",
                              "Solde initial", "開始残高"})
        QVERIFY2(isOpeningBalancePayee(QString::fromUtf8(payee)), payee);
    for (const char* payee : {"Opening Balances", "Opening  Balance", ""})
        QVERIFY2(!isOpeningBalancePayee(QLatin1String(payee)), payee);
    QCOMPARE(openingBalanceTransactionId(QStringLiteral("abc")), QStringLiteral("ef57fca8-a550-569e-a2fd-460af988fd33"));

    // Whatever language wrote the opening line, every language recognises it.
    QStringList translated;
    for (const char* language : {"en", "es", "fr", "ja", "de"}) {
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/i18n/vellumry_%1.qm").arg(QLatin1String(language))));
        QVERIFY(QCoreApplication::installTranslator(&translator));
        const QString payee = TransactionRepository::openingBalancePayee();
        translated.append(payee.toLower());
        QVERIFY2(isOpeningBalancePayee(payee), qPrintable(payee));
        if (qstrcmp(language, "de") == 0)
            QCOMPARE(m->repo.registerRows(kChecking).at(0).payee, QStringLiteral("Anfangssaldo"));
        QCoreApplication::removeTranslator(&translator);
    }
    QCOMPARE(translated, openingBalanceWords().first(5));
}

void TestRegisterRows::openingBalanceTransaction()
{
    QVERIFY(!m->repo.openingBalanceTransaction(kSavings));
    const Transaction ordinary = add(kSavings, QDate(2023, 1, 1), QStringLiteral("Deposit"), 10);
    const Transaction deleted = add(kSavings, QDate(2023, 6, 1), QStringLiteral("Opening Balance"), 1);
    const Transaction opening = add(kSavings, QDate(2024, 1, 1), QStringLiteral(" saldo inicial "), 100);
    const Transaction later = add(kSavings, QDate(2024, 2, 1), QStringLiteral("Opening Balance"), 200);
    QVERIFY(m->repo.softDelete(deleted.id));
    QVERIFY(!m->repo.isOpeningBalanceTransaction(ordinary));
    QVERIFY(m->repo.isOpeningBalanceTransaction(opening));
    QVERIFY(!m->repo.isOpeningBalanceTransaction(later));
    QCOMPARE(m->repo.openingBalanceTransaction(kSavings)->id, opening.id);

    // A tie on the date goes to the latest created, both ways of asking.
    const Transaction second = add(kSavings, QDate(2024, 1, 1), QStringLiteral("Anfangssaldo"), 200);
    QCOMPARE(m->repo.openingBalanceTransaction(kSavings)->id, second.id);
    QVERIFY(m->repo.isOpeningBalanceTransaction(second));
    QVERIFY(!m->repo.isOpeningBalanceTransaction(opening));

    // The SQL side trims blanks only; the walk over the rows trims every white space.
    const Transaction tabbed = add(kSavings, QDate(2023, 3, 1), QStringLiteral("Opening Balance\t"), 300);
    QVERIFY(!m->repo.isOpeningBalanceTransaction(tabbed));
    QCOMPARE(m->repo.openingBalanceTransaction(kSavings)->id, tabbed.id);

    // The probe asks SQL alone whether the account has an opening line, and how early its rows go.
    OpeningBalanceProbe probe = m->repo.openingBalanceProbe(kChecking);
    QVERIFY(!probe.hasOpeningBalance);
    QVERIFY(!probe.earliestDate.isValid());

    add(kChecking, QDate(2024, 2, 1), QStringLiteral("Deposit"), 10);
    const Transaction early = add(kChecking, QDate(2023, 5, 1), QStringLiteral("Opening Balance"), 10);
    probe = m->repo.openingBalanceProbe(kChecking);
    QVERIFY(probe.hasOpeningBalance);
    QCOMPARE(probe.earliestDate, QDate(2023, 5, 1));

    QVERIFY(m->repo.softDelete(early.id));
    add(kChecking, QDate(2023, 1, 1), QStringLiteral("ANFANGSSALDO\t"), 10); // the SQL does not trim tabs
    probe = m->repo.openingBalanceProbe(kChecking);
    QVERIFY(!probe.hasOpeningBalance);
    QCOMPARE(probe.earliestDate, QDate(2023, 1, 1));

    // A word an earlier catalogue wrote still makes the opening line, in SQL as well.
    const Transaction former = add(kChecking, QDate(2022, 12, 1), QStringLiteral("Solde initial"), 10);
    probe = m->repo.openingBalanceProbe(kChecking);
    QVERIFY(probe.hasOpeningBalance);
    QVERIFY(m->repo.isOpeningBalanceTransaction(former));
}

void TestRegisterRows::readFailuresLogAndGiveNothing()
{
    m.reset();
    TempDatabase empty(TempDatabase::Migrate::No);
    QVERIFY(empty.isReady());
    TransactionRepository repo(empty.database());
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^TransactionRepository::openingBalanceProbe failed: .+")));
    const OpeningBalanceProbe probe = repo.openingBalanceProbe(kSavings);
    QVERIFY(!probe.hasOpeningBalance);
    // The other reads stay silent and empty.
    QVERIFY(repo.registerRows(kSavings).isEmpty());
    QVERIFY(repo.search(QStringLiteral("x"), {}).isEmpty());
    QCOMPARE(repo.balance(kSavings, BalanceMode::Current), qint64(0));
}

VELLUMRY_TEST_GUILESS_MAIN(TestRegisterRows)
#include "tst_registerrows.moc"
