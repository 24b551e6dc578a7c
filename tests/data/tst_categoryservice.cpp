#include "TempDatabase.h"
#include "TestMain.h"

#include "data/CategoryRepository.h"
#include "data/CategoryService.h"
#include "data/Clock.h"
#include "data/Identifiers.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTimeZone>
#include <QTranslator>

namespace {

const QDateTime kNow(QDate(2024, 3, 5), QTime(14, 7, 9), QTimeZone::utc());

// Ids every device already holds for these defaults.
const QString kHousingId = QStringLiteral("a3be4c14-fe7e-514c-b45e-22f112551974");
const QString kHousingMaintenanceId = QStringLiteral("daf59c16-ae84-5a09-be11-bd9dcd047413");
const QString kTransportMaintenanceId = QStringLiteral("5128844d-e078-502e-877e-a6a67d8a3261");

int countRows(TempDatabase& db, const QString& where = QStringLiteral("1"))
{
    return db.scalar(QStringLiteral("SELECT COUNT(*) FROM categories WHERE %1").arg(where)).toInt();
}

// id -> name of every row.
QHash<QString, QString> namesById(TempDatabase& db)
{
    QHash<QString, QString> names;
    QSqlQuery query(db.sql());
    query.exec(QStringLiteral("SELECT id, name FROM categories"));
    while (query.next())
        names.insert(query.value(0).toString(), query.value(1).toString());
    return names;
}

// Seeds a fresh ledger under the given compiled-in language ("" for the English sources).
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
    CategoryService service(&repository);
    service.seedIfEmpty();
    QCoreApplication::removeTranslator(&translator);
    return namesById(db);
}

} // namespace

class TestCategoryService : public QObject
{
    Q_OBJECT

private slots:
    void init() { Clock::setFixedNow(kNow); }
    void cleanup() { Clock::reset(); }

    void seedsTheDefaultTreeOnAnEmptyLedger();
    void idsAreTheOnesEveryDeviceDerives();
    void seedIfEmptyLeavesAUsedLedgerAlone();
    void neverReinsertsAnExistingId();
    void childOfADeletedDefaultParent();
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

    service.seedIfEmpty();
    QCOMPARE(changed.count(), 56);
    QCOMPARE(countRows(db), 56);
    QCOMPARE(countRows(db, QStringLiteral("category_type = 'expense' AND parent_id IS NULL")), 21);
    QCOMPARE(countRows(db, QStringLiteral("category_type = 'expense' AND parent_id IS NOT NULL")), 27);
    QCOMPARE(countRows(db, QStringLiteral("category_type = 'income' AND parent_id IS NULL")), 8);
    QCOMPARE(countRows(db, QStringLiteral("is_tax_relevant = 1 AND tax_category != ''")), 12);
    QCOMPARE(countRows(db, QStringLiteral("is_default = 1 AND version = 1 AND sync_status = 'pending' AND "
                                          "created_at = '2024-03-05T14:07:09Z' AND updated_at = created_at AND "
                                          "deleted_at IS NULL AND server_id IS NULL AND account_id IS NULL")),
             56);
    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(DISTINCT id) FROM categories")).toInt(), 56);

    // Parents were written before their children.
    QCOMPARE(countRows(db, QStringLiteral("parent_id IS NOT NULL AND rowid < "
                                          "(SELECT p.rowid FROM categories p WHERE p.id = categories.parent_id)")),
             0);

    // Two levels only, and the tax keys the tax report groups by.
    QCOMPARE(repository.categoryPath(kHousingMaintenanceId), QStringLiteral("Housing > Maintenance"));
    QCOMPARE(repository.categoryPath(kTransportMaintenanceId), QStringLiteral("Transportation > Maintenance"));
    const Category homeOffice = *repository.findByName(QStringLiteral("Home Office"));
    QCOMPARE(repository.categoryPath(homeOffice.id), QStringLiteral("Business Expenses > Home Office"));
    QCOMPARE(homeOffice.taxCategory, QStringLiteral("home_office"));
    QVERIFY(homeOffice.isTaxRelevant);
    QCOMPARE(repository.findByName(QStringLiteral("State & Local Taxes"))->taxCategory, QStringLiteral("salt"));
    QCOMPARE(repository.findByName(QStringLiteral("Freelance / Consulting"))->taxCategory,
             QStringLiteral("self_employment"));
    QCOMPARE(repository.findByName(QStringLiteral("Freelance / Consulting"))->categoryType, CategoryType::Income);
    const Category groceries = *repository.findByName(QStringLiteral("Groceries"));
    QVERIFY(!groceries.isTaxRelevant);
    QCOMPARE(groceries.taxCategory, QString());
    QCOMPARE(repository.categoryPath(repository.findByName(QStringLiteral("Auto"))->id),
             QStringLiteral("Insurance > Auto"));
}

