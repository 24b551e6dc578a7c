#include "../data/LedgerFixture.h"
#include "ImportTestLedger.h"
#include "TestMain.h"

#include "data/Clock.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTimer>

#include <limits>

using namespace LedgerFixture;

namespace {

const QString kUsd = QStringLiteral("acc-usd");
const QString kEur = QStringLiteral("acc-eur");
const QString kYen = QStringLiteral("acc-jpy");

CsvImportOptions withHeader()
{
    CsvImportOptions options;
    options.hasHeaderRow = true;
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
        if (observer.open()) {
            QSqlQuery query(observer);
            if (query.exec(QStringLiteral("SELECT COUNT(*) FROM transactions")) && query.next())
                count = query.value(0).toInt();
        }
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
    void amountCells_data();
    void amountCells();
    void categoriesFoundOrCreatedOnce();
    void rowsThatDoNotRead();
    void dateFormatFirstThenGuess();
    void refusedBeforeStarting();
    void openQuoteIsReported_data();
    void openQuoteIsReported();
    void realFileShapes_data();
    void realFileShapes();

    void failedBeginWritesNothing();
    void failedCommitReportsFailure();
    void databaseErrorRollsBackEverything_data();
    void databaseErrorRollsBackEverything();

    void listenersReloadOnceAfterTheTransaction();
    void deferredWorkWaitsForTheTransaction();
    void secondImportWhileOneIsOpenIsRefused();

private:
    QString writeFile(const QByteArray& bytes);
    ImportResult import(const QByteArray& csv, const CsvImportOptions& options = withHeader(),
                        const QString& accountId = kUsd);
    // "date|payee|amount|memo|category name" of the account's rows, in insertion order.
    QStringList storedRows(const QString& accountId = kUsd);
    int count(const QString& table);

    std::unique_ptr<ImportTestLedger> m_ledger;
    int m_fileCount = 0;
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

QString TestImportService::writeFile(const QByteArray& bytes)
{
    return m_ledger->writeFile(bytes, QStringLiteral("import-%1.csv").arg(++m_fileCount));
}

ImportResult TestImportService::import(const QByteArray& csv, const CsvImportOptions& options, const QString& accountId)
{
    return m_ledger->service.importCsv(writeFile(csv), accountId, options);
}

QStringList TestImportService::storedRows(const QString& accountId)
{
    QSqlQuery query(m_ledger->db.sql());
    query.prepare(QStringLiteral("SELECT t.date, t.payee, t.amount, COALESCE(t.memo, ''), COALESCE(c.name, '') "
                                 "FROM transactions t LEFT JOIN categories c ON c.id = t.category_id "
                                 "WHERE t.account_id = ? ORDER BY t.rowid"));
    query.addBindValue(accountId);
    QStringList rows;
    if (!query.exec())
        return {QStringLiteral("query failed")};
    while (query.next()) {
        rows.append(QStringLiteral("%1|%2|%3|%4|%5")
                        .arg(query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
                             query.value(3).toString(), query.value(4).toString()));
    }
    return rows;
}

int TestImportService::count(const QString& table)
{
    return m_ledger->db.scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)).toInt();
}

