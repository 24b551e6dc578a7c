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

namespace {

using Entries = QList<QPair<QString, QByteArray>>;
using Counts = std::array<qint32, kBackupTableCount>; // accounts, categories, transactions, lines, recurring, recs

const QDateTime kNow(QDate(2024, 3, 5), QTime(14, 7, 9), QTimeZone::utc());
const QString kStamp = QStringLiteral("2024-01-01T00:00:00Z");

const QString kAccount = QStringLiteral("a0000000-0000-4000-8000-000000000001");
const QString kCategory = QStringLiteral("c0000000-0000-4000-8000-000000000001");
const QString kChildCategory = QStringLiteral("c0000000-0000-4000-8000-000000000002");
const QString kTransaction = QStringLiteral("70000000-0000-4000-8000-000000000001");
const QString kDeletedTransaction = QStringLiteral("70000000-0000-4000-8000-000000000002");
const QString kSplitA = QStringLiteral("50000000-0000-4000-8000-00000000000a");
const QString kSplitB = QStringLiteral("50000000-0000-4000-8000-00000000000b");

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

// The entries and a version 1 manifest.
QByteArray backup(Entries entries)
{
    entries.append({QStringLiteral("manifest.json"), manifest()});
    return archive(entries);
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

QJsonObject stamped(QJsonObject row)
{
    row.insert(QStringLiteral("created_at"), kStamp);
    if (!row.contains(QStringLiteral("updated_at")))
        row.insert(QStringLiteral("updated_at"), kStamp);
    return row;
}

QJsonObject accountRow(const QString& id, const QString& name, const QString& updatedAt = kStamp)
{
    return stamped({{QStringLiteral("id"), id}, {QStringLiteral("name"), name}, {QStringLiteral("updated_at"), updatedAt}});
}

QJsonObject categoryRow(const QString& id, const QString& name, const QString& parentId = QString())
{
    QJsonObject row{{QStringLiteral("id"), id}, {QStringLiteral("name"), name}};
    if (!parentId.isEmpty())
        row.insert(QStringLiteral("parent_id"), parentId);
    return stamped(row);
}

QJsonObject transactionRow(const QString& id, const QString& payee, const QString& accountId = kAccount)
{
    return stamped({{QStringLiteral("id"), id}, {QStringLiteral("account_id"), accountId},
                    {QStringLiteral("date"), QStringLiteral("2024-02-01")}, {QStringLiteral("payee"), payee},
                    {QStringLiteral("amount"), -1250}, {QStringLiteral("is_split"), 1}});
}

QJsonObject splitRow(const QString& id, const QString& transactionId, qint64 amount)
{
    return stamped({{QStringLiteral("id"), id}, {QStringLiteral("transaction_id"), transactionId},
                    {QStringLiteral("category_id"), kCategory}, {QStringLiteral("amount"), amount},
                    {QStringLiteral("memo"), QStringLiteral("line")}});
}

QPair<QString, QByteArray> entry(const char* folder, const QJsonObject& row)
{
    return {QStringLiteral("%1/%2.json").arg(QLatin1String(folder), row.value(QStringLiteral("id")).toString()),
            json(row)};
}

// A ledger with a row in every table: a synced account, a parent and child
// category, a split transaction with two lines, a soft-deleted transaction,
// a recurring entry and a reconciliation.
bool seedLedger(TempDatabase& db)
{
    return db.exec(QStringLiteral(
               "INSERT INTO accounts (id, name, account_type, currency, sort_order, version, sync_status, server_id, "
               "created_at, updated_at) VALUES (?, 'Checking', 'checking', 'EUR', 2, 4, 'synced', 'srv-account', "
               "'2024-01-01T00:00:00Z', '2024-01-02T00:00:00Z')"),
                   {kAccount})
           && db.exec(QStringLiteral("INSERT INTO categories (id, name, parent_id, is_default, created_at, updated_at) "
                                     "VALUES (?, 'Food', NULL, 0, ?4, ?4), (?, 'Groceries', ?, 1, ?4, ?4)"),
                      {kCategory, kChildCategory, kCategory, kStamp})
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
                                     "semimonthly_day_2) VALUES ('r0000000-0000-4000-8000-000000000001', ?, 'Rent', "
                                     "-120000, 'semimonthly', '2024-01-01', '2024-03-01', '2024-01-01T00:00:00Z', "
                                     "'2024-01-01T00:00:00Z', 2, 0)"),
                      {kAccount})
           && db.exec(QStringLiteral("INSERT INTO reconciliations (id, account_id, statement_date, statement_balance, "
                                     "reconciled_balance, completed_at, created_at, updated_at) VALUES "
                                     "('e0000000-0000-4000-8000-000000000001', ?, '2024-01-31', 150000, 150000, "
                                     "'2024-02-02T09:00:00Z', '2024-02-02T09:00:00Z', '2024-02-02T09:00:00Z')"),
                      {kAccount});
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

// The first column of every row, joined with commas.
QString joined(TempDatabase& db, const QString& sql, const QVariantList& values = {})
{
    return db.scalar(QStringLiteral("SELECT COALESCE(group_concat(v), '') FROM (%1)").arg(sql), values).toString();
}

QString splitLineIds(TempDatabase& db, const QString& transactionId)
{
    return joined(db, QStringLiteral("SELECT id AS v FROM split_lines WHERE transaction_id = ? ORDER BY id"),
                  {transactionId});
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

} // namespace

class TestBackupService : public QObject
{
    Q_OBJECT

private slots:
    void init() { Clock::setFixedNow(kNow); }
    void cleanup() { Clock::reset(); }

