#include "RecurringTransaction.h"

#include "SqlValues.h"

namespace {

struct FrequencyText
{
    RecurringFrequency frequency;
    QLatin1StringView text;
};

constexpr FrequencyText kFrequencyTexts[] = {
    {RecurringFrequency::Daily, QLatin1StringView("daily")},
    {RecurringFrequency::Weekly, QLatin1StringView("weekly")},
    {RecurringFrequency::Biweekly, QLatin1StringView("biweekly")},
    {RecurringFrequency::Monthly, QLatin1StringView("monthly")},
    {RecurringFrequency::Semimonthly, QLatin1StringView("semimonthly")},
    {RecurringFrequency::Quarterly, QLatin1StringView("quarterly")},
    {RecurringFrequency::SemiAnnual, QLatin1StringView("semi_annual")},
    {RecurringFrequency::Annual, QLatin1StringView("annual")},
};

const QDate kEarliestDueDate(2000, 1, 1);

} // namespace

QString frequencyToString(RecurringFrequency frequency)
{
    for (const FrequencyText& entry : kFrequencyTexts) {
        if (entry.frequency == frequency)
            return entry.text;
    }
    return QStringLiteral("monthly");
}

RecurringFrequency frequencyFromString(const QString& text)
{
    for (const FrequencyText& entry : kFrequencyTexts) {
        if (text == entry.text)
            return entry.frequency;
    }
    return RecurringFrequency::Monthly;
}

bool isBrokenRecurringDate(const QDate& date)
{
    return !date.isValid() || date < kEarliestDueDate;
}

QString dateTextForLog(const QDate& date)
{
    return date.isValid() ? SqlValues::dateText(date) : QStringLiteral("invalid");
}
