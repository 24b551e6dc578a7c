#include "RegisterCellImages.h"

#include <QPaintEngine>

#include <cmath>
#include <optional>

namespace {

struct Surface
{
    QImage::Format format;
    int pixelRatio;
};

bool whole(qreal value)
{
    return value == std::floor(value);
}

// The raster image `painter` draws on, when an image of a cell drawn there at
// a whole-pixel point lands on whole pixels of it: the painter only moves (or
// scales by a whole pixel ratio), draws opaque over what is there, and the
// image is of a format a cell's image can share.
std::optional<Surface> surfaceOf(QPainter* painter)
{
    const QPaintEngine* engine = painter->paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster || painter->opacity() != 1.0
        || painter->compositionMode() != QPainter::CompositionMode_SourceOver)
        return std::nullopt;
    const QPaintDevice* device = engine->paintDevice();
    if (!device || device->devType() != QInternal::Image)
        return std::nullopt;
    const QImage::Format format = static_cast<const QImage*>(device)->format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32_Premultiplied)
        return std::nullopt;
    const QTransform transform = painter->deviceTransform();
    const qreal ratio = transform.m11();
    if (transform.type() > QTransform::TxScale || transform.m22() != ratio || ratio < 1 || !whole(ratio)
        || !whole(transform.dx()) || !whole(transform.dy()))
        return std::nullopt;
    return Surface{format, int(ratio)};
}

} // namespace

void RegisterCellImages::paint(QPainter* painter, const QRect& cell, const Look& look,
                               const std::function<void(QPainter*)>& drawGround,
                               const std::function<void(QPainter*)>& drawCell)
{
    const std::optional<Surface> surface = surfaceOf(painter);
    if (!surface || cell.isEmpty() || qAlpha(look.base) != 255) {
        drawCell(painter);
        return;
    }
    const Key key{look, cell.size(), surface->pixelRatio, int(surface->format), int(painter->renderHints())};
    const QImage* kept = m_images.find(key);
    if (!kept) {
        if (!m_drawnOnce.remove(key)) {
            m_drawnOnce.insert(key, {}, 1);
            drawCell(painter);
            return;
        }
        const QSize pixels = cell.size() * surface->pixelRatio;
        if (m_scratch.format() != surface->format || m_scratch.width() < pixels.width()
            || m_scratch.height() < pixels.height())
            m_scratch = QImage(pixels.expandedTo(m_scratch.size()), surface->format);
        m_scratch.setDevicePixelRatio(surface->pixelRatio);
        {
            QPainter onImage(&m_scratch);
            onImage.setRenderHints(painter->renderHints());
            onImage.translate(-cell.topLeft());
            onImage.fillRect(cell, QColor::fromRgba(look.base));
            drawGround(&onImage);
            drawCell(&onImage);
        }
        QImage image = m_scratch.copy(QRect(QPoint(0, 0), pixels));
        const qsizetype bytes = image.sizeInBytes();
        kept = m_images.insert(key, std::move(image), bytes);
    }
    painter->drawImage(cell.topLeft(), *kept);
}
