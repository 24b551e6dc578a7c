#pragma once

#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

// A window's own pixels, as last painted: what the screen shows, where
// QWidget::grab() paints the widget afresh.
inline QImage windowPixels(QWidget* window)
{
    return window->screen()
        ->grabWindow(window->winId(), 0, 0, window->width(), window->height())
        .toImage()
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}
