#include "MainWindowTestSupport.h"
#include "RegisterKeys.h"
#include "TestMain.h"

#include "data/ReconciliationRepository.h"
#include "data/SplitLineRepository.h"
#include "register/RegisterModel.h"
#include "register/RegisterTableView.h"
#include "screens/ReconciliationScreen.h"
#include "screens/RecurringScreen.h"
#include "services/ImportService.h"
#include "widgets/MessageBox.h"
#include "widgets/ModalDialog.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>
#include <QTableWidget>

namespace {

// What an import brings in past what a person may type: 150,000,000.00 dollars
// paid twice, once split, and 120,000,000 yen.
const QByteArray kImported = "!Account\nNChecking\nTBank\n^\n!Type:Bank\n"
                             "D03/01/2024\nT-150,000,000.00\nPBrokerage\nMShares\nLFood\n^\n"
                             "D03/02/2024\nT-150,000,000.00\nPBuilder\nSFood\n$-100,000,000.00\nSRent\n"
                             "$-50,000,000.00\n^\n"
                             "!Account\nNYen\nTBank\n^\n!Type:Bank\nD03/03/2024\nT-120,000,000\nPHouse\n^\n";

constexpr qint64 kLarge = Q_INT64_C(15000000000);

} // namespace

// Each row changes something other than an amount, in a form or in the
// register, and reads back what the ledger stores.
class TestStoredAmounts : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void onlyTypedAmountsChange_data();
    void onlyTypedAmountsChange();

private:
    QStringList ledger() const;
    QString categoryName(const QString& id) const;
    RegisterTableView* registerTable() const { return child<RegisterTableView>(m_world->window.get(), "registerTable"); }
    // The cell of the row showing `payee`; of the entry row for none.
    QModelIndex cellOf(const QString& payee, int column) const;
    void clickCell(const QString& payee, int column) const;
    void chooseInRowMenu(const QString& payee, const QString& entry) const;
    void onForm(const std::function<void(QDialog*)>& fill);
    void act(const QString& how, const QString& target);

    std::unique_ptr<WindowWorld> m_world;
    QString m_said;
};

void TestStoredAmounts::init()
{
    m_world = std::make_unique<WindowWorld>(Start::SignedOut);
    QVERIFY(m_world->isReady());
    AppState* state = m_world->state.get();
    // As a restore writes an account: its opening balance held on the account, then backfilled.
    Account checking = m_world->addAccount(QStringLiteral("Checking"));
    checking.startingBalance = kLarge;
    QVERIFY(state->accountRepository->update(checking));
    const Account yen = m_world->addAccount(QStringLiteral("Yen"), Currency::JPY);
    state->backfillOpeningBalances();
    const QString file = QDir(QDir::tempPath()).filePath(QStringLiteral("stored-amounts.qif"));
    QFile qif(file);
    QVERIFY(qif.open(QIODevice::WriteOnly) && qif.write(kImported) == kImported.size());
    qif.close();
    const ImportResult imported = state->importService->importQif(
        {file}, {{QStringLiteral("Checking"), checking.id}, {QStringLiteral("Yen"), yen.id}});
    QCOMPARE(imported.imported, 3);
    QFile::remove(file);
    // As a pull writes a recurring payment of the same size.
    RecurringTransaction salary;
    std::tie(salary.id, salary.accountId, salary.payee, salary.amount) = std::tuple(newId(), checking.id, "Salary", kLarge);
    salary.startDate = salary.nextDueDate = WindowWorld::now().date().addMonths(1);
    salary.createdAt = salary.updatedAt = WindowWorld::now();
    QVERIFY(state->recurringRepository->insert(salary));
    m_said.clear();
}

void TestStoredAmounts::cleanup()
{
    ModalDialog::clearNextHandler();
    MessageBox::clearNextAnswer();
    m_world.reset();
}

QString TestStoredAmounts::categoryName(const QString& id) const
{
    const std::optional<Category> category = m_world->state->categoryRepository->findById(id);
    return category ? category->name : QString();
}