    void exportWritesOneSortedIndentedFilePerRow();
    void failedExportIsReported();
    void roundTripGivesIdenticalRowFiles();
    void archiveOfMoreThan65535EntriesRoundTrips();
    void readsArchivesOfOtherZipWriters_data();
    void readsArchivesOfOtherZipWriters();

    void refusesWhatIsNoBackup_data();
    void refusesWhatIsNoBackup();
    void limitsAreCheckedBeforeInflating();
    void damagedEntriesAreReported();
    void badRowFilesAndOtherEntries();

    void modesTreatExistingRows_data();
    void modesTreatExistingRows();
    void keepNewerComparesInstants_data();
    void keepNewerComparesInstants();
    void restoredRowsArePendingAndOverwrittenRowsKeepTheirServerId();
    void keysMustBeColumnsOfTheTable();
    void rowsAreRetriedAfterTheRowsTheyReferTo();
    void splitLinesAreRestoredAsSets();
};

void TestBackupService::exportWritesOneSortedIndentedFilePerRow()
{
    TempDatabase db;
    QVERIFY(seedLedger(db));
    QStringList order;
    const QMap<QString, QByteArray> entries = entriesOf(BackupService(db.database()).exportBackup(), &order);
    // Table by table, in the order that puts referenced rows first; no folder entries.
    QStringList folders;
    for (const QString& name : order)
        folders.append(name.section(QLatin1Char('/'), 0, 0));
    QCOMPARE(folders, QStringList({"accounts", "categories", "categories", "transactions", "transactions",
                                   "split_lines", "split_lines", "recurring", "reconciliations", "manifest.json"}));

    // Split lines carry no sync columns.
    QCOMPARE(entries.value(QStringLiteral("split_lines/%1.json").arg(kSplitB)),
             QByteArray("{\n    \"amount\": -1250,\n    \"category_id\": \"c0000000-0000-4000-8000-000000000001\",\n"
                        "    \"created_at\": \"2024-02-01T10:00:00Z\",\n"
                        "    \"id\": \"50000000-0000-4000-8000-00000000000b\",\n    \"memo\": null,\n"
                        "    \"transaction_id\": \"70000000-0000-4000-8000-000000000001\",\n"
                        "    \"updated_at\": \"2024-02-01T10:00:00Z\"\n}\n"));
    const QJsonObject account =
        QJsonDocument::fromJson(entries.value(QStringLiteral("accounts/%1.json").arg(kAccount))).object();
    QCOMPARE(account.value(QStringLiteral("server_id")).toString(), QStringLiteral("srv-account"));
    QCOMPARE(account.value(QStringLiteral("institution")), QJsonValue(QJsonValue::Null));

    QCOMPARE(QJsonDocument::fromJson(entries.value(QStringLiteral("manifest.json"))).object(),
             QJsonObject({{"version", 1}, {"exportedAt", "2024-03-05T14:07:09Z"}, {"accountCount", 1},
                          {"categoryCount", 2}, {"transactionCount", 2}, {"splitLineCount", 2}, {"recurringCount", 1},
                          {"reconciliationCount", 1}}));
}

void TestBackupService::failedExportIsReported()
{
    {
        TempDatabase db;
        QVERIFY(seedLedger(db));
        QVERIFY(db.exec(QStringLiteral("DROP TABLE reconciliations")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^BackupService export query failed:")));
        QCOMPARE(BackupService(db.database()).exportBackup(), QByteArray());
    }
    Database closed;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^BackupService export query failed:")));
    QCOMPARE(BackupService(&closed).exportBackup(), QByteArray());
}

void TestBackupService::roundTripGivesIdenticalRowFiles()
{
    QByteArray bytes;
    {
        TempDatabase db;
        QVERIFY(seedLedger(db));
        bytes = BackupService(db.database()).exportBackup();
    }
    const QMap<QString, QByteArray> original = entriesOf(bytes);
    TempDatabase db;
    BackupService service(db.database());
    const BackupImportResult result = service.importBackup(bytes, BackupImportMode::ReplaceAll);
    QCOMPARE(result.errors, QStringList());
    QCOMPARE(result.imported, (Counts{1, 2, 2, 2, 1, 1}));
    QCOMPARE(result.skipped, Counts{});

    // Sync columns are reset on the synced tables; split lines have none.
    const QMap<QString, QByteArray> again = entriesOf(service.exportBackup());
    QCOMPARE(again.keys(), original.keys());
    for (auto it = original.constBegin(); it != original.constEnd(); ++it) {
        const bool unchanged = it.key() == QLatin1String("manifest.json") || it.key().startsWith(u"split_lines/");
        QCOMPARE(again.value(it.key()), unchanged ? it.value() : withSyncReset(it.value()));
    }

    // The archive reads with another ZIP tool too.
    const QString unzip = QStandardPaths::findExecutable(QStringLiteral("unzip"));
    if (unzip.isEmpty())
        QSKIP("unzip is not installed");
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("backup.zip")));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    QProcess process;
    process.start(unzip, {QStringLiteral("-p"), file.fileName(), QStringLiteral("manifest.json")});
    QVERIFY(process.waitForFinished());
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(process.readAllStandardOutput(), original.value(QStringLiteral("manifest.json")));
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
                                      "updated_at) VALUES (?, ?, '2024-01-15', 'Payee', ?, '2024-01-15T12:00:00Z', "
                                      "'2024-01-15T12:00:00Z')"));
        for (int i = 0; i < kTransactions; ++i) {
            insert.bindValue(0, QStringLiteral("bulk-%1").arg(i, 6, 10, QLatin1Char('0')));
            insert.bindValue(1, kAccount);
            insert.bindValue(2, -i);
            QVERIFY(insert.exec());
        }
        QVERIFY(db.sql().commit());
        bytes = BackupService(db.database()).exportBackup();
    }
    QCOMPARE(ZipReader(bytes).entryCount(), qint64(kTransactions + 10));
    // The ZIP64 end-of-central-directory record, without which the count wraps at 65,535.
    QVERIFY(bytes.contains(QByteArray("PK\x06\x06", 4)));

    TempDatabase db;
    const BackupImportResult result = BackupService(db.database()).importBackup(bytes, BackupImportMode::KeepNewer);
    QCOMPARE(result.errors, QStringList());
    QCOMPARE(result.imported, (Counts{1, 2, kTransactions + 2, 2, 1, 1}));
    QCOMPARE(db.scalar(QStringLiteral("SELECT amount FROM transactions WHERE id = 'bulk-065999'")).toLongLong(),
             qint64(-65999));
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
    const BackupImportResult result =
        BackupService(db.database()).importBackup(file.readAll(), BackupImportMode::SkipExisting);
    QCOMPARE(result.errors, QStringList());
    QCOMPARE(result.imported, (Counts{1, 1, 1, 1, 0, 0}));
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

    const QPair<QString, QByteArray> account{QStringLiteral("accounts/a.json"),
                                             json(accountRow(kAccount, QStringLiteral("Checking")))};
    const QByteArray good = backup({account});
    const auto withManifest = [&account](const char* name, const QByteArray& text) {
        return archive({account, {QString::fromLatin1(name), text}});
    };
    const QString openFailed = QStringLiteral("Failed to open ZIP archive");
    const QString missing = QStringLiteral("Invalid backup: missing manifest.json");
    QTest::newRow("not a zip") << QByteArray("name,amount\nRent,-1200\n") << openFailed;
    QTest::newRow("truncated") << good.left(good.size() - 30) << openFailed;
    QTest::newRow("no manifest") << archive({account}) << missing;
    QTest::newRow("empty manifest") << withManifest("manifest.json", QByteArray()) << missing;
    QTest::newRow("manifest in a folder") << withManifest("backup/manifest.json", manifest()) << missing;
    QTest::newRow("version 2") << withManifest("manifest.json", manifest(2))
                               << QStringLiteral("Unsupported backup version: 2");
    QTest::newRow("version as text") << withManifest("manifest.json", "{\"version\": \"1\"}")
                                     << QStringLiteral("Unsupported backup version: 0");
    QTest::newRow("manifest not JSON") << withManifest("manifest.json", "version=1")
                                       << QStringLiteral("Unsupported backup version: 0");
}

