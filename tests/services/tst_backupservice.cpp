#include "TempDatabase.h"
#include "TestMain.h"
#include "TestScale.h"

#include "data/Clock.h"
#include "data/Database.h"
#include "data/TransactionRepository.h"
#include "services/BackupService.h"
#include "services/ZipLibrary.h"
#include "services/ZipReader.h"
#include "services/ZipWriter.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QSignalSpy>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QTranslator>

namespace {

using Entries = QList<QPair<QString, QByteArray>>;
using Counts = std::array<qint32, kBackupTableCount>; // accounts, categories, transactions, lines, recurring, recs

const QDateTime kNow(QDate(2024, 3, 5), QTime(14, 7, 9), QTimeZone::utc());
const QString kStamp = QStringLiteral("2024-01-01T00:00:00Z");

const char* const kAccountRow = R"({"id": "acc-1", "name": "Checking"})";
const char* const kCategoryRow = R"({"id": "cat-food", "name": "Food"})";
const char* const kTransactionRow =
    R"({"id": "txn-1", "account_id": "acc-1", "date": "2024-02-01", "payee": "Maple", "amount": -1250, "is_split": 1})";

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

// The row file "<folder>/<id>.json" of a JSON object's text, stamped with
// created_at and updated_at unless the text gives them.
QPair<QString, QByteArray> entry(const char* folder, const char* objectText)
{
    QJsonObject row = QJsonDocument::fromJson(objectText).object();
    for (const QString key : {"created_at", "updated_at"}) {
        if (!row.contains(key))
            row.insert(key, kStamp);
    }
    return {QStringLiteral("%1/%2.json").arg(QLatin1String(folder), row.value(QStringLiteral("id")).toVariant().toString()),
            json(row)};
}

// A ledger with a row in every table: a synced account, a parent and child
// category, a split transaction with two lines, a soft-deleted transaction,
// a recurring entry and a reconciliation.
bool seedLedger(TempDatabase& db)
{
    const QStringList statements{
        "INSERT INTO accounts (id, name, account_type, currency, sort_order, version, sync_status, server_id, "
        "created_at, updated_at) VALUES ('acc-1', 'Checking', 'checking', 'EUR', 2, 4, 'synced', 'srv-account', "
        "'2024-01-01T00:00:00Z', '2024-01-02T00:00:00Z')",
        "INSERT INTO categories (id, name, parent_id, is_default, created_at, updated_at) VALUES "
        "('cat-food', 'Food', NULL, 0, 'T1', 'T1'), ('cat-groceries', 'Groceries', 'cat-food', 1, 'T1', 'T1')",
        "INSERT INTO transactions (id, account_id, date, payee, memo, amount, check_number, cleared, is_split, version, "
        "sync_status, server_id, created_at, updated_at) VALUES ('txn-1', 'acc-1', '2024-02-01', 'Maple Market', "
        "'weekly \"shop\" – ü', -4250, '1043', 1, 1, 2, 'synced', 'srv-t1', 'T2', 'T2')",
        "INSERT INTO transactions (id, account_id, date, payee, amount, category_id, created_at, updated_at, deleted_at) "
        "VALUES ('txn-2', 'acc-1', '2024-02-03', 'Oakwood Cafe', -900, 'cat-groceries', 'T2', 'T3', 'T3')",
        "INSERT INTO split_lines (id, transaction_id, category_id, amount, memo, created_at, updated_at) VALUES "
        "('line-a', 'txn-1', 'cat-groceries', -3000, 'food', 'T2', 'T2'), "
        "('line-b', 'txn-1', 'cat-food', -1250, NULL, 'T2', 'T2')",
        "INSERT INTO recurring_transactions (id, account_id, payee, amount, frequency, start_date, next_due_date, "
        "interval_count, semimonthly_day_2, created_at, updated_at) VALUES ('rec-1', 'acc-1', 'Rent', -120000, "
        "'semimonthly', '2024-01-01', '2024-03-01', 2, 0, 'T1', 'T1')",
        "INSERT INTO reconciliations (id, account_id, statement_date, statement_balance, reconciled_balance, "
        "completed_at, created_at, updated_at) VALUES ('rcn-1', 'acc-1', '2024-01-31', 150000, 150000, 'T3', 'T3', 'T3')"};
    for (QString statement : statements) {
        statement.replace(QStringLiteral("'T1'"), QStringLiteral("'2024-01-01T00:00:00Z'"))
            .replace(QStringLiteral("'T2'"), QStringLiteral("'2024-02-01T10:00:00Z'"))
            .replace(QStringLiteral("'T3'"), QStringLiteral("'2024-02-04T08:00:00Z'"));
        if (!db.exec(statement))
            return false;
    }
    return true;
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

    // First: it checks that nothing loaded libzip before.
    void libzipComesWithTheFirstArchive();
    void aLibraryThatIsNotLibzipIsRefused_data();
    void aLibraryThatIsNotLibzipIsRefused();
    void exportWritesOneSortedIndentedFilePerRow();
    void failedExportIsReported();
    void roundTripGivesIdenticalRowFiles();
    void archiveOfManyEntriesRoundTrips();
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
    void datesMustReadBack_data();
    void datesMustReadBack();
    void problemsPastTheFirstHundredAreCounted();
    void rowsAcrossBatchBoundaries_data();
    void rowsAcrossBatchBoundaries();
    void splitLinesAreRestoredAsSets();
};

void TestBackupService::exportWritesOneSortedIndentedFilePerRow()
{
    TempDatabase db;
    QVERIFY(seedLedger(db));
    QStringList order;
    const QMap<QString, QByteArray> entries = entriesOf(BackupService(db.database()).exportBackup(), &order);
    // Table by table, in the order that puts referenced rows first; no folder entries.
    QCOMPARE(order, QStringList({"accounts/acc-1.json", "categories/cat-food.json", "categories/cat-groceries.json",
                                 "transactions/txn-1.json", "transactions/txn-2.json", "split_lines/line-a.json",
                                 "split_lines/line-b.json", "recurring/rec-1.json", "reconciliations/rcn-1.json",
                                 "manifest.json"}));

    // Split lines carry no sync columns.
    QCOMPARE(entries.value(QStringLiteral("split_lines/line-b.json")),
             QByteArray("{\n    \"amount\": -1250,\n    \"category_id\": \"cat-food\",\n"
                        "    \"created_at\": \"2024-02-01T10:00:00Z\",\n    \"id\": \"line-b\",\n    \"memo\": null,\n"
                        "    \"transaction_id\": \"txn-1\",\n    \"updated_at\": \"2024-02-01T10:00:00Z\"\n}\n"));
    const QJsonObject account = QJsonDocument::fromJson(entries.value(QStringLiteral("accounts/acc-1.json"))).object();
    QCOMPARE(account.value(QStringLiteral("server_id")).toString(), QStringLiteral("srv-account"));
    QCOMPARE(account.value(QStringLiteral("institution")), QJsonValue(QJsonValue::Null));

    QCOMPARE(QJsonDocument::fromJson(entries.value(QStringLiteral("manifest.json"))).object(),
             QJsonObject({{"version", 1}, {"exportedAt", "2024-03-05T14:07:09Z"}, {"accountCount", 1},
                          {"categoryCount", 2}, {"transactionCount", 2}, {"splitLineCount", 2}, {"recurringCount", 1},
                          {"reconciliationCount", 1}}));
}

bool libzipMapped()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/libzip.so");
}

