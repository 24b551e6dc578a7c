#include "ZipReader.h"

#include "ZipLibrary.h"

namespace {

ZipReader::ReadStatus statusOf(const ZipLibrary& lib, zip_error_t* error)
{
    switch (lib.zip_error_code_zip(error)) {
    case ZIP_ER_CRC:
    case ZIP_ER_INCONS:
    case ZIP_ER_ZLIB:
    case ZIP_ER_COMPRESSED_DATA:
    case ZIP_ER_EOF:
        return ZipReader::ReadStatus::Damaged;
    default:
        return ZipReader::ReadStatus::Unreadable;
    }
}

} // namespace

ZipReader::ZipReader(const QByteArray& archive)
    : m_archive(archive)
    , m_lib(ZipLibrary::instance())
{
    if (!m_lib)
        return;
    zip_error_t error;
    m_lib->zip_error_init(&error);
    zip_source_t* source = m_lib->zip_source_buffer_create(m_archive.constData(),
                                                    static_cast<zip_uint64_t>(m_archive.size()), 0, &error);
    if (source) {
        m_zip = m_lib->zip_open_from_source(source, ZIP_RDONLY, &error);
        if (!m_zip)
            m_lib->zip_source_free(source);
    }
    m_lib->zip_error_fini(&error);
}

ZipReader::~ZipReader()
{
    if (m_zip)
        m_lib->zip_discard(m_zip);
}

qint64 ZipReader::entryCount() const
{
    return m_zip ? m_lib->zip_get_num_entries(m_zip, 0) : 0;
}

QString ZipReader::entryName(qint64 index) const
{
    if (!m_zip || index < 0)
        return QString();
    const char* name = m_lib->zip_get_name(m_zip, static_cast<zip_uint64_t>(index), 0);
    return name ? QString::fromUtf8(name) : QString();
}

qint64 ZipReader::indexOf(const QString& name) const
{
    if (!m_zip)
        return -1;
    return m_lib->zip_name_locate(m_zip, name.toUtf8().constData(), 0);
}

ZipReader::ReadStatus ZipReader::read(qint64 index, qint64 maxSize, QByteArray* data) const
{
    data->clear();
    if (!m_zip || index < 0)
        return ReadStatus::Unreadable;
    const auto entry = static_cast<zip_uint64_t>(index);
    zip_stat_t stat;
    m_lib->zip_stat_init(&stat);
    if (m_lib->zip_stat_index(m_zip, entry, 0, &stat) < 0 || !(stat.valid & ZIP_STAT_SIZE))
        return ReadStatus::Unreadable;
    if (stat.size > static_cast<zip_uint64_t>(maxSize))
        return ReadStatus::TooLarge;

    zip_file_t* file = m_lib->zip_fopen_index(m_zip, entry, 0);
    if (!file)
        return statusOf(*m_lib, m_lib->zip_get_error(m_zip));
    data->resize(static_cast<qsizetype>(stat.size));
    qsizetype done = 0;
    ReadStatus status = ReadStatus::Ok;
    while (done < data->size()) {
        const zip_int64_t got = m_lib->zip_fread(file, data->data() + done, static_cast<zip_uint64_t>(data->size() - done));
        if (got <= 0) {
            status = got < 0 ? statusOf(*m_lib, m_lib->zip_file_get_error(file)) : ReadStatus::Damaged;
            break;
        }
        done += static_cast<qsizetype>(got);
    }
    // libzip compares the size and the CRC only once the data runs out, so read
    // past the recorded size: a longer stream is as damaged as a wrong checksum.
    if (status == ReadStatus::Ok) {
        char probe = 0;
        const zip_int64_t extra = m_lib->zip_fread(file, &probe, 1);
        if (extra != 0)
            status = extra < 0 ? statusOf(*m_lib, m_lib->zip_file_get_error(file)) : ReadStatus::Damaged;
    }
    m_lib->zip_fclose(file);
    if (status != ReadStatus::Ok)
        data->clear();
    return status;
}
