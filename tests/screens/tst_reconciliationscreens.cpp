#include "InputRefusal.h"
#include "RowsBeneath.h"
#include "ScreenTestSupport.h"
#include "TestMain.h"

#include "data/Database.h"
#include "data/ReconciliationRepository.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionWriter.h"
#include "screens/ReconciliationHistoryScreen.h"
#include "screens/ReconciliationScreen.h"
#include "widgets/MessageBox.h"
#include "widgets/ModalDialog.h"
#include "widgets/SmartAmountField.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTableWidget>

#include <ctime>
#include <limits>

class TestReconciliationScreens : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void reconcilesAgainstTheStatement();
    void addEditDeleteKeepBothLegsAndSplits();
    void creditCardAndItsHistory();
    void yenStatementInWholeYen();
    void missingAccountLeavesTheScreenEmpty();
    void summaryTextsFitThePanel_data();
    void summaryTextsFitThePanel();
    void unreadStatementIsRefused_data();
    void unreadStatementIsRefused();
    void figuresPastWhatIsHeld_data();
    void figuresPastWhatIsHeld();

private:
    void open(const QString& accountId);
    // Makes the row of `payee` current and presses `key` on the table.
    void press(const QString& payee, Qt::Key key);
    void finish();
    QString figures(const QString& statement);
    QStringList ticks() const;
    bool sqlExec(const QString& statement) { return QSqlQuery(m->state->database->database()).exec(statement); }

    std::unique_ptr<ScreenLedger> m;
    std::unique_ptr<ReconciliationScreen> m_screen;
    QTableWidget* m_table = nullptr;
    Account m_checking;
};

void TestReconciliationScreens::init()
{
    m = std::make_unique<ScreenLedger>();
    QVERIFY(m->isReady());
    m_checking = m->addAccount(QStringLiteral("Checking"));
}

void TestReconciliationScreens::cleanup()
{
    m_screen.reset();
    m.reset();
    MessageBox::clearNextAnswer();
    ModalDialog::clearNextHandler();
    qputenv("TZ", "UTC");
    tzset();
}

void TestReconciliationScreens::summaryTextsFitThePanel_data()
{
    addLanguageRows();
}

// The summary panel keeps its width whatever the language: every caption and
// button in it shows its whole text.
void TestReconciliationScreens::summaryTextsFitThePanel()
{
    QFETCH(QString, language);
    const CatalogueInUse catalogue(language);
    QVERIFY(catalogue.isInstalled());
    open(m_checking.id);
    const QWidget* panel = child(m_screen.get(), "finishButton")->parentWidget();
    QCOMPARE(panel->minimumWidth(), panel->maximumWidth());
    QStringList cut;
    for (const QWidget* widget : panel->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<const QLabel*>(widget);
        const auto* button = qobject_cast<const QAbstractButton*>(widget);
        const QString text = label ? label->text() : button ? button->text() : QString();
        const int needed = widget->sizeHint().width() - widget->fontMetrics().horizontalAdvance(text)
                           + fullTextWidth(widget->fontMetrics(), text);
        if (!text.isEmpty() && needed > widget->width())
            cut.append(QStringLiteral("%1 needs %2 of %3").arg(text).arg(needed).arg(widget->width()));
    }
    QCOMPARE(cut, QStringList());
}

void TestReconciliationScreens::open(const QString& accountId)
{
    m_screen = std::make_unique<ReconciliationScreen>(m->state.get());
    m_screen->start(accountId);
    m_screen->show();
    QApplication::setActiveWindow(m_screen.get());
    QVERIFY(QTest::qWaitForWindowActive(m_screen.get()));
    m_table = child<QTableWidget>(m_screen.get(), "transactionTable");
}

void TestReconciliationScreens::press(const QString& payee, Qt::Key key)
{
    const QTableWidgetItem* item = m_table->findItems(payee, Qt::MatchExactly).value(0);
    QVERIFY(item);
    QTest::mouseClick(m_table->viewport(), Qt::LeftButton, {}, m_table->visualItemRect(item).center());
    QTest::keyClick(m_table, key);
}

void TestReconciliationScreens::finish()
{
    MessageBox::setNextAnswer(QMessageBox::Ok);
    QTest::mouseClick(child(m_screen.get(), "finishButton"), Qt::LeftButton);
}