void TestBackupService::libzipComesWithTheFirstArchive()
{
    if (!QFile::exists(QStringLiteral("/proc/self/maps")))
        QSKIP("no /proc to see the loaded libraries in");
    QVERIFY(!libzipMapped());
    // Loading it says nothing when all goes well.
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    const ZipWriter writer;
    QVERIFY(writer.isValid());
    QVERIFY(libzipMapped());
}

void TestBackupService::aLibraryThatIsNotLibzipIsRefused_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("error");
    QTest::newRow("no such file") << QStringLiteral("libvellumry-no-such-zip.so.4")
                                  << QStringLiteral("^libzip could not be loaded: .*libvellumry-no-such-zip.so.4: "
                                                    "cannot open shared object file");
    QTest::newRow("another library")
        << QStringLiteral("libsqlite3.so.0")
        << QStringLiteral("^\\S*libsqlite3.so.0 is not the libzip this program needs; it lacks zip_close, "
                          "zip_discard, zip_error_code_zip, zip_error_fini, zip_error_init, zip_error_strerror, "
                          "zip_fclose, zip_file_add, zip_file_get_error, zip_file_set_mtime, zip_fopen_index, "
                          "zip_fread, zip_get_error, zip_get_name, zip_get_num_entries, zip_name_locate, "
                          "zip_open_from_source, zip_set_file_compression, zip_source_buffer, "
                          "zip_source_buffer_create, zip_source_close, zip_source_error, zip_source_free, "
                          "zip_source_keep, zip_source_open, zip_source_read, zip_source_seek, zip_source_tell, "
                          "zip_stat_index, zip_stat_init$");
}

