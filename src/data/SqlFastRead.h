#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// Readers of the stored date and time texts for queries that map many rows
// (a register holds tens of thousands). The ledger's own forms, "yyyy-MM-dd" and
// "yyyy-MM-ddTHH:mm:ssZ", are read digit by digit; any other text goes to
// SqlValues, so the results are always the same as SqlValues::parseDate and
// SqlValues::parseTimestamp give.
namespace SqlFastRead {

QDate date(const QString& text);
QDateTime timestamp(const QString& text);

} // namespace SqlFastRead
