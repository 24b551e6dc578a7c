#include "TempDatabase.h"
#include "TestMain.h"

#include "data/CategoryRepository.h"
#include "data/Clock.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTimeZone>

namespace {

const QDateTime kNow(QDate(2024, 3, 5), QTime(14, 7, 9), QTimeZone::utc());
const QDateTime kCreated(QDate(2024, 1, 2), QTime(8, 30), QTimeZone::utc());

Category makeCategory(const QString& id, const QString& name, const QString& parentId = QString())
{
    Category category;
    category.id = id;
    category.name = name;
    category.parentId = parentId;
    category.createdAt = kCreated;
    category.updatedAt = kCreated;
    return category;
}

QStringList idsOf(const QList<Category>& categories)
{
    QStringList ids;
    for (const Category& category : categories)
        ids.append(category.id);
    return ids;
}

// Rows whose parent is missing or loops back cannot be written with foreign
// keys on; they arrive that way from damaged files, so tests build them raw.
void insertUnchecked(TempDatabase& db, const QString& id, const QString& name, const QString& parentId)
{
    QVERIFY(db.exec(QStringLiteral("PRAGMA foreign_keys=OFF")));
    QVERIFY(db.exec(QStringLiteral("INSERT INTO categories (id, name, parent_id, created_at, updated_at) "
                                   "VALUES (?, ?, ?, '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')"),
                    {id, name, parentId}));
    QVERIFY(db.exec(QStringLiteral("PRAGMA foreign_keys=ON")));
}

} // namespace

class TestCategoryRepository : public QObject
{
    Q_OBJECT

private slots:
    void init() { Clock::setFixedNow(kNow); }
    void cleanup() { Clock::reset(); }

    void typeTexts();
    void insertRoundTripAndNulls();
    void insertRefusesUnknownParent();
    void listsAndLookups();
    void countsAndIdsAfterDeletion();
    void updateAndSoftDelete();
    void pathFollowsParents();
    void pathStopsOnBrokenChains();
    void syncOperations();
};

void TestCategoryRepository::typeTexts()
{
    QCOMPARE(categoryTypeToString(CategoryType::Income), QStringLiteral("income"));
    QCOMPARE(categoryTypeToString(CategoryType::Expense), QStringLiteral("expense"));
    QCOMPARE(categoryTypeToString(CategoryType::Transfer), QStringLiteral("transfer"));
    QCOMPARE(categoryTypeToString(static_cast<CategoryType>(5)), QStringLiteral("expense"));
    QCOMPARE(categoryTypeFromString(QStringLiteral("income")), CategoryType::Income);
    QCOMPARE(categoryTypeFromString(QStringLiteral("transfer")), CategoryType::Transfer);
    QCOMPARE(categoryTypeFromString(QStringLiteral("Income")), CategoryType::Expense);
    QCOMPARE(categoryTypeFromString(QString()), CategoryType::Expense);

    TempDatabase db;
    QVERIFY(db.isReady());
    QVERIFY(db.exec(QStringLiteral("INSERT INTO categories (id, name, category_type, created_at, updated_at) "
                                   "VALUES ('c', 'Pay', 'Income', '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')")));
    CategoryRepository repository(db.database());
    QCOMPARE(repository.findById(QStringLiteral("c"))->categoryType, CategoryType::Expense);
}

