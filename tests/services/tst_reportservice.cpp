#include "TempDatabase.h"
#include "TestMain.h"

#include "services/ReportService.h"
#include "services/SqliteRows.h"

#include <QCoreApplication>
#include <QScopeGuard>
#include <QTranslator>

namespace {

const QDate kJan1(2024, 1, 1);
const QDate kMar31(2024, 3, 31);

QVariant textOrNull(const char* text)
{
    return text ? QVariant(QString::fromUtf8(text)) : QVariant(QMetaType::fromType<QString>());
}

struct AccountFixture
{
    const char* id;
    const char* name;
    const char* type = "checking";
    const char* currency = "USD";
    qint64 startingBalance = 0;
    int sortOrder = 0;
    bool deleted = false;
};

bool addAccount(TempDatabase& db, const AccountFixture& a)
{
    return db.exec(QStringLiteral("INSERT INTO accounts (id, name, account_type, currency, starting_balance, sort_order, "
                                  "created_at, updated_at, deleted_at) VALUES (?, ?, ?, ?, ?, ?, '2024-01-01T00:00:00Z', "
                                  "'2024-01-01T00:00:00Z', ?)"),
                   {a.id, a.name, a.type, a.currency, QVariant::fromValue<qint64>(a.startingBalance), a.sortOrder,
                    textOrNull(a.deleted ? "2024-01-02T00:00:00Z" : nullptr)});
}

struct CategoryFixture
{
    const char* id;
    const char* name;
    const char* parent = nullptr;
    const char* taxKey = nullptr;   // set: tax-relevant
    bool deleted = false;
};

bool addCategory(TempDatabase& db, const CategoryFixture& c)
{
    return db.exec(QStringLiteral("INSERT INTO categories (id, name, parent_id, is_tax_relevant, tax_category, "
                                  "created_at, updated_at, deleted_at) VALUES (?, ?, ?, ?, ?, '2024-01-01T00:00:00Z', "
                                  "'2024-01-01T00:00:00Z', ?)"),
                   {c.id, c.name, textOrNull(c.parent), c.taxKey ? 1 : 0, textOrNull(c.taxKey),
                    textOrNull(c.deleted ? "2024-01-02T00:00:00Z" : nullptr)});
}

struct TxnFixture
{
    const char* id;
    const char* account;
    const char* date;
    const char* payee;
    qint64 amount;
    const char* category = nullptr;
    bool cleared = false;
    bool reconciled = false;
    const char* link = nullptr;     // "" is stored as the empty text, nullptr as NULL
    const char* memo = nullptr;
    bool deleted = false;
};

bool addTransaction(TempDatabase& db, const TxnFixture& t)
{
    return db.exec(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, "
                                  "cleared, reconciled, transfer_link_id, created_at, updated_at, deleted_at) VALUES "
                                  "(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z', ?)"),
                   {t.id, t.account, t.date, t.payee, textOrNull(t.memo), QVariant::fromValue<qint64>(t.amount),
                    textOrNull(t.category), t.cleared ? 1 : 0, t.reconciled ? 1 : 0, textOrNull(t.link),
                    textOrNull(t.deleted ? "2024-04-01T00:00:00Z" : nullptr)});
}

