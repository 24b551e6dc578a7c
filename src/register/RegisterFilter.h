#pragma once

#include <QDate>
#include <QString>

#include <optional>

struct RegisterRow;
struct Transaction;

// What one account's register is narrowed to: cleared state, a date range and
// one category. Stored per account as compact JSON under registerFilterKey().
struct RegisterFilter
{
    std::optional<bool> cleared; // absent: all; true: cleared only; false: uncleared only
    QDate dateFrom;              // invalid: no lower bound
    QDate dateTo;                // invalid: no upper bound
    QString categoryId;          // empty: any

    bool matches(const Transaction& transaction) const;
    bool matches(const RegisterRow& row) const;
    // 0 to 3: cleared, the date range (either bound) and the category count once each.
    int activeCount() const;

    // Only the keys that are set: "cleared", "dateFrom", "dateTo", "categoryId".
    QString toJson() const;
    // Takes only the keys of the right JSON type; anything else reads as unset.
    static RegisterFilter fromJson(const QString& text);

    bool operator==(const RegisterFilter&) const = default;

private:
    bool matches(bool isCleared, const QDate& date, bool isSplit, const QString& rowCategoryId) const;
};

QString registerFilterKey(const QString& accountId);
