#include "SqliteStatement.h"

#include "SqliteRows.h"

#include <sqlite3.h>

namespace {

int bindValue(sqlite3_stmt* statement, int parameter, const QVariant& value)
{
    if (value.isNull())
        return sqlite3_bind_null(statement, parameter);
    switch (value.typeId()) {
    case QMetaType::QString: {
        const auto* text = static_cast<const QString*>(value.constData());
        if (text->isNull())
            return sqlite3_bind_null(statement, parameter);
        return sqlite3_bind_text16(statement, parameter, text->utf16(), int(text->size() * sizeof(char16_t)),
                                   SQLITE_STATIC);
    }
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::Bool:
        return sqlite3_bind_int64(statement, parameter, value.toLongLong());
    case QMetaType::Double:
        return sqlite3_bind_double(statement, parameter, value.toDouble());
    default: {
        const QByteArray bytes = value.toString().toUtf8();
        return sqlite3_bind_text(statement, parameter, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
    }
    }
}

} // namespace

SqliteStatement::SqliteStatement(QSqlDatabase& db, const QString& sql)
{
    sqlite3* connection = SqliteRows::handle(db);
    if (!connection)
        return;
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(connection, text.constData(), int(text.size()), &m_statement, nullptr) != SQLITE_OK) {
        m_error = QString::fromUtf8(sqlite3_errmsg(connection));
        sqlite3_finalize(m_statement);
        m_statement = nullptr;
    }
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(m_statement);
}

bool SqliteStatement::bind(const QVariantList& values)
{
    if (!m_statement || values.size() > sqlite3_bind_parameter_count(m_statement))
        return false;
    for (int i = 0; i < values.size(); ++i) {
        if (bindValue(m_statement, i + 1, values.at(i)) != SQLITE_OK)
            return false;
    }
    return true;
}

bool SqliteStatement::exec()
{
    if (!m_statement)
        return false;
    int result = sqlite3_step(m_statement);
    while (result == SQLITE_ROW)
        result = sqlite3_step(m_statement);
    const bool done = result == SQLITE_DONE;
    m_error = done ? QString() : QString::fromUtf8(sqlite3_errmsg(sqlite3_db_handle(m_statement)));
    sqlite3_reset(m_statement);
    // The texts were bound where they lay, which may be gone by the next run.
    sqlite3_clear_bindings(m_statement);
    return done;
}
