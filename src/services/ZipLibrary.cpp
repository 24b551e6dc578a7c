#include "ZipLibrary.h"

#include <QDebug>
#include <QLibrary>

namespace {

struct Loaded
{
    ZipLibrary library;
    QString error;
};

} // namespace

ZipLibrary ZipLibrary::load(const QString& fileName, QString* error)
{
    // Never unloaded once taken: archives may be open until the process ends.
    QLibrary file(fileName);
    if (!file.load()) {
        *error = QStringLiteral("libzip could not be loaded: %1").arg(file.errorString());
        return {};
    }
    ZipLibrary library;
    QStringList missing;
#define VELLUMRY_ZIP_RESOLVE(name)                                                                                 \
    library.name = reinterpret_cast<decltype(library.name)>(file.resolve(#name));                                  \
    if (!library.name)                                                                                             \
        missing.append(QStringLiteral(#name));
    VELLUMRY_ZIP_FUNCTIONS(VELLUMRY_ZIP_RESOLVE)
#undef VELLUMRY_ZIP_RESOLVE
    if (!missing.isEmpty()) {
        *error = QStringLiteral("%1 is not the libzip this program needs; it lacks %2")
                     .arg(file.fileName(), missing.join(QLatin1String(", ")));
        file.unload();
        return {};
    }
    return library;
}

const ZipLibrary* ZipLibrary::instance(QString* error)
{
    static const Loaded loaded = [] {
        Loaded result;
        result.library = load(QStringLiteral(VELLUMRY_LIBZIP_FILE), &result.error);
        if (!result.library.isLoaded())
            qWarning().noquote() << result.error;
        return result;
    }();
    if (!loaded.library.isLoaded()) {
        if (error)
            *error = loaded.error;
        return nullptr;
    }
    return &loaded.library;
}
