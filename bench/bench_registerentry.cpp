// Times the register's own writes on the big account of the generated ledger
// (50,000 rows), each until the register is ready for the next keystroke: the
// key handled (the row written, the register showing it, the current cell
// where the user goes on) and the events it left behind processed, among them
// the repaint of what changed, as a window system would ask for it:
//   - Ctrl+Return on a new row typed in the entry row;
//   - Ctrl+Return on an amount changed in place, on a row halfway down;
//   - Ctrl+D on a row, the question answered Yes.
// Beside each: its floor, the same write committed alone through the sqlite3 C
// API on a copy of the ledger, in a transaction of its own (prepared, run,
// committed), run in turns with the register so that both see the same load;
// the same key on an account of 20 rows, the part that does not grow with the
// register; as earlier versions of this benchmark timed it, the key with a
// full repaint of the screen after it (QWidget::grab); and the key sent to the
// current cell's open editor, as typing leaves it. Typing is not timed. At
// the end the register must show what a full reload shows: every running
// balance and the three figures.
// Usage: bench_registerentry (build with -DCMAKE_BUILD_TYPE=Release to measure)

#include "BenchLedger.h"
#include "BenchTiming.h"
#include "BenchWindows.h"

#include "data/Account.h"
#include "data/AccountRepository.h"
#include "data/Identifiers.h"
#include "data/SqlValues.h"
#include "data/TransactionRepository.h"
#include "register/RegisterFigureValue.h"
#include "register/RegisterModel.h"
#include "register/RegisterScreen.h"
#include "register/RegisterTableView.h"
#include "widgets/MessageBox.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <algorithm>
#include <functional>

namespace {

constexpr int kRuns = 9;
constexpr double kRatioAim = 2.0;

// A connection of its own on a copy of the ledger, opened as the program opens its ledger.
class FloorLedger
{
public:
    explicit FloorLedger(const QString& path)
    {
        if (sqlite3_open_v2(path.toUtf8().constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            return;
        m_ready = exec("PRAGMA journal_mode=WAL") && exec("PRAGMA foreign_keys=ON");
    }
    ~FloorLedger() { sqlite3_close(m_db); }
    FloorLedger(const FloorLedger&) = delete;
    FloorLedger& operator=(const FloorLedger&) = delete;

    bool isReady() const { return m_ready; }

    // One statement in a transaction of its own: prepared, bound, run, committed.
    // Texts bind as text, a null value as NULL, anything else as an integer.
    bool write(const char* sql, const QVariantList& values)
    {
        if (!exec("BEGIN"))
            return false;
        sqlite3_stmt* statement = nullptr;
        bool ok = sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr) == SQLITE_OK;
        QList<QByteArray> texts;
        texts.reserve(values.size());
        for (int parameter = 1; parameter <= values.size(); ++parameter) {
            const QVariant& value = values.at(parameter - 1);
            if (value.isNull()) {
                sqlite3_bind_null(statement, parameter);
            } else if (value.typeId() == QMetaType::QString) {
                texts.append(value.toString().toUtf8());
                sqlite3_bind_text(statement, parameter, texts.last().constData(), int(texts.last().size()),
                                  SQLITE_STATIC);
            } else {
                sqlite3_bind_int64(statement, parameter, value.toLongLong());
            }
        }
        ok = ok && sqlite3_step(statement) == SQLITE_DONE;
        sqlite3_finalize(statement);
        return exec(ok ? "COMMIT" : "ROLLBACK") && ok;
    }

private:
    bool exec(const char* sql) { return sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }

    sqlite3* m_db = nullptr;
    bool m_ready = false;
};

// The statements of the transaction repository's insert, update and soft delete.
const char* const kInsert =
    "INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, check_number, cleared, "
    "reconciled, transfer_link_id, transfer_dest_account_id, is_split, recurring_id, version, sync_status, "
    "server_id, created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";
const char* const kUpdate =
    "UPDATE transactions SET date=?, payee=?, memo=?, amount=?, category_id=?, check_number=?, cleared=?, "
    "reconciled=?, transfer_link_id=?, transfer_dest_account_id=?, is_split=?, recurring_id=?, version=?, "
    "sync_status=?, server_id=?, updated_at=? WHERE id=?";
const char* const kSoftDelete =
    "UPDATE transactions SET deleted_at=?, sync_status='pending', updated_at=?, version = version + 1 WHERE id=?";

QVariant text(const QString& value)
{
    return value.isNull() ? QStringLiteral("") : value;
}

QVariant textOrNull(const QString& value)
{
    return value.isEmpty() ? QVariant() : QVariant(value);
}

struct Operation
{
    QString name;
    std::function<void()> prepare; // untimed: the row typed or chosen
    Qt::Key key;                   // with Ctrl
    std::function<void()> floor;   // the same write alone
};

Timing timingOf(QList<double> runs)
{
    std::sort(runs.begin(), runs.end());
    return {runs.first(), runs.at(runs.size() / 2), runs.last()};
}

QString ratioText(double ratio, double aim)
{
    return QStringLiteral("ratio (median) %1, aim <= %2%3")
        .arg(ratio, 0, 'f', 2)
        .arg(aim, 0, 'f', 1)
        .arg(ratio <= aim ? QString() : QStringLiteral("  !! over the aim"));
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir settingsHome;
    prepareWidgetBench(settingsHome);
    QApplication app(argc, argv);

    BenchLedger bench;
    if (!bench.isReady()) {
        benchOut() << "cannot build the ledger: " << bench.error() << Qt::endl;
        return 1;
    }
    QTemporaryDir copyDir;
    const QString copyPath = copyDir.filePath(QStringLiteral("copy.db"));
    if (!QFile::copy(bench.path(), copyPath)) {
        benchOut() << "cannot copy the ledger" << Qt::endl;
        return 1;
    }
    FloorLedger floorLedger(copyPath);
    if (!floorLedger.isReady()) {
        benchOut() << "cannot open the copy" << Qt::endl;
        return 1;
    }
    const QString bigAccount = bench.ledger().accountIds.first();
    TransactionRepository* repository = bench.state()->transactionRepository;

    // The small account: 20 rows.
    Account small;
    small.id = newId();
    small.name = QStringLiteral("Small");
    small.createdAt = small.updatedAt = QDateTime::currentDateTimeUtc();
    QList<Transaction> smallRows;
    for (int i = 0; i < 20; ++i) {
        Transaction t;
        t.id = newId();
        t.accountId = small.id;
        t.date = QDate(2024, 1, 1).addDays(i);
        t.payee = QStringLiteral("Row %1").arg(i);
        t.amount = -100 * (i + 1);
        t.createdAt = t.updatedAt = QDateTime::currentDateTimeUtc();
        smallRows.append(t);
    }
    if (!bench.state()->accountRepository->insert(small) || !repository->insertAll(smallRows)) {
        benchOut() << "cannot add the small account" << Qt::endl;
        return 1;
    }

    RegisterScreen screen(bench.state());
    screen.resize(1400, 900);
    showExposed(&screen);
    auto* table = screen.findChild<RegisterTableView*>(QStringLiteral("registerTable"));
    auto* model = qobject_cast<RegisterModel*>(table->model());
    const auto press = [&](Qt::Key key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::ControlModifier);
        // As typed: to the cell's editor when one is open, which passes it on.
        QWidget* editor = table->indexWidget(table->currentIndex());
        QApplication::sendEvent(editor ? editor : table, &event);
        QCoreApplication::processEvents();
    };
    // A row near `row` that a delete takes alone: no transfer leg, no opening balance.
    const auto plainRowNear = [&](int row) {
        for (row = std::min(row, model->rowCount() - 1); row >= 0; --row) {
            if (row == model->entryRow())
                continue;
            const std::optional<Transaction> t = repository->findById(model->transactionAt(row).id);
            if (t && t->transferLinkId.isEmpty() && !isOpeningBalancePayee(t->payee))
                return row;
        }
        return -1;
    };

