#include "ScreenLedger.h"
#include "TestMain.h"

#include "screens/CategoriesScreen.h"
#include "widgets/MessageBox.h"
#include "widgets/ModalDialog.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>

class TestCategoriesScreen : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void searchExpandsMatchesAndClearingCollapses();
    void contextMenuFitsTheRow();
    void createAndEditThroughTheForm();
    void deleteMovesChildrenToTheTop();

private:
    QStringList shown(const QModelIndex& parent = QModelIndex(), const QString& indent = QString()) const;
    QModelIndex rowNamed(const QString& name, const QModelIndex& parent = QModelIndex()) const;
    // Right-clicks the named row (or empty space), reads the menu and picks `choice`.
    QStringList contextMenu(const QString& rowName, const QString& choice = QString());
    static void fillForm(const QString& name, const QString& expectedTitle);

    std::unique_ptr<ScreenLedger> m;
    std::unique_ptr<CategoriesScreen> m_screen;
    QTreeView* m_view = nullptr;
};

void TestCategoriesScreen::init()
{
    m = std::make_unique<ScreenLedger>();
    QVERIFY(m->isReady());
    m->addCategory(QStringLiteral("food"), QStringLiteral("Food"));
    m->addCategory(QStringLiteral("a-gro"), QStringLiteral("Groceries"), QStringLiteral("food"));
    m->addCategory(QStringLiteral("b-din"), QStringLiteral("Dining"), QStringLiteral("food"));
    m->addCategory(QStringLiteral("house"), QStringLiteral("Household"));
    m->addCategory(QStringLiteral("deliv"), QStringLiteral("Grocery Delivery"), QStringLiteral("house"));
    m->addCategory(QStringLiteral("zz"), QStringLiteral("Agronomy"));
    m_screen = std::make_unique<CategoriesScreen>(m->state.get());
    m_screen->resize(600, 500);
    m_screen->show();
    m_screen->reload();
    m_view = m_screen->findChild<QTreeView*>(QStringLiteral("categoryTree"));
}

void TestCategoriesScreen::cleanup()
{
    m_screen.reset();
    m.reset();
    ModalDialog::clearNextHandler();
    MessageBox::clearNextAnswer();
}

QStringList TestCategoriesScreen::shown(const QModelIndex& parent, const QString& indent) const
{
    QStringList rows;
    const QAbstractItemModel* model = m_view->model();
    for (int row = 0; row < model->rowCount(parent); ++row) {
        const QModelIndex index = model->index(row, 0, parent);
        rows.append(indent + index.data().toString());
        if (m_view->isExpanded(index))
            rows += shown(index, indent + QStringLiteral("  "));
    }
    return rows;
}

QModelIndex TestCategoriesScreen::rowNamed(const QString& name, const QModelIndex& parent) const
{
    const QAbstractItemModel* model = m_view->model();
    for (int row = 0; row < model->rowCount(parent); ++row) {
        const QModelIndex index = model->index(row, 0, parent);
        if (index.data().toString() == name)
            return index;
        const QModelIndex below = rowNamed(name, index);
        if (below.isValid())
            return below;
    }
    return QModelIndex();
}

QStringList TestCategoriesScreen::contextMenu(const QString& rowName, const QString& choice)
{
    QWidget* viewport = m_view->viewport();
    const QPoint pos = rowName.isEmpty() ? QPoint(10, viewport->height() - 10)
                                         : m_view->visualRect(rowNamed(rowName)).center();
    QTest::mouseClick(viewport, Qt::RightButton, {}, pos);
    QStringList texts;
    QTimer::singleShot(0, this, [&texts, choice] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        QAction* chosen = nullptr;
        for (QAction* action : menu->actions()) {
            if (action->isSeparator())
                continue;
            texts.append(action->text());
            if (action->text() == choice)
                chosen = action;
        }
        if (!chosen) {
            menu->close();
            return;
        }
        menu->setActiveAction(chosen);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, viewport->mapToGlobal(pos));
    QApplication::sendEvent(viewport, &event);
    return texts;
}

