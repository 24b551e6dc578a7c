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

    void frequencyTexts_data();
    void frequencyTexts();
    void listsSortsAndCountsDue();
    void menuAndCommandsActOnlyWhenDue();
    void commandsOnTheCurrentRow();

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

void TestRecurringScreen::frequencyTexts_data()
{
    QTest::addColumn<int>("frequency");
    QTest::addColumn<int>("interval");
    QTest::addColumn<int>("day1");
    QTest::addColumn<int>("day2");
    QTest::addColumn<QString>("text");
    using F = RecurringFrequency;
    const auto row = [](const char* name, F frequency, int interval, const char* text, int day1 = 1, int day2 = 15) {
        QTest::newRow(name) << int(frequency) << interval << day1 << day2 << QString::fromUtf8(text);
    };
    row("daily", F::Daily, 1, "daily");
    row("every 2 days", F::Daily, 2, "Every 2 days");
    row("weekly", F::Weekly, 1, "weekly");
    row("every 2 weeks", F::Weekly, 2, "Every 2 weeks");
    row("monthly", F::Monthly, 1, "monthly");
    row("every 3 months", F::Monthly, 3, "Every 3 months");
    row("annual", F::Annual, 1, "annual");
    row("every 2 years", F::Annual, 2, "Every 2 years");
    row("biweekly twice", F::Biweekly, 2, "biweekly (×2)");
    row("quarterly twice", F::Quarterly, 2, "quarterly (×2)");
    row("semi-annual", F::SemiAnnual, 1, "semi_annual");
    row("semi-annual thrice", F::SemiAnnual, 3, "semi_annual (×3)");
    row("first and last day", F::Semimonthly, 1, "Semi-monthly (1st & last day)", 1, 0);
    row("interval ignored", F::Semimonthly, 4, "Semi-monthly (22nd & 13th)", 22, 13);
    row("11th and 21st", F::Semimonthly, 1, "Semi-monthly (11th & 21st)", 11, 21);
    row("31st and 3rd", F::Semimonthly, 1, "Semi-monthly (31st & 3rd)", 31, 3);
    row("2nd and 12th", F::Semimonthly, 1, "Semi-monthly (2nd & 12th)", 2, 12);
    row("out of range", F::Semimonthly, 1, "Semi-monthly (last day & last day)", 32, -1);
}

void TestRecurringScreen::frequencyTexts()
{
    QFETCH(int, frequency);
    QFETCH(int, interval);
    QFETCH(int, day1);
    QFETCH(int, day2);
    QFETCH(QString, text);
    RecurringTransaction record;
    record.frequency = RecurringFrequency(frequency);
    record.intervalCount = interval;
    record.semimonthlyDay1 = day1;
    record.semimonthlyDay2 = day2;
    QCOMPARE(RecurringModel::frequencyText(record), text);
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
    // Colours: negative amounts red, due dates green, inactive records grey; nothing else coloured.
    QStringList colours;
    for (int row = 0; row < m_view->model()->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < RecurringModel::StatusColumn + 1; ++column) {
            const QVariant colour = m_view->model()->index(row, column).data(Qt::ForegroundRole);
            cells.append(colour.isValid() ? colour.value<QColor>().name() : QString());
        }
        colours.append(cells.join(QLatin1Char('|')));
    }
    QCOMPARE(colours, QStringList({"||#c62828||||#a0a0a4", "||#c62828||#008800||", "||#c62828||#008800||",
                                   "||||||", "||#c62828||||"}));

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
    // The last day the coming week reaches, and the day after it.
    add(QStringLiteral("Water"), 7);
    add(QStringLiteral("Phone"), 8);
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
    QCOMPARE(column(4), QStringList({"3/2/2024", "3/8/2024", "3/12/2024", "3/13/2024", "4/5/2024"}));
    click("confirmAllDueButton");
    MessageBox::setNextAnswer(QMessageBox::No);
    click("enterNextSevenDaysButton");
    QVERIFY(posted.isEmpty() && m->state->transactionRepository->listByAccount(m_account.id).isEmpty());
    MessageBox::setNextAnswer(QMessageBox::Yes);
    click("enterNextSevenDaysButton");
    QCOMPARE(posted.count(), 1);
    QStringList entered;
    for (const Transaction& t : m->state->transactionRepository->listByAccount(m_account.id))
        entered.append(t.payee + t.date.toString(QStringLiteral(" M/d")));
    QCOMPARE(entered, QStringList({"Water 3/12", "Salary 3/8"}));

    ModalDialog::setNextHandler([](QDialog* form) {
        retype(form, "payeeEdit", QStringLiteral("Gym"));
        clickOk(form);
    });
    QTest::mouseClick(m_view->viewport(), Qt::LeftButton, {}, rowOf(QStringLiteral("Salary")));
    QTest::mouseDClick(m_view->viewport(), Qt::LeftButton, {}, rowOf(QStringLiteral("Salary")));
    QCOMPARE(ModalDialog::lastTitle(), QStringLiteral("Edit Recurring Transaction"));
    QCOMPARE(column(1), QStringList({"Old", "Phone", "Rent", "Gym", "Water"}));
}

