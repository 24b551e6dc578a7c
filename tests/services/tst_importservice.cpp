#include "../data/LedgerFixture.h"
#include "ImportTestLedger.h"
#include "TestMain.h"

#include "data/Clock.h"
#include "data/SqliteRows.h"
#include "services/CsvPreview.h"

#include <QDir>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTimer>

using namespace LedgerFixture;

namespace {

const QString kUsd = QStringLiteral("acc-usd");
const QString kEur = QStringLiteral("acc-eur");
const QString kYen = QStringLiteral("acc-jpy");

// Columns in the default order (date, payee, amount) plus, when given, memo and category.
CsvImportOptions withHeader(int memoColumn = -1, int categoryColumn = -1)
{
    CsvImportOptions options;
    options.hasHeaderRow = true;
    options.memoColumn = memoColumn;
    options.categoryColumn = categoryColumn;
    return options;
}

// "Date,Payee,Amount" and `rows` numbered rows that are all different.
QByteArray numberedRows(int rows)
{
    QByteArray csv = "Date,Payee,Amount\n";
    for (int i = 0; i < rows; ++i)
        csv += "2024-01-02,Payee " + QByteArray::number(i) + ",1.00\n";
    return csv;
}

// Counts rows through a connection of its own, which sees committed rows only.
int committedRows(const QString& path)
{
    const QString name = QStringLiteral("observer");
    int count = -1;
    {
        QSqlDatabase observer = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        observer.setDatabaseName(path);
        QSqlQuery query(observer);
        if (observer.open() && query.exec(QStringLiteral("SELECT COUNT(*) FROM transactions")) && query.next())
            count = query.value(0).toInt();
    }
    QSqlDatabase::removeDatabase(name);
    return count;
}

using Progress = QList<QPair<int, int>>;

Progress progressOf(const QSignalSpy& spy)
{
    Progress progress;
    for (const QList<QVariant>& arguments : spy)
        progress.append({arguments.at(0).toInt(), arguments.at(1).toInt()});
    return progress;
}

} // namespace

class TestImportService : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void importsTheMappedColumns();
    void progressEveryHundredRows_data();
    void progressEveryHundredRows();
    void duplicatesAgainstLiveRowsAndTheFile();
    void aSmallFileIntoABigAccount();
    void textsAsTheLedgerStoresThem_data();
    void textsAsTheLedgerStoresThem();
    void amountCells_data();
    void amountCells();
    void categoriesFoundOrCreatedOnce();
    void aNameTwoCategoriesShare();
    void rowsThatDoNotRead();
    void rowsTheLedgerCouldNotReadBack_data();
    void rowsTheLedgerCouldNotReadBack();
    void dateFormatFirstThenGuess();
    void datesInOneOrderPerFile_data();
    void datesInOneOrderPerFile();
    void filesAboveTheLimitAreRefusedUnread();
    void rowsLongerThanARowMay_data();
    void rowsLongerThanARowMay();
    void previewReadsOnlyTheFirstRows_data();
    void previewReadsOnlyTheFirstRows();
    void refusedBeforeStarting_data();
    void refusedBeforeStarting();
    void realFileShapes_data();
    void realFileShapes();

    void failuresKeepNothing_data();
    void failuresKeepNothing();
    void duplicatesAcrossBatchesAndTheIndex_data();
    void duplicatesAcrossBatchesAndTheIndex();

    void listenersReloadOnceAfterTheTransaction();
    void deferredWorkWaitsForTheTransaction();
    void secondImportWhileOneIsOpenIsRefused();

private:
    ImportResult import(const QByteArray& csv, const CsvImportOptions& options = withHeader(),
                        const QString& accountId = kUsd);
    // "date|payee|amount|memo|category name" of the account's rows, in insertion order.
    QStringList storedRows(const QString& accountId = kUsd);
    int count(const QString& table, const QString& where = QStringLiteral("1"));

    std::unique_ptr<ImportTestLedger> m_ledger;
};

void TestImportService::init()
{
    Clock::setFixedNow(fixedNow());
    m_ledger = std::make_unique<ImportTestLedger>();
    QVERIFY(m_ledger->isReady());
    QVERIFY(addAccount(m_ledger->db, kUsd));
    QVERIFY(addAccount(m_ledger->db, kEur, 0, QStringLiteral("EUR")));
    QVERIFY(addAccount(m_ledger->db, kYen, 0, QStringLiteral("JPY")));
}

void TestImportService::cleanup()
{
    m_ledger.reset();
    Clock::reset();
}

ImportResult TestImportService::import(const QByteArray& csv, const CsvImportOptions& options, const QString& accountId)
{
    return m_ledger->service.importCsv(m_ledger->writeFile(csv), accountId, options);
}

QStringList TestImportService::storedRows(const QString& accountId)
{
    return m_ledger->rows(QStringLiteral("SELECT t.date, t.payee, t.amount, COALESCE(t.memo, ''), COALESCE(c.name, '') "
                                         "FROM transactions t LEFT JOIN categories c ON c.id = t.category_id "
                                         "WHERE t.account_id = '%1' ORDER BY t.rowid")
                              .arg(accountId));
}

