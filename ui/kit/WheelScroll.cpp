#include "ui/kit/WheelScroll.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QScrollBar>
#include <QWheelEvent>
#include <cstdlib>

namespace {

bool CanMove(const QScrollBar* bar) {
    return bar && bar->isVisible() && bar->isEnabled() && bar->maximum() > bar->minimum();
}

// Watches the view; the controls on it leave the wheel to it.
class WheelToBars : public QObject {
public:
    WheelToBars(QWidget* view, QScrollBar* vertical, QScrollBar* horizontal)
        : QObject(view), vertical_(vertical), horizontal_(horizontal) {}

    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::Wheel) return false;
        const auto* wheel = static_cast<QWheelEvent*>(e);
        const QPoint turn = wheel->angleDelta();
        const bool sideways = std::abs(turn.x()) > std::abs(turn.y());
        QScrollBar* bar = sideways ? horizontal_.data() : vertical_.data();
        if (!sideways && !CanMove(bar)) bar = horizontal_.data();
        if (CanMove(bar)) {
            // The bar takes the turn as if the wheel were over it: its own
            // steps, a page with Shift or Ctrl. Handed on by us, the turn
            // goes no further than the bar, even when it is at its end.
            const QPointF at = QPointF(bar->rect().center());
            QWheelEvent onBar(at, bar->mapToGlobal(at), wheel->pixelDelta(), turn, wheel->buttons(),
                              wheel->modifiers(), wheel->phase(), wheel->inverted(), wheel->source());
            QCoreApplication::sendEvent(bar, &onBar);
        }
        return true;
    }

private:
    QPointer<QScrollBar> vertical_, horizontal_;
};

}  // namespace

void WheelMovesBars(QWidget* view, QScrollBar* vertical, QScrollBar* horizontal) {
    view->installEventFilter(new WheelToBars(view, vertical, horizontal));
}
