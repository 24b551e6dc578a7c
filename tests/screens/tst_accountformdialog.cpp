#include "InputRefusal.h"
#include "ScreenTestSupport.h"
#include "TestMain.h"

#include "data/AccountService.h"
#include "screens/AccountFormDialog.h"
#include "widgets/SmartAmountField.h"

#include <QComboBox>
#include <QLabel>
#include <QRegularExpression>

class TestAccountFormDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Clock::setFixedNow(ScreenLedger::now()); }
    void editShowsTheOpeningBalanceSignedByType();
    void fillAndSignFollowTheType_data();
    void fillAndSignFollowTheType();
    void newAccountFromWhatWasTyped();
    void typedStartingBalance_data();
    void typedStartingBalance();
};

void TestAccountFormDialog::fillAndSignFollowTheType_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("currency");
    QTest::addColumn<qint64>("starting");
    QTest::addColumn<bool>("hasOpeningRow");
    QTest::addColumn<QString>("switchTo");
    QTest::addColumn<QString>("shown");

    // label | field | cents | changed | as of | note shown | currency symbol, before and after the type is switched
    QTest::newRow("checking to loan") << "checking" << "USD" << qint64(4000) << true << "Loan"
                                      << "Starting &Balance:|40|4000|no|2024-01-15|note|$ ; "
                                         "Starting &Balance (Amount Owed):|40|-4000|changed|2024-01-15|note|$";
    QTest::newRow("no opening row: the stored balance, as of today")
        << "savings" << "EUR" << qint64(-2550) << false << "Cash"
        << "Starting &Balance:|-25.5|-2550|no|2024-03-05|-|\u20AC ; Starting &Balance:|-25.5|-2550|no|2024-03-05|-|\u20AC";
    QTest::newRow("loan in yen") << "loan" << "JPY" << qint64(-300000) << true << "Credit Card"
                                 << "Starting &Balance (Amount Owed):|300000|-300000|no|2024-01-15|note|\u00A5 ; "
                                    "Starting &Balance (Amount Owed):|300000|-300000|no|2024-01-15|note|\u00A5";
}

void TestAccountFormDialog::fillAndSignFollowTheType()
{
    QFETCH(QString, type);
    QFETCH(QString, currency);
    QFETCH(qint64, starting);
    QFETCH(bool, hasOpeningRow);
    QFETCH(QString, switchTo);
    Account stored;
    stored.id = QStringLiteral("acc");
    stored.accountType = accountTypeFromString(type);
    stored.currency = currencyFromCode(currency);
    std::optional<Transaction> opening;
    if (hasOpeningRow) {
        opening = Transaction();
        opening->amount = starting;
        opening->date = QDate(2024, 1, 15);
    } else {
        stored.startingBalance = starting;
    }
    AccountFormDialog dialog(stored, opening);
    dialog.show();
    const auto shown = [&dialog] {
        auto* field = child<SmartAmountField>(&dialog, "startingBalanceField");
        return QStringList({child<QLabel>(&dialog, "startingBalanceLabel")->text(), QString::number(field->value()),
                            QString::number(dialog.startingBalanceCents()),
                            dialog.openingBalanceChanged() ? "changed" : "no", dialog.asOfDate().toString(Qt::ISODate),
                            child(&dialog, "openingBalanceNoteLabel")->isVisible() ? "note" : "-", field->prefix().trimmed()})
            .join(QLatin1Char('|'));
    };
    const QString before = shown();
    auto* types = child<QComboBox>(&dialog, "typeCombo");
    types->setCurrentIndex(types->findText(switchTo));
    QTEST(before + QStringLiteral(" ; ") + shown(), "shown");
}

void TestAccountFormDialog::editShowsTheOpeningBalanceSignedByType()
{
    Account stored;
    stored.id = QStringLiteral("acc");
    stored.accountType = AccountType::CreditCard;
    stored.startingBalance = 777;
    stored.version = 4;
    stored.createdAt = ScreenLedger::now().addDays(-30);
    Transaction opening;
    opening.amount = -1250;
    opening.date = QDate(2024, 1, 15);
    AccountFormDialog dialog(stored, opening);
    dialog.show();
    const auto shown = [&dialog] {
        return QVariantList({child<QLabel>(&dialog, "startingBalanceLabel")->text(),
                             child<SmartAmountField>(&dialog, "startingBalanceField")->value(),
                             dialog.startingBalanceCents(), dialog.openingBalanceChanged()});
    };
    QCOMPARE(shown(), QVariantList({"Starting &Balance (Amount Owed):", 12.5, -1250, false}));
    // The amount owed becomes money held: the stored sign flips.
    child<QComboBox>(&dialog, "typeCombo")->setCurrentIndex(0);
    QCOMPARE(shown(), QVariantList({"Starting &Balance:", 12.5, 1250, true}));

    const Account edited = dialog.account();
    QCOMPARE(QVariantList({dialog.windowTitle(), dialog.asOfDate(), edited.id, edited.version, edited.createdAt,
                           edited.startingBalance, edited.updatedAt}),
             QVariantList({"Edit Account", opening.date, stored.id, 4, stored.createdAt, 777, ScreenLedger::now()}));
}

