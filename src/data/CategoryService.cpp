#include "CategoryService.h"

#include "CategoryRepository.h"
#include "Clock.h"
#include "Identifiers.h"

#include <QCoreApplication>

#include <utility>

namespace {

struct DefaultCategory
{
    const char* key;        // the English name: translation source and part of the id
    const char* type;
    const char* parentKey;  // nullptr for a top-level category
    bool taxRelevant;
    const char* taxKey;     // what the tax report groups by
};

constexpr char kExpense[] = "expense";
constexpr char kIncome[] = "income";

// Parents come before their children. Keys and types must never change: they
// make the ids that other devices and the server already hold.
constexpr DefaultCategory kDefaults[] = {
    {QT_TRANSLATE_NOOP("CategoryService", "Charitable Donations"), kExpense, nullptr, true, "charitable_contributions"},
    {QT_TRANSLATE_NOOP("CategoryService", "Medical Expenses"), kExpense, nullptr, true, "medical_dental"},
    {QT_TRANSLATE_NOOP("CategoryService", "Business Expenses"), kExpense, nullptr, true, "business_expense"},
    {QT_TRANSLATE_NOOP("CategoryService", "Home Office"), kExpense, "Business Expenses", true, "home_office"},
    {QT_TRANSLATE_NOOP("CategoryService", "Education Expenses"), kExpense, nullptr, true, "education"},
    {QT_TRANSLATE_NOOP("CategoryService", "State & Local Taxes"), kExpense, nullptr, true, "salt"},
    {QT_TRANSLATE_NOOP("CategoryService", "Mortgage Interest"), kExpense, nullptr, true, "mortgage_interest"},
    {QT_TRANSLATE_NOOP("CategoryService", "Property Tax"), kExpense, nullptr, true, "schedule_a_property_tax"},
    {QT_TRANSLATE_NOOP("CategoryService", "Housing"), kExpense, nullptr, false, ""},
    {QT_TRANSLATE_NOOP("CategoryService", "Rent/Mortgage Payment"), kExpense, "Housing", false, ""},
    {QT_TRANSLATE_NOOP("CategoryService", "Maintenance"), kExpense, "Housing", false, ""},
    {QT_TRANSLATE_NOOP("CategoryService", "HOA"), kExpense, "Housing", false, ""},
    {QT_TRANSLATE_NOOP("CategoryService", "Utilities"), kExpense, nullptr, false, ""},
    {QT_TRANSLATE_NOOP("CategoryService", "Electric"), kExpense, "Utilities", false, ""},
    {QT_TRANSLATE_NOOP("CategoryService", "Gas"), kExpense, "Utilities", false, ""},
    {QT_TRANSLATE_NOOP("CategoryService", "Water"), kExpense, "Utilities", false, ""},
    {QT_TRANSLATE_NOOP("CategoryService", "Internet"), kExpense, "Utilities", false, ""},
    {QT_TRANSLATE_NOOP("CategoryService", "Phone"), kExpense, "Utilities", false, ""},
    {QT_TRANSLATE_NOOP("CategoryService", "Transportation"), kExpense, nullptr, false, ""},
    {QT_TRANSLATE_NOOP("CategoryService", "Gas/Fuel"), kExpense, "Transportation", false, ""},
    {QT_TRANSLATE_NOOP("CategoryService", "Car Payment"), kExpense, "Transportation", false, ""},
    {QT_TRANSLATE_NOOP("CategoryService", "Auto Insurance"), kExpense, "Transportation", false, ""},
    {QT_TRANSLATE_NOOP("CategoryService", "Maintenance"), kExpense, "Transportation", false, ""},
    {QT_TRANSLATE_NOOP("CategoryService", "Public Transit"), kExpense, "Transportation", false, ""},
    {QT_TRANSLATE_NOOP("CategoryService", "Groceries"), kExpense, nullptr, false, ""},
    {QT_TRANSLATE_NOOP("CategoryService", "Dining & Restaurants"), kExpense, nullptr, false, ""},
    {QT_TRANSLATE_NOOP("CategoryService", "Personal Care"), kExpense, nullptr, false, ""},
    {QT_TRANSLATE_NOOP("CategoryService", "Pets"), kExpense, nullptr, false, ""},
    {QT_TRANSLATE_NOOP("CategoryService", "Subscriptions"), kExpense, nullptr, false, ""},
    {QT_TRANSLATE_NOOP("CategoryService", "Gifts"), kExpense, nullptr, false, ""},
    {QT_TRANSLATE_NOOP("CategoryService", "Miscellaneous"), kExpense, nullptr, false, ""},
    {QT_TRANSLATE_NOOP("CategoryService", "Entertainment"), kExpense, nullptr, false, ""},
    {QT_TRANSLATE_NOOP("CategoryService", "Streaming"), kExpense, "Entertainment", false, ""},
    {QT_TRANSLATE_NOOP("CategoryService", "Movies"), kExpense, "Entertainment", false, ""},
    {QT_TRANSLATE_NOOP("CategoryService", "Events"), kExpense, "Entertainment", false, ""},
    {QT_TRANSLATE_NOOP("CategoryService", "Shopping"), kExpense, nullptr, false, ""},
    {QT_TRANSLATE_NOOP("CategoryService", "Clothing"), kExpense, "Shopping", false, ""},
    {QT_TRANSLATE_NOOP("CategoryService", "Electronics"), kExpense, "Shopping", false, ""},
    {QT_TRANSLATE_NOOP("CategoryService", "Household"), kExpense, "Shopping", false, ""},
    {QT_TRANSLATE_NOOP("CategoryService", "Insurance"), kExpense, nullptr, false, ""},
    {QT_TRANSLATE_NOOP("CategoryService", "Health"), kExpense, "Insurance", false, ""},
    {QT_TRANSLATE_NOOP("CategoryService", "Life"), kExpense, "Insurance", false, ""},
    {QT_TRANSLATE_NOOP("CategoryService", "Home/Renters"), kExpense, "Insurance", false, ""},
    {QT_TRANSLATE_NOOP("CategoryService", "Auto"), kExpense, "Insurance", false, ""},
    {QT_TRANSLATE_NOOP("CategoryService", "Fees & Charges"), kExpense, nullptr, false, ""},
    {QT_TRANSLATE_NOOP("CategoryService", "Bank Fees"), kExpense, "Fees & Charges", false, ""},
    {QT_TRANSLATE_NOOP("CategoryService", "ATM Fees"), kExpense, "Fees & Charges", false, ""},
    {QT_TRANSLATE_NOOP("CategoryService", "Late Fees"), kExpense, "Fees & Charges", false, ""},
    {QT_TRANSLATE_NOOP("CategoryService", "Salary / Wages"), kIncome, nullptr, false, ""},
    {QT_TRANSLATE_NOOP("CategoryService", "Interest Income"), kIncome, nullptr, true, "interest_income"},
    {QT_TRANSLATE_NOOP("CategoryService", "Dividend Income"), kIncome, nullptr, true, "dividend_income"},
    {QT_TRANSLATE_NOOP("CategoryService", "Rental Income"), kIncome, nullptr, true, "rental_income"},
    {QT_TRANSLATE_NOOP("CategoryService", "Freelance / Consulting"), kIncome, nullptr, true, "self_employment"},
    {QT_TRANSLATE_NOOP("CategoryService", "Refunds"), kIncome, nullptr, false, ""},
    {QT_TRANSLATE_NOOP("CategoryService", "Gifts Received"), kIncome, nullptr, false, ""},
    {QT_TRANSLATE_NOOP("CategoryService", "Other Income"), kIncome, nullptr, false, ""},
};

} // namespace

