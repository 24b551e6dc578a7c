#include "RegisterFigureValue.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

RegisterFigureValue::RegisterFigureValue(QWidget* parent)
    : QWidget(parent)
{
    measure();
}

void RegisterFigureValue::setText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    m_hasText = true;
    measure();
    update();
}

void RegisterFigureValue::clear()
{
    m_text.clear();
    m_hasText = false;
    measure();
    update();
}

void RegisterFigureValue::setColor(const QColor& color)
{
    if (color == m_color)
        return;
    m_color = color;
    // In every colour group, as a style sheet's colour is.
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, color);
    setPalette(palette);
}

QSize RegisterFigureValue::sizeHint() const
{
    return m_hint;
}

QSize RegisterFigureValue::minimumSizeHint() const
{
    // Without word wrap a QLabel's least size is its size.
    return m_hint;
}

void RegisterFigureValue::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    const int flags =
        Qt::AlignCenter | (m_text.isRightToLeft() ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight);
    style()->drawItemText(&painter, contentsRect(), flags, option.palette, isEnabled(), m_text, foregroundRole());
}

void RegisterFigureValue::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        measure();
    QWidget::changeEvent(event);
}

void RegisterFigureValue::measure()
{
    // A QLabel lays its text out in a box 2000 pixels wide less its margins,
    // not centred (centring would round), and adds the margins back. Without
    // a text it keeps room for one average character.
    const QMargins margins = contentsMargins();
    const QSize marginSize(margins.left() + margins.right(), margins.top() + margins.bottom());
    const QFontMetrics metrics = fontMetrics();
    const QSize textSize = m_hasText
                               ? metrics.boundingRect(0, 0, 2000 - marginSize.width(), 2000, 0, m_text).size()
                               : QSize(metrics.averageCharWidth(), metrics.lineSpacing());
    const QSize hint = (textSize + marginSize).expandedTo(minimumSize());
    if (hint == m_hint)
        return;
    m_hint = hint;
    updateGeometry();
}