void TestBackupService::refusesWhatIsNoBackup()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    TempDatabase db;
    const BackupImportResult result = BackupService(db.database()).importBackup(bytes, BackupImportMode::ReplaceAll);
    QCOMPARE(result.errors, QStringList{error});
    QCOMPARE(result.imported, Counts{});
    QCOMPARE(result.skipped, Counts{});
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
    const QPair<QString, QByteArray> account = entry("accounts", accountRow(kAccount, QStringLiteral("Checking")));
    result = service.importBackup(archive({account, {QStringLiteral("manifest.json"), bigManifest}}),
                                  BackupImportMode::ReplaceAll);
    QCOMPARE(result.errors, QStringList{QStringLiteral("manifest.json: entry too large")});
    QCOMPARE(tableCount(db, QStringLiteral("accounts")), 0);

    QJsonObject bigRow = accountRow(QStringLiteral("a-big"), QStringLiteral("Big"));
    bigRow.insert(QStringLiteral("institution"), QString(BackupService::kMaxRowEntryBytes, QLatin1Char('x')));
    QByteArray atLimit = json(accountRow(QStringLiteral("a-limit"), QStringLiteral("At the limit")));
    atLimit.insert(1, QByteArray(BackupService::kMaxRowEntryBytes - atLimit.size(), ' '));
    result = service.importBackup(
        backup({entry("accounts", bigRow), {QStringLiteral("accounts/a-limit.json"), atLimit}, account}),
        BackupImportMode::ReplaceAll);
    QCOMPARE(result.errors, QStringList{QStringLiteral("accounts/a-big.json: entry too large")});
    QCOMPARE(result.imported, (Counts{2, 0, 0, 0, 0, 0}));
}

