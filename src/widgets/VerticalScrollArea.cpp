#include "VerticalScrollArea.h"

#include <QEvent>

VerticalScrollArea::VerticalScrollArea(QWidget* page, QWidget* parent)
    : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidget(page);
}

QSize VerticalScrollArea::minimumSizeHint() const
{
    const int pageWidth = widget() ? widget()->minimumSizeHint().width() : 0;
    return {pageWidth + 2 * frameWidth(), QScrollArea::minimumSizeHint().height()};
}

// The page's minimum changes with its texts and fonts, and the scroll area's with it.
bool VerticalScrollArea::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == widget() && event->type() == QEvent::LayoutRequest)
        updateGeometry();
    return QScrollArea::eventFilter(watched, event);
}
