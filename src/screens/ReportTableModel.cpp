#include "ReportTableModel.h"

#include <QFont>

ReportTableModel::ReportTableModel(const QStringList& headers, const QList<int>& rightAlignedColumns,
                                   QObject* parent)
    : QAbstractTableModel(parent)
    , m_headers(headers)
    , m_rightAligned(rightAlignedColumns)
{
}

void ReportTableModel::setRows(int rows, CellText text, int boldRows)
{
    beginResetModel();
    m_rows = rows;
    m_boldRows = boldRows;
    m_text = std::move(text);
    endResetModel();
}

void ReportTableModel::clear()
{
    setRows(0, CellText());
}

QString ReportTableModel::cellText(int row, int column) const
{
    return m_text(row, column);
}

int ReportTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int ReportTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_headers.size());
}

QVariant ReportTableModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return cellText(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return ((m_rightAligned.contains(index.column()) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter)
            .toInt();
    case Qt::FontRole:
        if (index.row() >= m_rows - m_boldRows) {
            QFont font;
            font.setWeight(QFont::Bold);
            return font;
        }
        break;
    default:
        break;
    }
    return QVariant();
}

QVariant ReportTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < m_headers.size())
        return m_headers.at(section);
    return QVariant();
}
