#include "RegisterTableView.h"

#include "RegisterColumnHeader.h"
#include "RegisterModel.h"
#include "RegisterRowHeader.h"
#include "RegisterScreen.h"

#include "widgets/SteadyScrollBar.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {

bool isBackwardTab(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Backtab
           || (event->key() == Qt::Key_Tab && event->modifiers().testFlag(Qt::ShiftModifier));
}

bool isForwardTab(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Tab && !event->modifiers().testFlag(Qt::ShiftModifier);
}

} // namespace

RegisterTableView::RegisterTableView(RegisterScreen* screen, QWidget* parent)
    : QTableView(parent)
    , m_screen(screen)
{
    setHorizontalHeader(new RegisterColumnHeader(this));
    setVerticalHeader(new RegisterRowHeader(this));
    setVerticalScrollBar(new SteadyScrollBar(Qt::Vertical, this));
}

bool RegisterTableView::layOutPendingRows()
{
    m_laidOutWhole = false;
    executeDelayedItemsLayout();
    return m_laidOutWhole;
}

void RegisterTableView::doItemsLayout()
{
    const int movedFrom = std::exchange(m_rowsMovedFrom, -1);
    const QList<QItemSelectionRange> changed = std::exchange(m_changedBeforeLayout, {});
    QWidget* area = viewport();
    if (std::exchange(m_layoutWhole, false) || movedFrom < 0 || !isVisible() || !area->updatesEnabled()) {
        m_laidOutWhole = true;
        QTableView::doItemsLayout();
        return;
    }
    // The base class repaints the whole viewport after any layout. Held here,
    // the rows above the first that moved keep their pixels; a scroll bar that
    // comes or goes resizes the viewport, which is then repainted whole.
    const QSize size = area->size();
    const QPoint offset = contentOffset();
    m_scrolledWhileHeld = QPoint();
    m_layoutHeld = true;
    area->setAttribute(Qt::WA_UpdatesDisabled);
    QTableView::doItemsLayout();
    area->setAttribute(Qt::WA_UpdatesDisabled, false);
    m_layoutHeld = false;
    // A scroll range that grows or shrinks moves the rows shown, by a scroll
    // (scrollContentsBy) or, at the end of the register, where the rows align
    // to the last one, by a new offset alone: their pixels follow them.
    const QPoint unscrolled = offset - contentOffset() - m_scrolledWhileHeld;
    m_laidOutWhole = area->size() != size || unscrolled.x() != 0;
    if (m_laidOutWhole) {
        area->update();
        return;
    }
    // The editors already stand where the layout put them.
    if (unscrolled.y() != 0)
        area->scroll(0, unscrolled.y(), area->rect());
    area->update(changedSinceLastLayout(movedFrom, changed));
}

void RegisterTableView::updateGeometries()
{
    QTableView::updateGeometries();
    // Scrolled by columns, the bar's value names the first column shown. A
    // column hidden or shown changes where that column starts, or lets the
    // range grow past the value, and the value stays; Qt moves the header and
    // the rows only for a new value, so they would stand where the old columns
    // put them until the next scroll.
    if (horizontalScrollMode() != QAbstractItemView::ScrollPerItem)
        return;
    QHeaderView* header = horizontalHeader();
    const QScrollBar* bar = horizontalScrollBar();
    const int before = header->offset();
    if (bar->maximum() > 0 && bar->value() == bar->maximum())
        header->setOffsetToLastSection();
    else
        header->setOffsetToSectionPosition(bar->value());
    if (header->offset() == before)
        return;
    updateEditorGeometries();
    viewport()->update();
}

void RegisterTableView::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    if (!index.isValid() || !isColumnHidden(index.column())) {
        QTableView::scrollTo(index, hint);
        return;
    }
    const QHeaderView* columns = horizontalHeader();
    const int shown = columns->logicalIndexAt(0);
    if (shown < 0)
        return;
    const int horizontal = horizontalScrollBar()->value();
    QTableView::scrollTo(index.siblingAtColumn(shown), hint);
    horizontalScrollBar()->setValue(horizontal);
}

QPoint RegisterTableView::contentOffset() const
{
    return {horizontalHeader()->offset(), verticalHeader()->offset()};
}

