#include "InputRefusal.h"
#include "ScreenTestSupport.h"
#include "TestMain.h"

#include "data/RecurringRepository.h"
#include "screens/RecurringFormDialog.h"
#include "widgets/ModalDialog.h"
#include "widgets/SmartAmountField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>

namespace {

void choose(const QDialog* dialog, const char* combo, const QString& text)
{
    auto* box = child<QComboBox>(dialog, combo);
    box->setCurrentIndex(box->findText(text));
}

} // namespace

class TestRecurringFormDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m.reset(); }

    void editKeepsOrRestartsTheSchedule_data();
    void editKeepsOrRestartsTheSchedule();
    void newRecordRepairsAnOldStartDate();
    void scheduleRowsAndUnits();
    void currencyAndSignFollowTheForm_data();
    void currencyAndSignFollowTheForm();
    void memorizeStartsANewRecordFromTheSeed();
    void recordOfADeletedAccountKeepsIt();
    void editShowsTheWholeRecord();
    void unreadInputIsRefused_data();
    void unreadInputIsRefused();

private:
    RecurringTransaction storedRecord() const;

    std::unique_ptr<ScreenLedger> m;
    Account m_dollars;
};

void TestRecurringFormDialog::init()
{
    m = std::make_unique<ScreenLedger>();
    QVERIFY(m->isReady());
    m_dollars = m->addAccount(QStringLiteral("Checking"));
    m->addAccount(QStringLiteral("Euro"), Currency::EUR);
    m->addAccount(QStringLiteral("Yen"), Currency::JPY);
    m->addCategory(QStringLiteral("food"), QStringLiteral("Food"));
    m->addCategory(QStringLiteral("gro"), QStringLiteral("Groceries"), QStringLiteral("food"));
}

RecurringTransaction TestRecurringFormDialog::storedRecord() const
{
    RecurringTransaction record;
    record.id = QStringLiteral("rec-1");
    record.accountId = m_dollars.id;
    record.payee = QStringLiteral("Rent");
    record.amount = -1234;
    record.categoryId = QStringLiteral("gro");
    record.startDate = QDate(2024, 1, 1);
    record.nextDueDate = QDate(2024, 4, 1);
    record.version = 2;
    record.createdAt = ScreenLedger::now().addDays(-60);
    record.updatedAt = record.createdAt;
    return record;
}

void TestRecurringFormDialog::editKeepsOrRestartsTheSchedule_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("account");
    QTest::addColumn<QVariantList>("expected"); // start, next due, amount, category
    QTest::newRow("start untouched") << QString() << "Checking"
                                     << QVariantList({QDate(2024, 1, 1), QDate(2024, 4, 1), -1234, "gro"});
    // The account may change; the amount then reads in its currency.
    QTest::newRow("start and account changed")
        << "5/10/2024" << "Yen" << QVariantList({QDate(2024, 5, 10), QDate(2024, 5, 10), -12, "gro"});
}

void TestRecurringFormDialog::editKeepsOrRestartsTheSchedule()
{
    QFETCH(QString, typed);
    QFETCH(QString, account);
    QFETCH(QVariantList, expected);
    // A category deleted since stays chosen instead of falling back to none.
    QVERIFY(m->state->categoryRepository->softDelete(QStringLiteral("gro")));
    const RecurringTransaction opened = storedRecord();
    QVERIFY(m->state->recurringRepository->insert(opened));
    RecurringFormDialog dialog(m->state.get(), opened);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit Recurring Transaction"));
    QCOMPARE(child<QComboBox>(&dialog, "categoryCombo")->currentText(), QStringLiteral("Food > Groceries"));
    if (!typed.isEmpty())
        retype(&dialog, "startDateField", typed);
    choose(&dialog, "accountCombo", account);

    const RecurringTransaction result = dialog.recurring();
    QCOMPARE(QVariantList({result.startDate, result.nextDueDate, result.amount, result.categoryId}), expected);
    QCOMPARE(QVariantList({result.id, result.version, int(result.syncStatus), result.createdAt, result.updatedAt}),
             QVariantList({opened.id, 3, int(SyncStatus::Pending), opened.createdAt, ScreenLedger::now()}));
    QVERIFY(m->state->recurringRepository->update(result));
    QCOMPARE(m->state->recurringRepository->findById(opened.id)->accountId,
             child<QComboBox>(&dialog, "accountCombo")->currentData().toString());
}

