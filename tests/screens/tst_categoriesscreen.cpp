#include "ScreenTestSupport.h"
#include "TestMain.h"

#include "screens/CategoriesScreen.h"
#include "widgets/MessageBox.h"
#include "widgets/ModalDialog.h"

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
    // The rows the view shows, children of expanded rows indented.
    QStringList shown(const QModelIndex& parent = QModelIndex(), const QString& indent = QString()) const;
    QModelIndex rowNamed(const QString& name) const;
    // Right-clicks the named row (or empty space), reads the menu and picks `choice`.
    QStringList contextMenu(const QString& rowName, const QString& choice = QString());
    Category stored(const char* id) const { return *m->state->categoryRepository->findById(QLatin1String(id)); }

    std::unique_ptr<ScreenLedger> m;
    std::unique_ptr<CategoriesScreen> m_screen;
    QTreeView* m_view = nullptr;
};

void TestCategoriesScreen::init()
{
    m = std::make_unique<ScreenLedger>();
    QVERIFY(m->isReady());
    // Ids in another order than names: the view sorts by name.
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
    m_view = child<QTreeView>(m_screen.get(), "categoryTree");
    m_view->expand(rowNamed(QStringLiteral("Food")));
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
    for (int row = 0; row < m_view->model()->rowCount(parent); ++row) {
        const QModelIndex index = m_view->model()->index(row, 0, parent);
        rows.append(indent + index.data().toString());
        if (m_view->isExpanded(index))
            rows += shown(index, indent + QStringLiteral("  "));
    }
    return rows;
}

QModelIndex TestCategoriesScreen::rowNamed(const QString& name) const
{
    return m_view->model()->match(m_view->model()->index(0, 0), Qt::DisplayRole, name, 1,
                                  Qt::MatchExactly | Qt::MatchRecursive).value(0);
}

QStringList TestCategoriesScreen::contextMenu(const QString& rowName, const QString& choice)
{
    const QPoint pos = rowName.isEmpty() ? QPoint(10, m_view->viewport()->height() - 10)
                                         : m_view->visualRect(rowNamed(rowName)).center();
    return contextMenuAt(m_view, pos, choice);
}

// Types the name into the next category form and accepts it.
static void answerForm(const QString& name, const QString& expectedTitle)
{
    ModalDialog::setNextHandler([name, expectedTitle](QDialog* dialog) {
        QCOMPARE(dialog->windowTitle(), expectedTitle);
        retype(dialog, "nameEdit", name);
        clickOk(dialog);
    });
}

void TestCategoriesScreen::searchExpandsMatchesAndClearingCollapses()
{
    QCOMPARE(shown(), QStringList({"Agronomy", "Food", "  Dining", "  Groceries", "Household"}));
    QTest::keyClicks(child(m_screen.get(), "searchEdit"), QStringLiteral("GRO"));
    QCOMPARE(shown(), QStringList({"Agronomy", "Food", "  Groceries", "Household", "  Grocery Delivery"}));
    retype(m_screen.get(), "searchEdit", QString());
    QCOMPARE(shown(), QStringList({"Agronomy", "Food", "Household"}));
}

void TestCategoriesScreen::contextMenuFitsTheRow()
{
    QCOMPARE(contextMenu(QString()), QStringList{"&New Category"});
    QCOMPARE(contextMenu(QStringLiteral("Food")), QStringList({"&New Category", "Add &Subcategory", "&Edit", "&Delete"}));
    QCOMPARE(contextMenu(QStringLiteral("Dining")), QStringList({"&New Category", "&Edit", "&Delete"}));
}

void TestCategoriesScreen::createAndEditThroughTheForm()
{
    m_view->collapseAll();
    answerForm(QStringLiteral("Bakery"), QStringLiteral("New Subcategory"));
    contextMenu(QStringLiteral("Food"), QStringLiteral("Add &Subcategory"));
    QCOMPARE(m->state->categoryRepository->findByName(QStringLiteral("Bakery"))->parentId, QStringLiteral("food"));
    QCOMPARE(shown(), QStringList({"Agronomy", "Food", "  Bakery", "  Dining", "  Groceries", "Household"}));

    // A form accepted without a name stores nothing.
    const int before = m->state->categoryRepository->countLive();
    answerForm(QString(), QStringLiteral("New Category"));
    QTest::mouseClick(child(m_screen.get(), "newCategoryButton"), Qt::LeftButton);
    QCOMPARE(m->state->categoryRepository->countLive(), before);

    Category household = stored("house");
    household.version = 3;
    household.syncStatus = SyncStatus::Synced;
    QVERIFY(m->state->categoryRepository->update(household));
    m_screen->reload();
    m_view->expand(rowNamed(QStringLiteral("Household")));
    answerForm(QStringLiteral("Home"), QStringLiteral("Edit Category"));
    contextMenu(QStringLiteral("Household"), QStringLiteral("&Edit"));
    QCOMPARE(QVariantList({stored("house").name, stored("house").version, int(stored("house").syncStatus)}),
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
    QVERIFY(!stored("food").deletedAt);

    MessageBox::setNextAnswer(QMessageBox::Yes);
    contextMenu(QStringLiteral("Food"), QStringLiteral("&Delete"));
    QVERIFY(stored("food").deletedAt);
    QCOMPARE(shown(), QStringList({"Agronomy", "Dining", "Groceries", "Household"}));

    // A change made elsewhere (a sync, another window) shows without reopening.
    m->addCategory(QStringLiteral("gift"), QStringLiteral("Gifts"));
    QTRY_COMPARE(shown(), QStringList({"Agronomy", "Dining", "Gifts", "Groceries", "Household"}));
}

VELLUMRY_TEST_MAIN(TestCategoriesScreen)
#include "tst_categoriesscreen.moc"
