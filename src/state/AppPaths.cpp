#include "AppPaths.h"

#include <QDir>
#include <QStandardPaths>

QString dataDirectoryPath()
{
    const QByteArray overridePath = qgetenv("VELLUMRY_DATA_DIR");
    if (!overridePath.isEmpty()) {
        const QString path = QString::fromUtf8(overridePath);
        QDir(path).mkpath(QStringLiteral("."));
        return path;
    }

    const QString path = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QLatin1String("/Orvalen/Vellumry");
    QDir dir(path);
    if (!dir.exists())
        dir.mkpath(QStringLiteral("."));
    return path;
}

QString databaseFilePath()
{
    return dataDirectoryPath() + QLatin1String("/vellumry.db");
}
