#include "ImportSummary.h"

#include "services/ImportLimits.h"
#include "services/ImportResult.h"

#include <QLocale>
#include <QStringList>

QString ImportSummary::text(const ImportResult& result, const ImportLimits& limits)
{
    if (result.failed) {
        // Whatever stopped it, the user must know that nothing of the file is in the ledger.
        QStringList lines({tr("Import failed."), QString()});
        if (result.failureReason.isEmpty())
            lines.append(tr("A database error stopped the import and all changes were rolled back. No transactions "
                            "were added."));
        else
            lines << result.failureReason << tr("No transactions were added.");
        return lines.join(QLatin1Char('\n'));
    }
    QStringList lines({tr("Import complete!"), QString(),
                       tr("%n transaction(s) imported", nullptr, result.imported)});
    const auto count = [&lines](int n, const QString& line) {
        if (n > 0)
            lines.append(line);
    };
    count(result.transfersLinked, tr("%n transfer(s) linked across accounts", nullptr, result.transfersLinked));
    count(result.transfersLinkedToPrevious,
          tr("  (including %n linked to previously imported row(s))", nullptr, result.transfersLinkedToPrevious));
    count(result.duplicatesSkipped, tr("%n duplicate(s) skipped", nullptr, result.duplicatesSkipped));
    count(result.unparseableSkipped, tr("%n record(s) skipped (unparseable)", nullptr, result.unparseableSkipped));
    count(result.oversizedSkipped,
          tr("%n row(s) skipped (more than %1 fields or %2 characters in one row)", nullptr, result.oversizedSkipped)
              .arg(QLocale().toString(limits.csvRowFields), QLocale().toString(limits.csvRowChars)));
    count(result.metadataSkipped, tr("%n metadata record(s) skipped", nullptr, result.metadataSkipped));
    count(result.unmappedSkipped,
          tr("%n record(s) skipped (unmapped source account)", nullptr, result.unmappedSkipped));
    count(result.databaseErrors,
          tr("%n record(s) skipped (database error — see log)", nullptr, result.databaseErrors));
    count(result.unterminatedQuoteLine,
          tr("A quote opened on line %1 is never closed: the rows after it could not be read.")
              .arg(result.unterminatedQuoteLine));
    return lines.join(QLatin1Char('\n'));
}
