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

void RegisterColumnHeader::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                                       const QList<int>& roles)
{
    // The base class forgets its size hint for any cell's new text, and the
    // table's next layout then measures every title again: on each row written.
    // Only a section sized to its cells' contents needs to hear of them.
    if (sizesAnySectionToContents())
        QHeaderView::dataChanged(topLeft, bottomRight, roles);
}

bool RegisterColumnHeader::sizesAnySectionToContents() const
{
    for (int section = 0; section < count(); ++section) {
        if (sectionResizeMode(section) == QHeaderView::ResizeToContents)
            return true;
    }
    return false;
}