// The statement balance typed over, then the summary as shown: captions, figures, colour, Finish.
QString TestReconciliationScreens::figures(const QString& statement)
{
    auto* field = child<SmartAmountField>(m_screen.get(), "statementBalanceField");
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, statement);
    QStringList texts;
    for (const char* name : {"statementBalanceCaptionLabel", "depositsCaptionLabel", "withdrawalsCaptionLabel",
                             "previousBalanceLabel", "depositsLabel", "withdrawalsLabel", "clearedBalanceLabel",
                             "statementBalanceLabel", "differenceLabel"})
        texts.append(child<QLabel>(m_screen.get(), name)->text());
    texts.append(child<QLabel>(m_screen.get(), "differenceLabel")->styleSheet());
    texts.append(child(m_screen.get(), "finishButton")->isEnabled() ? QStringLiteral("finish") : QStringLiteral("-"));
    return texts.join(QLatin1Char('|'));
}

QStringList TestReconciliationScreens::ticks() const
{
    QStringList rows;
    for (int row = 0; row < m_table->rowCount(); ++row)
        rows.append(QStringLiteral("%1 %2 %3 %4")
                        .arg(qobject_cast<QCheckBox*>(m_table->cellWidget(row, 0))->isChecked() ? "x" : "-",
                             m_table->item(row, 2)->text(), m_table->item(row, 3)->text(),
                             m_table->item(row, 4)->text())
                        .trimmed());
    return rows;
}