    int typed = 0;
    QString floorId;
    std::optional<Transaction> floorRow;
    const QList<Operation> operations{
        {QStringLiteral("Ctrl+Return on a new row"),
         [&] {
             const int entry = model->entryRow();
             model->setData(model->index(entry, RegisterModel::PayeeColumn), QStringLiteral("Bench %1").arg(++typed));
             model->setData(model->index(entry, RegisterModel::PaymentColumn), QStringLiteral("4.50"));
             table->setCurrentIndex(model->index(entry, RegisterModel::PaymentColumn));
         },
         Qt::Key_Return,
         [&] {
             const QString now = SqlValues::nowText();
             floorLedger.write(kInsert, {newId(), bigAccount, SqlValues::dateText(QDate::currentDate()),
                                         QStringLiteral("Bench"), text({}), -450, QVariant(), text({}), 0, 0, text({}),
                                         text({}), 0, text({}), 1, QStringLiteral("pending"), text({}), now, now});
         }},
        {QStringLiteral("Ctrl+Return on an amount changed in place, halfway down"),
         [&] {
             const int row = plainRowNear(model->rowCount() / 2 + typed);
             table->setCurrentIndex(model->index(row, RegisterModel::PaymentColumn));
             model->setData(model->index(row, RegisterModel::PaymentColumn),
                            QStringLiteral("12.%1").arg(++typed % 90 + 10));
             floorRow = repository->findById(model->transactionAt(row).id);
         },
         Qt::Key_Return,
         [&] {
             const Transaction& t = *floorRow;
             floorLedger.write(kUpdate, {SqlValues::dateText(t.date), text(t.payee), text(t.memo), t.amount - 1,
                                         textOrNull(t.categoryId), text(t.checkNumber), int(t.cleared),
                                         int(t.reconciled), text(t.transferLinkId), text(t.transferDestAccountId),
                                         int(t.isSplit), text(t.recurringId), t.version + 1,
                                         QStringLiteral("pending"), text(t.serverId), SqlValues::nowText(), t.id});
         }},
        {QStringLiteral("Ctrl+D on a row a third of the way down, answered Yes"),
         [&] {
             const int row = plainRowNear(model->rowCount() / 3 + typed++);
             table->setCurrentIndex(model->index(row, RegisterModel::PayeeColumn));
             floorId = model->transactionAt(row).id;
             MessageBox::setNextAnswer(QMessageBox::Yes);
         },
         Qt::Key_D,
         [&] {
             const QString now = SqlValues::nowText();
             floorLedger.write(kSoftDelete, {now, now, floorId});
         }},
    };

