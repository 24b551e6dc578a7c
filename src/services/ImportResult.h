#pragma once

#include <QString>

// What one import did, for the summary the user reads afterwards. Every import
// returns one; a counter an import does not use stays 0.
struct ImportResult
{
    int imported = 0;
    // Rows whose date, amount and payee match a live row of the account or an
    // earlier row of the same import (two rows with different check numbers
    // never match).
    int duplicatesSkipped = 0;
    // Rows that did not read: too short, no usable date (one the ledger could
    // not store, such as a five-digit year, included), an amount that is not a
    // number, or the row an unclosed quote ran away with.
    int unparseableSkipped = 0;
    // QIF records of sections that hold no transactions (classes, securities...).
    int metadataSkipped = 0;
    // QIF records whose source account the user chose not to import.
    int unmappedSkipped = 0;
    // Transfers whose two legs were stored pointing at each other; of those, the
    // ones whose other leg is a row an earlier import left waiting.
    int transfersLinked = 0;
    int transfersLinkedToPrevious = 0;
    // Rows and split lines that could not be stored.
    int databaseErrors = 0;
    // CSV rows refused unread because they hold more fields or characters than
    // a row may (ImportLimits::csvRowFields, csvRowChars).
    int oversizedSkipped = 0;
    // The import was refused or stopped and nothing of it was kept.
    bool failed = false;
    // With `failed`, what stopped the import, in words for the user: a file that
    // could not be opened or is too large, a target that is gone, another
    // import still open. Empty when the database refused a write.
    QString failureReason;
    // Refused unread, with `failed`: the file, or the QIF files together, are
    // larger than the import's limits allow.
    bool fileTooLarge = false;
    // The CSV file ended inside a quoted field that opened on this 1-based line:
    // everything after that quote ran into one field, so the rows below it are
    // missing and the row holding it was skipped. 0 when every quote closed.
    int unterminatedQuoteLine = 0;
};