int TestImportService::count(const QString& table, const QString& where)
{
    return m_ledger->db.scalar(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2").arg(table, where)).toInt();
}

void TestImportService::importsTheMappedColumns()
{
    CsvImportOptions options = withHeader(0, 4);
    options.dateColumn = 1;
    options.amountColumn = 2;
    options.payeeColumn = 3;
    const ImportResult result = import("Memo,Date,Amount,Payee,Category\n"
                                       "\"coffee, large\",2024-01-05,-4.50,Cafe,Dining\n"
                                       ",01/06/2024,\"1,200.00\",ACME Payroll,\n"
                                       "rent,2024-01-07,-950,Landlord,Housing\n",
                                       options);
    QCOMPARE(outcome(result), QStringLiteral("3/0/0/0"));
    QCOMPARE(result.unterminatedQuoteLine, 0);
    QCOMPARE(storedRows(), QStringList({"2024-01-05|Cafe|-450|coffee, large|Dining", "2024-01-06|ACME Payroll|120000||",
                                        "2024-01-07|Landlord|-95000|rent|Housing"}));

    // New pending rows with ids of their own, stamped now; new categories are
    // top-level expense categories waiting for sync.
    const QString stamp = QStringLiteral("'2024-03-05T14:07:09Z'");
    QCOMPARE(count(QStringLiteral("transactions"),
                   QStringLiteral("length(id) = 36 AND version = 1 AND sync_status = 'pending' AND cleared = 0 "
                                  "AND created_at = %1 AND updated_at = %1")
                       .arg(stamp)),
             3);
    QCOMPARE(m_ledger->db.scalar(QStringLiteral("SELECT COUNT(DISTINCT id) FROM transactions")).toInt(), 3);
    QCOMPARE(count(QStringLiteral("categories"),
                   QStringLiteral("category_type = 'expense' AND parent_id IS NULL AND version = 1 "
                                  "AND sync_status = 'pending' AND created_at = %1")
                       .arg(stamp)),
             2);
}

void TestImportService::progressEveryHundredRows_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<Progress>("expected");

    QTest::newRow("header only") << 0 << Progress{{0, 0}};
    QTest::newRow("100 rows") << 100 << Progress{{100, 100}, {100, 100}};
    QTest::newRow("250 rows") << 250 << Progress{{100, 250}, {200, 250}, {250, 250}};
}

void TestImportService::progressEveryHundredRows()
{
    QFETCH(int, rows);
    QFETCH(Progress, expected);

    QSignalSpy started(&m_ledger->service, &ImportService::importStarted);
    QSignalSpy progress(&m_ledger->service, &ImportService::importProgress);
    QCOMPARE(import(numberedRows(rows)).imported, rows);
    // The header row is neither imported nor counted.
    QCOMPARE(started.count(), 1);
    QCOMPARE(started.at(0).at(0).toInt(), rows);
    QCOMPARE(progressOf(progress), expected);
}

void TestImportService::duplicatesAgainstLiveRowsAndTheFile()
{
    QVERIFY(m_ledger->transactions.insert(newTransaction(kUsd, QDate(2024, 1, 2), QStringLiteral("Grocer"), -1000)));
    const Transaction deleted = newTransaction(kUsd, QDate(2024, 1, 3), QStringLiteral("Deleted"), -500);
    QVERIFY(m_ledger->transactions.insert(deleted));
    QVERIFY(m_ledger->transactions.softDelete(deleted.id));

    const ImportResult result = import("Date,Payee,Amount\n"
                                       "2024-01-02,Grocer,-10.00\n" // a live row of the account
                                       "2024-01-02,grocer,-10.00\n" // the payee's case counts
                                       "2024-01-03,Deleted,-5.00\n" // deleted rows are not compared
                                       "2024-01-04,Twice,1.00\n"
                                       "2024-01-04,Twice,1.00\n" // an earlier row of the file
                                       "2024-01-04,Twice,1.0\n"); // the same amount written apart
    QCOMPARE(outcome(result), QStringLiteral("3/3/0/0"));
    QCOMPARE(storedRows(),
             QStringList({"2024-01-02|Grocer|-1000||", "2024-01-03|Deleted|-500||", "2024-01-02|grocer|-1000||",
                          "2024-01-03|Deleted|-500||", "2024-01-04|Twice|100||"}));

    // The same rows into another account are no duplicates there; the file again finds every row.
    QCOMPARE(import("Date,Payee,Amount\n2024-01-02,Grocer,-10.00\n", withHeader(), kEur).imported, 1);
    QCOMPARE(outcome(import("Date,Payee,Amount\n2024-01-02,grocer,-10.00\n2024-01-04,Twice,1.00\n")),
             QStringLiteral("0/2/0/0"));
}

void TestImportService::aSmallFileIntoABigAccount()
{
    QList<Transaction> rows;
    for (int i = 0; i < 3000; ++i)
        rows.append(newTransaction(kUsd, QDate(2020, 1, 1).addDays(i % 400), QStringLiteral("Payee %1").arg(i), i));
    QVERIFY(m_ledger->transactions.insertAll(rows));
    const Transaction deleted = newTransaction(kUsd, QDate(2024, 1, 3), QStringLiteral("Deleted"), -500);
    QVERIFY(m_ledger->transactions.insert(deleted) && m_ledger->transactions.softDelete(deleted.id));

    const QByteArray csv = "Date,Payee,Amount\n"
                           "2020-01-06,Payee 5,0.05\n"  // a live row of the account
                           "2020-01-06,Other,0.05\n"    // the same day and amount, another payee
                           "2020-01-08,payee 7,0.07\n"  // the payee's case counts
                           "2024-01-03,Deleted,-5.00\n" // deleted rows are not compared
                           "2024-01-04,Twice,1.00\n"
                           "2024-01-04,Twice,1.00\n"; // an earlier row of the file
    QCOMPARE(outcome(import(csv)), QStringLiteral("4/2/0/0"));
    QCOMPARE(storedRows().mid(3001), QStringList({"2020-01-06|Other|5||", "2020-01-08|payee 7|7||",
                                                  "2024-01-03|Deleted|-500||", "2024-01-04|Twice|100||"}));
    QCOMPARE(outcome(import(csv)), QStringLiteral("0/6/0/0"));
    QCOMPARE(count(QStringLiteral("transactions")), 3005);
}