CategoryService::CategoryService(CategoryRepository* repository, QObject* parent)
    : QObject(parent)
    , m_repository(repository)
{
}

void CategoryService::seedIfEmpty()
{
    if (m_repository->countLive() == 0)
        seedDefaultCategories();
}

void CategoryService::seedDefaultCategories()
{
    m_keyToId.clear();
    m_idToKey.clear();
    m_existingIds = m_repository->allIds();

    for (const DefaultCategory& entry : kDefaults) {
        const QString key = QString::fromUtf8(entry.key);
        const QString parentId = entry.parentKey ? defaultCategoryId(QString::fromUtf8(entry.parentKey)) : QString();
        createDefaultCategory(key, QCoreApplication::translate("CategoryService", entry.key),
                              QString::fromLatin1(entry.type), parentId, entry.taxRelevant,
                              QString::fromLatin1(entry.taxKey));
    }
    // One transaction for all: a first start would otherwise sync the file to
    // disk once per default.
    m_repository->insertAll(std::exchange(m_missing, {}));

    m_keyToId.clear();
    m_idToKey.clear();
}

void CategoryService::createDefaultCategory(const QString& key, const QString& displayName, const QString& typeText,
                                            const QString& parentId, bool isTaxRelevant, const QString& taxCategory)
{
    const QString parentKey = m_idToKey.value(parentId);
    // One pass of arg(), so a name can never be read as a placeholder.
    const QString id = nameBasedId(dnsNamespace(), QStringLiteral("%1:%2:%3").arg(typeText, parentKey, key));
    // Recorded even when the default exists already, so that its children
    // still find their parent's id and key.
    m_keyToId.insert(key, id);
    m_idToKey.insert(id, key);

    // Never again once it exists, even deleted: the user removed or renamed it.
    if (m_existingIds.contains(id))
        return;

    Category category;
    category.id = id;
    category.name = displayName;
    category.categoryType = categoryTypeFromString(typeText);
    category.parentId = parentId;
    category.isTaxRelevant = isTaxRelevant;
    category.taxCategory = taxCategory;
    category.isDefault = true;
    category.createdAt = Clock::nowUtc();
    category.updatedAt = category.createdAt;
    m_missing.append(category);
    m_existingIds.insert(id);
}

QString CategoryService::defaultCategoryId(const QString& key) const
{
    return m_keyToId.value(key);
}
