#include "LedgerFixture.h"
#include "TestMain.h"

#include "data/SqliteRows.h"
#include "data/TransactionRepository.h"

#include <QRegularExpression>
#include <QScopeGuard>

using namespace LedgerFixture;

namespace {

const QString kAccount = QStringLiteral("acc");
const QString kOther = QStringLiteral("other");
const QRegularExpression kInsertFailed(QStringLiteral("^TransactionRepository::insert failed: .+"));

QStringList accountsOf(const QSignalSpy& spy)
{
    QStringList accounts;
    for (const QList<QVariant>& arguments : spy)
        accounts.append(arguments.at(0).toString());
    return accounts;
}

// Every field set; seed 2 differs from seed 1 in each of them.
Transaction filled(int seed)
{
    const bool one = seed == 1;
    Transaction t = newTransaction(kAccount, QDate(2024, 2, 28).addDays(seed),
                                   QStringLiteral("Café Ünïcode %1").arg(seed), -123456 * seed);
    t.memo = QStringLiteral("memo %1").arg(seed);
    t.categoryId = one ? QStringLiteral("cat-food") : QString();
    t.checkNumber = QString::number(1040 + seed);
    t.cleared = one;
    t.reconciled = !one;
    t.transferLinkId = QStringLiteral("link-%1").arg(seed);
    t.transferDestAccountId = one ? kOther : QString();
    t.isSplit = one;
    t.recurringId = QStringLiteral("rec-%1").arg(seed);
    t.version = 6 + seed;
    t.syncStatus = one ? SyncStatus::Conflict : SyncStatus::Synced;
    t.serverId = QStringLiteral("srv-%1").arg(seed);
    t.updatedAt = fixedNow().addSecs(30 * seed);
    return t;
}

QString duplicateText(const QDate& date, qint64 amount, const QString& payee)
{
    return date.toString(Qt::ISODate) + u'|' + QString::number(amount) + u'|' + payee;
}

} // namespace

class TestTransactionRepository : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m.emplace();
        QVERIFY(m->ready && addCategory(m->db, QStringLiteral("cat-food"), QStringLiteral("Food")));
    }
    void cleanup() { m.reset(); }

    void writesRoundTrip();
    void insertFailuresLogAndEmitNothing_data();
    void insertFailuresLogAndEmitNothing();
    void insertAllIsAllOrNothing_data();
    void insertAllIsAllOrNothing();
    void lookupsFilterAndOrder();
    void mappingReadsLooseStoredForms();
    void syncOperations();
    void bulkWriteAnnouncesEachAccountOnceAtTheEnd();
    void renamePayeesRewritesLiveRowsAsNewer();

private:
    Transaction add(const QString& id, const QString& accountId);

    std::optional<RepositoryLedger<TransactionRepository>> m;
};

Transaction TestTransactionRepository::add(const QString& id, const QString& accountId)
{
    Transaction t = newTransaction(accountId, QDate(2024, 1, 2), id.toUpper(), 100);
    t.id = id;
    if (!m->repo.insert(t))
        qWarning("could not add %s", qPrintable(id));
    return t;
}

void TestTransactionRepository::writesRoundTrip()
{
    QSignalSpy changed(&m->repo, &TransactionRepository::transactionsChanged);
    const Transaction first = filled(1);
    QVERIFY(m->repo.insert(first));
    QCOMPARE(describe(*m->repo.findById(first.id)), describe(first));

    // Update writes what it is given, but never moves the row nor rewrites its creation.
    Transaction edited = filled(2);
    edited.id = first.id;
    edited.accountId = kOther;
    edited.createdAt = fixedNow().addDays(-9);
    QVERIFY(m->repo.update(edited));
    QCOMPARE(accountsOf(changed), QStringList({kAccount, kOther})); // the record's account, as given
    edited.accountId = kAccount;
    edited.createdAt = first.createdAt;
    QCOMPARE(describe(*m->repo.findById(first.id)), describe(edited));
    QCOMPARE(m->db.scalar(QStringLiteral("SELECT date || '|' || created_at || '|' || coalesce(category_id, 'NULL') || "
                                         "'|' || cleared || '|' || sync_status FROM transactions")).toString(),
             QStringLiteral("2024-03-01|2024-03-05T14:07:09Z|NULL|0|synced"));

    // A category that names no row is refused; the stored row stays as it was.
    Transaction broken = edited;
    broken.categoryId = QStringLiteral("no-such-category");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^TransactionRepository::update failed: .+")));
    QVERIFY(!m->repo.update(broken));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(describe(*m->repo.findById(first.id)), describe(edited));

    // Unset texts are stored as text: a payee never typed does not break NOT NULL.
    Transaction bare = newTransaction(kAccount, QDate(2024, 1, 9), QString(), 0);
    QVERIFY(m->repo.insert(bare));
    QCOMPARE(describe(*m->repo.findById(bare.id)), describe(bare));
}

