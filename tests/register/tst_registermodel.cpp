#include "TestMain.h"

#include "data/Clock.h"
#include "register/RegisterModel.h"

#include <QAbstractItemModelTester>
#include <QColor>
#include <QFont>
#include <QSignalSpy>
#include <QTimeZone>

class TestRegisterModel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void emptyRegisterShowsTheEntryRow();
    void cellsOfAssetAndLiabilityAccounts();
    void sortOrders_data();
    void sortOrders();
    void entryAndEditRows();
};

namespace {

const QColor kMuted(QStringLiteral("#6E8A7E"));

struct Line
{
    const char* id;
    QDate date;
    const char* payee;
    qint64 amount;
    qint64 balance;
    const char* category = "";
    const char* memo = "";
    const char* check = "";
    int cleared = 0; // 1 cleared, 2 reconciled
};

RegisterRow rowOf(const Line& line)
{
    RegisterRow row;
    row.id = QString::fromLatin1(line.id);
    row.date = line.date;
    row.payee = QString::fromLatin1(line.payee);
    row.amount = line.amount;
    row.runningBalance = line.balance;
    row.categoryText = QString::fromLatin1(line.category);
    row.memo = QString::fromLatin1(line.memo);
    row.checkNumber = QString::fromLatin1(line.check);
    row.cleared = line.cleared >= 1;
    row.reconciled = line.cleared == 2;
    return row;
}

// As the ledger delivers them: oldest first, then in the order they were made.
QList<RegisterRow> sampleRows()
{
    const Line lines[] = {
        {"ob", QDate(2024, 1, 1), "Opening Balance", 100000, 100000, "", "", "", 2},
        {"c1", QDate(2024, 1, 5), "Cafe", -450, 99550, "Food > Dining", "latte", "101", 1},
        {"z1", QDate(2024, 1, 5), "Zoo", -2000, 97550, "Fun", "", "99"},
        {"p1", QDate(2024, 1, 10), "Payroll", 150000, 247550, "Salary", "", "", 2},
        {"c2", QDate(2024, 2, 1), "Cafe", -450, 247100, "Food > Dining", "mocha"},
        {"f1", QDate(2024, 2, 1), "Refund", 0, 247100},
        {"r1", QDate(2024, 2, 3), "Rent", -300000, -52900, "Housing", "", "102"},
    };
    QList<RegisterRow> rows;
    for (const Line& line : lines)
        rows.append(rowOf(line));
    return rows;
}

QStringList rowTexts(const QAbstractItemModel& model, int row, int role = Qt::DisplayRole)
{
    QStringList texts;
    for (int column = 0; column < model.columnCount(); ++column)
        texts.append(model.data(model.index(row, column), role).toString());
    return texts;
}

QStringList headers(const QAbstractItemModel& model)
{
    QStringList texts;
    for (int column = 0; column < model.columnCount(); ++column)
        texts.append(model.headerData(column, Qt::Horizontal).toString());
    return texts;
}

int rowOfId(const RegisterModel& model, const QString& id)
{
    for (int row = 0; row < model.rowCount(); ++row) {
        if (row != model.entryRow() && model.transactionAt(row).id == id)
            return row;
    }
    return -1;
}

QColor colourAt(const RegisterModel& model, int row, int column, int role)
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

void TestRegisterModel::emptyRegisterShowsTheEntryRow()
{
    RegisterModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setTransactions({});
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.columnCount(), 9);
    QCOMPARE(rowTexts(model, 0), (QStringList{"3/15/2024", "Chk #", "Payee", "Category", "Memo", "Payment",
                                              "Deposit", "Clr", ""}));
    QCOMPARE(rowTexts(model, 0, Qt::EditRole), (QStringList{"3/15/2024", "", "", "", "", "", "", "", ""}));
    QCOMPARE(colourAt(model, 0, RegisterModel::PayeeColumn, Qt::ForegroundRole), kMuted);
    QVERIFY(!model.data(model.index(0, RegisterModel::DateColumn), Qt::ForegroundRole).isValid());
    QVERIFY(!model.data(model.index(0, RegisterModel::BalanceColumn), Qt::ForegroundRole).isValid());
    QVERIFY(!model.data(model.index(0, RegisterModel::PaymentColumn), Qt::TextAlignmentRole).isValid());
    QCOMPARE(colourAt(model, 0, RegisterModel::BalanceColumn, Qt::BackgroundRole), QColor(QStringLiteral("#E8F5E9")));

    // Sorting newest first keeps the single row; clearing the sort changes nothing.
    QSignalSpy sorted(&model, &RegisterModel::sortChanged);
    QSignalSpy reset(&model, &RegisterModel::modelReset);
    model.sort(-1, Qt::DescendingOrder);
    QCOMPARE(sorted.count(), 0);
    QCOMPARE(reset.count(), 0);
    QCOMPARE(model.sortColumn(), 0);
    model.sort(RegisterModel::DateColumn, Qt::DescendingOrder);
    QCOMPARE(sorted.count(), 1);
    QCOMPARE(model.entryRow(), 0);

    model.setEntryRowVisible(false);
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.entryRow(), -1);
}

