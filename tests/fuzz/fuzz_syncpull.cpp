#include "FuzzSupport.h"

#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/ReconciliationRepository.h"
#include "data/RecurringRepository.h"
#include "data/SplitLineRepository.h"
#include "data/SqlTransaction.h"
#include "data/TransactionRepository.h"
#include "sync/SyncApplier.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstddef>
#include <cstdint>

// Pulled pages written into a fresh ledger as a sync run writes them: each
// page inside its savepoint, then, as the next run starts, the records that
// waited are tried once more. An input is one page ({"accounts": [...],
// "transactions": [...], ...}) or an array of pages.
namespace {

struct Repositories
{
    explicit Repositories(Database* database)
        : accounts(database)
        , transactions(database)
        , categories(database)
        , recurring(database)
        , reconciliations(database)
        , splitLines(database)
    {
    }

    SyncApplier applier()
    {
        return SyncApplier(&accounts, &transactions, &categories, &recurring, &reconciliations, &splitLines);
    }

    AccountRepository accounts;
    TransactionRepository transactions;
    CategoryRepository categories;
    RecurringRepository recurring;
    ReconciliationRepository reconciliations;
    SplitLineRepository splitLines;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QJsonDocument document = QJsonDocument::fromJson(
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (document.isNull())
        return -1;
    const QJsonArray pages = document.isArray() ? document.array() : QJsonArray{document.object()};

    Database* database = freshLedger().database();
    Repositories repositories(database);
    SyncApplier run = repositories.applier();
    run.beginPull();
    for (const QJsonValue& page : pages) {
        SqlSavepoint savepoint(database->database(), QStringLiteral("sync_pull_page"));
        run.applyPage(page.toObject());
        if (!savepoint.release())
            fuzzFailure(QStringLiteral("a page's savepoint cannot be released"));
    }

    // The waiting records travel to the next run as stored JSON text.
    const QByteArray waiting = QJsonDocument(run.deferredRecords()).toJson(QJsonDocument::Compact);
    SyncApplier nextRun = repositories.applier();
    nextRun.setDeferredRecords(QJsonDocument::fromJson(waiting).object());
    if (nextRun.deferredCount() != run.deferredCount())
        fuzzFailure(QStringLiteral("%1 records waited, %2 arrived at the next run")
                        .arg(run.deferredCount())
                        .arg(nextRun.deferredCount()));
    nextRun.beginPull();
    SqlSavepoint savepoint(database->database(), QStringLiteral("sync_pull_page"));
    nextRun.applyPage(QJsonObject());
    if (!savepoint.release())
        fuzzFailure(QStringLiteral("the retry's savepoint cannot be released"));
    return 0;
}
