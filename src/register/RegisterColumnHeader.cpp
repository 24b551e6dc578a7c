#include "RegisterColumnHeader.h"

#include <QItemSelectionModel>
#include <QPaintEvent>
#include <QRegion>

#include <algorithm>

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

void RegisterColumnHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    if (m_painted.size() != count())
        m_painted = QList<std::optional<SelectionLook>>(count());
    m_painted[logicalIndex] = selectionLook(logicalIndex);
    QHeaderView::paintSection(painter, rect, logicalIndex);
}

void RegisterColumnHeader::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected)
{
    // Of the sections the base class would repaint, those from the first to the
    // last column of the change on screen, only those whose look the change
    // leaves otherwise than painted. One not painted yet, or painted as the
    // selection was before a change still to be painted, is repainted.
    int first = count();
    int last = -1;
    for (const QItemSelection* change : {&selected, &deselected}) {
        for (const QItemSelectionRange& range : *change) {
            for (int column = range.left(); column <= range.right(); ++column) {
                const int visual = visualIndex(column);
                if (visual < 0)
                    continue;
                first = std::min(first, visual);
                last = std::max(last, visual);
            }
        }
    }
    QRegion changed;
    for (int visual = first; visual <= last; ++visual) {
        const int logical = logicalIndex(visual);
        if (logical < m_painted.size() && m_painted.at(logical) == selectionLook(logical))
            continue;
        changed += QRect(sectionViewportPosition(logical), 0, sectionSize(logical), viewport()->height());
    }
    viewport()->update(changed);
}

RegisterColumnHeader::SelectionLook RegisterColumnHeader::selectionLook(int logicalIndex) const
{
    // What QHeaderView draws a section from, when it highlights sections.
    const QItemSelectionModel* selection = selectionModel();
    if (!selection)
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
