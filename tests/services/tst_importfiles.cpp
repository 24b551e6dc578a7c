#include "ImportTestLedger.h"
#include "QifRecordText.h"
#include "TestMain.h"

#include "data/Clock.h"
#include "data/Identifiers.h"
#include "services/AmountText.h"
#include "services/CsvParser.h"
#include "services/ImportText.h"
#include "services/QifParser.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>

Q_DECLARE_METATYPE(QifDateOrder)

namespace {

QString readText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return decodeImportText(file.readAll());
}

qint64 cents(const QString& cell)
{
    const std::optional<DecimalAmount> amount = readAmountText(cell);
    return amount ? amount->toMinorUnits(100).value_or(-1) : -1;
}

// Real-world exports live outside the repository: VELLUMRY_IMPORT_CORPUS, or a
// shared/corpus folder beside the checkout or one of its parents.
QString corpusDir()
{
    const QString fromEnvironment = qEnvironmentVariable("VELLUMRY_IMPORT_CORPUS");
    if (!fromEnvironment.isEmpty())
        return QFileInfo::exists(fromEnvironment) ? fromEnvironment : QString();
    // __FILE__ may be relative to the build folder; the test's source folder is not.
    QDir dir(QStringLiteral(QT_TESTCASE_SOURCEDIR));
    for (int level = 0; level < 5 && dir.cdUp(); ++level) {
        if (QFileInfo::exists(dir.filePath(QStringLiteral("shared/corpus"))))
            return dir.filePath(QStringLiteral("shared/corpus"));
    }
    return QString();
}

// Every file of the corpus that matches, sorted; empty without a corpus.
QStringList corpusFiles(const QStringList& patterns)
{
    const QString dir = corpusDir();
    if (dir.isEmpty())
        return {};
    QStringList paths;
    QDirIterator it(dir, patterns, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        paths.append(it.next());
    paths.sort();
    return paths;
}

// The corpus file's path; empty when this machine has no corpus or the file is not in it.
QString corpusFile(const QString& relative)
{
    const QString dir = corpusDir();
    const QString path = QDir(dir).filePath(relative);
    return !dir.isEmpty() && QFileInfo::exists(path) ? path : QString();
}

// What must hold for any text: no blank rows but perhaps the last, every field trimmed.
void checkCsvShape(const QList<QStringList>& rows, const QString& path)
{
    for (const QStringList& row : rows) {
        const bool blank = row.size() == 1 && row.first().isEmpty();
        QVERIFY2(!row.isEmpty() && (!blank || &row == &rows.last()), qPrintable(path));
        for (const QString& field : row)
            QVERIFY2(field == field.trimmed(), qPrintable(path));
    }
}

// What must hold for any QIF parse: dated records, accounts listed once, and
// every record's source account among them.
void checkQifShape(const QifParseResult& result, const QString& path)
{
    QSet<QString> names;
    for (const QifAccount& account : result.accounts) {
        QVERIFY2(!account.name.isEmpty(), qPrintable(path));
        QVERIFY2(!names.contains(account.name.toLower()), qPrintable(path));
        names.insert(account.name.toLower());
    }
    for (const QifRecord& record : result.records) {
        QVERIFY2(record.date.isValid(), qPrintable(path));
        QVERIFY2(record.sourceAccount.isEmpty() || names.contains(record.sourceAccount.toLower()),
                 qPrintable(path));
    }
    QVERIFY(result.dateOrder == QifDateOrder::MonthFirst || result.dateOrder == QifDateOrder::DayFirst);
}

} // namespace

class TestImportFiles : public QObject
{
    Q_OBJECT

private slots:
    void qifFixtures_data();
    void qifFixtures();

    void corpusEveryFileWithBothParsers();
    void corpusCsv_data();
    void corpusCsv();
    void corpusCsvImport_data();
    void corpusCsvImport();
    void corpusQif_data();
    void corpusQif();
    void corpusQifImport();
};

