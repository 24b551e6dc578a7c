#include "ScreenTestSupport.h"
#include "TestMain.h"

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

VELLUMRY_TEST_MAIN(TestAccountFormDialog)
#include "tst_accountformdialog.moc"
