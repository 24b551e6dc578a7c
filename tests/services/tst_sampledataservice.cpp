#include "TempDatabase.h"
#include "TestMain.h"

#include "data/CategoryRepository.h"
#include "data/CategoryService.h"
#include "data/Clock.h"
#include "data/Identifiers.h"
#include "data/Database.h"
#include "data/TransactionRepository.h"
#include "services/SampleDataService.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSignalSpy>
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

QString day(int fromToday)
{
    return kToday.addDays(fromToday).toString(Qt::ISODate);
}

QString defaultCategoryId(const char* typeParentName)
{
    return nameBasedId(dnsNamespace(), QString::fromUtf8(typeParentName));
}

// The category id of every sample transaction in the order they were written,
// after seeding the defaults and loading the set in one language ("" = English).
// `unprotected` gets the accounts whose first row does not read as their
// opening balance, and those the opening-balance backfill would give a second.
QStringList categoriesLoadedIn(const QString& language, QString* openingPayee, QStringList* unprotected)
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
    const TransactionRepository transactions(db.database());
    for (const QString account : {"sample-acct-checking", "sample-acct-savings", "sample-acct-visa"}) {
        const std::optional<Transaction> opening = transactions.openingBalanceTransaction(account);
        if (!opening || !transactions.isOpeningBalanceTransaction(*opening))
            unprotected->append(account);
    }
    unprotected->append(transactions.accountsWithoutOpeningBalance());
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
    void secondLoadAddsAnotherSet();
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
    QCOMPARE(column(db, QStringLiteral("SELECT id || '/' || name || '/' || account_type || '/' || institution || '/' "
                                       "|| account_number_last4 FROM accounts ORDER BY sort_order")),
             QStringList({"sample-acct-checking/Main Checking/checking/Riverbend Credit Union/4521",
                          "sample-acct-savings/Savings/savings/Riverbend Credit Union/8834",
                          "sample-acct-visa/Visa Rewards/credit_card/Summit Bank/7712"}));
    QCOMPARE(count(db, QStringLiteral("SELECT COUNT(*) FROM accounts WHERE currency = 'USD' AND starting_balance = 0 "
                                      "AND sync_status = 'pending' AND created_at = '%1'").arg(kStamp)),
             3);

    // 52 new pending rows with "sample-" ids of their own.
    QCOMPARE(count(db, QStringLiteral("SELECT COUNT(DISTINCT id) FROM transactions WHERE id GLOB "
                                      "'sample-txn-[0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f]' "
                                      "AND version = 1 AND sync_status = 'pending' AND created_at = '%1' "
                                      "AND deleted_at IS NULL")
                           .arg(kStamp)),
             52);
    QCOMPARE(count(db, QStringLiteral("SELECT COUNT(*) FROM transactions")), 52);
    QCOMPARE(column(db, QStringLiteral("SELECT SUM(amount) FROM transactions GROUP BY account_id ORDER BY account_id")),
             QStringList({"1125960", "1101695", "-3839"}));
    // Dated back from today: the oldest 61 days ago (the card's empty opening balance), the newest today.
    QCOMPARE(column(db, QStringLiteral("SELECT MIN(date) || ' ' || MAX(date) FROM transactions")),
             QStringList(kToday.addDays(-61).toString(Qt::ISODate) + u' ' + kToday.toString(Qt::ISODate)));
    QCOMPARE(count(db, QStringLiteral("SELECT COUNT(*) FROM transactions WHERE account_id = 'sample-acct-visa' "
                                      "AND payee = 'Opening Balance' AND amount = 0 AND date = '%1'")
                           .arg(kToday.addDays(-61).toString(Qt::ISODate))),
             1);
    // States: reconciled rows are cleared too.
    QCOMPARE(column(db, QStringLiteral("SELECT cleared || reconciled || ' ' || COUNT(*) FROM transactions "
                                       "GROUP BY cleared, reconciled ORDER BY 1")),
             QStringList({"00 13", "10 20", "11 19"}));
    QCOMPARE(column(db, QStringLiteral("SELECT check_number FROM transactions WHERE check_number IS NOT NULL "
                                       "ORDER BY check_number")),
             QStringList({"1041", "1042", "1043"}));

    // Categories by name, or by parent and name: transfers, opening balances and
    // card payments have none.
    QCOMPARE(count(db, QStringLiteral("SELECT COUNT(*) FROM transactions WHERE category_id IS NULL")), 9);
    QCOMPARE(column(db, QStringLiteral("SELECT DISTINCT payee || ' ' || category_id FROM transactions WHERE payee IN "
                                       "('Pinecrest Apartments', 'Clearview Insurance', 'Brightpath Inc') ORDER BY 1")),
             QStringList({"Brightpath Inc " + defaultCategoryId("income::Salary / Wages"),
                          "Clearview Insurance " + defaultCategoryId("expense:Insurance:Auto"),
                          "Pinecrest Apartments " + defaultCategoryId("expense:Housing:Rent/Mortgage Payment")}));

    // Three recurring entries on the checking account, due relative to today, not posted automatically.
    const QString rent = defaultCategoryId("expense:Housing:Rent/Mortgage Payment");
    const QString salary = defaultCategoryId("income::Salary / Wages");
    QCOMPARE(column(db, QStringLiteral(
                 "SELECT payee || '|' || amount || '|' || COALESCE(category_id, '') || '|' || frequency || '|' || "
                 "start_date || '|' || next_due_date || '|' || auto_post || is_active || interval_count || lead_days "
                 "FROM recurring_transactions WHERE account_id = 'sample-acct-checking' AND id GLOB 'sample-rec-*' "
                 "AND transfer_dest_account_id IS NULL AND sync_status = 'pending' ORDER BY rowid")),
             QStringList({QStringLiteral("Pinecrest Apartments|-145000|%1|monthly|%2|%3|0110").arg(rent, day(-60), day(1)),
                          QStringLiteral("Brightpath Inc|285000|%1|biweekly|%2|%3|0110").arg(salary, day(-60), day(8)),
                          QStringLiteral("Transfer to Savings|-50000||monthly|%1|%2|0110").arg(day(-60), day(1))}));
}