void TestCategoriesScreen::fillForm(const QString& name, const QString& expectedTitle)
{
    ModalDialog::setNextHandler([name, expectedTitle](QDialog* dialog) {
        QCOMPARE(dialog->windowTitle(), expectedTitle);
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("nameEdit"));
        edit->selectAll();
        QTest::keyClicks(edit, name);
        QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
}

void TestCategoriesScreen::searchExpandsMatchesAndClearingCollapses()
{
    QCOMPARE(shown(), QStringList({"Agronomy", "Food", "Household"}));
    m_view->expand(rowNamed(QStringLiteral("Food")));
    QCOMPARE(shown(), QStringList({"Agronomy", "Food", "  Dining", "  Groceries", "Household"}));

    auto* search = m_screen->findChild<QLineEdit*>(QStringLiteral("searchEdit"));
    QTest::keyClicks(search, QStringLiteral("GRO"));
    QCOMPARE(shown(), QStringList({"Agronomy", "Food", "  Groceries", "Household", "  Grocery Delivery"}));

    QTest::keyClick(search, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(search, Qt::Key_Delete);
    QCOMPARE(shown(), QStringList({"Agronomy", "Food", "Household"}));
}

void TestCategoriesScreen::contextMenuFitsTheRow()
{
    m_view->expand(rowNamed(QStringLiteral("Food")));
    QCOMPARE(contextMenu(QString()), QStringList{"&New Category"});
    QCOMPARE(contextMenu(QStringLiteral("Food")), QStringList({"&New Category", "Add &Subcategory", "&Edit", "&Delete"}));
    QCOMPARE(contextMenu(QStringLiteral("Dining")), QStringList({"&New Category", "&Edit", "&Delete"}));
}

void TestCategoriesScreen::createAndEditThroughTheForm()
{
    fillForm(QStringLiteral("Bakery"), QStringLiteral("New Subcategory"));
    contextMenu(QStringLiteral("Food"), QStringLiteral("Add &Subcategory"));
    const std::optional<Category> bakery = m->state->categoryRepository->findByName(QStringLiteral("Bakery"));
    QVERIFY(bakery);
    QCOMPARE(bakery->parentId, QStringLiteral("food"));
    QCOMPARE(shown(), QStringList({"Agronomy", "Food", "  Bakery", "  Dining", "  Groceries", "Household"}));

    // An accepted form without a name stores nothing.
    const int before = m->state->categoryRepository->countLive();
    fillForm(QString(), QStringLiteral("New Category"));
    QTest::mouseClick(m_screen->findChild<QPushButton*>(QStringLiteral("newCategoryButton")), Qt::LeftButton);
    QCOMPARE(m->state->categoryRepository->countLive(), before);

    Category household = *m->state->categoryRepository->findById(QStringLiteral("house"));
    household.version = 3;
    household.syncStatus = SyncStatus::Synced;
    QVERIFY(m->state->categoryRepository->update(household));
    m_screen->reload();
    m_view->expand(rowNamed(QStringLiteral("Household")));
    fillForm(QStringLiteral("Home"), QStringLiteral("Edit Category"));
    contextMenu(QStringLiteral("Household"), QStringLiteral("&Edit"));
    const Category edited = *m->state->categoryRepository->findById(QStringLiteral("house"));
    QCOMPARE(QVariantList({edited.name, edited.version, int(edited.syncStatus)}),
             QVariantList({QStringLiteral("Home"), 4, int(SyncStatus::Pending)}));
    QCOMPARE(shown(), QStringList({"Agronomy", "Food", "  Bakery", "  Dining", "  Groceries", "Home",
                                   "  Grocery Delivery"}));
}

void TestCategoriesScreen::deleteMovesChildrenToTheTop()
{
    MessageBox::setNextAnswer(QMessageBox::No);
    contextMenu(QStringLiteral("Food"), QStringLiteral("&Delete"));
    QCOMPARE(MessageBox::lastText(),
             QStringLiteral("Delete \"Food\"? Transactions using this category will become uncategorized."));
    QVERIFY(!m->state->categoryRepository->findById(QStringLiteral("food"))->deletedAt);

    MessageBox::setNextAnswer(QMessageBox::Yes);
    contextMenu(QStringLiteral("Food"), QStringLiteral("&Delete"));
    QVERIFY(m->state->categoryRepository->findById(QStringLiteral("food"))->deletedAt);
    QCOMPARE(shown(), QStringList({"Agronomy", "Dining", "Groceries", "Household"}));

    // A change made elsewhere (a sync, another window) shows without reopening.
    m->addCategory(QStringLiteral("gift"), QStringLiteral("Gifts"));
    QTRY_COMPARE(shown(), QStringList({"Agronomy", "Dining", "Gifts", "Groceries", "Household"}));
}

VELLUMRY_TEST_MAIN(TestCategoriesScreen)
#include "tst_categoriesscreen.moc"
