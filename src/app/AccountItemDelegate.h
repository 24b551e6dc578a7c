#pragma once

#include <QColor>
#include <QMargins>
#include <QStyledItemDelegate>

// Draws the account list's items, each of which holds a card: the item under
// the mouse and the selected one filled with their colours, nothing more, and
// each card placed within its item's padding.
class AccountItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    // Room between an item's edge and its card.
    static constexpr QMargins kPadding{14, 7, 14, 7};

    using QStyledItemDelegate::QStyledItemDelegate;

    void setColors(const QColor& hovered, const QColor& selected);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

private:
    QColor m_hovered;
    QColor m_selected;
};
