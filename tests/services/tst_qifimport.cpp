#include "../data/LedgerFixture.h"
#include "ImportTestLedger.h"
#include "TestMain.h"

#include "data/Clock.h"
#include "services/QifTransferLinker.h"

#include <QDir>
#include <QRegularExpression>
#include <QTimer>
#include <QSignalSpy>

using namespace LedgerFixture;

namespace {

using Mapping = QHash<QString, QString>;

// The link of a row: the partner's account when both rows exist and point at each other.
const char* const kRowSql =
    "SELECT t.account_id, t.payee, t.amount, COALESCE(t.memo, ''), "
    "CASE WHEN COALESCE(t.transfer_link_id, '') = '' THEN '' WHEN p.id IS NULL THEN 'dangling' "
    "WHEN p.transfer_link_id = t.id AND p.account_id = t.transfer_dest_account_id "
    "AND p.transfer_dest_account_id = t.account_id THEN p.account_id ELSE 'one-way' END, "
    "'v' || t.version FROM transactions t LEFT JOIN transactions p ON p.id = t.transfer_link_id "
    "ORDER BY t.account_id, t.rowid";

QByteArray account(const char* name, const char* type = "Bank")
{
    return QByteArray("!Account\nN") + name + "\nT" + type + "\n^\n!Type:" + type + '\n';
}

QByteArray record(const char* date, const char* amount, const char* payee, const char* category,
                  const char* memo = "")
{
    QByteArray text = QByteArray("D") + date + "\nT" + amount + '\n';
    if (*payee)
        text += QByteArray("P") + payee + '\n';
    if (*category)
        text += QByteArray("L") + category + '\n';
    if (*memo)
        text += QByteArray("M") + memo + '\n';
    return text + "^\n";
}

// The two legs of one transfer of 100.00 from Checking to Savings.
const QByteArray kCheckingLeg =
    account("Checking") + record("01/05/2025", "-100.00", "Move", "[Savings]", "Rent share");
const QByteArray kSavingsLeg = account("Savings") + record("01/05/2025", "100.00", "Move", "[Checking]");

Mapping mappingOf(const QStringList& pairs)
{
    Mapping mapping;
    for (const QString& pair : pairs)
        mapping.insert(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
    return mapping;
}

} // namespace

class TestQifImport : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void analysisListsEachSourceOnce();
    void importsRecordsIntoMappedAccounts();
    void secondImportAddsNothing();
    void amountsInTheAccountCurrency_data();
    void amountsInTheAccountCurrency();
    void splitLinesAlwaysHaveACategory();
    void checkNumbersKeepChecksApart_data();
    void checkNumbersKeepChecksApart();
    void datesTheLedgerCouldNotReadBack_data();
    void datesTheLedgerCouldNotReadBack();
    void textsAsTheLedgerStoresThem_data();
    void textsAsTheLedgerStoresThem();
    void oneBadDateChangesNoOther_data();
    void oneBadDateChangesNoOther();
    void filesThatStopTheImport_data();
    void filesThatStopTheImport();
    void progressInsideLongRecords();

    void transfersWithinOneImport_data();
    void transfersWithinOneImport();
    void transfersToEarlierImports_data();
    void transfersToEarlierImports();
    void legThatIsNotStoredLeavesNoLink_data();
    void legThatIsNotStoredLeavesNoLink();
    void refusedRecordInABatch();
    void failedUpdateOfEarlierRowRollsBack();
    void failedCommitReportsFailure_data();
    void failedCommitReportsFailure();
    void transferHints_data();
    void transferHints();

private:
    ImportResult import(const QList<QByteArray>& texts, const QStringList& mapping);
    QStringList rows(const QString& sql = QLatin1String(kRowSql));

    std::unique_ptr<ImportTestLedger> m_ledger;
};

void TestQifImport::init()
{
    Clock::setFixedNow(fixedNow());
    m_ledger = std::make_unique<ImportTestLedger>();
    QVERIFY(m_ledger->isReady());
    QVERIFY(addAccount(m_ledger->db, QStringLiteral("chk")));
    QVERIFY(addAccount(m_ledger->db, QStringLiteral("sav")));
    QVERIFY(addAccount(m_ledger->db, QStringLiteral("eur"), 0, QStringLiteral("EUR")));
    QVERIFY(addAccount(m_ledger->db, QStringLiteral("jpy"), 0, QStringLiteral("JPY")));
}

void TestQifImport::cleanup()
{
    m_ledger.reset();
    Clock::reset();
}

ImportResult TestQifImport::import(const QList<QByteArray>& texts, const QStringList& mapping)
{
    QStringList paths;
    for (const QByteArray& text : texts)
        paths.append(m_ledger->writeFile(text));
    return m_ledger->service.importQif(paths, mappingOf(mapping));
}

QStringList TestQifImport::rows(const QString& sql)
{
    return m_ledger->rows(sql);
}