void TestBackupService::aLibraryThatIsNotLibzipIsRefused()
{
    QFETCH(QString, fileName);
    QFETCH(QString, error);
    QString reason;
    const ZipLibrary library = ZipLibrary::load(fileName, &reason);
    QVERIFY(!library.isLoaded());
    QVERIFY2(QRegularExpression(error).match(reason).hasMatch(), qPrintable(reason));
    // A library refused here leaves the one the program loads alone.
    QVERIFY(ZipLibrary::instance());
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
    QSignalSpy reset(db.database(), &Database::ledgerReset);
    const BackupImportResult result = service.importBackup(bytes, BackupImportMode::ReplaceAll);
    QCOMPARE(result.errors, QStringList());
    QCOMPARE(result.imported, (Counts{1, 2, 2, 2, 1, 1}));
    QCOMPARE(result.skipped, Counts{});
    // Listeners reload once; restoring the same rows again writes nothing and says nothing.
    QCOMPARE(reset.count(), 1);
    QCOMPARE(service.importBackup(bytes, BackupImportMode::SkipExisting).imported, Counts{});
    QCOMPARE(reset.count(), 1);

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

void TestBackupService::archiveOfManyEntriesRoundTrips()
{
    // Only the plain build reaches the ZIP64 record's size; the sanitizer
    // build checks the round trip on fewer rows.
    constexpr int kTransactions = volumeForBuild(66000, 2000);
    QByteArray bytes;
    {
        TempDatabase db;
        QVERIFY(seedLedger(db));
        QVERIFY(db.sql().transaction());
        QSqlQuery insert(db.sql());
        insert.prepare(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, amount, created_at, "
                                      "updated_at) VALUES (?, 'acc-1', '2024-01-15', 'Payee', ?, '2024-01-15T12:00:00Z', "
                                      "'2024-01-15T12:00:00Z')"));
        for (int i = 0; i < kTransactions; ++i) {
            insert.bindValue(0, QStringLiteral("bulk-%1").arg(i, 6, 10, QLatin1Char('0')));
            insert.bindValue(1, -i);
            QVERIFY(insert.exec());
        }
        QVERIFY(db.sql().commit());
        bytes = BackupService(db.database()).exportBackup();
    }
    QCOMPARE(ZipReader(bytes).entryCount(), qint64(kTransactions + 10));
    // The ZIP64 end-of-central-directory record, without which the count wraps at 65,535.
    if (kTransactions + 10 > 65535)
        QVERIFY(bytes.contains(QByteArray("PK\x06\x06", 4)));

    TempDatabase db;
    const BackupImportResult result = BackupService(db.database()).importBackup(bytes, BackupImportMode::KeepNewer);
    QCOMPARE(result.errors, QStringList());
    QCOMPARE(result.imported, (Counts{1, 2, kTransactions + 2, 2, 1, 1}));
    const int last = kTransactions - 1;
    QCOMPARE(db.scalar(QStringLiteral("SELECT amount FROM transactions WHERE id = 'bulk-%1'").arg(last, 6, 10, QLatin1Char('0')))
                 .toLongLong(),
             qint64(-last));
    // The rows went in hundreds at a time; the full-text index holds every one.
    QVERIFY(db.exec(QStringLiteral("INSERT INTO transactions_fts(transactions_fts) VALUES('integrity-check')")));
    QCOMPARE(TransactionRepository(db.database()).search(QStringLiteral("maple"), {}).size(), 1);
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
    QCOMPARE(joined(db, QStringLiteral("SELECT payee || ' ' || amount || ' ' || memo AS v FROM transactions UNION ALL "
                                       "SELECT currency || ' ' || sync_status || ' ' || version || ' ' || "
                                       "COALESCE(server_id, 'none') FROM accounts UNION ALL SELECT memo FROM split_lines")),
             QStringLiteral("Maple Market -4250 weekly shop,EUR pending 1 none,food"));
}

