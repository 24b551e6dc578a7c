#include "SqlTransaction.h"

#include "WriteFailureWatch.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>

SqlTransaction::SqlTransaction(QSqlDatabase& db)
    : m_db(db)
    , m_active(db.transaction())
{
    if (!m_active) {
        qWarning().noquote() << "SqlTransaction: BEGIN failed:" << m_db.lastError().text();
        WriteFailureWatch::note(m_db.lastError());
    }
}

SqlTransaction::~SqlTransaction()
{
    rollback();
}

bool SqlTransaction::commit()
{
    if (!m_active)
        return false;
    if (!m_db.commit()) {
        qWarning().noquote() << "SqlTransaction: COMMIT failed:" << m_db.lastError().text();
        WriteFailureWatch::note(m_db.lastError());
        rollback();
        return false;
    }
    m_active = false;
    return true;
}

void SqlTransaction::rollback()
{
    if (!m_active)
        return;
    m_active = false;
    m_db.rollback();
}

SqlSavepoint::SqlSavepoint(QSqlDatabase& db, const QString& name)
    : m_db(db)
    , m_name(name)
{
    m_active = exec(QStringLiteral("SAVEPOINT %1").arg(m_name));
}

SqlSavepoint::~SqlSavepoint()
{
    rollback();
}

bool SqlSavepoint::release()
{
    if (!m_active)
        return false;
    if (!exec(QStringLiteral("RELEASE SAVEPOINT %1").arg(m_name))) {
        rollback();
        return false;
    }
    m_active = false;
    return true;
}

void SqlSavepoint::rollback()
{
    if (!m_active)
        return;
    m_active = false;
    // ROLLBACK TO undoes the work but leaves the savepoint open; RELEASE closes it.
    exec(QStringLiteral("ROLLBACK TO SAVEPOINT %1").arg(m_name));
    exec(QStringLiteral("RELEASE SAVEPOINT %1").arg(m_name));
}

bool SqlSavepoint::exec(const QString& statement)
{
    QSqlQuery query(m_db);
    if (query.exec(statement))
        return true;
    qWarning().noquote() << "SqlSavepoint:" << statement << "failed:" << query.lastError().text();
    WriteFailureWatch::note(query.lastError());
    return false;
}
