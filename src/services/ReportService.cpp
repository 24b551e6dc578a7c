#include "ReportService.h"

#include "data/Database.h"
#include "data/QueryRows.h"
#include "data/SqlRows.h"
#include "data/SqlSum.h"
#include "data/SqlValues.h"
#include "data/SqliteRows.h"

#include <QHash>
#include <QPair>
#include <QSqlQuery>
#include <QVariant>

namespace {

// One report statement: the fixed text up to the period clause, the optional
// account and category clauses, then the grouping and order.
struct ReportQuery
{
    QString sql;
    QVariantList values;
};

// An invalid date must bind as the empty text, not as NULL: '' as the lower
// bound admits every date, as the upper bound none, where NULL would admit
// nothing either way.
QVariant dateBound(QDate date)
{
    return SqlValues::bindText(SqlValues::dateText(date));
}

// `head` ends in "t.date >= ? AND t.date <= ?"; `leading` are the values of any
// placeholders before it.
ReportQuery periodQuery(const QString& head, QDate from, QDate to, const QString& accountId, const QString& tail,
                        const QString& categoryId = QString(), const QVariantList& leading = {})
{
    ReportQuery query{head, leading};
    query.values << dateBound(from) << dateBound(to);
    if (!accountId.isEmpty()) {
        query.sql += QLatin1String(" AND t.account_id = ?");
        query.values << accountId;
    }
    if (!categoryId.isEmpty()) {
        query.sql += QLatin1String(" AND t.category_id = ?");
        query.values << categoryId;
    }
    query.sql += tail;
    return query;
}

// A report whose statement sums amounts: `queryOf` gives it with the sums in
// either form (SqlSum), its values the same in both.
template <typename Row, typename Map>
QList<Row> summedRowsOf(Database* database, const std::function<ReportQuery(SqlSum::Form)>& queryOf, Map map)
{
    const QVariantList values = queryOf(SqlSum::Form::Plain).values;
    return SqlSum::list<Row>(
        database->database(), [&](SqlSum::Form form) { return queryOf(form).sql; }, values, map);
}

// The sum of t.amount, or of `expression`, as the columns `name`_high and `name`_low.
QString amountSum(SqlSum::Form form, const char* name = "total", const char* expression = "t.amount")
{
    return SqlSum::columns(QLatin1String(expression), QLatin1String(name), form);
}


// The tail of a statement grouped by `group` whose groups come smallest sum first.
QString groupedByTotal(const char* group, SqlSum::Form form)
{
    return QStringLiteral(" GROUP BY %1 ORDER BY %2 ASC")
        .arg(QLatin1String(group), SqlSum::orderKey(QStringLiteral("t.amount"), form));
}

MoneySum checkedSum(const MoneySum& sum, const char* what)
{
    if (!sum.fits())
        MoneySum::logOutOfRange(QLatin1String(what));
    return sum;
}

// A report's sum from the two columns at `column`.
MoneySum reportSum(const QSqlQuery& query, int column)
{
    return checkedSum(SqlSum::read(query, column), "A sum of a report");
}

QString uncategorizedLabel()
{
    return ReportService::tr("Uncategorized");
}

MonthlyTotalsRow monthlyTotalsFromQuery(const QSqlQuery& query)
{
    MonthlyTotalsRow row;
    row.month = SqlValues::text(query, 0);
    row.inflows = reportSum(query, 1);
    row.outflows = reportSum(query, 3);
    row.net = checkedSum(row.inflows + row.outflows, "The net of a month");
    return row;
}

// Cash flow and income versus expenses: positive and negative sums per month,
// with `condition` ("AND ... ") narrowing the rows.
QList<MonthlyTotalsRow> monthlyTotals(Database* database, const char* condition, QDate from, QDate to,
                                      const QString& accountId)
{
    return summedRowsOf<MonthlyTotalsRow>(
        database,
        [&](SqlSum::Form form) {
            const QString head = QStringLiteral("SELECT strftime('%Y-%m', t.date) AS month, %1, %2 "
                                                "FROM transactions t WHERE t.deleted_at IS NULL %3"
                                                "AND t.date >= ? AND t.date <= ?")
                                     .arg(amountSum(form, "inflows", "CASE WHEN t.amount > 0 THEN t.amount ELSE 0 END"),
                                          amountSum(form, "outflows", "CASE WHEN t.amount < 0 THEN t.amount ELSE 0 END"),
                                          QLatin1String(condition));
            return periodQuery(head, from, to, accountId, " GROUP BY month ORDER BY month");
        },
        &monthlyTotalsFromQuery);
}

CategoryTotalRow categoryTotalFromQuery(const QSqlQuery& query)
{
    return CategoryTotalRow{SqlValues::text(query, 0), reportSum(query, 1)};
}

// The listing can run to every transaction of the ledger, so its rows carry
// rowids instead of account and category texts: each name is read once, from
// these lookups, and shared by all its rows.
struct ListingNames
{
    QHash<qint64, QPair<QString, Currency>> accounts;
    QHash<qint64, QString> categories;
};

ListingNames listingNames(QSqlDatabase& db)
{
    ListingNames names;
    QSqlQuery accounts(db);
    if (SqlRows::select(accounts, QStringLiteral("SELECT rowid, name, currency FROM accounts"))) {
        while (accounts.next())
            names.accounts.insert(accounts.value(0).toLongLong(),
                                  {SqlValues::text(accounts, 1), currencyFromCode(SqlValues::text(accounts, 2))});
    }
    QSqlQuery categories(db);
    if (SqlRows::select(categories, QStringLiteral("SELECT rowid, name FROM categories"))) {
        while (categories.next())
            names.categories.insert(categories.value(0).toLongLong(), SqlValues::text(categories, 1));
    }
    return names;
}

// Columns: date, account rowid, payee, category rowid, memo, amount.
template <typename Rows>
QList<TransactionListingRow> listingRows(Rows& rows, const ListingNames& names)
{
    QList<TransactionListingRow> listing;
    while (rows.next()) {
        TransactionListingRow row;
        row.date = rows.date(0);
        // A missing account reads as an empty name in USD, a missing category as no name.
        if (!rows.isNull(1)) {
            const auto account = names.accounts.constFind(rows.int64(1));
            if (account != names.accounts.cend()) {
                row.accountName = account->first;
                row.currency = account->second;
            }
        }
        row.payee = rows.text(2);
        if (!rows.isNull(3))
            row.categoryName = names.categories.value(rows.int64(3));
        row.memo = rows.text(4);
        row.amount = rows.int64(5);
        listing.append(std::move(row));
    }
    return listing;
}

QString quoted(const QString& field)
{
    return QLatin1Char('"') + field + QLatin1Char('"');
}

} // namespace

