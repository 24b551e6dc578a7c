#pragma once

#include "data/Category.h"

#include <QSet>
#include <QWidget>

class AppState;
class CategoryTreeModel;
class QLineEdit;
class QSortFilterProxyModel;
class QTreeView;

// The category tree: search it, create top-level categories and subcategories,
// edit and (softly) delete them. The view shows the tree through a proxy that
// sorts by name and filters on the search text.
class CategoriesScreen : public QWidget
{
    Q_OBJECT

public:
    explicit CategoriesScreen(AppState* state, QWidget* parent = nullptr);

    // Rebuilds the tree from the ledger; expanded rows stay expanded.
    void reload();

private slots:
    void onCreateCategory();
    void onCreateSubcategory();
    void onEditCategory();
    void onDeleteCategory();

private:
    void createCategory(const QString& parentId);
    void showContextMenu(const QPoint& pos);
    void applySearch(const QString& text);
    QSet<QString> collectExpandedIds() const;
    void collectExpandedIds(const QModelIndex& parent, QSet<QString>& ids) const;
    void restoreExpandedIds(const QSet<QString>& ids);
    void expandCategory(const QString& id);
    Category currentCategory() const;
    QString parentNameOf(const QString& parentId) const;

    AppState* m_state;
    QLineEdit* m_searchEdit = nullptr;
    QTreeView* m_view = nullptr;
    CategoryTreeModel* m_model = nullptr;
    QSortFilterProxyModel* m_proxy = nullptr;
};
