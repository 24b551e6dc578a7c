#include "PaintedRows.h"
#include "RegisterKeys.h"
#include "RegisterLedger.h"
#include "RegisterShown.h"
#include "RowsBeneath.h"
#include "TestMain.h"

#include "data/Database.h"
#include "register/RegisterFigureValue.h"
#include "register/RegisterModel.h"
#include "register/RegisterScreen.h"
#include "register/RegisterTableView.h"
#include "register/SplitEditorDialog.h"
#include "register/TransactionDetailsDialog.h"

#include <QLabel>
#include <QSettings>
#include <QSqlQuery>

#include <limits>

namespace {

constexpr qint64 kMost = std::numeric_limits<qint64>::max();
constexpr qint64 kLeast = std::numeric_limits<qint64>::min();

} // namespace

// Balances of a ledger whose rows add up past what 64 bits hold: another
// program, an old backup or a sync wrote them, beneath the repositories.
class TestRegisterBalances : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void balancesPastWhatIsHeld_data();
    void balancesPastWhatIsHeld();
    void ownWritesKeepTheBalancesExact();
    void splitTotalsPastWhatIsHeld_data();
    void splitTotalsPastWhatIsHeld();

private:
    void showScreen(const QString& accountId);
    // The Balance column as painted, then the three figures.
    QStringList shown() const;
    // The Payment and Deposit cells as painted, "payment|deposit" a row.
    QStringList amountsShown() const;

    std::unique_ptr<RegisterLedger> m_ledger;
    std::unique_ptr<RegisterScreen> m_screen;
    RegisterTableView* m_table = nullptr;
};

void TestRegisterBalances::init()
{
    failOnStrayEditors();
    QSettings().clear();
    m_ledger = std::make_unique<RegisterLedger>();
    QVERIFY(m_ledger->ready);
}

void TestRegisterBalances::cleanup()
{
    m_screen.reset();
    m_ledger.reset();
}

void TestRegisterBalances::showScreen(const QString& accountId)
{
    m_screen = std::make_unique<RegisterScreen>(&m_ledger->state);
    m_table = child<RegisterTableView>(m_screen.get(), "registerTable");
    m_screen->resize(1400, 600);
    m_screen->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    m_screen->setAccount(accountId);
    m_table->setFocus();
}

QStringList TestRegisterBalances::shown() const
{
    const auto* model = qobject_cast<const RegisterModel*>(m_table->model());
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row) {
        if (row != model->entryRow())
            texts.append(paintedText(model->index(row, RegisterModel::BalanceColumn)));
    }
    for (const char* name : {"clearedLabel", "unclearedLabel", "balanceLabel"})
        texts.append(child<RegisterFigureValue>(m_screen.get(), name)->text());
    return texts;
}

QStringList TestRegisterBalances::amountsShown() const
{
    const auto* model = qobject_cast<const RegisterModel*>(m_table->model());
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row) {
        if (row != model->entryRow()) {
            texts.append(paintedText(model->index(row, RegisterModel::PaymentColumn)) + QLatin1Char('|')
                         + paintedText(model->index(row, RegisterModel::DepositColumn)));
        }
    }
    return texts;
}

void TestRegisterBalances::balancesPastWhatIsHeld_data()
{
    QTest::addColumn<QString>("account");
    QTest::addColumn<QList<qint64>>("amounts"); // a day apart, the first one cleared
    QTest::addColumn<QStringList>("shown");     // the Balance cells, oldest first, then Cleared, Uncleared, Balance
    QTest::addColumn<QStringList>("sorted");    // the Balance cells sorted by balance, smallest first
    QTest::addColumn<QStringList>("paid");      // the Payment and Deposit cells, oldest first

    const QString out = MoneySum::outOfRangeText();
    const QString most = QStringLiteral("92,233,720,368,547,758.07");
    const QString least = QStringLiteral("92,233,720,368,547,758.08");
    // Sorted, a balance past either end ranks with that end of a qint64, the later date first.
    QTest::newRow("two of the largest deposits and a cent paid")
        << "checking" << QList<qint64>{kMost, kMost, -1}
        << QStringList{most, out, out, "$" + most, "$92,233,720,368,547,758.06", out} << QStringList{out, out, most}
        << QStringList{"|" + most, "|" + most, "0.01|"};
    QTest::newRow("back within range") << "checking" << QList<qint64>{kMost, kMost, -kMost}
                                       << QStringList{most, out, most, "$" + most, "$0.00", "$" + most}
                                       << QStringList{most, out, most}
                                       << QStringList{"|" + most, "|" + most, most + "|"};
    QTest::newRow("below the most negative")
        << "checking" << QList<qint64>{kLeast, -1} << QStringList{"-" + least, out, "-$" + least, "-$0.01", out}
        << QStringList{out, "-" + least} << QStringList{least + "|", "0.01|"};
    // A card's debt reads positive: the most negative balance too, its sign flipped without wrapping.
    QTest::newRow("a card owes too much")
        << "card" << QList<qint64>{kLeast, -1} << QStringList{least, out, "$" + least, "$0.01", out}
        << QStringList{out, least} << QStringList{least + "|", "0.01|"};
    QTest::newRow("ordinary amounts") << "checking" << QList<qint64>{500, -200}
                                      << QStringList{"5.00", "3.00", "$5.00", "-$2.00", "$3.00"}
                                      << QStringList{"3.00", "5.00"} << QStringList{"|5.00", "2.00|"};
}