void TestRecurringFormDialog::newRecordRepairsAnOldStartDate()
{
    RecurringFormDialog dialog(m->state.get());
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("New Recurring Transaction"));
    QVERIFY(child<QRadioButton>(&dialog, "paymentRadio")->isChecked());
    retype(&dialog, "startDateField", QStringLiteral("12/31/1999"));
    QTest::ignoreMessage(QtInfoMsg, QRegularExpression(QStringLiteral("^RecurringFormDialog::recurring\\(\\) ")));
    QTest::ignoreMessage(QtWarningMsg, "RecurringFormDialog: rejecting invalid startDate 1999-12-31 — falling back to today");
    QTest::ignoreMessage(QtWarningMsg, "RecurringFormDialog: rejecting invalid nextDueDate 1999-12-31 — falling back "
                                       "to startDate 2024-03-05");
    const RecurringTransaction result = dialog.recurring();
    QCOMPARE(QVariantList({result.startDate, result.nextDueDate, result.version, result.createdAt, result.id.size()}),
             QVariantList({QDate(2024, 3, 5), QDate(2024, 3, 5), 1, ScreenLedger::now(), 36}));
}

void TestRecurringFormDialog::scheduleRowsAndUnits()
{
    RecurringFormDialog dialog(m->state.get());
    dialog.show();
    auto* interval = child<QSpinBox>(&dialog, "intervalSpinBox");
    choose(&dialog, "frequencyCombo", QStringLiteral("Weekly"));
    QCOMPARE(interval->suffix(), QStringLiteral(" week"));
    QTest::keyClick(interval, Qt::Key_Up);
    QCOMPARE(interval->suffix(), QStringLiteral(" weeks"));
    choose(&dialog, "frequencyCombo", QStringLiteral("Bi-weekly"));
    QCOMPARE(interval->suffix(), QString());

    QVERIFY(!child(&dialog, "secondDayCombo")->isVisible());
    choose(&dialog, "frequencyCombo", QStringLiteral("Semi-monthly"));
    QCOMPARE(QVariantList({interval->isVisible(), child(&dialog, "secondDayCombo")->isVisible()}),
             QVariantList({false, true}));
    choose(&dialog, "secondDayCombo", QStringLiteral("Last day"));

    // Lead days count only while auto-post is on.
    QTest::keyClick(child(&dialog, "autoPostCheckBox"), Qt::Key_Space);
    child<QSpinBox>(&dialog, "leadDaysSpinBox")->setValue(5);
    QCOMPARE(dialog.recurring().leadDays, 5);
    QTest::keyClick(child(&dialog, "autoPostCheckBox"), Qt::Key_Space);
    const RecurringTransaction result = dialog.recurring();
    QCOMPARE(QVariantList({int(result.frequency), result.semimonthlyDay1, result.semimonthlyDay2, result.leadDays}),
             QVariantList({int(RecurringFrequency::Semimonthly), 1, 0, 0}));
}

void TestRecurringFormDialog::currencyAndSignFollowTheForm_data()
{
    QTest::addColumn<bool>("deposit");
    QTest::addColumn<qint64>("amount");
    QTest::newRow("deposit") << true << qint64(1000);
    QTest::newRow("payment") << false << qint64(-1000);
}

