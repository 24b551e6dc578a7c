#include "AppStyle.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QStyleOption>
#include <QWidget>

#include <cmath>

namespace {

bool g_altHeld = false;

// A standard icon of the base style, made when first drawn or measured: the
// base style reads its images from files, and the first image file read loads
// every image format plugin, a cost that would come before the first paint
// (the menu bar builds its overflow button's icon, seldom shown).
class StandardIconEngine : public QIconEngine
{
public:
    StandardIconEngine(const QStyle* style, QStyle::StandardPixmap which, const QWidget* widget)
        : m_style(const_cast<QStyle*>(style))
        , m_which(which)
        , m_widget(const_cast<QWidget*>(widget))
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, 1.0, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return icon().isNull(); }
    QString iconName() override { return icon().name(); }
    void addPixmap(const QPixmap& pixmap, QIcon::Mode mode, QIcon::State state) override
    {
        icon().addPixmap(pixmap, mode, state);
    }
    void addFile(const QString& fileName, const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        icon().addFile(fileName, size, mode, state);
    }
    QString key() const override { return QStringLiteral("StandardIconEngine"); }
    QIconEngine* clone() const override { return new StandardIconEngine(*this); }

private:
    QIcon& icon()
    {
        if (!m_made) {
            m_made = true;
            // An icon can outlive the style it came from.
            const QStyle* style = m_style ? m_style.get() : QApplication::style();
            m_icon = style->standardIcon(m_which, nullptr, m_widget);
        }
        return m_icon;
    }

    QPointer<QStyle> m_style;
    QStyle::StandardPixmap m_which;
    QPointer<QWidget> m_widget;
    QIcon m_icon;
    bool m_made = false;
};

} // namespace

AppStyle::AppStyle(QStyle* style)
    : QProxyStyle(style)
{
}

int AppStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                        QStyleHintReturn* returnData) const
{
    if (hint == QStyle::SH_UnderlineShortcut)
        return g_altHeld ? 1 : 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

QIcon AppStyle::standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const
{
    // An option lives only for this call; with one, the icon is made now.
    if (option)
        return QProxyStyle::standardIcon(which, option, widget);
    return QIcon(new StandardIconEngine(baseStyle(), which, widget));
}

void AppStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const
{
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    const bool indicator = element == PE_IndicatorRadioButton
                           || (element == PE_IndicatorCheckBox && qstyleoption_cast<const QStyleOptionButton*>(option));
    // Fusion's own focus outline is the accent; that one stands out already.
    const State focused = State_HasFocus | State_KeyboardFocusChange;
    if (!indicator || !painter || (option->state & focused) == focused)
        return;
    // Fusion outlines the box and the circle in the window colour darkened,
    // about 1.1:1 on our dark window and 2:1 on the light one. The outline is
    // stroked again, on Fusion's own lines, in the palette's muted text
    // colour, which stands out from both the window and the fields.
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setPen(option->palette.color(QPalette::PlaceholderText));
    painter->setBrush(Qt::NoBrush);
    const QRect rect = option->rect;
    if (element == PE_IndicatorCheckBox) {
        painter->translate(0.5, 0.5);
        painter->drawRect(rect.adjusted(0, 0, -1, -1));
    } else {
        const QPointF centre = rect.center() + QPoint(1, 1);
        const qreal radius = (rect.width() + (rect.width() + 1) % 2) / 2.0 - 1;
        QPainterPath circle;
        circle.addEllipse(centre, radius, radius);
        painter->drawPath(circle);
    }
    painter->restore();
}

void AppStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                  const QWidget* widget) const
{
    // Qt 6.4's raster engine hands a fill of 96 spans or more to the thread
    // pool and waits for it, unless the painter has a clip rectangle of its
    // own: a tall scroll bar then drew in 470 us instead of 220, at every
    // scroll. The clip is the whole surface, so no pixel can differ (Fusion
    // draws parts of a short bar's handle outside its rectangle).
    const QTransform world = painter ? painter->worldTransform() : QTransform();
    if (control != CC_ScrollBar || !painter || painter->viewTransformEnabled()
        || world.type() > QTransform::TxTranslate || world.dx() != std::trunc(world.dx())
        || world.dy() != std::trunc(world.dy())) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    // The painter's window is its surface (or more of it, on a scaled image).
    const QRect surface = painter->window().translated(-int(world.dx()), -int(world.dy()));
    painter->save();
    painter->setClipRect(surface, Qt::IntersectClip);
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    painter->restore();
}

bool AppStyle::altHeld()
{
    return g_altHeld;
}

void AppStyle::setAltHeld(bool held)
{
    g_altHeld = held;
}
