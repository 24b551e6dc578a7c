#include "RegisterLedger.h"
#include "TestMain.h"

#include "data/Database.h"
#include "data/PreferencesRepository.h"
#include "register/RegisterModel.h"
#include "register/RegisterScreen.h"
#include "register/RegisterTableView.h"
#include "register/TransactionActions.h"
#include "widgets/Appearance.h"
#include "widgets/DateField.h"

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTimer>

class TestRegisterScreen : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void keyboardWalksTheRow();
    void figuresFilterAndBanner();
    void layoutIsRemembered();
    void reloadKeepsThePlace();

private:
    void showScreen(const QString& accountId);
    QStringList figures() const;
    // Picks `text` in the header's column menu, as a right click would show it.
    void chooseColumnMenu(const QString& text);
    void pressTab(Qt::Key key, int expectedColumn);

    std::unique_ptr<RegisterLedger> m_ledger;
    std::unique_ptr<RegisterScreen> m_screen;
    RegisterTableView* m_table = nullptr;
    RegisterModel* m_model = nullptr;
};

void TestRegisterScreen::init()
{
    QSettings().clear();
    m_ledger = std::make_unique<RegisterLedger>();
    QVERIFY(m_ledger->ready);
}

void TestRegisterScreen::cleanup()
{
    m_screen.reset();
    m_ledger.reset();
    setCurrentFontScale(100);
}

void TestRegisterScreen::showScreen(const QString& accountId)
{
    m_screen = std::make_unique<RegisterScreen>(&m_ledger->state);
    m_table = child<RegisterTableView>(m_screen.get(), "registerTable");
    m_model = qobject_cast<RegisterModel*>(m_table->model());
    m_screen->resize(1400, 600);
    m_screen->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    m_screen->setAccount(accountId);
}

QStringList TestRegisterScreen::figures() const
{
    QStringList shown;
    for (const char* name : {"clearedLabel", "unclearedLabel", "balanceLabel"})
        shown.append(child<QLabel>(m_screen.get(), name)->text());
    return shown;
}

void TestRegisterScreen::chooseColumnMenu(const QString& text)
{
    QTimer::singleShot(0, m_screen.get(), [text] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        for (QAction* action : menu->actions()) {
            if (action->text() == text)
                action->trigger();
        }
        menu->close();
    });
    m_screen->showHeaderContextMenu(QPoint());
}

void TestRegisterScreen::pressTab(Qt::Key key, int expectedColumn)
{
    QTest::keyClick(QApplication::focusWidget(), key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
    QTRY_COMPARE(m_table->currentIndex().column(), expectedColumn);
}

void TestRegisterScreen::keyboardWalksTheRow()
{
    Transaction plain = m_ledger->add(RegisterLedger::row(QStringLiteral("checking"), QStringLiteral("Cafe"), -300));
    Transaction reconciled = RegisterLedger::row(QStringLiteral("checking"), QStringLiteral("Rent"), -9000);
    reconciled.date = QDate(2024, 3, 2);
    reconciled.cleared = reconciled.reconciled = true;
    m_ledger->add(reconciled);
    showScreen(QStringLiteral("checking"));

    // On the view, Tab steps right and opens the cell; in an editor it walks the fields.
    m_table->setFocus();
    pressTab(Qt::Key_Tab, RegisterModel::CheckNumberColumn);
    QVERIFY(m_table->isEditing());
    for (int column = RegisterModel::PayeeColumn; column <= RegisterModel::DepositColumn; ++column)
        pressTab(Qt::Key_Tab, column);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("5"));
    pressTab(Qt::Key_Backtab, RegisterModel::PaymentColumn);
    pressTab(Qt::Key_Tab, RegisterModel::DepositColumn);
    // Clr opens no editor; Tab, Right and End stay there and never save the row.
    pressTab(Qt::Key_Tab, RegisterModel::ClearedColumn);
    QTRY_VERIFY(!m_table->isEditing());
    for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Right, Qt::Key_End})
        QTest::keyClick(m_table, key);
    QCOMPARE(m_table->currentIndex(), m_model->index(m_model->entryRow(), RegisterModel::ClearedColumn));
    QCOMPARE(m_ledger->rows(QStringLiteral("checking")).size(), 2);

    // Space or C on Clr flips the mark in the ledger, never on a reconciled row.
    m_table->setCurrentIndex(m_model->index(0, RegisterModel::ClearedColumn));
    QTest::keyClick(m_table, Qt::Key_Space);
    QVERIFY(m_ledger->load(plain.id).cleared);
    QTest::keyClick(m_table, Qt::Key_C);
    QVERIFY(!m_ledger->load(plain.id).cleared);
    m_table->setCurrentIndex(m_model->index(1, RegisterModel::ClearedColumn));
    QTest::keyClick(m_table, Qt::Key_Space);
    QCOMPARE(describe(m_ledger->load(reconciled.id)), describe(reconciled));

    // Two-line rows: Tab goes from the payee line to the memo line, then on.
    m_ledger->state.preferencesRepository->setBool(QStringLiteral("registerTwoLine"), true);
    m_screen->reload();
    QVERIFY(m_table->isColumnHidden(RegisterModel::MemoColumn));
    m_table->setCurrentIndex(m_model->index(m_model->entryRow(), RegisterModel::PayeeColumn));
    m_table->edit(m_table->currentIndex());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("memoEdit"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("note"));
    pressTab(Qt::Key_Tab, RegisterModel::CategoryColumn);
    QCOMPARE(m_model->entryText(RegisterModel::MemoSlot), QStringLiteral("note"));

    // Switching accounts with an editor open shows the other account all the same.
    m_screen->setAccount(QStringLiteral("savings"));
    QCOMPARE(m_model->transactionCount(), 0);
}