// The ledger most cases read: two USD accounts with a transfer between them, a
// EUR account, an empty account with an unknown currency code and a deleted one.
bool buildLedger(TempDatabase& db)
{
    bool ok = db.isReady();
    ok = ok && addAccount(db, {.id = "chk", .name = "Checking", .startingBalance = 10000});
    ok = ok && addAccount(db, {.id = "card", .name = "Card", .type = "credit_card", .startingBalance = -5000,
                               .sortOrder = 1});
    ok = ok && addAccount(db, {.id = "empty", .name = "Alpha Empty", .type = "other", .currency = "XYZ",
                               .startingBalance = 700, .sortOrder = 1});
    ok = ok && addAccount(db, {.id = "eur", .name = "Euro Savings", .type = "savings", .currency = "EUR",
                               .sortOrder = 2});
    ok = ok && addAccount(db, {.id = "gone", .name = "Closed", .sortOrder = 3, .deleted = true});

    ok = ok && addCategory(db, {.id = "food", .name = "Food"});
    ok = ok && addCategory(db, {.id = "salary", .name = "Salary"});
    ok = ok && addCategory(db, {.id = "med", .name = "Medical", .taxKey = "medical"});
    ok = ok && addCategory(db, {.id = "char", .name = "Charity", .taxKey = "charity", .deleted = true});
    ok = ok && addCategory(db, {.id = "int", .name = "Interest", .taxKey = "interest"});
    ok = ok && addCategory(db, {.id = "home", .name = "Home"});
    ok = ok && addCategory(db, {.id = "car", .name = "Car"});
    ok = ok && addCategory(db, {.id = "maint1", .name = "Maintenance", .parent = "home"});
    ok = ok && addCategory(db, {.id = "maint2", .name = "Maintenance", .parent = "car"});

    const TxnFixture rows[] = {
        {"t1", "chk", "2024-01-05", "Grocer", -2000, "food", true, false, nullptr, "weekly"},
        {"t2", "chk", "2024-01-20", "Employer", 300000, "salary", true},
        {"t3", "chk", "2024-02-10", "Grocer", -3000, "food"},
        {"t4", "chk", "2024-02-15", "Transfer", -50000, nullptr, false, false, "t5"},
        {"t5", "card", "2024-02-15", "Transfer", 50000, nullptr, false, false, "t4"},
        // Reconciled without the cleared flag: counts as uncleared.
        {"t6", "chk", "2024-02-29", "Doctor", -12000, "med", false, true},
        {"t7", "card", "2024-03-31", "Hardware", -4000, "maint1", true},
        {"t8", "card", "2024-03-31", "Garage", -6500, "maint2"},
        {"t9", "chk", "2024-03-01", "Grocer", -1000},
        {"t10", "chk", "2024-03-02", "Grocer", -500, "food", true, false, nullptr, nullptr, true},
        {"t11", "eur", "2024-03-03", "Bank", 150, "int"},
        {"t12", "chk", "2024-01-10", "Church", -2500, "char"},
        {"t13", "chk", "2024-03-05", "Refund", 700, "food"},
        {"t14", "chk", "2024-02-01", "grocer", -100, "food"},
        // An empty link is no transfer.
        {"t15", "chk", "2024-02-20", "Card payment", -800, nullptr, false, false, ""},
        {"t16", "chk", "2023-12-31", "Grocer", -777, "food"},
        {"t17", "chk", "2024-04-01", "Grocer", -888, "food"},
    };
    for (const TxnFixture& row : rows)
        ok = ok && addTransaction(db, row);
    return ok;
}

QStringList monthsOf(const QList<MonthlyTotalsRow>& rows)
{
    QStringList months;
    for (const MonthlyTotalsRow& row : rows)
        months.append(row.month);
    return months;
}

} // namespace

class TestReportService : public QObject
{
    Q_OBJECT

private slots:
    void accountSummaryCoversEveryLiveAccount();
    void monthlyReportsAndTransfers();
    void categorySpendingCountsOnlySpending();
    void uncategorizedLabelIsTranslated();
    void payeeSummaryGroupsByExactText();
    void taxReportCoversEveryAccount();
    void transactionListingFiltersAndOrders_data();
    void transactionListingFiltersAndOrders();
    void periodBounds();
    void yearOverYearMergesBothPeriods();
    void runCurrencyTellsMixedRuns();
    void toCsvQuoting_data();
    void toCsvQuoting();
};

