#pragma once
// The floor view's animated icon, drawn by a small picture of its own over
// the icon place of the frame's title bar. Changing a frame's window icon
// repaints the whole title bar and lays out its elided caption again; this
// picture repaints its 16 x 16 pixels and nothing else. It follows the icon
// place when the frame is resized, minimised or restyled, and lets the mouse
// through to the title bar below, whose system menu stays where it was.
#include <QPixmap>
#include <QWidget>

class QMdiSubWindow;

class FloorTitleIcon : public QWidget {
public:
    explicit FloorTitleIcon(QMdiSubWindow* frame);

    // Shows `picture` (an opaque 16 x 16 frame of the icon): painted at
    // once when `now` (nothing else is to be painted with it), else with the
    // window's next paint.
    void Show(const QPixmap& picture, bool now = false);
    const QPixmap& Shown() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    // Over the icon place of the title bar, as the frame's style lays it out.
    void Place();
    QMdiSubWindow* frame_;
    QPixmap picture_;
};
