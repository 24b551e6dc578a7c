#include "TempDatabase.h"
#include "TestMain.h"

#include "data/SqlTransaction.h"
#include "data/SqlValues.h"
#include "data/WriteFailureWatch.h"

#include <QRegularExpression>
#include <QSqlQuery>

class TestWriteFailureWatch : public QObject
{
    Q_OBJECT

private slots:
    void keepsTheFirstCauseWhileItLives();
};

void TestWriteFailureWatch::keepsTheFirstCauseWhileItLives()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("failed:")));
    const auto failedWrite = [&](const char* sql) {
        QSqlQuery query(db.sql());
        QVERIFY(!query.exec(QLatin1String(sql)));
        SqlValues::logFailure(u"Test::write", query);
    };

    // With no watch alive the failure is only logged, and nobody hears of it later.
    failedWrite("INSERT INTO nowhere VALUES (1)");
    WriteFailureWatch outer;
    {
        WriteFailureWatch inner;
        failedWrite("INSERT INTO nowhere VALUES (1)");
        // A later failure, one the first brought about, say, does not replace it.
        failedWrite("INSERT INTO accounts (id) VALUES ('a')");
        QCOMPARE(inner.cause(), QStringLiteral("no such table: nowhere"));
    }
    QCOMPARE(outer.cause(), QString());

    const SqlTransaction open(db.sql());
    const SqlTransaction nested(db.sql());
    QVERIFY(!nested.isActive());
    QCOMPARE(outer.cause(), QStringLiteral("cannot start a transaction within a transaction"));
}

VELLUMRY_TEST_GUILESS_MAIN(TestWriteFailureWatch)
#include "tst_writefailurewatch.moc"