    // Opens an account and lets everything that leaves for later happen, untimed.
    const auto show = [&](const QString& accountId) {
        screen.setAccount(accountId);
        QCoreApplication::processEvents();
        screen.grab();
    };
    const auto settled = [&](const std::function<void()>& prepare) {
        return [&, prepare] {
            prepare();
            QCoreApplication::processEvents();
        };
    };
    // The same, with the current cell's editor open, as after typing into it.
    const auto inEditor = [&](const std::function<void()>& prepare) {
        return [&, prepare] {
            prepare();
            table->edit(table->currentIndex());
            QCoreApplication::processEvents();
        };
    };
    show(bigAccount);
    const qsizetype before = repository->registerRows(bigAccount).size();
    benchOut() << "The register's own writes on the big account (" << before << " rows), " << kRuns
               << " runs each, min / median / max" << Qt::endl;
    bool within = true;
    for (const Operation& operation : operations) {
        QList<double> big;
        QList<double> grabbed;
        QList<double> smallTimes;
        QList<double> edited;
        QList<double> floor;
        const auto prepare = settled(operation.prepare);
        const auto prepareEditor = inEditor(operation.prepare);
        show(bigAccount);
        for (int run = 0; run < kRuns; ++run) {
            big.append(timeRuns(1, [&] { press(operation.key); }, prepare).medianMs);
            floor.append(timeRuns(1, operation.floor).medianMs);
            grabbed.append(timeRuns(1, [&] {
                               press(operation.key);
                               screen.grab();
                           }, prepare).medianMs);
            edited.append(timeRuns(1, [&] { press(operation.key); }, prepareEditor).medianMs);
        }
        show(small.id);
        for (int run = 0; run < kRuns; ++run)
            smallTimes.append(timeRuns(1, [&] { press(operation.key); }, prepare).medianMs);
        const Timing register_ = timingOf(big);
        const Timing floorTiming = timingOf(floor);
        const Timing smallTiming = timingOf(smallTimes);
        const double ratio = register_.medianMs / floorTiming.medianMs;
        within = within && ratio <= kRatioAim;
        benchOut() << operation.name << Qt::endl
                   << "  the register, until ready again          " << spreadText(register_) << Qt::endl
                   << "  the same write alone, C API (floor)      " << spreadText(floorTiming) << "   "
                   << ratioText(ratio, kRatioAim) << Qt::endl
                   << "  the same key on the 20-row account       " << spreadText(smallTiming) << "   ratio (median) "
                   << QString::number(register_.medianMs / smallTiming.medianMs, 'f', 2) << Qt::endl
                   << "  the key and a full repaint (grab)        " << spreadText(timingOf(grabbed)) << Qt::endl
                   << "  the key from the cell's open editor      " << spreadText(timingOf(edited)) << "   ratio (median) "
                   << QString::number(timingOf(edited).medianMs / floorTiming.medianMs, 'f', 2) << Qt::endl;
    }

    // What a reload shows.
    screen.setAccount(bigAccount);
    const auto figuresShown = [&] {
        return QStringList{screen.findChild<RegisterFigureValue*>(QStringLiteral("clearedLabel"))->text(),
                           screen.findChild<RegisterFigureValue*>(QStringLiteral("balanceLabel"))->text()};
    };
    const QStringList shownFigures = figuresShown();
    QHash<QString, std::pair<qint64, MoneySum>> amountAndBalance;
    const RegisterRows reloaded = repository->registerRows(bigAccount);
    for (const RegisterRow& row : reloaded)
        amountAndBalance.insert(row.id, {row.amount, row.runningBalance});
    bool same = reloaded.size() == model->transactionCount();
    for (int row = 0; same && row < model->rowCount(); ++row) {
        if (row == model->entryRow())
            continue;
        const RegisterRow shown = model->transactionAt(row);
        same = amountAndBalance.value(shown.id, {0, MoneySum(-1)}) == std::pair(shown.amount, shown.runningBalance);
    }
    screen.reload();
    same = same && shownFigures == figuresShown();
    // As many rows came as went: each way of timing a key adds a row to the big
    // account per run, and deletes one.
    if (!same || reloaded.size() != before) {
        benchOut() << "!! the register does not show what a reload shows (" << reloaded.size() << " rows)" << Qt::endl;
        return 1;
    }
    return within ? 0 : 2;
}
