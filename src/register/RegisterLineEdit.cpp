#include "RegisterLineEdit.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>

RegisterLineEdit::RegisterLineEdit(QWidget* parent)
    : QLineEdit(parent)
{
}

bool RegisterLineEdit::event(QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // Asked for, a list not made yet is made: only these keys need it.
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        QAbstractItemView* popup = enter && completer() ? completer()->popup() : nullptr;
        if (popup && popup->isVisible()) {
            const QModelIndex current = popup->currentIndex();
            if (current.isValid())
                setText(current.data(Qt::DisplayRole).toString());
            popup->hide();
            return true;
        }
    }
    return QLineEdit::event(event);
}
