#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

struct zip;
struct ZipLibrary;
struct zip_source;

// Builds a ZIP archive in memory with libzip. Entries are deflated; an archive
// of more than 65,535 entries or 4 GiB is written in ZIP64 form by libzip.
class ZipWriter
{
public:
    ZipWriter();
    ~ZipWriter();

    ZipWriter(const ZipWriter&) = delete;
    ZipWriter& operator=(const ZipWriter&) = delete;

    // False once anything has failed; the archive is then lost.
    bool isValid() const { return m_zip != nullptr; }
    QString errorString() const { return m_error; }

    // Adds one entry named `name` (UTF-8, "/" between folders). A name that is
    // already in the archive fails.
    bool addFile(const QString& name, const QByteArray& data, const QDateTime& modified);

    // Writes the central directory and returns the archive; empty on failure.
    QByteArray finish();

private:
    void fail(const QString& what);

    zip_source* m_source = nullptr;
    const ZipLibrary* m_lib = nullptr;
    zip* m_zip = nullptr;
    // libzip compresses when the archive closes, so every entry's bytes must
    // live until then.
    QList<QByteArray> m_payloads;
    QString m_error;
};