void TestTransactionRepository::insertFailuresLogAndEmitNothing_data()
{
    QTest::addColumn<QString>("accountId");
    QTest::addColumn<QString>("categoryId");
    QTest::addColumn<bool>("withCreatedAt");
    QTest::addColumn<bool>("duplicateId");

    QTest::newRow("createdAt never set") << kAccount << QString() << false << false;
    QTest::newRow("account names no row") << QStringLiteral("nowhere") << QString() << true << false;
    QTest::newRow("category names no row") << kAccount << QStringLiteral("nothing") << true << false;
    QTest::newRow("duplicate id") << kAccount << QString() << true << true;
}

void TestTransactionRepository::insertFailuresLogAndEmitNothing()
{
    QFETCH(QString, accountId);
    QFETCH(QString, categoryId);
    QFETCH(bool, withCreatedAt);
    QFETCH(bool, duplicateId);

    Transaction t = newTransaction(accountId, QDate(2024, 1, 2), QStringLiteral("Payee"), 100);
    t.categoryId = categoryId;
    if (!withCreatedAt)
        t.createdAt = QDateTime();
    if (duplicateId)
        t.id = add(QStringLiteral("first"), kAccount).id;

    QSignalSpy changed(&m->repo, &TransactionRepository::transactionsChanged);
    QTest::ignoreMessage(QtWarningMsg, kInsertFailed);
    QVERIFY(!m->repo.insert(t));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(m->db.scalar(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE payee = 'Payee'")).toInt(), 0);
}

void TestTransactionRepository::insertAllIsAllOrNothing_data()
{
    QTest::addColumn<bool>("direct");
    QTest::newRow("bound straight on SQLite") << true;
    QTest::newRow("bound through QSqlQuery") << false;
}

void TestTransactionRepository::insertAllIsAllOrNothing()
{
    QFETCH(bool, direct);
    SqliteRows::setEnabled(direct);
    const auto enable = qScopeGuard([] { SqliteRows::setEnabled(true); });
    QSignalSpy changed(&m->repo, &TransactionRepository::transactionsChanged);
    // More rows than one statement takes, every field set; one refused row keeps them all out, unlogged.
    QList<Transaction> rows;
    for (int i = 0; i < 501; ++i) {
        rows.append(filled(1 + i % 2));
        rows.last().id = QStringLiteral("row-%1").arg(i);
    }
    rows.last().categoryId = QStringLiteral("no-such-category");
    QVERIFY(!m->repo.insertAll(rows));
    QCOMPARE(m->db.scalar(QStringLiteral("SELECT COUNT(*) FROM transactions")).toInt() + changed.count(), 0);

    rows.last().categoryId.clear();
    QVERIFY(m->repo.insertAll(rows));
    QCOMPARE(accountsOf(changed), QStringList{kAccount});
    for (const int i : {0, 1, 500})
        QCOMPARE(describe(*m->repo.findById(rows.at(i).id)), describe(rows.at(i)));
    QVERIFY(m->db.exec(QStringLiteral("INSERT INTO transactions_fts(transactions_fts) VALUES('integrity-check')")));
}

void TestTransactionRepository::lookupsFilterAndOrder()
{
    Transaction older = newTransaction(kAccount, QDate(2024, 1, 5), QStringLiteral("Grocer"), 1);
    Transaction sameDayEarly = newTransaction(kAccount, QDate(2024, 2, 1), QStringLiteral("Grocer"), 2);
    Transaction sameDayLate = newTransaction(kAccount, QDate(2024, 2, 1), QStringLiteral("C"), 3);
    sameDayLate.createdAt = fixedNow().addSecs(1);
    Transaction reconciled = newTransaction(kAccount, QDate(2023, 12, 1), QStringLiteral("D"), 4);
    reconciled.reconciled = true;
    Transaction deleted = newTransaction(kAccount, QDate(2024, 3, 1), QStringLiteral("Grocer"), 5);
    Transaction elsewhere = newTransaction(kOther, QDate(2024, 4, 1), QStringLiteral("Grocer"), 6);
    // Memos that begin with "[x]" on rows with and without a transfer link.
    older.memo = QStringLiteral("[x] waits");
    older.checkNumber = QStringLiteral("101");
    sameDayEarly.memo = QStringLiteral("[x]");
    sameDayLate.memo = QStringLiteral("[x] linked");
    sameDayLate.transferLinkId = QStringLiteral("partner");
    reconciled.memo = QStringLiteral("not [x] first");
    deleted.memo = elsewhere.memo = QStringLiteral("[x]");
    // Inserted out of order, so that table order cannot pass for the sort.
    for (const Transaction& t : {sameDayLate, older, deleted, sameDayEarly, reconciled, elsewhere})
        QVERIFY(m->repo.insert(t));
    QVERIFY(m->repo.softDelete(deleted.id));

    QCOMPARE(idsOf(m->repo.listByAccount(kAccount)),
             QStringList({sameDayLate.id, sameDayEarly.id, older.id, reconciled.id}));
    QCOMPARE(idsOf(m->repo.listUnreconciled(kAccount)), QStringList({older.id, sameDayEarly.id, sameDayLate.id}));
    QList<Transaction> unlinked;
    m->repo.forEachUnlinkedWithMemo(kAccount, QStringLiteral("[x]"),
                                    [&unlinked](const Transaction& row) { unlinked.append(row); });
    QCOMPARE(idsOf(unlinked), QStringList({sameDayEarly.id, older.id}));
    // The same live rows as far as an import compares them, through either reader.
    const auto enable = qScopeGuard([] { SqliteRows::setEnabled(true); });
    for (const bool direct : {true, false}) {
        SqliteRows::setEnabled(direct);
        QStringList keys;
        m->repo.forEachKey(kAccount, [&keys](const TransactionKey& key) {
            keys.append(duplicateText(key.date, key.amount, key.payee) + u'|' + key.checkNumber);
        });
        keys.sort();
        QCOMPARE(keys, QStringList({"2023-12-01|4|D|", "2024-01-05|1|Grocer|101", "2024-02-01|2|Grocer|",
                                    "2024-02-01|3|C|"}));
    }
    QVERIFY(!m->repo.findById(QStringLiteral("nothing")));

    // The latest live row of that exact payee in that account.
    QCOMPARE(m->repo.lastByPayee(QStringLiteral("Grocer"), kAccount)->id, sameDayEarly.id);
    QVERIFY(!m->repo.lastByPayee(QStringLiteral("grocer"), kAccount));
    QVERIFY(!m->repo.lastByPayee(QStringLiteral("Groc"), kAccount));

    QVERIFY(m->repo.markSynced(older.id, QStringLiteral("s1")));
    QStringList pending = idsOf(m->repo.listPending());
    pending.sort();
    QStringList expected{sameDayLate.id, sameDayEarly.id, reconciled.id, deleted.id, elsewhere.id};
    expected.sort();
    QCOMPARE(pending, expected);
}

void TestTransactionRepository::mappingReadsLooseStoredForms()
{
    // Rows written by older builds or other writers: NULL texts, an unknown
    // status, an empty deletion time and a timestamp with an offset.
    QVERIFY(m->db.exec(QStringLiteral(
        "INSERT INTO transactions (id, account_id, date, payee, memo, amount, check_number, cleared, version, "
        "sync_status, created_at, updated_at, deleted_at) VALUES ('loose', ?, '2024-01-02', 'P', NULL, 9, NULL, 5, "
        "3, 'weird', '2024-03-05T16:07:09.500+02:00', '2024-03-05T14:07:09Z', '')"),
                       {kAccount}));
    const std::optional<Transaction> t = m->repo.findById(QStringLiteral("loose"));
    QVERIFY(t);
    QVERIFY(t->memo.isEmpty());
    QVERIFY(t->cleared); // any non-zero flag is set
    QCOMPARE(t->syncStatus, SyncStatus::Pending);
    QCOMPARE(t->createdAt, fixedNow().addMSecs(500));
    QVERIFY(!t->deletedAt);
}

void TestTransactionRepository::syncOperations()
{
    add(QStringLiteral("a"), kAccount);
    add(QStringLiteral("b"), kOther);
    checkSyncOperations(m->repo, &TransactionRepository::transactionsChanged);

    // Each change names the row's account; a re-sync may touch any account.
    QSignalSpy changed(&m->repo, &TransactionRepository::transactionsChanged);
    QVERIFY(!m->repo.softDelete(QStringLiteral("does-not-exist")));
    // Deleted, a row is stamped and made pending; deleted again, stamped again.
    Transaction b = *m->repo.findById(QStringLiteral("b"));
    for (const int later : {1, 2}) {
        Clock::setFixedNow(fixedNow().addSecs(later));
        QVERIFY(m->repo.softDelete(QStringLiteral("b")));
        b.deletedAt = b.updatedAt = fixedNow().addSecs(later);
        b.syncStatus = SyncStatus::Pending;
        ++b.version;
        QCOMPARE(describe(*m->repo.findById(QStringLiteral("b"))), describe(b));
    }
    Clock::setFixedNow(fixedNow());
    QVERIFY(m->repo.listByAccount(kOther).isEmpty());
    QVERIFY(m->repo.markSynced(QStringLiteral("a"), QStringLiteral("srv-a")));
    QCOMPARE(m->repo.markAllPendingForResync(), 1);
    QVERIFY(m->repo.applyServerDeletion(QStringLiteral("a"), fixedNow().addDays(-1), kAccount));
    QCOMPARE(accountsOf(changed), QStringList({kOther, kOther, QString(), kAccount}));

    for (const char* id : {"x1", "x2", "early"})
        add(QLatin1String(id), kAccount);
    add(QStringLiteral("keep"), kOther);
    changed.clear();
    checkAccountCascade(m->db, "transactions", m->repo, &TransactionRepository::transactionsChanged);
    QCOMPARE(accountsOf(changed), QStringList({kAccount, kAccount}));
}

void TestTransactionRepository::bulkWriteAnnouncesEachAccountOnceAtTheEnd()
{
    QSignalSpy changed(&m->repo, &TransactionRepository::transactionsChanged);
    m->repo.beginBulkWrite();
    m->repo.beginBulkWrite(); // an inner unit of work nests
    const Transaction first = add(QStringLiteral("b1"), kOther);
    // A bulk write reuses one prepared insert: a row the table refuses must not
    // spoil the rows after it.
    Transaction clash = newTransaction(kOther, QDate(2024, 1, 3), QStringLiteral("Clash"), 2);
    clash.id = first.id;
    QTest::ignoreMessage(QtWarningMsg, kInsertFailed);
    QVERIFY(!m->repo.insert(clash));
    Transaction a = filled(1);
    QVERIFY(m->repo.insert(a));
    a.memo = QStringLiteral("edited");
    QVERIFY(m->repo.update(a));
    QCOMPARE(describe(*m->repo.findById(first.id)), describe(first));
    QCOMPARE(describe(*m->repo.findById(a.id)), describe(a));
    m->repo.endBulkWrite();
    QCOMPARE(m->repo.markAllPendingForResync(), 1);
    QCOMPARE(changed.count(), 0);

    m->repo.endBulkWrite();
    QCOMPARE(accountsOf(changed), QStringList({kOther, kAccount, QString()}));
    // Afterwards, and after an unbalanced end, every write announces itself again.
    m->repo.endBulkWrite();
    add(QStringLiteral("c"), kAccount);
    QCOMPARE(changed.count(), 4);
}

void TestTransactionRepository::renamePayeesRewritesLiveRowsAsNewer()
{
    const auto addPayee = [this](const QString& id, const QString& accountId, const QString& payee) {
        Transaction t = newTransaction(accountId, QDate(2024, 1, 2), payee, 100);
        t.id = id;
        t.version = 2;
        t.syncStatus = SyncStatus::Synced;
        QVERIFY(m->repo.insert(t));
    };
    addPayee(QStringLiteral("s1"), kAccount, QStringLiteral("Safeway"));
    addPayee(QStringLiteral("s2"), kOther, QStringLiteral("Safeway"));
    addPayee(QStringLiteral("gone"), kAccount, QStringLiteral("Safeway"));
    addPayee(QStringLiteral("lower"), kAccount, QStringLiteral("safeway"));
    addPayee(QStringLiteral("open"), kAccount, QStringLiteral("Opening Balance"));
    addPayee(QStringLiteral("bad"), kAccount, QStringLiteral("Bad"));
    QVERIFY(m->repo.softDelete(QStringLiteral("gone")));
    QStringList untouched{QStringLiteral("gone"), QStringLiteral("lower"), QStringLiteral("open"), QStringLiteral("bad")};
    QStringList before;
    for (const QString& id : untouched)
        before.append(describe(*m->repo.findById(id)));

    const QDateTime later = fixedNow().addSecs(3600);
    Clock::setFixedNow(later);
    QSignalSpy changed(&m->repo, &TransactionRepository::transactionsChanged);
    QCOMPARE(m->repo.renamePayees({QStringLiteral("Safeway")}, QStringLiteral("Grocer")), 2);
    QCOMPARE(accountsOf(changed), QStringList{QString()});
    for (const QString& id : {QStringLiteral("s1"), QStringLiteral("s2")}) {
        const Transaction t = *m->repo.findById(id);
        QCOMPARE(QVariantList({t.payee, t.version, int(t.syncStatus), t.updatedAt}),
                 QVariantList({QStringLiteral("Grocer"), 3, int(SyncStatus::Pending), later}));
    }
    QCOMPARE(m->db.scalar(QStringLiteral("SELECT updated_at FROM transactions WHERE id = 's1'")).toString(),
             QStringLiteral("2024-03-05T15:07:09Z"));

    // Nothing to do, opening balances on either side, or a failing statement
    // among several: nothing is written and nothing announced.
    QCOMPARE(m->repo.renamePayees({QStringLiteral("Grocer")}, QStringLiteral("Grocer")), 0);
    QCOMPARE(m->repo.renamePayees({QStringLiteral("Opening Balance")}, QStringLiteral("Grocer")), 0);
    QCOMPARE(m->repo.renamePayees({QStringLiteral("safeway")}, QStringLiteral(" anfangssaldo")), 0);
    QVERIFY(m->db.exec(QStringLiteral("CREATE TRIGGER refuse_bad BEFORE UPDATE ON transactions WHEN old.payee = 'Bad' "
                                      "BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^TransactionRepository::renamePayees failed: ")));
    QCOMPARE(m->repo.renamePayees({QStringLiteral("safeway"), QStringLiteral("Bad")}, QStringLiteral("Shop")), 0);
    QCOMPARE(changed.count(), 1);
    QStringList after;
    for (const QString& id : untouched)
        after.append(describe(*m->repo.findById(id)));
    QCOMPARE(after, before);
}

VELLUMRY_TEST_GUILESS_MAIN(TestTransactionRepository)
#include "tst_transactionrepository.moc"
