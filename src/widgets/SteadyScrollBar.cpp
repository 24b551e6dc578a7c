#include "SteadyScrollBar.h"

#include <QStyle>
#include <QStyleOptionSlider>

SteadyScrollBar::SteadyScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent)
{
}

SteadyScrollBar::Hold::Hold(QScrollBar* bar)
    : m_bar(qobject_cast<SteadyScrollBar*>(bar))
{
    if (m_bar)
        ++m_bar->m_holds;
}

SteadyScrollBar::Hold::~Hold()
{
    if (m_bar)
        m_bar->release();
}

void SteadyScrollBar::release()
{
    if (--m_holds == 0 && m_painted && *m_painted != look())
        update();
}

SteadyScrollBar::Look SteadyScrollBar::look(const QStyleOptionSlider& option) const
{
    Look look;
    look.handle = style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this);
    look.empty = minimum() == maximum();
    look.atMinimum = sliderPosition() == minimum();
    look.atMaximum = sliderPosition() == maximum();
    return look;
}

SteadyScrollBar::Look SteadyScrollBar::look() const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    return look(option);
}

bool SteadyScrollBar::isTransient(const QStyleOptionSlider& option) const
{
    return style()->styleHint(QStyle::SH_ScrollBar_Transient, &option, this);
}

void SteadyScrollBar::sliderChange(SliderChange change)
{
    // Never painted, it has nothing to keep; fading in and out, it shows itself
    // on every change.
    if (m_painted) {
        QStyleOptionSlider option;
        initStyleOption(&option);
        if (!isTransient(option) && (m_holds > 0 || *m_painted == look(option)))
            return;
    }
    QScrollBar::sliderChange(change);
}

void SteadyScrollBar::paintEvent(QPaintEvent* event)
{
    m_painted = look();
    QScrollBar::paintEvent(event);
}