void TestReconciliationScreens::reconcilesAgainstTheStatement()
{
    const QString id = m_checking.id;
    m->addTransaction(id, QStringLiteral("Deposit"), 10000, QDate(2024, 2, 10), ScreenLedger::Reconciled);
    m->addTransaction(id, QStringLiteral("Pay"), 5000, QDate(2024, 3, 1), ScreenLedger::Cleared);
    m->addTransaction(id, QStringLiteral("Check"), -2000, QDate(2024, 3, 2));
    const Transaction later = m->addTransaction(id, QStringLiteral("Later"), -700, QDate(2024, 3, 3));
    open(m_checking.id);
    QCOMPARE(child<QLineEdit>(m_screen.get(), "statementDateField")->text(), QStringLiteral("3/10/2024"));
    QCOMPARE(ticks(), QStringList({"x Pay $50.00 C", "- Check -$20.00", "- Later -$7.00"}));

    press(QStringLiteral("Check"), Qt::Key_Space);
    const QString shown = QStringLiteral("Statement Balance:|Cleared Deposits|Cleared Withdrawals|$100.00|$50.00|"
                                         "-$20.00|$130.00|");
    QCOMPARE(figures(QStringLiteral("130.01")), shown + "$130.01|$0.01|color: #c62828;|-");
    QCOMPARE(figures(QStringLiteral("130")), shown + "$130.00|$0.00|color: #2e7d32;|finish");
    press(QStringLiteral("Check"), Qt::Key_Space);
    QCOMPARE(child<QLabel>(m_screen.get(), "differenceLabel")->text(), QStringLiteral("-$20.00"));
    QTest::keyClick(m_table, Qt::Key_C);
    press(QStringLiteral("Pay"), Qt::Key_R);
    QCOMPARE(ticks(), QStringList({"- Pay $50.00 C", "x Check -$20.00", "- Later -$7.00"}));
    QTest::keyClick(m_table, Qt::Key_Space);
    QCOMPARE(ticks(), QStringList({"x Pay $50.00 C", "x Check -$20.00", "- Later -$7.00"}));

    // F2 and a double-click open the first row in the transaction form; ticks stay.
    ModalDialog::setNextHandler([](QDialog* form) { form->reject(); });
    press(QStringLiteral("Pay"), Qt::Key_F2);
    QCOMPARE(ModalDialog::lastTitle(), QStringLiteral("Edit Transaction"));
    ModalDialog::setNextHandler([](QDialog* form) {
        QCOMPARE(child<QLineEdit>(form, "payeeEdit")->text(), QStringLiteral("Later"));
        form->reject();
    });
    const QTableWidgetItem* laterCell = m_table->findItems(QStringLiteral("Later"), Qt::MatchExactly).value(0);
    QTest::mouseDClick(m_table->viewport(), Qt::LeftButton, {}, m_table->visualItemRect(laterCell).center());
    QCOMPARE(ticks(), QStringList({"x Pay $50.00 C", "x Check -$20.00", "- Later -$7.00"}));

    // A failed write changes nothing, says so and does not end the reconciliation.
    QSignalSpy completed(m_screen.get(), &ReconciliationScreen::reconciliationCompleted);
    QVERIFY(sqlExec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON reconciliations "
                                   "BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("insert failed:")));
    finish();
    QCOMPARE(MessageBox::lastTitle(), QStringLiteral("Reconciliation Not Saved"));
    QCOMPARE(m->state->transactionRepository->listUnreconciled(m_checking.id).size() + completed.count(), 3);

    QVERIFY(sqlExec(QStringLiteral("DROP TRIGGER refuse")));
    finish();
    QCOMPARE(MessageBox::lastTitle() + MessageBox::lastText(),
             QStringLiteral("Reconciliation CompleteAccount reconciled successfully."));
    const QList<Transaction> open = m->state->transactionRepository->listUnreconciled(m_checking.id);
    const Reconciliation done = m->state->reconciliationRepository->listByAccount(m_checking.id).value(0);
    QCOMPARE(QVariantList({completed.count(), open.size(), open.value(0).id, done.statementDate,
                           done.statementBalance, done.reconciledBalance}),
             QVariantList({1, 1, later.id, QDate(2024, 3, 10), 13000, 13000}));
}

void TestReconciliationScreens::addEditDeleteKeepBothLegsAndSplits()
{
    const Account savings = m->addAccount(QStringLiteral("Savings"));
    const Category food = m->addCategory(QStringLiteral("food"), QStringLiteral("Food"));
    m->addTransaction(m_checking.id, QStringLiteral("Opening Balance"), 0, QDate(2024, 1, 1));
    Transaction split = m->addTransaction(m_checking.id, QStringLiteral("Market"), -3000);
    split.isSplit = true;
    const QDateTime now = ScreenLedger::now();
    QVERIFY(TransactionWriter(m->state->database, m->state->transactionRepository, m->state->splitLineRepository,
                              m->state->categoryRepository)
                .update(split, {SplitLine{newId(), split.id, food.id, -1000, {}, now, now},
                                SplitLine{newId(), split.id, food.id, -2000, {}, now, now}}));
    open(m_checking.id);

    press(QStringLiteral("Market"), Qt::Key_R);
    ModalDialog::setNextHandler([](QDialog* form) {
        QTest::keyClicks(child(form, "memoEdit"), QStringLiteral("weekly"));
        clickOk(form);
    });
    press(QStringLiteral("Market"), Qt::Key_F2);
    QCOMPARE(QVariantList({m->state->transactionRepository->findById(split.id)->memo,
                           m->state->splitLineRepository->listByTransaction(split.id).size()}),
             QVariantList({QStringLiteral("weekly"), 2}));

    ModalDialog::setNextHandler([](QDialog* form) {
        QTest::mouseClick(child(form, "transferRadio"), Qt::LeftButton);
        child<SmartAmountField>(form, "amountField")->selectAll();
        QTest::keyClicks(child(form, "amountField"), QStringLiteral("25"));
        child<QCheckBox>(form, "clearedCheck")->setChecked(true);
        clickOk(form);
    });
    QTest::keyClick(m_table, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(ticks(), QStringList({"- Opening Balance $0.00", "x Market -$30.00", "x Transfer to Savings -$25.00 C"}));
    QCOMPARE(m->state->transactionRepository->listByAccount(savings.id).value(0).payee,
             QStringLiteral("Transfer from Checking"));

    MessageBox::setNextAnswer(QMessageBox::Yes);
    press(QStringLiteral("Transfer to Savings"), Qt::Key_Delete);
    QVERIFY(m->state->transactionRepository->listByAccount(savings.id).isEmpty());
    MessageBox::setNextAnswer(QMessageBox::Ok);
    press(QStringLiteral("Opening Balance"), Qt::Key_Delete);
    QCOMPARE(MessageBox::lastTitle() + MessageBox::lastText(),
             QStringLiteral("Opening BalanceThe opening balance can't be removed. Every account has one.\n\n"
                            "To clear it, set it to zero in the account's settings."));
    QCOMPARE(ticks(), QStringList({"- Opening Balance $0.00", "x Market -$30.00"}));
}

void TestReconciliationScreens::creditCardAndItsHistory()
{
    const Account card = m->addAccount(QStringLiteral("Visa"), Currency::USD, AccountType::CreditCard);
    m->addTransaction(card.id, QStringLiteral("Charges"), -50000, QDate(2024, 2, 1), ScreenLedger::Reconciled);
    m->addTransaction(card.id, QStringLiteral("Payment"), 10000, QDate(2024, 3, 1), ScreenLedger::Cleared);
    m->addTransaction(card.id, QStringLiteral("Shop"), -5000, QDate(2024, 3, 2), ScreenLedger::Cleared);
    const Reconciliation older{newId(), card.id, QDate(2024, 1, 31), 2000, 2000, ScreenLedger::now(), 1,
                               SyncStatus::Pending, {}, {}, {}, {}};
    QVERIFY(m->state->reconciliationRepository->insert(older));
    open(card.id);
    QCOMPARE(figures(QStringLiteral("450")), QStringLiteral("Statement Balance Owed:|Cleared Payments|Cleared Charges|"
                                                            "$500.00|-$100.00|$50.00|$450.00|$450.00|$0.00|"
                                                            "color: #2e7d32;|finish"));

    // Finished late in the evening UTC: already the next day two hours east.
    Clock::setFixedNow(QDateTime(QDate(2024, 5, 1), QTime(23, 30), QTimeZone::utc()));
    qputenv("TZ", "Etc/GMT-2");
    tzset();
    finish();
    ReconciliationHistoryScreen history(m->state.get());
    history.show();
    auto* table = child<QTableWidget>(&history, "historyTable");
    const auto shown = [&history, table](const QString& accountId) {
        history.setAccount(accountId);
        QStringList rows{child<QLabel>(&history, "titleLabel")->text()};
        for (int row = 0; row < table->rowCount(); ++row) {
            for (int column = 0; column < 4; ++column)
                rows.append(table->item(row, column)->text());
            rows.append(table->item(row, 1)->foreground().color().name());
        }
        return rows;
    };
    QCOMPARE(shown(card.id), QStringList({"Reconciliation History — Visa", "Mar 1, 2024", "$450.00", "$450.00",
                                          "May 2, 2024 1:30 am", "#000000", "Jan 31, 2024", "-$20.00", "-$20.00",
                                          "Mar 5, 2024 4:07 pm", "#c62828"}));
    // The same stored figure on an account that is not owed reads as it is stored.
    const Account savings = m->addAccount(QStringLiteral("Savings"));
    QVERIFY(m->state->reconciliationRepository->insert({newId(), savings.id, QDate(2024, 1, 31), 2000, -2000,
                                                        ScreenLedger::now(), 1, SyncStatus::Pending, {}, {}, {}, {}}));
    QCOMPARE(shown(savings.id), QStringList({"Reconciliation History — Savings", "Jan 31, 2024", "$20.00",
                                             "-$20.00", "Mar 5, 2024 4:07 pm", "#000000"}));

    history.setAccount(m_checking.id);
    auto* empty = child<QLabel>(&history, "emptyLabel");
    QCOMPARE(QVariantList({table->isVisible(), empty->isVisible(), empty->text()}),
             QVariantList({false, true, QStringLiteral("No reconciliations yet. Reconcile your account from the "
                                                       "register to see the history here.")}));
    // The text fills the table's place below the title instead of spreading the page apart.
    QTRY_COMPARE(std::make_pair(empty->y(), empty->height()), std::make_pair(table->y(), table->height()));
}

void TestReconciliationScreens::yenStatementInWholeYen()
{
    const Account yen = m->addAccount(QStringLiteral("Tokyo"), Currency::JPY);
    m->addTransaction(yen.id, QStringLiteral("Salary"), 12345, QDate(2024, 3, 1), ScreenLedger::Cleared);
    open(yen.id);
    QCOMPARE(figures(QStringLiteral("12345")),
             QStringLiteral("Statement Balance:|Cleared Deposits|Cleared Withdrawals|¥0|¥12,345|¥0|¥12,345|¥12,345|¥0|"
                            "color: #2e7d32;|finish"));
}

void TestReconciliationScreens::missingAccountLeavesTheScreenEmpty()
{
    m->addTransaction(m_checking.id, QStringLiteral("Pay"), 0, QDate(2024, 3, 1), ScreenLedger::Cleared);
    open(QStringLiteral("no-such-account"));
    // A zero statement meets a zero balance, yet there is nothing to finish.
    QCOMPARE(figures(QStringLiteral("0")).section(QLatin1Char('|'), -1), QStringLiteral("-"));
    QCOMPARE(m_table->rowCount(), 0);
    QTest::keyClick(m_table, Qt::Key_N, Qt::ControlModifier); // no form: an unanswered one would end the test
}

void TestReconciliationScreens::unreadStatementIsRefused_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");   // typed over the field once the statement balances at 50.00
    QTest::addColumn<QString>("refusal"); // what Finish shows
    QTest::addColumn<QString>("mended");  // typed over the refused text before Finish again
    QTest::addColumn<QString>("stored");  // the reconciliation: statement date and balance

    // Typing "50" on the way made the statement balance: Finish is on.
    QTest::newRow("balance: misplaced comma") << "statementBalanceField" << "50,0" << "Amount not understood: 50,0"
                                              << "50.00" << "2024-03-05 5000";
    QTest::newRow("date: no such day") << "statementDateField" << "2/30/2024" << "Date not understood: 2/30/2024"
                                       << "3/9/2024" << "2024-03-09 5000";
}

void TestReconciliationScreens::unreadStatementIsRefused()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, refusal);
    QFETCH(QString, mended);
    m->addTransaction(m_checking.id, QStringLiteral("Pay"), 5000, QDate(2024, 3, 1), ScreenLedger::Cleared);
    open(m_checking.id);
    figures(QStringLiteral("50"));
    retype(m_screen.get(), qPrintable(field), typed);
    finish();
    QCOMPARE(refusalShown(m_screen.get()), expectedRefusal(refusal));
    QVERIFY(m->state->reconciliationRepository->listByAccount(m_checking.id).isEmpty());

    typeOverRefused(m_screen.get(), mended);
    finish();
    const Reconciliation done = m->state->reconciliationRepository->listByAccount(m_checking.id).value(0);
    QCOMPARE(refusalShown(m_screen.get()), QString());
    QTEST(QStringLiteral("%1 %2").arg(done.statementDate.toString(Qt::ISODate)).arg(done.statementBalance), "stored");
}

