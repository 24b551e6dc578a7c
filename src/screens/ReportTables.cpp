#include "ReportTables.h"

#include "AccountFormDialog.h"
#include "ReportTableModel.h"

#include <QLocale>

// Each cell function keeps its own copy of the rows (implicitly shared, so
// copying costs nothing): the model may ask for a cell long after this run.

void showCategorySpending(ReportTableModel* model, const QList<CategoryTotalRow>& rows, Currency currency)
{
    model->setRows(int(rows.size()), [rows, currency](int row, int column) {
        const CategoryTotalRow& r = rows.at(row);
        return column == 0 ? r.name : formatMoney(r.total, currency);
    });
}

void showPayeeSummary(ReportTableModel* model, const QList<PayeeSummaryRow>& rows, Currency currency)
{
    model->setRows(int(rows.size()), [rows, currency](int row, int column) {
        const PayeeSummaryRow& r = rows.at(row);
        switch (column) {
        case 0:
            return r.payee;
        case 1:
            return formatMoney(r.total, currency);
        default:
            return QString::number(r.count);
        }
    });
}

void showTaxReport(ReportTableModel* model, const QList<TaxReportRow>& rows, Currency currency)
{
    model->setRows(int(rows.size()), [rows, currency](int row, int column) {
        const TaxReportRow& r = rows.at(row);
        switch (column) {
        case 0:
            return r.name;
        case 1:
            return r.taxCategory;
        default:
            return formatMoney(r.total, currency);
        }
    });
}

void showMonthlyTotals(ReportTableModel* model, const QList<MonthlyTotalsRow>& rows, Currency currency,
                       const QString& totalLabel)
{
    if (rows.isEmpty()) {
        model->clear();
        return;
    }
    MonthlyTotalsRow total;
    total.month = totalLabel;
    for (const MonthlyTotalsRow& r : rows) {
        total.inflows += r.inflows;
        total.outflows += r.outflows;
        total.net += r.net;
    }
    if (!total.inflows.fits() || !total.outflows.fits() || !total.net.fits())
        MoneySum::logOutOfRange(QStringLiteral("The total row of a report"));
    model->setRows(
        int(rows.size()) + 1,
        [rows, total, currency](int row, int column) {
            const MonthlyTotalsRow& r = row < rows.size() ? rows.at(row) : total;
            switch (column) {
            case 0:
                return r.month;
            case 1:
                return formatMoney(r.inflows, currency);
            case 2:
                return formatMoney(r.outflows, currency);
            default:
                return formatMoney(r.net, currency);
            }
        },
        1);
}

void showYearOverYear(ReportTableModel* model, const QList<YearOverYearRow>& rows, Currency currency)
{
    model->setRows(int(rows.size()), [rows, currency](int row, int column) {
        const YearOverYearRow& r = rows.at(row);
        switch (column) {
        case 0:
            return r.category;
        case 1:
            return formatMoney(r.period1Total, currency);
        case 2:
            return formatMoney(r.period2Total, currency);
        default:
            return formatMoney(r.difference, currency);
        }
    });
}

void showAccountSummary(ReportTableModel* model, const QList<AccountSummaryRow>& rows)
{
    model->setRows(int(rows.size()), [rows](int row, int column) {
        const AccountSummaryRow& r = rows.at(row);
        switch (column) {
        case 0:
            return r.name;
        case 1:
            return accountTypeLabel(r.accountType);
        case 2:
            return formatMoney(r.clearedBalance, r.currency);
        case 3:
            return formatMoney(r.unclearedSum, r.currency);
        default:
            return formatMoney(r.balance, r.currency);
        }
    });
}

void showTransactionListing(ReportTableModel* model, const QList<TransactionListingRow>& rows)
{
    model->setRows(int(rows.size()), [rows](int row, int column) {
        const TransactionListingRow& r = rows.at(row);
        switch (column) {
        case 0:
            return QLocale().toString(r.date, QLocale::ShortFormat);
        case 1:
            return r.accountName;
        case 2:
            return r.payee;
        case 3:
            return r.categoryName;
        case 4:
            return r.memo;
        default:
            return formatMoney(r.amount, r.currency);
        }
    });
}

QString accountTypeLabel(const QString& storedType)
{
    return AccountFormDialog::typeName(accountTypeFromString(storedType));
}
