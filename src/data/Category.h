#pragma once

#include "SyncStatus.h"

#include <QDateTime>
#include <QString>

#include <optional>

// Stored in categories.category_type as its text.
enum class CategoryType { Income = 0, Expense = 1, Transfer = 2 };

// The stored text; a value outside the enumeration is written as "expense".
QString categoryTypeToString(CategoryType type);
// Exactly "income" or "transfer"; every other text (other letter case too) is Expense.
CategoryType categoryTypeFromString(const QString& text);

// One row of the categories table, fields in column order.
struct Category
{
    QString id;
    QString name;
    CategoryType categoryType = CategoryType::Expense;
    QString parentId;           // empty for a top-level category (NULL in the table)
    bool isTaxRelevant = false;
    QString taxCategory;        // the key the tax report groups by
    QString icon;
    QString color;
    bool isDefault = false;     // one of the seeded defaults
    QString accountId;          // empty when tied to no account (NULL in the table)
    int version = 1;
    SyncStatus syncStatus = SyncStatus::Pending;
    QString serverId;
    QDateTime createdAt;
    QDateTime updatedAt;
    std::optional<QDateTime> deletedAt;
};
