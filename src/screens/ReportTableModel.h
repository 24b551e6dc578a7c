#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

#include <functional>

// One report as a read-only table. A report can list every transaction of the
// ledger, so the model keeps the report's own rows and writes a cell's text only
// when the view or an export asks for it: a run costs what its query costs, not
// one formatted text per cell.
class ReportTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // The text of one cell, row and column in range.
    using CellText = std::function<QString(int row, int column)>;

    ReportTableModel(const QStringList& headers, const QList<int>& rightAlignedColumns, QObject* parent = nullptr);

    // Shows `rows` rows, the last `boldRows` of them (a totals row) in bold.
    void setRows(int rows, CellText text, int boldRows = 0);
    void clear();

    QStringList headers() const { return m_headers; }
    QString cellText(int row, int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QStringList m_headers;
    QList<int> m_rightAligned;
    int m_rows = 0;
    int m_boldRows = 0;
    CellText m_text;
};
