#include "Category.h"

QString categoryTypeToString(CategoryType type)
{
    switch (type) {
    case CategoryType::Income: return QStringLiteral("income");
    case CategoryType::Transfer: return QStringLiteral("transfer");
    case CategoryType::Expense: break;
    }
    return QStringLiteral("expense");
}

CategoryType categoryTypeFromString(const QString& text)
{
    if (text == QLatin1String("income"))
        return CategoryType::Income;
    if (text == QLatin1String("transfer"))
        return CategoryType::Transfer;
    return CategoryType::Expense;
}
