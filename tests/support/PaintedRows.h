#pragma once

#include <QAbstractItemModel>
#include <QStringList>
#include <QStyleOptionViewItem>
#include <QStyledItemDelegate>
#include <QTableView>

// The text a cell is painted with: what QStyledItemDelegate::initStyleOption
// hands the drawing, asking the model as a paint does (all roles at once,
// through multiData).
inline QString paintedText(const QModelIndex& index)
{
    struct Reader : QStyledItemDelegate
    {
        QString text(const QModelIndex& at) const
        {
            QStyleOptionViewItem option;
            initStyleOption(&option, at);
            return option.text;
        }
    };
    return Reader().text(index);
}

// The rows of a table as its cells are painted: the painted text of every
// column the view shows, joined by "|". The view's delegates must draw that
// text: Qt's own, or one built on it that does not change it.
inline QStringList paintedRows(const QTableView* view)
{
    const QAbstractItemModel* model = view->model();
    QStringList rows;
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model->columnCount(); ++column) {
            const QModelIndex index = model->index(row, column);
            if (!qobject_cast<QStyledItemDelegate*>(view->itemDelegateForIndex(index)))
                qFatal("column %d is not drawn by a QStyledItemDelegate", column);
            if (!view->isColumnHidden(column))
                cells.append(paintedText(index));
        }
        rows.append(cells.join(QLatin1Char('|')));
    }
    return rows;
}
