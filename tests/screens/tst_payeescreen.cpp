#include "ScreenLedger.h"
#include "TestMain.h"

#include "screens/PayeeScreen.h"
#include "widgets/MessageBox.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>

class TestPayeeScreen : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void renameRewritesLiveRows();
    void mergeAsksAndKeepsTheTarget();
    void followsChangesMadeElsewhere();

private:
    QStringList listed() const;
    void select(const QStringList& payees);
    void typeName(const QString& name);
    void click(const char* button);
    QString payeeOf(const Transaction& t) const;

    std::unique_ptr<ScreenLedger> m;
    std::unique_ptr<PayeeScreen> m_screen;
    Account m_account;
};

void TestPayeeScreen::init()
{
    m = std::make_unique<ScreenLedger>();
    QVERIFY(m->isReady());
    m_account = m->addAccount(QStringLiteral("Checking"));
    m_screen = std::make_unique<PayeeScreen>(m->state.get());
    m_screen->show();
}

void TestPayeeScreen::cleanup()
{
    m_screen.reset();
    m.reset();
    MessageBox::clearNextAnswer();
}

QStringList TestPayeeScreen::listed() const
{
    auto* list = m_screen->findChild<QListWidget*>(QStringLiteral("payeeList"));
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

void TestPayeeScreen::select(const QStringList& payees)
{
    auto* list = m_screen->findChild<QListWidget*>(QStringLiteral("payeeList"));
    list->clearSelection();
    for (const QString& payee : payees) {
        const QList<QListWidgetItem*> found = list->findItems(payee, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          list->visualItemRect(found.first()).center());
    }
}

void TestPayeeScreen::typeName(const QString& name)
{
    auto* edit = m_screen->findChild<QLineEdit*>(QStringLiteral("renameEdit"));
    edit->clear();
    QTest::keyClicks(edit, name);
}

void TestPayeeScreen::click(const char* button)
{
    QTest::mouseClick(m_screen->findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
}

QString TestPayeeScreen::payeeOf(const Transaction& t) const
{
    return m->state->transactionRepository->findById(t.id)->payee;
}

void TestPayeeScreen::renameRewritesLiveRows()
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
    select({QStringLiteral("Safeway")});
    typeName(QStringLiteral("  Grocer "));
    MessageBox::setNextAnswer(QMessageBox::Ok);
    click("renameButton");
    QCOMPARE(MessageBox::lastTitle(), QStringLiteral("Rename Complete"));
    QCOMPARE(MessageBox::lastText(), QStringLiteral("Renamed 2 transaction(s)."));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(listed(), QStringList({"Grocer", "safeway"}));
    for (const Transaction& t : {first, second}) {
        const Transaction stored = *m->state->transactionRepository->findById(t.id);
        QCOMPARE(QVariantList({stored.payee, stored.version, int(stored.syncStatus), stored.updatedAt}),
                 QVariantList({QStringLiteral("Grocer"), 2, int(SyncStatus::Pending), ScreenLedger::now()}));
    }
    const Transaction stillDeleted = *m->state->transactionRepository->findById(deleted.id);
    QCOMPARE(QVariantList({stillDeleted.payee, stillDeleted.version}), QVariantList({QStringLiteral("Safeway"), 2}));
    QCOMPARE(payeeOf(lower), QStringLiteral("safeway"));

    select({QStringLiteral("Grocer")});
    typeName(QStringLiteral("Grocer"));
    MessageBox::setNextAnswer(QMessageBox::Ok);
    click("renameButton");
    QCOMPARE(MessageBox::lastText(), QStringLiteral("Renamed 0 transaction(s)."));
    QCOMPARE(changed.count(), 2);

    // The opening-balance backfill finds its rows by this payee.
    select({QStringLiteral("safeway")});
    typeName(QStringLiteral("opening balance"));
    MessageBox::setNextAnswer(QMessageBox::Ok);
    click("renameButton");
    QCOMPARE(MessageBox::lastTitle(), QStringLiteral("Rename"));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(payeeOf(lower), QStringLiteral("safeway"));
}

void TestPayeeScreen::mergeAsksAndKeepsTheTarget()
{
    const Transaction kept = m->addTransaction(m_account.id, QStringLiteral("Acme"));
    const Transaction other = m->addTransaction(m_account.id, QStringLiteral("ACME Corp"));
    m_screen->loadPayees();
    QSignalSpy changed(m_screen.get(), &PayeeScreen::payeesChanged);

    select({QStringLiteral("Acme")});
    MessageBox::setNextAnswer(QMessageBox::Ok);
    click("mergeButton");
    QCOMPARE(MessageBox::lastText(), QStringLiteral("Select 2 or more payees to merge."));

    select({QStringLiteral("Acme"), QStringLiteral("ACME Corp")});
    MessageBox::setNextAnswer(QMessageBox::No);
    click("mergeButton");
    QCOMPARE(MessageBox::lastText(), QStringLiteral("Merge 2 payees into \"Acme\"?"));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(payeeOf(other), QStringLiteral("ACME Corp"));

    MessageBox::setNextAnswer(QMessageBox::Yes);
    MessageBox::setNextAnswer(QMessageBox::Ok);
    click("mergeButton");
    QCOMPARE(MessageBox::lastTitle(), QStringLiteral("Merge Complete"));
    QCOMPARE(MessageBox::lastText(), QStringLiteral("Merged 1 transaction(s)."));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(listed(), QStringList{"Acme"});
    QCOMPARE(payeeOf(other), QStringLiteral("Acme"));
    QCOMPARE(m->state->transactionRepository->findById(kept.id)->version, 1);
}

void TestPayeeScreen::followsChangesMadeElsewhere()
{
    m->addTransaction(m_account.id, QStringLiteral("Bakery"));
    m_screen->loadPayees();
    select({QStringLiteral("Bakery")});
    m->addTransaction(m_account.id, QStringLiteral("Cinema"));
    QTRY_COMPARE(listed(), QStringList({"Bakery", "Cinema"}));
    auto* list = m_screen->findChild<QListWidget*>(QStringLiteral("payeeList"));
    QCOMPARE(list->selectedItems().size(), 1);
    QCOMPARE(list->selectedItems().first()->text(), QStringLiteral("Bakery"));
}

VELLUMRY_TEST_MAIN(TestPayeeScreen)
#include "tst_payeescreen.moc"
