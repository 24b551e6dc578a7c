#include "TempDatabase.h"
#include "TestMain.h"

#include "data/PreferencesRepository.h"

#include <QSignalSpy>

class TestPreferencesRepository : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void setAndGet();
    void getBool_data();
    void getBool();
    void typedSetters();
    void everyWriteSignalsButRemove();
    void failuresFallBackToDefaults();

private:
    std::unique_ptr<TempDatabase> m_db;
    std::unique_ptr<PreferencesRepository> m_prefs;
};

void TestPreferencesRepository::init()
{
    m_db = std::make_unique<TempDatabase>();
    QVERIFY(m_db->isReady());
    m_prefs = std::make_unique<PreferencesRepository>(m_db->database());
}

void TestPreferencesRepository::cleanup()
{
    m_prefs.reset();
    m_db.reset();
}

void TestPreferencesRepository::setAndGet()
{
    QVERIFY(!m_prefs->get(QStringLiteral("theme")));
    QCOMPARE(m_prefs->getString(QStringLiteral("theme"), QStringLiteral("system")), QStringLiteral("system"));

    QVERIFY(m_prefs->set(QStringLiteral("theme"), QStringLiteral("dark")));
    QCOMPARE(m_prefs->get(QStringLiteral("theme")), std::optional<QString>(QStringLiteral("dark")));
    // An upsert: one row per key, the last value wins.
    QVERIFY(m_prefs->set(QStringLiteral("theme"), QStringLiteral("light")));
    QCOMPARE(m_prefs->getString(QStringLiteral("theme"), QStringLiteral("system")), QStringLiteral("light"));
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM preferences")).toInt(), 1);

    // An empty value is a value, not an absence.
    QVERIFY(m_prefs->set(QStringLiteral("registerFilter_a"), QString()));
    QCOMPARE(m_prefs->getString(QStringLiteral("registerFilter_a"), QStringLiteral("default")), QString());
    QVERIFY(m_db->exec(QStringLiteral("INSERT INTO preferences (key, value) VALUES ('nullValue', NULL)")));
    QCOMPARE(m_prefs->get(QStringLiteral("nullValue")), std::optional<QString>(QString()));

    QVERIFY(m_prefs->set(QStringLiteral("syncCursor"), QStringLiteral("{\"c\":\"日本\"}")));
    QCOMPARE(m_prefs->getString(QStringLiteral("syncCursor")), QStringLiteral("{\"c\":\"日本\"}"));
}

void TestPreferencesRepository::getBool_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("defaultValue");
    QTest::addColumn<bool>("expected");

    QTest::newRow("1") << QStringLiteral("1") << false << true;
    QTest::newRow("true") << QStringLiteral("true") << false << true;
    QTest::newRow("TRUE") << QStringLiteral("TRUE") << true << false;
    QTest::newRow("yes") << QStringLiteral("yes") << true << false;
    QTest::newRow("0") << QStringLiteral("0") << true << false;
    QTest::newRow("empty") << QString() << true << false;
    QTest::newRow("blank around 1") << QStringLiteral(" 1") << true << false;
}

void TestPreferencesRepository::getBool()
{
    QFETCH(QString, stored);
    QFETCH(bool, defaultValue);
    QFETCH(bool, expected);
    QVERIFY(m_prefs->set(QStringLiteral("flag"), stored));
    QCOMPARE(m_prefs->getBool(QStringLiteral("flag"), defaultValue), expected);
    QCOMPARE(m_prefs->getBool(QStringLiteral("absent"), defaultValue), defaultValue);
}

void TestPreferencesRepository::typedSetters()
{
    m_prefs->setBool(QStringLiteral("registerTwoLine"), true);
    QCOMPARE(m_prefs->getString(QStringLiteral("registerTwoLine")), QStringLiteral("1"));
    m_prefs->setBool(QStringLiteral("registerTwoLine"), false);
    QCOMPARE(m_prefs->getString(QStringLiteral("registerTwoLine")), QStringLiteral("0"));
    QVERIFY(!m_prefs->getBool(QStringLiteral("registerTwoLine"), true));

    m_prefs->setInt(QStringLiteral("weekStartDay"), -5);
    QCOMPARE(m_prefs->getString(QStringLiteral("weekStartDay")), QStringLiteral("-5"));
    m_prefs->setInt(QStringLiteral("fontScale"), 125);
    QCOMPARE(m_prefs->getString(QStringLiteral("fontScale")), QStringLiteral("125"));
}

void TestPreferencesRepository::everyWriteSignalsButRemove()
{
    QSignalSpy changed(m_prefs.get(), &PreferencesRepository::changed);
    QVERIFY(m_prefs->set(QStringLiteral("theme"), QStringLiteral("dark")));
    QVERIFY(m_prefs->set(QStringLiteral("theme"), QStringLiteral("dark"))); // unchanged, still announced
    m_prefs->setBool(QStringLiteral("amountAutoDecimal"), true);
    m_prefs->setInt(QStringLiteral("fontScale"), 110);
    QCOMPARE(changed.count(), 4);
    QCOMPARE(changed.at(0).at(0).toString(), QStringLiteral("theme"));
    QCOMPARE(changed.at(1).at(0).toString(), QStringLiteral("theme"));
    QCOMPARE(changed.at(2).at(0).toString(), QStringLiteral("amountAutoDecimal"));
    QCOMPARE(changed.at(3).at(0).toString(), QStringLiteral("fontScale"));

    QVERIFY(m_prefs->remove(QStringLiteral("theme")));
    QVERIFY(!m_prefs->get(QStringLiteral("theme")));
    QVERIFY(m_prefs->remove(QStringLiteral("never-set")));
    QCOMPARE(changed.count(), 4);
}

void TestPreferencesRepository::failuresFallBackToDefaults()
{
    m_prefs.reset();
    m_db.reset();
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
