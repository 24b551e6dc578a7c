#include "TempDatabase.h"
#include "TestMain.h"

#include "data/CategoryRepository.h"
#include "data/CategoryService.h"
#include "data/Clock.h"
#include "data/Identifiers.h"
#include "services/ReportService.h"
#include "services/SampleDataService.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSet>
#include <QSqlQuery>
#include <QTimeZone>
#include <QTranslator>

namespace {

const QDateTime kNow(QDate(2024, 3, 5), QTime(14, 7, 9), QTimeZone::utc());
const QDate kToday(2024, 3, 5);
const QString kStamp = QStringLiteral("2024-03-05T14:07:09Z");

void seedDefaults(TempDatabase& db)
{
    CategoryRepository repository(db.database());
    CategoryService(&repository).seedIfEmpty();
}

int count(TempDatabase& db, const QString& statement)
{
    return db.scalar(statement).toInt();
}

QStringList column(TempDatabase& db, const QString& statement)
{
    QStringList values;
    QSqlQuery query(db.sql());
    query.exec(statement);
    while (query.next())
        values.append(query.value(0).toString());
    return values;
}

int sampleRowsLeft(TempDatabase& db)
{
    int rows = 0;
    for (const char* table : {"accounts", "transactions", "recurring_transactions", "split_lines", "reconciliations"})
        rows += count(db, QStringLiteral("SELECT COUNT(*) FROM %1 WHERE id LIKE 'sample-%'").arg(QLatin1String(table)));
    return rows + count(db, QStringLiteral("SELECT COUNT(*) FROM sync_queue WHERE entity_id LIKE 'sample-%'"));
}

QString defaultCategoryId(const char* typeParentName)
{
    return nameBasedId(dnsNamespace(), QString::fromUtf8(typeParentName));
}

// The category id of every sample transaction in the order they were written,
// after seeding the defaults and loading the set in one language ("" = English).
QStringList categoriesLoadedIn(const QString& language, QString* openingPayee)
{
    QTranslator translator;
    if (!language.isEmpty()) {
        if (!translator.load(QStringLiteral(":/i18n/vellumry_%1.qm").arg(language)))
            return {};
        QCoreApplication::installTranslator(&translator);
    }
    TempDatabase db;
    seedDefaults(db);
    SampleDataService(db.database()).loadSampleData();
    QCoreApplication::removeTranslator(&translator);
    *openingPayee = db.scalar(QStringLiteral("SELECT payee FROM transactions ORDER BY rowid LIMIT 1")).toString();
    return column(db, QStringLiteral("SELECT COALESCE(category_id, '') FROM transactions ORDER BY rowid"));
}

} // namespace

class TestSampleDataService : public QObject
{
    Q_OBJECT

private slots:
    void init() { Clock::setFixedNow(kNow); }
    void cleanup() { Clock::reset(); }

    void loadWritesTheSet();
    void transferLegsPointAtEachOther();
    void reportsOverTheSet();
    void recurringEntries();
    void secondLoadAddsAnotherSet();
    void withoutDefaultCategoriesNothingIsCategorised();
    void findsTranslatedCategories_data();
    void findsTranslatedCategories();
    void clearRemovesEverySampleRow();
    void clearKeepsAccountsThatHoldUserRows();
};

