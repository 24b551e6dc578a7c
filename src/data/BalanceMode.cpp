#include "BalanceMode.h"

#include "PreferencesRepository.h"

QString balanceModeText(BalanceMode mode)
{
    switch (mode) {
    case BalanceMode::Cleared: return QStringLiteral("cleared");
    case BalanceMode::AsOfToday: return QStringLiteral("asOfToday");
    case BalanceMode::Current: break;
    }
    return QStringLiteral("current");
}

BalanceMode balanceModeFromText(const QString& text)
{
    if (text == QLatin1String("cleared"))
        return BalanceMode::Cleared;
    if (text == QLatin1String("asOfToday"))
        return BalanceMode::AsOfToday;
    return BalanceMode::Current;
}

BalanceMode dashboardBalanceMode(const PreferencesRepository& preferences)
{
    return balanceModeFromText(
        preferences.getString(QStringLiteral("dashboardBalanceMode"), QStringLiteral("current")));
}
