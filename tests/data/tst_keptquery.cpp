#include "TempDatabase.h"
#include "TestMain.h"

#include "data/KeptQuery.h"

#include <QFile>
#include <QSqlError>
#include <QSqlResult>

#include <sqlite3.h>

namespace {

sqlite3_stmt* statementOf(QSqlQuery& query)
{
    const QVariant handle = query.result()->handle();
    if (qstrcmp(handle.typeName(), "sqlite3_stmt*") != 0)
        return nullptr;
    return *static_cast<sqlite3_stmt* const*>(handle.constData());
}

// How many runs of the statement have ended.
int runsEnded(QSqlQuery& query)
{
    sqlite3_stmt* statement = statementOf(query);
    return statement ? sqlite3_stmt_status(statement, SQLITE_STMTSTATUS_RUN, 0) : -1;
}

void fillProbe(TempDatabase& db)
{
    QVERIFY(db.exec(QStringLiteral("CREATE TABLE probe (k TEXT PRIMARY KEY, n INTEGER)")));
    QVERIFY(db.exec(QStringLiteral("INSERT INTO probe VALUES ('a', 1), ('b', 2), ('c', 3)")));
}

// Whether another connection can write a row and then take the whole log back
// into the file: a read left open on the ledger's connection keeps the rows
// written after it began in the log.
bool checkpointCompletes(const QString& path)
{
    sqlite3* other = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &other, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK
        || sqlite3_exec(other, "INSERT INTO probe (k, n) VALUES (hex(randomblob(8)), 0)", nullptr, nullptr, nullptr)
               != SQLITE_OK) {
        sqlite3_close(other);
        return false;
    }
    int logFrames = -1;
    int checkpointed = -1;
    const int result = sqlite3_wal_checkpoint_v2(other, nullptr, SQLITE_CHECKPOINT_TRUNCATE, &logFrames, &checkpointed);
    sqlite3_close(other);
    return result == SQLITE_OK;
}

} // namespace

class TestKeptQuery : public QObject
{
    Q_OBJECT

private slots:
    void runsOneCompiledStatementWithEachRunsValues();
    void aStatementThatDoesNotCompileRunsNothing();
    void aRunLeavesNoReadOpen();
    void aRunInsideARunReadsOnItsOwn();
    void aFailedWriteLeavesItReady();
    void theConnectionClosesWithQueriesKept();
};

void TestKeptQuery::runsOneCompiledStatementWithEachRunsValues()
{
    TempDatabase db;
    fillProbe(db);
    KeptQuery kept(QStringLiteral("SELECT k, n FROM probe WHERE k >= ? ORDER BY k"));
    int runs = 0;
    for (const auto& [from, rows] : {std::pair{"b", QStringList{"b|2", "c|3"}}, std::pair{"a", QStringList{"a|1", "b|2", "c|3"}},
                                     std::pair{"c", QStringList{"c|3"}}, std::pair{"d", QStringList{}}}) {
        KeptQuery::Run run(kept, db.sql(), {QString::fromLatin1(from)});
        QVERIFY(run.ok());
        QCOMPARE(rowTexts(run.query()), rows);
        // The one statement, run once more: read to its end, this run counts.
        QCOMPARE(runsEnded(run.query()), ++runs);
    }
}

void TestKeptQuery::aStatementThatDoesNotCompileRunsNothing()
{
    TempDatabase db;
    KeptQuery misspelt(QStringLiteral("SELECT nothing FROM nowhere WHERE k = ?"));
    for (int attempt = 0; attempt < 2; ++attempt) {
        KeptQuery::Run run(misspelt, db.sql(), {QStringLiteral("a")});
        QVERIFY(!run.ok());
        QVERIFY(run.query().lastError().isValid());
        QVERIFY(!run.query().next());
    }
}

void TestKeptQuery::aRunLeavesNoReadOpen()
{
    TempDatabase db;
    fillProbe(db);
    KeptQuery kept(QStringLiteral("SELECT k FROM probe ORDER BY k"));
    {
        KeptQuery::Run run(kept, db.sql(), {});
        QVERIFY(run.query().next());
        QCOMPARE(run.query().value(0).toString(), QStringLiteral("a"));
        // Read part-way, the statement still holds its snapshot of the ledger.
        QVERIFY(!checkpointCompletes(db.path()));
    }
    QVERIFY(checkpointCompletes(db.path()));
}

void TestKeptQuery::aRunInsideARunReadsOnItsOwn()
{
    TempDatabase db;
    fillProbe(db);
    KeptQuery kept(QStringLiteral("SELECT k FROM probe WHERE n >= ? ORDER BY k"));
    KeptQuery::Run outer(kept, db.sql(), {1});
    QVERIFY(outer.query().next());
    QStringList inner;
    {
        KeptQuery::Run nested(kept, db.sql(), {3});
        QVERIFY(nested.ok());
        QVERIFY(statementOf(nested.query()) != statementOf(outer.query()));
        inner = rowTexts(nested.query());
    }
    QCOMPARE(inner, QStringList{QStringLiteral("c")});
    // The outer run reads on where it was.
    QCOMPARE(rowTexts(outer.query()), (QStringList{QStringLiteral("b"), QStringLiteral("c")}));
}

void TestKeptQuery::aFailedWriteLeavesItReady()
{
    TempDatabase db;
    fillProbe(db);
    KeptQuery insert(QStringLiteral("INSERT INTO probe (k, n) VALUES (?, ?)"));
    const QList<std::tuple<QString, int, bool>> writes{
        {QStringLiteral("d"), 4, true}, {QStringLiteral("a"), 5, false}, {QStringLiteral("e"), 6, true}};
    for (const auto& [key, number, written] : writes) {
        KeptQuery::Run run(insert, db.sql(), {key, number});
        QCOMPARE(run.ok(), written);
        QCOMPARE(run.query().lastError().isValid(), !written);
    }
    KeptQuery all(QStringLiteral("SELECT k, n FROM probe ORDER BY k"));
    KeptQuery::Run run(all, db.sql(), {});
    QCOMPARE(rowTexts(run.query()), (QStringList{"a|1", "b|2", "c|3", "d|4", "e|6"}));
}

void TestKeptQuery::theConnectionClosesWithQueriesKept()
{
    KeptQuery kept(QStringLiteral("SELECT n FROM probe WHERE k = ?"));
    QString path;
    {
        TempDatabase db;
        fillProbe(db);
        path = db.path();
        KeptQuery::Run run(kept, db.sql(), {QStringLiteral("b")});
        QCOMPARE(rowTexts(run.query()), QStringList{QStringLiteral("2")});
        QVERIFY(QFile::exists(path + QStringLiteral("-wal")));
    }
    // Closed cleanly, the last connection takes its log back into the file and
    // deletes it; a statement left unfinalized would have kept it open.
    QVERIFY(!QFile::exists(path + QStringLiteral("-wal")));
}

VELLUMRY_TEST_GUILESS_MAIN(TestKeptQuery)
#include "tst_keptquery.moc"
