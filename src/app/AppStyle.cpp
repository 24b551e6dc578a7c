#include "AppStyle.h"

namespace {
bool g_altHeld = false;
}

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

bool AppStyle::altHeld()
{
    return g_altHeld;
}

void AppStyle::setAltHeld(bool held)
{
    g_altHeld = held;
}
