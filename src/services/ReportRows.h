#pragma once

#include "data/Money.h"

#include <QDate>
#include <QString>
#include <QtGlobal>

// The rows the report service hands to the reports screen. Amounts are signed
// counts of minor units; the service formats nothing.

// One live account with its balances over all time.
struct AccountSummaryRow
{
    QString name;
    QString accountType;        // the stored text: "checking", "credit_card", ...
    Currency currency = Currency::USD;
    qint64 clearedBalance = 0;  // starting balance + cleared transactions
    qint64 unclearedSum = 0;    // uncleared transactions alone
    qint64 balance = 0;         // starting balance + every transaction
};

// One calendar month of the cash-flow or income-versus-expenses report.
struct MonthlyTotalsRow
{
    QString month;              // "2026-03"
    qint64 inflows = 0;         // positive amounts (income)
    qint64 outflows = 0;        // negative amounts, 0 or below (expenses)
    qint64 net = 0;             // inflows + outflows
};

struct CategoryTotalRow
{
    QString name;
    qint64 total = 0;
};

struct PayeeSummaryRow
{
    QString payee;
    qint64 total = 0;
    int count = 0;
};

struct TaxReportRow
{
    QString name;
    QString taxCategory;        // the category's tax key, empty when it has none
    qint64 total = 0;
};

struct TransactionListingRow
{
    QDate date;
    QString accountName;        // empty when the account row is missing
    Currency currency = Currency::USD;
    QString payee;
    QString categoryName;       // the category's own name, not its path
    QString memo;
    qint64 amount = 0;
};

struct YearOverYearRow
{
    QString category;
    qint64 period1Total = 0;
    qint64 period2Total = 0;
    qint64 difference = 0;      // period2Total - period1Total
};

// The currency a report run is in. Sums over accounts of different currencies
// are meaningless, so a caller must not show a combined figure unless `uniform`.
struct ReportCurrency
{
    Currency currency = Currency::USD;
    bool uniform = true;
};
