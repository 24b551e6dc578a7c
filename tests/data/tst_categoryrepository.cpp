#include "LedgerFixture.h"
#include "TestMain.h"

#include "data/CategoryRepository.h"

#include <QRegularExpression>

using namespace LedgerFixture;

namespace {

Category makeCategory(const QString& id, const QString& name, const QString& parentId = QString())
{
    Category category;
    category.id = id;
    category.name = name;
    category.parentId = parentId;
    category.createdAt = createdTime();
    category.updatedAt = createdTime();
    return category;
}

// Every field set; seed 2 differs from seed 1 in each of them.
Category filled(int seed)
{
    const bool one = seed == 1;
    Category c = makeCategory(QStringLiteral("c"), QStringLiteral("Dividends %1").arg(seed), one ? "p" : QString());
    c.categoryType = one ? CategoryType::Income : CategoryType::Transfer;
    c.isTaxRelevant = one;
    c.taxCategory = QStringLiteral("dividend_income_%1").arg(seed);
    c.icon = QStringLiteral("savings_%1").arg(seed);
    c.color = QStringLiteral("#00897%1").arg(seed);
    c.isDefault = one;
    c.accountId = one ? QStringLiteral("acc-1") : QString();
    c.version = 2 + seed;
    c.syncStatus = one ? SyncStatus::Synced : SyncStatus::Conflict;
    c.serverId = QStringLiteral("srv-%1").arg(seed);
    c.updatedAt = fixedNow().addSecs(seed);
    return c;
}

QString describe(const Category& c)
{
    return LedgerFixture::describe(c, c.id, c.name, static_cast<int>(c.categoryType), c.parentId, c.isTaxRelevant,
                                   c.taxCategory, c.icon, c.color, c.isDefault, c.accountId);
}

// Rows whose parent is missing or loops back cannot be written with foreign
// keys on; they arrive that way from damaged files, so tests build them raw.
void insertUnchecked(TempDatabase& db, const QString& id, const QString& parentId)
{
    QVERIFY(db.exec(QStringLiteral("PRAGMA foreign_keys=OFF")));
    QVERIFY(db.exec(QStringLiteral("INSERT INTO categories (id, name, parent_id, created_at, updated_at) "
                                   "VALUES (?, ?, ?, '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')"),
                    {id, id, parentId}));
    QVERIFY(db.exec(QStringLiteral("PRAGMA foreign_keys=ON")));
}

} // namespace

class TestCategoryRepository : public QObject
{
    Q_OBJECT

private slots:
    void init() { m.emplace(false); QVERIFY(m->ready); }
    void cleanup() { m.reset(); }

    void typeTexts();
    void writesRoundTrip();
    void unknownParentIsRefused();
    void listsAndLookups();
    void pathFollowsParentsAndStopsOnBrokenChains();
    void syncOperations();

private:
    std::optional<RepositoryLedger<CategoryRepository>> m;
};

void TestCategoryRepository::typeTexts()
{
    for (CategoryType type : {CategoryType::Income, CategoryType::Expense, CategoryType::Transfer})
        QCOMPARE(categoryTypeFromString(categoryTypeToString(type)), type);
    QCOMPARE(categoryTypeToString(CategoryType::Income), QStringLiteral("income"));
    QCOMPARE(categoryTypeToString(static_cast<CategoryType>(5)), QStringLiteral("expense"));

    QVERIFY(m->db.exec(QStringLiteral("INSERT INTO categories (id, name, category_type, created_at, updated_at) "
                                      "VALUES ('c', 'Pay', 'Income', '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')")));
    QCOMPARE(m->repo.findById(QStringLiteral("c"))->categoryType, CategoryType::Expense);
}

void TestCategoryRepository::writesRoundTrip()
{
    QSignalSpy changed(&m->repo, &CategoryRepository::categoriesChanged);
    QVERIFY(m->repo.insert(makeCategory(QStringLiteral("p"), QStringLiteral("Income"))));
    // Empty references go in as NULL, or the foreign key on parent_id would refuse them.
    QCOMPARE(m->db.scalar(QStringLiteral("SELECT COUNT(*) FROM categories WHERE parent_id IS NULL AND account_id IS NULL"))
                 .toInt(), 1);

    const Category child = filled(1);
    QVERIFY(m->repo.insert(child));
    QCOMPARE(describe(*m->repo.findById(child.id)), describe(child));
    QCOMPARE(m->db.scalar(QStringLiteral("SELECT category_type FROM categories WHERE id = 'c'")).toString(),
             QStringLiteral("income"));
    // Update writes everything but the creation time.
    Category edited = filled(2);
    edited.createdAt = fixedNow();
    QVERIFY(m->repo.update(edited));
    edited.createdAt = child.createdAt;
    QCOMPARE(describe(*m->repo.findById(child.id)), describe(edited));

    // Deleting a parent deletes only that row: its child stays live and keeps its parent.
    QVERIFY(m->repo.update(child));
    QVERIFY(m->repo.softDelete(QStringLiteral("p")));
    QCOMPARE(changed.count(), 5);
    QCOMPARE(m->repo.findById(QStringLiteral("p"))->deletedAt, std::optional<QDateTime>(fixedNow()));
    QVERIFY(!m->repo.findById(QStringLiteral("c"))->deletedAt.has_value());
}