void TestBackupService::refusesWhatIsNoBackup_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");

    const QPair<QString, QByteArray> account = entry("accounts", kAccountRow);
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
    const QString notANumber = QStringLiteral("Unsupported backup version: the version is not a number");
    QTest::newRow("version as text") << withManifest("manifest.json", "{\"version\": \"1\"}") << notANumber;
    QTest::newRow("version null") << withManifest("manifest.json", "{\"version\": null}") << notANumber;
    QTest::newRow("version a fraction") << withManifest("manifest.json", "{\"version\": 1.5}")
                                        << QStringLiteral("Unsupported backup version: 1.5");
    QTest::newRow("no version") << withManifest("manifest.json", "{\"accountCount\": 1}")
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
    const QPair<QString, QByteArray> account = entry("accounts", kAccountRow);
    result = service.importBackup(archive({account, {QStringLiteral("manifest.json"), bigManifest}}),
                                  BackupImportMode::ReplaceAll);
    QCOMPARE(result.errors, QStringList{QStringLiteral("manifest.json: entry too large")});
    QCOMPARE(tableCount(db, QStringLiteral("accounts")), 0);

    QPair<QString, QByteArray> tooBig = entry("accounts", R"({"id": "a-big", "name": "Big"})");
    tooBig.second.insert(1, QByteArray(BackupService::kMaxRowEntryBytes - tooBig.second.size() + 1, ' '));
    QPair<QString, QByteArray> atLimit = entry("accounts", R"({"id": "a-limit", "name": "At the limit"})");
    atLimit.second.insert(1, QByteArray(BackupService::kMaxRowEntryBytes - atLimit.second.size(), ' '));
    result = service.importBackup(backup({tooBig, atLimit, account}), BackupImportMode::ReplaceAll);
    QCOMPARE(result.errors, QStringList{QStringLiteral("accounts/a-big.json: entry too large")});
    QCOMPARE(result.imported, (Counts{2, 0, 0, 0, 0, 0}));
}

void TestBackupService::damagedEntriesAreReported()
{
    TempDatabase db;
    BackupService service(db.database());
    const QByteArray good = backup({entry("accounts", R"({"id": "acc-1", "name": "One"})"),
                                    entry("accounts", R"({"id": "acc-2", "name": "Two"})")});
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
    const QByteArray account = entry("accounts", kAccountRow).second;
    // A manifest whose counts and time are wrong is still a manifest.
    const QByteArray lying = R"({"version": 1, "accountCount": 99, "exportedAt": "not a time"})";
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
                 {QStringLiteral("manifest.json"), lying}}),
        BackupImportMode::ReplaceAll);
    QCOMPARE(result.errors, (QStringList{QStringLiteral("accounts/array.json: invalid JSON"),
                                         QStringLiteral("accounts/empty.json: the row has no id"),
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
                                   "VALUES ('acc-1', 'Stored', 'Harbor Bank', 5, '2024-01-01T00:00:00Z', "
                                   "'2024-01-01T00:00:00Z')")));
    BackupService service(db.database());
    const QByteArray bytes =
        backup({entry("accounts", R"({"id": "acc-1", "name": "From backup", "updated_at": "2024-02-01T00:00:00Z"})"),
                entry("accounts", R"({"id": "acc-2", "name": "New"})")});
    const BackupImportResult result = service.importBackup(bytes, static_cast<BackupImportMode>(mode));
    QCOMPARE(result.errors, QStringList());
    QCOMPARE(result.imported, (Counts{importedAccounts, 0, 0, 0, 0, 0}));
    QCOMPARE(result.skipped, (Counts{2 - importedAccounts, 0, 0, 0, 0, 0}));
    // Columns the file leaves out keep their stored values, or take the defaults on a new row.
    QCOMPARE(joined(db, QStringLiteral("SELECT name || ' ' || COALESCE(institution, 'NULL') || ' ' || sort_order || "
                                       "' ' || account_type || ' ' || currency AS v FROM accounts ORDER BY id")),
             stored + QStringLiteral(" checking USD,New NULL 0 checking USD"));

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
    QJsonObject row{{QStringLiteral("id"), QStringLiteral("acc-1")}, {QStringLiteral("name"), QStringLiteral("New")},
                    {QStringLiteral("created_at"), kStamp}};
    if (!fromFile.isUndefined())
        row.insert(QStringLiteral("updated_at"), fromFile);
    const BackupImportResult result = BackupService(db.database())
                                          .importBackup(backup({{QStringLiteral("accounts/acc-1.json"), json(row)}}),
                                                        BackupImportMode::KeepNewer);
    QCOMPARE(result.imported[0], replaced ? 1 : 0);
    QCOMPARE(result.skipped[0], replaced ? 0 : 1);
    QCOMPARE(db.scalar(QStringLiteral("SELECT name FROM accounts")).toString(),
             replaced ? QStringLiteral("New") : QStringLiteral("Stored"));
}

