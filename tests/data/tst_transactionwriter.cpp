#include "TestMain.h"
#include "TransactionLedger.h"

#include "data/Category.h"
#include "data/TransactionWriter.h"
#include "data/TransferService.h"

using namespace LedgerFixture;

Q_DECLARE_METATYPE(TransferResolution)

namespace {

const QDate kDate(2024, 3, 1);

SplitLine line(const QString& categoryId, qint64 amount, const QString& memo = QString())
{
    SplitLine split;
    split.id = newId();
    split.categoryId = categoryId;
    split.amount = amount;
    split.memo = memo;
    split.createdAt = fixedNow();
    split.updatedAt = fixedNow();
    return split;
}

QStringList describeLines(const QList<SplitLine>& lines, const CategoryRepository& categories)
{
    QStringList described;
    for (const SplitLine& split : lines)
        described.append(QStringLiteral("%1 %2 %3")
                             .arg(categories.findById(split.categoryId).value_or(Category()).name)
                             .arg(split.amount)
                             .arg(split.memo));
    described.sort();
    return described;
}

} // namespace

class TestTransactionWriter : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void resolvesTransferPayees_data();
    void resolvesTransferPayees();
    void storesBothLegsOfATransfer();
    void transferLegsAreAllOrNothing();
    void removesBothLegs();
    void splitLinesNeedACategory();
    void togglesTheClearedMark_data();
    void togglesTheClearedMark();

private:
    std::unique_ptr<TransactionLedger> m_ledger;
};

void TestTransactionWriter::init()
{
    m_ledger = std::make_unique<TransactionLedger>();
    QVERIFY(m_ledger->ready);
}

void TestTransactionWriter::cleanup()
{
    m_ledger.reset();
}

void TestTransactionWriter::resolvesTransferPayees_data()
{
    QTest::addColumn<QString>("payee");
    QTest::addColumn<bool>("split");
    QTest::addColumn<TransferResolution>("result");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("other");

    QTest::newRow("plain payee") << "Grocer" << false << TransferResolution::NotTransfer << "Grocer" << "";
    QTest::newRow("plain payee, split") << "Grocer" << true << TransferResolution::NotTransfer << "Grocer" << "";
    QTest::newRow("prefix without its blank")
        << "[Transfer]Savings" << false << TransferResolution::NotTransfer << "[Transfer]Savings" << "";
    QTest::newRow("same currency") << "[Transfer] Savings" << false << TransferResolution::Accepted
                                   << "Transfer to Savings" << "savings";
    // A transfer's other leg holds one amount: split lines are refused, and nothing is renamed.
    QTest::newRow("same currency, split")
        << "[Transfer] Savings" << true << TransferResolution::SplitRefused << "[Transfer] Savings" << "";
    QTest::newRow("names are case-sensitive")
        << "[Transfer] savings" << false << TransferResolution::AccountNotFound << "[Transfer] savings" << "";
    QTest::newRow("names are not trimmed")
        << "[Transfer] Savings " << false << TransferResolution::AccountNotFound << "[Transfer] Savings " << "";
    QTest::newRow("the account itself")
        << "[Transfer] Checking" << false << TransferResolution::AccountNotFound << "[Transfer] Checking" << "";
    QTest::newRow("a deleted account")
        << "[Transfer] Closed" << true << TransferResolution::AccountNotFound << "[Transfer] Closed" << "";
    QTest::newRow("another currency")
        << "[Transfer] Euro" << true << TransferResolution::CurrencyMismatch << "[Transfer] Euro" << "";
}

void TestTransactionWriter::resolvesTransferPayees()
{
    QFETCH(QString, payee);
    QFETCH(bool, split);
    QFETCH(TransferResolution, result);
    QFETCH(QString, text);
    QFETCH(QString, other);

    const TransferService transfers(&m_ledger->accounts);
    QString otherAccountId = QStringLiteral("stale");
    if (!split) {
        // Without split lines a new transaction passes the checks of any typed payee.
        QString resolved = payee;
        QString resolvedOther = QStringLiteral("stale");
        QCOMPARE(QVariantList({int(transfers.resolve(QStringLiteral("checking"), resolved, resolvedOther)), resolved,
                               resolvedOther}),
                 QVariantList({int(result), text, other}));
    }
    // The markers offered are those a transfer accepts: every other live account, by name.
    QCOMPARE(transfers.payeeMarkers(QStringLiteral("checking")),
             QStringList({"[Transfer] Euro", "[Transfer] Savings", "[Transfer] Visa"}));
    QCOMPARE(transfers.resolveNew(QStringLiteral("checking"), payee, split, otherAccountId), result);
    QCOMPARE(payee, text);
    QCOMPARE(otherAccountId, other);
}

