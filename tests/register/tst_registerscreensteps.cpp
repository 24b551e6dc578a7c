#include "RegisterKeys.h"
#include "RegisterLedger.h"
#include "RegisterShown.h"
#include "TestMain.h"

#include "data/PreferencesRepository.h"

#include <QApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSettings>

// A seeded random run of what a person does in a register, step after step:
// dates moved with + and - or typed over, so that a row moves a place up or
// down; amounts typed; rows typed into the entry row, transfers among them,
// several sharing a date and the second they were made in; sorts by every
// column and newest first between saves; cells typed in while another window
// writes to the ledger, closed by Escape, a save, the focus leaving or a
// delete refused; rows deleted and cleared; a filter set and cleared. After
// every step the register shows what a register of the same account built
// afresh shows on the same cell (every row's nine cells, the balances, the
// figures, the title, the current cell and the row being edited), and the
// ledger holds what the steps typed and wrote, nothing else.
//
// VELLUMRY_REGISTER_STEPS sets the number of steps (400 by default),
// VELLUMRY_REGISTER_SEED the seed.
class TestRegisterScreenSteps : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void randomStepsShowWhatAFreshRegisterShows();

private:
    // A stored row as the steps expect it.
    struct Row
    {
        QDate date;
        QString payee, memo, checkNumber, categoryId;
        qint64 amount = 0;
        bool cleared = false, reconciled = false;
        int made = 0; // the order rows came into the ledger: ids are random, this is not
        QString describe() const
        {
            return QStringLiteral("%1 %2|%3|#%4|%5|%6%7")
                .arg(date.toString(Qt::ISODate), payee, memo, checkNumber, categoryId)
                .arg(amount)
                .arg(reconciled ? " R" : cleared ? " C" : "");
        }
    };
    static Row rowOf(const Transaction& t, int made = 0)
    {
        return {t.date, t.payee, t.memo, t.checkNumber, t.categoryId, t.amount, t.cleared, t.reconciled, made};
    }
    // The id of a random expected row, chosen by the order rows were made in.
    QString randomId();

    void settle();
    void clickCell(int row, int column);
    // A random row that shows a transaction; -1 when there is none.
    int randomRow();
    QString randomDate();
    QString randomAmount();
    // The step's own kind of change from elsewhere; the id it touched, if any.
    QString writeElsewhere(const QString& editedId);
    void verify(int step, const QString& what);
    QMap<QString, QString> storedRows() const;
    QMap<QString, QString> expectedRows() const;

    std::unique_ptr<RegisterLedger> m_ledger;
    std::unique_ptr<RegisterScreen> m_screen;
    RegisterTableView* m_table = nullptr;
    RegisterModel* m_model = nullptr;
    QRandomGenerator m_random;
    QHash<QString, Row> m_expected;
    int m_made = 0;
    // The steps so far, the last of them told with a failure.
    QStringList m_history;
};

void TestRegisterScreenSteps::init()
{
    failOnStrayEditors();
    QSettings().clear();
    m_ledger = std::make_unique<RegisterLedger>();
    QVERIFY(m_ledger->ready);
}

void TestRegisterScreenSteps::cleanup()
{
    m_screen.reset();
    m_ledger.reset();
}

void TestRegisterScreenSteps::settle()
{
    for (int turn = 0; turn < 4; ++turn)
        QCoreApplication::processEvents();
}

void TestRegisterScreenSteps::clickCell(int row, int column)
{
    const QModelIndex index = m_model->index(row, column);
    m_table->scrollTo(index);
    QTest::mouseClick(m_table->viewport(), Qt::LeftButton, {}, m_table->visualRect(index).center());
}

int TestRegisterScreenSteps::randomRow()
{
    const int count = m_model->transactionCount();
    if (count == 0)
        return -1;
    int row = m_random.bounded(count);
    if (row >= m_model->entryRow())
        ++row;
    return row;
}

QString TestRegisterScreenSteps::randomDate()
{
    // Three weeks of dates, so that many rows share one.
    return QDate(2024, 2, 1).addDays(m_random.bounded(21)).toString(RegisterModel::kDateFormat);
}

