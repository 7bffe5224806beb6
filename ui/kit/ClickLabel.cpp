#include "ui/kit/ClickLabel.h"

#include <QMouseEvent>

void ClickLabel::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) leftDown_ = true;
    if (pressed) pressed(e->button());
    e->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* e) {
    const bool click = leftDown_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    if (e->button() == Qt::LeftButton) leftDown_ = false;
    e->accept();
    if (click && clicked) clicked();
}
