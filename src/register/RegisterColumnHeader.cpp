#include "RegisterColumnHeader.h"

#include <QItemSelectionModel>
#include <QPaintEvent>
#include <QRegion>

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

void RegisterColumnHeader::reset()
{
    m_painted.clear();
    QHeaderView::reset();
}

void RegisterColumnHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    if (logicalIndex >= 0) {
        if (m_painted.size() != count())
            m_painted = QList<std::optional<SelectionLook>>(count());
        m_painted[logicalIndex] = selectionLook(logicalIndex);
    }
    QHeaderView::paintSection(painter, rect, logicalIndex);
}

void RegisterColumnHeader::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected)
{
    if (!isVisible() || !updatesEnabled())
        return;
    // The sections the base class would repaint, less those whose look the
    // change leaves as painted. One not painted yet, or painted as the
    // selection was before a change still to be painted, is repainted.
    const QRect span = (visualRegionForSelection(deselected) | visualRegionForSelection(selected)).boundingRect();
    if (span.isEmpty())
        return;
    const int first = visualIndexAt(span.left());
    const int last = visualIndexAt(span.right());
    if (first < 0 || last < 0) {
        viewport()->update(span);
        return;
    }
    QRegion changed;
    for (int visual = first; visual <= last; ++visual) {
        const int logical = logicalIndex(visual);
        if (isSectionHidden(logical))
            continue;
        const bool known = logical < m_painted.size() && m_painted.at(logical).has_value();
        if (known && *m_painted.at(logical) == selectionLook(logical))
            continue;
        changed += QRect(sectionViewportPosition(logical), 0, sectionSize(logical), viewport()->height());
    }
    viewport()->update(changed);
}

RegisterColumnHeader::SelectionLook RegisterColumnHeader::selectionLook(int logicalIndex) const
{
    // As QHeaderView draws a section: a clickable one shows the selection when
    // it highlights sections, unless it is the one pressed.
    const QItemSelectionModel* selection = selectionModel();
    if (!selection || !sectionsClickable() || !highlightSections())
        return {};
    const int visual = visualIndex(logicalIndex);
    return {selection->columnIntersectsSelection(logicalIndex, rootIndex()), isColumnSelected(visual),
            isColumnSelected(visual - 1), isColumnSelected(visual + 1)};
}

bool RegisterColumnHeader::isColumnSelected(int visualIndex) const
{
    const int logical = logicalIndex(visualIndex);
    return logical >= 0 && selectionModel()->isColumnSelected(logical, rootIndex());
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