QString TestRegisterScreenSteps::randomAmount()
{
    return QStringLiteral("%1.%2").arg(m_random.bounded(1, 400)).arg(m_random.bounded(10, 99));
}

QString TestRegisterScreenSteps::randomId()
{
    QList<std::pair<int, QString>> made;
    for (auto it = m_expected.cbegin(); it != m_expected.cend(); ++it)
        made.append({it.value().made, it.key()});
    if (made.isEmpty())
        return QString();
    std::sort(made.begin(), made.end());
    return made.at(m_random.bounded(int(made.size()))).second;
}

QString TestRegisterScreenSteps::writeElsewhere(const QString& editedId)
{
    TransactionRepository* transactions = m_ledger->state.transactionRepository;
    switch (m_random.bounded(6)) {
    case 0: { // a row pulled by a sync
        Transaction t = RegisterLedger::row(QStringLiteral("checking"), QStringLiteral("Pulled %1").arg(++m_made),
                                            -m_random.bounded(100, 9000));
        t.date = QDate::fromString(randomDate(), RegisterModel::kDateFormat);
        m_ledger->add(t);
        m_expected.insert(t.id, rowOf(t, ++m_made));
        return t.id;
    }
    case 1: // the memo of the row being edited, typed into elsewhere
    case 2: { // or of any other row
        const QString id = !editedId.isEmpty() && m_random.bounded(2) == 0 ? editedId : randomId();
        if (id.isEmpty())
            return QString();
        Transaction t = m_ledger->load(id);
        t.memo = QStringLiteral("elsewhere %1").arg(++m_made);
        t.version += 1;
        if (!transactions->update(t))
            QTest::qFail("the memo was not written", __FILE__, __LINE__);
        m_expected[id].memo = t.memo;
        return id;
    }
    case 3: { // a row deleted elsewhere, now and then the one being edited
        const QString id = !editedId.isEmpty() && m_random.bounded(3) == 0 ? editedId : randomId();
        if (id.isEmpty() || m_ledger->load(id).transferLinkId.size() > 0)
            return QString();
        if (!transactions->softDelete(id))
            QTest::qFail("the row was not deleted", __FILE__, __LINE__);
        m_expected.remove(id);
        return id;
    }
    case 4: { // the account renamed
        Account account = *m_ledger->state.accountRepository->findById(QStringLiteral("checking"));
        account.name = QStringLiteral("Checking %1").arg(++m_made);
        if (!m_ledger->state.accountRepository->update(account))
            QTest::qFail("the account was not renamed", __FILE__, __LINE__);
        return QString();
    }
    default: // nothing
        return QString();
    }
}

QMap<QString, QString> TestRegisterScreenSteps::storedRows() const
{
    QMap<QString, QString> rows;
    for (const Transaction& t : m_ledger->rows(QStringLiteral("checking")))
        rows.insert(t.id, rowOf(t).describe());
    return rows;
}

QMap<QString, QString> TestRegisterScreenSteps::expectedRows() const
{
    QMap<QString, QString> rows;
    for (auto it = m_expected.cbegin(); it != m_expected.cend(); ++it)
        rows.insert(it.key(), it.value().describe());
    return rows;
}

void TestRegisterScreenSteps::verify(int step, const QString& what)
{
    settle();
    const QString where = m_history.mid(std::max<qsizetype>(0, m_history.size() - 6)).join(QLatin1Char('\n'))
                          + QStringLiteral("\nstep %1: %2").arg(step).arg(what);
    QVERIFY2(!m_table->isEditing(), qPrintable(where));
    const QStringList shown = shownBy(m_screen.get());
    const QStringList afresh = shownAfresh(&m_ledger->state, m_screen.get(), QStringLiteral("checking"));
    for (qsizetype line = 0; line < std::max(shown.size(), afresh.size()); ++line) {
        QVERIFY2(shown.value(line) == afresh.value(line),
                 qPrintable(QStringLiteral("%1\nline %2 shows  \"%3\"\n afresh it is \"%4\"")
                                .arg(where)
                                .arg(line)
                                .arg(shown.value(line), afresh.value(line))));
    }
    QVERIFY2(m_table->currentIndex().isValid(), qPrintable(where));
    const QMap<QString, QString> stored = storedRows();
    const QMap<QString, QString> expected = expectedRows();
    if (stored != expected) {
        QStringList differing;
        for (const QString& id : stored.keys() + expected.keys()) {
            if (stored.value(id) != expected.value(id))
                differing.append(QStringLiteral("%1: stored \"%2\", expected \"%3\"")
                                     .arg(id, stored.value(id), expected.value(id)));
        }
        differing.removeDuplicates();
        QFAIL(qPrintable(where + QLatin1Char('\n') + differing.join(QLatin1Char('\n'))));
    }
}

