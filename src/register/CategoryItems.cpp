#include "CategoryItems.h"

#include <QComboBox>
#include <QHash>

void addCategoryItems(QComboBox* combo, const QList<Category>& categories)
{
    QHash<QString, QString> names;
    for (const Category& category : categories)
        names.insert(category.id, category.name);
    for (const Category& category : categories) {
        const auto parentName = names.constFind(category.parentId);
        const bool child = !category.parentId.isEmpty() && parentName != names.cend();
        combo->addItem(child ? QStringLiteral("%1 > %2").arg(*parentName, category.name) : category.name,
                       category.id);
    }
}
