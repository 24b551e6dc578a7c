// Times the recurring engine's catch-up: one auto-post run of a daily template a
// year behind (365 postings), on a small ledger and on a generated heavy one,
// next to the same number of bare INSERT and UPDATE statements run alone.

#include "BenchTiming.h"
#include "LedgerGenerator.h"

#include "data/AccountRepository.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/Identifiers.h"
#include "data/RecurringRepository.h"
#include "data/RecurringService.h"
#include "data/SqlValues.h"
#include "data/TransactionRepository.h"
#include "state/AppState.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimeZone>

#include <functional>
#include <memory>

namespace {

constexpr int kRuns = 7;
constexpr int kPostings = 365;

void printTiming(const QString& what, const Timing& timing)
{
    benchOut() << "  " << what.leftJustified(48) << " median " << msText(timing.medianMs) << "   min " << msText(timing.minMs)
          << "   per posting " << QString::number(timing.medianMs * 1000.0 / kPostings, 'f', 1) << " us" << Qt::endl;
}

class Bench
{
public:
    bool open(const QString& path)
    {
        m_state = std::make_unique<AppState>();
        if (!m_state->openLedger(path))
            return false;
        m_accounts = m_state->accountRepository;
        m_transactions = m_state->transactionRepository;
        m_recurring = m_state->recurringRepository;
        m_service = m_state->recurringService;
        return true;
    }

    QSqlDatabase& db() { return m_state->database->database(); }

    QString addAccount()
    {
        Account account;
        account.id = newId();
        account.name = QStringLiteral("Bench checking");
        account.createdAt = Clock::nowUtc();
        account.updatedAt = account.createdAt;
        return m_accounts->insert(account) ? account.id : QString();
    }

    // A daily auto-post template whose 365 occurrences up to today are all unposted.
    bool addYearBehind(const QString& accountId)
    {
        RecurringTransaction record;
        record.id = newId();
        record.accountId = accountId;
        record.payee = QStringLiteral("Daily parking");
        record.amount = -450;
        record.frequency = RecurringFrequency::Daily;
        record.startDate = Clock::today().addDays(1 - kPostings);
        record.nextDueDate = record.startDate;
        record.autoPost = true;
        record.createdAt = Clock::nowUtc();
        record.updatedAt = record.createdAt;
        return m_recurring->insert(record);
    }

    void measureCatchUp(const QString& label, const QString& accountId)
    {
        int posted = 0;
        bool ready = true;
        const Timing timing = timeRuns(
            kRuns, [&] { posted = m_service->autoPostDue(); }, [&] { ready = addYearBehind(accountId) && ready; });
        printTiming(label, timing);
        if (!ready || posted != kPostings)
            benchOut() << "  !! expected " << kPostings << " postings, the last run made " << posted << Qt::endl;
    }

    // The statements a posting needs at the least, one INSERT and one UPDATE,
    // each in its own implicit transaction as the engine's writes are.
    void measureFloor(const QString& accountId)
    {
        const QString recurringId = newId();
        RecurringTransaction record;
        record.id = recurringId;
        record.accountId = accountId;
        record.payee = QStringLiteral("Floor");
        record.startDate = Clock::today();
        record.nextDueDate = record.startDate;
        record.createdAt = Clock::nowUtc();
        record.updatedAt = record.createdAt;
        m_recurring->insert(record);

        QSqlQuery insert(db());
        insert.prepare(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, memo, amount, "
                                      "recurring_id, version, sync_status, created_at, updated_at) "
                                      "VALUES (?, ?, ?, 'Floor', '', -450, ?, 1, 'pending', ?, ?)"));
        QSqlQuery advance(db());
        advance.prepare(QStringLiteral("UPDATE recurring_transactions SET next_due_date=?, version=version+1, "
                                       "updated_at=? WHERE id=?"));
        const QString now = SqlValues::nowText();
        const Timing timing = timeRuns(kRuns, [&] {
            QDate date = Clock::today();
            for (int i = 0; i < kPostings; ++i) {
                insert.addBindValue(newId());
                insert.addBindValue(accountId);
                insert.addBindValue(SqlValues::dateText(date));
                insert.addBindValue(recurringId);
                insert.addBindValue(now);
                insert.addBindValue(now);
                insert.exec();
                date = date.addDays(1);
                advance.addBindValue(SqlValues::dateText(date));
                advance.addBindValue(now);
                advance.addBindValue(recurringId);
                advance.exec();
            }
        });
        printTiming(QStringLiteral("floor: bare INSERT + UPDATE per posting"), timing);
    }

private:
    std::unique_ptr<AppState> m_state;
    AccountRepository* m_accounts = nullptr;
    TransactionRepository* m_transactions = nullptr;
    RecurringRepository* m_recurring = nullptr;
    RecurringService* m_service = nullptr;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    Clock::setFixedNow(QDateTime(QDate(2024, 12, 31), QTime(12, 0), QTimeZone::utc()));
    benchOut() << "Auto-post catch-up of a daily template a year behind (" << kPostings << " postings), " << kRuns
          << " runs each" << Qt::endl;

    {
        QTemporaryDir dir;
        Bench bench;
        if (!dir.isValid() || !bench.open(dir.filePath(QStringLiteral("vellumry.db")))) {
            benchOut() << "cannot create the ledger" << Qt::endl;
            return 1;
        }
        const QString account = bench.addAccount();
        benchOut() << "Small ledger (one account)" << Qt::endl;
        bench.measureCatchUp(QStringLiteral("RecurringService::autoPostDue"), account);
        bench.measureFloor(account);
    }

    {
        QTemporaryDir dir;
        Bench bench;
        if (!dir.isValid() || !bench.open(dir.filePath(QStringLiteral("vellumry.db")))) {
            benchOut() << "cannot create the ledger" << Qt::endl;
            return 1;
        }
        GeneratedLedger ledger;
        if (!LedgerGenerator().generate(bench.db(), &ledger)) {
            benchOut() << "cannot generate the ledger" << Qt::endl;
            return 1;
        }
        benchOut() << "Heavy ledger (" << ledger.transactionRows << " transactions, posting into the "
              << "big account)" << Qt::endl;
        bench.measureCatchUp(QStringLiteral("RecurringService::autoPostDue"), ledger.accountIds.first());
        bench.measureFloor(ledger.accountIds.first());
    }
    return 0;
}
