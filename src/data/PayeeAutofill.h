#pragma once

#include <QString>

#include <optional>

class CategoryRepository;
class TransactionRepository;

// What a new transaction takes over when a known payee is chosen: the amount,
// category and memo of that payee's newest live transaction in the account.
// The register's entry row and the transaction form both fill themselves from it.
struct PayeeAutofill
{
    qint64 amount = 0; // signed: below zero a payment
    // Empty when that transaction had no category or its category is gone for
    // good; a deleted category still names what the payee was filed under.
    QString categoryId;
    QString categoryName; // the category's own name, without its parent's
    QString memo;
};

// Nothing when the account holds no live transaction of exactly that payee.
std::optional<PayeeAutofill> payeeAutofill(const TransactionRepository& transactions,
                                           const CategoryRepository& categories, const QString& payee,
                                           const QString& accountId);