void TestQifImport::analysisListsEachSourceOnce()
{
    ImportTestLedger& ledger = *m_ledger;
    const QString first = ledger.writeFile(account("Checking") + record("1/2/2025", "1", "A", "")
                                           + account("Joint Savings") + record("1/3/2025", "2", "B", "")
                                           + account("Visa", "CCard") + record("1/4/2025", "3", "C", ""));
    const QString second = ledger.writeFile(account("checking") + record("1/5/2025", "4", "D", "")
                                            + account("Loan", "Oth L") + record("1/6/2025", "5", "E", ""));
    const QString headerless = ledger.writeFile(record("1/7/2025", "6", "F", ""), QStringLiteral("bank.export.qif"));
    const QString categoriesOnly = ledger.writeFile("!Type:Cat\nNFood\n^\n", QStringLiteral("cats.qif"));
    // Records before the first account header go by the file.
    const QString mixed = ledger.writeFile(record("1/8/2025", "7", "G", "") + account("Cash box", "Cash")
                                               + record("1/9/2025", "8", "H", ""),
                                           QStringLiteral("mixed.qif"));

    const QifAnalysis analysis = m_ledger->service.analyzeQif(
        {first, m_ledger->files.filePath(QStringLiteral("missing.qif")), second, headerless, categoriesOnly, mixed});
    QCOMPARE(analysis.totalRecords, 8);
    QCOMPARE(analysis.problems, QStringList(QStringLiteral("Could not open %1: No such file or directory")
                                                .arg(m_ledger->files.filePath(QStringLiteral("missing.qif")))));
    QStringList listed;
    for (const QifSourceAccount& source : analysis.sources)
        listed.append(QStringLiteral("%1|%2|%3|%4")
                          .arg(source.name, source.label)
                          .arg(int(source.noAccountHeader))
                          .arg(int(source.suggestedType)));
    QCOMPARE(listed, QStringList({"Checking|Checking|0|0", "Joint Savings|Joint Savings|0|1", "Visa|Visa|0|2",
                                  "Loan|Loan|0|5", headerless + "|bank.export.qif (no account header)|1|0",
                                  categoriesOnly + "|cats.qif (no account header)|1|0", "Cash box|Cash box|0|3",
                                  mixed + "|mixed.qif (no account header)|1|0"}));

    // Both files' Checking records go through the one mapping key; header-less records by their path.
    const ImportResult result =
        m_ledger->service.importQif({first, second, headerless}, mappingOf({"CHECKING=chk", headerless + "=sav"}));
    QCOMPARE(result.imported, 3);
    QCOMPARE(result.unmappedSkipped, 3);
    QCOMPARE(rows(QStringLiteral("SELECT account_id, payee FROM transactions ORDER BY rowid")),
             QStringList({"chk|A", "chk|D", "sav|F"}));
}

void TestQifImport::importsRecordsIntoMappedAccounts()
{
    const QByteArray text = "!Type:Cat\nNSalary\nI\n^\nNGroceries\nE\n^\n" + account("Checking")
                            + "D1/2/2025\nT2,500.00\nPEmployer\nLSalary/Work\nCR\nN1001\nMJanuary\n^\n"
                            + record("1/3/2025", "-12.50", "", "Auto:Fuel") + record("1/4/2025", "5", "", "Refunds")
                            + "D1/5/2025\nPNo amount\n^\n" + account("Broker", "Invst")
                            + "D1/6/2025\nNBuy\nYACME\nT-100\n^\nD1/7/2025\nYACME\nT1\n^\n"
                            + "D1/8/2025\nN123\nT2\n^\n" + record("1/9/2025", "3", "", "[Savings]")
                            + "!Type:Class\nNHome\n^\n" + account("Old") + record("1/10/2025", "4", "Gone", "");
    QSignalSpy started(&m_ledger->service, &ImportService::importStarted);
    QSignalSpy progress(&m_ledger->service, &ImportService::importProgress);
    const ImportResult result = import({text}, {"Checking=chk", "Broker=sav", "Old="});

    QCOMPARE(outcome(result), QStringLiteral("7/0/1/0"));
    QCOMPARE(result.metadataSkipped, 1);
    QCOMPARE(result.unmappedSkipped, 1);
    QCOMPARE(started.at(0).at(0).toInt(), 8);
    QCOMPARE(progress, QList<QVariantList>({{8, 8}}));
    QCOMPARE(rows(QStringLiteral(
                 "SELECT t.account_id, t.date, t.payee, t.amount, COALESCE(t.memo, ''), COALESCE(c.name, ''), "
                 "COALESCE(t.check_number, ''), t.cleared, t.reconciled FROM transactions t "
                 "LEFT JOIN categories c ON c.id = t.category_id ORDER BY t.rowid")),
             QStringList({"chk|2025-01-02|Employer|250000|January|Salary|1001|1|1",
                          "chk|2025-01-03|Imported transaction|-1250||Auto:Fuel||0|0",
                          "chk|2025-01-04|Imported transaction|500||Refunds||0|0",
                          "sav|2025-01-06|Buy: ACME|-10000|||Buy|0|0", "sav|2025-01-07|ACME|100||||0|0",
                          "sav|2025-01-08|123|200|||123|0|0", "sav|2025-01-09|Savings|300|[\u2192 Savings]|||0|0"}));
    // Listed categories keep their kind; names met in records are expenses, never split at ':'.
    QCOMPARE(rows(QStringLiteral("SELECT name, category_type, COALESCE(parent_id, '') FROM categories ORDER BY name")),
             QStringList({"Auto:Fuel|expense|", "Groceries|expense|", "Refunds|expense|", "Salary|income|"}));
}

void TestQifImport::secondImportAddsNothing()
{
    QByteArray checking = account("Checking");
    QByteArray savings = account("Savings");
    for (int i = 0; i < 75; ++i) {
        const QByteArray date = "1/" + QByteArray::number(i % 28 + 1) + "/2025";
        const QByteArray amount = QByteArray::number(i + 1);
        checking += record(date, "-" + amount, "Move", "[Savings]") + "D" + date + "\nT-1\nPSplit " + amount
                    + "\nSFood\n$-0.50\nS[Savings]\n$-0.50\n^\n";
        savings += record(date, amount, "Move", "[Checking]");
    }
    const QString first = m_ledger->writeFile(checking);
    const QString second = m_ledger->writeFile(savings);
    const Mapping mapping = mappingOf({"Checking=chk", "Savings=sav"});
    QSignalSpy progress(&m_ledger->service, &ImportService::importProgress);
    const ImportResult once = m_ledger->service.importQif({first, second}, mapping);
    QCOMPARE(outcome(once), QStringLiteral("225/0/0/0"));
    QCOMPARE(once.transfersLinked, 75);
    QCOMPARE(progress, QList<QVariantList>({{100, 225}, {200, 225}, {225, 225}}));
    const QStringList stored = rows();
    const QString lines = QStringLiteral("SELECT COUNT(*) FROM split_lines");
    QCOMPARE(m_ledger->db.scalar(lines).toInt(), 150);

    const ImportResult again = m_ledger->service.importQif({first, second}, mapping);
    QCOMPARE(outcome(again), QStringLiteral("0/225/0/0"));
    QCOMPARE(again.transfersLinked, 0);
    QCOMPARE(rows(), stored);
    QCOMPARE(m_ledger->db.scalar(lines).toInt(), 150);
}