void TestImportService::importsTheMappedColumns()
{
    CsvImportOptions options = withHeader();
    options.memoColumn = 0;
    options.dateColumn = 1;
    options.amountColumn = 2;
    options.payeeColumn = 3;
    options.categoryColumn = 4;
    const ImportResult result = import("Memo,Date,Amount,Payee,Category\n"
                                       "\"coffee, large\",2024-01-05,-4.50,Cafe,Dining\n"
                                       ",01/06/2024,\"1,200.00\",ACME Payroll,\n"
                                       "rent,2024-01-07,-950,Landlord,Housing\n",
                                       options);

    QCOMPARE(result.imported, 3);
    QCOMPARE(result.duplicatesSkipped, 0);
    QCOMPARE(result.unparseableSkipped, 0);
    QCOMPARE(result.databaseErrors, 0);
    QCOMPARE(result.failed, false);
    QCOMPARE(result.unterminatedQuoteLine, 0);
    QCOMPARE(storedRows(), QStringList({"2024-01-05|Cafe|-450|coffee, large|Dining", "2024-01-06|ACME Payroll|120000||",
                                        "2024-01-07|Landlord|-95000|rent|Housing"}));

    // Every row is a new pending record of its own, stamped now.
    const QList<Transaction> rows = m_ledger->transactions.listByAccount(kUsd);
    QCOMPARE(rows.size(), 3);
    static const QRegularExpression uuid(
        QStringLiteral("^[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}$"));
    for (const Transaction& t : rows) {
        QVERIFY2(uuid.match(t.id).hasMatch(), qPrintable(t.id));
        QCOMPARE(t.version, 1);
        QCOMPARE(t.syncStatus, SyncStatus::Pending);
        QCOMPARE(t.createdAt, fixedNow());
        QCOMPARE(t.updatedAt, fixedNow());
        QCOMPARE(t.cleared, false);
        QCOMPARE(t.reconciled, false);
        QVERIFY(t.checkNumber.isEmpty() && t.transferLinkId.isEmpty() && t.recurringId.isEmpty());
        QVERIFY(!t.isSplit && !t.deletedAt);
    }
    QVERIFY(rows.at(0).id != rows.at(1).id);

    // New categories are plain top-level expense categories waiting for sync.
    const std::optional<Category> dining = m_ledger->categories.findByName(QStringLiteral("Dining"));
    QVERIFY(dining);
    QCOMPARE(dining->categoryType, CategoryType::Expense);
    QVERIFY(dining->parentId.isEmpty());
    QCOMPARE(dining->isDefault, false);
    QCOMPARE(dining->isTaxRelevant, false);
    QCOMPARE(dining->version, 1);
    QCOMPARE(dining->syncStatus, SyncStatus::Pending);
    QCOMPARE(dining->createdAt, fixedNow());
    QVERIFY(uuid.match(dining->id).hasMatch());
}

void TestImportService::progressEveryHundredRows_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<Progress>("expected");

    QTest::newRow("header only") << 0 << Progress{{0, 0}};
    QTest::newRow("99 rows") << 99 << Progress{{99, 99}};
    QTest::newRow("100 rows") << 100 << Progress{{100, 100}, {100, 100}};
    QTest::newRow("250 rows") << 250 << Progress{{100, 250}, {200, 250}, {250, 250}};
}

void TestImportService::progressEveryHundredRows()
{
    QFETCH(int, rows);
    QFETCH(Progress, expected);

    QSignalSpy started(&m_ledger->service, &ImportService::importStarted);
    QSignalSpy progress(&m_ledger->service, &ImportService::importProgress);
    const ImportResult result = import(numberedRows(rows));
    QCOMPARE(result.imported, rows);
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
                                       "2024-01-04,Twice,1.0\n", // the same amount written apart
                                       withHeader());
    QCOMPARE(result.imported, 3);
    QCOMPARE(result.duplicatesSkipped, 3);
    QCOMPARE(storedRows(),
             QStringList({"2024-01-02|Grocer|-1000||", "2024-01-03|Deleted|-500||", "2024-01-02|grocer|-1000||",
                          "2024-01-03|Deleted|-500||", "2024-01-04|Twice|100||"}));

    // The same rows into another account are no duplicates there.
    QCOMPARE(import("Date,Payee,Amount\n2024-01-02,Grocer,-10.00\n", withHeader(), kEur).imported, 1);
    // Importing the file again finds every row.
    const ImportResult again = import("Date,Payee,Amount\n2024-01-02,grocer,-10.00\n2024-01-04,Twice,1.00\n");
    QCOMPARE(again.imported, 0);
    QCOMPARE(again.duplicatesSkipped, 2);
}

