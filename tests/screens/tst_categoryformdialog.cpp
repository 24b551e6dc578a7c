#include "ScreenTestSupport.h"
#include "TestMain.h"

#include "screens/CategoryFormDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

class TestCategoryFormDialog : public QObject
{
    Q_OBJECT

private slots:
    void init() { Clock::setFixedNow(ScreenLedger::now()); }
    void cleanup() { Clock::reset(); }

    void newFormCarriesParentAndTaxCode_data();
    void newFormCarriesParentAndTaxCode();
    void editKeepsIdentityAndTransferType();
};

void TestCategoryFormDialog::newFormCarriesParentAndTaxCode_data()
{
    QTest::addColumn<QString>("parentId");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("uncheckAgain");
    QTest::addColumn<QString>("taxCode");
    QTest::newRow("top level, mark taken back") << QString() << "New Category" << true << QString();
    QTest::newRow("subcategory with a code") << "p-food" << "New Subcategory" << false << "gifts";
}

void TestCategoryFormDialog::newFormCarriesParentAndTaxCode()
{
    QFETCH(QString, parentId);
    QFETCH(QString, title);
    QFETCH(bool, uncheckAgain);
    QFETCH(QString, taxCode);
    const QString parentName = parentId.isEmpty() ? QString() : QStringLiteral("Food");
    CategoryFormDialog dialog(parentId, parentName, nullptr);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), title);
    auto* parentLabel = dialog.findChild<QLabel*>(QStringLiteral("parentLabel"));
    QCOMPARE(parentLabel ? parentLabel->text() : QString(), parentName);
    const QWidget* caption = parentLabel ? dialog.findChild<QFormLayout*>()->labelForField(parentLabel) : nullptr;
    QCOMPARE(caption ? qobject_cast<const QLabel*>(caption)->text() : QString(),
             parentId.isEmpty() ? QString() : QStringLiteral("&Parent:"));

    retype(&dialog, "nameEdit", QStringLiteral("  Presents "));
    child<QComboBox>(&dialog, "typeCombo")->setCurrentIndex(1);
    QTest::keyClick(child(&dialog, "taxRelevantCheckBox"), Qt::Key_Space);
    retype(&dialog, "taxCodeEdit", QStringLiteral("  gifts "));
    if (uncheckAgain)
        QTest::keyClick(child(&dialog, "taxRelevantCheckBox"), Qt::Key_Space);
    QCOMPARE(child(&dialog, "taxCodeEdit")->isEnabled(), !uncheckAgain);
    clickOk(&dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));

    const Category result = dialog.category();
    QCOMPARE(QVariantList({result.name, int(result.categoryType), result.parentId, result.isTaxRelevant,
                           result.taxCategory, result.version, int(result.syncStatus), result.createdAt}),
             QVariantList({QStringLiteral("Presents"), int(CategoryType::Income), parentId, !uncheckAgain, taxCode,
                           1, int(SyncStatus::Pending), ScreenLedger::now()}));
    QCOMPARE(result.id.size(), 36);
    QVERIFY(dialog.category().id != result.id);
}

void TestCategoryFormDialog::editKeepsIdentityAndTransferType()
{
    Category stored;
    stored.id = QStringLiteral("c-1");
    stored.name = QStringLiteral("Transfers");
    stored.categoryType = CategoryType::Transfer;
    stored.parentId = QStringLiteral("p-1");
    stored.version = 3;
    stored.syncStatus = SyncStatus::Synced;
    stored.serverId = QStringLiteral("srv-1");
    stored.createdAt = ScreenLedger::now().addDays(-30);

    CategoryFormDialog dialog(stored, QStringLiteral("Moves"), nullptr);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit Category"));
    QCOMPARE(QStringList({child<QLineEdit>(&dialog, "nameEdit")->text(),
                          child<QComboBox>(&dialog, "typeCombo")->currentText()}),
             QStringList({"Transfers", "Transfer"}));
    retype(&dialog, "nameEdit", QStringLiteral("Moves between accounts"));
    clickOk(&dialog);
    const Category result = dialog.category();
    QCOMPARE(QVariantList({result.id, result.name, int(result.categoryType), result.parentId, result.version,
                           int(result.syncStatus), result.serverId, result.createdAt, result.updatedAt}),
             QVariantList({stored.id, QStringLiteral("Moves between accounts"), int(CategoryType::Transfer),
                           stored.parentId, 3, int(SyncStatus::Pending), stored.serverId, stored.createdAt,
                           ScreenLedger::now()}));

    // Other categories are offered only the two types a user makes.
    stored.categoryType = CategoryType::Income;
    QCOMPARE(CategoryFormDialog(stored, QString(), nullptr).findChild<QComboBox*>()->count(), 2);
}

VELLUMRY_TEST_MAIN(TestCategoryFormDialog)
#include "tst_categoryformdialog.moc"
