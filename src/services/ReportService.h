#pragma once

#include "ReportRows.h"

#include <QDate>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

class Database;

// The eight reports over the live transactions, each one query (the listing adds
// two small name lookups, the year-over-year report runs categoryTotals twice),
// and the CSV text of an exported report table.
//
// A period runs from `from` to `to`, both days included; an invalid `from`
// admits every date and an invalid `to` none. An empty account or category id
// means all of them.
//
// The category, payee, tax, income and cash-flow figures add up the amounts of
// every account in the run without looking at currencies: ask runCurrency() (or
// taxReportCurrency() for the tax report, which always covers every account)
// before showing them, and withhold them when the run is not uniform. The
// account summary and the transaction listing carry each row's own currency.
class ReportService : public QObject
{
    Q_OBJECT

public:
    explicit ReportService(Database* database, QObject* parent = nullptr);

    // Every live account, by sort order and name; takes no period.
    QList<AccountSummaryRow> accountSummary() const;
    // Per month, transfers included.
    QList<MonthlyTotalsRow> cashFlow(QDate from, QDate to, const QString& accountId) const;
    // Spending (negative amounts) per category name, largest first.
    QList<CategoryTotalRow> categorySpending(QDate from, QDate to, const QString& accountId) const;
    // Per month, both legs of every linked transfer left out.
    QList<MonthlyTotalsRow> incomeVsExpenses(QDate from, QDate to, const QString& accountId) const;
    QList<PayeeSummaryRow> payeeSummary(QDate from, QDate to, const QString& accountId) const;
    // Tax-relevant categories by tax key and name, over every account.
    QList<TaxReportRow> taxReport(QDate from, QDate to) const;
    QList<TransactionListingRow> transactionListing(QDate from, QDate to, const QString& accountId,
                                                    const QString& categoryId) const;
    // Net totals per category name in two periods, by name (ordinal, case-sensitive).
    QList<YearOverYearRow> yearOverYear(QDate period1From, QDate period1To, QDate period2From, QDate period2To,
                                        const QString& accountId) const;
    // Net total per category name.
    QMap<QString, MoneySum> categoryTotals(QDate from, QDate to, const QString& accountId) const;

    // The currency of a run over one account (empty id: over all accounts). A run
    // over all accounts is uniform only when every live account, and every account
    // that still holds live transactions, has the same currency. An account that
    // is not found counts as USD.
    ReportCurrency runCurrency(const QString& accountId) const;
    // The tax report ignores the account choice, so it is judged over all accounts.
    ReportCurrency taxReportCurrency() const;

    // Every field quoted; quotes inside data fields doubled, header texts taken
    // as they are; each line ends in "\n".
    static QString toCsv(const QStringList& headers, const QList<QStringList>& rows);

private:
    Database* m_database;
};
