#include "LedgerFixture.h"
#include "TestMain.h"

#include "data/SplitLineRepository.h"
#include "data/SqlTransaction.h"
#include "data/TransactionRepository.h"

#include <QRegularExpression>

using namespace LedgerFixture;

namespace {

SplitLine line(const QString& categoryId, qint64 amount, const QString& transactionId = QString())
{
    SplitLine l;
    l.id = newId();
    l.transactionId = transactionId;
    l.categoryId = categoryId;
    l.amount = amount;
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

const QRegularExpression kInsertFailed(QStringLiteral("^SplitLineRepository::insert failed: .+"));

} // namespace

class TestSplitLineRepository : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m.reset(); }

    void insertAndList();
    void insertNeedsTransactionAndCategory_data();
    void insertNeedsTransactionAndCategory();
    void replaceAndDeleteArePerTransaction();
    void failedReplaceKeepsTheOldLines();
    void replaceNestsInAnOpenTransaction();

private:
    std::optional<RepositoryLedger<SplitLineRepository>> m;
    Transaction m_split;
    Transaction m_other;
};

void TestSplitLineRepository::init()
{
    m.emplace();
    QVERIFY(m->ready);
    for (const char* category : {"food", "fuel", "home"})
        QVERIFY(addCategory(m->db, QLatin1String(category), QLatin1String(category)));
    TransactionRepository transactions(m->db.database());
    m_split = newTransaction(QStringLiteral("acc"), QDate(2024, 1, 2), QStringLiteral("Warehouse"), -6000);
    m_split.isSplit = true;
    m_other = newTransaction(QStringLiteral("acc"), QDate(2024, 1, 3), QStringLiteral("Other"), -100);
    QVERIFY(transactions.insert(m_split) && transactions.insert(m_other));
}

void TestSplitLineRepository::insertAndList()
{
    SplitLine l = line(QStringLiteral("food"), -4000, m_split.id);
    l.memo = QStringLiteral("week's shop");
    QVERIFY(m->repo.insert(l));
    const QList<SplitLine> stored = m->repo.listByTransaction(m_split.id);
    QCOMPARE(stored.size(), 1);
    const SplitLine& read = stored.at(0);
    QCOMPARE(QStringList({read.id, read.transactionId, read.categoryId, read.memo}),
             QStringList({l.id, m_split.id, "food", "week's shop"}));
    QCOMPARE(read.amount, qint64(-4000));
    QCOMPARE(read.createdAt, l.createdAt);
    QCOMPARE(read.updatedAt, l.updatedAt);

    // A memo never set is stored as text.
    QVERIFY(m->repo.insert(line(QStringLiteral("fuel"), -2000, m_split.id)));
    QCOMPARE(m->db.scalar(QStringLiteral("SELECT COUNT(*) FROM split_lines WHERE memo IS NULL")).toInt(), 0);
    QVERIFY(m->repo.listByTransaction(m_other.id).isEmpty());
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
    SplitLine l = line(categoryId, -100, transactionId == QLatin1String("split") ? m_split.id : transactionId);
    if (!withTimes)
        l.createdAt = QDateTime();
    QTest::ignoreMessage(QtWarningMsg, kInsertFailed);
    QVERIFY(!m->repo.insert(l));
    QCOMPARE(m->db.scalar(QStringLiteral("SELECT COUNT(*) FROM split_lines")).toInt(), 0);
}

void TestSplitLineRepository::replaceAndDeleteArePerTransaction()
{
    QVERIFY(m->repo.replaceByTransaction(m_split.id, {line(QStringLiteral("food"), -5000)}));
    QVERIFY(m->repo.replaceByTransaction(m_split.id, {line(QStringLiteral("food"), -3000), line(QStringLiteral("fuel"), -2000),
                                                       line(QStringLiteral("home"), -1000)}));
    QVERIFY(m->repo.replaceByTransaction(m_other.id, {line(QStringLiteral("home"), -3)}));
    const QList<SplitLine> stored = m->repo.listByTransaction(m_split.id);
    QCOMPARE(summary(stored), QStringList({"food:-3000", "fuel:-2000", "home:-1000"}));
    for (const SplitLine& l : stored)
        QCOMPARE(l.transactionId, m_split.id); // the lines take the transaction's id

    QVERIFY(m->repo.deleteByTransaction(m_split.id));
    QVERIFY(m->repo.listByTransaction(m_split.id).isEmpty());
    QCOMPARE(summary(m->repo.listByTransaction(m_other.id)), QStringList{QStringLiteral("home:-3")});
    QVERIFY(m->repo.deleteByTransaction(m_split.id)); // nothing to delete is not a failure
    // An empty set removes every line.
    QVERIFY(m->repo.replaceByTransaction(m_other.id, {}));
    QVERIFY(m->repo.listByTransaction(m_other.id).isEmpty());
}

void TestSplitLineRepository::failedReplaceKeepsTheOldLines()
{
    QVERIFY(m->repo.replaceByTransaction(m_split.id, {line(QStringLiteral("food"), -4000), line(QStringLiteral("fuel"), -2000)}));

    // The second new line names no category: nothing of the new set may stay.
    QTest::ignoreMessage(QtWarningMsg, kInsertFailed);
    QVERIFY(!m->repo.replaceByTransaction(m_split.id, {line(QStringLiteral("home"), -5000), line(QString(), -1000)}));
    QCOMPARE(summary(m->repo.listByTransaction(m_split.id)), QStringList({"food:-4000", "fuel:-2000"}));

    // The connection is usable afterwards: no transaction was left open.
    QVERIFY(m->repo.replaceByTransaction(m_split.id, {line(QStringLiteral("home"), -6000)}));
    QCOMPARE(summary(m->repo.listByTransaction(m_split.id)), QStringList{QStringLiteral("home:-6000")});
    QVERIFY(m->db.sql().transaction());
    QVERIFY(m->db.sql().rollback());
}

void TestSplitLineRepository::replaceNestsInAnOpenTransaction()
{
    // An import writes inside its own transaction; a failed replacement must not
    // undo the import's other work, and a good one is undone with the import.
    {
        SqlTransaction import(m->db.sql());
        QVERIFY(import.isActive());
        QVERIFY(m->db.exec(QStringLiteral("UPDATE transactions SET memo = 'imported' WHERE id = ?"), {m_other.id}));
        QTest::ignoreMessage(QtWarningMsg, kInsertFailed);
        QVERIFY(!m->repo.replaceByTransaction(m_split.id, {line(QStringLiteral("nope"), -1)}));
        QVERIFY(m->repo.replaceByTransaction(m_other.id, {line(QStringLiteral("food"), -100)}));
        QVERIFY(import.commit());
    }
    QCOMPARE(m->db.scalar(QStringLiteral("SELECT memo FROM transactions WHERE id = ?"), {m_other.id}).toString(),
             QStringLiteral("imported"));
    QCOMPARE(summary(m->repo.listByTransaction(m_other.id)), QStringList{QStringLiteral("food:-100")});

    {
        SqlTransaction import(m->db.sql());
        QVERIFY(m->repo.replaceByTransaction(m_split.id, {line(QStringLiteral("fuel"), -6000)}));
    }
    QVERIFY(m->repo.listByTransaction(m_split.id).isEmpty());
}

VELLUMRY_TEST_GUILESS_MAIN(TestSplitLineRepository)
#include "tst_splitlinerepository.moc"