void TestBackupService::damagedEntriesAreReported()
{
    TempDatabase db;
    BackupService service(db.database());
    const QByteArray good = backup({entry("accounts", accountRow(QStringLiteral("acc-1"), QStringLiteral("One"))),
                                    entry("accounts", accountRow(QStringLiteral("acc-2"), QStringLiteral("Two")))});
    const QString damaged = QStringLiteral("%1: damaged entry (checksum or data error)");

    QByteArray badCrc = good;
    QCOMPARE(patchHeaders(badCrc, "accounts/acc-1.json", 14, 16, 0x12345678), 2);
    BackupImportResult result = service.importBackup(badCrc, BackupImportMode::ReplaceAll);
    QCOMPARE(result.errors, QStringList{damaged.arg(QStringLiteral("accounts/acc-1.json"))});
    QCOMPARE(joined(db, QStringLiteral("SELECT id AS v FROM accounts")), QStringLiteral("acc-2"));

    // A directory that understates the size, as a decompression bomb's would.
    QByteArray understated = good;
    QCOMPARE(patchHeaders(understated, "accounts/acc-1.json", 22, 24, 40), 2);
    result = service.importBackup(understated, BackupImportMode::SkipExisting);
    QCOMPARE(result.errors, QStringList{damaged.arg(QStringLiteral("accounts/acc-1.json"))});

    QByteArray badManifest = good;
    QCOMPARE(patchHeaders(badManifest, "manifest.json", 14, 16, 0), 2);
    result = service.importBackup(badManifest, BackupImportMode::ReplaceAll);
    QCOMPARE(result.errors, QStringList{damaged.arg(QStringLiteral("manifest.json"))});
    QCOMPARE(tableCount(db, QStringLiteral("accounts")), 1);
}

