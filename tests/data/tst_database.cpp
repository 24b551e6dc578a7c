#include "LedgerFiles.h"
#include "TempDatabase.h"
#include "TestMain.h"

#include "data/Database.h"

#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <sqlite3.h>

using LedgerFiles::Made;
Q_DECLARE_METATYPE(Made)

namespace {

// Each column of a table as "name TYPE[ NN][ =default][ PK]", in table order.
QStringList columnsOf(TempDatabase& db, const QString& table)
{
    return db.scalar(QStringLiteral("SELECT group_concat(name || ' ' || type || iif(\"notnull\", ' NN', '') || "
                                    "coalesce(' =' || dflt_value, '') || iif(pk, ' PK', ''), '|') "
                                    "FROM (SELECT * FROM pragma_table_info(?) ORDER BY cid)"),
                     {table})
        .toString()
        .split(QLatin1Char('|'));
}

QString lastColumnName(TempDatabase& db, const QString& table)
{
    return columnsOf(db, table).constLast().section(QLatin1Char(' '), 0, 0);
}

QStringList namesOf(TempDatabase& db, const QString& type)
{
    return db.scalar(QStringLiteral("SELECT group_concat(name, '|') FROM (SELECT name FROM sqlite_master WHERE "
                                    "type = ? AND name NOT LIKE 'sqlite_%' ORDER BY name)"),
                     {type})
        .toString()
        .split(QLatin1Char('|'));
}

QString readResource(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly | QIODevice::Text) ? QString::fromUtf8(file.readAll()) : QString();
}

const QString kAccount = QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) VALUES "
                                        "('a1', 'Checking', '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')");

} // namespace

class TestDatabase : public QObject
{
    Q_OBJECT

private slots:
    void freshFileGetsTheWholeSchema();
    void tablesHaveTheirColumnsInOrder_data();
    void tablesHaveTheirColumnsInOrder();
    void fileAtVersionThreeGetsOnlyFourAndFive();
    void failingStatementRollsBackOnlyThatMigration();
    void reconciliationsWrittenBeforeSyncAreBackfilled();
    void foreignKeysAndFullTextIndexAreLive();
    void openFailureIsReported();
    void onlyLedgersAreOpened_data();
    void onlyLedgersAreOpened();
    void ledgersOfEveryVersionOpen_data();
    void ledgersOfEveryVersionOpen();
    void aLedgerInMemoryOpens();
    void migrationsNameTheTablesTheirScriptsMake_data();
    void migrationsNameTheTablesTheirScriptsMake();
    void splitter();
};

void TestDatabase::freshFileGetsTheWholeSchema()
{
    TempDatabase db(TempDatabase::Migrate::No);
    QVERIFY(db.isReady());
    QSignalSpy applied(db.database(), &Database::migrationApplied);
    QVERIFY(db.database()->migrate());
    QCOMPARE(applied.count(), 5);
    QCOMPARE(applied.at(0).at(0).toInt(), 1);

    QCOMPARE(db.scalar(QStringLiteral("SELECT group_concat(name, '|') FROM (SELECT name FROM schema_version "
                                      "ORDER BY version)")).toString(),
             QStringLiteral("initial|recon_sync|recurring_lead_days|recurring_interval|recurring_semimonthly"));
    // SQLite's own datetime form: date, one blank, time to the second.
    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM schema_version WHERE applied_at GLOB "
                                      "'[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-5][0-9]'"))
                 .toInt(),
             5);

    QCOMPARE(namesOf(db, QStringLiteral("index")),
             QStringList({"idx_split_lines_transaction_id", "idx_transactions_account_id", "idx_transactions_category_id",
                          "idx_transactions_date", "idx_transactions_sync_status", "idx_transactions_transfer_link_id"}));
    QCOMPARE(namesOf(db, QStringLiteral("trigger")),
             QStringList({"transactions_ad", "transactions_ai", "transactions_au"}));
    const QString fts =
        db.scalar(QStringLiteral("SELECT sql FROM sqlite_master WHERE name = 'transactions_fts'")).toString();
    QVERIFY(fts.contains(QLatin1String("fts5")));
    QVERIFY(fts.contains(QLatin1String("content='transactions'")));
    QVERIFY(fts.contains(QLatin1String("content_rowid='rowid'")));

    QCOMPARE(db.scalar(QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("wal"));
    QCOMPARE(db.scalar(QStringLiteral("PRAGMA foreign_keys")).toInt(), 1);

    // A second run applies nothing, nor does a file written by a newer build.
    QVERIFY(db.database()->migrate());
    QVERIFY(db.exec(QStringLiteral("INSERT INTO schema_version (version, name) VALUES (6, 'future')")));
    QVERIFY(db.database()->migrate());
    QCOMPARE(applied.count(), 5);
}

