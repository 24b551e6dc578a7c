#include "CategoriesScreen.h"

#include "CategoryFormDialog.h"
#include "CategoryTreeModel.h"

#include "data/CategoryRepository.h"
#include "state/AppState.h"
#include "widgets/Appearance.h"
#include "widgets/MessageBox.h"
#include "widgets/ModalDialog.h"
#include "widgets/LedgerWatch.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTreeView>
#include <QVBoxLayout>

CategoriesScreen::CategoriesScreen(AppState* state, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);

    auto* header = new QHBoxLayout;
    auto* title = new QLabel(tr("Categories"), this);
    applyFontRoleWithWeight(title, 4, 700);
    header->addWidget(title);
    header->addStretch();
    m_searchEdit = new QLineEdit(this);
    m_searchEdit->setObjectName(QStringLiteral("searchEdit"));
    m_searchEdit->setPlaceholderText(tr("Search categories..."));
    m_searchEdit->setClearButtonEnabled(true);
    m_searchEdit->setMaximumWidth(280);
    header->addWidget(m_searchEdit);
    auto* newButton = new QPushButton(tr("+ New Category"), this);
    newButton->setObjectName(QStringLiteral("newCategoryButton"));
    header->addWidget(newButton);
    layout->addLayout(header);

    m_model = new CategoryTreeModel(this);
    m_proxy = new QSortFilterProxyModel(this);
    m_proxy->setSourceModel(m_model);
    m_proxy->setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_proxy->setFilterKeyColumn(0);
    m_proxy->setRecursiveFilteringEnabled(true);
    m_proxy->setSortCaseSensitivity(Qt::CaseInsensitive);
    m_proxy->setSortLocaleAware(true);
    m_proxy->setDynamicSortFilter(true);

    m_view = new QTreeView(this);
    m_view->setObjectName(QStringLiteral("categoryTree"));
    m_view->setModel(m_proxy);
    m_view->setAlternatingRowColors(true);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    m_view->setSortingEnabled(true);
    m_view->sortByColumn(0, Qt::AscendingOrder);
    m_view->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    layout->addWidget(m_view, 1);

    connect(m_searchEdit, &QLineEdit::textChanged, this, &CategoriesScreen::applySearch);
    connect(newButton, &QPushButton::clicked, this, &CategoriesScreen::onCreateCategory);
    connect(m_view, &QTreeView::customContextMenuRequested, this, &CategoriesScreen::showContextMenu);

    new LedgerWatch(m_state, LedgerPart::Categories, [this] { reload(); }, this);
}

void CategoriesScreen::reload()
{
    const QSet<QString> expanded = collectExpandedIds();
    m_model->setCategories(m_state->categoryRepository->listAll());
    restoreExpandedIds(expanded);
}

void CategoriesScreen::applySearch(const QString& text)
{
    m_proxy->setFilterFixedString(text);
    if (text.isEmpty())
        m_view->collapseAll();
    else
        m_view->expandAll();
}

QSet<QString> CategoriesScreen::collectExpandedIds() const
{
    QSet<QString> ids;
    collectExpandedIds(QModelIndex(), ids);
    return ids;
}

void CategoriesScreen::collectExpandedIds(const QModelIndex& parent, QSet<QString>& ids) const
{
    for (int row = 0; row < m_proxy->rowCount(parent); ++row) {
        const QModelIndex index = m_proxy->index(row, 0, parent);
        if (m_view->isExpanded(index))
            ids.insert(m_model->categoryAt(m_proxy->mapToSource(index)).id);
        if (m_proxy->hasChildren(index))
            collectExpandedIds(index, ids);
    }
}

void CategoriesScreen::restoreExpandedIds(const QSet<QString>& ids)
{
    for (const QString& id : ids)
        expandCategory(id);
}

void CategoriesScreen::expandCategory(const QString& id)
{
    const QModelIndex shown = m_proxy->mapFromSource(m_model->indexForId(id));
    if (shown.isValid())
        m_view->expand(shown);
}

Category CategoriesScreen::currentCategory() const
{
    return m_model->categoryAt(m_proxy->mapToSource(m_view->currentIndex()));
}

QString CategoriesScreen::parentNameOf(const QString& parentId) const
{
    if (parentId.isEmpty())
        return QString();
    const std::optional<Category> parent = m_state->categoryRepository->findById(parentId);
    return parent ? parent->name : QString();
}

void CategoriesScreen::showContextMenu(const QPoint& pos)
{
    const QModelIndex index = m_view->indexAt(pos);
    QMenu menu(this);
    menu.addAction(tr("&New Category"), this, &CategoriesScreen::onCreateCategory);
    if (index.isValid()) {
        // Subcategories are made only under top-level categories.
        if (m_model->categoryAt(m_proxy->mapToSource(index)).parentId.isEmpty())
            menu.addAction(tr("Add &Subcategory"), this, &CategoriesScreen::onCreateSubcategory);
        menu.addSeparator();
        menu.addAction(tr("&Edit"), this, &CategoriesScreen::onEditCategory);
        menu.addAction(tr("&Delete"), this, &CategoriesScreen::onDeleteCategory);
    }
    menu.exec(m_view->viewport()->mapToGlobal(pos));
}

void CategoriesScreen::onCreateCategory()
{
    createCategory(QString());
}

void CategoriesScreen::onCreateSubcategory()
{
    const Category category = currentCategory();
    if (!category.id.isEmpty() && category.parentId.isEmpty())
        createCategory(category.id);
}

void CategoriesScreen::createCategory(const QString& parentId)
{
    CategoryFormDialog dialog(parentId, parentNameOf(parentId), this);
    if (ModalDialog::exec(&dialog) != QDialog::Accepted)
        return;
    const Category created = dialog.category();
    if (created.name.isEmpty())
        return;
    m_state->categoryRepository->insert(created);
    reload();
    if (!parentId.isEmpty())
        expandCategory(parentId);
}

void CategoriesScreen::onEditCategory()
{
    const Category category = currentCategory();
    if (category.id.isEmpty())
        return;
    CategoryFormDialog dialog(category, parentNameOf(category.parentId), this);
    if (ModalDialog::exec(&dialog) != QDialog::Accepted)
        return;
    Category edited = dialog.category();
    if (edited.name.isEmpty())
        return;
    edited.version = category.version + 1;
    edited.syncStatus = SyncStatus::Pending;
    m_state->categoryRepository->update(edited);
    reload();
}

void CategoriesScreen::onDeleteCategory()
{
    const Category category = currentCategory();
    if (category.id.isEmpty())
        return;
    if (MessageBox::question(this, tr("Delete Category"),
                             tr("Delete \"%1\"? Transactions using this category will become uncategorized.")
                                 .arg(category.name))
        != QMessageBox::Yes)
        return;
    m_state->categoryRepository->softDelete(category.id);
    reload();
}
