#include "LedgerFixture.h"
#include "TempDatabase.h"
#include "TestMain.h"

#include "data/SplitLineRepository.h"
#include "data/SqlTransaction.h"
#include "data/TransactionRepository.h"

#include <QRegularExpression>
#include <QSignalSpy>

using namespace LedgerFixture;

namespace {

SplitLine line(const QString& categoryId, qint64 amount, const QString& memo = QString())
{
    SplitLine l;
    l.id = newId();
    l.categoryId = categoryId;
    l.amount = amount;
    l.memo = memo;
    l.createdAt = fixedNow();
    l.updatedAt = fixedNow().addSecs(5);
    return l;
}

// The stored lines as "category:amount", sorted: no order is promised.
QStringList summary(const QList<SplitLine>& lines)
{
    QStringList parts;
    for (const SplitLine& l : lines)
        parts.append(QStringLiteral("%1:%2").arg(l.categoryId).arg(l.amount));
    parts.sort();
    return parts;
}

} // namespace

class TestSplitLineRepository : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void insertAndList();
    void insertNeedsTransactionAndCategory_data();
    void insertNeedsTransactionAndCategory();
    void deleteIsPerTransaction();
    void replaceWritesTheNewSet();
    void failedReplaceKeepsTheOldLines();
    void replaceNestsInAnOpenTransaction();

private:
    std::unique_ptr<TempDatabase> m_db;
    std::unique_ptr<SplitLineRepository> m_lines;
    Transaction m_split;
    Transaction m_other;
};

void TestSplitLineRepository::init()
{
    m_db = std::make_unique<TempDatabase>();
    QVERIFY(m_db->isReady());
    QVERIFY(addAccount(*m_db, QStringLiteral("acc")));
    QVERIFY(addCategory(*m_db, QStringLiteral("food"), QStringLiteral("Food")));
    QVERIFY(addCategory(*m_db, QStringLiteral("fuel"), QStringLiteral("Fuel")));
    QVERIFY(addCategory(*m_db, QStringLiteral("home"), QStringLiteral("Home")));
    TransactionRepository transactions(m_db->database());
    m_split = newTransaction(QStringLiteral("acc"), QDate(2024, 1, 2), QStringLiteral("Warehouse"), -6000);
    m_split.isSplit = true;
    m_other = newTransaction(QStringLiteral("acc"), QDate(2024, 1, 3), QStringLiteral("Other"), -100);
    QVERIFY(transactions.insert(m_split));
    QVERIFY(transactions.insert(m_other));
    m_lines = std::make_unique<SplitLineRepository>(m_db->database());
}

void TestSplitLineRepository::cleanup()
{
    m_lines.reset();
    m_db.reset();
}

void TestSplitLineRepository::insertAndList()
{
    SplitLine l = line(QStringLiteral("food"), -4000, QStringLiteral("week's shop"));
    l.transactionId = m_split.id;
    QVERIFY(m_lines->insert(l));
    SplitLine bare = line(QStringLiteral("fuel"), -2000);
    bare.transactionId = m_split.id;
    QVERIFY(m_lines->insert(bare));

    const QList<SplitLine> stored = m_lines->listByTransaction(m_split.id);
    QCOMPARE(stored.size(), 2);
    const SplitLine& first = stored.at(0).id == l.id ? stored.at(0) : stored.at(1);
    QCOMPARE(first.id, l.id);
    QCOMPARE(first.transactionId, m_split.id);
    QCOMPARE(first.categoryId, QStringLiteral("food"));
    QCOMPARE(first.amount, qint64(-4000));
    QCOMPARE(first.memo, QStringLiteral("week's shop"));
    QCOMPARE(first.createdAt, fixedNow());
    QCOMPARE(first.updatedAt, fixedNow().addSecs(5));
    // A memo never set is stored as text.
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT memo IS NULL FROM split_lines WHERE id = ?"), {bare.id}).toInt(), 0);

    QVERIFY(m_lines->listByTransaction(m_other.id).isEmpty());
    QVERIFY(m_lines->listByTransaction(QStringLiteral("nothing")).isEmpty());
}

void TestSplitLineRepository::insertNeedsTransactionAndCategory_data()
{
    QTest::addColumn<QString>("transactionId");
    QTest::addColumn<QString>("categoryId");
    QTest::addColumn<bool>("withTimes");

    QTest::newRow("empty category") << QStringLiteral("split") << QString() << true;
    QTest::newRow("unknown category") << QStringLiteral("split") << QStringLiteral("nope") << true;
    QTest::newRow("transaction not yet stored") << QStringLiteral("later") << QStringLiteral("food") << true;
    QTest::newRow("no times") << QStringLiteral("split") << QStringLiteral("food") << false;
}

