#include "TestMain.h"

#include "widgets/BundledImage.h"

#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QPixmap>
#include <QTemporaryDir>

namespace {

// A 2x2 PNG: red, green / blue, half-transparent white.
const char kPng[] = "\x89\x50\x4e\x47\x0d\x0a\x1a\x0a\x00\x00\x00\x0d\x49\x48\x44\x52\x00\x00\x00\x02\x00\x00\x00\x02"
                    "\x08\x06\x00\x00\x00\x72\xb6\x0d\x24\x00\x00\x00\x13\x49\x44\x41\x54\x78\x9c\x63\xf8\xcf\xc0"
                    "\xf0\x1f\x0c\x81\x34\x08\x34\x00\x00\x49\x49\x09\x78\x28\xa0\xdb\x77\x00\x00\x00\x00\x49\x45"
                    "\x4e\x44\xae\x42\x60\x82";

// Whether an image-format plugin is in this process's memory.
bool imagePluginLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
}

} // namespace

class TestBundledImage : public QObject
{
    Q_OBJECT

private slots:
    void readsWithoutAskingThePlugins();
};

// Read as the PNG its name says, the image is what Qt's guessing reader makes
// of it, and no image-format plugin was loaded for it; the guessing reader
// loads them, where the system has any.
void TestBundledImage::readsWithoutAskingThePlugins()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("picture.png"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(kPng, sizeof(kPng) - 1);
    file.close();
    QVERIFY(!imagePluginLoaded());

    const QPixmap read = bundledImage(path);
    QVERIFY(!imagePluginLoaded());
    QCOMPARE(read.size(), QSize(2, 2));
    const QImage pixels = read.toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(QList<QRgb>({pixels.pixel(0, 0), pixels.pixel(1, 0), pixels.pixel(0, 1)}),
             QList<QRgb>({qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)}));
    QCOMPARE(qAlpha(pixels.pixel(1, 1)), 128);

    const QPixmap guessed(path);
    QCOMPARE(read.toImage(), guessed.toImage());
    const QDir plugins(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/imageformats"));
    if (!plugins.entryList(QDir::Files).isEmpty())
        QVERIFY(imagePluginLoaded());
}

VELLUMRY_TEST_MAIN(TestBundledImage)
#include "tst_bundledimage.moc"