void TestRegisterModel::cellsOfAssetAndLiabilityAccounts()
{
    RegisterModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QList<RegisterRow> rows = sampleRows();
    rows[4].isSplit = true; // c2
    model.setTransactions(rows);
    QCOMPARE(model.rowCount(), 8);
    QCOMPARE(model.entryRow(), 7);

    QCOMPARE(headers(model), (QStringList{"Date", "Chk #", "Payee", "Category", "Memo", "Payment", "Deposit", "Clr",
                                          "Balance"}));
    QCOMPARE(rowTexts(model, 1), (QStringList{"1/5/2024", "101", "Cafe", "Food > Dining", "latte", "4.50", "", "C",
                                              "995.50"}));
    QCOMPARE(rowTexts(model, 4), (QStringList{"2/1/2024", "", "Cafe", "—Split—", "mocha", "4.50", "", "", "2,471.00"}));
    QCOMPARE(rowTexts(model, 4, Qt::EditRole),
             (QStringList{"2/1/2024", "", "Cafe", "Food > Dining", "mocha", "4.50", "", "", ""}));
    QCOMPARE(rowTexts(model, 5), (QStringList{"2/1/2024", "", "Refund", "", "", "", "0.00", "", "2,471.00"}));
    QCOMPARE(rowTexts(model, 6), (QStringList{"2/3/2024", "102", "Rent", "Housing", "", "3,000.00", "", "", "-529.00"}));

    // Overdrawn: red and bold balance on a highlighted row, until the emphasis is off.
    const QModelIndex overdrawn = model.index(6, RegisterModel::BalanceColumn);
    QCOMPARE(colourAt(model, 6, RegisterModel::BalanceColumn, Qt::ForegroundRole), QColor(QStringLiteral("#C62828")));
    QCOMPARE(model.data(overdrawn, Qt::FontRole).value<QFont>().weight(), QFont::Bold);
    QCOMPARE(colourAt(model, 6, RegisterModel::PayeeColumn, Qt::BackgroundRole), QColor(QStringLiteral("#FDEAEA")));
    QCOMPARE(model.data(model.index(6, RegisterModel::PaymentColumn), Qt::TextAlignmentRole).toInt(),
             int(Qt::AlignRight | Qt::AlignVCenter));
    QCOMPARE(colourAt(model, 5, RegisterModel::DepositColumn, Qt::ForegroundRole), QColor(QStringLiteral("#2E7D32")));
    QCOMPARE(colourAt(model, 5, RegisterModel::MemoColumn, Qt::ForegroundRole), kMuted);

    QSignalSpy changed(&model, &RegisterModel::dataChanged);
    QSignalSpy headerChanged(&model, &RegisterModel::headerDataChanged);
    model.setHighlightOverdrawn(false);
    QVERIFY(!model.data(model.index(6, RegisterModel::PayeeColumn), Qt::BackgroundRole).isValid());
    model.setEmphasizeNegativeBalance(false);
    QCOMPARE(model.data(overdrawn, Qt::FontRole).value<QFont>().weight(), QFont::Normal);
    model.setEmphasizeNegativeBalance(false);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.last().at(2).value<QList<int>>(), (QList<int>{Qt::BackgroundRole, Qt::FontRole}));

    // A credit card: headers swap, balances flip, the entry row keeps its placeholders.
    model.setLiabilityAccount(true);
    QCOMPARE(headerChanged.count(), 1);
    QCOMPARE(headers(model).mid(5, 2), (QStringList{"Charge", "Payment"}));
    QCOMPARE(rowTexts(model, 6).last(), QStringLiteral("529.00"));
    QCOMPARE(rowTexts(model, 1).last(), QStringLiteral("-995.50"));
    QCOMPARE(colourAt(model, 1, RegisterModel::BalanceColumn, Qt::ForegroundRole), QColor(QStringLiteral("#C62828")));
    QVERIFY(!model.data(model.index(6, RegisterModel::BalanceColumn), Qt::ForegroundRole).isValid());
    QCOMPARE(rowTexts(model, 7).mid(5, 2), (QStringList{"Payment", "Deposit"}));

    model.setTwoLine(true);
    QCOMPARE(headers(model).at(2), QStringLiteral("Payee / Memo"));
    model.setCurrency(Currency::JPY);
    QCOMPARE(rowTexts(model, 6).at(RegisterModel::PaymentColumn), QStringLiteral("300,000"));
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
    QTest::newRow("balance of a liability") << 8 << up << true << QStringList{"p1", "c2", "f1", "ob", "c1", "z1", "r1"};
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
    model.sort(column, order);
    QCOMPARE(sorted.count(), 1);
    QCOMPARE(sorted.first().at(0).toInt(), column);

    const bool entryOnTop = column == 0 && order == Qt::DescendingOrder;
    QCOMPARE(model.entryRow(), entryOnTop ? 0 : int(ids.size()));
    QStringList shown;
    for (int row = 0; row < model.rowCount(); ++row) {
        if (row != model.entryRow())
            shown.append(model.transactionAt(row).id);
    }
    QCOMPARE(shown, ids);
    QCOMPARE(model.data(model.index(model.entryRow(), RegisterModel::PayeeColumn)).toString(), QStringLiteral("Payee"));

    // New rows arrive in the kept sort.
    model.setTransactions(sampleRows());
    QCOMPARE(model.transactionAt(entryOnTop ? 1 : 0).id, ids.first());
}

