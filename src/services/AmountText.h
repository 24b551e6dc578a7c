#pragma once

#include "data/Money.h"

#include <QStringView>
#include <QtGlobal>

#include <optional>

// An amount exactly as a file wrote it: (negative ? -1 : 1) × digits / 10^decimals.
// Import files are read into this form first so that no binary floating point
// sits between the text and the stored minor units.
struct DecimalAmount
{
    bool negative = false;
    quint64 digits = 0;
    int decimals = 0;

    // The value in minor units (unitsPerWhole: 100 for cents, 1 for the yen; any
    // power of ten up to 10^9), rounded to the nearest unit with halves away from
    // zero. Nothing when unitsPerWhole is no such power or the magnitude exceeds
    // 2^53, beyond which other parts of the system (double arithmetic, JSON
    // numbers) could no longer carry the count exactly.
    std::optional<qint64> toMinorUnits(int unitsPerWhole) const;

    // The inverse: a count of minor units as an exact decimal, so that an amount
    // kept in one scale can be rounded once into another.
    static std::optional<DecimalAmount> fromMinorUnits(qint64 units, int unitsPerWhole);
};

// The largest minor-unit magnitude an imported amount may have: what the ledger stores.
inline constexpr qint64 kMaxImportedMinorUnits = kLargestStoredAmount;

// Reads the amount notations that bank and finance exports use: a leading sign or
// accounting parentheses ("(45.00)"), currency signs ($ € £ ¥ ¢) and blanks
// anywhere, and either '.' or ',' as the decimal mark with the other as the group
// mark ("1,234.56" and "1.234,56"; a single mark followed by exactly three digits
// groups thousands, as in "1.234"). Nothing when the text is not such an amount.
std::optional<DecimalAmount> readAmountText(QStringView text);