void TestReportService::accountSummaryCoversEveryLiveAccount()
{
    TempDatabase db;
    QVERIFY(buildLedger(db));
    ReportService service(db.database());

    const QList<AccountSummaryRow> rows = service.accountSummary();
    QCOMPARE(rows.size(), 4);

    // By sort order, then name; the deleted account is left out.
    QCOMPARE(rows[0].name, QStringLiteral("Checking"));
    QCOMPARE(rows[0].accountType, QStringLiteral("checking"));
    QCOMPARE(rows[0].currency, Currency::USD);
    QCOMPARE(rows[0].clearedBalance, 10000 - 2000 + 300000);
    QCOMPARE(rows[0].unclearedSum, -3000 - 50000 - 12000 - 1000 - 2500 + 700 - 100 - 800 - 777 - 888);
    QCOMPARE(rows[0].balance, rows[0].clearedBalance + rows[0].unclearedSum);

    // No transactions: both balances are the starting balance; an unknown code reads as USD.
    QCOMPARE(rows[1].name, QStringLiteral("Alpha Empty"));
    QCOMPARE(rows[1].accountType, QStringLiteral("other"));
    QCOMPARE(rows[1].currency, Currency::USD);
    QCOMPARE(rows[1].clearedBalance, 700);
    QCOMPARE(rows[1].unclearedSum, 0);
    QCOMPARE(rows[1].balance, 700);

    QCOMPARE(rows[2].name, QStringLiteral("Card"));
    QCOMPARE(rows[2].accountType, QStringLiteral("credit_card"));
    QCOMPARE(rows[2].clearedBalance, -5000 - 4000);
    QCOMPARE(rows[2].unclearedSum, 50000 - 6500);
    QCOMPARE(rows[2].balance, -5000 - 4000 + 50000 - 6500);

    QCOMPARE(rows[3].name, QStringLiteral("Euro Savings"));
    QCOMPARE(rows[3].currency, Currency::EUR);
    QCOMPARE(rows[3].balance, 150);
}

void TestReportService::monthlyReportsAndTransfers()
{
    TempDatabase db;
    QVERIFY(buildLedger(db));
    ReportService service(db.database());

    // Both transfer legs count in cash flow; the rows of the 31st (the to date) too.
    const QList<MonthlyTotalsRow> cash = service.cashFlow(kJan1, kMar31, QString());
    QCOMPARE(monthsOf(cash), QStringList({"2024-01", "2024-02", "2024-03"}));
    QCOMPARE(cash[0].inflows, 300000);
    QCOMPARE(cash[0].outflows, -4500);
    QCOMPARE(cash[0].net, 295500);
    QCOMPARE(cash[1].inflows, 50000);
    QCOMPARE(cash[1].outflows, -3000 - 50000 - 12000 - 100 - 800);
    QCOMPARE(cash[2].inflows, 150 + 700);
    QCOMPARE(cash[2].outflows, -4000 - 6500 - 1000);
    QCOMPARE(cash[2].net, 850 - 11500);

    // Neither leg of the linked transfer counts as income or expense; the row
    // with an empty link does.
    const QList<MonthlyTotalsRow> income = service.incomeVsExpenses(kJan1, kMar31, QString());
    QCOMPARE(monthsOf(income), monthsOf(cash));
    QCOMPARE(income[0].inflows, cash[0].inflows);
    QCOMPARE(income[1].inflows, 0);
    QCOMPARE(income[1].outflows, -3000 - 12000 - 100 - 800);
    QCOMPARE(income[1].net, -15900);
    QCOMPARE(income[2].net, cash[2].net);

    // One account.
    const QList<MonthlyTotalsRow> card = service.cashFlow(kJan1, kMar31, QStringLiteral("card"));
    QCOMPARE(monthsOf(card), QStringList({"2024-02", "2024-03"}));
    QCOMPARE(card[0].inflows, 50000);
    QCOMPARE(card[0].outflows, 0);
    QCOMPARE(card[1].outflows, -10500);
    QCOMPARE(monthsOf(service.incomeVsExpenses(kJan1, kMar31, QStringLiteral("card"))), QStringList({"2024-03"}));
}

void TestReportService::categorySpendingCountsOnlySpending()
{
    TempDatabase db;
    QVERIFY(buildLedger(db));
    ReportService service(db.database());

    const QList<CategoryTotalRow> rows = service.categorySpending(kJan1, kMar31, QString());
    QStringList names;
    QList<qint64> totals;
    for (const CategoryTotalRow& row : rows) {
        names.append(row.name);
        totals.append(row.total);
    }
    // Largest spending first; the refund in Food does not offset it; the two
    // Maintenance categories make one row; a deleted category still counts.
    QCOMPARE(names, QStringList({"Uncategorized", "Medical", "Maintenance", "Food", "Charity"}));
    QCOMPARE(totals, QList<qint64>({-51800, -12000, -10500, -5100, -2500}));

    const QList<CategoryTotalRow> card = service.categorySpending(kJan1, kMar31, QStringLiteral("card"));
    QCOMPARE(card.size(), 1);
    QCOMPARE(card[0].name, QStringLiteral("Maintenance"));
    QCOMPARE(card[0].total, -10500);
}

