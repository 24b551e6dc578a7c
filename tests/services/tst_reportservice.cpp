#include "HeldSum.h"
#include "TempDatabase.h"
#include "TestMain.h"

#include "services/ReportService.h"
#include "data/SqliteRows.h"

#include <QCoreApplication>
#include <QScopeGuard>
#include <QTranslator>

namespace {

const QDate kJan1(2024, 1, 1);
const QDate kMar31(2024, 3, 31);

// Inserts rows given as SQL value lists, each stamped at the start of 2024.
bool insert(TempDatabase& db, const char* table, const char* columns, const QStringList& rows)
{
    QStringList values;
    for (const QString& row : rows)
        values.append(u'(' + row + QStringLiteral(", '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')"));
    return db.exec(QStringLiteral("INSERT INTO %1 (%2, created_at, updated_at) VALUES %3")
                       .arg(QLatin1String(table), QLatin1String(columns), values.join(QStringLiteral(", "))));
}

const char* const kAccountColumns = "id, name, account_type, currency, starting_balance, sort_order, deleted_at";
const char* const kCategoryColumns = "id, name, parent_id, is_tax_relevant, tax_category, deleted_at";
const char* const kTransactionColumns =
    "id, account_id, date, payee, amount, category_id, cleared, reconciled, transfer_link_id, memo, deleted_at";

// The ledger most cases read: two USD accounts with a transfer between them, a
// EUR account, an empty account with an unknown currency code and a deleted one.
bool buildLedger(TempDatabase& db)
{
    const QString gone = QStringLiteral("'2024-01-02T00:00:00Z'");
    return db.isReady()
           && insert(db, "accounts", kAccountColumns,
                     {"'chk', 'Checking', 'checking', 'USD', 10000, 0, NULL",
                      "'card', 'Card', 'credit_card', 'USD', -5000, 1, NULL",
                      "'empty', 'Alpha Empty', 'other', 'XYZ', 700, 1, NULL",
                      "'eur', 'Euro Savings', 'savings', 'EUR', 0, 2, NULL",
                      "'gone', 'Closed', 'checking', 'USD', 0, 3, " + gone})
           && insert(db, "categories", kCategoryColumns,
                     {"'food', 'Food', NULL, 0, NULL, NULL", "'salary', 'Salary', NULL, 0, NULL, NULL",
                      "'med', 'Medical', NULL, 1, 'medical', NULL", "'char', 'Charity', NULL, 1, 'charity', " + gone,
                      "'int', 'Interest', NULL, 1, 'interest', NULL", "'home', 'Home', NULL, 0, NULL, NULL",
                      "'car', 'Car', NULL, 0, NULL, NULL", "'maint1', 'Maintenance', 'home', 0, NULL, NULL",
                      "'maint2', 'Maintenance', 'car', 0, NULL, NULL"})
           && insert(db, "transactions", kTransactionColumns,
                     {"'t1', 'chk', '2024-01-05', 'Grocer', -2000, 'food', 1, 0, NULL, 'weekly', NULL",
                      "'t2', 'chk', '2024-01-20', 'Employer', 300000, 'salary', 1, 0, NULL, NULL, NULL",
                      "'t3', 'chk', '2024-02-10', 'Grocer', -3000, 'food', 0, 0, NULL, NULL, NULL",
                      "'t4', 'chk', '2024-02-15', 'Transfer', -50000, NULL, 0, 0, 't5', NULL, NULL",
                      "'t5', 'card', '2024-02-15', 'Transfer', 50000, NULL, 0, 0, 't4', NULL, NULL",
                      // Reconciled without the cleared flag: counts as uncleared.
                      "'t6', 'chk', '2024-02-29', 'Doctor', -12000, 'med', 0, 1, NULL, NULL, NULL",
                      "'t7', 'card', '2024-03-31', 'Hardware', -4000, 'maint1', 1, 0, NULL, NULL, NULL",
                      "'t8', 'card', '2024-03-31', 'Garage', -6500, 'maint2', 0, 0, NULL, NULL, NULL",
                      "'t9', 'chk', '2024-03-01', 'Grocer', -1000, NULL, 0, 0, NULL, NULL, NULL",
                      "'t10', 'chk', '2024-03-02', 'Grocer', -500, 'food', 1, 0, NULL, NULL, '2024-04-01'",
                      "'t11', 'eur', '2024-03-03', 'Bank', 150, 'int', 0, 0, NULL, NULL, NULL",
                      "'t12', 'chk', '2024-01-10', 'Church', -2500, 'char', 0, 0, NULL, NULL, NULL",
                      "'t13', 'chk', '2024-03-05', 'Refund', 700, 'food', 0, 0, NULL, NULL, NULL",
                      "'t14', 'chk', '2024-02-01', 'grocer', -100, 'food', 0, 0, NULL, NULL, NULL",
                      // An empty link is no transfer.
                      "'t15', 'chk', '2024-02-20', 'Card payment', -800, NULL, 0, 0, '', NULL, NULL",
                      "'t16', 'chk', '2023-12-31', 'Grocer', -777, 'food', 0, 0, NULL, NULL, NULL",
                      "'t17', 'chk', '2024-04-01', 'Grocer', -888, 'food', 0, 0, NULL, NULL, NULL"});
}

QString text(const AccountSummaryRow& r)
{
    return QStringLiteral("%1 %2 %3 %4 %5 %6")
        .arg(r.name, r.accountType, currencyCode(r.currency))
        .arg(sumText(r.clearedBalance), sumText(r.unclearedSum), sumText(r.balance));
}

QString text(const MonthlyTotalsRow& r)
{
    return QStringLiteral("%1 %2 %3 %4").arg(r.month, sumText(r.inflows), sumText(r.outflows), sumText(r.net));
}

QString text(const CategoryTotalRow& r)
{
    return QStringLiteral("%1 %2").arg(r.name, sumText(r.total));
}

QString text(const PayeeSummaryRow& r)
{
    return QStringLiteral("%1 %2 %3").arg(r.payee, sumText(r.total)).arg(r.count);
}

QString text(const TaxReportRow& r)
{
    return QStringLiteral("%1 %2 %3").arg(r.name, r.taxCategory, sumText(r.total));
}

QString text(const TransactionListingRow& r)
{
    return QStringLiteral("%1 %2|%3|%4|%5|%6|%7")
        .arg(r.date.toString(Qt::ISODate), r.payee, r.accountName, currencyCode(r.currency), r.categoryName, r.memo)
        .arg(r.amount);
}

QString text(const YearOverYearRow& r)
{
    return QStringLiteral("%1 %2 %3 %4")
        .arg(r.category, sumText(r.period1Total), sumText(r.period2Total), sumText(r.difference));
}

template <typename Row>
QStringList texts(const QList<Row>& rows)
{
    QStringList list;
    for (const Row& row : rows)
        list.append(text(row));
    return list;
}

} // namespace