void TestBackupService::badRowFilesAndOtherEntries()
{
    TempDatabase db;
    const QByteArray account = json(accountRow(kAccount, QStringLiteral("Checking")));
    // A manifest whose counts and time are wrong is still a manifest.
    const QJsonObject lying{{QStringLiteral("version"), 1}, {QStringLiteral("accountCount"), 99},
                            {QStringLiteral("exportedAt"), QStringLiteral("not a time")}};
    const BackupImportResult result = BackupService(db.database()).importBackup(
        archive({{QStringLiteral("accounts/array.json"), QByteArray("[]")},
                 {QStringLiteral("accounts/empty.json"), QByteArray("{}")},
                 {QStringLiteral("accounts/cut.json"), account.left(30)},
                 // Files of no table are ignored.
                 {QStringLiteral("accounts/readme.txt"), QByteArray("hello")},
                 {QStringLiteral("payees/p.json"), account},
                 {QStringLiteral("Accounts/x.json"), account},
                 {QStringLiteral("recurring_transactions/r.json"), account},
                 {QStringLiteral("accounts/a.json"), account},
                 {QStringLiteral("manifest.json"), json(lying)}}),
        BackupImportMode::ReplaceAll);
    QCOMPARE(result.errors, (QStringList{QStringLiteral("accounts/array.json: invalid JSON"),
                                         QStringLiteral("accounts/empty.json: invalid JSON"),
                                         QStringLiteral("accounts/cut.json: invalid JSON")}));
    QCOMPARE(result.imported, (Counts{1, 0, 0, 0, 0, 0}));
    QCOMPARE(result.skipped, Counts{});
}

void TestBackupService::modesTreatExistingRows_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("stored"); // the existing row after the import
    QTest::addColumn<int>("importedAccounts");

    QTest::newRow("skip existing") << int(BackupImportMode::SkipExisting) << "Stored Harbor Bank 5" << 1;
    QTest::newRow("replace all") << int(BackupImportMode::ReplaceAll) << "From backup Harbor Bank 5" << 2;
    QTest::newRow("keep newer") << int(BackupImportMode::KeepNewer) << "From backup Harbor Bank 5" << 2;
    QTest::newRow("unknown value acts as replace") << 7 << "From backup Harbor Bank 5" << 2;
}