void TestImportService::textsAsTheLedgerStoresThem_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("stored"); // date|payee|amount|memo|category

    const QByteArray head = "Date,Payee,Amount,Memo,Category\n2024-01-02,";
    const QByteArray mark = "\xEF\xBB\xBF";
    QTest::newRow("a mark before the payee") << head + mark + "Shop,1.00" << "2024-01-02|Shop|100||";
    QTest::newRow("marks and blanks before the payee") << head + mark + " " + mark + "Shop,1.00"
                                                       << "2024-01-02|Shop|100||";
    QTest::newRow("a reversed mark before the payee") << head + "\xEF\xBF\xBEShop,1.00" << "2024-01-02|Shop|100||";
    QTest::newRow("a payee of only a mark") << head + mark + ",1.00" << "2024-01-02||100||";
    QTest::newRow("a mark inside the payee") << head + "Sh" + mark + "op,1.00" << "2024-01-02|Sh\uFEFFop|100||";
    QTest::newRow("a NUL inside the payee") << head + QByteArray("Sh\0op,1.00", 10)
                                            << QStringLiteral("2024-01-02|Sh") + QChar(0) + "op|100||";
    // The ledger has a category Food: the row finds it.
    QTest::newRow("a mark before the memo and the category")
        << head + "Shop,1.00," + mark + "Note," + mark + "Food" << "2024-01-02|Shop|100|Note|Food";
    const QString text = QString::fromLatin1(head) + QChar(0xD800) + QStringLiteral("Shop,1.00\n");
    QTest::newRow("a lone surrogate in a UTF-16 file")
        << "\xFF\xFE" + QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2)
        << "2024-01-02|\uFFFDShop|100||";
}

void TestImportService::textsAsTheLedgerStoresThem()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, stored);

    QVERIFY(addCategory(m_ledger->db, QStringLiteral("food"), QStringLiteral("Food")));
    QCOMPARE(outcome(import(file, withHeader(3, 4))), QStringLiteral("1/0/0/0"));
    QCOMPARE(storedRows(), QStringList{stored});
    // The texts that were stored are the texts the second import compares with.
    QCOMPARE(outcome(import(file, withHeader(3, 4))), QStringLiteral("0/1/0/0"));
    QCOMPARE(storedRows(), QStringList{stored});
    QCOMPARE(count(QStringLiteral("categories"), QStringLiteral("name = 'Food'")), 1);
}

void TestImportService::amountCells_data()
{
    QTest::addColumn<QString>("accountId");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("stored"); // empty: skipped as unreadable

    // The notations are the amount reader's; these rows show the import uses it.
    QTest::newRow("dot groups") << kUsd << "1.234,56" << "123456";
    QTest::newRow("accounting parentheses") << kUsd << "(45.00)" << "-4500";
    QTest::newRow("euro sign and blank") << kUsd << "\u20AC 12,50" << "1250";
    QTest::newRow("half a cent rounds away from zero") << kUsd << "-0.0050" << "-1";
    QTest::newRow("largest storable") << kUsd << "90071992547409.92" << "9007199254740992";
    QTest::newRow("empty cell is zero") << kUsd << "" << "0";
    QTest::newRow("letters") << kUsd << "abc" << "";
    QTest::newRow("exponent") << kUsd << "1e400" << "";
    QTest::newRow("not a number") << kUsd << "nan" << "";
    QTest::newRow("beyond what can be stored") << kUsd << "90071992547409.93" << "";
    QTest::newRow("yen have no minor unit") << kYen << "1,234" << "1234";
    QTest::newRow("yen round to whole") << kYen << "12.5" << "13";
    QTest::newRow("euro cents") << kEur << "-3,99" << "-399";
}

void TestImportService::amountCells()
{
    QFETCH(QString, accountId);
    QFETCH(QString, cell);
    QFETCH(QString, stored);

    const ImportResult result =
        import("Date,Payee,Amount\n2024-01-02,Payee,\"" + cell.toUtf8() + "\"\n", withHeader(), accountId);
    QCOMPARE(outcome(result), stored.isEmpty() ? QStringLiteral("0/0/1/0") : QStringLiteral("1/0/0/0"));
    QCOMPARE(storedRows(accountId),
             stored.isEmpty() ? QStringList() : QStringList(QStringLiteral("2024-01-02|Payee|%1||").arg(stored)));
}

void TestImportService::categoriesFoundOrCreatedOnce()
{
    QVERIFY(m_ledger->db.exec(QStringLiteral("INSERT INTO categories (id, name, created_at, updated_at, deleted_at) "
                                             "VALUES ('cat-lower', 'groceries', 'x', 'x', NULL), "
                                             "('cat-gone', 'Fuel', 'x', 'x', 'x')")));
    QSignalSpy categoriesChanged(&m_ledger->categories, &CategoryRepository::categoriesChanged);

    const ImportResult result = import("Date,Payee,Amount,Memo,Category\n"
                                       "2024-01-02,A,1,m,Groceries\n"
                                       "2024-01-03,B,2,m,Groceries\n"
                                       "2024-01-04,C,3,m,groceries\n"
                                       "2024-01-05,D,4,m,Food:Dining\n"
                                       "2024-01-06,E,5,m,Fuel\n"
                                       "2024-01-07,F,6,m,\n"
                                       "2024-01-08,G,7\n",
                                       withHeader(3, 4));
    QCOMPARE(result.imported, 7);
    QCOMPARE(storedRows(), QStringList({"2024-01-02|A|100|m|Groceries", "2024-01-03|B|200|m|Groceries",
                                        "2024-01-04|C|300|m|groceries", "2024-01-05|D|400|m|Food:Dining",
                                        "2024-01-06|E|500|m|Fuel", "2024-01-07|F|600|m|", "2024-01-08|G|700||"}));

    // Names match exactly and are made once; a colon is part of the name, not a
    // parent; a deleted category is not reused.
    QCOMPARE(count(QStringLiteral("categories"), QStringLiteral("name = 'Groceries'")), 1);
    QCOMPARE(count(QStringLiteral("transactions"), QStringLiteral("payee = 'C' AND category_id = 'cat-lower'")), 1);
    QCOMPARE(count(QStringLiteral("categories"), QStringLiteral("name = 'Food:Dining' AND parent_id IS NULL")), 1);
    QCOMPARE(count(QStringLiteral("transactions"), QStringLiteral("category_id = 'cat-gone'")), 0);
    QCOMPARE(count(QStringLiteral("categories")), 5);
    QCOMPARE(categoriesChanged.count(), 3);
}

