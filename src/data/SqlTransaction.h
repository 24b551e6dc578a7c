#pragma once

#include <QSqlDatabase>
#include <QString>

// All-or-nothing writes: the transaction begins in the constructor and is rolled
// back in the destructor unless commit() succeeded. Failures are reported through
// the return values, like the repositories do.
class SqlTransaction
{
public:
    explicit SqlTransaction(QSqlDatabase& db);
    ~SqlTransaction();

    SqlTransaction(const SqlTransaction&) = delete;
    SqlTransaction& operator=(const SqlTransaction&) = delete;

    bool isActive() const { return m_active; }
    bool commit();
    void rollback();

private:
    QSqlDatabase& m_db;
    bool m_active = false;
};

// A named SAVEPOINT: like SqlTransaction, but it nests inside an open transaction
// (an import's, say) and opens one of its own when none is open.
class SqlSavepoint
{
public:
    SqlSavepoint(QSqlDatabase& db, const QString& name);
    ~SqlSavepoint();

    SqlSavepoint(const SqlSavepoint&) = delete;
    SqlSavepoint& operator=(const SqlSavepoint&) = delete;

    bool isActive() const { return m_active; }
    bool release();
    void rollback();

private:
    bool exec(const QString& statement);

    QSqlDatabase& m_db;
    QString m_name;
    bool m_active = false;
};

// Runs `work` (returning bool) in a savepoint: its writes stay only when it and
// the release succeed.
template <typename Work>
bool inSavepoint(QSqlDatabase& db, const QString& name, Work&& work)
{
    SqlSavepoint savepoint(db, name);
    return savepoint.isActive() && work() && savepoint.release();
}
