#include "RegisterLedger.h"
#include "TestMain.h"

#include "data/Database.h"
#include "data/PreferencesRepository.h"
#include "data/RecurringRepository.h"
#include "data/SplitLineRepository.h"
#include "register/RegisterModel.h"
#include "register/RegisterScreen.h"
#include "register/RegisterTableView.h"
#include "screens/RecurringFormDialog.h"
#include "widgets/SmartAmountField.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTimer>

namespace {

QStringList g_menuTexts;

// Keys as a keyboard sends them: to an open popup, else to the focus widget.
// "<Ctrl+Return>" is one key with its modifiers, other text is typed, and
// "<Menu>" opens the current cell's context menu and plays the rest into it.
void play(QAbstractItemView* table, const QString& script)
{
    const qsizetype menu = script.indexOf(QStringLiteral("<Menu>"));
    if (menu >= 0) {
        play(table, script.left(menu));
        QTimer::singleShot(0, table, [table, rest = script.mid(menu + 6)] {
            g_menuTexts.clear();
            for (const QAction* action : QApplication::activePopupWidget()->actions())
                g_menuTexts.append(action->text() + QLatin1Char(' ') + action->shortcut().toString());
            play(table, rest);
        });
        const QPoint pos = table->visualRect(table->currentIndex()).center();
        QContextMenuEvent event(QContextMenuEvent::Keyboard, pos, table->viewport()->mapToGlobal(pos));
        QApplication::sendEvent(table->viewport(), &event);
        return;
    }
    static const QRegularExpression token(QStringLiteral("<([^>]+)>|[^<]+"));
    for (auto tokens = token.globalMatch(script); tokens.hasNext();) {
        const QRegularExpressionMatch match = tokens.next();
        // The offscreen platform leaves a closed popup active; a desktop gives the window back.
        if (!QApplication::activePopupWidget() && QApplication::activeWindow() != table->window()) {
            table->window()->activateWindow();
            QCoreApplication::processEvents();
        }
        QWidget* target = QApplication::activePopupWidget() ? QApplication::activePopupWidget() : QApplication::focusWidget();
        if (match.captured(1).isEmpty()) {
            QTest::keyClicks(target, match.captured(0));
        } else {
            const QKeyCombination key = QKeySequence(match.captured(1))[0];
            QTest::keyClick(target, key.key(), key.keyboardModifiers());
        }
        QCoreApplication::processEvents();
    }
}

// What the main window hands the register: the recurring form in its memorize mode.
std::optional<RecurringTransaction> memorizeForm(AppState* state, const RecurringTransaction& seed, QWidget* parent)
{
    RecurringFormDialog* form = RecurringFormDialog::createFromSeed(state, seed, parent);
    std::optional<RecurringTransaction> record;
    if (ModalDialog::exec(form) == QDialog::Accepted)
        record = form->recurring();
    form->deleteLater();
    return record;
}

} // namespace

class TestRegisterEntry : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void keyboardAlone_data();
    void keyboardAlone();
    void refusedCommits_data();
    void refusedCommits();
    void entryRowCommands();
    void rowCommands();

private:
    void showScreen();
    // Every stored row of Checking and Savings in one line each, ids left out
    // but links shown: "->savings" is a leg linked both ways to a Savings row.
    QStringList stored() const;

    std::unique_ptr<RegisterLedger> m_ledger;
    std::unique_ptr<RegisterScreen> m_screen;
    RegisterTableView* m_table = nullptr;
    RegisterModel* m_model = nullptr;
};

void TestRegisterEntry::init()
{
    QSettings().clear();
    m_ledger = std::make_unique<RegisterLedger>();
    QVERIFY(m_ledger->ready && m_ledger->addCategory(QStringLiteral("fuel"), QStringLiteral("Fuel")));
}

void TestRegisterEntry::cleanup()
{
    m_screen.reset();
    m_ledger.reset();
}