void TestImportService::amountCells_data()
{
    QTest::addColumn<QString>("accountId");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<qint64>("expected");
    // Marks a cell that must be skipped as unreadable.
    const qint64 skipped = std::numeric_limits<qint64>::min();

    QTest::newRow("plain") << kUsd << "12.5" << qint64(1250);
    QTest::newRow("comma groups") << kUsd << "1,234.56" << qint64(123456);
    QTest::newRow("dot groups") << kUsd << "1.234,56" << qint64(123456);
    QTest::newRow("decimal comma") << kUsd << "12,50" << qint64(1250);
    QTest::newRow("accounting parentheses") << kUsd << "(45.00)" << qint64(-4500);
    QTest::newRow("dollar sign and minus") << kUsd << "-$1,000" << qint64(-100000);
    QTest::newRow("euro sign and blank") << kUsd << "\u20AC 12,50" << qint64(1250);
    QTest::newRow("half a cent rounds away from zero") << kUsd << "-0.0050" << qint64(-1);
    QTest::newRow("a lone mark before three digits groups") << kUsd << "1.000" << qint64(100000);
    QTest::newRow("largest storable") << kUsd << "90071992547409.92" << qint64(9007199254740992);
    QTest::newRow("empty cell is zero") << kUsd << "" << qint64(0);
    QTest::newRow("letters") << kUsd << "abc" << skipped;
    QTest::newRow("trailing letter") << kUsd << "12a" << skipped;
    QTest::newRow("broken groups") << kUsd << "1,23,456" << skipped;
    QTest::newRow("exponent") << kUsd << "1e400" << skipped;
    QTest::newRow("not a number") << kUsd << "nan" << skipped;
    QTest::newRow("beyond what can be stored") << kUsd << "90071992547409.93" << skipped;
    QTest::newRow("far beyond") << kUsd << "99999999999999999999999" << skipped;
    QTest::newRow("lone sign") << kUsd << "-" << skipped;

    QTest::newRow("yen have no minor unit") << kYen << "1,234" << qint64(1234);
    QTest::newRow("yen round to whole") << kYen << "12.5" << qint64(13);
    QTest::newRow("yen sign") << kYen << "\u00A5500" << qint64(500);
    QTest::newRow("euro cents") << kEur << "-3,99" << qint64(-399);
}

void TestImportService::amountCells()
{
    QFETCH(QString, accountId);
    QFETCH(QString, cell);
    QFETCH(qint64, expected);

    QByteArray quoted = cell.toUtf8();
    quoted.replace('"', "\"\"");
    const ImportResult result =
        import("Date,Payee,Amount\n2024-01-02,Payee,\"" + quoted + "\"\n", withHeader(), accountId);
    if (expected == std::numeric_limits<qint64>::min()) {
        QCOMPARE(result.imported, 0);
        QCOMPARE(result.unparseableSkipped, 1);
        QCOMPARE(storedRows(accountId), QStringList());
    } else {
        QCOMPARE(result.imported, 1);
        QCOMPARE(result.unparseableSkipped, 0);
        QCOMPARE(storedRows(accountId), QStringList(QStringLiteral("2024-01-02|Payee|%1||").arg(expected)));
    }
    QCOMPARE(result.failed, false);
}

