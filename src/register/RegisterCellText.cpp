#include "RegisterCellText.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRect>
#include <QStyle>
#include <QTextOption>

namespace {

// Enough for every distinct text of several screens of rows; past it the
// texts are laid out afresh rather than kept without bound.
constexpr qsizetype kMaxKept = 2048;

} // namespace

void RegisterCellText::draw(QPainter* painter, const QRect& textRect, const QString& text, const QFont& font,
                            Qt::Alignment alignment, Qt::TextElideMode elideMode, Qt::LayoutDirection direction)
{
    if (text.isEmpty() || textRect.width() <= 0)
        return;
    Key key{text, font, textRect.width(), textRect.height(), int(alignment), int(elideMode), int(direction)};
    auto found = m_laidOut.constFind(key);
    if (found == m_laidOut.cend()) {
        if (m_laidOut.size() >= kMaxKept)
            m_laidOut.clear();
        LaidOut laidOut = layOut(key);
        found = m_laidOut.insert(std::move(key), std::move(laidOut));
    }
    found->layout->draw(painter, QPointF(textRect.left(), textRect.top() + found->top));
}

RegisterCellText::LaidOut RegisterCellText::layOut(const Key& key)
{
    const auto direction = Qt::LayoutDirection(key.direction);
    QTextOption option;
    option.setWrapMode(QTextOption::ManualWrap);
    option.setTextDirection(direction);
    option.setAlignment(QStyle::visualAlignment(direction, Qt::Alignment(key.alignment)));
    const QFontMetricsF metrics(key.font);
    const QString shown = metrics.horizontalAdvance(key.text) > key.width
                              ? metrics.elidedText(key.text, Qt::TextElideMode(key.elideMode), key.width)
                              : key.text;
    LaidOut laidOut;
    laidOut.layout = std::make_shared<QTextLayout>(shown, key.font);
    QTextLayout& layout = *laidOut.layout;
    layout.setTextOption(option);
    layout.setCacheEnabled(true);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(key.width);
    line.setPosition(QPointF(0, 0));
    layout.endLayout();
    laidOut.top = QStyle::alignedRect(direction, Qt::Alignment(key.alignment) & Qt::AlignVertical_Mask,
                                      QSize(key.width, int(line.height())), QRect(0, 0, key.width, key.height))
                      .top();
    return laidOut;
}
