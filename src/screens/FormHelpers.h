#pragma once

#include <QComboBox>
#include <QLatin1String>
#include <QVariant>

// Names a widget for the tests that drive it.
template <typename Widget>
Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// Makes the item holding `data` current; with none, the current item stays.
inline void selectData(QComboBox* combo, const QVariant& data)
{
    const int index = combo->findData(data);
    if (index >= 0)
        combo->setCurrentIndex(index);
}
