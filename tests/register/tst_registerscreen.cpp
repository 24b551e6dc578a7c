#include "HeaderSectionLog.h"
#include "HeldSum.h"
#include "InputRefusal.h"
#include "PaintedRows.h"
#include "RegisterKeys.h"
#include "RegisterLedger.h"
#include "RegisterShown.h"
#include "TestMain.h"
#include "WindowPixels.h"

#include "data/Database.h"
#include "data/PreferencesRepository.h"
#include "data/RecurringRepository.h"
#include "data/SplitLineRepository.h"
#include "register/RegisterFigureValue.h"
#include "register/RegisterModel.h"
#include "register/RegisterRowHeader.h"
#include "register/RegisterScreen.h"
#include "register/RegisterTableStyle.h"
#include "register/RegisterTableView.h"
#include "register/TransactionActions.h"
#include "screens/RecurringFormDialog.h"
#include "widgets/Appearance.h"
#include "widgets/DateField.h"

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QStandardItemModel>
#include <QTimer>
#include <QTranslator>

#include <limits>

// No blinking text cursor while it lives: pixels compared stay put.
class NoCursorFlash
{
public:
    NoCursorFlash() { QApplication::setCursorFlashTime(0); }
    ~NoCursorFlash() { QApplication::setCursorFlashTime(m_time); }
    Q_DISABLE_COPY_MOVE(NoCursorFlash)

private:
    int m_time = QApplication::cursorFlashTime();
};

// Lets the queued layouts and repaints run, as a window system would ask for them.
static void settle()
{
    for (int turn = 0; turn < 5; ++turn)
        QCoreApplication::processEvents();
}

// Adds up what a widget is asked to paint.
class PaintSpy : public QObject
{
public:
    PaintSpy(QWidget* widget, QRegion* painted)
        : m_painted(painted)
    {
        widget->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            *m_painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }

private:
    QRegion* m_painted;
};

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
    void currentRowPushedBelowTheViewIsFollowed();
    void keyboardAlone_data();
    void keyboardAlone();
    void keysTypedAheadReachTheirFields_data();
    void keysTypedAheadReachTheirFields();
    void typedAmountsAndDates_data();
    void typedAmountsAndDates();
    void rowCommands();
    void deletedRowLeavesTheRegister();
    void openingBalanceIsChangedInTheAccount();
    void aRowMovedByItsOwnSaveKeepsItsTexts_data();
    void aRowMovedByItsOwnSaveKeepsItsTexts();
    void sortingKeepsTheRowBeingEdited();
    void aNewOrderKeepsTheCurrentCellInView_data();
    void aNewOrderKeepsTheCurrentCellInView();
    void columnsShownOrHiddenFollowTheScrollBar_data();
    void columnsShownOrHiddenFollowTheScrollBar();
    void aRowChangedTwiceElsewhereKeepsWhatWasTyped_data();
    void aRowChangedTwiceElsewhereKeepsWhatWasTyped();
    void aChangeHeldBackWhileTypingShowsWhenTheEditorCloses_data();
    void aChangeHeldBackWhileTypingShowsWhenTheEditorCloses();
    void twoLineMemoIsDrawnOnce();
    void amountsPaintInTheAccountsCurrency_data();
    void amountsPaintInTheAccountsCurrency();
    void ownWriteShowsTheAccountAsChanged_data();
    void ownWriteShowsTheAccountAsChanged();
    void ownChangesMatchAReload_data();
    void ownChangesMatchAReload();
    void rowsComingAndGoingRepaintFromThere_data();
    void rowsComingAndGoingRepaintFromThere();
    void aRowChangedInPlaceRepaintsItsOwnCells_data();
    void aRowChangedInPlaceRepaintsItsOwnCells();
    void writesAtTheEndKeepThePixelsAbove_data();
    void writesAtTheEndKeepThePixelsAbove();
    void aFrameThatShowsTheFocusFollowsIt();
    void aNewOrderRepaintsTheWholeView();
    void theHeaderRepaintsTheLabelsThatChange();
    void translationsFitTheirColumns_data();
    void translationsFitTheirColumns();

private:
    void showScreen(const QString& accountId);
    QStringList figures() const;
    QStringList screenState() const;
    // The context menu of the current cell: each entry with its shortcut, "-" for a separator.
    QStringList rowMenu();
    // Picks `text` in the header's column menu, as a right click would show it.
    void chooseColumnMenu(const QString& text);
    // Clicks a column's title, as a person sorts by it.
    void clickColumnTitle(int column);
    int columnTitled(const QString& title) const;
    // What the register shows, against a register of the same account built afresh on the same cell.
    void verifyShownAsAfresh();
    void pressTab(Qt::Key key, int expectedColumn);
    // `count` rows of "Payee i", paying i + 1 dollars, a row every `daysApart` days from 1 January 2024.
    void seedRows(int count, int daysApart);
    // What the register's viewport was asked to paint while `script` played, a question answered Yes.
    QRegion paintedWhile(const QString& script);
    // Each row in [from, to) repainted at most in a cell, where the current cell passed by.
    void verifyRowsKeptTheirPixels(const QRegion& painted, int from, int to) const;
    QStringList stored() const; // with split lines; "->savings": linked both ways to a Savings row
    QString status() const { return child<QLabel>(m_screen.get(), "statusLabel")->text(); }

    std::unique_ptr<RegisterLedger> m_ledger;
    std::unique_ptr<RegisterScreen> m_screen;
    RegisterTableView* m_table = nullptr;
    RegisterModel* m_model = nullptr;
};

void TestRegisterScreen::init()
{
    failOnStrayEditors();
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
    m_table->setFocus();
}

QStringList TestRegisterScreen::stored() const
{
    QStringList rows;
    const CategoryRepository* categories = m_ledger->state.categoryRepository;
    const auto name = [categories](const QString& id) { return categories->findById(id).value_or(Category()).name; };
    for (const Transaction& t : m_ledger->rows(QStringLiteral("savings")) + m_ledger->rows(QStringLiteral("checking"))) {
        const Transaction other = m_ledger->load(t.transferLinkId);
        const bool linked = other.transferLinkId == t.id && other.accountId == t.transferDestAccountId;
        rows.append(QStringLiteral("%1 %2 %3|%4|%5|%6|#%7 %8%9%10%11 v%12 %13")
                        .arg(t.accountId, t.date.toString(Qt::ISODate), t.payee, t.memo, QString::number(t.amount),
                             name(t.categoryId), t.checkNumber, t.cleared ? "C" : "-", t.reconciled ? "R" : "-")
                        .arg(linked ? " ->" + other.accountId : QString(), t.isSplit ? " split" : "")
                        .arg(t.version)
                        .arg(t.syncStatus == SyncStatus::Pending ? "pending" : "synced"));
        for (const SplitLine& line : m_ledger->state.splitLineRepository->listByTransaction(t.id))
            rows.append(QStringLiteral("  %1 %2").arg(name(line.categoryId)).arg(line.amount));
    }
    return rows;
}