void TestBackupService::restoredRowsArePendingAndOverwrittenRowsKeepTheirServerId()
{
    TempDatabase db;
    QVERIFY(db.exec(QStringLiteral("INSERT INTO categories (id, name, version, sync_status, server_id, created_at, "
                                   "updated_at) VALUES ('cat-1', 'Stored', 4, 'synced', 'srv-cat-1', 'T', 'T')")));
    const BackupImportResult result = BackupService(db.database()).importBackup(
        backup({entry("categories", R"({"id": "cat-1", "name": "Restored", "sync_status": "synced",
                                        "server_id": "srv-file", "version": 9})"),
                entry("categories", R"({"id": "cat-2", "name": "New", "sync_status": "synced",
                                        "server_id": "srv-other", "version": 9})")}),
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
    const BackupImportResult result = BackupService(db.database()).importBackup(
        backup({entry("accounts", R"({"id": "acc-unknown", "name": "x", "nickname": "x"})"),
                entry("accounts", R"({"id": "acc-injected", "name": "x",
                                      "name) VALUES ('x'); DROP TABLE transactions; --": 1})"),
                entry("accounts", R"({"id": "acc-quoted", "name": "x", "\"name\"": "x"})"),
                entry("accounts", R"({"id": "acc-nested", "name": "x", "institution": {"a": 1}})"),
                entry("accounts", R"({"id": 12, "name": "Numeric id"})"),
                entry("accounts", R"({"name": "No id"})"),
                entry("accounts", kAccountRow), entry("categories", kCategoryRow),
                entry("transactions", kTransactionRow),
                // A split line knows no sync columns.
                entry("split_lines", R"({"id": "line-a", "transaction_id": "txn-1", "category_id": "cat-food",
                                         "amount": -100, "version": 1})"),
                entry("split_lines", R"({"id": "line-b", "transaction_id": "txn-1", "category_id": "cat-food",
                                         "amount": -1150})")}),
        BackupImportMode::ReplaceAll);
    // Refused rows are problems, not skips: nothing was kept in their place.
    QCOMPARE(result.errors,
             (QStringList{"accounts/acc-unknown.json: \"nickname\" is not a column of this table",
                          "accounts/acc-injected.json: \"name) VALUES ('x'); DROP TABLE transactions; --\" is not a "
                          "column of this table",
                          "accounts/acc-quoted.json: \"\"name\"\" is not a column of this table",
                          "accounts/acc-nested.json: \"institution\" holds a list or an object instead of a value",
                          "accounts/12.json: the row has no id", "accounts/.json: the row has no id",
                          "split_lines/line-a.json: \"version\" is not a column of this table"}));
    QCOMPARE(result.errorCount, 7);
    QCOMPARE(result.imported, (Counts{1, 1, 1, 1, 0, 0}));
    QCOMPARE(result.skipped, Counts{});
    QCOMPARE(joined(db, QStringLiteral("SELECT id AS v FROM accounts UNION ALL SELECT id FROM split_lines")),
             QStringLiteral("acc-1,line-b"));
    QCOMPARE(tableCount(db, QStringLiteral("transactions")), 1);
}