// Every stored amount with what names it: "account date payee amount|memo|category|split lines", the
// recurring records and the reconciliations.
QStringList TestStoredAmounts::ledger() const
{
    const AppState* state = m_world->state.get();
    QStringList lines;
    for (const Account& account : state->accountRepository->listActive()) {
        for (const Transaction& t : state->transactionRepository->listByAccount(account.id)) {
            QStringList split;
            for (const SplitLine& line : state->splitLineRepository->listByTransaction(t.id))
                split.append(QStringLiteral("%1 %2 %3").arg(line.amount).arg(categoryName(line.categoryId), line.memo));
            lines.append(QStringLiteral("%1 %2 %3 %4|%5|%6|%7")
                             .arg(account.name, t.date.toString(Qt::ISODate), t.payee)
                             .arg(t.amount)
                             .arg(t.memo, categoryName(t.categoryId), split.join(QStringLiteral("; "))));
        }
        for (const Reconciliation& done : state->reconciliationRepository->listByAccount(account.id))
            lines.append(QStringLiteral("%1 statement %2").arg(account.name).arg(done.statementBalance));
    }
    for (const RecurringTransaction& record : state->recurringRepository->listAll())
        lines.append(QStringLiteral("recurring %1 %2|%3").arg(record.payee).arg(record.amount).arg(record.memo));
    lines.sort();
    return lines;
}

QModelIndex TestStoredAmounts::cellOf(const QString& payee, int column) const
{
    const auto* model = qobject_cast<const RegisterModel*>(registerTable()->model());
    if (payee.isEmpty())
        return model->index(model->entryRow(), column);
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->index(row, RegisterModel::PayeeColumn).data().toString() == payee)
            return model->index(row, column);
    }
    qFatal("no register row %s", qPrintable(payee));
}

void TestStoredAmounts::clickCell(const QString& payee, int column) const
{
    QTableView* table = registerTable();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(cellOf(payee, column)).center());
}

void TestStoredAmounts::chooseInRowMenu(const QString& payee, const QString& entry) const
{
    QTableView* table = registerTable();
    contextMenuAt(table, table->visualRect(cellOf(payee, RegisterModel::PayeeColumn)).center(), entry);
}

// A tool window as a person sees it: shown, laid out and taking the keys.
template <typename Screen>
static Screen* bringUp(Screen* screen)
{
    if (!screen)
        qFatal("no tool window");
    // Sharing its activation with the main window, it would pass for active without being so.
    QApplication::setActiveWindow(screen->window());
    if (!QTest::qWaitForWindowActive(screen->window()) || QApplication::activeWindow() != screen->window())
        qWarning("the tool window did not take the keys");
    return screen;
}