class TestReportService : public QObject
{
    Q_OBJECT

private slots:
    void accountSummaryCoversEveryLiveAccount();
    void monthlyReportsAndTransfers();
    void categorySpendingCountsOnlySpending();
    void payeeAndTaxReports();
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
    // By sort order, then name; the deleted account is left out; an empty account
    // has its starting balance, and an unknown currency code reads as USD.
    QCOMPARE(texts(ReportService(db.database()).accountSummary()),
             QStringList({"Checking checking USD 308000 -70365 237635", "Alpha Empty other USD 700 0 700",
                          "Card credit_card USD -9000 43500 34500", "Euro Savings savings EUR 0 150 150"}));
}

void TestReportService::monthlyReportsAndTransfers()
{
    TempDatabase db;
    QVERIFY(buildLedger(db));
    ReportService service(db.database());

    // Both transfer legs count in cash flow; the rows of the 31st (the to date) too.
    QCOMPARE(texts(service.cashFlow(kJan1, kMar31, QString())),
             QStringList({"2024-01 300000 -4500 295500", "2024-02 50000 -65900 -15900", "2024-03 850 -11500 -10650"}));
    // Neither leg of the linked transfer counts as income or expense; the row with an empty link does.
    QCOMPARE(texts(service.incomeVsExpenses(kJan1, kMar31, QString())),
             QStringList({"2024-01 300000 -4500 295500", "2024-02 0 -15900 -15900", "2024-03 850 -11500 -10650"}));
    QCOMPARE(texts(service.cashFlow(kJan1, kMar31, QStringLiteral("card"))),
             QStringList({"2024-02 50000 0 50000", "2024-03 0 -10500 -10500"}));
    QCOMPARE(texts(service.incomeVsExpenses(kJan1, kMar31, QStringLiteral("card"))),
             QStringList({"2024-03 0 -10500 -10500"}));
}

