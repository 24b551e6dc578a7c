#include "ReportPeriods.h"

#include <QCoreApplication>

namespace {

QDate quarterStart(QDate today)
{
    return QDate(today.year(), (today.month() - 1) / 3 * 3 + 1, 1);
}

QDate yearStart(int year)
{
    return QDate(year, 1, 1);
}

QDate yearEnd(int year)
{
    return QDate(year, 12, 31);
}

} // namespace

QList<ReportPeriod> reportPeriodPresets(QDate today)
{
    const int y = today.year();
    const QDate monthStart(y, today.month(), 1);
    const QDate quarter = quarterStart(today);
    // The names are the reports screen's texts.
    return {
        {QCoreApplication::translate("ReportsScreen", "This Month"), monthStart, today},
        {QCoreApplication::translate("ReportsScreen", "Last Month"), monthStart.addMonths(-1), monthStart.addDays(-1)},
        {QCoreApplication::translate("ReportsScreen", "This Quarter"), quarter, today},
        {QCoreApplication::translate("ReportsScreen", "Last Quarter"), quarter.addMonths(-3), quarter.addDays(-1)},
        {QCoreApplication::translate("ReportsScreen", "This Year"), yearStart(y), today},
        {QCoreApplication::translate("ReportsScreen", "Last Year"), yearStart(y - 1), yearEnd(y - 1)},
        {QCoreApplication::translate("ReportsScreen", "Last 30 Days"), today.addDays(-30), today},
        {QCoreApplication::translate("ReportsScreen", "Last 90 Days"), today.addDays(-90), today},
        {QCoreApplication::translate("ReportsScreen", "Last 12 Months"), today.addYears(-1), today},
        // Older entries are outside every preset but Custom.
        {QCoreApplication::translate("ReportsScreen", "All Time"), QDate(2000, 1, 1), today},
        {QCoreApplication::translate("ReportsScreen", "Custom"), QDate(), QDate()},
    };
}

std::optional<ComparisonPeriods> comparisonPeriods(ComparisonMode mode, QDate today)
{
    const int y = today.year();
    const QDate quarter = quarterStart(today);
    switch (mode) {
    case ComparisonMode::ThisYearVsLastYear:
        return ComparisonPeriods{yearStart(y - 1), yearEnd(y - 1), yearStart(y), today};
    case ComparisonMode::LastYearVsYearBefore:
        return ComparisonPeriods{yearStart(y - 2), yearEnd(y - 2), yearStart(y - 1), yearEnd(y - 1)};
    case ComparisonMode::ThisQuarterVsLastQuarter:
        return ComparisonPeriods{quarter.addMonths(-3), quarter.addDays(-1), quarter, today};
    case ComparisonMode::Custom:
        break;
    }
    return std::nullopt;
}
