#include "TempDatabase.h"
#include "TestMain.h"

#include "data/Clock.h"
#include "data/Database.h"
#include "services/BackupService.h"
#include "services/ZipReader.h"
#include "services/ZipWriter.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimeZone>

#include <functional>

namespace {

using Entries = QList<QPair<QString, QByteArray>>;

const QDateTime kNow(QDate(2024, 3, 5), QTime(14, 7, 9), QTimeZone::utc());

const QString kAccount = QStringLiteral("a0000000-0000-4000-8000-000000000001");
const QString kCategory = QStringLiteral("c0000000-0000-4000-8000-000000000001");
const QString kChildCategory = QStringLiteral("c0000000-0000-4000-8000-000000000002");
const QString kTransaction = QStringLiteral("70000000-0000-4000-8000-000000000001");
const QString kDeletedTransaction = QStringLiteral("70000000-0000-4000-8000-000000000002");
const QString kSplitA = QStringLiteral("50000000-0000-4000-8000-00000000000a");
const QString kSplitB = QStringLiteral("50000000-0000-4000-8000-00000000000b");
const QString kRecurring = QStringLiteral("r0000000-0000-4000-8000-000000000001");
const QString kReconciliation = QStringLiteral("e0000000-0000-4000-8000-000000000001");

QByteArray json(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

QByteArray manifest(int version = 1)
{
    return json({{QStringLiteral("version"), version}});
}

QByteArray archive(const Entries& entries)
{
    ZipWriter writer;
    for (const auto& [name, data] : entries) {
        if (!writer.addFile(name, data, kNow))
            return QByteArray();
    }
    return writer.finish();
}

// Every entry of an archive by name; `order` gets the names in directory order.
QMap<QString, QByteArray> entriesOf(const QByteArray& bytes, QStringList* order = nullptr)
{
    QMap<QString, QByteArray> entries;
    const ZipReader reader(bytes);
    for (qint64 i = 0; i < reader.entryCount(); ++i) {
        QByteArray data;
        if (reader.read(i, qint64(1) << 30, &data) != ZipReader::ReadStatus::Ok)
            return {};
        entries.insert(reader.entryName(i), data);
        if (order)
            order->append(reader.entryName(i));
    }
    return entries;
}

QJsonObject accountRow(const QString& id, const QString& name, const QString& updatedAt = QStringLiteral("2024-01-01T00:00:00Z"))
{
    return {{QStringLiteral("id"), id},
            {QStringLiteral("name"), name},
            {QStringLiteral("created_at"), QStringLiteral("2024-01-01T00:00:00Z")},
            {QStringLiteral("updated_at"), updatedAt}};
}

QJsonObject categoryRow(const QString& id, const QString& name, const QString& parentId = QString())
{
    QJsonObject row{{QStringLiteral("id"), id},
                    {QStringLiteral("name"), name},
                    {QStringLiteral("created_at"), QStringLiteral("2024-01-01T00:00:00Z")},
                    {QStringLiteral("updated_at"), QStringLiteral("2024-01-01T00:00:00Z")}};
    if (!parentId.isEmpty())
        row.insert(QStringLiteral("parent_id"), parentId);
    return row;
}

QJsonObject transactionRow(const QString& id, const QString& payee, const QString& accountId = kAccount)
{
    return {{QStringLiteral("id"), id},
            {QStringLiteral("account_id"), accountId},
            {QStringLiteral("date"), QStringLiteral("2024-02-01")},
            {QStringLiteral("payee"), payee},
            {QStringLiteral("amount"), -1250},
            {QStringLiteral("is_split"), 1},
            {QStringLiteral("created_at"), QStringLiteral("2024-02-01T10:00:00Z")},
            {QStringLiteral("updated_at"), QStringLiteral("2024-02-01T10:00:00Z")}};
}

QJsonObject splitRow(const QString& id, const QString& transactionId, qint64 amount)
{
    return {{QStringLiteral("id"), id},
            {QStringLiteral("transaction_id"), transactionId},
            {QStringLiteral("category_id"), kCategory},
            {QStringLiteral("amount"), amount},
            {QStringLiteral("memo"), QStringLiteral("line")},
            {QStringLiteral("created_at"), QStringLiteral("2024-02-01T10:00:00Z")},
            {QStringLiteral("updated_at"), QStringLiteral("2024-02-01T10:00:00Z")}};
}

QPair<QString, QByteArray> entry(const char* folder, const QJsonObject& row)
{
    return {QStringLiteral("%1/%2.json").arg(QLatin1String(folder), row.value(QStringLiteral("id")).toString()), json(row)};
}

// A ledger with a row in every table: a synced account, a parent and child
// category, a split transaction with two lines, a soft-deleted transaction,
// a recurring entry and a reconciliation.
bool seedLedger(TempDatabase& db)
{
    return db.exec(QStringLiteral(
               "INSERT INTO accounts (id, name, account_type, currency, institution, starting_balance, sort_order, "
               "version, sync_status, server_id, created_at, updated_at) VALUES (?, 'Checking', 'checking', 'EUR', "
               "NULL, 0, 2, 4, 'synced', 'srv-account', '2024-01-01T00:00:00Z', '2024-01-02T00:00:00Z')"),
                   {kAccount})
           && db.exec(QStringLiteral("INSERT INTO categories (id, name, category_type, created_at, updated_at) "
                                     "VALUES (?, 'Food', 'expense', '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')"),
                      {kCategory})
           && db.exec(QStringLiteral("INSERT INTO categories (id, name, parent_id, is_default, created_at, updated_at) "
                                     "VALUES (?, 'Groceries', ?, 1, '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')"),
                      {kChildCategory, kCategory})
           && db.exec(QStringLiteral(
                          "INSERT INTO transactions (id, account_id, date, payee, memo, amount, check_number, cleared, "
                          "is_split, version, sync_status, server_id, created_at, updated_at) VALUES (?, ?, "
                          "'2024-02-01', 'Maple Market', 'weekly \"shop\" – ü', -4250, '1043', 1, 1, 2, 'synced', "
                          "'srv-t1', '2024-02-01T10:00:00Z', '2024-02-01T10:00:00Z')"),
                      {kTransaction, kAccount})
           && db.exec(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, amount, category_id, "
                                     "created_at, updated_at, deleted_at) VALUES (?, ?, '2024-02-03', 'Oakwood Cafe', "
                                     "-900, ?, '2024-02-03T08:00:00Z', '2024-02-04T08:00:00Z', '2024-02-04T08:00:00Z')"),
                      {kDeletedTransaction, kAccount, kChildCategory})
           && db.exec(QStringLiteral("INSERT INTO split_lines (id, transaction_id, category_id, amount, memo, "
                                     "created_at, updated_at) VALUES (?, ?, ?, -3000, 'food', '2024-02-01T10:00:00Z', "
                                     "'2024-02-01T10:00:00Z'), (?, ?, ?, -1250, NULL, '2024-02-01T10:00:00Z', "
                                     "'2024-02-01T10:00:00Z')"),
                      {kSplitA, kTransaction, kChildCategory, kSplitB, kTransaction, kCategory})
           && db.exec(QStringLiteral("INSERT INTO recurring_transactions (id, account_id, payee, amount, frequency, "
                                     "start_date, next_due_date, created_at, updated_at, interval_count, "
                                     "semimonthly_day_2) VALUES (?, ?, 'Rent', -120000, 'semimonthly', '2024-01-01', "
                                     "'2024-03-01', '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z', 2, 0)"),
                      {kRecurring, kAccount})
           && db.exec(QStringLiteral("INSERT INTO reconciliations (id, account_id, statement_date, statement_balance, "
                                     "reconciled_balance, completed_at, created_at, updated_at) VALUES (?, ?, "
                                     "'2024-01-31', 150000, 150000, '2024-02-02T09:00:00Z', '2024-02-02T09:00:00Z', "
                                     "'2024-02-02T09:00:00Z')"),
                      {kReconciliation, kAccount});
}

// What a restore makes of a synced row's file: a pending row the server has not seen.
QByteArray withSyncReset(const QByteArray& rowFile)
{
    QJsonObject row = QJsonDocument::fromJson(rowFile).object();
    row.insert(QStringLiteral("sync_status"), QStringLiteral("pending"));
    row.insert(QStringLiteral("server_id"), QJsonValue::Null);
    row.insert(QStringLiteral("version"), 1);
    return json(row);
}

QStringList splitLineIds(TempDatabase& db, const QString& transactionId)
{
    QStringList ids;
    QSqlQuery query(db.sql());
    query.prepare(QStringLiteral("SELECT id FROM split_lines WHERE transaction_id = ? ORDER BY id"));
    query.addBindValue(transactionId);
    query.exec();
    while (query.next())
        ids.append(query.value(0).toString());
    return ids;
}

// Overwrites the CRC or size fields that both headers of the entry `name` hold
// (local header and central directory); returns how many headers it changed.
int patchHeaders(QByteArray& zip, const QByteArray& name, int localOffset, int centralOffset, quint32 value)
{
    int patched = 0;
    for (qsizetype at = zip.indexOf(name); at >= 0; at = zip.indexOf(name, at + 1)) {
        qsizetype field = -1;
        if (at >= 30 && zip.mid(at - 30, 4) == QByteArray("PK\x03\x04", 4))
            field = at - 30 + localOffset;
        else if (at >= 46 && zip.mid(at - 46, 4) == QByteArray("PK\x01\x02", 4))
            field = at - 46 + centralOffset;
        if (field < 0)
            continue;
        for (int i = 0; i < 4; ++i)
            zip[field + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
        ++patched;
    }
    return patched;
}

int tableCount(TempDatabase& db, const QString& table)
{
    return db.scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)).toInt();
}

