#pragma once
// A label or picture that answers the mouse as the game's windows want it:
// `pressed` on any button going down on it, `clicked` on a left press and
// release both on it (a completed click).
#include <QLabel>
#include <functional>

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr) : QLabel(parent) {}

    std::function<void(Qt::MouseButton)> pressed;
    std::function<void()> clicked;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    bool leftDown_ = false;
};