void TestReportService::uncategorizedLabelIsTranslated()
{
    TempDatabase db;
    QVERIFY(buildLedger(db));
    ReportService service(db.database());

    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/i18n/vellumry_de.qm")));
    QCoreApplication::installTranslator(&translator);
    const QList<CategoryTotalRow> spending = service.categorySpending(kJan1, kMar31, QString());
    const QMap<QString, qint64> totals = service.categoryTotals(kJan1, kMar31, QString());
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(spending[0].name, QStringLiteral("Ohne Kategorie"));
    QCOMPARE(spending[0].total, -51800);
    QCOMPARE(totals.value(QStringLiteral("Ohne Kategorie")), -51800 + 50000);
    QVERIFY(!totals.contains(QStringLiteral("Uncategorized")));
}

void TestReportService::payeeSummaryGroupsByExactText()
{
    TempDatabase db;
    QVERIFY(buildLedger(db));
    ReportService service(db.database());

    const QList<PayeeSummaryRow> rows = service.payeeSummary(kJan1, kMar31, QString());
    QCOMPARE(rows.size(), 11);
    QCOMPARE(rows.first().payee, QStringLiteral("Doctor"));
    QCOMPARE(rows.last().payee, QStringLiteral("Employer"));
    for (qsizetype i = 1; i < rows.size(); ++i)
        QVERIFY2(rows[i - 1].total <= rows[i].total, qPrintable(rows[i].payee));

    QHash<QString, PayeeSummaryRow> byPayee;
    for (const PayeeSummaryRow& row : rows)
        byPayee.insert(row.payee, row);
    // The deleted row and those outside the period are not counted; "grocer" is another payee.
    QCOMPARE(byPayee[QStringLiteral("Grocer")].total, -6000);
    QCOMPARE(byPayee[QStringLiteral("Grocer")].count, 3);
    QCOMPARE(byPayee[QStringLiteral("grocer")].total, -100);
    QCOMPARE(byPayee[QStringLiteral("grocer")].count, 1);
    QCOMPARE(byPayee[QStringLiteral("Transfer")].total, 0);
    QCOMPARE(byPayee[QStringLiteral("Transfer")].count, 2);

    const QList<PayeeSummaryRow> card = service.payeeSummary(kJan1, kMar31, QStringLiteral("card"));
    QCOMPARE(card.size(), 3);
    QCOMPARE(card[0].payee, QStringLiteral("Garage"));
}

void TestReportService::taxReportCoversEveryAccount()
{
    TempDatabase db;
    QVERIFY(buildLedger(db));
    ReportService service(db.database());

    // By tax key: the deleted Charity category still counts, the EUR account's
    // interest is there although most of the ledger is in USD.
    const QList<TaxReportRow> rows = service.taxReport(kJan1, kMar31);
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows[0].name, QStringLiteral("Charity"));
    QCOMPARE(rows[0].taxCategory, QStringLiteral("charity"));
    QCOMPARE(rows[0].total, -2500);
    QCOMPARE(rows[1].name, QStringLiteral("Interest"));
    QCOMPARE(rows[1].total, 150);
    QCOMPARE(rows[2].name, QStringLiteral("Medical"));
    QCOMPARE(rows[2].taxCategory, QStringLiteral("medical"));
    QCOMPARE(rows[2].total, -12000);

    // So its figures are judged over every account, whatever account is chosen.
    QVERIFY(service.runCurrency(QStringLiteral("chk")).uniform);
    QVERIFY(!service.taxReportCurrency().uniform);
}

void TestReportService::transactionListingFiltersAndOrders_data()
{
    QTest::addColumn<bool>("direct");
    QTest::newRow("read on the SQLite handle") << true;
    QTest::newRow("read through QSqlQuery") << false;
}