int totalImported(const BackupImportResult& result)
{
    int total = 0;
    for (const qint32 n : result.imported)
        total += n;
    return total;
}

int totalSkipped(const BackupImportResult& result)
{
    int total = 0;
    for (const qint32 n : result.skipped)
        total += n;
    return total;
}

int imported(const BackupImportResult& result, BackupTable table)
{
    return result.imported[static_cast<std::size_t>(backupTableIndex(table))];
}

int skipped(const BackupImportResult& result, BackupTable table)
{
    return result.skipped[static_cast<std::size_t>(backupTableIndex(table))];
}

} // namespace

class TestBackupService : public QObject
{
    Q_OBJECT

private slots:
    void init() { Clock::setFixedNow(kNow); }
    void cleanup() { Clock::reset(); }

    void exportOfEmptyLedgerHoldsOnlyManifest();
    void exportWritesOneSortedIndentedFilePerRow();
    void failedExportIsReported();
    void roundTripGivesIdenticalRowFiles();
    void archiveOfMoreThan65535EntriesRoundTrips();
    void exportReadsWithUnzip();
    void readsArchivesOfOtherZipWriters_data();
    void readsArchivesOfOtherZipWriters();

    void refusesWhatIsNoBackup_data();
    void refusesWhatIsNoBackup();
    void limitsAreCheckedBeforeInflating();
    void damagedEntriesAreReported();
    void rowFilesThatAreNoRowsAreReported();
    void entriesOutsideTheTablesAreIgnored();

    void modesTreatExistingRows_data();
    void modesTreatExistingRows();
    void keepNewerComparesInstants_data();
    void keepNewerComparesInstants();
    void restoredRowsArePendingAndOverwrittenRowsKeepTheirServerId();
    void missingColumnsKeepStoredValuesOrDefaults();
    void keysMustBeColumnsOfTheTable();
    void rowsAreRetriedAfterTheRowsTheyReferTo();
    void splitLinesAreRestoredAsSets();
};

void TestBackupService::exportOfEmptyLedgerHoldsOnlyManifest()
{
    TempDatabase db;
    QVERIFY(db.isReady());
    BackupService service(db.database());

    const QMap<QString, QByteArray> entries = entriesOf(service.exportBackup());
    QCOMPARE(entries.keys(), QStringList{QStringLiteral("manifest.json")});
    QCOMPARE(entries.value(QStringLiteral("manifest.json")),
             QByteArray("{\n"
                        "    \"accountCount\": 0,\n"
                        "    \"categoryCount\": 0,\n"
                        "    \"exportedAt\": \"2024-03-05T14:07:09Z\",\n"
                        "    \"reconciliationCount\": 0,\n"
                        "    \"recurringCount\": 0,\n"
                        "    \"splitLineCount\": 0,\n"
                        "    \"transactionCount\": 0,\n"
                        "    \"version\": 1\n"
                        "}\n"));
}