void TestImportService::categoriesFoundOrCreatedOnce()
{
    QVERIFY(m_ledger->db.exec(QStringLiteral("INSERT INTO categories (id, name, created_at, updated_at) "
                                             "VALUES ('cat-lower', 'groceries', 'x', 'x')")));
    QVERIFY(m_ledger->db.exec(QStringLiteral("INSERT INTO categories (id, name, created_at, updated_at, deleted_at) "
                                             "VALUES ('cat-gone', 'Fuel', 'x', 'x', 'x')")));
    QSignalSpy categoriesChanged(&m_ledger->categories, &CategoryRepository::categoriesChanged);

    CsvImportOptions options = withHeader();
    options.memoColumn = 3;
    options.categoryColumn = 4;
    const ImportResult result = import("Date,Payee,Amount,Memo,Category\n"
                                       "2024-01-02,A,1,m,Groceries\n"
                                       "2024-01-03,B,2,m,Groceries\n"
                                       "2024-01-04,C,3,m,groceries\n"
                                       "2024-01-05,D,4,m,Food:Dining\n"
                                       "2024-01-06,E,5,m,Fuel\n"
                                       "2024-01-07,F,6,m,\n"
                                       "2024-01-08,G,7\n",
                                       options);
    QCOMPARE(result.imported, 7);
    QCOMPARE(storedRows(), QStringList({"2024-01-02|A|100|m|Groceries", "2024-01-03|B|200|m|Groceries",
                                        "2024-01-04|C|300|m|groceries", "2024-01-05|D|400|m|Food:Dining",
                                        "2024-01-06|E|500|m|Fuel", "2024-01-07|F|600|m|", "2024-01-08|G|700||"}));

    // Names match exactly: Groceries is new beside groceries, and made once.
    QCOMPARE(m_ledger->db.scalar(QStringLiteral("SELECT COUNT(*) FROM categories WHERE name = 'Groceries'")).toInt(),
             1);
    QCOMPARE(m_ledger->db.scalar(QStringLiteral("SELECT category_id FROM transactions WHERE payee = 'C'")).toString(),
             QStringLiteral("cat-lower"));
    // A colon is part of the name, not a parent.
    QCOMPARE(m_ledger->db
                 .scalar(QStringLiteral("SELECT COUNT(*) FROM categories WHERE name = 'Food:Dining' "
                                        "AND parent_id IS NULL"))
                 .toInt(),
             1);
    // A deleted category is not reused: a live one of that name is made.
    QCOMPARE(m_ledger->db
                 .scalar(QStringLiteral("SELECT COUNT(*) FROM categories WHERE name = 'Fuel' "
                                        "AND deleted_at IS NULL AND id != 'cat-gone'"))
                 .toInt(),
             1);
    QCOMPARE(count(QStringLiteral("categories")), 5);
    QCOMPARE(categoriesChanged.count(), 3);
}

void TestImportService::rowsThatDoNotRead()
{
    CsvImportOptions options = withHeader();
    options.memoColumn = 3;
    const ImportResult result = import("Date,Payee,Amount,Memo\n"
                                       "2024-01-02,Only two\n"
                                       "2024-01-02\n"
                                       "soon,Payee,1.00\n"
                                       "2024-02-30,Payee,1.00\n"
                                       ",Payee,1.00\n"
                                       "2024-01-03,,1.00\n" // an empty payee is still a row
                                       "2024-01-04,Short,2.00\n",
                                       options);
    QCOMPARE(result.unparseableSkipped, 5);
    QCOMPARE(result.imported, 2);
    QCOMPARE(storedRows(), QStringList({"2024-01-03||100||", "2024-01-04|Short|200||"}));
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

void TestImportService::refusedBeforeStarting()
{
    QSignalSpy started(&m_ledger->service, &ImportService::importStarted);
    QSignalSpy progress(&m_ledger->service, &ImportService::importProgress);

    const ImportResult noAccount = import(numberedRows(3), withHeader(), QStringLiteral("no-such-account"));
    QCOMPARE(noAccount.failed, true);
    QCOMPARE(noAccount.imported, 0);

    const ImportResult noFile =
        m_ledger->service.importCsv(m_ledger->files.filePath(QStringLiteral("missing.csv")), kUsd, withHeader());
    QCOMPARE(noFile.failed, false);
    QCOMPARE(noFile.imported, 0);
    QCOMPARE(noFile.unparseableSkipped, 0);

    QCOMPARE(started.count(), 0);
    QCOMPARE(progress.count(), 0);
    QCOMPARE(count(QStringLiteral("transactions")), 0);

    // A soft-deleted account is still a target.
    QVERIFY(m_ledger->accounts.softDelete(kEur));
    QCOMPARE(import(numberedRows(2), withHeader(), kEur).imported, 2);
}

void TestImportService::openQuoteIsReported_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("imported");
    QTest::addColumn<int>("unparseable");

    // The memo's quote never closes: without the report the row would import
    // with the rest of the file as its memo.
    QTest::newRow("in the last column") << QByteArray("Date,Payee,Amount,Memo\n"
                                                      "2024-01-01,Grocer,-10.00,ok\n"
                                                      "2024-01-02,Hardware,-25.00,\"runaway\n"
                                                      "2024-01-03,Pharmacy,-7.00,x\n")
                                        << 3 << 1 << 1;
    QTest::newRow("in the header") << QByteArray("Date,\"Payee,Amount\n2024-01-01,Grocer,-10.00\n") << 1 << 0 << 0;
    QTest::newRow("closed quotes") << QByteArray("Date,Payee,Amount,Memo\n2024-01-01,\"A, B\",1,\"x\ny\"\n") << 0
                                   << 1 << 0;
}