void TestBackupService::rowsAreRetriedAfterTheRowsTheyReferTo()
{
    TempDatabase db;
    const BackupImportResult result = BackupService(db.database()).importBackup(
        backup({entry("accounts", kAccountRow),
                // Children before their parents, three levels deep.
                entry("categories", R"({"id": "cat-leaf", "name": "Leaf", "parent_id": "cat-mid"})"),
                entry("categories", R"({"id": "cat-mid", "name": "Mid", "parent_id": "cat-root"})"),
                entry("categories", R"({"id": "cat-root", "name": "Root"})"),
                entry("categories", R"({"id": "cat-orphan", "name": "Orphan", "parent_id": "cat-nowhere"})"),
                entry("transactions", R"({"id": "txn-1", "account_id": "acc-1", "date": "2024-02-01",
                                          "payee": "Market", "amount": -1, "category_id": "cat-leaf"})"),
                entry("transactions", R"({"id": "txn-2", "account_id": "acc-nowhere", "date": "2024-02-01",
                                          "payee": "Lost", "amount": -1})")}),
        BackupImportMode::ReplaceAll);
    QCOMPARE(result.errors,
             (QStringList{"categories/cat-orphan.json: could not be stored (FOREIGN KEY constraint failed)",
                          "transactions/txn-2.json: could not be stored (FOREIGN KEY constraint failed)"}));
    QCOMPARE(result.imported, (Counts{1, 3, 1, 0, 0, 0}));
    QCOMPARE(result.skipped, Counts{});
    QCOMPARE(db.scalar(QStringLiteral("SELECT category_id FROM transactions")).toString(), QStringLiteral("cat-leaf"));
    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM pragma_foreign_key_check")).toInt(), 0);
}

void TestBackupService::datesMustReadBack_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("rowFile");
    QTest::addColumn<int>("table");
    QTest::addColumn<QString>("error"); // empty: restored

    const auto row = [](const char* name, const char* folder, int table, const QString& text, const QString& error) {
        const QPair<QString, QByteArray> file = entry(folder, text.toUtf8().constData());
        QTest::newRow(name) << file.first << file.second << table << error;
    };
    const auto transaction = [&row](const char* name, const char* date, bool restored) {
        row(name, "transactions", 2,
            QStringLiteral(R"({"id": "txn-1", "account_id": "acc-1", "date": %1, "payee": "Maple", "amount": -1})")
                .arg(QLatin1String(date)),
            restored ? QString()
                     : QStringLiteral("transactions/txn-1.json: \"date\" holds no date in the form yyyy-MM-dd"));
    };
    transaction("a five-digit year", R"("22024-06-02")", false);
    transaction("no leading zeros", R"("2024-6-2")", false);
    transaction("a time", R"("2024-06-02T00:00:00Z")", false);
    transaction("a number", "20240602", false);
    transaction("empty", R"("")", false);
    transaction("the last year that reads back", R"("9999-12-31")", true);

    const auto recurring = [&row](const char* name, const char* endDate, bool restored) {
        row(name, "recurring", 4,
            QStringLiteral(R"({"id": "rec-1", "account_id": "acc-1", "payee": "Rent", "amount": -1,
                              "start_date": "2024-01-01", "next_due_date": "2024-02-01", "end_date": %1})")
                .arg(QLatin1String(endDate)),
            restored ? QString()
                     : QStringLiteral("recurring/rec-1.json: \"end_date\" holds no date in the form yyyy-MM-dd"));
    };
    // Only an optional date may be missing.
    recurring("no end date", "null", true);
    recurring("an empty end date", R"("")", true);
    recurring("an end date in another form", R"("12/31/2024")", false);
    row("a statement date in another form", "reconciliations", 5,
        QStringLiteral(R"({"id": "rcn-1", "account_id": "acc-1", "statement_date": "31.01.2024",
                          "statement_balance": 1, "reconciled_balance": 1, "completed_at": "T"})"),
        QStringLiteral("reconciliations/rcn-1.json: \"statement_date\" holds no date in the form yyyy-MM-dd"));
}

void TestBackupService::datesMustReadBack()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, rowFile);
    QFETCH(int, table);
    QFETCH(QString, error);

    TempDatabase db;
    BackupService service(db.database());
    const QByteArray bytes = backup({entry("accounts", kAccountRow), {path, rowFile}});
    const QStringList errors = error.isEmpty() ? QStringList() : QStringList{error};
    Counts imported{1, 0, 0, 0, 0, 0};
    imported[std::size_t(table)] = error.isEmpty() ? 1 : 0;

    BackupImportResult result = service.importBackup(bytes, BackupImportMode::ReplaceAll);
    QCOMPARE(result.errors, errors);
    QCOMPARE(result.imported, imported);
    QCOMPARE(result.skipped, Counts{});
    // Again, over what the first restore stored: the same rows, the same refusal.
    result = service.importBackup(bytes, BackupImportMode::ReplaceAll);
    QCOMPARE(result.errors, errors);
    QCOMPARE(result.imported, imported);
    QCOMPARE(tableCount(db, QLatin1String(kBackupTables[std::size_t(table)].name)), error.isEmpty() ? 1 : 0);
}