void TestRecurringFormDialog::currencyAndSignFollowTheForm()
{
    QFETCH(bool, deposit);
    QFETCH(qint64, amount);
    RecurringFormDialog dialog(m->state.get());
    dialog.show();
    auto* field = child<SmartAmountField>(&dialog, "amountField");
    QCOMPARE(field->prefix(), QStringLiteral("$ "));
    choose(&dialog, "accountCombo", QStringLiteral("Euro"));
    QCOMPARE(field->prefix(), QStringLiteral("€ "));
    retype(&dialog, "amountField", QStringLiteral("10.00"));
    if (deposit)
        QTest::mouseClick(child(&dialog, "depositRadio"), Qt::LeftButton, {}, QPoint(4, 4));
    QCOMPARE(dialog.recurring().amount, amount);
}

void TestRecurringFormDialog::memorizeStartsANewRecordFromTheSeed()
{
    RecurringTransaction seed;
    seed.accountId = m_dollars.id;
    seed.payee = QStringLiteral("Gym");
    seed.amount = -4500;
    seed.startDate = QDate(2024, 2, 15);
    seed.nextDueDate = QDate(2024, 3, 15);
    seed.transferDestAccountId = QStringLiteral("elsewhere");
    std::unique_ptr<RecurringFormDialog> dialog(RecurringFormDialog::createFromSeed(m->state.get(), seed, nullptr));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Memorize Transaction"));
    QVERIFY(dialog->recurring().id != dialog->recurring().id);

    // As the register runs it: nothing when cancelled, the form's record when accepted.
    ModalDialog::setNextHandler([](QDialog* form) { form->reject(); });
    QVERIFY(!RecurringFormDialog::memorize(m->state.get(), seed, nullptr));
    ModalDialog::setNextHandler([](QDialog* form) {
        QCOMPARE(form->windowTitle(), QStringLiteral("Memorize Transaction"));
        retype(form, "memoEdit", QStringLiteral("monthly"));
        clickOk(form);
    });
    const std::optional<RecurringTransaction> memorized = RecurringFormDialog::memorize(m->state.get(), seed, nullptr);
    QVERIFY(memorized);
    const RecurringTransaction result = *memorized;
    QCOMPARE(result.memo, QStringLiteral("monthly"));
    QCOMPARE(QVariantList({result.payee, result.amount, result.startDate, result.nextDueDate, result.version,
                           result.transferDestAccountId, result.createdAt}),
             QVariantList({seed.payee, seed.amount, seed.startDate, seed.startDate, 1, seed.transferDestAccountId,
                           ScreenLedger::now()}));
}

void TestRecurringFormDialog::recordOfADeletedAccountKeepsIt()
{
    const Account closed = m->addAccount(QStringLiteral("Closed Euro"), Currency::EUR);
    QVERIFY(m->state->accountRepository->softDelete(closed.id));
    RecurringTransaction opened = storedRecord();
    opened.accountId = closed.id;
    RecurringFormDialog dialog(m->state.get(), opened);
    dialog.show();
    QCOMPARE(QVariantList({child<QComboBox>(&dialog, "accountCombo")->currentText(),
                           child<SmartAmountField>(&dialog, "amountField")->prefix()}),
             QVariantList({"Closed Euro", "€ "}));
    retype(&dialog, "payeeEdit", QStringLiteral("Rent due"));
    const RecurringTransaction result = dialog.recurring();
    QCOMPARE(QVariantList({result.accountId, result.payee, result.amount}),
             QVariantList({closed.id, "Rent due", -1234}));
}

