#pragma once

#include <QComboBox>

// A combo box that cuts its shown choice with "…" at the right when it is
// narrower than the text, as ElidedLabel does; the open list shows every
// choice whole. For filter rows that must not widen their window for a long
// account or category name.
class ElidedComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit ElidedComboBox(QWidget* parent = nullptr);

    // The shown choice as painted at the present width.
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QStyleOptionComboBox shownOption() const;
};
