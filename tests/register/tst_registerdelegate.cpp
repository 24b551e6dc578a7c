#include "TestMain.h"
#include "../data/LedgerFixture.h"

#include "data/AccountRepository.h"
#include "data/Database.h"
#include "data/LedgerConstants.h"
#include "data/TransactionRepository.h"
#include "register/RegisterCellText.h"
#include "register/RegisterDelegate.h"
#include "register/RegisterModel.h"
#include "register/RegisterTableStyle.h"
#include "widgets/DateField.h"
#include "state/AppState.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QCompleter>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QSqlQuery>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QStringListModel>
#include <QTableView>
#include <QTemporaryDir>

#include <cmath>
#include <functional>
#include <memory>

class TestRegisterDelegate : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void payeeCompletionFillsOnlyTheEntryRow();
    void payeeCompletionsFollowTheLedger_data();
    void payeeCompletionsFollowTheLedger();
    void completionListsAreMadeWhenShown_data();
    void completionListsAreMadeWhenShown();
    void categoryAndDateEditors();
    void twoLineRows();
    void cellsDrawAsTheStyleDraws_data();
    void cellsDrawAsTheStyleDraws();
    void cellTextKeepsItsLayouts();
    void cellTextElidesAsTheFontMeasures();
    void cellTextKeepsWhatWasShownLately();
    void keptCellsLookAsTheStyleDraws_data();
    void keptCellsLookAsTheStyleDraws();

private:
    QWidget* openEditor(int row, int column);

    QTemporaryDir m_dir;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<RegisterModel> m_model;
    std::unique_ptr<RegisterDelegate> m_delegate;
    std::unique_ptr<QTableView> m_view;
};

namespace {

QCompleter* completerOf(QWidget* editor)
{
    if (auto* comboBox = qobject_cast<QComboBox*>(editor))
        return comboBox->completer();
    return qobject_cast<QLineEdit*>(editor)->completer();
}

// Types into an editor, highlights the first completion and leaves the list with `key`.
void choose(QWidget* editor, const QString& typed, Qt::Key key)
{
    QTest::keyClicks(editor, typed);
    QAbstractItemView* popup = completerOf(editor)->popup();
    QTRY_VERIFY(popup->isVisible());
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, key);
}

} // namespace

void TestRegisterDelegate::init()
{
    Clock::setFixedNow(QDateTime(QDate(2024, 3, 15), QTime(9, 0), QTimeZone::utc()));
    m_state = std::make_unique<AppState>();
    QVERIFY(m_state->openLedger(m_dir.filePath(QStringLiteral("%1.db").arg(newId()))));
    // Accounts and categories go in with plain SQL: only the delegate is under test.
    QSqlQuery sql(m_state->database->database());
    QVERIFY(sql.exec(QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) VALUES "
                                    "('chk', 'Checking', 'x', 'x'), ('sav', 'Savings', 'x', 'x'), "
                                    "('visa', 'Visa', 'x', 'x')")));
    QVERIFY(sql.exec(QStringLiteral("INSERT INTO categories (id, name, parent_id, created_at, updated_at) VALUES "
                                    "('food', 'Food', NULL, 'x', 'x'), ('dining', 'Dining', 'food', 'x', 'x'), "
                                    "('salary', 'Salary', NULL, 'x', 'x')")));
    const auto transaction = [&](const char* payee, int month, qint64 amount, const char* category, const char* memo) {
        Transaction record = LedgerFixture::newTransaction(QStringLiteral("chk"), QDate(2024, month, 1),
                                                           QString::fromLatin1(payee), amount);
        record.categoryId = QString::fromLatin1(category);
        record.memo = QString::fromLatin1(memo);
        return m_state->transactionRepository->insert(record);
    };
    QVERIFY(transaction("Cafe", 2, -300, "", "tea") && transaction("Cafe", 3, -450, "dining", "latte")
            && transaction("Payroll", 3, 150000, "salary", ""));

    m_model = std::make_unique<RegisterModel>();
    m_model->setTransactions(m_state->transactionRepository->registerRows(QStringLiteral("chk")));
    m_delegate = std::make_unique<RegisterDelegate>(m_state.get());
    m_delegate->setAccountId(QStringLiteral("chk"));
    m_view = std::make_unique<QTableView>();
    m_view->setModel(m_model.get());
    m_view->setItemDelegate(m_delegate.get());
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