void TestBackupService::rowsAcrossBatchBoundaries_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("payees"); // of txn-001 and txn-299
    QTest::addColumn<Counts>("imported");
    QTest::addColumn<Counts>("skipped");

    QTest::newRow("replace") << int(BackupImportMode::ReplaceAll) << "Again 1,Again 299" << Counts{1, 0, 599, 0, 0, 0}
                             << Counts{};
    QTest::newRow("skip existing") << int(BackupImportMode::SkipExisting) << "Payee 1,Payee 299"
                                   << Counts{1, 0, 597, 0, 0, 0} << Counts{0, 0, 2, 0, 0, 0};
}

void TestBackupService::rowsAcrossBatchBoundaries()
{
    QFETCH(int, mode);
    QFETCH(QString, payees);
    QFETCH(Counts, imported);
    QFETCH(Counts, skipped);

    // New transactions go in 500 to a statement. Row 250 is refused in the
    // middle of the first; row 300 repeats row 299, still waiting in it; row
    // 501 repeats row 1, stored with the batch before.
    Entries entries{entry("accounts", kAccountRow)};
    for (int row = 1; row <= 600; ++row) {
        const int same = row == 300 ? 299 : row == 501 ? 1 : row;
        const QByteArray id = "txn-" + QByteArray::number(same).rightJustified(3, '0');
        const QByteArray account = row == 250 ? "acc-nowhere" : "acc-1";
        const QByteArray payee = (same == row ? "Payee " : "Again ") + QByteArray::number(same);
        QPair<QString, QByteArray> file =
            entry("transactions", R"({"id": ")" + id + R"(", "account_id": ")" + account
                                      + R"(", "date": "2024-02-01", "payee": ")" + payee + R"(", "amount": -1})");
        if (same != row)
            file.first = QStringLiteral("transactions/again-%1.json").arg(row);
        entries.append(file);
    }
    TempDatabase db;
    const BackupImportResult result =
        BackupService(db.database()).importBackup(backup(entries), BackupImportMode(mode));
    QCOMPARE(result.errors,
             QStringList{"transactions/txn-250.json: could not be stored (FOREIGN KEY constraint failed)"});
    QCOMPARE(result.imported, imported);
    QCOMPARE(result.skipped, skipped);
    QCOMPARE(tableCount(db, QStringLiteral("transactions")), 597);
    QCOMPARE(joined(db, QStringLiteral("SELECT payee AS v FROM transactions "
                                       "WHERE id IN ('txn-001', 'txn-299') ORDER BY id")),
             payees);
    QVERIFY(db.exec(QStringLiteral("INSERT INTO transactions_fts(transactions_fts) VALUES('integrity-check')")));
    QCOMPARE(TransactionRepository(db.database()).search(QStringLiteral("Payee 555"), {}).size(), 1);
}

void TestBackupService::problemsPastTheFirstHundredAreCounted()
{
    TempDatabase db;
    Entries entries;
    for (int i = 0; i < 150; ++i) {
        const QByteArray id = "acc-" + QByteArray::number(i).rightJustified(3, '0');
        entries.append(i < 140 ? entry("accounts", R"({"id": ")" + id + R"(", "name": "x", "nickname": "x"})")
                               : entry("accounts", R"({"id": ")" + id + R"(", "name": "Kept"})"));
    }
    entries.append({QStringLiteral("accounts/broken.json"), QByteArray("[]")});
    const QByteArray bytes = backup(entries);
    BackupService service(db.database());

    QTranslator english;
    QVERIFY(english.load(QStringLiteral(":/i18n/vellumry_en.qm")));
    QCoreApplication::installTranslator(&english);
    BackupImportResult result = service.importBackup(bytes, BackupImportMode::SkipExisting);
    QCoreApplication::removeTranslator(&english);
    QCOMPARE(result.errorCount, 141);
    QCOMPARE(result.errors.size(), 101);
    QCOMPARE(result.errors.first(), QStringLiteral("accounts/acc-000.json: \"nickname\" is not a column of this table"));
    QCOMPARE(result.errors.at(99), QStringLiteral("accounts/acc-099.json: \"nickname\" is not a column of this table"));
    QCOMPARE(result.errors.last(), QStringLiteral("... and 41 more problems"));
    QCOMPARE(result.imported, (Counts{10, 0, 0, 0, 0, 0}));
    QCOMPARE(result.skipped, Counts{});

    // Again: the ten stored rows are kept, the refused ones are refused again.
    result = service.importBackup(bytes, BackupImportMode::SkipExisting);
    QCOMPARE(result.errorCount, 141);
    QCOMPARE(result.errors.size(), 101);
    QCOMPARE(result.imported, Counts{});
    QCOMPARE(result.skipped, (Counts{10, 0, 0, 0, 0, 0}));
    QCOMPARE(tableCount(db, QStringLiteral("accounts")), 10);
}

