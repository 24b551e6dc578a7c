#pragma once

#include <QProxyStyle>
#include <QString>
#include <QStringList>
#include <QStyleOption>

// Set on a header, records each section it draws: the section's number, then
// "on" for the bold title of a column the selection touches and "sunken" for
// a column selected whole.
class HeaderSectionLog : public QProxyStyle
{
public:
    mutable QStringList drawn;

    // How a section drawn with that number and look is recorded.
    static QString entry(int section, bool on = false, bool sunken = false)
    {
        QString text = QString::number(section);
        if (on)
            text += QLatin1String(" on");
        if (sunken)
            text += QLatin1String(" sunken");
        return text;
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        if (element == CE_Header) {
            drawn.append(entry(qstyleoption_cast<const QStyleOptionHeader*>(option)->section,
                               option->state.testFlag(State_On), option->state.testFlag(State_Sunken)));
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};