void TestRegisterDelegate::payeeCompletionsFollowTheLedger_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("entry"); // one the next editor offers
    QTest::addColumn<bool>("readAgain");
    QTest::newRow("nothing") << QString() << QStringLiteral("Cafe") << false;
    QTest::newRow("a row with a new payee") << QStringLiteral("payee") << QStringLiteral("Zephyr Books") << true;
    QTest::newRow("an account renamed") << QStringLiteral("account") << kTransferPayeePrefix + QStringLiteral("Rainy Day")
                                        << true;
}

void TestRegisterDelegate::payeeCompletionsFollowTheLedger()
{
    QFETCH(QString, change);
    QFETCH(QString, entry);
    QFETCH(bool, readAgain);

    const auto completions = [this] {
        QWidget* editor = openEditor(m_model->entryRow(), RegisterModel::PayeeColumn);
        const QStringList shown = qobject_cast<QStringListModel*>(completerOf(editor)->model())->stringList();
        m_view->closePersistentEditor(m_view->currentIndex());
        m_view->setCurrentIndex(m_model->index(0, RegisterModel::DateColumn));
        return shown;
    };
    const QStringList before = completions();
    if (change == QLatin1String("payee")) {
        QVERIFY(m_state->transactionRepository->insert(
            LedgerFixture::newTransaction(QStringLiteral("chk"), QDate(2024, 3, 2), entry, -100)));
    } else if (change == QLatin1String("account")) {
        std::optional<Account> savings = m_state->accountRepository->findById(QStringLiteral("sav"));
        QVERIFY(savings);
        savings->name = QStringLiteral("Rainy Day");
        savings->createdAt = savings->updatedAt = Clock::nowUtc();
        QVERIFY(m_state->accountRepository->update(*savings));
    }
    // The editor is gone, the list it had is not: whatever changed, closing
    // the last editor that held it freed none of it.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!before.isDetached());
    const QStringList after = completions();
    QVERIFY(after.contains(entry));
    // Not read again, the list is the one the last editor had; read again, the
    // one before is let go there.
    QCOMPARE(after.constData() != before.constData(), readAgain);
    QCOMPARE(before.isDetached(), readAgain);
}

void TestRegisterDelegate::completionListsAreMadeWhenShown_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<int>("listsShown");
    QTest::newRow("payee, a caret move") << int(RegisterModel::PayeeColumn) << QKeySequence(Qt::Key_Left) << 0;
    QTest::newRow("payee, a register command") << int(RegisterModel::PayeeColumn)
                                                << QKeySequence(Qt::ControlModifier | Qt::Key_D) << 0;
    QTest::newRow("payee, letters that match") << int(RegisterModel::PayeeColumn) << QKeySequence(QStringLiteral("c, a"))
                                                << 1;
    QTest::newRow("category, a caret move") << int(RegisterModel::CategoryColumn) << QKeySequence(Qt::Key_Left)
                                             << 0;
    QTest::newRow("category, letters that match")
        << int(RegisterModel::CategoryColumn) << QKeySequence(QStringLiteral("d, i")) << 1;
}

void TestRegisterDelegate::completionListsAreMadeWhenShown()
{
    QFETCH(int, column);
    QFETCH(QKeySequence, keys);
    QFETCH(int, listsShown);

    // A completion list is a window of its own, made when first asked for.
    const auto lists = [] {
        QList<QWidget*> found;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (qobject_cast<QListView*>(window) && window->windowFlags().testFlag(Qt::Popup))
                found.append(window);
        }
        return found;
    };
    const qsizetype before = lists().size();
    QWidget* editor = openEditor(m_model->entryRow(), column);
    QVERIFY(editor);
    for (int i = 0; i < keys.count(); ++i)
        QTest::keyClick(editor, keys[i].key(), keys[i].keyboardModifiers());
    const QList<QWidget*> made = lists();
    QCOMPARE(made.size() - before, listsShown);
    if (listsShown > 0)
        QTRY_VERIFY(made.last()->isVisible());
}