void TestDatabase::tablesHaveTheirColumnsInOrder_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("expected");

    const QStringList syncTail{"version INTEGER NN =1", "sync_status TEXT NN ='pending'", "server_id TEXT",
                               "created_at TEXT NN", "updated_at TEXT NN", "deleted_at TEXT"};
    QTest::newRow("accounts") << QStringLiteral("accounts")
        << QStringList{"id TEXT PK", "name TEXT NN", "account_type TEXT NN ='checking'", "currency TEXT NN ='USD'",
                       "institution TEXT", "account_number_last4 TEXT", "starting_balance INTEGER NN =0",
                       "sort_order INTEGER NN =0", "is_shared INTEGER NN =0"} + syncTail;
    QTest::newRow("categories") << QStringLiteral("categories")
        << QStringList{"id TEXT PK", "name TEXT NN", "category_type TEXT NN ='expense'", "parent_id TEXT",
                       "is_tax_relevant INTEGER NN =0", "tax_category TEXT", "icon TEXT", "color TEXT",
                       "is_default INTEGER NN =0", "account_id TEXT"} + syncTail;
    QTest::newRow("transactions") << QStringLiteral("transactions")
        << QStringList{"id TEXT PK", "account_id TEXT NN", "date TEXT NN", "payee TEXT NN", "memo TEXT",
                       "amount INTEGER NN", "category_id TEXT", "check_number TEXT", "cleared INTEGER NN =0",
                       "reconciled INTEGER NN =0", "transfer_link_id TEXT", "transfer_dest_account_id TEXT",
                       "is_split INTEGER NN =0", "recurring_id TEXT"} + syncTail;
    QTest::newRow("split_lines") << QStringLiteral("split_lines")
        << QStringList{"id TEXT PK", "transaction_id TEXT NN", "category_id TEXT NN", "amount INTEGER NN", "memo TEXT",
                       "created_at TEXT NN", "updated_at TEXT NN"};
    QTest::newRow("recurring_transactions") << QStringLiteral("recurring_transactions")
        << QStringList{"id TEXT PK", "account_id TEXT NN", "payee TEXT NN", "memo TEXT", "amount INTEGER NN",
                       "category_id TEXT", "frequency TEXT NN ='monthly'", "start_date TEXT NN", "end_date TEXT",
                       "next_due_date TEXT NN", "auto_post INTEGER NN =0", "is_active INTEGER NN =1",
                       "transfer_dest_account_id TEXT"} + syncTail
               + QStringList{"lead_days INTEGER NN =0", "interval_count INTEGER NN =1",
                             "semimonthly_day_1 INTEGER NN =1", "semimonthly_day_2 INTEGER NN =15"};
    QTest::newRow("reconciliations") << QStringLiteral("reconciliations")
        << QStringList{"id TEXT PK", "account_id TEXT NN", "statement_date TEXT NN", "statement_balance INTEGER NN",
                       "reconciled_balance INTEGER NN", "completed_at TEXT NN", "version INTEGER NN =1",
                       "sync_status TEXT NN ='pending'", "server_id TEXT", "created_at TEXT NN =''",
                       "updated_at TEXT NN =''", "deleted_at TEXT"};
    QTest::newRow("transaction_templates") << QStringLiteral("transaction_templates")
        << QStringList{"id TEXT PK", "account_id TEXT NN", "name TEXT NN", "payee TEXT", "amount INTEGER",
                       "category_id TEXT", "memo TEXT", "check_number TEXT", "is_payment INTEGER NN =1",
                       "created_at TEXT NN", "updated_at TEXT NN"};
    QTest::newRow("sync_queue") << QStringLiteral("sync_queue")
        << QStringList{"id INTEGER PK", "entity_type TEXT NN", "entity_id TEXT NN", "action TEXT NN",
                       "created_at TEXT NN", "processed INTEGER NN =0"};
    QTest::newRow("preferences") << QStringLiteral("preferences") << QStringList{"key TEXT PK", "value TEXT"};
}

