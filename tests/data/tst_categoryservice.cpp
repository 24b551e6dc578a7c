#include "LedgerFixture.h"
#include "TestMain.h"

#include "data/CategoryRepository.h"
#include "data/CategoryService.h"
#include "data/SqliteRows.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTranslator>

#include <sqlite3.h>

using namespace LedgerFixture;

namespace {

// Ids every device already holds for these defaults.
const QString kHousingId = QStringLiteral("a3be4c14-fe7e-514c-b45e-22f112551974");
const QString kHousingMaintenanceId = QStringLiteral("daf59c16-ae84-5a09-be11-bd9dcd047413");
const QString kTransportMaintenanceId = QStringLiteral("5128844d-e078-502e-877e-a6a67d8a3261");

int countRows(TempDatabase& db, const QString& where = QStringLiteral("1"))
{
    return db.scalar(QStringLiteral("SELECT COUNT(*) FROM categories WHERE %1").arg(where)).toInt();
}

// Seeds a fresh ledger under the given compiled-in language ("" for the English
// sources) and gives id -> name of every row.
QHash<QString, QString> seededIn(const QString& language)
{
    QTranslator translator;
    if (!language.isEmpty()) {
        if (!translator.load(QStringLiteral(":/i18n/vellumry_%1.qm").arg(language)))
            return {};
        QCoreApplication::installTranslator(&translator);
    }
    TempDatabase db;
    CategoryRepository repository(db.database());
    CategoryService(&repository).seedIfEmpty();
    QCoreApplication::removeTranslator(&translator);

    QHash<QString, QString> names;
    QSqlQuery query(db.sql());
    query.exec(QStringLiteral("SELECT id, name FROM categories"));
    while (query.next())
        names.insert(query.value(0).toString(), query.value(1).toString());
    return names;
}

} // namespace

class TestCategoryService : public QObject
{
    Q_OBJECT

private slots:
    void init() { Clock::setFixedNow(fixedNow()); }
    void cleanup() { Clock::reset(); }

    void seedsTheDefaultTreeOnAnEmptyLedger();
    void seedIfEmptyLeavesAUsedLedgerAlone();
    void neverReinsertsAnExistingId();
    void goesOnPastAFailedInsert();
    void translatedNamesKeepTheIds_data();
    void translatedNamesKeepTheIds();
};

void TestCategoryService::seedsTheDefaultTreeOnAnEmptyLedger()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    CategoryRepository repository(db.database());
    CategoryService service(&repository);
    QSignalSpy changed(&repository, &CategoryRepository::categoriesChanged);
    // One transaction: a first start syncs the file to disk once, not once per default.
    int commits = 0;
    const auto countCommit = [](void* count) {
        ++*static_cast<int*>(count);
        return 0; // and let it commit
    };
    sqlite3_commit_hook(SqliteRows::handle(db.sql()), countCommit, &commits);

    service.seedIfEmpty();
    sqlite3_commit_hook(SqliteRows::handle(db.sql()), nullptr, nullptr);
    QCOMPARE(commits, 1);
    QCOMPARE(changed.count(), 56);
    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(DISTINCT id) FROM categories")).toInt(), 56);
    QCOMPARE(countRows(db, QStringLiteral("category_type = 'expense' AND parent_id IS NULL")), 21);
    QCOMPARE(countRows(db, QStringLiteral("category_type = 'expense' AND parent_id IS NOT NULL")), 27);
    QCOMPARE(countRows(db, QStringLiteral("category_type = 'income' AND parent_id IS NULL")), 8);
    QCOMPARE(countRows(db, QStringLiteral("is_tax_relevant = 1 AND tax_category != ''")), 12);
    QCOMPARE(countRows(db, QStringLiteral("is_default = 1 AND version = 1 AND sync_status = 'pending' AND "
                                          "created_at = '2024-03-05T14:07:09Z' AND updated_at = created_at AND "
                                          "deleted_at IS NULL AND server_id IS NULL AND account_id IS NULL")),
             56);
    // Parents were written before their children.
    QCOMPARE(countRows(db, QStringLiteral("parent_id IS NOT NULL AND rowid < "
                                          "(SELECT p.rowid FROM categories p WHERE p.id = categories.parent_id)")),
             0);

    // "<type>:<parent key>:<key>" over the DNS namespace: the same ids on every device.
    QCOMPARE(repository.findById(kHousingId)->name, QStringLiteral("Housing"));
    QCOMPARE(repository.categoryPath(kHousingMaintenanceId), QStringLiteral("Housing > Maintenance"));
    QCOMPARE(repository.categoryPath(kTransportMaintenanceId), QStringLiteral("Transportation > Maintenance"));
    QCOMPARE(repository.categoryPath(nameBasedId(dnsNamespace(), QStringLiteral("expense:Utilities:Electric"))),
             QStringLiteral("Utilities > Electric"));
    const Category salary = *repository.findById(nameBasedId(dnsNamespace(), QStringLiteral("income::Salary / Wages")));
    QCOMPARE(salary.categoryType, CategoryType::Income);

    // The tax keys the tax report groups by.
    const Category homeOffice = *repository.findByName(QStringLiteral("Home Office"));
    QCOMPARE(repository.categoryPath(homeOffice.id), QStringLiteral("Business Expenses > Home Office"));
    QCOMPARE(homeOffice.taxCategory, QStringLiteral("home_office"));
    QCOMPARE(repository.findByName(QStringLiteral("State & Local Taxes"))->taxCategory, QStringLiteral("salt"));
}

