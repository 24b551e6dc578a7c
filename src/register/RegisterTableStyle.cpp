#include "RegisterTableStyle.h"

#include "RegisterDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QTableView>

RegisterTableStyle* RegisterTableStyle::create(QTableView* table)
{
    // The style under the application's proxies, by the name it was made by.
    const QStyle* application = QApplication::style();
    while (const auto* proxy = qobject_cast<const QProxyStyle*>(application))
        application = proxy->baseStyle();
    QStyle* base = application ? QStyleFactory::create(application->name()) : nullptr;
    return base ? new RegisterTableStyle(base, table) : nullptr;
}

RegisterTableStyle::RegisterTableStyle(QStyle* base, QTableView* table)
    : QProxyStyle(base)
    , m_table(table)
{
    setParent(table);
}

bool RegisterTableStyle::leavesRowPanel(const QPainter* painter, const QWidget* widget) const
{
    return m_table && widget == m_table && painter && painter->device() == m_table->viewport()
           && m_table->style() == this && qobject_cast<const RegisterDelegate*>(m_table->itemDelegate());
}

void RegisterTableStyle::drawRowPanel(const QStyleOption* option, QPainter* painter, const QWidget* widget) const
{
    QProxyStyle::drawPrimitive(PE_PanelItemViewRow, option, painter, widget);
}

void RegisterTableStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                       const QWidget* widget) const
{
    if (element == PE_PanelItemViewRow && leavesRowPanel(painter, widget))
        return;
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}
