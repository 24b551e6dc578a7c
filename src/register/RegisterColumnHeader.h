#pragma once

#include <QHeaderView>

// The register's column header, as QTableView makes its own, painting only
// what it is asked to repaint. QHeaderView paints every section across the
// bounding rectangle of that: when the current cell goes from the date to the
// amount, the two labels that change (the current column's is bold) cost a
// repaint of all the columns between them, on every row saved.
class RegisterColumnHeader : public QHeaderView
{
    Q_OBJECT

public:
    explicit RegisterColumnHeader(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
