#include "ZipWriter.h"

#include "ZipLibrary.h"

#include <cstdio>

namespace {

QString errorText(const ZipLibrary& lib, zip_error_t* error)
{
    return QString::fromUtf8(lib.zip_error_strerror(error));
}

} // namespace

ZipWriter::ZipWriter()
{
    m_lib = ZipLibrary::instance(&m_error);
    if (!m_lib)
        return;
    zip_error_t error;
    m_lib->zip_error_init(&error);
    m_source = m_lib->zip_source_buffer_create(nullptr, 0, 0, &error);
    if (m_source) {
        m_zip = m_lib->zip_open_from_source(m_source, ZIP_TRUNCATE, &error);
        if (m_zip) {
            // Closing the archive would free its source; the bytes are read from it after.
            m_lib->zip_source_keep(m_source);
        } else {
            m_lib->zip_source_free(m_source);
            m_source = nullptr;
        }
    }
    if (!m_zip)
        m_error = errorText(*m_lib, &error);
    m_lib->zip_error_fini(&error);
}

ZipWriter::~ZipWriter()
{
    if (m_zip)
        m_lib->zip_discard(m_zip);
    if (m_source)
        m_lib->zip_source_free(m_source);
}

bool ZipWriter::addFile(const QString& name, const QByteArray& data, const QDateTime& modified)
{
    if (!m_zip)
        return false;
    m_payloads.append(data);
    const QByteArray& kept = m_payloads.constLast();
    zip_source_t* source = m_lib->zip_source_buffer(m_zip, kept.constData(), static_cast<zip_uint64_t>(kept.size()), 0);
    if (!source) {
        fail(name);
        return false;
    }
    const zip_int64_t index = m_lib->zip_file_add(m_zip, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        m_lib->zip_source_free(source);
        fail(name);
        return false;
    }
    const auto entry = static_cast<zip_uint64_t>(index);
    if (m_lib->zip_set_file_compression(m_zip, entry, ZIP_CM_DEFLATE, 0) < 0
        || m_lib->zip_file_set_mtime(m_zip, entry, static_cast<time_t>(modified.toSecsSinceEpoch()), 0) < 0) {
        fail(name);
        return false;
    }
    return true;
}

QByteArray ZipWriter::finish()
{
    if (!m_zip)
        return QByteArray();
    if (m_lib->zip_close(m_zip) < 0) {
        fail(QStringLiteral("close"));
        return QByteArray();
    }
    m_zip = nullptr;
    m_payloads.clear();

    QByteArray archive;
    if (m_lib->zip_source_open(m_source) < 0) {
        m_error = errorText(*m_lib, m_lib->zip_source_error(m_source));
        return QByteArray();
    }
    bool ok = m_lib->zip_source_seek(m_source, 0, SEEK_END) == 0;
    const zip_int64_t size = ok ? m_lib->zip_source_tell(m_source) : -1;
    ok = size >= 0 && m_lib->zip_source_seek(m_source, 0, SEEK_SET) == 0;
    if (ok) {
        archive.resize(static_cast<qsizetype>(size));
        qsizetype done = 0;
        while (ok && done < archive.size()) {
            const zip_int64_t got = m_lib->zip_source_read(m_source, archive.data() + done,
                                                    static_cast<zip_uint64_t>(archive.size() - done));
            if (got <= 0)
                ok = false;
            else
                done += static_cast<qsizetype>(got);
        }
    }
    if (!ok) {
        m_error = errorText(*m_lib, m_lib->zip_source_error(m_source));
        archive.clear();
    }
    m_lib->zip_source_close(m_source);
    m_lib->zip_source_free(m_source);
    m_source = nullptr;
    return archive;
}

void ZipWriter::fail(const QString& what)
{
    m_error = what + QLatin1String(": ") + errorText(*m_lib, m_lib->zip_get_error(m_zip));
    m_lib->zip_discard(m_zip);
    m_zip = nullptr;
    m_payloads.clear();
}
