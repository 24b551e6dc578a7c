#pragma once

#include "MoneySum.h"
#include "SqlRows.h"

#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <functional>

// SQLite's SUM of integers fails its whole statement, every group of it, with
// "integer overflow" as soon as a partial sum leaves what 64 bits hold, and a
// caller that reads no row shows 0. A statement that sums amounts runs with
// plain sums first (as fast as ever) and, only when one overflowed, once more
// with each amount added in two halves whose sums cannot overflow (its high 32
// bits, sign kept, and its low 32 bits), which read() puts together exactly as
// a MoneySum, whatever the order of the rows.
namespace SqlSum {

enum class Form { Plain, Halves };

// The two result columns of the sum of `expression` over a group, named
// `name`_high and `name`_low; in the plain form the second is NULL.
QString columns(const QString& expression, const QString& name, Form form);
// The sum of `expression` to order groups by: a plain sum would overflow
// again, so the halves form orders by SQLite's floating-point total.
QString orderKey(const QString& expression, Form form);
// The sum in the two columns from `column` on, in either form; a group
// without rows sums to 0.
MoneySum read(const QSqlQuery& query, int column);
// Whether the statement stopped because a plain sum overflowed.
bool overflowed(const QSqlQuery& query);

// SqlRows::list for a statement with sums: `sqlOf` gives its text in a form.
template <typename Row, typename Map>
QList<Row> list(QSqlDatabase& db, const std::function<QString(Form)>& sqlOf, const QVariantList& values, Map map)
{
    QList<Row> rows;
    for (const Form form : {Form::Plain, Form::Halves}) {
        rows.clear();
        QSqlQuery query(db);
        if (SqlRows::select(query, sqlOf(form), values)) {
            while (query.next())
                rows.append(map(query));
        }
        // The rows of the groups before the one that overflowed came already.
        if (!overflowed(query))
            return rows;
    }
    rows.clear();
    return rows;
}

} // namespace SqlSum
