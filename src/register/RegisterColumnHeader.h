#pragma once

#include <QHeaderView>

// The register's column header, as QTableView makes its own, painting only
// what it is asked to repaint. QHeaderView paints every section across the
// bounding rectangle of that: when the current cell goes from the date to the
// amount, the two labels that change (the current column's is bold) cost a
// repaint of all the columns between them, on every row saved.
//
// Nor does it measure its titles again for a change of the cells below them,
// which QHeaderView does on every one: its height is its titles' alone.
class RegisterColumnHeader : public QHeaderView
{
    Q_OBJECT

public:
    explicit RegisterColumnHeader(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;

private:
    bool sizesAnySectionToContents() const;
};