QStringList TestRegisterScreen::figures() const
{
    QStringList shown;
    for (const char* name : {"clearedLabel", "unclearedLabel", "balanceLabel"})
        shown.append(child<RegisterFigureValue>(m_screen.get(), name)->text());
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

void TestRegisterScreen::clickColumnTitle(int column)
{
    QHeaderView* header = m_table->horizontalHeader();
    const QPoint centre(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                        header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, centre);
}

int TestRegisterScreen::columnTitled(const QString& title) const
{
    int column = 0;
    while (column < RegisterModel::ColumnCount && m_model->headerData(column, Qt::Horizontal).toString() != title)
        ++column;
    return column;
}

void TestRegisterScreen::verifyShownAsAfresh()
{
    QCOMPARE(shownBy(m_screen.get()), shownAfresh(&m_ledger->state, m_screen.get(), QStringLiteral("checking")));
}

void TestRegisterScreen::pressTab(Qt::Key key, int expectedColumn)
{
    QTest::keyClick(QApplication::focusWidget(), key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
    QTRY_COMPARE(m_table->currentIndex().column(), expectedColumn);
}

void TestRegisterScreen::seedRows(int count, int daysApart)
{
    QList<Transaction> seeded;
    for (int i = 0; i < count; ++i) {
        Transaction t = RegisterLedger::row(QStringLiteral("checking"), QStringLiteral("Payee %1").arg(i), -100 * (i + 1));
        t.date = QDate(2024, 1, 1).addDays(daysApart * i);
        seeded.append(t);
    }
    QVERIFY(m_ledger->state.transactionRepository->insertAll(seeded));
}

QRegion TestRegisterScreen::paintedWhile(const QString& script)
{
    QRegion painted;
    PaintSpy spy(m_table->viewport(), &painted);
    MessageBox::setNextAnswer(QMessageBox::Yes);
    play(m_table, script);
    MessageBox::clearNextAnswer();
    settle();
    return painted;
}

void TestRegisterScreen::verifyRowsKeptTheirPixels(const QRegion& painted, int from, int to) const
{
    for (int row = from; row < to; ++row) {
        const QRect line(0, m_table->rowViewportPosition(row), m_table->viewport()->width(), m_table->rowHeight(row));
        QVERIFY2(painted.intersected(line).boundingRect().width() <= m_table->columnWidth(RegisterModel::PayeeColumn),
                 qPrintable(QStringLiteral("row %1 repainted").arg(row)));
    }
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
    // Enter on a Balance cell takes the row up for editing and opens nothing there.
    m_table->setCurrentIndex(m_model->index(0, RegisterModel::BalanceColumn));
    QTest::keyClick(m_table, Qt::Key_Return);
    QCOMPARE(QList<int>({m_model->editRow(), int(m_table->isEditing())}), QList<int>({0, 0}));

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
    const int oneLineHeight = m_table->verticalHeader()->defaultSectionSize();
    m_ledger->state.preferencesRepository->setBool(QStringLiteral("registerTwoLine"), true);
    m_screen->reload();
    QVERIFY(m_table->isColumnHidden(RegisterModel::MemoColumn));
    // Taller rows are rows alike all the same: a delete still takes the short way.
    const auto* rows = qobject_cast<const RegisterRowHeader*>(m_table->verticalHeader());
    QVERIFY(rows && rows->rowsAreAlike() && rows->defaultSectionSize() > oneLineHeight);
    // The delegate draws the row panels itself where it draws a cell anew.
    QVERIFY(qobject_cast<const RegisterTableStyle*>(m_table->style()));
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

    // A date range typed into the date fields, one that reads as no date
    // refused first; "Clear All" then drops every criterion.
    ModalDialog::setNextHandler([](QDialog* dialog) {
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QTest::keyClick(child<QCheckBox>(dialog, "dateRangeCheck"), Qt::Key_Space);
        typeOver(child<DateField>(dialog, "fromDateField"), QStringLiteral("2/30/2024"));
        clickOk(dialog);
        QCOMPARE(refusalShown(dialog), expectedRefusal(QStringLiteral("Date not understood: 2/30/2024")));
        typeOverRefused(dialog, QStringLiteral("3/2/2024"));
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
    QCOMPARE(child<RegisterFigureValue>(m_screen.get(), "balanceLabel")->color(), positiveAmountColor());
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
    QCOMPARE(header->sectionSize(RegisterModel::PayeeColumn), 250);
    // The Balance column is a preference, which the window brings back to the register.
    chooseColumnMenu(QStringLiteral("Balance"));
    QCOMPARE(m_ledger->state.preferencesRepository->getBool(QStringLiteral("registerShowBalance"), true), false);
    m_screen->reload();
    QVERIFY(m_table->isColumnHidden(RegisterModel::BalanceColumn));
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

// Rows that come between the top row and the current one push it out of sight:
// the top row stays where it was as long as the current row can be seen with
// it, and here the view follows the current row until it is the last one shown.
void TestRegisterScreen::currentRowPushedBelowTheViewIsFollowed()
{
    seedRows(40, 1);
    showScreen(QStringLiteral("checking"));
    m_table->setCurrentIndex(m_model->index(12, RegisterModel::PayeeColumn));
    m_table->scrollTo(m_model->index(10, 0), QAbstractItemView::PositionAtTop);
    const QString current = m_model->transactionAt(12).id;
    QList<Transaction> between;
    for (int i = 0; i < 30; ++i) {
        Transaction t = RegisterLedger::row(QStringLiteral("checking"), QStringLiteral("Between %1").arg(i), -1);
        t.date = m_model->transactionAt(11).date;
        between.append(t);
    }
    QVERIFY(m_ledger->state.transactionRepository->insertAll(between));
    QSignalSpy resets(m_model, &QAbstractItemModel::modelReset);
    m_ledger->state.database->announceLedgerReset();
    QTRY_COMPARE(resets.count(), 1);

    const QModelIndex now = m_table->currentIndex();
    QCOMPARE(m_model->transactionAt(now.row()).id, current);
    QCOMPARE(now.column(), int(RegisterModel::PayeeColumn));
    const int bottom = m_table->visualRect(now).bottom();
    const int height = m_table->viewport()->height();
    QVERIFY2(bottom < height && bottom + m_table->rowHeight(now.row() + 1) >= height,
             qPrintable(QStringLiteral("the row ends at %1 of %2").arg(bottom).arg(height)));
}

void TestRegisterScreen::keyboardAlone_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("shown"); // the status text, else the date the next entry starts on
    // Enter walks the fields and saves past the last one, Tab walks them and takes a completion.
    QTest::newRow("plain") << "<Return>3/4/2024<Return>101<Return>Coffee<Return>Food<Tab>latte<Return>4.50<Return>"
                              "<Return><Space><Return>"
                           << QStringList{"checking 2024-03-04 Coffee|latte|-450|Food|#101 C- v1 pending"} << "3/4/2024";
    QTest::newRow("transfer") << "<Tab><Tab>[Transfer] Savings<Tab><Tab><Tab>100<Ctrl+Return>"
                              << QStringList{"savings 2024-03-05 Transfer from Checking||10000||# -- ->checking v1 pending",
                                             "checking 2024-03-05 Transfer to Savings||-10000||# -- ->savings v1 pending"}
                              << "3/5/2024";
    QTest::newRow("split") << "<Tab><Tab>Market<Tab><Tab><Tab>30<Ctrl+Return><Up><Menu>s"
                           << QStringList{"checking 2024-03-05 Market||-3000||# -- split v2 pending", "  Food -2000",
                                          "  Uncategorized -1000"}
                           << "3/5/2024";
    QTest::newRow("both amounts, bad date, apostrophe, category path")
        << "<Return>13/45/2024<Tab><Tab>Joe's Diner<Tab>Household > Food<Tab><Tab>12.50<Tab>3<Ctrl+Return>"
        << QStringList{"checking 2024-03-05 Joe's Diner||-1250|Food|# -- v1 pending"}
        << "Date not understood: 13/45/2024";
    // ' takes the row above's category id, not the one picked before, and its reconciled mark as cleared.
    QTest::newRow("copy from above")
        << "<Tab><Tab><Tab>Food<Tab><Escape><Left>'<Left>'<Right><Right><Right>'<Right><Right>'<Ctrl+Return>"
        << QStringList{"checking 2024-03-05 Rent||-90000||# C- v1 pending"} << "3/5/2024";
    QTest::newRow("fields cleared") << "<Tab><Tab>Draft<Ctrl+D><Tab><Tab>Shop<Tab><Tab><Tab>1<Ctrl+Return>"
                                    << QStringList{"checking 2024-03-05 Shop||-100||# -- v1 pending"} << "Fields cleared";
    // A refused row keeps what was typed, and the typing goes on in it.
    QTest::newRow("no payee") << "<Tab><Tab>  <Tab><Tab><Tab>5<Ctrl+Return><Left><Left><Left><Return>Shop<Ctrl+Return>"
                              << QStringList{"checking 2024-03-05 Shop||-500||# -- v1 pending"} << "Payee is required";
    QTest::newRow("no amount") << "<Tab><Tab>Shop<Ctrl+Return><Tab><Tab><Tab>5<Ctrl+Return>"
        << QStringList{"checking 2024-03-05 Shop||-500||# -- v1 pending"} << "Enter a payment or deposit amount";
    // Text that is no amount is refused, not saved as 0.00; Return opens the same cell again.
    QTest::newRow("letters") << "<Tab><Tab>Shop<Tab><Tab><Tab>abc<Ctrl+Return><Return>5<Ctrl+Return>"
                             << QStringList{"checking 2024-03-05 Shop||-500||# -- v1 pending"}
                             << "Amount not understood: abc";
    QTest::newRow("exponent") << "<Tab><Tab>Shop<Tab><Tab><Tab><Tab>1e308<Return><Return><Left><Return>7<Ctrl+Return>"
                              << QStringList{"checking 2024-03-05 Shop||700||# -- v1 pending"}
                              << "Amount not understood: 1e308";
    QTest::newRow("full-width digits") << "<Tab><Tab>Shop<Tab><Tab><Tab>\uFF19\uFF19<Ctrl+E><Return>9<Ctrl+Return>"
                                       << QStringList{"checking 2024-03-05 Shop||-900||# -- v1 pending"}
                                       << "Amount not understood: \uFF19\uFF19";
    // The other leg is written first and must go when the typed one fails.
    QTest::newRow("second leg fails") << "<Tab><Tab>[Transfer] Savings<Tab><Tab><Tab>5<Ctrl+Return>" << QStringList()
                                      << "The transaction could not be saved. Please try again.\nno";
}

void TestRegisterScreen::keyboardAlone()
{
    QFETCH(QString, keys);
    QFETCH(QStringList, rows);
    QFETCH(QString, shown);
    Transaction rent = RegisterLedger::row(QStringLiteral("checking"), QStringLiteral("Rent"), -90000);
    rent.cleared = rent.reconciled = true;
    m_ledger->add(rent);
    QVERIFY(QSqlQuery(m_ledger->state.database->database())
                .exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON transactions WHEN NEW.amount = -500 "
                                     "AND NEW.payee = 'Transfer to Savings' BEGIN SELECT RAISE(ABORT, 'no'); END")));
    ModalDialog::setNextHandler(splitTwentyToFood);
    showScreen(QStringLiteral("checking"));
    play(m_table, keys);
    QCOMPARE(stored(), rows << "checking 2024-03-01 Rent||-90000||# CR v1 pending");
    QCOMPARE(status().isEmpty() ? m_model->entryText(RegisterModel::DateSlot) : status(), shown);
}

void TestRegisterScreen::keysTypedAheadReachTheirFields_data()
{
    QTest::addColumn<bool>("twoLine");
    QTest::addColumn<QString>("keys");
    // The account's rows as stored, newest first: date, check number, payee|memo|category|amount.
    QTest::addColumn<QStringList>("rows");
    const auto row = [](const char* name, bool twoLine, const char* keys, const QStringList& rows) {
        QTest::newRow(name) << twoLine << QString::fromUtf8(keys) << rows;
    };
    const QString grocer = QStringLiteral("2024-03-01 # Grocer|weekly|Food|-2500");
    row("payment by Tab", false, "<Tab><Tab>Typed Ahead<Tab><Tab><Tab>12.34<Ctrl+Return>",
        {"2024-03-05 # Typed Ahead|||-1234", grocer});
    row("Shift+Tab back to the memo", false, "<Tab><Tab>Shop<Tab><Tab><Tab>5<Backtab>lunch<Ctrl+Return>",
        {"2024-03-05 # Shop|lunch||-500", grocer});
    row("Enter through the fields", false,
        "<Return>3/4/2024<Return>101<Return>Coffee<Return>Food<Tab>latte<Return>4.50<Return><Return><Return>",
        {"2024-03-04 #101 Coffee|latte|Food|-450", grocer});
    row("category typed after Tab", false, "<Tab><Tab>Shop<Tab>Food<Tab><Tab>7<Ctrl+Return>",
        {"2024-03-05 # Shop||Food|-700", grocer});
    // The payee's last row fills in the fields after it before they open.
    row("payee filled in, amount typed over", false, "<Tab><Tab>Grocer<Tab><Tab><Tab><Ctrl+A>9<Ctrl+Return>",
        {"2024-03-05 # Grocer|weekly|Food|-900", grocer});
    row("completion taken, payee filled in", false, "<Tab><Tab>roc<Down><Tab><Tab><Tab><Ctrl+A>3<Ctrl+Return>",
        {"2024-03-05 # Grocer|weekly|Food|-300", grocer});
    row("saved, then the next entry", false,
        "<Tab><Tab>First<Tab><Tab><Tab>1<Ctrl+Return><Return>3/6/2024<Tab><Tab>Second<Tab><Tab><Tab>2<Ctrl+Return>",
        {"2024-03-06 # Second|||-200", "2024-03-05 # First|||-100", grocer});
    row("stored row", false, "<Up><Tab><Tab><Ctrl+A>Market<Tab><Tab><Ctrl+A>monthly<Tab><Ctrl+A>40<Ctrl+Return>",
        {"2024-03-01 # Market|monthly|Food|-4000"});
    row("two-line: payee, then memo", true, "<Tab><Tab>Cafe<Tab>flat white<Tab>Food<Tab>3.20<Ctrl+Return>",
        {"2024-03-05 # Cafe|flat white|Food|-320", grocer});
    row("two-line: back to the memo line", true, "<Tab><Tab>Cafe<Tab><Tab><Tab>3<Backtab><Backtab>to go<Ctrl+Return>",
        {"2024-03-05 # Cafe|to go||-300", grocer});
}

// Keys typed ahead of a busy window arrive with nothing run between them; each
// still reaches the field it was typed for, and the row saves as typed slowly.
void TestRegisterScreen::keysTypedAheadReachTheirFields()
{
    QFETCH(bool, twoLine);
    QFETCH(QString, keys);
    QFETCH(QStringList, rows);
    QStringList saved;
    for (const KeyPace pace : {KeyPace::OneByOne, KeyPace::Burst}) {
        m_screen.reset();
        m_ledger.reset();
        m_ledger = std::make_unique<RegisterLedger>();
        QVERIFY(m_ledger->ready);
        Transaction stored = RegisterLedger::row(QStringLiteral("checking"), QStringLiteral("Grocer"), -2500);
        stored.memo = QStringLiteral("weekly");
        stored.categoryId = QStringLiteral("food");
        m_ledger->add(stored);
        m_ledger->state.preferencesRepository->setBool(QStringLiteral("registerTwoLine"), twoLine);
        showScreen(QStringLiteral("checking"));
        play(m_table, keys, pace);
        QStringList shown;
        for (const Transaction& t : m_ledger->rows(QStringLiteral("checking"))) {
            const std::optional<Category> category = m_ledger->state.categoryRepository->findById(t.categoryId);
            shown.append(QStringLiteral("%1 #%2 %3|%4|%5|%6")
                             .arg(t.date.toString(Qt::ISODate), t.checkNumber, t.payee, t.memo,
                                  category ? category->name : QString())
                             .arg(t.amount));
        }
        saved.append(shown.join(u'\n'));
    }
    const QString expected = rows.join(u'\n');
    QCOMPARE(saved, QStringList({expected, expected}));
}

void TestRegisterScreen::typedAmountsAndDates_data()
{
    QTest::addColumn<bool>("autoDecimal");
    QTest::addColumn<QString>("account"); // "checking" (USD) or "yen" (JPY)
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("rows"); // the account's rows as stored: date, amount
    QTest::addColumn<QString>("shown");    // the status line
    QTest::addColumn<QString>("kept");     // the payee the entry row still holds

    const QString payment = QStringLiteral("<Tab><Tab>Shop<Tab><Tab><Tab>");
    const QString deposit = payment + QStringLiteral("<Tab>");
    const auto row = [](const char* name, bool autoDecimal, const char* account, const QString& keys,
                        const QStringList& rows, const QString& shown = QString(), const QString& kept = QString()) {
        QTest::newRow(name) << autoDecimal << QString::fromLatin1(account) << keys << rows << shown << kept;
    };
    const QString saved = QStringLiteral("2024-03-05 %1");
    row("grouped", false, "checking", payment + "1,234.56<Ctrl+Return>", {saved.arg(-123456)});
    row("misplaced comma", false, "checking", payment + "12,34<Ctrl+Return>", {}, "Amount not understood: 12,34",
        "Shop");
    row("comma after the point", false, "checking", deposit + "1,234.5,6<Ctrl+Return>", {},
        "Amount not understood: 1,234.5,6", "Shop");
    // The forms' limit: 99,999,999.99, or 99,999,999 yen; past it the register says so and names it.
    row("largest deposit", false, "checking", deposit + "99,999,999.99<Ctrl+Return>", {saved.arg(9999999999)});
    row("largest payment", false, "checking", payment + "99999999.99<Ctrl+Return>", {saved.arg(-9999999999)});
    row("past the largest", false, "checking", deposit + "100,000,000.00<Ctrl+Return>", {},
        "Amount too large: 100,000,000.00. The largest amount is 99,999,999.99.", "Shop");
    row("exact past 2^53 cents", false, "checking", payment + "90071992547409.93<Ctrl+Return>", {},
        "Amount too large: 90071992547409.93. The largest amount is 99,999,999.99.", "Shop");
    row("past the ledger's integer", false, "checking", payment + "92233720368547758.08<Ctrl+Return>", {},
        "Amount not understood: 92233720368547758.08", "Shop");
    row("auto: largest", true, "checking", deposit + "9999999999<Ctrl+Return>", {saved.arg(9999999999)});
    row("auto: past the largest", true, "checking", payment + "10000000000<Ctrl+Return>", {},
        "Amount too large: 10000000000. The largest amount is 99,999,999.99.", "Shop");
    row("yen largest", false, "yen", deposit + "99,999,999<Ctrl+Return>", {saved.arg(99999999)});
    row("yen past the largest", false, "yen", payment + "100,000,000<Ctrl+Return>", {},
        "Amount too large: 100,000,000. The largest amount is 99,999,999.", "Shop");
    row("auto: yen largest", true, "yen", payment + "99999999<Ctrl+Return>", {saved.arg(-99999999)});
    row("auto: yen past the largest", true, "yen", deposit + "100000000<Ctrl+Return>", {},
        "Amount too large: 100000000. The largest amount is 99,999,999.", "Shop");
    row("auto: digits are cents", true, "checking", payment + "1234<Ctrl+Return>", {saved.arg(-1234)});
    row("auto: grouped", true, "checking", deposit + "1,234<Ctrl+Return>", {saved.arg(1234)});
    row("auto: misplaced comma", true, "checking", payment + "12,34<Ctrl+Return>", {}, "Amount not understood: 12,34",
        "Shop");
    row("auto: exact past 2^53", true, "checking", payment + "9007199254740993<Ctrl+Return>", {},
        "Amount too large: 9007199254740993. The largest amount is 99,999,999.99.", "Shop");
    row("yen grouped", false, "yen", payment + "1,500<Ctrl+Return>", {saved.arg(-1500)});
    row("yen: misplaced comma", false, "yen", payment + "1,50<Ctrl+Return>", {}, "Amount not understood: 1,50",
        "Shop");
    row("auto: yen grouped", true, "yen", payment + "1,234<Ctrl+Return>", {saved.arg(-1234)});
    // The date cell goes back to the date it had, and says so; Ctrl+Return saves nothing on it.
    row("date left by Tab", false, "checking", "<Return>2/30/2024<Tab><Tab>Shop<Tab><Tab><Tab>5<Ctrl+Return>",
        {saved.arg(-500)}, "Date not understood: 2/30/2024");
    const QString backToTheDate = payment + "5" + QStringLiteral("<Backtab>").repeated(5);
    row("date, then Ctrl+Return", false, "checking", backToTheDate + "0/0/0<Ctrl+Return>", {},
        "Date not understood: 0/0/0", "Shop");
    row("saved on the date shown after", false, "checking", backToTheDate + "13/45/99999<Ctrl+Return><Ctrl+Return>",
        {saved.arg(-500)}, "Date not understood: 13/45/99999");
}

void TestRegisterScreen::typedAmountsAndDates()
{
    QFETCH(bool, autoDecimal);
    QFETCH(QString, account);
    QFETCH(QString, keys);
    QVERIFY(m_ledger->addAccount(QStringLiteral("yen"), QStringLiteral("Yen"), Currency::JPY));
    setAmountAutoDecimal(autoDecimal);
    const auto manual = qScopeGuard([] { setAmountAutoDecimal(false); });
    showScreen(account);
    play(m_table, keys);
    QStringList rows;
    for (const Transaction& t : m_ledger->rows(account))
        rows.append(QStringLiteral("%1 %2").arg(t.date.toString(Qt::ISODate)).arg(t.amount));
    QTEST(rows, "rows");
    QTEST(status(), "shown");
    QTEST(m_model->entryText(RegisterModel::PayeeSlot), "kept");
}

void TestRegisterScreen::rowCommands()
{
    Transaction gym = RegisterLedger::row(QStringLiteral("checking"), QStringLiteral("Gym"), -2500);
    gym.date = QDate(2000, 1, 1); // the first day a memorized transaction may start on
    m_ledger->add(gym);
    Transaction rent = RegisterLedger::row(QStringLiteral("checking"), QStringLiteral("Rent"), -90000);
    rent.date = QDate(2024, 3, 2);
    rent.cleared = rent.reconciled = rent.isSplit = true;
    m_ledger->add(rent);
    showScreen(QStringLiteral("checking"));
    QCOMPARE(rowMenu(), QStringList({"&Insert New Ctrl+I", "&New Transaction...", "&Edit in Dialog... Ctrl+E"}));
    play(m_table, QStringLiteral("<Up>"));
    QCOMPARE(rowMenu(), QStringList({"&Insert New Ctrl+I", "&New Transaction...", "-", "Show &Details... Alt+Return",
                                     "Edit &Splits...", "&Edit in Dialog... Ctrl+E", "D&uplicate...",
                                     "Mark &Uncleared", "&Delete Ctrl+D"}));
    play(m_table, QStringLiteral("<Down>"));
    // What the main window hands in: the recurring form in its memorize mode.
    m_screen->setMemorizeForm([this](const RecurringTransaction& seed, QWidget* parent) {
        std::unique_ptr<RecurringFormDialog> form(RecurringFormDialog::createFromSeed(&m_ledger->state, seed, parent));
        return ModalDialog::exec(form.get()) == QDialog::Accepted ? std::optional(form->recurring()) : std::nullopt;
    });
    play(m_table, QStringLiteral("<Return>12/31/1999<Tab><Tab>Old<Tab><Tab><Tab>1<Ctrl+Return><Up><Up><Up><Ctrl+M>"));
    QCOMPARE(status(), QStringLiteral("Cannot memorize: source transaction has an invalid date"));
    ModalDialog::setNextHandler(clickOk);
    play(m_table, QStringLiteral("<Down><Ctrl+M>"));
    const RecurringTransaction memorized = m_ledger->state.recurringRepository->listAll().value(0);
    QCOMPARE(QVariantList({status(), memorized.accountId, memorized.payee, memorized.amount, memorized.startDate}),
             QVariantList({"Transaction memorized as recurring", "checking", "Gym", -2500, QDate(2000, 1, 1)}));

    // Details, then Edit: the form opens on the row as the details left it.
    ModalDialog::setNextHandler([](QDialog* details) {
        QTest::mouseClick(child<QPushButton>(details, "toggleClearedButton"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(details, "editButton"), Qt::LeftButton);
    });
    ModalDialog::setNextHandler(clickOk);
    play(m_table, QStringLiteral("<Alt+Return>"));
    // A row gone when the details close is left alone: no form opens for it.
    ModalDialog::setNextHandler([this](QDialog* details) {
        m_ledger->state.transactionRepository->softDelete(m_model->transactionAt(0).id);
        QTest::mouseClick(child<QPushButton>(details, "editButton"), Qt::LeftButton);
    });
    play(m_table, QStringLiteral("<Up><Alt+Return>"));

    // ' leaves a split's amount alone, so Ctrl+Return has nothing to write; the
    // menu's "Mark &Uncleared" clears even a reconciled row.
    play(m_table, QStringLiteral("<Down><Right><Right><Right><Right><Right>'<Ctrl+Return><Up><Menu>uu<Return>"));
    QCOMPARE(stored(), QStringList({"checking 2024-03-02 Rent||-90000||# -R split v2 pending",
                                    "checking 2000-01-01 Gym||-2500||# C- v3 pending"}));

    m_ledger->state.preferencesRepository->set(QStringLiteral("registerFilter_checking"), "{\"cleared\":true}");
    m_screen->setAccount(QStringLiteral("checking"));
    play(m_table, QStringLiteral("<Tab><Tab>Hidden<Tab><Tab><Tab>1<Ctrl+Return>"));
    QCOMPARE(status(), QStringLiteral("Saved. It isn't listed because of the current filter."));
}

// Payee and Balance of every row shown, the figures, whether an editor is open, the status line.
QStringList TestRegisterScreen::screenState() const
{
    QStringList shown;
    for (int row = 0; row < m_model->transactionCount(); ++row)
        shown.append(m_model->index(row, RegisterModel::PayeeColumn).data().toString() + QLatin1Char(' ')
                     + m_model->index(row, RegisterModel::BalanceColumn).data().toString());
    return shown << figures().last() << (m_table->isEditing() ? "editing" : "no editor") << status();
}

QStringList TestRegisterScreen::rowMenu()
{
    QStringList entries;
    QTimer::singleShot(0, m_screen.get(), [&entries] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        for (const QAction* action : menu->actions()) {
            const QString keys = action->shortcut().toString();
            entries.append(action->isSeparator() ? QStringLiteral("-")
                                                 : action->text() + (keys.isEmpty() ? QString() : u' ' + keys));
        }
        menu->close();
    });
    m_screen->onContextMenu(m_table->visualRect(m_table->currentIndex()).center());
    return entries;
}

void TestRegisterScreen::deletedRowLeavesTheRegister()
{
    showScreen(QStringLiteral("checking"));
    play(m_table, QStringLiteral("<Tab><Tab>Salary<Tab><Tab><Tab><Tab>3500<Ctrl+Return>"
                                 "<Tab><Tab>Rent<Tab><Tab><Tab>120<Ctrl+Return>"
                                 "<Tab><Tab>Shop<Tab><Tab><Tab>80<Ctrl+Return>"
                                 "<Up><Right><Right><Right><Right><Right><Return>50<Ctrl+Return>"));
    const QStringList kept{"checking 2024-03-05 Salary||350000||# -- v1 pending",
                           "checking 2024-03-05 Shop||-5000||# -- v2 pending"};
    QCOMPARE(stored(), QStringList({kept.first(), "checking 2024-03-05 Rent||-12000||# -- v1 pending", kept.last()}));
    const QString rentId = m_ledger->rows(QStringLiteral("checking")).at(1).id;

    // The payee editor of Rent is open when Ctrl+D reaches the screen through it.
    const QRect payee = m_table->visualRect(m_model->index(1, RegisterModel::PayeeColumn));
    QTest::mouseClick(m_table->viewport(), Qt::LeftButton, {}, payee.center());
    QVERIFY(m_table->isEditing());
    MessageBox::setNextAnswer(QMessageBox::Yes);
    play(m_table, QStringLiteral("<Ctrl+D>"));
    QCOMPARE(MessageBox::lastText(), QStringLiteral("Delete \"Rent\" for $120.00?"));
    QCOMPARE(stored(), kept);
    QCOMPARE(m_ledger->load(rentId).version, 2);
    QCOMPARE(screenState(), QStringList({"Salary 3,500.00", "Shop 3,450.00", "$3,450.00", "no editor", ""}));

    // Saving at once writes neither the deleted row nor the row that took its place.
    play(m_table, QStringLiteral("<Ctrl+Return><Ctrl+Return>"));
    QCOMPARE(stored(), kept);
    QCOMPARE(m_ledger->load(rentId).version, 2);
    QVERIFY(m_ledger->load(rentId).deletedAt);

    // A row deleted elsewhere (a sync) while it is edited is not written back.
    QTest::mouseClick(m_table->viewport(), Qt::LeftButton, {}, payee.center());
    play(m_table, QStringLiteral("Market"));
    const Transaction shop = m_ledger->rows(QStringLiteral("checking")).at(1);
    QVERIFY(m_ledger->state.transactionRepository->softDelete(shop.id));
    play(m_table, QStringLiteral("<Ctrl+Return>"));
    QCOMPARE(stored(), QStringList({kept.first()}));
    QCOMPARE(describe(m_ledger->load(shop.id)), describe([&] {
                 Transaction deleted = shop;
                 deleted.version = 3;
                 return deleted;
             }()));
    QCOMPARE(screenState(), QStringList({"Salary 3,500.00", "$3,500.00", "no editor",
                                         "This transaction was deleted meanwhile, so nothing was saved."}));

    // The details opened from an open cell: looked at, the typing goes on; changed, the register shows it.
    const QRect salary = m_table->visualRect(m_model->index(0, RegisterModel::PayeeColumn));
    QTest::mouseClick(m_table->viewport(), Qt::LeftButton, {}, salary.center());
    play(m_table, QStringLiteral("Pool"));
    ModalDialog::setNextHandler([](QDialog* details) {
        QTest::mouseClick(child<QPushButton>(details, "closeButton"), Qt::LeftButton);
    });
    play(m_table, QStringLiteral("<Alt+Return><Ctrl+Return>"));
    QCOMPARE(stored(), QStringList({"checking 2024-03-05 Pool||350000||# -- v2 pending"}));
    QTest::mouseClick(m_table->viewport(), Qt::LeftButton, {}, salary.center());
    play(m_table, QStringLiteral("Rink"));
    ModalDialog::setNextHandler([](QDialog* details) {
        QTest::mouseClick(child<QPushButton>(details, "toggleClearedButton"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(details, "closeButton"), Qt::LeftButton);
    });
    play(m_table, QStringLiteral("<Alt+Return>"));
    QCOMPARE(stored(), QStringList({"checking 2024-03-05 Pool||350000||# C- v3 pending"}));
    QCOMPARE(QStringList({m_model->index(0, RegisterModel::ClearedColumn).data().toString(),
                          m_table->isEditing() ? "editing" : "no editor"}),
             QStringList({"C", "no editor"}));
}

void TestRegisterScreen::openingBalanceIsChangedInTheAccount()
{
    QVERIFY(TransactionActions::setOpeningBalance(&m_ledger->state, QStringLiteral("checking"), 50000,
                                                  QDate(2024, 1, 1)));
    const Transaction opening = m_ledger->rows(QStringLiteral("checking")).value(0);
    showScreen(QStringLiteral("checking"));
    QSignalSpy sent(m_screen.get(), &RegisterScreen::editAccountRequested);

    // Walking through it with Enter sends nobody to the account's settings.
    play(m_table, QStringLiteral("<Up><Return><Return><Return><Return><Return><Return><Return><Return><Return>"));
    QCOMPARE(sent.count(), 0);
    play(m_table, QStringLiteral("<Up><Right><Right><Right><Right><Right><Right><Return>600<Ctrl+Return>"));
    QCOMPARE(sent.count(), 1);
    QCOMPARE(sent.at(0).at(0).toString(), QStringLiteral("checking"));
    QCOMPARE(describe(m_ledger->load(opening.id)), describe(opening));
    QCOMPARE(m_model->index(0, RegisterModel::DepositColumn).data().toString(), QStringLiteral("500.00"));
}

void TestRegisterScreen::aRowMovedByItsOwnSaveKeepsItsTexts_data()
{
    QTest::addColumn<int>("sortColumn");
    QTest::addColumn<Qt::SortOrder>("order");
    QTest::addColumn<QString>("clickedPayee"); // empty: no click
    QTest::addColumn<int>("clickedColumn");
    QTest::addColumn<QString>("keys"); // played twice: the second save must write nothing
    QTest::addColumn<QStringList>("stored");
    const QString cafe = QStringLiteral("checking 2024-02-03 Cafe||-300||# -- v1 pending");
    const QString bookShop = QStringLiteral("checking 2024-02-02 Book Shop||-2000||# -- v1 pending");
    const auto up = Qt::AscendingOrder;
    QTest::newRow("date +") << int(RegisterModel::DateColumn) << up << "Book Shop" << int(RegisterModel::DateColumn)
                            << "+<Ctrl+Return>"
                            << QStringList{"checking 2024-02-03 Book Shop||-2000||# -- v2 pending", cafe};
    QTest::newRow("date typed") << int(RegisterModel::DateColumn) << up << "Book Shop" << int(RegisterModel::DateColumn)
                                << "2/3/2024<Ctrl+Return>"
                                << QStringList{"checking 2024-02-03 Book Shop||-2000||# -- v2 pending", cafe};
    QTest::newRow("date - newest first") << int(RegisterModel::DateColumn) << Qt::DescendingOrder << "Cafe"
                                         << int(RegisterModel::DateColumn) << "--<Ctrl+Return>"
                                         << QStringList{bookShop, "checking 2024-02-01 Cafe||-300||# -- v2 pending"};
    QTest::newRow("amount by payment") << int(RegisterModel::PaymentColumn) << up << "Cafe"
                                       << int(RegisterModel::PaymentColumn) << "<Ctrl+A>30<Ctrl+Return>"
                                       << QStringList{"checking 2024-02-03 Cafe||-3000||# -- v2 pending", bookShop};
    QTest::newRow("sign in the form by balance")
        << int(RegisterModel::BalanceColumn) << up << QString() << 0 << "<Up><Up><Ctrl+E><Ctrl+Return>"
        << QStringList{"checking 2024-02-03 Cafe||300||# -- v2 pending", bookShop};
}

// A save that moves its row one place down, as the new date, amount or sign
// sorts it: the register shows each row with its own texts, the row below
// becomes current, and a second save writes nothing over any row.
void TestRegisterScreen::aRowMovedByItsOwnSaveKeepsItsTexts()
{
    QFETCH(int, sortColumn);
    QFETCH(Qt::SortOrder, order);
    QFETCH(QString, clickedPayee);
    QFETCH(int, clickedColumn);
    QFETCH(QString, keys);
    QFETCH(QStringList, stored);
    Transaction bookShop = RegisterLedger::row(QStringLiteral("checking"), QStringLiteral("Book Shop"), -2000);
    bookShop.date = QDate(2024, 2, 2);
    Transaction cafe = RegisterLedger::row(QStringLiteral("checking"), QStringLiteral("Cafe"), -300);
    cafe.date = QDate(2024, 2, 3);
    cafe.createdAt = cafe.updatedAt = RegisterLedger::now().addSecs(-60);
    m_ledger->add(bookShop);
    m_ledger->add(cafe);
    QSettings().setValue(QStringLiteral("register/sortColumn"), sortColumn);
    QSettings().setValue(QStringLiteral("register/sortOrder"), int(order));
    showScreen(QStringLiteral("checking"));
    if (!clickedPayee.isEmpty()) {
        const int row = m_model->rowOf(clickedPayee == u"Cafe" ? cafe.id : bookShop.id);
        QTest::mouseClick(m_table->viewport(), Qt::LeftButton, {},
                          m_table->visualRect(m_model->index(row, clickedColumn)).center());
    }
    // The form turns the payment into a deposit.
    ModalDialog::setNextHandler([](QDialog* form) {
        QTest::mouseClick(child<QRadioButton>(form, "inflowRadio"), Qt::LeftButton);
        clickOk(form);
    });
    play(m_table, keys);
    verifyShownAsAfresh();
    play(m_table, QStringLiteral("<Ctrl+Return>"));
    QCOMPARE(this->stored(), stored);
    verifyShownAsAfresh();
}

// Sorting while a row is current keeps it current, its own texts in its own
// row; the entry row shows its placeholders; a save then writes nothing.
void TestRegisterScreen::sortingKeepsTheRowBeingEdited()
{
    seedRows(6, 1);
    showScreen(QStringLiteral("checking"));
    const QStringList before = stored();
    play(m_table, QStringLiteral("<Escape><Up>"));
    verifyShownAsAfresh();
    for (int click = 0; click < 2; ++click) {
        clickColumnTitle(RegisterModel::DateColumn);
        QCOMPARE(m_model->sortOrder(), click == 0 ? Qt::DescendingOrder : Qt::AscendingOrder);
        verifyShownAsAfresh();
    }
    clickColumnTitle(RegisterModel::PayeeColumn);
    verifyShownAsAfresh();
    m_ledger->state.preferencesRepository->setBool(QStringLiteral("registerNewestFirst"), true);
    verifyShownAsAfresh();
    play(m_table, QStringLiteral("<Ctrl+Return>"));
    QCOMPARE(stored(), before);
    verifyShownAsAfresh();
}

void TestRegisterScreen::aNewOrderKeepsTheCurrentCellInView_data()
{
    QTest::addColumn<bool>("newestFirst"); // the preferences the register opens with
    QTest::addColumn<bool>("twoLine");
    QTest::addColumn<int>("scrolledTo");  // the scroll bar's value then; -1: where the register opens
    QTest::addColumn<QString>("clicked"); // "Payee 30|2": that row's cell of column 2; empty: the entry row
    QTest::addColumn<QString>("change");  // a column's title clicked, or a preference turned the other way
    QTest::addColumn<bool>("topKept");    // the current row still shows: the view stays where it was
    // Forty rows, "Payee 0" the oldest: oldest first the view opens on the last
    // thirteen rows, newest first on the first thirteen.
    QTest::newRow("entry row at the end, by payee") << false << false << -1 << QString() << "Payee" << true;
    QTest::newRow("entry row on top, by payee") << true << false << -1 << QString() << "Payee" << false;
    QTest::newRow("entry row on top, oldest first") << true << false << -1 << QString() << "newest first" << false;
    QTest::newRow("entry row at the end, newest first") << false << false << -1 << QString() << "newest first" << false;
    QTest::newRow("row edited, by payee") << false << false << -1 << "Payee 30|2" << "Payee" << false;
    QTest::newRow("row edited, by date") << false << false << -1 << "Payee 30|2" << "Date" << false;
    // By payment the rows keep their order.
    QTest::newRow("row edited, by payment") << false << false << -1 << "Payee 30|5" << "Payment" << true;
    QTest::newRow("row edited, by Clr") << false << false << -1 << "Payee 30|2" << "Clr" << false;
    QTest::newRow("row edited, by balance") << false << false << -1 << "Payee 30|0" << "Balance" << false;
    QTest::newRow("row edited, newest first") << false << false << -1 << "Payee 30|2" << "newest first" << false;
    // The middle row stays where it is when the order turns round.
    QTest::newRow("middle row, newest first") << false << false << 14 << "Payee 20|2" << "newest first" << true;
    QTest::newRow("row near the bottom, two-line rows") << true << false << -1 << "Payee 29|2|<Escape>"
                                                        << "two-line" << false;
    // Two-line rows hide the Memo column: the row of a memo cell is brought into view.
    QTest::newRow("memo near the bottom, two-line rows") << true << false << -1 << "Payee 29|4|<Escape>"
                                                         << "two-line" << false;
    QTest::newRow("row near the top, two-line rows") << true << false << -1 << "Payee 37|2|<Escape>" << "two-line"
                                                     << true;
    QTest::newRow("row near the top, one-line rows") << true << true << -1 << "Payee 37|2|<Escape>" << "two-line"
                                                     << true;
}

// A new order (a column's title clicked, newest first turned on or off) or
// rows of a new height leave the current cell where it is in the rows: the
// view follows it when it would no longer show, and stays where it was when it
// still shows. The row being edited and the entry row are where typing goes on.
void TestRegisterScreen::aNewOrderKeepsTheCurrentCellInView()
{
    QFETCH(bool, newestFirst);
    QFETCH(bool, twoLine);
    QFETCH(int, scrolledTo);
    QFETCH(QString, clicked);
    QFETCH(QString, change);
    QFETCH(bool, topKept);
    seedRows(40, 1);
    PreferencesRepository* preferences = m_ledger->state.preferencesRepository;
    preferences->setBool(QStringLiteral("registerNewestFirst"), newestFirst);
    preferences->setBool(QStringLiteral("registerTwoLine"), twoLine);
    // As the window does, which hears a preference before the register built after it.
    QObject window;
    connect(preferences, &PreferencesRepository::changed, &window, [this] { m_screen->reload(); });
    showScreen(QStringLiteral("checking"));
    settle();
    if (scrolledTo >= 0)
        m_table->verticalScrollBar()->setValue(scrolledTo);
    if (!clicked.isEmpty()) {
        const QStringList parts = clicked.split(QLatin1Char('|'));
        int row = 0;
        while (!m_model->isTransactionRow(row) || m_model->transactionAt(row).payee != parts.at(0))
            ++row;
        const QModelIndex cell = m_model->index(row, parts.at(1).toInt());
        QVERIFY(m_table->viewport()->rect().contains(m_table->visualRect(cell)));
        QTest::mouseClick(m_table->viewport(), Qt::LeftButton, {}, m_table->visualRect(cell).center());
        play(m_table, parts.value(2));
    }
    settle();
    const QModelIndex before = m_table->currentIndex();
    const QString currentId = m_model->transactionIdAt(before.row());
    const int top = m_table->rowAt(0);

    if (change == u"newest first")
        preferences->setBool(QStringLiteral("registerNewestFirst"), !newestFirst);
    else if (change == u"two-line")
        preferences->setBool(QStringLiteral("registerTwoLine"), !twoLine);
    else
        clickColumnTitle(columnTitled(change));
    settle();

    const QModelIndex current = m_table->currentIndex();
    QCOMPARE(QStringList({m_model->transactionIdAt(current.row()), QString::number(current.column())}),
             QStringList({currentId, QString::number(before.column())}));
    // A cell of a hidden column shows nothing of itself: its row is what shows.
    const QRect shown = m_table->isColumnHidden(current.column())
                            ? QRect(0, m_table->rowViewportPosition(current.row()), 1, m_table->rowHeight(current.row()))
                            : m_table->visualRect(current);
    QCOMPARE(QStringList({m_table->viewport()->rect().contains(shown) ? "in view" : "out of view",
                          m_table->rowAt(0) == top ? "top row kept" : "top row moved"}),
             QStringList({"in view", topKept ? "top row kept" : "top row moved"}));
}

void TestRegisterScreen::columnsShownOrHiddenFollowTheScrollBar_data()
{
    QTest::addColumn<QString>("steps"); // column titles toggled in the header's menu, scroll bar values, "two-line"
    QTest::newRow("Memo shown again, scrolled right") << "Memo|right|Memo";
    QTest::newRow("Chk # hidden, scrolled halfway") << "2|Chk #";
    // The range shrinks to the value: the view now ends at the right edge.
    QTest::newRow("Chk # hidden, scrolled a column short of the end") << "3|Chk #";
    QTest::newRow("Chk # shown again, scrolled halfway") << "Chk #|2|Chk #";
    QTest::newRow("two-line rows off, scrolled right") << "two-line|right|two-line";
    QTest::newRow("two-line rows on, scrolled right") << "right|two-line";
}

// A column hidden or shown, by the header's menu or with two-line rows, while
// the register is scrolled sideways: the header and the rows stand where the
// scroll bar says, as a scroll there and back draws them.
void TestRegisterScreen::columnsShownOrHiddenFollowTheScrollBar()
{
    QFETCH(QString, steps);
    seedRows(20, 1);
    showScreen(QStringLiteral("checking"));
    m_screen->resize(700, 600);
    const NoCursorFlash noFlash;
    settle();
    // The current cell where the steps scroll to: the reload for two-line rows
    // brings it into view, which from the Date column would scroll back left.
    const QModelIndex deposit = m_model->index(m_model->entryRow(), RegisterModel::DepositColumn);
    m_table->scrollTo(deposit);
    QTest::mouseClick(m_table->viewport(), Qt::LeftButton, {}, m_table->visualRect(deposit).center());
    play(m_table, QStringLiteral("<Escape>"));
    QScrollBar* bar = m_table->horizontalScrollBar();
    bar->setValue(0);
    PreferencesRepository* preferences = m_ledger->state.preferencesRepository;
    for (const QString& step : steps.split(QLatin1Char('|'))) {
        bool isValue = false;
        const int value = step.toInt(&isValue);
        if (isValue) {
            bar->setValue(value);
        } else if (step == u"right") {
            bar->setValue(bar->maximum());
        } else if (step == u"two-line") {
            preferences->setBool(QStringLiteral("registerTwoLine"),
                                 !preferences->getBool(QStringLiteral("registerTwoLine"), false));
            m_screen->reload();
        } else {
            chooseColumnMenu(step);
        }
        settle();
    }
    QVERIFY(bar->value() > 0);
    const QImage shown = windowPixels(m_screen.get());
    const int value = bar->value();
    bar->setValue(value - 1);
    settle();
    bar->setValue(value);
    settle();
    QCOMPARE(shown, windowPixels(m_screen.get()));
}

void TestRegisterScreen::aRowChangedTwiceElsewhereKeepsWhatWasTyped_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("field");      // the one field that counts as typed
    QTest::addColumn<QString>("shown");  // the row's cells, Date to Clr
    QTest::addColumn<QString>("stored"); // payee|memo|amount|check number once saved
    using Field = RegisterModel::Field;
    QTest::newRow("memo") << int(RegisterModel::MemoColumn) << "window seat" << int(Field::Memo)
                          << "3/1/2024||Diner||window seat|4.50||" << "Diner|window seat|-450|";
    QTest::newRow("payment") << int(RegisterModel::PaymentColumn) << "12.50" << int(Field::Amount)
                             << "3/1/2024||Diner|||12.50||" << "Diner||-1250|";
    QTest::newRow("check number") << int(RegisterModel::CheckNumberColumn) << "1042" << int(Field::CheckNumber)
                                  << "3/1/2024|1042|Diner|||4.50||" << "Diner||-450|1042";
}

// While a row is typed in, another device renames its payee twice, each change
// shown by a reload: the row shows the last name, the payee counts as untyped,
// and a save writes what was typed over the row as it now stands.
void TestRegisterScreen::aRowChangedTwiceElsewhereKeepsWhatWasTyped()
{
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(int, field);
    QFETCH(QString, shown);
    QFETCH(QString, stored);
    const Transaction cafe = m_ledger->add(RegisterLedger::row(QStringLiteral("checking"), QStringLiteral("Cafe"), -450));
    showScreen(QStringLiteral("checking"));
    QTest::mouseClick(m_table->viewport(), Qt::LeftButton, {},
                      m_table->visualRect(m_model->index(0, column)).center());
    // Enter keeps the text and opens the next cell, which Escape closes: the register can reload.
    play(m_table, QStringLiteral("<Ctrl+A>%1<Return><Escape>").arg(typed));
    QTRY_VERIFY(!m_table->isEditing());
    const auto row = [this] {
        QStringList cells;
        for (int at = RegisterModel::DateColumn; at <= RegisterModel::ClearedColumn; ++at)
            cells.append(m_model->index(0, at).data().toString());
        return cells.join(QLatin1Char('|'));
    };
    for (const char* payee : {"Bistro", "Diner"}) {
        Transaction elsewhere = m_ledger->load(cafe.id);
        elsewhere.payee = QLatin1String(payee);
        elsewhere.version += 1;
        QVERIFY(m_ledger->state.transactionRepository->update(elsewhere));
        QTRY_COMPARE(m_model->index(0, RegisterModel::PayeeColumn).data().toString(), QLatin1String(payee));
    }
    QCOMPARE(row(), shown);
    QCOMPARE(int(m_model->typedFields()), field);

    play(m_table, QStringLiteral("<Ctrl+Return>"));
    const Transaction saved = m_ledger->load(cafe.id);
    QCOMPARE(QStringList({saved.payee, saved.memo, QString::number(saved.amount), saved.checkNumber}).join(u'|'), stored);
}

void TestRegisterScreen::aChangeHeldBackWhileTypingShowsWhenTheEditorCloses_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("opening"); // "entry": the entry row's payee; else that of "Payee 2", typed at its end
    QTest::addColumn<QString>("closing"); // "<Click>" is a click on the filter button, the dialog cancelled
    QTest::addColumn<QString>("payee");   // stored for "Payee 2" once it is all done
    QTest::newRow("row added, Escape") << "add" << QString() << " typed" << "<Escape>" << "Payee 2";
    QTest::newRow("account renamed, Escape") << "rename" << QString() << " typed" << "<Escape>" << "Payee 2";
    QTest::newRow("row added under a filter, Escape") << "add" << "{\"cleared\":false}" << " typed" << "<Escape>"
                                                      << "Payee 2";
    QTest::newRow("row added, delete refused") << "add" << QString() << QString() << "<Ctrl+D>" << "Payee 2";
    QTest::newRow("row added, nothing to save") << "add" << QString() << "entry" << "<Ctrl+Return>" << "Payee 2";
    // Enter opens the next field at once; the change waits for that editor to close.
    QTest::newRow("row added, Enter, Escape") << "add" << QString() << "entry" << "<Return><Escape>" << "Payee 2";
    // Only the field typed is written: the memo written elsewhere stays.
    QTest::newRow("memo written elsewhere, saved") << "memo" << QString() << " typed" << "<Ctrl+Return>"
                                                   << "Payee 2 typed";
    QTest::newRow("row added, focus leaves, saved") << "add" << QString() << " typed" << "<Click><Ctrl+Return>"
                                                    << "Payee 2 typed";
}

// Another window, or a sync, changes the ledger while a cell is typed in: the
// register shows the change once the editor closes, whichever way it closes,
// and a save writes what was typed over the row as it now stands.
void TestRegisterScreen::aChangeHeldBackWhileTypingShowsWhenTheEditorCloses()
{
    QFETCH(QString, change);
    QFETCH(QString, filter);
    QFETCH(QString, opening);
    QFETCH(QString, closing);
    QFETCH(QString, payee);
    seedRows(5, 1);
    if (!filter.isEmpty())
        m_ledger->state.preferencesRepository->set(QStringLiteral("registerFilter_checking"), filter);
    showScreen(QStringLiteral("checking"));
    Transaction typedOver;
    for (const Transaction& t : m_ledger->rows(QStringLiteral("checking"))) {
        if (t.payee == u"Payee 2")
            typedOver = t;
    }
    const auto clickPayee = [&] {
        const QModelIndex cell = m_model->index(m_model->rowOf(typedOver.id), RegisterModel::PayeeColumn);
        QTest::mouseClick(m_table->viewport(), Qt::LeftButton, {}, m_table->visualRect(cell).center());
    };
    if (opening == u"entry") {
        play(m_table, QStringLiteral("<Tab><Tab>"));
    } else {
        clickPayee();
        play(m_table, QStringLiteral("<End>") + opening);
    }
    QVERIFY(m_table->isEditing());

    if (change == u"add") {
        Transaction early = RegisterLedger::row(QStringLiteral("checking"), QStringLiteral("Elsewhere"), -777);
        early.date = QDate(2023, 12, 30);
        m_ledger->add(early);
    } else if (change == u"rename") {
        Account account = *m_ledger->state.accountRepository->findById(QStringLiteral("checking"));
        account.name = QStringLiteral("Household");
        QVERIFY(m_ledger->state.accountRepository->update(account));
    } else {
        Transaction elsewhere = typedOver;
        elsewhere.memo = QStringLiteral("from elsewhere");
        elsewhere.version += 1;
        QVERIFY(m_ledger->state.transactionRepository->update(elsewhere));
    }
    settle();
    QVERIFY(m_table->isEditing());

    MessageBox::setNextAnswer(QMessageBox::No);
    ModalDialog::setNextHandler([](QDialog* dialog) { dialog->reject(); });
    if (closing.startsWith(u"<Click>")) {
        // The focus goes to the button, the dialog is cancelled, and the row is taken up again.
        QTest::mouseClick(child<QPushButton>(m_screen.get(), "filterButton"), Qt::LeftButton);
        settle();
        clickPayee();
        closing.remove(0, 7);
    }
    play(m_table, closing);
    QTRY_COMPARE(shownBy(m_screen.get()), shownAfresh(&m_ledger->state, m_screen.get(), QStringLiteral("checking")));
    const Transaction now = m_ledger->load(typedOver.id);
    QCOMPARE(QStringList({now.payee, now.memo}), QStringList({payee, change == u"memo" ? "from elsewhere" : ""}));
    QCOMPARE(m_ledger->rows(QStringLiteral("checking")).size(), change == u"add" ? 6 : 5);
}

// Two-line rows draw the memo under the payee and on under the category, each
// pixel once: a repaint of the payee cell alone (the current cell passing by)
// leaves the same pixels as a fresh drawing of the whole table.
void TestRegisterScreen::twoLineMemoIsDrawnOnce()
{
    Transaction t = RegisterLedger::row(QStringLiteral("checking"), QStringLiteral("Grocer"), -1234);
    t.memo = QStringLiteral("weekly shopping for the whole house");
    m_ledger->add(t);
    m_ledger->state.preferencesRepository->setBool(QStringLiteral("registerTwoLine"), true);
    showScreen(QStringLiteral("checking"));
    const NoCursorFlash noFlash;
    settle();
    QTest::mouseClick(m_table->viewport(), Qt::LeftButton, {},
                      m_table->visualRect(m_model->index(0, RegisterModel::DateColumn)).center());
    play(m_table, QStringLiteral("<Escape><Right><Right>"));
    settle();
    QCOMPARE(m_table->currentIndex(), m_model->index(0, RegisterModel::PayeeColumn));
    QCOMPARE(windowPixels(m_screen.get()), m_screen->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

void TestRegisterScreen::amountsPaintInTheAccountsCurrency_data()
{
    QTest::addColumn<QString>("account");
    QTest::addColumn<QStringList>("painted"); // every row's nine cells, the entry row last
    const QString entryRow = QStringLiteral("3/5/2024|Chk #|Payee|Category|Memo|Payment|Deposit|Clr|");
    QTest::newRow("dollars") << QStringLiteral("checking")
                             << QStringList{"3/1/2024||Pay||||2,500.00||2,500.00",
                                            "3/1/2024||Cafe|||15.00|||2,485.00", entryRow};
    QTest::newRow("euros") << QStringLiteral("euro")
                           << QStringList{"3/1/2024||Pay||||2,500.00||2,500.00",
                                          "3/1/2024||Cafe|||15.00|||2,485.00", entryRow};
    QTest::newRow("yen") << QStringLiteral("yen")
                         << QStringList{"3/1/2024||Pay||||250,000||250,000", "3/1/2024||Cafe|||1,500|||248,500",
                                        entryRow};
}

// The same stored amounts, read as the register paints them, in each account's currency.
void TestRegisterScreen::amountsPaintInTheAccountsCurrency()
{
    QFETCH(QString, account);
    QVERIFY(m_ledger->addAccount(QStringLiteral("yen"), QStringLiteral("Yen"), Currency::JPY));
    m_ledger->add(RegisterLedger::row(account, QStringLiteral("Pay"), 250000));
    m_ledger->add(RegisterLedger::row(account, QStringLiteral("Cafe"), -1500));
    showScreen(account);
    QTEST(paintedRows(m_table), "painted");
}

void TestRegisterScreen::ownWriteShowsTheAccountAsChanged_data()
{
    QTest::addColumn<bool>("heardFirst");
    QTest::newRow("change heard before the write") << true;
    QTest::newRow("change in the same turn as the write") << false;
}

void TestRegisterScreen::ownWriteShowsTheAccountAsChanged()
{
    QFETCH(bool, heardFirst);
    m_ledger->add(RegisterLedger::row(QStringLiteral("checking"), QStringLiteral("Pay"), 100000));
    m_ledger->add(RegisterLedger::row(QStringLiteral("checking"), QStringLiteral("Cafe"), -500));
    showScreen(QStringLiteral("checking"));

    // Another window makes the account a card in euros.
    Account account = *m_ledger->state.accountRepository->findById(QStringLiteral("checking"));
    account.currency = Currency::EUR;
    account.accountType = AccountType::CreditCard;
    QVERIFY(m_ledger->state.accountRepository->update(account));
    if (heardFirst)
        settle();
    m_table->setCurrentIndex(m_model->index(0, RegisterModel::ClearedColumn));
    QTest::keyClick(m_table, Qt::Key_Space);
    settle();

    RegisterScreen fresh(&m_ledger->state);
    fresh.setAccount(QStringLiteral("checking"));
    const auto shownBy = [](QWidget* screen) {
        auto* table = child<RegisterTableView>(screen, "registerTable");
        QStringList shown{table->model()->index(0, RegisterModel::BalanceColumn).data().toString()};
        for (const char* name : {"clearedLabel", "unclearedLabel", "balanceLabel"})
            shown.append(child<RegisterFigureValue>(screen, name)->text());
        return shown;
    };
    QCOMPARE(shownBy(m_screen.get()), shownBy(&fresh));
    QVERIFY(shownBy(&fresh).join(QString()).contains(currencySymbol(Currency::EUR)));
}

void TestRegisterScreen::ownChangesMatchAReload_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<Qt::SortOrder>("order");
    QTest::addColumn<int>("changes");
    QTest::newRow("oldest first") << int(RegisterModel::DateColumn) << Qt::AscendingOrder << 200;
    QTest::newRow("newest first") << int(RegisterModel::DateColumn) << Qt::DescendingOrder << 40;
    QTest::newRow("by payee") << int(RegisterModel::PayeeColumn) << Qt::AscendingOrder << 40;
    QTest::newRow("by balance, largest first") << int(RegisterModel::BalanceColumn) << Qt::DescendingOrder << 40;
}

// A random (seeded) run of rows typed in, amounts and dates changed in place,
// rows deleted and cleared marks flipped, among them transfers, on a register
// of 2,000 rows. The register shows each of its own changes in place, without
// reloading; after each one it shows what a register reloaded from the ledger
// shows, rows, running balances and figures, and it keeps the row at the top
// of the view.
void TestRegisterScreen::ownChangesMatchAReload()
{
    QFETCH(int, column);
    QFETCH(Qt::SortOrder, order);
    QFETCH(int, changes);
    QRandomGenerator random(20240305);
    QList<Transaction> seeded;
    for (int i = 0; i < 2000; ++i) {
        Transaction t = RegisterLedger::row(QStringLiteral("checking"), QStringLiteral("Payee %1").arg(random.bounded(300)),
                                            random.bounded(-50000, 40000));
        t.date = QDate(2023, 1, 1).addDays(random.bounded(400));
        t.createdAt = t.updatedAt = RegisterLedger::now().addSecs(-100000 + i * 7);
        t.cleared = random.bounded(3) == 0;
        t.reconciled = t.cleared && random.bounded(2) == 0;
        seeded.append(t);
    }
    QVERIFY(m_ledger->state.transactionRepository->insertAll(seeded));
    for (int i = 0; i < 20; ++i)
        QVERIFY(!m_ledger->addTransfer(QStringLiteral("checking"), QStringLiteral("savings"), -1000 * (i + 1)).id.isEmpty());
    QSettings().setValue(QStringLiteral("register/sortColumn"), column);
    QSettings().setValue(QStringLiteral("register/sortOrder"), int(order));
    showScreen(QStringLiteral("checking"));
    RegisterScreen reloaded(&m_ledger->state);
    reloaded.setAccount(QStringLiteral("checking"));
    // The other legs of the transfers land in a register not shown.
    RegisterScreen savings(&m_ledger->state);
    savings.setAccount(QStringLiteral("savings"));
    auto* reloadedModel = qobject_cast<RegisterModel*>(child<RegisterTableView>(&reloaded, "registerTable")->model());
    const auto shown = [](const RegisterModel* model, QWidget* screen) {
        QStringList rows;
        for (int row = 0; row < model->rowCount(); ++row) {
            if (row == model->entryRow())
                continue;
            const RegisterRow r = model->transactionAt(row);
            rows.append(QStringLiteral("%1 %2 %3 %4 %5 %6 %7").arg(r.id, r.date.toString(Qt::ISODate), r.payee)
                            .arg(r.amount).arg(r.cleared).arg(r.reconciled).arg(held(r.runningBalance)));
        }
        for (const char* name : {"clearedLabel", "unclearedLabel", "balanceLabel"})
            rows.append(child<RegisterFigureValue>(screen, name)->text());
        return rows;
    };
    const auto topId = [this] {
        const int row = m_table->indexAt(QPoint(0, 0)).row();
        return row >= 0 && row != m_model->entryRow() ? m_model->transactionAt(row).id : QString();
    };
    QSignalSpy resets(m_model, &QAbstractItemModel::modelReset);
    const NoCursorFlash noFlash;

    for (int change = 0; change < changes; ++change) {
        Clock::setFixedNow(RegisterLedger::now().addSecs(change));
        const int rows = m_model->transactionCount();
        int row = random.bounded(rows);
        if (row >= m_model->entryRow())
            ++row;
        const auto cell = [&](int at) {
            const QModelIndex index = m_model->index(row, at);
            m_table->scrollTo(index);
            return m_table->visualRect(index).center();
        };
        const QString amount = QStringLiteral("%1.%2").arg(random.bounded(1, 900)).arg(random.bounded(10, 99));
        const QString date = QDate(2023, 1, 1).addDays(random.bounded(420)).toString(RegisterModel::kDateFormat);
        QString top;
        const int kind = random.bounded(5);
        const QString id = m_model->transactionAt(row).id;
        switch (kind) {
        case 0: { // typed in, a transfer one time in four
            const QString payee = random.bounded(4) == 0 ? QStringLiteral("[Transfer] Savings") : QStringLiteral("Typed");
            play(m_table, QStringLiteral("<Ctrl+I>%1<Tab><Tab>%2<Tab><Tab><Tab>%3<Ctrl+Return>").arg(date, payee, amount));
            break;
        }
        case 1: // a new amount
            QTest::mouseClick(m_table->viewport(), Qt::LeftButton, {}, cell(RegisterModel::DepositColumn));
            top = topId();
            play(m_table, QStringLiteral("<Ctrl+A>%1<Ctrl+Return>").arg(amount));
            break;
        case 2: // a new date
            QTest::mouseClick(m_table->viewport(), Qt::LeftButton, {}, cell(RegisterModel::DateColumn));
            top = topId();
            play(m_table, QStringLiteral("%1<Ctrl+Return>").arg(date));
            break;
        case 3:
            QTest::mouseClick(m_table->viewport(), Qt::LeftButton, {}, cell(RegisterModel::PayeeColumn));
            top = topId();
            MessageBox::setNextAnswer(QMessageBox::Yes);
            play(m_table, QStringLiteral("<Ctrl+D>"));
            break;
        default: {
            const QPoint clr = cell(RegisterModel::ClearedColumn);
            top = topId();
            QTest::mouseClick(m_table->viewport(), Qt::LeftButton, {}, clr);
            break;
        }
        }
        reloaded.reload();
        QCOMPARE(shown(m_model, m_screen.get()), shown(reloadedModel, &reloaded));
        // What the window shows once its queued layouts and repaints are done is
        // what the screen draws now: no row, balance or figure left from before.
        QTRY_COMPARE(windowPixels(m_screen.get()), m_screen->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied));
        if (kind == 1 || kind == 2) {
            // The next row is current, as after any change typed over a row.
            QCOMPARE(m_table->currentIndex(), m_model->index(row + 1, RegisterModel::DateColumn));
        } else if (!top.isEmpty() && m_model->rowOf(top) >= 0
                   && (kind == 4 || column != RegisterModel::BalanceColumn)) {
            // Sorted by balance, the row that takes a deleted row's place may be
            // anywhere, and it is shown.
            QCOMPARE(topId(), top);
        }
        // A mark flipped leaves the cell current.
        if (kind == 4)
            QCOMPARE(m_table->currentIndex(), m_model->index(m_model->rowOf(id), RegisterModel::ClearedColumn));
    }
    QCOMPARE(m_model->transactionCount() > 1900, true);
    QCOMPARE(resets.count(), 0);
    QCoreApplication::processEvents();
    const auto* savingsModel = qobject_cast<RegisterModel*>(child<RegisterTableView>(&savings, "registerTable")->model());
    const QStringList savingsShown = shown(savingsModel, &savings);
    QVERIFY(savingsShown.size() > 20 + 3);
    reloaded.setAccount(QStringLiteral("savings"));
    QCOMPARE(savingsShown, shown(reloadedModel, &reloaded));
}

void TestRegisterScreen::rowsComingAndGoingRepaintFromThere_data()
{
    QTest::addColumn<int>("clickedRow"); // -1: none
    QTest::addColumn<int>("clickedColumn");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("write");
    QTest::addColumn<int>("firstKept");
    QTest::addColumn<int>("firstMoved");
    QTest::addColumn<QStringList>("payees");
    QTest::addColumn<bool>("newestFirst");
    const QStringList seeded{"Payee 0", "Payee 1", "Payee 2", "Payee 3", "Payee 4", "Payee 5", "Payee 6", "Payee 7"};
    QTest::newRow("deleted") << 4 << int(RegisterModel::PayeeColumn) << QString() << QStringLiteral("<Ctrl+D>") << 0
                             << 4 << QStringList(seeded.mid(0, 4) + seeded.mid(5)) << false;
    QTest::newRow("typed in") << -1 << 0 << QStringLiteral("<Ctrl+I>01/08/2024<Tab><Tab>Typed<Tab><Tab><Tab>3.25")
                              << QStringLiteral("<Ctrl+Return>") << 0 << 4
                              << QStringList(seeded.mid(0, 4) + QStringList{"Typed"} + seeded.mid(4)) << false;
    // Taken out where it was and put in higher up.
    QTest::newRow("dated earlier") << 6 << int(RegisterModel::DateColumn) << QStringLiteral("01/04/2024")
                                   << QStringLiteral("<Ctrl+Return>") << 0 << 2
                                   << QStringList(seeded.mid(0, 2) + QStringList{"Payee 6"} + seeded.mid(2, 4) + seeded.mid(7))
                                   << false;
    // The oldest row, last of all: below it only the view's empty space. Each
    // row above it shows a new balance, and the one that becomes current its
    // payee cell too. The entry row on top is told it changed, as after any
    // save, and repainted to a pixel into the row below it.
    QStringList newestFirst = seeded;
    std::reverse(newestFirst.begin(), newestFirst.end());
    QTest::newRow("last deleted, newest first") << 8 << int(RegisterModel::PayeeColumn) << QString()
                                                << QStringLiteral("<Ctrl+D>") << 2 << 7 << newestFirst.mid(0, 7)
                                                << true;
}

// A row deleted, typed in or moved by its date halfway down the view: the rows
// above it keep their pixels, and the window then shows what a fresh drawing of
// the screen shows; so does it once the focus leaves the register and comes back.
void TestRegisterScreen::rowsComingAndGoingRepaintFromThere()
{
    QFETCH(int, clickedRow);
    QFETCH(int, clickedColumn);
    QFETCH(QString, typed);
    QFETCH(QString, write);
    QFETCH(int, firstKept);
    QFETCH(int, firstMoved);
    QFETCH(QStringList, payees);
    QFETCH(bool, newestFirst);
    // Fewer rows than the view holds, two days apart: nothing scrolls.
    seedRows(8, 2);
    m_ledger->state.preferencesRepository->setBool(QStringLiteral("registerNewestFirst"), newestFirst);
    showScreen(QStringLiteral("checking"));
    const NoCursorFlash noFlash;
    // The header laid out for the figures just shown.
    settle();
    const int top = m_table->rowAt(0);
    if (clickedRow >= 0) {
        QTest::mouseClick(m_table->viewport(), Qt::LeftButton, {},
                          m_table->visualRect(m_model->index(clickedRow, clickedColumn)).center());
    }
    play(m_table, typed);
    settle();

    QRegion painted = paintedWhile(write);
    QStringList shown;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (m_model->isTransactionRow(row))
            shown.append(m_model->transactionAt(row).payee);
    }
    QCOMPARE(shown, payees);
    QCOMPARE(m_table->rowAt(0), top);
    QVERIFY(!painted.isEmpty());
    verifyRowsKeptTheirPixels(painted, firstKept, firstMoved);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(windowPixels(m_screen.get()), m_screen->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied));

    // The first row is neither current nor selected: a focus change leaves it be.
    const QRect first(0, m_table->rowViewportPosition(0), m_table->viewport()->width(), m_table->rowHeight(0));
    const PaintSpy spy(m_table->viewport(), &painted);
    for (QWidget* focus : {static_cast<QWidget*>(child<QPushButton>(m_screen.get(), "filterButton")),
                           static_cast<QWidget*>(m_table)}) {
        painted = QRegion();
        focus->setFocus();
        settle();
        QVERIFY(!painted.isEmpty());
        QCOMPARE(painted.intersected(first), QRegion());
        QCOMPARE(windowPixels(m_screen.get()),
                 m_screen->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
}

void TestRegisterScreen::aRowChangedInPlaceRepaintsItsOwnCells_data()
{
    QTest::addColumn<int>("clickedColumn");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<bool>("balanceShown");
    QTest::addColumn<bool>("balancesBelowPainted");
    QTest::newRow("amount") << int(RegisterModel::PaymentColumn) << QStringLiteral("9.99") << qint64(-999) << true
                            << true;
    QTest::newRow("amount, Balance hidden") << int(RegisterModel::PaymentColumn) << QStringLiteral("9.99")
                                            << qint64(-999) << false << false;
    QTest::newRow("check number") << int(RegisterModel::CheckNumberColumn) << QStringLiteral("1234") << qint64(-300)
                                  << true << false;
}

// A row saved in place halfway down the view, and the next one made current:
// of the rows below those two, only the Balance column is repainted, and only
// when the amount changed and the column is shown.
void TestRegisterScreen::aRowChangedInPlaceRepaintsItsOwnCells()
{
    QFETCH(int, clickedColumn);
    QFETCH(QString, typed);
    QFETCH(qint64, amount);
    QFETCH(bool, balanceShown);
    QFETCH(bool, balancesBelowPainted);
    seedRows(8, 2);
    m_ledger->state.preferencesRepository->setBool(QStringLiteral("registerShowBalance"), balanceShown);
    showScreen(QStringLiteral("checking"));
    const NoCursorFlash noFlash;
    QCOMPARE(m_table->isColumnHidden(RegisterModel::BalanceColumn), !balanceShown);
    settle();
    const int edited = 2;
    QTest::mouseClick(m_table->viewport(), Qt::LeftButton, {},
                      m_table->visualRect(m_model->index(edited, clickedColumn)).center());
    play(m_table, typed);
    settle();

    const QRegion painted = paintedWhile(QStringLiteral("<Ctrl+Return>"));
    QCOMPARE(m_model->transactionAt(edited).amount, amount);
    QCOMPARE(m_model->transactionAt(edited).checkNumber.isEmpty(), clickedColumn != RegisterModel::CheckNumberColumn);
    QCOMPARE(m_table->currentIndex().row(), edited + 1);
    verifyRowsKeptTheirPixels(painted, 0, edited);
    const int balanceLeft = m_table->columnViewportPosition(RegisterModel::BalanceColumn);
    const QRect balances(balanceLeft, 0, m_table->columnWidth(RegisterModel::BalanceColumn), m_table->viewport()->height());
    for (int row = edited + 2; row < m_model->transactionCount(); ++row) {
        const QRect line(0, m_table->rowViewportPosition(row), m_table->viewport()->width(), m_table->rowHeight(row));
        QCOMPARE(painted.intersected(line), balancesBelowPainted ? QRegion(line & balances) : QRegion());
    }
    QCOMPARE(windowPixels(m_screen.get()), m_screen->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

void TestRegisterScreen::writesAtTheEndKeepThePixelsAbove_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("daysApart");
    QTest::addColumn<int>("clickedFromEnd"); // a row counted up from the last one; 0: none
    QTest::addColumn<int>("clickedColumn");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("write");
    QTest::addColumn<int>("firstChangedFromEnd"); // among the rows as they were
    QTest::addColumn<bool>("scrollBarPainted");
    const QString newRow = QStringLiteral("<Ctrl+I>03/08/2024<Tab><Tab>Typed<Tab><Tab><Tab>3.25");
    const QString save = QStringLiteral("<Ctrl+Return>");
    // Of two thousand rows, one more or one less leaves the scroll bar's handle where it was.
    for (const std::pair<int, int>& size : {std::pair(40, 1), std::pair(2000, 0)}) {
        const int rows = size.first;
        const int daysApart = size.second;
        const bool handleMoves = rows == 40;
        const auto row = [rows](const char* name) -> QTestData& {
            return QTest::newRow(qPrintable(QStringLiteral("%1, %2 rows").arg(QLatin1String(name)).arg(rows)))
                   << rows;
        };
        row("new row, from its editor") << daysApart << 0 << 0 << newRow << save << 0 << handleMoves;
        // No editor open: the view scrolls with no cell of its own to repaint.
        row("new row, from Clr") << daysApart << 0 << 0 << newRow + QStringLiteral("<Tab><Tab>") << save << 0
                                 << handleMoves;
        row("deleted") << daysApart << 6 << int(RegisterModel::PayeeColumn) << QString() << QStringLiteral("<Ctrl+D>")
                       << 6 << handleMoves;
        row("amount changed") << daysApart << 6 << int(RegisterModel::PaymentColumn) << QStringLiteral("<Ctrl+A>7.50")
                              << save << 6 << false;
    }
}

// At the end of a register longer than the view, where it opens and rows are
// typed in, the rows end at the bottom edge and the first one shows in part.
// A write there scrolls the view by a row, and so does a row deleted; the rows
// above the write keep their pixels, moved along, the scroll bar is painted
// again only when its handle moves, and the window then shows what a fresh
// drawing of the screen shows.
void TestRegisterScreen::writesAtTheEndKeepThePixelsAbove()
{
    QFETCH(int, rows);
    QFETCH(int, daysApart);
    QFETCH(int, clickedFromEnd);
    QFETCH(int, clickedColumn);
    QFETCH(QString, typed);
    QFETCH(QString, write);
    QFETCH(int, firstChangedFromEnd);
    QFETCH(bool, scrollBarPainted);
    seedRows(rows, daysApart);
    showScreen(QStringLiteral("checking"));
    const NoCursorFlash noFlash;
    settle();
    const QScrollBar* scrollBar = m_table->verticalScrollBar();
    QVERIFY(scrollBar->maximum() > 0);
    QCOMPARE(scrollBar->value(), scrollBar->maximum());
    QVERIFY(m_table->rowViewportPosition(m_table->rowAt(0)) < 0);
    const int count = m_model->transactionCount();
    if (clickedFromEnd > 0) {
        QTest::mouseClick(m_table->viewport(), Qt::LeftButton, {},
                          m_table->visualRect(m_model->index(count - clickedFromEnd, clickedColumn)).center());
    }
    play(m_table, typed);
    settle();

    QRegion scrollBarPixels;
    const PaintSpy scrollBarSpy(m_table->verticalScrollBar(), &scrollBarPixels);
    const QRegion painted = paintedWhile(write);
    QVERIFY(m_model->transactionCount() != count || m_model->transactionAt(count - clickedFromEnd).amount == -750);
    // The view stays at the end, the first row shown in part.
    QCOMPARE(scrollBar->value(), scrollBar->maximum());
    QCOMPARE(!scrollBarPixels.isEmpty(), scrollBarPainted);
    // Below the rows a scroll may have brought in, the rows above the write.
    verifyRowsKeptTheirPixels(painted, m_table->rowAt(m_table->rowHeight(0)) + 1, count - firstChangedFromEnd);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(windowPixels(m_screen.get()), m_screen->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

// The table repaints its frame for a focus change only where the style draws
// the focus on it (Fusion does not): here one that outlines it in red.
void TestRegisterScreen::aFrameThatShowsTheFocusFollowsIt()
{
    class FocusFrameStyle : public QProxyStyle
    {
    public:
        void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                         const QWidget* widget) const override
        {
            QProxyStyle::drawControl(element, option, painter, widget);
            if (element == CE_ShapedFrame && option->state.testFlag(State_HasFocus)) {
                painter->setPen(Qt::red);
                painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
            }
        }
    };
    seedRows(8, 1);
    showScreen(QStringLiteral("checking"));
    FocusFrameStyle style;
    m_table->setStyle(&style);
    const auto unstyle = qScopeGuard([this] { m_table->setStyle(nullptr); });
    settle();
    const auto shownAsDrawn = [this] {
        settle();
        return windowPixels(m_screen.get())
               == m_screen->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    };
    // Into a cell's editor and back out: the table loses the focus, then has it.
    QTest::mouseClick(m_table->viewport(), Qt::LeftButton, {},
                      m_table->visualRect(m_model->index(2, RegisterModel::PayeeColumn)).center());
    QVERIFY(!m_table->hasFocus());
    QVERIFY(shownAsDrawn());
    play(m_table, QStringLiteral("<Escape>"));
    QVERIFY(m_table->hasFocus());
    QVERIFY(shownAsDrawn());
}

// A row comes in halfway down and, before the view lays the rows out again,
// the rows take a new order: those above the new one are no longer what they
// were, and the view shows what a fresh drawing of it shows.
void TestRegisterScreen::aNewOrderRepaintsTheWholeView()
{
    QStandardItemModel model;
    for (int row = 0; row < 10; ++row) {
        model.appendRow(
            {new QStandardItem(QStringLiteral("%1 a").arg(row)), new QStandardItem(QStringLiteral("%1 b").arg(row))});
    }
    RegisterTableView view(nullptr);
    view.setModel(&model);
    view.resize(400, 500);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    settle();

    model.insertRow(5, {new QStandardItem(QStringLiteral("new a")), new QStandardItem(QStringLiteral("new b"))});
    model.sort(0, Qt::DescendingOrder);
    settle();
    QCOMPARE(windowPixels(&view), view.grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

// The current column's label is bold: a current cell that moves from the date
// to the payment repaints those two labels, not the columns between them.
void TestRegisterScreen::theHeaderRepaintsTheLabelsThatChange()
{
    seedRows(8, 1);
    showScreen(QStringLiteral("checking"));
    QHeaderView* header = m_table->horizontalHeader();
    HeaderSectionLog log;
    header->setStyle(&log);
    const auto unstyle = qScopeGuard([header] { header->setStyle(nullptr); });
    const auto click = [this](int column) {
        QTest::mouseClick(m_table->viewport(), Qt::LeftButton, {},
                          m_table->visualRect(m_model->index(2, column)).center());
        settle();
    };
    click(RegisterModel::DateColumn);
    log.drawn.clear();
    click(RegisterModel::PaymentColumn);
    QStringList drawn = log.drawn;
    drawn.sort();
    QCOMPARE(drawn, (QStringList{HeaderSectionLog::entry(RegisterModel::DateColumn),
                                 HeaderSectionLog::entry(RegisterModel::PaymentColumn, true)}));
    QCOMPARE(windowPixels(m_screen.get()), m_screen->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied));

    // Down the same column, or its row deleted under it, no title changes.
    log.drawn.clear();
    QTest::mouseClick(m_table->viewport(), Qt::LeftButton, {},
                      m_table->visualRect(m_model->index(4, RegisterModel::PaymentColumn)).center());
    settle();
    MessageBox::setNextAnswer(QMessageBox::Yes);
    QTest::keyClick(m_table, Qt::Key_D, Qt::ControlModifier);
    settle();
    QCOMPARE(m_model->transactionCount(), 7);
    QCOMPARE(log.drawn, QStringList());
    QCOMPARE(windowPixels(m_screen.get()), m_screen->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

void TestRegisterScreen::translationsFitTheirColumns_data()
{
    QTest::addColumn<QString>("language");
    for (const char* language : {"de", "en", "es", "fr", "ja"})
        QTest::newRow(language) << QString::fromLatin1(language);
}

void TestRegisterScreen::translationsFitTheirColumns()
{
    QFETCH(QString, language);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/i18n/vellumry_%1.qm").arg(language)));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    const auto uninstall = qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });
    showScreen(QStringLiteral("checking"));
    QCOMPARE(currentFontScale(), 100);

    // A glyph this machine lacks (Japanese, without a CJK font) counts as a square of the line height.
    const auto textWidth = [](const QFontMetrics& metrics, const QString& text) {
        int width = 0;
        for (const QChar c : text)
            width += metrics.inFont(c) ? metrics.horizontalAdvance(c) : metrics.height();
        return width;
    };
    QHeaderView* header = m_table->horizontalHeader();
    const int headerMargin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    const int cellMargin = m_table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_table) + 1;
    QStringList tooWide;
    const auto check = [&](int column, const QString& text, const QFontMetrics& metrics, int margin) {
        const int needed = textWidth(metrics, text) + 2 * margin;
        if (needed > header->sectionSize(column))
            tooWide.append(QStringLiteral("%1 needs %2 of %3").arg(text).arg(needed).arg(header->sectionSize(column)));
    };

    // Headers in every mode: ordinary, two-line, a credit card's.
    RegisterModel headers;
    for (const auto& [twoLine, liability] : {std::pair(false, false), {true, false}, {false, true}}) {
        headers.setTwoLine(twoLine);
        headers.setLiabilityAccount(liability);
        for (int column = 0; column < RegisterModel::ColumnCount; ++column)
            check(column, headers.headerData(column, Qt::Horizontal).toString(), header->fontMetrics(), headerMargin);
    }
    // The entry row's placeholders, in the table's own font: they must not wrap.
    const int entry = m_model->entryRow();
    for (int column = 0; column < RegisterModel::BalanceColumn; ++column) {
        if (column != RegisterModel::DateColumn)
            check(column, m_model->index(entry, column).data().toString(), m_table->fontMetrics(), cellMargin);
    }
    check(RegisterModel::CategoryColumn, RegisterModel::tr("\u2014Split\u2014"), m_table->fontMetrics(), cellMargin);
    QVERIFY2(tooWide.isEmpty(), qPrintable(tooWide.join(QLatin1String("; "))));
}

VELLUMRY_TEST_MAIN(TestRegisterScreen)
#include "tst_registerscreen.moc"
