#include "TestMain.h"

#include "register/RegisterCommitNotice.h"

using Outcome = RegisterEntryCommit::Outcome;
Q_DECLARE_METATYPE(Outcome)

class TestRegisterCommitNotice : public QObject
{
    Q_OBJECT

private slots:
    void notices_data();
    void notices();
};

void TestRegisterCommitNotice::notices_data()
{
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QStringList>("notice"); // kind, title, text, milliseconds

    const auto row = [](const char* name, Outcome outcome, const char* kind, const QString& title, const QString& text,
                        int milliseconds) {
        QTest::newRow(name) << outcome << QStringList{kind, title, text, QString::number(milliseconds)};
    };
    row("saved", Outcome::Saved, "none", {}, {}, 0);
    row("unchanged", Outcome::Unchanged, "none", {}, {}, 0);
    row("opening balance row", Outcome::OpeningBalanceRow, "none", {}, {}, 0);
    row("payee", Outcome::PayeeRequired, "status", {}, "Payee is required", 3000);
    row("amount", Outcome::AmountRequired, "status", {}, "Enter a payment or deposit amount", 3000);
    row("amount not understood", Outcome::AmountNotUnderstood, "status", {}, "Amount not understood: 12x", 3000);
    row("amount too large", Outcome::AmountTooLarge, "status", {},
        "Amount too large: 12x. The largest amount is 99,999,999.99.", 5000);
    row("transfer account", Outcome::TransferAccountNotFound, "status", {}, "Transfer account not found", 3000);
    row("currency", Outcome::CurrencyMismatch, "error", {},
        "Transfers require both accounts to use the same currency", 0);
    row("not saved", Outcome::NotSaved, "status", {},
        "The transaction could not be saved. Please try again.\ndatabase or disk is full", 5000);
    row("row gone", Outcome::RowGone, "status", {}, "This transaction was deleted meanwhile, so nothing was saved.",
        5000);
    row("held on the account", Outcome::HeldOnAccount, "box", "Opening Balance",
        "This account's opening balance is held on the account itself.\n\nSet it in the account's settings.", 0);
}

void TestRegisterCommitNotice::notices()
{
    QFETCH(Outcome, outcome);
    QFETCH(QStringList, notice);

    const RegisterCommitNotice shown =
        RegisterCommitNotice::of(outcome, QStringLiteral("12x"), QStringLiteral("database or disk is full"));
    const char* const kinds[] = {"none", "status", "error", "box"};
    QCOMPARE(QStringList({QString::fromLatin1(kinds[static_cast<int>(shown.kind)]), shown.title, shown.text,
                          QString::number(shown.milliseconds)}),
             notice);
}

VELLUMRY_TEST_GUILESS_MAIN(TestRegisterCommitNotice)
#include "tst_registercommitnotice.moc"
