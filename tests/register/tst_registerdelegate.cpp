#include "TestMain.h"

#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Identifiers.h"
#include "data/TransactionRepository.h"
#include "register/RegisterDelegate.h"
#include "register/RegisterModel.h"
#include "register/SmartDateEdit.h"
#include "state/AppState.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimeZone>

#include <memory>

class TestRegisterDelegate : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void payeeCompletionFillsOnlyTheEntryRow();
    void categoryAndDateEditors();
    void twoLineRows();

private:
    QString addAccount(const QString& name);
    QString addCategory(const QString& name, const QString& parentId = QString());
    void addTransaction(const QString& payee, QDate date, qint64 amount, const QString& categoryId,
                        const QString& memo);
    QWidget* openEditor(int row, int column);
    QAbstractItemView* popupOf(QWidget* editor);

    QTemporaryDir m_dir;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<RegisterModel> m_model;
    std::unique_ptr<RegisterDelegate> m_delegate;
    std::unique_ptr<QTableView> m_view;
    QString m_checking;
    QString m_dining;
    QString m_salary;
};

QString TestRegisterDelegate::addAccount(const QString& name)
{
    Account account;
    account.id = newId();
    account.name = name;
    account.createdAt = Clock::nowUtc();
    account.updatedAt = account.createdAt;
    return m_state->accountRepository->insert(account) ? account.id : QString();
}

QString TestRegisterDelegate::addCategory(const QString& name, const QString& parentId)
{
    Category category;
    category.id = newId();
    category.name = name;
    category.parentId = parentId;
    category.createdAt = Clock::nowUtc();
    category.updatedAt = category.createdAt;
    return m_state->categoryRepository->insert(category) ? category.id : QString();
}

void TestRegisterDelegate::addTransaction(const QString& payee, QDate date, qint64 amount,
                                          const QString& categoryId, const QString& memo)
{
    Transaction transaction;
    transaction.id = newId();
    transaction.accountId = m_checking;
    transaction.date = date;
    transaction.payee = payee;
    transaction.amount = amount;
    transaction.categoryId = categoryId;
    transaction.memo = memo;
    transaction.createdAt = Clock::nowUtc();
    transaction.updatedAt = transaction.createdAt;
    QVERIFY(m_state->transactionRepository->insert(transaction));
}

void TestRegisterDelegate::init()
{
    Clock::setFixedNow(QDateTime(QDate(2024, 3, 15), QTime(9, 0), QTimeZone::utc()));
    m_state = std::make_unique<AppState>();
    QVERIFY(m_state->openLedger(m_dir.filePath(QStringLiteral("vellumry-%1.db").arg(newId()))));
    m_checking = addAccount(QStringLiteral("Checking"));
    addAccount(QStringLiteral("Savings"));
    addAccount(QStringLiteral("Visa"));
    const QString food = addCategory(QStringLiteral("Food"));
    m_dining = addCategory(QStringLiteral("Dining"), food);
    m_salary = addCategory(QStringLiteral("Salary"));
    addTransaction(QStringLiteral("Cafe"), QDate(2024, 2, 1), -300, QString(), QStringLiteral("tea"));
    addTransaction(QStringLiteral("Cafe"), QDate(2024, 3, 1), -450, m_dining, QStringLiteral("latte"));
    addTransaction(QStringLiteral("Payroll"), QDate(2024, 3, 2), 150000, m_salary, QString());

    m_model = std::make_unique<RegisterModel>();
    m_model->setTransactions(m_state->transactionRepository->registerRows(m_checking));
    m_delegate = std::make_unique<RegisterDelegate>(m_state.get());
    m_delegate->setAccountId(m_checking);
    m_view = std::make_unique<QTableView>();
    m_view->setModel(m_model.get());
    m_view->setItemDelegate(m_delegate.get());
    m_view->verticalHeader()->setDefaultSectionSize(36);
    m_view->resize(1200, 400);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowActive(m_view.get()));
}

void TestRegisterDelegate::cleanup()
{
    m_view.reset();
    m_delegate.reset();
    m_model.reset();
    m_state.reset();
    Clock::reset();
    setAmountAutoDecimal(false);
}

QWidget* TestRegisterDelegate::openEditor(int row, int column)
{
    const QModelIndex index = m_model->index(row, column);
    m_view->setCurrentIndex(index);
    m_view->edit(index);
    return QApplication::focusWidget();
}

QAbstractItemView* TestRegisterDelegate::popupOf(QWidget* editor)
{
    auto* lineEdit = qobject_cast<QLineEdit*>(editor);
    return lineEdit && lineEdit->completer() ? lineEdit->completer()->popup() : nullptr;
}

