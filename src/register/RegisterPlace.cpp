#include "RegisterPlace.h"

#include "RegisterModel.h"
#include "RegisterTableView.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QWidget>

#include <algorithm>

namespace {

QString idAt(const RegisterModel* model, int row)
{
    if (row < 0 || row >= model->rowCount() || row == model->entryRow())
        return QString();
    return model->transactionAt(row).id;
}

// Whether `row` ends below the view once `topRow` is at its top. Where the view
// cannot scroll that far, the rows stand lower still.
bool isBelowViewFrom(const RegisterTableView* table, int topRow, int row)
{
    const QHeaderView* rows = table->verticalHeader();
    return row > topRow
           && rows->sectionPosition(row) + rows->sectionSize(row) - rows->sectionPosition(topRow)
                  > table->viewport()->height();
}

} // namespace

RegisterPlace::RegisterPlace(const RegisterTableView* table, const RegisterModel* model)
{
    const QModelIndex top = table->indexAt(QPoint(0, 0));
    if (top.isValid()) {
        m_topRow = top.row();
        m_topColumn = top.column();
        m_topY = table->visualRect(top).top();
        m_topId = idAt(model, m_topRow);
    }
    const QScrollBar* bar = table->verticalScrollBar();
    m_atEnd = bar->value() == bar->maximum();
    const QModelIndex current = table->currentIndex();
    if (current.isValid()) {
        m_currentRow = current.row();
        m_currentColumn = current.column();
        m_currentId = idAt(model, m_currentRow);
        m_onEntryRow = m_currentRow == model->entryRow();
    }
}

void RegisterPlace::restore(RegisterTableView* table, const RegisterModel* model) const
{
    // The scroll range must be that of the rows now shown before scrolling in them.
    // Laid out anew and repainted whole, the viewport need not move the old
    // pixels first when it scrolls, nor paint before the rows are in place.
    QWidget* viewport = table->viewport();
    // Typing at the end of the register, the view stays at its end while the
    // rows are laid out. Laid out with the scroll value where it was, they would
    // move twice: first to show that row at the top, then down to bring the
    // entry row back to the bottom edge.
    QScrollBar* bar = table->verticalScrollBar();
    QMetaObject::Connection keepAtEnd;
    if (m_onEntryRow && m_atEnd && model->entryRow() == model->rowCount() - 1) {
        keepAtEnd = QObject::connect(bar, &QScrollBar::rangeChanged, bar,
                                     [bar](int, int maximum) { bar->setValue(maximum); });
    }
    const bool holdPaint = table->layOutPendingRows() && viewport->updatesEnabled();
    QObject::disconnect(keepAtEnd);
    if (holdPaint)
        viewport->setUpdatesEnabled(false);
    const int lastRow = model->rowCount() - 1;
    const auto rowNow = [&](const QString& id, int row) {
        // A row known to be gone would be looked for in every row, in vain.
        const int found = id.isEmpty() ? -1 : model->rowOf(id, row);
        return found >= 0 ? found : std::min(row, lastRow);
    };
    int currentRow = -1;
    if (m_onEntryRow) {
        // Never on a stored row instead: typing there would overwrite it.
        currentRow = model->entryRow();
    } else if (m_currentRow >= 0) {
        currentRow = rowNow(m_currentId, m_currentRow);
    }
    const int column = std::max(m_currentColumn, 0);
    if (currentRow >= 0)
        table->setCurrentIndex(model->index(currentRow, column));
    QAbstractItemView::ScrollHint currentHint = QAbstractItemView::EnsureVisible;
    if (m_topRow >= 0) {
        // Most writes leave the top row where it was, at the end of the
        // register in part above the view; scrolling to it anyway costs a walk
        // over the rows that fill the viewport, and there moves the view.
        const int topRow = rowNow(m_topId, m_topRow);
        const QModelIndex top = table->indexAt(QPoint(0, 0));
        if (!top.isValid() || top.row() != topRow || table->visualRect(top).top() != m_topY) {
            // With the top row back in place, a current row below the view
            // would then be scrolled to the bottom of it, from wherever the
            // view stood: going there at once moves the pixels once, not twice
            // (a row saved at the end of the register).
            if (currentRow >= 0 && isBelowViewFrom(table, topRow, currentRow)) {
                currentHint = QAbstractItemView::PositionAtBottom;
            } else {
                const int horizontal = table->horizontalScrollBar()->value();
                table->scrollTo(model->index(topRow, m_topColumn), QAbstractItemView::PositionAtTop);
                table->horizontalScrollBar()->setValue(horizontal);
            }
        }
    }
    if (currentRow >= 0)
        table->scrollTo(model->index(currentRow, column), currentHint);
    if (holdPaint)
        viewport->setUpdatesEnabled(true);
}

void RegisterPlace::forget(const QString& id)
{
    for (QString* kept : {&m_topId, &m_currentId}) {
        if (*kept == id)
            kept->clear();
    }
}