void TestCategoryRepository::insertRoundTripAndNulls()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    CategoryRepository repository(db.database());
    QSignalSpy changed(&repository, &CategoryRepository::categoriesChanged);

    QVERIFY(repository.insert(makeCategory(QStringLiteral("p"), QStringLiteral("Income"))));
    // Empty references go in as NULL, or the foreign key on parent_id would refuse them.
    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM categories WHERE id = 'p' AND parent_id IS NULL "
                                      "AND account_id IS NULL")).toInt(), 1);

    Category child = makeCategory(QStringLiteral("c"), QStringLiteral("Dividends"), QStringLiteral("p"));
    child.categoryType = CategoryType::Income;
    child.isTaxRelevant = true;
    child.taxCategory = QStringLiteral("dividend_income");
    child.icon = QStringLiteral("savings");
    child.color = QStringLiteral("#00897B");
    child.isDefault = true;
    child.accountId = QStringLiteral("acc-1");
    child.version = 3;
    child.syncStatus = SyncStatus::Synced;
    child.serverId = QStringLiteral("srv-c");
    child.updatedAt = kNow;
    QVERIFY(repository.insert(child));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(db.scalar(QStringLiteral("SELECT category_type FROM categories WHERE id = 'c'")).toString(),
             QStringLiteral("income"));

    const Category read = *repository.findById(QStringLiteral("c"));
    QCOMPARE(read.name, child.name);
    QCOMPARE(read.categoryType, CategoryType::Income);
    QCOMPARE(read.parentId, QStringLiteral("p"));
    QCOMPARE(read.isTaxRelevant, true);
    QCOMPARE(read.taxCategory, child.taxCategory);
    QCOMPARE(read.icon, child.icon);
    QCOMPARE(read.color, child.color);
    QCOMPARE(read.isDefault, true);
    QCOMPARE(read.accountId, child.accountId);
    QCOMPARE(read.version, 3);
    QCOMPARE(read.syncStatus, SyncStatus::Synced);
    QCOMPARE(read.serverId, child.serverId);
    QCOMPARE(read.createdAt, kCreated);
    QCOMPARE(read.updatedAt, kNow);
    QVERIFY(!read.deletedAt.has_value());

    const Category parent = *repository.findById(QStringLiteral("p"));
    QCOMPARE(parent.parentId, QString());
    QCOMPARE(parent.accountId, QString());
    QCOMPARE(parent.categoryType, CategoryType::Expense);
    QCOMPARE(parent.isTaxRelevant, false);
}

void TestCategoryRepository::insertRefusesUnknownParent()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    CategoryRepository repository(db.database());
    QSignalSpy changed(&repository, &CategoryRepository::categoriesChanged);

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^CategoryRepository::insert failed: ")));
    QVERIFY(!repository.insert(makeCategory(QStringLiteral("orphan"), QStringLiteral("O"), QStringLiteral("nowhere"))));
    QVERIFY(repository.insert(makeCategory(QStringLiteral("c"), QStringLiteral("C"))));
    Category moved = *repository.findById(QStringLiteral("c"));
    moved.parentId = QStringLiteral("nowhere");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^CategoryRepository::update failed: ")));
    QVERIFY(!repository.update(moved));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(repository.findById(QStringLiteral("c"))->parentId, QString());
}

void TestCategoryRepository::listsAndLookups()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    CategoryRepository repository(db.database());
    QVERIFY(repository.insert(makeCategory(QStringLiteral("house"), QStringLiteral("Housing"))));
    QVERIFY(repository.insert(makeCategory(QStringLiteral("car"), QStringLiteral("Transportation"))));
    QVERIFY(repository.insert(makeCategory(QStringLiteral("m1"), QStringLiteral("Maintenance"), QStringLiteral("house"))));
    QVERIFY(repository.insert(makeCategory(QStringLiteral("m2"), QStringLiteral("Maintenance"), QStringLiteral("car"))));
    QVERIFY(repository.insert(makeCategory(QStringLiteral("gone"), QStringLiteral("Alimony"))));
    QVERIFY(repository.softDelete(QStringLiteral("gone")));

    QCOMPARE(idsOf(repository.listAll()).first(), QStringLiteral("house"));
    QCOMPARE(idsOf(repository.listAll()).size(), 4);
    QVERIFY(!idsOf(repository.listAll()).contains(QStringLiteral("gone")));

    // Names repeat under different parents: the first live row wins.
    QCOMPARE(repository.findByName(QStringLiteral("Maintenance"))->id, QStringLiteral("m1"));
    QVERIFY(repository.softDelete(QStringLiteral("m1")));
    QCOMPARE(repository.findByName(QStringLiteral("Maintenance"))->id, QStringLiteral("m2"));
    QVERIFY(!repository.findByName(QStringLiteral("Alimony")).has_value());
    QVERIFY(!repository.findByName(QStringLiteral("housing")).has_value());
    // findById still sees deleted rows.
    QVERIFY(repository.findById(QStringLiteral("gone"))->deletedAt.has_value());
}