void TestCategoryRepository::unknownParentIsRefused()
{
    QSignalSpy changed(&m->repo, &CategoryRepository::categoriesChanged);

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^CategoryRepository::insert failed: ")));
    QVERIFY(!m->repo.insert(makeCategory(QStringLiteral("orphan"), QStringLiteral("O"), QStringLiteral("nowhere"))));
    QVERIFY(m->repo.insert(makeCategory(QStringLiteral("c"), QStringLiteral("C"))));
    Category moved = *m->repo.findById(QStringLiteral("c"));
    moved.parentId = QStringLiteral("nowhere");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^CategoryRepository::update failed: ")));
    QVERIFY(!m->repo.update(moved));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(m->repo.findById(QStringLiteral("c"))->parentId, QString());
}

void TestCategoryRepository::listsAndLookups()
{
    QCOMPARE(m->repo.countLive(), 0);
    QVERIFY(m->repo.allIds().isEmpty());
    QVERIFY(m->repo.insert(makeCategory(QStringLiteral("house"), QStringLiteral("Housing"))));
    QVERIFY(m->repo.insert(makeCategory(QStringLiteral("car"), QStringLiteral("Transportation"))));
    QVERIFY(m->repo.insert(makeCategory(QStringLiteral("m1"), QStringLiteral("Maintenance"), QStringLiteral("house"))));
    QVERIFY(m->repo.insert(makeCategory(QStringLiteral("m2"), QStringLiteral("Maintenance"), QStringLiteral("car"))));
    QVERIFY(m->repo.insert(makeCategory(QStringLiteral("gone"), QStringLiteral("Alimony"))));
    QVERIFY(m->repo.softDelete(QStringLiteral("gone")));

    // By name: Housing, Maintenance twice, Transportation.
    const QStringList live = idsOf(m->repo.listAll());
    QCOMPARE(live.size(), 4);
    QCOMPARE(live.first(), QStringLiteral("house"));
    QCOMPARE(live.last(), QStringLiteral("car"));
    QCOMPARE(m->repo.countLive(), 4);
    QCOMPARE(m->repo.allIds(), (QSet<QString>{"car", "house", "m1", "m2", "gone"}));
    // Only the names asked for, live, in the order listAll gives them.
    QList<Category> named;
    m->repo.forEachNamed({"Maintenance", "Transportation", "Alimony", "housing"},
                         [&named](const Category& category) { named.append(category); });
    QCOMPARE(idsOf(named), live.mid(1));

    // Names repeat under different parents: the first live row wins; letter case counts.
    QCOMPARE(m->repo.findByName(QStringLiteral("Maintenance"))->id, QStringLiteral("m1"));
    QVERIFY(m->repo.softDelete(QStringLiteral("m1")));
    QCOMPARE(m->repo.findByName(QStringLiteral("Maintenance"))->id, QStringLiteral("m2"));
    QVERIFY(!m->repo.findByName(QStringLiteral("Alimony")).has_value());
    QVERIFY(!m->repo.findByName(QStringLiteral("housing")).has_value());
    QVERIFY(m->repo.findById(QStringLiteral("gone"))->deletedAt.has_value());
}

void TestCategoryRepository::pathFollowsParentsAndStopsOnBrokenChains()
{
    QVERIFY(m->repo.insert(makeCategory(QStringLiteral("r"), QStringLiteral("Insurance"))));
    QVERIFY(m->repo.insert(makeCategory(QStringLiteral("c"), QStringLiteral("Auto"), QStringLiteral("r"))));
    QVERIFY(m->repo.insert(makeCategory(QStringLiteral("g"), QStringLiteral("Collision"), QStringLiteral("c"))));
    QCOMPARE(m->repo.categoryPath(QStringLiteral("c")), QStringLiteral("Insurance > Auto"));
    QCOMPARE(m->repo.categoryPath(QStringLiteral("none")), QString());
    // Deleted rows still name what a transaction was filed under.
    QVERIFY(m->repo.softDelete(QStringLiteral("r")));
    QCOMPARE(m->repo.categoryPath(QStringLiteral("g")), QStringLiteral("Insurance > Auto > Collision"));

    insertUnchecked(m->db, QStringLiteral("Orphan"), QStringLiteral("missing-parent"));
    QCOMPARE(m->repo.categoryPath(QStringLiteral("Orphan")), QStringLiteral("Orphan"));

    // Two rows naming each other as parent: 16 levels, then it stops.
    insertUnchecked(m->db, QStringLiteral("X"), QStringLiteral("Y"));
    insertUnchecked(m->db, QStringLiteral("Y"), QStringLiteral("X"));
    QStringList alternating;
    for (int i = 0; i < CategoryRepository::kMaxPathDepth; ++i)
        alternating.prepend(i % 2 == 0 ? QStringLiteral("X") : QStringLiteral("Y"));
    QCOMPARE(m->repo.categoryPath(QStringLiteral("X")), alternating.join(QStringLiteral(" > ")));

    // A chain of 20 shows the 16 levels nearest to the category.
    QStringList expected;
    QString parent;
    for (int level = 0; level < 20; ++level) {
        const QString id = QStringLiteral("L%1").arg(level);
        QVERIFY(m->repo.insert(makeCategory(id, id, parent)));
        if (level >= 4)
            expected.append(id);
        parent = id;
    }
    QCOMPARE(m->repo.categoryPath(QStringLiteral("L19")), expected.join(QStringLiteral(" > ")));
}

void TestCategoryRepository::syncOperations()
{
    QVERIFY(m->repo.insert(makeCategory(QStringLiteral("a"), QStringLiteral("A"))));
    QVERIFY(m->repo.insert(makeCategory(QStringLiteral("b"), QStringLiteral("B"))));
    checkSyncOperations(m->repo, &CategoryRepository::categoriesChanged);
}

VELLUMRY_TEST_GUILESS_MAIN(TestCategoryRepository)
#include "tst_categoryrepository.moc"