void TestBackupService::exportWritesOneSortedIndentedFilePerRow()
{
    TempDatabase db;
    QVERIFY(seedLedger(db));
    BackupService service(db.database());

    QStringList order;
    const QMap<QString, QByteArray> entries = entriesOf(service.exportBackup(), &order);
    QCOMPARE(order.size(), 10);
    QCOMPARE(order.last(), QStringLiteral("manifest.json"));
    // Table by table, in the order that puts referenced rows first; no folder entries.
    const QStringList folders{QStringLiteral("accounts"),     QStringLiteral("categories"),
                              QStringLiteral("categories"),   QStringLiteral("transactions"),
                              QStringLiteral("transactions"), QStringLiteral("split_lines"),
                              QStringLiteral("split_lines"),  QStringLiteral("recurring"),
                              QStringLiteral("reconciliations")};
    for (int i = 0; i < folders.size(); ++i)
        QCOMPARE(order.at(i).section(QLatin1Char('/'), 0, 0), folders.at(i));

    QCOMPARE(entries.value(QStringLiteral("accounts/%1.json").arg(kAccount)),
             QByteArray("{\n"
                        "    \"account_number_last4\": null,\n"
                        "    \"account_type\": \"checking\",\n"
                        "    \"created_at\": \"2024-01-01T00:00:00Z\",\n"
                        "    \"currency\": \"EUR\",\n"
                        "    \"deleted_at\": null,\n"
                        "    \"id\": \"a0000000-0000-4000-8000-000000000001\",\n"
                        "    \"institution\": null,\n"
                        "    \"is_shared\": 0,\n"
                        "    \"name\": \"Checking\",\n"
                        "    \"server_id\": \"srv-account\",\n"
                        "    \"sort_order\": 2,\n"
                        "    \"starting_balance\": 0,\n"
                        "    \"sync_status\": \"synced\",\n"
                        "    \"updated_at\": \"2024-01-02T00:00:00Z\",\n"
                        "    \"version\": 4\n"
                        "}\n"));
    // Split lines carry no sync columns.
    QCOMPARE(entries.value(QStringLiteral("split_lines/%1.json").arg(kSplitB)),
             QByteArray("{\n"
                        "    \"amount\": -1250,\n"
                        "    \"category_id\": \"c0000000-0000-4000-8000-000000000001\",\n"
                        "    \"created_at\": \"2024-02-01T10:00:00Z\",\n"
                        "    \"id\": \"50000000-0000-4000-8000-00000000000b\",\n"
                        "    \"memo\": null,\n"
                        "    \"transaction_id\": \"70000000-0000-4000-8000-000000000001\",\n"
                        "    \"updated_at\": \"2024-02-01T10:00:00Z\"\n"
                        "}\n"));
    const QJsonObject deleted =
        QJsonDocument::fromJson(entries.value(QStringLiteral("transactions/%1.json").arg(kDeletedTransaction))).object();
    QCOMPARE(deleted.value(QStringLiteral("deleted_at")).toString(), QStringLiteral("2024-02-04T08:00:00Z"));
    QCOMPARE(deleted.size(), 20);
    const QJsonObject recurring =
        QJsonDocument::fromJson(entries.value(QStringLiteral("recurring/%1.json").arg(kRecurring))).object();
    QCOMPARE(recurring.value(QStringLiteral("semimonthly_day_2")).toInteger(), qint64(0));
    QCOMPARE(recurring.size(), 23);

    const QJsonObject manifestObject = QJsonDocument::fromJson(entries.value(QStringLiteral("manifest.json"))).object();
    QCOMPARE(manifestObject.value(QStringLiteral("accountCount")).toInt(), 1);
    QCOMPARE(manifestObject.value(QStringLiteral("categoryCount")).toInt(), 2);
    QCOMPARE(manifestObject.value(QStringLiteral("transactionCount")).toInt(), 2);
    QCOMPARE(manifestObject.value(QStringLiteral("splitLineCount")).toInt(), 2);
    QCOMPARE(manifestObject.value(QStringLiteral("recurringCount")).toInt(), 1);
    QCOMPARE(manifestObject.value(QStringLiteral("reconciliationCount")).toInt(), 1);
}

void TestBackupService::failedExportIsReported()
{
    {
        TempDatabase db;
        QVERIFY(seedLedger(db));
        QVERIFY(db.exec(QStringLiteral("DROP TABLE reconciliations")));
        BackupService service(db.database());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^BackupService export query failed:")));
        QCOMPARE(service.exportBackup(), QByteArray());
    }
    Database closed;
    BackupService service(&closed);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^BackupService export query failed:")));
    QCOMPARE(service.exportBackup(), QByteArray());
}

void TestBackupService::roundTripGivesIdenticalRowFiles()
{
    QMap<QString, QByteArray> original;
    QByteArray bytes;
    {
        TempDatabase db;
        QVERIFY(seedLedger(db));
        bytes = BackupService(db.database()).exportBackup();
        original = entriesOf(bytes);
    }
    TempDatabase db;
    BackupService service(db.database());
    const BackupImportResult result = service.importBackup(bytes, BackupImportMode::ReplaceAll);
    QCOMPARE(result.errors, QStringList());
    QCOMPARE(result.imported, (std::array<qint32, kBackupTableCount>{1, 2, 2, 2, 1, 1}));
    QCOMPARE(totalSkipped(result), 0);

    const QMap<QString, QByteArray> again = entriesOf(service.exportBackup());
    QCOMPARE(again.keys(), original.keys());
    for (auto it = original.constBegin(); it != original.constEnd(); ++it) {
        if (it.key() == QLatin1String("manifest.json") || it.key().startsWith(QLatin1String("split_lines/")))
            QCOMPARE(again.value(it.key()), it.value());
        else
            QCOMPARE(again.value(it.key()), withSyncReset(it.value()));
    }
}

