#include "RegisterTableView.h"

#include "RegisterModel.h"
#include "RegisterScreen.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

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
}

bool RegisterTableView::layOutPendingRows()
{
    m_laidOut = false;
    executeDelayedItemsLayout();
    return m_laidOut;
}

void RegisterTableView::doItemsLayout()
{
    m_laidOut = true;
    QTableView::doItemsLayout();
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
    if (currentIndex().isValid())
        edit(currentIndex());
    return true;
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
        QTableView::closeEditor(editor, hint);
        return;
    }
    // The base class would walk to the next editable cell of any row; the
    // register walks the fields of this row, once the editor is gone.
    const int row = currentIndex().row();
    const int column = currentIndex().column();
    QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    QTimer::singleShot(0, this, [this, row, column, hint] {
        if (!m_screen)
            return;
        setCurrentIndex(model()->index(row, column));
        if (hint == QAbstractItemDelegate::EditNextItem)
            m_screen->focusNextField();
        else
            m_screen->focusPreviousField();
    });
}

QModelIndex RegisterTableView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex index = QTableView::moveCursor(action, modifiers);
    if (index.isValid() && index.column() == RegisterModel::BalanceColumn)
        return index.siblingAtColumn(RegisterModel::ClearedColumn);
    return index;
}
