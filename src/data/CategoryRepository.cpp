#include "CategoryRepository.h"

#include "Database.h"
#include "SqlRows.h"
#include "SqlTransaction.h"
#include "SqlValues.h"
#include "SyncedTable.h"

#include <QSqlQuery>
#include <QStringList>

namespace {

constexpr char kTable[] = "categories";
constexpr char kRepository[] = "CategoryRepository";

// Schema order; categoryFromQuery reads by these positions.
const QString kColumns = QStringLiteral(
    "id, name, category_type, parent_id, is_tax_relevant, tax_category, icon, color, is_default, account_id, "
    "version, sync_status, server_id, created_at, updated_at, deleted_at");

QString withColumns(const char* sql)
{
    return QString::fromLatin1(sql).arg(kColumns);
}

} // namespace

CategoryRepository::CategoryRepository(Database* database, QObject* parent)
    : QObject(parent)
    , m_database(database)
{
}

SyncedTable CategoryRepository::syncedTable() const
{
    return SyncedTable(m_database->database(), kTable, kRepository);
}

bool CategoryRepository::emitIf(bool changed)
{
    if (changed)
        emit categoriesChanged();
    return changed;
}

Category CategoryRepository::categoryFromQuery(const QSqlQuery& query)
{
    Category category;
    category.id = SqlValues::text(query, 0);
    category.name = SqlValues::text(query, 1);
    category.categoryType = categoryTypeFromString(SqlValues::text(query, 2));
    category.parentId = SqlValues::text(query, 3);
    category.isTaxRelevant = query.value(4).toInt() != 0;
    category.taxCategory = SqlValues::text(query, 5);
    category.icon = SqlValues::text(query, 6);
    category.color = SqlValues::text(query, 7);
    category.isDefault = query.value(8).toInt() != 0;
    category.accountId = SqlValues::text(query, 9);
    category.version = query.value(10).toInt();
    category.syncStatus = syncStatusFromText(SqlValues::text(query, 11));
    category.serverId = SqlValues::text(query, 12);
    category.createdAt = SqlValues::parseTimestamp(SqlValues::text(query, 13));
    category.updatedAt = SqlValues::parseTimestamp(SqlValues::text(query, 14));
    category.deletedAt = SqlValues::optionalTimestamp(query, 15);
    return category;
}

QList<Category> CategoryRepository::listAll() const
{
    return SqlRows::list<Category>(m_database->database(),
                                   withColumns("SELECT %1 FROM categories WHERE deleted_at IS NULL ORDER BY name"), {},
                                   &CategoryRepository::categoryFromQuery);
}

void CategoryRepository::forEachNamed(const QSet<QString>& names,
                                      const std::function<void(const Category&)>& visit) const
{
    if (names.isEmpty())
        return;
    QSqlQuery query(m_database->database());
    if (!SqlRows::select(query, withColumns("SELECT %1 FROM categories WHERE deleted_at IS NULL ORDER BY name")))
        return;
    while (query.next()) {
        if (names.contains(SqlValues::text(query, 1)))
            visit(categoryFromQuery(query));
    }
}

std::optional<Category> CategoryRepository::findById(const QString& id) const
{
    return SqlRows::first<Category>(m_database->database(), withColumns("SELECT %1 FROM categories WHERE id = ?"),
                                    {id}, &CategoryRepository::categoryFromQuery);
}

std::optional<Category> CategoryRepository::findByName(const QString& name) const
{
    return SqlRows::first<Category>(m_database->database(),
                                    withColumns("SELECT %1 FROM categories WHERE name = ? AND deleted_at IS NULL"),
                                    {name}, &CategoryRepository::categoryFromQuery);
}

QList<Category> CategoryRepository::listPending() const
{
    return SqlRows::list<Category>(m_database->database(),
                                   withColumns("SELECT %1 FROM categories WHERE sync_status = 'pending'"), {},
                                   &CategoryRepository::categoryFromQuery);
}

