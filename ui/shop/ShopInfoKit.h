#pragma once
// The pieces the shop information window (ShopInfoWindow) and the shop details window
// (ShopDetailsWindow) build alike: the gauge bar and the star pictures, captions, named
// value labels, the date line, the row of stars and the gauge rows.
#include <QLabel>
#include <QPixmap>
#include <QWidget>
#include <array>
#include <string>

#include "platform/Window.h"
#include "state/Value.h"

class QGridLayout;
class QHBoxLayout;
struct GaugeView;

// A gauge bar: a fixed black frame with a filled bar whose width follows
// the gauge value (kept inside the frame whatever the value).
class ShopGaugeBar : public QWidget {
public:
    static constexpr int kFrameWidth = 100;
    static constexpr int kFrameHeight = 10;
    explicit ShopGaugeBar(QWidget* parent = nullptr);
    void setValue(const Value& gauge);
    int barWidth() const { return bar_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    int bar_ = 0;
};

// The hidden picture pair of a shop window: element 0 the lit star (green
// with a black outline), element 1 the unlit one (the outline alone on the
// window colour), both 15 x 15. A window picture file is used when present.
std::array<QPixmap, 2> StarPictures(Window window);

// Shows `lit` lit stars followed by unlit ones in the five star pictures.
void ShowStars(std::array<QLabel*, 5>& stars, const std::array<QPixmap, 2>& starg, int lit);

namespace shop_info_window {

// A fixed caption.
QLabel* Caption(const char* text, QWidget* parent);
// A named value label at least `minWidth` wide.
QLabel* ValueLabel(const char* name, int minWidth, QWidget* parent);
// The date line: year "年" month "月" day "日", a gap and the weekday; the
// window adds what follows.
QHBoxLayout* DateLine(QWidget* parent, QLabel* year, QLabel* month, QLabel* day, QLabel* weekday);
// The five star pictures side by side (made into `stars`), then a stretch.
QHBoxLayout* StarRow(QWidget* parent, std::array<QLabel*, 5>& stars);
// A gauge in the grid's row `row` from column `column` on: its caption, the
// bar and the value label.
void AddGaugeRow(QGridLayout* grid, int row, int column, const char* caption, ShopGaugeBar* bar, QLabel* label,
                 QWidget* parent);
// Writes a value label's text. Once shown, a label keeps its size while its
// texts fit, so a new figure repaints the label alone: the window is not
// laid out again (and its frame in the area with it) several times a
// second. A text that does not fit widens the label first.
void ShowValue(QLabel* label, const std::string& text);
// Writes a gauge's text and bar.
void ShowGauge(QLabel* label, ShopGaugeBar* bar, const GaugeView& gauge);

}  // namespace shop_info_window
