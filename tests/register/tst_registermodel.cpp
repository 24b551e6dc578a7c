#include "TestMain.h"

#include "data/Clock.h"
#include "register/RegisterModel.h"

#include <QAbstractItemModelTester>
#include <QColor>
#include <QFont>
#include <QSignalSpy>
#include <QTimeZone>

#include <algorithm>
#include <tuple>
#include <vector>

class TestRegisterModel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void cellsAndHeaders();
    void overdrawnMeansBelowZero_data();
    void overdrawnMeansBelowZero();
    void sortOrders_data();
    void sortOrders();
    void changedRowsMatchAFreshModel_data();
    void changedRowsMatchAFreshModel();
    void entryAndEditRows();
    void theEditRowFollowsItsTransaction();
    void entryAmount_data();
    void entryAmount();
};

namespace {

using Column = RegisterModel::Column;
const QColor kMuted(QStringLiteral("#6E8A7E"));
const QColor kRed(QStringLiteral("#C62828"));

// As the ledger delivers them: oldest first, then in the order they were made.
QList<RegisterRow> sampleRows()
{
    struct Line
    {
        const char *id, *payee, *category, *memo, *check;
        int month, day;
        qint64 amount, balance;
        int mark; // 1 cleared, 2 reconciled
    };
    const Line lines[] = {
        {"ob", "Opening Balance", "", "", "", 1, 1, 100000, 100000, 2},
        {"c1", "Cafe", "Food > Dining", "latte", "101", 1, 5, -450, 99550, 1},
        {"z1", "Zoo", "Fun", "", "99", 1, 5, -2000, 97550, 0},
        {"p1", "Payroll", "Salary", "", "", 1, 10, 150000, 247550, 2},
        {"c2", "Cafe", "Food > Dining", "mocha", "", 2, 1, -450, 247100, 0},
        {"f1", "Refund", "", "", "", 2, 1, 0, 247100, 0},
        {"r1", "Rent", "Housing", "", "102", 2, 3, -300000, -52900, 0},
    };
    QList<RegisterRow> rows;
    for (const Line& line : lines) {
        RegisterRow row;
        row.id = QString::fromLatin1(line.id);
        row.payee = QString::fromLatin1(line.payee);
        row.categoryText = QString::fromLatin1(line.category);
        row.memo = QString::fromLatin1(line.memo);
        row.checkNumber = QString::fromLatin1(line.check);
        row.date = QDate(2024, line.month, line.day);
        row.amount = line.amount;
        row.runningBalance = line.balance;
        row.cleared = line.mark >= 1;
        row.reconciled = line.mark == 2;
        rows.append(row);
    }
    return rows;
}

// The texts of a row in one role, or the headers for row -1.
QStringList texts(const QAbstractItemModel& model, int row, int role = Qt::DisplayRole)
{
    QStringList result;
    for (int column = 0; column < model.columnCount(); ++column)
        result.append(row < 0 ? model.headerData(column, Qt::Horizontal).toString()
                              : model.data(model.index(row, column), role).toString());
    return result;
}

// Every cell where asking for all roles at once answers otherwise than asking
// for each, as "row,column,role"; the view asks one way, tests the other.
QStringList multiDataDiffers(const RegisterModel& model)
{
    const int roles[] = {Qt::DisplayRole,    Qt::EditRole,       Qt::TextAlignmentRole, Qt::ForegroundRole,
                         Qt::FontRole,       Qt::BackgroundRole, Qt::DecorationRole,    Qt::CheckStateRole,
                         Qt::ToolTipRole,    Qt::UserRole};
    QStringList differing;
    for (int row = -1; row <= model.rowCount(); ++row) {
        for (int column = 0; column < model.columnCount(); ++column) {
            const QModelIndex index = model.index(row, column);
            std::vector<QModelRoleData> asked;
            for (const int role : roles)
                asked.emplace_back(role);
            model.multiData(index, asked);
            for (const QModelRoleData& answer : asked) {
                if (answer.data() != model.data(index, answer.role()))
                    differing.append(QStringLiteral("%1,%2,%3").arg(row).arg(column).arg(answer.role()));
            }
        }
    }
    return differing;
}

QColor colour(const RegisterModel& model, int row, int column, int role = Qt::ForegroundRole)
{
    return model.data(model.index(row, column), role).value<QColor>();
}

} // namespace

