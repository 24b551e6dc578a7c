#include "ElidedLabel.h"

#include <QFontMetrics>
#include <QPainter>

ElidedLabel::ElidedLabel(QWidget* parent)
    : QLabel(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void ElidedLabel::setFullText(const QString& text)
{
    m_fullText = text;
    setText(text);
    update();
}

QString ElidedLabel::shownText() const
{
    return QFontMetrics(font()).elidedText(m_fullText, Qt::ElideRight, width());
}

QSize ElidedLabel::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(m_fullText), metrics.height()};
}

QSize ElidedLabel::minimumSizeHint() const
{
    return {0, QFontMetrics(font()).height()};
}

// QLabel's own painting would draw the whole text; this one draws the cut text only.
void ElidedLabel::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.drawText(rect(), alignment().toInt(), shownText());
}

void ElidedLabel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    update();
}