void TestRegisterEntry::showScreen()
{
    m_screen = std::make_unique<RegisterScreen>(&m_ledger->state);
    m_table = child<RegisterTableView>(m_screen.get(), "registerTable");
    m_model = qobject_cast<RegisterModel*>(m_table->model());
    m_screen->resize(1400, 600);
    m_screen->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    m_screen->setAccount(QStringLiteral("checking"));
    m_table->setFocus();
}

QStringList TestRegisterEntry::stored() const
{
    QList<Transaction> all = m_ledger->rows(QStringLiteral("checking")) + m_ledger->rows(QStringLiteral("savings"));
    QStringList rows;
    const auto categoryName = [this](const QString& id) {
        return id.isEmpty() ? QString() : m_ledger->state.categoryRepository->findById(id)->name;
    };
    for (const Transaction& t : all) {
        const Transaction other = m_ledger->load(t.transferLinkId);
        const QString link = other.transferLinkId == t.id && other.accountId == t.transferDestAccountId
                                 ? QStringLiteral(" ->") + other.accountId
                                 : QString();
        rows.append(QStringLiteral("%1 %2 %3|%4|%5|%6|#%7 %8%9%10 v%11 %12")
                        .arg(t.accountId, t.date.toString(Qt::ISODate), t.payee, t.memo, QString::number(t.amount),
                             categoryName(t.categoryId), t.checkNumber,
                             QString(t.cleared ? "C" : "-") + (t.reconciled ? "R" : "-"), link)
                        .arg(t.isSplit ? " split" : "")
                        .arg(t.version)
                        .arg(t.syncStatus == SyncStatus::Pending ? "pending" : "synced"));
        for (const SplitLine& line : m_ledger->state.splitLineRepository->listByTransaction(t.id))
            rows.append(QStringLiteral("  %1 %2").arg(categoryName(line.categoryId)).arg(line.amount));
    }
    return rows;
}

void TestRegisterEntry::keyboardAlone_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("nextDate");
    // Enter walks the fields and saves past the last one; Tab walks them and
    // takes a completion; the split editor is reached through the context menu.
    QTest::newRow("plain") << "<Return>3/4/2024<Return>101<Return>Coffee<Return>Food<Tab>latte<Return>4.50<Return>"
                              "<Return><Space><Return>"
                           << QStringList{"checking 2024-03-04 Coffee|latte|-450|Food|#101 C- v1 pending"} << "3/4/2024";
    QTest::newRow("transfer") << "<Tab><Tab>[Transfer] Savings<Tab><Tab><Tab>100<Ctrl+Return>"
                              << QStringList{"checking 2024-03-05 Transfer to Savings||-10000||# -- ->savings v1 pending",
                                             "savings 2024-03-05 Transfer from Checking||10000||# -- ->checking v1 pending"}
                              << "3/5/2024";
    QTest::newRow("split") << "<Tab><Tab>Market<Tab><Tab><Tab>30<Ctrl+Return><Up><Menu>s"
                           << QStringList{"checking 2024-03-05 Market||-3000||# -- split v2 pending", "  Food -2000",
                                          "  Fuel -1000"}
                           << "3/5/2024";
    QTest::newRow("both amounts") << "<Tab><Tab>Shop<Tab><Tab><Tab>12.50<Tab>3<Ctrl+Return>"
                                  << QStringList{"checking 2024-03-05 Shop||-1250||# -- v1 pending"} << "3/5/2024";
    QTest::newRow("bad date, apostrophe, category path")
        << "<Return>13/45/2024<Tab><Tab>Joe's Diner<Tab>Household > Fuel<Tab><Tab><Tab>7<Ctrl+Return>"
        << QStringList{"checking 2024-03-05 Joe's Diner||700|Fuel|# -- v1 pending"} << "3/5/2024";
}

void TestRegisterEntry::refusedCommits_data()
{
    QTest::addColumn<QString>("payee");
    QTest::addColumn<QString>("shown");
    QTest::newRow("blank payee") << "  " << "Payee is required";
    QTest::newRow("no amount") << "Shop" << "Enter a payment or deposit amount";
    QTest::newRow("unknown account") << "[Transfer] savings" << "Transfer account not found";
    QTest::newRow("other currency") << "[Transfer] Euro" << "Transfers require both accounts to use the same currency";
    // The other leg is written first and must go when the typed one fails.
    QTest::newRow("second leg fails") << "[Transfer] Savings" << "Transaction Not Saved";
}

