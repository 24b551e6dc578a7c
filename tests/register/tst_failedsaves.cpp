#include "RegisterLedger.h"
#include "TestMain.h"

#include "data/Database.h"
#include "register/RegisterModel.h"
#include "register/RegisterScreen.h"
#include "register/RegisterTableView.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QRegularExpression>
#include <QSqlQuery>

#include <memory>

namespace {

// How the ledger fails under the running program.
enum class Fault { DiskFull, ReadOnly };

// A note too long for the room left in the file: its row needs pages of its own.
const QString kLongMemo = QStringList(200, QStringLiteral("receipt kept in the blue folder")).join(u", ");

void pasteLongMemo(QWidget* target)
{
    QGuiApplication::clipboard()->setText(kLongMemo);
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
}

// Keys to the focus widget of `window`: "<Ctrl+Return>" is one key, "<Paste>" pastes the long note,
// other text is typed.
void play(QWidget* window, const QString& script)
{
    static const QRegularExpression token(QStringLiteral("<([^>]+)>|[^<]+"));
    for (auto tokens = token.globalMatch(script); tokens.hasNext();) {
        const QRegularExpressionMatch match = tokens.next();
        // The offscreen platform gives the window back neither at the start nor after a dialog.
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QWidget* target = QApplication::focusWidget();
        if (match.captured(1) == u"Paste") {
            pasteLongMemo(target);
        } else if (!match.captured(1).isEmpty()) {
            const QKeyCombination key = QKeySequence(match.captured(1))[0];
            QTest::keyClick(target, key.key(), key.keyboardModifiers());
        } else {
            QTest::keyClicks(target, match.captured(0));
        }
        QCoreApplication::processEvents();
    }
}

} // namespace

Q_DECLARE_METATYPE(Fault)

class TestFailedSaves : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void saysWhyAndKeepsWhatWasTyped_data();
    void saysWhyAndKeepsWhatWasTyped();

private:
    void fail(Fault fault);
    QStringList stored() const;

    std::unique_ptr<RegisterLedger> m_ledger;
};

void TestFailedSaves::init()
{
    m_ledger = std::make_unique<RegisterLedger>();
    QVERIFY(m_ledger->ready);
    m_ledger->add(RegisterLedger::row(QStringLiteral("checking"), QStringLiteral("Rent"), -90000));
}

void TestFailedSaves::cleanup()
{
    m_ledger.reset();
}

void TestFailedSaves::fail(Fault fault)
{
    QSqlQuery query(m_ledger->state.database->database());
    if (fault == Fault::ReadOnly) {
        QVERIFY(query.exec(QStringLiteral("PRAGMA query_only = ON")));
        return;
    }
    // The file may grow no more: the disk is full.
    QVERIFY(query.exec(QStringLiteral("PRAGMA freelist_count")) && query.next());
    QCOMPARE(query.value(0).toInt(), 0);
    QVERIFY(query.exec(QStringLiteral("PRAGMA page_count")) && query.next());
    const int pages = query.value(0).toInt();
    QVERIFY(query.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(pages)));
}

QStringList TestFailedSaves::stored() const
{
    QStringList rows;
    for (const Transaction& transaction : m_ledger->rows(QStringLiteral("checking")))
        rows.append(describe(transaction));
    return rows;
}

void TestFailedSaves::saysWhyAndKeepsWhatWasTyped_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown"); // the status line, or a box's title and text after a "|"

    const QString full = QStringLiteral("database or disk is full");
    const QString readOnly = QStringLiteral("attempt to write a readonly database");
    const QString status = QStringLiteral("The transaction could not be saved. Please try again.\n%1");
    const QString formBox = QStringLiteral("Transaction Not Saved|The transaction could not be saved, and nothing "
                                           "was changed. Please try again.\n\n%1");
    const QString newRow = QStringLiteral("<Tab><Tab>Shop<Tab><Tab><Paste><Tab>5<Ctrl+Return>");
    const QString editedRow = QStringLiteral("<Up><Tab><Tab><Tab><Tab><Paste><Ctrl+Return>");
    QTest::newRow("new row, disk full") << Fault::DiskFull << newRow << status.arg(full);
    QTest::newRow("new row, read-only") << Fault::ReadOnly << newRow << status.arg(readOnly);
    QTest::newRow("edited row, disk full") << Fault::DiskFull << editedRow << status.arg(full);
    QTest::newRow("edited row, read-only") << Fault::ReadOnly << editedRow << status.arg(readOnly);
    QTest::newRow("new row in the form, disk full")
        << Fault::DiskFull << QStringLiteral("<Tab><Tab>Shop<Ctrl+E>") << formBox.arg(full);
    QTest::newRow("row edited in the form, read-only")
        << Fault::ReadOnly << QStringLiteral("<Up><Ctrl+E>") << formBox.arg(readOnly);
    QTest::newRow("delete, read-only")
        << Fault::ReadOnly << QStringLiteral("<Up><Ctrl+D>")
        << QStringLiteral("Transaction Not Deleted|The transaction could not be deleted, and nothing was changed. "
                          "Please try again.\n\n%1")
               .arg(readOnly);
}

void TestFailedSaves::saysWhyAndKeepsWhatWasTyped()
{
    QFETCH(Fault, fault);
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    RegisterScreen screen(&m_ledger->state);
    auto* table = child<RegisterTableView>(&screen, "registerTable");
    auto* model = qobject_cast<RegisterModel*>(table->model());
    screen.resize(1400, 600);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    screen.setAccount(QStringLiteral("checking"));
    table->setFocus();
    const QStringList before = stored();
    fail(fault);

    // The form: the note pasted, OK; after the refusal it comes back as it was left, and is cancelled.
    QString memoShownAgain;
    ModalDialog::setNextHandler([](QDialog* form) {
        pasteLongMemo(child<QLineEdit>(form, "memoEdit"));
        typeOver(child<SmartAmountField>(form, "amountField"), QStringLiteral("5"));
        clickOk(form);
    });
    ModalDialog::setNextHandler([&](QDialog* form) {
        memoShownAgain = child<QLineEdit>(form, "memoEdit")->text();
        form->reject();
    });
    const bool deleting = keys.contains(QLatin1String("Ctrl+D"));
    if (deleting)
        MessageBox::setNextAnswer(QMessageBox::Yes);
    MessageBox::setNextAnswer(QMessageBox::Ok);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(" failed: ")));
    play(&screen, keys);

    const QString status = child<QLabel>(&screen, "statusLabel")->text();
    QCOMPARE(status.isEmpty() ? MessageBox::lastTitle() + QLatin1Char('|') + MessageBox::lastText() : status, shown);
    QCOMPARE(stored(), before);
    // Nothing typed is lost: the register's row, or the form shown again, still holds the note.
    if (!deleting) {
        const bool inForm = keys.contains(QLatin1String("Ctrl+E"));
        QCOMPARE(inForm ? memoShownAgain : model->entryText(RegisterModel::MemoSlot), kLongMemo);
    }
}

VELLUMRY_TEST_MAIN(TestFailedSaves)
#include "tst_failedsaves.moc"