void TestSampleDataService::loadWritesTheSet()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    seedDefaults(db);
    SampleDataService service(db.database());
    QVERIFY(!service.hasSampleData());

    service.loadSampleData();
    QVERIFY(service.hasSampleData());
    QCOMPARE(column(db, QStringLiteral("SELECT id FROM accounts ORDER BY sort_order")),
             QStringList({"sample-acct-checking", "sample-acct-savings", "sample-acct-visa"}));
    QCOMPARE(column(db, QStringLiteral("SELECT name FROM accounts ORDER BY sort_order")),
             QStringList({"Main Checking", "Savings", "Visa Rewards"}));
    QCOMPARE(column(db, QStringLiteral("SELECT account_type || '/' || institution || '/' || account_number_last4 "
                                       "FROM accounts ORDER BY sort_order")),
             QStringList({"checking/Riverbend Credit Union/4521", "savings/Riverbend Credit Union/8834",
                          "credit_card/Summit Bank/7712"}));
    QCOMPARE(count(db, QStringLiteral("SELECT COUNT(*) FROM accounts WHERE currency = 'USD' AND starting_balance = 0 "
                                      "AND is_shared = 0 AND version = 1 AND sync_status = 'pending' "
                                      "AND created_at = '%1' AND updated_at = created_at").arg(kStamp)),
             3);

    QCOMPARE(count(db, QStringLiteral("SELECT COUNT(*) FROM transactions")), 52);
    const QStringList ids = column(db, QStringLiteral("SELECT id FROM transactions"));
    QCOMPARE(QSet<QString>(ids.cbegin(), ids.cend()).size(), 52);
    const QRegularExpression idPattern(QStringLiteral("^sample-txn-[0-9a-f]{8}$"));
    for (const QString& id : ids)
        QVERIFY2(idPattern.match(id).hasMatch(), qPrintable(id));
    QCOMPARE(count(db, QStringLiteral("SELECT COUNT(*) FROM transactions WHERE version = 1 AND sync_status = 'pending' "
                                      "AND is_split = 0 AND created_at = '%1' AND updated_at = created_at "
                                      "AND deleted_at IS NULL AND recurring_id IS NULL")
                           .arg(kStamp)),
             52);

    // Dated back from today: the oldest 61 days ago, the newest today.
    QCOMPARE(db.scalar(QStringLiteral("SELECT MIN(date) FROM transactions")).toString(),
             kToday.addDays(-61).toString(Qt::ISODate));
    QCOMPARE(db.scalar(QStringLiteral("SELECT MAX(date) FROM transactions")).toString(),
             kToday.toString(Qt::ISODate));
    // States: reconciled rows are cleared too.
    QCOMPARE(count(db, QStringLiteral("SELECT COUNT(*) FROM transactions WHERE cleared = 1 AND reconciled = 1")), 19);
    QCOMPARE(count(db, QStringLiteral("SELECT COUNT(*) FROM transactions WHERE cleared = 1 AND reconciled = 0")), 20);
    QCOMPARE(count(db, QStringLiteral("SELECT COUNT(*) FROM transactions WHERE cleared = 0 AND reconciled = 0")), 13);
    QCOMPARE(column(db, QStringLiteral("SELECT check_number FROM transactions WHERE check_number IS NOT NULL "
                                       "ORDER BY check_number")),
             QStringList({"1041", "1042", "1043"}));
    QCOMPARE(count(db, QStringLiteral("SELECT COUNT(*) FROM transactions WHERE memo IS NULL")), 3);

    // The card's opening balance is there, with nothing on it.
    QCOMPARE(count(db, QStringLiteral("SELECT COUNT(*) FROM transactions WHERE account_id = 'sample-acct-visa' "
                                      "AND payee = 'Opening Balance' AND amount = 0 AND date = '%1'")
                           .arg(kToday.addDays(-61).toString(Qt::ISODate))),
             1);

    // Categories by name, or by parent and name: transfers, opening balances and
    // card payments have none.
    QCOMPARE(count(db, QStringLiteral("SELECT COUNT(*) FROM transactions WHERE category_id IS NULL")), 9);
    QCOMPARE(column(db, QStringLiteral("SELECT DISTINCT category_id FROM transactions WHERE payee = 'Pinecrest "
                                       "Apartments'")),
             QStringList({defaultCategoryId("expense:Housing:Rent/Mortgage Payment")}));
    QCOMPARE(column(db, QStringLiteral("SELECT DISTINCT category_id FROM transactions WHERE payee = 'Clearview "
                                       "Insurance'")),
             QStringList({defaultCategoryId("expense:Insurance:Auto")}));
    QCOMPARE(column(db, QStringLiteral("SELECT DISTINCT category_id FROM transactions WHERE payee = 'Hilltop Gas'")),
             QStringList({defaultCategoryId("expense:Transportation:Gas/Fuel")}));
    QCOMPARE(column(db, QStringLiteral("SELECT DISTINCT category_id FROM transactions WHERE payee = 'Brightpath Inc'")),
             QStringList({defaultCategoryId("income::Salary / Wages")}));
}