void TestRegisterModel::init()
{
    Clock::setFixedNow(QDateTime(QDate(2024, 3, 15), QTime(9, 0), QTimeZone::utc()));
}

void TestRegisterModel::cleanup()
{
    Clock::reset();
    setAmountAutoDecimal(false);
}

void TestRegisterModel::cellsAndHeaders()
{
    RegisterModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setTransactions(QList<RegisterRow>());
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(texts(model, 0), (QStringList{"3/15/2024", "Chk #", "Payee", "Category", "Memo", "Payment", "Deposit",
                                           "Clr", ""}));
    QCOMPARE(colour(model, 0, Column::PayeeColumn), kMuted);
    QCOMPARE(multiDataDiffers(model), QStringList());
    QVERIFY(!model.data(model.index(0, Column::DateColumn), Qt::ForegroundRole).isValid());
    QVERIFY(!model.data(model.index(0, Column::PaymentColumn), Qt::TextAlignmentRole).isValid());

    QList<RegisterRow> rows = sampleRows();
    rows[4].isSplit = true;
    model.setTransactions(rows);
    QCOMPARE(model.entryRow(), 7);
    QCOMPARE(texts(model, -1), (QStringList{"Date", "Chk #", "Payee", "Category", "Memo", "Payment", "Deposit",
                                            "Clr", "Balance"}));
    QCOMPARE(texts(model, 1), (QStringList{"1/5/2024", "101", "Cafe", "Food > Dining", "latte", "4.50", "", "C",
                                           "995.50"}));
    QCOMPARE(texts(model, 4), (QStringList{"2/1/2024", "", "Cafe", "—Split—", "mocha", "4.50", "", "", "2,471.00"}));
    QCOMPARE(texts(model, 4, Qt::EditRole).at(Column::CategoryColumn), QStringLiteral("Food > Dining"));
    QCOMPARE(texts(model, 5), (QStringList{"2/1/2024", "", "Refund", "", "", "", "0.00", "", "2,471.00"}));

    // Overdrawn: a red, bold balance on a highlighted row, until the emphasis goes.
    const QModelIndex overdrawn = model.index(6, Column::BalanceColumn);
    QCOMPARE(texts(model, 6).mid(5), (QStringList{"3,000.00", "", "", "-529.00"}));
    QCOMPARE(colour(model, 6, Column::BalanceColumn), kRed);
    QCOMPARE(model.data(overdrawn, Qt::FontRole).value<QFont>().weight(), QFont::Bold);
    QCOMPARE(colour(model, 6, Column::PayeeColumn, Qt::BackgroundRole), QColor(QStringLiteral("#FDEAEA")));
    QCOMPARE(colour(model, 5, Column::DepositColumn), QColor(QStringLiteral("#2E7D32")));
    QCOMPARE(multiDataDiffers(model), QStringList());
    QSignalSpy changed(&model, &RegisterModel::dataChanged);
    model.setHighlightOverdrawn(false);
    model.setEmphasizeNegativeBalance(false);
    model.setEmphasizeNegativeBalance(false);
    QCOMPARE(changed.count(), 2);
    QVERIFY(!model.data(model.index(6, Column::PayeeColumn), Qt::BackgroundRole).isValid());
    QCOMPARE(model.data(overdrawn, Qt::FontRole).value<QFont>().weight(), QFont::Normal);

    // A credit card: headers swap and balances flip; the entry row's placeholders stay.
    model.setLiabilityAccount(true);
    model.setTwoLine(true);
    QCOMPARE(texts(model, -1).mid(2, 5), (QStringList{"Payee / Memo", "Category", "Memo", "Charge", "Payment"}));
    QCOMPARE(texts(model, 6).last(), QStringLiteral("529.00"));
    QCOMPARE(colour(model, 1, Column::BalanceColumn), kRed);
    QCOMPARE(texts(model, 7).mid(5, 2), (QStringList{"Payment", "Deposit"}));
    model.setCurrency(Currency::JPY);
    QCOMPARE(texts(model, 6).at(Column::PaymentColumn), QStringLiteral("300,000"));
    QCOMPARE(multiDataDiffers(model), QStringList());
}