void TestRegisterDelegate::payeeCompletionFillsOnlyTheEntryRow()
{
    const int entry = m_model->entryRow();
    QWidget* payee = openEditor(entry, RegisterModel::PayeeColumn);
    QCOMPARE(qobject_cast<QStringListModel*>(completerOf(payee)->model())->stringList(),
             (QStringList{"[Transfer] Visa", "[Transfer] Savings", "Cafe", "Payroll"}));

    // Return inside the list takes the completion and neither commits nor fills.
    choose(payee, QStringLiteral("caf"), Qt::Key_Return);
    QCOMPARE(qobject_cast<QLineEdit*>(payee)->text(), QStringLiteral("Cafe"));
    QVERIFY(payee->isVisible() && payee->hasFocus());
    QCOMPARE(m_model->entryText(RegisterModel::PaymentSlot), QString());

    // Tab inside the list takes it, fills the row from the newest Cafe and moves on.
    qobject_cast<QLineEdit*>(payee)->clear();
    choose(payee, QStringLiteral("caf"), Qt::Key_Tab);
    QTRY_COMPARE(m_view->currentIndex().column(), int(RegisterModel::CategoryColumn));
    QCOMPARE(m_model->entryText(RegisterModel::CategoryIdSlot), QStringLiteral("dining"));
    setAmountAutoDecimal(true);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1234"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QStringList shown;
    for (int column = 0; column < RegisterModel::ColumnCount; ++column)
        shown.append(m_model->index(entry, column).data().toString());
    QCOMPARE(shown, (QStringList{"3/15/2024", "Chk #", "Cafe", "Dining", "latte", "12.34", "Deposit", "Clr", ""}));
    // Text that is no amount stays as typed for the commit to refuse, not 0.00.
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("abc"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(m_model->entryText(RegisterModel::DepositSlot), QStringLiteral("abc"));

    // A payee typed and committed fills the entry row too, trimmed.
    payee = openEditor(entry, RegisterModel::PayeeColumn);
    qobject_cast<QLineEdit*>(payee)->setText(QStringLiteral(" Payroll "));
    QTest::keyClick(payee, Qt::Key_Tab);
    QCOMPARE(m_model->entryText(RegisterModel::PaymentSlot), QString());
    QCOMPARE(m_model->entryText(RegisterModel::DepositSlot), QStringLiteral("1,500.00"));
    QCOMPARE(m_model->entryText(RegisterModel::MemoSlot), QStringLiteral("latte"));

    // An existing row takes the payee and nothing else.
    const int payroll = 2;
    m_view->setCurrentIndex(m_model->index(payroll, RegisterModel::PayeeColumn));
    m_model->loadEntryBuffer(m_model->transactionAt(payroll));
    m_model->setEditRow(payroll);
    payee = openEditor(payroll, RegisterModel::PayeeColumn);
    qobject_cast<QLineEdit*>(payee)->clear();
    choose(payee, QStringLiteral("caf"), Qt::Key_Tab);
    QCOMPARE(m_model->entryText(RegisterModel::PayeeSlot), QStringLiteral("Cafe"));
    QCOMPARE(m_model->entryText(RegisterModel::DepositSlot), QStringLiteral("1,500.00"));
    QCOMPARE(m_model->entryText(RegisterModel::CategorySlot), QStringLiteral("Salary"));
}

void TestRegisterDelegate::categoryAndDateEditors()
{
    const int entry = m_model->entryRow();
    auto* combo = qobject_cast<QComboBox*>(openEditor(entry, RegisterModel::CategoryColumn));
    QStringList items;
    for (int item = 0; item < combo->count(); ++item)
        items.append(combo->itemText(item));
    QCOMPARE(items, (QStringList{"", "Food > Dining", "Food", "Salary"}));
    choose(combo, QStringLiteral("din"), Qt::Key_Backtab);
    QTRY_COMPARE(m_view->currentIndex().column(), int(RegisterModel::PayeeColumn));
    QCOMPARE(m_model->entryText(RegisterModel::CategorySlot), QStringLiteral("Food > Dining"));
    QCOMPARE(m_model->entryText(RegisterModel::CategoryIdSlot), QStringLiteral("dining"));

    // Typing over the chosen item must not keep its id for a text that names another.
    combo = qobject_cast<QComboBox*>(openEditor(entry, RegisterModel::CategoryColumn));
    combo->lineEdit()->setText(QStringLiteral("Groceries"));
    QTest::keyClick(combo, Qt::Key_Tab);
    QCOMPARE(m_model->entryText(RegisterModel::CategorySlot), QStringLiteral("Groceries"));
    QCOMPARE(m_model->entryText(RegisterModel::CategoryIdSlot), QString());

    // Date keys act on the stored date, not on text typed by hand since.
    auto* date = qobject_cast<DateField*>(openEditor(entry, RegisterModel::DateColumn));
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
    QCOMPARE(m_delegate->sizeHint(QStyleOptionViewItem(), m_model->index(0, 0)).height(), 52);
    m_view->verticalHeader()->setDefaultSectionSize(52);

    const int entry = m_model->entryRow();
    openEditor(entry, RegisterModel::PayeeColumn);
    auto* editor = m_view->viewport()->findChild<QWidget*>(QStringLiteral("PayeeMemoEditor"));
    QCOMPARE(editor->geometry(), m_view->visualRect(m_model->index(entry, RegisterModel::PayeeColumn)));
    auto* memo = editor->findChild<QLineEdit*>(QStringLiteral("memoEdit"));
    QVERIFY(memo->font().italic());

    // Tab in the list moves to the memo line, filled; what is typed there is kept.
    choose(editor->findChild<QLineEdit*>(QStringLiteral("payeeEdit")), QStringLiteral("caf"), Qt::Key_Tab);
    QTRY_VERIFY(memo->hasFocus());
    QCOMPARE(memo->text(), QStringLiteral("latte"));
    memo->setText(QStringLiteral("flat white"));
    emit m_delegate->commitData(editor);
    QCOMPARE(m_model->entryText(RegisterModel::MemoSlot), QStringLiteral("flat white"));
    QCOMPARE(m_model->entryText(RegisterModel::PaymentSlot), QStringLiteral("4.50"));

    // The memo is drawn on the second line under the payee, only where there is one.
    const auto secondLineInk = [&](int row) {
        QStyleOptionViewItem option;
        option.initFrom(m_view.get());
        option.state &= ~QStyle::State_HasFocus;
        option.rect = QRect(0, 0, 250, 52);
        option.widget = m_view.get();
        QImage image(option.rect.size(), QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        m_delegate->paint(&painter, option, m_model->index(row, RegisterModel::PayeeColumn));
        painter.end();
        int ink = 0;
        for (int y = 38; y < 50; ++y) {
            for (int x = 4; x < 246; ++x)
                ink += image.pixel(x, y) != image.pixel(1, 50) ? 1 : 0;
        }
        return ink;
    };
    QVERIFY(secondLineInk(1) > 0); // the newest Cafe, "latte"
    QCOMPARE(secondLineInk(2), 0); // Payroll, no memo
}

void TestRegisterDelegate::cellsDrawAsTheStyleDraws_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<bool>("monospace");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QColor>("foreground");
    QTest::addColumn<int>("width");
    QTest::addColumn<QStyle::State>("state");
    QTest::addColumn<Qt::TextElideMode>("elide");
    QTest::addColumn<Qt::LayoutDirection>("direction");
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<QColor>("background"); // the overdrawn tint, the row being edited

    const auto left = int(Qt::AlignLeft | Qt::AlignVCenter);
    const auto right = int(Qt::AlignRight | Qt::AlignVCenter);
    const auto centre = int(Qt::AlignHCenter | Qt::AlignVCenter);
    const QStyle::State plain = QStyle::State_Enabled | QStyle::State_Active;
    QTest::newRow("payee") << "Corner Grocery" << left << false << false << QColor() << 180 << plain
                           << Qt::ElideRight << Qt::LeftToRight << false << QColor();
    QTest::newRow("elided payee") << "A payee far longer than its column is wide" << left << false << false
                                  << QColor() << 120 << plain << Qt::ElideMiddle << Qt::LeftToRight << false << QColor();
    QTest::newRow("amount") << "1,234.56" << right << true << false << QColor(0xc6, 0x28, 0x28) << 100 << plain
                            << Qt::ElideMiddle << Qt::LeftToRight << false << QColor();
    QTest::newRow("elided amount") << "-1,234,567,890.12" << right << true << false << QColor() << 60 << plain
                                   << Qt::ElideMiddle << Qt::LeftToRight << false << QColor();
    QTest::newRow("bold balance") << "-12.00" << right << true << true << QColor(Qt::red) << 100 << plain
                                  << Qt::ElideMiddle << Qt::LeftToRight << false << QColor();
    QTest::newRow("cleared mark") << "c" << centre << false << false << QColor(Qt::gray) << 40 << plain
                                  << Qt::ElideMiddle << Qt::LeftToRight << false << QColor();
    QTest::newRow("selected") << "Payroll" << left << false << false << QColor(Qt::green) << 150
                              << (plain | QStyle::State_Selected) << Qt::ElideMiddle << Qt::LeftToRight << false << QColor();
    QTest::newRow("focused") << "Rent" << left << false << false << QColor() << 150
                             << (plain | QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange)
                             << Qt::ElideMiddle << Qt::LeftToRight << false << QColor();
    QTest::newRow("focused, wide") << "Corner Grocery" << left << false << false << QColor() << 420
                                   << (plain | QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange)
                                   << Qt::ElideMiddle << Qt::LeftToRight << false << QColor();
    QTest::newRow("focused, selected") << "Payroll" << left << false << false << QColor() << 260
                                       << (plain | QStyle::State_Selected | QStyle::State_HasFocus
                                           | QStyle::State_KeyboardFocusChange)
                                       << Qt::ElideMiddle << Qt::LeftToRight << false << QColor();
    QTest::newRow("focused, tinted") << "-40.00" << right << true << true << QColor(Qt::red) << 100
                                     << (plain | QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange)
                                     << Qt::ElideRight << Qt::LeftToRight << false << QColor(0xff, 0xe0, 0xe0);
    QTest::newRow("inactive selected") << "12.00" << right << true << false << QColor() << 90
                                       << (QStyle::State_Enabled | QStyle::State_Selected) << Qt::ElideMiddle
                                       << Qt::LeftToRight << false << QColor();
    QTest::newRow("disabled") << "Bank fee" << left << false << false << QColor() << 150
                              << QStyle::State(QStyle::State_None) << Qt::ElideMiddle << Qt::LeftToRight << false << QColor();
    QTest::newRow("accents") << "Caf\u00e9 \u00fcber \u65e5\u672c" << left << false << false << QColor() << 150
                             << plain << Qt::ElideMiddle << Qt::LeftToRight << false << QColor();
    QTest::newRow("empty") << "" << left << false << false << QColor() << 150 << (plain | QStyle::State_Selected)
                           << Qt::ElideMiddle << Qt::LeftToRight << false << QColor();
    QTest::newRow("elided at the right") << "A payee far longer than its column is wide" << left << false << false
                                         << QColor() << 120 << plain << Qt::ElideRight << Qt::LeftToRight << false << QColor();
    QTest::newRow("right to left") << "Corner Grocery" << left << false << false << QColor() << 180 << plain
                                   << Qt::ElideRight << Qt::RightToLeft << false << QColor();
    QTest::newRow("right to left amount") << "-1,234,567,890.12" << right << true << false << QColor() << 60
                                          << plain << Qt::ElideRight << Qt::RightToLeft << false << QColor();
    QTest::newRow("wrapping on, one line") << "Housing" << left << false << false << QColor() << 120 << plain
                                           << Qt::ElideRight << Qt::LeftToRight << true << QColor();
    QTest::newRow("wrapped") << "Housing > Rent/Mortgage Payment" << left << false << false << QColor() << 120
                             << plain << Qt::ElideRight << Qt::LeftToRight << true << QColor();
    QTest::newRow("line break") << "Rent\u2028May" << left << false << false << QColor() << 120 << plain
                                << Qt::ElideRight << Qt::LeftToRight << false << QColor();
    QTest::newRow("tinted") << "-40.00" << right << true << true << QColor(Qt::red) << 100 << plain << Qt::ElideRight
                            << Qt::LeftToRight << false << QColor(0xff, 0xe0, 0xe0);
    QTest::newRow("tinted, selected") << "-40.00" << right << true << true << QColor(Qt::red) << 100
                                      << (plain | QStyle::State_Selected) << Qt::ElideRight << Qt::LeftToRight << false
                                      << QColor(0xff, 0xe0, 0xe0);
}

// Both delegates draw on the same option, the register's through its cache
// (twice, the second from what it kept), the style's through QStyledItemDelegate.
void TestRegisterDelegate::cellsDrawAsTheStyleDraws()
{
    QFETCH(QString, text);
    QFETCH(int, alignment);
    QFETCH(bool, monospace);
    QFETCH(bool, bold);
    QFETCH(QColor, foreground);
    QFETCH(int, width);
    QFETCH(QStyle::State, state);
    QFETCH(Qt::TextElideMode, elide);
    QFETCH(Qt::LayoutDirection, direction);
    QFETCH(bool, wrap);
    QFETCH(QColor, background);

    QStandardItemModel cells(1, 1);
    auto* item = new QStandardItem(text);
    item->setTextAlignment(Qt::Alignment(alignment));
    if (monospace) {
        QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setBold(bold);
        item->setFont(font);
    }
    if (foreground.isValid())
        item->setForeground(foreground);
    if (background.isValid())
        item->setBackground(background);
    cells.setItem(0, 0, item);

    QStyleOptionViewItem option;
    option.initFrom(m_view.get());
    option.widget = m_view.get();
    option.state = state;
    option.textElideMode = elide;
    option.direction = direction;
    option.features.setFlag(QStyleOptionViewItem::WrapText, wrap);
    option.rect = QRect(0, 0, width, 36);
    option.showDecorationSelected = true;
    // Also through a clip of several rectangles, as a repaint of a few rows has.
    for (const bool clipped : {false, true}) {
        const auto drawn = [&](const QStyledItemDelegate& delegate) {
            QImage image(option.rect.size(), QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::white);
            QPainter painter(&image);
            if (clipped)
                painter.setClipRegion(QRegion(option.rect) - QRegion(width / 2, 0, 3, 3));
            delegate.paint(&painter, option, cells.index(0, 0));
            return image;
        };
        const QImage byStyle = drawn(QStyledItemDelegate());
        QCOMPARE(drawn(*m_delegate), byStyle);
        QCOMPARE(drawn(*m_delegate), byStyle);
    }
}

// A text is kept whole exactly when the font's metrics say it fits, on either
// side of its own width, whichever way the text runs and however the line
// that lays it out orders its runs.
void TestRegisterDelegate::cellTextElidesAsTheFontMeasures()
{
    RegisterCellText cells;
    QStringList expected;
    QStringList kept;
    // Fully hinted, a font's advances are whole pixels: a text then can be exactly as wide as its cell.
    QFont hinted = m_view->font();
    hinted.setHintingPreference(QFont::PreferFullHinting);
    for (const QFont& font : {m_view->font(), QFontDatabase::systemFont(QFontDatabase::FixedFont), hinted}) {
        for (const QString& text : {QStringLiteral("Corner Grocery"), QStringLiteral("Rent  "), QStringLiteral("1,234.56"),
                                    QStringLiteral("23-Jan-15"), QStringLiteral("Card No."),
                                    QStringLiteral("Caf\u00e9 \u00fcber \u05e9\u05dc\u05d5\u05dd")}) {
            const qreal advance = QFontMetricsF(font).horizontalAdvance(text);
            for (const int width : {int(std::floor(advance)) - 1, int(std::floor(advance)), int(std::ceil(advance))}) {
                for (const Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
                    const QString case_ = QStringLiteral("%1 in %2 (%3)").arg(text).arg(width).arg(int(direction));
                    expected.append(case_ + (advance <= width ? " whole" : " elided"));
                    const RegisterCellText::Line* line =
                        cells.line(QRect(0, 0, width, 30), text, font, Qt::AlignLeft | Qt::AlignVCenter,
                                   Qt::ElideRight, direction, false);
                    kept.append(case_ + (line && line->layout->text() == text ? " whole" : " elided"));
                }
            }
        }
    }
    QCOMPARE(kept, expected);
}

// Bounded, the kept lines go by how lately they were shown: a text shown all
// along keeps its layout (and so its serial, which names the kept images of
// its cells) through any number of others, one not shown since is laid out anew.
void TestRegisterDelegate::cellTextKeepsWhatWasShownLately()
{
    RegisterCellText cells;
    const auto line = [&](const QString& text) {
        return *cells.line(QRect(3, 0, 120, 30), text, m_view->font(), Qt::AlignLeft | Qt::AlignVCenter,
                           Qt::ElideRight, Qt::LeftToRight, false);
    };
    const RegisterCellText::Line shown = line(QStringLiteral("Shown"));
    const RegisterCellText::Line stale = line(QStringLiteral("Stale"));
    QStringList answers;
    QStringList expected;
    for (int text = 0; text < 5000; ++text) {
        line(QString::number(text));
        if (text % 400 == 0) {
            const RegisterCellText::Line again = line(QStringLiteral("Shown"));
            answers.append(QStringLiteral("%1 %2").arg(text).arg(again.serial == shown.serial
                                                                  && again.layout == shown.layout));
            expected.append(QStringLiteral("%1 1").arg(text));
        }
    }
    QCOMPARE(answers, expected);
    const RegisterCellText::Line anew = line(QStringLiteral("Stale"));
    QVERIFY(anew.serial > stale.serial && anew.layout != stale.layout);
    QCOMPARE(anew.layout->text(), QStringLiteral("Stale"));
}

void TestRegisterDelegate::cellTextKeepsItsLayouts()
{
    RegisterCellText cells;
    const QFont font = m_view->font();
    const QRect rect(3, 0, 120, 30);
    const auto line = [&](const QString& text, bool wrap) {
        return cells.line(rect, text, font, Qt::AlignLeft | Qt::AlignVCenter, Qt::ElideRight, Qt::LeftToRight, wrap);
    };
    const QString longText = QStringLiteral("A payee far longer than its column is wide");

    // One line, elided or not, is drawn from the cache; more than one is the style's.
    QVERIFY(line(QStringLiteral("Rent"), false) && line(QStringLiteral("Rent"), true) && line(longText, false));
    QCOMPARE(line(longText, true), nullptr);
    QCOMPARE(line(QStringLiteral("Rent\u2028May"), false), nullptr);

    // A text met again is not laid out again, whatever came between.
    const std::shared_ptr<QTextLayout> first = line(QStringLiteral("Payroll"), false)->layout;
    QVERIFY(line(QStringLiteral("Groceries"), false));
    QCOMPARE(line(QStringLiteral("Payroll"), false)->layout, first);
    QCOMPARE(first->text(), QStringLiteral("Payroll"));
    QVERIFY(line(longText, false)->layout->text().endsWith(QChar(0x2026)));

    // A font equal to one met before, though made apart, finds its lines; any
    // other font, however many came before, gets lines laid out in it.
    const auto inFont = [&](const QFont& f) {
        return cells.line(rect, QStringLiteral("Payroll"), f, Qt::AlignLeft | Qt::AlignVCenter, Qt::ElideRight,
                          Qt::LeftToRight, false)->layout;
    };
    QFont equal(font.families(), -1, font.weight(), font.italic());
    equal.setPointSizeF(font.pointSizeF());
    QVERIFY(!equal.isCopyOf(font) && equal == font);
    QCOMPARE(inFont(equal), first);
    for (int round = 0; round < 2; ++round) {
        for (int size = 6; size < 30; ++size) {
            QFont sized = font;
            sized.setPointSize(size);
            sized.setBold(size % 2 == 0);
            const std::shared_ptr<QTextLayout> laidOut = inFont(sized);
            QCOMPARE(laidOut->font(), sized);
            QCOMPARE(inFont(sized), laidOut);
        }
    }
}

namespace {

// The register's delegate, counting the cells whose row panel the table's
// style left to it.
class PanelCountingDelegate : public RegisterDelegate
{
public:
    using RegisterDelegate::RegisterDelegate;
    mutable int panelsLeft = 0;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const auto* style = qobject_cast<const RegisterTableStyle*>(option.widget->style());
        if (style && style->leavesRowPanel(painter, option.widget))
            ++panelsLeft;
        RegisterDelegate::paint(painter, option, index);
    }
};

} // namespace