void TestDatabase::tablesHaveTheirColumnsInOrder()
{
    QFETCH(QString, table);
    QFETCH(QStringList, expected);
    TempDatabase db;
    QVERIFY(db.isReady());
    QCOMPARE(columnsOf(db, table), expected);
}

void TestDatabase::fileAtVersionThreeGetsOnlyFourAndFive()
{
    TempDatabase db(TempDatabase::Migrate::No);
    QVERIFY(db.isReady());
    QVERIFY(LedgerFiles::migrateUpTo(*db.database(), 3));
    QSignalSpy applied(db.database(), &Database::migrationApplied);
    QVERIFY(db.database()->migrate());
    QCOMPARE(applied.count(), 2);
    QCOMPARE(applied.at(0).at(0).toInt(), 4);
    QCOMPARE(applied.at(1).at(0).toInt(), 5);
    QCOMPARE(lastColumnName(db, QStringLiteral("recurring_transactions")), QStringLiteral("semimonthly_day_2"));
}

void TestDatabase::failingStatementRollsBackOnlyThatMigration()
{
    TempDatabase db(TempDatabase::Migrate::No);
    QVERIFY(db.isReady());
    QVERIFY(LedgerFiles::migrateUpTo(*db.database(), 1));
    // Migration 2 adds reconciliations.version, sync_status and server_id; a
    // server_id already there makes a statement fail after the first ones ran.
    QVERIFY(db.exec(QStringLiteral("ALTER TABLE reconciliations ADD COLUMN server_id TEXT")));

    QSignalSpy errors(db.database(), &Database::migrationError);
    QVERIFY(!db.database()->migrate());
    QCOMPARE(errors.count(), 1);
    QCOMPARE(errors.at(0).at(0).toInt(), 2);
    QVERIFY(errors.at(0).at(1).toString().contains(QLatin1String("duplicate column")));
    QCOMPARE(db.scalar(QStringLiteral("SELECT group_concat(version) FROM schema_version")).toString(), QStringLiteral("1"));
    const QString reconciliations = columnsOf(db, QStringLiteral("reconciliations")).join(QLatin1Char(','));
    QVERIFY(!reconciliations.contains(QLatin1String("version")));
    QVERIFY(!reconciliations.contains(QLatin1String("sync_status")));
    // Later migrations were not tried.
    QCOMPARE(lastColumnName(db, QStringLiteral("recurring_transactions")), QStringLiteral("deleted_at"));
}

void TestDatabase::reconciliationsWrittenBeforeSyncAreBackfilled()
{
    TempDatabase db(TempDatabase::Migrate::No);
    QVERIFY(db.isReady());
    QVERIFY(LedgerFiles::migrateUpTo(*db.database(), 1));
    QVERIFY(db.exec(kAccount));
    QVERIFY(db.exec(QStringLiteral("INSERT INTO reconciliations (id, account_id, statement_date, statement_balance, "
                                   "reconciled_balance, completed_at) VALUES ('r1', 'a1', '2024-02-29', 100, 100, "
                                   "'2024-03-01T10:00:00Z')")));
    QVERIFY(db.database()->migrate());
    QCOMPARE(db.scalar(QStringLiteral("SELECT created_at || ' ' || updated_at || ' ' || version || ' ' || sync_status "
                                      "FROM reconciliations")).toString(),
             QStringLiteral("2024-03-01T10:00:00Z 2024-03-01T10:00:00Z 1 pending"));
}

