#include "ImportTestLedger.h"
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

QString fixture(const char* name)
{
    return QFINDTESTDATA(QStringLiteral("data/%1").arg(QLatin1String(name)));
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
    QDir dir = QFileInfo(QStringLiteral(__FILE__)).absoluteDir();
    for (int level = 0; level < 5 && dir.cdUp(); ++level) {
        if (QFileInfo::exists(dir.filePath(QStringLiteral("shared/corpus"))))
            return dir.filePath(QStringLiteral("shared/corpus"));
    }
    return QString();
}

// The corpus file's path, or an empty text and the reason to skip.
QString corpusFile(const QString& relative, QString* missing)
{
    const QString dir = corpusDir();
    const QString path = dir.isEmpty() ? QString() : QDir(dir).filePath(relative);
    if (dir.isEmpty())
        *missing = QStringLiteral("no import corpus on this machine");
    else if (!QFileInfo::exists(path))
        *missing = QStringLiteral("%1 is not in this corpus").arg(relative);
    return missing->isEmpty() ? path : QString();
}

// What must hold for any text: no blank rows, every field trimmed.
void checkCsvShape(const QList<QStringList>& rows, const QString& path)
{
    for (const QStringList& row : rows) {
        QVERIFY2(!row.isEmpty() && !(row.size() == 1 && row.first().isEmpty()), qPrintable(path));
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
    void csvLineEndsAndEncodings();
    void csvWithOpenQuote();
    void csvJunk();
    void qifMultiAccountExport();
    void qifDayFirstWithoutHeaders();
    void qifBrokenRecords();

    void corpusEveryFileWithBothParsers();
    void corpusCsv_data();
    void corpusCsv();
    void corpusQif_data();
    void corpusQif();
    void corpusQifImport();
};

void TestImportFiles::csvLineEndsAndEncodings()
{
    const QList<QStringList> mac = parseCsv(readText(fixture("mac_cr_lines.csv")));
    QCOMPARE(mac.size(), 4);
    QCOMPARE(mac.at(2), QStringList({"01/03/24", "Salary, ACME", "2500.00"}));
    QCOMPARE(cents(mac.at(1).at(2)), qint64(-123456));
    QCOMPARE(cents(mac.at(3).at(2)), qint64(-450));

    const QList<QStringList> windows = parseCsv(readText(fixture("cp1252_names.csv")));
    QCOMPARE(windows.size(), 3);
    QCOMPARE(windows.at(1).at(1), QStringLiteral("Caf\u00E9 \u201CLe Coin\u201D"));
    QCOMPARE(windows.at(2).at(1), QStringLiteral("Cr\u00E8me"));
    QCOMPARE(cents(windows.at(1).at(2)), qint64(1250));

    const QList<QStringList> utf16 = parseCsv(readText(fixture("utf16le_bom.csv")));
    QCOMPARE(utf16.size(), 3);
    QCOMPARE(utf16.first().first(), QStringLiteral("Date")); // the mark is not part of the text
    QCOMPARE(utf16.at(1).at(1), QStringLiteral("B\u00FCcherei"));
    QCOMPARE(utf16.at(2).at(1), QStringLiteral("\u6771\u4EAC"));
    QCOMPARE(readAmountText(utf16.at(2).at(2))->toMinorUnits(1), std::optional<qint64>(-3000));

    const QList<QStringList> utf8 = parseCsv(readText(fixture("utf8_bom_multiline.csv")));
    QCOMPARE(utf8.size(), 3);
    QCOMPARE(utf8.first().first(), QStringLiteral("Date"));
    QCOMPARE(utf8.at(1).at(1), QStringLiteral("Se\u00F1or Caf\u00E9"));
    QCOMPARE(utf8.at(1).at(3), QStringLiteral("first line\nsecond \"quoted\" line"));
    QCOMPARE(utf8.at(2), QStringList({"2024-06-02", "Zo\u00EB", "1.00", ""}));
}

void TestImportFiles::csvWithOpenQuote()
{
    CsvParseReport report;
    const QList<QStringList> rows = parseCsv(readText(fixture("broken_open_quote.csv")), &report);
    QCOMPARE(rows.size(), 3);
    QCOMPARE(report.unterminatedQuote, true);
    QCOMPARE(report.unterminatedQuoteLine, 3);
    QCOMPARE(report.unterminatedQuoteRow, 2);
    // Nothing is cut: the open field holds the rest of the file for the caller to judge.
    QCOMPARE(rows.at(2).size(), 2);
    QCOMPARE(rows.at(2).at(1), QStringLiteral("Hardware store,-25.00\n2024-01-03,Pharmacy,-7.00"));
}

void TestImportFiles::csvJunk()
{
    CsvParseReport report;
    const QString text = readText(fixture("broken_junk.csv"));
    QVERIFY(text.startsWith(QStringLiteral("Date,Payee,Amount\n")));
    const QList<QStringList> rows = parseCsv(text, &report);
    QCOMPARE(report.unterminatedQuote, false);
    QCOMPARE(rows.size(), 6);
    QCOMPARE(rows.at(1), QStringList({QStringLiteral("\u0000\u00FF\u00FE"), "", ""}));
    QCOMPARE(rows.at(2).at(2), QStringLiteral("abc"));
    QCOMPARE(readAmountText(rows.at(2).at(2)), std::nullopt);
    QCOMPARE(rows.at(3), QStringList({"only one field"}));
    QCOMPARE(rows.at(4), QStringList(5, QString()));
    QCOMPARE(rows.at(5), QStringList(2, QString()));
    checkCsvShape(rows, QStringLiteral("broken_junk.csv"));
}

void TestImportFiles::qifMultiAccountExport()
{
    const QifParseResult result = parseQif(readText(fixture("multi_account_autoswitch.qif")), QifDateOrder::Detect);
    checkQifShape(result, QStringLiteral("multi_account_autoswitch.qif"));
    QCOMPARE(result.dateOrder, QifDateOrder::MonthFirst);
    QCOMPARE(result.records.size(), 6);
    QCOMPARE(result.skippedInvalid, 0);
    QCOMPARE(result.skippedMetadata, 2); // the class and the memorized transaction
    QCOMPARE(result.categories.size(), 2);
    QCOMPARE(result.categories.at(1).name, QStringLiteral("Salary"));
    QCOMPARE(result.categories.at(1).isIncome, true);

    QCOMPARE(result.accounts.size(), 2);
    QCOMPARE(result.accounts.at(0).name, QStringLiteral("Checking"));
    QCOMPARE(result.accounts.at(0).kind, QifAccountKind::Bank);
    QCOMPARE(result.accounts.at(1).name, QStringLiteral("Visa Card"));
    QCOMPARE(result.accounts.at(1).kind, QifAccountKind::CCard);

    const QifRecord& holiday = result.records.at(0);
    QCOMPARE(holiday.date, QDate(2024, 12, 25));
    QCOMPARE(holiday.amount, qint64(-123456));
    QCOMPARE(holiday.category, QStringLiteral("Groceries"));
    QCOMPARE(holiday.checkNumber, QStringLiteral("1001"));
    QCOMPARE(holiday.cleared, true);
    QCOMPARE(holiday.sourceAccount, QStringLiteral("Checking"));

    const QifRecord& salary = result.records.at(1);
    QCOMPARE(salary.date, QDate(2025, 1, 2));
    QCOMPARE(salary.amount, qint64(250000));
    QCOMPARE(salary.reconciled, true);

    // The two legs of one transfer, each in its own account.
    QCOMPARE(result.records.at(2).transferAccount, QStringLiteral("Visa Card"));
    QCOMPARE(result.records.at(4).transferAccount, QStringLiteral("Checking"));
    QCOMPARE(result.records.at(4).sourceAccount, QStringLiteral("Visa Card"));
    QCOMPARE(result.records.at(2).amount, -result.records.at(4).amount);

    const QifRecord& split = result.records.at(3);
    QCOMPARE(split.splits.size(), 2);
    QCOMPARE(split.splits.at(1).transferAccount, QStringLiteral("Visa Card"));
    QCOMPARE(split.splits.at(1).memo, QStringLiteral("Card part"));
    QCOMPARE(split.splits.at(0).amount + split.splits.at(1).amount, split.amount);

    QCOMPARE(result.records.at(5).amount, qint64(-4500));
}

void TestImportFiles::qifDayFirstWithoutHeaders()
{
    const QifParseResult result = parseQif(readText(fixture("dayfirst_no_header.qif")), QifDateOrder::Detect);
    checkQifShape(result, QStringLiteral("dayfirst_no_header.qif"));
    QCOMPARE(result.dateOrder, QifDateOrder::DayFirst);
    QVERIFY(result.accounts.isEmpty());
    QCOMPARE(result.records.size(), 3);
    QCOMPARE(result.records.at(0).date, QDate(2024, 1, 2));
    QCOMPARE(result.records.at(0).amount, qint64(-123456));
    QCOMPARE(result.records.at(0).payee, QStringLiteral("Supermarch\u00E9"));
    QCOMPARE(result.records.at(1).date, QDate(2024, 12, 25));
    QCOMPARE(result.records.at(1).amount, qint64(100050));
    QCOMPARE(result.records.at(2).date, QDate(2024, 1, 31));
    QCOMPARE(result.records.at(2).amount, qint64(-1250));
    QCOMPARE(result.records.at(2).payee, QStringLiteral("B\u00E4ckerei"));
}

void TestImportFiles::qifBrokenRecords()
{
    const QifParseResult result = parseQif(readText(fixture("broken_records.qif")), QifDateOrder::Detect);
    checkQifShape(result, QStringLiteral("broken_records.qif"));
    // Feb 30, "12a", one hundredth beyond 2^53, and "1,23,456".
    QCOMPARE(result.skippedInvalid, 4);
    QCOMPARE(result.skippedMetadata, 0);
    QCOMPARE(result.records.size(), 2);
    QCOMPARE(result.records.at(0).payee, QStringLiteral("Largest that fits"));
    QCOMPARE(result.records.at(0).amount, kMaxImportedMinorUnits);
    QCOMPARE(result.records.at(1).payee, QStringLiteral("Cut off\u00FF"));
    QCOMPARE(result.records.at(1).date, QDate(2024, 1, 6));
}

void TestImportFiles::corpusEveryFileWithBothParsers()
{
    const QString dir = corpusDir();
    if (dir.isEmpty())
        QSKIP("no import corpus on this machine");

    int files = 0;
    QDirIterator it(dir, {QStringLiteral("*.csv"), QStringLiteral("*.qif")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
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
        ++files;
    }
    QVERIFY(files > 0);
    qInfo("%d corpus files read with both parsers", files);
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

    QString missing;
    const QString file = corpusFile(path, &missing);
    if (file.isEmpty())
        QSKIP(qPrintable(missing));
    CsvParseReport report;
    const QList<QStringList> parsed = parseCsv(readText(file), &report);
    QCOMPARE(parsed.size(), rows);
    QCOMPARE(parsed.first().size(), fields);
    QCOMPARE(report.unterminatedQuote, false);
    if (amountRow >= 0)
        QCOMPARE(cents(parsed.at(amountRow).at(amountColumn)), amount);
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

    QString missing;
    const QString file = corpusFile(path, &missing);
    if (file.isEmpty())
        QSKIP(qPrintable(missing));
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
    const QString dir = corpusDir();
    if (dir.isEmpty())
        QSKIP("no import corpus on this machine");
    QStringList paths;
    QDirIterator it(dir, {QStringLiteral("*.qif")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        paths.append(it.next());
    paths.sort();

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
    qInfo("%d corpus QIF files: %d sources, %d imported, %d duplicates, %d transfers linked", int(paths.size()),
          int(analysis.sources.size()), result.imported, result.duplicatesSkipped, result.transfersLinked);

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