void TestImportService::openQuoteIsReported()
{
    QFETCH(QByteArray, csv);
    QFETCH(int, line);
    QFETCH(int, imported);
    QFETCH(int, unparseable);

    CsvImportOptions options = withHeader();
    options.memoColumn = 3;
    const ImportResult result = import(csv, options);
    QCOMPARE(result.unterminatedQuoteLine, line);
    QCOMPARE(result.imported, imported);
    QCOMPARE(result.unparseableSkipped, unparseable);
    QCOMPARE(result.failed, false);
    QCOMPARE(count(QStringLiteral("transactions")), imported);
}

void TestImportService::realFileShapes_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("accountId");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("openQuoteLine");

    QTest::newRow("classic Mac line ends, two-digit years")
        << "mac_cr_lines.csv" << kUsd
        << QStringList{"2024-01-02|Corner Bakery|-123456||", "2024-01-03|Salary, ACME|250000||",
                       "2024-01-04|Cafe|-450||"}
        << 0;
    QTest::newRow("Windows-1252 with a euro amount")
        << "cp1252_names.csv" << kEur
        << QStringList{"2024-03-01|Caf\u00E9 \u201CLe Coin\u201D|1250||", "2024-03-02|Cr\u00E8me|-300||"} << 0;
    QTest::newRow("UTF-16 with a byte-order mark")
        << "utf16le_bom.csv" << kYen << QStringList{"2024-05-01|B\u00FCcherei|-12||", "2024-05-02|\u6771\u4EAC|-3000||"}
        << 0;
    QTest::newRow("UTF-8 with a byte-order mark and a memo over two lines")
        << "utf8_bom_multiline.csv" << kUsd
        << QStringList{"2024-06-01|Se\u00F1or Caf\u00E9|-820|first line\nsecond \"quoted\" line|",
                       "2024-06-02|Zo\u00EB|100||"}
        << 0;
    QTest::newRow("a quote that never closes")
        << "broken_open_quote.csv" << kUsd << QStringList{"2024-01-01|Grocer|-1000||"} << 3;
}

void TestImportService::realFileShapes()
{
    QFETCH(QString, fixture);
    QFETCH(QString, accountId);
    QFETCH(QStringList, rows);
    QFETCH(int, openQuoteLine);

    const QString path = QFINDTESTDATA(QStringLiteral("data/") + fixture);
    QVERIFY(!path.isEmpty());
    CsvImportOptions options = withHeader();
    options.memoColumn = 3;
    const ImportResult result = m_ledger->service.importCsv(path, accountId, options);
    QCOMPARE(storedRows(accountId), rows);
    QCOMPARE(result.imported, rows.size());
    QCOMPARE(result.unterminatedQuoteLine, openQuoteLine);
}

