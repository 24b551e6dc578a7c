#include "RowsBeneath.h"
#include "ScreenTestSupport.h"
#include "TestMain.h"

#include "data/Database.h"

#include "screens/ReportsScreen.h"
#include "widgets/FileDialog.h"
#include "widgets/MessageBox.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QTabWidget>
#include <QTableView>

#include <limits>

class TestReportsScreen : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void presetsFollowToday_data();
    void presetsFollowToday();
    void currenciesDecideWhatShows();
    void totalsExportAndCustomPeriods();
    void comparisonPeriods_data();
    void comparisonPeriods();
    void sumsPastWhatIsHeld_data();
    void sumsPastWhatIsHeld();

private:
    QStringList rows(const char* table) const { return modelRows(w<QTableView>(table)->model()); }
    template <typename Widget = QWidget>
    Widget* w(const char* name) const { return child<Widget>(m_screen.get(), name); }

    std::unique_ptr<ScreenLedger> m;
    std::unique_ptr<ReportsScreen> m_screen;
};

void TestReportsScreen::init()
{
    m_screen.reset();
    m.reset(); // the old ledger closes its connection before the new one opens
    m = std::make_unique<ScreenLedger>();
    QVERIFY(m->isReady());
    m_screen = std::make_unique<ReportsScreen>(m->state.get());
    m_screen->show();
}

void TestReportsScreen::presetsFollowToday_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("preset");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    const QDate march15(2025, 3, 15);
    QTest::newRow("This Month") << march15 << 0 << QDate(2025, 3, 1) << march15;
    QTest::newRow("Last Month") << march15 << 1 << QDate(2025, 2, 1) << QDate(2025, 2, 28);
    QTest::newRow("This Quarter") << march15 << 2 << QDate(2025, 1, 1) << march15;
    QTest::newRow("Last Quarter") << march15 << 3 << QDate(2024, 10, 1) << QDate(2024, 12, 31);
    QTest::newRow("This Year") << march15 << 4 << QDate(2025, 1, 1) << march15;
    QTest::newRow("Last Year") << march15 << 5 << QDate(2024, 1, 1) << QDate(2024, 12, 31);
    QTest::newRow("Last 30 Days") << march15 << 6 << QDate(2025, 2, 13) << march15;
    QTest::newRow("Last 90 Days") << march15 << 7 << QDate(2024, 12, 15) << march15;
    QTest::newRow("Last 12 Months") << march15 << 8 << QDate(2024, 3, 15) << march15;
    QTest::newRow("All Time") << march15 << 9 << QDate(2000, 1, 1) << march15;
    QTest::newRow("This Quarter in August") << QDate(2025, 8, 20) << 2 << QDate(2025, 7, 1) << QDate(2025, 8, 20);
    QTest::newRow("Last Quarter in August") << QDate(2025, 8, 20) << 3 << QDate(2025, 4, 1) << QDate(2025, 6, 30);
    QTest::newRow("Last Quarter in December") << QDate(2025, 12, 31) << 3 << QDate(2025, 7, 1)
                                              << QDate(2025, 9, 30);
    QTest::newRow("Last Month in January") << QDate(2025, 1, 31) << 1 << QDate(2024, 12, 1) << QDate(2024, 12, 31);
}

void TestReportsScreen::presetsFollowToday()
{
    QFETCH(QDate, today);
    QFETCH(int, preset);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    Clock::setFixedNow(QDateTime(today, QTime(9, 0), QTimeZone::utc()));
    const auto period = [this] {
        return QVariantList({w<QDateEdit>("fromEdit")->date(), w<QDateEdit>("toEdit")->date(),
                             w("fromEdit")->isVisible(), w("toEdit")->isVisible(), w("rangeLabel")->isVisible()});
    };
    w<QComboBox>("periodCombo")->setCurrentIndex(preset == 0 ? 1 : 0); // so that choosing `preset` is a change
    w<QComboBox>("periodCombo")->setCurrentIndex(preset);
    QCOMPARE(period(), QVariantList({from, to, false, false, true}));
    const QLocale locale;
    QCOMPARE(w<QLabel>("rangeLabel")->text(), QStringLiteral("%1 – %2").arg(locale.toString(from, QLocale::ShortFormat),
                                                                         locale.toString(to, QLocale::ShortFormat)));
    // Custom starts from the preset's dates and shows them for editing.
    w<QComboBox>("periodCombo")->setCurrentIndex(10);
    QCOMPARE(period(), QVariantList({from, to, true, true, false}));
}