void TestQifImport::amountsInTheAccountCurrency_data()
{
    QTest::addColumn<QString>("accountId");
    QTest::addColumn<QByteArray>("amount");
    QTest::addColumn<QString>("stored"); // "amount|split amount", empty when not imported

    QTest::newRow("dollars") << "chk" << QByteArray("-1,234.56") << "-123456|-123456";
    QTest::newRow("euros") << "eur" << QByteArray("\u20AC1 000,50") << "100050|100050";
    QTest::newRow("yen are whole") << "jpy" << QByteArray("-1,234.56") << "-1235|-1235";
    QTest::newRow("yen, half away from zero") << "jpy" << QByteArray("(1234.50)") << "-1235|-1235";
    QTest::newRow("largest storable") << "chk" << QByteArray("90071992547409.92")
                                      << "9007199254740992|9007199254740992";
    QTest::newRow("beyond 2^53 minor units") << "chk" << QByteArray("90071992547409.93") << QString();
}

void TestQifImport::amountsInTheAccountCurrency()
{
    QFETCH(QString, accountId);
    QFETCH(QByteArray, amount);
    QFETCH(QString, stored);

    const ImportResult result =
        import({account("Wallet") + "D1/2/2025\nPShop\nT" + amount + "\nSFood\n$" + amount + "\n^\n"},
               {"Wallet=" + accountId});
    QCOMPARE(outcome(result), stored.isEmpty() ? QStringLiteral("0/0/1/0") : QStringLiteral("1/0/0/0"));
    QCOMPARE(rows(QStringLiteral("SELECT t.amount, l.amount FROM transactions t "
                                 "JOIN split_lines l ON l.transaction_id = t.id")),
             stored.isEmpty() ? QStringList() : QStringList{stored});
}

void TestQifImport::splitLinesAlwaysHaveACategory()
{
    const QByteArray split = account("Checking")
                             + "D1/2/2025\nPMarket\nT-100\nSGroceries\n$-60\nEFood\nS[Savings]\n$-30\nECard\n"
                               "S\n$-10\n^\n";
    const QString lines = QStringLiteral("SELECT t.payee, c.name, c.category_type, COALESCE(c.parent_id, ''), "
                                         "l.amount, l.memo FROM split_lines l JOIN transactions t ON t.id = "
                                         "l.transaction_id JOIN categories c ON c.id = l.category_id "
                                         "ORDER BY t.rowid, l.amount");
    // Categories of that name that are no top-level expense are passed over.
    QVERIFY(addCategory(m_ledger->db, QStringLiteral("home"), QStringLiteral("Home")));
    QVERIFY(addCategory(m_ledger->db, QStringLiteral("child"), QStringLiteral("Uncategorized"), QStringLiteral("home")));
    QVERIFY(addCategory(m_ledger->db, QStringLiteral("income"), QStringLiteral("Uncategorized")));
    QVERIFY(m_ledger->db.exec(QStringLiteral("UPDATE categories SET category_type = 'income' WHERE id = 'income'")));
    QCOMPARE(import({split}, {"Checking=chk"}).databaseErrors, 0);
    QCOMPARE(rows(lines), QStringList({"Market|Groceries|expense||-6000|Food",
                                       "Market|Uncategorized|expense||-3000|[\u2192 Savings] Card",
                                       "Market|Uncategorized|expense||-1000|"}));

    // A later import finds the fallback category again; a line that still fails is a database error.
    QVERIFY(
        m_ledger->db.exec(QStringLiteral("CREATE TEMP TRIGGER trap BEFORE INSERT ON split_lines WHEN new.memo = 'Food' "
                                         "BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^SplitLineRepository::insert failed")));
    const ImportResult result = import({QByteArray(split).replace("Market", "Bazaar")}, {"Checking=chk"});
    QCOMPARE(outcome(result), QStringLiteral("1/0/0/1"));
    QCOMPARE(rows(lines).mid(3), QStringList({"Bazaar|Uncategorized|expense||-3000|[\u2192 Savings] Card",
                                              "Bazaar|Uncategorized|expense||-1000|"}));
    QCOMPARE(
        m_ledger->db.scalar(QStringLiteral("SELECT COUNT(*) FROM categories WHERE name = 'Uncategorized'")).toInt(), 3);
}