void TestSampleDataService::transferLegsPointAtEachOther()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    seedDefaults(db);
    SampleDataService(db.database()).loadSampleData();

    QSqlQuery legs(db.sql());
    QVERIFY(legs.exec(QStringLiteral(
        "SELECT t.id, t.account_id, t.transfer_dest_account_id, t.amount, t.date, o.id, o.account_id, "
        "o.transfer_link_id, o.amount, o.date FROM transactions t LEFT JOIN transactions o ON o.id = t.transfer_link_id "
        "WHERE t.transfer_link_id IS NOT NULL")));
    int legCount = 0;
    while (legs.next()) {
        ++legCount;
        const QString id = legs.value(0).toString();
        // The partner exists, and links back to this very row.
        QCOMPARE(legs.value(5).toString().isEmpty(), false);
        QCOMPARE(legs.value(7).toString(), id);
        QCOMPARE(legs.value(2).toString(), legs.value(6).toString());
        QVERIFY(legs.value(1).toString() != legs.value(6).toString());
        QCOMPARE(legs.value(3).toLongLong(), -legs.value(8).toLongLong());
        QCOMPARE(legs.value(4).toString(), legs.value(9).toString());
    }
    QCOMPARE(legCount, 4);
    QCOMPARE(count(db, QStringLiteral("SELECT COUNT(*) FROM transactions WHERE transfer_link_id IS NOT NULL "
                                      "AND category_id IS NULL AND payee LIKE 'Transfer %'")),
             4);
    QCOMPARE(count(db, QStringLiteral("SELECT COUNT(*) FROM transactions WHERE transfer_link_id IS NULL "
                                      "AND transfer_dest_account_id IS NULL")),
             48);
}

void TestSampleDataService::reportsOverTheSet()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    seedDefaults(db);
    SampleDataService(db.database()).loadSampleData();
    ReportService reports(db.database());
    const QDate from = kToday.addDays(-61);

    const QList<AccountSummaryRow> summary = reports.accountSummary();
    QCOMPARE(summary.size(), 3);
    QCOMPARE(summary[0].balance, 1125960);
    QCOMPARE(summary[1].balance, 1101695);
    QCOMPARE(summary[2].balance, -3839);

    // Four transfer legs out; the two unlinked card payments count as income.
    qint64 income = 0;
    qint64 inflows = 0;
    for (const MonthlyTotalsRow& row : reports.incomeVsExpenses(from, kToday, QString()))
        income += row.inflows;
    for (const MonthlyTotalsRow& row : reports.cashFlow(from, kToday, QString()))
        inflows += row.inflows;
    QCOMPARE(income, 250000 + 1000000 + 5 * 285000 + 820 + 875 + 10123 + 12993);
    QCOMPARE(inflows, income + 2 * 50000);

    // The whole set is in one currency.
    QVERIFY(reports.runCurrency(QString()).uniform);
}

