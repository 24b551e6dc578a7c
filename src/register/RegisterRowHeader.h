#pragma once

#include <QHeaderView>

// The register's row header, which places the rows and is never shown.
//
// For each row the model removes, QHeaderView asks every section whether it
// is hidden, to carry hidden sections along, and moves all those after it
// down its list: on an account of 50,000 rows that was a sixth of a delete.
// While the rows are alike, dropping the last ones leaves what dropping any
// others would, and the header does that. Otherwise rows are removed as
// QHeaderView removes them.
class RegisterRowHeader : public QHeaderView
{
    Q_OBJECT

public:
    explicit RegisterRowHeader(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;
    // Whether every row is shown, in its own place and of the default height.
    // Once a row had a height of its own, that is not known any more: the
    // register gives none one.
    bool rowsAreAlike() const;

private:
    void removeSections(const QModelIndex& parent, int first, int last);

    QMetaObject::Connection m_removals;
    bool m_hadOwnHeight = false;
};