void TestQifImport::checkNumbersKeepChecksApart_data()
{
    QTest::addColumn<QStringList>("ledger"); // check numbers of rows stored before, "-" for none
    QTest::addColumn<QStringList>("file");   // check numbers of the file's records, "-" for none
    QTest::addColumn<QStringList>("stored"); // check numbers of the account's rows after the import
    QTest::addColumn<int>("duplicates");

    // Every row is paid to Landlord on 1/5/2025 for 1,000.00.
    QTest::newRow("two checks in one file") << QStringList() << QStringList{"220", "221"}
                                            << QStringList{"220", "221"} << 0;
    QTest::newRow("one check twice in one file") << QStringList() << QStringList{"220", "220"} << QStringList{"220"}
                                                 << 1;
    QTest::newRow("a check and a row without a number") << QStringList() << QStringList{"220", "-"}
                                                        << QStringList{"220"} << 1;
    QTest::newRow("a row without a number, then a check") << QStringList() << QStringList{"-", "220"}
                                                          << QStringList{"-"} << 1;
    QTest::newRow("the next check of a stored one") << QStringList{"220"} << QStringList{"220", "221"}
                                                    << QStringList{"220", "221"} << 1;
    QTest::newRow("a check of a row stored without a number") << QStringList{"-"} << QStringList{"221"}
                                                              << QStringList{"-"} << 1;
    QTest::newRow("blanks around a number") << QStringList{" 220 "} << QStringList{"220", "221"}
                                            << QStringList{" 220 ", "221"} << 1;
    QTest::newRow("stored checks the file does not name")
        << QStringList{"218", "219", "220"} << QStringList{"220", "221", "-"}
        << QStringList{"218", "219", "220", "221"} << 2;
    QTest::newRow("a row without a number after stored checks")
        << QStringList{"218", "219"} << QStringList{"-"} << QStringList{"218", "219"} << 1;
}

void TestQifImport::checkNumbersKeepChecksApart()
{
    QFETCH(QStringList, ledger);
    QFETCH(QStringList, file);
    QFETCH(QStringList, stored);
    QFETCH(int, duplicates);

    const QDate day(2025, 1, 5);
    const QString payee = QStringLiteral("Landlord");
    for (const QString& number : ledger) {
        Transaction row = newTransaction(QStringLiteral("chk"), day, payee, -100000);
        row.checkNumber = number == QLatin1String("-") ? QString() : number;
        QVERIFY(m_ledger->transactions.insert(row));
    }
    QByteArray text = account("Checking");
    for (const QString& number : file)
        text += "D1/5/2025\nT-1,000.00\nPLandlord\n" + (number == QLatin1String("-") ? QByteArray() : "N" + number.toLatin1() + '\n')
                + "^\n";
    const QString numbers = QStringLiteral("SELECT COALESCE(NULLIF(check_number, ''), '-') FROM transactions "
                                           "WHERE payee = 'Landlord' AND amount = -100000 AND date = '2025-01-05' "
                                           "ORDER BY rowid");

    const ImportResult first = import({text}, {"Checking=chk"});
    QCOMPARE(first.imported, int(stored.size() - ledger.size()));
    QCOMPARE(first.duplicatesSkipped, duplicates);
    QCOMPARE(rows(numbers), stored);
    // Each record now meets its own stored row.
    const ImportResult again = import({text}, {"Checking=chk"});
    QCOMPARE(again.imported, 0);
    QCOMPARE(again.duplicatesSkipped, int(file.size()));
    QCOMPARE(rows(numbers), stored);
}

void TestQifImport::datesTheLedgerCouldNotReadBack_data()
{
    QTest::addColumn<QByteArray>("date");
    QTest::addColumn<QString>("stored"); // empty: skipped as unreadable

    QTest::newRow("five-digit year") << QByteArray("6/2/22024") << QString();
    QTest::newRow("a blank inside the year") << QByteArray("2/5/92 203") << QString();
    QTest::newRow("the last year that reads back") << QByteArray("12/31/9999") << QStringLiteral("9999-12-31");
}

void TestQifImport::datesTheLedgerCouldNotReadBack()
{
    QFETCH(QByteArray, date);
    QFETCH(QString, stored);

    const QByteArray text = account("Checking") + record(date.constData(), "-5", "Odd", "")
                            + record("1/2/2025", "-6", "Plain", "");
    const QStringList expected = stored.isEmpty() ? QStringList{"2025-01-02|Plain"}
                                                  : QStringList{stored + "|Odd", "2025-01-02|Plain"};
    const QString dates = QStringLiteral("SELECT date, payee FROM transactions ORDER BY rowid");
    const int unreadable = stored.isEmpty() ? 1 : 0;
    QCOMPARE(outcome(import({text}, {"Checking=chk"})),
             QStringLiteral("%1/0/%2/0").arg(expected.size()).arg(unreadable));
    QCOMPARE(rows(dates), expected);
    QCOMPARE(outcome(import({text}, {"Checking=chk"})),
             QStringLiteral("0/%1/%2/0").arg(expected.size()).arg(unreadable));
    QCOMPARE(rows(dates), expected);
}

void TestQifImport::textsAsTheLedgerStoresThem_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("stored"); // payee|check number|memo|category

    const QByteArray mark = "\xEF\xBB\xBF";
    const QByteArray head = account("Checking") + "D1/5/2025\nT-5\n";
    QTest::newRow("a mark before the payee") << head + "P" + mark + "Shop\n^\n" << "Shop|||";
    QTest::newRow("marks and blanks before the payee")
        << head + "P" + mark + " " + mark + " Shop\n^\n" << "Shop|||";
    QTest::newRow("a reversed mark before the payee") << head + "P\xEF\xBF\xBEShop\n^\n" << "Shop|||";
    QTest::newRow("a payee of only a mark, in a file without header")
        << QByteArray("D1/5/2\nT5\nP" + mark) << "Imported transaction|||";
    QTest::newRow("a mark inside the payee") << head + "PSh" + mark + "op\n^\n" << "Sh\uFEFFop|||";
    QTest::newRow("a mark before the check number")
        << head + "PShop\nN" + mark + "220\n^\n" << "Shop|220||";
    QTest::newRow("a mark before a check number that names the payee")
        << head + "N" + mark + "220\n^\n" << "220|220||";
    // The ledger has a category Food: the record finds it.
    QTest::newRow("a mark before the memo and the category")
        << head + "PShop\nM" + mark + "Note\nL" + mark + "Food\n^\n" << "Shop||Note|Food";
    QTest::newRow("a mark before a listed category")
        << "!Type:Cat\nN" + mark + "Food\n^\n" + head + "PShop\nLFood\n^\n" << "Shop|||Food";
    const QString text = QString::fromLatin1(head + 'P') + QChar(0xD800) + QStringLiteral("Shop\n^\n");
    QTest::newRow("a lone surrogate in a UTF-16 file")
        << "\xFF\xFE" + QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2) << "\uFFFDShop|||";
}