void TestRegisterModel::overdrawnMeansBelowZero_data()
{
    QTest::addColumn<qint64>("balance");
    QTest::addColumn<bool>("overdrawn");
    QTest::newRow("a cent below zero") << qint64(-1) << true;
    QTest::newRow("zero") << qint64(0) << false;
    QTest::newRow("a cent above zero") << qint64(1) << false;
}

// Only a balance below zero is overdrawn: red and bold, on a tinted row. One
// paid down to exactly nothing is not.
void TestRegisterModel::overdrawnMeansBelowZero()
{
    QFETCH(qint64, balance);
    QFETCH(bool, overdrawn);
    QList<RegisterRow> rows = sampleRows().mid(1, 1);
    rows[0].amount = balance;
    rows[0].runningBalance = balance;
    RegisterModel model;
    model.setTransactions(rows);
    const QModelIndex shown = model.index(0, Column::BalanceColumn);
    const QList<bool> marks{colour(model, 0, Column::BalanceColumn) == kRed,
                            model.data(shown, Qt::FontRole).value<QFont>().weight() == QFont::Bold,
                            model.data(model.index(0, Column::PayeeColumn), Qt::BackgroundRole).isValid()};
    QCOMPARE(marks, QList<bool>(3, overdrawn));
}

void TestRegisterModel::sortOrders_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<Qt::SortOrder>("order");
    QTest::addColumn<bool>("liability");
    QTest::addColumn<QStringList>("ids");

    const auto up = Qt::AscendingOrder;
    const auto down = Qt::DescendingOrder;
    // Ties go to the later date in both directions; one day keeps the given order.
    QTest::newRow("date ascending") << 0 << up << false << QStringList{"ob", "c1", "z1", "p1", "c2", "f1", "r1"};
    QTest::newRow("date descending") << 0 << down << false << QStringList{"r1", "c2", "f1", "p1", "c1", "z1", "ob"};
    QTest::newRow("check number") << 1 << up << false << QStringList{"c2", "f1", "p1", "ob", "c1", "r1", "z1"};
    QTest::newRow("payee ascending") << 2 << up << false << QStringList{"c2", "c1", "ob", "p1", "f1", "r1", "z1"};
    QTest::newRow("payee descending") << 2 << down << false << QStringList{"z1", "r1", "f1", "p1", "ob", "c2", "c1"};
    QTest::newRow("category") << 3 << up << false << QStringList{"f1", "ob", "c2", "c1", "z1", "r1", "p1"};
    QTest::newRow("payment ascending") << 5 << up << false << QStringList{"f1", "p1", "ob", "c2", "c1", "z1", "r1"};
    QTest::newRow("payment descending") << 5 << down << false << QStringList{"r1", "z1", "c2", "c1", "f1", "p1", "ob"};
    QTest::newRow("deposit") << 6 << up << false << QStringList{"r1", "c2", "f1", "c1", "z1", "ob", "p1"};
    QTest::newRow("cleared") << 7 << up << false << QStringList{"r1", "c2", "f1", "z1", "c1", "p1", "ob"};
    QTest::newRow("balance") << 8 << up << false << QStringList{"r1", "z1", "c1", "ob", "c2", "f1", "p1"};
    QTest::newRow("liability balance") << 8 << up << true << QStringList{"p1", "c2", "f1", "ob", "c1", "z1", "r1"};
}