void TestSplitLineRepository::insertNeedsTransactionAndCategory()
{
    QFETCH(QString, transactionId);
    QFETCH(QString, categoryId);
    QFETCH(bool, withTimes);
    SplitLine l = line(categoryId, -100);
    l.transactionId = transactionId == QLatin1String("split") ? m_split.id : transactionId;
    if (!withTimes)
        l.createdAt = QDateTime();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^SplitLineRepository::insert failed: .+")));
    QVERIFY(!m_lines->insert(l));
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM split_lines")).toInt(), 0);
}

void TestSplitLineRepository::deleteIsPerTransaction()
{
    QVERIFY(m_lines->replaceByTransaction(m_split.id, {line(QStringLiteral("food"), -1), line(QStringLiteral("fuel"), -2)}));
    QVERIFY(m_lines->replaceByTransaction(m_other.id, {line(QStringLiteral("home"), -3)}));

    QVERIFY(m_lines->deleteByTransaction(m_split.id));
    QVERIFY(m_lines->listByTransaction(m_split.id).isEmpty());
    QCOMPARE(summary(m_lines->listByTransaction(m_other.id)), QStringList{QStringLiteral("home:-3")});
    // Nothing to delete is not a failure.
    QVERIFY(m_lines->deleteByTransaction(m_split.id));
}

void TestSplitLineRepository::replaceWritesTheNewSet()
{
    QVERIFY(m_lines->replaceByTransaction(m_split.id, {line(QStringLiteral("food"), -5000)}));
    QVERIFY(m_lines->replaceByTransaction(m_split.id, {line(QStringLiteral("food"), -3000), line(QStringLiteral("fuel"), -2000),
                                                       line(QStringLiteral("home"), -1000)}));
    const QList<SplitLine> stored = m_lines->listByTransaction(m_split.id);
    QCOMPARE(summary(stored), QStringList({QStringLiteral("food:-3000"), QStringLiteral("fuel:-2000"),
                                           QStringLiteral("home:-1000")}));
    for (const SplitLine& l : stored)
        QCOMPARE(l.transactionId, m_split.id); // the lines take the transaction's id

    // An empty set removes every line.
    QVERIFY(m_lines->replaceByTransaction(m_split.id, {}));
    QVERIFY(m_lines->listByTransaction(m_split.id).isEmpty());
}

void TestSplitLineRepository::failedReplaceKeepsTheOldLines()
{
    QVERIFY(m_lines->replaceByTransaction(m_split.id, {line(QStringLiteral("food"), -4000), line(QStringLiteral("fuel"), -2000)}));

    // The second new line names no category: nothing of the new set may stay.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^SplitLineRepository::insert failed: .+")));
    QVERIFY(!m_lines->replaceByTransaction(m_split.id, {line(QStringLiteral("home"), -5000), line(QString(), -1000)}));
    QCOMPARE(summary(m_lines->listByTransaction(m_split.id)),
             QStringList({QStringLiteral("food:-4000"), QStringLiteral("fuel:-2000")}));

    // The connection is usable afterwards: no transaction was left open.
    QVERIFY(m_lines->replaceByTransaction(m_split.id, {line(QStringLiteral("home"), -6000)}));
    QCOMPARE(summary(m_lines->listByTransaction(m_split.id)), QStringList{QStringLiteral("home:-6000")});
    QVERIFY(m_db->sql().transaction());
    QVERIFY(m_db->sql().rollback());
}

void TestSplitLineRepository::replaceNestsInAnOpenTransaction()
{
    // An import writes inside its own transaction; a failed replacement must not
    // undo the import's other work, and a good one is undone with the import.
    {
        SqlTransaction import(m_db->sql());
        QVERIFY(import.isActive());
        QVERIFY(m_db->exec(QStringLiteral("UPDATE transactions SET memo = 'imported' WHERE id = ?"), {m_other.id}));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^SplitLineRepository::insert failed: .+")));
        QVERIFY(!m_lines->replaceByTransaction(m_split.id, {line(QStringLiteral("nope"), -1)}));
        QVERIFY(m_lines->replaceByTransaction(m_other.id, {line(QStringLiteral("food"), -100)}));
        QVERIFY(import.commit());
    }
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT memo FROM transactions WHERE id = ?"), {m_other.id}).toString(),
             QStringLiteral("imported"));
    QCOMPARE(summary(m_lines->listByTransaction(m_other.id)), QStringList{QStringLiteral("food:-100")});

    {
        SqlTransaction import(m_db->sql());
        QVERIFY(m_lines->replaceByTransaction(m_split.id, {line(QStringLiteral("fuel"), -6000)}));
        // Leaving without commit rolls the import back, lines included.
    }
    QVERIFY(m_lines->listByTransaction(m_split.id).isEmpty());
}

VELLUMRY_TEST_GUILESS_MAIN(TestSplitLineRepository)
#include "tst_splitlinerepository.moc"
