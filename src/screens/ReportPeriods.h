#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

// The periods the reports screen offers, computed from the day they are asked on.

// A named period preset, its name in the interface's language; "Custom" has
// no dates, it leaves the period to the user.
struct ReportPeriod
{
    QString name;
    QDate from;
    QDate to;

    bool isCustom() const { return !from.isValid(); }
};

// The eleven presets, "This Month" first and "Custom" last.
QList<ReportPeriod> reportPeriodPresets(QDate today);

// The two periods of the year-over-year comparison.
struct ComparisonPeriods
{
    QDate period1From;
    QDate period1To;
    QDate period2From;
    QDate period2To;
};

enum class ComparisonMode {
    ThisYearVsLastYear = 0,
    LastYearVsYearBefore = 1,
    ThisQuarterVsLastQuarter = 2,
    Custom = 3,
};

// The periods of a mode; none for Custom, whose periods the user sets.
std::optional<ComparisonPeriods> comparisonPeriods(ComparisonMode mode, QDate today);