void RegisterTableView::scrollContentsBy(int dx, int dy)
{
    if (!m_layoutHeld) {
        QTableView::scrollContentsBy(dx, dy);
        return;
    }
    // A viewport that takes no updates moves its pixels, or not, without
    // asking for what comes into view: scrolled with updates, it does both.
    QWidget* area = viewport();
    const QPoint before = contentOffset();
    area->setAttribute(Qt::WA_UpdatesDisabled, false);
    QTableView::scrollContentsBy(dx, dy);
    area->setAttribute(Qt::WA_UpdatesDisabled);
    m_scrolledWhileHeld += before - contentOffset();
}

bool RegisterTableView::movesRowsShown(const std::function<void()>& change)
{
    QWidget* area = viewport();
    const int vertical = verticalScrollBar()->value();
    const int horizontal = horizontalScrollBar()->value();
    const QSize size = area->size();
    area->setAttribute(Qt::WA_UpdatesDisabled);
    change();
    area->setAttribute(Qt::WA_UpdatesDisabled, false);
    return verticalScrollBar()->value() != vertical || horizontalScrollBar()->value() != horizontal
           || area->size() != size;
}

void RegisterTableView::setModel(QAbstractItemModel* model)
{
    // The base class makes its own connections to the new model again.
    if (QAbstractItemModel* old = this->model())
        old->disconnect(this);
    QTableView::setModel(model);
    m_layoutWhole = true;
    if (!model)
        return;
    // What lays the rows out again besides rows coming and going.
    const auto whole = [this] { m_layoutWhole = true; };
    connect(model, &QAbstractItemModel::layoutChanged, this, whole);
    connect(model, &QAbstractItemModel::rowsMoved, this, whole);
    connect(model, &QAbstractItemModel::columnsInserted, this, whole);
    connect(model, &QAbstractItemModel::columnsRemoved, this, whole);
    connect(model, &QAbstractItemModel::columnsMoved, this, whole);
}

void RegisterTableView::reset()
{
    m_layoutWhole = true;
    const bool editing = isEditing();
    QTableView::reset();
    if (editing)
        emit editingEnded();
}

void RegisterTableView::focusInEvent(QFocusEvent* event)
{
    repaintForFocus([&] { repaintFrameForFocus([&] { QTableView::focusInEvent(event); }); });
}

void RegisterTableView::focusOutEvent(QFocusEvent* event)
{
    repaintForFocus([&] { repaintFrameForFocus([&] { QTableView::focusOutEvent(event); }); });
}

void RegisterTableView::repaintFrameForFocus(const std::function<void()>& change)
{
    // QWidget repaints the whole table for a focus change, and so every part
    // of it that does not paint itself whole (the scroll bars' strip) on each
    // editor opened or closed. Of the table itself, only the frame around the
    // rows can show the focus.
    if (!updatesEnabled()) {
        change();
        return;
    }
    setAttribute(Qt::WA_UpdatesDisabled);
    change();
    setAttribute(Qt::WA_UpdatesDisabled, false);
    if (frameShowsFocus())
        update(QRegion(rect()) - contentsRect());
}

bool RegisterTableView::frameShowsFocus() const
{
    QStyle* drawing = style();
    if (m_frameFocusAskedOf == drawing)
        return m_frameShowsFocus;
    QStyleOptionFrame option;
    initStyleOption(&option);
    option.rect = QRect(0, 0, 24, 24);
    const auto frame = [&](bool focused) {
        QImage image(option.rect.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QStyleOptionFrame drawn = option;
        drawn.state.setFlag(QStyle::State_HasFocus, focused);
        QPainter painter(&image);
        drawing->drawControl(QStyle::CE_ShapedFrame, &drawn, &painter, this);
        return image;
    };
    m_frameFocusAskedOf = drawing;
    m_frameShowsFocus = frame(true) != frame(false);
    return m_frameShowsFocus;
}

void RegisterTableView::repaintForFocus(const std::function<void()>& change)
{
    // The base class repaints the whole viewport for a focus change: the
    // selection may be drawn in other colours without the focus. Where both
    // palette groups are the same, only the current cell's focus frame changes.
    QWidget* area = viewport();
    if (!isVisible() || !area->updatesEnabled() || !area->palette().isEqual(QPalette::Active, QPalette::Inactive)) {
        change();
        return;
    }
    if (movesRowsShown(change)) {
        area->update();
        return;
    }
    QRegion cells = selectionModel() ? visualRegionForSelection(selectionModel()->selection()) : QRegion();
    if (currentIndex().isValid())
        cells += visualRect(currentIndex());
    area->update(cells);
}

void RegisterTableView::rowsInserted(const QModelIndex& parent, int start, int end)
{
    rowsMovedFrom(start);
    QTableView::rowsInserted(parent, start, end);
}

void RegisterTableView::rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end)
{
    rowsMovedFrom(start);
    QTableView::rowsAboutToBeRemoved(parent, start, end);
}