void TestRegisterModel::sortOrders()
{
    QFETCH(int, column);
    QFETCH(Qt::SortOrder, order);
    QFETCH(bool, liability);
    QFETCH(QStringList, ids);

    RegisterModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setLiabilityAccount(liability);
    model.setTransactions(sampleRows());
    QSignalSpy sorted(&model, &RegisterModel::sortChanged);
    model.sort(-1, order);
    QCOMPARE(sorted.count(), 0);
    model.sort(column, order);
    QCOMPARE(sorted.count(), 1);

    // The entry row heads the register only when it runs newest first.
    const int entry = column == 0 && order == Qt::DescendingOrder ? 0 : int(ids.size());
    QCOMPARE(model.entryRow(), entry);
    QCOMPARE(model.data(model.index(entry, Column::PayeeColumn)).toString(), QStringLiteral("Payee"));
    QStringList shown;
    for (int row = 0; row < model.rowCount(); ++row) {
        if (row != entry)
            shown.append(model.transactionAt(row).id);
    }
    QCOMPARE(shown, ids);
}

void TestRegisterModel::changedRowsMatchAFreshModel_data()
{
    sortOrders_data();
}

// Rows inserted, edited, cleared and deleted one at a time: the model shows
// each change as a model given the changed rows from scratch shows them, in
// every sort, without a reset; a change only SQLite could place is refused.
void TestRegisterModel::changedRowsMatchAFreshModel()
{
    QFETCH(int, column);
    QFETCH(Qt::SortOrder, order);
    QFETCH(bool, liability);

    // The ledger in its order, each row created a minute after the one before.
    QList<RegisterRow> ledger = sampleRows();
    QHash<QString, int> made;
    for (int i = 0; i < ledger.size(); ++i) {
        ledger[i].createdOrder = 20240101000000 + 100 * i;
        made.insert(ledger.at(i).id, i);
    }
    RegisterModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setLiabilityAccount(liability);
    model.setTransactions(ledger);
    model.sort(column, order);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    // Where the caller last saw the row: on it, beside it, two away, far off.
    const int shifts[] = {0, 1, -1, 2, -5};
    int applied = 0;

    const auto apply = [&](const QString& id, std::optional<RegisterRow> fresh) {
        ledger.removeIf([&](const RegisterRow& row) { return row.id == id; });
        if (fresh) {
            made.insert(id, made.value(id, int(made.size())));
            ledger.append(*fresh);
        }
        // A row just inserted follows those of its date and second.
        std::stable_sort(ledger.begin(), ledger.end(), [&](const RegisterRow& a, const RegisterRow& b) {
            return std::tuple(a.date, a.createdOrder, made.value(a.id)) < std::tuple(b.date, b.createdOrder, made.value(b.id));
        });
        qint64 balance = 0;
        for (RegisterRow& row : ledger)
            row.runningBalance = balance += row.amount;
        // Each cell's text, background, colour and font.
        const auto looks = [&model](int row) {
            QStringList cells;
            for (int role : {int(Qt::DisplayRole), int(Qt::BackgroundRole), int(Qt::ForegroundRole), int(Qt::FontRole)}) {
                for (int at = 0; at < model.columnCount(); ++at) {
                    const QVariant value = model.data(model.index(row, at), role);
                    cells.append(value.canConvert<QColor>() && role != Qt::DisplayRole
                                     ? value.value<QColor>().name(QColor::HexArgb)
                                     : value.toString());
                }
            }
            return cells;
        };
        QHash<QString, QStringList> before;
        for (int row = 0; row < model.rowCount(); ++row) {
            if (row != model.entryRow())
                before.insert(model.transactionAt(row).id, looks(row));
        }
        QSignalSpy announced(&model, &QAbstractItemModel::dataChanged);
        QSignalSpy relaid(&model, &QAbstractItemModel::layoutChanged);
        QVERIFY(model.applyRow(id, fresh, model.rowOf(id) + shifts[applied++ % std::size(shifts)]));
        // Every cell of another row that looks different was announced, for the view to repaint it.
        for (int row = 0; row < model.rowCount(); ++row) {
            const QString shown = row == model.entryRow() ? QString() : model.transactionAt(row).id;
            if (shown.isEmpty() || shown == id || relaid.count() > 0)
                continue;
            const QStringList was = before.value(shown);
            const QStringList now = looks(row);
            for (int cell = 0; cell < now.size(); ++cell) {
                if (was.value(cell) == now.at(cell))
                    continue;
                const int at = cell % model.columnCount();
                const bool told = std::any_of(announced.cbegin(), announced.cend(), [&](const QList<QVariant>& signal) {
                    const QModelIndex from = signal.at(0).toModelIndex();
                    const QModelIndex to = signal.at(1).toModelIndex();
                    return from.row() <= row && row <= to.row() && from.column() <= at && at <= to.column();
                });
                QVERIFY2(told, qPrintable(QStringLiteral("%1, column %2").arg(shown).arg(at)));
            }
        }
        RegisterModel fromScratch;
        fromScratch.setLiabilityAccount(liability);
        fromScratch.setTransactions(ledger);
        fromScratch.sort(column, order);
        for (int row = -1; row < model.rowCount(); ++row)
            QCOMPARE(texts(model, row), texts(fromScratch, row));
        // A row is found wherever the search starts, the entry row and rows past the end among them.
        for (const QString& sought : {id, QStringLiteral("p1"), QStringLiteral("nowhere"), QString()}) {
            QList<int> found;
            for (int near = -2; near <= model.rowCount() + 1; ++near)
                found.append(model.rowOf(sought, near));
            QCOMPARE(found, QList<int>(model.rowCount() + 4, model.rowOf(sought)));
        }
    };
    const auto changed = [&](const QString& id, const auto& change) {
        RegisterRow row = *std::find_if(ledger.cbegin(), ledger.cend(), [&](const RegisterRow& r) { return r.id == id; });
        change(row);
        return row;
    };

    RegisterRow added = ledger.at(2);
    added.id = QStringLiteral("n1");
    added.payee = QStringLiteral("Newcomer");
    added.amount = -1000;
    added.createdOrder = 20240301000000;
    apply(added.id, added);
    apply(QStringLiteral("c1"), changed(QStringLiteral("c1"), [](RegisterRow& row) {
              row.date = QDate(2024, 2, 2);
              row.amount = -2500;
          }));
    apply(QStringLiteral("p1"), changed(QStringLiteral("p1"), [](RegisterRow& row) { row.cleared = false; }));
    apply(QStringLiteral("z1"), std::nullopt);
    // Made in the same second as the refund: after it.
    RegisterRow twin = changed(QStringLiteral("f1"), [](RegisterRow& row) {
        row.id = QStringLiteral("n2");
        row.amount = 77;
    });
    apply(twin.id, twin);
    apply(QStringLiteral("f1"), changed(QStringLiteral("f1"), [](RegisterRow& row) { row.date = QDate(2024, 1, 10); }));
    apply(QStringLiteral("nowhere"), std::nullopt);
    // Enough more pay that the rent no longer overdraws the account, and back.
    apply(QStringLiteral("p1"), changed(QStringLiteral("p1"), [](RegisterRow& row) { row.amount = 210000; }));
    apply(QStringLiteral("p1"), changed(QStringLiteral("p1"), [](RegisterRow& row) { row.amount = 150000; }));
    QCOMPARE(resets.count(), 0);

    // Moved onto a date with a row made in the same second: the rowids decide, which only SQLite knows.
    QStringList before;
    for (int row = 0; row < model.rowCount(); ++row)
        before += texts(model, row);
    QVERIFY(!model.applyRow(twin.id, changed(twin.id, [](RegisterRow& row) { row.date = QDate(2024, 1, 10); })));
    QStringList after;
    for (int row = 0; row < model.rowCount(); ++row)
        after += texts(model, row);
    QCOMPARE(after, before);
}