void TestSampleDataService::recurringEntries()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    seedDefaults(db);
    SampleDataService(db.database()).loadSampleData();

    QSqlQuery query(db.sql());
    QVERIFY(query.exec(QStringLiteral(
        "SELECT id, account_id, payee, memo, amount, category_id, frequency, start_date, next_due_date, auto_post, "
        "is_active, interval_count, lead_days, transfer_dest_account_id, created_at, sync_status "
        "FROM recurring_transactions ORDER BY rowid")));
    const QRegularExpression idPattern(QStringLiteral("^sample-rec-[0-9a-f]{8}$"));
    struct Expected
    {
        const char* payee;
        qint64 amount;
        QString category;
        const char* frequency;
        int dueIn;
    };
    const Expected expected[] = {
        {"Pinecrest Apartments", -145000, defaultCategoryId("expense:Housing:Rent/Mortgage Payment"), "monthly", 1},
        {"Brightpath Inc", 285000, defaultCategoryId("income::Salary / Wages"), "biweekly", 8},
        {"Transfer to Savings", -50000, QString(), "monthly", 1},
    };
    for (const Expected& row : expected) {
        QVERIFY(query.next());
        QVERIFY(idPattern.match(query.value(0).toString()).hasMatch());
        QCOMPARE(query.value(1).toString(), QStringLiteral("sample-acct-checking"));
        QCOMPARE(query.value(2).toString(), QString::fromLatin1(row.payee));
        QCOMPARE(query.value(4).toLongLong(), row.amount);
        QCOMPARE(query.value(5).toString(), row.category);
        QCOMPARE(query.value(6).toString(), QString::fromLatin1(row.frequency));
        QCOMPARE(query.value(7).toString(), kToday.addDays(-60).toString(Qt::ISODate));
        QCOMPARE(query.value(8).toString(), kToday.addDays(row.dueIn).toString(Qt::ISODate));
        QCOMPARE(query.value(9).toInt(), 0);
        QCOMPARE(query.value(10).toInt(), 1);
        QCOMPARE(query.value(11).toInt(), 1);
        QCOMPARE(query.value(12).toInt(), 0);
        QVERIFY(query.value(13).isNull());
        QCOMPARE(query.value(14).toString(), kStamp);
        QCOMPARE(query.value(15).toString(), QStringLiteral("pending"));
    }
    QVERIFY(!query.next());
}

void TestSampleDataService::secondLoadAddsAnotherSet()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    seedDefaults(db);
    SampleDataService service(db.database());
    service.loadSampleData();
    // The caller normally refuses; if it does not, the fixed account ids refuse
    // the accounts and everything else comes again under new ids.
    service.loadSampleData();
    QCOMPARE(count(db, QStringLiteral("SELECT COUNT(*) FROM accounts")), 3);
    QCOMPARE(count(db, QStringLiteral("SELECT COUNT(DISTINCT id) FROM transactions")), 104);
    QCOMPARE(count(db, QStringLiteral("SELECT COUNT(DISTINCT id) FROM recurring_transactions")), 6);
    // Each new pair links within itself.
    QCOMPARE(count(db, QStringLiteral("SELECT COUNT(*) FROM transactions t JOIN transactions o "
                                      "ON o.id = t.transfer_link_id AND o.transfer_link_id = t.id")),
             8);
}

void TestSampleDataService::withoutDefaultCategoriesNothingIsCategorised()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    SampleDataService(db.database()).loadSampleData();
    QCOMPARE(count(db, QStringLiteral("SELECT COUNT(*) FROM transactions")), 52);
    QCOMPARE(count(db, QStringLiteral("SELECT COUNT(*) FROM transactions WHERE category_id IS NULL")), 52);
    QCOMPARE(count(db, QStringLiteral("SELECT COUNT(*) FROM recurring_transactions WHERE category_id IS NULL")), 3);
}

void TestSampleDataService::findsTranslatedCategories_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("openingBalance");
    QTest::newRow("en") << "en" << "Opening Balance";
    QTest::newRow("de") << "de" << "Anfangssaldo";
    QTest::newRow("es") << "es" << "Saldo inicial";
    QTest::newRow("fr") << "fr" << "Solde initial";
    QTest::newRow("ja") << "ja" << "開始残高";
}

void TestSampleDataService::findsTranslatedCategories()
{
    QFETCH(QString, language);
    QFETCH(QString, openingBalance);

    QString englishPayee;
    QString translatedPayee;
    const QStringList english = categoriesLoadedIn(QString(), &englishPayee);
    const QStringList translated = categoriesLoadedIn(language, &translatedPayee);
    QCOMPARE(english.size(), 52);
    QCOMPARE(english.count(QString()), 9);
    // The same default categories, found under their names in that language.
    QCOMPARE(translated, english);
    QCOMPARE(translatedPayee, openingBalance);
}

