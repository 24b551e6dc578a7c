#include "TempDatabase.h"
#include "TestMain.h"

#include "data/Database.h"

#include <QFile>
#include <QSignalSpy>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>

namespace {

// One row of PRAGMA table_info: name, declared type, NOT NULL, default text, primary key.
struct Column
{
    QString name;
    QString type;
    bool notNull;
    QString defaultValue;
    bool primaryKey;
};

QList<Column> columnsOf(QSqlDatabase& db, const QString& table)
{
    QList<Column> columns;
    QSqlQuery query(db);
    query.exec(QStringLiteral("PRAGMA table_info(%1)").arg(table));
    while (query.next()) {
        columns.append({query.value(1).toString(), query.value(2).toString(), query.value(3).toBool(),
                        query.value(4).toString(), query.value(5).toBool()});
    }
    return columns;
}

QStringList namesOf(QSqlDatabase& db, const QString& type)
{
    QStringList names;
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT name FROM sqlite_master WHERE type = ? AND name NOT LIKE 'sqlite_%' "
                                 "ORDER BY name"));
    query.addBindValue(type);
    query.exec();
    while (query.next())
        names.append(query.value(0).toString());
    return names;
}

QString readResource(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    return QString::fromUtf8(file.readAll());
}

Column c(const char* name, const char* type, bool notNull = false, const char* def = "", bool pk = false)
{
    return {QLatin1String(name), QLatin1String(type), notNull, QLatin1String(def), pk};
}

} // namespace

Q_DECLARE_METATYPE(Column)

class TestDatabase : public QObject
{
    Q_OBJECT

private slots:
    void freshFileGetsTheWholeSchema();
    void tablesHaveTheirColumnsInOrder_data();
    void tablesHaveTheirColumnsInOrder();
    void secondRunAppliesNothing();
    void fileAtVersionThreeGetsOnlyFourAndFive();
    void failingStatementRollsBackOnlyThatMigration();
    void reconciliationsWrittenBeforeSyncAreBackfilled();
    void foreignKeysAreEnforced();
    void fullTextIndexFollowsUpdates();
    void openFailureIsReported();
    void splitterKeepsTriggersWhole();
    void splitterEdgeCases();
};