void TestRegisterModel::entryAndEditRows()
{
    RegisterModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QList<RegisterRow> rows = sampleRows();
    rows[0].id.clear(); // the opening line added for a starting balance has no row of its own
    rows[4].isSplit = true;
    model.setTransactions(rows);
    model.sort(Column::DateColumn, Qt::DescendingOrder);
    const int opening = 7;
    const int split = 2;
    const int cafe = 5;
    const auto editable = [&](int row) {
        QString mask;
        for (int column = 0; column < model.columnCount(); ++column)
            mask += model.flags(model.index(row, column)).testFlag(Qt::ItemIsEditable) ? u'e' : u'-';
        return mask;
    };
    QCOMPARE(editable(0), QStringLiteral("eeeeeee--"));
    QCOMPARE(editable(cafe), QStringLiteral("---------"));
    model.setEditRow(opening);
    QCOMPARE(editable(opening), QStringLiteral("---------"));
    model.setEditRow(split);
    QCOMPARE(editable(split), QStringLiteral("eee-e----"));
    QCOMPARE(texts(model, split).at(Column::CategoryColumn), QStringLiteral("—Split—"));

    // An edited row shows the buffer over its own balance; the entry row goes blank meanwhile.
    QSignalSpy changed(&model, &RegisterModel::dataChanged);
    model.loadEntryBuffer(model.transactionAt(cafe));
    model.setEditRow(cafe);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.at(0).at(0).toModelIndex(), model.index(split, 0));
    QVERIFY(model.setData(model.index(cafe, Column::PaymentColumn), QStringLiteral("5.25")));
    QVERIFY(!model.setData(model.index(cafe, Column::MemoColumn), QStringLiteral("x"), Qt::DisplayRole));
    QCOMPARE(changed.count(), 3);
    QCOMPARE(changed.last().at(0).toModelIndex(), model.index(cafe, Column::PaymentColumn));
    QCOMPARE(texts(model, cafe), (QStringList{"1/5/2024", "101", "Cafe", "Food > Dining", "latte", "5.25", "", "C",
                                              "995.50"}));
    QCOMPARE(texts(model, 0), QStringList(9, QString()));
    QCOMPARE(colour(model, cafe, Column::BalanceColumn, Qt::BackgroundRole), QColor(QStringLiteral("#E8F5E9")));
    QCOMPARE(multiDataDiffers(model), QStringList());

    // The entry row shows its own buffer again once no row is edited, and is repainted.
    changed.clear();
    model.setEditRow(-1);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.last().at(0).toModelIndex(), model.index(0, 0));
    QCOMPARE(changed.last().at(1).toModelIndex(), model.index(0, Column::BalanceColumn));

    // The entry row: both amounts typed, the payment wins; a bad date is today.
    model.setEntryText(RegisterModel::NextEntryDateSlot, QStringLiteral("2/2/2024"));
    const QStringList typed{"13/45/2024", " 12 ", "  Market ", "Food > Groceries", " bag ", " 12.50", "3", "R"};
    for (int column = 0; column < typed.size(); ++column)
        QVERIFY(model.setData(model.index(0, column), typed.at(column)));
    model.setEntryText(RegisterModel::CategoryIdSlot, QStringLiteral("groceries"));
    const auto seedOf = [&] {
        const Transaction t = model.entryTransaction(QStringLiteral("acct"));
        return QStringList{t.accountId, t.date.toString(Qt::ISODate), t.payee, t.memo, t.checkNumber, t.categoryId,
                           QString::number(t.amount), QString::number(t.cleared + t.reconciled)};
    };
    QCOMPARE(seedOf(), (QStringList{"acct", "2024-03-15", "Market", "bag", "12", "groceries", "-1250", "2"}));
    QCOMPARE(multiDataDiffers(model), QStringList());
    setAmountAutoDecimal(true);
    model.setData(model.index(0, Column::PaymentColumn), QString());
    model.setData(model.index(0, Column::DepositColumn), QStringLiteral("1234"));
    QCOMPARE(seedOf().at(6), QStringLiteral("1234"));

    // New rows drop the edit row and start on the next-entry date.
    model.setEditRow(cafe);
    model.setTransactions(rows);
    QCOMPARE(model.editRow(), -1);
    QCOMPARE(texts(model, 0, Qt::EditRole), (QStringList{"2/2/2024", "", "", "", "", "", "", "", ""}));
}