void TestAccountFormDialog::newAccountFromWhatWasTyped()
{
    AccountFormDialog dialog;
    dialog.show();
    QTest::keyClicks(child(&dialog, "nameEdit"), QStringLiteral("  Yen savings "));
    QTest::keyClicks(child(&dialog, "institutionEdit"), QStringLiteral(" Mizuho  "));
    QTest::keyClicks(child(&dialog, "accountNumberEdit"), QStringLiteral("12345"));
    auto* currency = child<QComboBox>(&dialog, "currencyCombo");
    currency->setCurrentIndex(currency->findText(QStringLiteral("JPY (¥)")));
    retype(&dialog, "startingBalanceField", QStringLiteral("1234"));

    const Account account = dialog.account();
    QVERIFY(QRegularExpression(QStringLiteral("^[0-9a-f]{8}-[0-9a-f-]{27}$")).match(account.id).hasMatch());
    QCOMPARE(QVariantList({dialog.windowTitle(), dialog.account().id, account.name, account.institution,
                           account.accountNumberLast4, currencyCode(account.currency), account.startingBalance,
                           account.version, account.createdAt, dialog.asOfDate()}),
             QVariantList({"New Account", account.id, "Yen savings", "Mizuho", "1234", "JPY", 1234, 1,
                           ScreenLedger::now(), Clock::today()}));
}

void TestAccountFormDialog::typedStartingBalance_data()
{
    QTest::addColumn<bool>("autoDecimal");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QString>("typed");   // typed over the starting balance
    QTest::addColumn<QString>("refusal"); // what OK shows; empty when it closes the form at once
    QTest::addColumn<QString>("mended");  // typed over the refused text before OK again
    QTest::addColumn<qint64>("opening");  // the opening-balance row stored with the new account

    const auto row = [](const char* name, bool autoDecimal, const char* type, const char* currency, const char* typed,
                        const char* refusal, const char* mended, qint64 opening) {
        QTest::newRow(name) << autoDecimal << QString::fromUtf8(type) << QString::fromUtf8(currency)
                            << QString::fromLatin1(typed) << QString::fromLatin1(refusal)
                            << QString::fromLatin1(mended) << opening;
    };
    row("grouped", false, "Checking", "USD ($)", "1,234.56", "", "", 123456);
    row("negative, grouped", false, "Checking", "USD ($)", "-12,345", "", "", -1234500);
    row("misplaced comma", false, "Checking", "USD ($)", "12,34", "Amount not understood: 12,34", "12.34", 1234);
    row("owed, misplaced comma", false, "Credit Card", "USD ($)", "1,2", "Amount not understood: 1,2", "1.2", -120);
    row("auto: a comma types nothing", true, "Checking", "USD ($)", "12,34", "", "", 1234);
    row("yen grouped", false, "Checking", "JPY (¥)", "1,500", "", "", 1500);
    row("yen: misplaced comma", false, "Savings", "JPY (¥)", "12,3456", "Amount not understood: 12,3456", "123456",
        123456);
}

void TestAccountFormDialog::typedStartingBalance()
{
    QFETCH(bool, autoDecimal);
    QFETCH(QString, type);
    QFETCH(QString, currency);
    QFETCH(QString, typed);
    QFETCH(QString, refusal);
    QFETCH(QString, mended);
    ScreenLedger ledger;
    QVERIFY(ledger.isReady());
    setAmountAutoDecimal(autoDecimal);
    const auto manual = qScopeGuard([] { setAmountAutoDecimal(false); });

    AccountFormDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QTest::keyClicks(child(&dialog, "nameEdit"), QStringLiteral("Cash box"));
    auto* types = child<QComboBox>(&dialog, "typeCombo");
    types->setCurrentIndex(types->findText(type));
    auto* currencies = child<QComboBox>(&dialog, "currencyCombo");
    currencies->setCurrentIndex(currencies->findText(currency));
    retype(&dialog, "startingBalanceField", typed);
    clickOk(&dialog);
    QCOMPARE(refusalShown(&dialog), expectedRefusal(refusal));
    if (!refusal.isEmpty()) {
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        typeOverRefused(&dialog, mended);
        clickOk(&dialog);
    }
    QCOMPARE(dialog.result(), int(QDialog::Accepted));

    // What the new-account action writes with the form's values.
    const Account account = dialog.account();
    QVERIFY(ledger.state->accountService->create(account, dialog.asOfDate()));
    const std::optional<Transaction> opening = ledger.state->transactionRepository->openingBalanceTransaction(account.id);
    QVERIFY(opening);
    QTEST(opening->amount, "opening");
}

VELLUMRY_TEST_MAIN(TestAccountFormDialog)
#include "tst_accountformdialog.moc"
