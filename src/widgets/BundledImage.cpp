#include "BundledImage.h"

#include <QFileInfo>
#include <QImageReader>

QPixmap bundledImage(const QString& path)
{
    QImageReader reader(path, QFileInfo(path).suffix().toLower().toLatin1());
    // Only a plugin named for the format is asked, before the built-in readers.
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QPixmap appIconImage()
{
    return bundledImage(QStringLiteral(":/icons/icons/app_icon.png"));
}
