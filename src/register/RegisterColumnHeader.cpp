#include "RegisterColumnHeader.h"

#include <QPaintEvent>

RegisterColumnHeader::RegisterColumnHeader(QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsClickable(true);
    setHighlightSections(true);
}

void RegisterColumnHeader::paintEvent(QPaintEvent* event)
{
    const QRegion region = event->region();
    if (region.rectCount() < 2) {
        QHeaderView::paintEvent(event);
        return;
    }
    for (const QRect& part : region) {
        QPaintEvent partEvent(part);
        QHeaderView::paintEvent(&partEvent);
    }
}
