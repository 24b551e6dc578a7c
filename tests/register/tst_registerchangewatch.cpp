#include "RegisterLedger.h"
#include "TestMain.h"

#include "data/Database.h"
#include "register/RegisterChangeWatch.h"

#include <QEventLoop>
#include <QTimer>

class TestRegisterChangeWatch : public QObject
{
    Q_OBJECT

private slots:
    void ownWritesAndOthers_data();
    void ownWritesAndOthers();
};

void TestRegisterChangeWatch::ownWritesAndOthers_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("stale");
    QTest::newRow("own write") << "own" << false;
    QTest::newRow("another account's rows") << "savings" << false;
    QTest::newRow("this account's rows") << "checking" << true;
    QTest::newRow("rows of any account") << "any" << true;
    // A dialog of the write runs its own event loop; what lands meanwhile is somebody else's.
    QTest::newRow("during a dialog of the write") << "nested" << true;
    QTest::newRow("categories") << "categories" << true;
    QTest::newRow("accounts") << "accounts" << true;
    QTest::newRow("restore") << "reset" << true;
}

void TestRegisterChangeWatch::ownWritesAndOthers()
{
    QFETCH(QString, change);
    QFETCH(bool, stale);
    RegisterLedger ledger;
    QVERIFY(ledger.ready);
    TransactionRepository* transactions = ledger.state.transactionRepository;
    QVERIFY(transactions->insert(RegisterLedger::row(QStringLiteral("checking"), QStringLiteral("Cafe"), -100)));
    int reloads = 0;
    RegisterChangeWatch watch(&ledger.state, [&reloads] { ++reloads; }, nullptr);
    watch.setAccount(QStringLiteral("checking"));
    QVERIFY(watch.isStale());
    watch.markShown();

    const auto add = [&](const QString& accountId) {
        return transactions->insert(RegisterLedger::row(accountId, QStringLiteral("Shop"), -100));
    };
    if (change == u"own") {
        QVERIFY(watch.ownWrite([&] { return add(QStringLiteral("checking")); }));
    } else if (change == u"nested") {
        QVERIFY(watch.ownWrite([&] {
            QEventLoop dialog;
            QTimer::singleShot(0, &dialog, [&] {
                add(QStringLiteral("checking"));
                dialog.quit();
            });
            dialog.exec();
            return add(QStringLiteral("checking"));
        }));
    } else if (change == u"any") {
        QCOMPARE(transactions->renamePayees({QStringLiteral("Cafe")}, QStringLiteral("Coffee")), 1);
    } else if (change == u"categories") {
        QVERIFY(ledger.addCategory(QStringLiteral("rent"), QStringLiteral("Rent")));
    } else if (change == u"accounts") {
        QVERIFY(ledger.addAccount(QStringLiteral("cash"), QStringLiteral("Cash")));
    } else if (change == u"reset") {
        ledger.state.database->announceLedgerReset();
    } else {
        QVERIFY(add(change));
    }
    QCOMPARE(watch.isStale(), stale);
    // A stale register reloads once, when control returns to the event loop.
    QTRY_COMPARE(reloads, stale ? 1 : 0);
    QCoreApplication::processEvents();
    QCOMPARE(reloads, stale ? 1 : 0);
}

VELLUMRY_TEST_MAIN(TestRegisterChangeWatch)
#include "tst_registerchangewatch.moc"
