#pragma once

#include <QPointer>
#include <QRect>
#include <QScrollBar>

#include <optional>

class QStyleOptionSlider;

// A scroll bar that repaints when what it shows changes, not whenever its range
// or value does. A register of tens of thousands of rows that gains or loses
// one keeps its handle to the pixel, yet QScrollBar repaints itself whole for
// it, and under it the parts of its parents it does not cover: a cost paid on
// every row saved or deleted.
class SteadyScrollBar : public QScrollBar
{
    Q_OBJECT

public:
    explicit SteadyScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

    // While one lives, the range and the value change without a repaint; at its
    // end the bar repaints once, if it then shows something else. A view lays
    // out its rows (a new range, the value where it was) and then scrolls back
    // into place: a picture between the two is never seen. Holding a plain
    // QScrollBar (or none) does nothing.
    class Hold
    {
    public:
        explicit Hold(QScrollBar* bar);
        ~Hold();
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        QPointer<SteadyScrollBar> m_bar;
    };

protected:
    void sliderChange(SliderChange change) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // What a range, a value or a page step can change of the picture.
    struct Look
    {
        QRect handle;
        bool empty = false;
        bool atMinimum = false;
        bool atMaximum = false;
        friend bool operator==(const Look&, const Look&) = default;
    };
    // What the bar shows now, and whether its style fades it in and out.
    Look look(const QStyleOptionSlider& option) const;
    Look look() const;
    bool isTransient(const QStyleOptionSlider& option) const;
    void release();

    // As last painted. Every other look asks for a whole repaint, which Qt
    // merges into the next paint, so the pixels never lag behind.
    std::optional<Look> m_painted;
    int m_holds = 0;
};