void TestStoredAmounts::onForm(const std::function<void(QDialog*)>& fill)
{
    ModalDialog::setNextHandler([fill](QDialog* form) {
        fill(form);
        QTest::mouseClick(form->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
}

// What a person does: "form", "splits", "duplicate", "memorize", "recurring", "reconcile",
// "account", "statement", or "register <column> <keys>" typed over the row's cell.
void TestStoredAmounts::act(const QString& how, const QString& target)
{
    MainWindow* window = m_world->window.get();
    const auto changeMemo = [](QDialog* form) { retype(form, "memoEdit", QStringLiteral("Changed")); };
    if (how == u"form") {
        onForm(changeMemo);
        clickCell(target, RegisterModel::DateColumn);
        play(registerTable(), QStringLiteral("<Escape><Ctrl+E>"));
    } else if (how == u"splits") {
        onForm([this](QDialog* form) {
            m_said = child<QLabel>(form, "remainingLabel")->text();
            auto* lines = form->findChild<QTableWidget*>();
            lines->setCurrentCell(0, 2);
            lines->editItem(lines->item(0, 2));
            QTest::keyClicks(form->focusWidget(), QStringLiteral("Frame"));
            QTest::keyClick(form->focusWidget(), Qt::Key_Tab);
        });
        chooseInRowMenu(target, QStringLiteral("Edit &Splits..."));
    } else if (how == u"duplicate") {
        onForm([](QDialog*) {});
        chooseInRowMenu(target, QStringLiteral("D&uplicate..."));
    } else if (how == u"memorize") {
        onForm([](QDialog*) {});
        clickCell(target, RegisterModel::DateColumn);
        play(registerTable(), QStringLiteral("<Escape><Ctrl+M>"));
    } else if (how == u"recurring") {
        QTest::keySequence(window, QKeySequence(QStringLiteral("Ctrl+3")));
        auto* view = child<QTableView>(bringUp(window->findChild<RecurringScreen*>()), "recurringTable");
        const QModelIndex row = view->model()->match(view->model()->index(0, 1), Qt::DisplayRole, target).value(0);
        onForm(changeMemo);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(row).center());
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(row).center());
    } else if (how == u"reconcile" || how == u"statement") {
        QTest::keySequence(window, QKeySequence(QStringLiteral("Ctrl+R")));
        auto* screen = bringUp(window->findChild<ReconciliationScreen*>());
        auto* table = child<QTableWidget>(screen, "transactionTable");
        const auto press = [table](const QString& rowPayee, Qt::Key key) {
            const QTableWidgetItem* item = table->findItems(rowPayee, Qt::MatchExactly).value(0);
            QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualItemRect(item).center());
            QTest::keyClick(table, key);
        };
        if (how == u"reconcile") {
            onForm(changeMemo);
            press(target, Qt::Key_F2);
            return;
        }
        press(QStringLiteral("Brokerage"), Qt::Key_Space);
        press(QStringLiteral("Builder"), Qt::Key_Space);
        retype(screen, "statementBalanceField", target);
        m_said = child<QLabel>(screen, "differenceLabel")->text();
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QTest::mouseClick(child(screen, "finishButton"), Qt::LeftButton);
    } else if (how == u"account") {
        MessageBox::setNextAnswer(QMessageBox::Yes);
        onForm([](QDialog* form) {
            auto* type = child<QComboBox>(form, "typeCombo");
            type->setFocus();
            QTest::keyClicks(type, QStringLiteral("Cr"));
        });
        QMenuBar* bar = window->menuBar();
        QAction* accountMenu = bar->actions().value(2);
        bar->setActiveAction(accountMenu);
        QTRY_VERIFY(accountMenu->menu()->isVisible());
        accountMenu->menu()->setActiveAction(window->findChild<QAction*>(QStringLiteral("editAccountAction")));
        QTest::keyClick(accountMenu->menu(), Qt::Key_Return);
    } else {
        const int column = how.section(QLatin1Char(' '), 1, 1).toInt();
        clickCell(target, column);
        play(registerTable(), how.section(QLatin1Char(' '), 2));
        m_said = child<QLabel>(window, "statusLabel")->text();
    }
}