void TestDatabase::foreignKeysAndFullTextIndexAreLive()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    QVERIFY(db.exec(kAccount));
    const QString insert = QStringLiteral(
        "INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, created_at, updated_at) "
        "VALUES ('t1', ?, '2024-01-02', 'Hardware Barn', 'nails', -500, ?, '2024-01-02T00:00:00Z', '2024-01-02T00:00:00Z')");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("FOREIGN KEY constraint failed")));
    QVERIFY(!db.exec(insert, {QStringLiteral("a1"), QStringLiteral("no-such-category")}));
    QVERIFY(db.exec(insert, {QStringLiteral("a1"), QVariant(QMetaType::fromType<QString>())}));

    // The three triggers keep the index in step with inserts, updates and deletes.
    const QString count = QStringLiteral("SELECT COUNT(*) FROM transactions_fts WHERE transactions_fts MATCH ?");
    QCOMPARE(db.scalar(count, {QStringLiteral("hardware")}).toInt(), 1);
    QVERIFY(db.exec(QStringLiteral("UPDATE transactions SET payee = 'Garden Center' WHERE id = 't1'")));
    QCOMPARE(db.scalar(count, {QStringLiteral("hardware")}).toInt(), 0);
    QCOMPARE(db.scalar(count, {QStringLiteral("garden nails")}).toInt(), 1);
    QVERIFY(db.exec(QStringLiteral("DELETE FROM transactions WHERE id = 't1'")));
    QCOMPARE(db.scalar(count, {QStringLiteral("garden")}).toInt(), 0);
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