void TestBackupService::modesTreatExistingRows()
{
    QFETCH(int, mode);
    QFETCH(QString, stored);
    QFETCH(int, importedAccounts);

    TempDatabase db;
    QVERIFY(db.exec(QStringLiteral("INSERT INTO accounts (id, name, institution, sort_order, created_at, updated_at) "
                                   "VALUES ('acc-1', 'Stored', 'Harbor Bank', 5, ?1, ?1)"),
                    {kStamp}));
    BackupService service(db.database());
    const QByteArray bytes = backup(
        {entry("accounts", accountRow(QStringLiteral("acc-1"), QStringLiteral("From backup"), "2024-02-01T00:00:00Z")),
         entry("accounts", accountRow(QStringLiteral("acc-2"), QStringLiteral("New")))});
    const BackupImportResult result = service.importBackup(bytes, static_cast<BackupImportMode>(mode));
    QCOMPARE(result.errors, QStringList());
    QCOMPARE(result.imported, (Counts{importedAccounts, 0, 0, 0, 0, 0}));
    QCOMPARE(result.skipped, (Counts{2 - importedAccounts, 0, 0, 0, 0, 0}));
    // Columns the file leaves out keep their stored values, or take the defaults on a new row.
    const QString state = QStringLiteral("SELECT name || ' ' || COALESCE(institution, 'NULL') || ' ' || sort_order || "
                                         "' ' || account_type || ' ' || currency FROM accounts WHERE id = ?");
    QCOMPARE(db.scalar(state, {QStringLiteral("acc-1")}).toString(), stored + QStringLiteral(" checking USD"));
    QCOMPARE(db.scalar(state, {QStringLiteral("acc-2")}).toString(), QStringLiteral("New NULL 0 checking USD"));

    // The same archive again in SkipExisting changes nothing and skips every row.
    const BackupImportResult again = service.importBackup(bytes, BackupImportMode::SkipExisting);
    QCOMPARE(again.imported, Counts{});
    QCOMPARE(again.skipped, (Counts{2, 0, 0, 0, 0, 0}));
}

void TestBackupService::keepNewerComparesInstants_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QJsonValue>("fromFile");
    QTest::addColumn<bool>("replaced");

    const QString stored = QStringLiteral("2024-03-05T14:07:09Z");
    QTest::newRow("later") << stored << QJsonValue(QStringLiteral("2024-03-05T14:07:10Z")) << true;
    QTest::newRow("equal") << stored << QJsonValue(stored) << false;
    // Sorts after the stored text, yet is an hour earlier; and the other way round.
    QTest::newRow("earlier, sorts after") << stored << QJsonValue(QStringLiteral("2024-03-05T15:00:00+02:00")) << false;
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
    const BackupImportResult result =
        BackupService(db.database()).importBackup(backup({entry("accounts", row)}), BackupImportMode::KeepNewer);
    QCOMPARE(result.imported[0], replaced ? 1 : 0);
    QCOMPARE(result.skipped[0], replaced ? 0 : 1);
    QCOMPARE(db.scalar(QStringLiteral("SELECT name FROM accounts")).toString(),
             replaced ? QStringLiteral("From backup") : QStringLiteral("Stored"));
}

void TestBackupService::restoredRowsArePendingAndOverwrittenRowsKeepTheirServerId()
{
    TempDatabase db;
    QVERIFY(db.exec(QStringLiteral("INSERT INTO categories (id, name, version, sync_status, server_id, created_at, "
                                   "updated_at) VALUES ('cat-1', 'Stored', 4, 'synced', 'srv-cat-1', ?1, ?1)"),
                    {kStamp}));
    const auto synced = [](QJsonObject row, const QString& serverId) {
        row.insert(QStringLiteral("sync_status"), QStringLiteral("synced"));
        row.insert(QStringLiteral("server_id"), serverId);
        row.insert(QStringLiteral("version"), 9);
        return entry("categories", row);
    };
    const BackupImportResult result = BackupService(db.database()).importBackup(
        backup({synced(categoryRow(QStringLiteral("cat-1"), QStringLiteral("Restored")), QStringLiteral("srv-file")),
                synced(categoryRow(QStringLiteral("cat-2"), QStringLiteral("New")), QStringLiteral("srv-other"))}),
        BackupImportMode::ReplaceAll);
    QCOMPARE(result.imported, (Counts{0, 2, 0, 0, 0, 0}));
    // Overwritten: the server's id stays and the version moves past the stored
    // one, so the next sync pushes the restored row.
    QCOMPARE(joined(db, QStringLiteral("SELECT name || ' ' || sync_status || ' ' || version || ' ' || "
                                       "COALESCE(server_id, 'NULL') AS v FROM categories ORDER BY id")),
             QStringLiteral("Restored pending 5 srv-cat-1,New pending 1 NULL"));
}

