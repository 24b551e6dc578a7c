#include "ScreenTestSupport.h"
#include "TestMain.h"

#include "screens/PayeeScreen.h"
#include "widgets/MessageBox.h"

#include <QListWidget>
#include <QSignalSpy>

class TestPayeeScreen : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void renameRewritesLiveRowsOnly();
    void mergeAsksAndKeepsTheTarget();

private:
    QStringList listed() const;
    // Selects the payees with Ctrl+clicks, types the new name and presses the button.
    void act(const QStringList& payees, const QString& name, const char* button);
    Transaction stored(const Transaction& t) const { return *m->state->transactionRepository->findById(t.id); }

    std::unique_ptr<ScreenLedger> m;
    std::unique_ptr<PayeeScreen> m_screen;
    QListWidget* m_list = nullptr;
    Account m_account;
};

void TestPayeeScreen::init()
{
    m = std::make_unique<ScreenLedger>();
    QVERIFY(m->isReady());
    m_account = m->addAccount(QStringLiteral("Checking"));
    m_screen = std::make_unique<PayeeScreen>(m->state.get());
    m_screen->show();
    m_list = child<QListWidget>(m_screen.get(), "payeeList");
}

void TestPayeeScreen::cleanup()
{
    m_screen.reset();
    m.reset();
    MessageBox::clearNextAnswer();
}

QStringList TestPayeeScreen::listed() const
{
    QStringList texts;
    for (int i = 0; i < m_list->count(); ++i)
        texts.append(m_list->item(i)->text());
    return texts;
}

void TestPayeeScreen::act(const QStringList& payees, const QString& name, const char* button)
{
    m_list->clearSelection();
    for (const QString& payee : payees) {
        QListWidgetItem* item = m_list->findItems(payee, Qt::MatchExactly).value(0);
        QVERIFY(item);
        QTest::mouseClick(m_list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          m_list->visualItemRect(item).center());
    }
    retype(m_screen.get(), "renameEdit", name);
    QTest::mouseClick(child(m_screen.get(), button), Qt::LeftButton);
}

void TestPayeeScreen::renameRewritesLiveRowsOnly()
{
    const Account savings = m->addAccount(QStringLiteral("Savings"));
    const Transaction first = m->addTransaction(m_account.id, QStringLiteral("Safeway"));
    const Transaction second = m->addTransaction(savings.id, QStringLiteral("Safeway"));
    const Transaction deleted = m->addTransaction(m_account.id, QStringLiteral("Safeway"));
    const Transaction lower = m->addTransaction(m_account.id, QStringLiteral("safeway"));
    m->addTransaction(m_account.id, QStringLiteral("Opening Balance"), 5000);
    QVERIFY(m->state->transactionRepository->softDelete(deleted.id));
    m_screen->loadPayees();
    QCOMPARE(listed(), QStringList({"Safeway", "safeway"}));

    QSignalSpy changed(m_screen.get(), &PayeeScreen::payeesChanged);
    MessageBox::setNextAnswer(QMessageBox::Ok);
    act({QStringLiteral("Safeway")}, QStringLiteral("  Grocer "), "renameButton");
    QCOMPARE(MessageBox::lastTitle() + MessageBox::lastText(), QStringLiteral("Rename CompleteRenamed 2 transaction(s)."));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(listed(), QStringList({"Grocer", "safeway"}));
    for (const Transaction& t : {stored(first), stored(second)}) {
        QCOMPARE(QVariantList({t.payee, t.version, int(t.syncStatus), t.updatedAt}),
                 QVariantList({QStringLiteral("Grocer"), 2, int(SyncStatus::Pending), ScreenLedger::now()}));
    }
    QCOMPARE(stored(deleted).payee, QStringLiteral("Safeway"));

    MessageBox::setNextAnswer(QMessageBox::Ok);
    act({QStringLiteral("Grocer")}, QStringLiteral("Grocer"), "renameButton");
    QCOMPARE(MessageBox::lastText(), QStringLiteral("Renamed 0 transaction(s)."));
    QCOMPARE(changed.count(), 2);

    // The opening-balance backfill finds its rows by that payee: no other row may take it.
    MessageBox::setNextAnswer(QMessageBox::Ok);
    act({QStringLiteral("safeway")}, QStringLiteral("opening balance"), "renameButton");
    QCOMPARE(MessageBox::lastTitle(), QStringLiteral("Rename"));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(stored(lower).payee, QStringLiteral("safeway"));
}

void TestPayeeScreen::mergeAsksAndKeepsTheTarget()
{
    const Transaction kept = m->addTransaction(m_account.id, QStringLiteral("Acme"));
    const Transaction other = m->addTransaction(m_account.id, QStringLiteral("ACME Corp"));
    m_screen->loadPayees();
    QSignalSpy changed(m_screen.get(), &PayeeScreen::payeesChanged);

    MessageBox::setNextAnswer(QMessageBox::Ok);
    act({QStringLiteral("Acme")}, QString(), "mergeButton");
    QCOMPARE(MessageBox::lastText(), QStringLiteral("Select 2 or more payees to merge."));

    MessageBox::setNextAnswer(QMessageBox::No);
    act({QStringLiteral("Acme"), QStringLiteral("ACME Corp")}, QString(), "mergeButton");
    QCOMPARE(MessageBox::lastText(), QStringLiteral("Merge 2 payees into \"Acme\"?"));
    QCOMPARE(stored(other).payee, QStringLiteral("ACME Corp"));

    MessageBox::setNextAnswer(QMessageBox::Yes);
    MessageBox::setNextAnswer(QMessageBox::Ok);
    act({QStringLiteral("Acme"), QStringLiteral("ACME Corp")}, QString(), "mergeButton");
    QCOMPARE(MessageBox::lastText(), QStringLiteral("Merged 1 transaction(s)."));
    QCOMPARE(QVariantList({changed.count(), stored(other).payee, stored(kept).version}),
             QVariantList({1, QStringLiteral("Acme"), 1}));

    // A payee entered elsewhere shows without reopening the window.
    m->addTransaction(m_account.id, QStringLiteral("Cinema"));
    QTRY_COMPARE(listed(), QStringList({"Acme", "Cinema"}));
}

VELLUMRY_TEST_MAIN(TestPayeeScreen)
#include "tst_payeescreen.moc"