void TestRegisterDelegate::payeeCompletionFillsOnlyTheEntryRow()
{
    const int entry = m_model->entryRow();
    QWidget* payee = openEditor(entry, RegisterModel::PayeeColumn);
    QCompleter* completer = qobject_cast<QLineEdit*>(payee)->completer();
    QCOMPARE(completer->model()->rowCount(), 4);
    QCOMPARE(completer->model()->index(0, 0).data().toString(), QStringLiteral("[Transfer] Visa"));
    QCOMPARE(completer->model()->index(1, 0).data().toString(), QStringLiteral("[Transfer] Savings"));

    // Return inside the list takes the completion and neither commits nor fills.
    QTest::keyClicks(payee, QStringLiteral("caf"));
    QTRY_VERIFY(popupOf(payee)->isVisible());
    QTest::keyClick(popupOf(payee), Qt::Key_Down);
    QTest::keyClick(popupOf(payee), Qt::Key_Return);
    QCOMPARE(qobject_cast<QLineEdit*>(payee)->text(), QStringLiteral("Cafe"));
    QVERIFY(payee->isVisible() && payee->hasFocus());
    QCOMPARE(m_model->entryText(RegisterModel::PayeeSlot), QString());
    QCOMPARE(m_model->entryText(RegisterModel::PaymentSlot), QString());

    // Tab inside the list takes it, fills the row from the newest Cafe and moves on.
    QTest::keyClick(payee, Qt::Key_Backspace);
    QTRY_VERIFY(popupOf(payee)->isVisible());
    QTest::keyClick(popupOf(payee), Qt::Key_Down);
    QTest::keyClick(popupOf(payee), Qt::Key_Tab);
    QTRY_COMPARE(m_view->currentIndex().column(), int(RegisterModel::CategoryColumn));
    QCOMPARE(m_model->entryText(RegisterModel::CategoryIdSlot), m_dining);
    setAmountAutoDecimal(true);
    for (int column = RegisterModel::CategoryColumn; column < RegisterModel::PaymentColumn; ++column)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTRY_COMPARE(m_view->currentIndex().column(), int(RegisterModel::PaymentColumn));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1234"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QStringList shown;
    for (int column = 0; column < RegisterModel::ColumnCount; ++column)
        shown.append(m_model->index(entry, column).data().toString());
    QCOMPARE(shown, (QStringList{"3/15/2024", "Chk #", "Cafe", "Dining", "latte", "12.34", "Deposit", "Clr", ""}));

    // On the entry row a committed payee fills too, trimmed; on an edited row nothing is filled.
    payee = openEditor(entry, RegisterModel::PayeeColumn);
    qobject_cast<QLineEdit*>(payee)->setText(QStringLiteral(" Payroll "));
    QTest::keyClick(payee, Qt::Key_Tab);
    QCOMPARE(m_model->entryText(RegisterModel::PaymentSlot), QString());
    QCOMPARE(m_model->entryText(RegisterModel::DepositSlot), QStringLiteral("1,500.00"));
    QCOMPARE(m_model->entryText(RegisterModel::MemoSlot), QStringLiteral("latte"));

    const int payroll = 2;
    m_view->setCurrentIndex(m_model->index(payroll, RegisterModel::PayeeColumn));
    m_model->loadEntryBuffer(m_model->transactionAt(payroll), m_model->transactionAt(payroll).categoryText);
    m_model->setEditRow(payroll);
    payee = openEditor(payroll, RegisterModel::PayeeColumn);
    qobject_cast<QLineEdit*>(payee)->clear();
    QTest::keyClicks(payee, QStringLiteral("caf"));
    QTRY_VERIFY(popupOf(payee)->isVisible());
    QTest::keyClick(popupOf(payee), Qt::Key_Down);
    QTest::keyClick(popupOf(payee), Qt::Key_Tab);
    QCOMPARE(m_model->entryText(RegisterModel::PayeeSlot), QStringLiteral("Cafe"));
    QCOMPARE(m_model->entryText(RegisterModel::DepositSlot), QStringLiteral("1,500.00"));
    QCOMPARE(m_model->entryText(RegisterModel::CategorySlot), QStringLiteral("Salary"));
}