void TestTransactionWriter::storesBothLegsOfATransfer()
{
    TransactionLedger& ledger = *m_ledger;
    const TransferService transfers(&ledger.accounts);
    TransactionWriter writer(ledger.db.database(), &ledger.transactions, &ledger.splitLines, &ledger.categories);

    Transaction typed = newTransaction(QStringLiteral("checking"), kDate, QStringLiteral("[Transfer] Savings"), -5000);
    typed.memo = QStringLiteral("rainy day");
    typed.cleared = true;
    const Transaction counterpart = transfers.buildCounterpart(typed, QStringLiteral("savings"));

    QSignalSpy changed(&ledger.transactions, &TransactionRepository::transactionsChanged);
    QVERIFY(writer.insertTransfer(counterpart, typed));
    // The other leg goes in first; listeners hear of each account once, afterwards.
    QCOMPARE(ledger.db.scalar(QStringLiteral("SELECT id FROM transactions ORDER BY rowid LIMIT 1")).toString(),
             counterpart.id);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.at(0).at(0).toString(), QStringLiteral("savings"));

    Transaction expectedTyped = typed;
    expectedTyped.payee = QStringLiteral("Transfer to Savings");
    expectedTyped.transferLinkId = counterpart.id;
    expectedTyped.transferDestAccountId = QStringLiteral("savings");
    QCOMPARE(describe(ledger.load(typed.id)), describe(expectedTyped));

    Transaction expectedOther = expectedTyped;
    expectedOther.id = counterpart.id;
    expectedOther.accountId = QStringLiteral("savings");
    expectedOther.payee = QStringLiteral("Transfer from Checking");
    expectedOther.amount = 5000;
    expectedOther.transferLinkId = typed.id;
    expectedOther.transferDestAccountId = QStringLiteral("checking");
    QCOMPARE(describe(ledger.load(counterpart.id)), describe(expectedOther));
}

void TestTransactionWriter::transferLegsAreAllOrNothing()
{
    TransactionLedger& ledger = *m_ledger;
    const TransferService transfers(&ledger.accounts);
    TransactionWriter writer(ledger.db.database(), &ledger.transactions, &ledger.splitLines, &ledger.categories);

    // The typed leg names a category that does not exist: its insert fails after
    // the other leg's succeeded.
    Transaction typed = newTransaction(QStringLiteral("checking"), kDate, QStringLiteral("x"), -5000);
    typed.categoryId = QStringLiteral("no-such-category");
    const Transaction counterpart = transfers.buildCounterpart(typed, QStringLiteral("savings"));
    QTest::ignoreMessage(QtWarningMsg, startsWith(QStringLiteral("TransactionRepository::insert failed:")));
    QVERIFY(!writer.insertTransfer(counterpart, typed));
    QCOMPARE(ledger.count(QStringLiteral("transactions")), 0);

    // Writing the same pair inside an open transaction (an import's) nests.
    typed.categoryId.clear();
    QVERIFY(ledger.db.sql().transaction());
    QVERIFY(writer.insertTransfer(counterpart, typed));
    QVERIFY(ledger.db.sql().commit());
    QCOMPARE(ledger.count(QStringLiteral("transactions")), 2);
}

void TestTransactionWriter::removesBothLegs()
{
    TransactionLedger& ledger = *m_ledger;
    const TransferService transfers(&ledger.accounts);
    TransactionWriter writer(ledger.db.database(), &ledger.transactions, &ledger.splitLines, &ledger.categories);
    Transaction typed = newTransaction(QStringLiteral("checking"), kDate, QString(), -5000);
    const Transaction counterpart = transfers.buildCounterpart(typed, QStringLiteral("savings"));
    QVERIFY(writer.insertTransfer(counterpart, typed));

    // The second soft delete fails: the first one is undone with it.
    QVERIFY(ledger.refuseWritesOf(typed.id));
    QTest::ignoreMessage(QtWarningMsg, startsWith(QStringLiteral("TransactionRepository::softDelete failed:")));
    QVERIFY(!writer.remove(typed));
    QVERIFY(!ledger.load(counterpart.id).deletedAt);
    QVERIFY(!ledger.load(typed.id).deletedAt);

    QVERIFY(ledger.db.exec(QStringLiteral("DROP TRIGGER refuse_update")));
    QVERIFY(writer.remove(typed));
    for (const QString& id : {typed.id, counterpart.id}) {
        const Transaction removed = ledger.load(id);
        QCOMPARE(removed.deletedAt, std::optional<QDateTime>(fixedNow()));
        QCOMPARE(removed.version, 2);
    }

    // A leg whose other leg is gone already is still deleted on its own.
    Transaction lonely = ledger.add(QStringLiteral("checking"), kDate, QStringLiteral("Half"), -100);
    lonely.transferLinkId = QStringLiteral("vanished");
    QVERIFY(writer.remove(lonely));
    QVERIFY(ledger.load(lonely.id).deletedAt);
}

