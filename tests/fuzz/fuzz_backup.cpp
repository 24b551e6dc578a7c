#include "FuzzSupport.h"

#include "services/BackupService.h"
#include "services/ZipWriter.h"

#include <QSet>
#include <QTimeZone>

#include <cstddef>
#include <cstdint>

// A backup archive restored into a fresh ledger. An input is either an
// archive as it is ("PK..."), or the text form below, which this target packs
// into a well-formed archive first, so that the search reaches the row files
// instead of failing on ZIP checksums:
//
//     mode: newer                  (optional: skip, replace or newer)
//     @@ manifest.json
//     {"version": 1}
//     @@ accounts/a1.json
//     {"id": "a1", "name": "Checking", ...}
namespace {

struct Entry
{
    QString name;
    QByteArray content;
};

BackupImportMode modeOf(QByteArray* text)
{
    BackupImportMode mode = BackupImportMode::ReplaceAll;
    if (!text->startsWith("mode: "))
        return mode;
    const qsizetype end = text->indexOf('\n');
    const QByteArray word = text->mid(6, end < 0 ? -1 : end - 6).trimmed();
    if (word == "skip")
        mode = BackupImportMode::SkipExisting;
    else if (word == "newer")
        mode = BackupImportMode::KeepNewer;
    *text = end < 0 ? QByteArray() : text->mid(end + 1);
    return mode;
}

// Entries start at lines "@@ name"; a name met twice keeps its first content.
QList<Entry> entriesOf(const QByteArray& text)
{
    const QByteArray marker("\n@@ ");
    const QByteArray lined = '\n' + text;
    QList<Entry> entries;
    QSet<QString> names;
    qsizetype start = lined.indexOf(marker);
    while (start >= 0) {
        const qsizetype nameStart = start + marker.size();
        const qsizetype nameEnd = lined.indexOf('\n', nameStart);
        const qsizetype next = nameEnd < 0 ? -1 : lined.indexOf(marker, nameEnd);
        Entry entry;
        entry.name = QString::fromUtf8(lined.mid(nameStart, nameEnd < 0 ? -1 : nameEnd - nameStart));
        if (nameEnd >= 0)
            entry.content = lined.mid(nameEnd + 1, next < 0 ? -1 : next - nameEnd - 1);
        if (!entry.name.isEmpty() && !names.contains(entry.name)) {
            names.insert(entry.name);
            entries.append(entry);
        }
        start = next;
    }
    return entries;
}

QByteArray archiveOf(const QList<Entry>& entries)
{
    const QDateTime modified(QDate(2024, 3, 5), QTime(14, 7, 9), QTimeZone::utc());
    ZipWriter zip;
    for (const Entry& entry : entries) {
        // libzip refuses some names: such an input is no archive to restore.
        if (!zip.addFile(entry.name, entry.content, modified))
            return QByteArray();
    }
    return zip.finish();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    BackupImportMode mode = BackupImportMode::ReplaceAll;
    if (!input.startsWith("PK")) {
        mode = modeOf(&input);
        input = archiveOf(entriesOf(input));
        if (input.isEmpty())
            return -1;
    }
    const BackupService service(freshLedger().database());
    service.importBackup(input, mode);
    return 0;
}