void TestImportFiles::qifFixtures_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<QStringList>("accounts");
    QTest::addColumn<int>("invalid");
    QTest::addColumn<int>("metadata");
    QTest::addColumn<QifDateOrder>("order");

    // CR LF lines, AutoSwitch, a category list, a class and a memorized transaction.
    QTest::newRow("multi-account export")
        << "multi_account_autoswitch.qif"
        << QStringList{"2024-12-25|-123456|Holiday Market|LGroceries|MGifts|N1001|CX|@Checking",
                       "2025-01-02|250000|ACME Corp|LSalary|CR|@Checking",
                       "2025-01-05|-30000|Card payment|>Visa Card|@Checking",
                       "2025-01-06|-10000|Split purchase|LGroceries|S-6000:Groceries:Food|S-4000:>Visa Card:Card part"
                       "|@Checking",
                       "2025-01-05|30000|Payment received|>Checking|@Visa Card", "2025-01-07|-4500|Bookshop|@Visa Card"}
        << QStringList{"Checking:0", "Visa Card:1"} << 0 << 2 << QifDateOrder::MonthFirst;
    QTest::newRow("day first, Windows-1252, no headers")
        << "dayfirst_no_header.qif"
        << QStringList{"2024-01-02|-123456|Supermarch\u00E9", "2024-12-25|100050|Weihnachtsgeld",
                       "2024-01-31|-1250|B\u00E4ckerei"}
        << QStringList() << 0 << 0 << QifDateOrder::DayFirst;
    // Feb 30, "12a", one hundredth beyond 2^53, and "1,23,456" are skipped.
    QTest::newRow("broken records")
        << "broken_records.qif"
        << QStringList{"2024-01-04|9007199254740992|Largest that fits", "2024-01-06|-500|Cut off\u00FF"}
        << QStringList() << 4 << 0 << QifDateOrder::MonthFirst;
}

void TestImportFiles::qifFixtures()
{
    QFETCH(QString, fixture);
    QFETCH(QStringList, records);
    QFETCH(QStringList, accounts);
    QFETCH(int, invalid);
    QFETCH(int, metadata);
    QFETCH(QifDateOrder, order);

    const QifParseResult result =
        parseQif(readText(QFINDTESTDATA(QStringLiteral("data/") + fixture)), QifDateOrder::Detect);
    checkQifShape(result, fixture);
    QCOMPARE(qifRecordTexts(result), records);
    QCOMPARE(qifAccountTexts(result), accounts);
    QCOMPARE(result.skippedInvalid, invalid);
    QCOMPARE(result.skippedMetadata, metadata);
    QCOMPARE(result.dateOrder, order);
}

void TestImportFiles::corpusEveryFileWithBothParsers()
{
    const QStringList paths = corpusFiles({QStringLiteral("*.csv"), QStringLiteral("*.qif")});
    if (paths.isEmpty())
        QSKIP("no import corpus on this machine");
    for (const QString& path : paths) {
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        const QByteArray bytes = file.readAll();
        const QString text = decodeImportText(bytes);
        QVERIFY2(bytes.isEmpty() == text.isEmpty(), qPrintable(path));

        // Each parser must take any file, also one of the other format.
        CsvParseReport report;
        const QList<QStringList> rows = parseCsv(text, &report);
        checkCsvShape(rows, path);
        const QifParseResult qif = parseQif(text, QifDateOrder::Detect);
        checkQifShape(qif, path);

        if (path.endsWith(QLatin1String(".csv"))) {
            QVERIFY2(!report.unterminatedQuote, qPrintable(path));
            QVERIFY2(rows.size() >= 2, qPrintable(path));
        }
    }
}

void TestImportFiles::corpusCsv_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("fields");
    QTest::addColumn<int>("amountRow");
    QTest::addColumn<int>("amountColumn");
    QTest::addColumn<qint64>("amount");

    const auto row = [](const char* name, int rows, int fields, int amountRow, int amountColumn, qint64 amount) {
        QTest::newRow(name) << QStringLiteral("csv/csv2ofx/%1").arg(QLatin1String(name)) << rows << fields
                            << amountRow << amountColumn << amount;
    };
    // Files with lone-CR line ends (creditunion, mint*, xero) must not collapse into one row.
    row("creditunion.csv", 9, 6, 1, 3, 5000000);
    row("mint.csv", 5, 9, 1, 3, 100000);
    row("mint_extra.csv", 6, 9, 4, 3, 250000);
    row("mint_headerless.csv", 4, 7, 0, 3, 100000);
    row("xero.csv", 14, 9, 1, 3, -3600000);
    row("schwab-checking.csv", 5, 8, 4, 7, 103647);
    row("ingesp.csv", 11, 8, 1, 6, 283);
    row("n26-fr.csv", 3, 11, 2, 7, -32800);
    row("pcmastercard.csv", 3, 5, 1, 4, 3633);
    row("capitalone.csv", 3, 7, 2, 6, 100000);
    row("default.csv", 9, 9, 1, 5, 5000000);
    row("amazon.csv", 8, 12, 1, 5, 422);
    row("stripe-default.csv", 6, 21, -1, -1, 0);
    // Semicolon-separated exports come through as one field per line.
    row("gls.csv", 2, 1, -1, -1, 0);
    row("ubs-ch-fr_trimmed.csv", 4, 1, -1, -1, 0);
}

