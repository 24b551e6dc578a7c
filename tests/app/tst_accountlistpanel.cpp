#include "RowsBeneath.h"
#include "ScreenTestSupport.h"
#include "TestMain.h"

#include "app/AccountListPanel.h"
#include "data/Database.h"

#include <QLabel>
#include <QListWidget>

#include <limits>

// The cards' balances and the totals under them, for a ledger whose rows add
// up past what 64 bits hold (written beneath the repositories, as another
// program or an old backup may have left them).
class TestAccountListPanel : public QObject
{
    Q_OBJECT

private slots:
    void balancesPastWhatIsHeld_data();
    void balancesPastWhatIsHeld();
};

void TestAccountListPanel::balancesPastWhatIsHeld_data()
{
    QTest::addColumn<QList<qint64>>("checking");
    QTest::addColumn<QList<qint64>>("card"); // a credit card: what it owes reads positive
    QTest::addColumn<QStringList>("shown");  // each card's balance (Checking, Euro, Visa), then the totals
    QTest::addColumn<QStringList>("after");  // the same once Checking paid a cent

    constexpr qint64 most = std::numeric_limits<qint64>::max();
    constexpr qint64 least = std::numeric_limits<qint64>::min();
    const QString out = MoneySum::outOfRangeText();
    const QString euro = QStringLiteral("\u20AC0.05");
    const auto shown = [&](const QString& checking, const QString& card, const QString& total) {
        return QStringList{checking, euro, card, QStringLiteral("Total (USD): %1  Total (EUR): %2").arg(total, euro)};
    };
    QTest::newRow("a balance past the largest")
        << QList<qint64>{most, 1} << QList<qint64>{} << shown(out, "$0.00", out)
        << shown("$92,233,720,368,547,758.07", "$0.00", "$92,233,720,368,547,758.07");
    QTest::newRow("balances that fit, a total that does not")
        << QList<qint64>{most} << QList<qint64>{1} << shown("$92,233,720,368,547,758.07", "-$0.01", out)
        << shown("$92,233,720,368,547,758.06", "-$0.01", "$92,233,720,368,547,758.07");
    QTest::newRow("the most a card can owe")
        << QList<qint64>{} << QList<qint64>{least}
        << shown("$0.00", "$92,233,720,368,547,758.08", "-$92,233,720,368,547,758.08")
        << shown("-$0.01", "$92,233,720,368,547,758.08", out);
    QTest::newRow("ordinary amounts") << QList<qint64>{500} << QList<qint64>{-200}
                                      << shown("$5.00", "$2.00", "$3.00") << shown("$4.99", "$2.00", "$2.99");
}

void TestAccountListPanel::balancesPastWhatIsHeld()
{
    QFETCH(QList<qint64>, checking);
    QFETCH(QList<qint64>, card);
    ScreenLedger ledger;
    QVERIFY(ledger.isReady());
    const QList<Account> accounts{ledger.addAccount(QStringLiteral("Checking")),
                                  ledger.addAccount(QStringLiteral("Visa"), Currency::USD, AccountType::CreditCard),
                                  ledger.addAccount(QStringLiteral("Euro"), Currency::EUR)};
    QSqlDatabase db = ledger.state->database->database();
    int written = 0;
    for (const auto& [account, amounts] : {std::pair(accounts.at(0), checking), std::pair(accounts.at(1), card),
                                           std::pair(accounts.at(2), QList<qint64>{5})}) {
        for (const qint64 amount : amounts)
            QVERIFY(writeRowBeneath(db, account.id, QString::number(++written), QStringLiteral("2024-02-01"), amount));
    }

    AccountListPanel panel(ledger.state.get());
    panel.resize(300, 600);
    panel.show();
    panel.rebuild();
    const auto shown = [&] {
        QStringList texts;
        for (int row = 0; row < panel.list()->count(); ++row)
            texts.append(child<QLabel>(panel.list()->itemWidget(panel.list()->item(row)), "balanceLabel")->text());
        texts.append(child<QLabel>(&panel, "summaryLabel")->text());
        return texts;
    };
    QTEST(shown(), "shown");

    // Through the repository: the list reads that account's balance and the totals again.
    ledger.addTransaction(accounts.at(0).id, QStringLiteral("Cent"), -1);
    QFETCH(QStringList, after);
    QTRY_COMPARE(shown(), after);
}

VELLUMRY_TEST_MAIN(TestAccountListPanel)
#include "tst_accountlistpanel.moc"
