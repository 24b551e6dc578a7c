#pragma once

#include <QItemSelectionRange>
#include <QPointer>
#include <QTableView>

#include <functional>

class RegisterScreen;

// The register's table. The keyboard walks it as a check register is filled
// in: Tab and Shift+Tab go from field to field of the row and open each cell at
// once, the Balance column is never reached, and Space or C on the Clr column
// flips the cleared mark. The moves themselves are the screen's; without a
// screen the view behaves as a plain table wherever it would need one.
//
// When rows come or go, the rows above the first of them keep their pixels:
// the view lays the rows out again and repaints from that row down, and above
// it only the cells the model said changed meanwhile. Where the new layout
// scrolls the rows shown, as at the end of the register, their pixels move
// with them. Any other new layout (a reset, a new order, columns) repaints the
// whole viewport. The focus going to a cell's editor and back repaints only
// the current cell and the selection, when the palette draws them alike with
// and without focus; an editor closing repaints the cell under it.
class RegisterTableView : public QTableView
{
    Q_OBJECT

public:
    explicit RegisterTableView(RegisterScreen* screen, QWidget* parent = nullptr);

    bool isEditing() const { return state() == QAbstractItemView::EditingState; }
    // The two-line payee editor holding the keyboard focus, or null.
    QWidget* focusedPayeeMemoEditor() const;
    // Opens the cell's editor; a read-only cell (Clr, Balance, a split's
    // amounts, the opening line) opens nothing, and is no failure.
    void editIfEditable(const QModelIndex& index);
    // Lays the rows out now when a change of rows left that for later, so that
    // scrolling reaches them; true if the whole viewport is repainted for it.
    bool layOutPendingRows();
    void doItemsLayout() override;
    // A cell of a hidden column (the memo, in two-line rows) brings its row
    // into view, the columns shown staying as they are.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    void setModel(QAbstractItemModel* model) override;
    void reset() override;

signals:
    // The last editor closed: by Escape, a save, the focus leaving, a move to
    // another row. Tab and Shift+Tab between the fields of a row, which open the
    // next one at once, end nothing.
    void editingEnded();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void updateGeometries() override;
    void rowsInserted(const QModelIndex& parent, int start, int end) override;
    void rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) override;
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;

private:
    // Closes the editor as the base class does, without costing the next
    // scroll its pixels.
    void releaseEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint);
    // Runs a focus change, repainting only what it changes on screen.
    void repaintForFocus(const std::function<void()>& change);
    void repaintFrameForFocus(const std::function<void()>& change);
    // Whether the style draws the frame otherwise with the focus; asked of
    // each style once.
    bool frameShowsFocus() const;
    // Runs `change` with the viewport's updates dropped; true if it scrolled the
    // rows shown or resized the viewport, which then needs repainting whole.
    bool movesRowsShown(const std::function<void()>& change);
    void rowsMovedFrom(int row);
    // Where the rows and columns shown start, in pixels.
    QPoint contentOffset() const;
    // The cells from one corner to the other on screen, to their last pixel
    // and no further; empty where none is shown (a hidden column alone).
    QRect cellsRect(const QModelIndex& topLeft, const QModelIndex& bottomRight) const;
    // What the rows' new layout changed on screen, scrolled as before.
    QRegion changedSinceLastLayout(int movedFrom, const QList<QItemSelectionRange>& changed) const;

    QPointer<RegisterScreen> m_screen;
    mutable QPointer<QStyle> m_frameFocusAskedOf;
    mutable bool m_frameShowsFocus = true;
    bool m_laidOutWhole = false;
    // Since the last layout: the first row where rows came or went (-1: none),
    // the cells changed meanwhile (the view leaves them to the layout), and
    // whether anything else asks for the whole viewport.
    int m_rowsMovedFrom = -1;
    QList<QItemSelectionRange> m_changedBeforeLayout;
    bool m_layoutWhole = false;
    // While a layout runs held: the pixels its scrolls moved the rows by.
    bool m_layoutHeld = false;
    QPoint m_scrolledWhileHeld;
};