void TestImportService::aNameTwoCategoriesShare()
{
    // Repairs under Home and under Auto; the import takes the one listed last by name.
    QVERIFY(addCategory(m_ledger->db, QStringLiteral("home"), QStringLiteral("Home")));
    QVERIFY(addCategory(m_ledger->db, QStringLiteral("auto"), QStringLiteral("Auto")));
    QVERIFY(addCategory(m_ledger->db, QStringLiteral("home-repairs"), QStringLiteral("Repairs"), QStringLiteral("home")));
    QVERIFY(addCategory(m_ledger->db, QStringLiteral("auto-repairs"), QStringLiteral("Repairs"), QStringLiteral("auto")));
    QCOMPARE(outcome(import("Date,Payee,Amount,Memo,Category\n2024-01-02,Garage,-80,,Repairs\n", withHeader(3, 4))),
             QStringLiteral("1/0/0/0"));
    QCOMPARE(m_ledger->rows(QStringLiteral("SELECT category_id FROM transactions")), QStringList{"auto-repairs"});
    QCOMPARE(count(QStringLiteral("categories")), 4);
}

void TestImportService::rowsThatDoNotRead()
{
    const ImportResult result = import("Date,Payee,Amount,Memo\n"
                                       "2024-01-02,Only two\n"
                                       "2024-01-02\n"
                                       "soon,Payee,1.00\n"
                                       "2024-02-30,Payee,1.00\n"
                                       ",Payee,1.00\n"
                                       "2024-01-03,,1.00\n" // an empty payee is still a row
                                       "2024-01-04,Short,2.00\n",
                                       withHeader(3));
    QCOMPARE(outcome(result), QStringLiteral("2/0/5/0"));
    QCOMPARE(storedRows(), QStringList({"2024-01-03||100||", "2024-01-04|Short|200||"}));
}

void TestImportService::rowsTheLedgerCouldNotReadBack_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<int>("unreadable");

    // Stored as "-2024-06-02", such a date never reads back: every import would add the row again.
    QTest::newRow("a year before the first") << QByteArray("-2024-06-02,Minus,1\n2024-06-02,Plus,2\n") << QString()
                                             << QStringList{"2024-06-02|Plus|200||"} << 1;
    QTest::newRow("a negative year by the chosen format")
        << QByteArray("1/2/-0005,Minus,1\n1/2/2005,Plus,2\n") << QStringLiteral("M/d/yyyy")
        << QStringList{"2005-01-02|Plus|200||"} << 1;
    QTest::newRow("the last year that reads back") << QByteArray("9999-12-31,Last,1\n") << QString()
                                                   << QStringList{"9999-12-31|Last|100||"} << 0;
    // The last line of blanks without a line end is a row, and one without a date.
    QTest::newRow("last line of blanks") << QByteArray("2024-01-02,Grocer,-1\n   ") << QString()
                                         << QStringList{"2024-01-02|Grocer|-100||"} << 1;
    QTest::newRow("last line an empty quoted field") << QByteArray("2024-01-02,Grocer,-1\n\"\"") << QString()
                                                     << QStringList{"2024-01-02|Grocer|-100||"} << 0;
}

void TestImportService::rowsTheLedgerCouldNotReadBack()
{
    QFETCH(QByteArray, csv);
    QFETCH(QString, format);
    QFETCH(QStringList, stored);
    QFETCH(int, unreadable);

    CsvImportOptions options;
    options.dateFormat = format;
    const QString rows = QStringLiteral("%1/0/%2/0").arg(stored.size()).arg(unreadable);
    QCOMPARE(outcome(import(csv, options)), rows);
    QCOMPARE(storedRows(), stored);
    QCOMPARE(outcome(import(csv, options)), QStringLiteral("0/%1/%2/0").arg(stored.size()).arg(unreadable));
    QCOMPARE(storedRows(), stored);
}

void TestImportService::dateFormatFirstThenGuess()
{
    CsvImportOptions dayFirst = withHeader();
    dayFirst.dateFormat = QStringLiteral("dd/MM/yyyy");
    QCOMPARE(import("Date,Payee,Amount\n03/04/2025,Format,1\n2025-03-04,Guessed,2\n", dayFirst).imported, 2);
    CsvImportOptions twoDigits = withHeader();
    twoDigits.dateFormat = QStringLiteral("dd.MM.yy");
    QCOMPARE(import("Date,Payee,Amount\n29.02.00,Leap,3\n", twoDigits).imported, 1);
    // Detected: two-digit years 00-69 fall in this century, 70-99 in the last.
    QCOMPARE(import("Date,Payee,Amount\n03/04/25,Recent,4\n12/31/85,Old,5\n").imported, 2);

    QCOMPARE(storedRows(), QStringList({"2025-04-03|Format|100||", "2025-03-04|Guessed|200||",
                                        "2000-02-29|Leap|300||", "2025-03-04|Recent|400||", "1985-12-31|Old|500||"}));
}

