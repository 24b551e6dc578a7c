#include "TestMain.h"

#include "data/Transaction.h"
#include "register/RegisterFilter.h"

class TestRegisterFilter : public QObject
{
    Q_OBJECT

private slots:
    void storedForm_data();
    void storedForm();
    void matching_data();
    void matching();
};

namespace {

RegisterFilter filterOf(std::optional<bool> cleared, QDate from, QDate to, const QString& category)
{
    return RegisterFilter{cleared, from, to, category};
}

} // namespace

void TestRegisterFilter::storedForm_data()
{
    QTest::addColumn<RegisterFilter>("filter");
    QTest::addColumn<QString>("json");
    QTest::addColumn<int>("activeCount");

    const QDate jan1(2024, 1, 1);
    const QDate jan31(2024, 1, 31);
    QTest::newRow("empty") << RegisterFilter() << "{}" << 0;
    QTest::newRow("uncleared only") << filterOf(false, {}, {}, {}) << R"({"cleared":false})" << 1;
    QTest::newRow("date range counts once")
        << filterOf({}, jan1, jan31, {}) << R"({"dateFrom":"2024-01-01","dateTo":"2024-01-31"})" << 1;
    QTest::newRow("everything") << filterOf(true, jan1, {}, QStringLiteral("food"))
                                << R"({"categoryId":"food","cleared":true,"dateFrom":"2024-01-01"})" << 3;
}

void TestRegisterFilter::storedForm()
{
    QFETCH(RegisterFilter, filter);
    QFETCH(QString, json);
    QFETCH(int, activeCount);
    QCOMPARE(filter.toJson(), json);
    QCOMPARE(filter.activeCount(), activeCount);
    QCOMPARE(RegisterFilter::fromJson(json), filter);
    QCOMPARE(registerFilterKey(QStringLiteral("a1")), QStringLiteral("registerFilter_a1"));

    // Foreign or damaged values keep only the fields of the right type.
    QCOMPARE(RegisterFilter::fromJson(QStringLiteral("not json")), RegisterFilter());
    QCOMPARE(RegisterFilter::fromJson(QStringLiteral(R"({"cleared":"yes","dateFrom":"junk","dateTo":"2024-02-01",)"
                                                     R"("categoryId":7})")),
             filterOf({}, {}, QDate(2024, 2, 1), {}));
}

void TestRegisterFilter::matching_data()
{
    QTest::addColumn<RegisterFilter>("filter");
    QTest::addColumn<bool>("matchesCleared");
    QTest::addColumn<bool>("matchesSplit");

    // The cleared row: 2024-01-15, food. The split row: 2024-01-31, uncleared.
    QTest::newRow("empty") << RegisterFilter() << true << true;
    QTest::newRow("uncleared") << filterOf(false, {}, {}, {}) << false << true;
    QTest::newRow("range edges are included")
        << filterOf({}, QDate(2024, 1, 15), QDate(2024, 1, 31), {}) << true << true;
    QTest::newRow("from after to") << filterOf({}, QDate(2024, 2, 1), QDate(2024, 1, 1), {}) << false << false;
    QTest::newRow("category hides splits") << filterOf({}, {}, {}, QStringLiteral("food")) << true << false;
}

void TestRegisterFilter::matching()
{
    QFETCH(RegisterFilter, filter);
    QFETCH(bool, matchesCleared);
    QFETCH(bool, matchesSplit);

    Transaction cleared;
    cleared.date = QDate(2024, 1, 15);
    cleared.cleared = true;
    cleared.categoryId = QStringLiteral("food");
    Transaction split;
    split.date = QDate(2024, 1, 31);
    split.isSplit = true;
    split.categoryId = QStringLiteral("food");
    QCOMPARE(filter.matches(cleared), matchesCleared);
    QCOMPARE(filter.matches(split), matchesSplit);
}

VELLUMRY_TEST_GUILESS_MAIN(TestRegisterFilter)
#include "tst_registerfilter.moc"