void TestBackupService::archiveOfMoreThan65535EntriesRoundTrips()
{
    constexpr int kTransactions = 66000;
    QByteArray bytes;
    {
        TempDatabase db;
        QVERIFY(seedLedger(db));
        QVERIFY(db.sql().transaction());
        QSqlQuery insert(db.sql());
        insert.prepare(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, amount, created_at, "
                                      "updated_at) VALUES (?, ?, '2024-01-15', ?, ?, '2024-01-15T12:00:00Z', "
                                      "'2024-01-15T12:00:00Z')"));
        for (int i = 0; i < kTransactions; ++i) {
            insert.bindValue(0, QStringLiteral("bulk-%1").arg(i, 6, 10, QLatin1Char('0')));
            insert.bindValue(1, kAccount);
            insert.bindValue(2, QStringLiteral("Payee %1").arg(i % 97));
            insert.bindValue(3, -i);
            QVERIFY(insert.exec());
        }
        QVERIFY(db.sql().commit());
        bytes = BackupService(db.database()).exportBackup();
    }
    const ZipReader reader(bytes);
    QCOMPARE(reader.entryCount(), qint64(kTransactions + 10));
    // The ZIP64 end-of-central-directory record, without which the count wraps at 65,535.
    QVERIFY(bytes.contains(QByteArray("PK\x06\x06", 4)));
    QVERIFY(reader.indexOf(QStringLiteral("manifest.json")) >= 0);

    TempDatabase db;
    BackupService service(db.database());
    const BackupImportResult result = service.importBackup(bytes, BackupImportMode::KeepNewer);
    QCOMPARE(result.errors, QStringList());
    QCOMPARE(imported(result, BackupTable::Transactions), kTransactions + 2);
    QCOMPARE(totalSkipped(result), 0);
    QCOMPARE(tableCount(db, QStringLiteral("transactions")), kTransactions + 2);
    QCOMPARE(db.scalar(QStringLiteral("SELECT amount FROM transactions WHERE id = 'bulk-065999'")).toLongLong(),
             qint64(-65999));
}

void TestBackupService::exportReadsWithUnzip()
{
    const QString unzip = QStandardPaths::findExecutable(QStringLiteral("unzip"));
    if (unzip.isEmpty())
        QSKIP("unzip is not installed");
    TempDatabase db;
    QVERIFY(seedLedger(db));
    const QByteArray bytes = BackupService(db.database()).exportBackup();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("backup.zip"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    QProcess test;
    test.start(unzip, {QStringLiteral("-tq"), path});
    QVERIFY(test.waitForFinished());
    QCOMPARE(test.exitCode(), 0);
    QProcess manifestText;
    manifestText.start(unzip, {QStringLiteral("-p"), path, QStringLiteral("manifest.json")});
    QVERIFY(manifestText.waitForFinished());
    QCOMPARE(manifestText.readAllStandardOutput(), entriesOf(bytes).value(QStringLiteral("manifest.json")));
}

void TestBackupService::readsArchivesOfOtherZipWriters_data()
{
    QTest::addColumn<QString>("fixture");
    // Stored entries, with the folder entries a generic tool adds.
    QTest::newRow("stored, folder entries") << QStringLiteral("backup_stored_with_folders.zip");
    // Deflated and streamed: CRCs and sizes follow the data in data descriptors.
    QTest::newRow("deflated, data descriptors") << QStringLiteral("backup_streamed.zip");
}

void TestBackupService::readsArchivesOfOtherZipWriters()
{
    QFETCH(QString, fixture);
    QFile file(QFINDTESTDATA(QStringLiteral("data/") + fixture));
    QVERIFY(file.open(QIODevice::ReadOnly));
    TempDatabase db;
    BackupService service(db.database());
    const BackupImportResult result = service.importBackup(file.readAll(), BackupImportMode::SkipExisting);
    QCOMPARE(result.errors, QStringList());
    QCOMPARE(result.imported, (std::array<qint32, kBackupTableCount>{1, 1, 1, 1, 0, 0}));
    QCOMPARE(db.scalar(QStringLiteral("SELECT payee || ' ' || amount || ' ' || memo FROM transactions")).toString(),
             QStringLiteral("Maple Market -4250 weekly shop"));
    QCOMPARE(db.scalar(QStringLiteral("SELECT currency || ' ' || sync_status || ' ' || version || ' ' || "
                                      "COALESCE(server_id, 'none') FROM accounts"))
                 .toString(),
             QStringLiteral("EUR pending 1 none"));
    QCOMPARE(db.scalar(QStringLiteral("SELECT memo FROM split_lines")).toString(), QStringLiteral("food"));
}

void TestBackupService::refusesWhatIsNoBackup_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");

    const QByteArray account = json(accountRow(kAccount, QStringLiteral("Checking")));
    const QByteArray good = archive({{QStringLiteral("accounts/a.json"), account}, {QStringLiteral("manifest.json"), manifest()}});
    const QString openFailed = QStringLiteral("Failed to open ZIP archive");
    const QString missing = QStringLiteral("Invalid backup: missing manifest.json");
    QTest::newRow("empty bytes") << QByteArray() << openFailed;
    QTest::newRow("not a zip") << QByteArray("name,amount\nRent,-1200\n") << openFailed;
    QTest::newRow("truncated") << good.left(good.size() - 30) << openFailed;
    QTest::newRow("no manifest") << archive({{QStringLiteral("accounts/a.json"), account}}) << missing;
    QTest::newRow("empty manifest")
        << archive({{QStringLiteral("accounts/a.json"), account}, {QStringLiteral("manifest.json"), QByteArray()}}) << missing;
    QTest::newRow("manifest in a folder")
        << archive({{QStringLiteral("accounts/a.json"), account}, {QStringLiteral("backup/manifest.json"), manifest()}})
        << missing;
    QTest::newRow("no version")
        << archive({{QStringLiteral("accounts/a.json"), account},
                    {QStringLiteral("manifest.json"), json({{QStringLiteral("accountCount"), 1}})}})
        << QStringLiteral("Unsupported backup version: 0");
    QTest::newRow("version 2")
        << archive({{QStringLiteral("accounts/a.json"), account}, {QStringLiteral("manifest.json"), manifest(2)}})
        << QStringLiteral("Unsupported backup version: 2");
    QTest::newRow("version as text")
        << archive({{QStringLiteral("accounts/a.json"), account},
                    {QStringLiteral("manifest.json"), QByteArray("{\"version\": \"1\"}")}})
        << QStringLiteral("Unsupported backup version: 0");
    QTest::newRow("manifest not JSON")
        << archive({{QStringLiteral("accounts/a.json"), account}, {QStringLiteral("manifest.json"), QByteArray("version=1")}})
        << QStringLiteral("Unsupported backup version: 0");
}