void TestRegisterDelegate::categoryAndDateEditors()
{
    const int entry = m_model->entryRow();
    auto* combo = qobject_cast<QComboBox*>(openEditor(entry, RegisterModel::CategoryColumn));
    QVERIFY(combo);
    QStringList items;
    for (int item = 0; item < combo->count(); ++item)
        items.append(combo->itemText(item));
    QCOMPARE(items, (QStringList{"", "Food > Dining", "Food", "Salary"}));

    QTest::keyClicks(combo, QStringLiteral("din"));
    QTRY_VERIFY(combo->completer()->popup()->isVisible());
    QTest::keyClick(combo->completer()->popup(), Qt::Key_Down);
    QTest::keyClick(combo->completer()->popup(), Qt::Key_Backtab);
    QTRY_COMPARE(m_view->currentIndex().column(), int(RegisterModel::PayeeColumn));
    QCOMPARE(m_model->entryText(RegisterModel::CategorySlot), QStringLiteral("Food > Dining"));
    QCOMPARE(m_model->entryText(RegisterModel::CategoryIdSlot), m_dining);

    // Typing over the chosen item must not keep its id for a text that names another.
    combo = qobject_cast<QComboBox*>(openEditor(entry, RegisterModel::CategoryColumn));
    QCOMPARE(combo->currentText(), QStringLiteral("Food > Dining"));
    combo->lineEdit()->setText(QStringLiteral("Groceries"));
    QTest::keyClick(combo->lineEdit(), Qt::Key_Tab);
    QCOMPARE(m_model->entryText(RegisterModel::CategorySlot), QStringLiteral("Groceries"));
    QCOMPARE(m_model->entryText(RegisterModel::CategoryIdSlot), QString());

    // Date keys act on the stored date, not on text typed by hand since.
    auto* date = qobject_cast<SmartDateEdit*>(openEditor(entry, RegisterModel::DateColumn));
    QVERIFY(date && !date->actions().isEmpty());
    QCOMPARE(date->selectedText(), QStringLiteral("3/15/2024"));
    QTest::keyClicks(date, QStringLiteral("4/1/2024+"));
    QCOMPARE(date->text(), QStringLiteral("3/16/2024"));
    date->setText(QStringLiteral("02/29/24"));
    QTest::keyClick(date, Qt::Key_Tab);
    QCOMPARE(m_model->entryText(RegisterModel::DateSlot), QStringLiteral("2/29/2024"));
}

void TestRegisterDelegate::twoLineRows()
{
    m_delegate->setTwoLine(true);
    m_model->setTwoLine(true);
    m_view->verticalHeader()->setDefaultSectionSize(52);
    QCOMPARE(m_delegate->sizeHint(QStyleOptionViewItem(), m_model->index(0, 0)).height(), 52);

    const int entry = m_model->entryRow();
    openEditor(entry, RegisterModel::PayeeColumn);
    QWidget* editor = m_view->viewport()->findChild<QWidget*>(QStringLiteral("PayeeMemoEditor"));
    QVERIFY(editor);
    QCOMPARE(editor->geometry(), m_view->visualRect(m_model->index(entry, RegisterModel::PayeeColumn)));
    auto* payee = editor->findChild<QLineEdit*>(QStringLiteral("payeeEdit"));
    auto* memo = editor->findChild<QLineEdit*>(QStringLiteral("memoEdit"));
    QCOMPARE(memo->placeholderText(), QStringLiteral("Memo"));
    QVERIFY(memo->font().italic());

    QTest::keyClicks(payee, QStringLiteral("caf"));
    QTRY_VERIFY(popupOf(payee)->isVisible());
    QTest::keyClick(popupOf(payee), Qt::Key_Down);
    QTest::keyClick(popupOf(payee), Qt::Key_Tab);
    QTRY_VERIFY(memo->hasFocus());
    QCOMPARE(memo->text(), QStringLiteral("latte"));
    memo->setText(QStringLiteral("flat white"));
    emit m_delegate->commitData(editor);
    QCOMPARE(m_model->entryText(RegisterModel::MemoSlot), QStringLiteral("flat white"));
    QCOMPARE(m_model->entryText(RegisterModel::PaymentSlot), QStringLiteral("4.50"));

    // The memo is drawn on the second line under the payee, and only where there is one.
    const auto secondLineInk = [&](int row) {
        const QModelIndex index = m_model->index(row, RegisterModel::PayeeColumn);
        QStyleOptionViewItem option;
        option.initFrom(m_view.get());
        option.state &= ~QStyle::State_HasFocus;
        option.rect = QRect(0, 0, 250, 52);
        option.widget = m_view.get();
        QImage image(option.rect.size(), QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        m_delegate->paint(&painter, option, index);
        painter.end();
        const QRgb background = image.pixel(1, 50);
        int ink = 0;
        for (int y = 38; y < 50; ++y)
            for (int x = 4; x < 246; ++x)
                ink += image.pixel(x, y) != background ? 1 : 0;
        return ink;
    };
    QVERIFY(secondLineInk(1) > 0);  // the newest Cafe, memo "latte"
    QCOMPARE(secondLineInk(2), 0); // Payroll, no memo
}

VELLUMRY_TEST_MAIN(TestRegisterDelegate)
#include "tst_registerdelegate.moc"
