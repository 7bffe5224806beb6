#include "ui/floor/FloorTitleIcon.h"

#include <QEvent>
#include <QMdiSubWindow>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionTitleBar>

FloorTitleIcon::FloorTitleIcon(QMdiSubWindow* frame) : QWidget(frame), frame_(frame) {
    setObjectName("FloorTitleIcon");
    // Opaque: a repaint of the picture paints nothing of the title bar below.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    frame->installEventFilter(this);
    Place();
    raise();
    show();
}

void FloorTitleIcon::Show(const QPixmap& picture, bool now) {
    const bool resized = picture.size() != picture_.size();
    picture_ = picture;
    if (resized) Place();
    if (now)
        repaint();
    else
        update();
}

void FloorTitleIcon::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (picture_.size() == size())
        p.drawPixmap(0, 0, picture_);
    else
        p.drawPixmap(rect(), picture_.scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

bool FloorTitleIcon::eventFilter(QObject* o, QEvent* e) {
    if (o == frame_) {
        switch (e->type()) {
        case QEvent::Resize:
        case QEvent::WindowStateChange:
        case QEvent::StyleChange:
        case QEvent::FontChange: Place(); break;
        default: break;
        }
    }
    return QWidget::eventFilter(o, e);
}

void FloorTitleIcon::Place() {
    // The title bar as the frame lays it out for its style: inside the
    // border, one title bar high.
    QStyleOptionTitleBar opt;
    opt.initFrom(frame_);
    opt.subControls = QStyle::SC_All;
    opt.titleBarFlags = frame_->windowFlags();
    opt.titleBarState = frame_->windowState();
    QStyle* style = frame_->style();
    const bool minimised = frame_->isMinimized();
    const int border = style->styleHint(QStyle::SH_TitleBar_NoBorder, &opt, frame_) ? 0 : 4;
    int height = style->pixelMetric(QStyle::PM_TitleBarHeight, &opt, frame_);
    if (border) height += minimised ? 8 : 4;
    height -= minimised ? 2 * border : border;
    opt.rect = QRect(border, border, frame_->width() - 2 * border, height);
    const QRect place = style->subControlRect(QStyle::CC_TitleBar, &opt, QStyle::SC_TitleBarSysMenu, frame_);
    // Maximised, the frame hands its title bar to the main window's menu bar;
    // the floor view gives that state back at once.
    const bool shown = (frame_->windowFlags() & Qt::WindowSystemMenuHint) && place.isValid() && !frame_->isMaximized();
    // Where the title bar draws an icon: at its own size, centred, and
    // smaller only where the place is.
    const QSize own = picture_.isNull() ? QSize(16, 16) : picture_.size();
    setGeometry(QStyle::alignedRect(layoutDirection(), Qt::AlignCenter, own.boundedTo(place.size()), place));
    setVisible(shown);
}
