// Times the opening-balance backfill that runs after every sync run, on the
// generated heavy ledger where every account has its opening balance (the usual
// case: nothing to do), next to its two statements run alone through SQLite (the
// live accounts, then their opening rows by key), to one statement that looks
// for the payee instead, and to probing each account in turn. Then again with
// every opening row stored after the account's other rows, as in a ledger whose
// opening balances were backfilled late: a search by payee walks each account's
// rows to reach its row, a look-up by key does not.

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

// A statement prepared and stepped on the program's own connection, its first
// column's texts read.
QStringList rawTexts(sqlite3* handle, const QByteArray& sql, const QStringList& bound = {})
{
    QStringList texts;
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(handle, sql.constData(), -1, &statement, nullptr) != SQLITE_OK)
        return {QStringLiteral("failed")};
    QList<QByteArray> values;
    for (const QString& value : bound)
        values.append(value.toUtf8());
    for (int i = 0; i < values.size(); ++i)
        sqlite3_bind_text(statement, i + 1, values.at(i).constData(), int(values.at(i).size()), SQLITE_STATIC);
    while (sqlite3_step(statement) == SQLITE_ROW)
        texts.append(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0))));
    sqlite3_finalize(statement);
    return texts;
}

// The floor: the live accounts, then the rows under their opening ids.
int rawMissingByKey(sqlite3* handle)
{
    QStringList openingIds;
    for (const QString& accountId :
         rawTexts(handle, "SELECT id FROM accounts WHERE deleted_at IS NULL ORDER BY sort_order, name"))
        openingIds.append(openingBalanceTransactionId(accountId));
    const QByteArray sql = "SELECT account_id FROM transactions WHERE id IN ("
        + QStringList(openingIds.size(), QStringLiteral("?")).join(QLatin1String(", ")).toUtf8()
        + ") AND deleted_at IS NULL AND LOWER(TRIM(payee)) IN ('opening balance', 'saldo inicial', "
          "'solde d''ouverture', '期首残高', 'anfangssaldo')";
    return int(openingIds.size() - rawTexts(handle, sql, openingIds).size());
}

int rawMissingByPayee(sqlite3* handle)
{
    return int(rawTexts(handle, kMissingSql).size());
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
    printTiming(QStringLiteral("its two statements alone (SQLite)"),
                measure([&] { found += rawMissingByKey(bench.handle()); }));
    printTiming(QStringLiteral("one statement by payee instead (SQLite)"),
                measure([&] { found += rawMissingByPayee(bench.handle()); }));
    printTiming(QStringLiteral("one probe per account instead"), measure([&] {
                    for (const QString& id : bench.ledger().accountIds)
                        found += state->transactionRepository->openingBalanceProbe(id).hasOpeningBalance ? 0 : 1;
                }));

    // The same rows written again at the end; the triggers keep the search index right.
    const char* const moveLast =
        "CREATE TEMP TABLE openings AS SELECT * FROM transactions WHERE LOWER(TRIM(payee)) = 'opening balance';"
        "DELETE FROM transactions WHERE id IN (SELECT id FROM openings);"
        "INSERT INTO transactions SELECT * FROM openings; DROP TABLE openings;";
    if (sqlite3_exec(bench.handle(), moveLast, nullptr, nullptr, nullptr) != SQLITE_OK) {
        benchOut() << "Could not move the opening rows: " << sqlite3_errmsg(bench.handle()) << Qt::endl;
        return 1;
    }
    benchOut() << "Opening rows stored after every other row of their account" << Qt::endl;
    printTiming(QStringLiteral("backfill with nothing to do"), measure([&] { found += state->backfillOpeningBalances(); }));
    printTiming(QStringLiteral("its two statements alone (SQLite)"),
                measure([&] { found += rawMissingByKey(bench.handle()); }));
    printTiming(QStringLiteral("one statement by payee instead (SQLite)"),
                measure([&] { found += rawMissingByPayee(bench.handle()); }));
    return found == 0 ? 0 : 1;
}
