#include "SplitLineRepository.h"

#include "Database.h"
#include "SqlTransaction.h"
#include "SqlValues.h"

#include <QSqlQuery>

SplitLineRepository::SplitLineRepository(Database* database, QObject* parent)
    : QObject(parent)
    , m_database(database)
{
}

QList<SplitLine> SplitLineRepository::listByTransaction(const QString& transactionId) const
{
    QSqlQuery query(m_database->database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT id, transaction_id, category_id, amount, memo, created_at, updated_at "
                                 "FROM split_lines WHERE transaction_id = ?"));
    query.addBindValue(transactionId);
    QList<SplitLine> lines;
    if (!query.exec())
        return lines;
    while (query.next()) {
        SplitLine line;
        line.id = SqlValues::text(query, 0);
        line.transactionId = SqlValues::text(query, 1);
        line.categoryId = SqlValues::text(query, 2);
        line.amount = query.value(3).toLongLong();
        line.memo = SqlValues::text(query, 4);
        line.createdAt = SqlValues::parseTimestamp(SqlValues::text(query, 5));
        line.updatedAt = SqlValues::parseTimestamp(SqlValues::text(query, 6));
        lines.append(line);
    }
    return lines;
}

bool SplitLineRepository::insert(const SplitLine& line)
{
    QSqlQuery query(m_database->database());
    query.prepare(QStringLiteral("INSERT INTO split_lines (id, transaction_id, category_id, amount, memo, created_at, "
                                 "updated_at) VALUES (?, ?, ?, ?, ?, ?, ?)"));
    query.addBindValue(SqlValues::bindText(line.id));
    query.addBindValue(SqlValues::bindText(line.transactionId));
    // An empty category stays '' and fails the foreign key: a line needs one.
    query.addBindValue(SqlValues::bindText(line.categoryId));
    query.addBindValue(line.amount);
    query.addBindValue(SqlValues::bindText(line.memo));
    query.addBindValue(SqlValues::bindTimestamp(line.createdAt));
    query.addBindValue(SqlValues::bindTimestamp(line.updatedAt));
    if (query.exec())
        return true;
    SqlValues::logFailure(u"SplitLineRepository::insert", query);
    return false;
}

bool SplitLineRepository::deleteByTransaction(const QString& transactionId)
{
    QSqlQuery query(m_database->database());
    query.prepare(QStringLiteral("DELETE FROM split_lines WHERE transaction_id = ?"));
    query.addBindValue(transactionId);
    if (query.exec())
        return true;
    SqlValues::logFailure(u"SplitLineRepository::deleteByTransaction", query);
    return false;
}

bool SplitLineRepository::replaceByTransaction(const QString& transactionId, const QList<SplitLine>& lines)
{
    SqlSavepoint savepoint(m_database->database(), QStringLiteral("replace_split_lines"));
    if (!savepoint.isActive() || !deleteByTransaction(transactionId))
        return false;
    for (SplitLine line : lines) {
        line.transactionId = transactionId;
        if (!insert(line))
            return false; // the savepoint rolls back, and the old lines come back
    }
    return savepoint.release();
}