void TestReportService::categorySpendingCountsOnlySpending()
{
    TempDatabase db;
    QVERIFY(buildLedger(db));
    ReportService service(db.database());

    // Largest spending first; the refund in Food does not offset it; the two
    // Maintenance categories make one row; a deleted category still counts.
    QCOMPARE(texts(service.categorySpending(kJan1, kMar31, QString())),
             QStringList({"Uncategorized -51800", "Medical -12000", "Maintenance -10500", "Food -5100",
                          "Charity -2500"}));
    QCOMPARE(texts(service.categorySpending(kJan1, kMar31, QStringLiteral("card"))),
             QStringList({"Maintenance -10500"}));

    // The label of rows without a category is translated.
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/i18n/vellumry_de.qm")));
    QCoreApplication::installTranslator(&translator);
    const QList<CategoryTotalRow> spending = service.categorySpending(kJan1, kMar31, QString());
    const QMap<QString, MoneySum> totals = service.categoryTotals(kJan1, kMar31, QString());
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(text(spending.first()), QStringLiteral("Ohne Kategorie -51800"));
    QCOMPARE(totals.value(QStringLiteral("Ohne Kategorie")), -51800 + 50000);
    QVERIFY(!totals.contains(QStringLiteral("Uncategorized")));
}

void TestReportService::payeeAndTaxReports()
{
    TempDatabase db;
    QVERIFY(buildLedger(db));
    ReportService service(db.database());

    // Lowest total first; "grocer" is another payee than "Grocer"; deleted rows
    // and those outside the period are not counted.
    QCOMPARE(texts(service.payeeSummary(kJan1, kMar31, QString())),
             QStringList({"Doctor -12000 1", "Garage -6500 1", "Grocer -6000 3", "Hardware -4000 1", "Church -2500 1",
                          "Card payment -800 1", "grocer -100 1", "Transfer 0 2", "Bank 150 1", "Refund 700 1",
                          "Employer 300000 1"}));
    QCOMPARE(texts(service.payeeSummary(kJan1, kMar31, QStringLiteral("card"))),
             QStringList({"Garage -6500 1", "Hardware -4000 1", "Transfer 50000 1"}));

    // By tax key: the deleted Charity category still counts, and the EUR
    // account's interest is there, so its figures are judged over every account.
    QCOMPARE(texts(service.taxReport(kJan1, kMar31)),
             QStringList({"Charity charity -2500", "Interest interest 150", "Medical medical -12000"}));
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

    // By date, then the order the rows were written in; a category's own name, not its path.
    const QStringList rows = texts(service.transactionListing(kJan1, kMar31, QString(), QString()));
    QCOMPARE(rows.size(), 14);
    QCOMPARE(rows.mid(0, 3), QStringList({"2024-01-05 Grocer|Checking|USD|Food|weekly|-2000",
                                          "2024-01-10 Church|Checking|USD|Charity||-2500",
                                          "2024-01-20 Employer|Checking|USD|Salary||300000"}));
    QVERIFY(rows.contains(QStringLiteral("2024-02-20 Card payment|Checking|USD|||-800")));
    QVERIFY(rows.contains(QStringLiteral("2024-03-03 Bank|Euro Savings|EUR|Interest||150")));
    QCOMPARE(rows.mid(12), QStringList({"2024-03-31 Garage|Card|USD|Maintenance||-6500",
                                        "2024-03-31 Hardware|Card|USD|Maintenance||-4000"}));

    QCOMPARE(service.transactionListing(kJan1, kMar31, QString(), QStringLiteral("food")).size(), 4);
    QCOMPARE(service.transactionListing(kJan1, kMar31, QStringLiteral("chk"), QStringLiteral("food")).size(), 4);
    QCOMPARE(service.transactionListing(kJan1, kMar31, QStringLiteral("card"), QStringLiteral("food")).size(), 0);
    QCOMPARE(service.transactionListing(kJan1, kMar31, QStringLiteral("card"), QString()).size(), 3);

    // Rows whose account or category row is gone (as the foreign keys normally
    // prevent) read with no names, in USD; an unreadable date stays invalid.
    QVERIFY(db.exec(QStringLiteral("PRAGMA foreign_keys=OFF")));
    QVERIFY(insert(db, "transactions", kTransactionColumns,
                   {"'orphan', 'nowhere', '2024-01-02', 'Ghost', -1, 'nothing', 0, 0, NULL, 'Caf\u00e9 \u6771\u4eac', NULL",
                    "'odd', 'eur', '2024-01-0x', 'Odd date', 5, NULL, 0, 0, NULL, NULL, NULL"}));
    QVERIFY(db.exec(QStringLiteral("PRAGMA foreign_keys=ON")));
    const QStringList withOrphans = texts(service.transactionListing(kJan1, kMar31, QString(), QString()));
    QCOMPARE(withOrphans.size(), 16);
    QCOMPARE(withOrphans.at(0), QStringLiteral("2024-01-02 Ghost||USD||Caf\u00e9 \u6771\u4eac|-1"));
    QCOMPARE(withOrphans.at(2), QStringLiteral(" Odd date|Euro Savings|EUR|||5"));
}