int CategoryRepository::countLive() const
{
    QSqlQuery query(m_database->database());
    if (!SqlRows::select(query, QStringLiteral("SELECT COUNT(*) FROM categories WHERE deleted_at IS NULL"))
        || !query.next())
        return 0;
    return query.value(0).toInt();
}

QSet<QString> CategoryRepository::allIds() const
{
    QSet<QString> ids;
    QSqlQuery query(m_database->database());
    if (!SqlRows::select(query, QStringLiteral("SELECT id FROM categories"))) {
        SqlValues::logFailure(SqlRows::operationName(kRepository, "allIds"), query);
        return ids;
    }
    while (query.next())
        ids.insert(SqlValues::text(query, 0));
    return ids;
}

QString CategoryRepository::categoryPath(const QString& id) const
{
    QStringList names;
    QString current = id;
    for (int depth = 0; depth < kMaxPathDepth && !current.isEmpty(); ++depth) {
        const std::optional<Category> category = findById(current);
        if (!category)
            break;
        names.prepend(category->name);
        current = category->parentId;
    }
    return names.join(QStringLiteral(" > "));
}

bool CategoryRepository::insert(const Category& category)
{
    return emitIf(write(category));
}

int CategoryRepository::insertAll(const QList<Category>& categories)
{
    if (categories.isEmpty())
        return 0;
    SqlSavepoint savepoint(m_database->database(), QStringLiteral("insert_categories"));
    if (!savepoint.isActive())
        return 0;
    int stored = 0;
    for (const Category& category : categories)
        stored += write(category) ? 1 : 0;
    if (!savepoint.release())
        return 0;
    for (int i = 0; i < stored; ++i)
        emit categoriesChanged();
    return stored;
}

bool CategoryRepository::write(const Category& category)
{
    QSqlQuery query(m_database->database());
    return SqlRows::write(
        query,
        QStringLiteral("INSERT INTO categories (id, name, category_type, parent_id, is_tax_relevant, tax_category, "
                       "icon, color, is_default, account_id, version, sync_status, server_id, created_at, "
                       "updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {category.id, category.name, categoryTypeToString(category.categoryType),
         SqlValues::textOrNull(category.parentId), SqlValues::flag(category.isTaxRelevant), category.taxCategory,
         category.icon, category.color, SqlValues::flag(category.isDefault), SqlValues::textOrNull(category.accountId),
         category.version, syncStatusToText(category.syncStatus), category.serverId,
         SqlValues::timestampOrNull(category.createdAt), SqlValues::timestampOrNull(category.updatedAt)},
        SqlRows::operationName(kRepository, "insert"));
}

bool CategoryRepository::update(const Category& category)
{
    QSqlQuery query(m_database->database());
    return emitIf(SqlRows::write(
        query,
        QStringLiteral("UPDATE categories SET name=?, category_type=?, parent_id=?, is_tax_relevant=?, "
                       "tax_category=?, icon=?, color=?, is_default=?, account_id=?, version=?, sync_status=?, "
                       "server_id=?, updated_at=? WHERE id=?"),
        {category.name, categoryTypeToString(category.categoryType), SqlValues::textOrNull(category.parentId),
         SqlValues::flag(category.isTaxRelevant), category.taxCategory, category.icon, category.color,
         SqlValues::flag(category.isDefault), SqlValues::textOrNull(category.accountId), category.version,
         syncStatusToText(category.syncStatus), category.serverId, SqlValues::timestampOrNull(category.updatedAt),
         category.id},
        SqlRows::operationName(kRepository, "update")));
}

bool CategoryRepository::softDelete(const QString& id)
{
    return emitIf(syncedTable().softDelete(id));
}

int CategoryRepository::markAllPendingForResync(bool* ok)
{
    const int changed = syncedTable().markAllPendingForResync(ok);
    emitIf(changed > 0);
    return changed;
}

bool CategoryRepository::markSynced(const QString& id, const QString& serverId)
{
    return syncedTable().markSynced(id, serverId);
}

bool CategoryRepository::applyServerDeletion(const QString& id, const std::optional<QDateTime>& deletedAt)
{
    return emitIf(syncedTable().applyServerDeletion(id, deletedAt));
}