void TestSampleDataService::clearRemovesEverySampleRow()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    seedDefaults(db);
    SampleDataService service(db.database());
    service.loadSampleData();

    // The user's own data beside the set, and sample children of every kind.
    QVERIFY(db.exec(QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) "
                                   "VALUES ('mine', 'Mine', '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')")));
    QVERIFY(db.exec(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, amount, created_at, "
                                   "updated_at) VALUES ('my-txn', 'mine', '2024-03-01', 'Shop', -100, "
                                   "'2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')")));
    const QString sampleTxn = db.scalar(QStringLiteral("SELECT id FROM transactions WHERE id LIKE 'sample-%' "
                                                       "AND category_id IS NOT NULL LIMIT 1")).toString();
    QVERIFY(db.exec(QStringLiteral("INSERT INTO split_lines (id, transaction_id, category_id, amount, created_at, "
                                   "updated_at) SELECT 'sample-split-1', id, category_id, amount, created_at, "
                                   "updated_at FROM transactions WHERE id = ?"),
                    {sampleTxn}));
    QVERIFY(db.exec(QStringLiteral("INSERT INTO reconciliations (id, account_id, statement_date, statement_balance, "
                                   "reconciled_balance, completed_at) VALUES ('sample-rcn-1', 'sample-acct-checking', "
                                   "'2024-02-01', 0, 0, '2024-02-01T00:00:00Z')")));
    QVERIFY(db.exec(QStringLiteral("INSERT INTO sync_queue (entity_type, entity_id, action, created_at) VALUES "
                                   "('transaction', ?, 'upsert', 'x'), ('transaction', 'my-txn', 'upsert', 'x')"),
                    {sampleTxn}));
    // Soft-deleted sample accounts still count as present.
    QVERIFY(db.exec(QStringLiteral("UPDATE accounts SET deleted_at = '2024-03-01T00:00:00Z' WHERE id LIKE 'sample-%'")));
    QVERIFY(service.hasSampleData());
    const int categories = count(db, QStringLiteral("SELECT COUNT(*) FROM categories"));

    service.clearSampleData();
    QCOMPARE(sampleRowsLeft(db), 0);
    QVERIFY(!service.hasSampleData());
    QCOMPARE(count(db, QStringLiteral("SELECT COUNT(*) FROM accounts")), 1);
    QCOMPARE(count(db, QStringLiteral("SELECT COUNT(*) FROM transactions")), 1);
    QCOMPARE(count(db, QStringLiteral("SELECT COUNT(*) FROM sync_queue")), 1);
    QCOMPARE(count(db, QStringLiteral("SELECT COUNT(*) FROM categories")), categories);
}

void TestSampleDataService::clearKeepsAccountsThatHoldUserRows()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    SampleDataService service(db.database());
    service.loadSampleData();
    QVERIFY(db.exec(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, amount, created_at, "
                                   "updated_at) VALUES ('my-txn', 'sample-acct-visa', '2024-03-01', 'Shop', -100, "
                                   "'2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')")));

    // The user's row keeps the foreign key from letting the accounts go: all
    // three stay, the user's row with them; the sample rows themselves are gone.
    service.clearSampleData();
    QVERIFY(service.hasSampleData());
    QCOMPARE(count(db, QStringLiteral("SELECT COUNT(*) FROM accounts WHERE id LIKE 'sample-%'")), 3);
    QCOMPARE(column(db, QStringLiteral("SELECT id FROM transactions")), QStringList({"my-txn"}));
    QCOMPARE(count(db, QStringLiteral("SELECT COUNT(*) FROM recurring_transactions")), 0);

    // Once the user's row is gone, a second clear finishes the job.
    QVERIFY(db.exec(QStringLiteral("DELETE FROM transactions")));
    service.clearSampleData();
    QVERIFY(!service.hasSampleData());
}

VELLUMRY_TEST_GUILESS_MAIN(TestSampleDataService)
#include "tst_sampledataservice.moc"