void TestRegisterDelegate::keptCellsLookAsTheStyleDraws_data()
{
    QTest::addColumn<bool>("tableStyle");
    QTest::addColumn<bool>("twoLine");

    QTest::newRow("the application's style") << false << false;
    QTest::newRow("the register table's style") << true << false;
    QTest::newRow("two-line rows, the register table's style") << true << true;
}

// A table drawn by the register's delegate, whose cells come from images once
// they paint a second time, against the same table drawn by the style (by the
// delegate for two-line rows, which the style does not draw): the same pixels
// after every change of text, colour, selection and size. With the register
// table's style, the delegate draws the row panels the table leaves out.
void TestRegisterDelegate::keptCellsLookAsTheStyleDraws()
{
    QFETCH(bool, tableStyle);
    QFETCH(bool, twoLine);

    QStandardItemModel cells(12, 3);
    for (int row = 0; row < cells.rowCount(); ++row) {
        cells.setItem(row, 0, new QStandardItem(QStringLiteral("Payee %1").arg(row)));
        auto* amount = new QStandardItem(QStringLiteral("-%1.25").arg(row * 37));
        amount->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        amount->setForeground(QColor(0xc6, 0x28, 0x28));
        cells.setItem(row, 1, amount);
        cells.setItem(row, 2, new QStandardItem(row % 3 == 0 ? QString() : QStringLiteral("c")));
    }
    cells.item(4, 1)->setBackground(QColor(0xff, 0xe0, 0xe0));
    // Drawn whole by the style: a text on two lines and a check box alone.
    cells.item(3, 0)->setText(QStringLiteral("Rent\u2028May"));
    cells.item(6, 2)->setCheckable(true);
    cells.item(6, 2)->setCheckState(Qt::Checked);

    QWidget window;
    QTableView byStyle(&window);
    QStyledItemDelegate styleDelegate;
    RegisterDelegate twoLineDelegate(m_state.get());
    twoLineDelegate.setTwoLine(true);
    byStyle.setItemDelegate(twoLine ? static_cast<QAbstractItemDelegate*>(&twoLineDelegate) : &styleDelegate);
    QTableView byRegister(&window);
    PanelCountingDelegate delegate(m_state.get());
    delegate.setTwoLine(twoLine);
    byRegister.setItemDelegate(&delegate);
    if (tableStyle) {
        RegisterTableStyle* style = RegisterTableStyle::create(&byRegister);
        QVERIFY(style);
        byRegister.setStyle(style);
    }
    for (QTableView* view : {&byStyle, &byRegister}) {
        view->setModel(&cells);
        view->setAlternatingRowColors(true);
        view->setSelectionBehavior(QAbstractItemView::SelectRows);
        view->setFocusPolicy(Qt::NoFocus);
        view->resize(420, 300);
    }
    byRegister.move(440, 0);
    window.resize(880, 320);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const auto sameEachTime = [&](const char* step) {
        const QImage expected = byStyle.viewport()->grab().toImage();
        for (int paint = 0; paint < 3; ++paint) {
            if (byRegister.viewport()->grab().toImage() != expected)
                return QStringLiteral("%1, paint %2").arg(QLatin1String(step)).arg(paint + 1);
        }
        return QString();
    };
    const auto both = [&](const std::function<void(QTableView*)>& change) {
        change(&byStyle);
        change(&byRegister);
    };
    QCOMPARE(sameEachTime("as shown"), QString());
    QCOMPARE(delegate.keptCellBytes() > 0, !twoLine);
    both([](QTableView* view) { view->selectRow(2); });
    QCOMPARE(sameEachTime("a row selected"), QString());
    cells.item(5, 0)->setText(QStringLiteral("Renamed"));
    cells.item(6, 1)->setBackground(QColor(0xff, 0xe0, 0xe0));
    cells.item(4, 1)->setBackground(QBrush());
    cells.item(7, 1)->setForeground(QColor(Qt::darkGreen));
    QCOMPARE(sameEachTime("texts and colours changed"), QString());
    cells.removeRow(1);
    QCOMPARE(sameEachTime("a row taken out, the stripes moved"), QString());
    both([](QTableView* view) { view->setColumnWidth(1, 60); });
    QCOMPARE(sameEachTime("a column narrowed"), QString());
    // The coloured texts take their panels from the new palette, the selected row's above all.
    both([](QTableView* view) {
        QPalette palette = view->palette();
        palette.setColor(QPalette::Highlight, QColor(0x2e, 0x7d, 0x32));
        palette.setColor(QPalette::HighlightedText, QColor(0xff, 0xf5, 0x9d));
        palette.setColor(QPalette::AlternateBase, QColor(0xe8, 0xee, 0xfb));
        view->setPalette(palette);
    });
    QCOMPARE(sameEachTime("another palette"), QString());
    both([](QTableView* view) { view->setEnabled(false); });
    QCOMPARE(sameEachTime("disabled"), QString());
    QCOMPARE(delegate.panelsLeft > 0, tableStyle);
}

VELLUMRY_TEST_MAIN(TestRegisterDelegate)
#include "tst_registerdelegate.moc"