void TestSampleDataService::transferLegsPointAtEachOther()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    SampleDataService(db.database()).loadSampleData();
    // Each leg names the other leg's id, in the other account, for the opposite amount on the same day.
    QCOMPARE(count(db, QStringLiteral("SELECT COUNT(*) FROM transactions t JOIN transactions o ON o.id = "
                                      "t.transfer_link_id WHERE o.transfer_link_id = t.id AND o.account_id = "
                                      "t.transfer_dest_account_id AND t.account_id = o.transfer_dest_account_id "
                                      "AND o.account_id != t.account_id AND o.amount = -t.amount AND o.date = t.date "
                                      "AND t.category_id IS NULL AND t.payee LIKE 'Transfer %'")),
             4);
    QCOMPARE(count(db, QStringLiteral("SELECT COUNT(*) FROM transactions WHERE transfer_link_id IS NOT NULL "
                                      "OR transfer_dest_account_id IS NOT NULL")),
             4);
    // Without the default categories nothing is categorised.
    QCOMPARE(count(db, QStringLiteral("SELECT COUNT(*) FROM transactions WHERE category_id IS NULL")), 52);
    QCOMPARE(count(db, QStringLiteral("SELECT COUNT(*) FROM recurring_transactions WHERE category_id IS NULL")), 3);
}

void TestSampleDataService::secondLoadAddsAnotherSet()
{
    TempDatabase db;
    QVERIFY(db.isReady());
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

void TestSampleDataService::findsTranslatedCategories_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("openingBalance");
    QTest::newRow("en") << "en" << "Opening Balance";
    QTest::newRow("de") << "de" << "Anfangssaldo";
    QTest::newRow("es") << "es" << "Saldo inicial";
    QTest::newRow("fr") << "fr" << "Solde d'ouverture";
    QTest::newRow("ja") << "ja" << "期首残高";
}

void TestSampleDataService::findsTranslatedCategories()
{
    QFETCH(QString, language);
    QFETCH(QString, openingBalance);

    QString englishPayee;
    QString translatedPayee;
    QStringList unprotected;
    const QStringList english = categoriesLoadedIn(QString(), &englishPayee, &unprotected);
    const QStringList translated = categoriesLoadedIn(language, &translatedPayee, &unprotected);
    QCOMPARE(english.size(), 52);
    QCOMPARE(english.count(QString()), 9);
    // The same default categories, found under their names in that language.
    QCOMPARE(translated, english);
    // The opening rows read as opening balances, in place and to the backfill.
    QCOMPARE(translatedPayee, openingBalance);
    QCOMPARE(unprotected, QStringList());
}

void TestSampleDataService::clearRemovesEverySampleRow()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    seedDefaults(db);
    SampleDataService service(db.database());
    QSignalSpy reset(db.database(), &Database::ledgerReset);
    service.loadSampleData();
    QCOMPARE(reset.count(), 1);

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

    QVERIFY(service.clearSampleData());
    QCOMPARE(reset.count(), 2);
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
    // three stay, the user's row with them; the sample rows themselves are gone,
    // and the clear says it failed.
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^SampleDataService::clearSampleData failed: .*FOREIGN KEY")));
    QVERIFY(!service.clearSampleData());
    QVERIFY(service.hasSampleData());
    QCOMPARE(count(db, QStringLiteral("SELECT COUNT(*) FROM accounts WHERE id LIKE 'sample-%'")), 3);
    QCOMPARE(column(db, QStringLiteral("SELECT id FROM transactions")), QStringList({"my-txn"}));
    QCOMPARE(count(db, QStringLiteral("SELECT COUNT(*) FROM recurring_transactions")), 0);

    // Once the user's row is gone, a second clear finishes the job.
    QVERIFY(db.exec(QStringLiteral("DELETE FROM transactions")));
    QVERIFY(service.clearSampleData());
    QVERIFY(!service.hasSampleData());
}

VELLUMRY_TEST_GUILESS_MAIN(TestSampleDataService)
#include "tst_sampledataservice.moc"