void TestQifImport::textsAsTheLedgerStoresThem()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, stored);

    QVERIFY(addCategory(m_ledger->db, QStringLiteral("food"), QStringLiteral("Food")));
    const QString path = m_ledger->writeFile(file);
    Mapping mapping;
    for (const QifSourceAccount& source : m_ledger->service.analyzeQif({path}).sources)
        mapping.insert(source.name, QStringLiteral("chk"));
    const QString sql = QStringLiteral(
        "SELECT t.payee, COALESCE(t.check_number, ''), COALESCE(t.memo, ''), COALESCE(c.name, '') "
        "FROM transactions t LEFT JOIN categories c ON c.id = t.category_id ORDER BY t.rowid");
    const QString categories = QStringLiteral("SELECT COUNT(*) FROM categories WHERE name = 'Food'");
    QCOMPARE(outcome(m_ledger->service.importQif({path}, mapping)), QStringLiteral("1/0/0/0"));
    QCOMPARE(rows(sql), QStringList{stored});
    QCOMPARE(m_ledger->db.scalar(categories).toInt(), 1);

    // The texts that were stored are the texts the second import compares with.
    QCOMPARE(outcome(m_ledger->service.importQif({path}, mapping)), QStringLiteral("0/1/0/0"));
    QCOMPARE(rows(sql), QStringList{stored});
    QCOMPARE(m_ledger->db.scalar(categories).toInt(), 1);
}

void TestQifImport::oneBadDateChangesNoOther_data()
{
    QTest::addColumn<QList<QByteArray>>("dates");
    QTest::addColumn<QStringList>("stored");

    // 13/13/13 reads neither way: it is skipped, and decides nothing.
    QTest::newRow("no date at all")
        << QList<QByteArray>{"13/13/13", "01/15/2024", "12/20/2023", "03/04/2024"}
        << QStringList{"2024-01-15|B", "2023-12-20|C", "2024-03-04|D"};
    QTest::newRow("the last day of February, day first")
        << QList<QByteArray>{"30/02/2024", "01/15/2024", "03/04/2024"} << QStringList{"2024-01-15|B", "2024-03-04|C"};
    // A real day-first date still turns the file.
    QTest::newRow("a real day-first date")
        << QList<QByteArray>{"13/13/13", "25/12/2023", "03/04/2024"} << QStringList{"2023-12-25|B", "2024-04-03|C"};
}

void TestQifImport::oneBadDateChangesNoOther()
{
    QFETCH(QList<QByteArray>, dates);
    QFETCH(QStringList, stored);

    QByteArray text = account("Checking");
    char payee[] = "A";
    for (const QByteArray& date : dates) {
        text += record(date.constData(), "-5", payee, "");
        ++payee[0];
    }
    const QString sql = QStringLiteral("SELECT date, payee FROM transactions ORDER BY rowid");
    const int bad = int(dates.size() - stored.size());
    QCOMPARE(outcome(import({text}, {"Checking=chk"})), QStringLiteral("%1/0/%2/0").arg(stored.size()).arg(bad));
    QCOMPARE(rows(sql), stored);
    QCOMPARE(outcome(import({text}, {"Checking=chk"})), QStringLiteral("0/%1/%2/0").arg(stored.size()).arg(bad));
    QCOMPARE(rows(sql), stored);
}

void TestQifImport::filesThatStopTheImport_data()
{
    QTest::addColumn<QString>("second"); // what the second of two files is
    QTest::addColumn<QString>("reason"); // %1: the second file's path
    QTest::addColumn<bool>("tooLarge");
    QTest::addColumn<QStringList>("problems"); // of the analysis

    // The limit is 400 bytes; the first file is 71.
    const QString gone = QStringLiteral("Could not open %1: No such file or directory");
    QTest::newRow("a file that is gone") << "missing" << gone << false << QStringList{gone};
    QTest::newRow("a folder") << "folder" << "Could not open %1: file to open is a directory" << false
                              << QStringList{"Could not open %1: file to open is a directory"};
    QTest::newRow("one file too large")
        << "401 bytes" << "This file is too large to import. QIF files of up to 0.0004 MB can be imported." << true
        << QStringList{"Could not open %1: This file is too large to import. QIF files of up to 0.0004 MB can be "
                       "imported."};
    QTest::newRow("too large together")
        << "330 bytes"
        << "These files are too large to import together. QIF files of up to 0.0004 MB in all can be imported."
        << true << QStringList();
    QTest::newRow("as large as they may be together") << "329 bytes" << QString() << false << QStringList();
}