ReportService::ReportService(Database* database, QObject* parent)
    : QObject(parent)
    , m_database(database)
{
}

QList<AccountSummaryRow> ReportService::accountSummary() const
{
    // An account without transactions sums to NULL, which reads as 0.
    const auto query = [](SqlSum::Form form) {
        return ReportQuery{
            QStringLiteral("SELECT a.name, a.account_type, a.starting_balance, COALESCE(a.currency, 'USD') AS currency, "
                           "%1, %2, %3 "
                           "FROM accounts a LEFT JOIN transactions t ON t.account_id = a.id AND t.deleted_at IS NULL "
                           "WHERE a.deleted_at IS NULL GROUP BY a.id ORDER BY a.sort_order, a.name")
                .arg(amountSum(form, "cleared", "CASE WHEN t.cleared = 1 THEN t.amount ELSE 0 END"),
                     amountSum(form, "uncleared", "CASE WHEN t.cleared = 0 THEN t.amount ELSE 0 END"),
                     amountSum(form)),
            {}};
    };
    return summedRowsOf<AccountSummaryRow>(m_database, query, [](const QSqlQuery& q) {
        AccountSummaryRow row;
        row.name = SqlValues::text(q, 0);
        row.accountType = SqlValues::text(q, 1);
        const qint64 startingBalance = q.value(2).toLongLong();
        row.currency = currencyFromCode(SqlValues::text(q, 3));
        row.clearedBalance = checkedSum(startingBalance + SqlSum::read(q, 4), "The cleared balance of an account");
        row.unclearedSum = reportSum(q, 6);
        row.balance = checkedSum(startingBalance + SqlSum::read(q, 8), "The balance of an account");
        return row;
    });
}

