#pragma once

#include "Category.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QSet>
#include <QString>

class CategoryRepository;

// Gives every ledger the same starting tree of income and expense categories.
// Each default's id is derived from its type, parent and English name, so the
// same default has the same id on every device and in every language: seeding
// never duplicates a default that exists (live or deleted), and defaults pulled
// from the server meet the local ones under the same ids.
class CategoryService : public QObject
{
    Q_OBJECT

public:
    explicit CategoryService(CategoryRepository* repository, QObject* parent = nullptr);

    // Seeds only a ledger without a single live category.
    void seedIfEmpty();
    // Inserts every default whose id is not in the table yet; touches nothing else.
    void seedDefaultCategories();

private:
    void createDefaultCategory(const QString& key, const QString& displayName, const QString& typeText,
                               const QString& parentId, bool isTaxRelevant, const QString& taxCategory);
    QString defaultCategoryId(const QString& key) const;

    CategoryRepository* m_repository;
    // The working state of one run; the maps are empty between runs.
    QSet<QString> m_existingIds;
    QMap<QString, QString> m_keyToId;
    QMap<QString, QString> m_idToKey;
    // The defaults to insert at the end of the run, parents first.
    QList<Category> m_missing;
};
