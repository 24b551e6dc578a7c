#include "SqliteRows.h"

#include "SqlValues.h"

#include <QSqlDriver>
#include <QSqlQuery>

#include <sqlite3.h>

namespace {

bool g_enabled = true;

// Whether the connection is run by this very copy of SQLite. A driver built with
// its own copy would hand over a handle that our functions must not touch. The
// soft heap limit is process-wide state of one copy: set it here to a value no
// one uses and read it back through the driver; the same copy reports it.
bool runBySameLibrary(QSqlDatabase& db)
{
    constexpr sqlite3_int64 kProbe = Q_INT64_C(0x7e57000000000);
    const sqlite3_int64 previous = sqlite3_soft_heap_limit64(kProbe);
    QSqlQuery query(db);
    const bool same = query.exec(QStringLiteral("PRAGMA soft_heap_limit")) && query.next()
                      && query.value(0).toLongLong() == kProbe;
    sqlite3_soft_heap_limit64(previous);
    return same;
}

} // namespace

sqlite3* SqliteRows::handle(QSqlDatabase& db)
{
    if (!db.isOpen() || !db.driver())
        return nullptr;
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}

bool SqliteRows::available(QSqlDatabase& db)
{
    if (!g_enabled || !handle(db))
        return false;
    static const bool sameLibrary = runBySameLibrary(db);
    return sameLibrary;
}

void SqliteRows::setEnabled(bool enabled)
{
    g_enabled = enabled;
}

SqliteRows::SqliteRows(QSqlDatabase& db, const QString& sql, const QVariantList& values)
    : m_statement(db, sql)
    , m_values(values)
{
    m_valid = m_statement.isValid() && m_statement.bind(m_values);
}

SqliteRows::~SqliteRows() = default;

bool SqliteRows::next()
{
    // Stepping a finished statement would start it over, so the end is kept.
    if (!m_valid || m_finished)
        return false;
    m_finished = sqlite3_step(m_statement.get()) != SQLITE_ROW;
    return !m_finished;
}

bool SqliteRows::isNull(int column) const
{
    return sqlite3_column_type(m_statement.get(), column) == SQLITE_NULL;
}

qint64 SqliteRows::int64(int column) const
{
    return sqlite3_column_int64(m_statement.get(), column);
}

QByteArrayView SqliteRows::utf8(int column) const
{
    // The text first, then its length, as SQLite asks: the length call must see the converted value.
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_statement.get(), column));
    return QByteArrayView(text, text ? sqlite3_column_bytes(m_statement.get(), column) : 0);
}

QString SqliteRows::text(int column) const
{
    return QString::fromUtf8(utf8(column));
}

QDate SqliteRows::date(int column) const
{
    return SqlValues::parseDate(QString::fromLatin1(utf8(column)));
}

QDateTime SqliteRows::timestamp(int column) const
{
    return SqlValues::parseTimestamp(QString::fromUtf8(utf8(column)));
}
