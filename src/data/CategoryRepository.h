#pragma once

#include "Category.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>

#include <functional>
#include <optional>

class Database;
class QSqlQuery;
class SyncedTable;

// The only code that reads and writes the categories table. Writes take the
// record's version, status and times as given (see AccountRepository).
class CategoryRepository : public QObject
{
    Q_OBJECT

public:
    explicit CategoryRepository(Database* database, QObject* parent = nullptr);

    // Live categories of every type and level, by name.
    QList<Category> listAll() const;
    // The live categories whose names are among `names`, one at a time, in
    // listAll's order: a reader that needs a few names of a big tree never
    // holds the whole tree.
    void forEachNamed(const QSet<QString>& names, const std::function<void(const Category&)>& visit) const;
    // Soft-deleted rows included.
    std::optional<Category> findById(const QString& id) const;
    // The first live row with exactly this name (names repeat under different parents).
    std::optional<Category> findByName(const QString& name) const;
    QList<Category> listPending() const;
    int countLive() const;
    // Every id in the table, soft-deleted rows included.
    QSet<QString> allIds() const;
    // "Root > Child > Grandchild"; soft-deleted rows take part.
    QString categoryPath(const QString& id) const;

    bool insert(const Category& category);
    // Inserts the categories in order inside one SQL savepoint: a refused row
    // is logged and passed over, the others stay. Emits categoriesChanged once
    // per row stored, as one insert at a time would, once they are committed.
    // Returns how many were stored.
    int insertAll(const QList<Category>& categories);
    bool update(const Category& category);
    bool softDelete(const QString& id);

    int markAllPendingForResync(bool* ok = nullptr);
    bool markSynced(const QString& id, const QString& serverId);
    bool applyServerDeletion(const QString& id, const std::optional<QDateTime>& deletedAt);

    static Category categoryFromQuery(const QSqlQuery& query);

    // How far categoryPath climbs: a broken chain of parents that loops back on
    // itself must still end.
    static constexpr int kMaxPathDepth = 16;

signals:
    void categoriesChanged();

private:
    bool write(const Category& category);
    SyncedTable syncedTable() const;
    bool emitIf(bool changed);

    Database* m_database;
};