void TestReportService::transactionListingFiltersAndOrders()
{
    QFETCH(bool, direct);
    TempDatabase db;
    QVERIFY(buildLedger(db));
    ReportService service(db.database());
    SqliteRows::setEnabled(direct);
    const auto restore = qScopeGuard([] { SqliteRows::setEnabled(true); });
    QCOMPARE(SqliteRows::available(db.sql()), direct);

    const QList<TransactionListingRow> rows = service.transactionListing(kJan1, kMar31, QString(), QString());
    QCOMPARE(rows.size(), 14);
    QStringList order;
    for (const TransactionListingRow& row : rows)
        order.append(row.date.toString(Qt::ISODate) + QLatin1Char(' ') + row.payee);
    QCOMPARE(order.mid(0, 5), QStringList({"2024-01-05 Grocer", "2024-01-10 Church", "2024-01-20 Employer",
                                           "2024-02-01 grocer", "2024-02-10 Grocer"}));
    QCOMPARE(order.last(), QStringLiteral("2024-03-31 Hardware"));
    QCOMPARE(order.at(order.size() - 2), QStringLiteral("2024-03-31 Garage"));

    const TransactionListingRow& first = rows.first();
    QCOMPARE(first.date, QDate(2024, 1, 5));
    QCOMPARE(first.accountName, QStringLiteral("Checking"));
    QCOMPARE(first.currency, Currency::USD);
    QCOMPARE(first.categoryName, QStringLiteral("Food"));
    QCOMPARE(first.memo, QStringLiteral("weekly"));
    QCOMPARE(first.amount, -2000);
    // The category's own name, not its path; no memo and no category read as empty.
    QCOMPARE(rows.last().categoryName, QStringLiteral("Maintenance"));
    QCOMPARE(rows.last().memo, QString());
    for (const TransactionListingRow& row : rows) {
        if (row.payee == QLatin1String("Bank"))
            QCOMPARE(row.currency, Currency::EUR);
        if (row.payee == QLatin1String("Card payment"))
            QCOMPARE(row.categoryName, QString());
    }

    QCOMPARE(service.transactionListing(kJan1, kMar31, QString(), QStringLiteral("food")).size(), 4);
    QCOMPARE(service.transactionListing(kJan1, kMar31, QStringLiteral("chk"), QStringLiteral("food")).size(), 4);
    QCOMPARE(service.transactionListing(kJan1, kMar31, QStringLiteral("card"), QStringLiteral("food")).size(), 0);
    QCOMPARE(service.transactionListing(kJan1, kMar31, QStringLiteral("card"), QString()).size(), 3);

    // Rows whose account or category row is gone (as the foreign keys normally
    // prevent): no account name, USD, no category name; an unreadable date stays invalid.
    QVERIFY(db.exec(QStringLiteral("PRAGMA foreign_keys=OFF")));
    QVERIFY(addTransaction(db, {"orphan", "nowhere", "2024-01-02", "Ghost", -1, "nothing", false, false, nullptr,
                                "Caf\u00e9 \u6771\u4eac"}));
    QVERIFY(addTransaction(db, {"odd", "eur", "2024-01-0x", "Odd date", 5}));
    QVERIFY(db.exec(QStringLiteral("PRAGMA foreign_keys=ON")));
    const QList<TransactionListingRow> withOrphan = service.transactionListing(kJan1, kMar31, QString(), QString());
    QCOMPARE(withOrphan.size(), 16);
    const TransactionListingRow& orphan = withOrphan.at(0);
    QCOMPARE(orphan.payee, QStringLiteral("Ghost"));
    QCOMPARE(orphan.accountName, QString());
    QCOMPARE(orphan.currency, Currency::USD);
    QCOMPARE(orphan.categoryName, QString());
    QCOMPARE(orphan.memo, QStringLiteral("Caf\u00e9 \u6771\u4eac"));
    QCOMPARE(orphan.date, QDate(2024, 1, 2));
    const TransactionListingRow& odd = withOrphan.at(2);
    QCOMPARE(odd.payee, QStringLiteral("Odd date"));
    QVERIFY(!odd.date.isValid());
    QCOMPARE(odd.accountName, QStringLiteral("Euro Savings"));
    QCOMPARE(odd.currency, Currency::EUR);
}