void TestImportService::failedBeginWritesNothing()
{
    // Someone else's transaction is open, so BEGIN fails.
    QVERIFY(m_ledger->db.sql().transaction());
    QSignalSpy progress(&m_ledger->service, &ImportService::importProgress);
    QSignalSpy started(&m_ledger->service, &ImportService::importTransactionStarted);
    QSignalSpy ended(&m_ledger->service, &ImportService::importTransactionEnded);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^SqlTransaction: BEGIN failed")));
    const ImportResult result = import(numberedRows(3));

    QCOMPARE(result.failed, true);
    QCOMPARE(result.imported, 0);
    QCOMPARE(progressOf(progress), Progress({{3, 3}}));
    // No transaction of ours was opened, so nobody was told to wait for one.
    QCOMPARE(started.count(), 0);
    QCOMPARE(ended.count(), 0);
    QCOMPARE(m_ledger->service.isImporting(), false);
    // Nothing was written into the other transaction either.
    QCOMPARE(count(QStringLiteral("transactions")), 0);
    QVERIFY(m_ledger->db.sql().rollback());
}

void TestImportService::failedCommitReportsFailure()
{
    QVERIFY(m_ledger->failEveryCommit());
    QSignalSpy progress(&m_ledger->service, &ImportService::importProgress);
    QSignalSpy started(&m_ledger->service, &ImportService::importTransactionStarted);
    QSignalSpy ended(&m_ledger->service, &ImportService::importTransactionEnded);
    CsvImportOptions options = withHeader();
    options.categoryColumn = 3;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^SqlTransaction: COMMIT failed")));
    const ImportResult result = import("Date,Payee,Amount,Category\n2024-01-02,A,1,New\n2024-01-03,B,2,New\n",
                                       options);

    QCOMPARE(result.failed, true);
    QCOMPARE(result.imported, 2);
    QCOMPARE(count(QStringLiteral("transactions")), 0);
    QCOMPARE(count(QStringLiteral("categories")), 0);
    QCOMPARE(progressOf(progress), Progress({{2, 2}}));
    QCOMPARE(started.count(), 1);
    QCOMPARE(ended.count(), 1);
    QCOMPARE(m_ledger->service.isImporting(), false);
}

void TestImportService::databaseErrorRollsBackEverything_data()
{
    QTest::addColumn<QString>("trap");
    QTest::addColumn<QString>("repositoryWarning");

    QTest::newRow("transaction insert") << QStringLiteral("CREATE TEMP TRIGGER trap BEFORE INSERT ON transactions "
                                                          "WHEN new.payee = 'Payee 150' BEGIN "
                                                          "SELECT RAISE(ABORT, 'refused'); END")
                                        << QStringLiteral("^TransactionRepository::insert failed");
    QTest::newRow("category insert") << QStringLiteral("CREATE TEMP TRIGGER trap BEFORE INSERT ON categories "
                                                       "WHEN new.name = 'Late' BEGIN "
                                                       "SELECT RAISE(ABORT, 'refused'); END")
                                     << QStringLiteral("^CategoryRepository::insert failed");
}

void TestImportService::databaseErrorRollsBackEverything()
{
    QFETCH(QString, trap);
    QFETCH(QString, repositoryWarning);
    QVERIFY(m_ledger->db.exec(trap));

    QByteArray csv = "Date,Payee,Amount,Category\n";
    for (int i = 0; i < 200; ++i)
        csv += "2024-01-02,Payee " + QByteArray::number(i) + ",1.00," + (i < 150 ? "Early" : "Late") + '\n';
    CsvImportOptions options = withHeader();
    options.categoryColumn = 3;
    QSignalSpy progress(&m_ledger->service, &ImportService::importProgress);
    QSignalSpy ended(&m_ledger->service, &ImportService::importTransactionEnded);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(repositoryWarning));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^CSV import aborted: ")));
    const ImportResult result = import(csv, options);

    QCOMPARE(result.failed, true);
    QCOMPARE(result.databaseErrors, 1);
    QCOMPARE(result.imported, 150); // as counted before the rollback
    QCOMPARE(count(QStringLiteral("transactions")), 0);
    QCOMPARE(count(QStringLiteral("categories")), 0);
    QCOMPARE(progressOf(progress), Progress({{100, 200}, {200, 200}}));
    QCOMPARE(ended.count(), 1);
    QCOMPARE(m_ledger->service.isImporting(), false);
}