void TestTransactionWriter::splitLinesNeedACategory()
{
    TransactionLedger& ledger = *m_ledger;
    TransactionWriter writer(ledger.db.database(), &ledger.transactions, &ledger.splitLines, &ledger.categories);
    Transaction split = newTransaction(QStringLiteral("checking"), kDate, QStringLiteral("Market"), -3000);
    split.isSplit = true;

    // Lines without a category go to one "Uncategorized" expense category, made once.
    QVERIFY(writer.insert(split, {line(QStringLiteral("food"), -2000, QStringLiteral("lunch")), line({}, -600),
                                  line({}, -400)}));
    QCOMPARE(describeLines(ledger.splitLines.listByTransaction(split.id), ledger.categories),
             (QStringList{"Food -2000 lunch", "Uncategorized -400 ", "Uncategorized -600 "}));
    const std::optional<Category> uncategorized = ledger.categories.findByName(QStringLiteral("Uncategorized"));
    QVERIFY(uncategorized);
    QCOMPARE(uncategorized->categoryType, CategoryType::Expense);
    QVERIFY(uncategorized->parentId.isEmpty());

    QVERIFY(writer.replaceSplitLines(split.id, {line({}, -3000)}));
    QCOMPARE(ledger.categories.countLive(), 2);

    // A line that cannot be stored fails the whole save: the edit and the old
    // lines stay as they were; a new transaction is not stored at all.
    Transaction edited = split;
    edited.payee = QStringLiteral("Edited");
    QTest::ignoreMessage(QtWarningMsg, startsWith(QStringLiteral("SplitLineRepository::insert failed:")));
    QVERIFY(!writer.update(edited, {line(QStringLiteral("no-such-category"), -3000)}));
    QCOMPARE(ledger.load(split.id).payee, QStringLiteral("Market"));
    QCOMPARE(ledger.splitLines.listByTransaction(split.id).size(), 1);

    Transaction another = newTransaction(QStringLiteral("checking"), kDate, QStringLiteral("Other"), -100);
    QTest::ignoreMessage(QtWarningMsg, startsWith(QStringLiteral("SplitLineRepository::insert failed:")));
    QVERIFY(!writer.insert(another, {line(QStringLiteral("no-such-category"), -100)}));
    QVERIFY(!ledger.transactions.findById(another.id));

    // An edit with no lines removes them.
    edited.isSplit = false;
    QVERIFY(writer.update(edited, {}));
    QCOMPARE(ledger.load(split.id).payee, QStringLiteral("Edited"));
    QVERIFY(ledger.splitLines.listByTransaction(split.id).isEmpty());
}

void TestTransactionWriter::togglesTheClearedMark_data()
{
    QTest::addColumn<bool>("cleared");
    QTest::addColumn<bool>("reconciled");
    QTest::addColumn<bool>("changed");

    QTest::newRow("uncleared") << false << false << true;
    QTest::newRow("cleared") << true << false << true;
    QTest::newRow("reconciled") << true << true << false;
}

void TestTransactionWriter::togglesTheClearedMark()
{
    QFETCH(bool, cleared);
    QFETCH(bool, reconciled);
    QFETCH(bool, changed);

    TransactionLedger& ledger = *m_ledger;
    TransactionWriter writer(ledger.db.database(), &ledger.transactions, &ledger.splitLines, &ledger.categories);
    Transaction stored = newTransaction(QStringLiteral("checking"), kDate, QStringLiteral("Grocer"), -100);
    stored.cleared = cleared;
    stored.reconciled = reconciled;
    stored.syncStatus = SyncStatus::Synced;
    stored.updatedAt = createdTime();
    QVERIFY(ledger.transactions.insert(stored));

    Clock::setFixedNow(fixedNow().addSecs(60));
    Transaction toggled = stored;
    QCOMPARE(writer.toggleCleared(toggled), changed);
    Transaction expected = stored;
    if (changed) {
        expected.cleared = !cleared;
        expected.version = 2;
        expected.syncStatus = SyncStatus::Pending;
        expected.updatedAt = fixedNow().addSecs(60);
    }
    QCOMPARE(describe(toggled), describe(expected));
    QCOMPARE(describe(ledger.load(stored.id)), describe(expected));
}

VELLUMRY_TEST_GUILESS_MAIN(TestTransactionWriter)
#include "tst_transactionwriter.moc"
