#pragma once
// The press-and-hold arrow of the salary and borrowing dialogs: a picture
// that reports the press and the release of a mouse button on it, with its
// resting and pressed faces kept in two hidden elements beside it.
#include <QLabel>
#include <QPoint>
#include <array>

#include "platform/Window.h"

class HoldArrow : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    static constexpr int kWidth = 17;
    static constexpr int kHeight = 9;
    // The elements of an arrow: 0 the one shown, 1 its resting face and 2
    // its pressed face (both hidden).
    static constexpr int kShown = 0, kRest = 1, kPressed = 2;

    // The arrow `control` ("ButtonU", "ButtonD") of `window`, its faces read
    // from "Graphic/Forms/Form<number>_<control>_1.png" (rest) and "_2"
    // (pressed); element 0 stands at `at` showing the resting face.
    static std::array<QLabel*, 3> Make(QWidget* parent, Window window, const char* control, QPoint at);

signals:
    void mouseDown(Qt::MouseButton button);
    void mouseUp(Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
};