void TestDatabase::onlyLedgersAreOpened_data()
{
    QTest::addColumn<Made>("made");
    QTest::addColumn<QByteArray>("sql");
    QTest::addColumn<bool>("inUse"); // `sql` is run by a connection that stays open
    QTest::addColumn<QString>("cause"); // empty: opened and migrated

    const QString notLedger = QStringLiteral("This file is not an Orvalen Vellumry ledger.\n");
    const QString noRecord = notLedger + QStringLiteral("It has no record of a ledger's migrations.");
    const QString lists = notLedger + QStringLiteral("Its record of migrations lists %1 where a ledger has %2.");
    const QByteArray notes = "CREATE TABLE notes (id INTEGER PRIMARY KEY, body TEXT); "
                             "INSERT INTO notes (body) VALUES ('keep me');";
    QTest::newRow("no file") << Made::Nothing << QByteArray() << false << QString();
    QTest::newRow("empty file") << Made::Empty << QByteArray() << false << QString();
    QTest::newRow("database without tables") << Made::Database << QByteArray("PRAGMA user_version = 7;") << false
                                             << QString();
    QTest::newRow("first start that failed")
        << Made::Database
        << QByteArray("CREATE TABLE schema_version (  version INTEGER PRIMARY KEY,  name    TEXT NOT NULL,  "
                      "applied_at TEXT NOT NULL DEFAULT (datetime('now')));")
        << false << QString();
    QTest::newRow("ledger") << Made::Ledger << QByteArray() << false << QString();
    QTest::newRow("ledger in use") << Made::Ledger
                                   << QByteArray("INSERT INTO preferences (key, value) VALUES ('theme', 'dark');")
                                   << true << QString();
    QTest::newRow("random bytes") << Made::RandomBytes << QByteArray() << false
                                  << QStringLiteral("file is not a database");
    QTest::newRow("another program's database") << Made::Database << notes << false << noRecord;
    QTest::newRow("another program's WAL database") << Made::Database << "PRAGMA journal_mode=WAL; " + notes
                                                    << false << noRecord;
    // Its tables are still in its WAL only.
    QTest::newRow("in use by another program") << Made::Nothing << "PRAGMA journal_mode=WAL; " + notes << true
                                               << noRecord;
    QTest::newRow("damaged database") << Made::DamagedDatabase << notes << false
                                      << QStringLiteral("database disk image is malformed");
    QTest::newRow("ledger tables without their migrations")
        << Made::Database
        << QByteArray("CREATE TABLE accounts (id TEXT PRIMARY KEY, name TEXT NOT NULL); "
                      "CREATE TABLE transactions (id TEXT PRIMARY KEY, account_id TEXT NOT NULL);")
        << false << noRecord;
    QTest::newRow("another program's schema_version")
        << Made::Database
        << "CREATE TABLE schema_version (version INTEGER PRIMARY KEY, name TEXT); "
           "INSERT INTO schema_version VALUES (1, 'create notes'); " + notes
        << false << lists.arg(QStringLiteral("1 \"create notes\""), QStringLiteral("1 \"initial\""));
    QTest::newRow("schema_version without names")
        << Made::Database << QByteArray("CREATE TABLE schema_version (version INTEGER);") << false
        << notLedger + QStringLiteral("Its record of migrations cannot be read: no such column: name");
    QTest::newRow("empty schema_version beside other tables")
        << Made::Database << "CREATE TABLE schema_version (version INTEGER PRIMARY KEY, name TEXT); " + notes
        << false << noRecord;
    QTest::newRow("another program's dated migrations")
        << Made::Database
        << QByteArray("CREATE TABLE users (id INTEGER PRIMARY KEY, email TEXT); "
                      "CREATE TABLE schema_version (version INTEGER PRIMARY KEY, name TEXT NOT NULL); "
                      "INSERT INTO schema_version VALUES (20240101, 'create_users');")
        << false << lists.arg(QStringLiteral("20240101 \"create_users\""), QStringLiteral("1 \"initial\""));
    QTest::newRow("only migrations this build does not know")
        << Made::Database
        << QByteArray("CREATE TABLE schema_version (version INTEGER PRIMARY KEY, name TEXT NOT NULL); "
                      "INSERT INTO schema_version VALUES (6, 'future'), (7, 'later');")
        << false << lists.arg(QStringLiteral("6 \"future\""), QStringLiteral("1 \"initial\""));
    QTest::newRow("ledger without a migration between")
        << Made::Ledger << QByteArray("DELETE FROM schema_version WHERE version = 3;") << false
        << lists.arg(QStringLiteral("4 \"recurring_interval\""), QStringLiteral("3 \"recurring_lead_days\""));
    QTest::newRow("ledger with a migration of another name")
        << Made::Ledger << QByteArray("UPDATE schema_version SET name = 'recon' WHERE version = 2;") << false
        << lists.arg(QStringLiteral("2 \"recon\""), QStringLiteral("2 \"recon_sync\""));
    QTest::newRow("ledger with a table gone") << Made::Ledger << QByteArray("DROP TABLE categories;") << false
                                              << notLedger + QStringLiteral("Its table \"categories\" is missing.");
    QTest::newRow("ledger with tables gone")
        << Made::Ledger << QByteArray("DROP TABLE preferences; DROP TABLE split_lines;") << false
        << notLedger + QStringLiteral("Its tables \"split_lines\", \"preferences\" are missing.");
}

void TestDatabase::onlyLedgersAreOpened()
{
    QFETCH(Made, made);
    QFETCH(QByteArray, sql);
    QFETCH(bool, inUse);
    QFETCH(QString, cause);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("vellumry.db"));
    QVERIFY(LedgerFiles::make(path, made, inUse ? QByteArray() : sql));
    sqlite3* other = nullptr;
    if (inUse) {
        QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &other), SQLITE_OK);
        QCOMPARE(sqlite3_exec(other, sql.constData(), nullptr, nullptr, nullptr), SQLITE_OK);
    }
    const QStringList journals = LedgerFiles::journalsBeside(path);
    const QByteArray before = LedgerFiles::checksum(path);

    Database database;
    if (cause.isEmpty()) {
        QVERIFY(database.open(path));
        QVERIFY(database.migrate());
        QSqlQuery applied(database.database());
        QVERIFY(applied.exec(QStringLiteral("SELECT group_concat(version) FROM schema_version")));
        QVERIFY(applied.next());
        QCOMPARE(applied.value(0).toString(), QStringLiteral("1,2,3,4,5"));
    } else {
        QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(QStringLiteral("^Failed to open database:")));
        QVERIFY(!database.open(path));
        QCOMPARE(database.failureCause(), cause);
        QVERIFY(!database.isOpen());
        // Not a byte changed, and no journal of ours beside it.
        QCOMPARE(LedgerFiles::checksum(path), before);
        QCOMPARE(LedgerFiles::journalsBeside(path), journals);
    }
    sqlite3_close(other);
}

