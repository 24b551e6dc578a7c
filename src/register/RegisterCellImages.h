#pragma once

#include "KeptGenerations.h"

#include <QColor>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QRect>

#include <functional>
#include <variant>

// Register cells as they were drawn, kept as images of the surface's own
// format and copied back when the same cell paints again: after a save most of
// the rows repainted below it look as they did, and drawing their panels and
// texts again was most of the repaint. A cell is kept the second time it
// paints unchanged, so that rows scrolled past once cost no image.
//
// Copying is exact only where the copy lands on whole pixels of an image
// surface; elsewhere (a scaled or turned painter, a fractional pixel ratio, a
// surface that is not a raster image) cells are drawn as they come.
class RegisterCellImages
{
public:
    // What the cell's pixels depend on besides its size and the surface; the
    // caller names every input of its drawing here.
    struct Look
    {
        quint64 text = 0;   // the laid-out text's serial, 0 for none
        QPoint textOrigin;  // of the text, from the cell's top left
        QRgb textColor = 0;
        QRgb base = 0;      // the view's own background, under every row (opaque)
        QRgb panel = 0;     // the cell's own background, 0 for none
        qint64 palette = 0; // the view's palette (QPalette::cacheKey), whose colours the style draws with
        int state = 0;      // the style's state flags
        int features = 0;   // the style option's features
        friend bool operator==(const Look&, const Look&) = default;
    };

    // Paints the cell at `cell` on `painter`, which holds the view's row panel
    // under it already: from the cell's kept image, or by `drawCell`. An image
    // is made on the view's background (`look.base`) with the row panel
    // `drawGround` lays over it, then `drawCell`; both are given the painter to
    // use, in the view's coordinates.
    void paint(QPainter* painter, const QRect& cell, const Look& look, const std::function<void(QPainter*)>& drawGround,
               const std::function<void(QPainter*)>& drawCell);

    qsizetype keptBytes() const { return m_images.weight(); }
    // At most this many bytes of images are kept: half of them the cells kept
    // lately, the other half those kept before and not copied back since.
    static constexpr qsizetype kMaxBytes = 16 * 1024 * 1024;
    // Cells drawn once are remembered up to this many: the older half goes
    // when the newer one is full, so a cell met again lately is not drawn
    // once more for having come just before the bound.
    static constexpr qsizetype kMaxDrawnOnce = 8192;

private:
    struct Key
    {
        Look look;
        QSize size;
        int pixelRatio = 1;
        int format = 0;
        int hints = 0;
        friend bool operator==(const Key&, const Key&) = default;
        friend size_t qHash(const Key& key, size_t seed = 0)
        {
            const Look& cell = key.look;
            return qHashMulti(seed, cell.text, cell.textOrigin.x(), cell.textOrigin.y(), cell.textColor, cell.base,
                              cell.panel, cell.palette, cell.state, cell.features, key.size.width(), key.size.height(),
                              key.pixelRatio, key.format, key.hints);
        }
    };

    // About the cells of a few screens of rows in a generation.
    static constexpr qsizetype kExpectedImages = 1024;
    KeptGenerations<Key, QImage> m_images{kMaxBytes / 2, kExpectedImages};
    // Cells are drawn here and their pixels copied out: an image painted on
    // keeps its paint engine as long as it lives, which made every kept cell
    // dearer to make, to hold and to drop.
    QImage m_scratch;
    KeptGenerations<Key, std::monostate> m_drawnOnce{kMaxDrawnOnce / 2, kMaxDrawnOnce / 2};
};
