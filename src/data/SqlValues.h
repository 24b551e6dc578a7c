#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>

#include <optional>

class QSqlError;
class QSqlQuery;

// The text forms in which the ledger stores dates and times, and the small
// conversions every repository shares when binding and mapping rows.
namespace SqlValues {

// "yyyy-MM-ddTHH:mm:ssZ": UTC to the second, no fractional seconds.
QString timestampText(const QDateTime& time);
// The current time (from Clock) in that form; call once per statement.
QString nowText();
// Reads any ISO 8601 text (fractions and offsets included) as UTC; invalid when empty.
// The ledger's own form is read digit by digit: a register maps tens of thousands.
QDateTime parseTimestamp(const QString& text);

QString dateText(const QDate& date);          // "yyyy-MM-dd", empty for an invalid date
QDate parseDate(const QString& text);
// True when parseDate reads dateText(date) back as the same day: years 1 to 9999.
// A five-digit year is written as "22024-06-02", which no reader of the ledger
// takes for a date, so nothing may store one.
bool isStorableDate(const QDate& date);

// A text column's value. The driver binds a null QString as NULL, which a NOT NULL
// column (a payee, say) refuses; an unset text is stored as '' instead.
QVariant bindText(const QString& text);
// A required time column's value: NULL for an unset time, so that the NOT NULL
// column refuses the row instead of storing an empty stamp.
QVariant bindTimestamp(const QDateTime& time);
// Flags are stored as the integers 0 and 1.
inline int flag(bool value)
{
    return value ? 1 : 0;
}

// NULL for an empty text, the text otherwise (optional references and columns).
QVariant textOrNull(const QString& text);
// NULL for an absent time, its timestamp text otherwise.
QVariant timestampOrNull(const std::optional<QDateTime>& time);

// Column readers that treat NULL like the empty text.
QString text(const QSqlQuery& query, int column);
std::optional<QDateTime> optionalTimestamp(const QSqlQuery& query, int column);

// Logs "<operation> failed: <driver error>" at warning level, e.g. operation
// "TransactionRepository::insert", and tells a WriteFailureWatch the cause.
void logFailure(QStringView operation, const QSqlQuery& query);

// SQLite's own words for a failure ("database or disk is full"), which the
// user may be shown; the driver's text where SQLite said nothing.
QString failureCause(const QSqlError& error);

} // namespace SqlValues