void TestBackupService::refusesWhatIsNoBackup()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    TempDatabase db;
    BackupService service(db.database());
    const BackupImportResult result = service.importBackup(bytes, BackupImportMode::ReplaceAll);
    QCOMPARE(result.errors, QStringList{error});
    QCOMPARE(totalImported(result), 0);
    QCOMPARE(totalSkipped(result), 0);
    QCOMPARE(tableCount(db, QStringLiteral("accounts")), 0);
}

void TestBackupService::limitsAreCheckedBeforeInflating()
{
    TempDatabase db;
    BackupService service(db.database());

    // Never touched: the size alone refuses it.
    const QByteArray huge(BackupService::kMaxArchiveBytes + 1, Qt::Uninitialized);
    BackupImportResult result = service.importBackup(huge, BackupImportMode::ReplaceAll);
    QCOMPARE(result.errors, QStringList{QStringLiteral("Backup file too large: the limit is 1 GiB")});

    // Padding deflates to almost nothing; the directory's size gives it away.
    QByteArray bigManifest = manifest();
    bigManifest.insert(1, QByteArray(BackupService::kMaxManifestBytes, ' '));
    const QByteArray account = json(accountRow(kAccount, QStringLiteral("Checking")));
    result = service.importBackup(
        archive({{QStringLiteral("accounts/a.json"), account}, {QStringLiteral("manifest.json"), bigManifest}}),
        BackupImportMode::ReplaceAll);
    QCOMPARE(result.errors, QStringList{QStringLiteral("manifest.json: entry too large")});
    QCOMPARE(tableCount(db, QStringLiteral("accounts")), 0);

    QJsonObject bigRow = accountRow(QStringLiteral("a-big"), QStringLiteral("Big"));
    bigRow.insert(QStringLiteral("institution"), QString(BackupService::kMaxRowEntryBytes, QLatin1Char('x')));
    QByteArray atLimit = json(accountRow(QStringLiteral("a-limit"), QStringLiteral("At the limit")));
    atLimit.insert(1, QByteArray(BackupService::kMaxRowEntryBytes - atLimit.size(), ' '));
    result = service.importBackup(archive({{QStringLiteral("accounts/a-big.json"), json(bigRow)},
                                           {QStringLiteral("accounts/a-limit.json"), atLimit},
                                           {QStringLiteral("accounts/a.json"), account},
                                           {QStringLiteral("manifest.json"), manifest()}}),
                                  BackupImportMode::ReplaceAll);
    QCOMPARE(result.errors, QStringList{QStringLiteral("accounts/a-big.json: entry too large")});
    QCOMPARE(imported(result, BackupTable::Accounts), 2);
    QCOMPARE(tableCount(db, QStringLiteral("accounts")), 2);
}

void TestBackupService::damagedEntriesAreReported()
{
    TempDatabase db;
    BackupService service(db.database());
    const Entries entries{entry("accounts", accountRow(QStringLiteral("acc-1"), QStringLiteral("One"))),
                          entry("accounts", accountRow(QStringLiteral("acc-2"), QStringLiteral("Two"))),
                          {QStringLiteral("manifest.json"), manifest()}};
    const QByteArray good = archive(entries);

    QByteArray badCrc = good;
    QCOMPARE(patchHeaders(badCrc, "accounts/acc-1.json", 14, 16, 0x12345678), 2);
    BackupImportResult result = service.importBackup(badCrc, BackupImportMode::ReplaceAll);
    QCOMPARE(result.errors, QStringList{QStringLiteral("accounts/acc-1.json: damaged entry (checksum or data error)")});
    QCOMPARE(db.scalar(QStringLiteral("SELECT group_concat(id) FROM accounts")).toString(), QStringLiteral("acc-2"));

    // A directory that understates the size, as a decompression bomb's would.
    QByteArray understated = good;
    QCOMPARE(patchHeaders(understated, "accounts/acc-1.json", 22, 24, 40), 2);
    result = service.importBackup(understated, BackupImportMode::SkipExisting);
    QCOMPARE(result.errors, QStringList{QStringLiteral("accounts/acc-1.json: damaged entry (checksum or data error)")});
    QCOMPARE(tableCount(db, QStringLiteral("accounts")), 1);

    QByteArray badManifest = good;
    QCOMPARE(patchHeaders(badManifest, "manifest.json", 14, 16, 0), 2);
    result = service.importBackup(badManifest, BackupImportMode::ReplaceAll);
    QCOMPARE(result.errors, QStringList{QStringLiteral("manifest.json: damaged entry (checksum or data error)")});
    QCOMPARE(tableCount(db, QStringLiteral("accounts")), 1);
}

void TestBackupService::rowFilesThatAreNoRowsAreReported()
{
    TempDatabase db;
    BackupService service(db.database());
    const BackupImportResult result = service.importBackup(
        archive({{QStringLiteral("accounts/array.json"), QByteArray("[]")},
                 {QStringLiteral("accounts/empty.json"), QByteArray("{}")},
                 {QStringLiteral("accounts/bare.json"), QByteArray("42")},
                 {QStringLiteral("accounts/cut.json"), json(accountRow(kAccount, QStringLiteral("x"))).left(30)},
                 entry("accounts", accountRow(kAccount, QStringLiteral("Checking"))),
                 {QStringLiteral("manifest.json"), manifest()}}),
        BackupImportMode::ReplaceAll);
    QCOMPARE(result.errors, (QStringList{QStringLiteral("accounts/array.json: invalid JSON"),
                                         QStringLiteral("accounts/empty.json: invalid JSON"),
                                         QStringLiteral("accounts/bare.json: invalid JSON"),
                                         QStringLiteral("accounts/cut.json: invalid JSON")}));
    QCOMPARE(imported(result, BackupTable::Accounts), 1);
    QCOMPARE(skipped(result, BackupTable::Accounts), 0);
}