void TestReportsScreen::currenciesDecideWhatShows()
{
    const Account checking = m->addAccount(QStringLiteral("Checking"));
    m->addAccount(QStringLiteral("Card"), Currency::USD, AccountType::CreditCard);
    Account euro = m->addAccount(QStringLiteral("Euro"), Currency::EUR, AccountType::Other);
    Category charity = m->addCategory(QStringLiteral("c1"), QStringLiteral("Charity"));
    charity.isTaxRelevant = true;
    charity.taxCategory = QStringLiteral("gifts");
    Transaction gift = m->addTransaction(checking.id, QStringLiteral("Red Cross"), -5000);
    gift.categoryId = charity.id;
    QVERIFY(m->state->categoryRepository->update(charity) && m->state->transactionRepository->update(gift));
    m->addTransaction(euro.id, QStringLiteral("Boulangerie"), -300);
    m_screen->refresh();

    QStringList combined;
    for (const char* table : {"categoryTable", "payeeTable", "taxTable", "incomeExpenseTable", "cashFlowTable",
                              "yoyTable"})
        combined += rows(table);
    QCOMPARE(QVariantList({combined, w("mixedCurrencyNotice")->isVisible()}), QVariantList({QStringList(), true}));
    QCOMPARE(rows("accountSummaryTable"),
             QStringList({"Card|Credit Card|$0.00|$0.00|$0.00", "Checking|Checking|$0.00|-$50.00|-$50.00",
                          "Euro|Other|€0.00|-€3.00|-€3.00"}));

    // One account adds up, but the tax report still covers all three.
    w<QComboBox>("accountCombo")->setCurrentIndex(w<QComboBox>("accountCombo")->findText("Checking"));
    QCOMPARE(QVariantList({rows("categoryTable"), rows("taxTable"),
                           w<QLabel>("mixedCurrencyNotice")->text().startsWith("The tax")}),
             QVariantList({QStringList({"Charity|-$50.00"}), QStringList(), true}));
    // Back to all of them: the sums that would mix currencies go again.
    w<QComboBox>("accountCombo")->setCurrentIndex(0);
    QCOMPARE(QVariantList({rows("categoryTable"), w<QLabel>("mixedCurrencyNotice")->text().startsWith("These")}),
             QVariantList({QStringList(), true}));

    // A change while the window shows reruns everything over all accounts.
    euro.currency = Currency::USD;
    QVERIFY(m->state->accountRepository->update(euro));
    QTRY_COMPARE(rows("taxTable"), QStringList({"Charity|gifts|-$50.00"}));
    QCOMPARE(QVariantList({w<QComboBox>("accountCombo")->currentText(), w("mixedCurrencyNotice")->isVisible()}),
             QVariantList({"All Accounts", false}));
}

void TestReportsScreen::totalsExportAndCustomPeriods()
{
    const Account checking = m->addAccount(QStringLiteral("Checking"));
    m->addTransaction(checking.id, QStringLiteral("Employer"), 250000);
    m->addTransaction(checking.id, QStringLiteral("Grocer"), -1234);
    m_screen->refresh();
    w<QTabWidget>("reportTabs")->setCurrentIndex(3);
    QAbstractItemModelTester tester(w<QTableView>("incomeExpenseTable")->model());
    QCOMPARE(rows("incomeExpenseTable"),
             QStringList({"2024-03|$2,500.00|-$12.34|$2,487.66", "Total|$2,500.00|-$12.34|$2,487.66"}));
    const auto bold = [&](int row) { return tester.model()->index(row, 0).data(Qt::FontRole).value<QFont>().bold(); };
    QVERIFY(!bold(0) && bold(1));
    QStringList headers;
    for (int section = 0; section < tester.model()->columnCount(); ++section)
        headers.append(tester.model()->headerData(section, Qt::Horizontal).toString());
    QCOMPARE(headers, QStringList({"Month", "Income", "Expenses", "Net"}));

    const QString path = QDir(qEnvironmentVariable("HOME")).filePath(QStringLiteral("out.csv"));
    FileDialog::setNextFileName(path);
    QTest::mouseClick(w("exportButton"), Qt::LeftButton);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QVariantList({FileDialog::lastDirectory(), QString::fromUtf8(file.readAll())}),
             QVariantList({"income_vs_expenses.csv", "\"Month\",\"Income\",\"Expenses\",\"Net\"\n"
                                                     "\"2024-03\",\"$2,500.00\",\"-$12.34\",\"$2,487.66\"\n"
                                                     "\"Total\",\"$2,500.00\",\"-$12.34\",\"$2,487.66\"\n"}));

    // A file that cannot be written says so.
    FileDialog::setNextFileName(path + QStringLiteral("/nowhere.csv"));
    MessageBox::setNextAnswer(QMessageBox::Ok);
    QTest::mouseClick(w("exportButton"), Qt::LeftButton);
    QCOMPARE(MessageBox::lastTitle(), QStringLiteral("Export CSV"));

    // Custom dates rerun the reports; an empty table has no total and exports nothing, asking nothing.
    w<QComboBox>("periodCombo")->setCurrentIndex(10);
    w<QDateEdit>("fromEdit")->setDate(QDate(2024, 3, 2));
    QCOMPARE(rows("incomeExpenseTable"), QStringList());
    QTest::mouseClick(w("exportButton"), Qt::LeftButton);
}

