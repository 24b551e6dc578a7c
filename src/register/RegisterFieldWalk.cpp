#include "RegisterFieldWalk.h"

#include "RegisterDelegate.h"
#include "RegisterModel.h"
#include "RegisterTableView.h"

#include <QApplication>
#include <QLineEdit>

#include <utility>

namespace {

const QString kPayeeMemoEditor = QStringLiteral("PayeeMemoEditor");

} // namespace

RegisterFieldWalk::RegisterFieldWalk(RegisterTableView* table, RegisterModel* model, RegisterDelegate* delegate,
                                     std::function<void()> commit, QObject* parent)
    : QObject(parent)
    , m_table(table)
    , m_model(model)
    , m_delegate(delegate)
    , m_commit(std::move(commit))
{
}

void RegisterFieldWalk::focusEntryRow()
{
    const int entry = m_model->entryRow();
    if (entry < 0)
        return;
    if (entry == 0)
        m_table->scrollToTop();
    else
        m_table->scrollToBottom();
    m_table->setCurrentIndex(m_model->index(entry, RegisterModel::DateColumn));
}

void RegisterFieldWalk::discardOpenEditor()
{
    if (QWidget* editor = m_table->indexWidget(m_table->currentIndex()))
        emit m_delegate->closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void RegisterFieldWalk::flushOpenEditor()
{
    const QModelIndex current = m_table->currentIndex();
    QWidget* editor = m_table->indexWidget(current);
    if (!editor)
        return;
    // The delegate also names the category id after the text shown, not after
    // the item that happens to be current under typed-over text.
    m_delegate->setModelData(editor, m_model, current);
    if (editor->objectName() == kPayeeMemoEditor) {
        m_table->setFocus();
        emit m_delegate->closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

int RegisterFieldWalk::nextVisibleField(int column) const
{
    for (int next = column + 1; next <= RegisterModel::ClearedColumn; ++next) {
        if (!m_table->isColumnHidden(next))
            return next;
    }
    return -1;
}

int RegisterFieldWalk::previousVisibleField(int column) const
{
    for (int previous = column - 1; previous >= 0; --previous) {
        if (!m_table->isColumnHidden(previous))
            return previous;
    }
    return -1;
}

void RegisterFieldWalk::makeFieldCurrent(int column)
{
    const QModelIndex index = m_table->currentIndex().siblingAtColumn(column);
    m_table->setCurrentIndex(index);
    m_table->editIfEditable(index);
}

void RegisterFieldWalk::focusNextField()
{
    stepToNextField(PastLastField::Stay);
}

void RegisterFieldWalk::advanceToNextField()
{
    stepToNextField(PastLastField::Save);
}

void RegisterFieldWalk::stepToNextField(PastLastField pastLast)
{
    const QModelIndex current = m_table->currentIndex();
    if (!current.isValid())
        return;
    flushOpenEditor();
    // From Balance the walk starts over at the first field.
    const int from = current.column() == RegisterModel::BalanceColumn ? -1 : current.column();
    const int column = nextVisibleField(from);
    if (column >= 0)
        makeFieldCurrent(column);
    else if (pastLast == PastLastField::Save && from >= 0)
        m_commit();
}

void RegisterFieldWalk::advanceToPreviousField()
{
    const QModelIndex current = m_table->currentIndex();
    if (!current.isValid())
        return;
    flushOpenEditor();
    openFieldBackwards(previousVisibleField(current.column()));
}

void RegisterFieldWalk::focusPreviousField()
{
    const QModelIndex current = m_table->currentIndex();
    if (!current.isValid() || current.column() == RegisterModel::DateColumn
        || current.column() == RegisterModel::BalanceColumn)
        return;
    flushOpenEditor();
    openFieldBackwards(previousVisibleField(current.column()));
}

void RegisterFieldWalk::openFieldBackwards(int column)
{
    if (column < 0)
        return;
    makeFieldCurrent(column);
    QWidget* editor = m_table->indexWidget(m_table->currentIndex());
    if (editor && editor->objectName() == kPayeeMemoEditor) {
        if (auto* memo = editor->findChild<QLineEdit*>(QStringLiteral("memoEdit")))
            memo->setFocus(Qt::BacktabFocusReason);
    }
}

bool RegisterFieldWalk::moveWithinPayeeMemoEditor(bool next)
{
    QWidget* editor = m_table->focusedPayeeMemoEditor();
    if (!editor)
        return false;
    const QString from = QApplication::focusWidget()->objectName();
    if (from != (next ? QStringLiteral("payeeEdit") : QStringLiteral("memoEdit")))
        return false;
    if (auto* line = editor->findChild<QLineEdit*>(next ? QStringLiteral("memoEdit") : QStringLiteral("payeeEdit")))
        line->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}
