#include "LedgerFixture.h"
#include "TestMain.h"

#include "data/CategoryRepository.h"
#include "data/PayeeAutofill.h"
#include "data/TransactionRepository.h"

using namespace LedgerFixture;

class TestPayeeAutofill : public QObject
{
    Q_OBJECT

private slots:
    void newestRowOfThePayeeInTheAccount_data();
    void newestRowOfThePayeeInTheAccount();
};

void TestPayeeAutofill::newestRowOfThePayeeInTheAccount_data()
{
    QTest::addColumn<QString>("payee");
    QTest::addColumn<QString>("filled"); // amount|category id|category name|memo, or "none"

    QTest::newRow("the newest row wins") << "Cafe" << "-450|dining|Dining|latte";
    QTest::newRow("a deposit, no category") << "Employer" << "150000|||";
    // The name alone, without the parent's; a deleted category still names the payee's filing.
    QTest::newRow("a deleted category") << "Market" << "-2000|groceries|Groceries|";
    QTest::newRow("payees are matched exactly") << "cafe" << "none";
    QTest::newRow("another account's payee") << "Elsewhere" << "none";
    QTest::newRow("a deleted row") << "Gone" << "none";
}

void TestPayeeAutofill::newestRowOfThePayeeInTheAccount()
{
    QFETCH(QString, payee);
    QFETCH(QString, filled);
    RepositoryLedger<TransactionRepository> ledger;
    QVERIFY(ledger.ready);
    CategoryRepository categories(ledger.db.database());
    QVERIFY(addCategory(ledger.db, QStringLiteral("food"), QStringLiteral("Food")));
    QVERIFY(addCategory(ledger.db, QStringLiteral("dining"), QStringLiteral("Dining"), QStringLiteral("food")));
    QVERIFY(addCategory(ledger.db, QStringLiteral("groceries"), QStringLiteral("Groceries"), QStringLiteral("food")));
    QVERIFY(categories.softDelete(QStringLiteral("groceries")));

    const auto add = [&](const QString& account, int day, const QString& name, qint64 amount,
                         const QString& categoryId, const QString& memo) {
        Transaction t = newTransaction(account, QDate(2024, 2, day), name, amount);
        t.categoryId = categoryId;
        t.memo = memo;
        return ledger.repo.insert(t) ? t.id : QString();
    };
    const QString acc = QStringLiteral("acc");
    QVERIFY(!add(acc, 1, QStringLiteral("Cafe"), -300, QStringLiteral("food"), QStringLiteral("espresso")).isEmpty());
    QVERIFY(!add(acc, 9, QStringLiteral("Cafe"), -450, QStringLiteral("dining"), QStringLiteral("latte")).isEmpty());
    QVERIFY(!add(acc, 2, QStringLiteral("Employer"), 150000, QString(), QString()).isEmpty());
    QVERIFY(!add(acc, 3, QStringLiteral("Market"), -2000, QStringLiteral("groceries"), QString()).isEmpty());
    QVERIFY(!add(QStringLiteral("other"), 5, QStringLiteral("Elsewhere"), -100, QString(), QString()).isEmpty());
    QVERIFY(ledger.repo.softDelete(add(acc, 6, QStringLiteral("Gone"), -100, QString(), QString())));

    const std::optional<PayeeAutofill> fill = payeeAutofill(ledger.repo, categories, payee, acc);
    const QString read = fill ? QStringLiteral("%1|%2|%3|%4").arg(fill->amount).arg(fill->categoryId,
                                                                                      fill->categoryName, fill->memo)
                              : QStringLiteral("none");
    QCOMPARE(read, filled);
}

VELLUMRY_TEST_GUILESS_MAIN(TestPayeeAutofill)
#include "tst_payeeautofill.moc"
