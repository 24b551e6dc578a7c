#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

#include <optional>

// SqliteRows' reading interface over QSqlQuery, for where direct reads are not
// available: code that reads either way is written once, over either class.
class QueryRows
{
public:
    // Prepares `sql` forward-only, binds `values` in order and executes it.
    QueryRows(QSqlDatabase& db, const QString& sql, const QVariantList& values);
    // Reads on from a query already run (`ran`: it ran without an error), which
    // stays its owner's.
    QueryRows(QSqlQuery& query, bool ran)
        : m_query(&query)
        , m_ok(ran)
    {
    }

    bool next() { return m_ok && m_query->next(); }
    bool isNull(int column) const { return m_query->isNull(column); }
    qint64 int64(int column) const { return m_query->value(column).toLongLong(); }
    // NULL reads as the empty text.
    QString text(int column) const;
    QByteArray utf8(int column) const { return text(column).toUtf8(); }
    QDate date(int column) const;
    QDateTime timestamp(int column) const;

private:
    std::optional<QSqlQuery> m_own;
    QSqlQuery* m_query;
    bool m_ok;
};
