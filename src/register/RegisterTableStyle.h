#pragma once

#include <QPointer>
#include <QProxyStyle>

class QTableView;

// The register table's style: the application's kind of style, except that
// in the table's own repaint it leaves the row panel under each cell
// (PE_PanelItemViewRow) to the register's delegate. Qt's table draws that
// panel before each cell, and the delegate then covers most cells with a kept
// image of the cell, panel included, so the panel was drawn for nothing; the
// delegate draws it only under the cells it draws anew (`leavesRowPanel`,
// `drawRowPanel`).
//
// A proxy owns its base style and becomes the base's proxy, so the base is a
// style of the application's kind made for the table alone, not the
// application's own. What the program's style adds to Fusion (mnemonic
// underlines, standard icons, scroll bars, outlines of check boxes and radio
// buttons) is nothing the table draws: the scroll bars and headers are widgets
// of their own, with the application's, and Clr is a letter, not a check box.
class RegisterTableStyle : public QProxyStyle
{
    Q_OBJECT

public:
    // Null when no style of the application's kind can be made.
    static RegisterTableStyle* create(QTableView* table);

    // Whether `painter` paints `widget`'s cells in the table's own repaint,
    // with the row panels left out, while the table has this style and a
    // register delegate.
    bool leavesRowPanel(const QPainter* painter, const QWidget* widget) const;
    // The row panel as the base style draws it.
    void drawRowPanel(const QStyleOption* option, QPainter* painter, const QWidget* widget) const;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

private:
    RegisterTableStyle(QStyle* base, QTableView* table);

    QPointer<QTableView> m_table;
};
