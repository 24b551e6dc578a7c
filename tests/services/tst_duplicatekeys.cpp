#include "../data/LedgerFixture.h"
#include "TestMain.h"

#include "data/TransactionRepository.h"
#include "services/DuplicateKeys.h"

using namespace LedgerFixture;

class TestDuplicateKeys : public QObject
{
    Q_OBJECT

private slots:
    void accountRowsHeldOnlyWhenAsked();
};

void TestDuplicateKeys::accountRowsHeldOnlyWhenAsked()
{
    TempDatabase db;
    QVERIFY(db.isReady() && addAccount(db, QStringLiteral("acc")) && addAccount(db, QStringLiteral("other")));
    TransactionRepository transactions(db.database());
    // Two steps' worth of rows that nothing asks about, and the rows the questions are about.
    QList<Transaction> rows;
    for (int i = 0; i < 2 * DuplicateKeys::kRowsPerStep; ++i)
        rows.append(newTransaction(QStringLiteral("acc"), QDate(2020, 1, 1).addDays(i),
                                   QStringLiteral("Payee %1").arg(i), i));
    const QDate rent(2025, 1, 5);
    for (const char* number : {"218", "219", "220"}) {
        rows.append(newTransaction(QStringLiteral("acc"), rent, QStringLiteral("Landlord"), -1000));
        rows.last().checkNumber = QLatin1String(number);
    }
    const QDate shopping(2025, 2, 1);
    rows.append(newTransaction(QStringLiteral("acc"), shopping, QStringLiteral("Shop"), 500));
    rows.append(newTransaction(QStringLiteral("other"), shopping, QStringLiteral("Elsewhere"), 1));
    QVERIFY(transactions.insertAll(rows));
    const Transaction deleted = newTransaction(QStringLiteral("acc"), shopping, QStringLiteral("Gone"), 2);
    QVERIFY(transactions.insert(deleted) && transactions.softDelete(deleted.id));

    struct Question
    {
        QDate date;
        qint64 amount;
        const char* payee;
        const char* number;
    };
    const QList<Question> questions{
        {shopping, 500, "Shop", ""},      {shopping, 500, "Shop", "7"},     {shopping, 500, "shop", ""},
        {rent, -1000, "Landlord", ""},    {rent, -1000, "Landlord", "219"}, {rent, -1000, "Landlord", "221"},
        {shopping, 1, "Elsewhere", ""},   {shopping, 2, "Gone", ""},        {QDate(2020, 1, 6), 5, "Payee 5", "9"},
    };
    ExpectedKeys expected;
    for (const Question& q : questions)
        expected.add(q.date, q.amount, QLatin1String(q.payee), QLatin1String(q.number));
    int steps = 0;
    const DuplicateKeys keys = DuplicateKeys::ofAccount(
        transactions, QStringLiteral("acc"), [&expected] { return expected; }, [&steps] { ++steps; });

    QList<bool> answers;
    for (const Question& q : questions)
        answers.append(keys.contains(duplicateKey(q.date, q.amount, QLatin1String(q.payee)), QLatin1String(q.number)));
    QCOMPARE(answers, (QList<bool>{true, true, false, true, true, false, false, false, true}));
    // Shop, Payee 5, and of Landlord's checks the first (the key is there) and the one asked for.
    QCOMPARE(keys.size(), 4);
    QCOMPARE(steps, 2);
}

VELLUMRY_TEST_GUILESS_MAIN(TestDuplicateKeys)
#include "tst_duplicatekeys.moc"