void TestDatabase::freshFileGetsTheWholeSchema()
{
    TempDatabase db(TempDatabase::Migrate::No);
    QVERIFY(db.isReady());
    QSignalSpy applied(db.database(), &Database::migrationApplied);
    QVERIFY(db.database()->migrate());

    QCOMPARE(applied.count(), 5);
    QCOMPARE(applied.at(0).at(0).toInt(), 1);
    QCOMPARE(applied.at(0).at(1).toString(), QStringLiteral("initial"));
    QCOMPARE(applied.at(4).at(1).toString(), QStringLiteral("recurring_semimonthly"));

    QSqlQuery versions(db.sql());
    QVERIFY(versions.exec(QStringLiteral("SELECT version, name, applied_at FROM schema_version ORDER BY version")));
    QStringList names;
    while (versions.next()) {
        names.append(versions.value(1).toString());
        // SQLite's own datetime form: date, one blank, time to the second.
        QVERIFY(QDateTime::fromString(versions.value(2).toString(), QStringLiteral("yyyy-MM-dd HH:mm:ss")).isValid());
    }
    QCOMPARE(names, QStringList({QStringLiteral("initial"), QStringLiteral("recon_sync"),
                                 QStringLiteral("recurring_lead_days"), QStringLiteral("recurring_interval"),
                                 QStringLiteral("recurring_semimonthly")}));

    QCOMPARE(namesOf(db.sql(), QStringLiteral("index")),
             QStringList({QStringLiteral("idx_split_lines_transaction_id"), QStringLiteral("idx_transactions_account_id"),
                          QStringLiteral("idx_transactions_category_id"), QStringLiteral("idx_transactions_date"),
                          QStringLiteral("idx_transactions_sync_status"),
                          QStringLiteral("idx_transactions_transfer_link_id")}));
    QCOMPARE(namesOf(db.sql(), QStringLiteral("trigger")),
             QStringList({QStringLiteral("transactions_ad"), QStringLiteral("transactions_ai"),
                          QStringLiteral("transactions_au")}));

    const QStringList tables = namesOf(db.sql(), QStringLiteral("table"));
    for (const char* table : {"accounts", "categories", "transactions", "split_lines", "recurring_transactions",
                              "reconciliations", "transaction_templates", "sync_queue", "preferences",
                              "schema_version", "transactions_fts"}) {
        QVERIFY2(tables.contains(QLatin1String(table)), table);
    }
    const QString fts = db.scalar(QStringLiteral("SELECT sql FROM sqlite_master WHERE name = 'transactions_fts'"))
                            .toString();
    QVERIFY(fts.contains(QLatin1String("fts5")));
    QVERIFY(fts.contains(QLatin1String("content='transactions'")));
    QVERIFY(fts.contains(QLatin1String("content_rowid='rowid'")));

    QCOMPARE(db.scalar(QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("wal"));
    QCOMPARE(db.scalar(QStringLiteral("PRAGMA foreign_keys")).toInt(), 1);
}

void TestDatabase::tablesHaveTheirColumnsInOrder_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QList<Column>>("expected");

    auto withSyncTail = [](QList<Column> columns) {
        columns << c("version", "INTEGER", true, "1") << c("sync_status", "TEXT", true, "'pending'")
                << c("server_id", "TEXT") << c("created_at", "TEXT", true) << c("updated_at", "TEXT", true)
                << c("deleted_at", "TEXT");
        return columns;
    };

    QTest::newRow("accounts") << QStringLiteral("accounts")
        << withSyncTail({c("id", "TEXT", false, "", true), c("name", "TEXT", true),
                         c("account_type", "TEXT", true, "'checking'"), c("currency", "TEXT", true, "'USD'"),
                         c("institution", "TEXT"), c("account_number_last4", "TEXT"),
                         c("starting_balance", "INTEGER", true, "0"), c("sort_order", "INTEGER", true, "0"),
                         c("is_shared", "INTEGER", true, "0")});
    QTest::newRow("categories") << QStringLiteral("categories")
        << withSyncTail({c("id", "TEXT", false, "", true), c("name", "TEXT", true),
                         c("category_type", "TEXT", true, "'expense'"), c("parent_id", "TEXT"),
                         c("is_tax_relevant", "INTEGER", true, "0"), c("tax_category", "TEXT"), c("icon", "TEXT"),
                         c("color", "TEXT"), c("is_default", "INTEGER", true, "0"), c("account_id", "TEXT")});
    QTest::newRow("transactions") << QStringLiteral("transactions")
        << withSyncTail({c("id", "TEXT", false, "", true), c("account_id", "TEXT", true), c("date", "TEXT", true),
                         c("payee", "TEXT", true), c("memo", "TEXT"), c("amount", "INTEGER", true),
                         c("category_id", "TEXT"), c("check_number", "TEXT"), c("cleared", "INTEGER", true, "0"),
                         c("reconciled", "INTEGER", true, "0"), c("transfer_link_id", "TEXT"),
                         c("transfer_dest_account_id", "TEXT"), c("is_split", "INTEGER", true, "0"),
                         c("recurring_id", "TEXT")});
    QTest::newRow("split_lines") << QStringLiteral("split_lines")
        << QList<Column>{c("id", "TEXT", false, "", true), c("transaction_id", "TEXT", true),
                         c("category_id", "TEXT", true), c("amount", "INTEGER", true), c("memo", "TEXT"),
                         c("created_at", "TEXT", true), c("updated_at", "TEXT", true)};
    QTest::newRow("recurring_transactions") << QStringLiteral("recurring_transactions")
        << (withSyncTail({c("id", "TEXT", false, "", true), c("account_id", "TEXT", true), c("payee", "TEXT", true),
                          c("memo", "TEXT"), c("amount", "INTEGER", true), c("category_id", "TEXT"),
                          c("frequency", "TEXT", true, "'monthly'"), c("start_date", "TEXT", true),
                          c("end_date", "TEXT"), c("next_due_date", "TEXT", true),
                          c("auto_post", "INTEGER", true, "0"), c("is_active", "INTEGER", true, "1"),
                          c("transfer_dest_account_id", "TEXT")})
            << c("lead_days", "INTEGER", true, "0") << c("interval_count", "INTEGER", true, "1")
            << c("semimonthly_day_1", "INTEGER", true, "1") << c("semimonthly_day_2", "INTEGER", true, "15"));
    QTest::newRow("reconciliations") << QStringLiteral("reconciliations")
        << QList<Column>{c("id", "TEXT", false, "", true), c("account_id", "TEXT", true),
                         c("statement_date", "TEXT", true), c("statement_balance", "INTEGER", true),
                         c("reconciled_balance", "INTEGER", true), c("completed_at", "TEXT", true),
                         c("version", "INTEGER", true, "1"), c("sync_status", "TEXT", true, "'pending'"),
                         c("server_id", "TEXT"), c("created_at", "TEXT", true, "''"),
                         c("updated_at", "TEXT", true, "''"), c("deleted_at", "TEXT")};
    QTest::newRow("transaction_templates") << QStringLiteral("transaction_templates")
        << QList<Column>{c("id", "TEXT", false, "", true), c("account_id", "TEXT", true), c("name", "TEXT", true),
                         c("payee", "TEXT"), c("amount", "INTEGER"), c("category_id", "TEXT"), c("memo", "TEXT"),
                         c("check_number", "TEXT"), c("is_payment", "INTEGER", true, "1"),
                         c("created_at", "TEXT", true), c("updated_at", "TEXT", true)};
    QTest::newRow("sync_queue") << QStringLiteral("sync_queue")
        << QList<Column>{c("id", "INTEGER", false, "", true), c("entity_type", "TEXT", true),
                         c("entity_id", "TEXT", true), c("action", "TEXT", true), c("created_at", "TEXT", true),
                         c("processed", "INTEGER", true, "0")};
    QTest::newRow("preferences") << QStringLiteral("preferences")
        << QList<Column>{c("key", "TEXT", false, "", true), c("value", "TEXT")};
}