void TestReportService::periodBounds()
{
    TempDatabase db;
    QVERIFY(buildLedger(db));
    ReportService service(db.database());

    // A period that ends before it starts gives nothing.
    const QDate from(2024, 3, 1);
    const QDate to(2024, 2, 1);
    QVERIFY(service.cashFlow(from, to, QString()).isEmpty());
    QVERIFY(service.incomeVsExpenses(from, to, QString()).isEmpty());
    QVERIFY(service.categorySpending(from, to, QString()).isEmpty());
    QVERIFY(service.payeeSummary(from, to, QString()).isEmpty());
    QVERIFY(service.taxReport(from, to).isEmpty());
    QVERIFY(service.transactionListing(from, to, QString(), QString()).isEmpty());
    QVERIFY(service.yearOverYear(from, to, from, to, QString()).isEmpty());

    // A single day, on both ends.
    QCOMPARE(service.transactionListing(kMar31, kMar31, QString(), QString()).size(), 2);
    // No start date admits everything before the end; no end date admits nothing.
    QCOMPARE(service.cashFlow(QDate(), kMar31, QString()).first().month, QStringLiteral("2023-12"));
    QCOMPARE(service.transactionListing(QDate(), QDate(2099, 1, 1), QString(), QString()).size(), 16);
    QVERIFY(service.transactionListing(kJan1, QDate(), QString(), QString()).isEmpty());
}

void TestReportService::yearOverYearMergesBothPeriods()
{
    TempDatabase db;
    QVERIFY(insert(db, "accounts", kAccountColumns,
                   {"'a1', 'One', 'checking', 'USD', 0, 0, NULL", "'a2', 'Two', 'checking', 'USD', 0, 0, NULL"}));
    QVERIFY(insert(db, "categories", kCategoryColumns,
                   {"'food', 'Food', NULL, 0, NULL, NULL", "'gifts', 'Gifts', NULL, 0, NULL, NULL",
                    "'bills', 'bills', NULL, 0, NULL, NULL", "'travel', 'Travel', NULL, 0, NULL, NULL"}));
    QVERIFY(insert(db, "transactions", kTransactionColumns,
                   {"'p1a', 'a1', '2023-02-01', 'Shop', -1000, 'food', 0, 0, NULL, NULL, NULL",
                    "'p1b', 'a1', '2023-05-01', 'Power', -3000, 'bills', 0, 0, NULL, NULL, NULL",
                    "'p1c', 'a1', '2023-06-01', 'Shop', 200, 'food', 0, 0, NULL, NULL, NULL",
                    "'p2a', 'a1', '2024-02-01', 'Shop', -1500, 'food', 0, 0, NULL, NULL, NULL",
                    "'p2b', 'a1', '2024-03-01', 'Florist', -700, 'gifts', 0, 0, NULL, NULL, NULL",
                    "'p2c', 'a1', '2024-04-01', 'Kiosk', -50, NULL, 0, 0, NULL, NULL, NULL",
                    "'p2d', 'a2', '2024-05-01', 'Shop', -9999, 'food', 0, 0, NULL, NULL, NULL",
                    "'p2e', 'a1', '2024-05-02', 'Shop', -4444, 'travel', 0, 0, NULL, NULL, '2024-06-01'"}));
    ReportService service(db.database());
    const QDate p1From(2023, 1, 1), p1To(2023, 12, 31), p2From(2024, 1, 1), p2To(2024, 12, 31);

    // Ordinal order: upper-case initials before lower-case ones; Travel has no live rows.
    QCOMPARE(texts(service.yearOverYear(p1From, p1To, p2From, p2To, QStringLiteral("a1"))),
             QStringList({"Food -800 -1500 -700", "Gifts 0 -700 -700", "Uncategorized 0 -50 -50",
                          "bills -3000 0 3000"}));
    // Without the account filter the second account's food counts too.
    const QMap<QString, MoneySum> all = service.categoryTotals(p2From, p2To, QString());
    QCOMPARE(all.keys(), QStringList({"Food", "Gifts", "Uncategorized"}));
    QCOMPARE(all.value(QStringLiteral("Food")), -1500 - 9999);
}

