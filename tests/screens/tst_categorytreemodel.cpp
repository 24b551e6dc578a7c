#include "TestMain.h"

#include "screens/CategoryTreeModel.h"

#include <QAbstractItemModelTester>
#include <QColor>
#include <QFont>

namespace {

// "id:parentId" entries, names made from the ids in reverse so that name order
// and id order disagree.
QList<Category> categoriesOf(const QStringList& entries)
{
    QList<Category> categories;
    for (const QString& entry : entries) {
        Category category;
        category.id = entry.section(QLatin1Char(':'), 0, 0);
        category.parentId = entry.section(QLatin1Char(':'), 1, 1);
        category.name = QStringLiteral("Name %1").arg(100 - categories.size());
        categories.append(category);
    }
    return categories;
}

// The tree as text: "a(b c(d)) e", every node by id with its children in row order.
QString treeText(const CategoryTreeModel& model, const QModelIndex& parent = QModelIndex())
{
    QStringList nodes;
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex index = model.index(row, 0, parent);
        QString node = model.categoryAt(index).id;
        if (model.rowCount(index) > 0)
            node += QLatin1Char('(') + treeText(model, index) + QLatin1Char(')');
        nodes.append(node);
    }
    return nodes.join(QLatin1Char(' '));
}

} // namespace

class TestCategoryTreeModel : public QObject
{
    Q_OBJECT

private slots:
    void treeFollowsParentIds_data();
    void treeFollowsParentIds();
    void rolesAndLookups();
};

void TestCategoryTreeModel::treeFollowsParentIds_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("tree");
    QTest::newRow("empty") << QStringList() << QString();
    QTest::newRow("siblings by id, not name or list order") << QStringList({"c:", "a:", "b:a", "d:a", "ab:a"})
                                                            << "a(ab b d) c";
    QTest::newRow("missing parent means top level") << QStringList({"x:gone", "y:"}) << "x y";
    QTest::newRow("three levels") << QStringList({"g:p", "p:r", "r:"}) << "r(p(g))";
    QTest::newRow("two that name each other") << QStringList({"a:b", "b:a", "c:a"}) << "a(c) b";
    QTest::newRow("own parent") << QStringList({"s:s", "t:s"}) << "s(t)";
    QTest::newRow("chain into a loop") << QStringList({"x:a", "a:b", "b:c", "c:a"}) << "a(x) b c";
}

void TestCategoryTreeModel::treeFollowsParentIds()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, tree);
    CategoryTreeModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setCategories(categoriesOf({"old:", "older:old"}));
    model.setCategories(categoriesOf(entries));
    QCOMPARE(treeText(model), tree);
    QCOMPARE(model.columnCount(), 3);
}

void TestCategoryTreeModel::rolesAndLookups()
{
    CategoryTreeModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QList<Category> categories = categoriesOf({"inc:", "exp:inc", "xfer:"});
    categories[0].categoryType = CategoryType::Income;
    categories[0].isTaxRelevant = true;
    categories[0].taxCategory = QStringLiteral("wages");
    categories[1].taxCategory = QStringLiteral("not shown");
    categories[2].categoryType = CategoryType::Transfer;
    model.setCategories(categories);

    const QModelIndex income = model.indexForId(QStringLiteral("inc"));
    const QModelIndex child = model.indexForId(QStringLiteral("exp"));
    QCOMPARE(child, model.index(0, 0, income));
    QCOMPARE(model.parent(child), income);
    const auto cells = [&model](const QModelIndex& index, int role) {
        QVariantList values;
        for (int column = 0; column < 3; ++column)
            values.append(model.data(index.siblingAtColumn(column), role));
        return values;
    };
    QCOMPARE(cells(income, Qt::DisplayRole), QVariantList({"Name 100", "income", "wages"}));
    QCOMPARE(cells(child, Qt::DisplayRole), QVariantList({"Name 99", "expense", ""}));
    QCOMPARE(model.data(model.indexForId(QStringLiteral("xfer")).siblingAtColumn(1)).toString(),
             QStringLiteral("transfer"));
    QCOMPARE(model.data(income.siblingAtColumn(1), Qt::ForegroundRole).value<QColor>(), QColor(0, 136, 0));
    QVERIFY(!model.data(income, Qt::ForegroundRole).isValid());
    QVERIFY(!model.data(child.siblingAtColumn(1), Qt::ForegroundRole).isValid());
    QCOMPARE(model.data(income, Qt::FontRole).value<QFont>().weight(), QFont::Bold);
    QVERIFY(!model.data(child, Qt::FontRole).isValid());
    QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Tax Code"));

    // Once its only child is gone, a parent is plain again.
    categories.removeAt(1);
    model.setCategories(categories);
    QVERIFY(!model.data(model.indexForId(QStringLiteral("inc")), Qt::FontRole).isValid());
    QVERIFY(!model.indexForId(QString()).isValid());
    QVERIFY(!model.indexForId(QStringLiteral("exp")).isValid());
    QVERIFY(model.categoryAt(QModelIndex()).id.isEmpty());
}

VELLUMRY_TEST_MAIN(TestCategoryTreeModel)
#include "tst_categorytreemodel.moc"