void TestReportService::periodBounds()
{
    TempDatabase db;
    QVERIFY(buildLedger(db));
    ReportService service(db.database());

    // A period that ends before it starts gives nothing, but the account summary takes no period.
    const QDate from(2024, 3, 1);
    const QDate to(2024, 2, 1);
    QVERIFY(service.cashFlow(from, to, QString()).isEmpty());
    QVERIFY(service.incomeVsExpenses(from, to, QString()).isEmpty());
    QVERIFY(service.categorySpending(from, to, QString()).isEmpty());
    QVERIFY(service.payeeSummary(from, to, QString()).isEmpty());
    QVERIFY(service.taxReport(from, to).isEmpty());
    QVERIFY(service.transactionListing(from, to, QString(), QString()).isEmpty());
    QVERIFY(service.yearOverYear(from, to, from, to, QString()).isEmpty());
    QCOMPARE(service.accountSummary().size(), 4);

    // A single day, on both ends.
    QCOMPARE(service.transactionListing(kMar31, kMar31, QString(), QString()).size(), 2);

    // No start date admits everything before the end; no end date admits nothing.
    QCOMPARE(monthsOf(service.cashFlow(QDate(), kMar31, QString())),
             QStringList({"2023-12", "2024-01", "2024-02", "2024-03"}));
    QCOMPARE(service.transactionListing(QDate(), QDate(2099, 1, 1), QString(), QString()).size(), 16);
    QVERIFY(service.transactionListing(kJan1, QDate(), QString(), QString()).isEmpty());
}

void TestReportService::yearOverYearMergesBothPeriods()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    QVERIFY(addAccount(db, {.id = "a1", .name = "One"}));
    QVERIFY(addAccount(db, {.id = "a2", .name = "Two"}));
    QVERIFY(addCategory(db, {.id = "food", .name = "Food"}));
    QVERIFY(addCategory(db, {.id = "gifts", .name = "Gifts"}));
    QVERIFY(addCategory(db, {.id = "bills", .name = "bills"}));
    QVERIFY(addCategory(db, {.id = "travel", .name = "Travel"}));
    const TxnFixture rows[] = {
        {"p1a", "a1", "2023-02-01", "Shop", -1000, "food"},
        {"p1b", "a1", "2023-05-01", "Power", -3000, "bills"},
        {"p1c", "a1", "2023-06-01", "Shop", 200, "food"},
        {"p2a", "a1", "2024-02-01", "Shop", -1500, "food"},
        {"p2b", "a1", "2024-03-01", "Florist", -700, "gifts"},
        {"p2c", "a1", "2024-04-01", "Kiosk", -50},
        {"p2d", "a2", "2024-05-01", "Shop", -9999, "food"},
        {"p2e", "a1", "2024-05-02", "Shop", -4444, "travel", false, false, nullptr, nullptr, true},
    };
    for (const TxnFixture& row : rows)
        QVERIFY(addTransaction(db, row));
    ReportService service(db.database());
    const QDate p1From(2023, 1, 1), p1To(2023, 12, 31), p2From(2024, 1, 1), p2To(2024, 12, 31);

    const QList<YearOverYearRow> yoy = service.yearOverYear(p1From, p1To, p2From, p2To, QStringLiteral("a1"));
    QCOMPARE(yoy.size(), 4);
    // Ordinal order: upper-case initials before lower-case ones; Travel has no live rows.
    QCOMPARE(yoy[0].category, QStringLiteral("Food"));
    QCOMPARE(yoy[0].period1Total, -800);
    QCOMPARE(yoy[0].period2Total, -1500);
    QCOMPARE(yoy[0].difference, -700);
    QCOMPARE(yoy[1].category, QStringLiteral("Gifts"));
    QCOMPARE(yoy[1].period1Total, 0);
    QCOMPARE(yoy[1].difference, -700);
    QCOMPARE(yoy[2].category, QStringLiteral("Uncategorized"));
    QCOMPARE(yoy[2].period2Total, -50);
    QCOMPARE(yoy[3].category, QStringLiteral("bills"));
    QCOMPARE(yoy[3].period1Total, -3000);
    QCOMPARE(yoy[3].period2Total, 0);
    QCOMPARE(yoy[3].difference, 3000);

    // Without the account filter the second account's food counts too.
    const QMap<QString, qint64> all = service.categoryTotals(p2From, p2To, QString());
    QCOMPARE(all.value(QStringLiteral("Food")), -1500 - 9999);
    QCOMPARE(all.keys(), QStringList({"Food", "Gifts", "Uncategorized"}));
}

