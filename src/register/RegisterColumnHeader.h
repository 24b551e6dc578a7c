#pragma once

#include <QHeaderView>
#include <QList>

#include <optional>

// The register's column header, as QTableView makes its own, painting only
// what it is asked to repaint. QHeaderView paints every section across the
// bounding rectangle of that: when the current cell goes from the date to the
// amount, the two labels that change (the current column's is bold) cost a
// repaint of all the columns between them, on every row saved.
//
// Nor does it measure its titles again for a change of the cells below them,
// which QHeaderView does on every one: its height is its titles' alone.
//
// Nor does it repaint a section for a new selection that leaves the section
// looking as it is painted: QHeaderView repaints every section the change
// spans, and the current cell going down its column (every row saved or
// deleted) changes none of them.
class RegisterColumnHeader : public QHeaderView
{
    Q_OBJECT

public:
    explicit RegisterColumnHeader(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;

private:
    // What of the selection a section's look is drawn from: its column touched
    // by the selection (its title bold), and whole columns selected, its own
    // and those beside it.
    struct SelectionLook
    {
        bool touched = false;
        bool selected = false;
        bool previousSelected = false;
        bool nextSelected = false;
        bool operator==(const SelectionLook&) const = default;
    };
    SelectionLook selectionLook(int logicalIndex) const;
    bool isColumnSelected(int visualIndex) const;
    bool sizesAnySectionToContents() const;

    // By logical index, the look each section was last painted with.
    mutable QList<std::optional<SelectionLook>> m_painted;
};
