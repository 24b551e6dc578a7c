#include "PaintedRows.h"
#include "ScreenTestSupport.h"
#include "TestMain.h"

#include "register/RegisterModel.h"
#include "screens/SearchScreen.h"
#include "widgets/MessageBox.h"
#include "widgets/ModalDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTimer>

class TestSearchScreen : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void filtersSearchAndTypingWaits();
    void amountsPaintInTheirAccountsCurrency_data();
    void amountsPaintInTheirAccountsCurrency();
    void rowActionsFollowTheRow();
    void longNamesLeaveItsSize();

private:
    QStringList listed() const { return modelRows(m_view->model()); }
    QPoint centreOf(const QString& payee) const;
    QStringList menuOf(const QString& payee, const QString& choice = QString())
    {
        return contextMenuAt(m_view, centreOf(payee), choice);
    }
    Transaction stored(const Transaction& t) const { return *m->state->transactionRepository->findById(t.id); }
    template <typename Widget = QWidget>
    Widget* w(const char* name) const { return child<Widget>(m_screen.get(), name); }

    std::unique_ptr<ScreenLedger> m;
    std::unique_ptr<SearchScreen> m_screen;
    QTableView* m_view = nullptr;
    Account m_account;
};

void TestSearchScreen::init()
{
    m_screen.reset();
    m.reset(); // the old ledger closes its connection before the new one opens
    m = std::make_unique<ScreenLedger>();
    QVERIFY(m->isReady());
    m_account = m->addAccount(QStringLiteral("Checking"));
    m_screen = std::make_unique<SearchScreen>(m->state.get());
    m_screen->show();
    m_view = w<QTableView>("resultsView");
}

// The main window opens the screen at 800 x 550; names of any length in the
// filters must not widen it, and the lists still offer them whole.
void TestSearchScreen::longNamesLeaveItsSize()
{
    const QString account = QStringLiteral("Joint Household Checking at Riverbend Credit Union");
    const QString category = QStringLiteral("Home Improvement and Garden Supplies for the Summer House");
    m->addAccount(account);
    m->addCategory(newId(), category);
    m_screen = std::make_unique<SearchScreen>(m->state.get());
    m_screen->populateFilterCombos();
    m_screen->resize(800, 550);
    m_screen->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    QStringList seen{QStringLiteral("%1x%2").arg(m_screen->width()).arg(m_screen->height())};
    for (const auto& [name, combo] : {std::pair(account, w<QComboBox>("accountCombo")),
                                      std::pair(category, w<QComboBox>("categoryCombo"))}) {
        combo->setCurrentIndex(combo->findText(name));
        combo->showPopup();
        const QAbstractItemView* list = combo->view();
        seen.append(list->isVisible() && list->width() > list->fontMetrics().horizontalAdvance(name) ? combo->currentText()
                                                                                                     : QString());
        combo->hidePopup();
    }
    QCOMPARE(seen, QStringList({"800x550", account, category}));
}

QPoint TestSearchScreen::centreOf(const QString& payee) const
{
    const QModelIndexList found = m_view->model()->match(m_view->model()->index(0, RegisterModel::PayeeColumn),
                                                         Qt::DisplayRole, payee, 1, Qt::MatchExactly);
    return m_view->visualRect(found.value(0)).center();
}

void TestSearchScreen::filtersSearchAndTypingWaits()
{
    const Account yen = m->addAccount(QStringLiteral("Yen"), Currency::JPY);
    for (int i = 0; i < 248; ++i)
        m->addTransaction(m_account.id, QStringLiteral("Shop %1").arg(i));
    m->addTransaction(m_account.id, QStringLiteral("Grocer"), -4250);
    m->addTransaction(yen.id, QStringLiteral("Grotto"), -1500, QDate(2024, 3, 2));
    m_screen->populateFilterCombos();
    QCOMPARE(listed().size(), 200);
    QApplication::processEvents(); // the reload the inserts asked for

    // Typing only restarts the pause; the one search runs when it ends.
    QSignalSpy searches(m_view->model(), &QAbstractItemModel::modelReset);
    auto* pause = child<QTimer>(m_screen.get(), "searchTimer");
    QTest::keyClicks(w("searchEdit"), QStringLiteral("gro"));
    QCOMPARE(QVariantList({searches.count(), pause->isActive(), pause->isSingleShot(), pause->interval()}),
             QVariantList({0, true, true, 300}));
    QTRY_COMPARE(searches.count(), 1);
    // Every account's amounts in its own currency, whole yen beside cents.
    QCOMPARE(listed(), QStringList({"3/1/2024||Grocer|||42.50|||0.00", "3/2/2024||Grotto|||1,500|||0"}));

    // Another filter searches at once.
    auto* accounts = w<QComboBox>("accountCombo");
    accounts->setCurrentIndex(accounts->findText(QStringLiteral("Yen")));
    QCOMPARE(QVariantList({searches.count(), listed()}),
             QVariantList({2, QStringList({"3/2/2024||Grotto|||1,500|||0"})}));

    // Dates count only while the range is on.
    w<QDateEdit>("dateFromEdit")->setDate(QDate(2024, 3, 3));
    QCOMPARE(QVariantList({w("dateFromEdit")->isEnabled(), w("dateToEdit")->isEnabled()}),
             QVariantList({false, false}));
    QTest::mouseClick(w("dateRangeCheck"), Qt::LeftButton);
    QCOMPARE(QVariantList({searches.count(), listed().size(), w("dateFromEdit")->isEnabled(),
                           w("dateToEdit")->isEnabled()}),
             QVariantList({3, 0, true, true}));
}

