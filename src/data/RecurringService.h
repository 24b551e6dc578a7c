#pragma once

#include "RecurringTransaction.h"
#include "Transaction.h"

#include <QDate>
#include <QList>
#include <QObject>
#include <QString>

class AccountRepository;
class RecurringRepository;
class TransactionRepository;

// Turns recurring templates into transactions: posts the next occurrence on
// request, catches up auto-post templates, enters everything due up to a date,
// skips occurrences and counts what is due. It keeps no state of its own; every
// operation reloads what it needs.
//
// A posting's id is derived from the template and the due date, so posting the
// same occurrence twice (here, or here and on another device whose posting came
// by sync) fails at the insert instead of duplicating the entry.
class RecurringService : public QObject
{
    Q_OBJECT

public:
    RecurringService(RecurringRepository* recurring, TransactionRepository* transactions,
                     AccountRepository* accounts, QObject* parent = nullptr);

    // The occurrence after `from`. Months keep the day of month and fall back to
    // the month's last day where it does not exist, always from the given date:
    // a template on the 31st moves to the 29th after a leap February and stays
    // there. Every device must step alike, or their posting ids would differ.
    static QDate nextDueDateAfter(const QDate& from, RecurringFrequency frequency, int intervalCount, int day1,
                                  int day2);
    // The posting id of one occurrence; the transfer twin uses the suffix "dest".
    static QString recurringOccurrenceId(const QString& recurringId, const QDate& dueDate,
                                         const QString& suffix = QString());
    // The posting of the record's next due occurrence, without transfer fields.
    static Transaction transactionForOccurrence(const RecurringTransaction& record);

    // Posts the record's next occurrence (with its transfer twin) and advances the
    // record, all or nothing. False when nothing was posted.
    bool confirm(const QString& recurringId);
    // One occurrence of each record due today, however far behind it is.
    int confirmAllDue();
    // Every occurrence of every active record due on or before `limit`, at most
    // 365 a record.
    int enterDueUntil(const QDate& limit);
    // Auto-post records up to today plus their lead days (0..60), at most 365
    // postings a record; records with broken dates are deactivated.
    int autoPostDue();
    // Advances the record without posting; false when it is missing or the
    // advance could not be saved.
    bool skipOccurrence(const QString& recurringId);

    int pendingCount() const;
    QList<RecurringTransaction> allRecurring() const;

signals:
    // Due records after a confirm or a skip.
    void pendingCountChanged(int count);

private:
    bool postOccurrence(const RecurringTransaction& record);
    bool currenciesDiffer(const RecurringTransaction& record) const;
    // Moves the record to its next occurrence, deactivating it past its end date.
    static void advance(RecurringTransaction& record);
    bool deactivate(RecurringTransaction record);
    void quarantine(const RecurringTransaction& record, const QString& reason);
    int catchUp(const RecurringTransaction& record, const QDate& horizon);

    RecurringRepository* m_recurring;
    TransactionRepository* m_transactions;
    AccountRepository* m_accounts;
};