void TestImportService::listenersReloadOnceAfterTheTransaction()
{
    QList<QPair<QString, bool>> changes;
    connect(&m_ledger->transactions, &TransactionRepository::transactionsChanged, this,
            [this, &changes](const QString& accountId) {
                changes.append({accountId, m_ledger->service.isImporting()});
            });
    QList<bool> importingAtProgress;
    connect(&m_ledger->service, &ImportService::importProgress, this,
            [this, &importingAtProgress] { importingAtProgress.append(m_ledger->service.isImporting()); });
    QStringList order;
    connect(&m_ledger->transactions, &TransactionRepository::transactionsChanged, this,
            [&order] { order.append(QStringLiteral("changed")); });
    connect(&m_ledger->service, &ImportService::importTransactionEnded, this,
            [&order] { order.append(QStringLiteral("ended")); });

    QCOMPARE(import(numberedRows(250)).imported, 250);
    QCOMPARE(changes, (QList<QPair<QString, bool>>{{kUsd, false}}));
    QCOMPARE(importingAtProgress, QList<bool>({true, true, false}));
    QCOMPARE(order, QStringList({"changed", "ended"}));

    // An import that stores nothing announces nothing.
    QCOMPARE(import(numberedRows(250)).duplicatesSkipped, 250);
    QCOMPARE(changes.size(), 1);

    // Other writers are back to one signal per write.
    QVERIFY(m_ledger->transactions.insert(newTransaction(kEur, QDate(2024, 1, 1), QStringLiteral("Later"), 1)));
    QCOMPARE(changes.size(), 2);
}

void TestImportService::deferredWorkWaitsForTheTransaction()
{
    // What a sync run or the automatic posting does when its timer fires while
    // the import processes events: look, and wait for the end if need be.
    bool firedWhileImporting = false;
    QList<int> committedWhenRun;
    QTimer timer;
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, this, [&] {
        const auto run = [&] { committedWhenRun.append(committedRows(m_ledger->db.path())); };
        firedWhileImporting = m_ledger->service.isImporting();
        if (firedWhileImporting)
            connect(&m_ledger->service, &ImportService::importTransactionEnded, this, run, Qt::SingleShotConnection);
        else
            run();
    });
    timer.start(0);

    QCOMPARE(import(numberedRows(150)).imported, 150);
    QVERIFY(firedWhileImporting);
    QCOMPARE(committedWhenRun, QList<int>({150}));
}

void TestImportService::secondImportWhileOneIsOpenIsRefused()
{
    const QString inner = writeFile(numberedRows(5));
    ImportResult innerResult;
    connect(
        &m_ledger->service, &ImportService::importProgress, this,
        [&](int current) {
            if (current == 100)
                innerResult = m_ledger->service.importCsv(inner, kEur, withHeader());
        },
        Qt::SingleShotConnection);
    QTest::ignoreMessage(QtWarningMsg, "CSV import refused: another import is still open");
    const ImportResult outer = import(numberedRows(150));

    QCOMPARE(innerResult.failed, true);
    QCOMPARE(outer.failed, false);
    QCOMPARE(outer.imported, 150);
    QCOMPARE(storedRows(kEur), QStringList());
    QCOMPARE(count(QStringLiteral("transactions")), 150);
}

VELLUMRY_TEST_GUILESS_MAIN(TestImportService)
#include "tst_importservice.moc"
