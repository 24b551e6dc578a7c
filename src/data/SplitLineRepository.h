#pragma once

#include "SplitLine.h"

#include <QList>
#include <QObject>
#include <QString>

class Database;
class QSqlQuery;

// The lines of split transactions. The rows have no sync columns of their own:
// they travel inside their transaction's record.
class SplitLineRepository : public QObject
{
    Q_OBJECT

public:
    explicit SplitLineRepository(Database* database, QObject* parent = nullptr);

    // In table order; no order is promised.
    QList<SplitLine> listByTransaction(const QString& transactionId) const;
    // The transaction row and the line's category must already exist.
    bool insert(const SplitLine& line);
    // A hard delete: the lines have no life without their transaction.
    bool deleteByTransaction(const QString& transactionId);
    // Replaces the transaction's lines with `lines` (each takes the transaction's
    // id), all or nothing: when one line cannot be written the old lines stay.
    // Runs in a savepoint, so it also nests inside an open transaction.
    bool replaceByTransaction(const QString& transactionId, const QList<SplitLine>& lines);

private:
    Database* m_database;
};