void TestImportFiles::corpusCsv()
{
    QFETCH(QString, path);
    QFETCH(int, rows);
    QFETCH(int, fields);
    QFETCH(int, amountRow);
    QFETCH(int, amountColumn);
    QFETCH(qint64, amount);

    const QString file = corpusFile(path);
    if (file.isEmpty())
        QSKIP("not in this machine's import corpus");
    CsvParseReport report;
    const QList<QStringList> parsed = parseCsv(readText(file), &report);
    QCOMPARE(parsed.size(), rows);
    QCOMPARE(parsed.first().size(), fields);
    QCOMPARE(report.unterminatedQuote, false);
    if (amountRow >= 0)
        QCOMPARE(cents(parsed.at(amountRow).at(amountColumn)), amount);
}

void TestImportFiles::corpusCsvImport_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QList<int>>("columns"); // date, payee, amount
    QTest::addColumn<int>("imported");
    QTest::addColumn<QStringList>("firstRows"); // "date|payee|amount" in file order

    const auto row = [](const char* name, const QList<int>& columns, int imported, const QStringList& firstRows) {
        QTest::newRow(name) << QStringLiteral("csv/csv2ofx/%1").arg(QLatin1String(name)) << columns << imported
                            << firstRows;
    };
    // Day first: 24/03/2022 settles it, so 08/04/2022 is 8 April, not 4 August.
    row("ingesp.csv", {0, 3, 6}, 10,
        {"2022-03-24|Abono por campa\u00F1a Abono Shopping NARANJA:GALP|283",
         "2022-04-08|Abono por campa\u00F1a Abono Shopping NARANJA:GALP|269"});
    row("mint.csv", {0, 1, 3}, 4, {"2015-06-12|Transfer from Checking|100000", "2015-06-12|Transfer from Savings|150000"});
    row("creditunion.csv", {1, 2, 3}, 8, {"2015-02-08|\u1EB0d\u00F8\u0142\u01A5h No\u01B4a|5000000",
                                           "2015-02-08|\u00D3mary Akida|5000000"});
    row("default.csv", {2, 4, 5}, 8, {"2015-02-08|\u1EB0d\u00F8\u0142\u01A5h No\u01B4a|5000000",
                                       "2015-02-08|\u00D3mary Akida|5000000"});
}

void TestImportFiles::corpusCsvImport()
{
    QFETCH(QString, path);
    QFETCH(QList<int>, columns);
    QFETCH(int, imported);
    QFETCH(QStringList, firstRows);

    const QString file = corpusFile(path);
    if (file.isEmpty())
        QSKIP("not in this machine's import corpus");
    ImportTestLedger ledger;
    QVERIFY(ledger.isReady());
    Account account;
    account.id = newId();
    account.name = QStringLiteral("Checking");
    account.createdAt = Clock::nowUtc();
    account.updatedAt = account.createdAt;
    QVERIFY(ledger.accounts.insert(account));
    CsvImportOptions options;
    options.dateColumn = columns.at(0);
    options.payeeColumn = columns.at(1);
    options.amountColumn = columns.at(2);
    options.hasHeaderRow = true;

    const ImportResult first = ledger.service.importCsv(file, account.id, options);
    QCOMPARE(first.failed, false);
    QCOMPARE(first.imported, imported);
    QCOMPARE(ledger.rows(QStringLiteral("SELECT date, payee, amount FROM transactions ORDER BY rowid")).mid(0, 2),
             firstRows);
    const ImportResult again = ledger.service.importCsv(file, account.id, options);
    QCOMPARE(again.imported, 0);
    QCOMPARE(again.duplicatesSkipped, first.imported + first.duplicatesSkipped);
}

