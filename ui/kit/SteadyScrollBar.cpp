#include "ui/kit/SteadyScrollBar.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPaintEvent>
#include <QStyle>
#include <algorithm>

SteadyScrollBar::SteadyScrollBar(Qt::Orientation o, QWidget* parent) : QScrollBar(o, parent) {}

SteadyScrollBar::Look SteadyScrollBar::LookOf(const QStyleOptionSlider& opt, qreal ratio) {
    Look l;
    l.rect = opt.rect;
    l.state = static_cast<int>(opt.state);
    l.active = static_cast<int>(opt.activeSubControls);
    l.sub = static_cast<int>(opt.subControls);
    l.minimum = opt.minimum;
    l.maximum = opt.maximum;
    l.position = opt.sliderPosition;
    l.value = opt.sliderValue;
    l.single = opt.singleStep;
    l.page = opt.pageStep;
    l.upsideDown = opt.upsideDown;
    l.palette = opt.palette.cacheKey();
    l.ratio = ratio;
    return l;
}

void SteadyScrollBar::paintEvent(QPaintEvent* e) {
    // Under the mouse or held, the bar shows the part hovered or pressed,
    // which only the toolkit's own painting knows: it draws as it always
    // does, and the kept picture is dropped.
    if (underMouse() || isSliderDown() || QGuiApplication::mouseButtons() != Qt::NoButton) {
        kept_.clear();
        ++drawn_;
        QScrollBar::paintEvent(e);
        return;
    }
    // Else no part is hovered or pressed: the look the toolkit would draw.
    QStyleOptionSlider opt;
    initStyleOption(&opt);
    opt.subControls = QStyle::SC_All;
    opt.activeSubControls = QStyle::SC_None;
    const qreal ratio = devicePixelRatioF();
    const Look look = LookOf(opt, ratio);
    auto it = std::find_if(kept_.begin(), kept_.end(), [&](const Kept& k) { return k.look == look; });
    if (it == kept_.end()) {
        QPixmap picture(size() * ratio);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        QPainter p(&picture);
        style()->drawComplexControl(QStyle::CC_ScrollBar, &opt, &p, this);
        ++drawn_;
        if (static_cast<int>(kept_.size()) == kKeptLooks) kept_.pop_back();
        it = kept_.insert(kept_.begin(), Kept{look, std::move(picture)});
    }
    std::rotate(kept_.begin(), it, it + 1);
    QPainter p(this);
    p.setClipRegion(e->region());
    p.drawPixmap(0, 0, kept_.front().picture);
}