void TestCategoryRepository::countsAndIdsAfterDeletion()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    CategoryRepository repository(db.database());
    QCOMPARE(repository.countLive(), 0);
    QVERIFY(repository.allIds().isEmpty());

    QVERIFY(repository.insert(makeCategory(QStringLiteral("a"), QStringLiteral("A"))));
    QVERIFY(repository.insert(makeCategory(QStringLiteral("b"), QStringLiteral("B"))));
    QCOMPARE(repository.countLive(), 2);
    QVERIFY(repository.softDelete(QStringLiteral("a")));
    QVERIFY(repository.softDelete(QStringLiteral("b")));
    QCOMPARE(repository.countLive(), 0);
    QCOMPARE(repository.allIds(), (QSet<QString>{QStringLiteral("a"), QStringLiteral("b")}));
}

void TestCategoryRepository::updateAndSoftDelete()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    CategoryRepository repository(db.database());
    QVERIFY(repository.insert(makeCategory(QStringLiteral("p"), QStringLiteral("Shopping"))));
    QVERIFY(repository.insert(makeCategory(QStringLiteral("c"), QStringLiteral("Clothes"), QStringLiteral("p"))));
    QSignalSpy changed(&repository, &CategoryRepository::categoriesChanged);

    Category edited = *repository.findById(QStringLiteral("c"));
    edited.name = QStringLiteral("Clothing");
    edited.parentId.clear();
    edited.accountId = QStringLiteral("acc");
    edited.version = 2;
    edited.updatedAt = kNow;
    edited.createdAt = kNow; // never written by update
    QVERIFY(repository.update(edited));
    QCOMPARE(changed.count(), 1);
    Category read = *repository.findById(QStringLiteral("c"));
    QCOMPARE(read.name, QStringLiteral("Clothing"));
    QCOMPARE(read.parentId, QString());
    QCOMPARE(read.accountId, QStringLiteral("acc"));
    QCOMPARE(read.version, 2);
    QCOMPARE(read.createdAt, kCreated);
    QCOMPARE(read.updatedAt, kNow);

    edited.parentId = QStringLiteral("p");
    QVERIFY(repository.update(edited));
    Clock::setFixedNow(kNow.addSecs(30));
    QVERIFY(repository.softDelete(QStringLiteral("p")));
    QCOMPARE(changed.count(), 3);
    const Category parent = *repository.findById(QStringLiteral("p"));
    QCOMPARE(parent.version, 2);
    QCOMPARE(parent.deletedAt, std::optional<QDateTime>(kNow.addSecs(30)));
    QCOMPARE(parent.updatedAt, kNow.addSecs(30));
    // Only that row goes: its child stays live and keeps its parent.
    read = *repository.findById(QStringLiteral("c"));
    QVERIFY(!read.deletedAt.has_value());
    QCOMPARE(read.parentId, QStringLiteral("p"));
}

void TestCategoryRepository::pathFollowsParents()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    CategoryRepository repository(db.database());
    QVERIFY(repository.insert(makeCategory(QStringLiteral("r"), QStringLiteral("Insurance"))));
    QVERIFY(repository.insert(makeCategory(QStringLiteral("c"), QStringLiteral("Auto"), QStringLiteral("r"))));
    QVERIFY(repository.insert(makeCategory(QStringLiteral("g"), QStringLiteral("Collision"), QStringLiteral("c"))));

    QCOMPARE(repository.categoryPath(QStringLiteral("r")), QStringLiteral("Insurance"));
    QCOMPARE(repository.categoryPath(QStringLiteral("c")), QStringLiteral("Insurance > Auto"));
    QCOMPARE(repository.categoryPath(QStringLiteral("g")), QStringLiteral("Insurance > Auto > Collision"));
    QCOMPARE(repository.categoryPath(QStringLiteral("none")), QString());
    QCOMPARE(repository.categoryPath(QString()), QString());

    // Deleted rows still name what a transaction was filed under.
    QVERIFY(repository.softDelete(QStringLiteral("r")));
    QVERIFY(repository.softDelete(QStringLiteral("g")));
    QCOMPARE(repository.categoryPath(QStringLiteral("g")), QStringLiteral("Insurance > Auto > Collision"));
}