void RegisterTableView::rowsMovedFrom(int row)
{
    m_rowsMovedFrom = m_rowsMovedFrom < 0 ? row : std::min(m_rowsMovedFrom, row);
}

void RegisterTableView::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                                    const QList<int>& roles)
{
    QWidget* area = viewport();
    const bool valid = topLeft.isValid() && bottomRight.isValid();
    // With a layout pending, the base class leaves these cells to it.
    if (m_rowsMovedFrom >= 0 && valid)
        m_changedBeforeLayout.append(QItemSelectionRange(topLeft, bottomRight));
    if (m_rowsMovedFrom >= 0 || !valid || topLeft == bottomRight || !area->updatesEnabled()) {
        QTableView::dataChanged(topLeft, bottomRight, roles);
        return;
    }
    // For more than one cell the base class repaints a rectangle one pixel
    // taller and wider than theirs: for a row, the whole row below it too. It
    // still updates the editors and tells assistive tools; the repaint is ours.
    area->setAttribute(Qt::WA_UpdatesDisabled);
    QTableView::dataChanged(topLeft, bottomRight, roles);
    area->setAttribute(Qt::WA_UpdatesDisabled, false);
    if (isVisible())
        area->update(cellsRect(topLeft, bottomRight));
}

QRect RegisterTableView::cellsRect(const QModelIndex& topLeft, const QModelIndex& bottomRight) const
{
    // The register's columns keep their order: those in between lie between
    // the two ends, whichever way the text runs. A hidden end is a section of
    // no size where it would stand.
    const auto span = [](const QHeaderView* header, int first, int last) {
        const int firstAt = header->sectionViewportPosition(first);
        const int lastAt = header->sectionViewportPosition(last);
        return std::pair(std::min(firstAt, lastAt),
                         std::max(firstAt + header->sectionSize(first), lastAt + header->sectionSize(last)));
    };
    const auto [top, bottom] = span(verticalHeader(), topLeft.row(), bottomRight.row());
    const auto [left, right] = span(horizontalHeader(), topLeft.column(), bottomRight.column());
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

QRegion RegisterTableView::changedSinceLastLayout(int movedFrom, const QList<QItemSelectionRange>& changed) const
{
    const QRect area = viewport()->rect();
    const int rows = model()->rowCount();
    // Rows below the first that came or went are others now, or stripe the
    // other way; so is the space below the last row.
    int top = 0;
    if (movedFrom < rows)
        top = rowViewportPosition(movedFrom);
    else if (rows > 0)
        top = rowViewportPosition(rows - 1) + rowHeight(rows - 1);
    QRegion region = QRect(area.left(), top, area.width(), area.bottom() - top + 1) & area;
    // Rows above it never moved, whatever came after a change to them.
    for (const QItemSelectionRange& range : changed) {
        if (!range.isValid())
            continue;
        const int bottom = std::min(range.bottom(), movedFrom - 1);
        if (bottom < range.top())
            continue;
        region += cellsRect(model()->index(range.top(), range.left()), model()->index(bottom, range.right())) & area;
    }
    return region;
}

QWidget* RegisterTableView::focusedPayeeMemoEditor() const
{
    const QWidget* focus = QApplication::focusWidget();
    for (QWidget* widget = focus ? focus->parentWidget() : nullptr; widget && widget != this;
         widget = widget->parentWidget()) {
        if (widget->objectName() == QLatin1String("PayeeMemoEditor"))
            return widget;
    }
    return nullptr;
}

bool RegisterTableView::event(QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QTableView::event(event);
    const auto* keyEvent = static_cast<QKeyEvent*>(event);
    const bool forward = isForwardTab(keyEvent);
    // The two-line payee editor walks from its payee line to its memo line itself.
    if ((!forward && !isBackwardTab(keyEvent)) || focusedPayeeMemoEditor())
        return QTableView::event(event);

    // With no editor open, Tab is a step sideways that opens the cell reached.
    QKeyEvent arrow(QEvent::KeyPress, forward ? Qt::Key_Right : Qt::Key_Left, Qt::NoModifier);
    QTableView::event(&arrow);
    editIfEditable(currentIndex());
    return true;
}

void RegisterTableView::editIfEditable(const QModelIndex& index)
{
    if (model() && model()->flags(index).testFlag(Qt::ItemIsEditable))
        edit(index);
}

void RegisterTableView::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers held = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const QModelIndex current = currentIndex();
    if (held == Qt::NoModifier && (event->key() == Qt::Key_Space || event->key() == Qt::Key_C)
        && current.isValid() && current.column() == RegisterModel::ClearedColumn && m_screen) {
        m_screen->toggleClearedAt(current.row());
        event->accept();
    } else if (isBackwardTab(event)) {
        if (m_screen)
            m_screen->focusPreviousField();
        event->accept();
    } else if (isForwardTab(event)) {
        if (m_screen)
            m_screen->focusNextField();
        event->accept();
    } else {
        QTableView::keyPressEvent(event);
    }
}