void TestDatabase::tablesHaveTheirColumnsInOrder()
{
    QFETCH(QString, table);
    QFETCH(QList<Column>, expected);

    TempDatabase db;
    QVERIFY(db.isReady());
    const QList<Column> actual = columnsOf(db.sql(), table);
    QCOMPARE(actual.size(), expected.size());
    for (qsizetype i = 0; i < actual.size(); ++i) {
        const QByteArray where = QStringLiteral("%1 column %2").arg(table).arg(i).toUtf8();
        QVERIFY2(actual[i].name == expected[i].name, where + " name " + actual[i].name.toUtf8());
        QVERIFY2(actual[i].type == expected[i].type, where + " type");
        QVERIFY2(actual[i].notNull == expected[i].notNull, where + " not null");
        QVERIFY2(actual[i].defaultValue == expected[i].defaultValue,
                 where + " default " + actual[i].defaultValue.toUtf8());
        QVERIFY2(actual[i].primaryKey == expected[i].primaryKey, where + " primary key");
    }
}

void TestDatabase::secondRunAppliesNothing()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    QSignalSpy applied(db.database(), &Database::migrationApplied);
    QVERIFY(db.database()->migrate());
    QCOMPARE(applied.count(), 0);
    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM schema_version")).toInt(), 5);

    // A file written by a newer build is left alone as well.
    QVERIFY(db.exec(QStringLiteral("INSERT INTO schema_version (version, name) VALUES (6, 'future')")));
    QVERIFY(db.database()->migrate());
    QCOMPARE(applied.count(), 0);
}

void TestDatabase::fileAtVersionThreeGetsOnlyFourAndFive()
{
    TempDatabase db(TempDatabase::Migrate::No);
    QVERIFY(db.isReady());
    QVERIFY(db.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS schema_version (  version INTEGER PRIMARY KEY,  "
                                   "name    TEXT NOT NULL,  applied_at TEXT NOT NULL DEFAULT (datetime('now')))")));
    for (const Database::Migration& m : Database::migrations()) {
        if (m.version > 3)
            break;
        QVERIFY(db.database()->applyMigration(m.version, QLatin1String(m.name),
                                              readResource(QLatin1String(m.resourcePath))));
    }

    QSignalSpy applied(db.database(), &Database::migrationApplied);
    QVERIFY(db.database()->migrate());
    QCOMPARE(applied.count(), 2);
    QCOMPARE(applied.at(0).at(0).toInt(), 4);
    QCOMPARE(applied.at(1).at(0).toInt(), 5);
    QCOMPARE(columnsOf(db.sql(), QStringLiteral("recurring_transactions")).constLast().name,
             QStringLiteral("semimonthly_day_2"));
}