void TestCategoryRepository::pathStopsOnBrokenChains()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    CategoryRepository repository(db.database());

    insertUnchecked(db, QStringLiteral("lost"), QStringLiteral("Orphan"), QStringLiteral("missing-parent"));
    QCOMPARE(repository.categoryPath(QStringLiteral("lost")), QStringLiteral("Orphan"));

    // Two rows naming each other as parent.
    insertUnchecked(db, QStringLiteral("x"), QStringLiteral("X"), QStringLiteral("y"));
    insertUnchecked(db, QStringLiteral("y"), QStringLiteral("Y"), QStringLiteral("x"));
    QStringList alternating;
    for (int i = 0; i < CategoryRepository::kMaxPathDepth; ++i)
        alternating.prepend(i % 2 == 0 ? QStringLiteral("X") : QStringLiteral("Y"));
    QCOMPARE(repository.categoryPath(QStringLiteral("x")), alternating.join(QStringLiteral(" > ")));

    // A chain of 20 shows the 16 levels nearest to the category.
    QStringList expected;
    QString parent;
    for (int level = 0; level < 20; ++level) {
        const QString id = QStringLiteral("L%1").arg(level);
        QVERIFY(repository.insert(makeCategory(id, id, parent)));
        if (level >= 4)
            expected.append(id);
        parent = id;
    }
    QCOMPARE(repository.categoryPath(QStringLiteral("L19")), expected.join(QStringLiteral(" > ")));
    QCOMPARE(expected.size(), 16);
}

void TestCategoryRepository::syncOperations()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    CategoryRepository repository(db.database());
    QVERIFY(repository.insert(makeCategory(QStringLiteral("a"), QStringLiteral("A"))));
    QVERIFY(repository.insert(makeCategory(QStringLiteral("b"), QStringLiteral("B"))));
    QVERIFY(repository.softDelete(QStringLiteral("b")));
    QSignalSpy changed(&repository, &CategoryRepository::categoriesChanged);

    QCOMPARE(repository.listPending().size(), 2);
    QCOMPARE(repository.markAllPendingForResync(), 0);
    QVERIFY(repository.markSynced(QStringLiteral("a"), QStringLiteral("srv-a")));
    QVERIFY(repository.markSynced(QStringLiteral("b"), QStringLiteral("srv-b")));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(repository.findById(QStringLiteral("a"))->serverId, QStringLiteral("srv-a"));
    QVERIFY(repository.listPending().isEmpty());

    QCOMPARE(repository.markAllPendingForResync(), 1);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(idsOf(repository.listPending()), QStringList{QStringLiteral("a")});

    // The only way back for a single category is the server's word.
    QVERIFY(repository.applyServerDeletion(QStringLiteral("b"), std::nullopt));
    QCOMPARE(changed.count(), 2);
    const Category b = *repository.findById(QStringLiteral("b"));
    QVERIFY(!b.deletedAt.has_value());
    QCOMPARE(b.syncStatus, SyncStatus::Synced);
    QCOMPARE(b.version, 2);
    QCOMPARE(repository.countLive(), 2);

    const QDateTime pulled(QDate(2024, 3, 1), QTime(0, 0), QTimeZone::utc());
    QVERIFY(repository.applyServerDeletion(QStringLiteral("a"), pulled));
    QCOMPARE(repository.findById(QStringLiteral("a"))->deletedAt, std::optional<QDateTime>(pulled));
    QCOMPARE(repository.findById(QStringLiteral("a"))->syncStatus, SyncStatus::Pending);
    QCOMPARE(changed.count(), 3);
}

VELLUMRY_TEST_GUILESS_MAIN(TestCategoryRepository)
#include "tst_categoryrepository.moc"
