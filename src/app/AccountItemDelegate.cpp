#include "AccountItemDelegate.h"

#include <QPainter>

void AccountItemDelegate::setColors(const QColor& hovered, const QColor& selected)
{
    m_hovered = hovered;
    m_selected = selected;
}

void AccountItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& /*index*/) const
{
    // Selected wins over hovered.
    if (option.state & QStyle::State_Selected)
        painter->fillRect(option.rect, m_selected);
    else if (option.state & QStyle::State_MouseOver)
        painter->fillRect(option.rect, m_hovered);
}

void AccountItemDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                               const QModelIndex& /*index*/) const
{
    editor->setGeometry(option.rect.marginsRemoved(kPadding));
}
