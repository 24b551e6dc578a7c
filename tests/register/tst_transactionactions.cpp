#include "RegisterLedger.h"
#include "TestMain.h"

#include "data/Database.h"
#include "data/SplitLineRepository.h"
#include "register/TransactionActions.h"
#include "widgets/DateField.h"
#include "widgets/SmartAmountField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTableWidget>

namespace {

// "account payee amount linked-account" of every live row, oldest first.
QStringList describeRows(const RegisterLedger& ledger)
{
    QStringList described;
    QSqlQuery query(ledger.state.database->database());
    query.exec(QStringLiteral("SELECT id FROM transactions WHERE deleted_at IS NULL ORDER BY rowid"));
    while (query.next()) {
        const Transaction t = ledger.load(query.value(0).toString());
        const bool linked = ledger.load(t.transferLinkId).transferLinkId == t.id;
        described.append(QStringLiteral("%1 %2 %3 %4")
                             .arg(t.accountId, t.payee)
                             .arg(t.amount)
                             .arg(linked ? t.transferDestAccountId : QStringLiteral("-")));
    }
    return described;
}

} // namespace

class TestTransactionActions : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void newTransfer_data();
    void newTransfer();
    void failedSaveReopensTheForm();
    void deleteAsksFirst();
    void duplicateAndEditTransferLegs();
    void editSplits();

private:
    std::unique_ptr<RegisterLedger> m_ledger;
};

void TestTransactionActions::init()
{
    m_ledger = std::make_unique<RegisterLedger>();
    QVERIFY(m_ledger->ready);
}

void TestTransactionActions::cleanup()
{
    m_ledger.reset();
}

void TestTransactionActions::newTransfer_data()
{
    QTest::addColumn<QString>("payee"); // empty: the Transfer button with its first account
    QTest::addColumn<bool>("split");
    QTest::addColumn<QString>("refusal");

    QTest::newRow("transfer button") << "" << false << "";
    QTest::newRow("names are case-sensitive") << "[Transfer] savings" << false << "Transfer account not found";
    QTest::newRow("the account itself") << "[Transfer] Checking" << false << "Transfer account not found";
    QTest::newRow("another currency") << "[Transfer] Euro" << false
                                      << "Transfers require both accounts to use the same currency";
    QTest::newRow("split") << "[Transfer] Savings" << true << "A transfer can't be split across categories";
}

void TestTransactionActions::newTransfer()
{
    QFETCH(QString, payee);
    QFETCH(bool, split);
    QFETCH(QString, refusal);

    ModalDialog::setNextHandler([&](QDialog* form) {
        if (payee.isEmpty())
            QTest::mouseClick(child<QRadioButton>(form, "transferRadio"), Qt::LeftButton);
        else
            typeOver(child<QLineEdit>(form, "payeeEdit"), payee);
        typeOver(child<SmartAmountField>(form, "amountField"), QStringLiteral("50"));
        if (split)
            QTest::mouseClick(child<QPushButton>(form, "splitButton"), Qt::LeftButton);
        clickOk(form);
    });
    // A refusal shows the form again with what was typed; the user cancels.
    QString reopenedWith;
    if (!refusal.isEmpty()) {
        MessageBox::setNextAnswer(QMessageBox::Ok);
        ModalDialog::setNextHandler([&](QDialog* form) { reopenedWith = child<QLineEdit>(form, "payeeEdit")->text(); });
    }

    const bool saved = TransactionActions::newTransaction(&m_ledger->state, QStringLiteral("checking"), nullptr, nullptr);
    QCOMPARE(saved, refusal.isEmpty());
    if (saved) {
        // The other leg goes in first.
        QCOMPARE(describeRows(*m_ledger), (QStringList{"savings Transfer from Checking 5000 checking",
                                                        "checking Transfer to Savings -5000 savings"}));
        return;
    }
    QCOMPARE(MessageBox::lastTitle() + QLatin1Char('|') + MessageBox::lastText(), QStringLiteral("Transfer|") + refusal);
    QCOMPARE(reopenedWith, payee);
    QVERIFY(describeRows(*m_ledger).isEmpty());
}

