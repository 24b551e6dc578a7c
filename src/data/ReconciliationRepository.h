#pragma once

#include "Reconciliation.h"

#include <QList>
#include <QObject>
#include <QString>

#include <optional>

class Database;
class QSqlQuery;
class SyncedTable;

// The only code that reads and writes the reconciliations table. A
// reconciliation is deleted and restored only together with its account, so
// there is no single-row delete here; another device's deletion arrives
// through applyServerDeletion.
class ReconciliationRepository : public QObject
{
    Q_OBJECT

public:
    explicit ReconciliationRepository(Database* database, QObject* parent = nullptr);

    // The account's live reconciliations, latest statement first.
    QList<Reconciliation> listByAccount(const QString& accountId) const;
    // The live reconciliation with the latest statement date.
    std::optional<Reconciliation> latestForAccount(const QString& accountId) const;
    // Soft-deleted rows included.
    std::optional<Reconciliation> findById(const QString& id) const;
    QList<Reconciliation> listPending() const;

    // Missing created/updated times are filled with the current time.
    bool insert(const Reconciliation& reconciliation);
    bool update(const Reconciliation& reconciliation);

    int softDeleteByAccount(const QString& accountId, bool* ok = nullptr);
    // Brings back the rows deleted at or after `deletedSince` (ISO text).
    int restoreByAccount(const QString& accountId, const QString& deletedSince, bool* ok = nullptr);
    int markAllPendingForResync(bool* ok = nullptr);
    bool markSynced(const QString& id, const QString& serverId);
    // The server's deletion time, or none (which makes the row live again).
    bool applyServerDeletion(const QString& id, const std::optional<QDateTime>& deletedAt);

    static Reconciliation reconciliationFromQuery(const QSqlQuery& query);

signals:
    void reconciliationsChanged();

private:
    SyncedTable syncedTable() const;
    int emitIfChanged(int changed);

    Database* m_database;
};
