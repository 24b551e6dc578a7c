#include "FuzzSupport.h"

#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionRepository.h"
#include "services/ImportService.h"

#include <QFile>

#include <cstddef>
#include <cstdint>

// A QIF file imported twice into a fresh ledger, its accounts mapped as a user
// would map them: the second import must find every row already there and add
// nothing.
namespace {

// Ledger accounts: two alike, so that transfers between the first two sources
// link, and currencies with and without minor units.
constexpr Currency kCurrencies[] = {Currency::USD, Currency::USD, Currency::JPY, Currency::EUR};
// The first sources map onto the accounts in turn, so that the fifth shares an
// account with the first; the rest stay unmapped.
constexpr int kMappedSources = 5;

QString addAccount(AccountRepository& accounts, int index)
{
    Account account;
    account.id = QStringLiteral("account-%1").arg(index);
    account.name = account.id;
    account.currency = kCurrencies[index];
    account.createdAt = Clock::nowUtc();
    account.updatedAt = account.createdAt;
    if (!accounts.insert(account))
        fuzzFailure(QStringLiteral("a ledger account cannot be added"));
    return account.id;
}

QString describe(const QMap<QString, qint64>& counts)
{
    QStringList parts;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        parts.append(QStringLiteral("%1=%2").arg(it.key()).arg(it.value()));
    return parts.join(QLatin1Char(' '));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzLedger& ledger = freshLedger();
    const QString path = fuzzFilePath(QStringLiteral("input.qif"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) != static_cast<qint64>(size))
        fuzzFailure(QStringLiteral("the input cannot be written to ") + path);
    file.close();

    Database* database = ledger.database();
    TransactionRepository transactions(database);
    CategoryRepository categories(database);
    SplitLineRepository splitLines(database);
    AccountRepository accounts(database);
    ImportService service(&transactions, &categories, &splitLines, &accounts);

    QStringList accountIds;
    for (int i = 0; i < int(std::size(kCurrencies)); ++i)
        accountIds.append(addAccount(accounts, i));
    const QifAnalysis analysis = service.analyzeQif({path});
    QHash<QString, QString> mapping;
    for (int i = 0; i < analysis.sources.size() && i < kMappedSources; ++i)
        mapping.insert(analysis.sources.at(i).name, accountIds.at(i % accountIds.size()));

    const ImportResult first = service.importQif({path}, mapping);
    const QMap<QString, qint64> afterFirst = ledger.rowCounts();
    const ImportResult second = service.importQif({path}, mapping);
    const QMap<QString, qint64> afterSecond = ledger.rowCounts();
    if (second.imported != 0 || afterSecond != afterFirst)
        fuzzFailure(QStringLiteral("the second import added %1 rows (the first %2)\nafter the first:  %3\n"
                                   "after the second: %4")
                        .arg(second.imported)
                        .arg(first.imported)
                        .arg(describe(afterFirst), describe(afterSecond)));
    return 0;
}
