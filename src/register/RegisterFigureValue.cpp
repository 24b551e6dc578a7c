#include "RegisterFigureValue.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

RegisterFigureValue::RegisterFigureValue(QWidget* parent)
    : QWidget(parent)
{
}

void RegisterFigureValue::setText(const QString& text)
{
    if (text == m_text)
        return;
    showText(text, true);
}

void RegisterFigureValue::clear()
{
    showText(QString(), false);
}

void RegisterFigureValue::showText(const QString& text, bool hasText)
{
    // A size not measured yet is one the layout has still to ask for.
    const std::optional<QSize> before = m_hint;
    m_text = text;
    m_hasText = hasText;
    m_hint.reset();
    if (!before || sizeHint() != *before)
        updateGeometry();
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
    if (!m_hint)
        m_hint = measured();
    return *m_hint;
}

QSize RegisterFigureValue::minimumSizeHint() const
{
    // Without word wrap a QLabel's least size is its size.
    return sizeHint();
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
    // Measured when next asked, in the font the widget has by then; QWidget
    // asks for the new layout.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        m_hint.reset();
    QWidget::changeEvent(event);
}

QSize RegisterFigureValue::measured() const
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
    return (textSize + marginSize).expandedTo(minimumSize());
}