void TestImportService::datesInOneOrderPerFile_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QStringList>("stored");

    // Cell by cell the first would have been 4 August.
    QTest::newRow("day first") << QByteArray("Date,Payee,Amount\n08/04/2022,Early,1\n24/03/2022,Late,2\n") << QString()
                               << QStringList{"2022-04-08|Early|100||", "2022-03-24|Late|200||"};
    QTest::newRow("month first") << QByteArray("Date,Payee,Amount\n08/04/2022,Early,1\n03/24/2022,Late,2\n")
                                 << QString() << QStringList{"2022-08-04|Early|100||", "2022-03-24|Late|200||"};
    QTest::newRow("the telling cell is the last")
        << QByteArray("Date,Payee,Amount\n01/02/22,A,1\n03/04/22,B,2\n\"not, a date\",C,3\n31/12/21,D,4\n") << QString()
        << QStringList{"2022-02-01|A|100||", "2022-04-03|B|200||", "2021-12-31|D|400||"};
    // The header is no date cell, whatever it holds.
    QTest::newRow("a header that reads day first")
        << QByteArray("13/01/2022,Payee,Amount\n02/03/2022,A,1\n") << QString() << QStringList{"2022-02-03|A|100||"};
    QTest::newRow("chosen format, the others guessed day first")
        << QByteArray("Date,Payee,Amount\n24.03.2022,A,1\n08/04/2022,B,2\n30/04/2022,C,3\n")
        << QStringLiteral("dd.MM.yyyy")
        << QStringList{"2022-03-24|A|100||", "2022-04-08|B|200||", "2022-04-30|C|300||"};
}

void TestImportService::datesInOneOrderPerFile()
{
    QFETCH(QByteArray, csv);
    QFETCH(QString, format);
    QFETCH(QStringList, stored);

    CsvImportOptions options = withHeader();
    options.dateFormat = format;
    const ImportResult first = import(csv, options);
    QCOMPARE(first.imported, stored.size());
    QCOMPARE(storedRows(), stored);
    // The file again finds each row where the first import put it.
    const ImportResult again = import(csv, options);
    QCOMPARE(again.imported, 0);
    QCOMPARE(again.duplicatesSkipped, stored.size());
    QCOMPARE(storedRows(), stored);
}

void TestImportService::filesAboveTheLimitAreRefusedUnread()
{
    // A sparse file: as large as the limit says, without writing it.
    const QString path = m_ledger->writeFile("Date,Payee,Amount\n2024-01-02,Grocer,-10.00\n");
    QFile file(path);
    QVERIFY(file.resize(ImportLimits().csvFileBytes + 1));
    const QString tooLarge = QStringLiteral("This file is too large to import. CSV files of up to 64 MB can be imported.");
    QCOMPARE(m_ledger->service.csvSizeProblem(path), tooLarge);
    QVERIFY(file.resize(ImportLimits().csvFileBytes));
    QCOMPARE(m_ledger->service.csvSizeProblem(path), QString());

    // The same with a limit a few rows long.
    ImportLimits limits;
    limits.csvFileBytes = 100;
    m_ledger->service.setLimits(limits);
    const QByteArray rows = numberedRows(3); // 87 bytes
    const QString small = m_ledger->writeFile(rows + QByteArray(100 - rows.size(), '\n'));
    const QString large = m_ledger->writeFile(rows + QByteArray(101 - rows.size(), '\n'));
    QCOMPARE(m_ledger->service.csvSizeProblem(large),
             QStringLiteral("This file is too large to import. CSV files of up to 0.0001 MB can be imported."));
    QSignalSpy started(&m_ledger->service, &ImportService::importStarted);
    QSignalSpy progress(&m_ledger->service, &ImportService::importProgress);
    const ImportResult result = m_ledger->service.importCsv(large, kUsd, withHeader());
    QCOMPARE(outcome(result), QStringLiteral("0/0/0/0 failed"));
    QCOMPARE(QVariantList({result.fileTooLarge, result.failureReason}),
             QVariantList({true, m_ledger->service.csvSizeProblem(large)}));
    QCOMPARE(started.count() + progress.count() + count(QStringLiteral("transactions")), 0);
    QCOMPARE(readCsvPreview(large, 10, limits).tooLarge, true);
    QCOMPARE(readCsvPreview(large, 10, limits).rows, QList<QStringList>());

    QCOMPARE(m_ledger->service.csvSizeProblem(small), QString());
    QCOMPARE(outcome(m_ledger->service.importCsv(small, kUsd, withHeader())), QStringLiteral("3/0/0/0"));
    QCOMPARE(readCsvPreview(small, 10, limits).rows.size(), 4);
}

