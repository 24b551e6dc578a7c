#include "MultiRowInsert.h"

#include "SqlTransaction.h"
#include "SqliteRows.h"
#include "SqliteStatement.h"

MultiRowInsert::MultiRowInsert(QSqlDatabase& db, const QString& table, const QStringList& columns)
    : m_db(db)
    , m_head(QStringLiteral("INSERT INTO %1 (%2) VALUES ").arg(table, columns.join(QLatin1String(", "))))
    , m_columnCount(columns.size())
{
    m_rowMarks = QLatin1Char('(') + QStringList(columns.size(), QStringLiteral("?")).join(QLatin1String(", "))
                 + QLatin1Char(')');
}

MultiRowInsert::~MultiRowInsert() = default;

bool MultiRowInsert::insert(const QVariantList& values)
{
    if (m_columnCount == 0 || values.size() % m_columnCount != 0)
        return false;
    const int rows = int(values.size() / m_columnCount);
    if (rows <= kMaxRows)
        return rows == 0 || insertChunk(values, rows);
    SqlSavepoint savepoint(m_db, QStringLiteral("multi_row_insert"));
    if (!savepoint.isActive())
        return false;
    for (int first = 0; first < rows; first += kMaxRows) {
        const int chunk = qMin(kMaxRows, rows - first);
        if (!insertChunk(values.mid(first * m_columnCount, chunk * m_columnCount), chunk))
            return false;
    }
    return savepoint.release();
}

bool MultiRowInsert::insertChunk(const QVariantList& values, int rows)
{
    Prepared& statement = prepared(rows);
    if (statement.direct)
        return statement.direct->bind(values) && statement.direct->exec();
    for (const QVariant& value : values)
        statement.query->addBindValue(value);
    return statement.query->exec();
}

MultiRowInsert::Prepared& MultiRowInsert::prepared(int rows)
{
    Prepared& slot = rows == kMaxRows ? m_full : m_other;
    if (slot.rows == rows)
        return slot;
    slot = Prepared();
    slot.rows = rows;
    if (SqliteRows::available(m_db)) {
        slot.direct = std::make_unique<SqliteStatement>(m_db, sql(rows));
    } else {
        slot.query = std::make_unique<QSqlQuery>(m_db);
        slot.query->prepare(sql(rows));
    }
    return slot;
}

QString MultiRowInsert::sql(int rows) const
{
    QString text = m_head;
    text.reserve(m_head.size() + rows * (m_rowMarks.size() + 2));
    for (int row = 0; row < rows; ++row) {
        if (row > 0)
            text += QLatin1String(", ");
        text += m_rowMarks;
    }
    return text;
}
