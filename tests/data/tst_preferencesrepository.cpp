#include "TempDatabase.h"
#include "TestMain.h"

#include "data/PreferencesRepository.h"

#include <QSignalSpy>

class TestPreferencesRepository : public QObject
{
    Q_OBJECT

private slots:
    void setGetAndRemove();
    void booleanRules();
    void failuresFallBackToDefaults();
};

void TestPreferencesRepository::setGetAndRemove()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    PreferencesRepository prefs(db.database());
    QSignalSpy changed(&prefs, &PreferencesRepository::changed);
    QVERIFY(!prefs.get(QStringLiteral("theme")));
    QCOMPARE(prefs.getString(QStringLiteral("theme"), QStringLiteral("system")), QStringLiteral("system"));

    // An upsert: one row per key, the last value wins, every write is announced.
    QVERIFY(prefs.set(QStringLiteral("theme"), QStringLiteral("dark")));
    QVERIFY(prefs.set(QStringLiteral("theme"), QStringLiteral("light")));
    QCOMPARE(prefs.get(QStringLiteral("theme")), std::optional<QString>(QStringLiteral("light")));
    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM preferences")).toInt(), 1);
    prefs.setBool(QStringLiteral("registerTwoLine"), true);
    QCOMPARE(prefs.getString(QStringLiteral("registerTwoLine")), QStringLiteral("1"));
    prefs.setInt(QStringLiteral("weekStartDay"), -5);
    QCOMPARE(prefs.getString(QStringLiteral("weekStartDay")), QStringLiteral("-5"));
    QCOMPARE(changed.count(), 4);
    QCOMPARE(changed.at(3).at(0).toString(), QStringLiteral("weekStartDay"));

    // An empty or NULL value is a value, not an absence.
    QVERIFY(prefs.set(QStringLiteral("registerFilter_a"), QString()));
    QCOMPARE(prefs.getString(QStringLiteral("registerFilter_a"), QStringLiteral("default")), QString());
    QVERIFY(db.exec(QStringLiteral("INSERT INTO preferences (key, value) VALUES ('nullValue', NULL)")));
    QCOMPARE(prefs.get(QStringLiteral("nullValue")), std::optional<QString>(QString()));

    // Removing is quiet, also of a key never set.
    changed.clear();
    QVERIFY(prefs.remove(QStringLiteral("theme")));
    QVERIFY(!prefs.get(QStringLiteral("theme")));
    QVERIFY(prefs.remove(QStringLiteral("never-set")));
    QCOMPARE(changed.count(), 0);
}

void TestPreferencesRepository::booleanRules()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    PreferencesRepository prefs(db.database());
    // Only "1" and "true" are true; anything else stored is false whatever the default.
    const QList<QPair<QString, bool>> stored{{"1", true},  {"true", true}, {"TRUE", false}, {"yes", false},
                                             {"0", false}, {"", false},    {" 1", false}};
    for (const auto& [text, expected] : stored) {
        QVERIFY(prefs.set(QStringLiteral("flag"), text));
        QCOMPARE(prefs.getBool(QStringLiteral("flag"), !expected), expected);
    }
    QVERIFY(prefs.getBool(QStringLiteral("absent"), true));
    QVERIFY(!prefs.getBool(QStringLiteral("absent"), false));
}

void TestPreferencesRepository::failuresFallBackToDefaults()
{
    // A ledger without its tables: every statement fails.
    TempDatabase broken(TempDatabase::Migrate::No);
    QVERIFY(broken.isReady());
    PreferencesRepository prefs(broken.database());
    QSignalSpy changed(&prefs, &PreferencesRepository::changed);
    QVERIFY(!prefs.set(QStringLiteral("theme"), QStringLiteral("dark")));
    QVERIFY(!prefs.remove(QStringLiteral("theme")));
    QCOMPARE(changed.count(), 0);
    QVERIFY(!prefs.get(QStringLiteral("theme")));
    QCOMPARE(prefs.getString(QStringLiteral("theme"), QStringLiteral("system")), QStringLiteral("system"));
    QVERIFY(prefs.getBool(QStringLiteral("flag"), true));
}

VELLUMRY_TEST_GUILESS_MAIN(TestPreferencesRepository)
#include "tst_preferencesrepository.moc"