QList<MonthlyTotalsRow> ReportService::cashFlow(QDate from, QDate to, const QString& accountId) const
{
    return monthlyTotals(m_database, "", from, to, accountId);
}

QList<CategoryTotalRow> ReportService::categorySpending(QDate from, QDate to, const QString& accountId) const
{
    return summedRowsOf<CategoryTotalRow>(
        m_database,
        [&](SqlSum::Form form) {
            return periodQuery(QStringLiteral("SELECT COALESCE(c.name, ?) AS category_label, %1 "
                                              "FROM transactions t LEFT JOIN categories c ON t.category_id = c.id "
                                              "WHERE t.deleted_at IS NULL AND t.amount < 0 AND t.date >= ? "
                                              "AND t.date <= ?")
                                   .arg(amountSum(form)),
                               from, to, accountId, groupedByTotal("category_label", form), QString(),
                               {uncategorizedLabel()});
        },
        &categoryTotalFromQuery);
}

QList<MonthlyTotalsRow> ReportService::incomeVsExpenses(QDate from, QDate to, const QString& accountId) const
{
    // Both legs of a linked transfer are left out; an empty link is no link.
    return monthlyTotals(m_database, "AND (t.transfer_link_id IS NULL OR t.transfer_link_id = '') ", from, to,
                         accountId);
}

QList<PayeeSummaryRow> ReportService::payeeSummary(QDate from, QDate to, const QString& accountId) const
{
    return summedRowsOf<PayeeSummaryRow>(
        m_database,
        [&](SqlSum::Form form) {
            return periodQuery(QStringLiteral("SELECT t.payee, %1, COUNT(*) FROM transactions t "
                                              "WHERE t.deleted_at IS NULL AND t.date >= ? AND t.date <= ?")
                                   .arg(amountSum(form)),
                               from, to, accountId, groupedByTotal("t.payee", form));
        },
        [](const QSqlQuery& q) { return PayeeSummaryRow{SqlValues::text(q, 0), reportSum(q, 1), q.value(3).toInt()}; });
}

QList<TaxReportRow> ReportService::taxReport(QDate from, QDate to) const
{
    return summedRowsOf<TaxReportRow>(
        m_database,
        [&](SqlSum::Form form) {
            return periodQuery(QStringLiteral("SELECT c.name, c.tax_category, %1 "
                                              "FROM transactions t JOIN categories c ON t.category_id = c.id "
                                              "WHERE t.deleted_at IS NULL AND c.is_tax_relevant = 1 "
                                              "AND t.date >= ? AND t.date <= ?")
                                   .arg(amountSum(form)),
                               from, to, QString(),
                               QStringLiteral(" GROUP BY c.name, c.tax_category ORDER BY c.tax_category, c.name"));
        },
        [](const QSqlQuery& q) { return TaxReportRow{SqlValues::text(q, 0), SqlValues::text(q, 1), reportSum(q, 2)}; });
}

QList<TransactionListingRow> ReportService::transactionListing(QDate from, QDate to, const QString& accountId,
                                                               const QString& categoryId) const
{
    QSqlDatabase& db = m_database->database();
    const ListingNames names = listingNames(db);
    const ReportQuery query =
        periodQuery("SELECT t.date, a.rowid, t.payee, c.rowid, t.memo, t.amount "
                    "FROM transactions t LEFT JOIN accounts a ON t.account_id = a.id "
                    "LEFT JOIN categories c ON t.category_id = c.id "
                    "WHERE t.deleted_at IS NULL AND t.date >= ? AND t.date <= ?",
                    from, to, accountId, " ORDER BY t.date, t.payee", categoryId);
    if (SqliteRows::available(db)) {
        SqliteRows rows(db, query.sql, query.values);
        return listingRows(rows, names);
    }
    QueryRows rows(db, query.sql, query.values);
    return listingRows(rows, names);
}

