#pragma once
// A scroll bar that keeps the picture of its last look and shows it again
// while nothing about it has changed. The bars of the area of child windows
// and of the floor view are repainted whole whenever a child window opens
// or closes over them (the clerk's note comes and goes every few game hours
// at the top speed); drawn afresh by the style, each such repaint of a tall
// bar costs more than a frame of the floor. What the bar looks like is
// decided by its style option alone (size, range, position, steps, state,
// the part under the mouse or pressed) and its palette, so those make the
// key of a kept picture. A few looks are kept: a child window that opens
// beyond the others changes the bars' range, and its closing changes it
// back.
#include <QPixmap>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <vector>

class SteadyScrollBar : public QScrollBar {
public:
    explicit SteadyScrollBar(Qt::Orientation o, QWidget* parent = nullptr);

    // How many times the style drew the bar (for tests).
    int drawnByStyle() const { return drawn_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    struct Look {
        QRect rect;
        int state = 0, active = 0, sub = 0;
        int minimum = 0, maximum = 0, position = 0, value = 0, single = 0, page = 0;
        bool upsideDown = false;
        qint64 palette = 0;
        qreal ratio = 1;
        bool operator==(const Look&) const = default;
    };
    static Look LookOf(const QStyleOptionSlider& opt, qreal ratio);

    struct Kept {
        Look look;
        QPixmap picture;
    };
    static constexpr int kKeptLooks = 4;
    std::vector<Kept> kept_;  // the most recently shown first
    int drawn_ = 0;
};