// The row being edited is its transaction wherever the rows go: each sort,
// a row moved past it, another taken out; it ends, and the entry row shows its
// own buffer again, only when its transaction leaves.
void TestRegisterModel::theEditRowFollowsItsTransaction()
{
    RegisterModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QList<RegisterRow> ledger = sampleRows();
    for (int i = 0; i < ledger.size(); ++i)
        ledger[i].createdOrder = 20240101000000 + 100 * i;
    model.setTransactions(ledger);
    const auto editing = [&] { return model.editRow() < 0 ? QString() : model.transactionIdAt(model.editRow()); };
    const int cafe = model.rowOf(QStringLiteral("c1"));
    model.loadEntryBuffer(model.transactionAt(cafe));
    model.setEditRow(cafe);
    QVERIFY(model.setData(model.index(cafe, Column::PayeeColumn), QStringLiteral("Coffee")));
    // Every row shows its own texts, the edited one what was typed into it.
    const auto verifyRows = [&] {
        QCOMPARE(editing(), QStringLiteral("c1"));
        for (int row = 0; row < model.rowCount(); ++row) {
            const QString payee = texts(model, row).at(Column::PayeeColumn);
            if (row == model.entryRow())
                QCOMPARE(payee, QString());
            else
                QCOMPARE(payee, row == model.editRow() ? QStringLiteral("Coffee") : model.transactionAt(row).payee);
        }
    };
    for (int column = 0; column < model.columnCount(); ++column) {
        for (const Qt::SortOrder order : {Qt::DescendingOrder, Qt::AscendingOrder}) {
            model.sort(column, order);
            verifyRows();
            if (QTest::currentTestFailed())
                return;
        }
    }
    model.sort(Column::DateColumn, Qt::DescendingOrder);
    // A row of its day moved past it, and another taken out above it.
    RegisterRow zoo = model.transactionAt(model.rowOf(QStringLiteral("z1")));
    zoo.date = QDate(2024, 1, 4);
    QVERIFY(model.applyRow(zoo.id, zoo));
    verifyRows();
    QVERIFY(model.applyRow(QStringLiteral("r1"), std::nullopt));
    verifyRows();

    QVERIFY(model.applyRow(QStringLiteral("c1"), std::nullopt));
    QCOMPARE(model.editRow(), -1);
    QCOMPARE(texts(model, model.entryRow()).at(Column::PayeeColumn), QStringLiteral("Payee"));
}