void TestBackupService::splitLinesAreRestoredAsSets()
{
    TempDatabase db;
    QVERIFY(seedLedger(db)); // txn-1 holds line-a and line-b, txn-2 none
    QVERIFY(db.exec(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, amount, is_split, "
                                   "created_at, updated_at) VALUES ('txn-other', 'acc-1', '2024-02-09', 'Other', -500, "
                                   "1, 'T', 'T')")));
    const auto addLine = [&db](const char* id, const char* transactionId) {
        return db.exec(QStringLiteral("INSERT INTO split_lines (id, transaction_id, category_id, amount, created_at, "
                                      "updated_at) VALUES (?, ?, 'cat-food', -500, 'T', 'T')"),
                       {QString::fromLatin1(id), QString::fromLatin1(transactionId)});
    };
    QVERIFY(addLine("line-other", "txn-other"));
    const auto lines = [&db] {
        return joined(db, QStringLiteral("SELECT transaction_id || ':' || id AS v FROM split_lines ORDER BY 1"));
    };

    // The backup's txn-1 has other line ids than the stored ones; txn-other is
    // not in the backup, yet a line of the backup names it.
    const QByteArray bytes = backup(
        {entry("transactions", kTransactionRow),
         entry("transactions", R"({"id": "txn-fresh", "account_id": "acc-1", "date": "2024-02-01", "payee": "Fresh",
                                   "amount": -1250, "is_split": 1})"),
         entry("split_lines", R"({"id": "line-new-1", "transaction_id": "txn-1", "category_id": "cat-food", "amount": -1000})"),
         entry("split_lines", R"({"id": "line-new-2", "transaction_id": "txn-1", "category_id": "cat-food", "amount": -250})"),
         entry("split_lines", R"({"id": "line-fresh", "transaction_id": "txn-fresh", "category_id": "cat-food",
                                  "amount": -1250})"),
         entry("split_lines", R"({"id": "line-stray", "transaction_id": "txn-other", "category_id": "cat-food",
                                  "amount": -1})")});
    BackupService service(db.database());

    BackupImportResult result = service.importBackup(bytes, BackupImportMode::SkipExisting);
    QCOMPARE(result.imported, (Counts{0, 0, 1, 1, 0, 0}));
    QCOMPARE(result.skipped, (Counts{0, 0, 1, 3, 0, 0}));
    QCOMPARE(lines(), QStringLiteral("txn-1:line-a,txn-1:line-b,txn-fresh:line-fresh,txn-other:line-other"));

    result = service.importBackup(bytes, BackupImportMode::ReplaceAll);
    QCOMPARE(result.errors, QStringList());
    QCOMPARE(result.imported, (Counts{0, 0, 2, 3, 0, 0}));
    QCOMPARE(result.skipped, (Counts{0, 0, 0, 1, 0, 0}));
    QCOMPARE(lines(), QStringLiteral("txn-1:line-new-1,txn-1:line-new-2,txn-fresh:line-fresh,txn-other:line-other"));

    // An overwritten transaction that the backup holds without lines has none after.
    QVERIFY(addLine("line-late", "txn-2"));
    result = service.importBackup(backup({entry("transactions", R"({"id": "txn-2", "account_id": "acc-1",
                                                                   "date": "2024-02-03", "payee": "Oakwood Cafe",
                                                                   "amount": -900})")}),
                                  BackupImportMode::ReplaceAll);
    QCOMPARE(result.imported, (Counts{0, 0, 1, 0, 0, 0}));
    QVERIFY(!lines().contains(QLatin1String("txn-2")));
}

VELLUMRY_TEST_GUILESS_MAIN(TestBackupService)
#include "tst_backupservice.moc"
