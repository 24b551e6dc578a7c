#pragma once

#include <QByteArray>
#include <QString>

struct zip;
struct ZipLibrary;

// Reads a ZIP archive held in memory with libzip: stored and deflated entries,
// ZIP64 included. Entries are found by name through libzip's hash of the
// central directory, not by a scan.
class ZipReader
{
public:
    enum class ReadStatus {
        Ok,
        // The central directory records a size above the caller's limit; nothing was inflated.
        TooLarge,
        // The data does not inflate, or its size or CRC differs from the directory's.
        Damaged,
        // Anything else: an encrypted entry, an unknown compression method, no memory.
        Unreadable,
    };

    // Keeps a reference to `archive`, which must not change while the reader lives.
    explicit ZipReader(const QByteArray& archive);
    ~ZipReader();

    ZipReader(const ZipReader&) = delete;
    ZipReader& operator=(const ZipReader&) = delete;

    bool isOpen() const { return m_zip != nullptr; }

    qint64 entryCount() const;
    // Names in directory order, decoded from UTF-8 (or CP437 when not flagged UTF-8).
    QString entryName(qint64 index) const;
    // The index of the entry with exactly this name, or -1.
    qint64 indexOf(const QString& name) const;

    // Reads one entry whole into `data`, checking its size and CRC.
    ReadStatus read(qint64 index, qint64 maxSize, QByteArray* data) const;

private:
    const QByteArray m_archive;
    const ZipLibrary* m_lib = nullptr;
    zip* m_zip = nullptr;
};