void TestBackupService::entriesOutsideTheTablesAreIgnored()
{
    TempDatabase db;
    BackupService service(db.database());
    QJsonObject lying{{QStringLiteral("version"), 1}};
    lying.insert(QStringLiteral("accountCount"), 99);
    lying.insert(QStringLiteral("exportedAt"), QStringLiteral("not a time"));
    const QByteArray account = json(accountRow(kAccount, QStringLiteral("Checking")));
    const BackupImportResult result = service.importBackup(
        archive({{QStringLiteral("accounts/readme.txt"), QByteArray("hello")},
                 {QStringLiteral("payees/p.json"), account},
                 {QStringLiteral("Accounts/x.json"), account},
                 {QStringLiteral("account.json"), account},
                 {QStringLiteral("recurring_transactions/r.json"), account},
                 entry("accounts", accountRow(kAccount, QStringLiteral("Checking"))),
                 {QStringLiteral("manifest.json"), json(lying)}}),
        BackupImportMode::ReplaceAll);
    QCOMPARE(result.errors, QStringList());
    QCOMPARE(totalImported(result), 1);
    QCOMPARE(totalSkipped(result), 0);
}

void TestBackupService::modesTreatExistingRows_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("storedName");
    QTest::addColumn<int>("importedAccounts");
    QTest::addColumn<int>("skippedAccounts");

    QTest::newRow("skip existing") << int(BackupImportMode::SkipExisting) << QStringLiteral("Stored") << 1 << 1;
    QTest::newRow("replace all") << int(BackupImportMode::ReplaceAll) << QStringLiteral("From backup") << 2 << 0;
    QTest::newRow("keep newer") << int(BackupImportMode::KeepNewer) << QStringLiteral("From backup") << 2 << 0;
    QTest::newRow("unknown value acts as replace") << 7 << QStringLiteral("From backup") << 2 << 0;
}

void TestBackupService::modesTreatExistingRows()
{
    QFETCH(int, mode);
    QFETCH(QString, storedName);
    QFETCH(int, importedAccounts);
    QFETCH(int, skippedAccounts);

    TempDatabase db;
    QVERIFY(db.exec(QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) VALUES "
                                   "('acc-1', 'Stored', '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')")));
    BackupService service(db.database());
    const QByteArray bytes =
        archive({entry("accounts", accountRow(QStringLiteral("acc-1"), QStringLiteral("From backup"),
                                              QStringLiteral("2024-02-01T00:00:00Z"))),
                 entry("accounts", accountRow(QStringLiteral("acc-2"), QStringLiteral("New"))),
                 {QStringLiteral("manifest.json"), manifest()}});
    const BackupImportResult result = service.importBackup(bytes, static_cast<BackupImportMode>(mode));
    QCOMPARE(result.errors, QStringList());
    QCOMPARE(imported(result, BackupTable::Accounts), importedAccounts);
    QCOMPARE(skipped(result, BackupTable::Accounts), skippedAccounts);
    QCOMPARE(db.scalar(QStringLiteral("SELECT name FROM accounts WHERE id = 'acc-1'")).toString(), storedName);
    QCOMPARE(tableCount(db, QStringLiteral("accounts")), 2);

    // The same archive again in SkipExisting changes nothing and skips every row.
    const BackupImportResult again = service.importBackup(bytes, BackupImportMode::SkipExisting);
    QCOMPARE(totalImported(again), 0);
    QCOMPARE(skipped(again, BackupTable::Accounts), 2);
}

void TestBackupService::keepNewerComparesInstants_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QJsonValue>("fromFile");
    QTest::addColumn<bool>("replaced");

    const QString stored = QStringLiteral("2024-03-05T14:07:09Z");
    QTest::newRow("later") << stored << QJsonValue(QStringLiteral("2024-03-05T14:07:10Z")) << true;
    QTest::newRow("equal") << stored << QJsonValue(stored) << false;
    QTest::newRow("earlier") << stored << QJsonValue(QStringLiteral("2024-03-05T14:07:08Z")) << false;
    // Sorts after the stored text, yet is an hour earlier.
    QTest::newRow("earlier, sorts after") << stored << QJsonValue(QStringLiteral("2024-03-05T15:00:00+02:00")) << false;
    // Sorts before the stored text, yet is later.
    QTest::newRow("later, sorts before") << stored << QJsonValue(QStringLiteral("2024-03-05T10:00:00-05:00")) << true;
    QTest::newRow("same instant, other form") << stored << QJsonValue(QStringLiteral("2024-03-05T15:07:09+01:00")) << false;
    QTest::newRow("fractional seconds later") << stored << QJsonValue(QStringLiteral("2024-03-05T14:07:09.250Z")) << true;
    QTest::newRow("no time in file") << stored << QJsonValue(QJsonValue::Undefined) << true;
    QTest::newRow("unreadable time in file") << stored << QJsonValue(QStringLiteral("yesterday")) << false;
    QTest::newRow("unreadable stored time") << QStringLiteral("soon") << QJsonValue(stored) << true;
}

void TestBackupService::keepNewerComparesInstants()
{
    QFETCH(QString, stored);
    QFETCH(QJsonValue, fromFile);
    QFETCH(bool, replaced);

    TempDatabase db;
    QVERIFY(db.exec(QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) VALUES "
                                   "('acc-1', 'Stored', '2024-01-01T00:00:00Z', ?)"),
                    {stored}));
    QJsonObject row = accountRow(QStringLiteral("acc-1"), QStringLiteral("From backup"));
    row.remove(QStringLiteral("updated_at"));
    if (!fromFile.isUndefined())
        row.insert(QStringLiteral("updated_at"), fromFile);
    BackupService service(db.database());
    const BackupImportResult result = service.importBackup(
        archive({entry("accounts", row), {QStringLiteral("manifest.json"), manifest()}}), BackupImportMode::KeepNewer);
    QCOMPARE(imported(result, BackupTable::Accounts), replaced ? 1 : 0);
    QCOMPARE(skipped(result, BackupTable::Accounts), replaced ? 0 : 1);
    QCOMPARE(db.scalar(QStringLiteral("SELECT name FROM accounts")).toString(),
             replaced ? QStringLiteral("From backup") : QStringLiteral("Stored"));
}

