#include "ElidedLabel.h"

#include <QFontMetrics>
#include <QPainter>
#include <QtMath>

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

// Rounded up: the text's advance rounded to the nearest pixel can be a fraction
// short of it, and the whole text given that width was cut.
QSize ElidedLabel::sizeHint() const
{
    return {qCeil(QFontMetricsF(font()).horizontalAdvance(m_fullText)), QFontMetrics(font()).height()};
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