void TestReportService::runCurrencyTellsMixedRuns()
{
    const auto account = [](const char* id, const char* currency, const char* deletedAt = "NULL") {
        return QStringLiteral("'%1', '%1', 'checking', '%2', 0, 0, %3").arg(id, currency, deletedAt);
    };

    // Each ledger is the default connection: the first goes before the second opens.
    {
        TempDatabase db;
        ReportService service(db.database());
        const auto all = [&service] {
            const ReportCurrency run = service.runCurrency(QString());
            return currencyCode(run.currency) + (run.uniform ? QString() : QStringLiteral(" mixed"));
        };
        // An empty ledger: USD, nothing to mix.
        QCOMPARE(all(), QStringLiteral("USD"));
        QVERIFY(insert(db, "accounts", kAccountColumns, {account("e1", "EUR"), account("e2", "EUR")}));
        QCOMPARE(all(), QStringLiteral("EUR"));

        // A deleted GBP account without live rows adds nothing to any sum; once it
        // holds a live row, that row is in every all-accounts sum.
        QVERIFY(insert(db, "accounts", kAccountColumns, {account("g", "GBP", "'2024-01-02'")}));
        QCOMPARE(all(), QStringLiteral("EUR"));
        QVERIFY(insert(db, "transactions", "id, account_id, date, payee, amount",
                       {"'g1', 'g', '2024-01-01', 'Tea', -300"}));
        QVERIFY(!service.runCurrency(QString()).uniform);
        QVERIFY(!service.taxReportCurrency().uniform);
        QVERIFY(db.exec(QStringLiteral("UPDATE transactions SET deleted_at = '2024-02-01T00:00:00Z'")));
        QCOMPARE(all(), QStringLiteral("EUR"));

        // One account is always uniform, in its own currency (a deleted one too);
        // an account that is not there formats in USD.
        QVERIFY(insert(db, "accounts", kAccountColumns, {account("y", "JPY")}));
        QVERIFY(!service.runCurrency(QString()).uniform);
        QCOMPARE(service.runCurrency(QStringLiteral("y")).currency, Currency::JPY);
        QVERIFY(service.runCurrency(QStringLiteral("y")).uniform);
        QCOMPARE(service.runCurrency(QStringLiteral("g")).currency, Currency::GBP);
        QCOMPARE(service.runCurrency(QStringLiteral("nobody")).currency, Currency::USD);
    }

    // Codes the program does not know read as USD, so they do not mix with it.
    TempDatabase other;
    ReportService second(other.database());
    QVERIFY(insert(other, "accounts", kAccountColumns, {account("u", "USD"), account("x", "usd")}));
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
        << QStringList{"Payee", "Total"} << QList<QStringList>{{"Shop, Inc.", "$1,234.50"}, {"Caf\u00e9", "3"}}
        << QStringLiteral("\"Payee\",\"Total\"\n\"Shop, Inc.\",\"$1,234.50\"\n\"Caf\u00e9\",\"3\"\n");
    QTest::newRow("no headers, empty row, line break") << QStringList{} << QList<QStringList>{{}, {"two\nlines"}}
                                                       << "\n\n\"two\nlines\"\n";
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
