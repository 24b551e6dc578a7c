#pragma once

#include <QScrollArea>

// Holds a page that scrolls up and down when its window is too short for it,
// instead of squeezing its wrapped texts, and is never narrower than the page:
// the window widens for a wide page as it would without the scroll area. The
// page's right margin should be as wide as a scroll bar: while the bar shows,
// the page gives that much of its width to it.
class VerticalScrollArea : public QScrollArea
{
    Q_OBJECT

public:
    explicit VerticalScrollArea(QWidget* page, QWidget* parent = nullptr);

    QSize minimumSizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
