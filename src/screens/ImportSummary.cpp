#include "ImportSummary.h"

#include "services/ImportResult.h"
#include "services/ImportService.h"

#include <QStringList>

QString ImportSummary::text(const ImportResult& result)
{
    if (result.failed) {
        return QStringList({tr("Import failed."), QString(),
                            result.fileTooLarge ? ImportService::csvFileTooLargeMessage()
                                                : tr("A database error stopped the import and all changes were "
                                                     "rolled back. No transactions were added.")})
            .join(QLatin1Char('\n'));
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