void TestImportFiles::corpusQif_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("invalid");
    QTest::addColumn<int>("metadata");
    QTest::addColumn<QStringList>("accounts");
    QTest::addColumn<int>("categories");
    QTest::addColumn<QifDateOrder>("order");

    const QifDateOrder md = QifDateOrder::MonthFirst;
    const QifDateOrder dm = QifDateOrder::DayFirst;
    const auto row = [](const char* path, int records, int invalid, int metadata, const QStringList& accounts,
                        int categories, QifDateOrder order) {
        QTest::newRow(path) << QString::fromLatin1(path) << records << invalid << metadata << accounts
                            << categories << order;
    };
    row("qif/qifparse/file.qif", 5, 0, 3, {"My Cash", "My Cc"}, 2, dm);
    row("qif/qifparse/transactions_only.qif", 3, 0, 0, {}, 0, dm);
    row("qif/quiffen/empty.qif", 0, 0, 0, {}, 0, md);
    row("qif/quiffen/test.qif", 7, 0, 6, {}, 2, md);
    row("qif/quiffen/test_oth_a.qif", 7, 0, 5, {}, 2, md);
    row("qif/quiffen/test_FMQifTest2023-10-18.qif", 2, 0, 12, {"KD-Bank Berlin"}, 118, md);
    row("qif/quiffen/test_category_inherit.qif", 0, 0, 0, {}, 2, md);
    row("qif/quiffen/test_category_override.qif", 4, 0, 0, {}, 0, dm);
    row("qif/quiffen/test_circular_reference.qif", 2, 0, 0, {}, 0, md);
    row("qif/quiffen/test_clear_autoswitch.qif", 0, 0, 0, {}, 0, md);
    row("qif/quiffen/test_nosymbol.qif", 0, 0, 1, {}, 0, md);
    row("qif/quiffen/test_option_autoswitch.qif", 0, 0, 0, {}, 0, md);
    row("qif/quiffen/test_split.qif", 1, 0, 0, {}, 0, md);
    row("qif/quiffen/test_transaction_before_account_definition_1.qif", 2, 0, 0, {}, 0, md);
    row("qif/quiffen/test_transaction_before_account_definition_2.qif", 2, 0, 0, {}, 0, md);
    // Its only record has a date and a transfer but no amount.
    row("qif/quiffen/test_unknown_account_type.qif", 0, 1, 0, {}, 0, md);
}

void TestImportFiles::corpusQif()
{
    QFETCH(QString, path);
    QFETCH(int, records);
    QFETCH(int, invalid);
    QFETCH(int, metadata);
    QFETCH(QStringList, accounts);
    QFETCH(int, categories);
    QFETCH(QifDateOrder, order);

    const QString file = corpusFile(path);
    if (file.isEmpty())
        QSKIP("not in this machine's import corpus");
    const QifParseResult result = parseQif(readText(file), QifDateOrder::Detect);
    QCOMPARE(result.records.size(), records);
    QCOMPARE(result.skippedInvalid, invalid);
    QCOMPARE(result.skippedMetadata, metadata);
    QStringList names;
    for (const QifAccount& account : result.accounts)
        names.append(account.name);
    QCOMPARE(names, accounts);
    QCOMPARE(result.categories.size(), categories);
    QCOMPARE(result.dateOrder, order);
}

void TestImportFiles::corpusQifImport()
{
    const QStringList paths = corpusFiles({QStringLiteral("*.qif")});
    if (paths.isEmpty())
        QSKIP("no import corpus on this machine");
    ImportTestLedger ledger;
    QVERIFY(ledger.isReady());
    TempDatabase& db = ledger.db;
    ImportService& service = ledger.service;

    // Every source account into an account of its own, as the import screen creates them.
    const QifAnalysis analysis = service.analyzeQif(paths);
    QHash<QString, QString> mapping;
    for (const QifSourceAccount& source : analysis.sources) {
        Account account;
        account.id = newId();
        account.name = source.label;
        account.accountType = source.suggestedType;
        account.createdAt = Clock::nowUtc();
        account.updatedAt = account.createdAt;
        QVERIFY(ledger.accounts.insert(account));
        mapping.insert(source.name, account.id);
    }
    const ImportResult result = service.importQif(paths, mapping);
    QCOMPARE(result.failed, false);
    QCOMPARE(result.databaseErrors, 0);
    QCOMPARE(result.unmappedSkipped, 0);
    QCOMPARE(result.imported + result.duplicatesSkipped, analysis.totalRecords);
    QVERIFY(result.imported > 0);

    // Every link points at a stored row that points back.
    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM transactions t LEFT JOIN transactions p "
                                      "ON p.id = t.transfer_link_id WHERE COALESCE(t.transfer_link_id, '') != '' "
                                      "AND (p.id IS NULL OR p.transfer_link_id != t.id)"))
                 .toInt(),
             0);
    const int rows = db.scalar(QStringLiteral("SELECT COUNT(*) FROM transactions")).toInt();
    const int lines = db.scalar(QStringLiteral("SELECT COUNT(*) FROM split_lines")).toInt();
    QCOMPARE(rows, result.imported);
    QVERIFY(lines > 0);

    const ImportResult again = service.importQif(paths, mapping);
    QCOMPARE(again.imported, 0);
    QCOMPARE(again.duplicatesSkipped, analysis.totalRecords);
    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM transactions")).toInt(), rows);
    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM split_lines")).toInt(), lines);
}

VELLUMRY_TEST_GUILESS_MAIN(TestImportFiles)
#include "tst_importfiles.moc"
