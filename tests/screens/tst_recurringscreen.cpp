#include "ScreenTestSupport.h"
#include "TestMain.h"

#include "data/Database.h"
#include "data/RecurringRepository.h"
#include "screens/RecurringModel.h"
#include "screens/RecurringScreen.h"
#include "widgets/MessageBox.h"
#include "widgets/ModalDialog.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QLabel>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTableView>

class TestRecurringScreen : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void frequencyTexts();
    void listsSortsAndCountsDue();
    void menuAndCommandsActOnlyWhenDue();

private:
    RecurringTransaction add(const QString& payee, int dueInDays, qint64 amount = -100, bool active = true,
                             const QString& accountId = {});
    QStringList column(int column) const;
    QPoint rowOf(const QString& payee) const
    {
        return m_view->visualRect(m_view->model()->index(int(column(1).indexOf(payee)), 1)).center();
    }
    void click(const char* button) { QTest::mouseClick(child(m_screen.get(), button), Qt::LeftButton); }

    std::unique_ptr<ScreenLedger> m;
    std::unique_ptr<RecurringScreen> m_screen;
    QTableView* m_view = nullptr;
    Account m_account;
};

void TestRecurringScreen::init()
{
    m = std::make_unique<ScreenLedger>();
    QVERIFY(m->isReady());
    m_account = m->addAccount(QStringLiteral("Checking"));
    m_screen = std::make_unique<RecurringScreen>(m->state.get());
    m_screen->resize(900, 400);
    m_screen->show();
    m_view = child<QTableView>(m_screen.get(), "recurringTable");
}

void TestRecurringScreen::cleanup()
{
    m_screen.reset();
    m.reset();
    MessageBox::clearNextAnswer();
}

RecurringTransaction TestRecurringScreen::add(const QString& payee, int dueInDays, qint64 amount, bool active,
                                              const QString& accountId)
{
    RecurringTransaction record;
    record.id = newId();
    record.accountId = accountId.isEmpty() ? m_account.id : accountId;
    record.payee = payee;
    record.amount = amount;
    record.isActive = active;
    record.startDate = QDate(2024, 1, 1);
    record.nextDueDate = ScreenLedger::now().date().addDays(dueInDays);
    record.createdAt = record.updatedAt = ScreenLedger::now();
    if (!m->state->recurringRepository->insert(record))
        qWarning("could not add %s", qPrintable(payee));
    return record;
}

QStringList TestRecurringScreen::column(int column) const
{
    QStringList texts;
    for (int row = 0; row < m_view->model()->rowCount(); ++row)
        texts.append(m_view->model()->index(row, column).data().toString());
    return texts;
}

void TestRecurringScreen::frequencyTexts()
{
    const auto text = [](RecurringFrequency frequency, int interval, int day1 = 1, int day2 = 15) {
        RecurringTransaction record;
        record.frequency = frequency;
        record.intervalCount = interval;
        record.semimonthlyDay1 = day1;
        record.semimonthlyDay2 = day2;
        return RecurringModel::frequencyText(record);
    };
    using F = RecurringFrequency;
    QCOMPARE(QStringList({text(F::Monthly, 1), text(F::Monthly, 3), text(F::Daily, 2), text(F::Quarterly, 2),
                          text(F::SemiAnnual, 1), text(F::Semimonthly, 1, 1, 0), text(F::Semimonthly, 4, 22, 13),
                          text(F::Semimonthly, 1, 11, 21), text(F::Semimonthly, 1, 31, 3)}),
             QStringList({"monthly", "Every 3 months", "Every 2 days", "quarterly (×2)", "semi_annual",
                          "Semi-monthly (1st & last day)", "Semi-monthly (22nd & 13th)", "Semi-monthly (11th & 21st)",
                          "Semi-monthly (31st & 3rd)"}));
}

