#pragma once

#include "data/Money.h"

#include <QDate>
#include <QString>
#include <QtGlobal>

// The rows the report service hands to the reports screen. Amounts are signed
// counts of minor units, sums MoneySums (a sum need not fit in a qint64); the
// service formats nothing.

// One live account with its balances over all time.
struct AccountSummaryRow
{
    QString name;
    QString accountType;        // the stored text: "checking", "credit_card", ...
    Currency currency = Currency::USD;
    MoneySum clearedBalance;    // starting balance + cleared transactions
    MoneySum unclearedSum;      // uncleared transactions alone
    MoneySum balance;           // starting balance + every transaction
};

// One calendar month of the cash-flow or income-versus-expenses report.
struct MonthlyTotalsRow
{
    QString month;              // "2026-03"
    MoneySum inflows;           // positive amounts (income)
    MoneySum outflows;          // negative amounts, 0 or below (expenses)
    MoneySum net;               // inflows + outflows
};

struct CategoryTotalRow
{
    QString name;
    MoneySum total;
};

struct PayeeSummaryRow
{
    QString payee;
    MoneySum total;
    int count = 0;
};

struct TaxReportRow
{
    QString name;
    QString taxCategory;        // the category's tax key, empty when it has none
    MoneySum total;
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
    MoneySum period1Total;
    MoneySum period2Total;
    MoneySum difference;        // period2Total - period1Total
};

// The currency a report run is in. Sums over accounts of different currencies
// are meaningless, so a caller must not show a combined figure unless `uniform`.
struct ReportCurrency
{
    Currency currency = Currency::USD;
    bool uniform = true;
};