void TestBackupService::keysMustBeColumnsOfTheTable()
{
    TempDatabase db;
    const auto withKey = [](const char* id, const QString& key, const QJsonValue& value) {
        QJsonObject row = accountRow(QString::fromLatin1(id), QStringLiteral("x"));
        row.insert(key, value);
        return entry("accounts", row);
    };
    QJsonObject noId = accountRow(QString(), QStringLiteral("No id"));
    noId.remove(QStringLiteral("id"));
    // A split line knows no sync columns.
    QJsonObject syncedLine = splitRow(kSplitA, kTransaction, -100);
    syncedLine.insert(QStringLiteral("version"), 1);

    const BackupImportResult result = BackupService(db.database()).importBackup(
        backup({withKey("acc-unknown", QStringLiteral("nickname"), QStringLiteral("x")),
                withKey("acc-injected", QStringLiteral("name) VALUES ('x'); DROP TABLE transactions; --"), 1),
                withKey("acc-quoted", QStringLiteral("\"name\""), QStringLiteral("x")),
                withKey("acc-nested", QStringLiteral("institution"), QJsonObject{{QStringLiteral("a"), 1}}),
                withKey("acc-numeric", QStringLiteral("id"), 12),
                {QStringLiteral("accounts/noid.json"), json(noId)},
                entry("accounts", accountRow(kAccount, QStringLiteral("Checking"))),
                entry("categories", categoryRow(kCategory, QStringLiteral("Food"))),
                entry("transactions", transactionRow(kTransaction, QStringLiteral("Market"))),
                entry("split_lines", syncedLine), entry("split_lines", splitRow(kSplitB, kTransaction, -1150))}),
        BackupImportMode::ReplaceAll);
    QCOMPARE(result.errors, QStringList());
    QCOMPARE(result.imported, (Counts{1, 1, 1, 1, 0, 0}));
    QCOMPARE(result.skipped, (Counts{6, 0, 0, 1, 0, 0}));
    QCOMPARE(joined(db, QStringLiteral("SELECT id AS v FROM accounts")), kAccount);
    QCOMPARE(tableCount(db, QStringLiteral("transactions")), 1);
}

void TestBackupService::rowsAreRetriedAfterTheRowsTheyReferTo()
{
    TempDatabase db;
    QJsonObject withCategory = transactionRow(kTransaction, QStringLiteral("Market"));
    withCategory.insert(QStringLiteral("category_id"), QStringLiteral("cat-leaf"));
    const BackupImportResult result = BackupService(db.database()).importBackup(
        backup({entry("accounts", accountRow(kAccount, QStringLiteral("Checking"))),
                // Children before their parents, three levels deep.
                entry("categories", categoryRow(QStringLiteral("cat-leaf"), QStringLiteral("Leaf"),
                                                QStringLiteral("cat-mid"))),
                entry("categories", categoryRow(QStringLiteral("cat-mid"), QStringLiteral("Mid"),
                                                QStringLiteral("cat-root"))),
                entry("categories", categoryRow(QStringLiteral("cat-root"), QStringLiteral("Root"))),
                entry("categories", categoryRow(QStringLiteral("cat-orphan"), QStringLiteral("Orphan"),
                                                QStringLiteral("cat-nowhere"))),
                entry("transactions", withCategory),
                entry("transactions", transactionRow(kDeletedTransaction, QStringLiteral("Lost"),
                                                     QStringLiteral("acc-nowhere")))}),
        BackupImportMode::ReplaceAll);
    QCOMPARE(result.errors, QStringList());
    QCOMPARE(result.imported, (Counts{1, 3, 1, 0, 0, 0}));
    QCOMPARE(result.skipped, (Counts{0, 1, 1, 0, 0, 0}));
    QCOMPARE(db.scalar(QStringLiteral("SELECT category_id FROM transactions")).toString(), QStringLiteral("cat-leaf"));
    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM pragma_foreign_key_check")).toInt(), 0);
}

