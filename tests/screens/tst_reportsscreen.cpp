#include "ScreenTestSupport.h"
#include "TestMain.h"

#include "screens/ReportsScreen.h"
#include "widgets/FileDialog.h"
#include "widgets/MessageBox.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QTabWidget>
#include <QTableView>

class TestReportsScreen : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void presetsFollowToday_data();
    void presetsFollowToday();
    void currenciesDecideWhatShows();
    void totalsExportAndCustomPeriods();

private:
    // Every row of a table, its cells joined by "|".
    QStringList rows(const char* table) const;
    template <typename Widget = QWidget>
    Widget* w(const char* name) const { return child<Widget>(m_screen.get(), name); }

    std::unique_ptr<ScreenLedger> m;
    std::unique_ptr<ReportsScreen> m_screen;
};

void TestReportsScreen::init()
{
    m = std::make_unique<ScreenLedger>();
    QVERIFY(m->isReady());
    m_screen = std::make_unique<ReportsScreen>(m->state.get());
    m_screen->show();
}

void TestReportsScreen::cleanup()
{
    m_screen.reset();
    m.reset();
    FileDialog::clearNextAnswer();
    MessageBox::clearNextAnswer();
}

QStringList TestReportsScreen::rows(const char* table) const
{
    const QAbstractItemModel* model = w<QTableView>(table)->model();
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model->columnCount(); ++column)
            cells.append(model->index(row, column).data().toString());
        texts.append(cells.join(QLatin1Char('|')));
    }
    return texts;
}

void TestReportsScreen::presetsFollowToday_data()
{
    QTest::addColumn<int>("preset");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::newRow("Last Month") << 1 << QDate(2025, 2, 1) << QDate(2025, 2, 28);
    QTest::newRow("This Quarter") << 2 << QDate(2025, 1, 1) << QDate(2025, 3, 15);
    QTest::newRow("Last Quarter") << 3 << QDate(2024, 10, 1) << QDate(2024, 12, 31);
    QTest::newRow("All Time") << 9 << QDate(2000, 1, 1) << QDate(2025, 3, 15);
}

void TestReportsScreen::presetsFollowToday()
{
    QFETCH(int, preset);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    Clock::setFixedNow(QDateTime(QDate(2025, 3, 15), QTime(9, 0), QTimeZone::utc()));
    w<QComboBox>("periodCombo")->setCurrentIndex(preset);
    const QLocale locale;
    QCOMPARE(QVariantList({w<QDateEdit>("fromEdit")->date(), w<QDateEdit>("toEdit")->date(),
                           w<QLabel>("rangeLabel")->text(), w("fromEdit")->isVisible()}),
             QVariantList({from, to,
                           locale.toString(from, QLocale::ShortFormat) + QStringLiteral(" – ")
                               + locale.toString(to, QLocale::ShortFormat),
                           false}));

    // Custom starts from the preset's dates and lets the user change them.
    w<QComboBox>("periodCombo")->setCurrentIndex(10);
    QCOMPARE(QVariantList({w<QDateEdit>("fromEdit")->date(), w<QDateEdit>("toEdit")->date(),
                           w("fromEdit")->isVisible(), w("rangeLabel")->isVisible()}),
             QVariantList({from, to, true, false}));
}

void TestReportsScreen::currenciesDecideWhatShows()
{
    Account checking = m->addAccount(QStringLiteral("Checking"));
    Account card = m->addAccount(QStringLiteral("Card"));
    card.accountType = AccountType::CreditCard;
    Account euro = m->addAccount(QStringLiteral("Euro"), Currency::EUR);
    euro.accountType = AccountType::Other;
    QVERIFY(m->state->accountRepository->update(card) && m->state->accountRepository->update(euro));
    Category charity = m->addCategory(QStringLiteral("c1"), QStringLiteral("Charity"));
    charity.isTaxRelevant = true;
    charity.taxCategory = QStringLiteral("gifts");
    QVERIFY(m->state->categoryRepository->update(charity));
    Transaction gift = m->addTransaction(checking.id, QStringLiteral("Red Cross"), -5000);
    gift.categoryId = charity.id;
    QVERIFY(m->state->transactionRepository->update(gift));
    m->addTransaction(card.id, QStringLiteral("Diner"), -1250);
    m->addTransaction(euro.id, QStringLiteral("Boulangerie"), -300);
    m_screen->refresh();

    const char* const combined[] = {"categoryTable", "payeeTable",    "taxTable",
                                    "incomeExpenseTable", "cashFlowTable", "yoyTable"};
    QVERIFY(w("mixedCurrencyNotice")->isVisible());
    for (const char* table : combined)
        QVERIFY2(rows(table).isEmpty(), table);
    QCOMPARE(rows("accountSummaryTable"),
             QStringList({"Card|Credit Card|$0.00|-$12.50|-$12.50", "Checking|Checking|$0.00|-$50.00|-$50.00",
                          "Euro|Other|€0.00|-€3.00|-€3.00"}));
    const QString day = QLocale().toString(QDate(2024, 3, 1), QLocale::ShortFormat);
    QCOMPARE(rows("transactionsTable"),
             QStringList({day + "|Euro|Boulangerie|||-€3.00", day + "|Card|Diner|||-$12.50",
                          day + "|Checking|Red Cross|Charity||-$50.00"}));

    // One account adds up, but the tax report still covers all three.
    w<QComboBox>("accountCombo")->setCurrentIndex(w<QComboBox>("accountCombo")->findText("Checking"));
    QCOMPARE(rows("categoryTable"), QStringList({"Charity|-$50.00"}));
    QCOMPARE(QVariantList({rows("taxTable").size(), w<QLabel>("mixedCurrencyNotice")->text().startsWith("The tax")}),
             QVariantList({0, true}));

    // A change while the window shows reruns everything over all accounts.
    euro.currency = Currency::USD;
    QVERIFY(m->state->accountRepository->update(euro));
    QTRY_COMPARE(rows("taxTable"), QStringList({"Charity|gifts|-$50.00"}));
    QCOMPARE(w<QComboBox>("accountCombo")->currentText(), QStringLiteral("All Accounts"));
    QVERIFY(!w("mixedCurrencyNotice")->isVisible());
    QCOMPARE(rows("payeeTable").size(), 3);
}