void TestRegisterScreenSteps::randomStepsShowWhatAFreshRegisterShows()
{
    const int steps = qEnvironmentVariableIsSet("VELLUMRY_REGISTER_STEPS")
                          ? qEnvironmentVariableIntValue("VELLUMRY_REGISTER_STEPS")
                          : 400;
    const quint32 seed = qEnvironmentVariableIsSet("VELLUMRY_REGISTER_SEED")
                             ? quint32(qEnvironmentVariableIntValue("VELLUMRY_REGISTER_SEED"))
                             : 20240305;
    qInfo("%d steps from seed %u", steps, seed);
    m_random.seed(seed);

    // Rows of three weeks, three at a time made in one second.
    QList<Transaction> seeded;
    for (int i = 0; i < 40; ++i) {
        Transaction t = RegisterLedger::row(QStringLiteral("checking"), QStringLiteral("Payee %1").arg(i),
                                            m_random.bounded(-30000, 20000));
        t.date = QDate::fromString(randomDate(), RegisterModel::kDateFormat);
        t.createdAt = t.updatedAt = RegisterLedger::now().addSecs(-3600 + (i / 3) * 60);
        t.cleared = m_random.bounded(3) == 0;
        t.reconciled = t.cleared && m_random.bounded(2) == 0;
        t.memo = m_random.bounded(3) == 0 ? QStringLiteral("memo %1").arg(i) : QString();
        t.checkNumber = m_random.bounded(4) == 0 ? QString::number(100 + i) : QString();
        t.categoryId = m_random.bounded(3) == 0 ? QStringLiteral("food") : QString();
        seeded.append(t);
    }
    QVERIFY(m_ledger->state.transactionRepository->insertAll(seeded));
    for (int i = 0; i < 3; ++i) {
        Transaction leg = m_ledger->addTransfer(QStringLiteral("checking"), QStringLiteral("savings"), -1000 * (i + 1));
        QVERIFY(!leg.id.isEmpty());
        leg.payee = QStringLiteral("Transfer to Savings");
        QVERIFY(m_ledger->state.transactionRepository->update(leg));
        seeded.append(leg);
    }
    for (const Transaction& t : seeded)
        m_expected.insert(t.id, rowOf(m_ledger->load(t.id), ++m_made));

    m_screen = std::make_unique<RegisterScreen>(&m_ledger->state);
    m_table = child<RegisterTableView>(m_screen.get(), "registerTable");
    m_model = qobject_cast<RegisterModel*>(m_table->model());
    m_screen->resize(1400, 600);
    m_screen->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    m_screen->setAccount(QStringLiteral("checking"));
    m_table->setFocus();
    verify(0, QStringLiteral("shown"));

    std::array<int, 12> kinds{};
    for (int step = 1; step <= steps && !QTest::currentTestFailed(); ++step) {
        // Every other step in the same second as the one before.
        Clock::setFixedNow(RegisterLedger::now().addSecs(step / 2));
        MessageBox::clearNextAnswer();
        ModalDialog::clearNextHandler();
        const int row = randomRow();
        const QString id = row >= 0 ? m_model->transactionIdAt(row) : QString();
        QString what;
        // With no row shown (all of them filtered out) a row is typed in, or the filter changed.
        const int kind = row >= 0 ? m_random.bounded(12) : m_random.bounded(2) == 0 ? 3 : 10;
        switch (kind) {
        case 0: { // the date moved by a day or two with + and -
            const QString keys = QString(m_random.bounded(1, 3), m_random.bounded(2) == 0 ? u'+' : u'-');
            what = QStringLiteral("%1 on the date of %2").arg(keys, id);
            clickCell(row, RegisterModel::DateColumn);
            play(m_table, keys + QStringLiteral("<Ctrl+Return>"));
            Row& expected = m_expected[id];
            expected.date = expected.date.addDays(keys.size() * (keys.startsWith(u'+') ? 1 : -1));
            break;
        }
        case 1: { // a date typed: that of a row beside it, or a day off it
            const int beside = std::clamp(row + (m_random.bounded(2) == 0 ? -1 : 1), 0, m_model->rowCount() - 1);
            const QDate date = (m_model->isTransactionRow(beside) ? m_model->transactionAt(beside).date
                                                                  : m_model->transactionAt(row).date)
                                   .addDays(m_random.bounded(-1, 2));
            what = QStringLiteral("%1 typed over the date of %2").arg(date.toString(Qt::ISODate), id);
            clickCell(row, RegisterModel::DateColumn);
            play(m_table, date.toString(RegisterModel::kDateFormat) + QStringLiteral("<Ctrl+Return>"));
            m_expected[id].date = date;
            break;
        }
        case 2: { // an amount typed over
            const QString amount = randomAmount();
            Row& expected = m_expected[id];
            const bool deposit = expected.amount >= 0 && m_random.bounded(2) == 0;
            what = QStringLiteral("%1 typed as the %2 of %3").arg(amount, deposit ? "deposit" : "payment", id);
            clickCell(row, deposit ? RegisterModel::DepositColumn : RegisterModel::PaymentColumn);
            play(m_table, QStringLiteral("<Ctrl+A>%1<Ctrl+Return>").arg(amount));
            const qint64 cents = qRound64(amount.toDouble() * 100);
            expected.amount = deposit ? cents : -cents;
            break;
        }
        case 3: { // a new row, a transfer one time in five, on a date other rows have
            const bool transfer = m_random.bounded(5) == 0;
            const QString payee =
                transfer ? QStringLiteral("[Transfer] Savings") : QStringLiteral("Typed %1").arg(++m_made);
            const QString date = randomDate();
            const QString amount = randomAmount();
            what = QStringLiteral("%1 typed in on %2").arg(payee, date);
            play(m_table, QStringLiteral("<Ctrl+I>%1<Tab><Tab>%2<Tab><Tab><Tab>%3<Ctrl+Return>").arg(date, payee, amount));
            Row made;
            made.made = ++m_made;
            made.date = QDate::fromString(date, RegisterModel::kDateFormat);
            made.payee = transfer ? QStringLiteral("Transfer to Savings") : payee;
            made.amount = -qRound64(amount.toDouble() * 100);
            for (const Transaction& t : m_ledger->rows(QStringLiteral("checking"))) {
                if (!m_expected.contains(t.id))
                    m_expected.insert(t.id, made);
            }
            break;
        }
        case 4: { // a sort: a column's title clicked, or newest first chosen
            if (m_random.bounded(4) == 0) {
                const bool newestFirst = m_random.bounded(2) == 0;
                what = newestFirst ? QStringLiteral("newest first") : QStringLiteral("oldest first");
                m_ledger->state.preferencesRepository->setBool(QStringLiteral("registerNewestFirst"), newestFirst);
            } else {
                const int column = m_random.bounded(RegisterModel::ColumnCount);
                what = QStringLiteral("sorted by column %1").arg(column);
                QHeaderView* header = m_table->horizontalHeader();
                QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                                  QPoint(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                                         header->height() / 2));
            }
            break;
        }
        case 5:
        case 6: { // a cell typed in while another window writes, then closed one way or another
            const int column = std::array{int(RegisterModel::CheckNumberColumn), int(RegisterModel::PayeeColumn),
                                          int(RegisterModel::MemoColumn)}[m_random.bounded(3)];
            clickCell(row, column);
            const QString before = m_model->index(row, column).data(Qt::EditRole).toString();
            // Text no payee holds, so that no completion list stands open to take the keys that close the cell.
            const QString suffix = QStringLiteral(" x%1.").arg(step);
            play(m_table, QStringLiteral("<End>") + suffix);
            const QString touched = writeElsewhere(id);
            settle();
            const int closing = m_random.bounded(4);
            what = QStringLiteral("column %1 of %2 typed in, %3 written elsewhere, closed by %4")
                       .arg(column)
                       .arg(id, touched.isEmpty() ? QStringLiteral("nothing or the account") : touched,
                            QStringList{"Escape", "a save", "the focus leaving and a save", "Escape twice"}
                                .at(closing));
            if (closing == 2) {
                // The filter dialog takes the focus, and is cancelled; the row is taken up again.
                ModalDialog::setNextHandler([](QDialog* dialog) { dialog->reject(); });
                QTest::mouseClick(child<QPushButton>(m_screen.get(), "filterButton"), Qt::LeftButton);
                settle();
                const int again = m_model->rowOf(id);
                if (again >= 0)
                    clickCell(again, column);
                else
                    m_table->setFocus(Qt::MouseFocusReason);
            }
            play(m_table, closing == 0 ? QStringLiteral("<Escape>")
                 : closing == 3 ? QStringLiteral("<Escape><Escape>")
                                : QStringLiteral("<Ctrl+Return>"));
            if ((closing == 1 || closing == 2) && m_expected.contains(id)) {
                Row& expected = m_expected[id];
                const QString typed = (before + suffix).trimmed();
                if (column == RegisterModel::CheckNumberColumn)
                    expected.checkNumber = typed;
                else if (column == RegisterModel::PayeeColumn)
                    expected.payee = typed;
                else
                    expected.memo = typed;
            }
            break;
        }
        case 7: { // a cell open while another window writes, and a delete refused
            clickCell(row, RegisterModel::PayeeColumn);
            const QString touched = writeElsewhere(id);
            settle();
            what = QStringLiteral("delete of %1 refused, %2 written elsewhere").arg(id, touched);
            MessageBox::setNextAnswer(QMessageBox::No);
            play(m_table, QStringLiteral("<Ctrl+D>"));
            break;
        }
        case 8: { // a row deleted
            what = QStringLiteral("%1 deleted").arg(id);
            clickCell(row, RegisterModel::PayeeColumn);
            MessageBox::setNextAnswer(QMessageBox::Yes);
            play(m_table, QStringLiteral("<Ctrl+D>"));
            m_expected.remove(id);
            break;
        }
        case 9: { // the cleared mark flipped with a click; a reconciled row keeps it
            what = QStringLiteral("Clr of %1 clicked").arg(id);
            clickCell(row, RegisterModel::ClearedColumn);
            Row& expected = m_expected[id];
            if (!expected.reconciled)
                expected.cleared = !expected.cleared;
            break;
        }
        case 10: { // a filter set or cleared in its dialog
            const char* radio =
                std::array{"allRadio", "allRadio", "unclearedRadio", "clearedRadio"}[m_random.bounded(4)];
            what = QStringLiteral("filter %1").arg(QLatin1String(radio));
            ModalDialog::setNextHandler([radio](QDialog* dialog) {
                QTest::mouseClick(child<QRadioButton>(dialog, radio), Qt::LeftButton);
                clickOk(dialog);
            });
            QTest::mouseClick(child<QPushButton>(m_screen.get(), "filterButton"), Qt::LeftButton);
            // The button took the focus; the keys of the next step go to the register.
            m_table->setFocus(Qt::MouseFocusReason);
            break;
        }
        default: { // a save of the entry row with nothing in it, a change landing while its cell is open
            what = QStringLiteral("an empty entry row saved");
            play(m_table, QStringLiteral("<Ctrl+I>"));
            writeElsewhere(QString());
            settle();
            play(m_table, QStringLiteral("<Ctrl+Return>"));
            break;
        }
        }
        verify(step, what);
        ++kinds[kind];
        m_history.append(QStringLiteral("step %1: %2").arg(step).arg(what));
    }
    QStringList counts;
    for (const int count : kinds)
        counts.append(QString::number(count));
    qInfo("steps of each kind: %s; %lld rows at the end", qPrintable(counts.join(QLatin1Char(' '))),
          qint64(m_expected.size()));
}

VELLUMRY_TEST_MAIN(TestRegisterScreenSteps)
#include "tst_registerscreensteps.moc"