void TestRecurringScreen::commandsOnTheCurrentRow()
{
    add(QStringLiteral("Due"), 0, -2500);
    add(QStringLiteral("Soon"), 2, 9900);
    m_screen->reload();
    QSignalSpy posted(m_screen.get(), &RecurringScreen::transactionsChanged);
    const auto entered = [this] {
        QStringList rows;
        for (const Transaction& t : m->state->transactionRepository->listByAccount(m_account.id))
            rows.append(QStringLiteral("%1 %2 %3").arg(t.payee, t.date.toString(QStringLiteral("M/d"))).arg(t.amount));
        return rows;
    };

    contextMenuAt(m_view, rowOf(QStringLiteral("Due")), QStringLiteral("&Confirm"));
    QCOMPARE(QVariantList({posted.count(), entered(), column(4)}),
             QVariantList({1, QStringList({"Due 3/5 -2500"}), QStringList({"3/7/2024", "4/5/2024"})}));

    MessageBox::setNextAnswer(QMessageBox::No);
    contextMenuAt(m_view, rowOf(QStringLiteral("Soon")), QStringLiteral("Enter &Early..."));
    QCOMPARE(MessageBox::lastTitle() + MessageBox::lastText(),
             QStringLiteral("Enter EarlyEnter \"Soon\" now, dated Mar 7, 2024? The transaction is dated its due date "
                            "and you can edit or delete it later."));
    QCOMPARE(posted.count(), 1);
    MessageBox::setNextAnswer(QMessageBox::Yes);
    contextMenuAt(m_view, rowOf(QStringLiteral("Soon")), QStringLiteral("Enter &Early..."));
    QCOMPARE(QVariantList({posted.count(), entered()}),
             QVariantList({2, QStringList({"Soon 3/7 9900", "Due 3/5 -2500"})}));

    MessageBox::setNextAnswer(QMessageBox::No);
    contextMenuAt(m_view, rowOf(QStringLiteral("Due")), QStringLiteral("&Delete"));
    QCOMPARE(MessageBox::lastText(), QStringLiteral("Delete recurring \"Due\"?"));
    QCOMPARE(column(1), QStringList({"Due", "Soon"}));
    MessageBox::setNextAnswer(QMessageBox::Yes);
    contextMenuAt(m_view, rowOf(QStringLiteral("Due")), QStringLiteral("&Delete"));
    QCOMPARE(column(1), QStringList({"Soon"}));

    // A new record is stored only when its form is accepted.
    ModalDialog::setNextHandler([](QDialog* form) { form->reject(); });
    click("newRecurringButton");
    QCOMPARE(column(1), QStringList({"Soon"}));
    ModalDialog::setNextHandler([](QDialog* form) {
        QCOMPARE(form->windowTitle(), QStringLiteral("New Recurring Transaction"));
        retype(form, "payeeEdit", QStringLiteral("Gym"));
        retype(form, "amountField", QStringLiteral("45"));
        clickOk(form);
    });
    click("newRecurringButton");
    QCOMPARE(QStringList({column(1).join(','), column(2).join(',')}),
             QStringList({"Gym,Soon", "-$45.00,$99.00"}));
}

VELLUMRY_TEST_MAIN(TestRecurringScreen)
#include "tst_recurringscreen.moc"