void TestRegisterModel::entryAmount_data()
{
    QTest::addColumn<QString>("payment");
    QTest::addColumn<QString>("deposit");
    QTest::addColumn<QString>("expected"); // empty, the amount, or the text not understood in brackets

    QTest::newRow("both empty") << " " << "" << "empty";
    QTest::newRow("payment wins") << "12.50" << "3" << "-1250";
    QTest::newRow("deposit alone") << "" << "$1,000" << "100000";
    QTest::newRow("zero") << "0" << "" << "0";
    QTest::newRow("payment is no amount") << " abc " << "3" << "[abc]";
    // Outranked by the payment, and still not passed over.
    QTest::newRow("deposit is no amount") << "5" << "1e308" << "[1e308]";
    QTest::newRow("both are none") << "x" << "y" << "[x]";
}

void TestRegisterModel::entryAmount()
{
    QFETCH(QString, payment);
    QFETCH(QString, deposit);
    QFETCH(QString, expected);
    RegisterModel model;
    model.setData(model.index(model.entryRow(), Column::PaymentColumn), payment);
    model.setData(model.index(model.entryRow(), Column::DepositColumn), deposit);
    const RegisterModel::EntryAmount amount = model.entryAmount();
    const QString read = amount.empty ? QStringLiteral("empty")
                         : amount.cents ? QString::number(*amount.cents)
                                        : QStringLiteral("[%1]").arg(amount.notUnderstood);
    QCOMPARE(read, expected);
    QCOMPARE(model.entryTransaction(QString()).amount, amount.cents.value_or(0));
}

VELLUMRY_TEST_MAIN(TestRegisterModel)
#include "tst_registermodel.moc"