namespace {

const char* const kComparisonEdits[] = {"p1FromEdit", "p1ToEdit", "p2FromEdit", "p2ToEdit"};

} // namespace

void TestReportsScreen::comparisonPeriods_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QList<QDate>>("periods");
    QTest::addColumn<QStringList>("compared");
    // Today is March 5, 2024; the one expense is dated June 1, 2023.
    QTest::newRow("this year vs last year")
        << 0 << QList<QDate>({{2023, 1, 1}, {2023, 12, 31}, {2024, 1, 1}, {2024, 3, 5}})
        << QStringList({"Food|-$10.00|$0.00|$10.00"});
    QTest::newRow("last year vs year before")
        << 1 << QList<QDate>({{2022, 1, 1}, {2022, 12, 31}, {2023, 1, 1}, {2023, 12, 31}})
        << QStringList({"Food|$0.00|-$10.00|-$10.00"});
    QTest::newRow("this quarter vs last quarter")
        << 2 << QList<QDate>({{2023, 10, 1}, {2023, 12, 31}, {2024, 1, 1}, {2024, 3, 5}}) << QStringList();
}

void TestReportsScreen::comparisonPeriods()
{
    QFETCH(int, mode);
    QFETCH(QList<QDate>, periods);
    QFETCH(QStringList, compared);
    const Account checking = m->addAccount(QStringLiteral("Checking"));
    const Category food = m->addCategory(QStringLiteral("food"), QStringLiteral("Food"));
    Transaction lunch = m->addTransaction(checking.id, QStringLiteral("Diner"), -1000, QDate(2023, 6, 1));
    lunch.categoryId = food.id;
    QVERIFY(m->state->transactionRepository->update(lunch));
    m_screen->refresh();
    w<QTabWidget>("reportTabs")->setCurrentIndex(5);

    const auto shown = [this] {
        QList<QDate> dates;
        for (const char* edit : kComparisonEdits)
            dates.append(w<QDateEdit>(edit)->date());
        return dates;
    };
    const auto text = [](const QList<QDate>& d) {
        const auto at = [&d](int i) { return QLocale().toString(d.at(i), QLocale::ShortFormat); };
        return QStringLiteral("P1: %1 – %2    P2: %3 – %4").arg(at(0), at(1), at(2), at(3));
    };
    auto* modes = w<QComboBox>("yoyModeCombo");
    modes->setCurrentIndex(mode == 0 ? 1 : 0); // from another mode, so that choosing `mode` is a change
    modes->setCurrentIndex(mode);
    QCOMPARE(QVariantList({QVariant::fromValue(shown()), w<QLabel>("yoyPeriodsLabel")->text(),
                           w("yoyPeriodsLabel")->isVisible(), w("yoyCustomRange")->isVisible(), rows("yoyTable")}),
             QVariantList({QVariant::fromValue(periods), text(periods), true, false, compared}));

    // Custom starts from the dates shown, and a date changed there reruns the comparison.
    modes->setCurrentIndex(3);
    QCOMPARE(QVariantList({QVariant::fromValue(shown()), w("yoyPeriodsLabel")->isVisible(),
                           w("yoyCustomRange")->isVisible()}),
             QVariantList({QVariant::fromValue(periods), false, true}));
    const QList<QDate> custom{{2023, 6, 1}, {2023, 6, 30}, {2024, 1, 1}, {2024, 1, 31}};
    for (int i = 0; i < 4; ++i)
        w<QDateEdit>(kComparisonEdits[i])->setDate(custom.at(i));
    QCOMPARE(rows("yoyTable"), QStringList({"Food|-$10.00|$0.00|$10.00"}));
}