void TestRegisterScreen::figuresFilterAndBanner()
{
    Transaction pay = RegisterLedger::row(QStringLiteral("checking"), QStringLiteral("Pay"), 100000);
    pay.cleared = true;
    Transaction fee = RegisterLedger::row(QStringLiteral("checking"), QStringLiteral("Fee"), -2000);
    fee.reconciled = true; // reconciled counts as cleared even without the mark
    for (const Transaction& t : {pay, fee, RegisterLedger::row(QStringLiteral("checking"), QStringLiteral("Cafe"), -500)})
        m_ledger->add(t);
    showScreen(QStringLiteral("checking"));
    const QStringList all{"$980.00", "-$5.00", "$975.00"};
    QCOMPARE(figures(), all);
    auto* button = child<QPushButton>(m_screen.get(), "filterButton");
    const auto filterState = [&] {
        return QStringList({m_ledger->state.preferencesRepository->get(QStringLiteral("registerFilter_checking"))
                                .value_or(QStringLiteral("(none)")),
                            button->text(), QString::number(button->font().bold()),
                            QString::number(m_model->transactionCount())});
    };

    ModalDialog::setNextHandler([](QDialog* dialog) {
        QTest::mouseClick(child<QRadioButton>(dialog, "unclearedRadio"), Qt::LeftButton);
        clickOk(dialog);
    });
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(filterState(), QStringList({"{\"cleared\":false}", "Fi&lter (1)", "1", "2"}));
    QCOMPARE(figures(), all);

    // A date range typed into the date fields; "Clear All" then drops every criterion.
    ModalDialog::setNextHandler([](QDialog* dialog) {
        QTest::keyClick(child<QCheckBox>(dialog, "dateRangeCheck"), Qt::Key_Space);
        typeOver(child<DateField>(dialog, "fromDateField"), QStringLiteral("3/2/2024"));
        clickOk(dialog);
    });
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(m_model->transactionCount(), 0);
    ModalDialog::setNextHandler([](QDialog* dialog) {
        QTest::mouseClick(child<QPushButton>(dialog, "clearAllButton"), Qt::LeftButton);
        clickOk(dialog);
    });
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(filterState(), QStringList({"(none)", "Fi&lter", "0", "3"}));

    // A debt reads positive, in the colour of a good balance. An opening
    // balance recorded as a credit is questioned in the banner.
    QVERIFY(TransactionActions::setOpeningBalance(&m_ledger->state, QStringLiteral("card"), 25000, QDate(2024, 1, 1)));
    m_ledger->add(RegisterLedger::row(QStringLiteral("card"), QStringLiteral("Store"), -145000));
    m_screen->setAccount(QStringLiteral("card"));
    QCOMPARE(figures(), QStringList({"-$250.00", "$1,450.00", "$1,200.00"}));
    QVERIFY(child<QLabel>(m_screen.get(), "balanceLabel")->styleSheet().contains(positiveAmountColor().name(),
                                                                                  Qt::CaseInsensitive));
    QVERIFY(child<QFrame>(m_screen.get(), "bannerFrame")->isVisible());
    QCOMPARE(child<QLabel>(m_screen.get(), "bannerLabel")->text().count(QStringLiteral("$250.00")), 2);

    QTest::mouseClick(child<QPushButton>(m_screen.get(), "creditButton"), Qt::LeftButton);
    QCOMPARE(QSettings().value(QStringLiteral("reversedOpeningDismissed")).toStringList(), QStringList{"card"});
    showScreen(QStringLiteral("card"));
    QVERIFY(!child<QFrame>(m_screen.get(), "bannerFrame")->isVisible());

    QSettings().remove(QStringLiteral("reversedOpeningDismissed"));
    m_screen->reload();
    QTest::mouseClick(child<QPushButton>(m_screen.get(), "oweButton"), Qt::LeftButton);
    QCOMPARE(m_ledger->state.transactionRepository->openingBalanceTransaction(QStringLiteral("card"))->amount, -25000);
}

