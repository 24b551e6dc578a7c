#include "RecurringService.h"

#include "AccountRepository.h"
#include "Clock.h"
#include "Identifiers.h"
#include "LocalEdit.h"
#include "RecurringRepository.h"
#include "SqlValues.h"
#include "TransactionRepository.h"
#include "TransferService.h"

#include <QDebug>

#include <algorithm>
#include <limits>

namespace {

// Parsed once, before main: every device must derive the same posting ids.
const QUuid g_occurrenceNamespace(QStringLiteral("{6c0e4d29-b7a3-4f15-8d62-3e9a71c50b84}"));

constexpr int kMaxLeadDays = 60;
// However far behind a record is, one run posts at most this many of its occurrences.
constexpr int kMaxPostingsPerRun = 365;

const QString kTwinSuffix = QStringLiteral("dest");

// A day number of a semi-monthly schedule as a date of the month that `month`
// lies in; 0, negative or too large numbers mean the month's last day.
QDate semimonthlyDate(const QDate& month, int day)
{
    const int length = month.daysInMonth();
    return QDate(month.year(), month.month(), day >= 1 && day <= length ? day : length);
}

QDate addMonths(const QDate& from, qint64 months)
{
    return months > std::numeric_limits<int>::max() ? QDate() : from.addMonths(static_cast<int>(months));
}

QDate nextSemimonthlyDate(const QDate& from, int day1, int day2)
{
    if (from.isValid()) {
        for (const QDate& month : {from, from.addMonths(1)}) {
            QDate first = semimonthlyDate(month, day1);
            QDate second = semimonthlyDate(month, day2);
            if (second < first)
                std::swap(first, second);
            if (from < first)
                return first;
            if (from < second)
                return second;
        }
    }
    return from.addMonths(1);
}

} // namespace

RecurringService::RecurringService(RecurringRepository* recurring, TransactionRepository* transactions,
                                   AccountRepository* accounts, QObject* parent)
    : QObject(parent)
    , m_recurring(recurring)
    , m_transactions(transactions)
    , m_accounts(accounts)
{
}

QDate RecurringService::nextDueDateAfter(const QDate& from, RecurringFrequency frequency, int intervalCount,
                                         int day1, int day2)
{
    const int n = std::max(intervalCount, 1);
    QDate next;
    switch (frequency) {
    case RecurringFrequency::Daily: next = from.addDays(n); break;
    case RecurringFrequency::Weekly: next = from.addDays(7LL * n); break;
    case RecurringFrequency::Biweekly: next = from.addDays(14LL * n); break;
    case RecurringFrequency::Semimonthly: next = nextSemimonthlyDate(from, day1, day2); break;
    case RecurringFrequency::Quarterly: next = addMonths(from, 3LL * n); break;
    case RecurringFrequency::SemiAnnual: next = addMonths(from, 6LL * n); break;
    case RecurringFrequency::Annual: next = from.addYears(n); break;
    case RecurringFrequency::Monthly:
    default: next = from.addMonths(n); break;
    }
    // An interval count stored far too large makes the calendar arithmetic wrap
    // round into the past; no date is better than moving a record backwards.
    return next > from ? next : QDate();
}

QString RecurringService::recurringOccurrenceId(const QString& recurringId, const QDate& dueDate,
                                                const QString& suffix)
{
    QString name = recurringId + QLatin1Char(':') + SqlValues::dateText(dueDate);
    if (!suffix.isEmpty())
        name += QLatin1Char(':') + suffix;
    return nameBasedId(g_occurrenceNamespace, name);
}

Transaction RecurringService::transactionForOccurrence(const RecurringTransaction& record)
{
    Transaction posting;
    posting.id = recurringOccurrenceId(record.id, record.nextDueDate);
    posting.accountId = record.accountId;
    posting.date = record.nextDueDate;
    posting.payee = record.payee;
    posting.memo = record.memo;
    posting.amount = record.amount;
    posting.categoryId = record.categoryId;
    posting.recurringId = record.id;
    posting.createdAt = Clock::nowUtc();
    posting.updatedAt = posting.createdAt;
    return posting;
}

void RecurringService::advance(RecurringTransaction& record)
{
    record.nextDueDate = nextDueDateAfter(record.nextDueDate, record.frequency, record.intervalCount,
                                          record.semimonthlyDay1, record.semimonthlyDay2);
    stampLocalEdit(record);
    // Due on the end date itself is still in range. An end date that cannot be
    // read is no limit to compare with.
    if (record.endDate && record.endDate->isValid() && record.nextDueDate > *record.endDate)
        record.isActive = false;
}

bool RecurringService::deactivate(RecurringTransaction record)
{
    record.isActive = false;
    stampLocalEdit(record);
    return m_recurring->update(record);
}

bool RecurringService::currenciesDiffer(const RecurringTransaction& record) const
{
    const std::optional<Account> source = m_accounts->findById(record.accountId);
    const std::optional<Account> destination = m_accounts->findById(record.transferDestAccountId);
    return source && destination && source->currency != destination->currency;
}

bool RecurringService::postOccurrence(const RecurringTransaction& record)
{
    Transaction posting = transactionForOccurrence(record);
    if (!m_transactions->insert(posting))
        return false;
    if (record.transferDestAccountId.isEmpty())
        return true;

    Transaction twin = posting;
    twin.id = recurringOccurrenceId(record.id, record.nextDueDate, kTwinSuffix);
    twin.accountId = record.transferDestAccountId;
    twin.amount = -record.amount;
    TransferService::link(posting, twin);
    // A twin that could not be written (its account is gone, say) leaves the
    // posting a plain entry rather than pointing at a row that does not exist.
    if (!m_transactions->insert(twin))
        return true;
    m_transactions->update(posting);
    return true;
}