void TestReportsScreen::sumsPastWhatIsHeld_data()
{
    QTest::addColumn<QList<qint64>>("amounts"); // Checking's, for Charity, on the first of January, February, ...
    QTest::addColumn<QStringList>("shown");     // the rows of the account summary, cash flow, spending, payee,
                                                // tax and year-over-year tables, this year

    constexpr qint64 most = std::numeric_limits<qint64>::max();
    const QString out = MoneySum::outOfRangeText();
    const QString big = QStringLiteral("$92,233,720,368,547,758.07");
    const QString half = QStringLiteral("$46,116,860,184,273,879.03");
    const QString savings = QStringLiteral("Savings|Savings|$0.00|$5.00|$5.00");
    const QString lastYear = QStringLiteral("Uncategorized|$5.00|$0.00|-$5.00");
    // A plain SQL sum fails on the way to a total that fits: the total shows all the same.
    QTest::newRow("past the largest and back")
        << QList<qint64>{most, 1, -1}
        << QStringList{"Checking|Checking|$0.00|" + big + "|" + big, savings,
                       "2024-01|" + big + "|$0.00|" + big, "2024-02|$0.01|$0.00|$0.01", "2024-03|$0.00|-$0.01|-$0.01",
                       "Total|" + out + "|-$0.01|" + big,
                       "Charity|-$0.01",
                       "Payee 3|-$0.01|1", "Payee 2|$0.01|1", "Payee 1|" + big + "|1",
                       "Charity|gifts|" + big,
                       "Charity|$0.00|" + big + "|" + big, lastYear};
    QTest::newRow("past the largest for good")
        << QList<qint64>{most, most / 2, -1}
        << QStringList{"Checking|Checking|$0.00|" + out + "|" + out, savings,
                       "2024-01|" + big + "|$0.00|" + big, "2024-02|" + half + "|$0.00|" + half,
                       "2024-03|$0.00|-$0.01|-$0.01", "Total|" + out + "|-$0.01|" + out,
                       "Charity|-$0.01",
                       "Payee 3|-$0.01|1", "Payee 2|" + half + "|1", "Payee 1|" + big + "|1",
                       "Charity|gifts|" + out,
                       "Charity|$0.00|" + out + "|" + out, lastYear};
    QTest::newRow("ordinary amounts")
        << QList<qint64>{500, -200}
        << QStringList{"Checking|Checking|$0.00|$3.00|$3.00", savings,
                       "2024-01|$5.00|$0.00|$5.00", "2024-02|$0.00|-$2.00|-$2.00", "Total|$5.00|-$2.00|$3.00",
                       "Charity|-$2.00",
                       "Payee 2|-$2.00|1", "Payee 1|$5.00|1",
                       "Charity|gifts|$3.00",
                       "Charity|$0.00|$3.00|$3.00", lastYear};
}

void TestReportsScreen::sumsPastWhatIsHeld()
{
    QFETCH(QList<qint64>, amounts);
    const Account checking = m->addAccount(QStringLiteral("Checking"));
    const Account savings = m->addAccount(QStringLiteral("Savings"), Currency::USD, AccountType::Savings);
    Category charity = m->addCategory(QStringLiteral("c1"), QStringLiteral("Charity"));
    charity.isTaxRelevant = true;
    charity.taxCategory = QStringLiteral("gifts");
    QVERIFY(m->state->categoryRepository->update(charity));
    QSqlDatabase db = m->state->database->database();
    for (int i = 0; i < amounts.size(); ++i) {
        QVERIFY(writeRowBeneath(db, checking.id, QString::number(i + 1),
                                QDate(2024, 1 + i, 1).toString(Qt::ISODate), amounts.at(i), false, charity.id));
    }
    QVERIFY(writeRowBeneath(db, savings.id, QStringLiteral("s"), QStringLiteral("2023-06-01"), 500));
    w<QComboBox>("periodCombo")->setCurrentIndex(4); // This Year
    m_screen->refresh();
    QStringList shown;
    for (const char* table :
         {"accountSummaryTable", "cashFlowTable", "categoryTable", "payeeTable", "taxTable", "yoyTable"})
        shown += rows(table);
    QTEST(shown, "shown");
}

VELLUMRY_TEST_MAIN(TestReportsScreen)
#include "tst_reportsscreen.moc"