void TestStoredAmounts::onlyTypedAmountsChange_data()
{
    QTest::addColumn<QString>("account");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("target"); // the row's payee, or the statement balance typed
    QTest::addColumn<QString>("said"); // the split editor's remainder, the register's status, the difference
    QTest::addColumn<QStringList>("stored");

    const QString brokerage = QStringLiteral("Checking 2024-03-01 Brokerage -15000000000|Shares|Food|");
    const QString builder =
        QStringLiteral("Checking 2024-03-02 Builder -15000000000|||-10000000000 Food ; -5000000000 Rent ");
    const QString opening = QStringLiteral("Checking 2024-03-05 Opening Balance 15000000000|||");
    const QString house = QStringLiteral("Yen 2024-03-03 House -120000000|||");
    const QString salary = QStringLiteral("recurring Salary 15000000000|");
    const QStringList before{brokerage, builder, opening, house, "Yen 2024-03-05 Opening Balance 0|||", salary};
    // `before` with a line replaced, or one added where it replaces none.
    using Change = QPair<QString, QString>;
    const auto after = [before](const QList<Change>& changes) {
        QStringList lines = before;
        for (const auto& [replaced, line] : changes) {
            if (replaced.isEmpty())
                lines.append(line);
            else
                lines.replace(lines.indexOf(replaced), line);
        }
        lines.sort();
        return lines;
    };
    const auto row = [](const char* name, const char* account, const QString& how, const char* target,
                        const QString& said, const QStringList& stored) {
        QTest::newRow(name) << QString::fromLatin1(account) << how << QString::fromLatin1(target) << said << stored;
    };
    const QString memo = QStringLiteral("register %1 <Ctrl+A>Changed<Ctrl+Return>").arg(RegisterModel::MemoColumn);
    const auto typed = [](int column, const char* keys) {
        return QStringLiteral("register %1 %2").arg(column).arg(QLatin1String(keys));
    };
    const QString changedBrokerage = QStringLiteral("Checking 2024-03-01 Brokerage -15000000000|Changed|Food|");
    row("form", "Checking", "form", "Brokerage", {}, after({{brokerage, changedBrokerage}}));
    row("form, yen", "Yen", "form", "House", {}, after({{house, "Yen 2024-03-03 House -120000000|Changed||"}}));
    row("form, split", "Checking", "form", "Builder", {},
        after({{builder, "Checking 2024-03-02 Builder -15000000000|Changed||-10000000000 Food ; -5000000000 Rent "}}));
    row("form, opening balance", "Checking", "form", "Opening Balance", {},
        after({{opening, "Checking 2024-03-05 Opening Balance 15000000000|Changed||"}}));
    row("split editor", "Checking", "splits", "Builder", "Remaining: $0.00",
        after({{builder, "Checking 2024-03-02 Builder -15000000000|||-10000000000 Food Frame; -5000000000 Rent "}}));
    // A copy is dated today.
    row("duplicate", "Checking", "duplicate", "Brokerage", {},
        after({{{}, "Checking 2024-03-05 Brokerage -15000000000|Shares|Food|"}}));
    row("memorize", "Checking", "memorize", "Brokerage", {}, after({{{}, "recurring Brokerage -15000000000|Shares"}}));
    row("recurring form", "Checking", "recurring", "Salary", {}, after({{salary, "recurring Salary 15000000000|Changed"}}));
    row("reconciliation form", "Checking", "reconcile", "Brokerage", {}, after({{brokerage, changedBrokerage}}));
    // The sign changes with the type; the size stays.
    row("account form", "Checking", "account", "", {},
        after({{opening, "Checking 2024-03-05 Opening Balance -15000000000|||"}}));
    row("statement balance", "Checking", "statement", "-150000000.00", "$0.00",
        after({{{}, "Checking statement -15000000000"}}));
    row("register memo", "Checking", memo, "Brokerage", {}, after({{brokerage, changedBrokerage}}));
    row("register memo, yen", "Yen", memo, "House", {}, after({{house, "Yen 2024-03-03 House -120000000|Changed||"}}));
    row("register payee", "Checking", typed(RegisterModel::PayeeColumn, "<Ctrl+A>Stockbroker<Tab><Ctrl+Return>"),
        "Brokerage", {}, after({{brokerage, "Checking 2024-03-01 Stockbroker -15000000000|Shares|Food|"}}));
    row("register category", "Checking", typed(RegisterModel::CategoryColumn, "<Ctrl+A>Rent<Tab><Ctrl+Return>"),
        "Brokerage", {}, after({{brokerage, "Checking 2024-03-01 Brokerage -15000000000|Shares|Rent|"}}));
    row("register date", "Yen", typed(RegisterModel::DateColumn, "<Ctrl+A>3/9/2024<Ctrl+Return>"), "House", {},
        after({{house, "Yen 2024-03-09 House -120000000|||"}}));
    row("register, Enter through the row", "Checking",
        typed(RegisterModel::DateColumn, "<Return><Return><Return><Return><Return><Return><Return><Return>"),
        "Brokerage", {}, before);
    row("register, a payee fills in a stored amount", "Checking",
        typed(RegisterModel::PayeeColumn, "Brokerage<Tab><Ctrl+Return>"), "", {},
        after({{{}, "Checking 2024-03-05 Brokerage -15000000000|Shares|Food|"}}));
    // Typed, the same figure is past the limit, and the register says which is the largest.
    row("register, typed past the limit", "Checking",
        typed(RegisterModel::PaymentColumn, "<Ctrl+A>150000000.00<Ctrl+Return>"), "Brokerage",
        "Amount too large: 150000000.00. The largest amount is 99,999,999.99.", before);
    row("register, yen typed past the limit", "Yen", typed(RegisterModel::PaymentColumn, "<Ctrl+A>120000000<Ctrl+Return>"),
        "House", "Amount too large: 120000000. The largest amount is 99,999,999.", before);
}

void TestStoredAmounts::onlyTypedAmountsChange()
{
    QFETCH(QString, account);
    QFETCH(QString, how);
    QFETCH(QString, target);
    for (const Account& each : m_world->state->accountRepository->listActive()) {
        if (each.name == account)
            m_world->state->currentAccountId = each.id;
    }
    m_world->open();
    m_world->window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_world->window.get()));
    act(how, target);
    QTRY_VERIFY(!registerTable()->isEditing());
    QTEST(m_said, "said");
    QTEST(ledger(), "stored");
}

VELLUMRY_TEST_MAIN(TestStoredAmounts)
#include "tst_storedamounts.moc"
