#include "CategoryTreeModel.h"

#include <QColor>
#include <QFont>
#include <QSet>

#include <map>

namespace {

using NodesById = std::map<QString, std::unique_ptr<CategoryNode>>;

CategoryNode* namedParent(const NodesById& nodes, const CategoryNode* node)
{
    if (node->category.parentId.isEmpty())
        return nullptr;
    const auto found = nodes.find(node->category.parentId);
    return found == nodes.end() ? nullptr : found->second.get();
}

// Parent ids arrive from other devices, so two categories may name each other.
// Such a loop has no way up to the top level: its members would vanish.
bool isInParentLoop(const NodesById& nodes, const CategoryNode* node)
{
    QSet<const CategoryNode*> seen;
    for (const CategoryNode* up = namedParent(nodes, node); up; up = namedParent(nodes, up)) {
        if (up == node)
            return true;
        if (seen.contains(up))
            return false; // a loop further up, which does not hold this node
        seen.insert(up);
    }
    return false;
}

} // namespace

CategoryTreeModel::CategoryTreeModel(QObject* parent)
    : QAbstractItemModel(parent)
    , m_root(std::make_unique<CategoryNode>())
{
}

CategoryTreeModel::~CategoryTreeModel() = default;

void CategoryTreeModel::setCategories(const QList<Category>& categories)
{
    beginResetModel();
    m_root = std::make_unique<CategoryNode>();

    NodesById nodes; // ordered by id text, so every child list is in id order
    for (const Category& category : categories) {
        auto node = std::make_unique<CategoryNode>();
        node->category = category;
        nodes[category.id] = std::move(node);
    }
    for (const auto& entry : nodes) {
        CategoryNode* node = entry.second.get();
        CategoryNode* parent = isInParentLoop(nodes, node) ? nullptr : namedParent(nodes, node);
        node->parent = parent ? parent : m_root.get();
    }
    for (auto& entry : nodes) {
        CategoryNode* parent = entry.second->parent;
        entry.second->row = int(parent->children.size());
        parent->children.push_back(std::move(entry.second));
    }
    endResetModel();
}

CategoryNode* CategoryTreeModel::nodeOf(const QModelIndex& index) const
{
    return index.isValid() ? static_cast<CategoryNode*>(index.internalPointer()) : m_root.get();
}

Category CategoryTreeModel::categoryAt(const QModelIndex& index) const
{
    const CategoryNode* node = nodeOf(index);
    return node && node != m_root.get() ? node->category : Category();
}

QModelIndex CategoryTreeModel::indexForId(const QString& id) const
{
    if (id.isEmpty())
        return QModelIndex();
    QList<CategoryNode*> pending;
    for (const auto& child : m_root->children)
        pending.append(child.get());
    while (!pending.isEmpty()) {
        CategoryNode* node = pending.takeLast();
        if (node->category.id == id)
            return createIndex(node->row, 0, node);
        for (const auto& child : node->children)
            pending.append(child.get());
    }
    return QModelIndex();
}

QModelIndex CategoryTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    if (parent.column() > 0)
        return QModelIndex();
    const CategoryNode* node = nodeOf(parent);
    if (!node || row < 0 || row >= int(node->children.size()) || column < 0 || column >= columnCount())
        return QModelIndex();
    return createIndex(row, column, node->children[std::size_t(row)].get());
}

QModelIndex CategoryTreeModel::parent(const QModelIndex& index) const
{
    const CategoryNode* node = nodeOf(index);
    if (!node || !node->parent || node->parent == m_root.get())
        return QModelIndex();
    return createIndex(node->parent->row, 0, node->parent);
}

int CategoryTreeModel::rowCount(const QModelIndex& parent) const
{
    if (parent.column() > 0)
        return 0;
    const CategoryNode* node = nodeOf(parent);
    return node ? int(node->children.size()) : 0;
}

int CategoryTreeModel::columnCount(const QModelIndex&) const
{
    return 3;
}

QVariant CategoryTreeModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const CategoryNode* node = nodeOf(index);
    const Category& category = node->category;
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case 0: return category.name;
        case 1: return categoryTypeToString(category.categoryType);
        case 2: return category.isTaxRelevant ? category.taxCategory : QString();
        default: return QVariant();
        }
    case Qt::ForegroundRole:
        if (index.column() == 1 && category.categoryType == CategoryType::Income)
            return QColor(0, 136, 0);
        return QVariant();
    case Qt::FontRole:
        if (index.column() == 0 && !node->children.empty()) {
            QFont font;
            font.setWeight(QFont::Bold);
            return font;
        }
        return QVariant();
    default:
        return QVariant();
    }
}

QVariant CategoryTreeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    switch (section) {
    case 0: return tr("Category");
    case 1: return tr("Type");
    case 2: return tr("Tax Code");
    default: return QVariant();
    }
}
