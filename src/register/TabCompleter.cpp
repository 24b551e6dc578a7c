#include "TabCompleter.h"

#include <QAbstractItemDelegate>
#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

TabCompleter::TabCompleter(const QStringList& entries, QObject* parent)
    : QCompleter(entries, parent)
{
    setUp();
}

TabCompleter::TabCompleter(QAbstractItemModel* model, QObject* parent)
    : QCompleter(model, parent)
{
    setUp();
}

void TabCompleter::setUp()
{
    setCaseSensitivity(Qt::CaseInsensitive);
    setFilterMode(Qt::MatchContains);
    setCompletionMode(QCompleter::PopupCompletion);
}

void TabCompleter::takeCompletion(const QString& text)
{
    if (auto* lineEdit = qobject_cast<QLineEdit*>(widget())) {
        lineEdit->setText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget())) {
        const int item = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (item >= 0)
            combo->setCurrentIndex(item);
        else
            combo->setEditText(text);
    }
    emit activated(text);
}

bool TabCompleter::eventFilter(QObject* watched, QEvent* event)
{
    // While the list shows, the keys come to it. Asked for on the editor's
    // keys, popup() would build a list that is not shown, and the editor's
    // close would take it down again: an eighth of a key that closes the
    // editor at once, such as a delete from a cell being typed in.
    auto* list = qobject_cast<QAbstractItemView*>(watched);
    if (event->type() != QEvent::KeyPress || !list || !list->isVisible())
        return QCompleter::eventFilter(watched, event);
    const auto* keyEvent = static_cast<QKeyEvent*>(event);
    const int key = keyEvent->key();
    if (key != Qt::Key_Tab && key != Qt::Key_Backtab)
        return QCompleter::eventFilter(watched, event);

    const QModelIndex current = list->currentIndex();
    const QString text = current.isValid() ? current.data(Qt::DisplayRole).toString() : QString();
    QWidget* editor = widget();
    if (!text.isEmpty())
        takeCompletion(text);
    list->hide();
    if (!editor)
        return true;

    for (QWidget* parent = editor->parentWidget(); parent; parent = parent->parentWidget()) {
        if (parent->objectName() == QLatin1String("PayeeMemoEditor")) {
            if (auto* memo = parent->findChild<QWidget*>(QStringLiteral("memoEdit")))
                memo->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    for (QWidget* parent = editor->parentWidget(); parent; parent = parent->parentWidget()) {
        auto* view = qobject_cast<QAbstractItemView*>(parent);
        if (!view)
            continue;
        const bool backwards = key == Qt::Key_Backtab || keyEvent->modifiers().testFlag(Qt::ShiftModifier);
        QAbstractItemDelegate* delegate = view->itemDelegate();
        emit delegate->commitData(editor);
        emit delegate->closeEditor(editor, backwards ? QAbstractItemDelegate::EditPreviousItem
                                                     : QAbstractItemDelegate::EditNextItem);
        break;
    }
    return true;
}