void TestDatabase::failingStatementRollsBackOnlyThatMigration()
{
    TempDatabase db(TempDatabase::Migrate::No);
    QVERIFY(db.isReady());
    QVERIFY(db.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS schema_version (  version INTEGER PRIMARY KEY,  "
                                   "name    TEXT NOT NULL,  applied_at TEXT NOT NULL DEFAULT (datetime('now')))")));
    const Database::Migration first = Database::migrations().constFirst();
    QVERIFY(db.database()->applyMigration(1, QLatin1String(first.name), readResource(QLatin1String(first.resourcePath))));

    // Migration 2 adds reconciliations.version; a column of that name already there
    // makes its first statement fail after nothing else of it ran.
    QVERIFY(db.exec(QStringLiteral("ALTER TABLE reconciliations ADD COLUMN server_id TEXT")));

    QSignalSpy errors(db.database(), &Database::migrationError);
    QVERIFY(!db.database()->migrate());
    QCOMPARE(errors.count(), 1);
    QCOMPARE(errors.at(0).at(0).toInt(), 2);
    QVERIFY(errors.at(0).at(1).toString().contains(QLatin1String("duplicate column")));

    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM schema_version")).toInt(), 1);
    QCOMPARE(db.scalar(QStringLiteral("SELECT MAX(version) FROM schema_version")).toInt(), 1);
    // The statements of migration 2 that ran before the failing one were undone.
    QStringList names;
    for (const Column& column : columnsOf(db.sql(), QStringLiteral("reconciliations")))
        names.append(column.name);
    QVERIFY(!names.contains(QLatin1String("version")));
    QVERIFY(!names.contains(QLatin1String("sync_status")));
    // Later migrations were not tried.
    QCOMPARE(columnsOf(db.sql(), QStringLiteral("recurring_transactions")).constLast().name,
             QStringLiteral("deleted_at"));
}

void TestDatabase::reconciliationsWrittenBeforeSyncAreBackfilled()
{
    TempDatabase db(TempDatabase::Migrate::No);
    QVERIFY(db.isReady());
    QVERIFY(db.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS schema_version (  version INTEGER PRIMARY KEY,  "
                                   "name    TEXT NOT NULL,  applied_at TEXT NOT NULL DEFAULT (datetime('now')))")));
    const Database::Migration first = Database::migrations().constFirst();
    QVERIFY(db.database()->applyMigration(1, QLatin1String(first.name), readResource(QLatin1String(first.resourcePath))));
    QVERIFY(db.exec(QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) VALUES "
                                   "('a1', 'Checking', '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')")));
    QVERIFY(db.exec(QStringLiteral("INSERT INTO reconciliations (id, account_id, statement_date, statement_balance, "
                                   "reconciled_balance, completed_at) VALUES ('r1', 'a1', '2024-02-29', 100, 100, "
                                   "'2024-03-01T10:00:00Z')")));
    QVERIFY(db.database()->migrate());

    QSqlQuery row(db.sql());
    QVERIFY(row.exec(QStringLiteral("SELECT created_at, updated_at, version, sync_status FROM reconciliations")));
    QVERIFY(row.next());
    QCOMPARE(row.value(0).toString(), QStringLiteral("2024-03-01T10:00:00Z"));
    QCOMPARE(row.value(1).toString(), QStringLiteral("2024-03-01T10:00:00Z"));
    QCOMPARE(row.value(2).toInt(), 1);
    QCOMPARE(row.value(3).toString(), QStringLiteral("pending"));
}

void TestDatabase::foreignKeysAreEnforced()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    QVERIFY(db.exec(QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) VALUES "
                                   "('a1', 'Checking', '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')")));
    const QString insert = QStringLiteral(
        "INSERT INTO transactions (id, account_id, date, payee, amount, category_id, created_at, updated_at) "
        "VALUES (?, ?, '2024-01-02', 'Shop', -500, ?, '2024-01-02T00:00:00Z', '2024-01-02T00:00:00Z')");
    QSqlQuery query(db.sql());
    query.prepare(insert);
    query.addBindValue(QStringLiteral("t1"));
    query.addBindValue(QStringLiteral("a1"));
    query.addBindValue(QStringLiteral("no-such-category"));
    QVERIFY(!query.exec());
    QVERIFY(query.lastError().text().contains(QLatin1String("FOREIGN KEY")));

    query.prepare(insert);
    query.addBindValue(QStringLiteral("t2"));
    query.addBindValue(QStringLiteral("no-such-account"));
    query.addBindValue(QVariant(QMetaType::fromType<QString>()));
    QVERIFY(!query.exec());

    query.prepare(insert);
    query.addBindValue(QStringLiteral("t3"));
    query.addBindValue(QStringLiteral("a1"));
    query.addBindValue(QVariant(QMetaType::fromType<QString>()));
    QVERIFY2(query.exec(), qPrintable(query.lastError().text()));
}

