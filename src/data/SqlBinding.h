#pragma once

#include "SqlValues.h"

#include <QDateTime>
#include <QString>
#include <QVariant>

// Binding forms that the repositories share beside SqlValues.
namespace SqlBinding {

// A text column's value. The SQLite driver binds a null QString as NULL, which a
// NOT NULL column (a payee, say) refuses; an unset text is stored as '' instead.
inline QVariant text(const QString& value)
{
    return value.isNull() ? QVariant(QStringLiteral("")) : QVariant(value);
}

// A required time column's value: NULL for an unset time, so that the NOT NULL
// column refuses the row instead of storing an empty stamp.
inline QVariant timestamp(const QDateTime& time)
{
    return SqlValues::textOrNull(SqlValues::timestampText(time));
}

// Flags are stored as the integers 0 and 1.
inline int flag(bool value)
{
    return value ? 1 : 0;
}

} // namespace SqlBinding