void TestImportService::rowsLongerThanARowMay_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("outcome"); // imported/duplicates/unreadable/too long
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QList<QStringList>>("preview");

    // Rows may hold 5 fields and 40 characters.
    const QByteArray header = "Date,Payee,Amount,Memo\n";
    const QByteArray shortRow = "2024-01-02,Grocer,-1,m\n";
    const QStringList grocer{"2024-01-02", "Grocer", "-1", "m"};
    QTest::newRow("as many fields as a row may")
        << header + "2024-01-03,Cafe,-2,m,x\n" + shortRow << "2/0/0/0"
        << QStringList{"2024-01-03|Cafe|-200|m|", "2024-01-02|Grocer|-100|m|"}
        << QList<QStringList>{{"Date", "Payee", "Amount", "Memo"}, {"2024-01-03", "Cafe", "-2", "m", "x"}, grocer};
    // The date, payee and amount come first, and still no such row is taken.
    QTest::newRow("one field more")
        << header + "2024-01-03,Cafe,-2,m,x,y\n" + shortRow << "1/0/0/1"
        << QStringList{"2024-01-02|Grocer|-100|m|"}
        << QList<QStringList>{{"Date", "Payee", "Amount", "Memo"}, {"2024-01-03", "Cafe", "-2", "m", "x"}, grocer};
    QTest::newRow("a row of a million fields")
        << header + "2024-01-03,Cafe,-2" + QByteArray(1000000, ',') + '\n' + shortRow << "1/0/0/1"
        << QStringList{"2024-01-02|Grocer|-100|m|"}
        << QList<QStringList>{{"Date", "Payee", "Amount", "Memo"}, {"2024-01-03", "Cafe", "-2", "", ""}, grocer};
    QTest::newRow("as many characters as a row may")
        << header + "2024-01-03,Cafe,-2,\"" + QByteArray(19, 'm') + "\"\n" << "1/0/0/0"
        << QStringList{"2024-01-03|Cafe|-200|" + QString(19, u'm') + '|'}
        << QList<QStringList>{{"Date", "Payee", "Amount", "Memo"}, {"2024-01-03", "Cafe", "-2", QString(19, u'm')}};
    QTest::newRow("a memo over lines, one character more")
        << header + "2024-01-03,Cafe,-2,\"" + QByteArray(9, 'm') + "\n" + QByteArray(10, 'm') + "\"\n" + shortRow
        << "1/0/0/1" << QStringList{"2024-01-02|Grocer|-100|m|"}
        << QList<QStringList>{{"Date", "Payee", "Amount", "Memo"}, {"2024-01-03", "Cafe", "-2"}, grocer};
    // A header is never imported, long or not: the rows below it are.
    QTest::newRow("a long header") << "Date,Payee,Amount,Memo,A,B\n" + shortRow << "1/0/0/0"
                                   << QStringList{"2024-01-02|Grocer|-100|m|"}
                                   << QList<QStringList>{{"Date", "Payee", "Amount", "Memo", "A"}, grocer};
    // Counted once, where the summary explains it: as the row an open quote ran away with.
    QTest::newRow("a quote that never closes") << header + shortRow + "2024-01-03,\"Cafe,-2\n" + shortRow.repeated(2)
                                               << "1/0/1/0" << QStringList{"2024-01-02|Grocer|-100|m|"}
                                               << QList<QStringList>{{"Date", "Payee", "Amount", "Memo"}, grocer,
                                                                     {"2024-01-03"}};
}

void TestImportService::rowsLongerThanARowMay()
{
    QFETCH(QByteArray, csv);
    QFETCH(QString, outcome);
    QFETCH(QStringList, stored);
    QFETCH(QList<QStringList>, preview);

    ImportLimits limits;
    limits.csvRowFields = 5;
    limits.csvRowChars = 40;
    m_ledger->service.setLimits(limits);
    const auto counts = [](const ImportResult& result) {
        return QStringLiteral("%1/%2/%3/%4")
            .arg(result.imported)
            .arg(result.duplicatesSkipped)
            .arg(result.unparseableSkipped)
            .arg(result.oversizedSkipped);
    };
    const QString path = m_ledger->writeFile(csv);
    QCOMPARE(counts(m_ledger->service.importCsv(path, kUsd, withHeader(3))), outcome);
    QCOMPARE(storedRows(), stored);
    QCOMPARE(readCsvPreview(path, 3, limits).rows, preview);
    // The file again adds nothing, and refuses the same rows.
    const ImportResult again = m_ledger->service.importCsv(path, kUsd, withHeader(3));
    QCOMPARE(again.imported, 0);
    QCOMPARE(QList<int>({again.duplicatesSkipped, again.unparseableSkipped, again.oversizedSkipped}),
             QList<int>({int(stored.size()), outcome.section(u'/', 2, 2).toInt(), outcome.section(u'/', 3).toInt()}));
    QCOMPARE(storedRows(), stored);
}

void TestImportService::previewReadsOnlyTheFirstRows_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("maxRows");
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::addColumn<bool>("moreRows");

    const QByteArray csv = "Date,Payee\n2024-01-02,\"Caf\xc3\xa9\nBar\"\n\n2024-01-03,Grocer\n";
    const QStringList header{"Date", "Payee"};
    const QStringList cafe{"2024-01-02", "Caf\u00E9\nBar"};
    const QStringList grocer{"2024-01-03", "Grocer"};
    QTest::newRow("fewer rows than asked") << csv << 10 << QList<QStringList>{header, cafe, grocer} << false;
    QTest::newRow("exactly the rows asked") << csv << 3 << QList<QStringList>{header, cafe, grocer} << false;
    QTest::newRow("more rows than asked") << csv << 2 << QList<QStringList>{header, cafe} << true;
    // Decoded as the import decodes: this is Windows-1252, not UTF-8.
    QTest::newRow("Windows-1252") << QByteArray("Caf\xe9,\x80\n") << 5 << QList<QStringList>{{"Caf\u00E9", "\u20AC"}}
                                  << false;
    QTest::newRow("empty file") << QByteArray() << 5 << QList<QStringList>() << false;
}

void TestImportService::previewReadsOnlyTheFirstRows()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, maxRows);
    QFETCH(QList<QStringList>, rows);
    QFETCH(bool, moreRows);

    const CsvPreview preview = readCsvPreview(m_ledger->writeFile(bytes), maxRows, ImportLimits());
    QCOMPARE(preview.opened, true);
    QCOMPARE(preview.tooLarge, false);
    QCOMPARE(preview.rows, rows);
    QCOMPARE(preview.moreRows, moreRows);

    QCOMPARE(readCsvPreview(m_ledger->files.filePath(QStringLiteral("missing.csv")), maxRows, ImportLimits()).opened,
             false);
}

void TestImportService::refusedBeforeStarting_data()
{
    QTest::addColumn<QString>("file"); // what the path names
    QTest::addColumn<QString>("accountId");
    QTest::addColumn<QString>("reason"); // %1: the path

    QTest::newRow("no such account") << "rows" << "no-such-account"
                                     << "The account to import into no longer exists.";
    QTest::newRow("a file that is gone") << "missing" << kUsd << "Could not open %1: No such file or directory";
    QTest::newRow("a folder") << "folder" << kUsd << "Could not open %1: file to open is a directory";
    QTest::newRow("a file nobody may read") << "unreadable" << kUsd << "Could not open %1: Permission denied";
}

