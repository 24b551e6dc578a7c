// Times the opening-balance backfill that runs after every sync run, on the
// generated heavy ledger where every account has its opening balance (the usual
// case: nothing to do), next to its one statement run alone through SQLite and
// to probing each account in turn.

#include "BenchLedger.h"
#include "BenchTiming.h"

#include "data/Database.h"
#include "data/TransactionRepository.h"

#include <QCoreApplication>
#include <QTextStream>

#include <sqlite3.h>

#include <functional>

namespace {

constexpr int kRuns = 21;

const char* const kMissingSql =
    "SELECT a.id FROM accounts a WHERE a.deleted_at IS NULL AND NOT EXISTS (SELECT 1 FROM transactions t "
    "WHERE t.account_id = a.id AND t.deleted_at IS NULL AND LOWER(TRIM(t.payee)) IN ('opening balance', "
    "'saldo inicial', 'solde d''ouverture', '期首残高', 'anfangssaldo')) ORDER BY a.sort_order, a.name";

// The floor: the same statement prepared and stepped on the program's own connection.
int rawMissing(sqlite3* handle)
{
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(handle, kMissingSql, -1, &statement, nullptr) != SQLITE_OK)
        return -1;
    int rows = 0;
    while (sqlite3_step(statement) == SQLITE_ROW)
        ++rows;
    sqlite3_finalize(statement);
    return rows;
}

void printTiming(const QString& what, const Timing& timing)
{
    benchOut() << "  " << what.leftJustified(52) << " median " << msText(timing.medianMs) << "   min "
               << msText(timing.minMs) << Qt::endl;
}

Timing measure(const std::function<void()>& work)
{
    work();
    return timeRuns(kRuns, work);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    BenchLedger bench;
    if (!bench.isReady()) {
        benchOut() << "Could not build the ledger: " << bench.error() << Qt::endl;
        return 1;
    }
    AppState* state = bench.state();
    const int migrated = state->backfillOpeningBalances();
    benchOut() << "Heavy ledger: " << bench.ledger().transactionRows << " rows over "
               << bench.ledger().accountIds.size() << " accounts; " << migrated
               << " account(s) needed an opening balance first" << Qt::endl;

    int found = 0;
    printTiming(QStringLiteral("backfill with nothing to do"), measure([&] { found += state->backfillOpeningBalances(); }));
    printTiming(QStringLiteral("its one statement alone (SQLite)"), measure([&] { found += rawMissing(bench.handle()); }));
    printTiming(QStringLiteral("one probe per account instead"), measure([&] {
                    for (const QString& id : bench.ledger().accountIds)
                        found += state->transactionRepository->openingBalanceProbe(id).hasOpeningBalance ? 0 : 1;
                }));
    return found == 0 ? 0 : 1;
}
