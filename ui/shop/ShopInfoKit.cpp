#include "ui/shop/ShopInfoKit.h"

#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "ui/platform/ProgramDir.h"
#include "shop/ShopInfo.h"
#include "ui/platform/Pictures.h"

// ---- gauge ----

ShopGaugeBar::ShopGaugeBar(QWidget* parent) : QWidget(parent) {
    setFixedSize(kFrameWidth + 2, kFrameHeight + 2);
}

QSize ShopGaugeBar::sizeHint() const { return {kFrameWidth + 2, kFrameHeight + 2}; }

void ShopGaugeBar::setValue(const Value& gauge) {
    const int w = GaugeBarWidth(gauge, kFrameWidth);
    if (w == bar_) return;
    bar_ = w;
    update();
}

void ShopGaugeBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(Qt::black);
    p.drawRect(0, 0, kFrameWidth + 1, kFrameHeight + 1);
    if (bar_ > 0) p.fillRect(1, 1, bar_, kFrameHeight, QColor(0, 128, 255));
}

// ---- stars ----

namespace {

constexpr int kStarSize = 15;

QPixmap DrawStar(bool lit) {
    QPixmap pm(kStarSize, kStarSize);
    pm.fill(Qt::transparent);
    QPolygonF star;
    const double cx = 7.5, cy = 8.0, outer = 7.0, inner = 2.9;
    for (int k = 0; k < 10; ++k) {
        const double r = (k % 2 == 0) ? outer : inner;
        const double a = -std::numbers::pi / 2 + k * std::numbers::pi / 5;
        star << QPointF(cx + r * std::cos(a), cy + r * std::sin(a));
    }
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.0));
    p.setBrush(lit ? QBrush(QColor(0, 176, 0)) : QBrush(Qt::NoBrush));
    p.drawPolygon(star);
    return pm;
}

}  // namespace

std::array<QPixmap, 2> StarPictures(Window window) {
    std::array<QPixmap, 2> out;
    for (int k = 0; k < 2; ++k) {
        const QString rel = QStringLiteral("Graphic/Forms/Form%1_Starg%2.png").arg(WindowNumber(window)).arg(k);
        if (QFile::exists(QString::fromStdString(ProgramFile(rel.toStdString()))))
            out[k] = QPixmap::fromImage(LoadPicture(rel, QSize(kStarSize, kStarSize)));
        else
            out[k] = DrawStar(k == 0);
    }
    return out;
}

void ShowStars(std::array<QLabel*, 5>& stars, const std::array<QPixmap, 2>& starg, int lit) {
    // A label repaints on every new picture: only a star that changes gets one.
    for (int i = 0; i < 5; ++i) {
        const QPixmap& star = starg[i < lit ? 0 : 1];
        if (stars[i]->pixmap().cacheKey() != star.cacheKey()) stars[i]->setPixmap(star);
    }
}

namespace shop_info_window {

QLabel* Caption(const char* text, QWidget* parent) { return new QLabel(QString::fromUtf8(text), parent); }

QLabel* ValueLabel(const char* name, int minWidth, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setMinimumWidth(minWidth);
    return l;
}

QHBoxLayout* DateLine(QWidget* parent, QLabel* year, QLabel* month, QLabel* day, QLabel* weekday) {
    auto* date = new QHBoxLayout;
    date->setSpacing(2);
    date->addWidget(year);
    date->addWidget(Caption("年", parent));
    date->addWidget(month);
    date->addWidget(Caption("月", parent));
    date->addWidget(day);
    date->addWidget(Caption("日", parent));
    date->addSpacing(6);
    date->addWidget(weekday);
    return date;
}

QHBoxLayout* StarRow(QWidget* parent, std::array<QLabel*, 5>& stars) {
    auto* row = new QHBoxLayout;
    row->setSpacing(1);
    for (auto& s : stars) {
        s = new QLabel(parent);
        s->setFixedSize(15, 15);
        row->addWidget(s);
    }
    row->addStretch();
    return row;
}

void AddGaugeRow(QGridLayout* grid, int row, int column, const char* caption, ShopGaugeBar* bar, QLabel* label,
                 QWidget* parent) {
    grid->addWidget(Caption(caption, parent), row, column);
    grid->addWidget(bar, row, column + 1);
    grid->addWidget(label, row, column + 2);
}

namespace {

// The text a label of a fixed size was last measured to hold.
constexpr char kMeasuredText[] = "qmMeasuredText";

// Whether `text` is no wider than `measured`: as long, and where the two
// differ each character of `text` together no wider than those it
// replaces. A figure that changes its digits is told so by the advances of
// a few characters, without laying out the whole text again.
bool NoWiderThan(const QFontMetrics& fm, const QString& text, const QString& measured) {
    if (text.size() != measured.size()) return false;
    int grown = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == measured[i]) continue;
        if (text[i].isSurrogate() || measured[i].isSurrogate()) return false;
        grown += fm.horizontalAdvance(text[i]) - fm.horizontalAdvance(measured[i]);
    }
    return grown <= 0;
}

}  // namespace

void ShowValue(QLabel* label, const std::string& text) {
    const QString shown = QString::fromStdString(text);
    if (label->text() == shown) return;
    if (label->isVisible()) {
        // A label of a fixed size changes no layout when its text changes.
        const bool fixed = label->minimumSize() == label->maximumSize() && label->maximumSize() == label->size();
        if (!fixed || !NoWiderThan(label->fontMetrics(), shown, label->property(kMeasuredText).toString())) {
            const QMargins m = label->contentsMargins();
            const int need =
                label->fontMetrics().horizontalAdvance(shown) + m.left() + m.right() + 2 * label->margin();
            const QSize keep(std::max(label->width(), need), label->height());
            if (label->minimumSize() != keep || label->maximumSize() != keep) label->setFixedSize(keep);
            label->setProperty(kMeasuredText, shown);
        }
    }
    label->setText(shown);
}

void ShowGauge(QLabel* label, ShopGaugeBar* bar, const GaugeView& gauge) {
    ShowValue(label, gauge.text);
    bar->setValue(gauge.value);
}

}  // namespace shop_info_window