void TestImportService::refusedBeforeStarting()
{
    QFETCH(QString, file);
    QFETCH(QString, accountId);
    QFETCH(QString, reason);

    QString path = m_ledger->writeFile(numberedRows(3));
    if (file == QLatin1String("missing")) {
        QVERIFY(QFile::remove(path));
    } else if (file == QLatin1String("folder")) {
        QVERIFY(QFile::remove(path) && QDir().mkdir(path));
    } else if (file == QLatin1String("unreadable")) {
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        if (QFile(path).open(QIODevice::ReadOnly))
            QSKIP("this user reads every file");
    }
    QSignalSpy started(&m_ledger->service, &ImportService::importStarted);
    QSignalSpy progress(&m_ledger->service, &ImportService::importProgress);
    const ImportResult result = m_ledger->service.importCsv(path, accountId, withHeader());
    QCOMPARE(outcome(result), QStringLiteral("0/0/0/0 failed"));
    QCOMPARE(result.failureReason, QString(reason).replace(QLatin1String("%1"), path));
    QCOMPARE(started.count() + progress.count() + count(QStringLiteral("transactions")), 0);

    // A soft-deleted account is still a target.
    QVERIFY(m_ledger->accounts.softDelete(kEur));
    QCOMPARE(import(numberedRows(2), withHeader(), kEur).imported, 2);
}

void TestImportService::realFileShapes_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("accountId");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("unreadable");
    QTest::addColumn<int>("openQuoteLine");

    QTest::newRow("classic Mac line ends, two-digit years")
        << "mac_cr_lines.csv" << kUsd
        << QStringList{"2024-01-02|Corner Bakery|-123456||", "2024-01-03|Salary, ACME|250000||",
                       "2024-01-04|Cafe|-450||"}
        << 0 << 0;
    QTest::newRow("Windows-1252 with a euro amount")
        << "cp1252_names.csv" << kEur
        << QStringList{"2024-03-01|Caf\u00E9 \u201CLe Coin\u201D|1250||", "2024-03-02|Cr\u00E8me|-300||"} << 0 << 0;
    QTest::newRow("UTF-16 with a byte-order mark")
        << "utf16le_bom.csv" << kYen << QStringList{"2024-05-01|B\u00FCcherei|-12||", "2024-05-02|\u6771\u4EAC|-3000||"}
        << 0 << 0;
    QTest::newRow("UTF-8 with a byte-order mark and a memo over two lines")
        << "utf8_bom_multiline.csv" << kUsd
        << QStringList{"2024-06-01|Se\u00F1or Caf\u00E9|-820|first line\nsecond \"quoted\" line|",
                       "2024-06-02|Zo\u00EB|100||"}
        << 0 << 0;
    // Without the report the runaway row would import with the rest of the file as its payee.
    QTest::newRow("a quote that never closes")
        << "broken_open_quote.csv" << kUsd << QStringList{"2024-01-01|Grocer|-1000||"} << 1 << 3;
    QTest::newRow("junk") << "broken_junk.csv" << kUsd << QStringList() << 5 << 0;
}

void TestImportService::realFileShapes()
{
    QFETCH(QString, fixture);
    QFETCH(QString, accountId);
    QFETCH(QStringList, rows);
    QFETCH(int, unreadable);
    QFETCH(int, openQuoteLine);

    const QString path = QFINDTESTDATA(QStringLiteral("data/") + fixture);
    QVERIFY(!path.isEmpty());
    const ImportResult result = m_ledger->service.importCsv(path, accountId, withHeader(3));
    QCOMPARE(storedRows(accountId), rows);
    QCOMPARE(outcome(result), QStringLiteral("%1/0/%2/0").arg(rows.size()).arg(unreadable));
    QCOMPARE(result.unterminatedQuoteLine, openQuoteLine);

    // An open quote in the header row is reported too.
    QCOMPARE(import("Date,\"Payee,Amount\n2024-01-01,Grocer,-10.00\n").unterminatedQuoteLine, 1);
}

void TestImportService::failuresKeepNothing_data()
{
    QTest::addColumn<QString>("trap"); // "begin", "commit", or the insert that fails
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<Progress>("progress");
    QTest::addColumn<int>("transactionsOpened");

    // Someone else's transaction is open: no transaction of ours was opened, so
    // nobody was told to wait for one, and nothing went into the other one.
    QTest::newRow("BEGIN fails") << "begin" << "^SqlTransaction: BEGIN failed" << "0/0/0/0 failed"
                                 << Progress{{200, 200}} << 0;
    QTest::newRow("COMMIT fails") << "commit" << "^SqlTransaction: COMMIT failed" << "200/0/0/0 failed"
                                  << Progress{{100, 200}, {200, 200}, {200, 200}} << 1;
    // Counted as before the rollback.
    QTest::newRow("transaction insert fails") << "transactions WHEN new.payee = 'Payee 150'" << "^TransactionRepository::insert failed"
                                              << "150/0/0/1 failed" << Progress{{100, 200}, {200, 200}} << 1;
    QTest::newRow("category insert fails") << "categories WHEN new.name = 'Late'" << "^CategoryRepository::insert failed"
                                           << "150/0/0/1 failed" << Progress{{100, 200}, {200, 200}} << 1;
}

