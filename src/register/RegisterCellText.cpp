#include "RegisterCellText.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRect>
#include <QStyle>
#include <QTextOption>

const RegisterCellText::Line* RegisterCellText::line(const QRect& textRect, const QString& text, const QFont& font,
                                                     Qt::Alignment alignment, Qt::TextElideMode elideMode,
                                                     Qt::LayoutDirection direction, bool wrap)
{
    Key key{text, font, textRect.width(), textRect.height(), int(alignment), int(elideMode), int(direction), wrap};
    const Line* found = m_lines.find(key);
    if (!found) {
        Line laidOut = layOut(key);
        laidOut.serial = ++m_lastSerial;
        found = m_lines.insert(std::move(key), std::move(laidOut), 1);
    }
    return found->layout ? found : nullptr;
}

void RegisterCellText::draw(QPainter* painter, const QRect& textRect, const Line& line)
{
    line.layout->draw(painter, QPointF(textRect.left(), textRect.top() + line.top));
}

RegisterCellText::Line RegisterCellText::layOut(const Key& key)
{
    if (key.text.contains(QChar::LineSeparator))
        return {};
    // Left to right, the whole text's line measures it as the font's metrics
    // would: laid out first, a text that fits (most do) is shaped once, where
    // measuring it apart shaped it twice. Right to left the line may order
    // its runs otherwise, so the metrics measure it.
    if (Qt::LayoutDirection(key.direction) == Qt::LeftToRight) {
        qreal advance = 0;
        Line whole = layOut(key, key.text, &advance);
        if (advance <= key.width)
            return whole;
    } else if (QFontMetricsF(key.font).horizontalAdvance(key.text) <= key.width) {
        return layOut(key, key.text);
    }
    if (key.wrap)
        return {};
    return layOut(key, QFontMetricsF(key.font).elidedText(key.text, Qt::TextElideMode(key.elideMode), key.width));
}

RegisterCellText::Line RegisterCellText::layOut(const Key& key, const QString& shown, qreal* advance)
{
    const auto direction = Qt::LayoutDirection(key.direction);
    QTextOption option;
    option.setWrapMode(QTextOption::ManualWrap);
    option.setTextDirection(direction);
    option.setAlignment(QStyle::visualAlignment(direction, Qt::Alignment(key.alignment)));
    Line laidOut;
    laidOut.layout = std::make_shared<QTextLayout>(shown, key.font);
    QTextLayout& layout = *laidOut.layout;
    layout.setTextOption(option);
    layout.setCacheEnabled(true);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(key.width);
    line.setPosition(QPointF(0, 0));
    layout.endLayout();
    if (advance)
        *advance = line.horizontalAdvance();
    laidOut.top = QStyle::alignedRect(direction, Qt::Alignment(key.alignment) & Qt::AlignVertical_Mask,
                                      QSize(key.width, int(line.height())), QRect(0, 0, key.width, key.height))
                      .top();
    return laidOut;
}