void TestSearchScreen::amountsPaintInTheirAccountsCurrency_data()
{
    QTest::addColumn<QList<qint64>>("amounts"); // one each in Checking (USD), Euro (EUR) and Yen (JPY)
    QTest::addColumn<QStringList>("painted");   // Date|Chk #|Payee|Category|Memo|Payment|Deposit|Clr
    QTest::newRow("payments") << QList<qint64>{-4250, -5, -1500}
                              << QStringList{"3/1/2024||Dollars|||42.50||", "3/2/2024||Euros|||0.05||",
                                             "3/3/2024||Yen|||1,500||"};
    QTest::newRow("deposits") << QList<qint64>{123456789, 100, 1234567}
                              << QStringList{"3/1/2024||Dollars||||1,234,567.89|", "3/2/2024||Euros||||1.00|",
                                             "3/3/2024||Yen||||1,234,567|"};
    QTest::newRow("nothing") << QList<qint64>{0, 0, 0}
                             << QStringList{"3/1/2024||Dollars||||0.00|", "3/2/2024||Euros||||0.00|",
                                            "3/3/2024||Yen||||0|"};
}

// One list of matches from accounts of three currencies, read as the view
// paints it: each amount in its own account's currency.
void TestSearchScreen::amountsPaintInTheirAccountsCurrency()
{
    QFETCH(QList<qint64>, amounts);
    const QString accounts[] = {m_account.id, m->addAccount(QStringLiteral("Euro"), Currency::EUR).id,
                                m->addAccount(QStringLiteral("Yen"), Currency::JPY).id};
    const QString payees[] = {QStringLiteral("Dollars"), QStringLiteral("Euros"), QStringLiteral("Yen")};
    for (int i = 0; i < 3; ++i)
        m->addTransaction(accounts[i], payees[i], amounts.at(i), QDate(2024, 3, 1 + i));
    m_screen->populateFilterCombos();
    QTEST(paintedRows(m_view), "painted");
}

void TestSearchScreen::rowActionsFollowTheRow()
{
    const QDate day(2024, 3, 1);
    Transaction split = m->addTransaction(m_account.id, QStringLiteral("Alpha"), -100, day, ScreenLedger::Cleared);
    split.isSplit = true;
    QVERIFY(m->state->transactionRepository->update(split));
    m->addTransaction(m_account.id, QStringLiteral("Beta"), -100, day, ScreenLedger::Reconciled);
    const Transaction open = m->addTransaction(m_account.id, QStringLiteral("Gamma"), 700);
    m_screen->populateFilterCombos();

    QCOMPARE(menuOf(QStringLiteral("Alpha")) + menuOf(QStringLiteral("Beta")),
             QStringList({"Show &Details...", "Edit &Splits...", "&Edit in Dialog...", "D&uplicate...",
                          "Mark &Uncleared", "&Delete...", "Show &Details...", "&Split Transaction...",
                          "&Edit in Dialog...", "D&uplicate...", "&Delete..."}));

    // A change stored after the search is kept: the action works on the stored row, not the one shown.
    QCOMPARE(m->state->transactionRepository->renamePayees({QStringLiteral("Gamma")}, QStringLiteral("Gamma Bros")), 1);
    menuOf(QStringLiteral("Gamma"), QStringLiteral("Mark &Cleared"));
    QCOMPARE(QVariantList({stored(open).cleared, stored(open).payee}), QVariantList({true, "Gamma Bros"}));
    QCOMPARE(listed().last(), QStringLiteral("3/1/2024||Gamma Bros||||7.00|C|0.00"));

    MessageBox::setNextAnswer(QMessageBox::No);
    menuOf(QStringLiteral("Alpha"), QStringLiteral("&Delete..."));
    QCOMPARE(listed().size(), 3);
    MessageBox::setNextAnswer(QMessageBox::Yes);
    menuOf(QStringLiteral("Alpha"), QStringLiteral("&Delete..."));
    QCOMPARE(QVariantList({listed().size(), stored(split).deletedAt.has_value()}), QVariantList({2, true}));

    QSignalSpy edits(m_screen.get(), &SearchScreen::editTransactionRequested);
    ModalDialog::setNextHandler([](QDialog* dialog) { dialog->reject(); });
    const QPoint gamma = centreOf(QStringLiteral("Gamma Bros"));
    QTest::mouseClick(m_view->viewport(), Qt::LeftButton, {}, gamma);
    QTest::mouseDClick(m_view->viewport(), Qt::LeftButton, {}, gamma);
    QCOMPARE(QVariantList({edits.value(0).value(0), ModalDialog::lastTitle()}),
             QVariantList({open.id, "Edit Transaction"}));

    // Details: a mark changed there shows at once, and Edit goes on to the form with the row as changed.
    ModalDialog::setNextHandler([](QDialog* details) {
        QTest::mouseClick(child<QPushButton>(details, "toggleClearedButton"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(details, "editButton"), Qt::LeftButton);
    });
    ModalDialog::setNextHandler([](QDialog* form) {
        QCOMPARE(child<QCheckBox>(form, "clearedCheck")->isChecked(), false);
        form->reject();
    });
    menuOf(QStringLiteral("Gamma Bros"), QStringLiteral("Show &Details..."));
    QCOMPARE(QVariantList({ModalDialog::lastTitle(), listed().last()}),
             QVariantList({"Edit Transaction", "3/1/2024||Gamma Bros||||7.00||0.00"}));
}

VELLUMRY_TEST_MAIN(TestSearchScreen)
#include "tst_searchscreen.moc"