void TestRecurringScreen::listsSortsAndCountsDue()
{
    QAbstractItemModelTester tester(m_view->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    add(QStringLiteral("Rent"), 0, -120000);
    add(QStringLiteral("Gym"), -4);
    add(QStringLiteral("Salary"), 1, 250000);
    add(QStringLiteral("Old"), -30, -100, false);
    // Only a ledger written without its foreign keys holds a record of a missing account.
    QSqlQuery(m->state->database->database()).exec(QStringLiteral("PRAGMA foreign_keys = OFF"));
    add(QStringLiteral("Ghost"), 10, -1234, true, QStringLiteral("no-such-account"));
    m_screen->reload();

    QCOMPARE(column(0) + column(1), QStringList({"Checking", "Checking", "Checking", "Checking", "", "Old", "Gym",
                                                 "Rent", "Salary", "Ghost"}));
    QCOMPARE(column(2) + column(4), QStringList({"-$1.00", "-$1.00", "-$1,200.00", "$2,500.00", "-$12.34", "2/4/2024",
                                                 "3/1/2024", "3/5/2024", "3/6/2024", "3/15/2024"}));
    auto* due = child<QLabel>(m_screen.get(), "dueLabel");
    QCOMPARE(due->text() + due->styleSheet(), QStringLiteral("(2 due)color: #008800;"));

    // Two clicks on Amount sort descending; Old and Gym tie, so they turn around.
    QHeaderView* header = m_view->horizontalHeader();
    for (int click = 0; click < 2; ++click)
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(RecurringModel::AmountColumn) + 5, 5));
    QCOMPARE(column(1), QStringList({"Salary", "Gym", "Old", "Ghost", "Rent"}));
}

void TestRecurringScreen::menuAndCommandsActOnlyWhenDue()
{
    add(QStringLiteral("Rent"), 0, -120000);
    add(QStringLiteral("Salary"), 3, 250000);
    add(QStringLiteral("Old"), -3, -100, false);
    m_screen->reload();
    QStringList menus;
    for (const char* payee : {"Rent", "Salary", "Old"})
        menus += contextMenuAt(m_view, rowOf(QLatin1String(payee)));
    QCOMPARE(menus + contextMenuAt(m_view, QPoint(10, m_view->viewport()->height() - 10)),
             QStringList({"&Edit", "&Confirm", "&Skip", "Enter &Early... (off)", "&Delete",
                          "&Edit", "&Confirm (off)", "&Skip (off)", "Enter &Early...", "&Delete",
                          "&Edit", "&Confirm (off)", "&Skip (off)", "Enter &Early... (off)", "&Delete"}));

    QSignalSpy posted(m_screen.get(), &RecurringScreen::transactionsChanged);
    contextMenuAt(m_view, rowOf(QStringLiteral("Rent")), QStringLiteral("&Skip"));
    QCOMPARE(column(4), QStringList({"3/2/2024", "3/8/2024", "4/5/2024"}));
    click("confirmAllDueButton");
    MessageBox::setNextAnswer(QMessageBox::No);
    click("enterNextSevenDaysButton");
    QVERIFY(posted.isEmpty() && m->state->transactionRepository->listByAccount(m_account.id).isEmpty());
    MessageBox::setNextAnswer(QMessageBox::Yes);
    click("enterNextSevenDaysButton");
    QCOMPARE(posted.count(), 1);
    QCOMPARE(m->state->transactionRepository->listByAccount(m_account.id).value(0).date, QDate(2024, 3, 8));

    ModalDialog::setNextHandler([](QDialog* form) {
        retype(form, "payeeEdit", QStringLiteral("Gym"));
        clickOk(form);
    });
    QTest::mouseClick(m_view->viewport(), Qt::LeftButton, {}, rowOf(QStringLiteral("Salary")));
    QTest::mouseDClick(m_view->viewport(), Qt::LeftButton, {}, rowOf(QStringLiteral("Salary")));
    QCOMPARE(ModalDialog::lastTitle(), QStringLiteral("Edit Recurring Transaction"));
    QCOMPARE(column(1), QStringList({"Old", "Rent", "Gym"}));
}

VELLUMRY_TEST_MAIN(TestRecurringScreen)
#include "tst_recurringscreen.moc"