void TestBackupService::restoredRowsArePendingAndOverwrittenRowsKeepTheirServerId()
{
    TempDatabase db;
    QVERIFY(db.exec(QStringLiteral("INSERT INTO categories (id, name, version, sync_status, server_id, created_at, "
                                   "updated_at) VALUES ('cat-1', 'Stored', 4, 'synced', 'srv-cat-1', "
                                   "'2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')")));
    auto synced = [](QJsonObject row, const QString& serverId) {
        row.insert(QStringLiteral("sync_status"), QStringLiteral("synced"));
        row.insert(QStringLiteral("server_id"), serverId);
        row.insert(QStringLiteral("version"), 9);
        return row;
    };
    BackupService service(db.database());
    const BackupImportResult result = service.importBackup(
        archive({entry("categories", synced(categoryRow(QStringLiteral("cat-1"), QStringLiteral("Restored")),
                                            QStringLiteral("srv-from-file"))),
                 entry("categories", synced(categoryRow(QStringLiteral("cat-2"), QStringLiteral("New")),
                                            QStringLiteral("srv-other-device"))),
                 {QStringLiteral("manifest.json"), manifest()}}),
        BackupImportMode::ReplaceAll);
    QCOMPARE(imported(result, BackupTable::Categories), 2);

    const QString state = QStringLiteral("SELECT name || ' ' || sync_status || ' ' || version || ' ' || "
                                         "COALESCE(server_id, 'NULL') FROM categories WHERE id = ?");
    // Overwritten: the server's id stays and the version moves past the stored
    // one, so the next sync pushes the restored row.
    QCOMPARE(db.scalar(state, {QStringLiteral("cat-1")}).toString(), QStringLiteral("Restored pending 5 srv-cat-1"));
    QCOMPARE(db.scalar(state, {QStringLiteral("cat-2")}).toString(), QStringLiteral("New pending 1 NULL"));
}

void TestBackupService::missingColumnsKeepStoredValuesOrDefaults()
{
    TempDatabase db;
    QVERIFY(db.exec(QStringLiteral("INSERT INTO accounts (id, name, institution, sort_order, created_at, updated_at) "
                                   "VALUES ('acc-1', 'Stored', 'Harbor Bank', 5, '2024-01-01T00:00:00Z', "
                                   "'2024-01-01T00:00:00Z')")));
    BackupService service(db.database());
    const BackupImportResult result = service.importBackup(
        archive({entry("accounts", accountRow(QStringLiteral("acc-1"), QStringLiteral("Renamed"))),
                 entry("accounts", accountRow(QStringLiteral("acc-2"), QStringLiteral("New"))),
                 {QStringLiteral("manifest.json"), manifest()}}),
        BackupImportMode::ReplaceAll);
    QCOMPARE(imported(result, BackupTable::Accounts), 2);
    const QString state = QStringLiteral("SELECT name || ' ' || COALESCE(institution, 'NULL') || ' ' || sort_order || "
                                         "' ' || account_type || ' ' || currency FROM accounts WHERE id = ?");
    QCOMPARE(db.scalar(state, {QStringLiteral("acc-1")}).toString(), QStringLiteral("Renamed Harbor Bank 5 checking USD"));
    QCOMPARE(db.scalar(state, {QStringLiteral("acc-2")}).toString(), QStringLiteral("New NULL 0 checking USD"));
}

void TestBackupService::keysMustBeColumnsOfTheTable()
{
    TempDatabase db;
    BackupService service(db.database());
    QJsonObject unknownKey = accountRow(QStringLiteral("acc-unknown"), QStringLiteral("Unknown key"));
    unknownKey.insert(QStringLiteral("nickname"), QStringLiteral("x"));
    QJsonObject injected = accountRow(QStringLiteral("acc-injected"), QStringLiteral("Injected"));
    injected.insert(QStringLiteral("name) VALUES ('x'); DROP TABLE transactions; --"), 1);
    QJsonObject quoted = accountRow(QStringLiteral("acc-quoted"), QStringLiteral("Quoted"));
    quoted.insert(QStringLiteral("\"name\""), QStringLiteral("x"));
    QJsonObject nested = accountRow(QStringLiteral("acc-nested"), QStringLiteral("Nested"));
    nested.insert(QStringLiteral("institution"), QJsonObject{{QStringLiteral("name"), QStringLiteral("Bank")}});
    QJsonObject noId = accountRow(QString(), QStringLiteral("No id"));
    noId.remove(QStringLiteral("id"));
    QJsonObject numericId = accountRow(QString(), QStringLiteral("Numeric id"));
    numericId.insert(QStringLiteral("id"), 12);
    // A split line knows no sync columns.
    QJsonObject syncedLine = splitRow(kSplitA, kTransaction, -100);
    syncedLine.insert(QStringLiteral("version"), 1);

    const BackupImportResult result = service.importBackup(
        archive({{QStringLiteral("accounts/unknown.json"), json(unknownKey)},
                 {QStringLiteral("accounts/injected.json"), json(injected)},
                 {QStringLiteral("accounts/quoted.json"), json(quoted)},
                 {QStringLiteral("accounts/nested.json"), json(nested)},
                 {QStringLiteral("accounts/noid.json"), json(noId)},
                 {QStringLiteral("accounts/numeric.json"), json(numericId)},
                 entry("accounts", accountRow(kAccount, QStringLiteral("Checking"))),
                 entry("categories", categoryRow(kCategory, QStringLiteral("Food"))),
                 entry("transactions", transactionRow(kTransaction, QStringLiteral("Market"))),
                 entry("split_lines", syncedLine),
                 entry("split_lines", splitRow(kSplitB, kTransaction, -1150)),
                 {QStringLiteral("manifest.json"), manifest()}}),
        BackupImportMode::ReplaceAll);
    QCOMPARE(result.errors, QStringList());
    QCOMPARE(imported(result, BackupTable::Accounts), 1);
    QCOMPARE(skipped(result, BackupTable::Accounts), 6);
    QCOMPARE(imported(result, BackupTable::SplitLines), 1);
    QCOMPARE(skipped(result, BackupTable::SplitLines), 1);
    QCOMPARE(db.scalar(QStringLiteral("SELECT group_concat(id) FROM accounts")).toString(), kAccount);
    QCOMPARE(tableCount(db, QStringLiteral("transactions")), 1);
}