void TestQifImport::filesThatStopTheImport()
{
    QFETCH(QString, second);
    QFETCH(QString, reason);
    QFETCH(bool, tooLarge);
    QFETCH(QStringList, problems);

    ImportLimits limits;
    limits.qifFileBytes = 400;
    m_ledger->service.setLimits(limits);
    const QByteArray first = account("Checking") + record("01/05/2025", "-5", "Kiosk", "Snacks");
    QCOMPARE(first.size(), 71);
    QString path = m_ledger->writeFile(account("Savings") + record("01/06/2025", "6", "Bank", ""));
    if (second == QLatin1String("missing")) {
        QVERIFY(QFile::remove(path));
    } else if (second == QLatin1String("folder")) {
        QVERIFY(QFile::remove(path) && QDir().mkdir(path));
    } else {
        QFile file(path);
        QVERIFY(file.resize(second.section(u' ', 0, 0).toInt()));
    }
    const QStringList paths{m_ledger->writeFile(first), path};
    QStringList expectedProblems;
    for (const QString& problem : std::as_const(problems))
        expectedProblems.append(problem.arg(path));
    QCOMPARE(m_ledger->service.analyzeQif(paths).problems, expectedProblems);

    // A new account the user asked for goes with the import.
    Account created;
    created.id = QStringLiteral("acc-new");
    created.name = QStringLiteral("New savings");
    created.createdAt = created.updatedAt = fixedNow();
    QSignalSpy started(&m_ledger->service, &ImportService::importStarted);
    const ImportResult result = m_ledger->service.importQif(
        paths, mappingOf({"Checking=chk", "Savings=acc-new"}), {created});
    if (reason.isEmpty()) {
        QCOMPARE(outcome(result), QStringLiteral("2/0/0/0"));
        QCOMPARE(rows(QStringLiteral("SELECT account_id, payee FROM transactions ORDER BY rowid")),
                 QStringList({"chk|Kiosk", "acc-new|Bank"}));
        return;
    }
    QCOMPARE(outcome(result), QStringLiteral("0/0/0/0 failed"));
    QCOMPARE(QVariantList({result.failureReason, result.fileTooLarge}),
             QVariantList({QString(reason).replace(QLatin1String("%1"), path), tooLarge}));
    QCOMPARE(m_ledger->service.qifSizeProblem(paths), tooLarge ? reason : QString());
    QCOMPARE(started.count(), 0);
    QCOMPARE(m_ledger->db.scalar(QStringLiteral("SELECT (SELECT COUNT(*) FROM transactions) + "
                                                "(SELECT COUNT(*) FROM categories) + "
                                                "(SELECT COUNT(*) FROM accounts WHERE id = 'acc-new')"))
                 .toInt(),
             0);
    QCOMPARE(m_ledger->service.isImporting(), false);
}

void TestQifImport::progressInsideLongRecords()
{
    // 4,500 split lines make a record of three steps: itself and two full
    // thousands of lines, each reported as it is written.
    QByteArray text = account("Checking") + record("01/04/2025", "-1", "Before", "") + "D01/05/2025\nT-45\nPLong\n";
    for (int line = 0; line < 4500; ++line)
        text += "SFood\n$-0.01\n";
    text += "^\n" + record("01/06/2025", "-2", "After", "");
    QSignalSpy started(&m_ledger->service, &ImportService::importStarted);
    QSignalSpy progress(&m_ledger->service, &ImportService::importProgress);
    // Each time events are let through, the window repaints: inside the long
    // record too, not only before it.
    QSet<int> linesWhenRun;
    QTimer ticks;
    ticks.setInterval(0);
    connect(&ticks, &QTimer::timeout, this, [&] {
        linesWhenRun.insert(m_ledger->db.scalar(QStringLiteral("SELECT COUNT(*) FROM split_lines")).toInt());
    });
    ticks.start();

    QCOMPARE(outcome(import({text}, {"Checking=chk"})), QStringLiteral("3/0/0/0"));
    ticks.stop();
    QCOMPARE(started, QList<QVariantList>({{5}}));
    QCOMPARE(progress, QList<QVariantList>({{3, 5}, {4, 5}, {5, 5}}));
    QCOMPARE(linesWhenRun, QSet<int>({0, 2000, 4000}));
    QCOMPARE(rows(QStringLiteral("SELECT t.payee, COUNT(s.id), COALESCE(SUM(s.amount), 0) FROM transactions t "
                                 "LEFT JOIN split_lines s ON s.transaction_id = t.id GROUP BY t.id ORDER BY t.rowid")),
             QStringList({"Before|0|0", "Long|4500|-4500", "After|0|0"}));
}

void TestQifImport::transfersWithinOneImport_data()
{
    QTest::addColumn<QList<QByteArray>>("files");
    QTest::addColumn<QStringList>("mapping");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("linked");
    QTest::addColumn<int>("warnings");

    const QStringList both{"Checking=chk", "Savings=sav"};
    QTest::newRow("the two legs link")
        << QList<QByteArray>{kCheckingLeg, kSavingsLeg} << both
        << QStringList{"chk|Move|-10000|Rent share|sav|v1", "sav|Move|10000||chk|v1"} << 1 << 0;
    QTest::newRow("names ignore case; the earliest of two legs wins")
        << QList<QByteArray>{kCheckingLeg, account("SAVINGS") + record("01/05/2025", "100.00", "A", "[checking]")
                                               + record("01/05/2025", "100.00", "B", "[Checking]")}
        << both << QStringList{"chk|Move|-10000|Rent share|sav|v1", "sav|A|10000||chk|v1",
                               "sav|B|10000|[\u2192 Checking]||v1"}
        << 1 << 0;
    QTest::newRow("both legs into one account")
        << QList<QByteArray>{kCheckingLeg, kSavingsLeg} << QStringList{"Checking=chk", "Savings=chk"}
        << QStringList{"chk|Move|-10000|[\u2192 Savings] Rent share||v1", "chk|Move|10000|[\u2192 Checking]||v1"}
        << 0 << 0;
    QTest::newRow("a transfer to its own account")
        << QList<QByteArray>{account("Checking") + record("01/05/2025", "-1", "Self", "[checking]")} << both
        << QStringList{"chk|Self|-100|||v1"} << 0 << 0;
    QTest::newRow("different currencies")
        << QList<QByteArray>{kCheckingLeg, kSavingsLeg} << QStringList{"Checking=chk", "Savings=eur"}
        << QStringList{"chk|Move|-10000|[\u2192 Savings] Rent share||v1", "eur|Move|10000|[\u2192 Checking]||v1"}
        << 0 << 2;
    QTest::newRow("partner not imported")
        << QList<QByteArray>{kCheckingLeg, kSavingsLeg} << QStringList{"Checking=chk", "Savings="}
        << QStringList{"chk|Move|-10000|[\u2192 Savings] Rent share||v1"} << 0 << 0;
}