void TestBackupService::splitLinesAreRestoredAsSets()
{
    TempDatabase db;
    QVERIFY(seedLedger(db)); // kTransaction holds kSplitA and kSplitB
    const QString other = QStringLiteral("70000000-0000-4000-8000-0000000000ff");
    const QString fresh = QStringLiteral("70000000-0000-4000-8000-0000000000aa");
    const auto addLine = [&db](const char* id, const QString& transactionId) {
        return db.exec(QStringLiteral("INSERT INTO split_lines (id, transaction_id, category_id, amount, created_at, "
                                      "updated_at) VALUES (?, ?, ?, -500, ?4, ?4)"),
                       {QString::fromLatin1(id), transactionId, kCategory, kStamp});
    };
    QVERIFY(db.exec(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, amount, is_split, "
                                   "created_at, updated_at) VALUES (?, ?, '2024-02-09', 'Other', -500, 1, ?3, ?3)"),
                    {other, kAccount, kStamp}));
    QVERIFY(addLine("line-other", other));

    // The backup's kTransaction has other line ids than the stored ones;
    // `other` is not in the backup, yet a line of the backup names it.
    const QByteArray bytes = backup({entry("transactions", transactionRow(kTransaction, QStringLiteral("Maple"))),
                                     entry("transactions", transactionRow(fresh, QStringLiteral("Fresh"))),
                                     entry("split_lines", splitRow(QStringLiteral("line-new-1"), kTransaction, -1000)),
                                     entry("split_lines", splitRow(QStringLiteral("line-new-2"), kTransaction, -250)),
                                     entry("split_lines", splitRow(QStringLiteral("line-fresh"), fresh, -1250)),
                                     entry("split_lines", splitRow(QStringLiteral("line-stray"), other, -1))});
    BackupService service(db.database());

    BackupImportResult result = service.importBackup(bytes, BackupImportMode::SkipExisting);
    QCOMPARE(result.imported, (Counts{0, 0, 1, 1, 0, 0}));
    QCOMPARE(result.skipped, (Counts{0, 0, 1, 3, 0, 0}));
    QCOMPARE(splitLineIds(db, kTransaction), kSplitA + u',' + kSplitB);
    QCOMPARE(splitLineIds(db, fresh), QStringLiteral("line-fresh"));

    result = service.importBackup(bytes, BackupImportMode::ReplaceAll);
    QCOMPARE(result.errors, QStringList());
    QCOMPARE(result.imported, (Counts{0, 0, 2, 3, 0, 0}));
    QCOMPARE(result.skipped, (Counts{0, 0, 0, 1, 0, 0}));
    QCOMPARE(splitLineIds(db, kTransaction), QStringLiteral("line-new-1,line-new-2"));
    QCOMPARE(splitLineIds(db, fresh), QStringLiteral("line-fresh"));
    QCOMPARE(splitLineIds(db, other), QStringLiteral("line-other"));

    // An overwritten transaction that the backup holds without lines has none after.
    QVERIFY(addLine("line-late", kDeletedTransaction));
    QJsonObject unsplit = transactionRow(kDeletedTransaction, QStringLiteral("Oakwood Cafe"));
    unsplit.insert(QStringLiteral("is_split"), 0);
    result = service.importBackup(backup({entry("transactions", unsplit)}), BackupImportMode::ReplaceAll);
    QCOMPARE(result.imported, (Counts{0, 0, 1, 0, 0, 0}));
    QCOMPARE(splitLineIds(db, kDeletedTransaction), QString());
}

VELLUMRY_TEST_GUILESS_MAIN(TestBackupService)
#include "tst_backupservice.moc"