void TestCategoryService::idsAreTheOnesEveryDeviceDerives()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    CategoryRepository repository(db.database());
    CategoryService service(&repository);
    service.seedDefaultCategories();

    const Category housing = *repository.findById(kHousingId);
    QCOMPARE(housing.name, QStringLiteral("Housing"));
    QCOMPARE(housing.parentId, QString());
    const Category housingMaintenance = *repository.findById(kHousingMaintenanceId);
    QCOMPARE(housingMaintenance.name, QStringLiteral("Maintenance"));
    QCOMPARE(housingMaintenance.parentId, kHousingId);
    const Category transportMaintenance = *repository.findById(kTransportMaintenanceId);
    QCOMPARE(transportMaintenance.name, QStringLiteral("Maintenance"));
    QCOMPARE(repository.findById(transportMaintenance.parentId)->name, QStringLiteral("Transportation"));

    // "<type>:<parent key>:<key>" over the DNS namespace.
    QCOMPARE(nameBasedId(dnsNamespace(), QStringLiteral("expense::Housing")), kHousingId);
    const QString salary = nameBasedId(dnsNamespace(), QStringLiteral("income::Salary / Wages"));
    QCOMPARE(repository.findById(salary)->name, QStringLiteral("Salary / Wages"));
    const QString electric = nameBasedId(dnsNamespace(), QStringLiteral("expense:Utilities:Electric"));
    QCOMPARE(repository.categoryPath(electric), QStringLiteral("Utilities > Electric"));
}

void TestCategoryService::seedIfEmptyLeavesAUsedLedgerAlone()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    CategoryRepository repository(db.database());
    CategoryService service(&repository);
    Category own;
    own.id = newId();
    own.name = QStringLiteral("Hobbies");
    own.createdAt = kNow;
    own.updatedAt = kNow;
    QVERIFY(repository.insert(own));

    service.seedIfEmpty();
    QCOMPARE(countRows(db), 1);

    // The full run adds every missing default beside the user's own.
    service.seedDefaultCategories();
    QCOMPARE(countRows(db), 57);

    // A second run in a row finds nothing to do.
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

    // The user renamed one default and deleted another.
    Category renamed = *repository.findById(kHousingId);
    renamed.name = QStringLiteral("Home");
    renamed.version = 2;
    QVERIFY(repository.update(renamed));
    QVERIFY(repository.softDelete(kTransportMaintenanceId));

    service.seedDefaultCategories();
    QCOMPARE(countRows(db), 56);
    QCOMPARE(repository.findById(kHousingId)->name, QStringLiteral("Home"));
    QVERIFY(!repository.findByName(QStringLiteral("Housing")).has_value());
    QVERIFY(repository.findById(kTransportMaintenanceId)->deletedAt.has_value());
    QCOMPARE(repository.categoryPath(kHousingMaintenanceId), QStringLiteral("Home > Maintenance"));

    // A ledger whose every category was deleted counts as empty, yet nothing
    // the user deleted comes back.
    QSqlQuery query(db.sql());
    QVERIFY(query.exec(QStringLiteral("UPDATE categories SET deleted_at = '2024-03-01T00:00:00Z'")));
    QCOMPARE(repository.countLive(), 0);
    service.seedIfEmpty();
    QCOMPARE(countRows(db), 56);
    QCOMPARE(repository.countLive(), 0);
}

void TestCategoryService::childOfADeletedDefaultParent()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    // Only the Housing default exists, deleted (as a pull from another device might leave it).
    QVERIFY(db.exec(QStringLiteral("INSERT INTO categories (id, name, is_default, created_at, updated_at, deleted_at) "
                                   "VALUES (?, 'Housing', 1, '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z', "
                                   "'2024-02-01T00:00:00Z')"),
                    {kHousingId}));
    CategoryRepository repository(db.database());
    CategoryService service(&repository);
    service.seedIfEmpty();

    QCOMPARE(countRows(db), 56);
    QVERIFY(repository.findById(kHousingId)->deletedAt.has_value());
    const Category rent = *repository.findByName(QStringLiteral("Rent/Mortgage Payment"));
    QCOMPARE(rent.parentId, kHousingId);
    QCOMPARE(repository.findById(kHousingMaintenanceId)->parentId, kHousingId);
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
    const QRegularExpression failed(QStringLiteral("^CategoryRepository::insert failed: "));
    for (int i = 0; i < 4; ++i)
        QTest::ignoreMessage(QtWarningMsg, failed);
    service.seedDefaultCategories();
    QCOMPARE(countRows(db), 52);
    QCOMPARE(repository.findByName(QStringLiteral("Other Income"))->categoryType, CategoryType::Income);

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
    QCOMPARE(translated.size(), 56);
    QCOMPARE(QSet<QString>(translated.keyBegin(), translated.keyEnd()),
             QSet<QString>(english.keyBegin(), english.keyEnd()));
    QCOMPARE(translated.value(kHousingId), housing);
    QCOMPARE(translated.value(nameBasedId(dnsNamespace(), QStringLiteral("income::Other Income"))), otherIncome);

    // Every default has a name of its own in that language, except the
    // "Maintenance" pair, which differ only by parent.
    QSet<QString> distinct(translated.cbegin(), translated.cend());
    QCOMPARE(distinct.size(), 55);
    if (language != QLatin1String("en"))
        QVERIFY(translated.value(kHousingMaintenanceId) != QLatin1String("Maintenance"));
}

VELLUMRY_TEST_GUILESS_MAIN(TestCategoryService)
#include "tst_categoryservice.moc"