void TestDatabase::ledgersOfEveryVersionOpen_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<QByteArray>("sql");
    QTest::addColumn<QString>("applied");

    for (const Database::Migration& migration : Database::migrations()) {
        QTest::addRow("version %d", migration.version) << migration.version << QByteArray()
                                                        << QStringLiteral("1,2,3,4,5");
    }
    // A newer build's migrations follow ours; it opens as it is.
    QTest::newRow("newer ledger") << 5
                                  << QByteArray("CREATE TABLE budgets (id TEXT PRIMARY KEY); INSERT INTO "
                                                "schema_version (version, name) VALUES (6, 'budgets');")
                                  << QStringLiteral("1,2,3,4,5,6");
}

void TestDatabase::ledgersOfEveryVersionOpen()
{
    QFETCH(int, version);
    QFETCH(QByteArray, sql);
    QFETCH(QString, applied);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("vellumry.db"));
    QVERIFY(LedgerFiles::makeLedger(path, version, sql));

    Database database;
    QVERIFY(database.open(path));
    QVERIFY(database.migrate());
    QSqlQuery query(database.database());
    QVERIFY(query.exec(QStringLiteral("SELECT group_concat(version) FROM (SELECT version FROM schema_version "
                                      "ORDER BY version)")));
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toString(), applied);
}

// The fuzz targets keep their ledger in memory.
void TestDatabase::aLedgerInMemoryOpens()
{
    Database database;
    QVERIFY(database.open(QStringLiteral(":memory:")));
    QVERIFY(database.migrate());
    QSqlQuery query(database.database());
    QVERIFY(query.exec(QStringLiteral("SELECT COUNT(*) FROM schema_version")));
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toInt(), 5);
}

void TestDatabase::migrationsNameTheTablesTheirScriptsMake_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("tables");
    for (const Database::Migration& migration : Database::migrations()) {
        QTest::newRow(migration.name) << QString::fromLatin1(migration.resourcePath)
                                      << QString::fromLatin1(migration.tables);
    }
}

// What the check of a ledger file asks for is what the scripts make.
void TestDatabase::migrationsNameTheTablesTheirScriptsMake()
{
    QFETCH(QString, script);
    QFETCH(QString, tables);
    const QRegularExpression create(
        QStringLiteral("^CREATE\\s+(?:VIRTUAL\\s+)?TABLE\\s+(?:IF\\s+NOT\\s+EXISTS\\s+)?(\\w+)"),
        QRegularExpression::CaseInsensitiveOption);
    QStringList made;
    for (const QString& statement : splitSqlStatements(readResource(script))) {
        const QRegularExpressionMatch match = create.match(statement);
        if (match.hasMatch())
            made.append(match.captured(1).toLower());
    }
    QCOMPARE(tables, made.join(QLatin1Char(' ')));
}

void TestDatabase::splitter()
{
    const QStringList statements = splitSqlStatements(QStringLiteral(
        "CREATE TABLE a (x INTEGER);\n"
        "-- a comment line\n"
        "CREATE TRIGGER IF NOT EXISTS t_au AFTER UPDATE ON a BEGIN\n"
        "    INSERT INTO b VALUES (old.x);\n"
        "    INSERT INTO b VALUES (new.x);\n"
        "END;\n"
        "CREATE INDEX i ON a(x)"));
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
    QVERIFY(initial.filter(QStringLiteral("--")).isEmpty());

    // A lone ";" yields nothing; "--" later in a line is not a comment; a stray CR is trimmed.
    QCOMPARE(splitSqlStatements(QStringLiteral("SELECT 1;\r\n;\n-- only a comment\nSELECT '--'")),
             QStringList({QStringLiteral("SELECT 1"), QStringLiteral("SELECT '--'")}));
}

VELLUMRY_TEST_GUILESS_MAIN(TestDatabase)
#include "tst_database.moc"