bool RegisterTableView::focusNextPrevChild(bool next)
{
    if (!m_screen)
        return QTableView::focusNextPrevChild(next);
    if (focusedPayeeMemoEditor())
        return m_screen->focusNextPrevChild(next);
    if (next)
        m_screen->focusNextField();
    else
        m_screen->focusPreviousField();
    return true;
}

void RegisterTableView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    if (hint != QAbstractItemDelegate::EditNextItem && hint != QAbstractItemDelegate::EditPreviousItem) {
        releaseEditor(editor, hint);
        if (!isEditing())
            emit editingEnded();
        return;
    }
    // The base class would walk to the next editable cell of any row; the
    // register walks the fields of this row. It walks at once, as the base
    // class does: keys typed ahead of a busy window come with nothing run
    // between them, and the one behind this belongs in the next field's
    // editor, not in a table with none open. The row is found again by its
    // transaction once the editor is gone, in case what its closing set off
    // moved the rows.
    const auto* registerModel = qobject_cast<const RegisterModel*>(model());
    const int row = currentIndex().row();
    const int column = currentIndex().column();
    const bool onEntryRow = registerModel && row == registerModel->entryRow();
    const QString id = registerModel ? registerModel->transactionIdAt(row) : QString();
    releaseEditor(editor, QAbstractItemDelegate::NoHint);
    int rowNow = row;
    if (registerModel && onEntryRow)
        rowNow = registerModel->entryRow();
    else if (registerModel && !id.isEmpty())
        rowNow = registerModel->rowOf(id, row);
    if (m_screen && rowNow >= 0) {
        setCurrentIndex(model()->index(rowNow, column));
        if (hint == QAbstractItemDelegate::EditNextItem)
            m_screen->focusNextField();
        else
            m_screen->focusPreviousField();
    }
    if (!isEditing())
        emit editingEnded();
}

void RegisterTableView::releaseEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    // Hidden, an editor marks its place in the window's pixels as lost, and
    // until the next paint Qt then moves no pixels across that place when the
    // view scrolls: it paints the whole viewport again. The cell under it is
    // asked to repaint as a changed cell is, and a scroll carries that along.
    const QPointer<QWidget> closing = editor;
    const bool quiet = editor && editor->isVisible() && editor->parentWidget() == viewport();
    if (quiet) {
        viewport()->update(editor->geometry());
        editor->setAttribute(Qt::WA_UpdatesDisabled);
    }
    QTableView::closeEditor(editor, hint);
    // Still shown, it was not this view's to close.
    if (quiet && closing && closing->isVisible())
        closing->setAttribute(Qt::WA_UpdatesDisabled, false);
}

QModelIndex RegisterTableView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex index = QTableView::moveCursor(action, modifiers);
    if (index.isValid() && index.column() == RegisterModel::BalanceColumn)
        return index.siblingAtColumn(RegisterModel::ClearedColumn);
    return index;
}
