#pragma once

#include "data/Category.h"

#include <QAbstractItemModel>
#include <QList>

#include <memory>
#include <vector>

// One category in the tree; a node owns its children.
struct CategoryNode
{
    Category category;
    std::vector<std::unique_ptr<CategoryNode>> children;
    CategoryNode* parent = nullptr; // the root for a top-level node; null only for the root
    int row = 0;                    // position among the parent's children
};

// The live categories as a read-only tree of three columns: name, type and tax
// code. Each category sits under the category its parent id names, or at the
// top level when that parent is not in the list. Siblings are in ascending id
// order; the categories screen sorts them by name through its proxy.
class CategoryTreeModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    explicit CategoryTreeModel(QObject* parent = nullptr);
    ~CategoryTreeModel() override;

    void setCategories(const QList<Category>& categories);
    // A default Category (empty id) for an invalid index.
    Category categoryAt(const QModelIndex& index) const;
    // Column 0 of the category's row; invalid for an empty or unknown id.
    QModelIndex indexForId(const QString& id) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& index) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    CategoryNode* nodeOf(const QModelIndex& index) const;

    std::unique_ptr<CategoryNode> m_root;
};