void TestRegisterEntry::refusedCommits()
{
    QFETCH(QString, payee);
    QFETCH(QString, shown);
    QVERIFY(QSqlQuery(m_ledger->state.database->database())
                .exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON transactions WHEN NEW.payee = "
                                     "'Transfer to Savings' BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    MessageBox::setNextAnswer(QMessageBox::Ok);
    showScreen();
    QSignalSpy errors(m_screen.get(), &RegisterScreen::errorMessage);
    play(m_table, QStringLiteral("<Tab><Tab>%1<Tab><Tab><Tab>%2<Ctrl+Return>").arg(payee, payee == u"Shop" ? "" : "5"));
    // Nothing saved, nothing typed lost, and the typing goes on in the same row.
    QCOMPARE(QStringList({child<QLabel>(m_screen.get(), "statusLabel")->text() + errors.value(0).value(0).toString()
                              + (shown == u"Transaction Not Saved" ? MessageBox::lastTitle() : QString()),
                          m_model->entryText(RegisterModel::PayeeSlot), QString::number(m_table->currentIndex().row())}),
             QStringList({shown, payee, "0"}));
    QCOMPARE(stored(), QStringList());
}

void TestRegisterEntry::entryRowCommands()
{
    Transaction rent = RegisterLedger::row(QStringLiteral("checking"), QStringLiteral("Rent"), -90000);
    rent.categoryId = QStringLiteral("food");
    rent.cleared = rent.reconciled = true;
    m_ledger->add(rent);
    m_ledger->state.preferencesRepository->set(registerFilterKey(QStringLiteral("checking")),
                                               QStringLiteral("{\"cleared\":true}"));
    showScreen();
    auto* status = child<QLabel>(m_screen.get(), "statusLabel");
    const auto statusAfter = [&](const QString& keys) {
        status->clear();
        play(m_table, keys);
        return status->text();
    };

    // ' copies the row above: its category by id, not one picked here before,
    // and its reconciled mark only as cleared.
    m_model->setEntryText(RegisterModel::CategoryIdSlot, QStringLiteral("fuel"));
    for (const int column : {RegisterModel::PayeeColumn, RegisterModel::CategoryColumn, RegisterModel::PaymentColumn,
                             RegisterModel::ClearedColumn}) {
        m_table->setCurrentIndex(m_model->index(1, column));
        play(m_table, QStringLiteral("'"));
    }
    QCOMPARE(statusAfter(QStringLiteral("<Ctrl+Return>")), QString());
    QCOMPARE(statusAfter(QStringLiteral("<Tab><Tab>Draft<Ctrl+D>")), QStringLiteral("Fields cleared"));
    QCOMPARE(m_model->entryText(RegisterModel::PayeeSlot), QString());
    QCOMPARE(statusAfter(QStringLiteral("<Tab><Tab>Hidden<Tab><Tab><Tab>1<Ctrl+Return>")),
             QStringLiteral("Saved. It isn't listed because of the current filter."));
    QCOMPARE(stored(), QStringList({"checking 2024-03-05 Rent||-90000|Food|# C- v1 pending",
                                    "checking 2024-03-05 Hidden||-100||# -- v1 pending",
                                    "checking 2024-03-01 Rent||-90000|Food|# CR v1 pending"}));
}

void TestRegisterEntry::rowCommands()
{
    Transaction old = RegisterLedger::row(QStringLiteral("checking"), QStringLiteral("Old"), -100);
    old.date = QDate(1999, 12, 31);
    m_ledger->add(old);
    m_ledger->add(RegisterLedger::row(QStringLiteral("checking"), QStringLiteral("Gym"), -2500));
    Transaction rent = RegisterLedger::row(QStringLiteral("checking"), QStringLiteral("Rent"), -90000);
    rent.date = QDate(2024, 3, 2);
    rent.cleared = rent.reconciled = true;
    m_ledger->add(rent);
    showScreen();
    m_screen->setMemorizeForm([this](const RecurringTransaction& seed, QWidget* parent) {
        return memorizeForm(&m_ledger->state, seed, parent);
    });
    auto* status = child<QLabel>(m_screen.get(), "statusLabel");

    m_table->setCurrentIndex(m_model->index(0, 0));
    play(m_table, QStringLiteral("<Ctrl+M>"));
    QCOMPARE(status->text(), QStringLiteral("Cannot memorize: source transaction has an invalid date"));
    ModalDialog::setNextHandler(clickOk);
    play(m_table, QStringLiteral("<Down><Ctrl+M>"));
    QCOMPARE(ModalDialog::lastTitle(), QStringLiteral("Memorize Transaction"));
    QCOMPARE(status->text(), QStringLiteral("Transaction memorized as recurring"));
    const QList<RecurringTransaction> memorized = m_ledger->state.recurringRepository->listAll();
    QCOMPARE(memorized.size(), 1);
    const RecurringTransaction& record = memorized.first();
    QCOMPARE(QVariantList({record.payee, record.amount, record.startDate, int(record.frequency),
                           record.updatedAt == record.createdAt}),
             QVariantList({"Gym", -2500, QDate(2024, 3, 1), int(RecurringFrequency::Monthly), true}));

    // Details, then Edit: the form opens on the row as the details left it.
    ModalDialog::setNextHandler([](QDialog* details) {
        QTest::mouseClick(child<QPushButton>(details, "toggleClearedButton"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(details, "editButton"), Qt::LeftButton);
    });
    ModalDialog::setNextHandler([](QDialog* form) {
        typeOver(child<QLineEdit>(form, "memoEdit"), QStringLiteral("monthly"));
        clickOk(form);
    });
    play(m_table, QStringLiteral("<Alt+Return>"));
    // A row gone when the details close is left alone: no form opens for it.
    ModalDialog::setNextHandler([this, old](QDialog* details) {
        m_ledger->state.transactionRepository->softDelete(old.id);
        QTest::mouseClick(child<QPushButton>(details, "editButton"), Qt::LeftButton);
    });
    play(m_table, QStringLiteral("<Up><Alt+Return>"));

    // The menu's "Mark Uncleared" clears even a reconciled row.
    m_table->setCurrentIndex(m_model->index(1, 0));
    play(m_table, QStringLiteral("<Menu>uu<Return>"));
    QCOMPARE(g_menuTexts, QStringList({"&Insert New Ctrl+I", "&New Transaction... ", " ", "Show &Details... Alt+Return",
                                       "&Split Transaction... ", "&Edit in Dialog... Ctrl+E", "D&uplicate... ",
                                       "Mark &Uncleared ", "&Delete Ctrl+D"}));
    QCOMPARE(stored(), QStringList({"checking 2024-03-02 Rent||-90000||# -R v2 pending",
                                    "checking 2024-03-01 Gym|monthly|-2500||# C- v3 pending"}));
}

void TestRegisterEntry::keyboardAlone()
{
    QFETCH(QString, keys);
    QFETCH(QStringList, rows);
    QFETCH(QString, nextDate);
    ModalDialog::setNextHandler([](QDialog* editor) {
        auto* lines = child<QTableWidget>(editor, "splitTable");
        for (int line = 0; line < 2; ++line) {
            auto* category = qobject_cast<QComboBox*>(lines->cellWidget(line, 0));
            category->setCurrentIndex(category->findText(line == 0 ? QStringLiteral("Food") : QStringLiteral("Fuel")));
            typeOver(qobject_cast<SmartAmountField*>(lines->cellWidget(line, 1)), line == 0 ? "20" : "10");
        }
        clickOk(editor);
    });
    showScreen();
    play(m_table, keys);
    QCOMPARE(stored(), rows);
    QCOMPARE(m_model->entryText(RegisterModel::DateSlot), nextDate);
}

VELLUMRY_TEST_MAIN(TestRegisterEntry)
#include "tst_registerentry.moc"