void TestReportService::runCurrencyTellsMixedRuns()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    ReportService service(db.database());

    // An empty ledger: USD, nothing to mix.
    QCOMPARE(service.runCurrency(QString()).currency, Currency::USD);
    QVERIFY(service.runCurrency(QString()).uniform);

    QVERIFY(addAccount(db, {.id = "e1", .name = "Euro", .currency = "EUR"}));
    QVERIFY(addAccount(db, {.id = "e2", .name = "Euro too", .currency = "EUR"}));
    QCOMPARE(service.runCurrency(QString()).currency, Currency::EUR);
    QVERIFY(service.runCurrency(QString()).uniform);

    // A deleted GBP account without live rows adds nothing to any sum.
    QVERIFY(addAccount(db, {.id = "g", .name = "Pounds", .currency = "GBP", .deleted = true}));
    QVERIFY(service.runCurrency(QString()).uniform);
    // Once it holds a live row, that row is in every all-accounts sum.
    QVERIFY(addTransaction(db, {"g1", "g", "2024-01-01", "Tea", -300}));
    QVERIFY(!service.runCurrency(QString()).uniform);
    QVERIFY(!service.taxReportCurrency().uniform);
    QVERIFY(db.exec(QStringLiteral("UPDATE transactions SET deleted_at = '2024-02-01T00:00:00Z'")));
    QVERIFY(service.runCurrency(QString()).uniform);

    // One account is always uniform, in its own currency (a deleted one too).
    QVERIFY(addAccount(db, {.id = "y", .name = "Yen", .currency = "JPY"}));
    const ReportCurrency all = service.runCurrency(QString());
    QVERIFY(!all.uniform);
    const ReportCurrency yen = service.runCurrency(QStringLiteral("y"));
    QCOMPARE(yen.currency, Currency::JPY);
    QVERIFY(yen.uniform);
    QCOMPARE(service.runCurrency(QStringLiteral("g")).currency, Currency::GBP);
    // An account that is not there formats in USD.
    QCOMPARE(service.runCurrency(QStringLiteral("nobody")).currency, Currency::USD);
    QVERIFY(service.runCurrency(QStringLiteral("nobody")).uniform);

    // Codes the program does not know read as USD, so they do not mix with it.
    TempDatabase other;
    ReportService second(other.database());
    QVERIFY(addAccount(other, {.id = "u", .name = "Dollars"}));
    QVERIFY(addAccount(other, {.id = "x", .name = "Odd", .currency = "usd"}));
    QVERIFY(second.runCurrency(QString()).uniform);
    QCOMPARE(second.runCurrency(QString()).currency, Currency::USD);
}

void TestReportService::toCsvQuoting_data()
{
    QTest::addColumn<QStringList>("headers");
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::addColumn<QString>("csv");

    QTest::newRow("quotes doubled in data")
        << QStringList{"Date"} << QList<QStringList>{{QStringLiteral("\"\"")}} << "\"Date\"\n\"\"\"\"\"\"\n";
    QTest::newRow("header quote kept as it is")
        << QStringList{"Say \"hi\"", "Total"} << QList<QStringList>{} << "\"Say \"hi\"\",\"Total\"\n";
    QTest::newRow("every field quoted, numbers too")
        << QStringList{"Payee", "Total", "Count"}
        << QList<QStringList>{{"Shop, Inc.", "$1,234.50", "3"}, {"Caf\u00e9", "-$0.99", "1"}}
        << QStringLiteral("\"Payee\",\"Total\",\"Count\"\n\"Shop, Inc.\",\"$1,234.50\",\"3\"\n"
                          "\"Caf\u00e9\",\"-$0.99\",\"1\"\n");
    QTest::newRow("no headers, empty row")
        << QStringList{} << QList<QStringList>{{}, {"a"}} << "\n\n\"a\"\n";
    QTest::newRow("line break inside a field")
        << QStringList{"Memo"} << QList<QStringList>{{"two\nlines"}} << "\"Memo\"\n\"two\nlines\"\n";
}

void TestReportService::toCsvQuoting()
{
    QFETCH(QStringList, headers);
    QFETCH(QList<QStringList>, rows);
    QFETCH(QString, csv);
    QCOMPARE(ReportService::toCsv(headers, rows), csv);
}

VELLUMRY_TEST_GUILESS_MAIN(TestReportService)
#include "tst_reportservice.moc"