void TestRegisterScreen::layoutIsRemembered()
{
    m_ledger->add(RegisterLedger::row(QStringLiteral("checking"), QStringLiteral("Cafe"), -300));
    m_ledger->state.preferencesRepository->setBool(QStringLiteral("registerNewestFirst"), true);
    showScreen(QStringLiteral("checking"));
    QCOMPARE(m_model->entryRow(), 0);

    QHeaderView* header = m_table->horizontalHeader();
    header->resizeSection(RegisterModel::CategoryColumn, 222);
    header->resizeSection(RegisterModel::PayeeColumn, 400);
    chooseColumnMenu(QStringLiteral("Category"));
    showScreen(QStringLiteral("checking"));
    QVERIFY(m_table->isColumnHidden(RegisterModel::CategoryColumn));
    QCOMPARE(m_table->horizontalHeader()->sectionSize(RegisterModel::PayeeColumn), 400);
    // Shown again, the column comes back at the width it had, not the nothing it was hidden at.
    chooseColumnMenu(QStringLiteral("Category"));
    QCOMPARE(m_table->horizontalHeader()->sectionSize(RegisterModel::CategoryColumn), 222);

    setCurrentFontScale(120);
    chooseColumnMenu(QStringLiteral("Reset register layout"));
    QCOMPARE(m_table->horizontalHeader()->sectionSize(RegisterModel::PayeeColumn), 300);
    QVERIFY(!m_table->isColumnHidden(RegisterModel::CategoryColumn));
}

void TestRegisterScreen::reloadKeepsThePlace()
{
    for (int day = 1; day <= 40; ++day) {
        Transaction t = RegisterLedger::row(QStringLiteral("checking"), QStringLiteral("Shop %1").arg(day), -day);
        t.date = QDate(2024, 2, 1).addDays(day);
        m_ledger->add(t);
    }
    showScreen(QStringLiteral("checking"));
    m_table->setCurrentIndex(m_model->index(25, RegisterModel::PayeeColumn));
    m_table->scrollTo(m_model->index(20, 0), QAbstractItemView::PositionAtTop);
    const auto place = [this] {
        return QStringList({m_table->currentIndex().data().toString(), m_table->indexAt(QPoint(0, 0)).data().toString()});
    };
    const QStringList before = place();

    // Writes of every kind in one turn make one reload, which keeps the cell and the top row.
    QSignalSpy resets(m_model, &QAbstractItemModel::modelReset);
    Transaction older = RegisterLedger::row(QStringLiteral("checking"), QStringLiteral("Older"), -1);
    older.date = QDate(2024, 1, 1);
    m_ledger->add(older);
    m_ledger->addCategory(QStringLiteral("rent"), QStringLiteral("Rent"));
    m_ledger->state.database->announceLedgerReset();
    QTRY_COMPARE(resets.count(), 1);
    QCoreApplication::processEvents();
    QCOMPARE(resets.count(), 1);
    QCOMPARE(m_table->currentIndex().row(), 26);
    QCOMPARE(place(), before);

    // The entry row stays current: typing must not land on a stored row.
    m_screen->setAccount(QStringLiteral("checking"));
    m_ledger->add(RegisterLedger::row(QStringLiteral("checking"), QStringLiteral("Later"), -1));
    QTRY_COMPARE(resets.count(), 3);
    QCOMPARE(m_table->currentIndex().row(), m_model->entryRow());

    m_screen->flashStatus(QStringLiteral("Fields cleared"), 10);
    QCOMPARE(child<QLabel>(m_screen.get(), "statusLabel")->text(), QStringLiteral("Fields cleared"));
    QTRY_COMPARE(child<QLabel>(m_screen.get(), "statusLabel")->text(), QString());
}

VELLUMRY_TEST_MAIN(TestRegisterScreen)
#include "tst_registerscreen.moc"