void TestReportsScreen::totalsExportAndCustomPeriods()
{
    const Account checking = m->addAccount(QStringLiteral("Checking"));
    m->addTransaction(checking.id, QStringLiteral("Employer"), 250000);
    m->addTransaction(checking.id, QStringLiteral("Say \"Cheese\""), -1234);
    m_screen->refresh();
    auto* tabs = w<QTabWidget>("reportTabs");
    tabs->setCurrentIndex(3);
    QAbstractItemModel* model = w<QTableView>("incomeExpenseTable")->model();
    QAbstractItemModelTester tester(model);
    QCOMPARE(rows("incomeExpenseTable"),
             QStringList({"2024-03|$2,500.00|-$12.34|$2,487.66", "Total|$2,500.00|-$12.34|$2,487.66"}));
    QCOMPARE(QList<bool>({model->index(0, 0).data(Qt::FontRole).value<QFont>().bold(),
                          model->index(1, 0).data(Qt::FontRole).value<QFont>().bold(),
                          model->index(1, 3).data(Qt::FontRole).value<QFont>().bold()}),
             QList<bool>({false, true, true}));

    const QString path = QDir(qEnvironmentVariable("HOME")).filePath(QStringLiteral("out.csv"));
    FileDialog::setNextFileName(path);
    QTest::mouseClick(w("exportButton"), Qt::LeftButton);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readAll()),
             QStringLiteral("\"Month\",\"Income\",\"Expenses\",\"Net\"\n"
                            "\"2024-03\",\"$2,500.00\",\"-$12.34\",\"$2,487.66\"\n"
                            "\"Total\",\"$2,500.00\",\"-$12.34\",\"$2,487.66\"\n"));
    QCOMPARE(FileDialog::lastDirectory(), QStringLiteral("income_vs_expenses.csv"));

    tabs->setCurrentIndex(1);
    FileDialog::setNextFileName(path);
    QTest::mouseClick(w("exportButton"), Qt::LeftButton);
    file.seek(0);
    QCOMPARE(file.readAll().split('\n').at(1), QByteArray("\"Say \"\"Cheese\"\"\",\"-$12.34\",\"1\""));

    // A file that cannot be written says so.
    FileDialog::setNextFileName(path + QStringLiteral("/nowhere.csv"));
    MessageBox::setNextAnswer(QMessageBox::Ok);
    QTest::mouseClick(w("exportButton"), Qt::LeftButton);
    QCOMPARE(MessageBox::lastTitle(), QStringLiteral("Export CSV"));

    // Custom periods rerun the reports; an empty table exports nothing and asks nothing.
    w<QComboBox>("periodCombo")->setCurrentIndex(10);
    w<QDateEdit>("fromEdit")->setDate(QDate(2024, 3, 2));
    QCOMPARE(rows("payeeTable"), QStringList());
    QTest::mouseClick(w("exportButton"), Qt::LeftButton);

    w<QComboBox>("yoyModeCombo")->setCurrentIndex(3);
    QCOMPARE(QVariantList({w("yoyCustomRange")->isHidden(), w("yoyPeriodsLabel")->isHidden(),
                           w<QDateEdit>("p1FromEdit")->date(), w<QDateEdit>("p2ToEdit")->date()}),
             QVariantList({false, true, QDate(2023, 1, 1), QDate(2024, 3, 5)}));
}

VELLUMRY_TEST_MAIN(TestReportsScreen)
#include "tst_reportsscreen.moc"