void TestRecurringFormDialog::editShowsTheWholeRecord()
{
    m->addTransaction(m_dollars.id, QStringLiteral("Safeway"));
    m->addTransaction(m_dollars.id, QStringLiteral("Salary"), 5000);
    RecurringTransaction opened = storedRecord();
    opened.amount = 0;
    opened.memo = QStringLiteral("twice a month");
    opened.frequency = RecurringFrequency::Semimonthly;
    opened.semimonthlyDay1 = 5;
    opened.semimonthlyDay2 = 0;
    opened.endDate = QDate(2024, 12, 31);
    opened.autoPost = true;
    opened.leadDays = 3;
    opened.isActive = false;
    RecurringFormDialog dialog(m->state.get(), opened);
    dialog.show();
    const auto combo = [&dialog](const char* name) { return child<QComboBox>(&dialog, name)->currentText(); };
    const auto text = [&dialog](const char* name) { return child<QLineEdit>(&dialog, name)->text(); };
    const auto shown = [&dialog](const char* name) { return child(&dialog, name)->isVisible(); };
    QCOMPARE(QVariantList({combo("accountCombo"), child<QRadioButton>(&dialog, "depositRadio")->isChecked(),
                           text("payeeEdit"), text("memoEdit"), combo("categoryCombo"), combo("frequencyCombo"),
                           shown("intervalSpinBox"), combo("firstDayCombo"), combo("secondDayCombo"),
                           text("startDateField"), child<QCheckBox>(&dialog, "hasEndDateCheckBox")->isChecked(),
                           text("endDateField"), child<QCheckBox>(&dialog, "autoPostCheckBox")->isChecked(),
                           child<QSpinBox>(&dialog, "leadDaysSpinBox")->value(),
                           child(&dialog, "leadDaysSpinBox")->isEnabled(),
                           child<QCheckBox>(&dialog, "activeCheckBox")->isChecked()}),
             QVariantList({"Checking", true, "Rent", "twice a month", "Food > Groceries", "Semi-monthly", false,
                           "5", "Last day", "1/1/2024", true, "12/31/2024", true, 3, true, false}));

    // The payee completer offers the account's payees, matched anywhere and in any case.
    QCompleter* payees = child<QLineEdit>(&dialog, "payeeEdit")->completer();
    payees->setCompletionPrefix(QStringLiteral("FE"));
    QCOMPARE(QVariantList({payees->completionCount(), payees->currentCompletion()}), QVariantList({1, "Safeway"}));
}

void TestRecurringFormDialog::unreadInputIsRefused_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("refusal"); // what OK shows
    QTest::addColumn<QString>("mended");  // typed over the refused text before OK again
    QTest::addColumn<QString>("stored");  // amount, start date, end date of the record stored

    QTest::newRow("amount: misplaced comma") << "amountField" << "12,34" << "Amount not understood: 12,34" << "12.34"
                                             << "-1234 2024-03-05 2024-12-31";
    QTest::newRow("start: no such day") << "startDateField" << "2/30/2024" << "Date not understood: 2/30/2024"
                                        << "2/29/2024" << "-500 2024-02-29 2024-12-31";
    QTest::newRow("end: zeros") << "endDateField" << "0/0/0" << "Date not understood: 0/0/0" << "6/30/2025"
                                << "-500 2024-03-05 2025-06-30";
}

void TestRecurringFormDialog::unreadInputIsRefused()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, refusal);
    QFETCH(QString, mended);
    RecurringFormDialog dialog(m->state.get());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QTest::keyClicks(child(&dialog, "payeeEdit"), QStringLiteral("Gym"));
    retype(&dialog, "amountField", QStringLiteral("5"));
    QTest::mouseClick(child(&dialog, "hasEndDateCheckBox"), Qt::LeftButton, {}, QPoint(4, 4));
    retype(&dialog, "endDateField", QStringLiteral("12/31/2024"));
    retype(&dialog, qPrintable(field), typed);
    clickOk(&dialog);
    QCOMPARE(refusalShown(&dialog), expectedRefusal(refusal));
    QCOMPARE(dialog.result(), int(QDialog::Rejected));

    typeOverRefused(&dialog, mended);
    clickOk(&dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(m->state->recurringRepository->insert(dialog.recurring()));
    const RecurringTransaction stored = m->state->recurringRepository->listAll().value(0);
    QTEST(QStringLiteral("%1 %2 %3")
              .arg(stored.amount)
              .arg(stored.startDate.toString(Qt::ISODate), stored.endDate.value_or(QDate()).toString(Qt::ISODate)),
          "stored");
}

VELLUMRY_TEST_MAIN(TestRecurringFormDialog)
#include "tst_recurringformdialog.moc"
