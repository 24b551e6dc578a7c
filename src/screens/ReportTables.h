#pragma once

#include "data/Money.h"
#include "services/ReportRows.h"

#include <QList>
#include <QString>

class ReportTableModel;

// What each report tab shows of its rows: money formatted with its currency
// symbol, in the run's currency or, where rows come from several accounts, in
// each row's own.

void showCategorySpending(ReportTableModel* model, const QList<CategoryTotalRow>& rows, Currency currency);
void showPayeeSummary(ReportTableModel* model, const QList<PayeeSummaryRow>& rows, Currency currency);
void showTaxReport(ReportTableModel* model, const QList<TaxReportRow>& rows, Currency currency);
// Income versus expenses and cash flow, with a bold totals row (first cell
// `totalLabel`) under the months when there are any.
void showMonthlyTotals(ReportTableModel* model, const QList<MonthlyTotalsRow>& rows, Currency currency,
                       const QString& totalLabel);
void showYearOverYear(ReportTableModel* model, const QList<YearOverYearRow>& rows, Currency currency);
void showAccountSummary(ReportTableModel* model, const QList<AccountSummaryRow>& rows);
void showTransactionListing(ReportTableModel* model, const QList<TransactionListingRow>& rows);

// The label of a stored account-type text: "credit_card" reads "Credit Card",
// any unknown text "Other", in the words the account form uses.
QString accountTypeLabel(const QString& storedType);