void TestImportService::failuresKeepNothing()
{
    QFETCH(QString, trap);
    QFETCH(QString, warning);
    QFETCH(QString, outcome);
    QFETCH(Progress, progress);
    QFETCH(int, transactionsOpened);

    if (trap == QLatin1String("begin"))
        QVERIFY(m_ledger->db.sql().transaction());
    else if (trap == QLatin1String("commit"))
        QVERIFY(m_ledger->failEveryCommit());
    else
        QVERIFY(m_ledger->db.exec(
            QStringLiteral("CREATE TEMP TRIGGER trap BEFORE INSERT ON %1 BEGIN SELECT RAISE(ABORT, 'no'); END").arg(trap)));
    QByteArray csv = "Date,Payee,Amount,Category\n";
    for (int i = 0; i < 200; ++i)
        csv += "2024-01-02,Payee " + QByteArray::number(i) + ",1.00," + (i < 150 ? "Early" : "Late") + '\n';
    QSignalSpy progressSpy(&m_ledger->service, &ImportService::importProgress);
    QSignalSpy started(&m_ledger->service, &ImportService::importTransactionStarted);
    QSignalSpy ended(&m_ledger->service, &ImportService::importTransactionEnded);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
    if (outcome.contains(QLatin1String("/1 ")))
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^CSV import aborted: ")));

    const ImportResult result = import(csv, withHeader(-1, 3));
    QCOMPARE(::outcome(result), outcome);
    QCOMPARE(result.failureReason, QString()); // the database's refusal, said as such
    QCOMPARE(count(QStringLiteral("transactions")) + count(QStringLiteral("categories")), 0);
    QCOMPARE(progressOf(progressSpy), progress);
    QCOMPARE(started.count(), transactionsOpened);
    QCOMPARE(ended.count(), transactionsOpened);
    QCOMPARE(m_ledger->service.isImporting(), false);
    if (trap == QLatin1String("begin"))
        QVERIFY(m_ledger->db.sql().rollback());
}

void TestImportService::duplicatesAcrossBatchesAndTheIndex_data()
{
    QTest::addColumn<bool>("direct");
    QTest::newRow("bound straight on SQLite") << true;
    QTest::newRow("bound through QSqlQuery") << false;
}

void TestImportService::duplicatesAcrossBatchesAndTheIndex()
{
    QFETCH(bool, direct);
    SqliteRows::setEnabled(direct);
    const auto enable = qScopeGuard([] { SqliteRows::setEnabled(true); });
    // Rows go in 500 to a statement: row 300 repeats row 299 of its own batch,
    // row 501 repeats row 1 of the batch before.
    QByteArray csv = "Date,Payee,Amount\n";
    QStringList expected;
    for (int row = 1; row <= 600; ++row) {
        const int payee = row == 300 ? 299 : row == 501 ? 1 : row;
        csv += "2024-01-02,Payee " + QByteArray::number(payee) + ",1.00\n";
        if (payee == row)
            expected.append(QStringLiteral("2024-01-02|Payee %1|100||").arg(row));
    }
    QCOMPARE(outcome(import(csv)), QStringLiteral("598/2/0/0"));
    QCOMPARE(storedRows(), expected);
    // The full-text index holds every row, and search finds them.
    QVERIFY(m_ledger->db.exec(QStringLiteral("INSERT INTO transactions_fts(transactions_fts) VALUES('integrity-check')")));
    QCOMPARE(m_ledger->transactions.search(QStringLiteral("Payee 555"), {}).size(), 1);
}

void TestImportService::listenersReloadOnceAfterTheTransaction()
{
    QStringList events;
    connect(&m_ledger->transactions, &TransactionRepository::transactionsChanged, this,
            [this, &events](const QString& accountId) {
                events.append(accountId + (m_ledger->service.isImporting() ? " while importing" : ""));
            });
    connect(&m_ledger->service, &ImportService::importProgress, this, [this, &events](int current) {
        events.append(QString::number(current) + (m_ledger->service.isImporting() ? " while importing" : ""));
    });
    connect(&m_ledger->service, &ImportService::importTransactionEnded, this,
            [&events] { events.append(QStringLiteral("ended")); });

    QCOMPARE(import(numberedRows(250)).imported, 250);
    QCOMPARE(events, QStringList({"100 while importing", "200 while importing", kUsd, "ended", "250"}));

    // An import that stores nothing announces nothing; other writers are back to one signal per write.
    events.clear();
    QCOMPARE(import(numberedRows(50)).duplicatesSkipped, 50);
    QVERIFY(m_ledger->transactions.insert(newTransaction(kEur, QDate(2024, 1, 1), QStringLiteral("Later"), 1)));
    QCOMPARE(events, QStringList({"ended", "50", kEur}));
}

void TestImportService::deferredWorkWaitsForTheTransaction()
{
    // What a sync run or the automatic posting does when its timer fires while
    // the import processes events: look, and wait for the end if need be.
    bool firedWhileImporting = false;
    QList<int> committedWhenRun;
    QTimer::singleShot(0, this, [&] {
        const auto run = [&] { committedWhenRun.append(committedRows(m_ledger->db.path())); };
        firedWhileImporting = m_ledger->service.isImporting();
        if (firedWhileImporting)
            connect(&m_ledger->service, &ImportService::importTransactionEnded, this, run, Qt::SingleShotConnection);
        else
            run();
    });

    QCOMPARE(import(numberedRows(150)).imported, 150);
    QVERIFY(firedWhileImporting);
    QCOMPARE(committedWhenRun, QList<int>({150}));
}

void TestImportService::secondImportWhileOneIsOpenIsRefused()
{
    const QString inner = m_ledger->writeFile(numberedRows(5));
    ImportResult innerResult;
    connect(
        &m_ledger->service, &ImportService::importProgress, this,
        [&](int current) {
            if (current == 100)
                innerResult = m_ledger->service.importCsv(inner, kEur, withHeader());
        },
        Qt::SingleShotConnection);
    QTest::ignoreMessage(QtWarningMsg, "CSV import refused: another import is still open");
    QCOMPARE(outcome(import(numberedRows(150))), QStringLiteral("150/0/0/0"));
    QCOMPARE(innerResult.failed, true);
    QCOMPARE(innerResult.failureReason, QStringLiteral("Another import is still running. Try again once it has finished."));
    QCOMPARE(count(QStringLiteral("transactions"), QStringLiteral("account_id = 'acc-eur'")), 0);
}

VELLUMRY_TEST_GUILESS_MAIN(TestImportService)
#include "tst_importservice.moc"