void TestDatabase::fullTextIndexFollowsUpdates()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    QVERIFY(db.exec(QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) VALUES "
                                   "('a1', 'Checking', '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')")));
    QVERIFY(db.exec(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, memo, amount, created_at, "
                                   "updated_at) VALUES ('t1', 'a1', '2024-01-02', 'Hardware Barn', 'nails', -500, "
                                   "'2024-01-02T00:00:00Z', '2024-01-02T00:00:00Z')")));
    const QString count = QStringLiteral("SELECT COUNT(*) FROM transactions_fts WHERE transactions_fts MATCH ?");
    QCOMPARE(db.scalar(count, {QStringLiteral("hardware")}).toInt(), 1);

    QVERIFY(db.exec(QStringLiteral("UPDATE transactions SET payee = 'Garden Center' WHERE id = 't1'")));
    QCOMPARE(db.scalar(count, {QStringLiteral("hardware")}).toInt(), 0);
    QCOMPARE(db.scalar(count, {QStringLiteral("garden")}).toInt(), 1);
    QCOMPARE(db.scalar(count, {QStringLiteral("nails")}).toInt(), 1);

    QVERIFY(db.exec(QStringLiteral("DELETE FROM transactions WHERE id = 't1'")));
    QCOMPARE(db.scalar(count, {QStringLiteral("garden")}).toInt(), 0);
    // The index must still be consistent with its content table.
    QVERIFY(db.exec(QStringLiteral("INSERT INTO transactions_fts(transactions_fts) VALUES ('integrity-check')")));
}

void TestDatabase::openFailureIsReported()
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("file")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    Database database;
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(QStringLiteral("^Failed to open database:")));
    QVERIFY(!database.open(dir.filePath(QStringLiteral("file/sub/vellumry.db"))));
    QVERIFY(!database.isOpen());
}

void TestDatabase::splitterKeepsTriggersWhole()
{
    const QString script = QStringLiteral(
        "CREATE TABLE a (x INTEGER);\n"
        "-- a comment line\n"
        "CREATE TRIGGER IF NOT EXISTS t_au AFTER UPDATE ON a BEGIN\n"
        "    INSERT INTO b VALUES (old.x);\n"
        "    INSERT INTO b VALUES (new.x);\n"
        "END;\n"
        "CREATE INDEX i ON a(x);\n");
    const QStringList statements = splitSqlStatements(script);
    QCOMPARE(statements.size(), 3);
    QCOMPARE(statements.at(0), QStringLiteral("CREATE TABLE a (x INTEGER)"));
    QVERIFY(statements.at(1).startsWith(QLatin1String("CREATE TRIGGER")));
    QVERIFY(statements.at(1).endsWith(QLatin1String("END")));
    QCOMPARE(statements.at(1).count(QLatin1String("INSERT")), 2);
    QCOMPARE(statements.at(2), QStringLiteral("CREATE INDEX i ON a(x)"));

    // The real first migration: nine tables, six indexes, the index table, three triggers.
    const QStringList initial = splitSqlStatements(readResource(QStringLiteral(":/sql/sql/migrations/001_initial.sql")));
    QCOMPARE(initial.size(), 9 + 6 + 1 + 3);
    QCOMPARE(initial.filter(QStringLiteral("CREATE TRIGGER")).size(), 3);
    for (const QString& statement : initial)
        QVERIFY(!statement.contains(QLatin1String("--")));
}

void TestDatabase::splitterEdgeCases()
{
    // A last statement without ";" is still returned; a lone ";" yields nothing.
    QCOMPARE(splitSqlStatements(QStringLiteral("SELECT 1;\n;\nSELECT 2")),
             QStringList({QStringLiteral("SELECT 1"), QStringLiteral("SELECT 2")}));
    // "--" later in a line is not a comment.
    QCOMPARE(splitSqlStatements(QStringLiteral("SELECT '--';")), QStringList({QStringLiteral("SELECT '--'")}));
    QCOMPARE(splitSqlStatements(QString()), QStringList());
    QCOMPARE(splitSqlStatements(QStringLiteral("   \n-- only a comment\n")), QStringList());
    // A trigger written on one line raises the depth without lowering it, so the
    // following lines join it until a line that starts with END.
    const QStringList joined = splitSqlStatements(QStringLiteral(
        "CREATE TRIGGER t AFTER INSERT ON a BEGIN SELECT 1; END;\nSELECT 2;\nEND;\nSELECT 3;"));
    QCOMPARE(joined.size(), 2);
    QVERIFY(joined.at(0).contains(QLatin1String("SELECT 2")));
    QCOMPARE(joined.at(1), QStringLiteral("SELECT 3"));
    // CR LF scripts read in text mode arrive with plain line feeds; a stray CR is trimmed.
    QCOMPARE(splitSqlStatements(QStringLiteral("SELECT 1;\r\nSELECT 2;\r\n")),
             QStringList({QStringLiteral("SELECT 1"), QStringLiteral("SELECT 2")}));
}

VELLUMRY_TEST_GUILESS_MAIN(TestDatabase)
#include "tst_database.moc"