void TestQifImport::transfersWithinOneImport()
{
    QFETCH(QList<QByteArray>, files);
    QFETCH(QStringList, mapping);
    QFETCH(QStringList, expected);
    QFETCH(int, linked);
    QFETCH(int, warnings);

    for (int i = 0; i < warnings; ++i)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^QIF import: refusing mixed-currency")));
    const ImportResult result = import(files, mapping);
    QCOMPARE(rows(), expected);
    QCOMPARE(result.transfersLinked, linked);
    QCOMPARE(result.transfersLinkedToPrevious, 0);
}

void TestQifImport::transfersToEarlierImports_data()
{
    QTest::addColumn<QList<QByteArray>>("first");
    QTest::addColumn<QList<QByteArray>>("second");
    QTest::addColumn<QStringList>("mapping");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QList<int>>("counts"); // imported, duplicates, linked, linked to previous

    const QStringList both{"Checking=chk", "Savings=sav"};
    const QStringList linked{"chk|Move|-10000|Rent share|sav|v2", "sav|Move|10000||chk|v1"};
    QTest::newRow("the other leg comes later") << QList<QByteArray>{kCheckingLeg} << QList<QByteArray>{kSavingsLeg}
                                               << both << linked << QList<int>{1, 0, 1, 1};
    // The stored leg must not pair with its own copy, or nothing would link the waiting row.
    QTest::newRow("both files, one leg stored already")
        << QList<QByteArray>{kCheckingLeg} << QList<QByteArray>{kSavingsLeg, kCheckingLeg} << both << linked
        << QList<int>{1, 1, 1, 1};
    QTest::newRow("the same files again")
        << QList<QByteArray>{kCheckingLeg, kSavingsLeg} << QList<QByteArray>{kSavingsLeg, kCheckingLeg} << both
        << QStringList{"chk|Move|-10000|Rent share|sav|v1", "sav|Move|10000||chk|v1"} << QList<int>{0, 2, 0, 0};
    QTest::newRow("other currency")
        << QList<QByteArray>{kCheckingLeg} << QList<QByteArray>{kSavingsLeg}
        << QStringList{"Checking=chk", "Savings=eur"}
        << QStringList{"chk|Move|-10000|[\u2192 Savings] Rent share||v1", "eur|Move|10000|[\u2192 Checking]||v1"}
        << QList<int>{1, 0, 0, 0};
    QTest::newRow("the waiting row's account not mapped")
        << QList<QByteArray>{kCheckingLeg} << QList<QByteArray>{kSavingsLeg} << QStringList{"Savings=sav"}
        << QStringList{"chk|Move|-10000|[\u2192 Savings] Rent share||v1", "sav|Move|10000|[\u2192 Checking]||v1"}
        << QList<int>{1, 0, 0, 0};
    QTest::newRow("of two rows waiting alike, the one listed first")
        << QList<QByteArray>{account("Checking") + record("01/05/2025", "-100.00", "Move", "[Savings]", "one")
                             + record("01/05/2025", "-100.00", "Move on", "[Savings]", "two")}
        << QList<QByteArray>{kSavingsLeg} << both
        << QStringList{"chk|Move|-10000|one|sav|v2", "chk|Move on|-10000|[\u2192 Savings] two||v1",
                       "sav|Move|10000||chk|v1"}
        << QList<int>{1, 0, 1, 1};
    QTest::newRow("a linked row waits for nothing")
        << QList<QByteArray>{account("Checking") + record("01/05/2025", "-100.00", "Move", "[Savings]",
                                                          "[\u2192 Savings] kept"),
                             kSavingsLeg}
        << QList<QByteArray>{account("Savings") + record("01/05/2025", "100.00", "Again", "[Checking]")} << both
        << QStringList{"chk|Move|-10000|[\u2192 Savings] kept|sav|v1", "sav|Move|10000||chk|v1",
                       "sav|Again|10000|[\u2192 Checking]||v1"}
        << QList<int>{1, 0, 0, 0};
}

void TestQifImport::transfersToEarlierImports()
{
    QFETCH(QList<QByteArray>, first);
    QFETCH(QList<QByteArray>, second);
    QFETCH(QStringList, mapping);
    QFETCH(QStringList, expected);
    QFETCH(QList<int>, counts);

    QCOMPARE(import(first, {"Checking=chk", "Savings=sav"}).failed, false);
    const ImportResult result = import(second, mapping);
    QCOMPARE(rows(), expected);
    QCOMPARE((QList<int>{result.imported, result.duplicatesSkipped, result.transfersLinked,
                         result.transfersLinkedToPrevious}),
             counts);
}

void TestQifImport::legThatIsNotStoredLeavesNoLink_data()
{
    QTest::addColumn<QString>("refusedAccount");
    QTest::addColumn<QString>("expected");

    // The first leg went in linked; it becomes a waiting row again.
    QTest::newRow("the second leg") << "sav" << "chk|Move|-10000|[\u2192 Savings] Rent share||v1";
    QTest::newRow("the first leg") << "chk" << "sav|Move|10000|[\u2192 Checking]||v1";
}