void TestTransactionActions::failedSaveReopensTheForm()
{
    QSqlQuery refuse(m_ledger->state.database->database());
    QVERIFY(refuse.exec(QStringLiteral("CREATE TRIGGER refuse_lines BEFORE INSERT ON split_lines "
                                       "BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    ModalDialog::setNextHandler([](QDialog* form) {
        typeOver(child<QLineEdit>(form, "payeeEdit"), QStringLiteral("Market"));
        typeOver(child<SmartAmountField>(form, "amountField"), QStringLiteral("20"));
        QTest::mouseClick(child<QPushButton>(form, "splitButton"), Qt::LeftButton);
        clickOk(form);
    });
    MessageBox::setNextAnswer(QMessageBox::Ok);
    ModalDialog::setNextHandler([](QDialog*) {});
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^SplitLineRepository::insert failed:")));
    QVERIFY(!TransactionActions::newTransaction(&m_ledger->state, QStringLiteral("checking"), nullptr, nullptr));
    // The lines could not be written, so the transaction was not stored either.
    QCOMPARE(MessageBox::lastTitle(), QStringLiteral("Transaction Not Saved"));
    QVERIFY(describeRows(*m_ledger).isEmpty());
}

void TestTransactionActions::deleteAsksFirst()
{
    RegisterLedger& ledger = *m_ledger;
    AppState* state = &ledger.state;
    QVERIFY(TransactionActions::setOpeningBalance(state, QStringLiteral("checking"), 10000, QDate(2024, 1, 1)));
    const Transaction opening = *state->transactionRepository->openingBalanceTransaction(QStringLiteral("checking"));
    MessageBox::setNextAnswer(QMessageBox::Ok);
    QVERIFY(!TransactionActions::deleteWithConfirmation(state, opening, nullptr));
    QCOMPARE(MessageBox::lastTitle(), QStringLiteral("Opening Balance"));

    const Transaction leg = ledger.addTransfer(QStringLiteral("checking"), QStringLiteral("savings"), -2550);
    MessageBox::setNextAnswer(QMessageBox::No);
    QVERIFY(!TransactionActions::deleteWithConfirmation(state, leg, nullptr));
    QCOMPARE(MessageBox::lastText(), QStringLiteral("Delete transfer \"Transfer to Savings\" for $25.50?\n\n"
                                                    "Both sides of the transfer will be deleted."));
    QCOMPARE(describeRows(ledger).size(), 3);
    MessageBox::setNextAnswer(QMessageBox::Yes);
    QVERIFY(TransactionActions::deleteWithConfirmation(state, leg, nullptr));
    QCOMPARE(describeRows(ledger), QStringList{"checking Opening Balance 10000 -"});
}

void TestTransactionActions::duplicateAndEditTransferLegs()
{
    RegisterLedger& ledger = *m_ledger;
    Transaction incoming = ledger.addTransfer(QStringLiteral("savings"), QStringLiteral("checking"), 7500);
    incoming.checkNumber = QStringLiteral("104");
    incoming.cleared = true;

    QString offered;
    ModalDialog::setNextHandler([&](QDialog* form) {
        offered = QStringList({child<QLineEdit>(form, "payeeEdit")->text(),
                               child<DateField>(form, "dateField")->parsedDate().toString(Qt::ISODate),
                               child<QLineEdit>(form, "checkNumberEdit")->text(),
                               child<QCheckBox>(form, "clearedCheck")->isChecked() ? "cleared" : "uncleared"})
                      .join(QLatin1Char('|'));
        clickOk(form);
    });
    QVERIFY(TransactionActions::duplicateTransaction(&ledger.state, incoming, nullptr));
    QCOMPARE(offered, QStringLiteral("[Transfer] Checking|2024-03-05||uncleared"));
    // A new pair, the copy's other leg written first.
    QCOMPARE(describeRows(ledger).mid(2), (QStringList{"checking Transfer from Savings -7500 savings",
                                                        "savings Transfer to Checking 7500 checking"}));

    // Editing one leg never touches the other, nor turns its direction.
    ModalDialog::setNextHandler([](QDialog* form) {
        for (const char* name : {"outflowRadio", "inflowRadio", "transferRadio", "transferTargetCombo"})
            QVERIFY(!child<QWidget>(form, name)->isEnabled());
        typeOver(child<SmartAmountField>(form, "amountField"), QStringLiteral("75.25"));
        clickOk(form);
    });
    const Transaction stored = ledger.load(incoming.id);
    QVERIFY(TransactionActions::editTransaction(&ledger.state, stored, nullptr));
    QCOMPARE(describeRows(ledger).mid(0, 2), (QStringList{"checking Transfer from Savings -7500 savings",
                                                           "savings Transfer to Checking 7525 checking"}));
    QCOMPARE(ledger.load(incoming.id).version, 2);
}

void TestTransactionActions::editSplits()
{
    RegisterLedger& ledger = *m_ledger;
    Transaction market = RegisterLedger::row(QStringLiteral("checking"), QStringLiteral("Market"), -3000);
    market.categoryId = QStringLiteral("food");
    QVERIFY(!ledger.add(market).id.isEmpty());

    ModalDialog::setNextHandler(splitTwentyToFood);
    QVERIFY(TransactionActions::editSplits(&ledger.state, market, nullptr));
    Transaction expected = market;
    expected.isSplit = true;
    expected.categoryId.clear();
    expected.version = 2;
    QCOMPARE(describe(ledger.load(market.id)), describe(expected));
    QStringList lines;
    for (const SplitLine& line : ledger.state.splitLineRepository->listByTransaction(market.id))
        lines.append(ledger.state.categoryRepository->categoryPath(line.categoryId) + QString::number(line.amount));
    lines.sort();
    // The line left without a category is filed under "Uncategorized".
    QCOMPARE(lines, (QStringList{"Food-2000", "Uncategorized-1000"}));
}

VELLUMRY_TEST_MAIN(TestTransactionActions)
#include "tst_transactionactions.moc"