void TestReconciliationScreens::figuresPastWhatIsHeld_data()
{
    QTest::addColumn<QList<qint64>>("reconciled"); // what earlier statements account for
    QTest::addColumn<QList<qint64>>("cleared");    // ticked at the start
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("figures");

    constexpr qint64 most = std::numeric_limits<qint64>::max();
    const QString out = MoneySum::outOfRangeText();
    const QString captions = QStringLiteral("Statement Balance:|Cleared Deposits|Cleared Withdrawals|");
    const QString red = QStringLiteral("|color: #c62828;|-");
    QTest::newRow("previous balance past the largest")
        << QList<qint64>{most, 1} << QList<qint64>{-1} << "0"
        << captions + out + "|$0.00|-$0.01|$92,233,720,368,547,758.07|$0.00|-$92,233,720,368,547,758.07" + red;
    QTest::newRow("cleared balance past the largest")
        << QList<qint64>{most} << QList<qint64>{1} << "-0.01"
        << captions + "$92,233,720,368,547,758.07|$0.01|$0.00|" + out + "|-$0.01|" + out + red;
    QTest::newRow("ordinary amounts") << QList<qint64>{10000} << QList<qint64>{5000} << "150"
                                      << captions + "$100.00|$50.00|$0.00|$150.00|$150.00|$0.00|color: #2e7d32;|finish";
}

// Written beneath the repositories, the rows of earlier statements and the
// ticked ones add up past what 64 bits hold: the figures say so, and a
// difference that cannot be held is no 0 to finish on.
void TestReconciliationScreens::figuresPastWhatIsHeld()
{
    QFETCH(QList<qint64>, reconciled);
    QFETCH(QList<qint64>, cleared);
    QFETCH(QString, statement);
    QSqlDatabase db = m->state->database->database();
    int written = 0;
    for (const qint64 amount : reconciled)
        QVERIFY(writeRowBeneath(db, m_checking.id, QStringLiteral("r%1").arg(++written), "2024-01-10", amount, true));
    QVERIFY(sqlExec(QStringLiteral("UPDATE transactions SET reconciled = 1")));
    for (const qint64 amount : cleared)
        QVERIFY(writeRowBeneath(db, m_checking.id, QStringLiteral("c%1").arg(++written), "2024-03-01", amount, true));
    open(m_checking.id);
    QTEST(figures(statement), "figures");
}

VELLUMRY_TEST_MAIN(TestReconciliationScreens)
#include "tst_reconciliationscreens.moc"