void TestQifImport::legThatIsNotStoredLeavesNoLink()
{
    QFETCH(QString, refusedAccount);
    QFETCH(QString, expected);

    QVERIFY(
        m_ledger->db.exec(QStringLiteral("CREATE TEMP TRIGGER trap BEFORE INSERT ON transactions WHEN new.account_id = "
                                         "'%1' BEGIN SELECT RAISE(ABORT, 'refused'); END")
                              .arg(refusedAccount)));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^TransactionRepository::insert failed")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^QIF import: insert failed for")));
    const ImportResult result = import({kCheckingLeg, kSavingsLeg}, {"Checking=chk", "Savings=sav"});
    QCOMPARE(rows(), QStringList{expected});
    QCOMPARE(outcome(result), QStringLiteral("1/0/0/1"));
    QCOMPARE(result.transfersLinked, 0);
}

void TestQifImport::refusedRecordInABatch()
{
    // Records go in 500 to a statement; record 250 is refused in the middle of
    // the first, record 501 repeats record 1 of it, record 300 repeats 299.
    QByteArray qif = account("Checking");
    QStringList expected;
    for (int i = 1; i <= 600; ++i) {
        const int same = i == 300 ? 299 : i == 501 ? 1 : i;
        const QByteArray amount = QByteArray::number(same) + ".00";
        const QByteArray payee = "Payee " + QByteArray::number(same);
        qif += record("01/05/2025", amount.constData(), payee.constData(), "");
        if (same == i && i != 250)
            expected.append(QStringLiteral("chk|Payee %1|%2|||v1").arg(i).arg(i * 100));
    }
    QVERIFY(m_ledger->db.exec(QStringLiteral("CREATE TEMP TRIGGER trap BEFORE INSERT ON transactions "
                                             "WHEN new.payee = 'Payee 250' BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^TransactionRepository::insert failed")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^QIF import: insert failed for")));
    QSignalSpy progress(&m_ledger->service, &ImportService::importProgress);
    QCOMPARE(outcome(import({qif}, {"Checking=chk"})), QStringLiteral("597/2/0/1"));
    QCOMPARE(rows(), expected);
    QCOMPARE(progress.count(), 7);
    QVERIFY(m_ledger->db.exec(QStringLiteral("INSERT INTO transactions_fts(transactions_fts) VALUES('integrity-check')")));
    QCOMPARE(m_ledger->transactions.search(QStringLiteral("Payee 555"), {}).size(), 1);
}

void TestQifImport::failedUpdateOfEarlierRowRollsBack()
{
    QCOMPARE(import({kCheckingLeg}, {"Checking=chk"}).imported, 1);
    const QStringList before = rows();
    QVERIFY(m_ledger->db.exec(QStringLiteral("CREATE TEMP TRIGGER trap BEFORE UPDATE ON transactions "
                                      "BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    QSignalSpy progress(&m_ledger->service, &ImportService::importProgress);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^TransactionRepository::update failed")));
    QTest::ignoreMessage(QtWarningMsg, "QIF import aborted: failed to update retroactive partner");
    const ImportResult result =
        import({kSavingsLeg + record("1/6/2025", "1", "Later", "")}, {"Checking=chk", "Savings=sav"});
    QCOMPARE(result.failed, true);
    QCOMPARE(rows(), before);
    QCOMPARE(progress, QList<QVariantList>({{2, 2}}));
    QCOMPARE(m_ledger->service.isImporting(), false);
}

void TestQifImport::failedCommitReportsFailure_data()
{
    QTest::addColumn<QString>("trap");
    QTest::newRow("BEGIN fails") << "begin";
    QTest::newRow("COMMIT fails") << "commit";
}

void TestQifImport::failedCommitReportsFailure()
{
    QFETCH(QString, trap);
    if (trap == QLatin1String("begin")) {
        QVERIFY(m_ledger->db.sql().transaction());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^SqlTransaction: BEGIN failed")));
    } else {
        QVERIFY(m_ledger->failEveryCommit());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^SqlTransaction: COMMIT failed")));
    }
    QSignalSpy progress(&m_ledger->service, &ImportService::importProgress);
    const ImportResult result = import({kCheckingLeg, kSavingsLeg}, {"Checking=chk", "Savings=sav"});
    QCOMPARE(QVariantList({result.failed, result.failureReason}), QVariantList({true, QString()}));
    QCOMPARE(progress, QList<QVariantList>({{2, 2}}));
    QCOMPARE(rows(), QStringList());
    QCOMPARE(m_ledger->service.isImporting(), false);
    if (trap == QLatin1String("begin"))
        QVERIFY(m_ledger->db.sql().rollback());
}

void TestQifImport::transferHints_data()
{
    QTest::addColumn<QString>("memo");
    QTest::addColumn<QString>("name"); // empty: no hint
    QTest::addColumn<QString>("rest");

    QTest::newRow("with memo") << "[\u2192 Savings] Rent share" << "Savings" << "Rent share";
    QTest::newRow("alone") << "[\u2192 Savings]" << "Savings" << "";
    QTest::newRow("only one blank taken") << "[\u2192 My Cc]  two" << "My Cc" << " two";
    QTest::newRow("empty name") << "[\u2192 ] memo" << "" << "";
    QTest::newRow("no blank before the name") << "[\u2192Savings] memo" << "" << "";
    QTest::newRow("not at the start") << "memo [\u2192 Savings]" << "" << "";
    QTest::newRow("never closed") << "[\u2192 Savings memo" << "" << "";
}

void TestQifImport::transferHints()
{
    QFETCH(QString, memo);
    QFETCH(QString, name);
    QFETCH(QString, rest);

    const std::optional<TransferHint> hint = parseTransferHint(memo);
    QCOMPARE(hint.has_value(), !name.isEmpty());
    if (hint) {
        QCOMPARE(hint->accountName, name);
        QCOMPARE(hint->rest, rest);
    }
}

VELLUMRY_TEST_GUILESS_MAIN(TestQifImport)
#include "tst_qifimport.moc"
