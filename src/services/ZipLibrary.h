#pragma once

#include <QString>

#include <zip.h>

// The libzip functions the archives use.
#define VELLUMRY_ZIP_FUNCTIONS(X)                                                                                  \
    X(zip_close)                                                                                                   \
    X(zip_discard)                                                                                                 \
    X(zip_error_code_zip)                                                                                          \
    X(zip_error_fini)                                                                                              \
    X(zip_error_init)                                                                                              \
    X(zip_error_strerror)                                                                                          \
    X(zip_fclose)                                                                                                  \
    X(zip_file_add)                                                                                                \
    X(zip_file_get_error)                                                                                          \
    X(zip_file_set_mtime)                                                                                          \
    X(zip_fopen_index)                                                                                             \
    X(zip_fread)                                                                                                   \
    X(zip_get_error)                                                                                               \
    X(zip_get_name)                                                                                                \
    X(zip_get_num_entries)                                                                                         \
    X(zip_name_locate)                                                                                             \
    X(zip_open_from_source)                                                                                        \
    X(zip_set_file_compression)                                                                                    \
    X(zip_source_buffer)                                                                                           \
    X(zip_source_buffer_create)                                                                                    \
    X(zip_source_close)                                                                                            \
    X(zip_source_error)                                                                                            \
    X(zip_source_free)                                                                                             \
    X(zip_source_keep)                                                                                             \
    X(zip_source_open)                                                                                             \
    X(zip_source_read)                                                                                             \
    X(zip_source_seek)                                                                                             \
    X(zip_source_tell)                                                                                             \
    X(zip_stat_index)                                                                                              \
    X(zip_stat_init)

// libzip, loaded the first time an archive is read or written rather than
// linked. Linked, it and what it needs (OpenSSL's libcrypto among them) cost
// every start about two milliseconds of symbol binding, for backups that most
// starts never make. Each member is the libzip function of its name.
struct ZipLibrary
{
#define VELLUMRY_ZIP_MEMBER(name) decltype(&::name) name = nullptr;
    VELLUMRY_ZIP_FUNCTIONS(VELLUMRY_ZIP_MEMBER)
#undef VELLUMRY_ZIP_MEMBER

    // The library this build was made against, loaded once per process; null
    // when it cannot be, with the reason in *error.
    static const ZipLibrary* instance(QString* error = nullptr);

    // Loads the library file `fileName` and finds every function in it. On
    // failure the answer has none, and *error says what was missing.
    static ZipLibrary load(const QString& fileName, QString* error);

    bool isLoaded() const { return zip_close != nullptr; }
};
