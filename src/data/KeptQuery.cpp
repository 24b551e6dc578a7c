#include "KeptQuery.h"

KeptQuery::KeptQuery(QString sql)
    : m_sql(std::move(sql))
{
}

bool KeptQuery::prepare(QSqlDatabase& db)
{
    if (m_query)
        return true;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(m_sql))
        return false;
    m_query = std::move(query);
    return true;
}

KeptQuery::Run::Run(KeptQuery& kept, QSqlDatabase& db, const QVariantList& values)
{
    if (!kept.m_inUse && kept.prepare(db)) {
        m_kept = &kept;
        kept.m_inUse = true;
        m_query = &*kept.m_query;
    } else {
        m_own.emplace(db);
        m_query = &*m_own;
        m_query->setForwardOnly(true);
        if (!m_query->prepare(kept.m_sql))
            return;
    }
    for (int i = 0; i < values.size(); ++i)
        m_query->bindValue(i, values.at(i));
    m_ok = m_query->exec();
}

KeptQuery::Run::~Run()
{
    // A read stepped part-way holds the ledger's snapshot open until reset.
    m_query->finish();
    if (m_kept)
        m_kept->m_inUse = false;
}
