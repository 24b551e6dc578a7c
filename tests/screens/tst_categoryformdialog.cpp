#include "TestMain.h"

#include "data/Clock.h"
#include "screens/CategoryFormDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeZone>

namespace {

const QDateTime kNow(QDate(2024, 3, 5), QTime(14, 7, 9), QTimeZone::utc());

template <typename Widget>
Widget* child(QDialog& dialog, const char* name)
{
    auto* widget = dialog.findChild<Widget*>(QLatin1String(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

void typeInto(QDialog& dialog, const char* name, const QString& text)
{
    auto* edit = child<QLineEdit>(dialog, name);
    edit->clear();
    QTest::keyClicks(edit, text);
}

void clickOk(QDialog& dialog)
{
    QTest::mouseClick(child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

QStringList comboTexts(QComboBox* combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts.append(combo->itemText(i));
    return texts;
}

} // namespace

class TestCategoryFormDialog : public QObject
{
    Q_OBJECT

private slots:
    void init() { Clock::setFixedNow(kNow); }
    void cleanup() { Clock::reset(); }

    void newFormsCarryTheirParent_data();
    void newFormsCarryTheirParent();
    void taxCodeFollowsTheCheckBox();
    void editKeepsIdentityAndType_data();
    void editKeepsIdentityAndType();
};

void TestCategoryFormDialog::newFormsCarryTheirParent_data()
{
    QTest::addColumn<QString>("parentId");
    QTest::addColumn<QString>("parentName");
    QTest::addColumn<QString>("title");
    QTest::newRow("top level") << QString() << QString() << "New Category";
    QTest::newRow("subcategory") << "p-food" << "Food" << "New Subcategory";
}

void TestCategoryFormDialog::newFormsCarryTheirParent()
{
    QFETCH(QString, parentId);
    QFETCH(QString, parentName);
    QFETCH(QString, title);
    CategoryFormDialog dialog(parentId, parentName, nullptr);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), title);
    auto* parentLabel = dialog.findChild<QLabel*>(QStringLiteral("parentLabel"));
    QCOMPARE(parentLabel ? parentLabel->text() : QString(), parentName);
    QVERIFY(!child<QLineEdit>(dialog, "taxCodeEdit")->isEnabled());
    QCOMPARE(comboTexts(child<QComboBox>(dialog, "typeCombo")), QStringList({"Expense", "Income"}));

    typeInto(dialog, "nameEdit", QStringLiteral("  Groceries "));
    child<QComboBox>(dialog, "typeCombo")->setCurrentIndex(1);
    clickOk(dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));

    const Category first = dialog.category();
    QCOMPARE(first.name, QStringLiteral("Groceries"));
    QCOMPARE(first.parentId, parentId);
    QCOMPARE(first.categoryType, CategoryType::Income);
    QCOMPARE(first.createdAt, kNow);
    QCOMPARE(first.updatedAt, kNow);
    QCOMPARE(first.version, 1);
    QCOMPARE(first.syncStatus, SyncStatus::Pending);
    QCOMPARE(first.id.size(), 36);
    QVERIFY(dialog.category().id != first.id);
}

void TestCategoryFormDialog::taxCodeFollowsTheCheckBox()
{
    CategoryFormDialog dialog(QString(), QString(), nullptr);
    dialog.show();
    auto* box = child<QCheckBox>(dialog, "taxRelevantCheckBox");
    auto* code = child<QLineEdit>(dialog, "taxCodeEdit");
    QTest::keyClick(box, Qt::Key_Space);
    QVERIFY(code->isEnabled());
    typeInto(dialog, "taxCodeEdit", QStringLiteral("  mortgage_interest  "));
    QCOMPARE(dialog.category().taxCategory, QStringLiteral("mortgage_interest"));
    QVERIFY(dialog.category().isTaxRelevant);

    QTest::keyClick(box, Qt::Key_Space);
    QVERIFY(!code->isEnabled());
    QVERIFY(code->text().isEmpty());
    QVERIFY(!dialog.category().isTaxRelevant);
    QVERIFY(dialog.category().taxCategory.isEmpty());
}

void TestCategoryFormDialog::editKeepsIdentityAndType_data()
{
    QTest::addColumn<CategoryType>("type");
    QTest::addColumn<QStringList>("choices");
    QTest::newRow("income") << CategoryType::Income << QStringList({"Expense", "Income"});
    QTest::newRow("expense") << CategoryType::Expense << QStringList({"Expense", "Income"});
    QTest::newRow("transfer") << CategoryType::Transfer << QStringList({"Expense", "Income", "Transfer"});
}

void TestCategoryFormDialog::editKeepsIdentityAndType()
{
    QFETCH(CategoryType, type);
    QFETCH(QStringList, choices);
    Category stored;
    stored.id = QStringLiteral("c-1");
    stored.name = QStringLiteral("Salary");
    stored.categoryType = type;
    stored.parentId = QStringLiteral("p-1");
    stored.isTaxRelevant = true;
    stored.taxCategory = QStringLiteral("wages");
    stored.icon = QStringLiteral("work");
    stored.isDefault = true;
    stored.version = 3;
    stored.syncStatus = SyncStatus::Synced;
    stored.serverId = QStringLiteral("srv-1");
    stored.createdAt = kNow.addDays(-30);
    stored.updatedAt = kNow.addDays(-2);

    CategoryFormDialog dialog(stored, QStringLiteral("Work"), nullptr);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit Category"));
    QCOMPARE(comboTexts(child<QComboBox>(dialog, "typeCombo")), choices);
    QCOMPARE(child<QLineEdit>(dialog, "taxCodeEdit")->text(), QStringLiteral("wages"));
    typeInto(dialog, "nameEdit", QStringLiteral("Pay"));
    clickOk(dialog);

    Category expected = stored;
    expected.name = QStringLiteral("Pay");
    expected.updatedAt = kNow;
    expected.syncStatus = SyncStatus::Pending;
    const Category result = dialog.category();
    QCOMPARE(result.id, expected.id);
    QCOMPARE(result.categoryType, expected.categoryType);
    QCOMPARE(QList<QVariant>({result.name, result.parentId, result.taxCategory, result.icon, result.isDefault,
                              result.version, int(result.syncStatus), result.serverId, result.createdAt,
                              result.updatedAt}),
             QList<QVariant>({expected.name, expected.parentId, expected.taxCategory, expected.icon,
                              expected.isDefault, expected.version, int(expected.syncStatus), expected.serverId,
                              expected.createdAt, expected.updatedAt}));
}

VELLUMRY_TEST_MAIN(TestCategoryFormDialog)
#include "tst_categoryformdialog.moc"