void TestBackupService::rowsAreRetriedAfterTheRowsTheyReferTo()
{
    TempDatabase db;
    BackupService service(db.database());
    QJsonObject withCategory = transactionRow(kTransaction, QStringLiteral("Market"));
    withCategory.insert(QStringLiteral("category_id"), QStringLiteral("cat-leaf"));
    const BackupImportResult result = service.importBackup(
        archive({entry("accounts", accountRow(kAccount, QStringLiteral("Checking"))),
                 // Children before their parents, three levels deep.
                 entry("categories", categoryRow(QStringLiteral("cat-leaf"), QStringLiteral("Leaf"), QStringLiteral("cat-mid"))),
                 entry("categories", categoryRow(QStringLiteral("cat-mid"), QStringLiteral("Mid"), QStringLiteral("cat-root"))),
                 entry("categories", categoryRow(QStringLiteral("cat-root"), QStringLiteral("Root"))),
                 entry("categories", categoryRow(QStringLiteral("cat-orphan"), QStringLiteral("Orphan"),
                                                 QStringLiteral("cat-nowhere"))),
                 entry("transactions", withCategory),
                 entry("transactions", transactionRow(kDeletedTransaction, QStringLiteral("Lost"),
                                                      QStringLiteral("acc-nowhere"))),
                 {QStringLiteral("manifest.json"), manifest()}}),
        BackupImportMode::ReplaceAll);
    QCOMPARE(result.errors, QStringList());
    QCOMPARE(imported(result, BackupTable::Categories), 3);
    QCOMPARE(skipped(result, BackupTable::Categories), 1);
    QCOMPARE(imported(result, BackupTable::Transactions), 1);
    QCOMPARE(skipped(result, BackupTable::Transactions), 1);
    QCOMPARE(db.scalar(QStringLiteral("SELECT category_id FROM transactions")).toString(), QStringLiteral("cat-leaf"));
    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM pragma_foreign_key_check")).toInt(), 0);
}

void TestBackupService::splitLinesAreRestoredAsSets()
{
    TempDatabase db;
    QVERIFY(seedLedger(db)); // kTransaction holds kSplitA and kSplitB
    const QString other = QStringLiteral("70000000-0000-4000-8000-0000000000ff");
    QVERIFY(db.exec(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, amount, is_split, "
                                   "created_at, updated_at) VALUES (?, ?, '2024-02-09', 'Other', -500, 1, "
                                   "'2024-02-09T00:00:00Z', '2024-02-09T00:00:00Z')"),
                    {other, kAccount}));
    QVERIFY(db.exec(QStringLiteral("INSERT INTO split_lines (id, transaction_id, category_id, amount, created_at, "
                                   "updated_at) VALUES ('line-other', ?, ?, -500, '2024-02-09T00:00:00Z', "
                                   "'2024-02-09T00:00:00Z')"),
                    {other, kCategory}));
    const QString fresh = QStringLiteral("70000000-0000-4000-8000-0000000000aa");

    // The backup's transaction kTransaction has other line ids than the stored ones;
    // `other` is not in the backup, yet a line of the backup names it; the
    // deleted transaction is in the backup without lines.
    QJsonObject wasDeleted = transactionRow(kDeletedTransaction, QStringLiteral("Oakwood Cafe"));
    wasDeleted.insert(QStringLiteral("is_split"), 0);
    const QByteArray bytes = archive({entry("transactions", transactionRow(kTransaction, QStringLiteral("Maple Market"))),
                                      entry("transactions", transactionRow(fresh, QStringLiteral("Fresh"))),
                                      entry("split_lines", splitRow(QStringLiteral("line-new-1"), kTransaction, -1000)),
                                      entry("split_lines", splitRow(QStringLiteral("line-new-2"), kTransaction, -250)),
                                      entry("split_lines", splitRow(QStringLiteral("line-fresh"), fresh, -1250)),
                                      entry("split_lines", splitRow(QStringLiteral("line-stray"), other, -1)),
                                      {QStringLiteral("manifest.json"), manifest()}});
    BackupService service(db.database());

    BackupImportResult result = service.importBackup(bytes, BackupImportMode::SkipExisting);
    QCOMPARE(imported(result, BackupTable::Transactions), 1);
    QCOMPARE(imported(result, BackupTable::SplitLines), 1);
    QCOMPARE(skipped(result, BackupTable::SplitLines), 3);
    QCOMPARE(splitLineIds(db, kTransaction), (QStringList{kSplitA, kSplitB}));
    QCOMPARE(splitLineIds(db, fresh), QStringList{QStringLiteral("line-fresh")});

    result = service.importBackup(bytes, BackupImportMode::ReplaceAll);
    QCOMPARE(result.errors, QStringList());
    QCOMPARE(imported(result, BackupTable::Transactions), 2);
    QCOMPARE(imported(result, BackupTable::SplitLines), 3);
    QCOMPARE(skipped(result, BackupTable::SplitLines), 1);
    QCOMPARE(splitLineIds(db, kTransaction), (QStringList{QStringLiteral("line-new-1"), QStringLiteral("line-new-2")}));
    QCOMPARE(splitLineIds(db, fresh), QStringList{QStringLiteral("line-fresh")});
    QCOMPARE(splitLineIds(db, other), QStringList{QStringLiteral("line-other")});

    // An overwritten transaction that the backup holds without lines has none after.
    QVERIFY(db.exec(QStringLiteral("INSERT INTO split_lines (id, transaction_id, category_id, amount, created_at, "
                                   "updated_at) VALUES ('line-late', ?, ?, -900, '2024-02-09T00:00:00Z', "
                                   "'2024-02-09T00:00:00Z')"),
                    {kDeletedTransaction, kCategory}));
    result = service.importBackup(archive({entry("transactions", wasDeleted), {QStringLiteral("manifest.json"), manifest()}}),
                                  BackupImportMode::ReplaceAll);
    QCOMPARE(imported(result, BackupTable::Transactions), 1);
    QCOMPARE(splitLineIds(db, kDeletedTransaction), QStringList());
}

VELLUMRY_TEST_GUILESS_MAIN(TestBackupService)
#include "tst_backupservice.moc"