void TestRegisterBalances::balancesPastWhatIsHeld()
{
    QFETCH(QString, account);
    QFETCH(QList<qint64>, amounts);
    for (int i = 0; i < amounts.size(); ++i) {
        QVERIFY(writeRowBeneath(m_ledger->state.database->database(), account, QStringLiteral("r%1").arg(i),
                                QDate(2024, 2, 1).addDays(i).toString(Qt::ISODate), amounts.at(i), i == 0));
    }
    showScreen(account);
    QTEST(shown(), "shown");
    QTEST(amountsShown(), "paid");
    m_table->sortByColumn(RegisterModel::BalanceColumn, Qt::AscendingOrder);
    QTEST(shown().mid(0, amounts.size()), "sorted");
}

// Written in place, a row moves the balances after it in two words: a cent that
// takes the balance past the largest shows so, and taking it out again brings
// the balance back, as a register read afresh shows it.
void TestRegisterBalances::ownWritesKeepTheBalancesExact()
{
    QVERIFY(writeRowBeneath(m_ledger->state.database->database(), QStringLiteral("checking"), QStringLiteral("big"),
                            QStringLiteral("2024-02-01"), kMost));
    showScreen(QStringLiteral("checking"));
    const QString most = QStringLiteral("92,233,720,368,547,758.07");
    QCOMPARE(shown(), QStringList({most, "$0.00", "$" + most, "$" + most}));

    play(m_table, QStringLiteral("<Tab><Tab>Cent<Tab><Tab><Tab><Tab>0.01<Ctrl+Return>"));
    const QString out = MoneySum::outOfRangeText();
    QTRY_COMPARE(shown(), QStringList({most, out, "$0.00", out, out}));
    QCOMPARE(shownBy(m_screen.get()), shownAfresh(&m_ledger->state, m_screen.get(), QStringLiteral("checking")));

    MessageBox::setNextAnswer(QMessageBox::Yes);
    play(m_table, QStringLiteral("<Up><Ctrl+D>"));
    QTRY_COMPARE(shown(), QStringList({most, "$0.00", "$" + most, "$" + most}));
    QCOMPARE(shownBy(m_screen.get()), shownAfresh(&m_ledger->state, m_screen.get(), QStringLiteral("checking")));
}

void TestRegisterBalances::splitTotalsPastWhatIsHeld_data()
{
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<QList<qint64>>("lines");
    QTest::addColumn<QStringList>("shown"); // the details' split total, then what a split editor without lines has left

    const QString out = MoneySum::outOfRangeText();
    const QString most = QStringLiteral("$92,233,720,368,547,758.07");
    QTest::newRow("lines past the largest") << kMost << QList<qint64>{kMost, 1} << QStringList{out, "Remaining: " + most};
    QTest::newRow("lines back within range") << kMost << QList<qint64>{kMost, kMost, -kMost}
                                             << QStringList{most, "Remaining: " + most};
    QTest::newRow("the most negative amount")
        << kLeast << QList<qint64>{kLeast} << QStringList{"$92,233,720,368,547,758.08", "Remaining: " + out};
    QTest::newRow("ordinary lines") << qint64(-3000) << QList<qint64>{-2000, -1000}
                                    << QStringList{"$30.00", "Remaining: $30.00"};
}

void TestRegisterBalances::splitTotalsPastWhatIsHeld()
{
    QFETCH(qint64, amount);
    QFETCH(QList<qint64>, lines);
    QSqlDatabase db = m_ledger->state.database->database();
    QVERIFY(writeRowBeneath(db, QStringLiteral("checking"), QStringLiteral("split"), QStringLiteral("2024-02-01"),
                            amount));
    QVERIFY(QSqlQuery(db).exec(QStringLiteral("UPDATE transactions SET is_split = 1")));
    for (int i = 0; i < lines.size(); ++i) {
        QSqlQuery line(db);
        line.prepare(QStringLiteral("INSERT INTO split_lines (id, transaction_id, category_id, amount, created_at, "
                                    "updated_at) VALUES (?, 'split', 'food', ?, '2024-02-01T09:00:00Z', "
                                    "'2024-02-01T09:00:00Z')"));
        line.addBindValue(QStringLiteral("line%1").arg(i));
        line.addBindValue(lines.at(i));
        QVERIFY(line.exec());
    }
    TransactionDetailsDialog details(&m_ledger->state, m_ledger->load(QStringLiteral("split")));
    SplitEditorDialog editor(&m_ledger->state, amount, Currency::USD, {});
    QTEST(QStringList({child<QLabel>(&details, "splitTotalLabel")->text(),
                       child<QLabel>(&editor, "remainingLabel")->text()}),
          "shown");
}

VELLUMRY_TEST_MAIN(TestRegisterBalances)
#include "tst_registerbalances.moc"