bool RecurringService::confirm(const QString& recurringId)
{
    const std::optional<RecurringTransaction> found = m_recurring->findById(recurringId);
    if (!found)
        return false;
    RecurringTransaction record = *found;

    if (isBrokenRecurringDate(record.nextDueDate)) {
        qWarning().noquote() << "RecurringService::confirm refusing record with broken date:" << record.id
                             << record.payee << dateTextForLog(record.nextDueDate) << "— quarantining (deactivating)";
        deactivate(record);
        return false;
    }
    // One amount cannot mean the same in two currencies. Checked before anything
    // is written, so no half transfer is left behind and the record stays due
    // until the user mends it.
    if (!record.transferDestAccountId.isEmpty() && currenciesDiffer(record)) {
        qWarning().noquote() << "RecurringService: skipping transfer post for" << record.id
                             << "— source and destination currencies differ";
        return false;
    }

    if (!postOccurrence(record))
        return false;
    advance(record);
    m_recurring->update(record);
    emit pendingCountChanged(pendingCount());
    return true;
}

int RecurringService::confirmAllDue()
{
    const TransactionBulkWrite bulkWrite(m_transactions);
    const QList<RecurringTransaction> due = m_recurring->listDue();
    return static_cast<int>(std::count_if(due.cbegin(), due.cend(), [this](const RecurringTransaction& record) {
        return confirm(record.id);
    }));
}

int RecurringService::enterDueUntil(const QDate& limit)
{
    const TransactionBulkWrite bulkWrite(m_transactions);
    int total = 0;
    const QList<RecurringTransaction> records = m_recurring->listAll();
    for (const RecurringTransaction& listed : records) {
        if (!listed.isActive || isBrokenRecurringDate(listed.nextDueDate))
            continue;
        QDate lastPosted;
        for (int count = 0; count < kMaxPostingsPerRun; ++count) {
            const std::optional<RecurringTransaction> record = m_recurring->findById(listed.id);
            if (!record || !record->isActive)
                break;
            const QDate due = record->nextDueDate;
            if (isBrokenRecurringDate(due) || due > limit || due == lastPosted)
                break;
            lastPosted = due;
            if (!confirm(record->id))
                break;
            ++total;
        }
    }
    return total;
}

void RecurringService::quarantine(const RecurringTransaction& record, const QString& reason)
{
    qWarning().noquote() << "Quarantining recurring" << record.id << record.payee
                         << "— auto-deactivating. Reason:" << reason
                         << "nextDueDate=" + dateTextForLog(record.nextDueDate);
    if (const std::optional<RecurringTransaction> current = m_recurring->findById(record.id))
        deactivate(*current);
}

int RecurringService::catchUp(const RecurringTransaction& listed, const QDate& horizon)
{
    int posted = 0;
    QDate lastPosted;
    while (posted < kMaxPostingsPerRun) {
        const std::optional<RecurringTransaction> record = m_recurring->findById(listed.id);
        if (!record || !record->isActive)
            return posted;
        const QDate due = record->nextDueDate;
        if (!due.isValid())
            return posted;
        if (isBrokenRecurringDate(due)) {
            quarantine(*record, QStringLiteral("advanced to broken date during catchup"));
            return posted;
        }
        if (due > horizon)
            return posted;
        if (due == lastPosted) {
            quarantine(*record, QStringLiteral("due date did not advance after posting"));
            return posted;
        }
        lastPosted = due;
        if (!confirm(record->id))
            return posted;
        ++posted;
    }

    // The cap was reached: a record that is still due by the horizon is too far
    // behind to trust; the user decides about the rest of its occurrences.
    const std::optional<RecurringTransaction> record = m_recurring->findById(listed.id);
    if (record && record->isActive && record->nextDueDate.isValid() && record->nextDueDate <= horizon)
        quarantine(*record, QStringLiteral("still behind after the catchup cap"));
    return posted;
}

int RecurringService::autoPostDue()
{
    // A catch-up may post hundreds of rows: listeners reload once per account.
    const TransactionBulkWrite bulkWrite(m_transactions);
    const QList<RecurringTransaction> records = m_recurring->listAll();
    const QDate today = Clock::today();
    int posted = 0;
    for (const RecurringTransaction& record : records) {
        if (!record.isActive || !record.autoPost)
            continue;
        if (isBrokenRecurringDate(record.nextDueDate)) {
            quarantine(record, QStringLiteral("broken next_due_date"));
            continue;
        }
        const int lead = std::clamp(record.leadDays, 0, kMaxLeadDays);
        posted += catchUp(record, today.addDays(lead));
    }
    return posted;
}

bool RecurringService::skipOccurrence(const QString& recurringId)
{
    std::optional<RecurringTransaction> record = m_recurring->findById(recurringId);
    if (!record)
        return false;
    advance(*record);
    if (!m_recurring->update(*record))
        return false;
    emit pendingCountChanged(pendingCount());
    return true;
}

int RecurringService::pendingCount() const
{
    return static_cast<int>(m_recurring->listDue().size());
}

QList<RecurringTransaction> RecurringService::allRecurring() const
{
    return m_recurring->listAll();
}