void TestRegisterModel::entryAndEditRows()
{
    RegisterModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QList<RegisterRow> rows = sampleRows();
    rows[0].id.clear(); // the opening line added for a starting balance has no row of its own
    rows[4].isSplit = true;
    model.setTransactions(rows);
    model.sort(RegisterModel::DateColumn, Qt::DescendingOrder);
    const int entry = model.entryRow();
    const int opening = 7;
    const int split = rowOfId(model, QStringLiteral("c2"));
    const int cafe = rowOfId(model, QStringLiteral("c1"));
    QCOMPARE(entry, 0);

    const auto editable = [&](int row) {
        QString mask;
        for (int column = 0; column < model.columnCount(); ++column)
            mask += model.flags(model.index(row, column)).testFlag(Qt::ItemIsEditable) ? u'e' : u'-';
        return mask;
    };
    QCOMPARE(editable(entry), QStringLiteral("eeeeeee--"));
    QCOMPARE(editable(cafe), QStringLiteral("---------"));
    model.setEditRow(opening);
    QCOMPARE(editable(opening), QStringLiteral("---------"));
    model.setEditRow(split);
    QCOMPARE(editable(split), QStringLiteral("eee-e----"));

    // Editing a row: its cells show the buffer, and the entry row goes blank meanwhile.
    QSignalSpy changed(&model, &RegisterModel::dataChanged);
    model.loadEntryBuffer(model.transactionAt(cafe), model.transactionAt(cafe).categoryText);
    model.setEditRow(cafe);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.at(0).at(0).toModelIndex(), model.index(split, 0));
    QCOMPARE(changed.at(1).at(1).toModelIndex(), model.index(cafe, 8));
    QVERIFY(model.setData(model.index(cafe, RegisterModel::PaymentColumn), QStringLiteral("5.25")));
    QVERIFY(!model.setData(model.index(cafe, RegisterModel::MemoColumn), QStringLiteral("x"), Qt::DisplayRole));
    QCOMPARE(rowTexts(model, cafe), (QStringList{"1/5/2024", "101", "Cafe", "Food > Dining", "latte", "5.25", "", "C",
                                                 "995.50"}));
    QCOMPARE(rowTexts(model, entry), QStringList(9, QString()));
    QCOMPARE(colourAt(model, cafe, RegisterModel::BalanceColumn, Qt::BackgroundRole), QColor(QStringLiteral("#E8F5E9")));

    // Back on the entry row: both amounts typed, the payment wins.
    model.setEditRow(-1);
    model.resetEntryBuffer();
    model.setEntryText(RegisterModel::NextEntryDateSlot, QStringLiteral("2/2/2024"));
    model.resetEntryBuffer();
    const QStringList typed{"13/45/2024", " 12 ", "  Market ", "Food > Groceries", " bag ", " 12.50", "3", "R", "", ""};
    for (int column = 0; column < 8; ++column)
        QVERIFY(model.setData(model.index(entry, column), typed.at(column)));
    model.setEntryText(RegisterModel::CategoryIdSlot, QStringLiteral("groceries-id"));
    Transaction seed = model.entryTransaction(QStringLiteral("acct"));
    QCOMPARE(seed.accountId, QStringLiteral("acct"));
    QCOMPARE(seed.date, QDate(2024, 3, 15));
    QCOMPARE(seed.payee, QStringLiteral("Market"));
    QCOMPARE(seed.memo, QStringLiteral(" bag "));
    QCOMPARE(seed.checkNumber, QStringLiteral("12"));
    QCOMPARE(seed.categoryId, QStringLiteral("groceries-id"));
    QCOMPARE(seed.amount, -1250);
    QVERIFY(!seed.cleared && !seed.reconciled);

    setAmountAutoDecimal(true);
    model.setData(model.index(entry, RegisterModel::PaymentColumn), QString());
    model.setData(model.index(entry, RegisterModel::DepositColumn), QStringLiteral("1234"));
    model.setData(model.index(entry, RegisterModel::DateColumn), QStringLiteral("2/29/2024"));
    seed = model.entryTransaction(QStringLiteral("acct"));
    QCOMPARE(seed.amount, 1234);
    QCOMPARE(seed.date, QDate(2024, 2, 29));

    // A reset keeps the next-entry date; new rows drop the edit row.
    model.resetEntryBuffer();
    QCOMPARE(rowTexts(model, entry, Qt::EditRole), (QStringList{"2/2/2024", "", "", "", "", "", "", "", ""}));
    model.setEditRow(cafe);
    model.setTransactions(rows);
    QCOMPARE(model.editRow(), -1);
    QCOMPARE(model.entryText(RegisterModel::DateSlot), QStringLiteral("2/2/2024"));
}

VELLUMRY_TEST_MAIN(TestRegisterModel)
#include "tst_registermodel.moc"
