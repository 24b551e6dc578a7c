#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

#include <optional>

// A statement compiled once and run again and again on the program's
// connection. Compiling can cost more than running: every trigger a write
// fires is compiled into it, and the register's row query joins the category
// path. The kept query belongs to the connection's driver, which finalizes it
// when the connection closes.
class KeptQuery
{
public:
    explicit KeptQuery(QString sql);

    KeptQuery(const KeptQuery&) = delete;
    KeptQuery& operator=(const KeptQuery&) = delete;

    // One run: the values bound in order and the statement executed. When the
    // run goes, its result goes too, so that no read stays open on the ledger.
    // A run begun while another is open compiles a query of its own.
    class Run
    {
    public:
        Run(KeptQuery& kept, QSqlDatabase& db, const QVariantList& values);
        ~Run();

        Run(const Run&) = delete;
        Run& operator=(const Run&) = delete;

        bool ok() const { return m_ok; }
        QSqlQuery& query() { return *m_query; }

    private:
        KeptQuery* m_kept = nullptr; // null while the query is the run's own
        std::optional<QSqlQuery> m_own;
        QSqlQuery* m_query = nullptr;
        bool m_ok = false;
    };

private:
    // The kept query, compiled on first use; false when it cannot be.
    bool prepare(QSqlDatabase& db);

    const QString m_sql;
    std::optional<QSqlQuery> m_query;
    bool m_inUse = false;
};
