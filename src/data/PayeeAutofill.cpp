#include "PayeeAutofill.h"

#include "CategoryRepository.h"
#include "TransactionRepository.h"

std::optional<PayeeAutofill> payeeAutofill(const TransactionRepository& transactions,
                                           const CategoryRepository& categories, const QString& payee,
                                           const QString& accountId)
{
    const std::optional<Transaction> last = transactions.lastByPayee(payee, accountId);
    if (!last)
        return std::nullopt;
    PayeeAutofill fill;
    fill.amount = last->amount;
    fill.memo = last->memo;
    if (!last->categoryId.isEmpty()) {
        if (const std::optional<Category> category = categories.findById(last->categoryId)) {
            fill.categoryId = category->id;
            fill.categoryName = category->name;
        }
    }
    return fill;
}