QMap<QString, MoneySum> ReportService::categoryTotals(QDate from, QDate to, const QString& accountId) const
{
    QMap<QString, MoneySum> totals;
    const QList<CategoryTotalRow> rows = summedRowsOf<CategoryTotalRow>(
        m_database,
        [&](SqlSum::Form form) {
            return periodQuery(QStringLiteral("SELECT COALESCE(c.name, ?) AS category_label, %1 "
                                              "FROM transactions t LEFT JOIN categories c ON t.category_id = c.id "
                                              "WHERE t.deleted_at IS NULL AND t.date >= ? AND t.date <= ?")
                                   .arg(amountSum(form)),
                               from, to, accountId, QStringLiteral(" GROUP BY category_label"), QString(),
                               {uncategorizedLabel()});
        },
        &categoryTotalFromQuery);
    for (const CategoryTotalRow& row : rows)
        totals.insert(row.name, row.total);
    return totals;
}

QList<YearOverYearRow> ReportService::yearOverYear(QDate period1From, QDate period1To, QDate period2From,
                                                   QDate period2To, const QString& accountId) const
{
    const QMap<QString, MoneySum> first = categoryTotals(period1From, period1To, accountId);
    const QMap<QString, MoneySum> second = categoryTotals(period2From, period2To, accountId);

    // QMap orders its keys by ordinal comparison, which is the order the rows need.
    QMap<QString, YearOverYearRow> merged;
    for (auto it = first.cbegin(); it != first.cend(); ++it) {
        YearOverYearRow& row = merged[it.key()];
        row.category = it.key();
        row.period1Total = it.value();
    }
    for (auto it = second.cbegin(); it != second.cend(); ++it) {
        YearOverYearRow& row = merged[it.key()];
        row.category = it.key();
        row.period2Total = it.value();
    }
    QList<YearOverYearRow> rows;
    rows.reserve(merged.size());
    for (YearOverYearRow& row : merged) {
        row.difference = checkedSum(row.period2Total - row.period1Total, "A year-over-year difference");
        rows.append(row);
    }
    return rows;
}

ReportCurrency ReportService::runCurrency(const QString& accountId) const
{
    QSqlDatabase& db = m_database->database();
    if (!accountId.isEmpty()) {
        const std::optional<QString> code =
            SqlRows::first<QString>(db, QStringLiteral("SELECT COALESCE(currency, 'USD') FROM accounts WHERE id = ?"),
                                    {accountId}, [](const QSqlQuery& q) { return SqlValues::text(q, 0); });
        return ReportCurrency{currencyFromCode(code.value_or(QString())), true};
    }

    // A soft-deleted account whose transactions were left live still adds to the
    // sums over all accounts, so its currency counts too.
    const QList<QString> codes = SqlRows::list<QString>(
        db,
        QStringLiteral("SELECT DISTINCT COALESCE(a.currency, 'USD') FROM accounts a WHERE a.deleted_at IS NULL "
                       "OR EXISTS (SELECT 1 FROM transactions t WHERE t.account_id = a.id AND t.deleted_at IS NULL)"),
        {}, [](const QSqlQuery& q) { return SqlValues::text(q, 0); });
    // Compared as currencies, not codes: every unknown code reads as USD.
    ReportCurrency result;
    for (qsizetype i = 0; i < codes.size(); ++i) {
        const Currency currency = currencyFromCode(codes.at(i));
        if (i == 0)
            result.currency = currency;
        else if (currency != result.currency)
            result.uniform = false;
    }
    return result;
}

ReportCurrency ReportService::taxReportCurrency() const
{
    return runCurrency(QString());
}

QString ReportService::toCsv(const QStringList& headers, const QList<QStringList>& rows)
{
    QString csv;
    QStringList fields;
    for (const QString& header : headers)
        fields.append(quoted(header));
    csv += fields.join(QLatin1Char(',')) + QLatin1Char('\n');

    for (const QStringList& row : rows) {
        fields.clear();
        for (QString field : row)
            fields.append(quoted(field.replace(QLatin1Char('"'), QLatin1String("\"\""))));
        csv += fields.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    return csv;
}