void TestCategoryService::seedIfEmptyLeavesAUsedLedgerAlone()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    QVERIFY(addCategory(db, newId(), QStringLiteral("Hobbies")));
    CategoryRepository repository(db.database());
    CategoryService service(&repository);

    service.seedIfEmpty();
    QCOMPARE(countRows(db), 1);
    // The full run adds every missing default beside the user's own; a second finds nothing to do.
    service.seedDefaultCategories();
    QCOMPARE(countRows(db), 57);
    QSignalSpy changed(&repository, &CategoryRepository::categoriesChanged);
    service.seedDefaultCategories();
    QCOMPARE(changed.count(), 0);
    QCOMPARE(countRows(db), 57);
}

void TestCategoryService::neverReinsertsAnExistingId()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    CategoryRepository repository(db.database());
    CategoryService service(&repository);
    service.seedIfEmpty();

    // The user renamed one default and deleted another; a pull left Housing
    // deleted and one of its children missing.
    Category renamed = *repository.findById(kHousingId);
    renamed.name = QStringLiteral("Home");
    QVERIFY(repository.update(renamed));
    QVERIFY(repository.softDelete(kHousingId));
    QVERIFY(repository.softDelete(kTransportMaintenanceId));
    QVERIFY(db.exec(QStringLiteral("DELETE FROM categories WHERE id = ?"), {kHousingMaintenanceId}));

    service.seedDefaultCategories();
    QCOMPARE(countRows(db), 56);
    QVERIFY(!repository.findByName(QStringLiteral("Housing")).has_value());
    QVERIFY(repository.findById(kTransportMaintenanceId)->deletedAt.has_value());
    QCOMPARE(repository.categoryPath(kHousingMaintenanceId), QStringLiteral("Home > Maintenance"));

    // A ledger whose every category was deleted counts as empty, yet nothing
    // the user deleted comes back.
    QVERIFY(db.exec(QStringLiteral("UPDATE categories SET deleted_at = '2024-03-01T00:00:00Z'")));
    service.seedIfEmpty();
    QCOMPARE(countRows(db), 56);
    QCOMPARE(repository.countLive(), 0);
}

void TestCategoryService::goesOnPastAFailedInsert()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    QVERIFY(db.exec(QStringLiteral("CREATE TEMP TRIGGER refuse_housing BEFORE INSERT ON categories "
                                   "WHEN new.id = '%1' BEGIN SELECT RAISE(ABORT, 'refused'); END")
                        .arg(kHousingId)));
    CategoryRepository repository(db.database());
    CategoryService service(&repository);

    // Housing fails, and so do its three children, whose parent is missing.
    for (int i = 0; i < 4; ++i)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^CategoryRepository::insert failed: ")));
    service.seedDefaultCategories();
    QCOMPARE(countRows(db), 52);

    // The next run (after a sync, say) fills the gap.
    QVERIFY(db.exec(QStringLiteral("DROP TRIGGER refuse_housing")));
    service.seedDefaultCategories();
    QCOMPARE(countRows(db), 56);
    QCOMPARE(repository.categoryPath(kHousingMaintenanceId), QStringLiteral("Housing > Maintenance"));
}

void TestCategoryService::translatedNamesKeepTheIds_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("housing");
    QTest::addColumn<QString>("otherIncome");
    QTest::newRow("en") << "en" << "Housing" << "Other Income";
    QTest::newRow("de") << "de" << "Wohnen" << "Sonstige Einnahmen";
    QTest::newRow("es") << "es" << "Vivienda" << "Otros ingresos";
    QTest::newRow("fr") << "fr" << "Logement" << "Autres revenus";
    QTest::newRow("ja") << "ja" << QStringLiteral("住居費") << QStringLiteral("その他の収入");
}

void TestCategoryService::translatedNamesKeepTheIds()
{
    QFETCH(QString, language);
    QFETCH(QString, housing);
    QFETCH(QString, otherIncome);

    const QHash<QString, QString> english = seededIn(QString());
    const QHash<QString, QString> translated = seededIn(language);
    QCOMPARE(QSet<QString>(translated.keyBegin(), translated.keyEnd()),
             QSet<QString>(english.keyBegin(), english.keyEnd()));
    QCOMPARE(translated.value(kHousingId), housing);
    QCOMPARE(translated.value(nameBasedId(dnsNamespace(), QStringLiteral("income::Other Income"))), otherIncome);

    // Every default has a name of its own in that language, except the
    // "Maintenance" pair, which differ only by parent.
    QCOMPARE(QSet<QString>(translated.cbegin(), translated.cend()).size(), 55);
    if (language != QLatin1String("en"))
        QVERIFY(translated.value(kHousingMaintenanceId) != QLatin1String("Maintenance"));
}

VELLUMRY_TEST_GUILESS_MAIN(TestCategoryService)
#include "tst_categoryservice.moc"
